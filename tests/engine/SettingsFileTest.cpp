#include "TempDir.h"

#include "engine/ChoiceLists.h"
#include "engine/ConversionOptions.h"
#include "engine/PageSizes.h"
#include "engine/SettingsFile.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using engine::ConversionOptions;

TEST(SettingsFile, MissingFileGivesTheDefaults)
{
    testsupport::TempDir dir;
    ConversionOptions options;
    options.PageSize = 3;
    options.Title = "left over";
    engine::LoadOptions((dir.path() / "Settings.ini").string(), options);
    EXPECT_EQ(options, ConversionOptions {});
    EXPECT_EQ(options.PageSize, 7);
    EXPECT_EQ(options.EmbeddingFont, 1);
    EXPECT_EQ(options.EncryptLevel, 48);
    EXPECT_EQ(engine::ChoiceAt(engine::Base14FontChoices, options.B14Font), "Courier");
    EXPECT_EQ(engine::ChoiceAt(engine::SingleByteEncodingChoices, options.SingeEncode), "WinAnsiEncoding");
    EXPECT_EQ(engine::ChoiceAt(engine::MultiByteEncodingChoices, options.MultiEncode), "GB-EUC-H");

    options.SingeEncode = 5;
    options.TabWidth = 0;
    engine::ResetOptions(options);
    EXPECT_EQ(engine::ChoiceAt(engine::SingleByteEncodingChoices, options.SingeEncode), "WinAnsiEncoding");
    EXPECT_EQ(options.TabWidth, 8);
    engine::LoadOptions(dir.write("Settings.ini", "[Paper Option]\nSingeEncode=0\n").string(), options);
    EXPECT_EQ(engine::ChoiceAt(engine::SingleByteEncodingChoices, options.SingeEncode), "StandardEncoding")
        << "a stored 0 keeps its meaning";
}

TEST(SettingsFile, SaveThenLoadGivesBackEveryStoredField)
{
    testsupport::TempDir dir;
    auto path = (dir.path() / "Settings.ini").string();
    ConversionOptions saved;
    int value = -3;
    for (int* field : { &saved.PageSize, &saved.PageWidth, &saved.PageHeight, &saved.LeftMargin, &saved.RightMargin,
                        &saved.TopMargin, &saved.BottomMargin, &saved.PageFont, &saved.B14Font, &saved.EmbeddingFont,
                        &saved.CIDFont, &saved.SingeEncode, &saved.MultiEncode, &saved.FontSize, &saved.OpenMode,
                        &saved.OpenResult, &saved.PermitRead, &saved.PermitPrint, &saved.PermitCopy,
                        &saved.PermitModify, &saved.EncryptLevel }) {
        *field = value++;
    }
    saved.Author = "Ann = Author; [not a section]";
    saved.Creator = "creator";
    saved.Title = std::string(1023, 't');
    saved.Subject = "  padded subject";
    saved.Keywords = "k1 k2";
    saved.TrueTypeFile = "/fonts/a.ttf";
    saved.Type1MetricsFile = "/fonts/a.afm";
    saved.Type1DataFile = "/fonts/a.pfb";
    saved.TabWidth = 4;
    ASSERT_TRUE(engine::SaveOptions(path, saved));

    ConversionOptions loaded;
    engine::LoadOptions(path, loaded);
    EXPECT_EQ(loaded, saved);

    auto text = testsupport::readFile(path);
    EXPECT_NE(text.find("[Paper Option]\nPageSize=-3\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nFont Size=10\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nSingeEncode=8\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nFont Size=10\nType1MetricsFile=/fonts/a.afm\nType1DataFile=/fonts/a.pfb\n"
                        "TrueTypeFile=/fonts/a.ttf\nTabWidth=4\n[Document Display Option]\n"),
              std::string::npos)
        << text;
}

