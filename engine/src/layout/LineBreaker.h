#pragma once

#include "layout/TextMeasure.h"

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
//
// The cost of a line is proportional to the bytes up to where it overflows: widths are added up
// once per pass, the library measures only as much as the answer depends on, and the positions of
// the current input line's end and of its spaces are remembered from pass to pass. The width is in
// whole points (the page width less the margins).
class LineBreaker
{
public:
    LineBreaker(TextMeasure& measure, float width);

    // rest: what is left of the working text; successive calls pass successive rests of one text.
    LineBreak next(std::string_view rest);

private:
    LineBreak choose(std::string_view rest, std::string_view line, bool crFollows, const OverflowScan& scan);
    LineBreak rescue(std::string_view line, bool crFollows, std::size_t hint);
    // measureText of the text, asked of the library on a front part that starts near hint and grows
    // until the answer no longer depends on what follows.
    std::size_t measureFront(std::string_view text, bool wordWrap, std::size_t hint);
    bool wider(std::string_view line, std::size_t length, const OverflowScan& scan);
    bool truncatedReaches(std::string_view line, const OverflowScan& scan);

    // Remembered positions in the text the rests belong to.
    void follow(std::string_view rest);
    std::size_t inputLineEnd(std::string_view rest);
    std::size_t firstSpaceFrom(std::string_view rest, std::size_t from, std::size_t lineEnd);
    std::size_t lastSpaceBefore(std::string_view rest, std::size_t lineEnd);

    TextMeasure& m_measure;
    float m_width;
    const char* m_textEnd = nullptr;
    const char* m_lineFrom = nullptr;      // where the search for m_lineEnd started
    const char* m_lineEnd = nullptr;       // the CR (or the end) after the current input line
    const char* m_spaceFrom = nullptr;     // no space lies in [m_spaceFrom, m_space)
    const char* m_space = nullptr;         // a space, or m_lineEnd
    const char* m_lastSpaceFrom = nullptr; // no space lies in (m_lastSpace, m_lastSpaceOf) from here on
    const char* m_lastSpace = nullptr;     // the last space of the input line, or null
    const char* m_lastSpaceOf = nullptr;   // the line end m_lastSpace belongs to
};

} // namespace engine
