#include "convert/PageSinks.h"

namespace engine {

bool PageCount::beginPage()
{
    ++m_pages;
    return true;
}

DrawnPages::DrawnPages(PageWriter& writer, HeaderFooter& bands, std::int64_t pages, ProgressThrottle& progress)
    : m_writer(writer)
    , m_bands(bands)
    , m_pages(pages)
    , m_progress(progress)
{
}

bool DrawnPages::beginPage()
{
    ++m_page;
    return m_writer.beginPage(m_bands.forPage(m_page, m_pages));
}

bool DrawnPages::placeLine(const PlacedLine& line)
{
    if (!m_writer.drawLine(line)) {
        return false;
    }
    m_position += static_cast<std::int64_t>(line.text.size());
    m_progress.advance(m_position);
    return true;
}

void DrawnPages::endPage()
{
    m_writer.endPage();
}

} // namespace engine
