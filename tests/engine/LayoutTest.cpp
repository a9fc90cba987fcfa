#include "ConversionFixture.h"

#include <numeric>

namespace {

using Lines = std::vector<std::string>;

std::string NumberedLines(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "line " + std::to_string(i) + "\n";
    }
    return text;
}

class LayoutTest : public ConversionFixture
{
};

TEST_F(LayoutTest, BaselinesStartBelowTheTopMarginAndFollowTheFontSizeAndLineGap)
{
    m_options.TopMargin = 100;
    m_options.FontSize = 12;
    auto result = convert("first\nsecond\nthird");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    auto pdf = probe(result);
    ASSERT_EQ(pdf.pages().size(), 1u);
    const auto& texts = pdf.pages()[0].texts;
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_DOUBLE_EQ(texts[0].x, 60);
    EXPECT_DOUBLE_EQ(texts[0].y, 842 - 100 - 5);
    EXPECT_DOUBLE_EQ(texts[1].y, texts[0].y - 17);
    EXPECT_DOUBLE_EQ(texts[2].y, texts[1].y - 17);
    EXPECT_EQ(texts[2].fontSize, 12);

    m_options.LineGap = 0;
    auto tight = probe(convert("first\nsecond"));
    const auto& lines = tight.pages()[0].texts;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_DOUBLE_EQ(lines[0].y, 842 - 100);
    EXPECT_DOUBLE_EQ(lines[1].y, lines[0].y - 12);
}

// A4 with margins of 60 and 9-point text: baselines at 777 - 14k; the first at or below 60 is
// line 53 (baseline 49), which still belongs to its page.
TEST_F(LayoutTest, PageBreaksAfterTheLineThatReachesTheBottomMargin)
{
    auto full = convert(NumberedLines(53), "full.txt");
    ASSERT_TRUE(full.written()) << full.outcome.error();
    auto onePage = probe(full);
    ASSERT_EQ(onePage.pages().size(), 1u) << "no empty page after a last line on the bottom margin";
    EXPECT_DOUBLE_EQ(onePage.pages()[0].texts.back().y, 49);

    auto more = convert(NumberedLines(54), "more.txt");
    auto twoPages = probe(more);
    ASSERT_EQ(twoPages.pages().size(), 2u);
    ASSERT_EQ(twoPages.pages()[1].texts.size(), 1u);
    EXPECT_EQ(twoPages.pages()[1].texts[0].bytes, "line 54");
    EXPECT_DOUBLE_EQ(twoPages.pages()[1].texts[0].y, 777);
    for (const auto& page : twoPages.pages()) {
        EXPECT_EQ(page.width, 595);
        EXPECT_EQ(page.height, 842);
    }
}

TEST_F(LayoutTest, LineEndsAndTextEndsOfTextMode)
{
    // CR LF, LF and CR each end a line; CR CR LF gives two; 0x1A ends the text.
    auto result = convert("a\r\nb\nc\rd\r\r\ne\x1ahidden\n");
    auto pdf = probe(result);
    EXPECT_EQ(pdf.lines(), (Lines { "a", "b", "c", "d", "e" }));
    const auto& texts = pdf.pages()[0].texts;
    EXPECT_DOUBLE_EQ(texts[3].y - texts[4].y, 2 * 14) << "the empty line still moves the next one down";

    auto nul = convert(std::string("before\0after", 12), "nul.txt");
    EXPECT_EQ(probe(nul).lines(), (Lines { "before" }));
}

TEST_F(LayoutTest, EmptyFileGivesOneEmptyPage)
{
    auto result = convert("");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    auto pdf = probe(result);
    ASSERT_EQ(pdf.pages().size(), 1u);
    EXPECT_TRUE(pdf.pages()[0].texts.empty());
    ASSERT_EQ(m_observer.ranges.size(), 1u);
    EXPECT_EQ(m_observer.ranges[0], std::make_pair(std::int64_t(1), std::int64_t(0)));
}

