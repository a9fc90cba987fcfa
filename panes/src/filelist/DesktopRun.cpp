#include "panes/DesktopRun.h"

#include "filelist/FileListTexts.h"
#include "shared/PostBox.h"
#include "filelist/RunReport.h"

#include <QPointer>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <set>
#include <utility>
#include <vector>

namespace panes {
namespace {

// Workers that outlived a shut down, on the interface thread only.
std::vector<QPointer<QThread>>& LingeringWorkers()
{
    static std::vector<QPointer<QThread>> workers;
    return workers;
}

} // namespace

// The worker's side of a run: keeps the latest progress in atomics for the timer to read, and hands every other
// event to the interface thread through the post box. Events queue up while the interface has not taken the
// earlier ones, and one post carries them all, so that a run of many small files does not wake the interface
// once per file.
class RunReporter : public engine::RunObserver, public std::enable_shared_from_this<RunReporter>
{
public:
    explicit RunReporter(DesktopRun* run)
        : m_box(run)
        , m_run(run)
    {
    }

    void progressRange(std::int64_t low, std::int64_t high) override
    {
        m_low.store(low);
        m_high.store(high);
        m_position.store(low);
    }
    void progressPosition(std::int64_t position) override { m_position.store(position); }

    void warning(const std::string& message) override
    {
        std::unique_lock lock(m_mutex);
        if (m_released || !m_shownKinds.insert(WarningKind(message)).second) {
            return;
        }
        m_held = true;
        const QString text = FromNative(m_currentPath) + QStringLiteral(":\n") + QString::fromStdString(message);
        if (!hand([run = m_run, text] { emit run->warningRaised(text); })) {
            m_held = false;
            return;
        }
        m_wake.wait(lock, [this] { return !m_held || m_released; });
    }

    void fileStarted(int index, int, const engine::ConversionJob& job) override
    {
        m_currentPath = job.path;
        hand([run = m_run, index] { emit run->fileStarted(index); });
    }

    void fileFinished(int index, int count, const engine::FileResult& result, const std::string& caption) override
    {
        hand([run = m_run, index, count, result, text = QString::fromStdString(caption)] {
            emit run->fileFinished(index, count, result, text);
        });
    }

    void runEnded(const engine::RunSummary& summary) override
    {
        hand([run = m_run, summary] { emit run->runEnded(summary); });
    }

    void continueAfterWarning()
    {
        std::lock_guard lock(m_mutex);
        m_held = false;
        m_wake.notify_all();
    }

    // No more holding or reporting: the interface is going away.
    void release()
    {
        m_box.close();
        std::lock_guard lock(m_mutex);
        m_released = true;
        m_wake.notify_all();
    }

    std::atomic<std::int64_t> m_low { 0 };
    std::atomic<std::int64_t> m_high { 0 };
    std::atomic<std::int64_t> m_position { 0 };

private:
    // Queues an event; false when the interface takes no more.
    bool hand(std::function<void()> event)
    {
        std::lock_guard lock(m_queueMutex);
        m_queue.push_back(std::move(event));
        if (!m_posted) {
            m_posted = m_box.post([self = shared_from_this()] { self->deliver(); });
            return m_posted;
        }
        return true;
    }

    // On the interface thread: the events queued so far, in order.
    void deliver()
    {
        std::vector<std::function<void()>> events;
        {
            std::lock_guard lock(m_queueMutex);
            events.swap(m_queue);
            m_posted = false;
        }
        for (const auto& event : events) {
            event();
        }
    }

    PostBox m_box;
    std::mutex m_queueMutex;
    std::vector<std::function<void()>> m_queue;
    bool m_posted = false;
    DesktopRun* const m_run;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::set<std::string> m_shownKinds;
    std::string m_currentPath; // of the file under way, on the worker (a run of one worker)
    bool m_held = false;
    bool m_released = false;
};

DesktopRun::DesktopRun(QObject* parent)
    : QObject(parent)
{
    m_progressTimer.setInterval(16);
    connect(&m_progressTimer, &QTimer::timeout, this, &DesktopRun::pollProgress);
}

DesktopRun::~DesktopRun()
{
    shutDown(std::chrono::seconds(1));
}

bool DesktopRun::start(engine::ConversionOptions options, std::vector<engine::ConversionJob> jobs)
{
    if (m_thread) {
        return false;
    }
    m_reporter = std::make_shared<RunReporter>(this);
    m_run = std::make_shared<engine::ConversionRun>(std::move(options), std::move(jobs));
    m_shownLow = m_shownHigh = m_shownPosition = -1;
    m_thread = QThread::create([run = m_run, reporter = m_reporter] { run->execute(*reporter); });
    connect(m_thread, &QThread::finished, this, &DesktopRun::onThreadFinished);
    m_thread->start();
    m_progressTimer.start();
    return true;
}

void DesktopRun::stop()
{
    if (m_run) {
        m_run->requestStop();
    }
}

void DesktopRun::continueAfterWarning()
{
    if (m_reporter) {
        m_reporter->continueAfterWarning();
    }
}

bool DesktopRun::shutDown(std::chrono::milliseconds timeout)
{
    if (!m_thread) {
        return true;
    }
    m_progressTimer.stop();
    m_run->requestAbandon();
    m_reporter->release();
    QThread* thread = m_thread;
    disconnect(thread, nullptr, this, nullptr);
    m_thread = nullptr;
    m_reporter.reset();
    m_run.reset();
    if (thread->wait(QDeadlineTimer(timeout))) {
        delete thread;
        return true;
    }
    // The worker still converts; the thread object deletes itself once it has ended, or is waited for at exit.
    thread->setParent(nullptr);
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    LingeringWorkers().push_back(thread);
    return false;
}

void DesktopRun::WaitForLingeringWorkers()
{
    for (const QPointer<QThread>& thread : std::exchange(LingeringWorkers(), {})) {
        if (thread) {
            thread->wait();
            delete thread.data();
        }
    }
}

void DesktopRun::pollProgress()
{
    if (!m_reporter) {
        return;
    }
    const qint64 low = m_reporter->m_low.load();
    const qint64 high = m_reporter->m_high.load();
    const qint64 position = m_reporter->m_position.load();
    if (low != m_shownLow || high != m_shownHigh || position != m_shownPosition) {
        m_shownLow = low;
        m_shownHigh = high;
        m_shownPosition = position;
        emit progressChanged(low, high, position);
    }
}

void DesktopRun::onThreadFinished()
{
    if (!m_thread) { // shut down already
        return;
    }
    pollProgress();
    m_progressTimer.stop();
    m_thread->deleteLater();
    m_thread = nullptr;
    m_reporter.reset();
    m_run.reset();
    emit workerEnded();
}

} // namespace panes
