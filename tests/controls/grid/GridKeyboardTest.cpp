// Moving the focus with the keyboard and the keys the grid leaves to others.
#include "GridFixture.h"
#include "GridGeometry.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace grid;

Q_DECLARE_METATYPE(grid::GridCellId)
Q_DECLARE_METATYPE(grid::GridCellRange)

class GridKeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void keysMoveTheFocus_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<GridCellId>("expected");
        // Start at (3, 2) in 8 rows x 5 columns, one fixed row and column; row 4 and column 3 are hidden.
        QTest::newRow("down skips the hidden row") << int(Qt::Key_Down) << 0 << GridCellId{5, 2};
        QTest::newRow("up") << int(Qt::Key_Up) << 0 << GridCellId{2, 2};
        QTest::newRow("right skips the hidden column") << int(Qt::Key_Right) << 0 << GridCellId{3, 4};
        QTest::newRow("left stops before the fixed column") << int(Qt::Key_Left) << 0 << GridCellId{3, 1};
        QTest::newRow("home") << int(Qt::Key_Home) << 0 << GridCellId{3, 1};
        QTest::newRow("end") << int(Qt::Key_End) << 0 << GridCellId{3, 4};
        QTest::newRow("ctrl+home") << int(Qt::Key_Home) << int(Qt::ControlModifier) << GridCellId{1, 1};
        QTest::newRow("ctrl+end") << int(Qt::Key_End) << int(Qt::ControlModifier) << GridCellId{7, 4};
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << GridCellId{3, 4};
        QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << GridCellId{3, 1};
    }
    void keysMoveTheFocus()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(GridCellId, expected);
        GridFixture f(8, 5, 1, 1);
        f.grid->SetRowHeight(4, 0);
        f.grid->SetColumnWidth(3, 0);
        f.click(3, 2);
        QTest::keyClick(f.grid.get(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(f.grid->GetFocusCell(), expected);
        QCOMPARE(f.grid->GetSelectedCellRange(),
                 (GridCellRange{expected.row, expected.col, expected.row, expected.col}));
    }

    void tabWrapsToTheNextRowAndLeavesAtTheLastCell()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* gridCtrl = new CGridCtrl(3, 3, 1, 0);
        auto* after = new QLineEdit;
        layout->addWidget(gridCtrl);
        layout->addWidget(after);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        gridCtrl->setFocus();
        gridCtrl->SetFocusCell(1, 2);
        QTest::keyClick(gridCtrl, Qt::Key_Tab);
        QCOMPARE(gridCtrl->GetFocusCell(), (GridCellId{2, 0}));
        gridCtrl->SetFocusCell(2, 2);
        QTest::keyClick(gridCtrl, Qt::Key_Tab);
        QCOMPARE(gridCtrl->GetFocusCell(), (GridCellId{2, 2}));
        QVERIFY(after->hasFocus());
    }

    void shiftExtendsTheSelectionFromTheAnchor()
    {
        GridFixture f(6, 4);
        f.click(1, 1);
        QTest::keyClick(f.grid.get(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f.grid.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{1, 1, 2, 2}));
        QTest::keyClick(f.grid.get(), Qt::Key_Down);
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{3, 2, 3, 2}));
    }

    void pageDownScrollsAPageAndMovesTheFocusWithIt()
    {
        GridFixture f(60, 2);
        f.click(1, 1);
        const int page = f.grid->Geometry().pageRows();
        QTest::keyClick(f.grid.get(), Qt::Key_PageDown);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{1 + page, 1}));
        QCOMPARE(f.grid->Geometry().topRow(), 1 + page);
        QVERIFY(f.grid->IsCellVisible(1 + page, 1));
        QTest::keyClick(f.grid.get(), Qt::Key_PageUp);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{1, 1}));
        QCOMPARE(f.grid->Geometry().topRow(), 1);
    }

    void movingTheFocusKeepsItVisibleAndNotifies()
    {
        GridFixture f(60, 2);
        f.click(1, 1);
        f.target.records.clear();
        QTest::keyClick(f.grid.get(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{59, 1}));
        QVERIFY(f.grid->IsCellVisible(59, 1));
        QCOMPARE(f.target.ofCode(notify::LVN_ITEMCHANGING).size(), 1);
        QCOMPARE(f.target.ofCode(notify::LVN_ITEMCHANGED).size(), 1);
        QCOMPARE(f.target.ofCode(notify::LVN_ITEMCHANGED).front().row, 59);
    }

    void ctrlASelectsEveryScrollingCellOrTheFocusRow_data()
    {
        QTest::addColumn<bool>("singleRowList");
        QTest::addColumn<GridCellRange>("expected");
        QTest::newRow("cells") << false << GridCellRange{1, 1, 4, 2};
        // Keys select exactly the focus row there, so a following Del removes the row the user sees focused.
        QTest::newRow("single-row list mode: the focus row") << true << GridCellRange{3, 1, 3, 2};
    }
    void ctrlASelectsEveryScrollingCellOrTheFocusRow()
    {
        QFETCH(bool, singleRowList);
        QFETCH(GridCellRange, expected);
        GridFixture f(5, 3, 1, 1);
        if (singleRowList) {
            f.makeFileList();
        }
        f.click(3, 1);
        f.grid->ResetSelectedRange();
        QTest::keyClick(f.grid.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f.grid->GetSelectedCellRange(), expected);
        QCOMPARE(f.grid->GetSelectedCount(), expected.RowSpan() * expected.ColSpan());
    }

    void withoutAFocusCellOnlyMovingKeysPickTheFirstCell()
    {
        GridFixture f(5, 3, 1, 1);
        QTest::keyClick(f.grid.get(), Qt::Key_Q);
        QCOMPARE(f.grid->GetFocusCell(), GridCellId{});
        QCOMPARE(f.grid->GetSelectedCount(), 0);
        QTest::keyClick(f.grid.get(), Qt::Key_Down);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{1, 1}));
    }

    void keysTheGridDoesNotUseAreLeftToItsParent()
    {
        GridFixture f(5, 3);
        f.click(1, 1);
        QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
        QApplication::sendEvent(f.grid.get(), &f5);
        QVERIFY(!f5.isAccepted());
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(f.grid.get(), &escape);
        QVERIFY(!escape.isAccepted());
    }
};

QTEST_MAIN(GridKeyboardTest)
#include "GridKeyboardTest.moc"
