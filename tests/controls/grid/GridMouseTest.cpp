// Clicks, selection by mouse, sizing, check cells and the click notifications.
#include "GridFixture.h"
#include "GridGeometry.h"

#include <QSignalSpy>
#include <QTest>

using namespace grid;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class GridMouseTest : public QObject
{
    Q_OBJECT

private slots:
    void singleRowListModeSelectsExactlyTheClickedRow_data()
    {
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("plain click") << Qt::KeyboardModifiers(Qt::NoModifier);
        QTest::newRow("shift click does not extend") << Qt::KeyboardModifiers(Qt::ShiftModifier);
        QTest::newRow("ctrl click does not add") << Qt::KeyboardModifiers(Qt::ControlModifier);
    }
    void singleRowListModeSelectsExactlyTheClickedRow()
    {
        QFETCH(Qt::KeyboardModifiers, modifiers);
        GridFixture f(6, 4);
        f.makeFileList();
        f.click(2, 1);
        f.click(4, 2, modifiers);
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{4, 0, 4, 3}));
        QCOMPARE(f.grid->GetSelectedCount(), 4);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{4, 2}));
    }

    void cellModeSelectsTheRectangleFromTheAnchor()
    {
        GridFixture f(6, 4);
        f.click(1, 1);
        f.click(3, 2, Qt::ShiftModifier);
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{1, 1, 3, 2}));
        QCOMPARE(f.grid->GetSelectedCount(), 6);
        f.click(5, 0, Qt::ControlModifier);
        QCOMPARE(f.grid->GetSelectedCount(), 7);
        f.click(5, 0, Qt::ControlModifier);
        QCOMPARE(f.grid->GetSelectedCount(), 6);
        f.click(2, 2);
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{2, 2, 2, 2}));
    }

    void multiRowListModeTogglesRowsWithCtrl()
    {
        GridFixture f(6, 3);
        f.grid->SetListMode(true);
        f.click(1, 1);
        f.click(3, 2, Qt::ControlModifier);
        QVERIFY(f.grid->IsCellSelected(1, 0));
        QVERIFY(f.grid->IsCellSelected(3, 0));
        QVERIFY(!f.grid->IsCellSelected(2, 0));
        f.click(1, 0, Qt::ControlModifier);
        QVERIFY(!f.grid->IsCellSelected(1, 2));
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{3, 0, 3, 2}));
    }

    void draggingExtendsTheSelection()
    {
        GridFixture f(6, 4);
        QTest::mousePress(f.view(), Qt::LeftButton, {}, f.centre(1, 0));
        QTest::mouseMove(f.view(), f.centre(2, 1));
        QTest::mouseMove(f.view(), f.centre(3, 2));
        QTest::mouseRelease(f.view(), Qt::LeftButton, {}, f.centre(3, 2));
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{1, 0, 3, 2}));
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{3, 2}));
    }

    void pressingAFixedCellClearsTheFocus()
    {
        GridFixture f(6, 4);
        f.click(2, 2);
        f.click(0, 1);
        QCOMPARE(f.grid->GetFocusCell(), GridCellId{});
        // Outside list mode a header click selects its column.
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{1, 1, 5, 1}));
    }

    void headerClickSortsWhenAllowed()
    {
        GridFixture f(4, 2);
        f.grid->SetItemText(1, 1, QStringLiteral("b"));
        f.grid->SetItemText(2, 1, QStringLiteral("c"));
        f.grid->SetItemText(3, 1, QStringLiteral("a"));
        f.click(0, 1);
        QCOMPARE(f.grid->GetItemText(1, 1), QStringLiteral("b"));
        f.grid->SetHeaderSort(true);
        f.click(0, 1);
        QCOMPARE(f.grid->GetItemText(1, 1), QStringLiteral("a"));
        QVERIFY(f.grid->GetSortAscending());
        f.click(0, 1);
        QCOMPARE(f.grid->GetItemText(1, 1), QStringLiteral("c"));
        QVERIFY(!f.grid->GetSortAscending());
    }

    void clickNotificationsComeInOrder()
    {
        GridFixture f(6, 4);
        QSignalSpy commands(f.grid.get(), &CGridCtrl::commandNotified);
        f.click(2, 3);
        QList<int> codes;
        for (const auto& record : f.target.records) {
            codes << record.code;
        }
        // Focus change (changing, changed), selection change begins, and on release ends, then the click.
        const QList<int> expected{notify::LVN_ITEMCHANGING, notify::LVN_ITEMCHANGED, notify::LVN_ITEMCHANGING,
                                  notify::LVN_ITEMCHANGED, notify::NM_CLICK};
        QCOMPARE(codes, expected);
        QCOMPARE(f.target.records.back().row, 2);
        QCOMPARE(f.target.records.back().col, 3);
        // The command is posted, not sent.
        QCOMPARE(commands.size(), 0);
        QVERIFY(commands.wait(1000));
        QCOMPARE(commands.front().at(0).toInt(), 1021);
        QCOMPARE(commands.front().at(1).toInt(), 0);
    }

    void rightClickReportsTheCellOrNone()
    {
        GridFixture f(3, 2);
        QTest::mouseClick(f.view(), Qt::RightButton, {}, f.centre(1, 1));
        QTest::mouseClick(f.view(), Qt::RightButton, {}, QPoint(380, 250));
        const auto clicks = f.target.ofCode(notify::NM_RCLICK);
        QCOMPARE(clicks.size(), 2);
        QCOMPARE(clicks[0].row, 1);
        QCOMPARE(clicks[0].col, 1);
        QCOMPARE(clicks[1].row, -1);
        QCOMPARE(clicks[1].col, -1);
    }

    void doubleClickNotifies()
    {
        GridFixture f(3, 2);
        f.grid->SetEditable(false);
        QTest::mouseDClick(f.view(), Qt::LeftButton, {}, f.centre(2, 1));
        const auto clicks = f.target.ofCode(notify::NM_DBLCLK);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0].row, 2);
    }

    void columnSizedByDragging_data()
    {
        QTest::addColumn<int>("dropX");
        QTest::addColumn<bool>("hidingAllowed");
        QTest::addColumn<int>("expected");
        QTest::newRow("wider") << 150 << false << 90;
        QTest::newRow("to zero stays one pixel") << 60 << false << 1;
        QTest::newRow("past the left edge stays one pixel") << 20 << false << 1;
        QTest::newRow("to zero hides when allowed") << 60 << true << 0;
    }
    void columnSizedByDragging()
    {
        QFETCH(int, dropX);
        QFETCH(bool, hidingAllowed);
        QFETCH(int, expected);
        GridFixture f(3, 4);
        f.grid->EnableHiddenColumnSizing(hidingAllowed);
        const int edge = f.grid->GetCellRect(0, 1).right() + 1; // 120: right edge of column 1
        QTest::mousePress(f.view(), Qt::LeftButton, {}, QPoint(edge - 1, 10));
        QTest::mouseMove(f.view(), QPoint(dropX, 10));
        QTest::mouseRelease(f.view(), Qt::LeftButton, {}, QPoint(dropX, 10));
        QCOMPARE(f.grid->GetColumnWidth(1), expected);
        QCOMPARE(f.grid->GetColumnWidth(0), 60);
    }

    void dividersOutsideTheHeaderOrSwitchedOffDoNotSize()
    {
        GridFixture f(3, 4);
        f.grid->SetRowResize(false);
        // A column edge below the header, and a row edge (no fixed column here).
        QTest::mousePress(f.view(), Qt::LeftButton, {}, QPoint(119, 30));
        QTest::mouseRelease(f.view(), Qt::LeftButton, {}, QPoint(150, 30));
        QCOMPARE(f.grid->GetColumnWidth(1), 60);
        f.grid->SetColumnResize(false);
        QTest::mousePress(f.view(), Qt::LeftButton, {}, QPoint(119, 10));
        QTest::mouseRelease(f.view(), Qt::LeftButton, {}, QPoint(150, 10));
        QCOMPARE(f.grid->GetColumnWidth(1), 60);
    }

    void rowSizedByDraggingInTheFixedColumn()
    {
        GridFixture f(4, 3, 1, 1);
        const int bottom = f.grid->GetCellRect(1, 0).bottom() + 1; // 40
        QTest::mousePress(f.view(), Qt::LeftButton, {}, QPoint(10, bottom));
        QTest::mouseMove(f.view(), QPoint(10, bottom + 15));
        QTest::mouseRelease(f.view(), Qt::LeftButton, {}, QPoint(10, bottom + 15));
        QCOMPARE(f.grid->GetRowHeight(1), 35);
    }

    void doubleClickOnADividerFitsTheColumn()
    {
        GridFixture f(3, 3);
        f.grid->SetItemText(2, 1, QStringLiteral("a considerably longer text than the column shows"));
        const int edge = f.grid->GetCellRect(0, 1).right() + 1;
        QTest::mouseDClick(f.view(), Qt::LeftButton, {}, QPoint(edge, 10));
        QCOMPARE(f.grid->GetColumnWidth(1), f.grid->GetCell(2, 1)->GetCellExtent().width());
        QVERIFY(f.grid->GetColumnWidth(1) > 150);
    }

    void checkCellTogglesOncePerClickInsideItsBox()
    {
        GridFixture f(4, 3);
        f.makeFileList();
        f.grid->SetColumnWidth(0, 120);
        f.grid->viewport()->repaint();
        CGridCellCheck* check = f.checkCell(2, 0);
        QVERIFY(check);
        const QRect cell = f.grid->GetCellRect(2, 0);
        const QRect box = check->GetCheckPlacement(cell);
        QVERIFY(cell.contains(box));
        QTest::mouseClick(f.view(), Qt::LeftButton, {}, box.center());
        QVERIFY(check->GetCheck());
        // A second click on the (now focused, read-only) cell toggles it back.
        QTest::mouseClick(f.view(), Qt::LeftButton, {}, box.center());
        QVERIFY(!check->GetCheck());
        // The text part of the cell leaves the flag alone.
        QTest::mouseClick(f.view(), Qt::LeftButton, {}, QPoint(cell.right() - 10, cell.center().y()));
        QVERIFY(!check->GetCheck());
        QVERIFY(!f.checkCell(1, 0)->GetCheck());
    }

    void draggingBelowTheGridScrollsAndExtends()
    {
        GridFixture f(60, 2);
        QTest::mousePress(f.view(), Qt::LeftButton, {}, f.centre(1, 0));
        QTest::mouseMove(f.view(), f.centre(3, 0));
        QTest::mouseMove(f.view(), QPoint(f.centre(3, 0).x(), f.view()->height() + 10));
        QTRY_VERIFY(f.grid->Geometry().topRow() > 3);
        QTest::mouseRelease(f.view(), Qt::LeftButton, {}, QPoint(f.centre(3, 0).x(), f.view()->height() + 10));
        const int top = f.grid->Geometry().topRow();
        QTest::qWait(60);
        QCOMPARE(f.grid->Geometry().topRow(), top);
        const GridCellRange range = f.grid->GetSelectedCellRange();
        QCOMPARE(range.minRow, 1);
        QCOMPARE(range.maxRow, f.grid->Geometry().lastVisibleRow());
        QCOMPARE(f.grid->GetFocusCell().row, range.maxRow);
    }

    void cellsHearTheMouseEnterAndLeave()
    {
        struct HoverCell : CGridCell
        {
            void OnMouseEnter() override { events << QStringLiteral("enter"); }
            void OnMouseLeave() override { events << QStringLiteral("leave"); }
            QStringList events;
        };
        GridFixture f(4, 3);
        f.grid->SetCellType<HoverCell>(2, 1);
        auto* cell = dynamic_cast<HoverCell*>(f.grid->GetCell(2, 1));
        QTest::mouseMove(f.view(), f.centre(1, 1));
        QTest::mouseMove(f.view(), f.centre(2, 1));
        QTest::mouseMove(f.view(), f.centre(2, 1) + QPoint(3, 0));
        QTest::mouseMove(f.view(), f.centre(3, 1));
        QCOMPARE(cell->events, (QStringList{"enter", "leave"}));
    }

    void wheelScrollsTheWheelLinesPerNotch()
    {
        GridFixture f(40, 2);
        const int lines = f.grid->GetWheelScrollLines();
        QVERIFY(lines > 0);
        QWheelEvent down(f.centre(2, 1), f.view()->mapToGlobal(f.centre(2, 1)), {}, {0, -120}, Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.view(), &down);
        QCOMPARE(f.grid->Geometry().topRow(), 1 + lines);
        QWheelEvent halfUp(f.centre(2, 1), f.view()->mapToGlobal(f.centre(2, 1)), {}, {0, 60}, Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.view(), &halfUp);
        QCOMPARE(f.grid->Geometry().topRow(), 1 + lines);
        QApplication::sendEvent(f.view(), &halfUp);
        QCOMPARE(f.grid->Geometry().topRow(), 1);
    }
};

QTEST_MAIN(GridMouseTest)
#include "GridMouseTest.moc"
