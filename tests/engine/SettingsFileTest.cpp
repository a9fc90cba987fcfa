#include "LayoutRecord.h"
#include "TempDir.h"

#include "engine/ChoiceLists.h"
#include "engine/ConversionOptions.h"
#include "engine/OptionTable.h"
#include "engine/PageSizes.h"
#include "engine/SettingsFile.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include <unistd.h>

namespace {

using engine::ConversionOptions;

TEST(SettingsFile, MissingFileGivesTheDefaults)
{
    testsupport::TempDir dir;
    ConversionOptions options;
    options.PageSize = 3;
    options.Title = "left over";
    ASSERT_TRUE(engine::LoadOptions((dir.path() / "Settings.ini").string(), options));
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
    ASSERT_TRUE(engine::LoadOptions(dir.write("Settings.ini", "[Paper Option]\nSingeEncode=0\n").string(), options));
    EXPECT_EQ(engine::ChoiceAt(engine::SingleByteEncodingChoices, options.SingeEncode), "StandardEncoding")
        << "a stored 0 keeps its meaning";
    ASSERT_TRUE(engine::LoadOptions(dir.write("Settings.ini", "[PDF Security Option]\nEncryptLevel=64\n").string(),
                                    options));
    EXPECT_EQ(engine::ChoiceAt(engine::EncryptMethodChoices, options.EncryptMethod), "AES-256")
        << "a file from before the choice of method encrypts with AES-256";
}

namespace {

// Counts the fields of an aggregate: the most initialisers it takes.
struct AnyField
{
    template <typename T>
    operator T() const;
};

template <typename T, typename... Fields>
constexpr std::size_t FieldCount()
{
    if constexpr (requires { T { Fields {}..., AnyField {} }; }) {
        return FieldCount<T, Fields..., AnyField>();
    } else {
        return sizeof...(Fields);
    }
}

// A record whose every field differs from its default and lies within its option's range.
ConversionOptions EveryFieldOffItsDefault()
{
    ConversionOptions options;
    for (const auto& option : engine::OptionTable()) {
        if (option.isNumeric()) {
            int& field = options.*option.intMember();
            field = field == option.rangeHighest() ? option.rangeLowest() : option.rangeHighest();
        } else {
            options.*option.textMember() = "  " + std::string(option.name) + " = [\"text\"] ";
        }
    }
    options.Title = std::string(1023, 't');
    return options;
}

} // namespace

TEST(SettingsFile, EveryFieldIsInTheOptionTableOnceAndComesBackAsSaved)
{
    const auto table = engine::OptionTable();
    EXPECT_EQ(table.size(), FieldCount<ConversionOptions>());
    std::set<std::string_view> names, keys;
    for (const auto& option : table) {
        EXPECT_TRUE(names.insert(option.name).second) << option.name;
        EXPECT_TRUE(keys.insert(option.key).second) << option.key;
        EXPECT_EQ(engine::FindOption(option.name), &option);
    }

    testsupport::TempDir dir;
    for (const ConversionOptions& saved : { ConversionOptions {}, EveryFieldOffItsDefault() }) {
        auto path = (dir.path() / "Settings.ini").string();
        ASSERT_TRUE(engine::SaveOptions(path, saved));
        ConversionOptions loaded;
        auto load = engine::LoadOptions(path, loaded);
        ASSERT_TRUE(load);
        EXPECT_TRUE(load->empty());
        EXPECT_EQ(loaded, saved);
    }
    EXPECT_TRUE(engine::CheckOptions(ConversionOptions {}).empty());
    auto text = testsupport::readFile((dir.path() / "Settings.ini").string());
    EXPECT_NE(text.find("[Paper Option]\nPageSize=37\nPageWidth=14400\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\nFont Size=600\nType1MetricsFile=\"  Type1MetricsFile"), std::string::npos) << text;
}

TEST(SettingsFile, PageLayoutKeysAreThoseOfThePaperSection)
{
    testsupport::TempDir dir;
    const auto path = dir.write("Settings.ini", "[Paper Option]\nLineGap=2\nOrientation=1\nColumns=3\nFormFeed=1\n"
                                                "LineNumbers=5\nHeader={file}||{page}/{pages}\nFooter={title}\n");
    ConversionOptions options;
    auto load = engine::LoadOptions(path.string(), options);
    ASSERT_TRUE(load);
    EXPECT_TRUE(load->empty());
    EXPECT_EQ(options, testsupport::LayoutRecord());
}

TEST(SettingsFile, ANumberOutsideItsRangeIsAProblemAndGivesTheDefault)
{
    testsupport::TempDir dir;
    ConversionOptions options;
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        { "Paper Option", "TabWidth", "33", "8" },          { "Paper Option", "TabWidth", "-1", "8" },
        { "Paper Option", "TabWidth", "99999999999", "8" }, { "Paper Option", "BottomMargin", "-5", "60" },
        { "Paper Option", "PageSize", "38", "7" },          { "PDF Security Option", "EncryptLevel", "200", "48" },
    };
    for (const auto& [section, key, stored, used] : cases) {
        auto load = engine::LoadOptions(
            dir.write("Settings.ini", "[" + std::string(section) + "]\n" + key + "=" + stored).string(), options);
        EXPECT_EQ(options, ConversionOptions {}) << key << stored;
        ASSERT_EQ(load->size(), 1u) << stored;
        EXPECT_EQ((*load)[0].key, key);
        EXPECT_EQ((*load)[0].value, stored);
        EXPECT_EQ((*load)[0].reason, "out of range");
        EXPECT_EQ((*load)[0].usedInstead, used);
    }
    auto load = engine::LoadOptions(dir.write("Settings.ini", "[Paper Option]\nTabWidth=0\n").string(), options);
    EXPECT_TRUE(load->empty());
    EXPECT_EQ(options.TabWidth, 0);
}

