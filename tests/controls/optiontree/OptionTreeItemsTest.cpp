// The item kinds: creation rules, value access, the commit cycle of windowed
// editors, and file items with their dialogs.

#include "OptionTreeTestSupport.h"

#include "optiontree/COptionTreeComboItem.h"
#include "optiontree/COptionTreeEditItem.h"
#include "optiontree/COptionTreeFileItem.h"

#include "FilePathDisplay.h"
#include "OptionTreeFonts.h"

#include <QAbstractItemView>
#include <QFileDialog>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

using namespace optiontree;
using namespace optiontree::test;

namespace {

// A dialog runner that answers with prepared paths instead of asking anyone.
class ScriptedDialog : public COptionTreeFileDialog
{
public:
    explicit ScriptedDialog(QStringList answer, Request* seen = nullptr)
        : m_answer(std::move(answer))
        , m_seen(seen)
    {
    }

    int DoModal() override
    {
        if (m_seen) {
            *m_seen = GetRequest();
        }
        if (m_answer.isEmpty()) {
            return Cancelled;
        }
        accept(m_answer);
        return Accepted;
    }

private:
    QStringList m_answer;
    Request* m_seen;
};

// Category > combo, edit, second edit, file item; all expanded.
struct ItemTree : TreeWindow
{
    ItemTree()
    {
        category = insert(nullptr, QStringLiteral("Options"));
        combo = insert<COptionTreeComboItem>(category, QStringLiteral("Choice"));
        combo->CreateComboItem();
        combo->addItems({ QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third") });
        combo->setCurrentIndex(0);
        edit = insert<COptionTreeEditItem>(category, QStringLiteral("Text"));
        edit->CreateEditItem();
        number = insert<COptionTreeEditItem>(category, QStringLiteral("Number"));
        number->CreateEditItem(EditOptionNumeric);
        file = insert<COptionTreeFileItem>(category, QStringLiteral("File"));
        file->CreateFileItem(QString(), QString(), QStringLiteral("AFM Files (*.afm)|*.afm|All Files (*.*)|*.*|"),
            FileOptionShowFullPath | FileOptionOpenDialog, DialogAllowMultiSelect);
        tree->ExpandAllItems();
        recorder.entries.clear();
    }

    int changes(COptionTreeItem* item) const
    {
        return static_cast<int>(recorder.items(TreeNotifyItemChanged).count(item));
    }

    COptionTreeItem* category;
    COptionTreeComboItem* combo;
    COptionTreeEditItem* edit;
    COptionTreeEditItem* number;
    COptionTreeFileItem* file;
};

QImage drawAttribute(COptionTreeItem& item, const QSize& size, const QFont& font, const QString& expectedText)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    if (expectedText.isNull()) {
        item.DrawAttribute(painter, image.rect());
    } else {
        painter.setFont(font);
        painter.setPen(item.GetOptionTree()->palette().color(QPalette::ButtonText));
        painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, expectedText);
    }
    return image;
}

} // namespace

class OptionTreeItemsTest : public QObject
{
    Q_OBJECT

private slots:
    void editorsNeedAnInsertedItemAndAreCreatedOnce();
    void getEditIntReadsOnlyValidNumbers_data();
    void getEditIntReadsOnlyValidNumbers();
    void numericEditTakesOnlyTypedDigits();
    void passwordValueIsDrawnAsOneStarPerCharacter_data();
    void passwordValueIsDrawnAsOneStarPerCharacter();
    void comboReportsOneChangeWhenAnotherRowIsClicked();
    void editorStaysOpenWhileTheFocusIsOutsideTheTree();
    void changeMadeBeforeLeavingTheTreeIsCommittedOnDeselect_data();
    void changeMadeBeforeLeavingTheTreeIsCommittedOnDeselect();
    void enterCommitsAnEditAtOnce();
    void multiLineEditIsTallAndMayTakeReturns();
    void tabInAnEditorMovesToTheNextItem();
    void scrollBarScrollsAnOpenEditorWithoutClosingIt();
    void longListDropsDownAsAScrollingListOfTheDropDownHeight();
    void openEditorFollowsTheDivider();
    void fileItemShowsNoSelectionBeforeAnyDialog();
    void choosingThreeFilesGrowsTheRow();
    void cancelledDialogChangesNothingButThePath();
    void fileOptionsChooseTheDialog_data();
    void fileOptionsChooseTheDialog();
    void realOpenDialogReturnsTheChosenFile();
    void displayTextFollowsTheFirstDisplayBit_data();
    void displayTextFollowsTheFirstDisplayBit();
    void filtersBecomeQtNameFilters_data();
    void filtersBecomeQtNameFilters();
};

