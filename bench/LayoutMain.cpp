// marlowen-bench-layout lines IN LINES
//     Lays IN out as the converter does and writes the drawn lines, one per LF, with a line holding
//     only a form feed between two pages: the input of marlowen-bench-floor.
// marlowen-bench-layout numbered IN LINES
//     The same with every line numbered (--line-numbers 1): each drawn line starts with the number it
//     shows, if any, and a tab (marlowen-bench-floor --numbered).
// marlowen-bench-layout literal IN OUT.pdf [LINES]
//     Converts IN as the layout was first written: the text held three times (as read, with CR LF
//     line ends, and the working text), every line searched for and measured from the start of the
//     working text, which is then erased from its front, and one progress call per line. LINES
//     receives its drawn lines as above, to be compared with the converter's.
//
// Both read IN as the converter does with the default options (tabs expanded to stops every 8
// columns; A4, 60-point margins, Courier at 9 points) and write compressed streams.
#include "engine/PageSizes.h"
#include "platform/TextFile.h"

#include "layout/HaruTextMeasure.h"
#include "layout/LineBreaker.h"
#include "layout/PageFrame.h"
#include "layout/Pagination.h"
#include "pdf/FontSelection.h"
#include "pdf/HaruDocument.h"
#include "pdf/PageWriter.h"
#include "text/TabExpander.h"

#include "LibraryMeasure.h"
#include "ReferenceLineBreaker.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

// The document, font and page frame of a conversion with the options.
struct Conversion
{
    engine::ConversionOptions options;
    engine::HaruDocument document;
    engine::PageFrame frame;
    HPDF_Font font = nullptr;

    explicit Conversion(const engine::ConversionOptions& chosen)
        : options(chosen)
        , frame(engine::MakePageFrame(chosen))
    {
        HPDF_SetCompressionMode(document.get(), HPDF_COMP_ALL);
        font = engine::RequestPageFont(document, options);
    }
};

// The text of a file with the text-mode rules applied and its tabs expanded, as the converter lays it
// out with the default options; empty when it cannot be read.
std::string ReadText(const char* input, bool& ok)
{
    auto read = platform::ReadTextModeFile(input);
    ok = read.ok();
    return ok ? engine::ExpandTabs(std::move(read->text), engine::ConversionOptions {}.TabWidth,
                                   engine::CharacterBounds::SingleByte())
              : std::string();
}

// The progress call the first layout made after every line.
class LineProgress
{
public:
    virtual ~LineProgress() = default;
    virtual void position(std::int64_t value) { m_last = value; }

private:
    std::int64_t m_last = 0;
};

// Draws lines as the first layout cut them and turns pages where the converter does; onLine and
// onPage see every line and page break.
template <class Rest, class Consume, class OnLine, class OnPage>
bool LayOutLiterally(Conversion& conversion, engine::LibraryMeasure& measure, Rest& rest, Consume consume,
                     OnLine onLine, OnPage onPage)
{
    engine::PageWriter writer(conversion.document, conversion.font, conversion.frame);
    if (!writer.beginPage()) {
        return false;
    }
    measure.setPage(writer.page());
    engine::ReferenceLineBreaker breaker(measure, conversion.frame.textWidth);
    int row = 0;
    while (!rest.empty()) {
        engine::LineBreak line = breaker.next(rest);
        if (row == conversion.frame.rows) {
            writer.endPage();
            onPage();
            if (!writer.beginPage()) {
                return false;
            }
            measure.setPage(writer.page());
            row = 0;
        }
        std::string_view drawn = std::string_view(rest).substr(0, line.length);
        writer.drawLine({ drawn, 0, row++, 0 });
        onLine(drawn);
        consume(rest, line.consumed);
    }
    writer.endPage();
    return !conversion.document.failed();
}

