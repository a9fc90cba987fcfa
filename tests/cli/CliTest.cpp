#include "cli/Cli.h"

#include "ChildProcess.h"
#include "CliFlags.h"
#include "LayoutRecord.h"
#include "PdfProbe.h"
#include "RecordingObserver.h"
#include "TempDir.h"
#include "Unprivileged.h"
#include "engine/Converter.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <iostream>
#include <poll.h>
#include <sstream>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class CliTest : public ::testing::Test
{
protected:
    // Runs the converter with a settings file of the test's own (empty unless the test wrote it), so
    // no user settings leak in.
    int run(std::vector<std::string> args)
    {
        m_out.str("");
        m_err.str("");
        auto settings = m_dir.path() / "Settings.ini";
        if (!std::filesystem::exists(settings)) {
            m_dir.write("Settings.ini", "");
        }
        args.insert(args.begin(), { "--settings", settings.string() });
        return cli::Run(args, m_out, m_err, false);
    }
    std::string file(const std::string& name, const std::string& text = "some text")
    {
        return m_dir.write(name, text).string();
    }
    std::string pdf(const std::string& name) const { return (m_dir.path() / name).string(); }

    testsupport::TempDir m_dir;
    std::ostringstream m_out;
    std::ostringstream m_err;
};

TEST_F(CliTest, HelpDocumentsEveryFlagAndTheExitCodes)
{
    EXPECT_EQ(run({ "--help" }), cli::ExitConverted);
    const std::string help = m_out.str();
    for (const auto& flag : cli::CliFlags()) {
        const std::string name(flag.name);
        EXPECT_NE(help.find(name + (flag.values.empty() ? "" : " " + std::string(flag.values))), std::string::npos)
            << name;
        EXPECT_NE(help.find(flag.help.substr(0, flag.help.find('\n'))), std::string::npos) << name;
        if (!flag.shortName.empty()) {
            EXPECT_NE(help.find(std::string(flag.shortName) + ", " + name), std::string::npos) << name;
        }
    }
    EXPECT_NE(help.find("process list"), std::string::npos);
    EXPECT_NE(help.find("Exit codes"), std::string::npos);
    m_out.str({});
    EXPECT_EQ(run({ "--version" }), cli::ExitConverted);
    EXPECT_EQ(m_out.str(), "marlowen-cli 2.0\n");
}

TEST_F(CliTest, UsageErrorsExitWithTwoAndSayWhy)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        { { "--bogus", "a.txt" }, "unknown option --bogus" },
        { { "a.txt", "--font-size" }, "--font-size needs 1 value" },
        { { "--font-size", "big", "a.txt" }, "'big' is not a whole number" },
        { { "--font-size", "99999999999", "a.txt" }, "--font-size: '99999999999' is out of range" },
        { { "-j99999999999", "a.txt" }, "-j: '99999999999' is out of range" },
        { { "--tab-width", "33", "a.txt" }, "--tab-width: '33' is out of range (0 to 32 columns)" },
        { { "--margins", "300", "a.txt" }, "the left and right margins leave no room for text" },
        { { "--header", "{file}|{nope}", "a.txt" }, "the header: unknown field {nope}" },
        { { "--columns", "9", "a.txt" }, "--columns: '9' is out of range (1 to 8 columns)" },
        { { "-j", "a.txt" }, "-j: 'a.txt' is not a whole number" },
        { { "--page-size", "A9", "a.txt" }, "'A9' is not one of" },
        { { "--type1", "only.afm" }, "--type1 needs 2 values" },
        { { "-" }, "standard input (\"-\") needs -o FILE or --combine FILE" },
        { { "-o", "x.pdf", "a.txt", "b.txt" }, "-o names the PDF of one input file" },
        { { "-", "--files-from", "-" }, "standard input (\"-\") can be read only once" },
        { {}, "no file given" },
        { { "--settings", "/nonexistent/Settings.ini", "a.txt" }, "the settings file does not exist" },
        { { "--settings", "/tmp", "a.txt" }, "/tmp: a folder, not a settings file" },
    };
    for (const auto& [args, message] : cases) {
        EXPECT_EQ(run(args), cli::ExitUsage) << message;
        EXPECT_NE(m_err.str().find(message), std::string::npos) << m_err.str();
    }
}

