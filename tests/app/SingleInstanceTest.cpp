#include "app/SingleInstance.h"
#include "app/StartArguments.h"

#include "TempDir.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <future>

using app::SingleInstance;
using namespace std::chrono_literals;

namespace {

using Paths = std::vector<std::string>;

// Paths no line-based message would carry intact: a line break, letters beyond ASCII, a blank.
const Paths AwkwardPaths = { "/tmp/two\nlines.txt", "/tmp/\xc3\xa9t\xc3\xa9.txt", "/tmp/a b.txt" };

QString runtimeFolder(const testsupport::TempDir& dir)
{
    return QString::fromStdString(dir.path().string());
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void switchesAndPaths()
    {
        auto start = app::ParseStartArguments({ "-Embedding", "a.txt", "/abs/b.txt", "sub/../c.txt", "-x", "" }, "/home/u");
        QVERIFY(!start.startupWindows);
        QCOMPARE(start.paths, (Paths { "/home/u/a.txt", "/abs/b.txt", "/home/u/c.txt" }));
        for (const char* off : { "-embedding", "--AUTOMATION", "-Automation", "--Embedding" }) {
            QVERIFY2(!app::ParseStartArguments({ off }, "/").startupWindows, off);
        }
        for (const char* other : { "-Embed", "---embedding", "-automation2", "/Embedding" }) {
            QVERIFY2(app::ParseStartArguments({ other }, "/").startupWindows, other);
        }
        // "/Embedding" is a path on this system, not a switch.
        QCOMPARE(app::ParseStartArguments({ "/Embedding" }, "/").paths, Paths { "/Embedding" });
        QCOMPARE(app::InstanceName(QStringLiteral("/opt/x/bin/tool.bin")), QStringLiteral("tool"));
    }

    // One copy per display and login session; no display, no copy to hand over to.
    void instancePerDisplayAndSession()
    {
        auto key = [](const char* platform, std::initializer_list<std::pair<const char*, const char*>> variables) {
            QProcessEnvironment environment;
            for (const auto& [name, value] : variables) {
                environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
            }
            return app::SessionKey(QString::fromLatin1(platform), environment);
        };
        const QString local = key("xcb", { { "DISPLAY", ":0" }, { "XDG_SESSION_ID", "3" } });
        QVERIFY(!local.isEmpty());
        QCOMPARE(key("xcb", { { "DISPLAY", ":0.1" }, { "XDG_SESSION_ID", "3" } }), local);
        QVERIFY(key("xcb", { { "DISPLAY", ":1" }, { "XDG_SESSION_ID", "3" } }) != local);
        QVERIFY(key("xcb", { { "DISPLAY", ":0" }, { "XDG_SESSION_ID", "7" } }) != local);
        QVERIFY(key("wayland", { { "WAYLAND_DISPLAY", "wayland-1" } })
                != key("wayland", { { "WAYLAND_DISPLAY", "wayland-0" } }));
        QCOMPARE(key("xcb", { { "WAYLAND_DISPLAY", "wayland-0" } }), QString());
        QCOMPARE(key("offscreen", { { "DISPLAY", ":0" } }), QString());
        const QString program = QStringLiteral("/usr/bin/marlowen");
        QVERIFY(app::InstanceName(program, local) != app::InstanceName(program, key("xcb", { { "DISPLAY", ":1" } })));
    }

    void aSecondStartHandsItsFilesToTheFirst()
    {
        testsupport::TempDir runtime;
        SingleInstance first(QStringLiteral("marlowen"), runtimeFolder(runtime));
        QCOMPARE(first.claim({}, 0ms), SingleInstance::Claim::First);
        QVERIFY(first.listen());
        QCOMPARE(QFile::permissions(first.socketPath()) & (QFile::ReadOther | QFile::WriteOther | QFile::ReadGroup),
                 QFile::Permissions());
        QSignalSpy arrived(&first, &SingleInstance::pathsArrived);

        auto second = std::async(std::launch::async, [&] {
            SingleInstance later(QStringLiteral("marlowen"), runtimeFolder(runtime));
            return later.claim(AwkwardPaths, 2s);
        });
        QTRY_COMPARE(arrived.size(), 1);
        QCOMPARE(arrived.front().front().value<Paths>(), AwkwardPaths);
        QTRY_VERIFY(second.wait_for(0s) == std::future_status::ready);
        QCOMPARE(second.get(), SingleInstance::Claim::HandedOver);

        // Another executable name is another instance.
        SingleInstance other(QStringLiteral("marlowen-copy"), runtimeFolder(runtime));
        QCOMPARE(other.claim({}, 0ms), SingleInstance::Claim::First);
    }

    // A hand-over carries bytes, but only paths that name a file reach the list; the rest of the message does.
    void pathsThatCannotNameAFileAreRefused()
    {
        testsupport::TempDir runtime;
        SingleInstance first(QStringLiteral("marlowen"), runtimeFolder(runtime));
        QCOMPARE(first.claim({}, 0ms), SingleInstance::Claim::First);
        QVERIFY(first.listen());
        QSignalSpy arrived(&first, &SingleInstance::pathsArrived);
        const Paths sent = { "", "/tmp/kept.txt", std::string("/tmp/nul\0.txt", 13), "/tmp/latin1-\xe9\xff.txt",
            "relative.txt", "/tmp/overlong-\xc0\xaf.txt" };
        auto second = std::async(std::launch::async, [&] {
            SingleInstance later(QStringLiteral("marlowen"), runtimeFolder(runtime));
            return later.claim(sent, 2s);
        });
        QTRY_COMPARE(arrived.size(), 1);
        QCOMPARE(arrived.front().front().value<Paths>(), Paths { "/tmp/kept.txt" });
        QTRY_VERIFY(second.wait_for(0s) == std::future_status::ready);
        QCOMPARE(second.get(), SingleInstance::Claim::HandedOver);
    }

    void aStartWaitsForAFirstThatIsStillStarting()
    {
        testsupport::TempDir runtime;
        SingleInstance first(QStringLiteral("marlowen"), runtimeFolder(runtime));
        QCOMPARE(first.claim({}, 0ms), SingleInstance::Claim::First);
        QSignalSpy arrived(&first, &SingleInstance::pathsArrived);
        auto second = std::async(std::launch::async, [&] {
            SingleInstance later(QStringLiteral("marlowen"), runtimeFolder(runtime));
            return later.claim({ "/tmp/x.txt" }, 5s);
        });
        QTest::qWait(400);
        QVERIFY(second.wait_for(0s) == std::future_status::timeout);
        QVERIFY(first.listen());
        QTRY_COMPARE(arrived.size(), 1);
        QTRY_VERIFY(second.wait_for(0s) == std::future_status::ready);
        QCOMPARE(second.get(), SingleInstance::Claim::HandedOver);

        // Nobody ever listening: the later start gives up instead of waiting for ever.
        SingleInstance silent(QStringLiteral("silent"), runtimeFolder(runtime));
        QCOMPARE(silent.claim({}, 0ms), SingleInstance::Claim::First);
        SingleInstance later(QStringLiteral("silent"), runtimeFolder(runtime));
        QCOMPARE(later.claim({}, 200ms), SingleInstance::Claim::NoAnswer);
    }

    void aCrashedInstanceLeavesNothingThatLocksTheUserOut()
    {
        testsupport::TempDir runtime;
        SingleInstance first(QStringLiteral("marlowen"), runtimeFolder(runtime));
        // The lock and socket of a process that no longer runs.
        QFile lock(first.lockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("999999999\nmarlowen\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QFile socket(first.socketPath());
        QVERIFY(socket.open(QIODevice::WriteOnly));
        socket.close();

        QCOMPARE(first.claim({}, 0ms), SingleInstance::Claim::First);
        QVERIFY(first.listen());
        QSignalSpy arrived(&first, &SingleInstance::pathsArrived);
        auto second = std::async(std::launch::async, [&] {
            SingleInstance later(QStringLiteral("marlowen"), runtimeFolder(runtime));
            return later.claim({}, 2s);
        });
        QTRY_COMPARE(arrived.size(), 1);
        QTRY_VERIFY(second.wait_for(0s) == std::future_status::ready);
        QCOMPARE(second.get(), SingleInstance::Claim::HandedOver);
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
