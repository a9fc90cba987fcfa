#include "HaruTextMeasure.h"

#include "MultiByteWidths.h"
#include "SingleByteWidths.h"

namespace engine {
namespace {

SingleByteWidths::Table ByteWidths(HPDF_Font font)
{
    SingleByteWidths::Table table {};
    for (unsigned value = 1; value < 256; ++value) {
        const HPDF_BYTE text[2] = { static_cast<HPDF_BYTE>(value), 0 };
        table[value] = HPDF_Font_TextWidth(font, text, 1).width;
    }
    return table;
}

} // namespace

HaruTextMeasure::HaruTextMeasure(HPDF_Font font, float fontSize, HPDF_Encoder encoder)
    : m_encoder(encoder)
{
    if (encoder) {
        m_widths = std::make_unique<MultiByteWidths>(font, encoder, fontSize);
    } else {
        m_widths = std::make_unique<SingleByteWidths>(ByteWidths(font), fontSize);
    }
}

const char* HaruTextMeasure::terminated(std::string_view text)
{
    m_buffer.assign(text.data(), text.size());
    return m_buffer.c_str();
}

float HaruTextMeasure::textWidth(std::string_view text)
{
    return m_widths->textWidth(text);
}

std::size_t HaruTextMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    return HPDF_Page_MeasureText(m_page, terminated(text.substr(0, LongestText)), width,
                                 wordWrap ? HPDF_TRUE : HPDF_FALSE, nullptr);
}

std::size_t HaruTextMeasure::firstCharLength(std::string_view text)
{
    if (text.size() >= 2 && m_encoder
        && HPDF_Encoder_GetByteType(m_encoder, terminated(text.substr(0, 2)), 0) == HPDF_BYTE_TYPE_LEAD) {
        return 2;
    }
    return text.empty() ? 0 : 1;
}

OverflowScan HaruTextMeasure::scanOverflow(std::string_view line, float width)
{
    return m_widths->scanOverflow(line, width);
}

} // namespace engine
