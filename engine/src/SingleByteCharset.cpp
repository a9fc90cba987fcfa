#include "SingleByteCharset.h"

#include "HaruDocument.h"
#include "engine/Utf8.h"

#include <string>

namespace engine {

SingleByteCharset::SingleByteCharset(std::string_view encodingName)
{
    for (std::size_t code = 0; code < m_characters.size(); ++code) {
        m_characters[code] = code < 0x80 ? static_cast<char32_t>(code) : ReplacementCharacter;
    }
    HaruDocument document;
    HPDF_Encoder encoder = document.valid() ? HPDF_GetEncoder(document.get(), std::string(encodingName).c_str())
                                            : nullptr;
    if (!encoder || HPDF_Encoder_GetType(encoder) != HPDF_ENCODER_TYPE_SINGLE_BYTE) {
        return;
    }
    for (int code = 0x20; code <= 0xFF; ++code) {
        char32_t character = HPDF_Encoder_GetUnicode(encoder, static_cast<HPDF_UINT16>(code));
        m_characters[static_cast<std::size_t>(code)] = character ? character : ReplacementCharacter;
        if (character >= 0x80) {
            m_codes.try_emplace(character, static_cast<unsigned char>(code));
        }
    }
}

bool SingleByteCharset::append(std::string& out, char32_t character)
{
    if (character < 0x80) {
        out += static_cast<char>(character);
        return true;
    }
    auto found = m_codes.find(character);
    if (found == m_codes.end()) {
        return false;
    }
    out += static_cast<char>(found->second);
    return true;
}

std::string SingleByteCharset::toUnicode(std::string_view bytes)
{
    std::string text;
    text.reserve(bytes.size());
    for (char byte : bytes) {
        AppendUtf8(text, m_characters[static_cast<unsigned char>(byte)]);
    }
    return text;
}

} // namespace engine
