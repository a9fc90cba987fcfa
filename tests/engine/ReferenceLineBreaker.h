#pragma once

#include "layout/LineBreaker.h"
#include "layout/TextMeasure.h"

#include <string_view>

namespace engine {

// The line breaking exactly as first written: the literal steps (search the rest for spaces from
// its start, measure each growing front part from position 0, cut at the first CR of the candidate,
// else at the library's measure or after the last space) with the rescue of over-wide lines. Its
// cost grows with the square of a line's length; it is kept as the yardstick that LineBreaker must
// match line for line.
class ReferenceLineBreaker
{
public:
    ReferenceLineBreaker(TextMeasure& measure, float width);

    LineBreak next(std::string_view rest);

private:
    std::string_view candidate(std::string_view rest);
    LineBreak rescue(std::string_view rest);

    TextMeasure& m_measure;
    float m_width;
};

} // namespace engine
