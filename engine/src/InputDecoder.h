#pragma once

#include <string>
#include <string_view>

namespace engine {

struct DecodedText
{
    std::string text;    // text-mode rules applied (LF line ends), in the font's encoding
    std::string warning; // empty, or how many characters are drawn as "?" and the first of them
};

// Turns the raw bytes of an input file into the text the layout sees for a font encoding.
//
// UTF-16 with a byte order mark, and UTF-8 that holds a non-ASCII character (a leading byte order
// mark is dropped), are converted into the font's encoding; a character the encoding lacks becomes
// "?". Any other input passes unchanged, as text in the font's own encoding, except that with the
// UTF-8 encoding a byte that is not part of valid UTF-8 becomes "?" too. The text-mode rules (CR LF
// to LF, 0x1A or NUL ends the text) apply to the characters, not to the bytes of UTF-16.
DecodedText DecodeInputBytes(std::string bytes, std::string_view fontEncoding);

} // namespace engine
