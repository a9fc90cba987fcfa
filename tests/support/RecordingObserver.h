#pragma once

#include "engine/ConversionRun.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace testsupport {

// Keeps every call of a run or a conversion, for tests to look at afterwards. Safe to feed from a
// worker thread while the test thread reads through the locked accessors after the run.
class RecordingObserver : public engine::RunObserver
{
public:
    void progressRange(std::int64_t low, std::int64_t high) override;
    void progressPosition(std::int64_t position) override;
    void warning(const std::string& message) override;
    void fileStarted(int index, int count, const engine::ConversionJob& job) override;
    void fileFinished(int index, int count, const engine::FileResult& result, const std::string& caption) override;
    void runEnded(const engine::RunSummary& summary) override;

    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
    std::vector<std::int64_t> positions;
    std::vector<std::string> warnings;
    std::vector<std::string> startedPaths;
    std::vector<std::string> captions;
    std::vector<engine::FileResult> results;
    int runsEnded = 0;

    // Called (outside the lock) at the start of each file, so a test can act mid-run.
    std::function<void(int index)> onFileStarted;

private:
    std::mutex m_mutex;
};

} // namespace testsupport
