#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

// A character that the page font cannot draw and a fallback font draws stays in the text of the page
// font's encoding, so that the layout keeps one string per line: behind a NUL, which no laid-out text
// holds otherwise (a NUL ends the text), come the fallback font's number as the byte 0x80 + n (never a
// blank, tab, line end or form feed, which the layout looks for) and the character in UTF-8.
inline constexpr char FallbackEscape = '\0';
// Fallback fonts one document can have.
inline constexpr unsigned MaxFallbackFonts = 0x80;
// The longest escaped character: the escape, the font's number and four bytes of UTF-8.
inline constexpr std::size_t LongestFallbackCharacter = 6;

struct FallbackCharacter
{
    unsigned font = 0;     // the fallback font's number
    std::string_view utf8; // the character
    std::size_t length = 0; // of the escaped character in the text; 0 when the text ends inside it
};

// Appends the escaped character (valid UTF-8 of one character) for the fallback font.
void AppendFallbackCharacter(std::string& out, unsigned font, std::string_view utf8);

// The escaped character at the front of a text that starts with FallbackEscape.
FallbackCharacter ReadFallbackCharacter(std::string_view text);

// Whether a text holds an escaped character.
inline bool HasFallbackCharacters(std::string_view text)
{
    return text.find(FallbackEscape) != std::string_view::npos;
}

} // namespace engine
