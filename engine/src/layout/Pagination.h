#pragma once

#include "layout/LineBreaker.h"
#include "layout/PageFrame.h"
#include "layout/TextMeasure.h"

#include <cstdint>
#include <stop_token>
#include <string_view>
#include <vector>

namespace engine {

// One line of the body where the layout puts it.
struct PlacedLine
{
    std::string_view text;
    int column = 0;
    int row = 0;
    std::int64_t number = 0; // its input line's number when the line shows one, else 0
};

// Where the layout takes its lines from: the line breaker, or the lines an earlier layout of the same
// text took. Successive calls pass successive rests of one text, as LineBreaker::next takes them.
class LineSource
{
public:
    virtual ~LineSource() = default;
    virtual LineBreak next(std::string_view rest) = 0;
};

// The lines the line breaker cuts; kept, when asked, for a second layout of the same text.
class BrokenLines : public LineSource
{
public:
    BrokenLines(TextMeasure& measure, float width, bool keep);
    LineBreak next(std::string_view rest) override;
    std::vector<LineBreak> kept() && { return std::move(m_kept); }

private:
    LineBreaker m_breaker;
    bool m_keep;
    std::vector<LineBreak> m_kept;
};

// The lines an earlier layout of the text took, again.
class KeptLines : public LineSource
{
public:
    explicit KeptLines(std::vector<LineBreak> lines);
    LineBreak next(std::string_view rest) override;

private:
    std::vector<LineBreak> m_lines;
    std::size_t m_next = 0;
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
// broken as the source breaks them (at the frame's text width), and hands them to the sink. The text fills column after
// column of each page; there is always a first page, and no page starts without a line, but for a form feed.
//
// A form feed ends its column: the text after it starts the next one, or the next page. A line break
// right after a form feed belongs to it; a form feed at the end of the text starts nothing. Line
// numbers count the input lines, a line the line break after a form feed ends included; a line that
// continues a wrapped input line shows none.
//
// Gives up between two pages once a stop is requested, and at once when the sink refuses.
LayoutEnd Paginate(std::string_view text, LineSource& lines, const PageFrame& frame, const FlowRules& rules,
    PageSink& sink, const std::stop_token& abandon);

} // namespace engine
