// What the page layout options do to a PDF: headers and footers, line numbers, form feeds, landscape
// pages, columns, and a font too large for the page.
#include "ConversionFixture.h"

#include "engine/OptionTable.h"
#include "engine/PageSizes.h"

#include <algorithm>
#include <sstream>

namespace {

using Lines = std::vector<std::string>;
using testsupport::ShownText;

std::string NumberedLines(int count, const std::string& word = "line")
{
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += word + " " + std::to_string(i) + "\n";
    }
    return text;
}

// The pages of pdftotext's text, each split into its lines.
std::vector<Lines> PagesOfText(const std::string& text)
{
    std::vector<Lines> pages(1);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        for (std::size_t feed; (feed = line.find('\f')) != std::string::npos; line.erase(0, feed + 1)) {
            if (feed > 0) {
                pages.back().push_back(line.substr(0, feed));
            }
            pages.emplace_back();
        }
        if (!line.empty()) {
            pages.back().push_back(line);
        }
    }
    while (!pages.empty() && pages.back().empty()) {
        pages.pop_back();
    }
    return pages;
}

std::size_t Words(const std::string& text)
{
    std::istringstream in(text);
    return static_cast<std::size_t>(std::distance(std::istream_iterator<std::string>(in), {}));
}

class PageLayoutTest : public ConversionFixture
{
};

TEST_F(PageLayoutTest, HeaderAndFooterShowTheirFieldsOnEveryPageAndLeaveTheBodyAsItWas)
{
    const std::string text = NumberedLines(130);
    auto plain = convert(text, "plain.txt");
    m_options.Header = "{file}||{page}/{pages}";
    m_options.Footer = "{{{title}}}|{folder}";
    m_options.Title = "Année"; // UTF-8, drawn in the font's encoding
    auto banded = convert(text, "name.txt");
    ASSERT_TRUE(banded.written()) << banded.outcome.error();

    const auto pages = PagesOfText(testsupport::ExtractText(banded.outputPath));
    ASSERT_EQ(pages.size(), 3u);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string number = std::to_string(i + 1) + "/3";
        ASSERT_FALSE(pages[i].empty());
        EXPECT_EQ(pages[i].front(), "name.txt " + number) << "left and right parts on one line";
        EXPECT_EQ(pages[i].back(), "{Année} " + m_dir.path().string());
    }

    // The header's two parts come first, the footer's last; the body between them is the same.
    auto before = probe(plain);
    auto after = probe(banded);
    ASSERT_EQ(after.pages().size(), before.pages().size());
    for (std::size_t i = 0; i < after.pages().size(); ++i) {
        const auto& texts = after.pages()[i].texts;
        const auto& body = before.pages()[i].texts;
        ASSERT_EQ(texts.size(), body.size() + 4);
        for (std::size_t j = 0; j < body.size(); ++j) {
            EXPECT_EQ(texts[j + 2].bytes, body[j].bytes);
            EXPECT_EQ(texts[j + 2].x, body[j].x);
            EXPECT_EQ(texts[j + 2].y, body[j].y);
            EXPECT_EQ(texts[j + 2].fontSize, body[j].fontSize);
        }
        // Flush left at the margin and flush right at the other, on the page above and below the
        // body's ink.
        const ShownText& left = texts[0];
        const ShownText& right = texts[1];
        const ShownText& footer = texts[texts.size() - 2];
        EXPECT_EQ(left.x, 60);
        EXPECT_NEAR(right.x + static_cast<double>(right.bytes.size()) * 5.4, 535, 0.01);
        EXPECT_GT(left.y - 9 / 4.0, body.front().y + 9);
        EXPECT_LE(left.y + 9, 842);
        EXPECT_LT(footer.y + 9, body.back().y - 9 / 4.0);
        EXPECT_GE(footer.y - 9 / 4.0, 0);
    }
}

