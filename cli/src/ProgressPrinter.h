#pragma once

#include "engine/ConversionRun.h"

#include <chrono>
#include <iosfwd>
#include <string>

namespace cli {

enum class ProgressStyle { Bar, Lines, Quiet };

// Shows a run on standard error: warnings and failures always, each with its file; progress as a
// bar redrawn in place on a terminal, as one line per file otherwise, or not at all.
class ProgressPrinter : public engine::RunObserver
{
public:
    ProgressPrinter(std::ostream& err, ProgressStyle style);

    void progressRange(std::int64_t low, std::int64_t high) override;
    void progressPosition(std::int64_t position) override;
    void warning(const std::string& message) override;
    void fileStarted(int index, int count, const engine::ConversionJob& job) override;
    void fileFinished(int index, int count, const engine::FileResult& result, const std::string& caption) override;
    void runEnded(const engine::RunSummary& summary) override;

private:
    void drawBar(bool force);
    void clearBar();

    std::ostream& m_err;
    ProgressStyle m_style;
    std::string m_currentFile;
    int m_done = 0; // files finished
    int m_count = 0;
    std::int64_t m_high = 0;
    std::int64_t m_position = 0;
    bool m_barShown = false;
    std::chrono::steady_clock::time_point m_lastDraw;
};

} // namespace cli
