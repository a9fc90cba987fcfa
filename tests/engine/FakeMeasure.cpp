#include "FakeMeasure.h"

#include <random>

namespace enginetest {

FakeMeasure::FakeMeasure(const engine::SingleByteWidths::Table& units, float fontSize, FitRule rule)
    : m_table(units)
    , m_widths(units, fontSize)
    , m_fontSize(fontSize)
    , m_rule(rule)
{
}

engine::SingleByteWidths::Table FakeMeasure::randomUnits(std::uint32_t seed)
{
    std::mt19937 random(seed);
    engine::SingleByteWidths::Table table {};
    for (auto& units : table) {
        units = random() % 5 == 0 ? 0 : 100 + random() % 1100;
    }
    table[' '] = 200 + random() % 400;
    return table;
}

float FakeMeasure::textWidth(std::string_view text)
{
    return m_widths.textWidth(text);
}

std::size_t FakeMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    double used = 0;
    std::size_t fits = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto byte = static_cast<unsigned char>(text[i]);
        double advance = static_cast<double>(m_table[byte]) * m_fontSize / 1000;
        if (m_rule == FitRule::LikeLibrary) {
            bool white = byte == 0 || byte == 9 || byte == 10 || byte == 12 || byte == 13 || byte == 32;
            if (white) {
                fits = i + 1;
            } else if (!wordWrap) {
                fits = i;
            }
            used += advance;
            if (used > width) {
                return fits;
            }
        } else {
            if (used + advance > width) {
                return fits;
            }
            used += advance;
            if (byte == ' ' || !wordWrap) {
                fits = i + 1;
            }
        }
    }
    return text.size();
}

std::size_t FakeMeasure::firstCharLength(std::string_view text)
{
    // Bytes from 0xF0 up stand for the first byte of two, as a multi-byte encoding's lead bytes do.
    if (text.size() >= 2 && static_cast<unsigned char>(text[0]) >= 0xF0) {
        return 2;
    }
    return text.empty() ? 0 : 1;
}

engine::OverflowScan FakeMeasure::scanOverflow(std::string_view line, float width)
{
    return m_widths.scanOverflow(line, width);
}

} // namespace enginetest
