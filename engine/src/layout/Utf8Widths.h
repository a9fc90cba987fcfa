#pragma once

#include "layout/CharWidths.h"

#include <hpdf.h>

#include <vector>

namespace engine {

// Widths of a TrueType font under the library's UTF-8 encoding: characters of one to four bytes,
// each as wide as the library measures it alone, kept for reuse.
class Utf8Widths : public CharWidths
{
public:
    Utf8Widths(HPDF_Font font, float fontSize);

    std::uint64_t units(std::string_view text) override;
    OverflowScan scanOverflow(std::string_view line, float width) override;

private:
    // The units of the character that starts at `at`; `length` receives its byte length.
    std::uint32_t characterUnits(std::string_view text, std::size_t at, std::size_t& length);

    HPDF_Font m_font;
    std::vector<std::uint32_t> m_basicPlane; // by code point, Unknown until measured
};

} // namespace engine
