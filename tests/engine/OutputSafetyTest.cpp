// What a run writes never costs the user a file: no input is overwritten by its own PDF, no PDF is
// written twice, PDFs get the permissions the umask allows, links to PDFs stay links, and a file
// too large for memory fails alone.
#include "ChildProcess.h"
#include "JobFor.h"
#include "PdfProbe.h"
#include "RecordingObserver.h"
#include "TempDir.h"

#include "engine/ConversionRun.h"
#include "engine/Converter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cstddef>
#include <fstream>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>

namespace {

namespace fs = std::filesystem;
using engine::ConversionJob;

std::vector<ConversionJob> Jobs(const std::vector<fs::path>& paths)
{
    std::vector<ConversionJob> jobs;
    for (const auto& path : paths) {
        jobs.push_back(testsupport::JobFor(path.string()));
    }
    return jobs;
}

// The entries of a folder in name order, as a shell's "*" lists them.
std::vector<fs::path> Everything(const fs::path& folder)
{
    std::vector<fs::path> paths(fs::directory_iterator(folder), fs::directory_iterator {});
    std::sort(paths.begin(), paths.end());
    return paths;
}

TEST(OutputSafety, NoInputIsWrittenOverAndEachPdfHasOneInput)
{
    for (int workers : { 1, 3 }) {
        testsupport::TempDir dir;
        const std::string manual = "%PDF-1.4 a manual that is not text";
        auto manualPath = dir.write("manual.pdf", manual);
        auto notes = dir.write("notes.txt", "notes");
        auto a = dir.write("a.txt", "text of a.txt");
        dir.write("a.log", "text of a.log");
        auto linked = dir.write("linked.txt", "linked text");
        fs::create_symlink("linked.txt", dir.path() / "linked.pdf");
        auto jobs = Jobs({ manualPath, notes, a, dir.path() / "." / "a.log", linked });

        testsupport::RecordingObserver observer;
        auto summary = engine::ConversionRun({}, jobs, workers).execute(observer);
        ASSERT_EQ(summary.results.size(), jobs.size());
        EXPECT_EQ(summary.converted, 2) << workers;
        const auto& results = summary.results;
        const std::pair<std::size_t, std::string> refusals[] = {
            { 0, "would be written over the file itself" },
            { 3, "is the PDF of " + a.string() },
            { 4, "would be written over the file itself" },
        };
        for (const auto& [refused, reason] : refusals) {
            EXPECT_NE(results[refused].outcome.error().find(reason), std::string::npos)
                << results[refused].outcome.error();
            EXPECT_EQ(results[refused].outcome.failure().kind, base::FailureKind::Output) << refused;
        }
        EXPECT_EQ(testsupport::readFile(manualPath), manual);
        EXPECT_EQ(testsupport::readFile(linked), "linked text");
        EXPECT_TRUE(fs::is_symlink(dir.path() / "linked.pdf"));
        EXPECT_EQ(testsupport::PdfProbe((dir.path() / "a.pdf").string()).lines(),
                  std::vector<std::string> { "text of a.txt" });

        // A second run over every file: the PDFs are refused as inputs and own nothing.
        fs::remove(dir.path() / "notes.pdf");
        auto again = engine::ConversionRun({}, Jobs(Everything(dir.path())), workers).execute(observer);
        auto notesResult = std::find_if(again.results.begin(), again.results.end(),
                                        [&](const auto& result) { return result.inputPath == notes.string(); });
        ASSERT_NE(notesResult, again.results.end());
        EXPECT_TRUE(notesResult->written()) << notesResult->outcome.error();
        EXPECT_EQ(testsupport::PdfProbe((dir.path() / "notes.pdf").string()).lines(),
                  std::vector<std::string> { "notes" });
    }
}

// Ends the process at its first call of umask(), which changes a mask that every thread's file
// creation reads.
bool ForbidUmask()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_umask, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program { static_cast<unsigned short>(std::size(filter)), filter };
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

// In a child that may not touch the umask: parallel saves of new PDFs under umask 022, repeated,
// give none that others may write, and a replaced PDF keeps its permissions.
TEST(OutputSafety, ParallelSavesGivePdfsThePermissionsTheUmaskAllows)
{
    testsupport::TempDir dir;
    std::vector<fs::path> inputs;
    for (int i = 0; i < 100; ++i) {
        inputs.push_back(dir.write("f" + std::to_string(i) + ".txt", "file " + std::to_string(i)));
    }
    auto kept = dir.write("f0.pdf", "older");
    const auto keptMode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(kept, keptMode);
    auto verdict = testsupport::RunInChild([&]() -> std::string {
        ::umask(022);
        if (!ForbidUmask()) {
            return "cannot install the system call filter";
        }
        std::string writable;
        for (int round = 0; round < 3; ++round) {
            testsupport::RecordingObserver observer;
            auto summary = engine::ConversionRun({}, Jobs(inputs), 8).execute(observer);
            for (const auto& result : summary.results) {
                auto mode = fs::status(result.outputPath).permissions();
                if ((mode & (fs::perms::group_write | fs::perms::others_write)) != fs::perms::none) {
                    writable += " " + result.outputPath;
                }
                if (result.outputPath != kept.string()) {
                    fs::remove(result.outputPath);
                }
            }
        }
        return writable.empty() ? "" : "writable by others:" + writable;
    });
    EXPECT_EQ(verdict, "");
    EXPECT_EQ(fs::status(kept).permissions() & fs::perms::all, keptMode) << "a replaced PDF keeps its permissions";
}

TEST(OutputSafety, APdfThatIsALinkStaysALinkToTheNewPdf)
{
    testsupport::TempDir dir;
    auto input = dir.write("report.txt", "report text");
    auto target = dir.write("archive/report-final.pdf", "%PDF older");
    fs::create_symlink("archive/report-final.pdf", dir.path() / "report.pdf");
    auto dangling = dir.write("draft.txt", "draft text");
    fs::create_symlink("archive/draft-new.pdf", dir.path() / "draft.pdf");

    testsupport::RecordingObserver observer;
    auto summary = engine::ConversionRun({}, Jobs({ input, dangling })).execute(observer);
    EXPECT_EQ(summary.converted, 2);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "report.pdf"));
    EXPECT_TRUE(fs::is_symlink(dir.path() / "draft.pdf"));
    EXPECT_EQ(testsupport::PdfProbe(target.string()).lines(), std::vector<std::string> { "report text" });
    EXPECT_EQ(testsupport::PdfProbe((dir.path() / "archive/draft-new.pdf").string()).lines(),
              std::vector<std::string> { "draft text" });
    EXPECT_EQ(Everything(dir.path() / "archive").size(), 2u) << "no temporary file is left";
}

