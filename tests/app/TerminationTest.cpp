#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <csignal>

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
        // The socket for later starts exists once the program takes signals in order.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder + QStringLiteral("/runtime/marlowen/marlowen-term.socket")),
                                 10000);
        process.terminate();
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        // Nothing was changed, so the user's file is left as it was written.
        QCOMPARE(testsupport::readFile(dir.path() / "Settings.ini"), "[Document Display Option]\nOpenResult=1\n");
    }
};

QTEST_GUILESS_MAIN(TerminationTest)
#include "TerminationTest.moc"
