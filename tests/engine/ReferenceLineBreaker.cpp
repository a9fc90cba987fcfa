#include "ReferenceLineBreaker.h"

namespace engine {

ReferenceLineBreaker::ReferenceLineBreaker(TextMeasure& measure, float width)
    : m_measure(measure)
    , m_width(width)
{
}

// The shortest front part of rest that ends just before a space and is wider than the width, or
// all of rest when there is none.
std::string_view ReferenceLineBreaker::candidate(std::string_view rest)
{
    if (m_width < 0) {
        return {};
    }
    std::size_t from = 0;
    for (;;) {
        std::size_t space = rest.find(' ', from);
        if (space == std::string_view::npos) {
            return rest;
        }
        std::string_view front = rest.substr(0, space);
        if (m_measure.textWidth(front) > m_width) {
            return front;
        }
        from = space + 1;
    }
}

LineBreak ReferenceLineBreaker::next(std::string_view rest)
{
    std::string_view candidateLine = candidate(rest);
    LineBreak line;
    if (std::size_t cr = candidateLine.find('\r'); cr != std::string_view::npos) {
        line = { cr, cr + 1 };
    } else {
        std::size_t lastSpace = candidateLine.rfind(' ');
        std::size_t fits = m_measure.measureText(candidateLine, m_width, true);
        bool hasSpace = lastSpace != std::string_view::npos;
        if (fits >= 1 && (!hasSpace || fits - 1 > lastSpace)) {
            line = { fits, fits };
        } else if (hasSpace) {
            if (static_cast<float>(static_cast<int>(m_measure.textWidth(candidateLine))) >= m_width) {
                line = { lastSpace + 1, lastSpace + 1 };
            } else {
                line = { rest.size(), rest.size() };
            }
        }
    }
    bool tooWide = line.length > 0 && m_measure.textWidth(rest.substr(0, line.length)) > m_width;
    if (tooWide || (line.consumed == 0 && !rest.empty())) {
        return rescue(rest);
    }
    return line;
}

// A line that the space rule could not place: cut the input line where the library's measure cuts
// it, with word wrap, else without, else after one character.
LineBreak ReferenceLineBreaker::rescue(std::string_view rest)
{
    std::size_t cr = rest.find('\r');
    std::string_view inputLine = rest.substr(0, cr);
    std::size_t fits = m_measure.measureText(inputLine, m_width, true);
    if (fits == 0) {
        fits = m_measure.measureText(inputLine, m_width, false);
    }
    if (fits == 0) {
        fits = m_measure.firstCharLength(inputLine);
    }
    bool endsInputLine = fits == inputLine.size() && cr != std::string_view::npos;
    return { fits, endsInputLine ? fits + 1 : fits };
}

} // namespace engine
