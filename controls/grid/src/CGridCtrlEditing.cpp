// In-place editing of CGridCtrl.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"
#include "CGridInPlaceEdit.h"
#include "GridKeys.h"

namespace grid {

bool CGridCtrl::EditCell(int row, int col, int nChar)
{
    if (!IsCellEditable(row, col)) {
        return false;
    }
    EnsureVisible(row, col);
    if (d->sendMessage(row, col, notify::LVN_BEGINLABELEDITA) < 0) {
        return false;
    }
    CGridCellBase* cell = GetCell(row, col);
    return cell && cell->Edit(row, col, d->m_geometry.cellRect(row, col), QPoint(), InPlaceControlId, nChar);
}

void CGridCtrl::EndEditing()
{
    for (CGridInPlaceEdit* editor : viewport()->findChildren<CGridInPlaceEdit*>(Qt::FindDirectChildrenOnly)) {
        editor->EndEdit();
    }
}

void CGridCtrl::OnEndInPlaceEdit(GV_DISPINFO& info)
{
    const int row = info.item.row;
    const int col = info.item.col;
    const int key = int(info.item.lParam);
    CGridCellBase* cell = GetCell(row, col);
    if (!cell) {
        return;
    }
    const QString oldText = cell->GetText();
    const QString newText = info.item.strText;
    if (newText != oldText) {
        cell->SetText(newText);
        GV_DISPINFO notice;
        notice.item = info.item;
        const bool accepted =
            cell->ValidateEdit(newText) && d->sendDispInfo(notice, notify::LVN_ENDLABELEDITA) >= 0;
        // The owner may have been asked in virtual mode; fetch the cell again.
        cell = GetCell(row, col);
        if (accepted) {
            SetItemState(row, col, cell->GetState() | GVIS_MODIFIED);
        } else {
            cell->SetText(oldText);
        }
        RedrawCell(row, col);
    }
    cell->OnEndEdit();
    if (isFocusMoveKey(key)) {
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
        if (moveFocusByKey(key, modifiers)) {
            EditCell(d->m_idCurrentCell.row, d->m_idCurrentCell.col, key);
        }
    }
}

} // namespace grid
