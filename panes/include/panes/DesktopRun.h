#pragma once

#include "engine/ConversionRun.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <chrono>
#include <memory>
#include <vector>

class QThread;

namespace panes {

class RunReporter;

// A conversion run on a worker thread of its own, reported to the interface thread through queued signals. The
// interface thread never waits for the worker, except in shutDown. The current file's progress is read by a
// timer about 60 times a second and signalled only when it changed, never once per line. The first warning of
// each kind in a run holds the worker until continueAfterWarning(); later ones of that kind only go into the
// results.
class DesktopRun : public QObject
{
    Q_OBJECT

public:
    explicit DesktopRun(QObject* parent = nullptr);
    // Shuts a run still going down (see shutDown).
    ~DesktopRun() override;

    // Starts converting the jobs with the options; false while a worker is still alive.
    bool start(engine::ConversionOptions options, std::vector<engine::ConversionJob> jobs);
    // Asks the run to end before its next file; the file under way is finished.
    void stop();
    // True from start until the worker has ended (workerEnded).
    bool workerAlive() const { return m_thread != nullptr; }
    // Lets a worker held by warningRaised go on.
    void continueAfterWarning();
    // For closing the program: stops the run, lets a held worker go, abandons the file under way at its next page
    // (nothing is written for it, an older PDF stays) and waits up to timeout for the worker to end. True when it
    // ended; otherwise the worker is left to end on its own, nothing reaches this object any more, and
    // WaitForLingeringWorkers() waits for it before the process ends.
    bool shutDown(std::chrono::milliseconds timeout);

    // Waits for every worker that shutDown left running, so that the process never ends while one still writes
    // (and would leave its temporary file behind). Called once the last window has closed.
    static void WaitForLingeringWorkers();

signals:
    // The current file's progress range and position, when they changed.
    void progressChanged(qint64 low, qint64 high, qint64 position);
    // Before each file, with its index in the job list.
    void fileStarted(int index);
    // After each file: its result and the caption "File %d of %d, %d%%" (empty when the run halted on it).
    void fileFinished(int index, int count, const engine::FileResult& result, const QString& caption);
    // The first warning of its kind in this run, after the path of its file and ":\n"; the worker waits for
    // continueAfterWarning().
    void warningRaised(const QString& text);
    void runEnded(const engine::RunSummary& summary);
    // The worker thread has ended; a new run can start.
    void workerEnded();

private:
    void pollProgress();
    void onThreadFinished();

    std::shared_ptr<RunReporter> m_reporter;
    std::shared_ptr<engine::ConversionRun> m_run;
    QThread* m_thread = nullptr;
    QTimer m_progressTimer;
    qint64 m_shownLow = -1;
    qint64 m_shownHigh = -1;
    qint64 m_shownPosition = -1;
};

} // namespace panes
