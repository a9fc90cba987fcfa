#include "HaruTextMeasure.h"

#include <algorithm>

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
    // The library refuses longer texts; the width of a longer one is the sum of its pieces'.
    float width = 0;
    do {
        std::size_t cut = std::max<std::size_t>(1, m_bounds.floor(text, HPDF_LIMIT_MAX_STRING_LEN));
        std::string_view piece = text.substr(0, cut);
        width += HPDF_Page_TextWidth(m_page, terminated(piece));
        text.remove_prefix(piece.size());
    } while (!text.empty());
    return width;
}

std::size_t HaruTextMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    // Where a text is cut depends only on its front up to the character that crosses the width, and
    // the library refuses to measure more than its longest text at once.
    return m_bounds.floor(text, HPDF_Page_MeasureText(m_page, terminated(text.substr(0, HPDF_LIMIT_MAX_STRING_LEN)),
                                                      width, wordWrap ? HPDF_TRUE : HPDF_FALSE, nullptr));
}

std::size_t HaruTextMeasure::firstCharLength(std::string_view text)
{
    return m_bounds.firstLength(text);
}

} // namespace engine
