#include "text/CharacterBounds.h"

#include "engine/ChoiceLists.h"
#include "engine/Utf8.h"

#include "text/FallbackEscape.h"

#include <algorithm>
#include <string>

namespace engine {

CharacterBounds::CharacterBounds(Kind kind, HPDF_Encoder encoder)
    : m_kind(kind)
    , m_encoder(encoder)
{
}

CharacterBounds CharacterBounds::ForFont(HPDF_Doc document, HPDF_Font font)
{
    const char* name = font ? HPDF_Font_GetEncodingName(font) : nullptr;
    if (!name) {
        return SingleByte();
    }
    if (name == Utf8EncodingName) {
        return Utf8();
    }
    // The library's byte types are only defined for CMap encoders (its UTF-8 encoder has none).
    HPDF_Encoder encoder = HPDF_GetEncoder(document, name);
    if (encoder && HPDF_Encoder_GetType(encoder) == HPDF_ENCODER_TYPE_DOUBLE_BYTE) {
        return CharacterBounds(Kind::CMap, encoder);
    }
    return SingleByte();
}

std::size_t CharacterBounds::firstLength(std::string_view text) const
{
    if (text.empty()) {
        return 0;
    }
    if (text[0] == FallbackEscape) {
        return std::max<std::size_t>(ReadFallbackCharacter(text).length, 1);
    }
    switch (m_kind) {
    case Kind::SingleByte:
        return 1;
    case Kind::CMap:
        return text.size() >= 2 && isTrailByte(text.substr(0, 2), 1) ? 2 : 1;
    case Kind::Utf8:
        return ReadUtf8Char(text, 0).length;
    }
    return 1;
}

std::size_t CharacterBounds::floor(std::string_view text, std::size_t cut) const
{
    cut = std::min(cut, text.size());
    switch (m_kind) {
    case Kind::SingleByte:
        break;
    case Kind::CMap:
        // A trail byte always follows its lead byte, so one step back reaches the boundary.
        if (cut > 0 && cut < text.size() && isTrailByte(text.substr(0, cut + 1), cut)) {
            --cut;
        }
        break;
    case Kind::Utf8:
        while (cut > 0 && cut < text.size() && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        break;
    }
    return cut;
}

bool CharacterBounds::isTrailByte(std::string_view text, std::size_t at) const
{
    // The library reads the bytes up to `at` from the start and wants them NUL-terminated.
    std::string terminated(text);
    return HPDF_Encoder_GetByteType(m_encoder, terminated.c_str(), static_cast<HPDF_UINT>(at))
        == HPDF_BYTE_TYPE_TRIAL;
}

} // namespace engine
