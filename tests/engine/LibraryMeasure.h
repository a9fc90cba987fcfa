#pragma once

#include "layout/HaruTextMeasure.h"

#include <string>

namespace engine {

// The library's measures asked directly on the whole text given, as the layout first asked them:
// one HPDF_Page_TextWidth or HPDF_Page_MeasureText call per question, the text copied each time.
// Texts longer than the library takes are cut to its limit, where it would refuse them. Cuts fall
// between characters, as the converter's measure has them.
class LibraryMeasure : public HaruTextMeasure
{
public:
    using HaruTextMeasure::HaruTextMeasure;

    // The page whose font and size the library's measures use.
    void setPage(HPDF_Page page) { m_page = page; }

    float textWidth(std::string_view text) override;
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;

private:
    // The whole text copied, as the first layout copied it; cut to the library's limit.
    const char* whole(std::string_view text);

    HPDF_Page m_page = nullptr;
    std::string m_copy;
    std::string m_cut;
};

} // namespace engine
