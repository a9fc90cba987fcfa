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
    // Points between lines: the first baseline lies lineGap below the top margin, and baselines are
    // S + lineGap apart.
    float lineGap = 0;
};

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

private:
    HaruDocument& m_document;
    HPDF_Font m_font;
    const ConversionOptions& m_options;
    PageGeometry m_geometry;
    HPDF_Page m_page = nullptr;
    std::string m_lineBuffer; // NUL-terminated copy for the library, reused from line to line
};

} // namespace engine
