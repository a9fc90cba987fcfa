#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

class FallbackChooser;

struct EncodedText
{
    std::string text; // in the font's encoding
    std::optional<std::string> warning; // counts the characters the encoding lacks
};

// Writes Unicode text (UTF-8) in a font's encoding. A character the encoding lacks is drawn as the
// plain ASCII stand-in iconv offers for it ("-" for U+2010), which counts as replaced, or else as
// "?", which counts as lost; an invalid UTF-8 byte is lost too. One warning tells both counts, each
// with its first character.
//
// With a fallback chooser, a character that the encoding lacks or the page font has no glyph for is
// drawn by a fallback font that has it, escaped in the text (FallbackEscape.h); hyphens, the minus
// sign and blanks still take their stand-ins first. "?" then stays for characters that no font has.
EncodedText WriteInFontEncoding(std::string_view unicode, std::string_view fontEncoding,
                                FallbackChooser* fallback = nullptr);

} // namespace engine
