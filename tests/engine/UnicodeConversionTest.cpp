#include "ConversionFixture.h"

#include "engine/ChoiceLists.h"
#include "engine/TextDecoding.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string DejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string ZenHeiCollection = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";

int SingleByteIndex(std::string_view name)
{
    for (std::size_t i = 0; i < engine::SingleByteEncodingChoices.size(); ++i) {
        if (engine::SingleByteEncodingChoices[i] == name) {
            return static_cast<int>(i);
        }
    }
    ADD_FAILURE() << "no encoding " << name;
    return -1;
}

// The lines pdftotext reads from a PDF, without the page ends.
std::vector<std::string> ReadBackLines(const std::string& pdfPath)
{
    std::vector<std::string> lines;
    std::string text = testsupport::ExtractText(pdfPath);
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.front() == '\f') {
            line.erase(0, 1);
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines)
{
    std::string all;
    for (const auto& line : lines) {
        all += line;
    }
    return all;
}

std::size_t CountCharacters(const std::string& utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8) {
        count += (c & 0xC0) != 0x80;
    }
    return count;
}

void UseTrueType(engine::ConversionOptions& options, const std::string& path, std::string_view encoding)
{
    options.PageFont = engine::TrueTypeFont;
    options.TrueTypeFile = path;
    options.SingeEncode = SingleByteIndex(encoding);
}

void UseCidFont(engine::ConversionOptions& options, int cidFont, int multiEncode)
{
    options.PageFont = engine::CidFont;
    options.CIDFont = cidFont;
    options.MultiEncode = multiEncode;
}

void UseHelvetica(engine::ConversionOptions& options, std::string_view encoding)
{
    options.B14Font = 4;
    options.SingeEncode = SingleByteIndex(encoding);
}

class UnicodeConversionTest : public ConversionFixture
{
protected:
    // A custom page that leaves a text width of `width` points at 10-point text.
    void useTextWidth(int width)
    {
        m_options.PageSize = 37;
        m_options.PageWidth = width + 20;
        m_options.LeftMargin = 10;
        m_options.RightMargin = 10;
        m_options.FontSize = 10;
    }
};

struct ScriptCase
{
    const char* name;
    std::function<void(engine::ConversionOptions&)> setUp;
    std::string text; // UTF-8, lines ended by LF
};

TEST_F(UnicodeConversionTest, EveryScriptReadsBackAsWritten)
{
    const ScriptCase cases[] = {
        { "French and German, Helvetica with WinAnsiEncoding",
          [](auto& options) { UseHelvetica(options, "WinAnsiEncoding"); },
          "Ça coûte 10 € à l’œil.\nGrüße aus Köln, Straße\n" },
        { "Russian, CP1251", [](auto& options) { UseTrueType(options, DejaVuSans, "CP1251"); },
          "Съешь же ещё этих мягких французских булок.\nЁлка\n" },
        { "Russian, KOI8-R", [](auto& options) { UseTrueType(options, DejaVuSans, "KOI8-R"); },
          "Широкая электрификация южных губерний\n" },
        // Not μ: the encoding names its glyph "mu", which readers take for the micro sign.
        { "Greek, ISO8859-7", [](auto& options) { UseTrueType(options, DejaVuSans, "ISO8859-7"); },
          "Γειά σου! Ξεσκεπάζω την ψυχοφθόρα βδελυγία\n" },
        { "Chinese, SimSun with GB-EUC-H", [](auto& options) { UseCidFont(options, 0, 0); },
          "中文测试：你好，世界。\n" },
        { "Japanese, MS-Gothic with 90ms-RKSJ-H", [](auto& options) { UseCidFont(options, 4, 6); },
          "日本語のテキスト、カタカナとひらがな。\n" },
        { "Korean, Batang with KSC-EUC-H", [](auto& options) { UseCidFont(options, 7, 11); },
          "한국어 텍스트입니다\n" },
        { "mixed scripts, a TrueType collection with UTF-8",
          [](auto& options) { UseTrueType(options, ZenHeiCollection, "UTF-8"); },
          "Latin é ß, Кириллица, Ελληνικά, 中文, 日本語, 한국어, € → ★\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_options = engine::ConversionOptions();
        c.setUp(m_options);
        auto result = convert(c.text);
        ASSERT_TRUE(result.written()) << result.outcome.error();
        EXPECT_TRUE(result.warnings.empty()) << result.warnings.front();
        std::string expected = c.text;
        std::erase(expected, '\n');
        EXPECT_EQ(Join(ReadBackLines(result.outputPath)), expected);
    }
}

TEST_F(UnicodeConversionTest, Utf16WithAByteOrderMarkIsDecoded)
{
    UseTrueType(m_options, ZenHeiCollection, "UTF-8");
    const std::u16string text = u"UTF-16 Привет\r\n中文 and ★ ok\r\n";
    for (bool bigEndian : { false, true }) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (char16_t unit : text) {
            char high = static_cast<char>(unit >> 8);
            char low = static_cast<char>(unit & 0xFF);
            bytes += bigEndian ? std::string { high, low } : std::string { low, high };
        }
        auto result = convert(bytes);
        ASSERT_TRUE(result.written()) << result.outcome.error();
        const std::vector<std::string> expected = { "UTF-16 Привет", "中文 and ★ ok" };
        EXPECT_EQ(ReadBackLines(result.outputPath), expected) << (bigEndian ? "big endian" : "little endian");
    }
}