void OptionTreeItemsTest::editorsNeedAnInsertedItemAndAreCreatedOnce()
{
    COptionTreeComboItem looseCombo;
    COptionTreeEditItem looseEdit;
    COptionTreeFileItem looseFile;
    QVERIFY(!looseCombo.CreateComboItem());
    QVERIFY(!looseEdit.CreateEditItem(EditOptionNumeric));
    QVERIFY(!looseFile.CreateFileItem(QStringLiteral("a"), {}, {}, 0, 0));
    int value = 7;
    QVERIFY(!looseEdit.GetEditInt(value));
    QCOMPARE(value, 0);

    ItemTree t;
    QVERIFY(t.combo->HasWindow());
    QCOMPARE(t.combo->parentWidget(), t.list());
    QVERIFY(!t.combo->isVisible());
    QVERIFY(!t.combo->CreateComboItem());
    QVERIFY(!t.edit->CreateEditItem(EditOptionPassword));
    QVERIFY(!t.edit->isPassword());
}

void OptionTreeItemsTest::getEditIntReadsOnlyValidNumbers_data()
{
    QTest::addColumn<quint32>("options");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("digits") << EditOptionNumeric << "123" << true << 123;
    QTest::newRow("leading space") << EditOptionNumeric << " 42" << true << 42;
    QTest::newRow("decimal point stops the digits") << EditOptionNumeric << "12.5" << true << 12;
    QTest::newRow("letters only") << EditOptionNumeric << "abc" << false << 0;
    QTest::newRow("digits with a letter") << EditOptionNumeric << "12a" << false << 0;
    QTest::newRow("minus sign") << EditOptionNumeric << "-5" << false << 0;
    QTest::newRow("empty") << EditOptionNumeric << "" << false << 0;
    QTest::newRow("spaces only") << EditOptionNumeric << "   " << false << 0;
    QTest::newRow("too large stays the largest int") << EditOptionNumeric << "99999999999" << true << 2147483647;
    QTest::newRow("not a numeric edit") << quint32(0) << "42" << false << 0;
}

void OptionTreeItemsTest::getEditIntReadsOnlyValidNumbers()
{
    QFETCH(quint32, options);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    TreeWindow t;
    auto* item = t.insert<COptionTreeEditItem>(nullptr, QStringLiteral("n"));
    item->CreateEditItem(options);
    item->setText(text);
    int read = -1;
    QCOMPARE(item->GetEditInt(read), valid);
    QCOMPARE(read, value);

    item->SetEditInt(-17);
    QCOMPARE(item->text(), QStringLiteral("-17"));
}

void OptionTreeItemsTest::numericEditTakesOnlyTypedDigits()
{
    TreeWindow t;
    auto* item = t.insert<COptionTreeEditItem>(nullptr, QStringLiteral("n"));
    item->CreateEditItem(EditOptionNumeric);
    item->Activate();
    QTest::keyClicks(item->editor(), QStringLiteral("-1a2.3"));
    QCOMPARE(item->text(), QStringLiteral("123"));
}

void OptionTreeItemsTest::passwordValueIsDrawnAsOneStarPerCharacter_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("six characters") << "secret";
    QTest::newRow("one character") << "x";
    QTest::newRow("empty draws nothing") << "";
}

void OptionTreeItemsTest::passwordValueIsDrawnAsOneStarPerCharacter()
{
    QFETCH(QString, text);
    TreeWindow t;
    auto* item = t.insert<COptionTreeEditItem>(nullptr, QStringLiteral("Password"));
    QVERIFY(item->CreateEditItem(EditOptionPassword));
    item->setText(text);
    const QSize size(200, 21);
    const QImage drawn = drawAttribute(*item, size, {}, QString());
    const QImage expected
        = drawAttribute(*item, size, OptionTreeFonts::normal(), QString(text.size(), QLatin1Char('*')));
    QCOMPARE(drawn, expected);
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(Qt::white);
    QCOMPARE(drawn == blank, text.isEmpty());
}

