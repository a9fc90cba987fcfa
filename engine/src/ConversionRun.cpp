#include "engine/ConversionRun.h"

#include "engine/Converter.h"
#include "platform/HeapTuning.h"
#include "platform/PathParts.h"

#include "LockedFileObserver.h"
#include "OutputClaims.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <optional>

namespace engine {
namespace {

FileResult RefusedFile(const ConversionJob& job, std::string reason)
{
    FileResult result;
    result.inputPath = job.path;
    result.outputPath = OutputPathFor(job.path);
    result.failure = FailureKind::Output;
    result.error = std::move(reason);
    return result;
}

} // namespace

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

ConversionRun::ConversionRun(ConversionOptions options, std::vector<ConversionJob> jobs, int workers)
    : m_options(std::move(options))
    , m_jobs(std::move(jobs))
    , m_workers(std::max(1, workers))
{
    platform::KeepFreedHeapForReuse();
}

ConversionRun::~ConversionRun()
{
    requestStop();
    wait();
}

// Each worker takes the next job in list order until none is left, a stop is requested or a
// document could not be created; the observer is only ever called under the lock. With one worker
// the calling thread is that worker.
RunSummary ConversionRun::execute(RunObserver& observer)
{
    const int count = static_cast<int>(m_jobs.size());
    std::mutex lock;
    int nextJob = 0;
    int finished = 0;
    bool halted = false;
    std::vector<std::optional<FileResult>> results(m_jobs.size());
    LockedFileObserver fileObserver(observer, lock);

    OutputClaims claims;
    auto work = [&] {
        for (;;) {
            int i = 0;
            std::optional<std::string> refusal;
            {
                std::lock_guard guard(lock);
                if (halted || nextJob == count || stopRequested()) {
                    return;
                }
                i = nextJob++;
                const auto& job = m_jobs[static_cast<std::size_t>(i)];
                refusal = claims.claim(job.path, OutputPathFor(job.path));
                observer.fileStarted(i, count, job);
            }
            const auto& job = m_jobs[static_cast<std::size_t>(i)];
            FileResult result = refusal ? RefusedFile(job, *refusal)
                                        : ConvertTextFile(m_options, job.path, job.ownerPassword, job.userPassword,
                                                          fileObserver, m_abandon.get_token());
            std::lock_guard guard(lock);
            auto& kept = results[static_cast<std::size_t>(i)].emplace(std::move(result));
            std::string caption;
            if (kept.status == FileStatus::NoDocument) {
                halted = true;
            } else {
                caption = FileCountCaption(finished++, count);
            }
            observer.fileFinished(i, count, kept, caption);
        }
    };
    std::vector<std::thread> helpers;
    for (int worker = 1; worker < std::min(m_workers, count); ++worker) {
        helpers.emplace_back(work);
    }
    work();
    for (auto& helper : helpers) {
        helper.join();
    }

    RunSummary summary;
    summary.jobCount = count;
    bool stopped = nextJob < count || abandonRequested();
    summary.end = halted ? RunEnd::Halted : stopped ? RunEnd::Stopped : RunEnd::Finished;
    for (auto& result : results) {
        if (result) {
            (result->written() ? summary.converted : summary.failed)++;
            summary.results.push_back(std::move(*result));
        }
    }
    observer.runEnded(summary);
    return summary;
}

void ConversionRun::requestAbandon()
{
    m_stop.store(true);
    m_abandon.request_stop();
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
    return platform::SplitPath(jobs.front().path).folder;
}

} // namespace engine
