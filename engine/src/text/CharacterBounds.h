#pragma once

#include <hpdf.h>

#include <cstddef>
#include <string_view>

namespace engine {

// Where the characters of a text begin and end in the encoding of a font: one byte each in a
// single-byte encoding, one or two as the lead bytes of a CMap say, one to four in UTF-8. The
// layout uses it so that it never cuts a line inside a character.
class CharacterBounds
{
public:
    static CharacterBounds ForFont(HPDF_Doc document, HPDF_Font font);
    static CharacterBounds SingleByte() { return CharacterBounds(Kind::SingleByte, nullptr); }
    static CharacterBounds Utf8() { return CharacterBounds(Kind::Utf8, nullptr); }

    // Byte length of the first character of the text (0 for an empty text); a character escaped for a
    // fallback font (FallbackEscape.h) is one character.
    std::size_t firstLength(std::string_view text) const;
    // The largest cut at a character boundary that is no further than `cut` bytes into the text.
    std::size_t floor(std::string_view text, std::size_t cut) const;

private:
    enum class Kind { SingleByte, CMap, Utf8 };
    CharacterBounds(Kind kind, HPDF_Encoder encoder);

    bool isTrailByte(std::string_view text, std::size_t at) const;

    Kind m_kind;
    HPDF_Encoder m_encoder; // the CMap's encoder, for its lead and trail bytes
};

} // namespace engine
