// Conversions meeting files and folders that fight back: each fails with its reason, leaves an
// older PDF as it was and leaves nothing behind, and a run goes on past it.
#include "JobFor.h"
#include "ConversionFixture.h"
#include "Unprivileged.h"

#include "engine/ConversionRun.h"

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using Entries = std::map<std::string, std::string>;

// Every entry below a folder with the content of its regular files, to show that nothing changed.
Entries Snapshot(const fs::path& folder)
{
    Entries entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        auto status = entry.symlink_status();
        entries[fs::relative(entry.path(), folder).string()] = fs::is_regular_file(status)
            ? testsupport::readFile(entry)
            : "<type " + std::to_string(static_cast<int>(status.type())) + ">";
    }
    return entries;
}

// The names of the entries that were added, removed or changed.
std::string Differences(const Entries& before, const Entries& after)
{
    std::string names;
    for (const auto& [name, content] : after) {
        auto old = before.find(name);
        names += old == before.end() ? " added " + name : old->second != content ? " changed " + name : "";
    }
    for (const auto& [name, content] : before) {
        names += after.count(name) ? "" : " removed " + name;
    }
    return names;
}

// Files may grow to limit bytes while it lives: a write past that fails as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN); // a failed write instead of a killed process
        rlimit lowered = m_saved;
        lowered.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved {};
    void (*m_savedHandler)(int) = nullptr;
};

// Lines of digits that compress badly, so that the PDF of many of them is large.
std::string ManyLines(int count)
{
    std::string text;
    std::uint64_t value = 12345;
    for (int i = 0; i < count; ++i) {
        value = value * 6364136223846793005u + 1442695040888963407u;
        text += "line " + std::to_string(i) + ": " + std::to_string(value) + "\n";
    }
    return text;
}

class FaultInjectionTest : public ConversionFixture
{
};

TEST_F(FaultInjectionTest, AFileThatCannotBeConvertedFailsWithItsReasonAndChangesNothing)
{
    struct Fault
    {
        const char* what;
        std::function<void(const fs::path& input, const fs::path& output)> inject;
        const char* reason;
        base::FailureKind kind;
        bool fillTheDisk = false;
    };
    using enum base::FailureKind;
    const Fault faults[] = {
        { "input removed after it was listed", [](auto& input, auto&) { fs::remove(input); }, "No such file", Input },
        { "input replaced by a folder",
          [](auto& input, auto&) { fs::remove(input), fs::create_directory(input); }, "folder", Input },
        { "input is a device without end",
          [](auto& input, auto&) { fs::remove(input), fs::create_symlink("/dev/zero", input); }, "device", Input },
        { "input whose reading fails",
          [](auto& input, auto&) { fs::remove(input), fs::create_symlink("/proc/self/mem", input); },
          "Input/output error", Input },
        { "output name taken by a folder",
          [](auto&, auto& output) { fs::remove(output), fs::create_directory(output); }, "Is a directory", Output },
        { "older PDF marked read-only",
          [](auto&, auto& output) { fs::permissions(output, fs::perms::owner_read | fs::perms::group_read); },
          "read-only", Output },
        { "disk full while the PDF is written", [](auto&, auto&) {}, "File too large", Output, true },
    };
    for (const auto& fault : faults) {
        testsupport::TempDir dir;
        auto input = dir.write("notes.txt", ManyLines(1000));
        auto output = dir.write("notes.pdf", "%PDF older document");
        fault.inject(input, output);
        auto before = Snapshot(dir.path());

        engine::FileResult result;
        if (fault.fillTheDisk) {
            FileSizeLimit limit(4096);
            result = engine::ConvertTextFile(m_options, input.string(), "", "", m_observer);
        } else {
            result = engine::ConvertTextFile(m_options, input.string(), "", "", m_observer);
        }
        EXPECT_FALSE(result.written()) << fault.what;
        EXPECT_EQ(result.outcome.failure().kind, fault.kind) << fault.what;
        EXPECT_NE(result.outcome.error().find(fault.reason), std::string::npos)
            << fault.what << ": " << result.outcome.error();
        EXPECT_EQ(Differences(before, Snapshot(dir.path())), "") << fault.what;
    }
}

