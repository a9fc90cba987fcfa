#pragma once

#include <hpdf.h>

#include <vector>

namespace engine {

// Whether a TrueType font has a glyph for each character, asked of it once per character.
class GlyphLookup
{
public:
    explicit GlyphLookup(HPDF_FontDef fontdef);

    bool has(char32_t character);

    // The TrueType font definition of a font; null for another kind of font.
    static HPDF_FontDef TrueTypeDefinition(HPDF_Font font);

private:
    enum : char
    {
        Unknown,
        Yes,
        No
    };
    HPDF_FontDef m_fontdef;
    std::vector<char> m_known; // by code point
};

} // namespace engine
