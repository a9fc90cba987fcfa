#pragma once

#include "engine/ConversionOptions.h"
#include "options/HeaderTemplate.h"
#include "pdf/PageWriter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

class FallbackChooser;

// The header and footer lines of one file's pages, in the page font's encoding: the fields of the
// file (its name, path and folder, the date and time of the conversion, its modification date and the
// title) are filled in once, the page numbers page by page. Dates and times are in the user's locale.
class HeaderFooter
{
public:
    // The options' header and footer must have passed CheckOptions.
    // With a fallback chooser, characters the page font cannot draw are escaped for fallback fonts.
    HeaderFooter(const ConversionOptions& options, const std::string& inputPath, std::string_view fontEncoding,
                 FallbackChooser* fallback = nullptr);

    // Whether a line shows the page count, which must then be known before the first page.
    bool needsPageCount() const;
    // The lines of a page; valid until the next call.
    PageBands forPage(std::int64_t page, std::int64_t pages);

private:
    std::optional<HeaderTemplate> m_header;
    std::optional<HeaderTemplate> m_footer;
    BandTexts m_headerTexts;
    BandTexts m_footerTexts;
};

} // namespace engine