void OptionTreeItemsTest::comboReportsOneChangeWhenAnotherRowIsClicked()
{
    ItemTree t;
    t.click(t.attributePoint(t.combo));
    QVERIFY(t.combo->isVisible());
    QVERIFY(t.combo->hasFocus());
    QCOMPARE(t.combo->geometry(), t.combo->GetAttributeRect());
    QTest::keyClick(t.combo, Qt::Key_Down);
    QCOMPARE(t.combo->currentIndex(), 1);
    QCOMPARE(t.changes(t.combo), 0); // choosing an entry alone does not commit

    t.click(t.labelPoint(t.number));
    QCOMPARE(t.changes(t.combo), 1);
    QVERIFY(!t.combo->isVisible());
    QVERIFY(!t.combo->IsActivated());
    t.click(t.labelPoint(t.edit));
    QCOMPARE(t.recorder.count(TreeNotifyItemChanged), 1);
}

void OptionTreeItemsTest::editorStaysOpenWhileTheFocusIsOutsideTheTree()
{
    ItemTree t;
    t.click(t.attributePoint(t.edit));
    QVERIFY(t.edit->editor()->hasFocus());

    // Another pane of the same window.
    QTest::mouseClick(t.otherPane, Qt::LeftButton);
    QVERIFY(t.otherPane->hasFocus());
    QCOMPARE(t.recorder.count(TreeNotifyItemChanged), 0);
    QVERIFY(t.edit->isVisible());

    // Another window.
    t.edit->setFocus();
    QWidget other;
    other.setGeometry(600, 0, 100, 100);
    other.show();
    QApplication::setActiveWindow(&other);
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(t.recorder.count(TreeNotifyItemChanged), 0);
    QVERIFY(t.edit->isVisible());

    QApplication::setActiveWindow(&t.window);
    QVERIFY(QTest::qWaitForWindowActive(&t.window));
    t.click(t.labelPoint(t.combo));
    QCOMPARE(t.changes(t.edit), 1);
    QVERIFY(!t.edit->isVisible());
}

void OptionTreeItemsTest::changeMadeBeforeLeavingTheTreeIsCommittedOnDeselect_data()
{
    QTest::addColumn<bool>("combo");
    QTest::newRow("typed text") << false;
    QTest::newRow("chosen entry") << true;
}

void OptionTreeItemsTest::changeMadeBeforeLeavingTheTreeIsCommittedOnDeselect()
{
    QFETCH(bool, combo);
    ItemTree t;
    COptionTreeWindowItem* item = combo ? static_cast<COptionTreeWindowItem*>(t.combo) : t.edit;
    QWidget* editor = combo ? static_cast<QWidget*>(t.combo) : t.edit;
    t.click(t.attributePoint(item));
    if (combo) {
        QTest::keyClick(t.combo, Qt::Key_Down);
    } else {
        QTest::keyClicks(t.edit->editor(), QStringLiteral("Title"));
    }
    QTest::mouseClick(t.otherPane, Qt::LeftButton);
    QCOMPARE(t.recorder.count(TreeNotifyItemChanged), 0);

    // Back in the tree on another row: the change is reported once and the editor closes.
    t.click(t.labelPoint(t.number));
    QCOMPARE(t.changes(item), 1);
    QVERIFY(!item->IsActivated());
    QVERIFY(!editor->isVisible());
    QCOMPARE(
        combo ? t.combo->currentText() : t.edit->text(), combo ? QStringLiteral("Second") : QStringLiteral("Title"));
    t.click(t.labelPoint(t.combo));
    QCOMPARE(t.recorder.count(TreeNotifyItemChanged), 1);
}

void OptionTreeItemsTest::enterCommitsAnEditAtOnce()
{
    ItemTree t;
    t.click(t.attributePoint(t.edit));
    QTest::keyClicks(t.edit->editor(), QStringLiteral("abc"));
    QTest::keyClick(t.edit->editor(), Qt::Key_Return);
    QCOMPARE(t.changes(t.edit), 1);
    QCOMPARE(t.edit->text(), QStringLiteral("abc"));
    QVERIFY(!t.edit->isVisible());
    QVERIFY(t.list()->hasFocus());

    // Enter on the still focused row opens the editor again for a new cycle.
    t.key(Qt::Key_Return);
    QVERIFY(t.edit->editor()->hasFocus());
    QTest::keyClick(t.edit->editor(), Qt::Key_Return);
    QCOMPARE(t.changes(t.edit), 2);
}

