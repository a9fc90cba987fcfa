#include "app/CTipOfTheDayDialog.h"

#include "RecordingAsker.h"
#include "TempDir.h"
#include "platform/IniProfile.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

using app::CTipOfTheDayDialog;

namespace {

// Comment lines, blank-led lines and empty lines (LF and CR LF) around three tips.
const std::string ThreeTips = "; tips for the test\n"
                              "First tip.\n"
                              "\n"
                              "  indented, never shown\n"
                              "\tafter a tab, never shown\n"
                              "Second tip.\r\n"
                              "\r\n"
                              "Third tip.\n";

QPushButton* button(const QWidget& dialog, const QString& text)
{
    for (auto* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

std::string tipsValue(const testsupport::TempDir& dir, const char* key)
{
    auto profile = platform::IniProfile::Read((dir.path() / "Settings.ini").string()).value();
    return profile.text("Tips", key, 127).value_or("(none)");
}

void setTipsValue(const testsupport::TempDir& dir, const char* key, const std::string& value)
{
    auto profile = platform::IniProfile::Read((dir.path() / "Settings.ini").string()).value();
    profile.setText("Tips", key, value);
    QVERIFY(profile.save());
}

} // namespace

class TipOfTheDayTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<CTipOfTheDayDialog> open(const testsupport::TempDir& dir, RecordingAsker& asker)
    {
        return std::make_unique<CTipOfTheDayDialog>((dir.path() / "Settings.ini").string(),
                                                    (dir.path() / "tips.txt").string(), asker);
    }

private slots:
    void eachStartShowsTheNextTipAndNextTipWrapsToTheFirst()
    {
        testsupport::TempDir dir;
        dir.write("tips.txt", ThreeTips);
        RecordingAsker asker;
        auto first = open(dir, asker);
        QVERIFY(first->showAtStartup());
        QVERIFY(first->findChild<QCheckBox*>()->isChecked());
        QCOMPARE(first->tipText(), QStringLiteral("First tip.\n"));
        QVERIFY(QRegularExpression(QStringLiteral("^[A-Z][a-z]{2} [A-Z][a-z]{2} \\d\\d \\d\\d:\\d\\d:\\d\\d \\d{4}$"))
                    .match(QString::fromStdString(tipsValue(dir, "TimeStamp")))
                    .hasMatch());
        first.reset();
        QCOMPARE(tipsValue(dir, "FilePos"), std::to_string(ThreeTips.find("\n", ThreeTips.find("First")) + 1));

        // The next start goes on where the last stopped; Next Tip runs past the end to the first tip.
        auto second = open(dir, asker);
        QCOMPARE(second->tipText(), QStringLiteral("Second tip.\r\n"));
        auto* next = button(*second, QStringLiteral("&Next Tip"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(second->tipText(), QStringLiteral("Third tip.\n"));
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(second->tipText(), QStringLiteral("First tip.\n"));
        QVERIFY(asker.told().isEmpty());
    }

    void aReplacedFileStartsAgainAtItsFirstTip()
    {
        testsupport::TempDir dir;
        dir.write("tips.txt", ThreeTips);
        RecordingAsker asker;
        open(dir, asker);
        QCOMPARE(open(dir, asker)->tipText(), QStringLiteral("Second tip.\r\n"));
        setTipsValue(dir, "TimeStamp", "Thu Mar 01 10:20:30 2012");
        QCOMPARE(open(dir, asker)->tipText(), QStringLiteral("First tip.\n"));
        QVERIFY(tipsValue(dir, "TimeStamp") != "Thu Mar 01 10:20:30 2012");
    }

    void closeStoresTheCheckBoxAndEscapeDoesNot()
    {
        testsupport::TempDir dir;
        dir.write("tips.txt", ThreeTips);
        RecordingAsker asker;
        auto dialog = open(dir, asker);
        dialog->show();
        QTest::mouseClick(dialog->findChild<QCheckBox*>(), Qt::LeftButton);
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(tipsValue(dir, "TipOfDay"), std::string("(none)"));

        dialog = open(dir, asker);
        QVERIFY(dialog->showAtStartup());
        dialog->show();
        QTest::mouseClick(dialog->findChild<QCheckBox*>(), Qt::LeftButton);
        QTest::mouseClick(button(*dialog, QStringLiteral("&Close")), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(tipsValue(dir, "TipOfDay"), std::string("0"));
        dialog = open(dir, asker);
        QVERIFY(!dialog->showAtStartup());
        QVERIFY(!dialog->findChild<QCheckBox*>()->isChecked());
    }

    void aFileWithoutTipsShowsNoneAndAMissingFileSaysSo()
    {
        testsupport::TempDir dir;
        RecordingAsker asker;
        auto missing = open(dir, asker);
        QCOMPARE(missing->tipText(), QStringLiteral("Tips file does not exist in the prescribed directory"));
        QVERIFY(!button(*missing, QStringLiteral("&Next Tip"))->isEnabled());
        missing.reset();
        QCOMPARE(tipsValue(dir, "FilePos"), std::string("(none)"));

        dir.write("tips.txt", "; only comments\n\n  and blank-led lines\n");
        auto empty = open(dir, asker);
        QCOMPARE(empty->tipText(), QString());
        QVERIFY(!button(*empty, QStringLiteral("&Next Tip"))->isEnabled());
        QVERIFY(asker.told().isEmpty());
    }

    void aLineLongerThanTheBufferGivesSeveralTipsAndABadPositionIsTold()
    {
        testsupport::TempDir dir;
        dir.write("tips.txt", std::string(1500, 'x') + "\n");
        RecordingAsker asker;
        auto dialog = open(dir, asker);
        QCOMPARE(dialog->tipText(), QString(999, QLatin1Char('x')));
        QTest::mouseClick(button(*dialog, QStringLiteral("&Next Tip")), Qt::LeftButton);
        QCOMPARE(dialog->tipText(), QString(501, QLatin1Char('x')) + QLatin1Char('\n'));
        dialog.reset();

        setTipsValue(dir, "FilePos", "-5");
        dialog = open(dir, asker);
        QCOMPARE(dialog->tipText(), QString());
        QCOMPARE(asker.told().size(), 1);
        QCOMPARE(asker.told().front().text, QStringLiteral("Trouble reading the tips file"));
    }
};

QTEST_MAIN(TipOfTheDayTest)
#include "TipOfTheDayTest.moc"
