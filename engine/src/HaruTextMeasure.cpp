#include "HaruTextMeasure.h"

namespace engine {

HaruTextMeasure::HaruTextMeasure(HPDF_Page page, HPDF_Encoder encoder)
    : m_page(page)
    , m_encoder(encoder)
{
}

const char* HaruTextMeasure::terminated(std::string_view text)
{
    m_buffer.assign(text.data(), text.size());
    return m_buffer.c_str();
}

float HaruTextMeasure::textWidth(std::string_view text)
{
    // The library refuses longer texts; the width of a longer one is the sum of its pieces'.
    float width = 0;
    do {
        std::string_view piece = text.substr(0, HPDF_LIMIT_MAX_STRING_LEN);
        width += HPDF_Page_TextWidth(m_page, terminated(piece));
        text.remove_prefix(piece.size());
    } while (!text.empty());
    return width;
}

std::size_t HaruTextMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    // Where a text is cut depends only on its front up to the character that crosses the width, and
    // the library refuses to measure more than its longest text at once.
    return HPDF_Page_MeasureText(m_page, terminated(text.substr(0, HPDF_LIMIT_MAX_STRING_LEN)), width,
                                 wordWrap ? HPDF_TRUE : HPDF_FALSE, nullptr);
}

std::size_t HaruTextMeasure::firstCharLength(std::string_view text)
{
    if (text.size() >= 2 && m_encoder && HPDF_Encoder_GetType(m_encoder) == HPDF_ENCODER_TYPE_DOUBLE_BYTE
        && HPDF_Encoder_GetByteType(m_encoder, terminated(text.substr(0, 2)), 0) == HPDF_BYTE_TYPE_LEAD) {
        return 2;
    }
    return text.empty() ? 0 : 1;
}

} // namespace engine
