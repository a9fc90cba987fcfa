#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"
#include "GridPrinter.h"

#include <QScrollBar>

#include <algorithm>

namespace grid {

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols, QWidget* parent)
    : QAbstractScrollArea(parent)
    , d(std::make_unique<CGridCtrlPrivate>(this))
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);

    const QFont cellFont = font();
    for (CGridDefaultCell* cell : {d->m_cellDefault.get(), d->m_cellFixedRowDef.get(), d->m_cellFixedColDef.get(),
             d->m_cellFixedRowColDef.get()}) {
        cell->SetGrid(this);
        cell->SetFont(&cellFont);
        const bool fixed = cell != d->m_cellDefault.get();
        cell->SetTextClr(palette().color(fixed ? QPalette::ButtonText : QPalette::Text));
        cell->SetBackClr(palette().color(fixed ? QPalette::Button : QPalette::Base));
    }
    d->m_virtualCell->SetGrid(this);

    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

CGridCtrl::~CGridCtrl()
{
    // The grid goes with its owner's window: an edit it ends now reaches no owner, which may be gone already.
    d->m_notifyTarget = nullptr;
    EndEditing();
}

void CGridCtrl::SetNotifyTarget(controls::NotifyTarget* target, int controlId)
{
    d->m_notifyTarget = target;
    d->m_controlId = controlId;
}

int CGridCtrl::GetDlgCtrlID() const
{
    return d->m_controlId;
}

// ---------------------------------------------------------------- cells

bool CGridCtrl::IsCellFixed(int row, int col) const
{
    return d->isFixed(row, col);
}

CGridCellBase* CGridCtrl::GetCell(int row, int col) const
{
    return d->cell(row, col);
}

void CGridCtrl::updateFixedStates()
{
    if (!d->m_bVirtualMode) {
        for (int row = 0; row < GetRowCount(); ++row) {
            for (int col = 0; col < GetColumnCount(); ++col) {
                d->applyFixedState(row, col, *d->storedCell(row, col), true);
            }
        }
    }
    // Fixed cells hold neither the focus nor a selection.
    if (IsCellFixed(d->m_idCurrentCell.row, d->m_idCurrentCell.col)) {
        SetFocusCell(-1, -1);
    }
    for (const GridCellId& cell : d->m_selectedCells.cells()) {
        if (IsCellFixed(cell.row, cell.col)) {
            setCellSelected(cell.row, cell.col, false);
        }
    }
}

bool CGridCtrl::changeCell(int row, int col, const std::function<void(CGridCellBase&)>& change)
{
    CGridCellBase* cell = d->storedCell(row, col);
    if (!cell) {
        return false;
    }
    change(*cell);
    RedrawCell(row, col);
    return true;
}

bool CGridCtrl::SetCellType(int row, int col, const CellFactory& factory)
{
    CGridCellBase* old = d->storedCell(row, col);
    if (!old || !factory) {
        return false;
    }
    std::unique_ptr<CGridCellBase> cell = factory();
    if (!cell) {
        return false;
    }
    if (old->IsEditing()) {
        EndEditing();
    }
    *cell = *old;
    cell->SetCoords(row, col);
    d->m_rows[size_t(row)][size_t(col)] = std::move(cell);
    RedrawCell(row, col);
    return true;
}

bool CGridCtrl::SetDefaultCellType(const CellFactory& factory)
{
    if (!factory) {
        return false;
    }
    d->m_cellFactory = factory;
    return true;
}

const CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol) const
{
    return d->defaultCell(fixedRow, fixedCol);
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol)
{
    return d->defaultCell(fixedRow, fixedCol);
}

// ---------------------------------------------------------------- size of the table

void CGridCtrl::afterStructureChange()
{
    updateScrollBars();
    Refresh();
}

int CGridCtrl::GetRowCount() const
{
    return d->m_geometry.rowCount();
}

int CGridCtrl::GetColumnCount() const
{
    return d->m_geometry.columnCount();
}

int CGridCtrl::GetFixedRowCount() const
{
    return d->m_geometry.fixedRowCount();
}

int CGridCtrl::GetFixedColumnCount() const
{
    return d->m_geometry.fixedColumnCount();
}

