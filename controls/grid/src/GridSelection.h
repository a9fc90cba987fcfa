#pragma once

#include "GridRowRemoval.h"
#include "grid/GridTypes.h"

#include <QHash>
#include <QList>

#include <functional>
#include <vector>

namespace grid {

// The set of selected cells. Single cells are keyed by row * 65536 + column as the cells' own selected bits
// are; rows selected whole (as in list mode) are held as row numbers that share one span of columns, so
// that selecting 100,000 rows costs 100,000 entries, not one per cell. The set follows row and column
// insertions and removals so that it never names a cell that moved or no longer exists.
class GridSelection
{
public:
    static constexpr int MaxColumns = 65536;

    static qint64 key(int row, int col) { return qint64(row) * MaxColumns + col; }

    void add(int row, int col);
    void remove(int row, int col);
    // Selects columns firstCol to lastCol of rows firstRow to lastRow (of the given rows, in ascending order).
    // Whole rows share one span of columns: rows given with another span than those held turn the held
    // rows into single cells.
    void addRows(int firstRow, int lastRow, int firstCol, int lastCol);
    void addRows(const std::vector<int>& rows, int firstCol, int lastCol);
    // Adds every cell of other.
    void unite(const GridSelection& other);
    bool contains(int row, int col) const;
    void clear();
    bool isEmpty() const { return m_cells.isEmpty() && m_rows.empty(); }
    // The number of cells.
    int size() const;
    QList<GridCellId> cells() const;
    // Calls visit for each cell of this set that other does not hold; rows both hold whole cost nothing.
    void forEachNotIn(const GridSelection& other, const std::function<void(GridCellId)>& visit) const;

    // The smallest range holding every selected cell; invalid when none is selected.
    GridCellRange boundingRange() const;

    // Entries behind the insertion point move one on; the removed rows' (column's) go.
    void insertRow(int at);
    void removeRows(const GridRowRemoval& removal);
    void insertColumn(int at);
    void removeColumn(int col);
    // Drops the cells outside a table of the given size.
    void truncate(int rowCount, int columnCount);

private:
    bool inSpan(int col) const { return col >= m_firstCol && col <= m_lastCol; }
    bool holdsWholeRow(int row) const;
    // Turns the whole rows into single cells.
    void cellsFromRows();
    void clearRows();
    template <typename Map>
    void remap(Map map);

    QHash<qint64, GridCellId> m_cells; // never a cell of a whole row within the span
    std::vector<int> m_rows;           // ascending, rows selected from m_firstCol to m_lastCol
    int m_firstCol = 0;
    int m_lastCol = -1;
};

} // namespace grid
