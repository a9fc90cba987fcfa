#include "pdf/PageWriter.h"

#include <charconv>

namespace engine {

PageWriter::PageWriter(HaruDocument& document, HPDF_Font font, const PageFrame& frame)
    : m_document(document)
    , m_font(font)
    , m_frame(frame)
{
    for (char digit = '0'; digit <= '9'; ++digit) {
        m_digitWidths[static_cast<std::size_t>(digit - '0')]
            = HPDF_Font_TextWidth(m_font, reinterpret_cast<const HPDF_BYTE*>(&digit), 1).width;
    }
}

bool PageWriter::beginPage(const PageBands& bands)
{
    m_page = HPDF_AddPage(m_document.get());
    if (!m_page) {
        return false;
    }
    ++m_pageCount;
    HPDF_Page_SetWidth(m_page, static_cast<HPDF_REAL>(m_frame.box.width));
    HPDF_Page_SetHeight(m_page, static_cast<HPDF_REAL>(m_frame.box.height));
    if (bands.header) {
        drawBand(*bands.header, m_frame.header);
    }
    m_footer = bands.footer;
    HPDF_Page_SetFontAndSize(m_page, m_font, m_frame.fontSize);
    HPDF_Page_BeginText(m_page);
    // One line above the first, so that every line moves down to its baseline.
    m_x = m_y = 0;
    moveTo(m_frame.columnLeft(0) + m_frame.gutter.width, m_frame.baseline(-1));
    return !m_document.failed();
}

void PageWriter::endPage()
{
    HPDF_Page_EndText(m_page);
    if (m_footer) {
        drawBand(*m_footer, m_frame.footer);
    }
    m_document.pageComplete(m_page);
}

bool PageWriter::drawLine(const PlacedLine& line)
{
    const double x = m_frame.columnLeft(line.column) + m_frame.gutter.width;
    const double y = m_frame.baseline(line.row);
    if (line.number > 0) {
        char digits[24];
        const auto end = std::to_chars(std::begin(digits), std::end(digits), line.number).ptr;
        const std::string_view number(digits, static_cast<std::size_t>(end - digits));
        HPDF_UINT width = 0; // in thousandths of the font size, as the library adds widths up
        for (char digit : number) {
            width += m_digitWidths[static_cast<std::size_t>(digit - '0')];
        }
        moveTo(x - m_frame.gutter.space - static_cast<double>(width) * m_frame.fontSize / 1000, y);
        show(number);
    }
    moveTo(x, y);
    show(line.text);
    return !m_document.failed();
}

void PageWriter::moveTo(double x, double y)
{
    HPDF_Page_MoveTextPos(m_page, static_cast<HPDF_REAL>(x - m_x), static_cast<HPDF_REAL>(y - m_y));
    m_x = x;
    m_y = y;
}

// The library refuses to show more than its longest text at once; a line that long still fits only
// when its characters have no width, so pieces shown one after another look the same.
void PageWriter::show(std::string_view text)
{
    while (!text.empty()) {
        std::string_view piece = text.substr(0, HPDF_LIMIT_MAX_STRING_LEN);
        m_lineBuffer.assign(piece.data(), piece.size());
        HPDF_Page_ShowText(m_page, m_lineBuffer.c_str());
        text.remove_prefix(piece.size());
    }
}

// The rule across the text's width, and the parts flush left, centred and flush right above or
// below it.
void PageWriter::drawBand(const BandTexts& texts, const BandPlace& place)
{
    const double left = m_frame.left;
    const double right = m_frame.columnLeft(m_frame.columns - 1) + m_frame.columnWidth;
    HPDF_Page_SetLineWidth(m_page, static_cast<HPDF_REAL>(BandRuleWidth));
    HPDF_Page_MoveTo(m_page, static_cast<HPDF_REAL>(left), static_cast<HPDF_REAL>(place.rule));
    HPDF_Page_LineTo(m_page, static_cast<HPDF_REAL>(right), static_cast<HPDF_REAL>(place.rule));
    HPDF_Page_Stroke(m_page);
    HPDF_Page_BeginText(m_page);
    HPDF_Page_SetFontAndSize(m_page, m_font, m_frame.bandFontSize);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty()) {
            continue;
        }
        const double width = HPDF_Page_TextWidth(m_page, texts[i].c_str());
        const double x = i == 0 ? left : i == 1 ? (left + right - width) / 2 : right - width;
        HPDF_Page_TextOut(m_page, static_cast<HPDF_REAL>(x), static_cast<HPDF_REAL>(place.baseline),
                          texts[i].c_str());
    }
    HPDF_Page_EndText(m_page);
}

} // namespace engine