TEST(SettingsFile, ATabWidthOutsideZeroToThirtyTwoIsAProblemAndGivesEight)
{
    testsupport::TempDir dir;
    ConversionOptions options;
    for (const char* stored : { "33", "-1", "99999999999" }) {
        auto load = engine::LoadOptions(dir.write("Settings.ini", std::string("[Paper Option]\nTabWidth=") + stored)
                                            .string(),
                                        options);
        EXPECT_EQ(options.TabWidth, 8) << stored;
        ASSERT_EQ(load.problems.size(), 1u) << stored;
        EXPECT_EQ(load.problems[0].key, "TabWidth");
        EXPECT_EQ(load.problems[0].value, stored);
        EXPECT_EQ(load.problems[0].reason, "out of range");
        EXPECT_EQ(load.problems[0].usedInstead, "8");
    }
    auto load = engine::LoadOptions(dir.write("Settings.ini", "[Paper Option]\nTabWidth=0\n").string(), options);
    EXPECT_TRUE(load.problems.empty());
    EXPECT_EQ(options.TabWidth, 0);
}

TEST(SettingsFile, FontFilesOfAnOlderFileAreEmptyAndAResetEmptiesThem)
{
    testsupport::TempDir dir;
    auto path = dir.write("Settings.ini", "[Paper Option]\nPageFont=2\nFont Size=11\n");
    ConversionOptions options;
    options.TrueTypeFile = "/fonts/before.ttf";
    engine::LoadOptions(path.string(), options);
    ConversionOptions expected;
    expected.PageFont = 2;
    expected.FontSize = 11;
    EXPECT_EQ(options, expected);

    options.Type1MetricsFile = "/fonts/a.afm";
    options.Type1DataFile = "/fonts/a.pfb";
    options.TrueTypeFile = "/fonts/a.ttf";
    engine::ResetOptions(options);
    EXPECT_EQ(options, ConversionOptions {});
    EXPECT_TRUE(options.Type1MetricsFile.empty() && options.Type1DataFile.empty() && options.TrueTypeFile.empty());
}

TEST(SettingsFile, LongTextsAreCutTo1023Characters)
{
    testsupport::TempDir dir;
    auto path = dir.write("Settings.ini", "[PDF Property Option]\nTitle=" + std::string(2000, 'x') + "\n");
    ConversionOptions options;
    engine::LoadOptions(path.string(), options);
    EXPECT_EQ(options.Title, std::string(1023, 'x'));
}

TEST(SettingsFile, SavingKeepsOtherSectionsAndReportsAReadOnlyFile)
{
    testsupport::TempDir dir;
    auto path = dir.write("Settings.ini", "; comment\n[Tips]\nStartUp=0\nFilePos=42\n");
    ASSERT_TRUE(engine::SaveOptions(path.string(), ConversionOptions {}));
    auto text = testsupport::readFile(path);
    EXPECT_EQ(text.rfind("; comment\n[Tips]\nStartUp=0\nFilePos=42\n[Paper Option]\n", 0), 0u) << text;

    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    ConversionOptions changed;
    changed.FontSize = 12;
    if (::geteuid() != 0) { // root may write anyway
        EXPECT_FALSE(engine::SaveOptions(path.string(), changed));
        EXPECT_EQ(testsupport::readFile(path), text);
    }
}

TEST(PageSizes, NamedSizesOverrideTheRecordsOwnSize)
{
    ConversionOptions options;
    options.PageWidth = 500;
    options.PageHeight = 700;
    for (auto [index, width, height] : { std::tuple { 37, 500, 700 }, std::tuple { 99, 500, 700 },
                                         std::tuple { -1, 500, 700 }, std::tuple { 7, 595, 842 },
                                         std::tuple { 13, 1685, 2384 }, std::tuple { 27, 649, 919 } }) {
        options.PageSize = index;
        auto box = engine::GetPageBox(options);
        EXPECT_EQ(box.width, width) << index;
        EXPECT_EQ(box.height, height) << index;
    }
    EXPECT_EQ(engine::PageSizeTable.front().label, "Letter [8.5 x 11 in]");
    EXPECT_EQ(engine::PageSizeTable.back().label, "Arch E [36 x 48 in]");
}

} // namespace
