#include "engine/ConversionRun.h"

#include "engine/Converter.h"
#include "platform/HeapTuning.h"
#include "platform/PathParts.h"

#include "run/LockedFileObserver.h"
#include "run/OutputClaims.h"

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <optional>

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

namespace {

RunSummary Summarize(RunEnd end, int jobCount, std::vector<FileResult> results)
{
    RunSummary summary;
    summary.end = end;
    summary.jobCount = jobCount;
    for (auto& result : results) {
        (result.written() ? summary.converted : summary.failed)++;
    }
    summary.results = std::move(results);
    return summary;
}

} // namespace

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
    if (!m_options.CombineInto.empty()) {
        return executeCombined(observer);
    }
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
            base::Result<> claimed;
            {
                std::lock_guard guard(lock);
                if (halted || nextJob == count || stopRequested()) {
                    return;
                }
                i = nextJob++;
                const auto& job = m_jobs[static_cast<std::size_t>(i)];
                claimed = claims.claim(job, OutputPathOf(m_options, job));
                observer.fileStarted(i, count, job);
            }
            const auto& job = m_jobs[static_cast<std::size_t>(i)];
            FileResult result = claimed ? ConvertJob(m_options, job, fileObserver, m_abandon.get_token())
                                        : FailedFile(job.path, claimed.failure());
            result.outputPath = OutputPathOf(m_options, job);
            std::lock_guard guard(lock);
            auto& kept = results[static_cast<std::size_t>(i)].emplace(std::move(result));
            std::string caption;
            if (kept.noDocument) {
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

    bool stopped = nextJob < count || abandonRequested();
    std::vector<FileResult> taken;
    for (auto& result : results) {
        if (result) {
            taken.push_back(std::move(*result));
        }
    }
    auto summary = Summarize(halted ? RunEnd::Halted : stopped ? RunEnd::Stopped : RunEnd::Finished, count,
                             std::move(taken));
    observer.runEnded(summary);
    return summary;
}

// The jobs in order into one document on the calling thread; written once all are in.
RunSummary ConversionRun::executeCombined(RunObserver& observer)
{
    const int count = static_cast<int>(m_jobs.size());
    const std::string& output = m_options.CombineInto;
    const base::Result<> claimed = ClaimCombinedOutput(m_jobs, output);
    const ConversionJob noJob;
    const ConversionJob& first = m_jobs.empty() ? noJob : m_jobs.front();
    CombinedDocument document(m_options, output, first.ownerPassword, first.userPassword, observer,
                              m_abandon.get_token());
    std::vector<FileResult> results;
    for (int i = 0; i < count && !stopRequested(); ++i) {
        const auto& job = m_jobs[static_cast<std::size_t>(i)];
        observer.fileStarted(i, count, job);
        FileResult result = claimed ? document.add(job) : FailedFile(job.path, claimed.failure());
        result.outputPath = output;
        observer.fileFinished(i, count, result, FileCountCaption(i, count));
        results.push_back(std::move(result));
    }
    const bool stopped = static_cast<int>(results.size()) < count || abandonRequested();
    base::Result<> saved = !claimed ? claimed
        : stopped ? base::Failure { base::FailureKind::Abandoned, "the run stopped before " + output + " was written" }
                  : document.save();
    if (!saved) {
        for (auto& result : results) {
            if (result.written()) {
                result.outcome = base::Failure { saved.failure().kind, "not combined: " + saved.error() };
            }
        }
    }
    auto summary = Summarize(stopped ? RunEnd::Stopped : RunEnd::Finished, count, std::move(results));
    summary.combined = std::move(saved);
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

std::string ResultToOpen(const ConversionOptions& options, const std::vector<ConversionJob>& jobs)
{
    if (!options.CombineInto.empty()) {
        return options.CombineInto;
    }
    if (jobs.empty()) {
        return {};
    }
    const auto first = OutputPathOf(options, jobs.front());
    return jobs.size() == 1 ? first : platform::SplitPath(first).folder;
}

} // namespace engine
