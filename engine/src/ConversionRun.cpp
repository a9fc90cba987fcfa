#include "engine/ConversionRun.h"

#include "engine/Converter.h"
#include "platform/PathParts.h"

#include <cstdio>

namespace engine {

std::string FileCountCaption(int index, int count)
{
    char caption[64];
    long long done = static_cast<long long>(index) + 1;
    std::snprintf(caption, sizeof caption, "File %lld of %d, %lld%%", done, count, done * 100 / count);
    return caption;
}

std::string RunEndCaption(RunEnd end)
{
    switch (end) {
    case RunEnd::Finished:
        return ConvertFinishedCaption;
    case RunEnd::Stopped:
        return ConvertStoppedCaption;
    case RunEnd::Halted:
        break;
    }
    return {};
}

ConversionRun::ConversionRun(ConversionOptions options, std::vector<ConversionJob> jobs)
    : m_options(std::move(options))
    , m_jobs(std::move(jobs))
{
}

ConversionRun::~ConversionRun()
{
    requestStop();
    wait();
}

RunSummary ConversionRun::execute(RunObserver& observer)
{
    RunSummary summary;
    summary.jobCount = static_cast<int>(m_jobs.size());
    for (int i = 0; i < summary.jobCount; ++i) {
        if (stopRequested()) {
            summary.end = RunEnd::Stopped;
            observer.runEnded(summary);
            return summary;
        }
        const auto& job = m_jobs[static_cast<std::size_t>(i)];
        observer.fileStarted(i, summary.jobCount, job);
        FileResult result = ConvertTextFile(m_options, job.path, job.ownerPassword, job.userPassword, observer);
        if (result.status == FileStatus::NoDocument) {
            summary.failed++;
            summary.results.push_back(std::move(result));
            observer.fileFinished(i, summary.jobCount, summary.results.back(), {});
            summary.end = RunEnd::Halted;
            observer.runEnded(summary);
            return summary;
        }
        (result.written() ? summary.converted : summary.failed)++;
        summary.results.push_back(std::move(result));
        observer.fileFinished(i, summary.jobCount, summary.results.back(), FileCountCaption(i, summary.jobCount));
    }
    summary.end = RunEnd::Finished;
    observer.runEnded(summary);
    return summary;
}

void ConversionRun::start(RunObserver& observer)
{
    wait();
    m_worker = std::thread([this, &observer] { execute(observer); });
}

void ConversionRun::wait()
{
    if (m_worker.joinable()) {
        m_worker.join();
    }
}

std::string ResultToOpen(const std::vector<ConversionJob>& jobs)
{
    if (jobs.empty()) {
        return {};
    }
    if (jobs.size() == 1) {
        return OutputPathFor(jobs.front().path);
    }
    return platform::SplitPath(platform::StripEnclosingQuotes(jobs.front().path)).folder;
}

} // namespace engine
