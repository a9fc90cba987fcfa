#include "engine/ConversionRun.h"
#include "layout/PageFrame.h"
#include "pdf/PageWriter.h"

#include "PdfProbe.h"
#include "RecordingObserver.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using engine::ConversionJob;

class CombineTest : public ::testing::Test
{
protected:
    ConversionJob job(const std::string& relative, const std::string& text)
    {
        ConversionJob job;
        job.path = text.empty() ? (m_dir.path() / relative).string() : m_dir.write(relative, text).string();
        job.relativePath = relative;
        return job;
    }
    std::string combined() const { return (m_dir.path() / "all.pdf").string(); }

    testsupport::TempDir m_dir;
    testsupport::RecordingObserver m_observer;
};

// Document information and protection are the whole document's, with the first job's passwords; a
// file that cannot be read is left out, and the run still takes the files in order on one thread.
TEST_F(CombineTest, OneProtectedDocumentWithoutTheFileThatFailed)
{
    auto first = job("a.txt", "first");
    first.ownerPassword = "owner";
    first.userPassword = "user";
    std::vector<ConversionJob> jobs = { first, job("missing.txt", ""), job("b.txt", "second") };
    engine::ConversionOptions options;
    options.CombineInto = combined();
    options.Title = "Both";
    engine::ConversionRun run(options, jobs, 2);
    auto summary = run.execute(m_observer);

    EXPECT_TRUE(summary.combined) << summary.combined.error();
    EXPECT_EQ(summary.converted, 2);
    EXPECT_EQ(summary.failed, 1);
    ASSERT_EQ(summary.results.size(), 3u);
    EXPECT_FALSE(summary.results[1].written());
    EXPECT_EQ(m_observer.captions.back(), "File 3 of 3, 100%");
    testsupport::PdfProbe pdf(combined(), "user");
    EXPECT_TRUE(pdf.encrypted());
    EXPECT_EQ(pdf.info("/Title"), "Both");
    EXPECT_EQ(pdf.pageMode(), "/UseOutlines");
    EXPECT_EQ(pdf.lines(), (std::vector<std::string> { "first", "second" }));
    EXPECT_EQ(engine::ResultToOpen(options, jobs), combined());
}

// The combined PDF is never written over an input, nor written at all by a run stopped before its
// end, nor when no file could be added.
TEST_F(CombineTest, NothingIsWrittenOverAnInputOrForAStoppedOrEmptyRun)
{
    auto input = job("all.pdf", "an input named like the output");
    std::vector<ConversionJob> jobs = { job("a.txt", "a"), input };
    engine::ConversionOptions options;
    options.CombineInto = combined();
    auto refused = engine::ConversionRun(options, jobs).execute(m_observer);
    EXPECT_FALSE(refused.combined);
    EXPECT_EQ(refused.failed, 2);
    EXPECT_EQ(testsupport::readFile(combined()), "an input named like the output");

    options.CombineInto = (m_dir.path() / "stopped.pdf").string();
    engine::ConversionRun stopped(options, { job("a.txt", "a"), job("b.txt", "b") });
    m_observer.onFileStarted = [&stopped](int index) {
        if (index == 0) {
            stopped.requestStop();
        }
    };
    auto summary = stopped.execute(m_observer);
    EXPECT_EQ(summary.end, engine::RunEnd::Stopped);
    EXPECT_EQ(summary.converted, 0);
    EXPECT_FALSE(std::filesystem::exists(options.CombineInto));

    m_observer.onFileStarted = {};
    options.CombineInto = (m_dir.path() / "empty.pdf").string();
    auto empty = engine::ConversionRun(options, { job("gone.txt", "") }).execute(m_observer);
    EXPECT_FALSE(empty.combined);
    EXPECT_FALSE(std::filesystem::exists(options.CombineInto));
}

// The pages of a combined PDF wait in memory for the save, shrunk: their contents deflated, their
// resources and media box shared with an earlier page that has the same. A page of another font or
// size keeps its own, and every page reads back with its text, font and size.
TEST_F(CombineTest, PagesWaitingForTheSaveKeepTheirOwnFontsAndSizes)
{
    engine::HaruDocument document;
    HPDF_SetCompressionMode(document.get(), HPDF_COMP_ALL);
    HPDF_Font helvetica = HPDF_GetFont(document.get(), "Helvetica", nullptr);
    HPDF_Font courier = HPDF_GetFont(document.get(), "Courier", nullptr);
    engine::ConversionOptions options;
    const engine::PageFrame portrait = engine::MakePageFrame(options);
    options.Orientation = engine::Landscape;
    const engine::PageFrame landscape = engine::MakePageFrame(options);
    struct Page
    {
        HPDF_Font font;
        const engine::PageFrame& frame;
        std::string text;
    };
    const Page pages[] = { { helvetica, portrait, "one" }, { courier, portrait, "two" },
                           { helvetica, landscape, "three" }, { helvetica, portrait, "four" },
                           { courier, portrait, "five" } };
    for (const auto& page : pages) {
        engine::PageWriter writer(document, page.font, page.frame);
        ASSERT_TRUE(writer.beginPage());
        ASSERT_TRUE(writer.drawLine({ page.text }));
        writer.endPage();
    }
    ASSERT_FALSE(document.failed()) << document.errorText();
    ASSERT_TRUE(document.saveAtomically(combined()));

    testsupport::PdfProbe pdf(combined());
    ASSERT_EQ(pdf.pages().size(), std::size(pages));
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        const auto& read = pdf.pages()[i];
        ASSERT_EQ(read.texts.size(), 1u) << i;
        EXPECT_EQ(read.texts[0].bytes, pages[i].text);
        EXPECT_EQ(read.texts[0].baseFont, pages[i].font == courier ? "/Courier" : "/Helvetica") << i;
        EXPECT_EQ(read.width, pages[i].frame.box.width) << i;
        EXPECT_EQ(read.height, pages[i].frame.box.height) << i;
    }
    EXPECT_EQ(testsupport::ExtractText(combined()), "one\n\ftwo\n\fthree\n\ffour\n\ffive\n\f");
}

} // namespace
