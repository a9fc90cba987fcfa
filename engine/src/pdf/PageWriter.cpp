#include "pdf/PageWriter.h"

#include "text/FallbackEscape.h"

#include <charconv>

namespace engine {

PageWriter::PageWriter(HaruDocument& document, HPDF_Font font, const PageFrame& frame,
                       std::span<const HPDF_Font> fallbacks)
    : m_document(document)
    , m_font(font)
    , m_frame(frame)
    , m_fallbacks(fallbacks)
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
    m_fallbackSet = false;
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
        show(number, m_frame.fontSize);
    }
    moveTo(x, y);
    show(line.text, m_frame.fontSize);
    return !m_document.failed();
}

void PageWriter::moveTo(double x, double y)
{
    HPDF_Page_MoveTextPos(m_page, static_cast<HPDF_REAL>(x - m_x), static_cast<HPDF_REAL>(y - m_y));
    m_x = x;
    m_y = y;
}

// Text in the page font as today; each run of escaped characters of one fallback font in that font,
// after which the page font is set again for the next run of its own.
void PageWriter::show(std::string_view text, float size)
{
    while (!text.empty()) {
        if (text.front() != FallbackEscape) {
            const std::string_view run = text.substr(0, text.find(FallbackEscape));
            usePageFont(size);
            showPiecewise(run);
            text.remove_prefix(run.size());
            continue;
        }
        FallbackCharacter c = ReadFallbackCharacter(text);
        const unsigned font = c.font;
        std::string run;
        while (c.length > 0 && c.font == font) {
            run += c.utf8;
            text.remove_prefix(c.length);
            c = text.empty() || text.front() != FallbackEscape ? FallbackCharacter {} : ReadFallbackCharacter(text);
        }
        if (run.empty() || font >= m_fallbacks.size()) {
            return; // no escape the converter wrote
        }
        HPDF_Page_SetFontAndSize(m_page, m_fallbacks[font], size);
        m_fallbackSet = true;
        showPiecewise(run);
    }
}

void PageWriter::usePageFont(float size)
{
    if (m_fallbackSet) {
        HPDF_Page_SetFontAndSize(m_page, m_font, size);
        m_fallbackSet = false;
    }
}

double PageWriter::width(std::string_view text, float size) const
{
    double units = 0;
    while (!text.empty()) {
        HPDF_Font font = m_font;
        std::string_view run = text.substr(0, text.find(FallbackEscape));
        std::size_t length = run.size();
        if (run.empty()) {
            const FallbackCharacter c = ReadFallbackCharacter(text);
            if (c.length == 0 || c.font >= m_fallbacks.size()) {
                break;
            }
            font = m_fallbacks[c.font];
            run = c.utf8;
            length = c.length;
        }
        units += HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE*>(run.data()),
                                     static_cast<HPDF_UINT>(run.size()))
                     .width;
        text.remove_prefix(length);
    }
    return units * size / 1000;
}

// The library refuses to show more than its longest text at once; a line that long still fits only
// when its characters have no width, so pieces shown one after another look the same.
void PageWriter::showPiecewise(std::string_view text)
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
    m_fallbackSet = false;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty()) {
            continue;
        }
        const bool escaped = HasFallbackCharacters(texts[i]);
        usePageFont(m_frame.bandFontSize); // after a part that ended in a fallback font
        const double width = escaped ? this->width(texts[i], m_frame.bandFontSize)
                                     : HPDF_Page_TextWidth(m_page, texts[i].c_str());
        const double x = i == 0 ? left : i == 1 ? (left + right - width) / 2 : right - width;
        // Shown whole when escape-free; else only placed, and shown in runs.
        HPDF_Page_TextOut(m_page, static_cast<HPDF_REAL>(x), static_cast<HPDF_REAL>(place.baseline),
                          escaped ? "" : texts[i].c_str());
        if (escaped) {
            show(texts[i], m_frame.bandFontSize);
        }
    }
    HPDF_Page_EndText(m_page);
}

} // namespace engine
