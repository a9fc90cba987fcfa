#pragma once

#include "engine/ConversionOptions.h"
#include "engine/PageSizes.h"

#include "pdf/HaruDocument.h"

#include <string>
#include <string_view>

namespace engine {

// The page geometry of one conversion, checked before any PDF work.
struct PageGeometry
{
    PageBox box {};
    float fontSize = 0;  // S: the font size in use
    float textWidth = 0; // W: page width less the left and right margins
};

// Points between lines: the first baseline lies LineGap below the top margin, and baselines are
// S + LineGap apart.
inline constexpr float LineGap = 5;

// Adds pages to the document and draws lines on them; a page is full once a baseline is at or below
// the bottom margin (that line still belongs to it).
class PageWriter
{
public:
    PageWriter(HaruDocument& document, HPDF_Font font, const ConversionOptions& options, const PageGeometry& geometry);

    // Adds a page of the configured size and opens its text object; false when the library refused.
    bool beginPage();
    void endPage();
    // Draws the line below the last one; false when the library refused, which leaves the text where it
    // was, so that the page would never fill.
    bool drawLine(std::string_view line);
    bool pageFull() const;
    HPDF_Page page() const { return m_page; }
    // The pages this writer added.
    int pageCount() const { return m_pageCount; }

private:
    HaruDocument& m_document;
    HPDF_Font m_font;
    const ConversionOptions& m_options;
    PageGeometry m_geometry;
    HPDF_Page m_page = nullptr;
    int m_pageCount = 0;
    std::string m_lineBuffer; // NUL-terminated copy for the library, reused from line to line
};

} // namespace engine
