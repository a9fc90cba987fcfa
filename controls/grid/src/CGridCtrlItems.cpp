// The cells' properties through CGridCtrl: whole items and single fields.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"

namespace grid {

bool CGridCtrl::SetItem(const GridItem& item)
{
    CGridCellBase* cell = d->storedCell(item.row, item.col);
    if (!cell) {
        return false;
    }
    if (item.mask & GVIF_TEXT) {
        cell->SetText(item.strText);
    }
    if (item.mask & GVIF_PARAM) {
        cell->SetData(item.lParam);
    }
    if (item.mask & GVIF_IMAGE) {
        cell->SetImage(item.iImage);
    }
    if (item.mask & GVIF_STATE) {
        SetItemState(item.row, item.col, item.nState);
    }
    if (item.mask & GVIF_FORMAT) {
        cell->SetFormat(item.nFormat);
    }
    if (item.mask & GVIF_BKCLR) {
        cell->SetBackClr(item.crBkClr);
    }
    if (item.mask & GVIF_FGCLR) {
        cell->SetTextClr(item.crFgClr);
    }
    if (item.mask & GVIF_FONT) {
        cell->SetFont(&item.lfFont);
    }
    if (item.mask & GVIF_MARGIN) {
        cell->SetMargin(int(item.nMargin));
    }
    RedrawCell(item.row, item.col);
    return true;
}

bool CGridCtrl::GetItem(GridItem& item) const
{
    const CGridCellBase* cell = GetCell(item.row, item.col);
    if (!cell) {
        return false;
    }
    if (item.mask & GVIF_TEXT) {
        item.strText = cell->GetText();
    }
    if (item.mask & GVIF_PARAM) {
        item.lParam = cell->GetData();
    }
    if (item.mask & GVIF_IMAGE) {
        item.iImage = cell->GetImage();
    }
    if (item.mask & GVIF_STATE) {
        item.nState = cell->GetState();
    }
    if (item.mask & GVIF_FORMAT) {
        item.nFormat = cell->GetFormat();
    }
    if (item.mask & GVIF_BKCLR) {
        item.crBkClr = cell->GetBackClr();
    }
    if (item.mask & GVIF_FGCLR) {
        item.crFgClr = cell->GetTextClr();
    }
    if ((item.mask & GVIF_FONT) && cell->GetFont()) {
        item.lfFont = *cell->GetFont();
    }
    if (item.mask & GVIF_MARGIN) {
        item.nMargin = quint32(cell->GetMargin());
    }
    return true;
}

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetText(text); });
}

QString CGridCtrl::GetItemText(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetText, QString());
}

bool CGridCtrl::SetItemData(int row, int col, quint32 value)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetData(value); });
}

quint32 CGridCtrl::GetItemData(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetData, 0);
}

bool CGridCtrl::SetItemImage(int row, int col, int image)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetImage(image); });
}

int CGridCtrl::GetItemImage(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetImage, -1);
}

bool CGridCtrl::SetItemState(int row, int col, quint32 state)
{
    if (!d->isValid(row, col)) {
        return false;
    }
    if (CGridCellBase* cell = d->storedCell(row, col)) {
        cell->SetState(d->withFixedState(row, col, state));
    }
    if (state & GVIS_SELECTED) {
        d->m_selectedCells.add(row, col);
    } else {
        d->m_selectedCells.remove(row, col);
    }
    RedrawCell(row, col);
    return true;
}

quint32 CGridCtrl::GetItemState(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetState, 0);
}

bool CGridCtrl::SetItemFormat(int row, int col, quint32 format)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetFormat(format); });
}

quint32 CGridCtrl::GetItemFormat(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetFormat, 0);
}

bool CGridCtrl::SetItemBkColour(int row, int col, const QColor& colour)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetBackClr(colour); });
}

QColor CGridCtrl::GetItemBkColour(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetBackClr, QColor());
}

bool CGridCtrl::SetItemFgColour(int row, int col, const QColor& colour)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetTextClr(colour); });
}

QColor CGridCtrl::GetItemFgColour(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetTextClr, QColor());
}

bool CGridCtrl::SetItemFont(int row, int col, const QFont& font)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetFont(&font); });
}

const QFont* CGridCtrl::GetItemFont(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetFont, nullptr);
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    if (!d->m_options.editable || !d->isValid(row, col) || IsCellFixed(row, col)) {
        return false;
    }
    const CGridCellBase* cell = GetCell(row, col);
    return cell && !cell->IsReadOnly();
}

} // namespace grid
