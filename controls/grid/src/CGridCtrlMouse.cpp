// Mouse handling of CGridCtrl: clicks, drag-selecting, sizing and double clicks.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimerEvent>

#include <algorithm>

namespace grid {

using MouseMode = CGridCtrlPrivate::MouseMode;

int CGridCtrl::columnDividerAt(QPoint pos) const
{
    if (!d->m_options.columnResize || pos.y() < 0 || pos.y() >= d->m_geometry.fixedRowsHeight()) {
        return -1;
    }
    return d->m_geometry.columnDividerAt(pos.x(), d->m_options.resizeCaptureZone);
}

int CGridCtrl::rowDividerAt(QPoint pos) const
{
    if (!d->m_options.rowResize || pos.x() < 0 || pos.x() >= d->m_geometry.fixedColumnsWidth()) {
        return -1;
    }
    return d->m_geometry.rowDividerAt(pos.y(), d->m_options.resizeCaptureZone);
}

void CGridCtrl::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    setFocus(Qt::MouseFocusReason);
    d->m_lastMousePoint = pos;
    if (e->button() != Qt::LeftButton) {
        e->setAccepted(e->button() == Qt::RightButton);
        return;
    }
    EndEditing();
    d->m_leftClickDownPoint = pos;
    d->m_leftClickDownCell = d->m_geometry.cellAt(pos);
    d->m_mouseMode = MouseMode::Nothing;
    if (const int col = columnDividerAt(pos); col >= 0) {
        d->m_mouseMode = MouseMode::SizingColumn;
        d->m_sizingIndex = col;
        viewport()->setCursor(Qt::SplitHCursor);
        viewport()->update(sizingLineRect());
        return;
    }
    if (const int row = rowDividerAt(pos); row >= 0) {
        d->m_mouseMode = MouseMode::SizingRow;
        d->m_sizingIndex = row;
        viewport()->setCursor(Qt::SplitVCursor);
        viewport()->update(sizingLineRect());
        return;
    }
    if (d->m_leftClickDownCell.IsValid()) {
        pressCell(d->m_leftClickDownCell, pos, e->modifiers());
    }
}

void CGridCtrl::pressCell(GridCellId id, QPoint pos, Qt::KeyboardModifiers modifiers)
{
    CGridCellBase* cell = GetCell(id.row, id.col);
    const QRect rect = d->m_geometry.cellRect(id.row, id.col);
    cell->OnClickDown(pos - rect.topLeft());
    cell = GetCell(id.row, id.col);
    if (id == d->m_idCurrentCell && !(modifiers & Qt::ControlModifier) && IsCellEditable(id.row, id.col) &&
        cell->GetTextRect(rect).contains(pos)) {
        d->m_mouseMode = MouseMode::PrepareEdit;
        return;
    }
    if (IsCellFixed(id.row, id.col)) {
        pressFixedCell(id);
        return;
    }
    if (d->m_options.dragAndDrop && IsCellSelected(id.row, id.col) &&
        !(modifiers & (Qt::ControlModifier | Qt::ShiftModifier))) {
        // Decided on release (a click) or on moving away (a drag of the selection).
        d->m_mouseMode = MouseMode::PrepareDrag;
        return;
    }
    selectPressedCell(id, modifiers);
}

void CGridCtrl::selectPressedCell(GridCellId id, Qt::KeyboardModifiers modifiers)
{
    SetFocusCell(id.row, id.col);
    d->sendMessage(id.row, id.col, notify::LVN_ITEMCHANGING);
    d->m_prevSelectedCells = d->m_selectedCells;
    const bool singleRow = d->m_options.listMode && d->m_options.singleRowSelection;
    if ((modifiers & Qt::ControlModifier) && !singleRow) {
        d->m_selectionStartCell = id;
        toggleSelection(id);
    } else if ((modifiers & Qt::ShiftModifier) && d->m_selectionStartCell.IsValid()) {
        selectFromAnchor(id, false);
    } else {
        d->m_selectionStartCell = id;
        selectFromAnchor(id, false);
    }
    d->m_mouseMode = MouseMode::SelectingCells;
}

