#pragma once

#include "GridRowRemoval.h"
#include "grid/GridTypes.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace grid {

// Sizes and scroll position of a grid, and the arithmetic on them that painting,
// hit-testing and scrolling share. Rows and columns are scrolled whole: the
// vertical offset counts scrolling rows above the first one shown, the
// horizontal offset scrolling columns left of the first one shown. Fixed rows
// and columns never scroll. Coordinates are viewport pixels.
class GridGeometry
{
public:
    int rowCount() const { return int(m_rowHeights.size()); }
    int columnCount() const { return int(m_columnWidths.size()); }
    int fixedRowCount() const { return m_fixedRows; }
    int fixedColumnCount() const { return m_fixedColumns; }
    // Clamped to the row/column count.
    void setFixedRowCount(int count);
    void setFixedColumnCount(int count);

    int rowHeight(int row) const;
    int columnWidth(int col) const;
    void setRowHeight(int row, int height);
    void setColumnWidth(int col, int width);
    const QList<int>& rowHeights() const { return m_rowHeights; }
    void setRowHeights(const QList<int>& heights);

    // Grow or shrink to count entries; new entries get the given size.
    void resizeRows(int count, int height);
    void resizeColumns(int count, int width);
    void insertRow(int at, int height);
    void insertColumn(int at, int width);
    void removeRows(const GridRowRemoval& removal);
    void removeColumn(int col);

    void setViewportSize(QSize size);
    QSize viewportSize() const { return m_viewport; }

    int verticalOffset() const { return m_vOffset; }
    int horizontalOffset() const { return m_hOffset; }
    // Sets the offsets, clamped to what the sizes allow.
    void setOffsets(int vertical, int horizontal);
    int maxVerticalOffset() const;
    int maxHorizontalOffset() const;
    // Scrolling rows (columns) that fit whole from the first one shown; at least 1.
    int pageRows() const;
    int pageColumns() const;
    // First scrolling row and column on screen.
    int topRow() const { return m_fixedRows + m_vOffset; }
    int leftColumn() const { return m_fixedColumns + m_hOffset; }

    int fixedRowsHeight() const;
    int fixedColumnsWidth() const;
    int totalHeight() const;
    int totalWidth() const;

    int rowTop(int row) const;
    int columnLeft(int col) const;
    // The cell's rectangle (also for cells scrolled out of sight); empty for invalid indices.
    QRect cellRect(int row, int col) const;
    // The cell's rectangle when some of it lies in the viewport, else an empty one. Unlike cellRect its cost
    // does not grow with the cell's distance from the rows and columns shown.
    QRect cellRectOnScreen(int row, int col) const;
    // The cell under a point, or (-1, -1) outside every cell.
    GridCellId cellAt(QPoint point) const;
    // The last scrolling row (column) with at least one pixel on screen;
    // one before the first scrolling one when none shows.
    int lastVisibleRow() const;
    int lastVisibleColumn() const;
    // The scrolling rows and columns with at least one pixel on screen.
    GridCellRange visibleScrollingRange() const;
    // The column whose right edge (the row whose bottom edge) lies within zone pixels; -1 when none.
    int columnDividerAt(int x, int zone) const;
    int rowDividerAt(int y, int zone) const;
    // Offsets that bring the cell wholly into view while moving as little as possible.
    QPoint offsetsToShow(int row, int col) const;

private:
    static int firstOffsetShowing(const QList<int>& sizes, int fixed, int offset, int index, int room);
    static int maxOffset(const QList<int>& sizes, int fixed, int room);
    static int wholeFrom(const QList<int>& sizes, int first, int room);
    static int indexAt(const QList<int>& sizes, int fixed, int first, int pos);
    static int start(const QList<int>& sizes, int fixed, int first, int index);
    // start() for an index that begins inside extent, else -1.
    static int startOnScreen(const QList<int>& sizes, int fixed, int first, int index, int extent);
    static int dividerAt(const QList<int>& sizes, int fixed, int first, int pos, int extent, int zone);
    static int lastShown(const QList<int>& sizes, int first, int room);
    static int sum(const QList<int>& sizes, int from, int to);

    QList<int> m_rowHeights;
    QList<int> m_columnWidths;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    int m_vOffset = 0;
    int m_hOffset = 0;
    QSize m_viewport;
};

} // namespace grid
