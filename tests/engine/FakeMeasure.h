#pragma once

#include "SingleByteWidths.h"
#include "TextMeasure.h"

#include <cstdint>
#include <string_view>

namespace enginetest {

// How a fake measure decides where a text stops fitting.
enum class FitRule {
    LikeLibrary, // widths added in double; 0x00, 0x09, 0x0A, 0x0C, 0x0D, 0x20 are white space; a
                 // blank that itself crosses the width still counts
    SpacesOnly,  // only 0x20 is white space, and nothing that crosses the width counts
};

// A measure with made-up per-byte widths, for layouts with any widths and sizes, texts far longer
// than the library takes, and a fit rule other than the library's.
class FakeMeasure : public engine::TextMeasure
{
public:
    FakeMeasure(const engine::SingleByteWidths::Table& units, float fontSize, FitRule rule);
    // Random widths from 0 to 1200 units, some bytes without width.
    static engine::SingleByteWidths::Table randomUnits(std::uint32_t seed);

    float textWidth(std::string_view text) override;
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    std::size_t firstCharLength(std::string_view text) override;
    engine::OverflowScan scanOverflow(std::string_view line, float width) override;

private:
    engine::SingleByteWidths::Table m_table;
    engine::SingleByteWidths m_widths;
    float m_fontSize;
    FitRule m_rule;
};

} // namespace enginetest