void CGridCtrl::pressFixedCell(GridCellId id)
{
    SetFocusCell(-1, -1);
    const bool inFixedRow = id.row < GetFixedRowCount();
    const bool inFixedCol = id.col < GetFixedColumnCount();
    if (d->m_options.headerSort && inFixedRow) {
        SortItems(id.col, id.col == d->m_sortColumn ? !d->m_sortAscending : true);
        return;
    }
    if (!d->m_options.selectionEnabled) {
        return;
    }
    d->m_prevSelectedCells = GridSelection();
    if (inFixedRow && inFixedCol) {
        SelectAllCells();
    } else if (inFixedRow && !d->m_options.listMode) {
        d->m_selectionStartCell = {GetFixedRowCount(), id.col};
        selectFromAnchor({GetRowCount() - 1, id.col}, false);
        d->m_mouseMode = MouseMode::SelectingColumns;
    } else if (inFixedCol) {
        d->m_selectionStartCell = {id.row, GetFixedColumnCount()};
        selectFromAnchor({id.row, GetColumnCount() - 1}, false);
        d->m_mouseMode = MouseMode::SelectingRows;
    }
}

void CGridCtrl::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    switch (d->m_mouseMode) {
    case MouseMode::SizingColumn:
    case MouseMode::SizingRow:
        viewport()->update(sizingLineRect());
        d->m_lastMousePoint = pos;
        viewport()->update(sizingLineRect());
        return;
    case MouseMode::SelectingCells:
    case MouseMode::SelectingRows:
    case MouseMode::SelectingColumns:
        d->m_lastMousePoint = pos;
        dragSelectTo(pos);
        if (viewport()->rect().contains(pos)) {
            d->m_autoScrollTimer.stop();
        } else if (!d->m_autoScrollTimer.isActive()) {
            d->m_autoScrollTimer.start(d->m_options.autoScrollMs, this);
        }
        return;
    case MouseMode::PrepareDrag:
        if ((pos - d->m_leftClickDownPoint).manhattanLength() >= QApplication::startDragDistance()) {
            startDrag();
        }
        return;
    case MouseMode::PrepareEdit:
        return;
    default:
        d->m_lastMousePoint = pos;
        if (!(e->buttons() & Qt::LeftButton)) {
            updateCursor(pos);
        }
        return;
    }
}

void CGridCtrl::updateCursor(QPoint pos)
{
    if (columnDividerAt(pos) >= 0) {
        d->m_mouseMode = MouseMode::OverColumnDivide;
        viewport()->setCursor(Qt::SplitHCursor);
    } else if (rowDividerAt(pos) >= 0) {
        d->m_mouseMode = MouseMode::OverRowDivide;
        viewport()->setCursor(Qt::SplitVCursor);
    } else {
        d->m_mouseMode = MouseMode::Nothing;
        const GridCellId id = d->m_geometry.cellAt(pos);
        if (CGridCellBase* cell = GetCell(id.row, id.col)) {
            cell->OnSetCursor();
        } else {
            viewport()->setCursor(Qt::ArrowCursor);
        }
    }
    trackHover(d->m_geometry.cellAt(pos));
}

void CGridCtrl::trackHover(GridCellId id)
{
    if (id != d->m_hoverCell) {
        if (CGridCellBase* cell = GetCell(d->m_hoverCell.row, d->m_hoverCell.col)) {
            cell->OnMouseLeave();
        }
        d->m_hoverCell = id;
        if (CGridCellBase* cell = GetCell(id.row, id.col)) {
            cell->OnMouseEnter();
        }
    } else if (CGridCellBase* cell = GetCell(id.row, id.col)) {
        cell->OnMouseOver();
    }
}

bool CGridCtrl::viewportEvent(QEvent* e)
{
    if (e->type() == QEvent::Leave) {
        trackHover({});
    }
    return QAbstractScrollArea::viewportEvent(e);
}

void CGridCtrl::dragSelectTo(QPoint pos)
{
    const QRect area = viewport()->rect();
    const QPoint inside(std::clamp(pos.x(), 0, area.width() - 1), std::clamp(pos.y(), 0, area.height() - 1));
    GridCellId id = d->m_geometry.cellAt(inside);
    if (!id.IsValid()) {
        return;
    }
    id.row = std::max(id.row, GetFixedRowCount());
    id.col = std::max(id.col, GetFixedColumnCount());
    if (d->m_mouseMode == MouseMode::SelectingRows) {
        id.col = GetColumnCount() - 1;
    } else if (d->m_mouseMode == MouseMode::SelectingColumns) {
        id.row = GetRowCount() - 1;
    } else if (id != d->m_idCurrentCell) {
        SetFocusCell(id.row, id.col);
    }
    if (!d->isValid(id.row, id.col)) {
        return;
    }
    selectFromAnchor(id, QGuiApplication::keyboardModifiers() & Qt::ControlModifier);
}

void CGridCtrl::autoScrollTowards(QPoint pos)
{
    const QRect area = viewport()->rect();
    const int rows = pos.y() >= area.height() ? 1 : (pos.y() < 0 ? -1 : 0);
    const int cols = pos.x() >= area.width() ? 1 : (pos.x() < 0 ? -1 : 0);
    scrollBy(rows, cols);
}

