#include "engine/ConversionRun.h"
#include "engine/Converter.h"

#include "pdf/HaruDocument.h"

#include "JobFor.h"
#include "PdfProbe.h"
#include "RecordingObserver.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <malloc.h>

namespace {

using engine::ConversionJob;

class ConversionRunTest : public ::testing::Test
{
protected:
    std::vector<ConversionJob> writeJobs(int count)
    {
        std::vector<ConversionJob> jobs;
        for (int i = 1; i <= count; ++i) {
            auto path = m_dir.write("file" + std::to_string(i) + ".txt", "text of file " + std::to_string(i));
            jobs.push_back(testsupport::JobFor(path.string(), "owner" + std::to_string(i), "user" + std::to_string(i)));
        }
        return jobs;
    }

    testsupport::TempDir m_dir;
    testsupport::RecordingObserver m_observer;
};

TEST_F(ConversionRunTest, ConvertsEveryJobInOrderWithItsOwnPasswords)
{
    auto jobs = writeJobs(3);
    engine::ConversionRun run({}, jobs);
    auto summary = run.execute(m_observer);

    EXPECT_EQ(summary.end, engine::RunEnd::Finished);
    EXPECT_EQ(summary.converted, 3);
    EXPECT_EQ(summary.failed, 0);
    EXPECT_EQ(m_observer.captions,
        (std::vector<std::string> { "File 1 of 3, 33%", "File 2 of 3, 66%", "File 3 of 3, 100%" }));
    ASSERT_EQ(m_observer.startedPaths.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(m_observer.startedPaths[i], jobs[i].path);
        auto pdf = testsupport::PdfProbe(summary.results[i].outputPath, jobs[i].userPassword);
        EXPECT_EQ(pdf.lines(), std::vector<std::string> { "text of file " + std::to_string(i + 1) });
        EXPECT_THROW(
            testsupport::PdfProbe(summary.results[i].outputPath, jobs[(i + 1) % 3].userPassword), std::exception);
    }
    EXPECT_EQ(m_observer.runsEnded, 1);
    EXPECT_EQ(engine::ResultToOpen({}, jobs), m_dir.path().string() + "/");
    EXPECT_EQ(engine::ResultToOpen({}, { jobs[1] }), (m_dir.path() / "file2.pdf").string());
}

TEST_F(ConversionRunTest, AFailedFileIsCountedAndTheRunGoesOn)
{
    auto jobs = writeJobs(3);
    jobs[1].path = (m_dir.path() / "missing.txt").string();
    engine::ConversionRun run({}, jobs);
    auto summary = run.execute(m_observer);
    EXPECT_EQ(summary.end, engine::RunEnd::Finished);
    EXPECT_EQ(summary.converted, 2);
    EXPECT_EQ(summary.failed, 1);
    EXPECT_FALSE(summary.results[1].written());
    EXPECT_TRUE(std::filesystem::exists(m_dir.path() / "file3.pdf"));
}

TEST_F(ConversionRunTest, AStopDuringTheSecondFileEndsTheRunAfterIt)
{
    auto jobs = writeJobs(5);
    engine::ConversionRun run({}, jobs);
    m_observer.onFileStarted = [&run](int index) {
        if (index == 1) {
            run.requestStop();
        }
    };
    run.start(m_observer);
    run.wait();

    EXPECT_EQ(m_observer.captions, (std::vector<std::string> { "File 1 of 5, 20%", "File 2 of 5, 40%" }));
    EXPECT_TRUE(std::filesystem::exists(m_dir.path() / "file2.pdf"));
    EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "file3.pdf"));
    EXPECT_EQ(m_observer.runsEnded, 1);
}

TEST_F(ConversionRunTest, AnEmptyJobListEndsAtOnce)
{
    engine::ConversionRun run({}, {});
    auto summary = run.execute(m_observer);
    EXPECT_EQ(summary.end, engine::RunEnd::Finished);
    EXPECT_EQ(summary.jobCount, 0);
    EXPECT_TRUE(m_observer.captions.empty());
}

// Every program that converts through a run gets the heap setting that saves a third of the time:
// freed memory at the top of the heap stays in the process instead of going back to the system.
TEST_F(ConversionRunTest, MakingARunKeepsFreedHeapForReuse)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers bring a heap of their own";
#else
    engine::ConversionRun run({}, {});
    constexpr std::size_t Block = 64 << 10; // below the size the C library maps apart
    constexpr std::size_t Blocks = 160;
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < Blocks; ++i) {
        blocks.push_back(std::malloc(Block));
        std::memset(blocks.back(), 1, Block);
    }
    const auto grown = mallinfo2().arena;
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it) {
        std::free(*it);
    }
    EXPECT_GE(mallinfo2().arena + Block, grown) << "the freed blocks were handed back to the system";
