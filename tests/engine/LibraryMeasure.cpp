#include "LibraryMeasure.h"

namespace engine {

float LibraryMeasure::textWidth(std::string_view text)
{
    return HPDF_Page_TextWidth(page(), terminated(text.substr(0, LongestText)));
}

std::size_t LibraryMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    return HPDF_Page_MeasureText(page(), terminated(text.substr(0, LongestText)), width,
                                 wordWrap ? HPDF_TRUE : HPDF_FALSE, nullptr);
}

} // namespace engine
