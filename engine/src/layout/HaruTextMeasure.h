#pragma once

#include "layout/CharWidths.h"
#include "layout/TextMeasure.h"
#include "text/CharacterBounds.h"

#include <hpdf.h>

#include <memory>
#include <string>

namespace engine {

// Measures with the font and size of the pages as the library does, without a page. Widths are added up from the
// library's own per-character widths, so that a line is never measured twice; where a line fits is
// asked of the library itself, on no more of the line than the question needs. Its cuts fall
// between characters of the font's encoding: the library's own measure of UTF-8 text may stop
// inside a character.
class HaruTextMeasure : public TextMeasure
{
public:
    // The longest text the library measures or shows; it refuses longer ones.
    static constexpr std::size_t LongestText = HPDF_LIMIT_MAX_STRING_LEN;

    HaruTextMeasure(HPDF_Doc document, HPDF_Font font, float fontSize);

    float textWidth(std::string_view text) override;
    // Measures at most the first LongestText bytes.
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    std::size_t firstCharLength(std::string_view text) override;
    OverflowScan scanOverflow(std::string_view line, float width) override;

protected:
    const CharacterBounds& bounds() const { return m_bounds; }
    CharWidths& widths() { return *m_widths; }

private:
    HPDF_Font m_font;
    float m_fontSize;
    CharacterBounds m_bounds;
    std::unique_ptr<CharWidths> m_widths;
};

} // namespace engine
