// marlowen-cli --jobs: the same files converted, the same lines printed (in the order files finish),
// the same summary and exit code as one file at a time.
#include "Cli.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {

struct Output
{
    int exitCode = 0;
    std::vector<std::string> fileLines; // "<path> -> <pdf>" or "<path> failed", sorted
    std::vector<std::string> captions;  // "File i of n, p%", in the order printed
    std::vector<std::string> other;     // failures, warnings and the summary, sorted
};

Output RunCli(std::vector<std::string> args)
{
    std::ostringstream out;
    std::ostringstream err;
    Output result;
    result.exitCode = cli::Run(args, out, err, false);
    std::istringstream lines(err.str());
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind("File ", 0) == 0) {
            auto colon = line.find(": ");
            result.captions.push_back(line.substr(0, colon));
            result.fileLines.push_back(line.substr(colon + 2));
        } else {
            result.other.push_back(line);
        }
    }
    std::sort(result.fileLines.begin(), result.fileLines.end());
    std::sort(result.other.begin(), result.other.end());
    return result;
}

TEST(CliJobs, SeveralJobsPrintWhatOneJobPrints)
{
    testsupport::TempDir dir;
    std::vector<std::string> args = { "--settings", dir.write("Settings.ini", "").string(), "--font-size", "0" };
    for (int file = 0; file < 6; ++file) {
        std::string text;
        for (int line = 0; line < 300 * (file + 1); ++line) {
            text += "file " + std::to_string(file) + ", line " + std::to_string(line) + "\n";
        }
        args.push_back(dir.write("in" + std::to_string(file) + ".txt", text).string());
    }
    args.push_back((dir.path() / "missing.txt").string());

    auto withJobs = [&args](std::vector<std::string> jobs) {
        auto all = args;
        all.insert(all.begin(), jobs.begin(), jobs.end());
        return RunCli(all);
    };
    Output one = withJobs({ "--jobs", "1" });
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_EQ(one.fileLines.size(), 7u);
    EXPECT_EQ(one.captions.back(), "File 7 of 7, 100%");
    for (const auto& jobs : { std::vector<std::string> { "--jobs", "2" }, std::vector<std::string> { "-j4" } }) {
        Output several = withJobs(jobs);
        EXPECT_EQ(several.exitCode, one.exitCode) << jobs.back();
        EXPECT_EQ(several.fileLines, one.fileLines) << jobs.back();
        EXPECT_EQ(several.captions, one.captions) << jobs.back();
        EXPECT_EQ(several.other, one.other) << "warnings (one per file), the failure and the summary";
    }
}

TEST(CliJobs, AJobCountThatIsNotAPositiveNumberIsAUsageError)
{
    std::ostringstream out;
    std::ostringstream err;
    for (const char* value : { "0", "-2", "two", "3x", "" }) {
        EXPECT_EQ(cli::Run({ "--jobs", value, "a.txt" }, out, err, false), cli::ExitUsage) << value;
    }
    EXPECT_EQ(cli::Run({ "-j", "1", "--help" }, out, err, false), cli::ExitConverted);
    EXPECT_NE(out.str().find("--jobs N"), std::string::npos);
}

} // namespace
