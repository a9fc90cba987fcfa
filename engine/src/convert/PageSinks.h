#pragma once

#include "convert/HeaderFooter.h"
#include "convert/ProgressThrottle.h"
#include "layout/Pagination.h"
#include "pdf/PageWriter.h"

#include <cstdint>

namespace engine {

// Counts the pages a layout gives, so that every page can show the count.
class PageCount : public PageSink
{
public:
    bool beginPage() override;
    bool placeLine(const PlacedLine&) override { return true; }
    void endPage() override { }

    std::int64_t pages() const { return m_pages; }

private:
    std::int64_t m_pages = 0;
};

// Draws the pages of a layout into the PDF, with their header and footer, and tells the progress
// by the bytes of the lines drawn.
class DrawnPages : public PageSink
{
public:
    DrawnPages(PageWriter& writer, HeaderFooter& bands, std::int64_t pages, ProgressThrottle& progress);

    bool beginPage() override;
    bool placeLine(const PlacedLine& line) override;
    void endPage() override;

private:
    PageWriter& m_writer;
    HeaderFooter& m_bands;
    std::int64_t m_pages;
    ProgressThrottle& m_progress;
    std::int64_t m_page = 0;
    std::int64_t m_position = 0;
};

} // namespace engine
