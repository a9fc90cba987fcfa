#pragma once

#include "TextMeasure.h"

#include <string>
#include <string_view>

namespace fuzzsupport {

// Breaks a working text (lines separated by single CRs) into lines with the engine's line breaker
// and checks what the layout promises:
// - every call takes at least one byte, and only the drawn line and the CR that ends it;
// - a drawn line holds no line break and never ends inside a character;
// - a line cut short of its input line's end is not followed by a line break alone (no empty line
//   appears that the text does not have);
// - a drawn line fits the width, unless it is a single character or ends with the one white-space
//   byte that crosses the width.
// Returns the first promise broken, described, or an empty string when all hold.
std::string CheckLayout(std::string_view text, engine::TextMeasure& measure, float width);

// The working text the converter lays out from bytes read: the text-mode rules, then every LF as CR.
std::string WorkingText(std::string bytes);
// Every LF of a text with the text-mode rules applied as CR, the line separator of the working text.
std::string CrLineEnds(std::string text);

} // namespace fuzzsupport
