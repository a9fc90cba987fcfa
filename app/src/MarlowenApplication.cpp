#include "app/MarlowenApplication.h"

#include "app/CMainFrame.h"
#include "app/CSplashWindow.h"
#include "app/OptionsKeeper.h"
#include "app/Pictures.h"
#include "app/SingleInstance.h"
#include "app/StartArguments.h"
#include "app/StartSettings.h"
#include "app/TerminationSignals.h"
#include "app/TipsFile.h"
#include "engine/SettingsFile.h"
#include "panes/DesktopRun.h"
#include "panes/MessageBoxAsker.h"
#include "platform/SettingsLocation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QSessionManager>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <memory>

namespace app {

namespace {

// How long a second start keeps trying while the first is still starting.
constexpr std::chrono::seconds HandOverPatience(5);

// Tells the observer once, when the window is first on the screen.
class FirstExposure : public QObject
{
public:
    FirstExposure(CMainFrame& frame, ShownObserver observer)
        : m_frame(frame)
        , m_observer(std::move(observer))
    {
        frame.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && m_frame.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            m_observer(m_frame);
        }
        return false;
    }

private:
    CMainFrame& m_frame;
    ShownObserver m_observer;
};

std::vector<std::string> ArgumentBytes(int argc, char** argv)
{
    return std::vector<std::string>(argv + 1, argv + argc);
}

} // namespace

int RunApplication(int argc, char** argv, const ShownObserver& shown)
{
    // Answered as command-line programs do, without a display.
    if (const auto answer = CommandLineAnswer(ArgumentBytes(argc, argv)); !answer.empty()) {
        std::fputs(answer.c_str(), stdout);
        return 0;
    }
    QApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("marlowen"));
    application.setDesktopFileName(QStringLiteral("marlowen"));
    application.setWindowIcon(ProgramIcon());
    // From here on SIGTERM, SIGHUP and SIGINT wait for the event loop, which saves the options and ends.
    TerminationSignals termination;

    // QApplication has taken its own options (-platform, -style, ...) out of argv.
    const auto start = ParseStartArguments(ArgumentBytes(argc, argv), QDir::currentPath().toStdString());

    // One copy per display and login session; without a display, no copy to hand over to.
    const QString session = SessionKey(QGuiApplication::platformName(), QProcessEnvironment::systemEnvironment());
    std::unique_ptr<SingleInstance> instance;
    if (!session.isEmpty()) {
        instance = std::make_unique<SingleInstance>(InstanceName(QCoreApplication::applicationFilePath(), session));
        switch (instance->claim(start.paths, HandOverPatience)) {
        case SingleInstance::Claim::HandedOver:
            return 0;
        case SingleInstance::Claim::NoAnswer:
            std::fprintf(stderr, "marlowen: another copy of the program is running but does not answer\n");
            return 1;
        case SingleInstance::Claim::First:
            break;
        }
        if (!instance->listen()) {
            std::fprintf(stderr, "marlowen: warning: later starts cannot hand their files to this one\n");
        }
    }

    const auto executableFolder = platform::ExecutableFolder();
    engine::ConversionOptions options;
    const auto settings = LoadStartSettings(platform::SettingsFileToRead(executableFolder),
                                            platform::SettingsFilePath(executableFolder), options);
    OptionsKeeper keeper(settings.path, options);
    CMainFrame frame(options, keeper, FindTipsFile(executableFolder));
    frame.show();
    std::unique_ptr<FirstExposure> exposure;
    if (shown) {
        exposure = std::make_unique<FirstExposure>(frame, shown);
    }
    if (start.startupWindows) {
        CSplashWindow::ShowSplashWindow(&frame);
    }
    frame.addPaths(start.paths);
    if (instance) {
        QObject::connect(instance.get(), &SingleInstance::pathsArrived, &frame,
                         [&frame](const std::vector<std::string>& paths) {
                             // Raised first, so that a box about files already listed comes above it, not behind.
                             frame.bringToFront();
                             frame.addPaths(paths);
                         });
    }

    QObject::connect(&termination, &TerminationSignals::terminationRequested, &frame, &CMainFrame::closeQuietly);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &keeper, [&keeper](QSessionManager&) {
        static_cast<void>(keeper.saveNow()); // the session is ending: there is no one to tell
    });

    // After the window is up: the problems of the settings file, then the tip of the day.
    QTimer::singleShot(0, &frame, [&] {
        if (!settings.notice.isEmpty()) {
            panes::MessageBoxAsker::instance().tell(&frame, QMessageBox::Warning, settings.notice);
        }
        if (start.startupWindows) {
            frame.showTipAtStartup();
        }
    });
    const int code = application.exec();
    panes::DesktopRun::WaitForLingeringWorkers();
    return code;
}

} // namespace app
