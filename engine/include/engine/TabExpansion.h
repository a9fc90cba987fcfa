#pragma once

#include <string>

namespace engine {

// Replaces every tab of a decoded text with the blanks up to the next tab stop, as the converter does
// before it breaks the text into lines. Stops lie every tabWidth columns; columns count characters
// (not bytes) from the start of the line, and every line break (CR, LF, CR LF) starts a line again.
// A tabWidth of 0 or less leaves the text as it is, tabs included.
//
// The text is UTF-8, such as InputText::unicodeText (TextDecoding.h): it gives the same columns as
// the converter's expansion of the text in the font's encoding, one character each. Meant for a
// preview that shows the text as its PDF will show it.
std::string ExpandTabs(std::string utf8Text, int tabWidth);

} // namespace engine
