#include "grid/CGridCellCheck.h"

#include "grid/CGridCtrl.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace grid {

bool CGridCellCheck::SetCheck(bool checked)
{
    const bool previous = m_bChecked;
    m_bChecked = checked;
    if (GetGrid() && !m_rect.isEmpty() && previous != checked) {
        GetGrid()->viewport()->update(m_rect);
    }
    return previous;
}

int CGridCellCheck::boxSide() const
{
    // The width of a scroll-bar arrow, as the box is sized on the original platform.
    const QWidget* widget = GetGrid();
    return widget ? widget->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, widget) : 16;
}

QRect CGridCellCheck::GetCheckPlacement(const QRect& cellRect) const
{
    const int side = boxSide();
    const int margin = GetMargin();
    QRect box(cellRect.left() + margin, cellRect.top() + margin, side, side);
    if (cellRect.height() < side + 2 * margin) {
        box.moveTop(cellRect.top() + (cellRect.height() - side) / 2);
    }
    return box;
}

void CGridCellCheck::drawBox(QPainter& painter, const QRect& cellRect) const
{
    QStyleOptionButton option;
    option.rect = GetCheckPlacement(cellRect);
    option.state = m_bChecked ? QStyle::State_On : QStyle::State_Off;
    if (const CGridCtrl* widget = GetGrid()) {
        if (widget->IsEditable()) {
            option.state |= QStyle::State_Enabled;
        }
        option.palette = widget->palette();
        if (IsSelected()) { // the box takes the row's selection colours, as the cell's text does
            option.palette.setColor(QPalette::Base, option.palette.color(QPalette::Highlight));
            option.palette.setColor(QPalette::Text, option.palette.color(QPalette::HighlightedText));
            option.palette.setColor(QPalette::WindowText, option.palette.color(QPalette::HighlightedText));
        }
        widget->style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter, widget);
    }
}

bool CGridCellCheck::Draw(QPainter* painter, int row, int col, QRect rect, bool eraseBkgnd)
{
    if (!CGridCell::Draw(painter, row, col, rect, eraseBkgnd)) {
        return false;
    }
    m_rect = rect;
    drawBox(*painter, rect);
    return true;
}

bool CGridCellCheck::PrintCell(QPainter* painter, int row, int col, QRect rect)
{
    if (!CGridCell::PrintCell(painter, row, col, rect)) {
        return false;
    }
    drawBox(*painter, rect);
    return true;
}

QRect CGridCellCheck::GetTextRect(const QRect& cellRect) const
{
    QRect rect = CGridCell::GetTextRect(cellRect);
    rect.setLeft(std::min(rect.left() + boxSide() + 2 * GetMargin(), rect.right()));
    return rect;
}

QSize CGridCellCheck::GetCellExtent() const
{
    const int side = boxSide() + 2 * GetMargin();
    const QSize extent = CGridCell::GetCellExtent();
    return {extent.width() + side, std::max(extent.height(), side)};
}

void CGridCellCheck::OnClick(QPoint pointInCell)
{
    const CGridCtrl* grid = GetGrid();
    if ((!grid || grid->IsEditable()) && GetCheckPlacement(QRect(QPoint(0, 0), m_rect.size())).contains(pointInCell)) {
        SetCheck(!m_bChecked);
    }
}

} // namespace grid
