#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

namespace {

// Whether the process has a handler of its own for SIGTERM: the mask of caught signals in /proc/PID/status.
bool catchesSigterm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
        }
    }
    return false;
}

} // namespace

// The desktop program as a process: the end of the session (SIGTERM) saves the options before it ends.
class TerminationTest : public QObject
{
    Q_OBJECT

private slots:
    void sigtermEndsTheProgramNormally()
    {
        testsupport::TempDir dir;
        const auto folder = QString::fromStdString(dir.path().string());
        const auto program = folder + QStringLiteral("/marlowen-term");
        QVERIFY(QFile::copy(QStringLiteral(MARLOWEN_PROGRAM), program));
        dir.write("Settings.ini", "[Document Display Option]\nOpenResult=1\n");
        QVERIFY(QDir(folder).mkdir(QStringLiteral("runtime")));
        QFile::setPermissions(folder + QStringLiteral("/runtime"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QProcess process;
        auto environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder + QStringLiteral("/runtime"));
        process.setProcessEnvironment(environment);
        process.start(program, { QStringLiteral("-Embedding") });
        QVERIFY(process.waitForStarted());
        // Signalled only once the program catches SIGTERM (it has no display, so no socket for later starts).
        QTRY_VERIFY_WITH_TIMEOUT(catchesSigterm(process.processId()), 10000);
        process.terminate();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        // No option was changed, so the user's options are left as they were written; the window's placement follows.
        const std::string options = "[Document Display Option]\nOpenResult=1\n";
        const std::string after = testsupport::readFile(dir.path() / "Settings.ini");
        QCOMPARE(after.substr(0, options.size() + 14), options + "[Main Window]\n");
    }
};

QTEST_GUILESS_MAIN(TerminationTest)
#include "TerminationTest.moc"
