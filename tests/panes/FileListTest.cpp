// The file list pane without a run: filling, marking, keys, the context menu, layout, drops and the preview.
#include "DeepTree.h"
#include "PaneFixture.h"

#include "panes/FileListCommands.h"

#include "filelist/FileListTexts.h"

#include <chrome/CIconButton.h>
#include <chrome/CTextProgressBar.h>
#include <chrome/Palette.h>
#include <grid/CGridCellCheck.h>

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QUrl>

#include <filesystem>

using namespace panes;

namespace {

bool checked(const PaneFixture& f, int row)
{
    return static_cast<const grid::CGridCellCheck*>(f.grid().GetCell(row, 0))->GetCheck();
}

QList<bool> checks(const PaneFixture& f)
{
    QList<bool> marks;
    for (int row = 1; row < f.grid().GetRowCount(); ++row) {
        marks.append(checked(f, row));
    }
    return marks;
}

} // namespace

class FileListTest : public QObject
{
    Q_OBJECT

private slots:
    void sizeAndDateTexts()
    {
        QCOMPARE(SizeText(0), QStringLiteral("0 KB"));
        QCOMPARE(SizeText(1023), QStringLiteral("0 KB"));
        QCOMPARE(SizeText(1048576), QStringLiteral("1,024 KB"));
        QCOMPARE(SizeText(10240000), QStringLiteral("10,000 KB"));
        QCOMPARE(SizeText(1234567890), QStringLiteral("1,205,632 KB"));
        QCOMPARE(SizeText(1024ull * 999), QStringLiteral("999 KB"));

        PaneFixture f;
        f.pane->addFiles({ f.write("kilo.txt", std::string(1048576, 'x')) });
        QCOMPARE(f.grid().GetItemText(1, 2), QStringLiteral("1,024 KB"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d \\d\\d/\\d\\d/\\d{4}$"))
                    .match(f.grid().GetItemText(1, 3))
                    .hasMatch());
    }

    // One box per action however many repeats, none of them added; letter case makes another path.
    void duplicatesShowOneBox()
    {
        PaneFixture f;
        const QString a = f.write("a.txt");
        const QString upper = f.write("A.TXT");
        f.chooser.files = { a, upper, a };
        PaneFixture::key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.names(), QStringList({ "a.txt", "A.TXT" }));
        QCOMPARE(f.asker.told().size(), 1);
        QCOMPARE(f.asker.told()[0].text, QStringLiteral("File: ") + a + QStringLiteral(" have been imported!"));

        for (int i = 0; i < 12; ++i) {
            f.write("many/f" + std::to_string(i) + ".txt");
        }
        f.pane->importFolder(f.dir.path().c_str());
        const int rows = f.grid().GetRowCount();
        QCOMPARE(rows, 1 + 14);
        QCOMPARE(f.asker.told().size(), 2); // a.txt and A.TXT again
        f.pane->importFolder(f.dir.path().c_str());
        QCOMPARE(f.grid().GetRowCount(), rows);
        QCOMPARE(f.asker.told().size(), 3);
        const QString box = f.asker.told().last().text;
        QCOMPARE(box.count(QStringLiteral(" have been imported!")), NamedDuplicates);
        QVERIFY2(box.endsWith(QStringLiteral("9 more files have been imported already.")), qPrintable(box));
        QCOMPARE(f.pane->entryCount(), std::size_t(14));

        // A part of the folder that cannot be walked is told, not left out in silence.
        testsupport::DeepTree deep(f.dir.path());
        f.pane->importFolder(f.dir.path().c_str());
        QCOMPARE(f.asker.told().size(), 5); // the repeats, then the part not walked
        QVERIFY2(f.asker.told().last().text.startsWith(QStringLiteral("Not listed: ")), qPrintable(f.asker.told().last().text));
        QVERIFY(f.asker.told().last().text.contains(QStringLiteral("far.txt: the path is too long to open")));
    }

