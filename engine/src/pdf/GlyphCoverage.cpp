#include "pdf/GlyphCoverage.h"

#include "engine/Utf8.h"

#include "pdf/GlyphLookup.h"
#include "text/FallbackEscape.h"

#include <hpdf_font.h>
#include <hpdf_fontdef.h>

#include <algorithm>
#include <array>

namespace engine {

std::optional<std::string> MissingGlyphWarning(HPDF_Font font, std::string_view text)
{
    HPDF_FontDef fontdef = GlyphLookup::TrueTypeDefinition(font);
    if (!fontdef) {
        return std::nullopt;
    }
    auto* attr = static_cast<HPDF_FontAttr>(font->attr);
    GlyphLookup glyphs(fontdef);
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
        if (text[at] == FallbackEscape) { // drawn by a fallback font that has it
            at += std::max<std::size_t>(ReadFallbackCharacter(text.substr(at)).length, 1);
            continue;
        }
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
    const std::string fontName = fontdef->base_font;
    if (missing == 1) {
        return "1 character has no glyph in the font " + fontName + " and is drawn blank: " + DescribeCharacter(first);
    }
    return std::to_string(missing) + " characters have no glyph in the font " + fontName
        + " and are drawn blank; the first is " + DescribeCharacter(first);
}

} // namespace engine
