#include "ProgressPrinter.h"

#include <algorithm>
#include <ostream>

namespace cli {

ProgressPrinter::ProgressPrinter(std::ostream& err, ProgressStyle style)
    : m_err(err)
    , m_style(style)
{
}

void ProgressPrinter::progressRange(std::int64_t, std::int64_t high)
{
    m_high = high;
    m_position = 0;
    drawBar(true);
}

void ProgressPrinter::progressPosition(std::int64_t position)
{
    m_position = position;
    drawBar(false);
}

// Warnings are printed with their file's result: files converted at once interleave their calls.
void ProgressPrinter::warning(const std::string&) {}

void ProgressPrinter::fileStarted(int, int count, const engine::ConversionJob& job)
{
    m_currentFile = job.path;
    m_count = count;
}

void ProgressPrinter::fileFinished(int, int, const engine::FileResult& result, const std::string& caption)
{
    clearBar();
    for (const auto& message : result.warnings) {
        m_err << "marlowen-cli: " << result.inputPath << ": warning: " << message << "\n";
    }
    if (!result.written()) {
        m_err << "marlowen-cli: " << result.inputPath << ": " << result.error << "\n";
    }
    if (m_style == ProgressStyle::Lines) {
        m_err << caption << ": " << result.inputPath << (result.written() ? " -> " + result.outputPath : " failed")
              << "\n";
    }
    m_done++;
    m_position = 0;
    m_high = 0;
}

void ProgressPrinter::runEnded(const engine::RunSummary& summary)
{
    clearBar();
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

void ProgressPrinter::drawBar(bool force)
{
    if (m_style != ProgressStyle::Bar || m_count == 0) {
        return;
    }
    auto now = std::chrono::steady_clock::now();
    if (!force && now - m_lastDraw < std::chrono::milliseconds(50)) {
        return;
    }
    m_lastDraw = now;
    int filePercent = m_high > 0 ? static_cast<int>(std::min<std::int64_t>(100, m_position * 100 / m_high)) : 0;
    int runPercent = std::min(100, (m_done * 100 + filePercent) / m_count);
    constexpr int Width = 30;
    int filled = runPercent * Width / 100;
    m_err << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
          << std::string(static_cast<std::size_t>(Width - filled), '.') << "] " << std::min(m_done + 1, m_count) << "/" << m_count
          << " " << filePercent << "% " << m_currentFile.substr(m_currentFile.find_last_of('/') + 1) << "\x1b[K"
          << std::flush;
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