TEST(SettingsFile, FontFilesOfAnOlderFileAreEmptyAndAResetEmptiesThem)
{
    testsupport::TempDir dir;
    auto path = dir.write("Settings.ini", "[Paper Option]\nPageFont=2\nFont Size=11\n");
    ConversionOptions options;
    options.TrueTypeFile = "/fonts/before.ttf";
    ASSERT_TRUE(engine::LoadOptions(path.string(), options));
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

// A save writes only what the program changed: the bytes of texts it did not touch (a Latin-1 file), a
// value it could not use, a key edited by hand meanwhile, the line ends and the file's encoding stay.
TEST(SettingsFile, ASaveKeepsWhatTheProgramDidNotChange)
{
    testsupport::TempDir dir;
    const std::string latin1 = "[PDF Property Option]\r\nAuthor=Zo\xeb M\xfcller \xa9 2024\r\nTitle=" + std::string(2000, 'x')
        + "\r\n[Paper Option]\r\nPageSize=99\r\nTabWidth=4\r\nTabWidth=6\r\n";
    auto path = dir.write("Settings.ini", latin1).string();
    ConversionOptions options;
    auto load = engine::LoadOptions(path, options);
    ASSERT_TRUE(load);
    EXPECT_EQ(options.Title, std::string(2000, 'x'));
    EXPECT_EQ(options.TabWidth, 4);
    ASSERT_EQ(load->size(), 2u);
    EXPECT_EQ((*load)[0].key, "PageSize");
    EXPECT_EQ((*load)[1].value, "6") << "the ignored second line is named";

    const ConversionOptions asRead = options;
    options.FontSize = 12;
    dir.write("Settings.ini", testsupport::readFile(path) + "[Tips]\r\nStartUp=0\r\n"); // a hand edit meanwhile
    ASSERT_TRUE(engine::SaveOptions(path, options, &asRead));
    EXPECT_EQ(testsupport::readFile(path),
              latin1.substr(0, latin1.find("PageSize")) + "PageSize=99\r\nTabWidth=4\r\nTabWidth=6\r\nFont Size=12\r\n"
                  + "[Tips]\r\nStartUp=0\r\n");
    const auto unchanged = std::filesystem::last_write_time(path);
    ASSERT_TRUE(engine::SaveOptions(path, options, &options));
    EXPECT_EQ(std::filesystem::last_write_time(path), unchanged) << "nothing changed, nothing written";

    // Notepad's "Unicode": UTF-16LE with its byte order mark, read and written back so.
    auto utf16 = [](std::string_view ascii) {
        std::string text("\xFF\xFE");
        for (char c : ascii) {
            text += c;
            text += '\0';
        }
        return text;
    };
    auto wide = dir.write("Wide.ini", utf16("[PDF Property Option]\nTitle=\xA9\n")).string();
    ASSERT_TRUE(engine::LoadOptions(wide, options));
    EXPECT_EQ(options.Title, "\xC2\xA9");
    const ConversionOptions wideRead = options;
    options.Author = "A";
    ASSERT_TRUE(engine::SaveOptions(wide, options, &wideRead));
    EXPECT_EQ(testsupport::readFile(wide), utf16("[PDF Property Option]\nTitle=\xA9\nAuthor=A\n"));
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
