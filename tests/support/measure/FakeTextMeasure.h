#pragma once

#include "layout/TextMeasure.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>

namespace testsupport {

// A made-up font for exercising the line breaking, in its tests and fuzz targets: a width (in
// thousandths of the font size) for each byte value, and optional lead bytes that start two-byte
// characters, which are as wide as their lead byte alone. Widths of texts are added up as the PDF
// library adds them: whole thousandths, scaled to points once.
class FakeTextMeasure : public engine::TextMeasure
{
public:
    using Units = std::array<std::uint32_t, 256>;

    // Where a text stops fitting in measureText.
    enum class FitRule {
        LikeLibrary, // widths added in double; 0x00, 0x09, 0x0A, 0x0C, 0x0D, 0x20 are white space; a
                     // blank that itself crosses the width still counts
        SpacesOnly,  // only 0x20 is white space, and nothing that crosses the width counts
    };

    FakeTextMeasure(const Units& units, float fontSize, const std::bitset<256>& leadBytes = {},
                    FitRule rule = FitRule::LikeLibrary);

    // Random widths from 100 to 1200 units, a fifth of the bytes without width.
    static Units RandomUnits(std::uint32_t seed);

    float textWidth(std::string_view text) override;
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    std::size_t firstCharLength(std::string_view text) override;
    engine::OverflowScan scanOverflow(std::string_view line, float width) override;

private:
    // Length of the character starting at index: two bytes for a lead byte followed by anything but
    // a CR, else one.
    std::size_t charLength(std::string_view text, std::size_t index) const;
    std::uint32_t charUnits(std::string_view text, std::size_t index) const;
    float toPoints(std::uint64_t units) const;

    Units m_units;
    float m_fontSize;
    std::bitset<256> m_leadBytes;
    FitRule m_rule;
};

} // namespace testsupport
