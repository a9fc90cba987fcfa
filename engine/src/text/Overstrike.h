#pragma once

#include <string>

namespace engine {

// Removes the overstrikes of formatted manual pages, where a character, a backspace and a second
// character print one over the other: "X\bX" (bold) keeps X, "_\bX" and "X\b_" (underlined) keep X;
// any other pair keeps the second character, as a terminal shows it. Never both characters. A
// backspace without a character on either side stays. Characters are read as UTF-8 when utf8 is
// true, else as single bytes.
std::string RemoveOverstrikes(std::string text, bool utf8);

} // namespace engine
