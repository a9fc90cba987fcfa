#include "layout/LineBreaker.h"

#include "text/FallbackEscape.h"

#include <algorithm>
#include <cstring>

namespace engine {
namespace {

constexpr std::size_t None = OverflowScan::None;

} // namespace

LineBreaker::LineBreaker(TextMeasure& measure, float width)
    : m_measure(measure)
    , m_width(width)
{
}

LineBreak LineBreaker::next(std::string_view rest)
{
    follow(rest);
    const std::size_t lineEnd = inputLineEnd(rest);
    const std::string_view line = rest.substr(0, lineEnd);
    const bool crFollows = lineEnd < rest.size();
    if (m_width < 0) {
        return rescue(line, crFollows, 0);
    }
    const OverflowScan scan = m_measure.scanOverflow(line, m_width);
    const LineBreak chosen = choose(rest, line, crFollows, scan);
    if ((chosen.length > 0 && wider(line, chosen.length, scan)) || (chosen.consumed == 0 && !rest.empty())) {
        return rescue(line, crFollows, scan.crossing);
    }
    return chosen;
}

// The line the space rule gives. The candidate is the shortest front part that ends before a space
// and is wider than the width; a first CR before it ends the line there.
LineBreak LineBreaker::choose(std::string_view rest, std::string_view line, bool crFollows, const OverflowScan& scan)
{
    std::size_t over = scan.firstSpaceOver;
    if (over == None && scan.crossing != None) {
        // Every front part from the crossing on is wider, so the first space from there is the one.
        over = firstSpaceFrom(rest, scan.crossing, line.size());
        if (over == line.size()) {
            over = None;
        }
    }
    std::string_view candidate;
    std::size_t lastSpace = None;
    if (over != None) {
        candidate = line.substr(0, over);
        // No space lies between the crossing and the candidate's end.
        lastSpace = line.substr(0, std::min(over, scan.crossing)).rfind(' ');
    } else if (crFollows) {
        return { line.size(), line.size() + 1 };
    } else {
        candidate = line;
        lastSpace = lastSpaceBefore(rest, line.size());
    }

    const std::size_t fits = measureFront(candidate, true, std::min(over, scan.crossing));
    const bool hasSpace = lastSpace != None;
    if (fits >= 1 && (!hasSpace || fits - 1 > lastSpace)) {
        return { fits, fits };
    }
    if (!hasSpace) {
        return {};
    }
    // A candidate cut before an overflowing space is wider than the width, so its whole points
    // reach it; only the rest of the text as a whole needs measuring.
    if (over != None || truncatedReaches(line, scan)) {
        return { lastSpace + 1, lastSpace + 1 };
    }
    return { rest.size(), rest.size() };
}

// A line that the space rule could not place: cut the input line where the library's measure cuts
// it, with word wrap, else without, else after one character.
LineBreak LineBreaker::rescue(std::string_view line, bool crFollows, std::size_t hint)
{
    std::size_t fits = measureFront(line, true, hint);
    if (fits == 0) {
        fits = measureFront(line, false, hint);
    }
    if (fits == 0) {
        fits = m_measure.firstCharLength(line);
    }
    bool endsInputLine = fits == line.size() && crFollows;
    return { fits, endsInputLine ? fits + 1 : fits };
}

// The measure stops at the first character that crosses the width, so once it stops short of the
// end of a front part, the whole text gives the same answer. Its cut moves back to the start of a
// character, so only a cut at least the longest character from the end is known to be a stop.
std::size_t LineBreaker::measureFront(std::string_view text, bool wordWrap, std::size_t hint)
{
    constexpr std::size_t Slack = 64;
    // A character escaped for a fallback font is the longest (FallbackEscape.h).
    constexpr std::size_t LongestCharacter = LongestFallbackCharacter;
    std::size_t front = hint >= text.size() ? text.size() : std::min(text.size(), hint + Slack);
    for (;;) {
        std::size_t fits = m_measure.measureText(text.substr(0, front), m_width, wordWrap);
        if (fits + LongestCharacter <= front || front == text.size()) {
            return fits;
        }
        front = std::min(text.size(), front * 2);
    }
}

bool LineBreaker::wider(std::string_view line, std::size_t length, const OverflowScan& scan)
{
    if (scan.crossing != None && length >= scan.crossing) {
        return true;
    }
    return m_measure.textWidth(line.substr(0, length)) > m_width;
}

// Whether the whole input line, its width truncated to whole points, reaches the width.
bool LineBreaker::truncatedReaches(std::string_view line, const OverflowScan& scan)
{
    if (scan.crossing != None) {
        return true;
    }
    return static_cast<float>(static_cast<int>(m_measure.textWidth(line))) >= m_width;
}

void LineBreaker::follow(std::string_view rest)
{
    const char* end = rest.data() + rest.size();
    if (end != m_textEnd) {
        m_textEnd = end;
        m_lineFrom = m_lineEnd = m_spaceFrom = m_space = m_lastSpaceFrom = m_lastSpace = m_lastSpaceOf = nullptr;
    }
}

std::size_t LineBreaker::inputLineEnd(std::string_view rest)
{
    const char* start = rest.data();
    if (!m_lineEnd || start < m_lineFrom || start > m_lineEnd) {
        const void* cr = std::memchr(start, '\r', rest.size());
        m_lineFrom = start;
        m_lineEnd = cr ? static_cast<const char*>(cr) : m_textEnd;
    }
    return static_cast<std::size_t>(m_lineEnd - start);
}

std::size_t LineBreaker::firstSpaceFrom(std::string_view rest, std::size_t from, std::size_t lineEnd)
{
    const char* start = rest.data() + from;
    if (!m_spaceFrom || start < m_spaceFrom || start > m_space || m_space > m_lineEnd) {
        const void* space = std::memchr(start, ' ', lineEnd - from);
        m_spaceFrom = start;
        m_space = space ? static_cast<const char*>(space) : m_lineEnd;
    }
    return static_cast<std::size_t>(m_space - rest.data());
}

std::size_t LineBreaker::lastSpaceBefore(std::string_view rest, std::size_t lineEnd)
{
    const char* start = rest.data();
    if (m_lastSpaceOf != m_lineEnd || start < m_lastSpaceFrom) {
        std::size_t last = rest.substr(0, lineEnd).rfind(' ');
        m_lastSpaceFrom = start;
        m_lastSpace = last == None ? nullptr : start + last;
        m_lastSpaceOf = m_lineEnd;
    }
    return m_lastSpace && m_lastSpace >= start ? static_cast<std::size_t>(m_lastSpace - start) : None;
}

} // namespace engine
