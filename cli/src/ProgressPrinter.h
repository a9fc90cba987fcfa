#pragma once

#include "engine/ConversionRun.h"

#include <chrono>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <thread>

namespace cli {

enum class ProgressStyle { Bar, Lines, Quiet };

// Shows a run on standard error: warnings and failures always, each with its file; progress as a
// bar redrawn in place on a terminal, as one line per file otherwise, or not at all. File names are
// printed with their control characters escaped.
//
// The bar tells the files done of the total and each file under way with its percentage, cut to the
// terminal's width so that it never wraps. A file's progress calls come on the thread that started
// it, which tells whose they are when several files are under way.
class ProgressPrinter : public engine::RunObserver
{
public:
    // columns gives the terminal's width when the bar is drawn.
    ProgressPrinter(std::ostream& err, ProgressStyle style, std::function<int()> columns);

    void progressRange(std::int64_t low, std::int64_t high) override;
    void progressPosition(std::int64_t position) override;
    void warning(const std::string& message) override;
    void fileStarted(int index, int count, const engine::ConversionJob& job) override;
    void fileFinished(int index, int count, const engine::FileResult& result, const std::string& caption) override;
    void runEnded(const engine::RunSummary& summary) override;
    // The PDF at path goes to standard output: the lines name it so instead of its temporary path.
    void showAsStandardOutput(std::string path) { m_standardOutputPath = std::move(path); }

private:
    struct FileUnderWay
    {
        std::string name; // printable
        std::int64_t high = 0;
        std::int64_t position = 0;
        int percent() const;
    };

    FileUnderWay* callersFile();
    void drawBar(bool force);
    void clearBar();

    std::ostream& m_err;
    ProgressStyle m_style;
    std::function<int()> m_columns;
    std::map<int, FileUnderWay> m_underWay; // by job index
    std::map<std::thread::id, int> m_fileOfThread;
    int m_done = 0; // files finished
    int m_count = 0;
    std::string m_standardOutputPath;
    bool m_barShown = false;
    std::chrono::steady_clock::time_point m_lastDraw;
};

} // namespace cli
