// Drives the file list pane offscreen and prints how long its heavy actions take: importing a tree of text files
// (and importing it again), holding and scrolling a long list, previewing a very large file, and a run of many
// small files against marlowen-cli --jobs 1 on the same files.
#include "panes/CFileListDialog.h"
#include "panes/DesktopSeams.h"
#include "panes/FileListCommands.h"
#include "panes/MessageAsker.h"
#include "panes/OptionsSource.h"

#include <grid/CGridCtrl.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

class QuietOptions : public panes::OptionsSource
{
public:
    engine::ConversionOptions ReadBackOptions() override
    {
        engine::ConversionOptions options;
        options.OpenResult = engine::No;
        return options;
    }
};

class CountingAsker : public panes::MessageAsker
{
public:
    void tell(QWidget*, QMessageBox::Icon, const QString&) override { ++boxes; }
    bool askYesNo(QWidget*, const QString&) override { return true; }
    int boxes = 0;
};

class NoOpener : public panes::DesktopOpener
{
public:
    bool open(const QString&) override { return true; }
};

// Resident memory of this process now and at its peak, in MB.
std::pair<double, double> residentMegabytes()
{
    std::ifstream status("/proc/self/status");
    double now = 0;
    double peak = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            now = std::stod(line.substr(6)) / 1024;
        } else if (line.rfind("VmHWM:", 0) == 0) {
            peak = std::stod(line.substr(6)) / 1024;
        }
    }
    return { now, peak };
}

// CPU seconds (user and system) of this process, this thread, or the ended children.
double cpuSeconds(int who)
{
    rusage usage {};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double seconds(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e9;
}

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// Lets the event loop run until done() holds, as the interface does while the pane works; done() is asked every
// millisecond, so it has to be cheap.
template <typename Done>
void runUntil(Done done)
{
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) {
            loop.quit();
        }
    });
    poll.start(1);
    loop.exec();
}

struct Pane
{
    Pane()
        : pane(options)
    {
        pane.setMessageAsker(asker);
        pane.setDesktopOpener(opener);
        pane.resize(640, 600);
        pane.show();
    }
    QuietOptions options;
    CountingAsker asker;
    NoOpener opener;
    panes::CFileListDialog pane;
};

// The path of file i of a tree of small text files, 100 to a folder.
fs::path treeFile(const fs::path& tree, int i)
{
    return tree / ("folder" + std::to_string(i / 100)) / ("file" + std::to_string(i) + ".txt");
}

// Writes a tree of that many files once; later runs find it made.
void makeTree(const fs::path& tree, int files)
{
    if (!fs::exists(tree / ("done" + std::to_string(files)))) {
        fs::remove_all(tree);
        for (int i = 0; i < files; ++i) {
            writeFile(treeFile(tree, i), "text\n");
        }
        writeFile(tree / ("done" + std::to_string(files)), "");
    }
}

void importTree(const fs::path& work, int files)
{
    const fs::path tree = work / "tree";
    makeTree(tree, files);
    Pane p;
    QElapsedTimer timer;
    timer.start();
    p.pane.importFolder(QString::fromStdString(tree.string()));
    const double first = seconds(timer);
    timer.restart();
    p.pane.importFolder(QString::fromStdString(tree.string()));
    const double again = seconds(timer);
    std::printf("import of %d files: %.3f s; again (all repeats): %.3f s, %d box(es), %zu entries\n", files, first,
                again, p.asker.boxes, p.pane.entryCount());
}

void longList(const fs::path& work, int entries)
{
    // Files that exist: a path that does not is refused.
    const fs::path list = work / "list";
    makeTree(list, entries);
    const double before = residentMegabytes().first;
    Pane p;
    QStringList paths;
    for (int i = 0; i < entries; ++i) {
        paths.append(QString::fromStdString(treeFile(list, i).string()));
    }
    QElapsedTimer timer;
    timer.start();
    p.pane.addFiles(paths);
    const double adding = seconds(timer);
    paths.clear();
    QApplication::processEvents();
    const auto [now, peak] = residentMegabytes();
    QScrollBar* bar = p.pane.grid().verticalScrollBar();
    timer.restart();
    bar->setValue(bar->maximum());
    p.pane.grid().viewport()->repaint();
    const double scroll = seconds(timer);
    std::printf("%d entries: added in %.3f s; resident %.0f MB (%.0f MB before the pane), peak %.0f MB; "
                "scroll to the end and repaint %.1f ms\n",
                entries, adding, now, before, peak, scroll * 1000);
}

