// Focus cell and selection of CGridCtrl.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"

#include <algorithm>

namespace grid {

void CGridCtrl::SetFocusCell(int row, int col)
{
    GridCellId wanted{row, col};
    if (!d->isValid(row, col) || IsCellFixed(row, col)) {
        wanted = {};
    }
    if (wanted == d->m_idCurrentCell) {
        return;
    }
    d->sendMessage(wanted.row, wanted.col, notify::LVN_ITEMCHANGING);
    const GridCellId old = d->m_idCurrentCell;
    d->m_idCurrentCell = wanted;
    if (CGridCellBase* cell = d->storedCell(old.row, old.col)) {
        cell->SetState(cell->GetState() & ~quint32(GVIS_FOCUSED));
    }
    if (CGridCellBase* cell = d->storedCell(wanted.row, wanted.col)) {
        cell->SetState(cell->GetState() | GVIS_FOCUSED);
    }
    RedrawCell(old.row, old.col);
    RedrawCell(wanted.row, wanted.col);
    if (d->m_options.trackFocusCell && d->m_options.drawingEnabled) {
        // The fixed cells of the old and new focus row and column change their edge.
        viewport()->update(0, 0, viewport()->width(), d->m_geometry.fixedRowsHeight());
        viewport()->update(0, 0, d->m_geometry.fixedColumnsWidth(), viewport()->height());
    }
    d->sendMessage(wanted.row, wanted.col, notify::LVN_ITEMCHANGED);
}

void CGridCtrl::setCellSelected(int row, int col, bool selected)
{
    d->setSelectedBit({row, col}, selected);
    if (selected) {
        d->m_selectedCells.add(row, col);
    } else {
        d->m_selectedCells.remove(row, col);
    }
    RedrawCell(row, col);
}

void CGridCtrl::replaceSelection(GridSelection wanted)
{
    bool changed = false;
    d->m_selectedCells.forEachNotIn(wanted, [&](GridCellId id) {
        d->setSelectedBit(id, false);
        changed = true;
    });
    wanted.forEachNotIn(d->m_selectedCells, [&](GridCellId id) {
        d->setSelectedBit(id, true);
        changed = true;
    });
    d->m_selectedCells = std::move(wanted);
    // One repaint: a change may touch every row.
    if (changed) {
        Refresh();
    }
}

void CGridCtrl::selectFromAnchor(GridCellId to, bool keepPrevious)
{
    GridSelection wanted = d->selectionBetween(d->m_selectionStartCell, to);
    if (keepPrevious && !(d->m_options.listMode && d->m_options.singleRowSelection)) {
        wanted.unite(d->m_prevSelectedCells);
    }
    replaceSelection(std::move(wanted));
}

void CGridCtrl::toggleSelection(GridCellId cell)
{
    const GridSelection target = d->selectionBetween(cell, cell);
    bool allSelected = true;
    target.forEachNotIn(d->m_prevSelectedCells, [&allSelected](GridCellId) { allSelected = false; });
    GridSelection wanted = d->m_prevSelectedCells;
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
    if (!extend || !d->m_selectionStartCell.IsValid()) {
        d->m_selectionStartCell = to;
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
    const bool singleRow = d->m_options.listMode && d->m_options.singleRowSelection;
    const GridCellId from = singleRow ? GridCellId{} : GridCellId{range.minRow, range.minCol};
    replaceSelection(d->selectionBetween(from, {singleRow ? range.minRow : range.maxRow, range.maxCol}));
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

GridCellId CGridCtrl::GetFocusCell() const
{
    return d->m_idCurrentCell;
}

GridCellRange CGridCtrl::GetSelectedCellRange() const
{
    return d->m_selectedCells.boundingRange();
}

bool CGridCtrl::IsCellSelected(int row, int col) const
{
    return d->m_selectedCells.contains(row, col);
}

int CGridCtrl::GetSelectedCount() const
{
    return d->m_selectedCells.size();
}

} // namespace grid