TEST_F(UnicodeConversionTest, AnUnmappableCharacterIsDrawnAsAQuestionMarkWithOneWarning)
{
    UseHelvetica(m_options, "CP1251");
    m_options.FallbackFonts = engine::No; // which would draw them
    auto result = convert("Жук 中 и 語\n");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    EXPECT_EQ(probe(result).lines(), (std::vector<std::string> { "\xC6\xF3\xEA ? \xE8 ?" }));
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0],
              "2 characters are not in the encoding CP1251 and are drawn as \"?\"; the first is U+4E2D \"中\"");
    EXPECT_EQ(m_observer.warnings, result.warnings);
}

TEST_F(UnicodeConversionTest, TextThatIsNotUtf8PassesByteForByte)
{
    UseHelvetica(m_options, "WinAnsiEncoding");
    auto latin1 = convert("na\xEFve caf\xE9 \xFC\x80\n");
    ASSERT_TRUE(latin1.written()) << latin1.outcome.error();
    EXPECT_EQ(probe(latin1).lines(), (std::vector<std::string> { "na\xEFve caf\xE9 \xFC\x80" }));
    EXPECT_TRUE(latin1.warnings.empty());

    UseCidFont(m_options, 0, 0);
    auto gb2312 = convert("\xD6\xD0\xCE\xC4\n");
    ASSERT_TRUE(gb2312.written()) << gb2312.outcome.error();
    EXPECT_EQ(probe(gb2312).lines(), (std::vector<std::string> { "\xD6\xD0\xCE\xC4" }));
    EXPECT_EQ(ReadBackLines(gb2312.outputPath), (std::vector<std::string> { "中文" }));
}

// The default encoding holds the accented letters and signs of ordinary text.
TEST_F(UnicodeConversionTest, TheDefaultOptionsKeepAccentedLetters)
{
    auto result = convert("Café © 2024 – naïve\n");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    EXPECT_TRUE(result.warnings.empty()) << result.warnings.front();
    EXPECT_EQ(ReadBackLines(result.outputPath), (std::vector<std::string> { "Café © 2024 – naïve" }));
}

// Accented letters and signs that StandardEncoding lacks come through.
TEST_F(UnicodeConversionTest, Utf8NeedsATrueTypeFontAndFallsBackToWinAnsiEncoding)
{
    UseHelvetica(m_options, "UTF-8");
    auto result = convert("Straße é ü €\n");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    EXPECT_EQ(result.warnings, (std::vector<std::string> { engine::Utf8FallbackWarning }));
    EXPECT_EQ(probe(result).fonts().begin()->second.encoding, "/WinAnsiEncoding");
    EXPECT_EQ(ReadBackLines(result.outputPath), (std::vector<std::string> { "Straße é ü €" }));
}

// Its text shows glyph numbers of the font file, which another copy of the font need not share.
TEST_F(UnicodeConversionTest, Utf8AlwaysEmbedsTheTrueTypeFont)
{
    UseTrueType(m_options, DejaVuSans, "UTF-8");
    m_options.EmbeddingFont = engine::No;
    auto result = convert("Ж\n");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    auto fonts = probe(result).fonts();
    ASSERT_EQ(fonts.size(), 1u);
    EXPECT_TRUE(fonts.begin()->second.embedded);
}

