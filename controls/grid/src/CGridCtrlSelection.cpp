// Focus cell and selection of CGridCtrl.
#include "grid/CGridCtrl.h"

#include <algorithm>

namespace grid {

void CGridCtrl::SetFocusCell(int row, int col)
{
    GridCellId wanted{row, col};
    if (!isValid(row, col) || IsCellFixed(row, col)) {
        wanted = {};
    }
    if (wanted == m_idCurrentCell) {
        return;
    }
    sendMessageToParent(wanted.row, wanted.col, notify::LVN_ITEMCHANGING);
    const GridCellId old = m_idCurrentCell;
    m_idCurrentCell = wanted;
    if (CGridCellBase* cell = storedCell(old.row, old.col)) {
        cell->SetState(cell->GetState() & ~quint32(GVIS_FOCUSED));
    }
    if (CGridCellBase* cell = storedCell(wanted.row, wanted.col)) {
        cell->SetState(cell->GetState() | GVIS_FOCUSED);
    }
    RedrawCell(old.row, old.col);
    RedrawCell(wanted.row, wanted.col);
    if (m_options.trackFocusCell && m_options.drawingEnabled) {
        // The fixed cells of the old and new focus row and column change their edge.
        viewport()->update(0, 0, viewport()->width(), m_geometry.fixedRowsHeight());
        viewport()->update(0, 0, m_geometry.fixedColumnsWidth(), viewport()->height());
    }
    sendMessageToParent(wanted.row, wanted.col, notify::LVN_ITEMCHANGED);
}

void CGridCtrl::setSelectedBit(GridCellId id, bool selected)
{
    if (CGridCellBase* cell = storedCell(id.row, id.col)) {
        const quint32 state = cell->GetState();
        cell->SetState(selected ? state | GVIS_SELECTED : state & ~quint32(GVIS_SELECTED));
    }
}

void CGridCtrl::setCellSelected(int row, int col, bool selected)
{
    setSelectedBit({row, col}, selected);
    if (selected) {
        m_selectedCells.add(row, col);
    } else {
        m_selectedCells.remove(row, col);
    }
    RedrawCell(row, col);
}

void CGridCtrl::replaceSelection(GridSelection wanted)
{
    bool changed = false;
    m_selectedCells.forEachNotIn(wanted, [&](GridCellId id) {
        setSelectedBit(id, false);
        changed = true;
    });
    wanted.forEachNotIn(m_selectedCells, [&](GridCellId id) {
        setSelectedBit(id, true);
        changed = true;
    });
    m_selectedCells = std::move(wanted);
    // One repaint: a change may touch every row.
    if (changed) {
        Refresh();
    }
}

GridSelection CGridCtrl::selectionBetween(GridCellId from, GridCellId to) const
{
    GridSelection cells;
    if (!m_options.selectionEnabled || !to.IsValid()) {
        return cells;
    }
    if (!from.IsValid() || (m_options.listMode && m_options.singleRowSelection)) {
        from = to;
    }
    const int firstRow = std::max(std::min(from.row, to.row), GetFixedRowCount());
    const int lastRow = std::min(std::max(from.row, to.row), GetRowCount() - 1);
    if (m_options.listMode) {
        cells.addRows(firstRow, lastRow, GetFixedColumnCount(), GetColumnCount() - 1);
        return cells;
    }
    const int firstCol = std::max(std::min(from.col, to.col), GetFixedColumnCount());
    const int lastCol = std::min(std::max(from.col, to.col), GetColumnCount() - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            cells.add(row, col);
        }
    }
    return cells;
}

void CGridCtrl::selectFromAnchor(GridCellId to, bool keepPrevious)
{
    GridSelection wanted = selectionBetween(m_selectionStartCell, to);
    if (keepPrevious && !(m_options.listMode && m_options.singleRowSelection)) {
        wanted.unite(m_prevSelectedCells);
    }
    replaceSelection(std::move(wanted));
}

void CGridCtrl::toggleSelection(GridCellId cell)
{
    const GridSelection target = selectionBetween(cell, cell);
    bool allSelected = true;
    target.forEachNotIn(m_prevSelectedCells, [&allSelected](GridCellId) { allSelected = false; });
    GridSelection wanted = m_prevSelectedCells;
    if (allSelected) {
        for (const GridCellId& id : target.cells()) {
            wanted.remove(id.row, id.col);
        }
    } else {
        wanted.unite(target);
    }
    replaceSelection(std::move(wanted));
}

void CGridCtrl::moveFocus(GridCellId to, bool extend)
{
    if (!to.IsValid()) {
        return;
    }
    SetFocusCell(to.row, to.col);
    if (!extend || !m_selectionStartCell.IsValid()) {
        m_selectionStartCell = to;
    }
    selectFromAnchor(to, false);
    EnsureVisible(to.row, to.col);
}

void CGridCtrl::SetSelectedRange(const GridCellRange& range)
{
    if (!range.IsValid()) {
        ResetSelectedRange();
        return;
    }
    const bool singleRow = m_options.listMode && m_options.singleRowSelection;
    const GridCellId from = singleRow ? GridCellId{} : GridCellId{range.minRow, range.minCol};
    replaceSelection(selectionBetween(from, {singleRow ? range.minRow : range.maxRow, range.maxCol}));
}

void CGridCtrl::SelectAllCells()
{
    if (GetRowCount() <= GetFixedRowCount() || GetColumnCount() <= GetFixedColumnCount()) {
        return;
    }
    SetSelectedRange({GetFixedRowCount(), GetFixedColumnCount(), GetRowCount() - 1, GetColumnCount() - 1});
}

void CGridCtrl::ResetSelectedRange()
{
    replaceSelection(GridSelection());
}

void CGridCtrl::rebuildStateMaps()
{
    m_selectedCells.clear();
    m_idCurrentCell = {};
    // Rows selected in every scrolling column are kept whole, as list mode selects them.
    const int firstCol = GetFixedColumnCount();
    std::vector<int> wholeRows;
    QList<int> selectedCols;
    for (int row = 0; row < GetRowCount() && !m_bVirtualMode; ++row) {
        selectedCols.clear();
        for (int col = 0; col < GetColumnCount(); ++col) {
            const quint32 state = storedCell(row, col)->GetState();
            if (state & GVIS_SELECTED) {
                selectedCols.append(col);
            }
            if (state & GVIS_FOCUSED) {
                m_idCurrentCell = {row, col};
            }
        }
        const bool whole = !selectedCols.isEmpty() && selectedCols.front() == firstCol &&
                           selectedCols.size() == GetColumnCount() - firstCol;
        if (whole) {
            wholeRows.push_back(row);
            continue;
        }
        for (int col : std::as_const(selectedCols)) {
            m_selectedCells.add(row, col);
        }
    }
    m_selectedCells.addRows(wholeRows, firstCol, GetColumnCount() - 1);
    m_selectionStartCell = m_idCurrentCell;
}

} // namespace grid