TEST_F(CliTest, AFolderStandsForItsTextFiles)
{
    file("docs/a.txt");
    file("docs/sub/B.TXT");
    file("docs/skip.md");
    EXPECT_EQ(run({ (m_dir.path() / "docs").string() }), cli::ExitConverted) << m_err.str();
    EXPECT_TRUE(std::filesystem::exists(pdf("docs/a.pdf")));
    EXPECT_TRUE(std::filesystem::exists(pdf("docs/sub/B.pdf")));
    EXPECT_FALSE(std::filesystem::exists(pdf("docs/skip.pdf")));
    EXPECT_NE(m_err.str().find("File 2 of 2, 100%"), std::string::npos) << m_err.str();
    EXPECT_NE(m_err.str().find("Convert Finished\nConverted 2 of 2 files."), std::string::npos) << m_err.str();
    EXPECT_TRUE(m_out.str().empty());
}

TEST_F(CliTest, ANamedFolderWithoutTextFilesFailsWhileTheOthersAreConverted)
{
    file("empty/notes.md");
    auto good = file("good.txt");
    auto empty = (m_dir.path() / "empty").string();
    EXPECT_EQ(run({ empty, good }), cli::ExitSomeFailed);
    EXPECT_NE(m_err.str().find("marlowen-cli: " + empty + ": no .txt files in this folder\n"), std::string::npos)
        << m_err.str();
    EXPECT_TRUE(std::filesystem::exists(pdf("good.pdf")));
}

// -o names the one PDF; --output-dir keeps the tree below each folder argument (a file argument: its
// name) and makes its folders; --pattern says which files a folder stands for.
TEST_F(CliTest, OutputFileOutputFolderAndPatterns)
{
    auto single = file("a.txt", "alone");
    EXPECT_EQ(run({ "-o", pdf("named.pdf"), single }), cli::ExitConverted) << m_err.str();
    EXPECT_EQ(testsupport::PdfProbe(pdf("named.pdf")).lines(), std::vector<std::string> { "alone" });
    EXPECT_FALSE(std::filesystem::exists(pdf("a.pdf")));

    file("tree/top.txt");
    file("tree/one/two/deep.txt", "deep");
    file("tree/one/notes.LOG", "log");
    EXPECT_EQ(run({ "--output-dir", pdf("out"), (m_dir.path() / "tree").string(), single }), cli::ExitConverted)
        << m_err.str();
    for (auto made : { "out/top.pdf", "out/one/two/deep.pdf", "out/a.pdf" }) {
        EXPECT_TRUE(std::filesystem::exists(pdf(made))) << made;
    }
    EXPECT_FALSE(std::filesystem::exists(pdf("tree/top.pdf")));

    EXPECT_EQ(run({ "--pattern", "*.log", "--output-dir", pdf("logs"), (m_dir.path() / "tree").string() }),
              cli::ExitConverted)
        << m_err.str();
    EXPECT_TRUE(std::filesystem::exists(pdf("logs/one/notes.pdf")));
    EXPECT_FALSE(std::filesystem::exists(pdf("logs/top.pdf")));
}

// With -0, a list names any file, blanks and line ends included.
TEST_F(CliTest, FilesFromANulSeparatedList)
{
    auto blanks = file("with blanks.txt", "blanks");
    auto newline = file("line\nend.txt", "newline");
    file("list", blanks + '\0' + newline + '\0');
    EXPECT_EQ(run({ "--files-from", pdf("list"), "-0" }), cli::ExitConverted) << m_err.str();
    EXPECT_EQ(testsupport::PdfProbe(pdf("with blanks.pdf")).lines(), std::vector<std::string> { "blanks" });
    EXPECT_EQ(testsupport::PdfProbe(pdf("line\nend.pdf")).lines(), std::vector<std::string> { "newline" });
}

