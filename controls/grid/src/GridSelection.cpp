#include "grid/GridSelection.h"

#include <algorithm>

namespace grid {

GridCellRange GridSelection::boundingRange() const
{
    if (m_cells.isEmpty()) {
        return {};
    }
    GridCellRange range{m_cells.begin()->row, m_cells.begin()->col, m_cells.begin()->row, m_cells.begin()->col};
    for (const GridCellId& cell : m_cells) {
        range.minRow = std::min(range.minRow, cell.row);
        range.maxRow = std::max(range.maxRow, cell.row);
        range.minCol = std::min(range.minCol, cell.col);
        range.maxCol = std::max(range.maxCol, cell.col);
    }
    return range;
}

// Rebuilds the map with every cell passed through map(); cells it maps to an
// invalid id are dropped.
template <typename Map>
void GridSelection::remap(Map map)
{
    QHash<qint64, GridCellId> moved;
    for (const GridCellId& cell : std::as_const(m_cells)) {
        const GridCellId to = map(cell);
        if (to.IsValid()) {
            moved.insert(key(to.row, to.col), to);
        }
    }
    m_cells = std::move(moved);
}

void GridSelection::insertRow(int at)
{
    remap([at](GridCellId c) { return GridCellId{c.row >= at ? c.row + 1 : c.row, c.col}; });
}

void GridSelection::removeRow(int row)
{
    remap([row](GridCellId c) {
        return c.row == row ? GridCellId{} : GridCellId{c.row > row ? c.row - 1 : c.row, c.col};
    });
}

void GridSelection::insertColumn(int at)
{
    remap([at](GridCellId c) { return GridCellId{c.row, c.col >= at ? c.col + 1 : c.col}; });
}

void GridSelection::removeColumn(int col)
{
    remap([col](GridCellId c) {
        return c.col == col ? GridCellId{} : GridCellId{c.row, c.col > col ? c.col - 1 : c.col};
    });
}

void GridSelection::truncate(int rowCount, int columnCount)
{
    remap([=](GridCellId c) { return c.row < rowCount && c.col < columnCount ? c : GridCellId{}; });
}

} // namespace grid
