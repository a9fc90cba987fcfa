// Conversion runs started from the file list pane, with the real engine, read back from the PDFs they wrote.
#include "PaneFixture.h"

#include "PdfProbe.h"

#include "engine/Converter.h"
#include "panes/DesktopRun.h"
#include "panes/FileListCommands.h"
#include "filelist/FileListGrid.h"
#include "panes/MessageBoxAsker.h"

#include <chrome/CIconButton.h>
#include <chrome/CTextProgressBar.h>
#include <grid/CGridCellCheck.h>

#include <QMessageBox>
#include <QRegularExpression>
#include <QToolTip>

#include <filesystem>

using namespace panes;
namespace fs = std::filesystem;

namespace {

std::string pdfOf(const QString& text)
{
    return engine::OutputPathFor(text.toStdString());
}

bool opensWith(const std::string& pdf, const std::string& password)
{
    try {
        testsupport::PdfProbe probe(pdf, password);
        return probe.encrypted();
    } catch (const std::exception&) {
        return false;
    }
}

void finishRun(const PaneFixture& f)
{
    QTRY_VERIFY_WITH_TIMEOUT(!f.pane->isWorkerAlive(), 30000);
}

// The captions a bar (by default the whole-run bar) shows from now on.
QStringList* recordCaptions(PaneFixture& f, chrome::CTextProgressBar* bar = nullptr)
{
    auto* captions = new QStringList;
    QObject::connect(bar ? bar : &f.pane->totalBar(), &chrome::CTextProgressBar::captionChanged, f.pane,
                     [captions](const QString& caption) { captions->append(caption); });
    QObject::connect(f.pane, &QObject::destroyed, [captions] { delete captions; });
    return captions;
}

void clickCheckBox(PaneFixture& f, int row)
{
    auto* cell = static_cast<grid::CGridCellCheck*>(f.grid().GetCell(row, 0));
    f.grid().viewport()->repaint(); // the box is where the user saw it drawn
    QTest::mouseClick(f.grid().viewport(), Qt::LeftButton, {},
                      cell->GetCheckPlacement(f.grid().GetCellRect(row, 0)).center());
}

} // namespace