bool CGridCtrl::SetRowCount(int rows)
{
    if (rows < 0) {
        return false;
    }
    if (rows == GetRowCount()) {
        return true;
    }
    EndEditing();
    d->resizeRows(rows);
    afterStructureChange();
    return true;
}

bool CGridCtrl::SetColumnCount(int cols)
{
    if (cols < 0 || cols > GridSelection::MaxColumns) {
        return false;
    }
    if (cols == GetColumnCount()) {
        return true;
    }
    EndEditing();
    d->resizeColumns(cols);
    afterStructureChange();
    return true;
}

bool CGridCtrl::SetFixedRowCount(int fixedRows)
{
    if (fixedRows < 0 || (fixedRows > GetRowCount() && !SetRowCount(fixedRows))) {
        return false;
    }
    d->m_geometry.setFixedRowCount(fixedRows);
    updateFixedStates();
    afterStructureChange();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int fixedCols)
{
    if (fixedCols < 0 || (fixedCols > GetColumnCount() && !SetColumnCount(fixedCols))) {
        return false;
    }
    d->m_geometry.setFixedColumnCount(fixedCols);
    updateFixedStates();
    afterStructureChange();
    return true;
}

int CGridCtrl::GetRowHeight(int row) const
{
    return row >= 0 && row < GetRowCount() ? d->m_geometry.rowHeight(row) : -1;
}

int CGridCtrl::GetColumnWidth(int col) const
{
    return col >= 0 && col < GetColumnCount() ? d->m_geometry.columnWidth(col) : -1;
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= GetRowCount() || height < 0) {
        return false;
    }
    d->m_geometry.setRowHeight(row, height);
    afterStructureChange();
    return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= GetColumnCount() || width < 0) {
        return false;
    }
    d->m_geometry.setColumnWidth(col, width);
    afterStructureChange();
    return true;
}

bool CGridCtrl::DeleteAllItems()
{
    EndEditing();
    d->clear();
    afterStructureChange();
    return true;
}

int CGridCtrl::InsertRow(const QString& heading, int before)
{
    if (before < -1 || before > GetRowCount()) {
        return -1;
    }
    EndEditing();
    const int row = before < 0 ? GetRowCount() : before;
    d->insertRow(row, heading);
    afterStructureChange();
    return row;
}

int CGridCtrl::InsertColumn(const QString& heading, quint32 format, int before)
{
    if (before < -1 || before > GetColumnCount() || GetColumnCount() >= GridSelection::MaxColumns) {
        return -1;
    }
    EndEditing();
    const int col = before < 0 ? GetColumnCount() : before;
    d->insertColumn(col, heading, format);
    afterStructureChange();
    return col;
}

bool CGridCtrl::DeleteRow(int row)
{
    return DeleteRows({row});
}

bool CGridCtrl::DeleteRows(const QList<int>& rows)
{
    if (std::any_of(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= GetRowCount(); })) {
        return false;
    }
    if (rows.isEmpty()) {
        return true;
    }
    EndEditing();
    d->removeRows(GridRowRemoval(GetRowCount(), rows));
    afterStructureChange();
    return true;
}

bool CGridCtrl::DeleteColumn(int col)
{
    if (col < 0 || col >= GetColumnCount()) {
        return false;
    }
    EndEditing();
    d->removeColumn(col);
    afterStructureChange();
    return true;
}

// ---------------------------------------------------------------- virtual mode and printing

void CGridCtrl::SetVirtualMode(bool on)
{
    if (on == d->m_bVirtualMode) {
        return;
    }
    EndEditing();
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    d->m_bVirtualMode = on;
    d->m_sortColumn = -1;
    if (on) {
        d->m_rows.clear();
    } else {
        // Back to stored cells: every position gets a fresh cell.
        d->refillCells();
    }
    Refresh();
}

bool CGridCtrl::GetVirtualMode() const
{
    return d->m_bVirtualMode;
}

void CGridCtrl::SetCallbackFunc(const DispInfoCallback& callback)
{
    d->m_callback = callback;
}

bool CGridCtrl::Print(QPrinter& printer)
{
    EndEditing();
    return GridPrinter(*this).print(printer);
}

} // namespace grid
