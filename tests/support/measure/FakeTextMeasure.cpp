#include "FakeTextMeasure.h"

#include <random>

namespace testsupport {
namespace {

bool IsWhiteSpace(unsigned char c)
{
    return c == 0x00 || c == 0x09 || c == 0x0a || c == 0x0c || c == 0x0d || c == 0x20;
}

} // namespace

FakeTextMeasure::FakeTextMeasure(const Units& units, float fontSize, const std::bitset<256>& leadBytes, FitRule rule)
    : m_units(units)
    , m_fontSize(fontSize)
    , m_leadBytes(leadBytes)
    , m_rule(rule)
{
}

FakeTextMeasure::Units FakeTextMeasure::RandomUnits(std::uint32_t seed)
{
    std::mt19937 random(seed);
    Units table {};
    for (auto& units : table) {
        units = random() % 5 == 0 ? 0 : 100 + random() % 1100;
    }
    table[' '] = 200 + random() % 400;
    return table;
}

std::size_t FakeTextMeasure::charLength(std::string_view text, std::size_t index) const
{
    bool lead = m_leadBytes.test(static_cast<unsigned char>(text[index]));
    return lead && index + 1 < text.size() && text[index + 1] != '\r' ? 2 : 1;
}

std::uint32_t FakeTextMeasure::charUnits(std::string_view text, std::size_t index) const
{
    return m_units[static_cast<unsigned char>(text[index])];
}

float FakeTextMeasure::toPoints(std::uint64_t units) const
{
    return static_cast<float>(units) * m_fontSize / 1000;
}

float FakeTextMeasure::textWidth(std::string_view text)
{
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) {
        sum += charUnits(text, i);
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
        sum += charUnits(line, i);
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
    double used = 0;
    std::size_t cut = 0;
    for (std::size_t i = 0; i < text.size(); i += charLength(text, i)) {
        const std::size_t length = charLength(text, i);
        const auto byte = static_cast<unsigned char>(text[i]);
        const double advance = static_cast<double>(charUnits(text, i)) * m_fontSize / 1000;
        if (m_rule == FitRule::LikeLibrary) {
            if (length == 1 && IsWhiteSpace(byte)) {
                cut = i + 1;
            } else if (!wordWrap) {
                cut = i;
            }
            used += advance;
            if (used > width) {
                return cut;
            }
        } else {
            if (used + advance > width) {
                return cut;
            }
            used += advance;
            if ((length == 1 && byte == ' ') || !wordWrap) {
                cut = i + length;
            }
        }
    }
    return text.size();
}

std::size_t FakeTextMeasure::firstCharLength(std::string_view text)
{
    return text.empty() ? 0 : charLength(text, 0);
}

} // namespace testsupport
