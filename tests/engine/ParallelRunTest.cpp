// A run on several workers converts the same files into the same PDFs as a run on one, reports every
// file once with captions that count the finished files, and stops taking files when asked.
#include "JobFor.h"
#include "PdfProbe.h"
#include "RecordingObserver.h"
#include "TempDir.h"

#include "engine/ConversionRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

std::vector<engine::ConversionJob> WriteJobs(const testsupport::TempDir& dir, int count)
{
    std::vector<engine::ConversionJob> jobs;
    for (int file = 0; file < count; ++file) {
        std::string text;
        for (int line = 0; line < 400 * (file % 3 + 1); ++line) {
            text += "file " + std::to_string(file) + " line " + std::to_string(line)
                + " with words enough to wrap once the page is narrow enough to need it\n";
        }
        auto path = dir.write("in" + std::to_string(file) + ".txt", text);
        jobs.push_back(testsupport::JobFor(path.string()));
    }
    jobs.push_back(testsupport::JobFor((dir.path() / "missing.txt").string()));
    return jobs;
}

std::vector<std::vector<std::string>> LinesOfEach(const std::vector<engine::FileResult>& results)
{
    std::vector<std::vector<std::string>> lines;
    for (const auto& result : results) {
        lines.push_back(result.written() ? testsupport::PdfProbe(result.outputPath).lines()
                                         : std::vector<std::string> { result.outcome.error() });
    }
    return lines;
}

TEST(ParallelRun, ConvertsWhatOneWorkerConverts)
{
    testsupport::TempDir dir;
    auto jobs = WriteJobs(dir, 7);
    engine::ConversionOptions options;
    options.RightMargin = 300;

    testsupport::RecordingObserver inOrder;
    auto expected = engine::ConversionRun(options, jobs, 1).execute(inOrder);
    auto expectedLines = LinesOfEach(expected.results);

    for (int workers : { 2, 3, 16 }) {
        testsupport::RecordingObserver observer;
        auto summary = engine::ConversionRun(options, jobs, workers).execute(observer);
        EXPECT_EQ(summary.end, engine::RunEnd::Finished);
        EXPECT_EQ(summary.converted, 7);
        EXPECT_EQ(summary.failed, 1);
        ASSERT_EQ(summary.results.size(), jobs.size());
        for (std::size_t i = 0; i < jobs.size(); ++i) {
            EXPECT_EQ(summary.results[i].inputPath, jobs[i].path) << "results are in list order";
        }
        EXPECT_EQ(LinesOfEach(summary.results), expectedLines) << workers << " workers";
        EXPECT_EQ(observer.captions, inOrder.captions) << "captions count finished files";
        EXPECT_EQ(observer.startedPaths, inOrder.startedPaths) << "files are taken in list order";
        EXPECT_EQ(observer.ranges.size(), jobs.size() - 1);
        EXPECT_EQ(observer.runsEnded, 1);
    }
}

TEST(ParallelRun, AStopEndsTheTakingOfFiles)
{
    testsupport::TempDir dir;
    auto jobs = WriteJobs(dir, 6);
    engine::ConversionRun run(engine::ConversionOptions {}, jobs, 2);
    testsupport::RecordingObserver observer;
    observer.onFileStarted = [&run](int index) {
        if (index == 1) {
            run.requestStop();
        }
    };
    auto summary = run.execute(observer);
    EXPECT_EQ(summary.end, engine::RunEnd::Stopped);
    ASSERT_EQ(summary.results.size(), 2u) << "the two files begun are finished, no other is begun";
    EXPECT_EQ(summary.results[0].inputPath, jobs[0].path);
    EXPECT_EQ(summary.results[1].inputPath, jobs[1].path);
    EXPECT_EQ(summary.converted, 2);
}

// Holds the first file under way: while the second file is not finished, each progress call of the
// first file waits a little (two seconds in all at most). Between its calls the first file's worker
// holds no lock, so the second file can only finish first on a second worker converting meanwhile.
class FirstFileHeld : public testsupport::RecordingObserver
{
public:
    void fileStarted(int index, int count, const engine::ConversionJob& job) override
    {
        RecordingObserver::fileStarted(index, count, job);
        if (index == 0) {
            m_firstThread = std::this_thread::get_id();
        }
    }
    void progressPosition(std::int64_t position) override
    {
        RecordingObserver::progressPosition(position);
        if (std::this_thread::get_id() == m_firstThread && !m_secondFinished && m_waits++ < 100) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    void fileFinished(int index, int count, const engine::FileResult& result, const std::string& caption) override
    {
        RecordingObserver::fileFinished(index, count, result, caption);
        m_secondFinished = m_secondFinished || index == 1;
    }

private:
    // The run calls its observer one call at a time, under its own lock.
    std::thread::id m_firstThread;
    bool m_secondFinished = false;
    int m_waits = 0;
};

TEST(ParallelRun, ASecondWorkerConvertsWhileTheFirstIsUnderWay)
{
    testsupport::TempDir dir;
    std::string slowText;
    for (int line = 0; line < 2000; ++line) {
        slowText += "slow line " + std::to_string(line) + "\n";
    }
    auto slow = dir.write("slow.txt", slowText);
    auto quick = dir.write("quick.txt", "quick text\n");
    std::vector<engine::ConversionJob> jobs = { testsupport::JobFor(slow.string()),
                                                testsupport::JobFor(quick.string()) };
    FirstFileHeld observer;
    auto summary = engine::ConversionRun(engine::ConversionOptions {}, jobs, 2).execute(observer);
    EXPECT_EQ(summary.converted, 2);
    ASSERT_EQ(observer.results.size(), 2u);
    EXPECT_EQ(observer.results[0].inputPath, quick.string()) << "the second file waited for the first";
    EXPECT_EQ(testsupport::PdfProbe((dir.path() / "slow.pdf").string()).lines().size(), 2000u);
}

} // namespace
