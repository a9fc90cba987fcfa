#pragma once

#include <cstddef>
#include <string_view>

namespace engine {

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
    virtual std::size_t measureText(std::string_view text, float width, bool wordWrap) = 0;
    // Byte length of the first character of a non-empty text in the font's encoding.
    virtual std::size_t firstCharLength(std::string_view text) = 0;
};

} // namespace engine
