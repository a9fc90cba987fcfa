#pragma once

#include "engine/ConversionRun.h"
#include "panes/DesktopSeams.h"
#include "panes/FileEntryList.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <vector>

class QWidget;

namespace chrome {
class CTextProgressBar;
}
namespace grid {
class CGridCtrl;
}

namespace panes {

class DesktopRun;
class FailureMarks;
class OptionsSource;

// The file list's conversion run. Start converts the checked entries in list order, each with the passwords of
// its row (an open edit committed first), with the options read back at that moment, on a worker of its own. The
// two progress bars show the file under way (its name and how far it is) and the whole run (filled by the files
// done); each run starts them afresh and ends them with how it ended. A file that yields no PDF is marked; a
// warning holds the worker in a box until it is closed; the end of the run is reported in one box, and the result
// is opened when the options ask for it.
class FileListRun : public QObject
{
    Q_OBJECT

public:
    // The parts of the pane the run reads and shows itself in; each must outlive the run.
    struct Parts
    {
        QWidget& pane; // the parent of the boxes
        grid::CGridCtrl& grid;
        const FileEntryList& entries;
        chrome::CTextProgressBar& currentBar;
        chrome::CTextProgressBar& totalBar;
    };

    FileListRun(const Parts& parts, OptionsSource& options, const FileListServices& services);

    // Set by start, cleared by stop and at the end of a run.
    bool running() const { return m_running; }
    // A worker is converting (possibly finishing its file after stop).
    bool workerAlive() const;
    FailureMarks& failures() const { return *m_failures; }

    // Both bars back at 0, waiting for a run.
    void showWaiting();
    void start();
    void stop();
    // See CFileListDialog::closeDown.
    bool closeDown(std::chrono::milliseconds timeout);

signals:
    // The running flag changed, or the worker ended.
    void stateChanged();
    void runInProgressChanged(bool inProgress);

private:
    void setRunning(bool running);
    void resetBars(const QString& caption);
    void showFileStarted(std::size_t index);
    void showProgress(qint64 low, qint64 high, qint64 position);
    void onFileFinished(int index, const engine::FileResult& result, const QString& caption);
    void onRunEnded(const engine::RunSummary& summary);
    void onWarning(const QString& text);
    void openResult(const engine::RunSummary& summary);

    Parts m_parts;
    OptionsSource& m_options;
    const FileListServices& m_services;
    DesktopRun* m_run;
    FailureMarks* m_failures;

    bool m_running = false;
    bool m_stopRequested = false;
    bool m_closing = false;
    std::vector<engine::ConversionJob> m_jobs;
    std::vector<FileEntryList::Id> m_jobIds;
    engine::ConversionOptions m_runOptions;
    QString m_currentName; // the file under way
    QPointer<QWidget> m_warningBox;
};

} // namespace panes
