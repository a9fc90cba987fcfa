// Focus cell and selection of CGridCtrl.
#include "grid/CGridCtrl.h"

#include <algorithm>

namespace grid {

void CGridCtrl::SetFocusCell(int row, int col)
{
    GridCellId wanted{row, col};
    if (!IsValid(row, col) || IsCellFixed(row, col)) {
        wanted = {};
    }
    if (wanted == m_idCurrentCell) {
        return;
    }
    SendMessageToParent(wanted.row, wanted.col, notify::LVN_ITEMCHANGING);
    const GridCellId old = m_idCurrentCell;
    m_idCurrentCell = wanted;
    if (CGridCellBase* cell = StoredCell(old.row, old.col)) {
        cell->SetState(cell->GetState() & ~quint32(GVIS_FOCUSED));
    }
    if (CGridCellBase* cell = StoredCell(wanted.row, wanted.col)) {
        cell->SetState(cell->GetState() | GVIS_FOCUSED);
    }
    RedrawCell(old.row, old.col);
    RedrawCell(wanted.row, wanted.col);
    if (m_options.trackFocusCell && m_options.drawingEnabled) {
        // The fixed cells of the old and new focus row and column change their edge.
        viewport()->update(0, 0, viewport()->width(), m_geometry.fixedRowsHeight());
        viewport()->update(0, 0, m_geometry.fixedColumnsWidth(), viewport()->height());
    }
    SendMessageToParent(wanted.row, wanted.col, notify::LVN_ITEMCHANGED);
}

void CGridCtrl::SetCellSelected(int row, int col, bool selected)
{
    if (CGridCellBase* cell = StoredCell(row, col)) {
        const quint32 state = cell->GetState();
        cell->SetState(selected ? state | GVIS_SELECTED : state & ~quint32(GVIS_SELECTED));
    }
    if (selected) {
        m_selectedCells.add(row, col);
    } else {
        m_selectedCells.remove(row, col);
    }
    RedrawCell(row, col);
}

void CGridCtrl::ReplaceSelection(const GridSelection& wanted)
{
    for (const GridCellId& cell : m_selectedCells.cells()) {
        if (!wanted.contains(cell.row, cell.col)) {
            SetCellSelected(cell.row, cell.col, false);
        }
    }
    for (const GridCellId& cell : wanted.cells()) {
        if (!m_selectedCells.contains(cell.row, cell.col)) {
            SetCellSelected(cell.row, cell.col, true);
        }
    }
}

GridSelection CGridCtrl::SelectionBetween(GridCellId from, GridCellId to) const
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
    int firstCol = std::max(std::min(from.col, to.col), GetFixedColumnCount());
    int lastCol = std::min(std::max(from.col, to.col), GetColumnCount() - 1);
    if (m_options.listMode) {
        firstCol = GetFixedColumnCount();
        lastCol = GetColumnCount() - 1;
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            cells.add(row, col);
        }
    }
    return cells;
}

void CGridCtrl::SelectFromAnchor(GridCellId to, bool keepPrevious)
{
    GridSelection wanted = SelectionBetween(m_selectionStartCell, to);
    if (keepPrevious && !(m_options.listMode && m_options.singleRowSelection)) {
        for (const GridCellId& cell : m_prevSelectedCells.cells()) {
            wanted.add(cell.row, cell.col);
        }
    }
    ReplaceSelection(wanted);
}

void CGridCtrl::ToggleSelection(GridCellId cell)
{
    const GridSelection target = SelectionBetween(cell, cell);
    const QList<GridCellId> targetCells = target.cells();
    const bool allSelected = std::all_of(targetCells.begin(), targetCells.end(), [this](const GridCellId& id) {
        return m_prevSelectedCells.contains(id.row, id.col);
    });
    GridSelection wanted = m_prevSelectedCells;
    for (const GridCellId& id : targetCells) {
        if (allSelected) {
            wanted.remove(id.row, id.col);
        } else {
            wanted.add(id.row, id.col);
        }
    }
    ReplaceSelection(wanted);
}

void CGridCtrl::MoveFocus(GridCellId to, bool extend)
{
    if (!to.IsValid()) {
        return;
    }
    SetFocusCell(to.row, to.col);
    if (!extend || !m_selectionStartCell.IsValid()) {
        m_selectionStartCell = to;
    }
    SelectFromAnchor(to, false);
    EnsureVisible(to.row, to.col);
}

void CGridCtrl::SetSelectedRange(const GridCellRange& range)
{
    if (!range.IsValid()) {
        ResetSelectedRange();
        return;
    }
    GridSelection wanted = SelectionBetween({range.minRow, range.minCol}, {range.maxRow, range.maxCol});
    if (m_options.listMode && m_options.singleRowSelection) {
        wanted = SelectionBetween({}, {range.minRow, range.minCol});
    }
    ReplaceSelection(wanted);
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
    ReplaceSelection(GridSelection());
}

void CGridCtrl::RebuildStateMaps()
{
    m_selectedCells.clear();
    m_idCurrentCell = {};
    for (int row = 0; row < GetRowCount() && !m_bVirtualMode; ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            const quint32 state = StoredCell(row, col)->GetState();
            if (state & GVIS_SELECTED) {
                m_selectedCells.add(row, col);
            }
            if (state & GVIS_FOCUSED) {
                m_idCurrentCell = {row, col};
            }
        }
    }
    m_selectionStartCell = m_idCurrentCell;
}

} // namespace grid
