// Clipboard and drag and drop of CGridCtrl: cells travel as tab-separated text.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"
#include "GridTextTable.h"

#include <QClipboard>
#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>

namespace grid {

using MouseMode = CGridCtrlPrivate::MouseMode;

QString CGridCtrl::CopyTextFromGrid() const
{
    const GridCellRange range = GetSelectedCellRange();
    if (!range.IsValid()) {
        return {};
    }
    QList<QStringList> rows;
    for (int row = range.minRow; row <= range.maxRow; ++row) {
        QStringList cells;
        for (int col = range.minCol; col <= range.maxCol; ++col) {
            cells.append(IsCellSelected(row, col) && IsColumnCopyable(col) ? GetItemText(row, col) : QString());
        }
        rows.append(cells);
    }
    return GridTextTable::join(rows);
}

bool CGridCtrl::PasteTextToGrid(GridCellId topLeft, const QString& text)
{
    if (d->m_bVirtualMode || !d->m_options.editable || !d->isValid(topLeft.row, topLeft.col)) {
        return false;
    }
    bool written = false;
    const QList<QStringList> rows = GridTextTable::split(text);
    for (int i = 0; i < rows.size(); ++i) {
        for (int j = 0; j < rows[i].size(); ++j) {
            const int row = topLeft.row + i;
            const int col = topLeft.col + j;
            if (canReceiveText(row, col)) {
                SetItemText(row, col, rows[i][j]);
                SetItemState(row, col, GetItemState(row, col) | GVIS_MODIFIED);
                written = true;
            }
        }
    }
    return written;
}

bool CGridCtrl::SetColumnCopyable(int col, bool copyable)
{
    if (col < 0 || col >= GetColumnCount()) {
        return false;
    }
    d->m_columnCopyable[col] = copyable;
    return true;
}

bool CGridCtrl::IsColumnCopyable(int col) const
{
    return col >= 0 && col < GetColumnCount() && d->m_columnCopyable[col];
}

bool CGridCtrl::canReceiveText(int row, int col) const
{
    return IsCellEditable(row, col) && IsColumnCopyable(col);
}

void CGridCtrl::clearCellTexts(const QList<GridCellId>& cells)
{
    for (const GridCellId& id : cells) {
        if (canReceiveText(id.row, id.col)) {
            SetItemText(id.row, id.col, QString());
            SetItemState(id.row, id.col, GetItemState(id.row, id.col) | GVIS_MODIFIED);
        }
    }
}

void CGridCtrl::OnEditCopy()
{
    const QString text = CopyTextFromGrid();
    if (!text.isEmpty()) {
        QGuiApplication::clipboard()->setText(text);
    }
}

void CGridCtrl::OnEditCut()
{
    if (!d->m_options.editable || d->m_bVirtualMode) {
        return;
    }
    OnEditCopy();
    clearCellTexts(d->m_selectedCells.cells());
}

void CGridCtrl::OnEditPaste()
{
    const GridCellRange range = GetSelectedCellRange();
    const GridCellId at = d->m_idCurrentCell.IsValid() ? d->m_idCurrentCell : GridCellId{range.minRow, range.minCol};
    PasteTextToGrid(at, QGuiApplication::clipboard()->text());
}

void CGridCtrl::OnEditSelectAll()
{
    // Where keys select exactly the focus row, so does this one: a following Del acts on the row seen focused.
    if (d->m_options.listMode && d->m_options.singleRowSelection) {
        if (d->m_idCurrentCell.IsValid()) {
            replaceSelection(d->selectionBetween({}, d->m_idCurrentCell));
        }
        return;
    }
    SelectAllCells();
}

QMimeData* CGridCtrl::selectionMimeData() const
{
    auto* mime = new QMimeData;
    mime->setText(CopyTextFromGrid());
    return mime;
}

void CGridCtrl::startDrag()
{
    d->m_mouseMode = MouseMode::Nothing;
    if (d->m_selectedCells.isEmpty()) {
        return;
    }
    d->m_dragSourceCells = d->m_selectedCells.cells();
    d->m_dragMovedHere = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(selectionMimeData());
    const Qt::DropActions actions = d->m_options.editable ? Qt::CopyAction | Qt::MoveAction : Qt::CopyAction;
    // A move into this grid has cleared the sources before pasting (see dropEvent).
    if (drag->exec(actions, Qt::CopyAction) == Qt::MoveAction && !d->m_dragMovedHere) {
        clearCellTexts(d->m_dragSourceCells);
    }
    d->m_dragSourceCells.clear();
}

bool CGridCtrl::canAcceptDrop(const QMimeData* mime) const
{
    return d->m_options.dragAndDrop && d->m_options.editable && !d->m_bVirtualMode && mime && mime->hasText();
}

void CGridCtrl::setDropHighlight(GridCellId id)
{
    if (id == d->m_dropHighlight) {
        return;
    }
    if (CGridCellBase* cell = d->storedCell(d->m_dropHighlight.row, d->m_dropHighlight.col)) {
        cell->SetState(cell->GetState() & ~quint32(GVIS_DROPHILITED));
        RedrawCell(d->m_dropHighlight.row, d->m_dropHighlight.col);
    }
    d->m_dropHighlight = id;
    if (CGridCellBase* cell = d->storedCell(id.row, id.col)) {
        cell->SetState(cell->GetState() | GVIS_DROPHILITED);
        RedrawCell(id.row, id.col);
    }
}

void CGridCtrl::dragEnterEvent(QDragEnterEvent* e)
{
    if (canAcceptDrop(e->mimeData())) {
        e->acceptProposedAction();
    } else {
        e->ignore();
    }
}

void CGridCtrl::dragMoveEvent(QDragMoveEvent* e)
{
    const GridCellId id = d->m_geometry.cellAt(e->position().toPoint());
    if (canAcceptDrop(e->mimeData()) && canReceiveText(id.row, id.col)) {
        setDropHighlight(id);
        e->acceptProposedAction();
    } else {
        setDropHighlight({});
        e->ignore();
    }
}

void CGridCtrl::dragLeaveEvent(QDragLeaveEvent*)
{
    setDropHighlight({});
}

void CGridCtrl::dropEvent(QDropEvent* e)
{
    setDropHighlight({});
    const GridCellId id = d->m_geometry.cellAt(e->position().toPoint());
    if (!canAcceptDrop(e->mimeData()) || !canReceiveText(id.row, id.col)) {
        e->ignore();
        return;
    }
    const QString text = e->mimeData()->text();
    if (e->source() == this && e->dropAction() == Qt::MoveAction) {
        clearCellTexts(d->m_dragSourceCells);
        d->m_dragMovedHere = true;
    }
    PasteTextToGrid(id, text);
    e->acceptProposedAction();
}

} // namespace grid
