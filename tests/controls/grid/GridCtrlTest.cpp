// The grid's table model: sizes, cells, states, selection bookkeeping, sorting and virtual mode.
#include "GridFixture.h"

#include "grid/CGridCellNumeric.h"

#include "GridGeometry.h"
#include "GridSelection.h"

#include <QTest>

using namespace grid;

Q_DECLARE_METATYPE(grid::GridCellRange)

class GridCtrlTest : public QObject
{
    Q_OBJECT

private slots:
    void deletingTheOnlyScrollingRowClearsFocusAndSelection()
    {
        GridFixture f(2, 3);
        f.makeFileList();
        f.click(1, 1);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{1, 1}));
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{1, 0, 1, 2}));
        QVERIFY(f.grid->DeleteRow(1));
        QCOMPARE(f.grid->GetFocusCell(), GridCellId{});
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{-1, -1, -1, -1}));
        QCOMPARE(f.grid->GetRowCount(), 1);
    }

    void deleteRowsTakesManyRowsInOnePass()
    {
        GridFixture f(8, 3);
        f.grid->SetListMode(true);
        f.grid->SetRowHeight(6, 33);
        QTest::keyClick(f.grid.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f.grid->GetSelectedCount(), 21);
        f.click(4, 1, Qt::ControlModifier); // row 4 leaves the selection and takes the focus
        QCOMPARE(f.grid->GetSelectedCount(), 18);
        QVERIFY(!f.grid->GetCell(4, 2)->IsSelected());
        QVERIFY(f.grid->GetCell(5, 2)->IsSelected());
        QVERIFY(!f.grid->DeleteRows({2, 8}));
        QCOMPARE(f.grid->GetRowCount(), 8);
        QVERIFY(f.grid->DeleteRows({5, 1, 3, 3}));
        QStringList texts;
        for (int row = 0; row < f.grid->GetRowCount(); ++row) {
            texts << f.grid->GetItemText(row, 0);
        }
        QCOMPARE(texts, (QStringList{"r0c0", "r2c0", "r4c0", "r6c0", "r7c0"}));
        QCOMPARE(f.grid->GetRowHeight(3), 33);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{2, 1}));
        QCOMPARE(f.grid->GetSelectedCount(), 9);
        QVERIFY(f.grid->IsCellSelected(1, 0));
        QVERIFY(!f.grid->IsCellSelected(2, 0));
        QVERIFY(f.grid->IsCellSelected(4, 2));
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{1, 0, 4, 2}));
    }

    void wholeRowsInTheSelectionBehaveAsTheirCells()
    {
        GridSelection selection;
        selection.addRows(2, 4, 1, 3);
        selection.add(3, 0);
        selection.add(3, 2); // already held
        QCOMPARE(selection.size(), 10);
        QVERIFY(selection.contains(4, 3));
        QVERIFY(!selection.contains(5, 1));
        QVERIFY(!selection.contains(2, 0));
        selection.remove(3, 2);
        QVERIFY(!selection.contains(3, 2));
        QVERIFY(selection.contains(3, 3));
        QCOMPARE(selection.size(), 9);
        // A column inside the rows' span is selected in none of them.
        selection.insertColumn(2);
        QVERIFY(!selection.contains(2, 2));
        QVERIFY(selection.contains(2, 4));
        QVERIFY(!selection.contains(3, 3));
        QCOMPARE(selection.size(), 9);
        selection.addRows(6, 6, 0, 4);
        selection.removeColumn(0);
        QCOMPARE(selection.size(), 12);
        QCOMPARE(selection.boundingRange(), (GridCellRange{2, 0, 6, 3}));
        selection.removeRows(GridRowRemoval(7, {2, 5}));
        QCOMPARE(selection.size(), 9);
        QVERIFY(selection.contains(4, 3));
        QVERIFY(selection.contains(2, 3));
        QVERIFY(!selection.contains(2, 1));
        selection.truncate(5, 3);
        QCOMPARE(selection.size(), 6);
        QCOMPARE(selection.boundingRange(), (GridCellRange{2, 0, 4, 2}));
        GridSelection whole;
        whole.addRows(0, 2, 0, 2);
        QList<GridCellId> notHeld;
        whole.forEachNotIn(selection, [&notHeld](GridCellId id) { notHeld << id; });
        QCOMPARE(notHeld.size(), 8);
        QVERIFY(!notHeld.contains(GridCellId{2, 0}));
    }

    void deletingAFixedRowShrinksTheFixedCount()
    {
        GridFixture f(4, 2, 2);
        QVERIFY(f.grid->DeleteRow(0));
        QCOMPARE(f.grid->GetFixedRowCount(), 1);
        QVERIFY(f.grid->GetCell(0, 0)->IsFixedRow());
        QVERIFY(!f.grid->GetCell(1, 0)->IsFixedRow());
    }

    void setItemStateKeepsTheSelectedCellsInStep()
    {
        GridFixture f(5, 4);
        QVERIFY(f.grid->SetItemState(2, 1, GVIS_SELECTED));
        QVERIFY(f.grid->SetItemState(3, 2, GVIS_SELECTED | GVIS_READONLY));
        QVERIFY(f.grid->IsCellSelected(2, 1));
        QVERIFY(f.grid->GetCell(3, 2)->IsSelected());
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{2, 1, 3, 2}));
        QVERIFY(f.grid->SetItemState(2, 1, 0));
        QCOMPARE(f.grid->GetSelectedCellRange(), (GridCellRange{3, 2, 3, 2}));
        QVERIFY(f.grid->SetItemState(3, 2, GVIS_READONLY));
        QCOMPARE(f.grid->GetSelectedCellRange(), GridCellRange{});
        QCOMPARE(f.grid->GetSelectedCount(), 0);
    }

    void invalidIndicesAreRefusedWithoutEffect_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("negative row") << -1 << 0;
        QTest::newRow("row past the end") << 6 << 0;
        QTest::newRow("column past the end") << 0 << 4;
    }
    void invalidIndicesAreRefusedWithoutEffect()
    {
        QFETCH(int, row);
        QFETCH(int, col);
        GridFixture f;
        QVERIFY(!f.grid->SetItemText(row, col, QStringLiteral("x")));
        QVERIFY(!f.grid->SetItemState(row, col, GVIS_SELECTED));
        QVERIFY(!f.grid->SetCellType<CGridCellCheck>(row, col));
        QVERIFY(f.grid->GetCell(row, col) == nullptr);
        QCOMPARE(f.grid->GetSelectedCount(), 0);
        QVERIFY(!f.grid->SetColumnWidth(col < 0 ? col : 9, 10));
        QVERIFY(!f.grid->SetRowHeight(1, -1));
        QCOMPARE(f.grid->GetRowHeight(1), 20);
    }

    void cellsHaveTheFixedBitsOfTheirPlaceWhateverStateIsSet()
    {
        GridFixture f(3, 3, 1, 1);
        QVERIFY(f.grid->SetRowCount(4));
        QVERIFY(f.grid->SetColumnCount(4));
        QCOMPARE(f.grid->GetItemState(0, 3), quint32(GVIS_FIXED | GVIS_FIXEDROW));
        QCOMPARE(f.grid->GetItemState(3, 0), quint32(GVIS_FIXED | GVIS_FIXEDCOL));
        QCOMPARE(f.grid->GetItemState(3, 3), quint32(0));
        QCOMPARE(f.grid->GetRowHeight(3), f.grid->GetDefaultCell(false, false)->GetHeight());
        QVERIFY(f.grid->SetItemState(0, 0, GVIS_READONLY));
        QCOMPARE(f.grid->GetItemState(0, 0), quint32(GVIS_READONLY | GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL));
        QVERIFY(f.grid->SetItemState(2, 2, GVIS_FIXED | GVIS_FIXEDROW));
        QCOMPARE(f.grid->GetItemState(2, 2), quint32(0));
        // The corner keeps the fixed cells' colour, not the white of the scrolling cells.
        const QImage image = f.view()->grab().toImage();
        const QPoint insideTheEdge = f.grid->GetCellRect(0, 0).topLeft() + QPoint(2, 2);
        QCOMPARE(image.pixel(insideTheEdge), f.grid->GetDefaultCell(true, true)->GetBackClr().rgb());
    }

    void fixingCellsTakesThemOutOfFocusAndSelection()
    {
        GridFixture f(5, 3);
        f.click(2, 1);
        f.grid->SetItemBkColour(2, 1, Qt::red);
        QVERIFY(f.grid->SetFixedRowCount(3));
        QCOMPARE(f.grid->GetFocusCell(), GridCellId{});
        QCOMPARE(f.grid->GetSelectedCount(), 0);
        QVERIFY(f.grid->GetCell(2, 1)->IsFixedRow());
        // Its own colour gives way to the fixed cells' default.
        QCOMPARE(f.grid->GetItemBkColour(2, 1), f.grid->GetDefaultCell(true, false)->GetBackClr());
        QVERIFY(f.grid->SetFixedRowCount(1));
        QVERIFY(!f.grid->GetCell(2, 1)->IsFixed());
    }

    void defaultCellsAreChosenByPosition()
    {
        GridFixture f(3, 3, 1, 1);
        QCOMPARE(f.grid->GetCell(0, 0)->GetDefaultCell(), f.grid->GetDefaultCell(true, true));
        QCOMPARE(f.grid->GetCell(0, 1)->GetDefaultCell(), f.grid->GetDefaultCell(true, false));
        QCOMPARE(f.grid->GetCell(1, 0)->GetDefaultCell(), f.grid->GetDefaultCell(false, true));
        QCOMPARE(f.grid->GetCell(1, 1)->GetDefaultCell(), f.grid->GetDefaultCell(false, false));
        const CGridDefaultCell* defaults = f.grid->GetDefaultCell(false, false);
        QCOMPARE(defaults->GetFormat(), quint32(0x8824));
        QVERIFY(defaults->IsReadOnly());
        QCOMPARE(f.grid->GetItemFormat(1, 1), quint32(0x8824));
    }

    void setCellTypeKeepsTheCellsProperties()
    {
        GridFixture f;
        f.grid->SetItemFgColour(2, 1, Qt::blue);
        f.grid->SetItemState(2, 1, GVIS_READONLY | GVIS_SELECTED);
        QVERIFY(f.grid->SetCellType<CGridCellNumeric>(2, 1));
        CGridCellBase* cell = f.grid->GetCell(2, 1);
        QVERIFY(dynamic_cast<CGridCellNumeric*>(cell));
        QCOMPARE(cell->GetText(), QStringLiteral("r2c1"));
        QCOMPARE(cell->GetTextClr(), QColor(Qt::blue));
        QVERIFY(cell->IsReadOnly());
        QVERIFY(f.grid->IsCellSelected(2, 1));
        QVERIFY(!f.grid->SetCellType(2, 1, CGridCtrl::CellFactory()));
    }

    void setItemAppliesOnlyTheMaskedFields()
    {
        GridFixture f;
        GridItem item;
        item.row = 2;
        item.col = 1;
        item.mask = GVIF_TEXT | GVIF_FORMAT;
        item.strText = QStringLiteral("new");
        item.nFormat = DT_RIGHT;
        item.crBkClr = Qt::green;
        QVERIFY(f.grid->SetItem(item));
        QCOMPARE(f.grid->GetItemText(2, 1), QStringLiteral("new"));
        QCOMPARE(f.grid->GetItemFormat(2, 1), quint32(DT_RIGHT));
        QCOMPARE(f.grid->GetItemBkColour(2, 1), f.grid->GetDefaultCell(false, false)->GetBackClr());
    }

    void insertingARowMovesFocusAndSelectionWithTheirCells()
    {
        GridFixture f(4, 3);
        f.click(2, 1);
        QCOMPARE(f.grid->InsertRow(QStringLiteral("head"), 1), 1);
        QCOMPARE(f.grid->GetItemText(1, 0), QStringLiteral("head"));
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{3, 1}));
        QVERIFY(f.grid->IsCellSelected(3, 1));
        QVERIFY(!f.grid->IsCellSelected(2, 1));
        QCOMPARE(f.grid->InsertColumn(QStringLiteral("Extra")), 3);
        QCOMPARE(f.grid->GetItemText(0, 3), QStringLiteral("Extra"));
        QCOMPARE(f.grid->InsertRow(QString(), 9), -1);
    }

    void deleteAllItemsEmptiesTheGrid()
    {
        GridFixture f;
        f.click(2, 2);
        QVERIFY(f.grid->DeleteAllItems());
        QCOMPARE(f.grid->GetRowCount(), 0);
        QCOMPARE(f.grid->GetColumnCount(), 0);
        QCOMPARE(f.grid->GetFixedRowCount(), 0);
        QCOMPARE(f.grid->GetFocusCell(), GridCellId{});
        QCOMPARE(f.grid->GetSelectedCellRange(), GridCellRange{});
    }

    void columnCountIsLimitedByTheSelectionKey()
    {
        CGridCtrl grid;
        QVERIFY(!grid.SetColumnCount(GridSelection::MaxColumns + 1));
        QCOMPARE(grid.GetColumnCount(), 0);
    }

    void sortingOrdersScrollingRowsAndCarriesTheirState_data()
    {
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("expected");
        // Text comparison is by character code: capitals come first.
        QTest::newRow("ascending") << true << QStringList{"Pear", "apple", "plum", "plum"};
        QTest::newRow("descending") << false << QStringList{"plum", "plum", "apple", "Pear"};
    }
    void sortingOrdersScrollingRowsAndCarriesTheirState()
    {
        QFETCH(bool, ascending);
        QFETCH(QStringList, expected);
        GridFixture f(5, 2);
        const QStringList texts{"plum", "apple", "Pear", "plum"};
        for (int i = 0; i < texts.size(); ++i) {
            f.grid->SetItemText(i + 1, 0, texts[i]);
            f.grid->SetItemText(i + 1, 1, QString::number(i + 1));
            f.grid->SetRowHeight(i + 1, 20 + i);
        }
        f.grid->SetItemText(0, 0, QStringLiteral("zzz header"));
        f.click(2, 1); // the "apple" row
        QVERIFY(f.grid->SortItems(0, ascending));
        QStringList sorted;
        for (int row = 1; row < 5; ++row) {
            sorted << f.grid->GetItemText(row, 0);
        }
        QCOMPARE(sorted, expected);
        QCOMPARE(f.grid->GetItemText(0, 0), QStringLiteral("zzz header"));
        const int appleRow = int(expected.indexOf("apple")) + 1;
        QCOMPARE(f.grid->GetItemText(appleRow, 1), QStringLiteral("2"));
        QCOMPARE(f.grid->GetRowHeight(appleRow), 21);
        QCOMPARE(f.grid->GetFocusCell(), (GridCellId{appleRow, 1}));
        QVERIFY(f.grid->IsCellSelected(appleRow, 1));
        QCOMPARE(f.grid->GetSelectedCount(), 1);
        // Equal keys keep their order: the first "plum" (value 1) stays ahead of the second.
        const int firstPlum = int(expected.indexOf("plum")) + 1;
        QCOMPARE(f.grid->GetItemText(firstPlum, 1), QStringLiteral("1"));
        QCOMPARE(f.grid->GetSortColumn(), 0);
    }

    void sortingUsesTheGivenComparison()
    {
        GridFixture f(4, 1);
        const QStringList numbers{"10", "9", "100"};
        for (int i = 0; i < numbers.size(); ++i) {
            f.grid->SetItemText(i + 1, 0, numbers[i]);
        }
        auto numerically = [](const CGridCellBase& a, const CGridCellBase& b) {
            return a.GetText().toInt() - b.GetText().toInt();
        };
        QVERIFY(f.grid->SortItems(0, true, numerically));
        QCOMPARE(f.grid->GetItemText(1, 0), QStringLiteral("9"));
        QCOMPARE(f.grid->GetItemText(3, 0), QStringLiteral("100"));
        QVERIFY(!f.grid->SortItems(5, true));
    }

    void virtualModeAsksTheOwnerForEveryCell()
    {
        GridFixture f(50, 3);
        f.target.cellText = [](int row, int col) { return QStringLiteral("v%1.%2").arg(row).arg(col); };
        f.grid->SetVirtualMode(true);
        QCOMPARE(f.grid->GetItemText(7, 2), QStringLiteral("v7.2"));
        const auto requests = f.target.ofCode(notify::LVN_GETDISPINFOA);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests.front().row, 7);
        QCOMPARE(requests.front().col, 2);
        // Cells are not stored: setting them is refused, the next access overwrites the shared cell.
        QVERIFY(!f.grid->SetItemText(7, 2, QStringLiteral("x")));
        QVERIFY(!f.grid->SetCellType<CGridCellCheck>(7, 2));
        CGridCellBase* first = f.grid->GetCell(1, 1);
        CGridCellBase* second = f.grid->GetCell(0, 1);
        QCOMPARE(first, second);
        QVERIFY(second->IsFixedRow());
        QCOMPARE(second->GetText(), QStringLiteral("v0.1"));
        // Selection lives in the selected-cells set alone.
        QVERIFY(f.grid->SetItemState(3, 1, GVIS_SELECTED));
        QVERIFY(f.grid->GetCell(3, 1)->IsSelected());
    }

    void virtualModeUsesTheCallbackInsteadOfTheOwner()
    {
        GridFixture f(5, 2);
        f.grid->SetVirtualMode(true);
        f.grid->SetCallbackFunc([](GV_DISPINFO& info) {
            info.item.strText = QStringLiteral("cb%1").arg(info.item.row);
            return true;
        });
        f.target.records.clear();
        QCOMPARE(f.grid->GetItemText(4, 0), QStringLiteral("cb4"));
        QVERIFY(f.target.ofCode(notify::LVN_GETDISPINFOA).isEmpty());
    }

    void paintingInVirtualModeFramesItWithCacheHints()
    {
        GridFixture f(50, 3);
        f.target.cellText = [](int row, int col) { return QStringLiteral("%1,%2").arg(row).arg(col); };
        f.grid->SetVirtualMode(true);
        f.target.hints.clear();
        f.target.records.clear();
        f.grid->viewport()->repaint();
        QCOMPARE(f.target.hints.size(), 2);
        const GridCellRange visible = f.target.hints.front();
        QCOMPARE(visible.minRow, 1);
        QCOMPARE(visible.minCol, 0);
        QCOMPARE(visible.maxCol, 2);
        QCOMPARE(visible.maxRow, f.grid->Geometry().lastVisibleRow());
        QVERIFY(visible.maxRow < 49);
        QCOMPARE(f.target.hints.back(), GridCellRange{});
        // The hint comes first, the display requests of the painted cells between the two hints.
        QCOMPARE(f.target.records.front().code, notify::LVN_ODCACHEHINT);
        QCOMPARE(f.target.records.back().code, notify::LVN_ODCACHEHINT);
        const auto requests = f.target.ofCode(notify::LVN_GETDISPINFOA);
        QVERIFY(!requests.isEmpty());
        for (const auto& request : requests) {
            QVERIFY(request.row <= visible.maxRow);
        }
    }
};

QTEST_MAIN(GridCtrlTest)
#include "GridCtrlTest.moc"