// One PDF in the order given, a bookmark per file named by its path below its folder argument that
// leads to its first page, page numbers from 1 for each file; a file that fails is left out.
TEST_F(CliTest, CombineMakesOnePdfWithABookmarkPerFile)
{
    std::string longText;
    for (int line = 0; line < 80; ++line) {
        longText += "line " + std::to_string(line) + "\n";
    }
    auto first = file("first.txt", "first text");
    file("folder/sub/second.txt", longText);
    auto third = file("third.txt", "third text");
    auto missing = (m_dir.path() / "missing.txt").string();
    EXPECT_EQ(run({ "--combine", pdf("all.pdf"), first, (m_dir.path() / "folder").string(), missing, third }),
              cli::ExitSomeFailed);
    EXPECT_NE(m_err.str().find(missing), std::string::npos) << m_err.str();
    testsupport::PdfProbe combined(pdf("all.pdf"));
    EXPECT_EQ(combined.outlines(), (std::vector<std::pair<std::string, int>> {
                                       { "first.txt", 0 }, { "sub/second.txt", 1 }, { "third.txt", 3 } }));
    EXPECT_EQ(combined.pageLabels(), (std::vector<std::string> { "1", "1", "2", "1" }));
    const auto text = testsupport::ExtractText(pdf("all.pdf"));
    const auto firstAt = text.find("first text");
    const auto secondAt = text.find("line 79");
    const auto thirdAt = text.find("third text");
    EXPECT_LT(firstAt, secondAt);
    EXPECT_LT(secondAt, thirdAt);
    EXPECT_NE(thirdAt, std::string::npos);
}

// What a folder walk cannot take in fails the run and is named; a folder one may only read converts
// fine into an output folder.
TEST_F(CliTest, AnUnreadableSubfolderFailsTheRunAndAReadOnlyFolderConvertsElsewhere)
{
    namespace fs = std::filesystem;
    const auto readAndEnter = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read
        | fs::perms::others_exec;
    fs::permissions(m_dir.path(), fs::perms::all);
    file("tree/readable.txt");
    auto locked = m_dir.path() / "tree" / "locked";
    file("tree/locked/hidden.txt");
    fs::permissions(locked, fs::perms::none);
    file("readonly/a.txt", "read only");
    fs::permissions(m_dir.path() / "readonly", readAndEnter);
    fs::create_directory(m_dir.path() / "out");
    fs::permissions(m_dir.path() / "out", fs::perms::all);
    fs::permissions(m_dir.path() / "tree", fs::perms::all);
    file("Settings.ini", "");
    fs::permissions(m_dir.path() / "Settings.ini", fs::perms::all);

    auto verdict = RunUnprivileged([&]() -> std::string {
        const std::string named = locked.string() + ": the folder cannot be read: Permission denied";
        if (run({ (m_dir.path() / "tree").string() }) != cli::ExitSomeFailed
            || m_err.str().find(named) == std::string::npos) {
            return "unreadable subfolder: " + m_err.str();
        }
        if (run({ "--output-dir", pdf("out"), (m_dir.path() / "readonly").string() }) != cli::ExitConverted) {
            return "read-only input folder: " + m_err.str();
        }
        return {};
    });
    fs::permissions(locked, fs::perms::all);
    if (!verdict) {
        GTEST_SKIP() << "running as root and cannot become the unprivileged user nobody";
    }
    EXPECT_EQ(*verdict, "");
    EXPECT_EQ(testsupport::PdfProbe(pdf("out/a.pdf")).lines(), std::vector<std::string> { "read only" });
}

TEST_F(CliTest, AFailureIsPrintedWithItsFileAndGivesExitCodeOne)
{
    auto good = file("good.txt");
    auto missing = (m_dir.path() / "missing.txt").string();
    EXPECT_EQ(run({ "--quiet", missing, good }), cli::ExitSomeFailed);
    EXPECT_NE(m_err.str().find("marlowen-cli: " + missing + ": cannot open the file"), std::string::npos)
        << m_err.str();
    EXPECT_EQ(m_err.str().find("File 1 of 2"), std::string::npos) << "no progress with --quiet";
    EXPECT_TRUE(std::filesystem::exists(pdf("good.pdf")));
}

TEST_F(CliTest, WarningsNameTheirFile)
{
    auto input = file("a.txt");
    EXPECT_EQ(run({ "--font-size", "0", input }), cli::ExitConverted);
    EXPECT_NE(m_err.str().find(input + ": warning: Font size can not be 0. Set default 9."), std::string::npos)
        << m_err.str();
}

