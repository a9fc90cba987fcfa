#include "GridGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace grid {

// The helpers work on one axis: sizes of all rows (or columns), the fixed count,
// and the first scrolling index on screen.

int GridGeometry::sum(const QList<int>& sizes, int from, int to)
{
    int total = 0;
    for (int i = std::max(from, 0); i < std::min(to, int(sizes.size())); ++i) {
        total += sizes[i];
    }
    return total;
}

int GridGeometry::start(const QList<int>& sizes, int fixed, int first, int index)
{
    if (index < fixed) {
        return sum(sizes, 0, index);
    }
    const int fixedExtent = sum(sizes, 0, fixed);
    return index >= first ? fixedExtent + sum(sizes, first, index) : fixedExtent - sum(sizes, index, first);
}

int GridGeometry::startOnScreen(const QList<int>& sizes, int fixed, int first, int index, int extent)
{
    if (index >= fixed && index < first) {
        return -1;
    }
    int pos = sum(sizes, 0, std::min(index, fixed));
    for (int i = first; i < index && pos < extent; ++i) {
        pos += sizes[i];
    }
    return pos < extent ? pos : -1;
}

int GridGeometry::indexAt(const QList<int>& sizes, int fixed, int first, int pos)
{
    if (pos < 0) {
        return -1;
    }
    int edge = 0;
    for (int i = 0; i < fixed; ++i) {
        edge += sizes[i];
        if (pos < edge) {
            return i;
        }
    }
    for (int i = first; i < int(sizes.size()); ++i) {
        edge += sizes[i];
        if (pos < edge) {
            return i;
        }
    }
    return -1;
}

int GridGeometry::dividerAt(const QList<int>& sizes, int fixed, int first, int pos, int extent, int zone)
{
    int edge = 0;
    // Hidden entries share their neighbour's edge; the visible one owns it.
    auto near = [&](int i) {
        edge += sizes[i];
        return sizes[i] > 0 && std::abs(pos - edge) <= zone;
    };
    int found = -1;
    for (int i = 0; i < fixed; ++i) {
        if (near(i)) {
            found = i;
        }
    }
    for (int i = first; i < int(sizes.size()) && edge - zone <= extent; ++i) {
        if (near(i)) {
            found = i;
        }
    }
    return found;
}

int GridGeometry::wholeFrom(const QList<int>& sizes, int first, int room)
{
    int count = 0;
    int used = 0;
    for (int i = first; i < int(sizes.size()); ++i) {
        used += sizes[i];
        if (used > room) {
            break;
        }
        ++count;
    }
    return std::max(count, 1);
}

int GridGeometry::maxOffset(const QList<int>& sizes, int fixed, int room)
{
    const int count = int(sizes.size());
    int used = 0;
    for (int i = count - 1; i >= fixed; --i) {
        used += sizes[i];
        if (used > room) {
            return std::min(i + 1, count - 1) - fixed;
        }
    }
    return 0;
}

int GridGeometry::firstOffsetShowing(const QList<int>& sizes, int fixed, int offset, int index, int room)
{
    if (index < fixed) {
        return offset;
    }
    const int first = fixed + offset;
    if (index < first) {
        return index - fixed;
    }
    if (sum(sizes, first, index + 1) <= room) {
        return offset;
    }
    // Move the first shown index down until the wanted one ends inside the room.
    int newFirst = index;
    int used = sizes[index];
    while (newFirst > fixed && used + sizes[newFirst - 1] <= room) {
        --newFirst;
        used += sizes[newFirst];
    }
    return newFirst - fixed;
}

void GridGeometry::setFixedRowCount(int count)
{
    m_fixedRows = std::clamp(count, 0, rowCount());
    setOffsets(m_vOffset, m_hOffset);
}

void GridGeometry::setFixedColumnCount(int count)
{
    m_fixedColumns = std::clamp(count, 0, columnCount());
    setOffsets(m_vOffset, m_hOffset);
}

int GridGeometry::rowHeight(int row) const
{
    return row >= 0 && row < rowCount() ? m_rowHeights[row] : 0;
}

int GridGeometry::columnWidth(int col) const
{
    return col >= 0 && col < columnCount() ? m_columnWidths[col] : 0;
}

void GridGeometry::setRowHeight(int row, int height)
{
    if (row >= 0 && row < rowCount() && height >= 0) {
        m_rowHeights[row] = height;
    }
}

void GridGeometry::setColumnWidth(int col, int width)
{
    if (col >= 0 && col < columnCount() && width >= 0) {
        m_columnWidths[col] = width;
    }
}

void GridGeometry::setRowHeights(const QList<int>& heights)
{
    if (heights.size() == m_rowHeights.size()) {
        m_rowHeights = heights;
    }
}

void GridGeometry::resizeRows(int count, int height)
{
    count = std::max(count, 0);
    while (rowCount() > count) {
        m_rowHeights.removeLast();
    }
    while (rowCount() < count) {
        m_rowHeights.append(height);
    }
    m_fixedRows = std::min(m_fixedRows, count);
    setOffsets(m_vOffset, m_hOffset);
}

void GridGeometry::resizeColumns(int count, int width)
{
    count = std::max(count, 0);
    while (columnCount() > count) {
        m_columnWidths.removeLast();
    }
    while (columnCount() < count) {
        m_columnWidths.append(width);
    }
    m_fixedColumns = std::min(m_fixedColumns, count);
    setOffsets(m_vOffset, m_hOffset);
}

void GridGeometry::insertRow(int at, int height)
{
    m_rowHeights.insert(std::clamp(at, 0, rowCount()), height);
}

