#pragma once

#include "layout/PageFrame.h"
#include "layout/TextMeasure.h"

#include <cstdint>
#include <stop_token>
#include <string_view>

namespace engine {

// One line of the body where the layout puts it.
struct PlacedLine
{
    std::string_view text;
    int column = 0;
    int row = 0;
    std::int64_t number = 0; // its input line's number when the line shows one, else 0
};

// What the layout hands its pages and lines to: a PDF, or a count.
class PageSink
{
public:
    virtual ~PageSink() = default;
    // Each returns false when the page or line could not be had (the PDF library refused).
    virtual bool beginPage() = 0;
    virtual bool placeLine(const PlacedLine& line) = 0;
    virtual void endPage() = 0;
};

// How the text flows besides the frame.
struct FlowRules
{
    bool formFeeds = true; // a form feed ends the column; without, the text holds none
    int numberEvery = 0; // a number on every n-th input line; 0: none
};

enum class LayoutEnd
{
    Complete,
    Refused,
    Abandoned
};

// Lays the working text (lines separated by single CRs) out into the frame's lines, columns and pages,
// broken as LineBreaker breaks them, and hands them to the sink. The text fills column after column
// of each page; there is always a first page, and no page starts without a line, but for a form feed.
//
// A form feed ends its column: the text after it starts the next one, or the next page. A line break
// right after a form feed belongs to it; a form feed at the end of the text starts nothing. Line
// numbers count the input lines, a line the line break after a form feed ends included; a line that
// continues a wrapped input line shows none.
//
// Gives up between two pages once a stop is requested, and at once when the sink refuses.
LayoutEnd Paginate(std::string_view text, TextMeasure& measure, const PageFrame& frame, const FlowRules& rules,
    PageSink& sink, const std::stop_token& abandon);

} // namespace engine