// CP1251 has no ß; the encoding of the default font has.
TEST_F(UnicodeConversionTest, TheTextFollowsTheDefaultFontWhenThePageFontCannotBeHad)
{
    for (bool missingFile : { true, false }) {
        m_options = {};
        if (missingFile) {
            UseTrueType(m_options, "/no/such/font.ttf", "CP1251");
        } else {
            m_options.SingeEncode = static_cast<int>(engine::SingleByteEncodingChoices.size());
        }
        auto result = convert("Straße\n");
        ASSERT_TRUE(result.written()) << result.outcome.error();
        // The program's own text, then the cause: the file and the library's reason, or the index.
        const std::string cause = missingFile ? "(/no/such/font.ttf: a file could not be read or written"
                                              : "(the page font's choice lies outside its list)";
        ASSERT_EQ(result.warnings.size(), 1u) << missingFile;
        EXPECT_EQ(result.warnings[0].rfind(std::string(engine::DefaultFontWarning) + " " + cause, 0), 0u)
            << result.warnings[0];
        EXPECT_EQ(ReadBackLines(result.outputPath), (std::vector<std::string> { "Straße" })) << missingFile;
    }
}

TEST_F(UnicodeConversionTest, ProgressCountsTheConvertedText)
{
    m_options.SingeEncode = SingleByteIndex("CP1251");
    auto result = convert("Жук\nмир");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    // Three bytes, CR LF, three bytes: not the eleven bytes of the UTF-8 file.
    ASSERT_EQ(m_observer.ranges.size(), 1u);
    EXPECT_EQ(m_observer.ranges[0].second, 8);
    EXPECT_EQ(m_observer.positions.back(), 8);
}

// Ideographs are one em wide: 10-point text in a text width of 95 points takes 9 to a line.
TEST_F(UnicodeConversionTest, LongCjkLinesWrapAtTheMarginWithoutSplittingACharacter)
{
    useTextWidth(95);
    std::string ideographs;
    std::string gb2312;
    for (int i = 0; i < 40; ++i) {
        ideographs += i % 2 ? "文" : "中";
        gb2312 += i % 2 ? "\xCE\xC4" : "\xD6\xD0";
    }

    UseCidFont(m_options, 0, 0);
    auto cid = convert(ideographs + "\n");
    ASSERT_TRUE(cid.written()) << cid.outcome.error();
    auto shown = probe(cid).lines();
    ASSERT_EQ(shown.size(), 5u);
    for (std::size_t i = 0; i + 1 < shown.size(); ++i) {
        EXPECT_EQ(shown[i].size(), 18u) << "line " << i;
    }
    EXPECT_EQ(Join(shown), gb2312);

    UseTrueType(m_options, ZenHeiCollection, "UTF-8");
    auto utf8 = convert(ideographs + "\n");
    ASSERT_TRUE(utf8.written()) << utf8.outcome.error();
    auto lines = ReadBackLines(utf8.outputPath);
    ASSERT_EQ(lines.size(), 5u);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        EXPECT_EQ(CountCharacters(lines[i]), 9u) << lines[i];
    }
    EXPECT_EQ(Join(lines), ideographs);
}

TEST_F(UnicodeConversionTest, AWidthNarrowerThanOneCharacterTakesOneWholeCharacterALine)
{
    useTextWidth(4);
    UseCidFont(m_options, 4, 6); // MS-Gothic, 90ms-RKSJ-H
    auto cid = convert("日本a\n");
    ASSERT_TRUE(cid.written()) << cid.outcome.error();
    EXPECT_EQ(probe(cid).lines(), (std::vector<std::string> { "\x93\xFA", "\x96\x7B", "a" }));

    UseTrueType(m_options, ZenHeiCollection, "UTF-8");
    auto utf8 = convert("Ж日€\n");
    ASSERT_TRUE(utf8.written()) << utf8.outcome.error();
    EXPECT_EQ(ReadBackLines(utf8.outputPath), (std::vector<std::string> { "Ж", "日", "€" }));
}

