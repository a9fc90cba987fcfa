#pragma once

#include "CharacterBounds.h"
#include "TextMeasure.h"

#include <hpdf.h>

#include <string>

namespace engine {

// Measures through the page's font and size with the library's own calls. Its cuts fall between
// characters of the font's encoding: the library's own measure of UTF-8 text may stop inside a
// character.
class HaruTextMeasure : public TextMeasure
{
public:
    HaruTextMeasure(HPDF_Page page, CharacterBounds bounds);

    void setPage(HPDF_Page page) { m_page = page; }

    float textWidth(std::string_view text) override;
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    std::size_t firstCharLength(std::string_view text) override;

private:
    // The library takes NUL-terminated texts; the buffer is reused so measuring does not allocate.
    const char* terminated(std::string_view text);

    HPDF_Page m_page;
    CharacterBounds m_bounds;
    std::string m_buffer;
};

} // namespace engine