// The drawn lines, one per LF, with a line holding only a form feed between two pages; numbered, each
// line starts with its number, if it shows one, and a tab.
class LinesFile : public engine::PageSink
{
public:
    LinesFile(const char* path, bool numbered)
        : m_numbered(numbered)
    {
        if (path) {
            m_out.open(path, std::ios::binary);
        }
    }
    void line(std::string_view text)
    {
        if (m_out.is_open()) {
            m_out << text << '\n';
        }
    }
    void pageBreak()
    {
        if (m_out.is_open()) {
            m_out << "\f\n";
        }
    }
    bool good() const { return m_out.good(); }

    bool beginPage() override
    {
        if (m_pages++ > 0) {
            pageBreak();
        }
        return true;
    }
    bool placeLine(const engine::PlacedLine& placed) override
    {
        if (m_numbered) {
            if (placed.number > 0) {
                m_out << placed.number;
            }
            m_out << '\t';
        }
        line(placed.text);
        return true;
    }
    void endPage() override {}

private:
    std::ofstream m_out;
    bool m_numbered;
    int m_pages = 0;
};

int WriteLines(const char* input, const char* output, bool numbered)
{
    bool ok = false;
    std::string text = ReadText(input, ok);
    std::replace(text.begin(), text.end(), '\n', '\r');
    engine::ConversionOptions options;
    options.LineNumbers = numbered ? 1 : 0;
    Conversion conversion(options);
    engine::HaruTextMeasure measure(conversion.document.get(), conversion.font, conversion.frame.fontSize);
    if (numbered) {
        const auto lastLine = std::count(text.begin(), text.end(), '\r') + 1;
        conversion.frame = engine::MakePageFrame(options, engine::NumberGutter(measure, lastLine));
    }
    LinesFile lines(output, numbered);
    const engine::FlowRules rules { true, options.LineNumbers };
    engine::BrokenLines broken(measure, conversion.frame.textWidth, false);
    bool done = engine::Paginate(text, broken, conversion.frame, rules, lines, {}) == engine::LayoutEnd::Complete;
    return ok && done && lines.good() ? 0 : 1;
}

int ConvertLiterally(const char* input, const char* output, const char* linesPath)
{
    bool ok = false;
    std::string fileText;
    for (char c : ReadText(input, ok)) {
        fileText += c == '\n' ? std::string_view("\r\n") : std::string_view(&c, 1);
    }
    std::string working;
    for (std::size_t i = 0; i < fileText.size(); ++i) {
        if (fileText[i] != '\r' || i + 1 == fileText.size() || fileText[i + 1] != '\n') {
            working += fileText[i] == '\n' ? '\r' : fileText[i];
        }
    }
    Conversion conversion { engine::ConversionOptions {} };
    engine::LibraryMeasure measure(conversion.document.get(), conversion.font, conversion.frame.fontSize);
    LineProgress progress;
    std::int64_t position = 0;
    LinesFile lines(linesPath, false);
    bool done = LayOutLiterally(
        conversion, measure, working, [](std::string& r, std::size_t n) { r.erase(0, n); },
        [&](std::string_view line) {
            progress.position(position += static_cast<std::int64_t>(line.size()));
            lines.line(line);
        },
        [&lines] { lines.pageBreak(); });
    HPDF_SetInfoAttr(conversion.document.get(), HPDF_INFO_PRODUCER, "Marlowen 2.0");
    return ok && done && conversion.document.saveAtomically(output) ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    std::string mode = argc >= 4 ? argv[1] : "";
    if ((mode == "lines" || mode == "numbered") && argc == 4) {
        return WriteLines(argv[2], argv[3], mode == "numbered");
    }
    if (mode == "literal" && argc <= 5) {
        return ConvertLiterally(argv[2], argv[3], argc == 5 ? argv[4] : nullptr);
    }
    std::fprintf(stderr, "usage: marlowen-bench-layout lines|numbered IN LINES | literal IN OUT.pdf [LINES]\n");
    return 2;
}
