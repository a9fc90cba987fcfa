#pragma once

#include "grid/GridTypes.h"

#include <QHash>
#include <QList>

namespace grid {

// The set of selected cells, keyed by row * 65536 + column as the cells' own
// selected bits are. It follows row and column insertions and removals so that
// it never names a cell that moved or no longer exists.
class GridSelection
{
public:
    static constexpr int kMaxColumns = 65536;

    static qint64 key(int row, int col) { return qint64(row) * kMaxColumns + col; }

    void add(int row, int col) { m_cells.insert(key(row, col), {row, col}); }
    void remove(int row, int col) { m_cells.remove(key(row, col)); }
    bool contains(int row, int col) const { return m_cells.contains(key(row, col)); }
    void clear() { m_cells.clear(); }
    bool isEmpty() const { return m_cells.isEmpty(); }
    int size() const { return int(m_cells.size()); }
    QList<GridCellId> cells() const { return m_cells.values(); }

    // The smallest range holding every selected cell; invalid when none is selected.
    GridCellRange boundingRange() const;

    // Entries behind the insertion point move one on; the removed row's (column's) go.
    void insertRow(int at);
    void removeRow(int row);
    void insertColumn(int at);
    void removeColumn(int col);
    // Drops the cells outside a table of the given size.
    void truncate(int rowCount, int columnCount);

private:
    template <typename Map>
    void remap(Map map);

    QHash<qint64, GridCellId> m_cells;
};

} // namespace grid
