#include "ConversionFixture.h"

#include "engine/ChoiceLists.h"

#include <cstdlib>
#include <filesystem>

namespace {

const std::string DejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string ZenHeiCollection = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";
const std::string NimbusAfm = "/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.afm";
const std::string NimbusPfa = "/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.t1";

class FontTest : public ConversionFixture
{
protected:
    // The single font the PDF uses, with its name.
    std::pair<std::string, testsupport::FontProbe> onlyFont(const engine::FileResult& result)
    {
        EXPECT_TRUE(result.written()) << result.outcome.error();
        auto fonts = probe(result).fonts();
        EXPECT_EQ(fonts.size(), 1u);
        if (fonts.empty()) {
            return {};
        }
        return { fonts.begin()->first, fonts.begin()->second };
    }
};

struct CidCase
{
    int cidFont;
    int multiEncode;
    const char* baseFont;
    const char* encoding;
};

TEST_F(FontTest, CidFontsTakeTheirEncodingByTheirLanguagesRule)
{
    const CidCase cases[] = {
        { 0, 3, "/SimSun", "/GB-EUC-H" },       // simplified Chinese: GBK falls back to GB-EUC-H
        { 1, 1, "/SimHei", "/GB-EUC-V" },       // the two GB encodings are taken as chosen
        { 7, 6, "/Batang", "/KSC-EUC-H" },      // Korean: a non-Korean encoding falls back
        { 10, 13, "/DotumChe", "/KSCms-UHC-H" },
        { 2, 4, "/MingLiU", "/ETen-B5-H" },     // traditional Chinese: the chosen one
        { 3, 6, "/MS-Mincho", "/90ms-RKSJ-H" }, // the library's name for the list's "MS-Mincyo"
        { 5, 8, "/MS-PMincho", "/90msp-RKSJ-H" },
    };
    m_options.PageFont = engine::CidFont;
    for (const auto& c : cases) {
        m_options.CIDFont = c.cidFont;
        m_options.MultiEncode = c.multiEncode;
        auto result = convert("text");
        auto [name, font] = onlyFont(result);
        EXPECT_EQ(name, c.baseFont);
        EXPECT_EQ(font.encoding, c.encoding) << c.baseFont;
        // A replaced encoding is told.
        const bool replaced = std::string("/") + std::string(engine::MultiByteEncodingChoices[static_cast<std::size_t>(c.multiEncode)]) != c.encoding;
        EXPECT_EQ(result.warnings.size(), replaced ? 1u : 0u) << c.baseFont;
        if (replaced) {
            EXPECT_EQ(result.warnings[0], std::string("the CID font ") + (c.baseFont + 1) + " cannot take the encoding "
                                               + std::string(engine::MultiByteEncodingChoices[static_cast<std::size_t>(c.multiEncode)]) + "; "
                                               + (c.encoding + 1) + " is used");
        }
    }
}

// A TrueType font draws what it has no glyph for as blank: the file says so once, with the count
// and the first such character, in the font's single-byte encoding and in UTF-8 alike.
TEST_F(FontTest, CharactersTheTrueTypeFontLacksAreToldOnce)
{
    struct GlyphCase
    {
        int singleByteEncoding;
        std::string text;
        std::vector<std::string> warnings;
    };
    const GlyphCase cases[] = {
        { 28, "Grüße 中文\nx 中",
            { "3 characters have no glyph in the font DejaVuSans,Book and are drawn blank; the first "
              "is U+4E2D \"中\"" } },
        { 13, "ไทย ok",
            { "3 characters have no glyph in the font DejaVuSans,Book and are drawn blank; the first is U+0E44 "
              "\"ไ\"" } }, // ISO8859-11
        { 20, "Café\tà la carte\r\n", {} }, // CP1252
    };
    m_options.PageFont = engine::TrueTypeFont;
    m_options.TrueTypeFile = DejaVuSans;
    m_options.FallbackFonts = engine::No; // which would draw the characters
    for (const auto& c : cases) {
        m_options.SingeEncode = c.singleByteEncoding;
        auto result = convert(c.text);
        EXPECT_TRUE(result.written()) << result.outcome.error();
        EXPECT_EQ(result.warnings, c.warnings) << c.text;
    }
}

TEST_F(FontTest, AFontThatCannotBeHadFallsBackToHelveticaWithAWarning)
{
    struct Case
    {
        const char* what;
        void (*apply)(engine::ConversionOptions&);
    };
    const Case cases[] = {
        { "MingLiU with a GB encoding", [](auto& o) { o.PageFont = 3, o.CIDFont = 2, o.MultiEncode = 0; } },
        { "missing Type 1 files", [](auto& o) { o.PageFont = 1, o.Type1MetricsFile = "/nonexistent.afm"; } },
        { "missing TrueType file", [](auto& o) { o.PageFont = 2, o.TrueTypeFile = "/nonexistent.ttf"; } },
        { "font kind outside the list", [](auto& o) { o.PageFont = 9; } },
        { "CID font outside the list", [](auto& o) { o.PageFont = 3, o.CIDFont = 11; } },
        { "standard font outside the list", [](auto& o) { o.B14Font = 14; } },
    };
    for (const auto& c : cases) {
        m_options = {};
        c.apply(m_options);
        auto result = convert("fallback text");
        auto [name, font] = onlyFont(result);
        EXPECT_EQ(name, "/Helvetica") << c.what;
        ASSERT_EQ(result.warnings.size(), 1u) << c.what;
        EXPECT_EQ(result.warnings[0].rfind(std::string(engine::DefaultFontWarning) + " (", 0), 0u) << c.what;
        EXPECT_EQ(probe(result).lines(), std::vector<std::string> { "fallback text" }) << c.what;
    }
}

TEST_F(FontTest, TrueTypeFontsAreEmbeddedWhenTheAnswerIsYes)
{
    m_options.PageFont = engine::TrueTypeFont;
    m_options.TrueTypeFile = DejaVuSans + "  "; // trailing blanks are not part of the name
    m_options.EmbeddingFont = engine::Yes;
    auto [embeddedName, embedded] = onlyFont(convert("text"));
    EXPECT_NE(embeddedName.find("DejaVuSans"), std::string::npos);
    EXPECT_TRUE(embedded.embedded);

    m_options.EmbeddingFont = engine::No;
    auto [name, notEmbedded] = onlyFont(convert("text"));
    EXPECT_NE(name.find("DejaVuSans"), std::string::npos);
    EXPECT_FALSE(notEmbedded.embedded);
}

TEST_F(FontTest, ACollectionGivesItsFirstFontWhateverTheLetterCaseOfItsName)
{
    auto link = m_dir.path() / "ZENHEI.TTC";
    std::filesystem::create_symlink(ZenHeiCollection, link);
    m_options.PageFont = engine::TrueTypeFont;
    m_options.TrueTypeFile = link.string();
    auto result = convert("text");
    auto [name, font] = onlyFont(result);
    EXPECT_EQ(name, "/WenQuanYiZenHei");
    EXPECT_TRUE(result.warnings.empty());
}

TEST_F(FontTest, Type1FontFromMetricsAndBinaryData)
{
    auto pfb = m_dir.path() / "NimbusSans.pfb";
    std::string command = "t1binary '" + NimbusPfa + "' '" + pfb.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "t1binary (package t1utils) is needed";
    m_options.PageFont = engine::Type1Font;
    m_options.Type1MetricsFile = NimbusAfm;
    m_options.Type1DataFile = pfb.string();
    m_options.SingeEncode = 2; // WinAnsiEncoding
    auto result = convert("type one");
    auto [name, font] = onlyFont(result);
    EXPECT_EQ(name, "/NimbusSans-Regular");
    EXPECT_EQ(font.encoding, "/WinAnsiEncoding");
    EXPECT_TRUE(font.embedded);
    EXPECT_EQ(probe(result).lines(), std::vector<std::string> { "type one" });

    // The metrics of another font with this data file: refused, naming both, instead of a PDF named after
    // one font and drawn with the other.
    m_options.Type1MetricsFile = "/usr/share/fonts/type1/urw-base35/NimbusRoman-Italic.afm";
    auto mismatch = convert("type one");
    EXPECT_FALSE(mismatch.written());
    EXPECT_EQ(mismatch.outcome.failure().kind, base::FailureKind::Options);
    EXPECT_NE(mismatch.outcome.error().find("font NimbusRoman-Italic but the data file " + pfb.string()
                                            + " holds the font NimbusSans-Regular"),
              std::string::npos)
        << mismatch.outcome.error();
}

TEST_F(FontTest, FontSizeZeroMeansNinePointsAndWarnsForEveryFile)
{
    m_options.FontSize = 0;
    for (int file = 0; file < 2; ++file) {
        auto result = convert("small");
        ASSERT_TRUE(result.written()) << result.outcome.error();
        EXPECT_EQ(result.warnings, std::vector<std::string> { engine::DefaultFontSizeWarning });
        EXPECT_EQ(probe(result).pages()[0].texts[0].fontSize, 9);
    }
    EXPECT_EQ(m_observer.warnings.size(), 2u);
}

} // namespace
