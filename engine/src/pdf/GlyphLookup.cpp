#include "pdf/GlyphLookup.h"

#include <hpdf_font.h>
#include <hpdf_fontdef.h>

namespace engine {

GlyphLookup::GlyphLookup(HPDF_FontDef fontdef)
    : m_fontdef(fontdef)
    , m_known(0x10000, Unknown)
{
}

bool GlyphLookup::has(char32_t character)
{
    if (character > 0xFFFF) {
        return false; // the library's encoders hold 16 bits: such a character is never drawn
    }
    auto& known = m_known[character];
    if (known == Unknown) {
        known = HPDF_TTFontDef_GetGlyphid(m_fontdef, static_cast<HPDF_UINT16>(character)) != 0 ? Yes : No;
    }
    return known == Yes;
}

HPDF_FontDef GlyphLookup::TrueTypeDefinition(HPDF_Font font)
{
    auto* attr = font ? static_cast<HPDF_FontAttr>(font->attr) : nullptr;
    if (!attr || !attr->fontdef || attr->fontdef->type != HPDF_FONTDEF_TYPE_TRUETYPE) {
        return nullptr;
    }
    return attr->fontdef;
}

} // namespace engine
