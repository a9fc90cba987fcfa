#pragma once

#include "engine/ConversionOptions.h"
#include "engine/PageSizes.h"

#include <cstdint>

namespace engine {

class TextMeasure;

// The width of the rule between a band (header or footer) and the body.
inline constexpr double BandRuleWidth = 0.5;

// The line numbers' room at the left of a column: the numbers end `space` before the text.
struct Gutter
{
    float width = 0;
    float space = 0;
};

// A header or footer line: its baseline and the thin rule between it and the body.
struct BandPlace
{
    double baseline = 0;
    double rule = 0; // the height of the rule's middle
};

// Where the lines of every page of a conversion go, in points from the page's lower left corner.
//
// The body is set in columns of equal width, (page width - margins - gaps) / columns, each gap two
// font sizes wide. Within a column, line numbers take a gutter on the left and the text the rest.
// The first baseline lies the line gap below the top margin and baselines are S + line gap apart; a
// column takes lines until one has its baseline at or below the bottom margin. Whatever the font, a
// line's ink is taken to reach S above its baseline and S / 4 below it, and every line stays on the
// page: a font too tall for the top margin moves the first baseline down, and a column ends before a
// line that would reach below the page.
//
// A header and a footer are set at a smaller size (at most DefaultFontSize) in the margins, a rule
// between them and the body; a margin too small for its band moves the body's first line down, or
// ends the columns higher.
struct PageFrame
{
    PageBox box {}; // the page, turned for landscape
    float fontSize = 0; // S
    float lineGap = 0;
    double firstBaseline = 0;
    int rows = 0; // lines in a column; 0 when not even one fits
    int columns = 1;
    double left = 0; // the left margin: where the first column starts
    double columnWidth = 0;
    double columnGap = 0;
    Gutter gutter; // of the line numbers; no width without them
    float textWidth = 0; // W: what a line may fill, the column's width less the gutter
    float bandFontSize = 0; // of the header and footer
    bool hasHeader = false;
    bool hasFooter = false;
    BandPlace header;
    BandPlace footer;

    float advance() const { return fontSize + lineGap; }
    double columnLeft(int column) const { return left + column * (columnWidth + columnGap); }
    double baseline(int row) const { return firstBaseline - row * static_cast<double>(advance()); }
};

// The frame the options give, with that gutter. A header or footer is there when its option is not
// empty; its fields are not looked at.
PageFrame MakePageFrame(const ConversionOptions& options, Gutter gutter = {});

// A gutter that holds numbers up to lastNumber, right-aligned, with a digit's width to spare before
// the text.
Gutter NumberGutter(TextMeasure& measure, std::int64_t lastNumber);

} // namespace engine