TEST_F(FaultInjectionTest, FilesAndFoldersWithoutPermissionFailForAnUnprivilegedUser)
{
    fs::permissions(m_dir.path(), fs::perms::all); // reachable for the unprivileged child
    auto unreadable = m_dir.write("secret/notes.txt", "text");
    fs::permissions(unreadable.parent_path(), fs::perms::all);
    fs::permissions(unreadable, fs::perms::none);
    auto lockedIn = m_dir.write("locked/notes.txt", "text");
    auto olderPdf = m_dir.write("locked/notes.pdf", "%PDF older document");
    fs::permissions(lockedIn, fs::perms::all);
    fs::permissions(olderPdf, fs::perms::all); // the folder alone keeps the new PDF out
    fs::permissions(lockedIn.parent_path(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read
                                                | fs::perms::others_exec);
    auto before = Snapshot(m_dir.path());

    auto verdict = RunUnprivileged([&]() -> std::string {
        testsupport::RecordingObserver observer;
        auto read = engine::ConvertTextFile({}, unreadable.string(), "", "", observer);
        if (read.written() || read.outcome.error().find("Permission denied") == std::string::npos) {
            return "unreadable input: " + read.outcome.error();
        }
        auto write = engine::ConvertTextFile({}, lockedIn.string(), "", "", observer);
        if (write.written() || write.outcome.error().find("Permission denied") == std::string::npos) {
            return "read-only output folder: " + write.outcome.error();
        }
        return {};
    });
    if (!verdict) {
        GTEST_SKIP() << "running as root and cannot become the unprivileged user nobody";
    }
    EXPECT_EQ(*verdict, "");
    EXPECT_EQ(Differences(before, Snapshot(m_dir.path())), "");
    EXPECT_EQ(testsupport::readFile(olderPdf), "%PDF older document");
}

TEST_F(FaultInjectionTest, ARunGoesOnPastFilesThatVanishOrChangeWhileItRuns)
{
    std::vector<engine::ConversionJob> jobs;
    for (const char* name : { "a.txt", "b.txt", "c.txt", "d.txt" }) {
        jobs.push_back(testsupport::JobFor(m_dir.write(name, std::string("text of ") + name).string()));
    }
    m_observer.onFileStarted = [&](int index) {
        if (index == 0) {
            fs::remove(jobs[1].path);
            fs::remove(jobs[2].path);
            fs::create_directory(jobs[2].path);
        }
    };
    engine::ConversionRun run({}, jobs);
    auto summary = run.execute(m_observer);

    EXPECT_EQ(summary.end, engine::RunEnd::Finished);
    EXPECT_EQ(summary.converted, 2);
    EXPECT_EQ(summary.failed, 2);
    ASSERT_EQ(summary.results.size(), 4u);
    EXPECT_TRUE(summary.results[0].written());
    EXPECT_NE(summary.results[1].outcome.error().find("No such file"), std::string::npos)
        << summary.results[1].outcome.error();
    EXPECT_NE(summary.results[2].outcome.error().find("folder"), std::string::npos)
        << summary.results[2].outcome.error();
    EXPECT_EQ(testsupport::PdfProbe(summary.results[3].outputPath).lines(),
              std::vector<std::string> { "text of d.txt" });
    EXPECT_EQ(m_observer.captions.back(), "File 4 of 4, 100%");
}

TEST_F(FaultInjectionTest, AStopFromAnotherThreadEndsTheRunBetweenFiles)
{
    std::vector<engine::ConversionJob> jobs;
    for (int i = 0; i < 40; ++i) {
        jobs.push_back(testsupport::JobFor(m_dir.write("f" + std::to_string(i) + ".txt", ManyLines(20)).string()));
    }
    std::atomic<int> started { 0 };
    m_observer.onFileStarted = [&](int) { started++; };
    engine::ConversionRun run({}, jobs);
    run.start(m_observer);
    while (started.load() < 2) {
        std::this_thread::yield();
    }
    run.requestStop();
    run.wait();

    // Every file begun was finished and written; none was begun after the stop was seen.
    ASSERT_EQ(m_observer.runsEnded, 1);
    EXPECT_EQ(m_observer.results.size(), m_observer.startedPaths.size());
    EXPECT_LT(m_observer.startedPaths.size(), jobs.size());
    for (const auto& result : m_observer.results) {
        EXPECT_TRUE(result.written()) << result.outcome.error();
    }
}

TEST_F(FaultInjectionTest, LinesLongerThanTheLibraryTakesAtOnceAreKept)
{
    // The library refuses to measure or show more than 65535 bytes in one call (runs without line
    // breaks: LongLineTest).
    const std::string word(100000, 'x');
    // No width in the standard fonts, so it all fits; the library leaves out texts without width.
    const std::string invisible(70000, '\x01');
    struct Case
    {
        const char* what;
        std::string text;
        std::string drawn;
    };
    const Case cases[] = {
        { "a word ending its line", word + "\nnext", word + "next" },
        { "characters without width", invisible + "visible\nnext", "visiblenext" },
    };
    for (const auto& c : cases) {
        auto result = convert(c.text);
        ASSERT_TRUE(result.written()) << c.what << ": " << result.outcome.error();
        std::string drawn;
        for (const auto& line : probe(result).lines()) {
            drawn += line;
        }
        std::erase(drawn, '\x01');
        EXPECT_TRUE(drawn == c.drawn) << c.what << ": " << drawn.size() << " bytes drawn of " << c.drawn.size();
    }
}

TEST_F(FaultInjectionTest, ATextOfMorePagesThanOnePageArrayHoldsIsWrittenWhole)
{
    // A page of 100 points between these margins holds one line; the library's arrays hold at most
    // 32767 entries.
    m_options.PageSize = 37;
    m_options.PageHeight = 100;
    m_options.TopMargin = 40;
    m_options.BottomMargin = 55;
    const int pages = 33000;
    std::string text;
    for (int i = 0; i < pages; ++i) {
        text += std::to_string(i) + "\n";
    }
    auto result = convert(text);
    ASSERT_TRUE(result.written()) << result.outcome.error();
    // Only the page count and the last page: reading every page back would take long.
    QPDF pdf;
    pdf.processFile(result.outputPath.c_str());
    auto all = QPDFPageDocumentHelper(pdf).getAllPages();
    ASSERT_EQ(all.size(), static_cast<std::size_t>(pages));
    Pl_Buffer content("last page");
    all.back().pipeContents(&content);
    content.finish();
    auto buffer = content.getBufferSharedPointer();
    std::string last(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
    EXPECT_NE(last.find("(" + std::to_string(pages - 1) + ") Tj"), std::string::npos) << last;
}

TEST_F(FaultInjectionTest, BrokenFontFilesFallBackToHelveticaWithAWarning)
{
    const std::string dejaVu = testsupport::readFile("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    const std::string afm = "/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.afm";
    const std::string t1 = testsupport::readFile("/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.t1");
    std::string noise(5000, '\0');
    for (std::size_t i = 0; i < noise.size(); ++i) {
        noise[i] = static_cast<char>((i * 7919 + 13) % 251);
    }
    struct Case
    {
        const char* what;
        int pageFont;
        std::string fontFile; // written as the TrueType file, or the Type 1 data file
        const char* name;
        std::string metrics = {};
    };
    const Case cases[] = {
        { "empty TrueType file", engine::TrueTypeFont, "", "empty.ttf" },
        { "truncated TrueType file", engine::TrueTypeFont, dejaVu.substr(0, 3000), "cut.ttf" },
        { "TrueType file of noise", engine::TrueTypeFont, noise, "noise.ttf" },
        { "collection of noise", engine::TrueTypeFont, noise, "noise.ttc" },
        { "TrueType file named as a collection", engine::TrueTypeFont, dejaVu, "single.ttc" },
        { "font metrics of noise", engine::Type1Font, t1, "font.t1", noise },
        { "font metrics cut short", engine::Type1Font, t1, "font.t1", testsupport::readFile(afm).substr(0, 700) },
        { "font data of noise", engine::Type1Font, noise, "font.pfb", testsupport::readFile(afm) },
    };
    for (const auto& c : cases) {
        m_options = {};
        m_options.PageFont = c.pageFont;
        auto font = m_dir.write(c.name, c.fontFile).string();
        if (c.pageFont == engine::TrueTypeFont) {
            m_options.TrueTypeFile = font;
            m_options.EmbeddingFont = engine::Yes;
        } else {
            m_options.Type1MetricsFile = m_dir.write("font.afm", c.metrics).string();
            m_options.Type1DataFile = font;
        }
        m_observer.warnings.clear();
        auto result = convert("fallback text");
        ASSERT_TRUE(result.written()) << c.what << ": " << result.outcome.error();
        ASSERT_EQ(result.warnings.size(), 1u) << c.what;
        EXPECT_EQ(result.warnings[0].rfind(std::string(engine::DefaultFontWarning) + " (", 0), 0u) << c.what;
        auto pdf = probe(result);
        EXPECT_EQ(pdf.fonts().begin()->first, "/Helvetica") << c.what;
        EXPECT_EQ(pdf.lines(), std::vector<std::string> { "fallback text" }) << c.what;
    }
}

} // namespace
