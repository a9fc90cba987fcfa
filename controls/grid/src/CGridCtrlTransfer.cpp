// Clipboard and drag and drop of CGridCtrl: cells travel as tab-separated text.
#include "grid/CGridCtrl.h"

#include "grid/GridTextTable.h"

#include <QClipboard>
#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QMimeData>

namespace grid {

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
            cells.append(IsCellSelected(row, col) ? GetItemText(row, col) : QString());
        }
        rows.append(cells);
    }
    return GridTextTable::join(rows);
}

bool CGridCtrl::PasteTextToGrid(GridCellId topLeft, const QString& text)
{
    if (m_bVirtualMode || !m_options.editable || !IsValid(topLeft.row, topLeft.col)) {
        return false;
    }
    bool written = false;
    const QList<QStringList> rows = GridTextTable::split(text);
    for (int i = 0; i < rows.size(); ++i) {
        for (int j = 0; j < rows[i].size(); ++j) {
            const int row = topLeft.row + i;
            const int col = topLeft.col + j;
            if (IsCellEditable(row, col)) {
                SetItemText(row, col, rows[i][j]);
                SetItemState(row, col, GetItemState(row, col) | GVIS_MODIFIED);
                written = true;
            }
        }
    }
    return written;
}

void CGridCtrl::ClearCellTexts(const QList<GridCellId>& cells)
{
    for (const GridCellId& id : cells) {
        if (IsCellEditable(id.row, id.col)) {
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
    if (!m_options.editable || m_bVirtualMode) {
        return;
    }
    OnEditCopy();
    ClearCellTexts(m_selectedCells.cells());
}

void CGridCtrl::OnEditPaste()
{
    const GridCellRange range = GetSelectedCellRange();
    const GridCellId at = m_idCurrentCell.IsValid() ? m_idCurrentCell : GridCellId{range.minRow, range.minCol};
    PasteTextToGrid(at, QGuiApplication::clipboard()->text());
}

void CGridCtrl::OnEditSelectAll()
{
    // Where keys select exactly the focus row, so does this one: a following Del acts on the row seen focused.
    if (m_options.listMode && m_options.singleRowSelection) {
        if (m_idCurrentCell.IsValid()) {
            ReplaceSelection(SelectionBetween({}, m_idCurrentCell));
        }
        return;
    }
    SelectAllCells();
}

QMimeData* CGridCtrl::SelectionMimeData() const
{
    auto* mime = new QMimeData;
    mime->setText(CopyTextFromGrid());
    return mime;
}

void CGridCtrl::StartDrag()
{
    m_mouseMode = MouseMode::Nothing;
    if (m_selectedCells.isEmpty()) {
        return;
    }
    m_dragSourceCells = m_selectedCells.cells();
    m_dragMovedHere = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(SelectionMimeData());
    const Qt::DropActions actions = m_options.editable ? Qt::CopyAction | Qt::MoveAction : Qt::CopyAction;
    // A move into this grid has cleared the sources before pasting (see dropEvent).
    if (drag->exec(actions, Qt::CopyAction) == Qt::MoveAction && !m_dragMovedHere) {
        ClearCellTexts(m_dragSourceCells);
    }
    m_dragSourceCells.clear();
}

bool CGridCtrl::CanAcceptDrop(const QMimeData* mime) const
{
    return m_options.dragAndDrop && m_options.editable && !m_bVirtualMode && mime && mime->hasText();
}

void CGridCtrl::SetDropHighlight(GridCellId id)
{
    if (id == m_dropHighlight) {
        return;
    }
    if (CGridCellBase* cell = StoredCell(m_dropHighlight.row, m_dropHighlight.col)) {
        cell->SetState(cell->GetState() & ~quint32(GVIS_DROPHILITED));
        RedrawCell(m_dropHighlight.row, m_dropHighlight.col);
    }
    m_dropHighlight = id;
    if (CGridCellBase* cell = StoredCell(id.row, id.col)) {
        cell->SetState(cell->GetState() | GVIS_DROPHILITED);
        RedrawCell(id.row, id.col);
    }
}

void CGridCtrl::dragEnterEvent(QDragEnterEvent* e)
{
    if (CanAcceptDrop(e->mimeData())) {
        e->acceptProposedAction();
    } else {
        e->ignore();
    }
}

void CGridCtrl::dragMoveEvent(QDragMoveEvent* e)
{
    const GridCellId id = m_geometry.cellAt(e->position().toPoint());
    if (CanAcceptDrop(e->mimeData()) && IsCellEditable(id.row, id.col)) {
        SetDropHighlight(id);
        e->acceptProposedAction();
    } else {
        SetDropHighlight({});
        e->ignore();
    }
}

void CGridCtrl::dragLeaveEvent(QDragLeaveEvent*)
{
    SetDropHighlight({});
}

void CGridCtrl::dropEvent(QDropEvent* e)
{
    SetDropHighlight({});
    const GridCellId id = m_geometry.cellAt(e->position().toPoint());
    if (!CanAcceptDrop(e->mimeData()) || !IsCellEditable(id.row, id.col)) {
        e->ignore();
        return;
    }
    const QString text = e->mimeData()->text();
    if (e->source() == this && e->dropAction() == Qt::MoveAction) {
        ClearCellTexts(m_dragSourceCells);
        m_dragMovedHere = true;
    }
    PasteTextToGrid(id, text);
    e->acceptProposedAction();
}

} // namespace grid
