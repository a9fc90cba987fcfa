#include "grid/CGridCellBase.h"

#include "grid/CGridCtrl.h"
#include "grid/CGridDefaultCell.h"

#include "GridTextPainter.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace grid {

QFont CGridCellBase::GetFontObject() const
{
    if (const QFont* font = GetFont()) {
        return *font;
    }
    return GetGrid() ? GetGrid()->font() : QFont();
}

const CGridDefaultCell* CGridCellBase::GetDefaultCell() const
{
    return GetGrid() ? GetGrid()->GetDefaultCell(IsFixedRow(), IsFixedCol()) : nullptr;
}

CGridCellBase& CGridCellBase::operator=(const CGridCellBase& cell)
{
    if (this == &cell) {
        return *this;
    }
    SetGrid(cell.GetGrid());
    SetText(cell.GetText());
    SetImage(cell.GetImage());
    SetData(cell.GetData());
    SetState(cell.GetState());
    SetFormat(cell.GetFormat());
    SetTextClr(cell.GetTextClr());
    SetBackClr(cell.GetBackClr());
    SetFont(cell.IsDefaultFont() ? nullptr : cell.GetFont());
    SetMargin(cell.GetMargin());
    return *this;
}

const QPixmap* CGridCellBase::listImage() const
{
    const CGridCtrl* grid = GetGrid();
    if (!grid || GetImage() < 0 || GetImage() >= grid->GetImageList().size()) {
        return nullptr;
    }
    return &grid->GetImageList()[GetImage()];
}

bool CGridCellBase::Draw(QPainter* painter, int row, int col, QRect rect, bool eraseBkgnd)
{
    CGridCtrl* grid = GetGrid();
    if (!grid || !painter || rect.isEmpty()) {
        return false;
    }
    const QPalette& palette = grid->palette();
    QColor textColour = GetTextClr().isValid() ? GetTextClr() : palette.color(QPalette::Text);
    QColor backColour = GetBackClr().isValid() ? GetBackClr() : palette.color(QPalette::Base);
    if (IsSelected()) {
        textColour = palette.color(QPalette::HighlightedText);
        backColour = palette.color(QPalette::Highlight);
    }
    painter->save();
    if (IsSelected() || eraseBkgnd) {
        painter->fillRect(rect, backColour);
    }
    if ((IsFocused() || IsDropHighlighted()) && grid->GetFrameFocusCell()) {
        // Kept inside the grid lines that are drawn over the right and bottom edges.
        painter->setPen(textColour);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(rect.adjusted(0, 0, -2, -2));
    }
    if (IsFixed() && grid->GetGridLines() != GVL_NONE) {
        const GridCellId focus = grid->GetFocusCell();
        const bool sunken = grid->GetTrackFocusCell() && focus.IsValid() &&
                            ((IsFixedCol() && focus.row == row) || (IsFixedRow() && focus.col == col));
        drawFixedBorder(*painter, rect, sunken);
        rect.adjust(1, 1, -1, -1);
    }
    painter->setFont(GetFontObject());
    QRect textRect = GetTextRect(rect);
    if (const QPixmap* image = listImage()) {
        const QRect inner = rect.adjusted(GetMargin(), GetMargin(), -GetMargin(), -GetMargin());
        if (image->width() <= inner.width() && image->height() <= inner.height()) {
            painter->drawPixmap(inner.topLeft(), *image);
        }
    }
    if (row == 0 && IsFixedRow() && grid->GetSortColumn() == col) {
        textRect.setRight(textRect.right() - drawSortMark(*painter, textRect, grid->GetSortAscending()));
    }
    painter->setPen(textColour);
    GridTextPainter::draw(*painter, textRect, GetFormat(), GetText());
    painter->restore();
    return true;
}

void CGridCellBase::drawFixedBorder(QPainter& painter, const QRect& rect, bool sunken) const
{
    const QPalette& palette = GetGrid()->palette();
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(sunken ? QPalette::Dark : QPalette::Shadow);
    painter.setPen(sunken ? dark : light);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(sunken ? light : dark);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

int CGridCellBase::drawSortMark(QPainter& painter, const QRect& rect, bool ascending) const
{
    const int size = std::max(4, painter.fontMetrics().tightBoundingRect(QStringLiteral("M")).height() / 2);
    if (rect.width() < 2 * size) {
        return 0;
    }
    const QPalette& palette = GetGrid()->palette();
    const int left = rect.right() - size;
    const int top = rect.center().y() - size / 2;
    const QPoint apex(left + size / 2, ascending ? top : top + size);
    const int baseY = ascending ? top + size : top;
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(QPoint(left, baseY), apex);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(apex, QPoint(left + size, baseY));
    painter.drawLine(QPoint(left, baseY), QPoint(left + size, baseY));
    return size + GetMargin();
}

QRect CGridCellBase::GetTextRect(const QRect& cellRect) const
{
    // The margin applies across only: a line of text keeps the cell's whole height, as a row of the file
    // list (18 pixels) is barely taller than its font and would otherwise cut descenders and accents.
    const int margin = GetMargin();
    QRect rect = cellRect.adjusted(margin, 0, -margin, 0);
    if (const QPixmap* image = listImage()) {
        rect.setLeft(std::min(rect.left() + image->width() + margin, rect.right()));
    }
    return rect;
}

QSize CGridCellBase::GetTextExtent(const QString& text) const
{
    const QFontMetrics metrics(GetFontObject());
    const int flags = (GetFormat() & DT_SINGLELINE) ? Qt::TextSingleLine : 0;
    const QSize size = metrics.size(flags, text.isEmpty() ? QStringLiteral(" ") : text);
    return size + QSize(2 * GetMargin(), 2 * GetMargin());
}

QSize CGridCellBase::GetCellExtent() const
{
    QSize extent = GetTextExtent(GetText());
    if (const QPixmap* image = listImage()) {
        extent.rwidth() += image->width() + GetMargin();
        extent.setHeight(std::max(extent.height(), image->height() + 2 * GetMargin()));
    }
    // A fixed cell's raised border is drawn inside it, a pixel on each side: without room for it a column sized
    // to its header cut the header's last letters.
    const CGridCtrl* grid = GetGrid();
    if (IsFixed() && grid && grid->GetGridLines() != GVL_NONE) {
        extent += QSize(2, 2);
    }
    return extent;
}

bool CGridCellBase::Edit(int, int, QRect, QPoint, int, int)
{
    return false;
}

bool CGridCellBase::ValidateEdit(const QString&)
{
    return true;
}

bool CGridCellBase::PrintCell(QPainter* painter, int, int, QRect rect)
{
    if (!painter || rect.isEmpty()) {
        return false;
    }
    painter->save();
    if (GetBackClr().isValid()) {
        painter->fillRect(rect, GetBackClr());
    }
    // A pixel-sized font keeps the screen proportions under the printer's scaling.
    QFont font = GetFontObject();
    font.setPixelSize(std::max(1, QFontInfo(font).pixelSize()));
    painter->setFont(font);
    painter->setPen(GetTextClr().isValid() ? GetTextClr() : QColor(Qt::black));
    GridTextPainter::draw(*painter, GetTextRect(rect), GetFormat(), GetText());
    painter->restore();
    return true;
}

void CGridCellBase::OnClick(QPoint) {}
void CGridCellBase::OnClickDown(QPoint) {}
void CGridCellBase::OnRClick(QPoint) {}
void CGridCellBase::OnDblClick(QPoint) {}

void CGridCellBase::OnSetCursor()
{
    if (GetGrid()) {
        GetGrid()->viewport()->setCursor(Qt::ArrowCursor);
    }
}

} // namespace grid
