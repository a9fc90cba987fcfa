#include "ProgressPrinter.h"

#include "TerminalText.h"

#include <algorithm>
#include <ostream>

namespace cli {

int ProgressPrinter::FileUnderWay::percent() const
{
    return high > 0 ? static_cast<int>(std::clamp<std::int64_t>(position * 100 / high, 0, 100)) : 0;
}

ProgressPrinter::ProgressPrinter(std::ostream& err, ProgressStyle style, std::function<int()> columns)
    : m_err(err)
    , m_style(style)
    , m_columns(std::move(columns))
{
}

ProgressPrinter::FileUnderWay* ProgressPrinter::callersFile()
{
    auto thread = m_fileOfThread.find(std::this_thread::get_id());
    if (thread == m_fileOfThread.end()) {
        return nullptr;
    }
    auto file = m_underWay.find(thread->second);
    return file == m_underWay.end() ? nullptr : &file->second;
}

void ProgressPrinter::progressRange(std::int64_t, std::int64_t high)
{
    if (auto* file = callersFile()) {
        file->high = high;
        file->position = 0;
    }
    drawBar(true);
}

void ProgressPrinter::progressPosition(std::int64_t position)
{
    if (auto* file = callersFile()) {
        file->position = position;
    }
    drawBar(false);
}

// Warnings are printed with their file's result: files converted at once interleave their calls.
void ProgressPrinter::warning(const std::string&) {}

void ProgressPrinter::fileStarted(int index, int count, const engine::ConversionJob& job)
{
    m_count = count;
    m_fileOfThread[std::this_thread::get_id()] = index;
    m_underWay[index].name = Printable(job.path.substr(job.path.find_last_of('/') + 1));
}

void ProgressPrinter::fileFinished(int index, int, const engine::FileResult& result, const std::string& caption)
{
    clearBar();
    m_underWay.erase(index);
    for (const auto& message : result.warnings) {
        PrintProblem(m_err, result.inputPath, "warning: " + message);
    }
    if (!result.written()) {
        PrintProblem(m_err, result.inputPath, result.outcome.error());
    }
    if (m_style == ProgressStyle::Lines) {
        m_err << caption << ": " << Printable(result.inputPath)
              << (!result.written()                              ? " failed"
                  : !m_standardOutputPath.empty() && result.outputPath == m_standardOutputPath
                  ? " -> standard output"
                                                              : " -> " + Printable(result.outputPath))
              << "\n";
    }
    m_done++;
    drawBar(true);
}

void ProgressPrinter::runEnded(const engine::RunSummary& summary)
{
    clearBar();
    if (!summary.combined) {
        m_err << "marlowen-cli: " << Printable(summary.combined.error()) << "\n";
    }
    if (summary.end == engine::RunEnd::Halted) {
        m_err << "marlowen-cli: stopped: the PDF library could not create a document (out of memory?)\n";
    }
    if (m_style != ProgressStyle::Quiet) {
        if (auto caption = engine::RunEndCaption(summary.end); !caption.empty()) {
            m_err << caption << "\n";
        }
        m_err << "Converted " << summary.converted << " of " << summary.jobCount << " files";
        if (summary.failed > 0) {
            m_err << "; " << summary.failed << " failed";
        }
        m_err << ".\n";
    }
}

// "[#####.........] 3/10 done  a.txt 45%  b.txt 7%", cut one column short of the terminal's width
// (writing into the last column makes some terminals wrap).
void ProgressPrinter::drawBar(bool force)
{
    if (m_style != ProgressStyle::Bar || m_underWay.empty()) {
        return;
    }
    auto now = std::chrono::steady_clock::now();
    if (!force && now - m_lastDraw < std::chrono::milliseconds(50)) {
        return;
    }
    m_lastDraw = now;
    int percents = m_done * 100;
    std::string files;
    for (const auto& [index, file] : m_underWay) {
        percents += file.percent();
        files += "  " + file.name + " " + std::to_string(file.percent()) + "%";
    }
    constexpr int BarWidth = 20;
    const int filled = std::min(100, percents / m_count) * BarWidth / 100;
    std::string line = "[" + std::string(static_cast<std::size_t>(filled), '#')
        + std::string(static_cast<std::size_t>(BarWidth - filled), '.') + "] " + std::to_string(m_done) + "/"
        + std::to_string(m_count) + " done" + files;
    const int columns = m_columns ? m_columns() : 0;
    const std::size_t fit = static_cast<std::size_t>(std::max(columns > 0 ? columns : 80, 2) - 1);
    m_err << "\r" << FitColumns(line, fit) << "\x1b[K" << std::flush;
    m_barShown = true;
}

void ProgressPrinter::clearBar()
{
    if (m_barShown) {
        m_err << "\r\x1b[K" << std::flush;
        m_barShown = false;
    }
}

} // namespace cli