class FileListRunTest : public QObject
{
    Q_OBJECT

private slots:
    // A password still being typed when F5 is pressed encrypts the PDF.
    void typedPasswordIsNeverLost()
    {
        PaneFixture f;
        const QString text = f.write("secret.txt");
        f.pane->addFiles({ text });
        f.click(1, 4);
        QTest::keyClicks(&f.grid(), "o");
        QTest::keyClicks(QApplication::focusWidget(), "wner");
        PaneFixture::key(Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), "reader");
        PaneFixture::key(Qt::Key_F5);
        finishRun(f);
        QVERIFY(fs::exists(pdfOf(text)));
        QVERIFY(!opensWith(pdfOf(text), ""));
        QVERIFY(opensWith(pdfOf(text), "reader"));
        QVERIFY(opensWith(pdfOf(text), "owner"));
    }

    // Exactly the checked entries, in list order, each with its own passwords; the captions count them.
    void threeCheckedOfFive()
    {
        PaneFixture f;
        QStringList texts;
        for (int i = 1; i <= 5; ++i) {
            texts.append(f.write("run/" + std::to_string(i) + ".txt"));
        }
        f.pane->addFiles(texts);
        clickCheckBox(f, 2);
        clickCheckBox(f, 4);
        for (int row = 1; row <= 5; ++row) {
            f.grid().SetItemText(row, 4, QStringLiteral("owner%1").arg(row));
            f.grid().SetItemText(row, 5, QStringLiteral("user%1").arg(row));
        }
        QStringList* captions = recordCaptions(f);
        QTest::mouseClick(f.pane->button(StartConvertCommand), Qt::LeftButton);
        finishRun(f);
        QCOMPARE(*captions, QStringList({ "File 0 of 3, 0%", "File 1 of 3, 33%", "File 2 of 3, 66%",
                                          "File 3 of 3, 100%", "Convert Finished" }));
        QCOMPARE(f.pane->currentBar().caption(), QStringLiteral("Convert Finished"));
        for (int row : { 1, 3, 5 }) {
            const std::string pdf = pdfOf(texts[row - 1]);
            QVERIFY(opensWith(pdf, "user" + std::to_string(row)));
            QVERIFY(!opensWith(pdf, "user" + std::to_string(row == 5 ? 1 : row + 2)));
        }
        QVERIFY(!fs::exists(pdfOf(texts[1])) && !fs::exists(pdfOf(texts[3])));
        QCOMPARE(f.opener.opened, QStringList({ QString::fromStdString((f.dir.path() / "run/").string()) }));
        QVERIFY(f.asker.told().isEmpty());
    }

    // Stop during the second of five: captions at once, the second finished, no third; Start Convert stays
    // unavailable by every path until the worker has ended.
    void stopDuringSecondOfFive()
    {
        PaneFixture f;
        QStringList texts;
        for (int i = 1; i <= 5; ++i) {
            // The second holds the run with the first warning of its kind: a character the encoding lacks.
            texts.append(f.write(std::to_string(i) + ".txt", i == 2 ? "caf\xC3\xA9 \xE4\xB8\xAD\n" : "plain\n"));
        }
        f.options.options.FallbackFonts = engine::No; // so that the encoding's lack is told
        f.pane->addFiles(texts);
        f.asker.holdShown(true);
        QStringList* captions = recordCaptions(f);
        f.grid().setFocus();
        PaneFixture::key(Qt::Key_F5);
        QTRY_COMPARE(f.asker.heldCount(), 1);
        QVERIFY(f.pane->isRunning());
        QVERIFY(!f.pane->button(OpenFileCommand)->isEnabled());
        QMenu* menu = f.openContextMenu(f.cellCentre(1, 5));
        QVERIFY(menu);
        QCOMPARE(PaneFixture::enabledCommands(*menu),
                 QList<int>({ OpenFileDirectoryCommand, OpenWithAssociatedAppCommand, StopConvertCommand }));
        menu->close();
        // The checks and passwords the run has read cannot be changed under it.
        clickCheckBox(f, 3);
        QVERIFY(IsRowChecked(f.grid(), 3));
        f.click(3, 4);
        QTest::keyClicks(&f.grid(), "x");
        QCOMPARE(f.grid().GetItemText(3, 4), QString());
        QVERIFY(!f.grid().IsEditable());
        // A drop joins the list, not the run.
        const QString dropped = f.write("dropped.txt");
        f.pane->addDroppedPaths({ dropped });
        QCOMPARE(f.pane->entryCount(), std::size_t(6));

        QTest::mouseClick(f.pane->button(StopConvertCommand), Qt::LeftButton);
        QVERIFY(!f.pane->isRunning());
        for (auto* bar : { &f.pane->currentBar(), &f.pane->totalBar() }) {
            QCOMPARE(bar->caption(), QStringLiteral("Convert stopped."));
            QCOMPARE(bar->value(), 0);
        }
        QVERIFY(f.pane->button(OpenFileCommand)->isEnabled());
        QVERIFY(f.pane->isCommandEnabled(RemoveSelectedCommand));
        // No second run: not by key, button, command or context menu, while the worker finishes its file.
        PaneFixture::key(Qt::Key_F5);
        QVERIFY(!f.pane->button(StartConvertCommand)->isEnabled());
        QVERIFY(!f.pane->runCommand(StartConvertCommand));
        QVERIFY(!f.pane->isCommandEnabled(StartConvertCommand));
        QCOMPARE(f.asker.heldCount(), 1);
        menu = f.openContextMenu(f.cellCentre(1, 5));
        QVERIFY(menu && !PaneFixture::enabledCommands(*menu).contains(StartConvertCommand));
        QVERIFY(PaneFixture::enabledCommands(*menu).contains(RemoveAllCommand));
        menu->close();

        f.asker.closeShown();
        finishRun(f);
        QCOMPARE(captions->mid(captions->size() - 2),
                 QStringList({ "File 2 of 5, 40%", "Convert stopped. 2 of 5 files done." }));
        QVERIFY(fs::exists(pdfOf(texts[0])) && fs::exists(pdfOf(texts[1])));
        QVERIFY(!fs::exists(pdfOf(texts[2])) && !fs::exists(pdfOf(dropped)));
        QVERIFY(f.opener.opened.isEmpty());
        QVERIFY(f.pane->isCommandEnabled(StartConvertCommand));
        QVERIFY(f.pane->button(StartConvertCommand)->isEnabled());
    }

    // Every run starts both bars afresh: after an idle stop and after a finished run, the current-file bar names
    // the file under way, the whole-run bar fills with the files done, and the end tells how many failed.
    void captionsFollowEachRun()
    {
        PaneFixture f;
        const QStringList texts { f.write("one.txt"), f.write("two.txt"), f.write("three.txt"), f.write("four.txt") };
        f.pane->addFiles(texts);
        for (int i : { 0, 1, 3 }) {
            fs::remove(texts[i].toStdString());
        }
        QVERIFY(f.pane->runCommand(StopConvertCommand));
        QStringList* current = recordCaptions(f, &f.pane->currentBar());
        QStringList* total = recordCaptions(f);
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        QCOMPARE(f.pane->totalBar().caption(), QStringLiteral("File 0 of 4, 0%"));
        finishRun(f);
        QVERIFY2(current->filter(QStringLiteral("Convert")).size() == 1, qPrintable(current->join('|')));
        QVERIFY2(current->contains(QStringLiteral("three.txt: 0%")), qPrintable(current->join('|')));
        QCOMPARE(current->last(), QStringLiteral("Convert Finished"));
        QCOMPARE(total->mid(total->size() - 2), QStringList({ "File 4 of 4, 100%", "3 of 4 failed" }));
        QCOMPARE(f.pane->totalBar().value(), f.pane->totalBar().maximum());

        for (int i : { 0, 1, 3 }) {
            f.write(texts[i].toStdString().substr(f.dir.path().string().size() + 1));
        }
        current->clear();
        total->clear();
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        QCOMPARE(f.pane->totalBar().value(), 0);
        finishRun(f);
        QCOMPARE(current->filter(QStringLiteral("Convert")), QStringList({ "Convert Finished" }));
        QCOMPARE(total->filter(QStringLiteral("Convert")), QStringList({ "Convert Finished" }));
        QCOMPARE(total->first(), QStringLiteral("File 0 of 4, 0%"));
    }

    // A file that yields no PDF is told once at the end and marked in its row until the next run.
    void failedFileIsTold()
    {
        PaneFixture f;
        const QStringList texts { f.write("a.txt"), f.write("b.txt"), f.write("c.txt") };
        f.pane->addFiles(texts);
        fs::remove(texts[1].toStdString());
        QStringList* captions = recordCaptions(f);
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QCOMPARE(captions->mid(captions->size() - 2), QStringList({ "File 3 of 3, 100%", "1 of 3 failed" }));
        QCOMPARE(f.asker.told().size(), 1);
        const QString box = f.asker.told()[0].text;
        QVERIFY2(box.startsWith(QStringLiteral("1 file was not converted:\n") + texts[1] + QStringLiteral(": ")),
                 qPrintable(box));
        QVERIFY(!f.pane->failureOf(1).isEmpty() && box.contains(f.pane->failureOf(1)));
        QVERIFY(f.pane->failureOf(0).isEmpty());
        QCOMPARE(f.grid().GetItemFgColour(2, 1), QColor(192, 0, 0));
        QHelpEvent tip(QEvent::ToolTip, f.cellCentre(2, 1), f.grid().viewport()->mapToGlobal(f.cellCentre(2, 1)));
        QApplication::sendEvent(f.grid().viewport(), &tip);
        QCOMPARE(QToolTip::text(), f.pane->failureOf(1));
        QHelpEvent pathTip(QEvent::ToolTip, f.cellCentre(1, 1), f.grid().viewport()->mapToGlobal(f.cellCentre(1, 1)));
        QApplication::sendEvent(f.grid().viewport(), &pathTip);
        QCOMPARE(QToolTip::text(), texts[0]); // a row that did not fail shows its whole path

        f.write("b.txt");
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        QVERIFY(f.pane->failureOf(1).isEmpty());
        QCOMPARE(f.grid().GetItemFgColour(2, 1), f.grid().GetItemFgColour(1, 1));
        finishRun(f);
        QCOMPARE(f.asker.told().size(), 1);

        // The reason on screen goes with the list.
        fs::remove(texts[1].toStdString());
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QApplication::sendEvent(f.grid().viewport(), &tip);
        QVERIFY(QToolTip::isVisible());
        QVERIFY(f.pane->runCommand(RemoveAllCommand));
        QTRY_VERIFY(!QToolTip::isVisible());
    }

    // A missing font over three files: one box, which holds the run, and a summary naming the three files.
    void warningShownOncePerRun()
    {
        PaneFixture f;
        f.options.options.PageFont = engine::Type1Font;
        f.options.options.Type1MetricsFile = (f.dir.path() / "missing.afm").string();
        const QStringList texts { f.write("x.txt"), f.write("y.txt"), f.write("z.txt") };
        f.pane->addFiles(texts);
        f.asker.holdShown(true);
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        QTRY_COMPARE(f.asker.heldCount(), 1);
        QVERIFY(!fs::exists(pdfOf(texts[0])));
        f.asker.closeShown();
        finishRun(f);
        QCOMPARE(f.asker.told().size(), 2);
        QVERIFY(f.asker.told()[0].text.startsWith(texts[0] + QStringLiteral(":\n") + engine::DefaultFontWarning
                                                  + QStringLiteral(" (") + QString::fromStdString(
                                                      f.options.options.Type1MetricsFile)));
        const QString summary = f.asker.told()[1].text;
        QVERIFY2(summary.contains(QString::fromLatin1(engine::DefaultFontWarning)), qPrintable(summary));
        for (const QString& text : texts) {
            QVERIFY(summary.contains(text));
            QVERIFY(fs::exists(pdfOf(text)));
        }
    }

    // Characters the encoding lacks in two files: the box names the first file, the summary gives each file its own
    // count and first character.
    void warningsKeepTheirFiles()
    {
        PaneFixture f;
        const QStringList texts { f.write("greek.txt", "\xCE\x95\xCE\x95 two\n"),
                                  f.write("chinese.txt", "\xE4\xBD\xA0\xE4\xBD\xA0\xE4\xBD\xA0 three\n") };
        f.options.options.FallbackFonts = engine::No; // so that the encoding's lack is told
        f.pane->addFiles(texts);
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QCOMPARE(f.asker.told().size(), 2);
        QVERIFY2(f.asker.told()[0].text.startsWith(texts[0] + QStringLiteral(":\n2 characters")),
                 qPrintable(f.asker.told()[0].text));
        const QString summary = f.asker.told()[1].text;
        for (const auto& [file, figures] : { std::pair(texts[0], ": 2 characters.*U\\+0395"),
                                             std::pair(texts[1], ": 3 characters.*U\\+4F60") }) {
            const QRegularExpression own(QRegularExpression::escape(file) + QString::fromLatin1(figures));
            QVERIFY2(summary.contains(own), qPrintable(summary));
        }
    }

    // Closing the window while a warning holds the run closes the box and ends the worker.
    void closingWhileAWarningWaits()
    {
        PaneFixture f;
        f.pane->setMessageAsker(MessageBoxAsker::instance());
        f.options.options.PageFont = engine::Type1Font;
        f.options.options.Type1MetricsFile = (f.dir.path() / "missing.afm").string();
        f.pane->addFiles({ f.write("held.txt"), f.write("next.txt") });
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        QTRY_VERIFY(f.pane->findChild<QMessageBox*>() && f.pane->findChild<QMessageBox*>()->isVisible());
        QVERIFY(f.pane->closeDown(std::chrono::seconds(60)));
        QVERIFY(!f.pane->isWorkerAlive());
        QTRY_VERIFY(f.pane->findChildren<QMessageBox*>().isEmpty());
        QVERIFY(!fs::exists(pdfOf(QString::fromStdString((f.dir.path() / "next.txt").string()))));
    }

    // Closing during a long file gives the file up: the older PDF stays, no temporary file is left, also when the
    // worker outlives the wait of the close and the program waits for it before it ends.
    void closingAbandonsALongFile()
    {
        PaneFixture f;
        std::string text;
        while (text.size() < 24u * 1024 * 1024) {
            text += "A long file that takes a while to convert, line after line after line.\n";
        }
        const QString large = f.write("large.txt", text);
        f.dir.write("large.pdf", "older");
        f.pane->addFiles({ large, f.write("after.txt") });
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        QTRY_VERIFY_WITH_TIMEOUT(f.pane->currentBar().value() > 1000, 30000); // the long file is under way
        f.pane->closeDown(std::chrono::milliseconds(0));
        panes::DesktopRun::WaitForLingeringWorkers();
        QVERIFY(!f.pane->isWorkerAlive());
        QCOMPARE(testsupport::readFile(f.dir.path() / "large.pdf"), std::string("older"));
        QStringList left;
        for (const auto& entry : fs::directory_iterator(f.dir.path())) {
            left.append(QString::fromStdString(entry.path().filename().string()));
        }
        left.sort();
        QCOMPARE(left, QStringList({ "after.txt", "large.pdf", "large.txt" }));
    }

    // An imported folder keeps its tree below the output folder; with Combine Into the Total bar counts the files
    // and the one PDF is opened, a bookmark per file named by its path below the imported folder.
    void outputFolderAndCombineInto()
    {
        PaneFixture f;
        f.write("tree/a.txt", "first\n");
        f.write("tree/sub/b.txt", "second\n");
        f.pane->importFolder(QString::fromStdString((f.dir.path() / "tree").string()));
        f.options.options.OutputFolder = (f.dir.path() / "out").string();
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QVERIFY(fs::exists(f.dir.path() / "out" / "a.pdf"));
        QVERIFY(fs::exists(f.dir.path() / "out" / "sub" / "b.pdf"));
        QVERIFY(!fs::exists(f.dir.path() / "tree" / "a.pdf"));

        const std::string combined = (f.dir.path() / "all.pdf").string();
        f.options.options.CombineInto = combined;
        QStringList* captions = recordCaptions(f);
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QCOMPARE(*captions,
                 QStringList({ "File 0 of 2, 0%", "File 1 of 2, 50%", "File 2 of 2, 100%", "Convert Finished" }));
        QCOMPARE(f.opener.opened.last(), QString::fromStdString(combined));
        using Outline = std::pair<std::string, int>;
        QCOMPARE(testsupport::PdfProbe(combined).outlines(),
                 (std::vector<Outline> { { "a.txt", 0 }, { "sub/b.txt", 1 } }));
    }

    // The result is opened only when a PDF was written and "Open Results" says so; a failed opening is told once.
    void resultOpenedOnlyWhenWanted()
    {
        PaneFixture f;
        const QString text = f.write("only.txt");
        f.pane->addFiles({ text });
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QCOMPARE(f.opener.opened, QStringList({ QString::fromStdString(pdfOf(text)) }));

        f.options.options.OpenResult = engine::No;
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QCOMPARE(f.opener.opened.size(), 1);

        f.options.options.OpenResult = engine::Yes;
        fs::remove(text.toStdString());
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QCOMPARE(f.opener.opened.size(), 1);
        QCOMPARE(f.asker.told().size(), 1); // the failure, nothing about opening

        f.write("only.txt");
        f.opener.succeeds = false;
        QVERIFY(f.pane->runCommand(StartConvertCommand));
        finishRun(f);
        QCOMPARE(f.opener.opened.size(), 2);
        QCOMPARE(f.asker.told().size(), 2);
        QVERIFY(f.asker.told()[1].text.contains(QString::fromStdString(pdfOf(text))));
        f.click(1, 1);
        f.grid().setFocus();
        PaneFixture::key(Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(f.opener.opened.last(), QString::fromStdString(f.dir.path().string() + "/"));
        QCOMPARE(f.asker.told().size(), 3);

        // No checked entry: the run ends at once and says why.
        PaneFixture::key(Qt::Key_X, Qt::ControlModifier);
        PaneFixture::key(Qt::Key_F5);
        QVERIFY(!f.pane->isRunning() && !f.pane->isWorkerAlive());
        QCOMPARE(f.pane->totalBar().caption(), QStringLiteral("No file is checked."));
    }
};

QTEST_MAIN(FileListRunTest)
#include "FileListRunTest.moc"
