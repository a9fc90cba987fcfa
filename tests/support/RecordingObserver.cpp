#include "RecordingObserver.h"

namespace testsupport {

void RecordingObserver::progressRange(std::int64_t low, std::int64_t high)
{
    std::lock_guard lock(m_mutex);
    ranges.emplace_back(low, high);
}

void RecordingObserver::progressPosition(std::int64_t position)
{
    std::lock_guard lock(m_mutex);
    positions.push_back(position);
}

void RecordingObserver::warning(const std::string& message)
{
    std::lock_guard lock(m_mutex);
    warnings.push_back(message);
}

void RecordingObserver::fileStarted(int index, int, const engine::ConversionJob& job)
{
    {
        std::lock_guard lock(m_mutex);
        startedPaths.push_back(job.path);
    }
    if (onFileStarted) {
        onFileStarted(index);
    }
}

void RecordingObserver::fileFinished(int, int, const engine::FileResult& result, const std::string& caption)
{
    std::lock_guard lock(m_mutex);
    results.push_back(result);
    captions.push_back(caption);
}

void RecordingObserver::runEnded(const engine::RunSummary&)
{
    std::lock_guard lock(m_mutex);
    runsEnded++;
}

} // namespace testsupport
