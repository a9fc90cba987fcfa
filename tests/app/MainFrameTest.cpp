#include "app/CMainFrame.h"
#include "app/CSplashWindow.h"
#include "app/CTipOfTheDayDialog.h"
#include "app/MainMenu.h"
#include "app/OptionsKeeper.h"
#include "app/StartSettings.h"
#include "chrome/CTextProgressBar.h"

#include "RecordingAsker.h"
#include "TempDir.h"
#include "engine/SettingsFile.h"
#include "grid/CGridCtrl.h"
#include "optiontree/COptionTree.h"
#include "optiontree/COptionTreeEditItem.h"
#include "panes/CFileListDialog.h"
#include "panes/CRightView.h"
#include "panes/DesktopSeams.h"
#include "panes/FileListCommands.h"

#include "filelist/FileListGrid.h"
#include "panes/MessageBoxAsker.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <filesystem>
#include <memory>

using app::CMainFrame;
using namespace panes;

namespace {

struct RecordingChooser : FileChooser
{
    int files = 0;
    int folders = 0;
    void chooseFiles(QWidget*, std::function<void(const QStringList&)>) override { ++files; }
    void chooseFolder(QWidget*, std::function<void(const QString&)>) override { ++folders; }
};

struct RecordingOpener : DesktopOpener
{
    QStringList opened;
    bool open(const QString& path) override
    {
        opened.append(path);
        return true;
    }
};

// A main window over a settings file and three text files in a folder of their own.
struct Window
{
    testsupport::TempDir dir;
    std::string settings = (dir.path() / "Settings.ini").string();
    engine::ConversionOptions options;
    std::unique_ptr<app::OptionsKeeper> keeper;
    RecordingAsker asker;
    RecordingChooser chooser;
    RecordingOpener opener;
    QList<QUrl> pages;
    std::unique_ptr<CMainFrame> frame;

    // Over a settings file of this text, when given; frameAsker answers the window's own boxes in place of the
    // recording one.
    explicit Window(const std::string& settingsText = {}, panes::MessageAsker* frameAsker = nullptr)
    {
        if (!settingsText.empty()) {
            dir.write("Settings.ini", settingsText);
            static_cast<void>(engine::LoadOptions(settings, options));
        }
        options.OpenResult = engine::No;
        keeper = std::make_unique<app::OptionsKeeper>(settings, options);
        app::FrameServices services;
        services.asker = frameAsker ? frameAsker : &asker;
        services.opener = [this](const QUrl& url) { pages.append(url); };
        frame = std::make_unique<CMainFrame>(options, *keeper, (dir.path() / "tips.txt").string(), services);
        list().setMessageAsker(asker);
        list().setFileChooser(chooser);
        list().setDesktopOpener(opener);
        frame->show();
        frame->activateWindow();
    }

    CFileListDialog& list() const { return frame->fileList(); }
    grid::CGridCtrl& grid() const { return list().grid(); }

    std::string addFiles(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            paths.append(QString::fromStdString(dir.write("t" + std::to_string(i) + ".txt", "line\n").string()));
        }
        list().addFiles(paths);
        return dir.path().string();
    }

    QString checks() const
    {
        QString marks;
        for (int row = 1; row < grid().GetRowCount(); ++row) {
            marks += IsRowChecked(grid(), row) ? QLatin1Char('x') : QLatin1Char('-');
        }
        return marks;
    }

    optiontree::COptionTreeEditItem& author() const
    {
        return *static_cast<optiontree::COptionTreeEditItem*>(frame->rightView().optionTree()->FindItem(26));
    }

    // Opens the editor of an item ("Author" by default) and returns its line edit, which has the focus.
    QLineEdit* editAuthor(quint32 id = 26) const
    {
        auto* tree = frame->rightView().optionTree();
        auto* item = tree->FindItem(id);
        tree->SetFocusedItem(item);
        item->Activate();
        auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        return edit;
    }
};

void press(QKeyCombination key)
{
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

} // namespace

class MainFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void menusHoldTheirEntriesInOrder()
    {
        Window window;
        const QStringList expected = {
            "&File",
            "32770 &Open File...\tCtrl+O", "32771 Open &Directory...\tCtrl+D", "-", "32783 &Reset All Options", "-",
            "57665 E&xit\tAlt+F4",
            "&Edit",
            "32773 Open File Directory\tCtrl+E", "32774 Open with Associated App\tCtrl+W", "-",
            "32776 Remove Selected", "32775 Remove All\tCtrl+Del", "-", "32777 Select Current Item\tSpace",
            "57642 Select All Items\tCtrl+A", "32778 Clear All Selected\tCtrl+X", "32779 Invert Select\tCtrl+I", "-",
            "32781 Start Convert\tF5", "32782 Stop Convert\tShift+F5",
            "&Help",
            "32861 &Online Help\tF1", "-", "32865 &Tell to Friend via E-mail...", "32866 &Check New Version...",
            "32867 &Visit www.marlowen.org...", "-", "57664 &About Marlowen...",
        };
        QStringList shown;
        for (auto* popup : window.frame->menuBar()->actions()) {
            shown.append(popup->text());
            for (auto* entry : popup->menu()->actions()) {
                shown.append(entry->isSeparator() ? QStringLiteral("-")
                                                  : QString::number(entry->data().toInt()) + ' ' + entry->text());
            }
        }
        QCOMPARE(shown, expected);

        // No key is bound twice among the window's shortcuts and actions.
        QList<QKeySequence> keys;
        for (auto* shortcut : window.frame->findChildren<QShortcut*>()) {
            QVERIFY2(!keys.contains(shortcut->key()), qPrintable(shortcut->key().toString()));
            keys.append(shortcut->key());
        }
        for (auto* action : window.frame->findChildren<QAction*>()) {
            QVERIFY2(action->shortcut().isEmpty() || !keys.contains(action->shortcut()),
                     qPrintable(action->shortcut().toString()));
        }
    }

    void eachKeyRunsItsCommandOnceFromEitherPane()
    {
        Window window;
        QVERIFY(QTest::qWaitForWindowActive(window.frame.get()));
        const auto folder = window.addFiles(3);
        window.grid().SetFocusCell(2, 1);
        window.grid().SetSelectedRange({ 2, 0, 2, 5 });
        QWidget* inLeftPane = &window.grid();
        QWidget* inRightPane = window.frame->rightView().optionTree();
        for (QWidget* focus : { inLeftPane, inRightPane }) {
            focus->setFocus();
            QVERIFY(focus->isAncestorOf(QApplication::focusWidget()) || focus == QApplication::focusWidget());
            const auto name = focus == inLeftPane ? "file list" : "options";

            press(Qt::CTRL | Qt::Key_X);
            QCOMPARE(window.checks(), QStringLiteral("---"));
            press(QKeyCombination(Qt::Key_Space));
            QCOMPARE(window.checks(), QStringLiteral("-x-"));
            // Ctrl+I acting twice would leave the marks as they were.
            press(Qt::CTRL | Qt::Key_I);
            QVERIFY2(window.checks() == QStringLiteral("x-x"), name);
            press(Qt::CTRL | Qt::Key_A);
            QCOMPARE(window.checks(), QStringLiteral("xxx"));

            const int files = window.chooser.files;
            const int folders = window.chooser.folders;
            press(Qt::CTRL | Qt::Key_O);
            press(Qt::CTRL | Qt::Key_D);
            QCOMPARE(window.chooser.files, files + 1);
            QCOMPARE(window.chooser.folders, folders + 1);
            window.opener.opened.clear();
            press(Qt::CTRL | Qt::Key_E);
            press(Qt::CTRL | Qt::Key_W);
            QCOMPARE(window.opener.opened.size(), 2);
            QVERIFY(window.opener.opened[1].endsWith(QStringLiteral("t1.txt")));

            for (int i = 0; i < 3; ++i) {
                std::filesystem::remove(folder + "/t" + std::to_string(i) + ".pdf");
            }
            press(QKeyCombination(Qt::Key_F5));
            QVERIFY2(window.list().isRunning(), name);
            QTRY_VERIFY(!window.list().isWorkerAlive());
            for (int i = 0; i < 3; ++i) {
                QVERIFY(std::filesystem::exists(folder + "/t" + std::to_string(i) + ".pdf"));
            }
            focus->setFocus();
            press(Qt::SHIFT | Qt::Key_F5);
            QCOMPARE(window.list().totalBar().caption(), QStringLiteral("Convert stopped."));
        }
        press(Qt::CTRL | Qt::Key_Delete);
        QCOMPARE(window.list().entryCount(), std::size_t(0));
        QVERIFY(window.asker.told().isEmpty());
    }

    void textEditorsKeepTheirKeys()
    {
        Window window;
        QVERIFY(QTest::qWaitForWindowActive(window.frame.get()));
        window.addFiles(2);
        window.grid().SetFocusCell(1, 1);
        window.grid().SetSelectedRange({ 1, 0, 1, 5 });

        // An option's edit box.
        auto* edit = window.editAuthor();
        QVERIFY(edit);
        QTest::keyClicks(edit, QStringLiteral("Ann"));
        for (auto key : { QKeyCombination(Qt::Key_Space), Qt::CTRL | Qt::Key_I, Qt::CTRL | Qt::Key_Delete,
                          QKeyCombination(Qt::Key_Delete) }) {
            press(key);
        }
        QTest::keyClicks(edit, QStringLiteral("Lee"));
        QCOMPARE(edit->text(), QStringLiteral("Ann Lee"));
        press(Qt::CTRL | Qt::Key_A);
        press(Qt::CTRL | Qt::Key_X);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(window.checks(), QStringLiteral("xx"));
        QCOMPARE(window.list().entryCount(), std::size_t(2));

        // The password editor of the file list.
        QVERIFY(window.grid().EditCell(1, 4, 0));
        auto* password = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(password);
        QTest::keyClicks(password, QStringLiteral("a b"));
        for (auto key : { Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_I, QKeyCombination(Qt::Key_Delete),
                          Qt::CTRL | Qt::Key_Delete }) {
            press(key);
        }
        QCOMPARE(window.checks(), QStringLiteral("xx"));
        QCOMPARE(window.list().entryCount(), std::size_t(2));
        QCOMPARE(password->text(), QString());
    }

    void theSplashWindowTakesTheFirstPressAndClosesByItself()
    {
        Window window;
        window.addFiles(2);
        auto& grid = window.grid();
        grid.SetFocusCell(1, 1);
        grid.SetSelectedRange({ 1, 0, 1, 5 });
        QTest::keyClick(&grid, Qt::Key_X, Qt::ControlModifier);
        app::CSplashWindow::ShowSplashWindow(window.frame.get());
        auto* splash = app::CSplashWindow::current();
        QVERIFY(splash && splash->isVisible());
        app::CSplashWindow::ShowSplashWindow(window.frame.get());
        QCOMPARE(app::CSplashWindow::current(), splash);
        // A key for the file list while the splash window is up: it only closes the splash window.
        QTest::keyClick(&grid, Qt::Key_Space);
        QCOMPARE(window.checks(), QStringLiteral("--"));
        QTRY_VERIFY(!app::CSplashWindow::current());
        QTest::keyClick(&grid, Qt::Key_Space);
        QCOMPARE(window.checks(), QStringLiteral("x-"));

        app::CSplashWindow::ShowSplashWindow(window.frame.get());
        QVERIFY(app::CSplashWindow::current());
        QTRY_VERIFY_WITH_TIMEOUT(!app::CSplashWindow::current(), 3000);
        QTest::keyClick(&grid, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window.checks(), QStringLiteral("xx"));
    }

    void enabledStatesFollowTheRunAndTheList()
    {
        Window window;
        auto enabled = [&](int command) { return window.frame->action(command)->isEnabled(); };
        QVERIFY(enabled(OpenFileCommand) && enabled(ImportDirectoryCommand) && enabled(app::ResetAllOptionsCommand));
        for (int command : QList<int> { StartConvertCommand, StopConvertCommand, RemoveAllCommand, SelectAllItemsCommand,
                             OpenFileDirectoryCommand }) {
            QVERIFY2(!enabled(command), qPrintable(QString::number(command)));
        }
        window.addFiles(2);
        QVERIFY(enabled(StartConvertCommand) && enabled(StopConvertCommand) && enabled(RemoveAllCommand));

        // Straight after the start, before the run can end: the actions follow without a menu opening.
        QVERIFY(window.frame->runCommand(StartConvertCommand));
        for (int command : QList<int> { StartConvertCommand, OpenFileCommand, ImportDirectoryCommand, RemoveAllCommand,
                             RemoveSelectedCommand, SelectAllItemsCommand, app::ResetAllOptionsCommand }) {
            QVERIFY2(!enabled(command), qPrintable(QString::number(command)));
            QVERIFY(!window.frame->runCommand(command));
        }
        for (int command : QList<int> { StopConvertCommand, OpenFileDirectoryCommand, app::AboutCommand,
                             app::ExitCommand }) {
            QVERIFY2(enabled(command), qPrintable(QString::number(command)));
        }
        QTRY_VERIFY(enabled(StartConvertCommand));
        QVERIFY(enabled(app::ResetAllOptionsCommand));
        QVERIFY(window.frame->runCommand(RemoveAllCommand));
        QVERIFY(!enabled(StartConvertCommand) && !enabled(StopConvertCommand));
    }

    void commandsOpenTheSiteAndTheDialogs()
    {
        Window window;
        for (int command : QList<int> { app::OnlineHelpCommand, app::CheckNewVersionCommand, app::VisitWebSiteCommand,
                             app::TellToFriendCommand }) {
            QVERIFY(window.frame->runCommand(command));
        }
        QCOMPARE(window.pages.size(), 4);
        QCOMPARE(window.pages[0].toString(), QStringLiteral("https://www.marlowen.org/help.html"));
        QCOMPARE(window.pages[1].toString(), QStringLiteral("https://www.marlowen.org/marlowen.html"));
        QCOMPARE(window.pages[2].toString(), QStringLiteral("https://www.marlowen.org/"));
        const QUrl& mail = window.pages[3];
        QCOMPARE(mail.scheme() + mail.path(), QStringLiteral("mailto"));
        QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Invitation from Marlowen"));
        QCOMPARE(QUrlQuery(mail).queryItemValue(QStringLiteral("Body"), QUrl::FullyDecoded),
                 QStringLiteral("Hello!\n\r"
                       "Marlowen from https://www.marlowen.org/ is a excellent Text to PDF converter!\n\r"
                       "Learn more by visiting\nhttps://www.marlowen.org/\n\r"
                       "To download it right now click here\nhttps://www.marlowen.org/downloads.html\n\r"
                       "[please type your text here]\n\r"));

        QVERIFY(window.frame->runCommand(app::TipOfTheDayCommand));
        QTRY_VERIFY(window.frame->findChild<app::CTipOfTheDayDialog*>());
        QVERIFY(window.frame->findChild<app::CTipOfTheDayDialog*>()->isVisible());
    }

    void aStartWithTheTipTurnedOffStillMovesOnByOneTip()
    {
        Window window;
        window.dir.write("tips.txt", "First.\nSecond.\n");
        window.dir.write("Settings.ini", "[Tips]\nTipOfDay=0\n");
        window.frame->showTipAtStartup();
        QVERIFY(!window.frame->findChild<app::CTipOfTheDayDialog*>());
        window.frame->showTipAtStartup();
        window.frame->showTipOfTheDay();
        QCOMPARE(window.frame->findChild<app::CTipOfTheDayDialog*>()->tipText(), QStringLiteral("First.\n"));
    }

    // Dragging the splitter as far right as it goes leaves the options pane its width in the smallest window.
    void theOptionsPaneKeepsARoomyWidth()
    {
        Window window;
        auto* splitter = window.frame->findChild<QSplitter*>();
        const int least = window.frame->minimumWidth() - window.list().parentWidget()->minimumWidth()
            - splitter->handleWidth();
        window.frame->resize(1400, 700);
        QTRY_VERIFY(window.frame->rightView().width() > least);
        QSplitterHandle* handle = splitter->handle(1);
        QTest::mousePress(handle, Qt::LeftButton, {}, handle->rect().center());
        QTest::mouseMove(handle, handle->rect().center() + QPoint(2000, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->rect().center() + QPoint(2000, 0));
        QCOMPARE(window.frame->rightView().width(), least);
    }

    // A first start opens as wide as shows every column of the list, each header whole, and every option label
    // whole, where the screen has room for it.
    void aFirstStartShowsEveryHeaderAndLabel()
    {
        Window window;
        if (window.frame->screen()->availableGeometry().width() < 1300) {
            QSKIP("the screen is too narrow; ctest runs this test on a larger one");
        }
        QVERIFY(window.frame->width() > window.frame->minimumWidth());
        const grid::CGridCtrl& grid = window.grid();
        int columns = 0;
        for (int col = 0; col < grid.GetColumnCount(); ++col) {
            QVERIFY(grid.GetCell(0, col)->GetCellExtent().width() <= grid.GetColumnWidth(col));
            columns += grid.GetColumnWidth(col);
        }
        QVERIFY2(columns <= grid.viewport()->width(), qPrintable(QString::number(grid.viewport()->width())));
        optiontree::COptionTree* tree = window.frame->rightView().optionTree();
        QVERIFY2(tree->GetColumn() >= tree->WidestLabelRight(), qPrintable(QString::number(tree->GetColumn())));
    }

    // Size, position, maximised state and the splitter come back after a restart of the window.
    void theWindowKeepsItsPlacementAcrossARestart()
    {
        Window first;
        first.frame->resize(1000, 640);
        first.frame->move(40, 30);
        auto* splitter = first.frame->findChild<QSplitter*>();
        QTRY_COMPARE(first.frame->width(), 1000);
        QSplitterHandle* handle = splitter->handle(1);
        QTest::mousePress(handle, Qt::LeftButton, {}, handle->rect().center());
        QTest::mouseMove(handle, handle->rect().center() + QPoint(30, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->rect().center() + QPoint(30, 0));
        const int leftPane = splitter->sizes().front();
        QVERIFY(first.frame->close());

        Window second(testsupport::readFile(first.settings));
        QCOMPARE(second.frame->size(), QSize(1000, 640));
        QCOMPARE(second.frame->pos(), QPoint(40, 30));
        QCOMPARE(second.frame->findChild<QSplitter*>()->sizes().front(), leftPane);
        second.frame->showMaximized();
        QTRY_VERIFY(second.frame->isMaximized());
        QVERIFY(second.frame->close());

        Window third(testsupport::readFile(second.settings));
        QTRY_VERIFY(third.frame->isMaximized());
        third.frame->showNormal();
        QTRY_COMPARE(third.frame->size(), QSize(1000, 640));
    }

    void startArgumentsAreAddedInOrder()
    {
        Window window;
        auto first = window.dir.write("first.txt", "a\n");
        window.dir.write("folder/b.txt", "b\n");
        window.dir.write("folder/c.TXT", "c\n");
        window.dir.write("folder/d.txt.bak", "d\n");
        auto last = window.dir.write("last.log", "e\n");
        window.frame->addPaths({ first.string(), (window.dir.path() / "folder").string(), last.string() });
        QStringList names;
        for (std::size_t i = 0; i < window.list().entryCount(); ++i) {
            names.append(QString::fromStdString(std::filesystem::path(window.list().entryPath(i)).filename()));
        }
        QCOMPARE(names, (QStringList { "first.txt", "b.txt", "c.TXT", "last.log" }));
    }

    // A session writes only what the user changed: a Latin-1 file with CR LF line ends keeps every other byte,
    // a value the program could not use stays, a hand edit made meanwhile survives, and a value still in an
    // open editor is saved at the close.
    void aSessionWritesOnlyWhatTheUserChanged()
    {
        const std::string before = "[PDF Property Option]\r\nAuthor=Zo\xeb M\xfcller \xa9 2024\r\n"
                                   "[Paper Option]\r\nPageSize=99\r\nLeftMargin=36\r\n";
        Window window(before);
        QVERIFY(QTest::qWaitForWindowActive(window.frame.get()));
        QCOMPARE(window.author().text(), QStringLiteral("Zo\u00eb M\u00fcller \u00a9 2024"));
        window.dir.write("Settings.ini", before + "[Tips]\r\nStartUp=0\r\n");
        auto* margin = window.editAuthor(6);
        QVERIFY(margin);
        margin->selectAll();
        QTest::keyClicks(margin, QStringLiteral("72"));
        QVERIFY(window.frame->close());
        // The window's placement follows, in the file's line ends.
        const std::string after = testsupport::readFile(window.settings);
        const std::string options = "[PDF Property Option]\r\nAuthor=Zo\xeb M\xfcller \xa9 2024\r\n"
                                    "[Paper Option]\r\nPageSize=99\r\nLeftMargin=72\r\n[Tips]\r\nStartUp=0\r\n";
        QCOMPARE(after.substr(0, options.size()), options);
        QCOMPARE(after.substr(options.size(), 15), std::string("[Main Window]\r\n"));
        QVERIFY(window.asker.told().isEmpty());
    }

    // A Settings.ini the program cannot save beside itself is read, copied to where the options are kept and
    // told once; the next start reads the copy and says nothing.
    void aSettingsFileThatCannotBeSavedWhereItIsIsAdoptedAndToldOnce()
    {
        testsupport::TempDir dir;
        const auto beside = dir.write("program/Settings.ini", "[Paper Option]\nFont Size=12\nTabWidth=99\n").string();
        const auto kept = (dir.path() / "Settings.ini").string();
        engine::ConversionOptions options;
        auto start = app::LoadStartSettings(beside, kept, options);
        QCOMPARE(start.path, kept);
        QCOMPARE(options.FontSize, 12);
        QVERIFY2(start.notice.contains(QString::fromStdString(kept)) && start.notice.contains("TabWidth=99"),
                 qPrintable(start.notice));
        QCOMPARE(testsupport::readFile(kept), testsupport::readFile(beside));

        dir.write("Settings.ini", "[Paper Option]\nFont Size=12\n");
        start = app::LoadStartSettings(kept, kept, options);
        QVERIFY2(start.notice.isEmpty(), qPrintable(start.notice));
        QCOMPARE(options.FontSize, 12);
    }

    void optionsAreSavedSoonAfterAChangeAndAFailedSaveIsTold()
    {
        Window window;
        QVERIFY(QTest::qWaitForWindowActive(window.frame.get()));
        auto* edit = window.editAuthor();
        QVERIFY(edit);
        QTest::keyClicks(edit, QStringLiteral("Jane"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(window.options.Author, std::string("Jane"));
        QTRY_VERIFY(testsupport::readFile(window.settings).find("Author=Jane") != std::string::npos);

        // A read-only Settings.ini: the close still happens, and the user learns which file and why. The value
        // is still in the open editor: the save at the close commits it first.
        std::filesystem::permissions(window.settings, std::filesystem::perms::owner_read);
        edit = window.editAuthor();
        QTest::keyClicks(edit, QStringLiteral(" changed"));
        QVERIFY(window.frame->close());
        QCOMPARE(window.asker.told().size(), 1);
        const auto& message = window.asker.told().front().text;
        QVERIFY2(message.contains(QString::fromStdString(window.settings)) && message.contains("read-only"),
                 qPrintable(message));
        QVERIFY(testsupport::readFile(window.settings).find("changed") == std::string::npos);
    }

    // A SIGTERM reaches closeQuietly() while the close waits on the real box telling that the options
    // could not be saved: the box goes unanswered and the close ends.
    void aQuietCloseEndsTheCloseWaitingOnTheUnsavedOptionsBox()
    {
        Window window({}, &panes::MessageBoxAsker::instance());
        window.dir.write("Settings.ini", "");
        std::filesystem::permissions(window.settings, std::filesystem::perms::owner_read);
        QVERIFY(QTest::qWaitForWindowActive(window.frame.get()));
        auto* author = window.editAuthor();
        QVERIFY(author);
        QTest::keyClicks(author, QStringLiteral("Jane")); // a change the close cannot save
        int quietCloses = 0;
        bool answeredByTest = false;
        QTimer session;
        connect(&session, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            if (quietCloses++ == 0) {
                window.frame->closeQuietly();
            } else {
                answeredByTest = true; // still open after the quiet close: answered here so the test ends
                box->accept();
            }
        });
        session.start(20);
        QVERIFY(window.frame->close());
        QCOMPARE(quietCloses, 1);
        QVERIFY(!answeredByTest);
        QVERIFY(!window.frame->isVisible());
    }
};

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
