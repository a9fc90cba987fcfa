#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

struct EncodedText
{
    std::string text; // in the font's encoding
    std::optional<std::string> warning; // counts the characters the encoding lacks
};

// Writes Unicode text (UTF-8) in a font's encoding. A character the encoding lacks is drawn as the
// plain ASCII stand-in iconv offers for it ("-" for U+2010), which counts as replaced, or else as
// "?", which counts as lost; an invalid UTF-8 byte is lost too. One warning tells both counts, each
// with its first character.
EncodedText WriteInFontEncoding(std::string_view unicode, std::string_view fontEncoding);

} // namespace engine