// The process's virtual memory now, in bytes.
rlim_t AddressSpaceInUse()
{
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// In a child whose address space is capped a little above what it uses: a sparse 3 GB text cannot
// even be read, and a text of many short lines makes the PDF library run out while it lays out.
TEST(OutputSafety, AFileTooLargeForMemoryFailsAloneAndTheRunGoesOn)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers reserve more address space than the cap allows";
#endif
    testsupport::TempDir dir;
    auto first = dir.write("first.txt", "first text");
    auto huge = dir.path() / "huge.txt";
    std::ofstream(huge).put('x');
    fs::resize_file(huge, 3ull << 30);
    std::string shortLines;
    for (int i = 0; i < 6'000'000; ++i) {
        shortLines += "x\n";
    }
    auto pages = dir.write("pages.txt", shortLines);
    shortLines.clear();
    shortLines.shrink_to_fit();
    auto last = dir.write("last.txt", "last text");
    auto older = dir.write("pages.pdf", "%PDF older");

    for (int workers : { 1, 2 }) {
        auto verdict = testsupport::RunInChild([&]() -> std::string {
            rlimit cap { AddressSpaceInUse() + (256u << 20), RLIM_INFINITY };
            ::setrlimit(RLIMIT_AS, &cap);
            testsupport::RecordingObserver observer;
            auto summary = engine::ConversionRun({}, Jobs({ first, huge, pages, last }), workers).execute(observer);
            std::string problems;
            for (std::size_t i : { 1u, 2u }) {
                if (summary.results[i].outcome.error() != engine::NotEnoughMemoryError
                    || summary.results[i].outcome.failure().kind != base::FailureKind::Memory) {
                    problems += summary.results[i].inputPath + ": " + summary.results[i].outcome.error() + "\n";
                }
            }
            if (summary.end != engine::RunEnd::Finished || summary.converted != 2) {
                problems += "the run did not convert the two small files\n";
            }
            return problems;
        });
        EXPECT_EQ(verdict, "") << workers << " workers";
        EXPECT_EQ(testsupport::PdfProbe((dir.path() / "last.pdf").string()).lines(),
                  std::vector<std::string> { "last text" });
        EXPECT_EQ(testsupport::readFile(older), "%PDF older");
        auto left = Everything(dir.path());
        EXPECT_EQ(std::count_if(left.begin(), left.end(),
                                [](const auto& path) { return path.filename().string().front() == '.'; }),
                  0)
            << "no temporary file is left";
    }
}

} // namespace
