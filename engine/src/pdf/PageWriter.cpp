#include "pdf/PageWriter.h"

namespace engine {

PageWriter::PageWriter(HaruDocument& document, HPDF_Font font, const ConversionOptions& options,
                       const PageGeometry& geometry)
    : m_document(document)
    , m_font(font)
    , m_options(options)
    , m_geometry(geometry)
{
}

bool PageWriter::beginPage()
{
    m_page = HPDF_AddPage(m_document.get());
    if (!m_page) {
        return false;
    }
    HPDF_Page_SetWidth(m_page, static_cast<HPDF_REAL>(m_geometry.box.width));
    HPDF_Page_SetHeight(m_page, static_cast<HPDF_REAL>(m_geometry.box.height));
    HPDF_Page_SetFontAndSize(m_page, m_font, m_geometry.fontSize);
    HPDF_Page_BeginText(m_page);
    HPDF_Page_MoveTextPos(m_page, static_cast<HPDF_REAL>(m_options.LeftMargin),
                          HPDF_Page_GetHeight(m_page) - static_cast<HPDF_REAL>(m_options.TopMargin)
                              + m_geometry.fontSize);
    return !m_document.failed();
}

void PageWriter::endPage()
{
    HPDF_Page_EndText(m_page);
}

bool PageWriter::drawLine(std::string_view line)
{
    HPDF_Page_MoveTextPos(m_page, 0, -m_geometry.fontSize - m_geometry.lineGap);
    // The library refuses to show more than its longest text at once; a line that long still fits
    // only when its characters have no width, so pieces shown one after another look the same.
    while (!line.empty()) {
        std::string_view piece = line.substr(0, HPDF_LIMIT_MAX_STRING_LEN);
        m_lineBuffer.assign(piece.data(), piece.size());
        HPDF_Page_ShowText(m_page, m_lineBuffer.c_str());
        line.remove_prefix(piece.size());
    }
    return !m_document.failed();
}

bool PageWriter::pageFull() const
{
    return static_cast<HPDF_REAL>(m_options.BottomMargin) >= HPDF_Page_GetCurrentTextPos(m_page).y;
}

} // namespace engine
