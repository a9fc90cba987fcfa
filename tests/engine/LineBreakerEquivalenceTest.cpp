// The line breaking must cut exactly where the literal algorithm cuts, for any text, font, size and
// width: both are run side by side over generated texts and every line is compared.
#include "layout/LineBreaker.h"

#include "FakeTextMeasure.h"
#include "HaruFontPage.h"
#include "LibraryMeasure.h"
#include "ReferenceLineBreaker.h"
#include "TextGenerator.h"

#include <gtest/gtest.h>

#include <bitset>
#include <sstream>

namespace enginetest {
namespace {

using engine::LineBreak;

// Lays the text out with both breakers; empty when every line agrees, else where they part.
std::string FirstDifference(std::string_view text, engine::TextMeasure& referenceMeasure,
                            engine::TextMeasure& measure, float width)
{
    engine::ReferenceLineBreaker reference(referenceMeasure, width);
    engine::LineBreaker breaker(measure, width);
    std::string_view rest = text;
    for (std::size_t line = 0; !rest.empty(); ++line) {
        LineBreak expected = reference.next(rest);
        LineBreak actual = breaker.next(rest);
        if (expected.length != actual.length || expected.consumed != actual.consumed || expected.consumed == 0) {
            std::ostringstream out;
            out << "line " << line << " at byte " << (text.size() - rest.size()) << ": expected " << expected.length
                << "/" << expected.consumed << ", got " << actual.length << "/" << actual.consumed << ", rest starts \""
                << rest.substr(0, 80) << "\"";
            return out.str();
        }
        rest.remove_prefix(expected.consumed);
    }
    return {};
}

struct FontCase
{
    const char* label;
    FontRequest request;
    Alphabet alphabet;
};

const FontCase FontCases[] = {
    { "Courier", { FontRequest::Standard, "Courier", "WinAnsiEncoding" }, Alphabet::SingleByte },
    { "Helvetica", { FontRequest::Standard, "Helvetica", "StandardEncoding" }, Alphabet::SingleByte },
    { "Times", { FontRequest::Standard, "Times-Roman", "CP1252" }, Alphabet::SingleByte },
    { "NimbusSansType1",
      { FontRequest::Type1, "/usr/share/fonts/type1/urw-base35/NimbusSans-Regular.afm", "ISO8859-2" },
      Alphabet::SingleByte },
    { "DejaVuSans", { FontRequest::TrueType, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "CP1251" },
      Alphabet::SingleByte },
    { "DejaVuSansUtf8", { FontRequest::TrueType, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "UTF-8" },
      Alphabet::Utf8 },
    { "SimSun", { FontRequest::Cid, "SimSun", "GB-EUC-H" }, Alphabet::GbEuc },
    { "SimHeiVertical", { FontRequest::Cid, "SimHei", "GB-EUC-V" }, Alphabet::GbEuc },
    { "MsPGothic", { FontRequest::Cid, "MS-PGothic", "90ms-RKSJ-H" }, Alphabet::ShiftJis },
};

class LibraryFonts : public testing::TestWithParam<FontCase>
{
};

TEST_P(LibraryFonts, LinesMatchTheLiteralAlgorithm)
{
    const FontCase& font = GetParam();
    std::uint32_t seed = 1;
    for (float size : { 6.0f, 9.0f, 17.0f }) {
        HaruFontPage page(font.request, size);
        engine::LibraryMeasure literal(page.doc(), page.font(), size);
        literal.setPage(page.page());
        engine::HaruTextMeasure measure(page.doc(), page.font(), size);
        for (float width : { 40.0f, 133.0f, 451.0f, 1000.0f }) {
            for (int round = 0; round < 12; ++round, ++seed) {
                TextGenerator generator(seed, font.alphabet);
                std::size_t length = 300 + generator.below(font.request.kind == FontRequest::Cid ? 1500 : 4000);
                std::string text = TextGenerator::working(generator.fileBytes(length));
                ASSERT_EQ(FirstDifference(text, literal, measure, width), "")
                    << font.label << " " << size << " pt, width " << width << ", seed " << seed;
            }
        }
        EXPECT_EQ(HPDF_GetError(page.doc()), HPDF_OK) << font.label;
    }
}

// The widths added up from single characters are the library's widths of whole texts, to the bit.
TEST_P(LibraryFonts, AddedWidthsEqualTheLibrarysTextWidth)
{
    const FontCase& font = GetParam();
    for (float size : { 1.0f, 9.0f, 13.0f, 600.0f }) {
        HaruFontPage page(font.request, size);
        engine::LibraryMeasure literal(page.doc(), page.font(), size);
        literal.setPage(page.page());
        engine::HaruTextMeasure measure(page.doc(), page.font(), size);
        TextGenerator generator(static_cast<std::uint32_t>(size), font.alphabet);
        std::string text = generator.fileBytes(20000);
        std::replace(text.begin(), text.end(), '\0', ' ');
        for (int round = 0; round < 400; ++round) {
            std::size_t from = static_cast<std::size_t>(generator.below(10000));
            std::size_t length = static_cast<std::size_t>(generator.below(round < 200 ? 60 : 9000));
            std::string_view piece = std::string_view(text).substr(from, length);
            ASSERT_EQ(measure.textWidth(piece), literal.textWidth(piece))
                << font.label << " " << size << " pt, bytes " << from << "+" << length;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Fonts, LibraryFonts, testing::ValuesIn(FontCases),
                         [](const testing::TestParamInfo<FontCase>& param) { return std::string(param.param.label); });

using testsupport::FakeTextMeasure;
using FitRule = FakeTextMeasure::FitRule;

// Bytes from 0xF0 up stand for the first byte of two, as a multi-byte encoding's lead bytes do.
std::bitset<256> HighLeadBytes()
{
    std::bitset<256> leads;
    for (unsigned byte = 0xF0; byte <= 0xFF; ++byte) {
        leads.set(byte);
    }
    return leads;
}

// Made-up widths: sizes and widths of every kind, a second rule for where text fits, and texts with
// runs and lines far longer than the library would take.
TEST(LineBreakerEquivalence, LinesMatchTheLiteralAlgorithmWithMadeUpWidths)
{
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        TextGenerator generator(seed, Alphabet::SingleByte);
        FitRule rule = seed % 2 ? FitRule::LikeLibrary : FitRule::SpacesOnly;
        float size = static_cast<float>(1 + generator.below(40)) + (seed % 3 == 0 ? 0.37f : 0.0f);
        FakeTextMeasure measure(FakeTextMeasure::RandomUnits(seed), size, HighLeadBytes(), rule);
        float width = static_cast<float>(generator.below(600));
        std::size_t length = seed % 50 == 0 ? 150000 : 200 + static_cast<std::size_t>(generator.below(5000));
        std::string text = TextGenerator::working(generator.fileBytes(length));
        ASSERT_EQ(FirstDifference(text, measure, measure, width), "")
            << "seed " << seed << ", size " << size << ", width " << width;
    }
}

// Texts built to sit on the edges: a word that ends exactly at the width, blanks that cross it,
// lines that are exactly one word, words wider than the line right after a line break.
TEST(LineBreakerEquivalence, EdgesOfTheWidth)
{
    FakeTextMeasure::Units units {};
    units.fill(500);
    units[' '] = 250;
    units['\t'] = 0;
    units['i'] = 0;
    for (FitRule rule : { FitRule::LikeLibrary, FitRule::SpacesOnly }) {
        FakeTextMeasure measure(units, 10, HighLeadBytes(), rule);
        // Width 50 holds exactly ten letters, or eight letters and four blanks.
        const char* texts[] = {
            "aaaaaaaaaa bbbbbbbbbb\rcc",  "aaaaaaaaaaa bb",          "aaaa aaaa aaaa",
            "aaaaaaaa    bbbb",           "aaaaaaaaaa\r\raaaaaaaaaaa", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa b",
            "iiiiiiiiiiiiiiiiiiii a b c", "   leading blanks stay here", "a\tb\tc\td\te\tf\tg\th\ti\tj\tk\tl",
            "aaaaaaaaa \r",               " ",                        "\r\r\r",
            "aaaaaaaaaaaaaaaaaaaaaaaaa",  "a aaaaaaaaaaaaaaaaaaaaaaaaaaaa\raa",
        };
        for (const char* text : texts) {
            for (float width : { 0.0f, 2.0f, 50.0f, 49.0f, 51.0f, 52.0f, 53.0f }) {
                EXPECT_EQ(FirstDifference(text, measure, measure, width), "")
                    << "text \"" << text << "\", width " << width;
            }
        }
    }
}

} // namespace
} // namespace enginetest
