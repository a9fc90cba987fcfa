#pragma once

#include <hpdf.h>

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// A TrueType font draws a character it has no glyph for as its empty glyph, without a word. Looks the
// characters of a text up in the font (line ends and other control characters aside) and returns a
// warning with their count and the first of them; nothing when every character has a glyph or the
// font is not a TrueType font. The text is in the font's encoding: single bytes, or UTF-8.
std::optional<std::string> MissingGlyphWarning(HPDF_Font font, std::string_view text);

} // namespace engine