TEST_F(CliTest, FlagsOverrideTheSettingsFile)
{
    m_dir.write("Settings.ini", "[Paper Option]\nPageSize=8\n[PDF Property Option]\nTitle=From settings\n");
    auto input = file("a.txt");
    ASSERT_EQ(run({ input }), cli::ExitConverted) << m_err.str();
    {
        testsupport::PdfProbe probe(pdf("a.pdf"));
        EXPECT_EQ(probe.pages()[0].width, 420);
        EXPECT_EQ(probe.info("/Title"), "From settings");
    }
    const std::tuple<std::vector<std::string>, double, double> sizes[] = {
        { { "--page-size", "letter" }, 612, 792 },
        { { "--page-size", "Legal [8.5 x 14 in]" }, 612, 1008 },
        { { "--page-size=3" }, 1008, 612 },
        { { "--page-width", "500", "--page-height", "700" }, 500, 700 },
    };
    for (const auto& [flags, width, height] : sizes) {
        auto args = flags;
        args.push_back(input);
        ASSERT_EQ(run(args), cli::ExitConverted) << m_err.str();
        testsupport::PdfProbe probe(pdf("a.pdf"));
        EXPECT_EQ(probe.pages()[0].width, width) << flags[0];
        EXPECT_EQ(probe.pages()[0].height, height) << flags[0];
    }
    ASSERT_EQ(run({ "--title", "Mine", "--font", "Times-Roman", "--owner-password", "o", "--permit-print", "no",
                    "--encryption", "rc4", "--encrypt-level", "128", input }),
              cli::ExitConverted)
        << m_err.str();
    testsupport::PdfProbe probe(pdf("a.pdf"));
    EXPECT_EQ(probe.info("/Title"), "Mine");
    ASSERT_EQ(run({ "--tab-width", "3", file("tab.txt", "a\tb") }), cli::ExitConverted) << m_err.str();
    EXPECT_EQ(testsupport::PdfProbe(pdf("tab.pdf")).lines(), std::vector<std::string> { "a  b" });
    EXPECT_EQ(probe.fonts().begin()->first, "/Times-Roman");
    EXPECT_FALSE(probe.allowPrint());
    EXPECT_EQ(probe.cipher(), "RC4");
    EXPECT_EQ(probe.keyLengthBits(), 128);
    ASSERT_EQ(run({ "--owner-password", "o", "--encryption", "aes128", input }), cli::ExitConverted) << m_err.str();
    EXPECT_EQ(testsupport::PdfProbe(pdf("a.pdf")).cipher(), "AES-128");
}

// The desktop program converts with the record its options pane reads back (CRightViewTest); the
// flags set the same record.
TEST_F(CliTest, LayoutFlagsMakeThePdfOfTheSameRecord)
{
    std::string text;
    for (int i = 1; i <= 300; ++i) {
        text += "line " + std::to_string(i) + (i == 100 ? "\f\n" : "\n");
    }
    auto input = file("a.txt", text);
    ASSERT_EQ(run({ "--line-gap", "2", "--portrait", "--landscape", "--columns", "3", "--form-feed", "no",
                    "--line-numbers", "5", "--header", "{file}||{page}/{pages}", "--footer", "{title}", "--title",
                    "T", input }),
              cli::ExitConverted)
        << m_err.str();
    const std::string fromFlags = testsupport::readFile(pdf("a.pdf"));
    EXPECT_EQ(testsupport::PdfProbe(pdf("a.pdf")).pages()[0].width, 842);

    engine::ConversionOptions options = testsupport::LayoutRecord();
    options.Title = "T";
    testsupport::RecordingObserver observer;
    ASSERT_TRUE(engine::ConvertTextFile(options, input, "", "", observer).written());
    EXPECT_EQ(testsupport::readFile(pdf("a.pdf")), fromFlags);

    ASSERT_EQ(run({ "--landscape", "--portrait", input }), cli::ExitConverted) << m_err.str();
    EXPECT_EQ(testsupport::PdfProbe(pdf("a.pdf")).pages()[0].width, 595);
}

