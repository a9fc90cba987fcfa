#include "TempDir.h"

#include "platform/IniProfile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using platform::IniProfile;

std::optional<int> NumberAt(const IniProfile& profile, std::string_view section, std::string_view key)
{
    auto value = profile.value(section, key);
    return value ? platform::ParseProfileNumber(*value).value : std::nullopt;
}

TEST(IniProfile, NamesMatchRegardlessOfLetterCase)
{
    testsupport::TempDir dir;
    IniProfile profile(dir.write("a.ini", "[Paper Option]\r\npagesize = 12\r\n[other]\nPageSize=3\n").string());
    EXPECT_EQ(NumberAt(profile, "PAPER OPTION", "PageSize"), 12);
    EXPECT_EQ(NumberAt(profile, "Other", "PAGESIZE"), 3);
    EXPECT_EQ(profile.value("Missing", "PageSize"), std::nullopt);
    IniProfile missing((dir.path() / "none.ini").string());
    EXPECT_TRUE(missing.readable());
    EXPECT_EQ(missing.value("Paper Option", "PageSize"), std::nullopt);
}

TEST(IniProfile, NumbersThatCannotBeReadSayWhy)
{
    const std::tuple<const char*, std::optional<int>, bool> cases[] = {
        { "-5", -5, false },          { " 42 ", 42, false },         { "12.5", std::nullopt, false },
        { "abc", std::nullopt, false }, { "", std::nullopt, false }, { "+8", 8, false },
        { "99999999999", std::nullopt, true }, { "-2147483649", std::nullopt, true },
    };
    for (auto [text, value, outOfRange] : cases) {
        auto number = platform::ParseProfileNumber(text);
        EXPECT_EQ(number.value, value) << text;
        EXPECT_EQ(number.outOfRange, outOfRange) << text;
    }
}

TEST(IniProfile, TextsDropSurroundingBlanksAndOnePairOfQuotes)
{
    testsupport::TempDir dir;
    IniProfile profile(dir.write("a.ini", "[s]\na=  spaced out  \nb=\"quoted \"\nc='x'\nd=a=b\n").string());
    EXPECT_EQ(profile.text("s", "a", 1023), "spaced out");
    EXPECT_EQ(profile.text("s", "b", 1023), "quoted ");
    EXPECT_EQ(profile.text("s", "c", 1023), "x");
    EXPECT_EQ(profile.text("s", "d", 1023), "a=b");
    EXPECT_EQ(profile.text("s", "none", 1023), std::nullopt);
    EXPECT_EQ(profile.text("s", "a", 3), "spa");
}

TEST(IniProfile, TextsReadBackAsTheyWereSetAndAreCutAtACharacterStart)
{
    testsupport::TempDir dir;
    auto path = (dir.path() / "a.ini").string();
    const std::string texts[] = { "  padded\t", "\"quoted\"", "'single'", "\"half", "tab\tinside", "" };
    {
        IniProfile profile(path);
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            profile.setText("s", "k" + std::to_string(i), texts[i]);
        }
        profile.setText("s", "lines", "first\r\nPageSize=1");
        ASSERT_TRUE(profile.save()) << profile.error();
    }
    IniProfile profile(path);
    for (std::size_t i = 0; i < std::size(texts); ++i) {
        EXPECT_EQ(profile.text("s", "k" + std::to_string(i), 1023), texts[i]) << texts[i];
    }
    EXPECT_EQ(profile.text("s", "lines", 1023), "first  PageSize=1") << "a line break cannot start a key";
    EXPECT_EQ(profile.value("s", "PageSize"), std::nullopt);

    IniProfile cut(dir.write("b.ini", "[s]\neuro=ab\xE2\x82\xAC\nascii=abcd\nlatin=ab\xE9" "cd\n").string());
    EXPECT_EQ(cut.text("s", "euro", 4), "ab") << "a character is not split";
    EXPECT_EQ(cut.text("s", "euro", 5), "ab\xE2\x82\xAC");
    EXPECT_EQ(cut.text("s", "ascii", 3), "abc");
    EXPECT_EQ(cut.text("s", "latin", 3), "ab\xE9") << "a byte that starts no UTF-8 character is kept";
}

TEST(IniProfile, SettingAKeyChangesOnlyItsLine)
{
    testsupport::TempDir dir;
    auto path = dir.write("a.ini", "; keep me\n[One]\nA=1\nQ=\"as written\"\n\n# and me\n[Two]\nB=2\n").string();
    IniProfile profile(path);
    profile.setText("one", "a", "10");
    profile.setText("One", "New", "x");
    profile.setText("One", "Q", "as written");
    profile.setText("Three", "C", "3");
    ASSERT_TRUE(profile.save());
    EXPECT_EQ(testsupport::readFile(path),
              "; keep me\n[One]\nA=10\nQ=\"as written\"\nNew=x\n\n# and me\n[Two]\nB=2\n[Three]\nC=3\n");
}

TEST(IniProfile, AByteOrderMarkIsSkippedAndKept)
{
    testsupport::TempDir dir;
    auto path = dir.write("a.ini", "\xEF\xBB\xBF[Paper Option]\nPageSize=3\n").string();
    IniProfile profile(path);
    EXPECT_EQ(NumberAt(profile, "Paper Option", "PageSize"), 3);
    profile.setText("Paper Option", "PageSize", "4");
    ASSERT_TRUE(profile.save());
    EXPECT_EQ(testsupport::readFile(path), "\xEF\xBB\xBF[Paper Option]\nPageSize=4\n");
}

TEST(IniProfile, AFileThatCannotBeReadOrWrittenIsLeftAsItWas)
{
    testsupport::TempDir dir;
    IniProfile nowhere((dir.path() / "missing-folder" / "a.ini").string());
    nowhere.setText("s", "k", "v");
    EXPECT_FALSE(nowhere.save());
    EXPECT_NE(nowhere.error().find("No such file"), std::string::npos) << nowhere.error();

    IniProfile folder(dir.path().string());
    EXPECT_FALSE(folder.readable());
    folder.setText("s", "k", "v");
    EXPECT_FALSE(folder.save());
    EXPECT_NE(folder.error().find("folder"), std::string::npos) << folder.error();
    EXPECT_TRUE(std::filesystem::is_directory(dir.path()));
}

} // namespace
