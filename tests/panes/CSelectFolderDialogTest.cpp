#include "folderchooser/CSelectFolderDialog.h"
#include "panes/DesktopSeams.h"
#include "panes/FolderMemory.h"

#include "RecordingAsker.h"
#include "TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using panes::CSelectFolderDialog;

namespace {

const QString importFileTypes = QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");

QPushButton* button(const QWidget& dialog, const QString& text)
{
    for (auto* candidate : dialog.findChildren<QPushButton*>()) {
        if (candidate->text() == text) {
            return candidate;
        }
    }
    return nullptr;
}

QLabel* label(const QWidget& dialog, const QString& text)
{
    for (auto* candidate : dialog.findChildren<QLabel*>()) {
        if (candidate->text() == text && candidate->isVisible()) {
            return candidate;
        }
    }
    return nullptr;
}

QLineEdit* folderBox(const QWidget& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("folderBox"));
}

QListView* folderList(const QWidget& dialog)
{
    return dialog.findChild<QListView*>(QStringLiteral("folderList"));
}

// The names the browsing list shows, sorted.
QStringList listedNames(const QWidget& dialog)
{
    const QListView* list = folderList(dialog);
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row) {
        names.append(list->model()->index(row, 0, list->rootIndex()).data().toString());
    }
    names.sort();
    return names;
}

void typeFolder(const QWidget& dialog, const QString& text)
{
    QLineEdit* box = folderBox(dialog);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void pressSelect(const QWidget& dialog)
{
    QTest::mouseClick(button(dialog, QStringLiteral("&Select")), Qt::LeftButton);
}

// Types text into the path field above the list and presses Enter.
void goTo(const QWidget& dialog, const QString& text)
{
    auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("pathField"));
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

// Clicks the place of that name beside the list.
void clickPlace(const QWidget& dialog, const QString& name)
{
    auto* places = dialog.findChild<QListWidget*>(QStringLiteral("placesList"));
    const auto found = places->findItems(name, Qt::MatchExactly);
    QVERIFY2(found.size() == 1, qPrintable(name));
    QTest::mouseClick(places->viewport(), Qt::LeftButton, {}, places->visualItemRect(found.front()).center());
}

QStringList placeNames(const QWidget& dialog)
{
    auto* places = dialog.findChild<QListWidget*>(QStringLiteral("placesList"));
    QStringList names;
    for (int row = 0; row < places->count(); ++row) {
        names.append(places->item(row)->text());
    }
    return names;
}

// Presses New Folder and answers the name box with name (typed over the proposed one) and Enter.
void makeFolder(const QWidget& dialog, const QString& name)
{
    QTimer::singleShot(0, [name] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        auto* edit = box->findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    });
    QTest::mouseClick(button(dialog, QStringLiteral("&New Folder")), Qt::LeftButton);
}

} // namespace

class CSelectFolderDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<testsupport::TempDir> m_temp;
    QString m_root;
    QByteArray m_home;

    QString path(const QString& relative) const { return m_root + u'/' + relative; }

    // A chooser as Import Directory opens it, started in the test folder and answered by asker.
    std::unique_ptr<CSelectFolderDialog> openChooser(RecordingAsker& asker, bool showFiles = true,
                                                     const QString& fileTypes = importFileTypes)
    {
        auto dialog = std::make_unique<CSelectFolderDialog>(showFiles, m_root, QFileDialog::ReadOnly, fileTypes);
        dialog->setMessageAsker(asker);
        dialog->open();
        return dialog;
    }

