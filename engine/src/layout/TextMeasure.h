#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

// Where a line's front parts grow wider than the text width, as far as a scan from the line's start
// needed to go to find out.
struct OverflowScan
{
    static constexpr std::size_t None = std::string_view::npos;

    // The first space position y before `crossing` whose front part line[0, y) is wider; None if none.
    std::size_t firstSpaceOver = None;
    // A position from which every front part is wider (None when the whole line fits): the scan
    // stopped there, so a later space is over without being measured.
    std::size_t crossing = None;
};

// The measures the line breaking asks of the page's font, in the library's own terms, so that
// the layout can be tested and fuzzed with other measures.
class TextMeasure
{
public:
    virtual ~TextMeasure() = default;

    // Width of the text in points at the page's font and size.
    virtual float textWidth(std::string_view text) = 0;
    // How many bytes of the text fit into width: with wordWrap, cut after the last white-space byte
    // that fits (all of the text when it fits whole); without, cut after the last character that fits.
    // The cut falls between two characters of the font's encoding. The answer depends only on the
    // text up to the first character that crosses the width.
    virtual std::size_t measureText(std::string_view text, float width, bool wordWrap) = 0;
    // Byte length of the first character of a non-empty text in the font's encoding.
    virtual std::size_t firstCharLength(std::string_view text) = 0;
    // Walks the line from its start adding up character widths, no further than the point where
    // textWidth of the front part passes width for good.
    virtual OverflowScan scanOverflow(std::string_view line, float width) = 0;
};

} // namespace engine
