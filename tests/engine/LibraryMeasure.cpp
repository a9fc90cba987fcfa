#include "LibraryMeasure.h"

namespace engine {

const char* LibraryMeasure::whole(std::string_view text)
{
    m_copy.assign(text.data(), text.size());
    const char* copy = m_copy.c_str();
    if (text.size() > LongestText) {
        m_cut.assign(copy, LongestText);
        return m_cut.c_str();
    }
    return copy;
}

float LibraryMeasure::textWidth(std::string_view text)
{
    return HPDF_Page_TextWidth(m_page, whole(text));
}

std::size_t LibraryMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    return bounds().floor(text,
                          HPDF_Page_MeasureText(m_page, whole(text), width, wordWrap ? HPDF_TRUE : HPDF_FALSE, nullptr));
}

} // namespace engine
