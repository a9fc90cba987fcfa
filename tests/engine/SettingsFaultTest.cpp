// Settings files that cannot be read, cannot be written, or hold garbage: the options fall back to
// their defaults where nothing can be read, the caller learns what it must tell the user, and the
// file is never damaged.
#include "TempDir.h"
#include "Unprivileged.h"

#include "engine/ConversionOptions.h"
#include "engine/SettingsFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <tuple>

namespace {

namespace fs = std::filesystem;
using engine::ConversionOptions;

// A record that differs from the defaults in every persisted field.
ConversionOptions ChangedOptions()
{
    ConversionOptions options;
    options.PageSize = 3;
    options.FontSize = 12;
    options.Author = "someone";
    options.EncryptLevel = 128;
    options.TrueTypeFile = "/fonts/chosen.ttf";
    return options;
}


TEST(SettingsFault, AFileThatCannotBeReadGivesTheDefaultsAndIsNotReplaced)
{
    testsupport::TempDir dir;
    auto folder = dir.path() / "folder" / "Settings.ini";
    fs::create_directories(folder);
    auto pipe = dir.path() / "pipe" / "Settings.ini";
    fs::create_directories(pipe.parent_path());
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);

    for (const auto& path : { folder, pipe }) {
        auto options = ChangedOptions();
        EXPECT_FALSE(engine::LoadOptions(path.string(), options)) << path;
        EXPECT_TRUE(options == ConversionOptions {}) << path;
        EXPECT_FALSE(engine::SaveOptions(path.string(), ChangedOptions())) << path;
    }
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_TRUE(fs::is_fifo(pipe));

    ConversionOptions missing = ChangedOptions();
    EXPECT_TRUE(engine::LoadOptions((dir.path() / "none.ini").string(), missing)) << "a missing file is no fault";
}

TEST(SettingsFault, AFileWithoutReadPermissionGivesTheDefaultsToAnUnprivilegedUser)
{
    testsupport::TempDir dir;
    fs::permissions(dir.path(), fs::perms::all);
    auto path = dir.path() / "Settings.ini";
    ASSERT_TRUE(engine::SaveOptions(path.string(), ChangedOptions()));
    const std::string stored = testsupport::readFile(path);
    fs::permissions(path, fs::perms::none);

    auto verdict = RunUnprivileged([&]() -> std::string {
        auto options = ChangedOptions();
        if (engine::LoadOptions(path.string(), options)) {
            return "the unreadable file was reported as read";
        }
        if (!(options == ConversionOptions {})) {
            return "the options are not the defaults";
        }
        if (engine::SaveOptions(path.string(), ConversionOptions {})) {
            return "the unreadable file was replaced";
        }
        return {};
    });
    if (!verdict) {
        GTEST_SKIP() << "running as root and cannot become the unprivileged user nobody";
    }
    EXPECT_EQ(*verdict, "");
    fs::permissions(path, fs::perms::owner_read);
    EXPECT_EQ(testsupport::readFile(path), stored);
}

TEST(SettingsFault, AReadOnlyFileIsReadButNotReplaced)
{
    testsupport::TempDir dir;
    auto path = dir.path() / "Settings.ini";
    ASSERT_TRUE(engine::SaveOptions(path.string(), ChangedOptions()));
    const std::string stored = testsupport::readFile(path);
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    ConversionOptions loaded;
    EXPECT_TRUE(engine::LoadOptions(path.string(), loaded));
    EXPECT_EQ(loaded.FontSize, 12);
    EXPECT_FALSE(engine::SaveOptions(path.string(), ConversionOptions {}))
        << "the caller must learn that the changes were not saved";
    EXPECT_EQ(testsupport::readFile(path), stored);
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
}

