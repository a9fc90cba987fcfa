#pragma once

#include "layout/CharWidths.h"
#include "layout/TextMeasure.h"
#include "text/CharacterBounds.h"

#include <hpdf.h>

#include <memory>
#include <string>

namespace engine {

// Measures with the page's font and size as the library does. Widths are added up from the
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

    // The page whose font and size the library's measure uses.
    void setPage(HPDF_Page page) { m_page = page; }

    float textWidth(std::string_view text) override;
    // Measures at most the first LongestText bytes.
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    std::size_t firstCharLength(std::string_view text) override;
    OverflowScan scanOverflow(std::string_view line, float width) override;

protected:
    HPDF_Page page() const { return m_page; }
    const CharacterBounds& bounds() const { return m_bounds; }
    // The library takes NUL-terminated texts; the buffer is reused so measuring does not allocate.
    const char* terminated(std::string_view text);

private:
    HPDF_Page m_page = nullptr;
    CharacterBounds m_bounds;
    std::unique_ptr<CharWidths> m_widths;
    std::string m_buffer;
};

} // namespace engine
