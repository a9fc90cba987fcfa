#include "GridGeometry.h"

#include <QTest>

using grid::GridCellId;
using grid::GridGeometry;

// Five rows of 20 (one fixed) and four columns of 50 (one fixed) in a 160x70 viewport.
static GridGeometry smallGrid()
{
    GridGeometry geometry;
    geometry.resizeRows(5, 20);
    geometry.resizeColumns(4, 50);
    geometry.setFixedRowCount(1);
    geometry.setFixedColumnCount(1);
    geometry.setViewportSize({160, 70});
    return geometry;
}

class GridGeometryTest : public QObject
{
    Q_OBJECT

private slots:
    void cellAtAndCellRectOnScreenAgreeWithCellRect_data()
    {
        QTest::addColumn<int>("vOffset");
        QTest::addColumn<int>("hOffset");
        QTest::newRow("unscrolled") << 0 << 0;
        QTest::newRow("scrolled one row and column") << 1 << 1;
        QTest::newRow("scrolled to the end") << 2 << 2;
    }
    void cellAtAndCellRectOnScreenAgreeWithCellRect()
    {
        QFETCH(int, vOffset);
        QFETCH(int, hOffset);
        GridGeometry geometry = smallGrid();
        geometry.setOffsets(vOffset, hOffset);
        for (int row = 0; row < geometry.rowCount(); ++row) {
            for (int col = 0; col < geometry.columnCount(); ++col) {
                const QRect rect = geometry.cellRect(row, col);
                const QRect viewport(QPoint(0, 0), geometry.viewportSize());
                const bool scrolledAway = (row >= 1 && row < geometry.topRow()) || (col >= 1 && col < geometry.leftColumn());
                QCOMPARE(geometry.cellRectOnScreen(row, col), !scrolledAway && viewport.intersects(rect) ? rect : QRect());
                const bool onScreen = viewport.contains(rect.center());
                // Scrolled-away cells lie under the fixed ones and are not hit there.
                const bool hidden = (row >= 1 && rect.top() < 20) || (col >= 1 && rect.left() < 50);
                if (onScreen && !hidden) {
                    QCOMPARE(geometry.cellAt(rect.center()), (GridCellId{row, col}));
                    QCOMPARE(geometry.cellAt(rect.topLeft()), (GridCellId{row, col}));
                    QCOMPARE(geometry.cellAt(rect.bottomRight()), (GridCellId{row, col}));
                }
            }
        }
    }

    void fixedCellsStayWhileScrollingCellsMove()
    {
        GridGeometry geometry = smallGrid();
        geometry.setOffsets(1, 1);
        QCOMPARE(geometry.cellRect(0, 0), QRect(0, 0, 50, 20));
        QCOMPARE(geometry.cellRect(0, 2), QRect(50, 0, 50, 20));
        QCOMPARE(geometry.cellRect(2, 0), QRect(0, 20, 50, 20));
        QCOMPARE(geometry.cellRect(1, 1).bottomRight(), QPoint(49, 19));
    }

    void pointsOutsideEveryCellHitNothing()
    {
        GridGeometry geometry = smallGrid();
        geometry.resizeRows(2, 20);
        QCOMPARE(geometry.cellAt({10, 45}), GridCellId{});
        QCOMPARE(geometry.cellAt({-1, 5}), GridCellId{});
        QCOMPARE(geometry.cellAt({300, 5}), GridCellId{});
    }

    void hiddenRowsAndColumnsTakeNoRoom()
    {
        GridGeometry geometry = smallGrid();
        geometry.setColumnWidth(1, 0);
        QCOMPARE(geometry.cellAt({55, 25}), (GridCellId{1, 2}));
        QCOMPARE(geometry.cellRect(1, 2).left(), 50);
    }

    void offsetsStopWhenTheLastRowsFill()
    {
        GridGeometry geometry = smallGrid();
        // 50 pixels below the header hold two whole rows and part of a third.
        QCOMPARE(geometry.maxVerticalOffset(), 2);
        QCOMPARE(geometry.pageRows(), 2);
        geometry.setOffsets(9, 0);
        QCOMPARE(geometry.verticalOffset(), 2);
        geometry.setViewportSize({500, 500});
        QCOMPARE(geometry.verticalOffset(), 0);
        QCOMPARE(geometry.maxHorizontalOffset(), 0);
    }

    void offsetsToShowMoveAsLittleAsNeeded_data()
    {
        QTest::addColumn<int>("startOffset");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("expected");
        QTest::newRow("already visible") << 0 << 2 << 0;
        QTest::newRow("below: last row at the bottom") << 0 << 4 << 2;
        QTest::newRow("partly shown row counts as below") << 0 << 3 << 1;
        QTest::newRow("above: row becomes the top") << 2 << 1 << 0;
        QTest::newRow("fixed row needs no scrolling") << 2 << 0 << 2;
    }
    void offsetsToShowMoveAsLittleAsNeeded()
    {
        QFETCH(int, startOffset);
        QFETCH(int, row);
        QFETCH(int, expected);
        GridGeometry geometry = smallGrid();
        geometry.setOffsets(startOffset, 0);
        QCOMPARE(geometry.offsetsToShow(row, 1).y(), expected);
    }

    void dividersAreFoundWithinTheZone_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("expected");
        QTest::newRow("on the first edge") << 50 << 0;
        QTest::newRow("3 pixels left") << 47 << 0;
        QTest::newRow("3 pixels right") << 103 << 1;
        QTest::newRow("4 pixels away") << 96 << -1;
        QTest::newRow("middle of a column") << 75 << -1;
    }
    void dividersAreFoundWithinTheZone()
    {
        QFETCH(int, x);
        QFETCH(int, expected);
        QCOMPARE(smallGrid().columnDividerAt(x, 3), expected);
    }

    void removingAFixedRowShrinksTheFixedCount()
    {
        GridGeometry geometry = smallGrid();
        geometry.removeRows(grid::GridRowRemoval(5, {0}));
        QCOMPARE(geometry.fixedRowCount(), 0);
        QCOMPARE(geometry.rowCount(), 4);
        geometry.resizeColumns(0, 50);
        QCOMPARE(geometry.fixedColumnCount(), 0);
    }
};

QTEST_MAIN(GridGeometryTest)
#include "GridGeometryTest.moc"
