#pragma once

#include "layout/HaruTextMeasure.h"
#include "layout/Utf8Widths.h"

#include <memory>
#include <vector>

namespace engine {

// Measures lines that hold characters escaped for fallback fonts (FallbackEscape.h): each character
// in the font that draws it, all at the page's size, so that widths in thousandths of the size add up
// across fonts. A line without such characters is measured as HaruTextMeasure measures it.
class FallbackTextMeasure : public HaruTextMeasure
{
public:
    FallbackTextMeasure(HPDF_Doc document, HPDF_Font font, float fontSize, const std::vector<HPDF_Font>& fallbacks);

    float textWidth(std::string_view text) override;
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    OverflowScan scanOverflow(std::string_view line, float width) override;

private:
    // The units of the character at the front of the text; length receives its byte length, 0 for an
    // escaped character that the text cuts short.
    std::uint32_t characterUnits(std::string_view text, std::size_t& length);

    std::vector<std::unique_ptr<Utf8Widths>> m_fallbackWidths; // by fallback font
};

} // namespace engine
