#include "filelist/FileListRun.h"

#include "panes/DesktopRun.h"
#include "panes/MessageAsker.h"
#include "panes/OptionsSource.h"

#include "filelist/FailureMarks.h"
#include "filelist/FileListGrid.h"
#include "filelist/FileListTexts.h"
#include "filelist/RunCaptions.h"
#include "filelist/RunReport.h"

#include <chrome/CTextProgressBar.h>
#include <grid/CGridCtrl.h>

#include <QFileInfo>

#include <climits>

namespace panes {

namespace {

const char* const WaitingCaption = "Waiting for converting.";

} // namespace

FileListRun::FileListRun(const Parts& parts, OptionsSource& options, const FileListServices& services)
    : QObject(&parts.pane)
    , m_parts(parts)
    , m_options(options)
    , m_services(services)
    , m_run(new DesktopRun(this))
    , m_failures(new FailureMarks(parts.grid, parts.entries, this))
{
    connect(m_run, &DesktopRun::progressChanged, this, &FileListRun::showProgress);
    connect(m_run, &DesktopRun::fileStarted, this, [this](int index) { showFileStarted(std::size_t(index)); });
    connect(m_run, &DesktopRun::fileFinished, this,
            [this](int index, int, const engine::FileResult& result, const QString& caption) {
                onFileFinished(index, result, caption);
            });
    connect(m_run, &DesktopRun::warningRaised, this, &FileListRun::onWarning);
    connect(m_run, &DesktopRun::runEnded, this, &FileListRun::onRunEnded);
    connect(m_run, &DesktopRun::workerEnded, this, [this] {
        emit stateChanged();
        emit runInProgressChanged(false);
    });
    showWaiting();
}

bool FileListRun::workerAlive() const
{
    return m_run->workerAlive();
}

void FileListRun::showWaiting()
{
    resetBars(QString::fromLatin1(WaitingCaption));
}

void FileListRun::resetBars(const QString& caption)
{
    for (auto* bar : { &m_parts.currentBar, &m_parts.totalBar }) {
        bar->setPosition(0);
        bar->setCaption(caption);
    }
}

void FileListRun::showFileStarted(std::size_t index)
{
    m_currentName = QFileInfo(FromNative(m_jobs[index].path)).fileName();
    m_parts.currentBar.setPosition(0);
    m_parts.currentBar.setCaption(CurrentFileCaption(m_currentName, 0, 1, 0));
}

void FileListRun::showProgress(qint64 low, qint64 high, qint64 position)
{
    // The bar counts in ints; large files are scaled down alike.
    const int shift = high > INT_MAX ? 10 : 0;
    m_parts.currentBar.setRange(int(low >> shift), int(high >> shift));
    m_parts.currentBar.setPosition(int(position >> shift));
    if (!m_currentName.isEmpty()) { // not once the run has ended
        m_parts.currentBar.setCaption(CurrentFileCaption(m_currentName, low, high, position));
    }
}

void FileListRun::start()
{
    grid::CGridCtrl& grid = m_parts.grid;
    grid.EndEditing();
    m_failures->clear();
    m_jobs.clear();
    m_jobIds.clear();
    for (int row = 1; row < grid.GetRowCount(); ++row) {
        if (IsRowChecked(grid, row)) {
            auto& job = m_jobs.emplace_back();
            job.path = m_parts.entries.path(std::size_t(row - 1));
            job.relativePath = m_parts.entries.relativePath(std::size_t(row - 1));
            job.ownerPassword = grid.GetItemText(row, OwnerPasswordColumn).toStdString();
            job.userPassword = grid.GetItemText(row, UserPasswordColumn).toStdString();
            m_jobIds.push_back(m_parts.entries.id(std::size_t(row - 1)));
        }
    }
    m_runOptions = m_options.ReadBackOptions();
    if (m_jobs.empty()) {
        resetBars(QString::fromLatin1(NoFileCheckedCaption));
        return;
    }
    m_stopRequested = false;
    m_parts.totalBar.setRange(0, int(m_jobs.size()));
    m_parts.totalBar.setPosition(0);
    m_parts.totalBar.setCaption(RunStartCaption(int(m_jobs.size())));
    showFileStarted(0);
    m_run->start(m_runOptions, m_jobs);
    setRunning(true);
    emit runInProgressChanged(true);
}

void FileListRun::stop()
{
    setRunning(false);
    resetBars(QString::fromLatin1(engine::ConvertStoppedCaption));
    if (workerAlive()) {
        m_stopRequested = true;
        m_run->stop();
    }
}

void FileListRun::setRunning(bool running)
{
    m_running = running;
    emit stateChanged();
}

void FileListRun::onFileFinished(int index, const engine::FileResult& result, const QString& caption)
{
    if (!caption.isEmpty()) {
        m_parts.totalBar.setPosition(index + 1);
        m_parts.totalBar.setCaption(caption);
    }
    if (!result.written()) {
        m_failures->mark(m_jobIds[std::size_t(index)], QString::fromStdString(result.outcome.error()));
    }
}

void FileListRun::onRunEnded(const engine::RunSummary& summary)
{
    if (m_closing) {
        return;
    }
    QString report = RunReportText(summary.results);
    m_currentName.clear();
    const EndCaptions captions = RunEndCaptions(summary, m_stopRequested);
    m_parts.currentBar.setCaption(captions.current);
    m_parts.totalBar.setCaption(captions.total);
    if (summary.end == engine::RunEnd::Halted) {
        setRunning(false);
        const auto& last = summary.results.back();
        report.prepend(QStringLiteral("The conversion stopped at %1: %2\n\n")
                           .arg(QString::fromStdString(last.inputPath), QString::fromStdString(last.outcome.error())));
    } else if (summary.end == engine::RunEnd::Finished && !m_stopRequested) {
        setRunning(false);
        openResult(summary);
    }
    if (!report.isEmpty()) {
        m_services.asker->show(&m_parts.pane, QMessageBox::Warning, report.trimmed());
    }
}

void FileListRun::openResult(const engine::RunSummary& summary)
{
    if (m_runOptions.OpenResult == engine::Yes && summary.converted > 0) {
        m_services.openOnDesktop(&m_parts.pane, FromNative(engine::ResultToOpen(m_runOptions, m_jobs)));
    }
}

void FileListRun::onWarning(const QString& text)
{
    if (m_closing) {
        m_run->continueAfterWarning();
        return;
    }
    const QPointer<DesktopRun> run(m_run);
    m_warningBox = m_services.asker->show(&m_parts.pane, QMessageBox::Warning, text, [run] {
        if (run) {
            run->continueAfterWarning();
        }
    });
}

bool FileListRun::closeDown(std::chrono::milliseconds timeout)
{
    m_closing = true;
    if (m_warningBox) {
        m_warningBox->close();
    }
    const bool ended = m_run->shutDown(timeout);
    if (m_running) {
        setRunning(false);
    }
    return ended;
}

} // namespace panes