void GridGeometry::insertColumn(int at, int width)
{
    m_columnWidths.insert(std::clamp(at, 0, columnCount()), width);
}

void GridGeometry::removeRows(const GridRowRemoval& removal)
{
    if (removal.rowCount() != rowCount()) {
        return;
    }
    QList<int> kept;
    kept.reserve(removal.remainingCount());
    int fixedKept = 0;
    for (int row = 0; row < rowCount(); ++row) {
        if (!removal.removes(row)) {
            kept.append(m_rowHeights[row]);
            fixedKept += row < m_fixedRows ? 1 : 0;
        }
    }
    m_fixedRows = fixedKept;
    m_rowHeights = std::move(kept);
    setOffsets(m_vOffset, m_hOffset);
}

void GridGeometry::removeColumn(int col)
{
    if (col < 0 || col >= columnCount()) {
        return;
    }
    m_columnWidths.removeAt(col);
    if (col < m_fixedColumns) {
        --m_fixedColumns;
    }
    setOffsets(m_vOffset, m_hOffset);
}

void GridGeometry::setViewportSize(QSize size)
{
    m_viewport = size;
    setOffsets(m_vOffset, m_hOffset);
}

void GridGeometry::setOffsets(int vertical, int horizontal)
{
    m_vOffset = std::clamp(vertical, 0, maxVerticalOffset());
    m_hOffset = std::clamp(horizontal, 0, maxHorizontalOffset());
}

int GridGeometry::maxVerticalOffset() const
{
    return maxOffset(m_rowHeights, m_fixedRows, m_viewport.height() - fixedRowsHeight());
}

int GridGeometry::maxHorizontalOffset() const
{
    return maxOffset(m_columnWidths, m_fixedColumns, m_viewport.width() - fixedColumnsWidth());
}

int GridGeometry::pageRows() const
{
    return wholeFrom(m_rowHeights, topRow(), m_viewport.height() - fixedRowsHeight());
}

int GridGeometry::pageColumns() const
{
    return wholeFrom(m_columnWidths, leftColumn(), m_viewport.width() - fixedColumnsWidth());
}

int GridGeometry::fixedRowsHeight() const
{
    return sum(m_rowHeights, 0, m_fixedRows);
}

int GridGeometry::fixedColumnsWidth() const
{
    return sum(m_columnWidths, 0, m_fixedColumns);
}

int GridGeometry::totalHeight() const
{
    return sum(m_rowHeights, 0, rowCount());
}

int GridGeometry::totalWidth() const
{
    return sum(m_columnWidths, 0, columnCount());
}

int GridGeometry::rowTop(int row) const
{
    return start(m_rowHeights, m_fixedRows, topRow(), row);
}

int GridGeometry::columnLeft(int col) const
{
    return start(m_columnWidths, m_fixedColumns, leftColumn(), col);
}

QRect GridGeometry::cellRect(int row, int col) const
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) {
        return {};
    }
    return {columnLeft(col), rowTop(row), m_columnWidths[col], m_rowHeights[row]};
}

QRect GridGeometry::cellRectOnScreen(int row, int col) const
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) {
        return {};
    }
    const int top = startOnScreen(m_rowHeights, m_fixedRows, topRow(), row, m_viewport.height());
    const int left = startOnScreen(m_columnWidths, m_fixedColumns, leftColumn(), col, m_viewport.width());
    if (top < 0 || left < 0) {
        return {};
    }
    return {left, top, m_columnWidths[col], m_rowHeights[row]};
}

GridCellId GridGeometry::cellAt(QPoint point) const
{
    const int row = indexAt(m_rowHeights, m_fixedRows, topRow(), point.y());
    const int col = indexAt(m_columnWidths, m_fixedColumns, leftColumn(), point.x());
    if (row < 0 || col < 0) {
        return {};
    }
    return {row, col};
}

int GridGeometry::lastShown(const QList<int>& sizes, int first, int room)
{
    int last = first - 1;
    int used = 0;
    for (int i = first; i < int(sizes.size()) && used < room; ++i) {
        used += sizes[i];
        last = i;
    }
    return last;
}

int GridGeometry::lastVisibleRow() const
{
    return lastShown(m_rowHeights, topRow(), m_viewport.height() - fixedRowsHeight());
}

int GridGeometry::lastVisibleColumn() const
{
    return lastShown(m_columnWidths, leftColumn(), m_viewport.width() - fixedColumnsWidth());
}

GridCellRange GridGeometry::visibleScrollingRange() const
{
    const int lastRow = lastVisibleRow();
    const int lastCol = lastVisibleColumn();
    if (lastRow < topRow() || lastCol < leftColumn()) {
        return {};
    }
    return {topRow(), leftColumn(), lastRow, lastCol};
}

int GridGeometry::columnDividerAt(int x, int zone) const
{
    return dividerAt(m_columnWidths, m_fixedColumns, leftColumn(), x, m_viewport.width(), zone);
}

int GridGeometry::rowDividerAt(int y, int zone) const
{
    return dividerAt(m_rowHeights, m_fixedRows, topRow(), y, m_viewport.height(), zone);
}

QPoint GridGeometry::offsetsToShow(int row, int col) const
{
    const int vertical = firstOffsetShowing(m_rowHeights, m_fixedRows, m_vOffset, row,
                                            m_viewport.height() - fixedRowsHeight());
    const int horizontal = firstOffsetShowing(m_columnWidths, m_fixedColumns, m_hOffset, col,
                                              m_viewport.width() - fixedColumnsWidth());
    return {std::min(horizontal, maxHorizontalOffset()), std::min(vertical, maxVerticalOffset())};
}

} // namespace grid