#endif
}

// Asks the run to abandon at the first progress after the given file started: with several workers a
// later file may start before that file reports.
class AbandoningObserver : public testsupport::RecordingObserver
{
public:
    AbandoningObserver(engine::ConversionRun& run, int file)
        : m_run(run)
    {
        onFileStarted = [this, file](int index) {
            if (index == file) {
                m_started.store(true);
            }
        };
    }
    void progressPosition(std::int64_t position) override
    {
        RecordingObserver::progressPosition(position);
        if (m_started.load()) {
            m_run.requestAbandon();
        }
    }

private:
    engine::ConversionRun& m_run;
    std::atomic<bool> m_started { false };
};

TEST_F(ConversionRunTest, AnAbandonGivesUpTheFileUnderWayWritesNothingAndEndsTheRun)
{
    for (int workers : { 1, 2 }) {
        auto jobs = writeJobs(3);
        // Lines long enough that a page's content outgrows the library's first buffer for it: the abandon is
        // then seen as a failed allocation in the middle of a page.
        std::string longText;
        for (int line = 0; line < 3000; ++line) {
            longText += "line " + std::to_string(line)
                + " of a text many pages long, in words that fill most of a page's width\n";
        }
        m_dir.write("file2.txt", longText);
        auto older = m_dir.write("file2.pdf", "%PDF older");
        std::filesystem::remove(m_dir.path() / "file3.pdf");

        engine::ConversionRun run({}, jobs, workers);
        AbandoningObserver observer(run, 1);
        auto summary = run.execute(observer);

        EXPECT_EQ(summary.end, engine::RunEnd::Stopped) << workers;
        ASSERT_GE(summary.results.size(), 2u);
        // With two workers the first file may still be under way when the second asks: both are given up.
        EXPECT_TRUE(summary.results[0].written()
            || (workers == 2 && summary.results[0].outcome.failure().kind == base::FailureKind::Abandoned))
            << workers << ": " << summary.results[0].outcome.error();
        EXPECT_EQ(summary.results[1].outcome.failure().kind, base::FailureKind::Abandoned)
            << summary.results[1].outcome.error();
        EXPECT_EQ(testsupport::readFile(older), "%PDF older");
        if (workers == 1) {
            EXPECT_LT(observer.positions.back() * 10, observer.ranges.back().second) << "given up at the next page";
            EXPECT_EQ(summary.results.size(), 2u) << "no file is taken after an abandon";
            EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "file3.pdf"));
        }
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.path())) {
            EXPECT_NE(entry.path().filename().string().front(), '.') << "left " << entry.path();
        }
    }
}

// Asked before the file is begun, the abandon is told as such: it is no want of memory that halts a run.
TEST_F(ConversionRunTest, AnAbandonBeforeTheDocumentExistsGivesTheFileUp)
{
    std::stop_source abandon;
    abandon.request_stop();
    testsupport::RecordingObserver observer;
    auto result = engine::ConvertTextFile({}, m_dir.write("early.txt", "text\n").string(), "", "", observer,
                                          abandon.get_token());
    EXPECT_FALSE(result.noDocument);
    ASSERT_FALSE(result.written());
    EXPECT_EQ(result.outcome.failure().kind, base::FailureKind::Abandoned) << result.outcome.error();
}

// The assembly of a finished document takes about as long as its layout and has no page to test
// between: an abandon makes it fail at once.
TEST_F(ConversionRunTest, AnAbandonedDocumentCannotBeAssembled)
{
    std::stop_source abandon;
    engine::HaruDocument document(abandon.get_token());
    HPDF_Page page = HPDF_AddPage(document.get());
    HPDF_Page_BeginText(page);
    HPDF_Page_SetFontAndSize(page, HPDF_GetFont(document.get(), "Courier", nullptr), 10);
    HPDF_Page_ShowText(page, "text");
    HPDF_Page_EndText(page);
    ASSERT_FALSE(document.failed()) << document.errorText();

    abandon.request_stop();
    EXPECT_NE(HPDF_SaveToStream(document.get()), HPDF_OK);
    auto path = (m_dir.path() / "abandoned.pdf").string();
    EXPECT_FALSE(document.saveAtomically(path));
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.path()));
}

} // namespace
