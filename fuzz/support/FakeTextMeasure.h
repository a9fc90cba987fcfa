#pragma once

#include "TextMeasure.h"

#include <array>
#include <bitset>
#include <cstdint>

namespace fuzzsupport {

// A made-up font for exercising the line breaking: a width (in thousandths of the font size) for each
// byte value, and optional lead bytes that start two-byte characters. It measures by the rules of the
// PDF library's own measure: a white-space byte marks a cut after it even when it is the byte that
// crosses the width.
class FakeTextMeasure : public engine::TextMeasure
{
public:
    using Widths = std::array<std::uint16_t, 256>;

    FakeTextMeasure(const Widths& widths, float fontSize, const std::bitset<256>& leadBytes);

    float textWidth(std::string_view text) override;
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    std::size_t firstCharLength(std::string_view text) override;
    engine::OverflowScan scanOverflow(std::string_view line, float width) override;

    // Length of the character starting at index: two bytes for a lead byte followed by anything but
    // a CR, else one.
    std::size_t charLength(std::string_view text, std::size_t index) const;

private:
    float charWidth(std::string_view text, std::size_t index) const;
    float toPoints(std::uint64_t units) const;

    Widths m_widths;
    float m_fontSize;
    std::bitset<256> m_leadBytes;
};

} // namespace fuzzsupport
