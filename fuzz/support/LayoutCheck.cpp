#include "LayoutCheck.h"

#include "LineBreaker.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <vector>

namespace fuzzsupport {
namespace {

// Rounding between the library's two ways of adding widths stays far below this.
constexpr float Tolerance = 0.01f;

bool IsWhiteSpace(char c)
{
    return c == '\t' || c == '\f' || c == ' ';
}

// Marks where characters start, input line by input line, as the measure's encoding sees them.
std::vector<bool> CharacterStarts(std::string_view text, engine::TextMeasure& measure)
{
    std::vector<bool> starts(text.size() + 1, false);
    std::size_t lineStart = 0;
    while (lineStart <= text.size()) {
        std::size_t lineEnd = std::min(text.find('\r', lineStart), text.size());
        for (std::size_t i = lineStart; i < lineEnd;) {
            starts[i] = true;
            i += std::max<std::size_t>(1, measure.firstCharLength(text.substr(i, lineEnd - i)));
        }
        starts[lineEnd] = true;
        lineStart = lineEnd + 1;
    }
    return starts;
}

bool Fits(std::string_view line, engine::TextMeasure& measure, float width)
{
    if (line.empty() || measure.textWidth(line) <= width + Tolerance) {
        return true;
    }
    if (measure.firstCharLength(line) == line.size()) {
        return true;
    }
    return IsWhiteSpace(line.back()) && measure.textWidth(line.substr(0, line.size() - 1)) <= width + Tolerance;
}

std::string At(std::size_t offset, const std::string& what)
{
    return what + " (at byte " + std::to_string(offset) + ")";
}

} // namespace

std::string CheckLayout(std::string_view text, engine::TextMeasure& measure, float width)
{
    const std::vector<bool> starts = CharacterStarts(text, measure);
    engine::LineBreaker breaker(measure, width);
    bool previousWasCut = false;
    for (std::size_t at = 0; at < text.size();) {
        std::string_view rest = text.substr(at);
        engine::LineBreak line = breaker.next(rest);
        if (line.consumed == 0) {
            return At(at, "a call took nothing from the text");
        }
        if (line.consumed > rest.size() || line.length > line.consumed) {
            return At(at, "a call took more than the text holds");
        }
        bool takesItsBreak = line.consumed == line.length + 1 && rest[line.length] == '\r';
        if (line.consumed != line.length && !takesItsBreak) {
            return At(at, "a call took bytes it does not draw");
        }
        std::string_view drawn = rest.substr(0, line.length);
        if (drawn.find('\r') != std::string_view::npos) {
            return At(at, "a drawn line holds a line break");
        }
        if (!starts[at + line.length]) {
            return At(at, "a line ends inside a character");
        }
        if (previousWasCut && drawn.empty() && takesItsBreak) {
            return At(at, "a line cut short is followed by an empty line");
        }
        if (!Fits(drawn, measure, width)) {
            return At(at, "a line of " + std::to_string(drawn.size()) + " bytes is wider than the text width");
        }
        previousWasCut = !takesItsBreak;
        at += line.consumed;
    }
    return {};
}

std::string WorkingText(std::string bytes)
{
    return CrLineEnds(platform::TextModeFromBytes(std::move(bytes)));
}

std::string CrLineEnds(std::string text)
{
    std::replace(text.begin(), text.end(), '\n', '\r');
    return text;
}

} // namespace fuzzsupport
