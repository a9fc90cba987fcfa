#include "pdf/EmbeddedTrueType.h"

#include <hpdf_doc.h>
#include <hpdf_font.h>
#include <hpdf_fontdef.h>

namespace engine {
namespace {

bool EmbedsTrueType(HPDF_FontDef fontdef)
{
    return fontdef && fontdef->type == HPDF_FONTDEF_TYPE_TRUETYPE
        && static_cast<HPDF_TTFontDefAttr>(fontdef->attr)->embedding;
}

SingleByteCharacters CharactersOf(HPDF_Encoder encoder)
{
    SingleByteCharacters characters {};
    for (HPDF_UINT16 code = 0; code < characters.size(); ++code) {
        characters[code] = HPDF_Encoder_GetUnicode(encoder, code);
    }
    return characters;
}

} // namespace

EmbeddedTrueType FindEmbeddedTrueType(HPDF_Doc doc)
{
    EmbeddedTrueType fonts;
    if (!doc || !doc->font_mgr) {
        return fonts;
    }
    for (HPDF_UINT i = 0; i < doc->font_mgr->count; ++i) {
        auto font = static_cast<HPDF_Font>(HPDF_List_ItemAt(doc->font_mgr, i));
        auto attr = static_cast<HPDF_FontAttr>(font->attr);
        if (!EmbedsTrueType(attr->fontdef)) {
            continue;
        }
        fonts.any = true;
        if (attr->type == HPDF_FONT_TRUETYPE && attr->encoder) {
            const int object = static_cast<int>(font->header.obj_id & 0x00FFFFFF);
            fonts.singleByte.emplace(object, CharactersOf(attr->encoder));
        }
    }
    return fonts;
}

} // namespace engine
