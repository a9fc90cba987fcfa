// A run on several workers converts the same files into the same PDFs as a run on one, reports every
// file once with captions that count the finished files, and stops taking files when asked.
#include "PdfProbe.h"
#include "RecordingObserver.h"
#include "TempDir.h"

#include "engine/ConversionRun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

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
        jobs.push_back({ path.string(), "", "" });
    }
    jobs.push_back({ (dir.path() / "missing.txt").string(), "", "" });
    return jobs;
}

std::vector<std::vector<std::string>> LinesOfEach(const std::vector<engine::FileResult>& results)
{
    std::vector<std::vector<std::string>> lines;
    for (const auto& result : results) {
        lines.push_back(result.written() ? testsupport::PdfProbe(result.outputPath).lines()
                                         : std::vector<std::string> { result.error });
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

// The first file is a pipe whose text comes only once the second file's PDF exists: only a second
// worker converting meanwhile gets there (one worker would wait for the pipe, and the feeder gives up
// after five seconds so that the test ends either way).
TEST(ParallelRun, ASecondWorkerConvertsWhileTheFirstWaitsForItsFile)
{
    testsupport::TempDir dir;
    auto pipe = dir.path() / "slow.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    auto quick = dir.write("quick.txt", "quick text\n");
    std::vector<engine::ConversionJob> jobs = { { pipe.string(), "", "" }, { quick.string(), "", "" } };
    bool quickFirst = false;
    std::thread feeder([&] {
        auto quickPdf = dir.path() / "quick.pdf";
        for (int wait = 0; wait < 500 && !quickFirst; ++wait) {
            quickFirst = std::filesystem::exists(quickPdf);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        int fd = ::open(pipe.c_str(), O_WRONLY);
        ASSERT_EQ(::write(fd, "slow text\n", 10), 10);
        ::close(fd);
    });
    testsupport::RecordingObserver observer;
    auto summary = engine::ConversionRun(engine::ConversionOptions {}, jobs, 2).execute(observer);
    feeder.join();
    EXPECT_TRUE(quickFirst) << "the second file waited for the first";
    EXPECT_EQ(summary.converted, 2);
    EXPECT_EQ(testsupport::PdfProbe((dir.path() / "slow.pdf").string()).lines(), std::vector<std::string> { "slow text" });
}

} // namespace
