#include "TempDir.h"

#include "platform/IniProfile.h"

#include <gtest/gtest.h>

namespace {

using platform::GetProfileInt;
using platform::GetProfileString;
using platform::WriteProfileString;

TEST(IniProfile, NamesMatchRegardlessOfLetterCase)
{
    testsupport::TempDir dir;
    auto path = dir.write("a.ini", "[Paper Option]\r\npagesize = 12\r\n[other]\nPageSize=3\n").string();
    EXPECT_EQ(GetProfileInt(path, "PAPER OPTION", "PageSize", 7), 12);
    EXPECT_EQ(GetProfileInt(path, "Other", "PAGESIZE", 7), 3);
    EXPECT_EQ(GetProfileInt(path, "Missing", "PageSize", 7), 7);
    EXPECT_EQ(GetProfileInt((dir.path() / "none.ini").string(), "Paper Option", "PageSize", 7), 7);
}

TEST(IniProfile, NumbersThatCannotBeReadGiveTheDefault)
{
    testsupport::TempDir dir;
    auto path = dir.write("a.ini", "[s]\na=-5\nb= 42 \nc=12.5\nd=abc\ne=\nf=+8\ng=99999999999\n").string();
    const std::pair<const char*, int> cases[] = { { "a", -5 }, { "b", 42 }, { "c", 7 }, { "d", 7 },
                                                  { "e", 7 },  { "f", 8 },  { "g", 7 } };
    for (auto [key, expected] : cases) {
        EXPECT_EQ(GetProfileInt(path, "s", key, 7), expected) << key;
    }
}

TEST(IniProfile, TextsDropSurroundingBlanksAndOnePairOfQuotes)
{
    testsupport::TempDir dir;
    auto path = dir.write("a.ini", "[s]\na=  spaced out  \nb=\"quoted \"\nc='x'\nd=a=b\n").string();
    EXPECT_EQ(GetProfileString(path, "s", "a", "", 1023), "spaced out");
    EXPECT_EQ(GetProfileString(path, "s", "b", "", 1023), "quoted ");
    EXPECT_EQ(GetProfileString(path, "s", "c", "", 1023), "x");
    EXPECT_EQ(GetProfileString(path, "s", "d", "", 1023), "a=b");
    EXPECT_EQ(GetProfileString(path, "s", "none", "fallback", 1023), "fallback");
    EXPECT_EQ(GetProfileString(path, "s", "a", "", 3), "spa");
}

TEST(IniProfile, WritesChangeOnlyTheirKey)
{
    testsupport::TempDir dir;
    auto path = dir.write("a.ini", "; keep me\n[One]\nA=1\n\n# and me\n[Two]\nB=2\n").string();
    ASSERT_TRUE(WriteProfileString(path, "one", "a", "10"));
    ASSERT_TRUE(WriteProfileString(path, "One", "New", "x"));
    ASSERT_TRUE(WriteProfileString(path, "Three", "C", "3"));
    EXPECT_EQ(testsupport::readFile(path), "; keep me\n[One]\nA=10\nNew=x\n\n# and me\n[Two]\nB=2\n[Three]\nC=3\n");
}

TEST(IniProfile, ALineBreakInAValueCannotStartAKeyOfItsOwn)
{
    testsupport::TempDir dir;
    auto path = (dir.path() / "a.ini").string();
    ASSERT_TRUE(WriteProfileString(path, "s", "Title", "first\nPageSize=1"));
    EXPECT_EQ(GetProfileString(path, "s", "Title", "", 1023), "first PageSize=1");
    EXPECT_EQ(GetProfileInt(path, "s", "PageSize", 7), 7);
}

TEST(IniProfile, AFileThatCannotBeWrittenIsLeftAsItWas)
{
    testsupport::TempDir dir;
    auto path = (dir.path() / "missing-folder" / "a.ini").string();
    EXPECT_FALSE(WriteProfileString(path, "s", "k", "v"));
    auto folderAsFile = dir.path().string();
    EXPECT_FALSE(WriteProfileString(folderAsFile, "s", "k", "v"));
}

} // namespace