void OptionTreeItemsTest::multiLineEditIsTallAndMayTakeReturns()
{
    for (const bool wantReturn : { false, true }) {
        TreeWindow t;
        auto* item = t.insert<COptionTreeEditItem>(nullptr, QStringLiteral("Keywords"));
        QVERIFY(item->CreateEditItem(EditOptionMultiLine, wantReturn ? EditStyleWantReturn : 0));
        QCOMPARE(item->GetItemHeight(), 75);
        QCOMPARE(t.tree->GetTotalHeight(), 75);
        item->setText(QStringLiteral("one\ntwo"));
        item->Activate();
        QCOMPARE(item->geometry().height(), 75);
        QTest::keyClick(item->editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(item->editor(), Qt::Key_Return);
        QCOMPARE(t.recorder.count(TreeNotifyItemChanged), wantReturn ? 0 : 1);
        QCOMPARE(item->text(), wantReturn ? QStringLiteral("one\ntwo\n") : QStringLiteral("one\ntwo"));
    }
}

void OptionTreeItemsTest::tabInAnEditorMovesToTheNextItem()
{
    ItemTree t;
    t.click(t.attributePoint(t.edit));
    QTest::keyClick(t.edit->editor(), Qt::Key_Tab);
    QCOMPARE(t.changes(t.edit), 1);
    QCOMPARE(t.tree->GetFocusedItem(), t.number);
    QVERIFY(t.number->editor()->hasFocus());
    QTest::keyClick(t.number->editor(), Qt::Key_Backtab);
    QCOMPARE(t.changes(t.number), 1);
    QVERIFY(t.edit->editor()->hasFocus());

    // Shift+Tab in the first item's editor commits it and leaves the tree instead of opening it again.
    t.click(t.attributePoint(t.combo));
    QTest::keyClick(t.combo, Qt::Key_Backtab);
    QCOMPARE(t.changes(t.combo), 1);
    QVERIFY(!t.combo->isVisible());
    QVERIFY(!t.combo->IsActivated());
    QVERIFY(t.otherPane->hasFocus());
}

void OptionTreeItemsTest::scrollBarScrollsAnOpenEditorWithoutClosingIt()
{
    ItemTree t;
    for (int i = 0; i < 30; ++i) {
        t.insert(t.category, QStringLiteral("filler %1").arg(i));
    }
    QScrollBar* bar = t.list()->scrollBar();
    QVERIFY(bar->isVisible());
    t.click(t.attributePoint(t.edit));
    QTest::keyClicks(t.edit->editor(), QStringLiteral("abc"));

    // Near the bottom of the bar: its down arrow or the groove above it.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 4));
    QVERIFY(t.tree->GetScrollOffset() > 0);
    QCOMPARE(t.recorder.count(TreeNotifyItemChanged), 0);
    QVERIFY(t.edit->IsActivated());
    QVERIFY(t.edit->isVisible());
    QVERIFY(t.edit->editor()->hasFocus());
    // The editor moved with its row.
    QCOMPARE(t.edit->geometry(), t.edit->GetAttributeRect());
    QCOMPARE(t.edit->geometry().top(), t.edit->GetLocation().y() - t.tree->GetScrollOffset());
}

void OptionTreeItemsTest::longListDropsDownAsAScrollingListOfTheDropDownHeight()
{
    ItemTree t;
    for (int i = 0; i < 38; ++i) {
        t.combo->addItem(QStringLiteral("Envelope %1 [162 x 229 mm, rotated]").arg(i));
    }
    t.click(t.attributePoint(t.combo));
    QTest::mouseClick(t.combo, Qt::LeftButton);
    QAbstractItemView* view = t.combo->view();
    QTRY_VERIFY(view->isVisible());
    const QRect popup = view->window()->geometry();
    const QRect combo(t.combo->mapToGlobal(QPoint(0, 0)), t.combo->size());
    // A list of the drop-down height below the box, not a menu as tall as the screen over it.
    QVERIFY2(
        popup.height() <= COptionTreeComboItem::DefaultDropDownHeight + 8, qPrintable(QString::number(popup.height())));
    QVERIFY(popup.height() >= 3 * view->sizeHintForRow(0));
    QVERIFY(popup.top() >= combo.bottom());
    QVERIFY(view->verticalScrollBar()->isVisible());
    // The list is as wide as the box: an entry it cuts off shows whole in a tip.
    const QModelIndex longEntry = view->model()->index(3, 0);
    QTest::mouseMove(view->viewport(), QPoint(20, view->visualRect(longEntry).center().y()));
    QVERIFY(t.combo->listTip().isShown());
    QCOMPARE(t.combo->listTip().text(), longEntry.data().toString());
    t.combo->hidePopup();
}

void OptionTreeItemsTest::openEditorFollowsTheDivider()
{
    ItemTree t;
    t.click(t.attributePoint(t.edit));
    t.tree->SetColumn(90);
    t.tree->MoveItems();
    QCOMPARE(t.edit->geometry().left(), 95);
    QVERIFY(t.edit->isVisible());
    // Closed editors stay hidden when the layout changes.
    QVERIFY(!t.number->isVisible());
    QCOMPARE(t.number->geometry().left(), 95);
}

void OptionTreeItemsTest::fileItemShowsNoSelectionBeforeAnyDialog()
{
    ItemTree t;
    QCOMPARE(t.file->GetPath(), QString());
    QCOMPARE(FilePathDisplay::Text(t.file->GetPaths(), t.file->GetFileOptions()), QStringLiteral("No selection made."));
}

void OptionTreeItemsTest::choosingThreeFilesGrowsTheRow()
{
    ItemTree t;
    const QStringList chosen { QStringLiteral("/data/a.afm"), QStringLiteral("/data/b.afm"),
        QStringLiteral("/data/c.afm") };
    t.file->SetFileDialog(std::make_unique<ScriptedDialog>(chosen));
    t.click(t.attributePoint(t.file));
    QCOMPARE(t.file->GetPaths(), chosen);
    QCOMPARE(t.changes(t.file), 1);
    QCOMPARE(t.file->GetItemHeight(), 3 * (OptionTreeFonts::normalHeight() + 3) + 5);
    QVERIFY(t.file->IsMultiLineLabel());
    QCOMPARE(t.file->GetPath(), chosen.first());
    QCOMPARE(FilePathDisplay::Text(chosen, t.file->GetFileOptions()), chosen.join(QLatin1Char('\n')));
    QCOMPARE(t.tree->GetTotalHeight(), 4 * 21 + t.file->GetItemHeight());

    // One path fits the original row again.
    t.file->SetFileDialog(std::make_unique<ScriptedDialog>(QStringList { QStringLiteral("/data/d.afm") }));
    t.file->Activate();
    QCOMPARE(t.file->GetItemHeight(), 21);
    QVERIFY(!t.file->IsMultiLineLabel());

    // Delete empties the focused item again, committed once; a second Delete has nothing to empty.
    t.key(Qt::Key_Delete);
    QCOMPARE(t.file->GetPaths(), QStringList());
    QCOMPARE(t.changes(t.file), 3);
    t.key(Qt::Key_Backspace);
    QCOMPARE(t.changes(t.file), 3);
}

void OptionTreeItemsTest::cancelledDialogChangesNothingButThePath()
{
    TreeWindow t;
    auto* item = t.insert<COptionTreeFileItem>(nullptr, QStringLiteral("File"));
    item->CreateFileItem(QStringLiteral("/fonts/start.afm"), {}, {}, FileOptionShowFullPath | FileOptionOpenDialog, 0);
    item->SetFileDialog(std::make_unique<ScriptedDialog>(QStringList {}));
    QCOMPARE(item->GetPath(), QString());
    item->Activate();
    QCOMPARE(item->GetPaths(), QStringList { QStringLiteral("/fonts/start.afm") });
    QCOMPARE(t.recorder.count(TreeNotifyItemChanged), 0);
    QCOMPARE(item->GetItemHeight(), 21);
    // The dialog was opened with the initial path, which is what it leaves behind.
    QCOMPARE(item->GetPath(), QStringLiteral("/fonts/start.afm"));
}

void OptionTreeItemsTest::fileOptionsChooseTheDialog_data()
{
    QTest::addColumn<quint32>("options");
    QTest::addColumn<int>("kind");
    QTest::newRow("open") << (FileOptionShowFullPath | FileOptionOpenDialog) << int(COptionTreeFileDialog::Kind::Open);
    QTest::newRow("save") << FileOptionShowFullPath << int(COptionTreeFileDialog::Kind::Save);
    QTest::newRow("folder wins over open")
        << (FileOptionFolder | FileOptionOpenDialog) << int(COptionTreeFileDialog::Kind::Folder);
}

void OptionTreeItemsTest::fileOptionsChooseTheDialog()
{
    QFETCH(quint32, options);
    QFETCH(int, kind);
    TreeWindow t;
    auto* item = t.insert<COptionTreeFileItem>(nullptr, QStringLiteral("File"));
    item->CreateFileItem(
        QStringLiteral("/in/x.ttf"), QStringLiteral("ttf"), QStringLiteral("F|*.ttf|"), options, 0x1000);
    COptionTreeFileDialog::Request seen;
    item->SetFileDialog(
        std::make_unique<ScriptedDialog>(QStringList { QStringLiteral("/out/y"), QStringLiteral("/z") }, &seen));
    item->Activate();
    QCOMPARE(int(seen.kind), kind);
    QCOMPARE(seen.owner, t.tree);
    QCOMPARE(seen.initialPath, QStringLiteral("/in/x.ttf"));
    QCOMPARE(seen.flags, 0x1000u);
    const bool folder = kind == int(COptionTreeFileDialog::Kind::Folder);
    QCOMPARE(seen.title, folder ? QStringLiteral("Select Folder") : QString());
    QCOMPARE(seen.filter, folder ? QString() : QStringLiteral("F|*.ttf|"));
    // A folder dialog chooses exactly one path.
    QCOMPARE(item->GetPaths().size(), folder ? 1 : 2);
}

void OptionTreeItemsTest::realOpenDialogReturnsTheChosenFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("metrics.afm"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    TreeWindow t;
    auto* item = t.insert<COptionTreeFileItem>(nullptr, QStringLiteral("File"));
    item->CreateFileItem(
        path, {}, QStringLiteral("AFM Files (*.afm)|*.afm|"), FileOptionShowFullPath | FileOptionOpenDialog, 0);
    bool sawDialog = false;
    QTimer::singleShot(0, [&sawDialog] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog) {
            sawDialog = dialog->nameFilters() == QStringList { QStringLiteral("AFM Files (*.afm)") };
            QMetaObject::invokeMethod(dialog, &QDialog::accept);
        }
    });
    item->Activate();
    QVERIFY(sawDialog);
    QCOMPARE(item->GetPaths(), QStringList { path });
    QCOMPARE(item->GetPath(), path);
}

