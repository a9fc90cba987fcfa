#include "grid/CGridCell.h"

#include "grid/CGridCtrl.h"
#include "grid/CGridDefaultCell.h"

#include "CGridInPlaceEdit.h"

namespace grid {

CGridCell::~CGridCell()
{
    // An editor still open over a destroyed cell must not report back to it.
    if (m_pEditWnd) {
        m_pEditWnd->Detach();
    }
}

void CGridCell::SetFont(const QFont* font)
{
    if (font) {
        m_font = *font;
    } else {
        m_font.reset();
    }
}

quint32 CGridCell::GetFormat() const
{
    if (m_nFormat != FormatUnset) {
        return m_nFormat;
    }
    const CGridDefaultCell* defaults = GetDefaultCell();
    return defaults ? defaults->GetFormat() : 0;
}

QColor CGridCell::GetTextClr() const
{
    if (m_crFgClr.isValid()) {
        return m_crFgClr;
    }
    const CGridDefaultCell* defaults = GetDefaultCell();
    return defaults ? defaults->GetTextClr() : QColor();
}

QColor CGridCell::GetBackClr() const
{
    if (m_crBkClr.isValid()) {
        return m_crBkClr;
    }
    const CGridDefaultCell* defaults = GetDefaultCell();
    return defaults ? defaults->GetBackClr() : QColor();
}

const QFont* CGridCell::GetFont() const
{
    if (m_font) {
        return &*m_font;
    }
    const CGridDefaultCell* defaults = GetDefaultCell();
    return defaults ? defaults->GetFont() : nullptr;
}

int CGridCell::GetMargin() const
{
    if (m_nMargin >= 0) {
        return m_nMargin;
    }
    const CGridDefaultCell* defaults = GetDefaultCell();
    return defaults ? defaults->GetMargin() : 0;
}

QWidget* CGridCell::GetEditWnd() const
{
    return m_pEditWnd.data();
}

void CGridCell::Reset()
{
    m_strText.clear();
    m_lParam = 0;
    m_nState = 0;
    m_nImage = -1;
    m_nFormat = FormatUnset;
    m_crFgClr = QColor();
    m_crBkClr = QColor();
    m_font.reset();
    m_nMargin = -1;
}

bool CGridCell::Edit(int row, int col, QRect rect, QPoint, int id, int nChar)
{
    return editWith(row, col, rect, id, nChar, false);
}

bool CGridCell::editWith(int row, int col, QRect rect, int id, int nChar, bool numbersOnly)
{
    if (!m_pGrid) {
        return false;
    }
    // A second editor over the same cell would be orphaned; feed the open one instead.
    if (m_bEditing) {
        if (m_pEditWnd) {
            m_pEditWnd->TypeChar(nChar);
        }
        return true;
    }
    const quint32 format = GetFormat();
    Qt::Alignment alignment = Qt::AlignLeft;
    if (format & DT_RIGHT) {
        alignment = Qt::AlignRight;
    } else if (format & DT_CENTER) {
        alignment = Qt::AlignHCenter;
    }
    m_bEditing = true;
    m_pEditWnd = new CGridInPlaceEdit(m_pGrid, rect, alignment, id, row, col, GetText(), nChar, numbersOnly);
    return true;
}

void CGridCell::EndEdit()
{
    if (m_pEditWnd) {
        m_pEditWnd->EndEdit();
    }
}

void CGridCell::OnEndEdit()
{
    m_bEditing = false;
    m_pEditWnd = nullptr;
}

} // namespace grid
