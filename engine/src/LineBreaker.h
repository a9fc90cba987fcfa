#pragma once

#include "TextMeasure.h"

#include <cstddef>
#include <string_view>

namespace engine {

// One line taken from the front of the working text: its first `length` bytes are drawn, and
// `consumed` bytes (the line, and the CR that ends it when it does) leave the working text.
struct LineBreak
{
    std::size_t length = 0;
    std::size_t consumed = 0;
};

// Breaks the working text (lines separated by single CRs) into lines no wider than the text width.
//
// A line ends at the first CR that comes before the text overflows the width; otherwise after the
// last space that still fits, the space staying at the end of the line. A line that cannot be cut
// so (a word wider than the line, a line whose last word crosses the margin) is cut where the
// library's word-wrapping measure cuts it, else inside the word after the last character that fits,
// else after its first character: no text is ever dropped and every call consumes at least one byte
// of a non-empty text.
class LineBreaker
{
public:
    LineBreaker(TextMeasure& measure, float width);

    LineBreak next(std::string_view rest);

private:
    std::string_view candidate(std::string_view rest);
    LineBreak rescue(std::string_view rest);

    TextMeasure& m_measure;
    float m_width;
};

} // namespace engine
