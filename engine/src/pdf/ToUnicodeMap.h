#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace engine {

// The ToUnicode CMap of a font whose codes are codeBytes long (1 or 2): each code drawn with the
// character it stands for, in bfrange lines where codes and characters run on together and bfchar
// lines otherwise, the characters in UTF-16BE (surrogate pairs beyond the Basic Multilingual Plane).
// Copy, search and screen readers take the text from it.
std::string ToUnicodeCMap(const std::map<std::uint32_t, char32_t>& characters, int codeBytes);

} // namespace engine
