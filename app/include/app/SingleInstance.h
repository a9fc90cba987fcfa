#pragma once

#include "app/HandOverMessage.h"

#include <QLockFile>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

class QLocalServer;
class QLocalSocket;

namespace app {

// One running instance per executable name, display and login session (see SessionKey). The
// first start holds a lock file and listens on a local socket, both named after the instance name
// in a folder of the user's runtime folder that only the user can enter; a later start hands its
// files to it over the socket and ends.
//
// A lock or socket left behind by an instance that crashed is taken over. A start that finds the
// lock held but nobody listening yet (the first is still starting) keeps trying for a while, so a
// file manager that starts one process per file loses none of them.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // runtimeFolder empty: the user's runtime folder ($XDG_RUNTIME_DIR).
    explicit SingleInstance(const QString& instanceName, const QString& runtimeFolder = QString());
    ~SingleInstance() override;

    enum class Claim {
        First,      // this process holds the lock: call listen() once it can take files
        HandedOver, // the running instance took the files: this process ends
        NoAnswer,   // the lock is held but nobody answered in time
    };
    Claim claim(const std::vector<std::string>& paths, std::chrono::milliseconds patience);

    // Takes hand-overs from later starts: each arrives as pathsArrived. Removes a leftover socket first.
    bool listen();

    QString lockPath() const { return m_basePath + QStringLiteral(".lock"); }
    QString socketPath() const { return m_basePath + QStringLiteral(".socket"); }

signals:
    // A later start handed over these files (possibly none): add them and bring the window forward.
    void pathsArrived(const std::vector<std::string>& paths);

private:
    bool handOver(const std::vector<std::string>& paths);
    void acceptConnection();
    void readMessage(QLocalSocket* socket, std::shared_ptr<HandOverReader> reader);

    QString m_basePath;
    QLockFile m_lock;
    std::unique_ptr<QLocalServer> m_server;
};

// The executable's file name without folder and extension, and when a session key is given, a digest of it: a start
// on another display or in another login session is an instance of its own.
QString InstanceName(const QString& executablePath, const QString& sessionKey = QString());

// What a window of this process is shown on: the X display ($DISPLAY, whatever its screen number) or the Wayland
// display ($WAYLAND_DISPLAY) of the Qt platform in use, with the login session ($XDG_SESSION_ID). Empty where there is
// no display (an offscreen or other platform, or the variable unset): such a start never hands its files over.
QString SessionKey(const QString& platformName, const QProcessEnvironment& environment);

} // namespace app
