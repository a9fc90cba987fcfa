// Lines longer than the PDF library takes in one call (65535 bytes) convert whole: the layout never
// hands the library more than it accepts, and no text is lost.
#include "PdfProbe.h"
#include "RecordingObserver.h"
#include "TempDir.h"

#include "engine/Converter.h"

#include <gtest/gtest.h>

namespace {

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += line;
    }
    return text;
}

struct LongLine
{
    const char* label;
    std::string text;
};

class LongLines : public testing::TestWithParam<LongLine>
{
};

TEST_P(LongLines, ConvertWithoutLosingText)
{
    testsupport::TempDir dir;
    auto input = dir.write("long.txt", GetParam().text);
    testsupport::RecordingObserver observer;
    auto result = engine::ConvertTextFile(engine::ConversionOptions {}, input.string(), "", "", observer);
    ASSERT_TRUE(result.written()) << result.outcome.error();
    auto lines = testsupport::PdfProbe(result.outputPath).lines();
    EXPECT_EQ(Joined(lines), GetParam().text);
    EXPECT_GT(lines.size(), 1u);
}

std::string Words(std::size_t length)
{
    std::string text;
    for (std::size_t i = 0; text.size() < length; ++i) {
        text += (i % 5 == 4 ? "conversion " : "word ");
    }
    return text.substr(0, length);
}

INSTANTIATE_TEST_SUITE_P(
    Engine, LongLines,
    testing::Values(LongLine { "OneMegabyteLineOfWords", Words(1 << 20) },
                    LongLine { "RunWithoutSpacesThenWords", std::string(100000, 'x') + " " + Words(3000) },
                    LongLine { "WordsThenRunWithoutSpaces", Words(3000) + std::string(100000, 'y') }),
    [](const testing::TestParamInfo<LongLine>& param) { return std::string(param.param.label); });

} // namespace
