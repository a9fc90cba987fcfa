#include "layout/PageFrame.h"

#include "layout/TextMeasure.h"

#include <algorithm>

namespace engine {
namespace {

// A line's ink above and below its baseline, for a font of size S.
double InkAbove(double size)
{
    return size;
}

double InkBelow(double size)
{
    return size / 4;
}

// Between a band's text and the body: a space, the rule, a space.
constexpr double BandSpace = 3;
constexpr double RuleWidth = BandRuleWidth;

// From the body's ink to the far side of a band's ink.
double BandHeight(double bandSize)
{
    return BandSpace + RuleWidth + BandSpace + InkBelow(bandSize) + InkAbove(bandSize);
}

void PlaceColumns(PageFrame& frame, const ConversionOptions& options, Gutter gutter)
{
    // In whole points, as a single column has always had it.
    const int width = frame.box.width - options.LeftMargin - options.RightMargin;
    frame.left = options.LeftMargin;
    frame.columns = std::max(options.Columns, 1);
    frame.columnGap = frame.columns > 1 ? 2.0 * frame.fontSize : 0.0;
    frame.columnWidth = (width - frame.columnGap * (frame.columns - 1)) / frame.columns;
    frame.gutter = gutter;
    frame.textWidth = static_cast<float>(frame.columnWidth - gutter.width);
}

// The first baseline and the lines of a column, with room for the header and footer.
void PlaceRows(PageFrame& frame, const ConversionOptions& options)
{
    const double size = frame.fontSize;
    const double height = frame.box.height;
    const double band = BandHeight(frame.bandFontSize);
    double first = std::min(
        static_cast<double>(frame.box.height - options.TopMargin - options.LineGap), height - InkAbove(size));
    if (frame.hasHeader) {
        const double bodyTop = first + InkAbove(size);
        first -= std::max(0.0, bodyTop + band - height);
        frame.header.rule = first + InkAbove(size) + BandSpace + RuleWidth / 2;
        frame.header.baseline
            = first + InkAbove(size) + BandSpace + RuleWidth + BandSpace + InkBelow(frame.bandFontSize);
    }
    frame.firstBaseline = first;
    const double lowestInk = frame.hasFooter ? band : 0;
    frame.rows = 0;
    while (frame.baseline(frame.rows) - InkBelow(size) >= lowestInk
        && (frame.rows == 0 || frame.baseline(frame.rows - 1) > options.BottomMargin)) {
        ++frame.rows;
    }
    if (frame.hasFooter) {
        const double bodyBottom = frame.baseline(std::max(frame.rows, 1) - 1) - InkBelow(size);
        frame.footer.rule = bodyBottom - BandSpace - RuleWidth / 2;
        frame.footer.baseline = bodyBottom - BandSpace - RuleWidth - BandSpace - InkAbove(frame.bandFontSize);
    }
}

} // namespace

PageFrame MakePageFrame(const ConversionOptions& options, Gutter gutter)
{
    PageFrame frame;
    frame.box = GetPageBox(options);
    frame.fontSize = static_cast<float>(options.FontSize == 0 ? DefaultFontSize : options.FontSize);
    frame.lineGap = static_cast<float>(options.LineGap);
    frame.bandFontSize = std::min(frame.fontSize, static_cast<float>(DefaultFontSize));
    frame.hasHeader = !options.Header.empty();
    frame.hasFooter = !options.Footer.empty();
    PlaceColumns(frame, options, gutter);
    PlaceRows(frame, options);
    return frame;
}

Gutter NumberGutter(TextMeasure& measure, std::int64_t lastNumber)
{
    float digit = 0;
    for (char c = '0'; c <= '9'; ++c) {
        digit = std::max(digit, measure.textWidth(std::string_view(&c, 1)));
    }
    int digits = 1;
    for (; lastNumber >= 10; lastNumber /= 10) {
        ++digits;
    }
    return { digit * static_cast<float>(digits + 1), digit };
}

} // namespace engine