void CGridCtrl::timerEvent(QTimerEvent* e)
{
    if (e->timerId() != d->m_autoScrollTimer.timerId()) {
        QAbstractScrollArea::timerEvent(e);
        return;
    }
    if (viewport()->rect().contains(d->m_lastMousePoint)) {
        d->m_autoScrollTimer.stop();
        return;
    }
    autoScrollTowards(d->m_lastMousePoint);
    dragSelectTo(d->m_lastMousePoint);
}

void CGridCtrl::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::RightButton) {
        const GridCellId id = d->m_geometry.cellAt(pos);
        if (CGridCellBase* cell = GetCell(id.row, id.col)) {
            cell->OnRClick(pos - d->m_geometry.cellRect(id.row, id.col).topLeft());
        }
        d->sendMessage(id.row, id.col, notify::NM_RCLICK);
        return;
    }
    if (e->button() != Qt::LeftButton) {
        return;
    }
    d->m_autoScrollTimer.stop();
    const MouseMode mode = d->m_mouseMode;
    d->m_mouseMode = MouseMode::Nothing;
    switch (mode) {
    case MouseMode::PrepareEdit:
        EditCell(d->m_idCurrentCell.row, d->m_idCurrentCell.col, EditByMouse);
        return;
    case MouseMode::SizingColumn:
    case MouseMode::SizingRow:
        d->m_mouseMode = mode;
        finishSizing(pos);
        d->m_mouseMode = MouseMode::Nothing;
        return;
    case MouseMode::PrepareDrag:
        selectPressedCell(d->m_leftClickDownCell, e->modifiers());
        d->m_mouseMode = MouseMode::Nothing;
        finishClick(pos);
        return;
    default:
        if (d->m_leftClickDownCell.IsValid()) {
            finishClick(pos);
        }
        return;
    }
}

void CGridCtrl::finishSizing(QPoint pos)
{
    viewport()->update(sizingLineRect());
    if (d->m_mouseMode == MouseMode::SizingColumn) {
        const int least = d->m_options.hideColumnsBySizing ? 0 : 1;
        SetColumnWidth(d->m_sizingIndex, std::max(pos.x() - d->m_geometry.columnLeft(d->m_sizingIndex), least));
    } else {
        const int least = d->m_options.hideRowsBySizing ? 0 : 1;
        SetRowHeight(d->m_sizingIndex, std::max(pos.y() - d->m_geometry.rowTop(d->m_sizingIndex), least));
    }
    d->m_sizingIndex = -1;
    viewport()->setCursor(Qt::ArrowCursor);
}

void CGridCtrl::finishClick(QPoint pos)
{
    const GridCellId focus = d->m_idCurrentCell;
    d->sendMessage(focus.row, focus.col, notify::LVN_ITEMCHANGED);
    if (CGridCellBase* cell = GetCell(focus.row, focus.col)) {
        cell->OnClick(pos - d->m_geometry.cellRect(focus.row, focus.col).topLeft());
    }
    const GridCellId pressed = d->m_leftClickDownCell;
    d->sendMessage(pressed.row, pressed.col, notify::NM_CLICK);
    viewport()->setCursor(Qt::ArrowCursor);
    if (d->isValid(pressed.row, pressed.col)) {
        // Posted, as the click command reaches the owner after the click has been handled.
        QMetaObject::invokeMethod(
            this, [this, id = d->m_controlId] { emit commandNotified(id, 0); }, Qt::QueuedConnection);
    }
}

void CGridCtrl::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        return;
    }
    const QPoint pos = e->position().toPoint();
    d->m_mouseMode = MouseMode::Nothing;
    if (const int col = columnDividerAt(pos); col >= 0) {
        AutoSizeColumn(col);
        return;
    }
    if (const int row = rowDividerAt(pos); row >= 0) {
        AutoSizeRow(row);
        return;
    }
    const GridCellId id = d->m_geometry.cellAt(pos);
    CGridCellBase* cell = GetCell(id.row, id.col);
    if (!cell) {
        return;
    }
    const QRect rect = d->m_geometry.cellRect(id.row, id.col);
    if (cell->GetTextRect(rect).contains(pos)) {
        EditCell(id.row, id.col, EditByMouse);
    }
    if ((cell = GetCell(id.row, id.col))) {
        cell->OnDblClick(pos - rect.topLeft());
    }
    d->sendMessage(id.row, id.col, notify::NM_DBLCLK);
}

} // namespace grid