TEST(SettingsFault, GarbageGivesDefaultsForWhatCannotBeReadAndSurvivesASave)
{
    testsupport::TempDir dir;
    const std::string junk[] = {
        std::string("\xff\xfe\x00\x01 binary\x1a junk", 18),
        "no equals sign on this line",
        "[Paper Option",
        "=value without key",
        "; a comment the user wrote",
    };
    std::string text = junk[0] + "\n[Paper Option]\n" + junk[1] + "\nPageSize=3\nFont Size=twelve\n" + junk[2]
        + "\nLeftMargin=  30  \nTopMargin=99999999999\n" + junk[3] + "\n[PDF Property Option]\nAuthor=\"Quoted Name\"\n"
        + junk[4] + "\n[paper option]\nPageSize=5\n";
    auto path = dir.write("Settings.ini", text);

    ConversionOptions options;
    auto load = engine::LoadOptions(path.string(), options);
    EXPECT_TRUE(load);
    EXPECT_EQ(options.PageSize, 3) << "the first section of a name is the one read";
    EXPECT_EQ(options.FontSize, 9) << "not a number";
    EXPECT_EQ(options.LeftMargin, 30);
    EXPECT_EQ(options.TopMargin, 60) << "out of range";
    EXPECT_EQ(options.Author, "Quoted Name");
    ASSERT_EQ(load.problems.size(), 2u);
    const auto& word = load.problems[1]; // in the order of the keys, not of the file
    EXPECT_EQ(std::tie(word.section, word.key, word.value, word.reason, word.usedInstead),
              std::tie("Paper Option", "Font Size", "twelve", "not a whole number", "9"));
    const auto& huge = load.problems[0];
    EXPECT_EQ(std::tie(huge.key, huge.value, huge.reason, huge.usedInstead),
              std::tie("TopMargin", "99999999999", "out of range", "60"));

    options.FontSize = 11;
    ASSERT_TRUE(engine::SaveOptions(path.string(), options));
    auto saved = testsupport::readFile(path);
    std::size_t from = 0;
    for (const auto& line : junk) {
        auto at = saved.find(line + "\n", from);
        EXPECT_NE(at, std::string::npos) << "lost or moved: " << line;
        from = at == std::string::npos ? from : at;
    }
    EXPECT_NE(saved.find("[paper option]\nPageSize=5\n"), std::string::npos);
    ConversionOptions reloaded;
    engine::LoadOptions(path.string(), reloaded);
    EXPECT_TRUE(reloaded == options);
}

// A save that fails leaves every old value: the file is replaced in one step or not at all.
TEST(SettingsFault, ASaveThatCannotBeCompletedLeavesTheOldFileWhole)
{
    testsupport::TempDir dir;
    auto path = dir.path() / "Settings.ini";
    ASSERT_TRUE(engine::SaveOptions(path.string(), ChangedOptions()));
    const std::string stored = testsupport::readFile(path);

    ConversionOptions longer;
    longer.Keywords = std::string(4000, 'k');
    rlimit saved {};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved;
    lowered.rlim_cur = stored.size() + 100; // room for the numbers, not for the long text
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    auto save = engine::SaveOptions(path.string(), longer);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_FALSE(save);
    EXPECT_NE(save.error.find("File too large"), std::string::npos) << save.error;
    EXPECT_EQ(testsupport::readFile(path), stored);
}

// Settings.ini may be a link into a folder of dotfiles: saving changes the file it leads to, and a
// file written with a byte-order mark keeps its first section.
TEST(SettingsFault, ALinkedFileStaysALinkAndAByteOrderMarkIsSkipped)
{
    testsupport::TempDir dir;
    auto target = dir.write("dotfiles/marlowen.ini", "\xEF\xBB\xBF[Paper Option]\nPageSize=3\n");
    auto link = dir.path() / "Settings.ini";
    fs::create_symlink("dotfiles/marlowen.ini", link);

    ConversionOptions options;
    EXPECT_TRUE(engine::LoadOptions(link.string(), options));
    EXPECT_EQ(options.PageSize, 3);
    options.FontSize = 14;
    ASSERT_TRUE(engine::SaveOptions(link.string(), options));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "dotfiles/marlowen.ini");
    ConversionOptions reloaded;
    engine::LoadOptions(target.string(), reloaded);
    EXPECT_EQ(reloaded, options);
    EXPECT_EQ(testsupport::readFile(target).rfind("\xEF\xBB\xBF[Paper Option]\nPageSize=3\n", 0), 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()), 1);
}

} // namespace
