#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

struct DecodedText
{
    std::string text;                  // text-mode rules applied (LF line ends), in the font's encoding
    std::vector<std::string> warnings; // where the text was cut short; characters drawn as "?"
};

// Turns the raw bytes of an input file into the text the layout sees for a font encoding.
//
// UTF-16 with a byte order mark, UTF-16 without one whose first 4 KB have a NUL in most of their
// high bytes (text in Latin script), and UTF-8 that holds a non-ASCII character (a leading byte
// order mark is dropped) are converted into the font's encoding; a character the encoding lacks
// becomes "?". Any other input passes unchanged, as text in the font's own encoding, except that
// with the UTF-8 encoding a byte that is not part of valid UTF-8 becomes "?" too.
//
// The text-mode rules apply to the characters, not to the bytes of UTF-16: CR LF becomes LF, and a
// NUL or Ctrl+Z (0x1A) character ends the text, with a warning that gives its byte offset and how
// many bytes are left out (none for a lone Ctrl+Z at the very end, the old end-of-file mark).
//
// fileSize, when larger than the bytes, says that they are the front of a longer file: a character
// cut short at their end is dropped, and what is left out counts up to the file's end.
DecodedText DecodeInputBytes(std::string bytes, std::string_view fontEncoding,
                             std::optional<std::uint64_t> fileSize = std::nullopt);

} // namespace engine
