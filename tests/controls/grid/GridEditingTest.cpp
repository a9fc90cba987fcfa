// In-place editing: how edits start, how they end, the vetoes and continuation cell by cell.
#include "GridFixture.h"

#include "grid/CGridCellNumeric.h"

#include "CGridInPlaceEdit.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

using namespace grid;

namespace {

CGridInPlaceEdit* editorOf(const CGridCtrl& grid)
{
    for (CGridInPlaceEdit* editor : grid.viewport()->findChildren<CGridInPlaceEdit*>()) {
        if (editor->isVisible()) {
            return editor;
        }
    }
    return nullptr;
}

CGridInPlaceEdit* editorOf(const GridFixture& f)
{
    return editorOf(*f.grid);
}

// The owner of a grid, holding a line edit and the grid, as the file list pane holds its grid among other
// controls; a window of its own, or inside one. Its destructor marks it gone; it records what reaches it after.
class OwnerPane : public QWidget, public controls::NotifyTarget
{
public:
    OwnerPane(bool* gone, QList<int>* lateCodes, QWidget* parent = nullptr)
        : QWidget(parent)
        , m_gone(gone)
        , m_lateCodes(lateCodes)
    {
        auto* layout = new QVBoxLayout(this);
        other = new QLineEdit;
        grid = new CGridCtrl(30, 3, 1, 0);
        layout->addWidget(other);
        layout->addWidget(grid);
        grid->SetNotifyTarget(this, 1021);
        resize(300, 300);
    }
    ~OwnerPane() override { *m_gone = true; }

    qintptr notify(controls::NotifyHeader& record) override
    {
        if (*m_gone) {
            m_lateCodes->append(record.code);
        }
        return 0;
    }

    // Shows the window and opens an editor on (2, 1) with a typed letter.
    bool startEditing()
    {
        window()->show();
        window()->activateWindow();
        if (!QTest::qWaitForWindowActive(window())) {
            return false;
        }
        grid->setFocus();
        grid->SetFocusCell(2, 1);
        QTest::keyClick(grid, Qt::Key_Q);
        return editorOf(*grid) && editorOf(*grid)->hasFocus();
    }

    QLineEdit* other;
    CGridCtrl* grid;

private:
    bool* m_gone;
    QList<int>* m_lateCodes;
};

// A file-list grid with the focus on (row, col).
void focusCell(GridFixture& f, int row, int col)
{
    f.makeFileList();
    f.click(row, col);
    QCOMPARE(f.grid->GetFocusCell(), (GridCellId{row, col}));
}

} // namespace

class GridEditingTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QApplication::processEvents(); }

    void editStartsFromTheFirstKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<bool>("selected");
        QTest::newRow("a letter replaces the text") << int(Qt::Key_Q) << "q" << "q" << 1 << false;
        QTest::newRow("backspace removes the last character") << int(Qt::Key_Backspace) << "" << "r2c" << 3 << false;
        QTest::newRow("F2 keeps the text, caret at the end") << int(Qt::Key_F2) << "" << "r2c4" << 4 << false;
        QTest::newRow("Enter keeps the text, caret at the end") << int(Qt::Key_Return) << "\r" << "r2c4" << 4 << false;
        QTest::newRow("space selects the whole text") << int(Qt::Key_Space) << " " << "r2c4" << 4 << true;
    }
    void editStartsFromTheFirstKey()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QFETCH(int, cursor);
        QFETCH(bool, selected);
        GridFixture f(4, 6);
        focusCell(f, 2, 4);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(f.grid.get(), &press);
        CGridInPlaceEdit* editor = editorOf(f);
        QVERIFY(editor);
        QCOMPARE(editor->text(), expected);
        QCOMPARE(editor->cursorPosition(), cursor);
        QCOMPARE(editor->hasSelectedText(), selected);
        QCOMPARE(editor->geometry(), f.grid->GetCellRect(2, 4));
        QCOMPARE(editor->GetId(), InPlaceControlId);
    }

    void clickOnTheFocusedCellsTextEditsWithTheTextKept()
    {
        GridFixture f(4, 6);
        focusCell(f, 2, 4);
        QVERIFY(!editorOf(f));
        f.click(2, 4);
        CGridInPlaceEdit* editor = editorOf(f);
        QVERIFY(editor);
        QCOMPARE(editor->text(), QStringLiteral("r2c4"));
        QCOMPARE(editor->cursorPosition(), 4);
        QVERIFY(!editor->hasSelectedText());
        // Opened by the mouse, the arrows move the caret instead of ending the edit.
        QTest::keyClick(editor, Qt::Key_Left);
        QCOMPARE(editorOf(f), editor);
        QCOMPARE(editor->cursorPosition(), 3);
    }

    void enterStoresTheTextAndTellsTheOwner()
    {
        GridFixture f(4, 6);
        focusCell(f, 2, 4);
        QTest::keyClick(f.grid.get(), Qt::Key_X);
        QTest::keyClicks(editorOf(f), QStringLiteral("yz"));
        QTest::keyClick(editorOf(f), Qt::Key_Return);
        QVERIFY(!editorOf(f));
        QCOMPARE(f.grid->GetItemText(2, 4), QStringLiteral("xyz"));
        QVERIFY(f.grid->GetCell(2, 4)->IsModified());
        QVERIFY(!f.grid->GetCell(2, 4)->IsEditing());
        const auto ends = f.target.ofCode(notify::LVN_ENDLABELEDITA);
        QCOMPARE(ends.size(), 1);
        QCOMPARE(ends.front().text, QStringLiteral("xyz"));
        QCOMPARE(ends.front().row, 2);
        QCOMPARE(ends.front().col, 4);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{2, 4}));
        QVERIFY(f.grid->hasFocus());
    }

    void escapeLeavesTheTextAndSendsNoChange()
    {
        GridFixture f(4, 6);
        focusCell(f, 2, 4);
        QTest::keyClick(f.grid.get(), Qt::Key_Escape);
        QVERIFY(!editorOf(f));
        QTest::keyClick(f.grid.get(), Qt::Key_X);
        QVERIFY(editorOf(f));
        QTest::keyClicks(editorOf(f), QStringLiteral("yz"));
        QTest::keyClick(editorOf(f), Qt::Key_Escape);
        QVERIFY(!editorOf(f));
        QCOMPARE(f.grid->GetItemText(2, 4), QStringLiteral("r2c4"));
        QVERIFY(!f.grid->GetCell(2, 4)->IsModified());
        QVERIFY(f.target.ofCode(notify::LVN_ENDLABELEDITA).isEmpty());
    }

    void ownerVetoesDecideWhetherTheTextIsKept_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("expected");
        QTest::newRow("owner agrees") << 0 << "new";
        QTest::newRow("owner answers -1") << -1 << "r2c4";
    }
    void ownerVetoesDecideWhetherTheTextIsKept()
    {
        QFETCH(int, answer);
        QFETCH(QString, expected);
        GridFixture f(4, 6);
        focusCell(f, 2, 4);
        f.target.answers[notify::LVN_ENDLABELEDITA] = answer;
        QTest::keyClick(f.grid.get(), Qt::Key_N);
        QTest::keyClicks(editorOf(f), QStringLiteral("ew"));
        QTest::keyClick(editorOf(f), Qt::Key_Return);
        QCOMPARE(f.grid->GetItemText(2, 4), expected);
        QCOMPARE(f.grid->GetCell(2, 4)->IsModified(), answer >= 0);
    }

    void ownerCanRefuseToLetEditingStart()
    {
        GridFixture f(4, 6);
        focusCell(f, 2, 4);
        f.target.answers[notify::LVN_BEGINLABELEDITA] = -1;
        QTest::keyClick(f.grid.get(), Qt::Key_N);
        QVERIFY(!editorOf(f));
        QCOMPARE(f.target.ofCode(notify::LVN_BEGINLABELEDITA).size(), 1);
        QCOMPARE(f.grid->GetItemText(2, 4), QStringLiteral("r2c4"));
    }

    void tabInTheLastColumnContinuesOnTheNextRow()
    {
        GridFixture f(4, 4, 1, 1);
        f.click(1, 3);
        QTest::keyClick(f.grid.get(), Qt::Key_A);
        QTest::keyClick(editorOf(f), Qt::Key_Tab);
        QCOMPARE(f.grid->GetItemText(1, 3), QStringLiteral("a"));
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{2, 1}));
        CGridInPlaceEdit* next = editorOf(f);
        QVERIFY(next);
        QCOMPARE(next->GetRow(), 2);
        QCOMPARE(next->GetColumn(), 1);
        // Continued by Tab, the text is selected whole.
        QVERIFY(next->hasSelectedText());
        QTest::keyClick(next, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{1, 3}));
        QVERIFY(editorOf(f));
        QTest::keyClick(editorOf(f), Qt::Key_Escape);
    }

    void arrowsEndAKeyStartedEditAndCarryOn()
    {
        GridFixture f(5, 3);
        f.click(1, 1);
        QTest::keyClick(f.grid.get(), Qt::Key_B);
        QTest::keyClick(editorOf(f), Qt::Key_Down);
        QCOMPARE(f.grid->GetItemText(1, 1), QStringLiteral("b"));
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{2, 1}));
        QVERIFY(editorOf(f));
        QCOMPARE(editorOf(f)->GetRow(), 2);
        QTest::keyClick(editorOf(f), Qt::Key_Return);
        QVERIFY(!editorOf(f));
    }

    void readOnlyCellsNeverOpenTheEditor()
    {
        GridFixture f(4, 6);
        focusCell(f, 2, 1);
        QTest::keyClick(f.grid.get(), Qt::Key_Q);
        QTest::keyClick(f.grid.get(), Qt::Key_F2);
        f.click(2, 1);
        QTest::mouseDClick(f.view(), Qt::LeftButton, {}, f.centre(2, 1));
        QVERIFY(!editorOf(f));
        QVERIFY(!f.grid->EditCell(2, 1, EditByMouse));
        QVERIFY(f.target.ofCode(notify::LVN_BEGINLABELEDITA).isEmpty());
        // A grid that is not editable refuses every cell.
        f.grid->SetEditable(false);
        QVERIFY(!f.grid->EditCell(2, 4, EditByMouse));
    }

    void numericCellsAcceptDigitsOnly()
    {
        GridFixture f(4, 3);
        f.grid->SetCellType<CGridCellNumeric>(2, 1);
        f.grid->SetItemText(2, 1, QStringLiteral("12"));
        f.click(2, 1);
        QTest::keyClick(f.grid.get(), Qt::Key_F2);
        QTest::keyClicks(editorOf(f), QStringLiteral("3x4"));
        QTest::keyClick(editorOf(f), Qt::Key_Return);
        QCOMPARE(f.grid->GetItemText(2, 1), QStringLiteral("1234"));
    }

    void editorWidensToItsTextWithinTheGrid()
    {
        GridFixture f(4, 3);
        f.click(1, 0);
        QTest::keyClick(f.grid.get(), Qt::Key_F2);
        CGridInPlaceEdit* editor = editorOf(f);
        const int start = editor->width();
        QTest::keyClicks(editor, QStringLiteral(" and a good deal more text"));
        QVERIFY(editor->width() > start);
        QTest::keyClicks(editor, QString(200, QLatin1Char('w')));
        QCOMPARE(editor->geometry().right(), f.view()->width() - 1);
    }

    void endingAnEditFromCodeKeepsTheFocusInTheGrid_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("wheel") << "wheel";
        QTest::newRow("DeleteRow") << "DeleteRow";
        QTest::newRow("SortItems") << "SortItems";
        QTest::newRow("SetRowCount") << "SetRowCount";
    }
    void endingAnEditFromCodeKeepsTheFocusInTheGrid()
    {
        QFETCH(QString, how);
        bool gone = false;
        QList<int> lateCodes;
        OwnerPane owner(&gone, &lateCodes);
        QVERIFY(owner.startEditing());
        CGridCtrl& grid = *owner.grid;
        if (how == "wheel") {
            const QPoint at = grid.GetCellRect(3, 1).center();
            QWheelEvent wheel(at, grid.viewport()->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(grid.viewport(), &wheel);
        } else if (how == "DeleteRow") {
            QVERIFY(grid.DeleteRow(5));
        } else if (how == "SortItems") {
            QVERIFY(grid.SortItems(0, false));
        } else {
            QVERIFY(grid.SetRowCount(20));
        }
        QVERIFY(!editorOf(grid));
        QVERIFY(grid.hasFocus());
        QVERIFY(!owner.other->hasFocus());
    }

    void aContextMenuOverTheEditorKeepsItOpen()
    {
        GridFixture f(4, 6);
        focusCell(f, 2, 4);
        QGuiApplication::clipboard()->setText(QStringLiteral("+pasted"));
        QTest::keyClick(f.grid.get(), Qt::Key_F2);
        const QPointer<CGridInPlaceEdit> editor = editorOf(f);
        QVERIFY(editor);
        // Through the window, so that the right button brings up the editor's own menu as for a user.
        QTest::mousePress(f.grid->windowHandle(), Qt::RightButton, {}, editor->mapTo(f.grid.get(), QPoint(5, 5)));
        QVERIFY(editor);
        QCOMPARE(editorOf(f), editor.data());
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            paste = action->text().contains(QStringLiteral("Paste")) ? action : paste;
        }
        QVERIFY(paste);
        paste->trigger();
        menu->close();
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(f.grid->GetItemText(2, 4), QStringLiteral("r2c4+pasted"));
    }

    void noNotificationReachesADestroyedOwner_data()
    {
        QTest::addColumn<bool>("ownWindow");
        QTest::newRow("owner is a window") << true;
        QTest::newRow("owner inside a window") << false;
    }
    void noNotificationReachesADestroyedOwner()
    {
        QFETCH(bool, ownWindow);
        bool gone = false;
        QList<int> lateCodes;
        QWidget window;
        auto* owner = new OwnerPane(&gone, &lateCodes, ownWindow ? nullptr : &window);
        if (!ownWindow) {
            (new QVBoxLayout(&window))->addWidget(owner);
        }
        QVERIFY(owner->startEditing());
        delete owner;
        QVERIFY(gone);
        QCOMPARE(lateCodes, QList<int>());
    }

    void clickingElsewhereEndsTheEdit()
    {
        GridFixture f(4, 3);
        f.click(1, 1);
        QTest::keyClick(f.grid.get(), Qt::Key_K);
        QVERIFY(editorOf(f));
        f.click(3, 2);
        QVERIFY(!editorOf(f));
        QCOMPARE(f.grid->GetItemText(1, 1), QStringLiteral("k"));
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{3, 2}));
    }
};

QTEST_MAIN(GridEditingTest)
#include "GridEditingTest.moc"