void OptionTreeItemsTest::displayTextFollowsTheFirstDisplayBit_data()
{
    QTest::addColumn<quint32>("options");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("expected");
    const QString existing = QStringLiteral("@/report.final.txt"); // @ stands for a temporary folder
    const QString missing = QStringLiteral("/no/such/dir/file.txt");
    QTest::newRow("full path") << FileOptionShowFullPath << missing << missing;
    QTest::newRow("full path wins over name") << (FileOptionShowFullPath | FileOptionShowName) << missing << missing;
    QTest::newRow("name of an existing file") << FileOptionShowName << existing << "report.final.txt";
    QTest::newRow("name of a missing file") << FileOptionShowName << missing << "No selection made.";
    QTest::newRow("title") << FileOptionShowTitle << existing << "report.final";
    QTest::newRow("extension without the dot") << FileOptionShowExtension << existing << "txt";
    QTest::newRow("directory") << FileOptionShowDirectory << missing << "/no/such/dir/";
    QTest::newRow("drive") << FileOptionShowDrive << "C:/fonts/a.afm"
                           << "C:";
    QTest::newRow("no display bit") << FileOptionOpenDialog << missing << "No selection made.";
}

void OptionTreeItemsTest::displayTextFollowsTheFirstDisplayBit()
{
    QFETCH(quint32, options);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QTemporaryDir dir;
    path.replace(QLatin1Char('@'), dir.path());
    QFile file(path);
    if (path.startsWith(dir.path())) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
    }
    QCOMPARE(FilePathDisplay::Text({ path }, options), expected);
}

void OptionTreeItemsTest::filtersBecomeQtNameFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("two entries") << "AFM Files (*.afm)|*.afm|All Files (*.*)|*.*|"
                                 << QStringList { "AFM Files (*.afm)", "All Files (*)" };
    QTest::newRow("several patterns") << "PFA/PFB Files (*.pfa;*.pfb)|*.pfa;*.pfb|"
                                      << QStringList { "PFA/PFB Files (*.pfa *.pfb)" };
    QTest::newRow("description without patterns") << "Fonts|*.ttf;*.ttc" << QStringList { "Fonts (*.ttf *.ttc)" };
    QTest::newRow("empty") << "" << QStringList {};
}

void OptionTreeItemsTest::filtersBecomeQtNameFilters()
{
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(COptionTreeFileDialog::NameFilters(filter), expected);
}

QTEST_MAIN(OptionTreeItemsTest)
#include "OptionTreeItemsTest.moc"
