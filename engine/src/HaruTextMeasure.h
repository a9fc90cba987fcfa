#pragma once

#include "CharWidths.h"
#include "TextMeasure.h"

#include <hpdf.h>

#include <memory>
#include <string>

namespace engine {

// Measures with the page's font and size as the library does. Widths are added up from the
// library's own per-character widths, so that a line is never measured twice; where a line fits is
// asked of the library itself, on no more of the line than the question needs.
class HaruTextMeasure : public TextMeasure
{
public:
    // The longest text the library measures or shows; it refuses longer ones.
    static constexpr std::size_t LongestText = HPDF_LIMIT_MAX_STRING_LEN;

    // encoder: the font's multi-byte encoder for a CID font, else null.
    HaruTextMeasure(HPDF_Font font, float fontSize, HPDF_Encoder encoder);

    // The page whose font and size the library's measure uses.
    void setPage(HPDF_Page page) { m_page = page; }

    float textWidth(std::string_view text) override;
    // Measures at most the first LongestText bytes.
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    std::size_t firstCharLength(std::string_view text) override;
    OverflowScan scanOverflow(std::string_view line, float width) override;

protected:
    HPDF_Page page() const { return m_page; }
    // The library takes NUL-terminated texts; the buffer is reused so measuring does not allocate.
    const char* terminated(std::string_view text);

private:
    HPDF_Page m_page = nullptr;
    HPDF_Encoder m_encoder;
    std::unique_ptr<CharWidths> m_widths;
    std::string m_buffer;
};

} // namespace engine
