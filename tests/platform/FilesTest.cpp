#include "TempDir.h"

#include "platform/AtomicFile.h"
#include "platform/FileInfo.h"
#include "platform/FolderWalk.h"
#include "platform/PathParts.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>

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
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.text, "x\ny");
    auto missing = platform::ReadTextModeFile((dir.path() / "b.txt").string());
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.error.find("No such file"), std::string::npos);
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
    auto files = platform::ListTextFiles(dir.path().string());
    auto root = dir.path().string() + "/";
    EXPECT_EQ(files, (std::vector<std::string> { root + "A.TXT", root + "b.txt", root + "c/y/deep.Txt",
                                                 root + "c/z.txt", root + "d.txt" }));
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
    EXPECT_FALSE(nowhere.open());
    EXPECT_NE(nowhere.error().find("cannot create"), std::string::npos);
}

} // namespace
