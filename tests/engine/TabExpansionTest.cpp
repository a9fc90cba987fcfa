// Tabs keep their indentation and columns: they become blanks up to the next tab stop, counted in
// characters from the start of the line, before the text is broken into lines.
#include "ConversionFixture.h"

#include "engine/ChoiceLists.h"
#include "engine/TabExpansion.h"

#include <sstream>

namespace {

const std::string DejaVuSansMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";

class TabExpansionTest : public ConversionFixture
{
protected:
    // The lines pdftotext -layout reads, each where its text stands across the page, in columns of
    // the 9-point monospaced font's width.
    std::vector<std::string> layoutLines(const engine::FileResult& result, double pitch = 5.4)
    {
        EXPECT_TRUE(result.written()) << result.error;
        std::vector<std::string> lines;
        std::istringstream text(testsupport::ExtractLayoutText(result.outputPath, pitch));
        for (std::string line; std::getline(text, line);) {
            if (!line.empty() && line != "\f") {
                lines.push_back(line);
            }
        }
        return lines;
    }
};

TEST_F(TabExpansionTest, TabsReachTheNextStopCountedInCharactersFromTheLineStart)
{
    struct ExpandCase
    {
        const char* what;
        std::string text;
        int width;
        std::string expanded;
    };
    const ExpandCase cases[] = {
        { "stops every 8", "a\tb\tc", 8, "a       b       c" },
        { "after 7 characters one column", "1234567\tx", 8, "1234567 x" },
        { "after 8 characters eight", "12345678\tx", 8, "12345678        x" },
        { "each line break starts again", "ab\tc\r\n\td\r\te\n\tf", 4, "ab  c\r\n    d\r    e\n    f" },
        { "characters, not bytes", "éééé\tx", 8, "éééé    x" },
        { "width 0 keeps tabs", "a\tb", 0, "a\tb" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(engine::ExpandTabs(c.text, c.width), c.expanded) << c.what;
    }
}

TEST_F(TabExpansionTest, APdfKeepsIndentationAndColumns)
{
    auto source = layoutLines(convert("int main()\n{\n\treturn 0;\n}\n", "main.c"));
    ASSERT_EQ(source.size(), 4u);
    EXPECT_EQ(source[2].find("return"), source[1].find('{') + 8) << source[2];

    auto table = layoutLines(convert("a\tb\tc\n1234567\tx\n12345678\ty\néééé\tz\n"));
    ASSERT_EQ(table.size(), 4u);
    const auto a = table[0].find('a');
    EXPECT_EQ(table[0].find('b'), a + 8) << table[0];
    EXPECT_EQ(table[0].find('c'), a + 16) << table[0];
    EXPECT_EQ(table[1].find('x'), a + 8) << table[1];
    EXPECT_EQ(table[2].find('y'), a + 16) << table[2];
    EXPECT_EQ(table[3].find('z'), table[3].find("é") + 4 * 2 + 4) << table[3]; // four characters, two bytes each

    m_options.PageFont = engine::TrueTypeFont; // UTF-8 in the PDF: several bytes a character there too
    m_options.TrueTypeFile = DejaVuSansMono;
    m_options.SingeEncode = static_cast<int>(engine::SingleByteEncodingChoices.size()) - 1;
    auto cyrillic = layoutLines(convert("ЖЖЖЖ\tx\n12345678\ty\n"), 9 * 0.602); // 1233 of 2048 units
    ASSERT_EQ(cyrillic.size(), 2u);
    EXPECT_EQ(cyrillic[0].find('x'), cyrillic[1].find('1') + 4 * 2 + 4) << cyrillic[0];
}

TEST_F(TabExpansionTest, AWidthOfZeroKeepsTabsAndOneOutOfRangeFailsTheFile)
{
    m_options.TabWidth = 0;
    auto kept = convert("a\tb\n");
    EXPECT_EQ(probe(kept).lines(), std::vector<std::string> { "a\tb" });
    EXPECT_EQ(m_observer.ranges.back().second, 5) << "the progress counts the text as it is";

    m_options.TabWidth = 33;
    auto refused = convert("a\tb\n");
    EXPECT_EQ(refused.status, engine::FileStatus::Failed);
    EXPECT_EQ(refused.error, "The tab width 33 is outside 0 to 32 columns.");
    EXPECT_EQ(refused.failure, engine::FailureKind::Options);
}

} // namespace