TEST_F(LayoutTest, ProgressCountsTheTextWithCrLfLineEnds)
{
    convert("ab\ncd\r\nef");
    ASSERT_EQ(m_observer.ranges.size(), 1u);
    EXPECT_EQ(m_observer.ranges[0].second, 10);
    ASSERT_FALSE(m_observer.positions.empty());
    EXPECT_EQ(m_observer.positions.back(), 10);
    EXPECT_TRUE(std::is_sorted(m_observer.positions.begin(), m_observer.positions.end()));
}

struct WrapCase
{
    const char* name;
    std::string text;
    Lines expected;
};

void PrintTo(const WrapCase& wrapCase, std::ostream* out)
{
    *out << wrapCase.name;
}

class WrapTest : public ConversionFixture, public ::testing::WithParamInterface<WrapCase>
{
};

TEST_P(WrapTest, DrawsTheExpectedLines)
{
    useTenCharacterLines();
    m_options.TabWidth = 0; // tabs kept, as the line breaking meets them then
    auto result = convert(GetParam().text);
    ASSERT_TRUE(result.written()) << result.outcome.error();
    EXPECT_EQ(probe(result).lines(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    TenCharacterLines, WrapTest,
    ::testing::Values(
        WrapCase { "fits", "aaaa bbbb\n", { "aaaa bbbb" } },
        WrapCase { "leadingBlanksStay", "   abc\n", { "   abc" } },
        WrapCase { "cutAfterLastSpaceThatFits", "aaaa bbbb cccc", { "aaaa bbbb ", "cccc" } },
        // The last word crosses the margin and a line break follows: nothing may vanish.
        WrapCase { "lastWordCrossesBeforeLineBreak", "aaaa bbbb ccccc\nnext", { "aaaa bbbb ", "ccccc", "next" } },
        // A blank that itself crosses the margin stays at the end of its line.
        WrapCase { "trailingBlankCrossesMargin", "aaaaaaaaaa bbb", { "aaaaaaaaaa ", "bbb" } },
        // A word wider than a line is cut after the last character that fits.
        WrapCase { "wordWiderThanLine", "xxxxxxxxxxxxxxxxxxxxxxxxx yy",
                   { "xxxxxxxxxx", "xxxxxxxxxx", "xxxxx yy" } },
        WrapCase { "wordWiderThanLineEndsInputLine", "xxxxxxxxxxxx\nz", { "xxxxxxxxxx", "xx", "z" } },
        WrapCase { "tabIsABreakForTheLibrary", "aaa\tbbbbbbbbbbbb c", { "aaa\t", "bbbbbbbbbb", "bb c" } }),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(LayoutTest, LongTextLosesNothing)
{
    useTenCharacterLines();
    std::string text;
    for (int i = 0; i < 300; ++i) {
        text += std::string(static_cast<std::size_t>(i % 23), static_cast<char>('a' + i % 26));
        text += (i % 7 == 0) ? "\n" : " ";
    }
    auto result = convert(text);
    ASSERT_TRUE(result.written()) << result.outcome.error();
    auto lines = probe(result).lines();
    std::string drawn = std::accumulate(lines.begin(), lines.end(), std::string());
    std::string expected;
    for (char c : text) {
        if (c != '\n') {
            expected += c;
        }
    }
    EXPECT_EQ(drawn, expected);
    for (const auto& line : lines) {
        std::string trimmed = line.substr(0, line.find_last_not_of(' ') + 1);
        EXPECT_LE(trimmed.size(), 10u) << line;
    }
}

TEST_F(LayoutTest, OutputPathReplacesOnlyTheLastExtension)
{
    EXPECT_EQ(engine::OutputPathFor("/docs/notes.txt"), "/docs/notes.pdf");
    EXPECT_EQ(engine::OutputPathFor("/docs/a.b.txt"), "/docs/a.b.pdf");
    EXPECT_EQ(engine::OutputPathFor("/docs/README"), "/docs/README.pdf");
    EXPECT_EQ(engine::OutputPathFor("/my.docs/README"), "/my.docs/README.pdf");
}

} // namespace
