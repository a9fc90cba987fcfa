#pragma once

#include "layout/TextMeasure.h"

#include <cstdint>
#include <string_view>

namespace engine {

// A font's character widths added up the way the library adds them for a text's width: whole units
// (1/1000 of the font size) per character, summed, then scaled to points once in single precision.
// Sums are kept incrementally, so a scan over a line costs one table look-up per byte.
class CharWidths
{
public:
    explicit CharWidths(float fontSize);
    virtual ~CharWidths() = default;

    float textWidth(std::string_view text) { return toPoints(units(text)); }
    virtual std::uint64_t units(std::string_view text) = 0;
    virtual OverflowScan scanOverflow(std::string_view line, float width) = 0;

    // Points for a sum of units, with the library's arithmetic: units * size / 1000 in float.
    float toPoints(std::uint64_t units) const;
    // The smallest sum of units that is wider than width in points.
    std::uint64_t unitsOver(float width);

private:
    float m_fontSize;
    float m_thresholdWidth = -1;
    std::uint64_t m_threshold = 0;
};

} // namespace engine
