#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

// How the bytes of a file hold its characters.
struct InputForm
{
    enum Kind
    {
        Bytes,
        Utf16Le,
        Utf16Be
    } kind
        = Bytes;
    std::size_t start = 0; // where the text starts: after a UTF-16 byte order mark
};

// The form of a file read in an input encoding ("Auto" or a name iconv knows). Auto takes UTF-16
// from a byte order mark, or guesses it for a file without one that has NUL bytes: in the byte
// order where the NULs are high bytes (at least two, and one unit in 50), its first 4 KB read as text characters (no
// control characters but those text uses, no broken surrogate pair, up to the first NUL character), and fewer than half
// of them are two printable ASCII bytes (as they are when ASCII text with a NUL is read as UTF-16). A UTF-16 name gives
// UTF-16, its byte order mark skipped; any other name bytes.
InputForm DetectForm(std::string_view bytes, std::string_view inputEncoding);

// The UTF-16 unit at a byte offset of UTF-16 bytes.
char32_t Utf16UnitAt(std::string_view bytes, std::size_t at, InputForm::Kind kind);

// Whether bytes that are not UTF-16 are no text, by the rule grep and file(1) use: they have a NUL
// byte. The NUL of a text file cut short (a text, then NUL bytes) is no such sign: the file is text
// when the bytes before its first NUL are, that is when they are some and hold no control byte that
// text does not use (text uses TAB, LF, VT, FF, CR, backspace, SO, SI and ESC).
bool IsNotText(std::string_view bytes);

} // namespace engine
