#pragma once

#include "layout/PageFrame.h"
#include "layout/Pagination.h"

#include "pdf/HaruDocument.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace engine {

// The left, centre and right parts of a header or footer line, in the font's encoding.
using BandTexts = std::array<std::string, 3>;

// The header and footer of a page; null for none. The footer's texts are drawn as the page ends.
struct PageBands
{
    const BandTexts* header = nullptr;
    const BandTexts* footer = nullptr;
};

// Adds pages to the document and draws on them, where the frame places things: the header and footer
// with their rules, and the lines of the body with their numbers. Characters escaped for fallback
// fonts (FallbackEscape.h) are drawn in those fonts, at the same size, between runs in the page font.
class PageWriter
{
public:
    PageWriter(HaruDocument& document, HPDF_Font font, const PageFrame& frame,
               std::span<const HPDF_Font> fallbacks = {});

    // Adds a page of the frame's size, draws its header and opens the body's text object; false when
    // the library refused.
    bool beginPage(const PageBands& bands = {});
    // Ends the body's text object and draws the footer: after the body, as a reader reads the page.
    void endPage();
    // Draws a line of the body, its number right-aligned in the gutter; false when the library
    // refused.
    bool drawLine(const PlacedLine& line);
    HPDF_Page page() const { return m_page; }
    // The pages this writer added.
    int pageCount() const { return m_pageCount; }

private:
    void drawBand(const BandTexts& texts, const BandPlace& place);
    void moveTo(double x, double y);
    // Shows text at the current point, in runs of one font at the size.
    void show(std::string_view text, float size);
    void showPiecewise(std::string_view text);
    // Sets the page font again when a fallback font is set.
    void usePageFont(float size);
    // The width of a text with escaped characters at the size.
    double width(std::string_view text, float size) const;

    HaruDocument& m_document;
    HPDF_Font m_font;
    const PageFrame& m_frame;
    std::span<const HPDF_Font> m_fallbacks;
    bool m_fallbackSet = false; // a fallback font is the current font
    HPDF_Page m_page = nullptr;
    int m_pageCount = 0;
    const BandTexts* m_footer = nullptr;
    // Where the text line the library draws at starts: moves are relative to it.
    double m_x = 0;
    double m_y = 0;
    std::array<HPDF_UINT, 10> m_digitWidths {}; // of the line numbers' digits
    std::string m_lineBuffer; // NUL-terminated copy for the library, reused from line to line
};

} // namespace engine
