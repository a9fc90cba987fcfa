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
            cells.append(IsCellSelected(row, col) && IsColumnCopyable(col) ? GetItemText(row, col) : QString());
        }
        rows.append(cells);
    }
    return GridTextTable::join(rows);
}

bool CGridCtrl::PasteTextToGrid(GridCellId topLeft, const QString& text)
{
    if (m_bVirtualMode || !m_options.editable || !isValid(topLeft.row, topLeft.col)) {
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
    m_columnCopyable[col] = copyable;
    return true;
}

bool CGridCtrl::IsColumnCopyable(int col) const
{
    return col >= 0 && col < GetColumnCount() && m_columnCopyable[col];
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
    if (!m_options.editable || m_bVirtualMode) {
        return;
    }
    OnEditCopy();
    clearCellTexts(m_selectedCells.cells());
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
            replaceSelection(selectionBetween({}, m_idCurrentCell));
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
    m_mouseMode = MouseMode::Nothing;
    if (m_selectedCells.isEmpty()) {
        return;
    }
    m_dragSourceCells = m_selectedCells.cells();
    m_dragMovedHere = false;
    auto* drag = new QDrag(this);
    drag->setMimeData(selectionMimeData());
    const Qt::DropActions actions = m_options.editable ? Qt::CopyAction | Qt::MoveAction : Qt::CopyAction;
    // A move into this grid has cleared the sources before pasting (see dropEvent).
    if (drag->exec(actions, Qt::CopyAction) == Qt::MoveAction && !m_dragMovedHere) {
        clearCellTexts(m_dragSourceCells);
    }
    m_dragSourceCells.clear();
}

bool CGridCtrl::canAcceptDrop(const QMimeData* mime) const
{
    return m_options.dragAndDrop && m_options.editable && !m_bVirtualMode && mime && mime->hasText();
}

void CGridCtrl::setDropHighlight(GridCellId id)
{
    if (id == m_dropHighlight) {
        return;
    }
    if (CGridCellBase* cell = storedCell(m_dropHighlight.row, m_dropHighlight.col)) {
        cell->SetState(cell->GetState() & ~quint32(GVIS_DROPHILITED));
        RedrawCell(m_dropHighlight.row, m_dropHighlight.col);
    }
    m_dropHighlight = id;
    if (CGridCellBase* cell = storedCell(id.row, id.col)) {
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
    const GridCellId id = m_geometry.cellAt(e->position().toPoint());
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
    const GridCellId id = m_geometry.cellAt(e->position().toPoint());
    if (!canAcceptDrop(e->mimeData()) || !canReceiveText(id.row, id.col)) {
        e->ignore();
        return;
    }
    const QString text = e->mimeData()->text();
    if (e->source() == this && e->dropAction() == Qt::MoveAction) {
        clearCellTexts(m_dragSourceCells);
        m_dragMovedHere = true;
    }
    PasteTextToGrid(id, text);
    e->acceptProposedAction();
}

} // namespace grid