void bigPreview(const fs::path& work, int megabytes)
{
    const fs::path big = work / "big.txt";
    if (!fs::exists(big) || fs::file_size(big) != std::uintmax_t(megabytes) * 1024 * 1024) {
        std::ofstream out(big, std::ios::binary);
        std::string line = "The quick brown fox jumps over the lazy dog, again and again and again.  \n";
        std::string block;
        while (block.size() < 1024 * 1024) {
            block += line;
        }
        block.resize(1024 * 1024);
        for (int i = 0; i < megabytes; ++i) {
            out << block;
        }
    }
    Pane p;
    p.pane.addFiles({ QString::fromStdString(big.string()) });
    QElapsedTimer timer;
    qint64 longestGap = 0;
    qint64 lastTick = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, timer.elapsed() - lastTick);
        lastTick = timer.elapsed();
    });
    double firstText = -1;
    timer.start();
    ticker.start(5);
    QTest::mouseClick(p.pane.grid().viewport(), Qt::LeftButton, {}, p.pane.grid().GetCellRect(1, 1).center());
    runUntil([&] {
        if (firstText < 0 && !p.pane.preview().document()->isEmpty()) {
            firstText = seconds(timer);
        }
        return p.pane.preview().document()->lastBlock().text().endsWith(QLatin1Char(']'));
    });
    std::printf("preview of a %d MB file: first text after %.3f s, all %lld characters after %.3f s; "
                "longest time the interface did not answer: %lld ms\n",
                megabytes, firstText, (long long)p.pane.preview().document()->characterCount(), seconds(timer),
                (long long)longestGap);
}

void runOfSmallFiles(const fs::path& work, int files, const QString& cli)
{
    const fs::path folder = work / "small";
    QStringList paths;
    for (int i = 0; i < files; ++i) {
        const fs::path path = folder / ("small" + std::to_string(i) + ".txt");
        if (!fs::exists(path)) {
            std::string text;
            for (int line = 0; line < 40; ++line) {
                text += "Line " + std::to_string(line) + " of a small file that the run converts with others.\n";
            }
            writeFile(path, text);
        }
        paths.append(QString::fromStdString(path.string()));
    }
    Pane p;
    p.pane.addFiles(paths);
    QElapsedTimer timer;
    timer.start();
    double cpu = cpuSeconds(RUSAGE_SELF);
    const double interfaceCpu = cpuSeconds(RUSAGE_THREAD);
    QEventLoop loop;
    QObject::connect(&p.pane, &panes::CFileListDialog::runInProgressChanged, &loop, [&](bool running) {
        if (!running) {
            loop.quit();
        }
    });
    p.pane.runCommand(panes::StartConvertCommand);
    loop.exec();
    const double pane = seconds(timer);
    const double paneCpu = cpuSeconds(RUSAGE_SELF) - cpu;
    const double paneInterfaceCpu = cpuSeconds(RUSAGE_THREAD) - interfaceCpu;

    const fs::path settings = work / "empty-settings.ini";
    writeFile(settings, "");
    QProcess process;
    timer.restart();
    cpu = cpuSeconds(RUSAGE_CHILDREN);
    process.start(cli, QStringList { "--settings", QString::fromStdString(settings.string()), "-q", "--jobs", "1" }
                           + paths);
    process.waitForFinished(-1);
    const double command = seconds(timer);
    const double commandCpu = cpuSeconds(RUSAGE_CHILDREN) - cpu;
    std::printf("run of %d small files: pane %.3f s (cpu %.3f s, %.3f s of it on the interface thread), marlowen-cli --jobs 1 %.3f s (cpu %.3f s, exit %d); "
                "ratio wall %.2f, cpu %.2f\n",
                files, pane, paneCpu, paneInterfaceCpu, command, commandCpu, process.exitCode(), pane / command, paneCpu / commandCpu);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({ "work", "folder for the files it writes", "dir", "build/bench-corpora/pane" });
    parser.addOption({ "cli", "marlowen-cli to compare with", "path", "build/cli/marlowen-cli" });
    parser.addOption({ "big-mb", "size of the previewed file in MB, at least 8", "n", "1024" });
    parser.addOption({ "repeat", "runs of the file run and of the CLI; each is printed", "n", "1" });
    parser.process(app);
    const fs::path work = parser.value("work").toStdString();
    fs::create_directories(work);

    importTree(work, 10000);
    longList(work, 100000);
    bigPreview(work, std::max(8, parser.value("big-mb").toInt())); // larger than the part a preview shows
    for (int i = 0; i < parser.value("repeat").toInt(); ++i) {
        runOfSmallFiles(work, 1000, parser.value("cli"));
    }
    return 0;
}
