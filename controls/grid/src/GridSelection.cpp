#include "GridSelection.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <numeric>

namespace grid {

bool GridSelection::holdsWholeRow(int row) const
{
    return std::binary_search(m_rows.begin(), m_rows.end(), row);
}

void GridSelection::add(int row, int col)
{
    if (!inSpan(col) || !holdsWholeRow(row)) {
        m_cells.insert(key(row, col), {row, col});
    }
}

void GridSelection::remove(int row, int col)
{
    m_cells.remove(key(row, col));
    const auto at = std::lower_bound(m_rows.begin(), m_rows.end(), row);
    if (!inSpan(col) || at == m_rows.end() || *at != row) {
        return;
    }
    m_rows.erase(at);
    for (int other = m_firstCol; other <= m_lastCol; ++other) {
        if (other != col) {
            m_cells.insert(key(row, other), {row, other});
        }
    }
}

void GridSelection::addRows(int firstRow, int lastRow, int firstCol, int lastCol)
{
    if (firstRow > lastRow) {
        return;
    }
    std::vector<int> rows(size_t(lastRow - firstRow + 1));
    std::iota(rows.begin(), rows.end(), firstRow);
    addRows(rows, firstCol, lastCol);
}

void GridSelection::addRows(const std::vector<int>& rows, int firstCol, int lastCol)
{
    if (rows.empty() || firstCol > lastCol) {
        return;
    }
    if (!m_rows.empty() && (firstCol != m_firstCol || lastCol != m_lastCol)) {
        cellsFromRows();
    }
    m_firstCol = firstCol;
    m_lastCol = lastCol;
    if (m_rows.empty() || m_rows.back() < rows.front()) {
        m_rows.insert(m_rows.end(), rows.begin(), rows.end());
    } else {
        std::vector<int> merged;
        merged.reserve(m_rows.size() + rows.size());
        std::set_union(m_rows.begin(), m_rows.end(), rows.begin(), rows.end(), std::back_inserter(merged));
        m_rows = std::move(merged);
    }
    // Single cells the whole rows now cover go, whichever of the two is shorter to walk.
    if (size_t(m_cells.size()) <= rows.size() * size_t(lastCol - firstCol + 1)) {
        m_cells.removeIf([this](const auto& entry) {
            return inSpan(entry.value().col) && holdsWholeRow(entry.value().row);
        });
        return;
    }
    for (int row : rows) {
        for (int col = firstCol; col <= lastCol; ++col) {
            m_cells.remove(key(row, col));
        }
    }
}

void GridSelection::unite(const GridSelection& other)
{
    for (const GridCellId& cell : other.m_cells) {
        add(cell.row, cell.col);
    }
    if (m_rows.empty() || (other.m_firstCol == m_firstCol && other.m_lastCol == m_lastCol)) {
        addRows(other.m_rows, other.m_firstCol, other.m_lastCol);
        return;
    }
    for (int row : other.m_rows) {
        for (int col = other.m_firstCol; col <= other.m_lastCol; ++col) {
            add(row, col);
        }
    }
}

bool GridSelection::contains(int row, int col) const
{
    return m_cells.contains(key(row, col)) || (inSpan(col) && holdsWholeRow(row));
}

void GridSelection::clear()
{
    m_cells.clear();
    clearRows();
}

void GridSelection::clearRows()
{
    m_rows.clear();
    m_firstCol = 0;
    m_lastCol = -1;
}

int GridSelection::size() const
{
    return int(m_cells.size()) + int(m_rows.size()) * (m_lastCol - m_firstCol + 1);
}

QList<GridCellId> GridSelection::cells() const
{
    QList<GridCellId> all = m_cells.values();
    for (int row : m_rows) {
        for (int col = m_firstCol; col <= m_lastCol; ++col) {
            all.append({row, col});
        }
    }
    return all;
}

void GridSelection::forEachNotIn(const GridSelection& other, const std::function<void(GridCellId)>& visit) const
{
    const bool otherEmpty = other.isEmpty();
    auto notInOther = [&](int row, int col) { return otherEmpty || !other.contains(row, col); };
    for (const GridCellId& cell : m_cells) {
        if (notInOther(cell.row, cell.col)) {
            visit(cell);
        }
    }
    const bool sameSpan = other.m_firstCol == m_firstCol && other.m_lastCol == m_lastCol;
    auto otherRow = other.m_rows.begin();
    for (int row : m_rows) {
        if (sameSpan) {
            otherRow = std::lower_bound(otherRow, other.m_rows.end(), row);
            if (otherRow != other.m_rows.end() && *otherRow == row) {
                continue;
            }
        }
        for (int col = m_firstCol; col <= m_lastCol; ++col) {
            if (notInOther(row, col)) {
                visit({row, col});
            }
        }
    }
}

GridCellRange GridSelection::boundingRange() const
{
    if (isEmpty()) {
        return {};
    }
    GridCellRange range{INT_MAX, INT_MAX, -1, -1};
    auto include = [&range](int row, int col) {
        range.minRow = std::min(range.minRow, row);
        range.maxRow = std::max(range.maxRow, row);
        range.minCol = std::min(range.minCol, col);
        range.maxCol = std::max(range.maxCol, col);
    };
    for (const GridCellId& cell : m_cells) {
        include(cell.row, cell.col);
    }
    if (!m_rows.empty()) {
        include(m_rows.front(), m_firstCol);
        include(m_rows.back(), m_lastCol);
    }
    return range;
}

void GridSelection::cellsFromRows()
{
    for (int row : m_rows) {
        for (int col = m_firstCol; col <= m_lastCol; ++col) {
            m_cells.insert(key(row, col), {row, col});
        }
    }
    clearRows();
}

// Rebuilds the single cells with every cell passed through map(); cells it maps to an invalid id are dropped.
template <typename Map>
void GridSelection::remap(Map map)
{
    if (m_cells.isEmpty()) {
        return;
    }
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
    for (int& row : m_rows) {
        row += row >= at ? 1 : 0;
    }
}

void GridSelection::removeRows(const GridRowRemoval& removal)
{
    remap([&removal](GridCellId c) { return GridCellId{removal.newIndex(c.row), c.col}; });
    std::vector<int> kept;
    kept.reserve(m_rows.size());
    for (int row : m_rows) {
        if (const int to = removal.newIndex(row); to >= 0) {
            kept.push_back(to);
        }
    }
    m_rows = std::move(kept);
}

void GridSelection::insertColumn(int at)
{
    // A column inserted inside the span would be a hole in the whole rows.
    if (at > m_firstCol && at <= m_lastCol) {
        cellsFromRows();
    }
    remap([at](GridCellId c) { return GridCellId{c.row, c.col >= at ? c.col + 1 : c.col}; });
    if (at <= m_firstCol) {
        ++m_firstCol;
        ++m_lastCol;
    }
}

void GridSelection::removeColumn(int col)
{
    remap([col](GridCellId c) {
        return c.col == col ? GridCellId{} : GridCellId{c.row, c.col > col ? c.col - 1 : c.col};
    });
    if (col < m_firstCol) {
        --m_firstCol;
        --m_lastCol;
    } else if (col <= m_lastCol && --m_lastCol < m_firstCol) {
        clearRows();
    }
}

void GridSelection::truncate(int rowCount, int columnCount)
{
    remap([=](GridCellId c) { return c.row < rowCount && c.col < columnCount ? c : GridCellId{}; });
    while (!m_rows.empty() && m_rows.back() >= rowCount) {
        m_rows.pop_back();
    }
    m_lastCol = std::min(m_lastCol, columnCount - 1);
    if (m_rows.empty() || m_lastCol < m_firstCol) {
        clearRows();
    }
}

} // namespace grid