// Passwords on the command line are visible to every user in the process list; from a file or
// standard input they are not.
TEST_F(CliTest, PasswordsComeFromTheFirstLineOfAFileOrStandardInput)
{
    auto input = file("a.txt");
    auto ownerFile = file("owner.pw", "secret owner\nsecond line\n");
    std::istringstream standardInput("secret user\r\nmore\n");
    auto* savedInput = std::cin.rdbuf(standardInput.rdbuf());
    int code = run({ "--owner-password-file", ownerFile, "--user-password-file", "-", input });
    std::cin.rdbuf(savedInput);
    ASSERT_EQ(code, cli::ExitConverted) << m_err.str();
    EXPECT_TRUE(testsupport::PdfProbe(pdf("a.pdf"), "secret user").encrypted());
    EXPECT_TRUE(testsupport::PdfProbe(pdf("a.pdf"), "secret owner").encrypted());
    EXPECT_THROW(testsupport::PdfProbe(pdf("a.pdf"), "second line"), std::exception);

    auto empty = file("empty.pw", "\nsecret\n");
    const std::pair<std::vector<std::string>, std::string> refused[] = {
        { { "--owner-password-file", pdf("none.pw"), input }, "--owner-password-file: cannot read " + pdf("none.pw") },
        { { "--owner-password-file", empty, input }, "the first line of " + empty + " holds no password" },
        { { "--owner-password-file", "-", "--user-password-file", "-", input }, "only one password file" },
        { { "--user-password", "u", "--user-password-file", ownerFile, input }, "name two passwords" },
    };
    for (const auto& [args, message] : refused) {
        EXPECT_EQ(run(args), cli::ExitUsage) << message;
        EXPECT_NE(m_err.str().find(message), std::string::npos) << m_err.str();
    }
}