TEST_F(PageLayoutTest, ABandTheMarginCannotHoldTakesRoomFromTheBody)
{
    m_options.TopMargin = 0;
    m_options.BottomMargin = 0;
    m_options.Header = "top";
    m_options.Footer = "bottom";
    auto result = convert(NumberedLines(200));
    ASSERT_TRUE(result.written()) << result.outcome.error();
    auto pdf = probe(result);
    std::size_t drawn = 0;
    for (const auto& page : pdf.pages()) {
        const auto texts = page.texts;
        ASSERT_GE(texts.size(), 3u);
        const ShownText& header = texts.front();
        const ShownText& footer = texts.back();
        ASSERT_EQ(header.bytes, "top");
        ASSERT_EQ(footer.bytes, "bottom");
        EXPECT_LE(header.y + 9, 842);
        EXPECT_GE(footer.y - 9 / 4.0, 0);
        for (std::size_t i = 1; i + 1 < texts.size(); ++i) {
            EXPECT_LT(texts[i].y + 9, header.y - 9 / 4.0) << texts[i].bytes;
            EXPECT_GT(texts[i].y - 9 / 4.0, footer.y + 9) << texts[i].bytes;
        }
        drawn += texts.size() - 2;
    }
    EXPECT_EQ(drawn, 200u);
}

TEST_F(PageLayoutTest, HeaderAndFooterThatAreNotUnderstoodAreTheirOptionsProblems)
{
    const std::pair<std::string, const char*> cases[] = {
        { "{file}|{nope}", "the header: unknown field {nope}" },
        { "{file", "the header: a { without its }" },
        { "a}b", "the header: a } without its {" },
        { "a|b|c|d", "the header: more than three parts" },
    };
    for (const auto& [header, message] : cases) {
        m_options.Header = header;
        const auto problems = engine::CheckOptions(m_options);
        ASSERT_EQ(problems.size(), 1u) << header;
        EXPECT_EQ(problems[0].option->name, "Header");
        EXPECT_TRUE(problems[0].message.starts_with(message)) << problems[0].message;
        auto result = convert("text");
        EXPECT_FALSE(result.written());
        EXPECT_TRUE(result.outcome.error().starts_with(message)) << result.outcome.error();
    }
    m_options.Header = "{{page}}";
    m_options.Footer = "{date} {time} {modified} {path}";
    EXPECT_TRUE(engine::CheckOptions(m_options).empty());
    auto result = convert("text");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    EXPECT_EQ(probe(result).pages()[0].texts[0].bytes, "{page}");
}

TEST_F(PageLayoutTest, LineNumbersStandBeforeEveryNthInputLineButNotBeforeAContinuation)
{
    m_options.LineNumbers = 5;
    std::string text = NumberedLines(12, "entry");
    text.insert(text.find("entry 10"), std::string(600, 'w') + "\n");
    auto result = convert(text);
    ASSERT_TRUE(result.written()) << result.outcome.error();
    const std::string extracted = testsupport::ExtractText(result.outputPath);
    EXPECT_NE(extracted.find("\nentry 4\n5 entry 5\nentry 6\n"), std::string::npos) << extracted;
    EXPECT_NE(extracted.find("\n10 ww"), std::string::npos) << extracted;
    EXPECT_NE(extracted.find("\nentry 10\nentry 11\n"), std::string::npos) << "a wrapped line counts once";

    // Right-aligned in a gutter before the text; the text keeps to the text width.
    const auto texts = probe(result).pages()[0].texts;
    const auto five = std::find_if(texts.begin(), texts.end(), [](const ShownText& t) { return t.bytes == "5"; });
    const auto ten = std::find_if(texts.begin(), texts.end(), [](const ShownText& t) { return t.bytes == "10"; });
    ASSERT_NE(five, texts.end());
    ASSERT_NE(ten, texts.end());
    const double textX = (five + 1)->x;
    EXPECT_NEAR(five->x + 5.4, ten->x + 2 * 5.4, 0.01);
    EXPECT_NEAR(textX, 60 + 3 * 5.4, 0.01) << "two digits and one to spare";
    EXPECT_NEAR(five->x, 60 + 5.4, 0.01);
    for (const auto& shown : texts) {
        EXPECT_LE(shown.bytes.size() * 5.4, 475 - 3 * 5.4 + 0.01) << shown.bytes;
    }
}

