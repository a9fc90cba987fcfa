#include "layout/FallbackTextMeasure.h"

#include "text/FallbackEscape.h"

namespace engine {
namespace {

// The bytes the library's measure takes for white space, where word wrap may cut.
bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r';
}

} // namespace

FallbackTextMeasure::FallbackTextMeasure(HPDF_Doc document, HPDF_Font font, float fontSize,
                                         const std::vector<HPDF_Font>& fallbacks)
    : HaruTextMeasure(document, font, fontSize)
{
    for (HPDF_Font fallback : fallbacks) {
        m_fallbackWidths.push_back(std::make_unique<Utf8Widths>(fallback, fontSize));
    }
}

std::uint32_t FallbackTextMeasure::characterUnits(std::string_view text, std::size_t& length)
{
    if (text.front() != FallbackEscape) {
        length = bounds().firstLength(text.substr(0, 4));
        return static_cast<std::uint32_t>(widths().units(text.substr(0, length)));
    }
    const FallbackCharacter c = ReadFallbackCharacter(text);
    length = c.length;
    if (length == 0 || c.font >= m_fallbackWidths.size()) {
        return 0;
    }
    return static_cast<std::uint32_t>(m_fallbackWidths[c.font]->units(c.utf8));
}

float FallbackTextMeasure::textWidth(std::string_view text)
{
    if (!HasFallbackCharacters(text)) {
        return HaruTextMeasure::textWidth(text);
    }
    std::uint64_t sum = 0;
    for (std::size_t at = 0, length = 0; at < text.size(); at += std::max<std::size_t>(length, 1)) {
        sum += characterUnits(text.substr(at), length);
    }
    return widths().toPoints(sum);
}

// As the library measures: with word wrap, the text up to the last white space before the first
// character that crosses the width; without, the characters before it.
std::size_t FallbackTextMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    text = text.substr(0, LongestText);
    if (!HasFallbackCharacters(text)) {
        return HaruTextMeasure::measureText(text, width, wordWrap);
    }
    const std::uint64_t over = widths().unitsOver(width);
    std::uint64_t sum = 0;
    std::size_t fits = 0;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        const std::uint32_t units = characterUnits(text.substr(at), length);
        if (length == 0) {
            return at; // the text ends inside this character: what came before fits
        }
        if (IsWhiteSpace(text[at])) {
            fits = at + length;
        } else if (!wordWrap) {
            fits = at;
        }
        sum += units;
        if (sum >= over) {
            return fits;
        }
    }
    return text.size();
}

OverflowScan FallbackTextMeasure::scanOverflow(std::string_view line, float width)
{
    if (!HasFallbackCharacters(line)) {
        return HaruTextMeasure::scanOverflow(line, width);
    }
    const std::uint64_t over = widths().unitsOver(width);
    std::uint64_t sum = 0;
    OverflowScan scan;
    for (std::size_t at = 0, length = 0; at < line.size(); at += std::max<std::size_t>(length, 1)) {
        if (sum >= over) {
            scan.crossing = at;
            return scan;
        }
        sum += characterUnits(line.substr(at), length);
    }
    if (sum >= over) {
        scan.crossing = line.size();
    }
    return scan;
}

} // namespace engine
