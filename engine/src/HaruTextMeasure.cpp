#include "HaruTextMeasure.h"

namespace engine {

HaruTextMeasure::HaruTextMeasure(HPDF_Page page, CharacterBounds bounds)
    : m_page(page)
    , m_bounds(bounds)
{
}

const char* HaruTextMeasure::terminated(std::string_view text)
{
    m_buffer.assign(text.data(), text.size());
    return m_buffer.c_str();
}

float HaruTextMeasure::textWidth(std::string_view text)
{
    return HPDF_Page_TextWidth(m_page, terminated(text));
}

std::size_t HaruTextMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    return m_bounds.floor(
        text, HPDF_Page_MeasureText(m_page, terminated(text), width, wordWrap ? HPDF_TRUE : HPDF_FALSE, nullptr));
}

std::size_t HaruTextMeasure::firstCharLength(std::string_view text)
{
    return m_bounds.firstLength(text);
}

} // namespace engine
