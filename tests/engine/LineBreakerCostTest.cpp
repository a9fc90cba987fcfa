// The work of the line breaking grows with the text, not with its square: the bytes handed to the
// measures stay within a small multiple of the text for the shapes that made the literal algorithm
// quadratic. Counted, never timed.
#include "layout/LineBreaker.h"

#include "CountingMeasure.h"
#include "FakeTextMeasure.h"
#include "TextGenerator.h"

#include <gtest/gtest.h>

#include <functional>

namespace enginetest {
namespace {

struct Shape
{
    const char* label;
    std::string text;
};

std::string Repeat(std::size_t length, const std::function<char(std::size_t)>& byteAt)
{
    std::string text(length, ' ');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = byteAt(i);
    }
    return text;
}

std::vector<Shape> Shapes()
{
    constexpr std::size_t Size = 1 << 20;
    auto letter = [](std::size_t i) { return static_cast<char>('a' + (i * 7) % 26); };
    std::string words = Repeat(Size, [&](std::size_t i) { return i % 7 == 6 ? ' ' : letter(i); });
    std::string hugeWord = words.substr(0, 5000) + Repeat(300000, letter) + words.substr(0, 5000);
    std::string noWidth = std::string(200000, '\x01') + " " + words.substr(0, 20000);
    return {
        { "lines without spaces", Repeat(Size, [&](std::size_t i) { return i % 77 == 76 ? '\r' : letter(i); }) },
        { "one line of words", words },
        { "one line without spaces", Repeat(Size, letter) },
        { "one word wider than many lines", hugeWord },
        { "a long run without width", noWidth },
        { "a run without spaces before a space", Repeat(200000, letter) + " tail" },
        { "paragraph lines", TextGenerator::working(TextGenerator(7, Alphabet::SingleByte).fileBytes(Size)) },
    };
}

TEST(LineBreakerCost, MeasuredBytesGrowLinearly)
{
    testsupport::FakeTextMeasure::Units units {};
    units.fill(600);
    units['\x01'] = 0;
    units[' '] = 250;
    testsupport::FakeTextMeasure fake(units, 10);
    for (const Shape& shape : Shapes()) {
        CountingMeasure counting(fake);
        engine::LineBreaker breaker(counting, 451);
        std::string_view rest = shape.text;
        std::size_t lines = 0;
        while (!rest.empty()) {
            engine::LineBreak line = breaker.next(rest);
            ASSERT_GT(line.consumed, 0u) << shape.label;
            rest.remove_prefix(line.consumed);
            ++lines;
        }
        std::uint64_t measured = counting.widthBytes + counting.measureBytes + counting.scannedBytes;
        EXPECT_LE(measured, 16 * shape.text.size()) << shape.label << ": " << lines << " lines";
        EXPECT_LE(counting.calls, 8 * lines) << shape.label;
    }
}

} // namespace
} // namespace enginetest