// Auto finds how a file holds its characters; a named encoding is read as named, and a name iconv
// cannot read text in is refused.
TEST_F(UnicodeConversionTest, TheInputEncodingIsFoundOrNamed)
{
    // A UTF-8 changelog with one name pasted in Latin-1.
    const std::vector<std::string> names = { "Václav Šmíd", "Jörg Rössel", "Øyvind Bø", "Günter Müller" };
    auto mostlyUtf8 = convert("Václav Šmíd\nJörg Rössel\nØyvind Bø\nGünter M\xFCller\n");
    ASSERT_TRUE(mostlyUtf8.written()) << mostlyUtf8.outcome.error();
    EXPECT_EQ(ReadBackLines(mostlyUtf8.outputPath), names);
    ASSERT_EQ(mostlyUtf8.warnings.size(), 1u);
    EXPECT_TRUE(mostlyUtf8.warnings[0].starts_with("1 byte of this UTF-8 text is not UTF-8 and is read as CP1252"))
        << mostlyUtf8.warnings[0];

    const std::vector<std::string> russian = { "Съешь же ещё этих мягких булок,", "да выпей чаю." };
    const std::string koi8 = "\xF3\xDF\xC5\xDB\xD8 \xD6\xC5 \xC5\xDD\xA3 \xDC\xD4\xC9\xC8 \xCD\xD1\xC7\xCB\xC9\xC8 "
                             "\xC2\xD5\xCC\xCF\xCB,\n\xC4\xC1 \xD7\xD9\xD0\xC5\xCA \xDE\xC1\xC0.\n";
    UseHelvetica(m_options, "CP1251");
    for (const char* encoding : { "Auto", "KOI8-R" }) {
        m_options.InputEncoding = encoding;
        auto result = convert(koi8);
        ASSERT_TRUE(result.written()) << encoding << ": " << result.outcome.error();
        EXPECT_EQ(ReadBackLines(result.outputPath), russian) << encoding;
        EXPECT_TRUE(result.warnings.empty()) << encoding;
    }

    m_options.InputEncoding = "Auto";
    std::string utf16;
    for (char16_t unit : u"Съешь же ещё этих мягких булок,\r\nда выпей чаю.\r\n") {
        utf16 += { static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8) };
    }
    utf16.resize(utf16.size() - 2); // the string's own NUL
    auto withoutMark = convert(utf16);
    ASSERT_TRUE(withoutMark.written()) << withoutMark.outcome.error();
    EXPECT_EQ(ReadBackLines(withoutMark.outputPath), russian);

    for (const char* refused : { "NO-SUCH-ENCODING", "UTF-32LE" }) {
        m_options.InputEncoding = refused;
        auto result = convert("text\n");
        ASSERT_FALSE(result.written()) << refused;
        EXPECT_EQ(result.outcome.failure().kind, base::FailureKind::Options) << refused;
        EXPECT_NE(result.outcome.error().find(refused), std::string::npos) << result.outcome.error();
    }
}

// A program is no text: it fails, and the preview says so too. A NUL after text still just ends it.
TEST_F(UnicodeConversionTest, AFileWithNulBytesThatIsNotUtf16IsNotAText)
{
    std::ifstream program("/bin/true", std::ios::binary);
    const std::string elf((std::istreambuf_iterator<char>(program)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(elf.empty());
    auto result = convert(elf, "true.txt");
    ASSERT_FALSE(result.written());
    EXPECT_EQ(result.outcome.failure().kind, base::FailureKind::Input);
    EXPECT_EQ(result.outcome.error(), "not a text file");
    EXPECT_FALSE(std::filesystem::exists(result.outputPath));
    auto preview = engine::ReadInputTextPrefix((m_dir.path() / "true.txt").string(), m_options);
    ASSERT_FALSE(preview);
    EXPECT_EQ(preview.error(), "not a text file");

    auto cut = convert(std::string("text before\n\0\0\0\0", 16));
    ASSERT_TRUE(cut.written()) << cut.outcome.error();
    EXPECT_EQ(ReadBackLines(cut.outputPath), std::vector<std::string> { "text before" });
    EXPECT_EQ(cut.warnings.size(), 1u);
}

// Formatted manual pages: overstruck bold and underlined letters, and groff's hyphens, which no
// single-byte encoding has, read as plain text.
TEST_F(UnicodeConversionTest, ManualPageTextReadsAsPlainText)
{
    auto result = convert("N\bNA\bAM\bME\bE\n_\bu_\bs_\be a built‐in, x − y\n");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    EXPECT_EQ(ReadBackLines(result.outputPath), (std::vector<std::string> { "NAME", "use a built-in, x - y" }));
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0],
        "2 characters are not in the encoding WinAnsiEncoding and are drawn as near "
        "equivalents; the first is U+2010 \"‐\" as \"-\"");
}

} // namespace