TEST_F(PageLayoutTest, FormFeedsStartAPageOrColumnOrAreLeftOut)
{
    const auto pages = [&](const std::string& text) {
        auto result = convert(text);
        EXPECT_TRUE(result.written()) << result.outcome.error();
        std::vector<Lines> shown;
        const auto pdf = probe(result);
        for (const auto& page : pdf.pages()) {
            shown.emplace_back();
            for (const auto& line : page.texts) {
                shown.back().push_back(line.bytes);
            }
        }
        return shown;
    };
    using Pages = std::vector<Lines>;
    EXPECT_EQ(pages("first\n\fsecond\n"), (Pages { { "first" }, { "second" } }));
    EXPECT_EQ(pages("first\fsecond\f\n"), (Pages { { "first" }, { "second" } })) << "none after a last feed";
    EXPECT_EQ(pages("a\n\f\n\f\nb"), (Pages { { "a" }, {}, { "b" } }));
    m_options.LineNumbers = 1;
    EXPECT_EQ(pages("a\n\f\nb"), (Pages { { "1", "a" }, { "3", "b" } })) << "the feed's line counts";

    m_options.LineNumbers = 0;
    m_options.Columns = 2;
    auto columns = probe(convert("left\fright"));
    ASSERT_EQ(columns.pages().size(), 1u);
    ASSERT_EQ(columns.pages()[0].texts.size(), 2u);
    EXPECT_EQ(columns.pages()[0].texts[0].y, columns.pages()[0].texts[1].y);
    EXPECT_GT(columns.pages()[0].texts[1].x, 595 / 2);

    m_options.Columns = 1;
    m_options.FormFeed = engine::No;
    EXPECT_EQ(pages("first\n\fsecond\f\n"), (Pages { { "first", "second" } }));
}

TEST_F(PageLayoutTest, LandscapeTurnsThePageAndColumnsShareIt)
{
    m_options.Orientation = engine::Landscape;
    auto turned = probe(convert("text"));
    EXPECT_EQ(turned.pages()[0].width, 842);
    EXPECT_EQ(turned.pages()[0].height, 595);
    m_options.PageSize = engine::CustomPageSizeIndex;
    m_options.PageWidth = 300;
    m_options.PageHeight = 400;
    auto custom = probe(convert("text"));
    EXPECT_EQ(custom.pages()[0].width, 400);
    EXPECT_EQ(custom.pages()[0].height, 300);

    m_options = {};
    std::string text = NumberedLines(80, "word");
    text += std::string(30, 'x') + " " + std::string(30, 'y') + "\n";
    auto single = convert(text, "single.txt");
    m_options.Columns = 2;
    auto split = convert(text, "split.txt");
    ASSERT_TRUE(split.written()) << split.outcome.error();
    auto pdf = probe(split);
    ASSERT_EQ(pdf.pages().size(), 1u);
    const auto& texts = pdf.pages()[0].texts;
    const double secondColumn = 60 + (475 - 18) / 2.0 + 18;
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const ShownText& t) { return t.x == 60; }), 53);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [&](const ShownText& t) { return t.x == secondColumn; }), 29);
    EXPECT_EQ(texts[53].bytes, "word 54");
    EXPECT_EQ(texts[53].y, texts[0].y);
    EXPECT_EQ(texts.back().bytes, std::string(30, 'y')) << "wrapped at the column's width";

    const std::string layout = testsupport::ExtractLayoutText(split.outputPath, 5.4);
    EXPECT_NE(layout.find("word 1 "), std::string::npos);
    std::istringstream rows(layout);
    std::string row;
    std::getline(rows, row);
    EXPECT_NE(row.find("word 54"), std::string::npos) << "side by side: " << row;
    EXPECT_EQ(Words(testsupport::ExtractText(split.outputPath)), Words(testsupport::ExtractText(single.outputPath)));
}

TEST_F(PageLayoutTest, AFontTooLargeForThePageIsDrawnWholeOrRefused)
{
    m_options.FontSize = 500;
    auto result = convert("a\nb\nc");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    auto pdf = probe(result);
    ASSERT_EQ(pdf.pages().size(), 3u);
    for (const auto& page : pdf.pages()) {
        ASSERT_EQ(page.texts.size(), 1u);
        EXPECT_LE(page.texts[0].y + 500, 842);
        EXPECT_GE(page.texts[0].y - 500 / 4.0, 0);
    }

    m_options.FontSize = 600;
    m_options.PageSize = 0; // Letter
    m_options.Orientation = engine::Landscape;
    auto refused = convert("text");
    EXPECT_FALSE(refused.written());
    EXPECT_EQ(refused.outcome.error(), "the font size 600 leaves no room for a whole line on a page 612 points high");
    m_options.Orientation = engine::Portrait;
    m_options.Columns = 8;
    m_options.FontSize = 9;
    m_options.PageSize = engine::CustomPageSizeIndex;
    m_options.PageWidth = 250;
    EXPECT_EQ(convert("text").outcome.error(),
        "8 columns and the gaps between them leave no room for text on a page 250 points wide");
}

} // namespace
