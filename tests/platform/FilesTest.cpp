#include "ChildProcess.h"
#include "DeepTree.h"
#include "TempDir.h"

#include "platform/AtomicFile.h"
#include "platform/FileInfo.h"
#include "platform/FolderWalk.h"
#include "platform/PathParts.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(TextMode, CrLfBecomesLfAndCtrlZOrNulEndsTheText)
{
    const std::pair<std::string, std::string> cases[] = {
        { "a\r\nb", "a\nb" },
        { "a\rb\n", "a\rb\n" },
        { "a\r\r\nb", "a\r\nb" },
        { "a\r", "a\r" },
        { "ab\x1a" "cd", "ab" },
        { std::string("ab\0cd", 5), "ab" },
        { "", "" },
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(platform::TextModeFromBytes(bytes), text);
    }
}

TEST(TextMode, ReadingAFileTellsWhyItFailed)
{
    testsupport::TempDir dir;
    auto file = dir.write("a.txt", "x\r\ny");
    auto read = platform::ReadTextModeFile(file.string());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->text, "x\ny");
    auto missing = platform::ReadTextModeFile((dir.path() / "b.txt").string());
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error().find("No such file"), std::string::npos);
}

TEST(PathParts, SplitsFolderNameAndLastExtension)
{
    auto parts = platform::SplitPath("/docs/a.b.txt");
    EXPECT_EQ(parts.folder, "/docs/");
    EXPECT_EQ(parts.name, "a.b");
    EXPECT_EQ(parts.extension, ".txt");
    auto noExtension = platform::SplitPath("/my.docs/README");
    EXPECT_EQ(noExtension.folder, "/my.docs/");
    EXPECT_EQ(noExtension.name, "README");
    EXPECT_EQ(noExtension.extension, "");
    auto bare = platform::SplitPath("notes.txt");
    EXPECT_EQ(bare.folder, "");
    EXPECT_EQ(bare.name, "notes");
}

TEST(FileInfo, SizeAndATimeForFilesOnly)
{
    testsupport::TempDir dir;
    auto file = dir.write("a.txt", "12345");
    auto info = platform::GetFileInfo(file.string());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->size, 5u);
    EXPECT_GT(info->creationTime, 0);
    EXPECT_FALSE(platform::GetFileInfo(dir.path().string()));
    EXPECT_FALSE(platform::GetFileInfo((dir.path() / "none").string()));
}

TEST(FolderWalk, TextFilesDepthFirstInNameOrder)
{
    testsupport::TempDir dir;
    for (auto name : { "b.txt", "A.TXT", "c/z.txt", "c/y/deep.Txt", "d.txt", "readme", "notes.txt.bak", "e/" }) {
        dir.write(name, "x");
    }
    std::filesystem::create_directory_symlink(dir.path() / "c", dir.path() / "link");
    auto listing = platform::WalkFolder(dir.path().string());
    std::vector<std::string> paths;
    std::vector<std::string> relativePaths;
    for (const auto& file : listing.files) {
        paths.push_back(file.path);
        relativePaths.push_back(file.relativePath);
    }
    auto root = dir.path().string() + "/";
    EXPECT_EQ(paths, (std::vector<std::string> { root + "A.TXT", root + "b.txt", root + "c/y/deep.Txt",
                                                 root + "c/z.txt", root + "d.txt" }));
    EXPECT_EQ(relativePaths, (std::vector<std::string> { "A.TXT", "b.txt", "c/y/deep.Txt", "c/z.txt", "d.txt" }));
    EXPECT_TRUE(listing.problems.empty());
    auto other = platform::WalkFolder(dir.path().string(), { "*.BAK", "read*" });
    ASSERT_EQ(other.files.size(), 2u);
    EXPECT_EQ(other.files[0].relativePath, "notes.txt.bak");
    EXPECT_EQ(other.files[1].relativePath, "readme");
}

// Each folder is opened below its parent's handle and only one handle is open at a time, so a tree
// deeper than a path can name, and deeper than the handles a process may hold, is walked to its end;
// a file whose path is too long to open is reported, not skipped in silence.
TEST(FolderWalk, DepthIsNoLimitAndATooLongPathIsReported)
{
    testsupport::TempDir dir;
    dir.write("near.txt", "x");
    testsupport::DeepTree deep(dir.path());

    auto verdict = testsupport::RunInChild([&]() -> std::string {
        const rlimit few { 20, 20 }; // fewer handles than levels
        ::setrlimit(RLIMIT_NOFILE, &few);
        auto listing = platform::WalkFolder(dir.path().string());
        if (listing.files.size() != 1 || listing.files[0].relativePath != "near.txt") {
            return "files: " + std::to_string(listing.files.size());
        }
        if (listing.problems.size() != 1 || listing.problems[0].reason != "the path is too long to open"
            || !listing.problems[0].path.ends_with("/far.txt")) {
            return "problems: " + (listing.problems.empty() ? std::string() : listing.problems[0].reason);
        }
        return {};
    });
    EXPECT_EQ(verdict, "");
}

TEST(AtomicFile, ReplacesOnlyOnCommit)
{
    testsupport::TempDir dir;
    auto target = dir.write("out.pdf", "old");
    {
        platform::AtomicFile file(target.string());
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("half"));
    }
    EXPECT_EQ(testsupport::readFile(target), "old");
    {
        platform::AtomicFile file(target.string());
        ASSERT_TRUE(file.open());
        ASSERT_TRUE(file.write("new"));
        ASSERT_TRUE(file.commit());
    }
    EXPECT_EQ(testsupport::readFile(target), "new");
    int entries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir.path())) {
        entries++;
    }
    EXPECT_EQ(entries, 1);

    platform::AtomicFile nowhere((dir.path() / "no" / "out.pdf").string());
    auto opened = nowhere.open();
    EXPECT_FALSE(opened);
    EXPECT_NE(opened.error().find("cannot create"), std::string::npos);
}

} // namespace
