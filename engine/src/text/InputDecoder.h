#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

class FallbackChooser;

struct DecodedText
{
    std::string text;                  // text-mode rules applied (LF line ends), in the font's encoding
    std::vector<std::string> warnings; // where the text was cut short; characters drawn as "?"
    bool cutShort = false; // the bytes were the front of a longer file and the text had not ended in them
    bool notText = false; // the bytes are no text (IsNotText, InputForm.h): nothing else is set
};

// Why a file that is no text is not converted.
inline constexpr std::string_view NotTextError = "not a text file";

// Turns the raw bytes of an input file into the text the layout sees for a font encoding.
//
// The input encoding says how the bytes hold characters: "Auto", or a name iconv knows. Auto reads
// UTF-16 from its byte order mark, or without one when it looks so (DetectForm, InputForm.h); bytes
// that are not UTF-16 but hold a NUL after no text are no text at all (notText). Other bytes are
// UTF-8 when they are valid UTF-8 with a non-ASCII character (a leading byte order mark is dropped,
// and decides that the bytes are UTF-8), or UTF-8 but for a few stray bytes, read as CP1252 and told
// in a warning; else the encoding the charset detector is confident of (CharsetDetector.h); else the
// bytes pass unchanged, as text in the font's own encoding, except that with the UTF-8 font encoding
// a byte that is not part of valid UTF-8 becomes "?". A named encoding is decoded with iconv.
//
// Decoded text is written in the font's encoding; a character the encoding lacks is drawn as iconv's
// ASCII stand-in, or else as "?", counted in one warning (FontEncodingWriter.h). The overstrikes of
// formatted manual pages ("X\bX", "_\bX") keep one character (Overstrike.h). With a fallback chooser,
// decoded characters that the page font cannot draw are escaped for fallback fonts that can.
//
// The text-mode rules apply to the characters, not to the bytes of UTF-16: CR LF becomes LF, and a
// NUL or Ctrl+Z (0x1A) character ends the text, with a warning that gives its byte offset and how
// many bytes are left out (none for a lone Ctrl+Z at the very end, the old end-of-file mark).
//
// fileSize, when larger than the bytes, says that they are the front of a longer file (see PrefixEnd):
// what is left out counts up to the file's end.
DecodedText DecodeInputBytes(std::string bytes, std::string_view fontEncoding,
                             std::string_view inputEncoding = "Auto",
                             std::optional<std::uint64_t> fileSize = std::nullopt,
                             FallbackChooser* fallback = nullptr);

// How long the front of a file may be, at most limit bytes, to end at the start of a character as
// DecodeInputBytes will read it: not inside a UTF-16 unit or surrogate pair, nor inside a valid UTF-8
// sequence. The bytes go on past the limit as far as the file has them, up to PrefixLookahead bytes,
// which tell whether a sequence that the limit splits is UTF-8.
inline constexpr std::size_t PrefixLookahead = 3;
std::size_t PrefixEnd(std::string_view bytes, std::size_t limit, std::string_view inputEncoding = "Auto");

} // namespace engine