TEST_F(CliTest, Utf8EncodingDrawsAnyTextThroughATrueTypeFont)
{
    auto input = file("unicode.txt", "Grüße, Привет, Γειά σου\n");
    ASSERT_EQ(run({ "--truetype", "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "--encoding", "UTF-8", input }),
              cli::ExitConverted)
        << m_err.str();
    EXPECT_EQ(m_err.str().find("warning"), std::string::npos) << m_err.str();
    EXPECT_NE(testsupport::ExtractText(pdf("unicode.pdf")).find("Grüße, Привет, Γειά σου"), std::string::npos);
}

TEST_F(CliTest, SettingsThatCannotBeUsedGiveTheDefaultsAndAWarning)
{
    file("Settings.ini", "[Paper Option]\nPageSize=A4\nFont Size=99999999999\n");
    auto input = file("a.txt");
    EXPECT_EQ(run({ input }), cli::ExitConverted) << m_err.str();
    EXPECT_NE(m_err.str().find("Settings.ini: warning: [Paper Option] PageSize=A4 is not a whole number; 7 is used\n"
                               "marlowen-cli: "),
              std::string::npos)
        << m_err.str();
    EXPECT_NE(m_err.str().find("Font Size=99999999999 is out of range; 9 is used"), std::string::npos) << m_err.str();

    std::filesystem::remove(m_dir.path() / "Settings.ini");
    std::filesystem::create_directory(m_dir.path() / "Settings.ini"); // a folder is no settings file
    EXPECT_EQ(run({ input }), cli::ExitUsage) << m_err.str();
    EXPECT_NE(m_err.str().find("Settings.ini: a folder, not a settings file"), std::string::npos) << m_err.str();
    EXPECT_EQ(testsupport::PdfProbe(pdf("a.pdf")).pages()[0].width, 595);
}

// Raises Ctrl+C at the first thing written: the progress bar of the first file, drawn once the run
// has taken that file in hand.
class InterruptAtFirstWrite : public std::stringbuf
{
protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override
    {
        interrupt();
        return std::stringbuf::xsputn(text, count);
    }
    int_type overflow(int_type c) override
    {
        interrupt();
        return std::stringbuf::overflow(c);
    }

private:
    void interrupt()
    {
        if (!m_raised) {
            m_raised = true;
            std::raise(SIGINT);
        }
    }
    bool m_raised = false;
};

TEST_F(CliTest, CtrlCStopsAfterTheFileUnderWay)
{
    auto first = file("first.txt", "first text");
    auto second = file("second.txt");
    InterruptAtFirstWrite interrupting;
    std::ostream err(&interrupting);
    // One file at a time: with more, the second file would be under way before the interrupt.
    int code = cli::Run({ "--settings", file("Settings.ini", ""), "--jobs", "1", first, second }, m_out, err, true);
    EXPECT_EQ(code, cli::ExitSomeFailed);
    EXPECT_EQ(testsupport::PdfProbe(pdf("first.pdf")).lines(), std::vector<std::string> { "first text" });
    EXPECT_FALSE(std::filesystem::exists(pdf("second.pdf")));
    EXPECT_NE(interrupting.str().find("Convert stopped.\nConverted 1 of 2 files."), std::string::npos)
        << interrupting.str();
}

// Lines of digits that compress badly, so that their PDF takes a while to write.
std::string ManyLines(int count)
{
    std::string text;
    std::uint64_t value = 12345;
    for (int i = 0; i < count; ++i) {
        value = value * 6364136223846793005u + 1442695040888963407u;
        text += std::to_string(value) + " " + std::to_string(value / 7) + "\n";
    }
    return text;
}

// The names of the entries created or opened in a folder, one event at a time.
class FolderEvents
{
public:
    explicit FolderEvents(const std::filesystem::path& folder)
        : m_fd(::inotify_init1(IN_CLOEXEC))
    {
        ::inotify_add_watch(m_fd, folder.c_str(), IN_OPEN | IN_CREATE);
    }
    ~FolderEvents() { ::close(m_fd); }
    FolderEvents(const FolderEvents&) = delete;
    FolderEvents& operator=(const FolderEvents&) = delete;

    // Waits (a minute at most) for an event whose entry name passes the test; false when none came.
    bool waitFor(const std::function<bool(const std::string&)>& test)
    {
        pollfd ready { m_fd, POLLIN, 0 };
        while (true) {
            for (; !m_names.empty(); m_names.erase(m_names.begin())) {
                if (test(m_names.front())) {
                    m_names.erase(m_names.begin());
                    return true;
                }
            }
            if (::poll(&ready, 1, 60000) != 1) {
                return false;
            }
            alignas(inotify_event) char buffer[4096];
            ssize_t got = ::read(m_fd, buffer, sizeof buffer);
            for (ssize_t at = 0; at < got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                if (event->len > 0) {
                    m_names.emplace_back(event->name);
                }
            }
        }
    }

private:
    int m_fd;
    std::vector<std::string> m_names;
};

// A converter in a child process is signalled while it writes a PDF, once the hidden temporary file
// exists: SIGTERM, or a second Ctrl+C after a first one that only asked it to stop; and SIGTERM while
// it encrypts a PDF in memory and writes it. It ends by that signal, leaves no temporary file, and the
// older PDF stays. A signal that came only after the PDF was complete proves nothing, so each case is
// tried until one lands during the save.
TEST_F(CliTest, ASignalDuringASaveLeavesNoTemporaryFile)
{
    auto input = file("big.txt", ManyLines(150000));
    auto settings = file("Settings.ini", "");
    struct Case
    {
        const char* what;
        std::vector<int> signals;
        std::vector<std::string> flags;
    };
    const Case cases[] = { { "SIGTERM", { SIGTERM }, {} },
                           { "Ctrl+C twice", { SIGINT, SIGINT }, {} },
                           { "SIGTERM, encrypted", { SIGTERM }, { "--owner-password", "o" } } };
    for (const auto& [what, signals, flags] : cases) {
        bool landedDuringTheSave = false;
        for (int attempt = 0; attempt < 3 && !landedDuringTheSave; ++attempt) {
            file("big.pdf", "%PDF older");
            FolderEvents events(m_dir.path());
            testsupport::ChildProcess child([&] {
                std::ostringstream out;
                std::ostringstream err;
                std::vector<std::string> args { "--settings", settings, "--jobs", "1", input };
                args.insert(args.end(), flags.begin(), flags.end());
                return cli::Run(args, out, err, false);
            });
            // The input opened: the handlers are in place. A hidden file created: the save is under way.
            ASSERT_TRUE(events.waitFor([](const std::string& name) { return name == "big.txt"; }));
            if (signals.size() == 2) {
                ::kill(child.pid(), signals.front());
            }
            ASSERT_TRUE(events.waitFor([](const std::string& name) { return name.front() == '.'; }));
            ::kill(child.pid(), signals.back());
            int status = child.wait();

            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signals.back()) << what << ": status " << status;
            for (const auto& entry : std::filesystem::directory_iterator(m_dir.path())) {
                EXPECT_NE(entry.path().filename().string().front(), '.') << what << ": left " << entry.path();
            }
            landedDuringTheSave = testsupport::readFile(pdf("big.pdf")) == "%PDF older";
        }
        EXPECT_TRUE(landedDuringTheSave) << what << ": every signal came after the PDF was complete";
    }
}

} // namespace