private slots:
    void init()
    {
        m_temp = std::make_unique<testsupport::TempDir>();
        m_root = QString::fromStdString(m_temp->path().string());
        m_temp->write("a.txt", "text");
        m_temp->write("b.log", "log");
        m_temp->write("README", "no extension");
        // "~" stands for the test folder.
        m_home = qgetenv("HOME");
        qputenv("HOME", m_root.toLocal8Bit());
        QDir(m_root).mkpath(QStringLiteral("sub"));
        QDir(m_root).mkpath(QStringLiteral("locked"));
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
    }

    void cleanup()
    {
        if (m_home.isNull()) {
            qunsetenv("HOME");
        } else {
            qputenv("HOME", m_home);
        }
        m_temp.reset();
    }

    void selectConfirmsTheTypedFolder_data()
    {
        QTest::addColumn<QString>("typed"); // "<dir>" stands for the test folder
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("existsAfterwards");

        QTest::newRow("new folder three levels deep, Yes")
            << "<dir>/out/new/deep" << true << "<dir>/out/new/deep/" << true << true;
        QTest::newRow("new folder, No returns it uncreated") << "<dir>/missing" << false << "<dir>/missing/" << true << false;
        QTest::newRow("empty box takes the shown folder") << "" << true << "<dir>/" << false << true;
        QTest::newRow("existing folder") << "<dir>/sub" << true << "<dir>/sub/" << false << true;
        QTest::newRow("trailing separator is dropped once") << "<dir>/sub/" << true << "<dir>/sub/" << false << true;
        QTest::newRow("relative to the shown folder") << "sub" << true << "<dir>/sub/" << false << true;
        QTest::newRow("root folder keeps its one separator") << "/" << true << "/" << false << true;
        QTest::newRow("leading ~ is the home folder") << "~/out/new/deep" << true << "<dir>/out/new/deep/" << true << true;
        QTest::newRow("~ alone is the home folder") << "~" << true << "<dir>/" << false << true;
    }

    void selectConfirmsTheTypedFolder()
    {
        QFETCH(QString, typed);
        QFETCH(bool, answerYes);
        QFETCH(QString, expected);
        QFETCH(bool, asked);
        QFETCH(bool, existsAfterwards);
        expected.replace(QStringLiteral("<dir>"), m_root);
        RecordingAsker asker(answerYes);
        auto dialog = openChooser(asker);

        typeFolder(*dialog, typed.replace(QStringLiteral("<dir>"), m_root));
        pressSelect(*dialog);

        QCOMPARE(dialog->result(), QDialog::Accepted);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->selectedFolder(), expected);
        const QString folder = expected.size() > 1 ? expected.chopped(1) : expected;
        const QStringList question{ folder + "\n\nThe selected path isn't exist, create it?" };
        QCOMPARE(asker.asked(), asked ? question : QStringList());
        QVERIFY(asker.told().isEmpty());
        QCOMPARE(QFileInfo(folder).isDir(), existsAfterwards);
    }

    void refusedFolderKeepsTheChooserOpen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("underReadOnlyFolder");

        const int stop = QMessageBox::Critical;
        const int warning = QMessageBox::Warning;
        // "//" is this system's "two backslashes": network and URL-style locations, or a typing slip.
        QTest::newRow("network-style path") << "//server/share" << stop << "Invalid directory" << false;
        QTest::newRow("URL-style location") << "smb://host/share" << stop << "Invalid directory" << false;
        QTest::newRow("double separator inside") << "<dir>//sub" << stop << "Invalid directory" << false;
        QTest::newRow("double separator at the end") << "<dir>/sub//" << stop << "Invalid directory" << false;
        QTest::newRow("a file, not a folder") << "<dir>/a.txt" << stop << "Invalid directory" << false;
        QTest::newRow("under a file") << "<dir>/a.txt/x/y" << warning << "Can not create directory\n<dir>/a.txt/x/y" << false;
        QTest::newRow("under a read-only folder")
            << "<dir>/locked/x/y" << warning << "Can not create directory\n<dir>/locked/x/y" << true;
    }

    void refusedFolderKeepsTheChooserOpen()
    {
        QFETCH(QString, typed);
        QFETCH(int, icon);
        QFETCH(QString, message);
        QFETCH(bool, underReadOnlyFolder);
        if (underReadOnlyFolder && QDir(path("locked")).mkdir(QStringLiteral("probe"))) {
            QSKIP("this account can write into read-only folders");
        }
        RecordingAsker asker(true);
        auto dialog = openChooser(asker);

        typeFolder(*dialog, typed.replace(QStringLiteral("<dir>"), m_root));
        pressSelect(*dialog);

        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->selectedFolder().isEmpty());
        QCOMPARE(asker.told().size(), 1);
        QCOMPARE(int(asker.told().front().icon), icon);
        QCOMPARE(asker.told().front().text, message.replace(QStringLiteral("<dir>"), m_root));
        QVERIFY(!QFileInfo::exists(path("locked/x")));
        QVERIFY(!QFileInfo::exists(path("a.txt/x")));

        // The user can go on and pick another folder.
        typeFolder(*dialog, path("sub"));
        pressSelect(*dialog);
        QCOMPARE(dialog->result(), QDialog::Accepted);
        QCOMPARE(dialog->selectedFolder(), path("sub/"));
    }

    void cancelGivesAnEmptyResult_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Cancel button") << false;
        QTest::newRow("Escape key") << true;
    }

    void cancelGivesAnEmptyResult()
    {
        QFETCH(bool, byEscape);
        RecordingAsker asker;
        auto dialog = openChooser(asker);
        typeFolder(*dialog, path("out/new"));

        if (byEscape) {
            QTest::keyClick(folderBox(*dialog), Qt::Key_Escape);
        } else {
            QTest::mouseClick(button(*dialog, QStringLiteral("Cancel")), Qt::LeftButton);
        }

        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), QDialog::Rejected);
        QVERIFY(dialog->selectedFolder().isEmpty());
        QVERIFY(asker.asked().isEmpty());
        QVERIFY(!QFileInfo::exists(path("out")));
    }

    void listsWhatTheConstructorAsksFor_data()
    {
        QTest::addColumn<bool>("showFiles");
        QTest::addColumn<QString>("fileTypes");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<bool>("typeListShown");

        QTest::newRow("folders only") << false << importFileTypes << QStringList{ "locked", "sub" } << false;
        QTest::newRow("every file without a type list")
            << true << QString() << QStringList{ "README", "a.txt", "b.log", "locked", "sub" } << false;
        QTest::newRow("files of the first type")
            << true << importFileTypes << QStringList{ "a.txt", "locked", "sub" } << true;
        QTest::newRow("patterns ignore case") << true << QString("Logs|*.LOG||") << QStringList{ "b.log", "locked", "sub" }
                                              << true;
    }

    void listsWhatTheConstructorAsksFor()
    {
        QFETCH(bool, showFiles);
        QFETCH(QString, fileTypes);
        QFETCH(QStringList, expected);
        QFETCH(bool, typeListShown);
        RecordingAsker asker;
        auto dialog = openChooser(asker, showFiles, fileTypes);

        QTRY_COMPARE(listedNames(*dialog), expected);
        QCOMPARE(dialog->findChild<QComboBox*>()->isVisible(), typeListShown);
        QCOMPARE(label(*dialog, QStringLiteral("Please Select the File Type:")) != nullptr, typeListShown);
        QVERIFY(label(*dialog, QStringLiteral("Current Folder:"))->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Please Select a Folder"));
        QVERIFY(dialog->isModal());
    }

    void changingTheFileTypeChangesTheListNotTheResult()
    {
        RecordingAsker asker;
        auto dialog = openChooser(asker);
        QTRY_COMPARE(listedNames(*dialog), (QStringList{ "a.txt", "locked", "sub" }));

        QComboBox* types = dialog->findChild<QComboBox*>();
        QTest::keyClick(types, Qt::Key_Down);
        QCOMPARE(types->currentText(), QStringLiteral("All Files (*.*)"));
        // "*.*" means every file, those without an extension included.
        QTRY_COMPARE(listedNames(*dialog), (QStringList{ "README", "a.txt", "b.log", "locked", "sub" }));

        pressSelect(*dialog);
        QCOMPARE(dialog->selectedFolder(), m_root + u'/');
    }

    void listShowsFolderAndFileIcons()
    {
        RecordingAsker asker;
        auto dialog = openChooser(asker, true, QString());
        QListView* list = folderList(*dialog);
        auto* model = qobject_cast<QFileSystemModel*>(list->model());
        const QStringList names{ "locked", "sub", "a.txt", "b.log" };
        for (const QString& name : names) {
            QTRY_VERIFY(list->visualRect(model->index(path(name))).isValid());
        }
        // The picture left of each name: the two folders show one icon, the two files another.
        const QImage shown = list->viewport()->grab().toImage();
        const int iconWidth = list->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, list);
        QList<QImage> icons;
        for (const QString& name : names) {
            const QRect row = list->visualRect(model->index(path(name)));
            icons.append(shown.copy(row.left(), row.top(), iconWidth, row.height()));
        }
        QCOMPARE(icons[0], icons[1]);
        QCOMPARE(icons[2], icons[3]);
        QVERIFY(icons[0] != icons[2]);
        QVERIFY(!model->index(path("sub")).data(Qt::DecorationRole).value<QIcon>().isNull());
    }

    void folderBoxFollowsTheBrowsing()
    {
        RecordingAsker asker;
        auto dialog = openChooser(asker);
        QCOMPARE(folderBox(*dialog)->text(), m_root);
        QListView* list = folderList(*dialog);
        auto* model = qobject_cast<QFileSystemModel*>(list->model());
        QTRY_VERIFY(list->visualRect(model->index(path("sub"))).isValid());

        // The first click selects, the second pair of presses is the double-click.
        const QPoint subCentre = list->visualRect(model->index(path("sub"))).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, subCentre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, subCentre);
        QCOMPARE(folderBox(*dialog)->text(), path("sub"));
        QCOMPARE(dialog->currentFolder(), path("sub"));

        QTest::mouseClick(dialog->findChild<QToolButton*>(QStringLiteral("upButton")), Qt::LeftButton);
        QCOMPARE(folderBox(*dialog)->text(), m_root);

        // Enter on a folder opens it and does not press Select as well.
        list->setFocus();
        QTest::keyClicks(list, QStringLiteral("su"));
        QTest::keyClick(list, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        QCOMPARE(folderBox(*dialog)->text(), path("sub"));

        // Emptying the box selects the folder being shown.
        typeFolder(*dialog, QString());
        pressSelect(*dialog);
        QCOMPARE(dialog->selectedFolder(), path("sub/"));
    }

    // The places, the path field and New Folder browse, and what cannot be done is told with the chooser left as it
    // was; Enter in the path field never selects. A selected folder becomes the first recent one.
    void placesPathFieldAndNewFolderBrowse()
    {
        panes::FolderMemory memory(path("Settings.ini").toStdString());
        memory.addRecentFolder(path("gone"));
        memory.addRecentFolder(path("sub"));
        RecordingAsker asker;
        auto dialog = openChooser(asker);
        dialog->setFolderMemory(memory);
        QCOMPARE(placeNames(*dialog), (QStringList { "Home", "Root", "Recent", "sub" }));

        clickPlace(*dialog, QStringLiteral("Root"));
        QCOMPARE(dialog->currentFolder(), QDir::rootPath());
        clickPlace(*dialog, QStringLiteral("sub"));
        QCOMPARE(dialog->currentFolder(), path("sub"));
        QCOMPARE(folderBox(*dialog)->text(), path("sub"));
        clickPlace(*dialog, QStringLiteral("Home"));
        QCOMPARE(dialog->currentFolder(), m_root);

        goTo(*dialog, path("missing"));
        goTo(*dialog, path("a.txt"));
        QCOMPARE(asker.told().size(), 2);
        QCOMPARE(asker.told()[0].text, QStringLiteral("The folder %1 does not exist.").arg(path("missing")));
        QCOMPARE(asker.told()[1].text, QStringLiteral("%1 is a file, not a folder.").arg(path("a.txt")));
        QCOMPARE(dialog->findChild<QLineEdit*>(QStringLiteral("pathField"))->text(), path("a.txt"));
        QCOMPARE(dialog->currentFolder(), m_root);
        goTo(*dialog, QStringLiteral("~/sub/"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->currentFolder(), path("sub"));
        QCOMPARE(asker.told().size(), 2);

        makeFolder(*dialog, QStringLiteral("made"));
        QVERIFY(QFileInfo(path("sub/made")).isDir());
        QCOMPARE(dialog->currentFolder(), path("sub/made"));
        goTo(*dialog, QStringLiteral(".."));
        makeFolder(*dialog, QStringLiteral("made"));
        makeFolder(*dialog, QString(300, u'x'));
        makeFolder(*dialog, QStringLiteral("x/y"));
        QCOMPARE(dialog->currentFolder(), path("sub"));
        QCOMPARE(asker.told().size(), 5);
        QCOMPARE(asker.told()[2].text,
                 QStringLiteral("A file or folder named \"made\" already exists in %1.").arg(path("sub")));
        QVERIFY(asker.told()[3].text.startsWith(QStringLiteral("The folder \"xxx")));
        QVERIFY(asker.told()[3].text.endsWith(QStringLiteral("cannot be created in %1:\nFile name too long").arg(path("sub"))));
        QVERIFY(asker.told()[4].text.startsWith(QStringLiteral("\"x/y\" cannot name a folder")));
        QVERIFY(!QFileInfo::exists(path("sub/x")));

        pressSelect(*dialog);
        QCOMPARE(dialog->selectedFolder(), path("sub/"));
        QCOMPARE(memory.recentFolders(), QStringList { path("sub") });
        QCOMPARE(testsupport::readFile(path("Settings.ini").toStdString()).substr(0, 10), std::string("[Folders]\n"));
    }

    // The open-file dialog and Import Directory's chooser start where the user last was in them, whether the dialog
    // was confirmed or cancelled, in this run and after a restart.
    void dialogsStartWhereTheUserLastWas()
    {
        const std::string settings = path("Settings.ini").toStdString();
        QWidget owner;
        owner.show();
        QDir(m_root).mkpath(QStringLiteral("sub/deeper"));
        m_temp->write("sub/deeper/c.txt", "c");
        QStringList files;
        {
            panes::FolderMemory memory(settings);
            panes::DialogFileChooser chooser(&memory);
            chooser.chooseFiles(&owner, [&](const QStringList& chosen) { files = chosen; });
            auto* dialog = owner.findChild<QFileDialog*>();
            QVERIFY(dialog && dialog->isVisible());
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            dialog->setDirectory(path("sub/deeper")); // as the user's browsing would
            QTest::keyClicks(name, QStringLiteral("c.txt"));
            QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Open), Qt::LeftButton);
            QCOMPARE(files, QStringList { path("sub/deeper/c.txt") });

            chooser.chooseFolder(&owner, [](const QString&) { QFAIL("the chooser was cancelled"); });
            auto* folderChooser = owner.findChild<CSelectFolderDialog*>();
            QVERIFY(folderChooser && folderChooser->isVisible());
            goTo(*folderChooser, path("sub"));
            QTest::mouseClick(button(*folderChooser, QStringLiteral("Cancel")), Qt::LeftButton);
        }
        QTRY_VERIFY(owner.findChildren<QDialog*>().isEmpty()); // both deleted on close

        panes::FolderMemory restarted(settings);
        panes::DialogFileChooser chooser(&restarted);
        chooser.chooseFiles(&owner, [](const QStringList&) {});
        auto* dialog = owner.findChild<QFileDialog*>();
        QCOMPARE(dialog->directory().absolutePath(), path("sub/deeper"));
        dialog->reject();
        chooser.chooseFolder(&owner, [](const QString&) {});
        auto* folderChooser = owner.findChild<CSelectFolderDialog*>();
        QCOMPARE(folderChooser->currentFolder(), path("sub"));
        folderChooser->reject();
    }

    void onlyOneChooserIsOpenAtATime()
    {
        RecordingAsker asker;
        auto first = openChooser(asker);
        QVERIFY(first->isVisible());

        CSelectFolderDialog second(true, m_root, {}, importFileTypes);
        second.open();
        QVERIFY(!second.isVisible());
        // exec() must come back at once; should it show the chooser, the timer ends it so the test fails, not hangs.
        bool shown = false;
        QTimer::singleShot(0, &second, [&] {
            shown = second.isVisible();
            second.reject();
        });
        QCOMPARE(second.exec(), int(QDialog::Rejected));
        QVERIFY(!shown);

        QTest::mouseClick(button(*first, QStringLiteral("Cancel")), Qt::LeftButton);
        second.open();
        QVERIFY(second.isVisible());
    }

    void messageBoxesCarryTheApplicationTitle()
    {
        auto dialog = std::make_unique<CSelectFolderDialog>(true, m_root, QFileDialog::Options(), importFileTypes);
        dialog->open();
        typeFolder(*dialog, path("missing"));
        QString title;
        QString text;
        QTimer::singleShot(0, dialog.get(), [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            title = box->windowTitle();
            text = box->text();
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
        });

        pressSelect(*dialog);

        QCOMPARE(title, QStringLiteral("Quenby"));
        QCOMPARE(text, path("missing") + "\n\nThe selected path isn't exist, create it?");
        QCOMPARE(dialog->selectedFolder(), path("missing/"));
        QVERIFY(!QFileInfo::exists(path("missing")));
    }
};

QTEST_MAIN(CSelectFolderDialogTest)
#include "CSelectFolderDialogTest.moc"
