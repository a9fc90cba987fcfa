#pragma once

#include "engine/ConversionJob.h"
#include "engine/ConversionObserver.h"
#include "engine/ConversionOptions.h"
#include "engine/FileResult.h"

#include <atomic>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

namespace engine {

enum class RunEnd {
    Finished, // every job was taken in hand
    Stopped,  // a stop request was seen between two files, or files under way were abandoned
    Halted,   // the PDF library could not create a document; the remaining jobs were not started
};

struct RunSummary
{
    RunEnd end = RunEnd::Finished;
    int jobCount = 0;
    int converted = 0; // files whose PDF was written
    int failed = 0;    // files that yielded no PDF
    std::vector<FileResult> results; // one per job taken in hand, in job order
    // With CombineInto: the writing of the combined PDF. When it failed, so did every file.
    base::Result<> combined;
};

// The captions of the whole-run progress bar.
inline constexpr const char* ConvertFinishedCaption = "Convert Finished";
inline constexpr const char* ConvertStoppedCaption = "Convert stopped.";
// "File %d of %d, %d%%" for job index (0-based) of count.
std::string FileCountCaption(int index, int count);
// The caption a run ends with: "Convert Finished", "Convert stopped.", or none when it halted.
std::string RunEndCaption(RunEnd end);

// Receives a run's progress: the per-file calls of ConversionObserver for the file under way, and
// the run's own events. Calls come on the run's threads, one at a time; the calls of one file, from
// fileStarted to fileFinished, come on one thread. In a run on several workers the per-file calls of
// the files under way interleave, and files finish in the order they complete.
class RunObserver : public ConversionObserver
{
public:
    virtual void fileStarted(int index, int count, const ConversionJob& job) = 0;
    // After each job, with its result and the caption "File %d of %d, %d%%" that counts the files
    // finished so far.
    virtual void fileFinished(int index, int count, const FileResult& result, const std::string& caption) = 0;
    // Once, at the end. A finished run's caption is "Convert Finished"; a stopped or halted run has
    // no caption of its own (whoever stopped it shows "Convert stopped.").
    virtual void runEnded(const RunSummary& summary) = 0;
};

// Converts a job list in order with one options snapshot, testing for a stop request between files:
// a file once begun is finished. A failed file is reported and the run goes on.
//
// No file is written twice and no input is written over: an input whose PDF would be the input
// itself fails unconverted, and so does an input whose PDF an earlier input of the list writes
// (paths compared once made absolute and normal, with symbolic links followed).
//
// With CombineInto, every job goes into that one PDF (CombinedDocument), one after another on the
// calling thread, with the passwords of the first job; it is written once the last job is in, and not
// at all when the run is stopped first or when it would be written over an input. A file that fails
// is left out.
//
// With more than one worker, that many files are converted at once, each in a PDF document of its
// own on a thread of its own (the PDF library keeps no state shared between documents); the jobs are
// still taken in list order, the stop request is tested before each, and the summary lists the
// results in list order.
//
// Making a run keeps freed heap memory for reuse (platform/HeapTuning.h): a third faster conversions
// for every program that converts through it.
class ConversionRun
{
public:
    ConversionRun(ConversionOptions options, std::vector<ConversionJob> jobs, int workers = 1);
    ~ConversionRun();
    ConversionRun(const ConversionRun&) = delete;
    ConversionRun& operator=(const ConversionRun&) = delete;

    // Runs on the calling thread and returns when the run has ended.
    RunSummary execute(RunObserver& observer);

    // Runs on a worker thread of its own; wait() joins it. The observer must outlive the run.
    void start(RunObserver& observer);
    void wait();

    // Asks the run to end before its next file. Safe from any thread, and before start.
    void requestStop() { m_stop.store(true); }
    bool stopRequested() const { return m_stop.load(); }

    // Asks the run to end at once, for a program that is closing: a stop request that also gives up
    // the files under way at their next page. Nothing is written for them (an older PDF stays as it
    // was, no temporary file is left) and their results fail with FailureKind::Abandoned; the run
    // then ends as stopped. The one case in which a file once begun is not finished. Safe from any
    // thread, and before start.
    void requestAbandon();
    bool abandonRequested() const { return m_abandon.stop_requested(); }

    const std::vector<ConversionJob>& jobs() const { return m_jobs; }

private:
    RunSummary executeCombined(RunObserver& observer);

    const ConversionOptions m_options;
    const std::vector<ConversionJob> m_jobs;
    const int m_workers;
    std::atomic<bool> m_stop { false };
    std::stop_source m_abandon;
    std::thread m_worker;
};

// The result a finished run opens: the combined PDF, or the PDF itself when the run had one job,
// otherwise the folder of the first job's PDF.
std::string ResultToOpen(const ConversionOptions& options, const std::vector<ConversionJob>& jobs);

} // namespace engine
