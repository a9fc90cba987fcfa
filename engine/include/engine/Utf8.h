#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace engine {

inline constexpr char32_t ReplacementCharacter = 0xFFFD;

// One character read from UTF-8 text. An ill-formed sequence (a stray continuation byte, a
// truncated or overlong sequence, a surrogate, a value above U+10FFFF) reads as one invalid byte.
struct Utf8Char
{
    char32_t value = 0;
    std::size_t length = 0; // bytes taken from the text, at least 1 for a non-empty text
    bool valid = false;
};

// The character that starts at position `at` of a non-empty text.
Utf8Char ReadUtf8Char(std::string_view text, std::size_t at);

bool IsValidUtf8(std::string_view text);
bool HasNonAscii(std::string_view text);

void AppendUtf8(std::string& out, char32_t value);

// A character as a message names it: "U+4E2D \"中\"" (the character itself from U+00A0 on), or
// "the byte 0xE9 (not UTF-8)" for an invalid one.
std::string DescribeCharacter(const Utf8Char& c);

// UTF-16 bytes (without their byte order mark) as UTF-8; an unpaired surrogate or an odd last byte
// becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian);

} // namespace engine
