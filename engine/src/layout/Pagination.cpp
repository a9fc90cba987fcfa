#include "layout/Pagination.h"

#include <algorithm>

namespace engine {
namespace {

// The column and row the next line goes to, and the turn to the next column or page.
class Flow
{
public:
    Flow(const PageFrame& frame, PageSink& sink, const std::stop_token& abandon)
        : m_rows(std::max(frame.rows, 1))
        , m_columns(std::max(frame.columns, 1))
        , m_sink(sink)
        , m_abandon(abandon)
    {
    }

    LayoutEnd begin() { return m_sink.beginPage() ? LayoutEnd::Complete : LayoutEnd::Refused; }

    LayoutEnd place(std::string_view text, std::int64_t number)
    {
        if (m_row == m_rows) {
            if (LayoutEnd turned = nextColumn(); turned != LayoutEnd::Complete) {
                return turned;
            }
        }
        if (!m_sink.placeLine({ text, m_column, m_row, number })) {
            return m_abandon.stop_requested() ? LayoutEnd::Abandoned : LayoutEnd::Refused;
        }
        ++m_row;
        return LayoutEnd::Complete;
    }

    LayoutEnd nextColumn()
    {
        m_row = 0;
        if (++m_column < m_columns) {
            return LayoutEnd::Complete;
        }
        m_column = 0;
        m_sink.endPage();
        if (m_abandon.stop_requested()) {
            return LayoutEnd::Abandoned;
        }
        return begin();
    }

    void end() { m_sink.endPage(); }

private:
    const int m_rows;
    const int m_columns;
    PageSink& m_sink;
    const std::stop_token& m_abandon;
    int m_column = 0;
    int m_row = 0;
};

// The number of the input line the next line starts, and whether it starts one.
class LineCount
{
public:
    explicit LineCount(int every)
        : m_every(every)
    {
    }

    std::int64_t shown() const { return m_lineStart && m_every > 0 && m_number % m_every == 0 ? m_number : 0; }
    void after(const LineBreak& line)
    {
        m_lineStart = line.consumed > line.length;
        m_number += m_lineStart ? 1 : 0;
    }
    void lineBreak()
    {
        m_lineStart = true;
        ++m_number;
    }

private:
    const int m_every;
    std::int64_t m_number = 1;
    bool m_lineStart = true;
};

} // namespace

BrokenLines::BrokenLines(TextMeasure& measure, float width, bool keep)
    : m_breaker(measure, width)
    , m_keep(keep)
{
}

LineBreak BrokenLines::next(std::string_view rest)
{
    const LineBreak line = m_breaker.next(rest);
    if (m_keep) {
        m_kept.push_back(line);
    }
    return line;
}

KeptLines::KeptLines(std::vector<LineBreak> lines)
    : m_lines(std::move(lines))
{
}

LineBreak KeptLines::next(std::string_view rest)
{
    // The same text again takes no more lines than were kept; past them, whatever is left is one line.
    return m_next < m_lines.size() ? m_lines[m_next++] : LineBreak { rest.size(), rest.size() };
}

LayoutEnd Paginate(std::string_view text, LineSource& lines, const PageFrame& frame, const FlowRules& rules,
    PageSink& sink, const std::stop_token& abandon)
{
    Flow flow(frame, sink, abandon);
    if (LayoutEnd begun = flow.begin(); begun != LayoutEnd::Complete) {
        return begun;
    }
    LineCount count(rules.numberEvery);
    for (;;) {
        const std::size_t feed = rules.formFeeds ? text.find('\f') : std::string_view::npos;
        std::string_view part = text.substr(0, feed);
        while (!part.empty()) {
            const LineBreak line = lines.next(part);
            if (LayoutEnd placed = flow.place(part.substr(0, line.length), count.shown());
                placed != LayoutEnd::Complete) {
                return placed;
            }
            count.after(line);
            part.remove_prefix(line.consumed);
        }
        if (feed == std::string_view::npos) {
            break;
        }
        text.remove_prefix(feed + 1);
        if (!text.empty() && text.front() == '\r') {
            text.remove_prefix(1);
            count.lineBreak();
        }
        if (text.empty()) {
            break;
        }
        if (LayoutEnd turned = flow.nextColumn(); turned != LayoutEnd::Complete) {
            return turned;
        }
    }
    flow.end();
    return LayoutEnd::Complete;
}

} // namespace engine
