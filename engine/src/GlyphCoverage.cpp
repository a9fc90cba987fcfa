#include "GlyphCoverage.h"

#include "engine/Utf8.h"

#include <hpdf_font.h>
#include <hpdf_fontdef.h>

#include <array>
#include <vector>

namespace engine {
namespace {

// Whether the font has a glyph for each character, asked of it once per character.
class GlyphLookup
{
public:
    explicit GlyphLookup(HPDF_FontDef fontdef)
        : m_fontdef(fontdef)
        , m_known(0x10000, Unknown)
    {
    }

    bool has(char32_t character)
    {
        if (character > 0xFFFF) {
            return false; // the library's encoders hold 16 bits: such a character never gets here
        }
        auto& known = m_known[character];
        if (known == Unknown) {
            known = HPDF_TTFontDef_GetGlyphid(m_fontdef, static_cast<HPDF_UINT16>(character)) != 0 ? Yes : No;
        }
        return known == Yes;
    }

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

} // namespace

std::optional<std::string> MissingGlyphWarning(HPDF_Font font, std::string_view text)
{
    auto* attr = font ? static_cast<HPDF_FontAttr>(font->attr) : nullptr;
    if (!attr || !attr->fontdef || attr->fontdef->type != HPDF_FONTDEF_TYPE_TRUETYPE) {
        return std::nullopt;
    }
    GlyphLookup glyphs(attr->fontdef);
    const bool utf8 = HPDF_Encoder_GetType(attr->encoder) != HPDF_ENCODER_TYPE_SINGLE_BYTE;
    std::array<char32_t, 256> byteCharacters {};
    if (!utf8) {
        for (unsigned byte = 0; byte < byteCharacters.size(); ++byte) {
            byteCharacters[byte] = HPDF_Encoder_GetUnicode(attr->encoder, static_cast<HPDF_UINT16>(byte));
        }
    }
    std::size_t missing = 0;
    Utf8Char first;
    for (std::size_t at = 0; at < text.size();) {
        Utf8Char c = utf8 ? ReadUtf8Char(text, at)
                          : Utf8Char { byteCharacters[static_cast<unsigned char>(text[at])], 1, true };
        at += c.length;
        if (c.valid && c.value >= 0x20 && !glyphs.has(c.value) && missing++ == 0) {
            first = c;
        }
    }
    if (missing == 0) {
        return std::nullopt;
    }
    const std::string fontName = attr->fontdef->base_font;
    if (missing == 1) {
        return "1 character has no glyph in the font " + fontName + " and is drawn blank: " + DescribeCharacter(first)
            + ".";
    }
    return std::to_string(missing) + " characters have no glyph in the font " + fontName
        + " and are drawn blank; the first is " + DescribeCharacter(first) + ".";
}

} // namespace engine
