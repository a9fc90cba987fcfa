#include "FakeTextMeasure.h"

namespace fuzzsupport {
namespace {

bool IsWhiteSpace(unsigned char c)
{
    return c == 0x00 || c == 0x09 || c == 0x0a || c == 0x0c || c == 0x0d || c == 0x20;
}

} // namespace

FakeTextMeasure::FakeTextMeasure(const Widths& widths, float fontSize, const std::bitset<256>& leadBytes)
    : m_widths(widths)
    , m_fontSize(fontSize)
    , m_leadBytes(leadBytes)
{
}

std::size_t FakeTextMeasure::charLength(std::string_view text, std::size_t index) const
{
    bool lead = m_leadBytes.test(static_cast<unsigned char>(text[index]));
    return lead && index + 1 < text.size() && text[index + 1] != '\r' ? 2 : 1;
}

float FakeTextMeasure::charWidth(std::string_view text, std::size_t index) const
{
    return static_cast<float>(m_widths[static_cast<unsigned char>(text[index])]) * m_fontSize / 1000;
}

float FakeTextMeasure::toPoints(std::uint64_t units) const
{
    // The library adds whole thousandths first and scales once.
    return static_cast<float>(units) * m_fontSize / 1000;
}

float FakeTextMeasure::textWidth(std::string_view text)
{
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) {
        sum += m_widths[static_cast<unsigned char>(text[i])];
    }
    return toPoints(sum);
}

engine::OverflowScan FakeTextMeasure::scanOverflow(std::string_view line, float width)
{
    // A two-byte character is as wide as its lead byte alone, so front parts never shrink; the scan
    // stops at the first character start whose front part is wider. A space inside a character (as
    // its second byte) ends a front part that may already be wider before that.
    engine::OverflowScan scan;
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < line.size(); i += charLength(line, i)) {
        if (toPoints(sum) > width) {
            scan.crossing = i;
            return scan;
        }
        sum += m_widths[static_cast<unsigned char>(line[i])];
        bool spaceInside = charLength(line, i) == 2 && line[i + 1] == ' ';
        if (spaceInside && scan.firstSpaceOver == engine::OverflowScan::None && toPoints(sum) > width) {
            scan.firstSpaceOver = i + 1;
        }
    }
    if (toPoints(sum) > width) {
        scan.crossing = line.size();
    }
    return scan;
}

std::size_t FakeTextMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    float used = 0;
    std::size_t cut = 0;
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) {
        bool single = charLength(text, i) == 1;
        if (single && IsWhiteSpace(static_cast<unsigned char>(text[i]))) {
            cut = i + 1;
        } else if (!wordWrap) {
            cut = i;
        }
        used += charWidth(text, i);
        if (used > width) {
            return cut;
        }
    }
    return text.size();
}

std::size_t FakeTextMeasure::firstCharLength(std::string_view text)
{
    return text.empty() ? 0 : charLength(text, 0);
}

} // namespace fuzzsupport
