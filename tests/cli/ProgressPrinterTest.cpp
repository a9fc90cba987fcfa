// What marlowen-cli prints while it runs: names that cannot disturb the terminal, and a progress line
// that tells the truth about the files under way and fits the terminal.
#include "cli/Cli.h"

#include "ProgressPrinter.h"
#include "JobFor.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

namespace {

engine::FileResult Written(const std::string& path)
{
    engine::FileResult result;
    result.inputPath = path;
    result.outputPath = path + ".pdf";
    return result;
}

// The last state of the line redrawn in place.
std::string LastDraw(const std::string& printed)
{
    auto start = printed.rfind('\r');
    auto end = printed.find("\x1b[K", start);
    return printed.substr(start + 1, end - start - 1);
}

TEST(ProgressPrinter, ControlCharactersInNamesAndMessagesAreEscaped)
{
    testsupport::TempDir dir;
    auto name = dir.write("red\x1b[31m\nline.txt", "text").string();
    auto missing = (dir.path() / "gone\r\x07.txt").string();
    std::ostringstream out;
    std::ostringstream err;
    cli::Run({ "--settings", dir.write("Settings.ini", "").string(), "-j1", "--font-size", "0", name, missing }, out,
             err, false);
    const std::string printed = err.str();
    for (char raw : { '\x1b', '\r', '\x07' }) {
        EXPECT_EQ(printed.find(raw), std::string::npos) << static_cast<int>(raw) << " in " << printed;
    }
    const std::string escaped = (dir.path() / "red\\x1B[31m\\nline.txt").string();
    EXPECT_NE(printed.find(escaped + ": warning: Font size can not be 0."), std::string::npos) << printed;
    EXPECT_NE(printed.find("File 1 of 2, 50%: " + escaped + " -> "), std::string::npos) << printed;
    EXPECT_NE(printed.find("gone\\r\\x07.txt: cannot open the file"), std::string::npos) << printed;
}

TEST(ProgressPrinter, TheBarShowsFilesDoneAndEachFileUnderWayWithinTheWidth)
{
    std::ostringstream err;
    int columns = 200;
    cli::ProgressPrinter printer(err, cli::ProgressStyle::Bar, [&columns] { return columns; });
    // Two workers: each file's calls come on the thread that started it, interleaved.
    printer.fileStarted(0, 3, testsupport::JobFor("/in/first.txt"));
    printer.progressRange(1, 200);
    std::thread([&] {
        printer.fileStarted(1, 3, testsupport::JobFor("/in/日本語のとても長い名前.txt"));
        printer.progressRange(1, 100);
        printer.progressPosition(10);
    }).join();
    std::this_thread::sleep_for(std::chrono::milliseconds(60)); // past the redraw throttle
    printer.progressPosition(100);
    EXPECT_EQ(LastDraw(err.str()), "[####................] 0/3 done  first.txt 50%  日本語のとても長い名前.txt 10%");

    columns = 40; // one column is left free: the line is cut at 39, wide characters counting two
    printer.fileFinished(0, 3, Written("/in/first.txt"), "File 1 of 3, 33%");
    EXPECT_EQ(LastDraw(err.str()), "[#######.............] 1/3 done  日本語");
    columns = 0; // not known: 80 columns
    printer.progressRange(1, 100); // not this thread's file: it changes nothing, and redraws
    EXPECT_EQ(LastDraw(err.str()), "[#######.............] 1/3 done  日本語のとても長い名前.txt 10%");
}

} // namespace
