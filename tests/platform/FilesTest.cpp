#include "TempDir.h"

#include "platform/AtomicFile.h"
#include "platform/FileInfo.h"
#include "platform/FolderWalk.h"
#include "platform/PathParts.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
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

// Folders are opened below their parent's handle, so a tree deeper than a path can name is walked
// to its end; a file whose path is too long to open is reported, not skipped in silence.
TEST(FolderWalk, DepthIsNoLimitAndATooLongPathIsReported)
{
    testsupport::TempDir dir;
    dir.write("near.txt", "x");
    const std::string level(200, 'd');
    int fd = ::open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
    std::vector<int> levels;
    for (int depth = 0; depth < 25; ++depth) { // 25 x 201 bytes: beyond PATH_MAX
        ASSERT_EQ(::mkdirat(fd, level.c_str(), 0700), 0);
        levels.push_back(fd);
        fd = ::openat(fd, level.c_str(), O_RDONLY | O_DIRECTORY);
        ASSERT_GE(fd, 0);
    }
    int deep = ::openat(fd, "far.txt", O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(deep, 0);
    ::close(deep);

    auto listing = platform::WalkFolder(dir.path().string());
    ASSERT_EQ(listing.files.size(), 1u);
    EXPECT_EQ(listing.files[0].relativePath, "near.txt");
    ASSERT_EQ(listing.problems.size(), 1u);
    EXPECT_EQ(listing.problems[0].reason, "the path is too long to open");
    EXPECT_TRUE(listing.problems[0].path.ends_with("/far.txt"));

    // The tree is removed from the bottom up, as no path can name its deep end.
    ::unlinkat(fd, "far.txt", 0);
    while (!levels.empty()) {
        ::close(fd);
        fd = levels.back();
        levels.pop_back();
        ::unlinkat(fd, level.c_str(), AT_REMOVEDIR);
    }
    ::close(fd);
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
