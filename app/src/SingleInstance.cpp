#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

namespace app {

namespace {

// A socket path must fit sockaddr_un (108 bytes with its terminating NUL).
constexpr qsizetype MaxSocketPathLength = 100;
constexpr int AnswerMilliseconds = 5000;
constexpr int RetryMilliseconds = 100;
constexpr char Received = 1;

QString InstanceFolder(const QString& runtimeFolder)
{
    auto base = runtimeFolder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                                        : runtimeFolder;
    auto folder = base + QStringLiteral("/marlowen");
    QDir().mkdir(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

QString BasePath(const QString& folder, const QString& instanceName)
{
    auto path = folder + QLatin1Char('/') + instanceName;
    if (QFile::encodeName(path).size() + 7 > MaxSocketPathLength) {
        auto digest = QCryptographicHash::hash(QFile::encodeName(instanceName), QCryptographicHash::Sha1);
        path = folder + QLatin1Char('/') + QString::fromLatin1(digest.toHex());
    }
    return path;
}

void Drop(QLocalSocket* socket)
{
    socket->abort();
    socket->deleteLater();
}

} // namespace

QString InstanceName(const QString& executablePath, const QString& sessionKey)
{
    QString name = QFileInfo(executablePath).completeBaseName();
    if (!sessionKey.isEmpty()) {
        const auto digest = QCryptographicHash::hash(sessionKey.toUtf8(), QCryptographicHash::Sha1);
        name += QLatin1Char('-') + QString::fromLatin1(digest.toHex().left(16));
    }
    return name;
}

QString SessionKey(const QString& platformName, const QProcessEnvironment& environment)
{
    QString display;
    if (platformName == QLatin1String("xcb")) {
        display = environment.value(QStringLiteral("DISPLAY"));
        // ":0" and ":0.1" are screens of one display.
        const qsizetype colon = display.lastIndexOf(QLatin1Char(':'));
        if (const qsizetype dot = display.indexOf(QLatin1Char('.'), colon + 1); colon >= 0 && dot > colon) {
            display.truncate(dot);
        }
    } else if (platformName.startsWith(QLatin1String("wayland"))) {
        display = environment.value(QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-0"));
    }
    if (display.isEmpty()) {
        return {};
    }
    return platformName + QLatin1Char(' ') + display + QLatin1Char(' ')
        + environment.value(QStringLiteral("XDG_SESSION_ID"));
}

SingleInstance::SingleInstance(const QString& instanceName, const QString& runtimeFolder)
    : m_basePath(BasePath(InstanceFolder(runtimeFolder), instanceName))
    , m_lock(lockPath())
{
    // A lock is stale only when its process is gone (crashed), never because it is old.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Claim SingleInstance::claim(const std::vector<std::string>& paths, std::chrono::milliseconds patience)
{
    QDeadlineTimer deadline(patience);
    for (;;) {
        if (m_lock.tryLock(0)) {
            return Claim::First;
        }
        if (handOver(paths)) {
            return Claim::HandedOver;
        }
        if (deadline.hasExpired()) {
            return Claim::NoAnswer;
        }
        QThread::msleep(RetryMilliseconds);
    }
}

bool SingleInstance::handOver(const std::vector<std::string>& paths)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(AnswerMilliseconds)) {
        return false;
    }
    socket.write(EncodeHandOver(paths));
    if (!socket.waitForBytesWritten(AnswerMilliseconds)) {
        return false;
    }
    // The first instance answers once it has taken the files.
    return socket.waitForReadyRead(AnswerMilliseconds) && socket.read(1) == QByteArray(1, Received);
}

bool SingleInstance::listen()
{
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(socketPath());
    if (!m_server->listen(socketPath())) {
        return false;
    }
    connect(m_server.get(), &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
    return true;
}

void SingleInstance::acceptConnection()
{
    while (auto* socket = m_server->nextPendingConnection()) {
        auto reader = std::make_shared<HandOverReader>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] { readMessage(socket, reader); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A peer that never completes its message is dropped.
        QTimer::singleShot(AnswerMilliseconds, socket, [socket] { Drop(socket); });
        readMessage(socket, reader);
    }
}

void SingleInstance::readMessage(QLocalSocket* socket, std::shared_ptr<HandOverReader> reader)
{
    switch (reader->append(socket->readAll())) {
    case HandOverReader::State::Incomplete:
        return;
    case HandOverReader::State::Malformed:
        Drop(socket);
        return;
    case HandOverReader::State::Complete:
        socket->disconnect(this);
        // Answered before the files are added: adding may ask the user something, and the later
        // start must not take the wait for a lost message and send its files again.
        socket->write(QByteArray(1, Received));
        socket->disconnectFromServer();
        emit pathsArrived(reader->paths());
        return;
    }
}

} // namespace app