    // Sub-folders before the later entries of their parent, names in order, .txt in any case only.
    void importOrderAndFilters()
    {
        PaneFixture f;
        f.write("b.TXT");
        f.write("a.txt");
        f.write("c/inner.txt");
        f.write("d.txt");
        f.write("readme");
        f.write("notes.txt.bak");
        std::filesystem::create_directory_symlink(f.dir.path() / "c", f.dir.path() / "link");
        f.chooser.folder = QString::fromStdString(f.dir.path().string());
        f.pane->currentBar().setCaption(QStringLiteral("Convert Finished"));
        QVERIFY(f.pane->runCommand(ImportDirectoryCommand));
        QCOMPARE(f.names(), QStringList({ "a.txt", "b.TXT", "inner.txt", "d.txt" }));
        QCOMPARE(f.pane->entryPath(2), (f.dir.path() / "c" / "inner.txt").string());
        QCOMPARE(f.pane->currentBar().caption(), QStringLiteral("Waiting for converting."));
    }

    // A path that does not exist is told at once and not listed; Ctrl+Del of many entries asks first.
    void missingPathsAndMassRemoval()
    {
        PaneFixture f;
        const QString missing = QString::fromStdString((f.dir.path() / "missing.txt").string());
        QStringList paths { f.write("here.txt"), missing };
        f.pane->addFiles(paths);
        QCOMPARE(f.names(), QStringList({ "here.txt" }));
        QCOMPARE(f.asker.told().size(), 1);
        QVERIFY2(f.asker.told()[0].text.contains(missing), qPrintable(f.asker.told()[0].text));

        paths.clear();
        for (int i = 0; i < 300; ++i) {
            paths.append(f.write("many/" + std::to_string(i) + ".txt"));
        }
        f.pane->addFiles(paths);
        f.grid().setFocus();
        f.asker.answerYes(false);
        PaneFixture::key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.asker.asked().size(), 1);
        QCOMPARE(f.pane->entryCount(), std::size_t(301));
        f.asker.answerYes(true);
        PaneFixture::key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.pane->entryCount(), std::size_t(0));
        f.pane->addFiles(paths);
        PaneFixture::key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.asker.asked().size(), 2); // 300 go without a question
        QCOMPARE(f.pane->entryCount(), std::size_t(0));
    }

    // Select All, Clear All and Invert by their keys change the data rows only; Space checks the focused row only.
    void marksNeverTouchHeader()
    {
        PaneFixture f;
        f.pane->addFiles({ f.write("1.txt"), f.write("2.txt"), f.write("3.txt") });
        f.grid().setFocus();
        PaneFixture::key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(checks(f), QList<bool>({ false, false, false }));
        PaneFixture::key(Qt::Key_Space); // nothing selected: nothing changes
        QCOMPARE(checks(f), QList<bool>({ false, false, false }));
        f.click(2, 1);
        PaneFixture::key(Qt::Key_Space);
        QCOMPARE(checks(f), QList<bool>({ false, true, false }));
        QVERIFY(!f.grid().GetCell(2, 4)->IsEditing());
        PaneFixture::key(Qt::Key_I, Qt::ControlModifier);
        QCOMPARE(checks(f), QList<bool>({ true, false, true }));
        PaneFixture::key(Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(checks(f), QList<bool>({ true, true, true }));
        QVERIFY(dynamic_cast<grid::CGridCellCheck*>(f.grid().GetCell(0, 0)) == nullptr);
        QCOMPARE(f.grid().GetItemText(0, 1), QStringLiteral("File Name"));
        QCOMPARE(f.grid().GetSelectedCellRange().minRow, 2); // Ctrl+A marks, it does not select
    }

    // Keys in the list run their command once and go nowhere else; in the password editor they are the editor's.
    void keysInListAndEditor()
    {
        PaneFixture f;
        int windowShortcuts = 0;
        for (const auto& binding : FileListKeys()) {
            auto* action = new QAction(&f.window);
            action->setShortcut(binding.key);
            QObject::connect(action, &QAction::triggered, [&] { ++windowShortcuts; });
            f.window.addAction(action);
        }
        const QString one = f.write("one.txt");
        const QString two = f.write("two.txt");
        const QString three = f.write("three.txt");
        f.chooser.files = { one, two, three };
        f.grid().setFocus();
        PaneFixture::key(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(f.pane->entryCount(), std::size_t(3));

        // Typing on a read-only cell opens nothing; on a password cell the editor takes Space, Del and Ctrl+X.
        f.click(2, 1);
        QTest::keyClicks(&f.grid(), "q");
        QVERIFY(!qobject_cast<QLineEdit*>(QApplication::focusWidget()));
        f.click(2, 4);
        QTest::keyClicks(&f.grid(), "p");
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QTest::keyClicks(editor, "w d");
        PaneFixture::key(Qt::Key_Home);
        PaneFixture::key(Qt::Key_Delete);
        QCOMPARE(editor->text(), QStringLiteral("w d"));
        PaneFixture::key(Qt::Key_A, Qt::ControlModifier);
        PaneFixture::key(Qt::Key_X, Qt::ControlModifier);
        PaneFixture::key(Qt::Key_I, Qt::ControlModifier);
        PaneFixture::key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString());
        QCOMPARE(f.pane->entryCount(), std::size_t(3));
        QCOMPARE(checks(f), QList<bool>({ true, true, true }));
        QTest::keyClicks(editor, "kept");
        PaneFixture::key(Qt::Key_Return);
        QCOMPARE(f.grid().GetItemText(2, 4), QStringLiteral("kept"));

        // Ctrl+X in the list clears the marks and cuts nothing, Ctrl+C copies no password; Del removes the row and
        // its path together.
        f.click(2, 1);
        QApplication::clipboard()->setText(QStringLiteral("before"));
        PaneFixture::key(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
        PaneFixture::key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(f.grid().GetItemText(2, 4), QStringLiteral("kept"));
        QCOMPARE(checks(f), QList<bool>({ false, false, false }));
        PaneFixture::key(Qt::Key_Delete);
        QCOMPARE(f.names(), QStringList({ "one.txt", "three.txt" }));
        QCOMPARE(f.pane->entryPath(0), one.toStdString());
        QCOMPARE(f.pane->entryPath(1), three.toStdString());
        PaneFixture::key(Qt::Key_Delete); // the selection went with the row
        QCOMPARE(f.pane->entryCount(), std::size_t(2));

        f.pane->currentBar().setCaption(QStringLiteral("Convert Finished"));
        PaneFixture::key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.pane->entryCount(), std::size_t(0));
        QCOMPARE(f.grid().GetRowCount(), 1);
        QCOMPARE(f.grid().GetColumnWidth(3), 154);
        QCOMPARE(f.pane->currentBar().caption(), QStringLiteral("Convert Finished"));
        QCOMPARE(windowShortcuts, 0);
    }

    void contextMenuRules()
    {
        PaneFixture f;
        QVERIFY(!f.openContextMenu(QPoint(20, 10)));
        f.pane->addFiles({ f.write("menu.txt") });
        const QPoint inGrid = f.cellCentre(1, 5);
        QVERIFY(!f.openContextMenu(QPoint(inGrid.x(), f.grid().viewport()->height() + 40)));
        QMenu* menu = f.openContextMenu(inGrid);
        QVERIFY(menu);
        QStringList texts;
        for (QAction* action : menu->actions()) {
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            QVERIFY(action->isSeparator() || action->isEnabled());
        }
        QCOMPARE(texts.size(), 16);
        QCOMPARE(texts.first(), QStringLiteral("Open File\tCtrl+O"));
        QCOMPARE(texts.last(), QStringLiteral("Stop Convert\tShift+F5"));
        QVERIFY(menu->geometry().right() <= f.grid().viewport()->mapToGlobal(inGrid).x());
        menu->close();
    }

    void layoutAtTwoSizes()
    {
        PaneFixture f;
        for (QSize size : { QSize(640, 520), QSize(901, 733) }) {
            f.window.resize(size);
            QTRY_COMPARE(f.pane->size(), size);
            const int half = size.height() / 2;
            QCOMPARE(f.grid().geometry(), QRect(0, 0, size.width(), half - 44));
            QCOMPARE(f.pane->button(ClearAllSelectedCommand)->geometry(), QRect(161, half - 36, 32, 32));
            QCOMPARE(f.pane->preview().geometry(), QRect(0, size.height() - half + 4, size.width(), half - 52));
            QCOMPARE(f.pane->button(StopConvertCommand)->geometry(), QRect(57, size.height() - 40, 32, 32));
            QCOMPARE(f.pane->currentBar().geometry(), QRect(145, size.height() - 40, size.width() - 145, 12));
            QCOMPARE(f.pane->totalBar().geometry(), QRect(145, size.height() - 20, size.width() - 145, 12));
            // The columns, wide enough for their headers, fit the wider pane; the narrowest scrolls across.
            QTRY_COMPARE(f.grid().horizontalScrollBar()->isVisible(), size.width() < 700);
        }
        const QImage shot = f.pane->grab().toImage();
        QCOMPARE(QColor(shot.pixel(300, f.grid().height() + 2)), chrome::PaneBackground);
    }

    // Dropped .txt files (any case) are added, other files not; dropped folders are walked.
    void dropFilesAndFolders()
    {
        PaneFixture f;
        const QString text = f.write("Dropped.TXT");
        const QString other = f.write("picture.png");
        f.write("folder/inside.txt");
        f.write("folder/skip.doc");
        QMimeData mime;
        mime.setUrls({ QUrl::fromLocalFile(text), QUrl::fromLocalFile(other),
                       QUrl::fromLocalFile(QString::fromStdString((f.dir.path() / "folder").string())) });
        const QPoint at = f.cellCentre(0, 1);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(f.pane, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(f.pane, &drop);
        QCOMPARE(f.names(), QStringList({ "Dropped.TXT", "inside.txt" }));
    }

    // The preview shows the text as decoded for the PDF, a note for a file that went away, and the first 4 MB only.
    void previewReadsOffTheInterfaceThread()
    {
        PaneFixture f;
        const QString utf16 = f.write("utf16.txt", std::string("\xFF\xFEh\0i\0\n\0", 8));
        const QString gone = f.write("gone.txt");
        std::string big;
        while (big.size() <= 4u * 1024 * 1024 + 100) {
            big += "0123456789 abcdefghijklmnopqrstuvwxyz 0123456789 abcdefghijklmnopqrstuvwxyz\n";
        }
        const QString large = f.write("large.txt", big);
        const QString tabs = f.write("tabs.txt", "a\tb\n\tc\n");
        f.pane->addFiles({ utf16, gone, large, tabs });
        f.click(1, 1);
        QTRY_COMPARE(f.pane->preview().toPlainText(), QStringLiteral("hi\n"));
        f.click(4, 1);
        QTRY_COMPARE(f.pane->preview().toPlainText(), QStringLiteral("a       b\n        c\n"));
        f.options.options.TabWidth = 2;
        f.pane->optionsChanged();
        QTRY_COMPARE(f.pane->preview().toPlainText(), QStringLiteral("a b\n  c\n"));
        std::filesystem::remove(gone.toStdString());
        f.click(2, 1);
        QTRY_VERIFY(f.pane->preview().toPlainText().startsWith(QStringLiteral("The file cannot be shown: ")));
        QVERIFY(!f.pane->preview().toPlainText().contains(QLatin1Char('\n')));
        f.click(3, 1);
        QTRY_VERIFY_WITH_TIMEOUT(f.pane->preview().toPlainText().endsWith(QStringLiteral("first 4 MB of the file.]")),
                                 20000);
        const QString shown = f.pane->preview().toPlainText();
        QVERIFY(shown.size() < 4 * 1024 * 1024 + 100);
        QVERIFY(shown.startsWith(QString::fromLatin1(big.substr(0, 200))));
    }
};

QTEST_MAIN(FileListTest)
#include "FileListTest.moc"
