// Painting and scrolling of CGridCtrl.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace grid {

using MouseMode = CGridCtrlPrivate::MouseMode;

void CGridCtrl::paintEvent(QPaintEvent* e)
{
    if (!d->m_options.drawingEnabled) {
        return;
    }
    QPainter painter(viewport());
    const QRect dirty = e->rect();
    painter.fillRect(dirty, GetGridBkColour());

    const int fixedRows = GetFixedRowCount();
    const int fixedCols = GetFixedColumnCount();
    const int top = d->m_geometry.topRow();
    const int left = d->m_geometry.leftColumn();
    const int bottom = d->m_geometry.lastVisibleRow();
    const int right = d->m_geometry.lastVisibleColumn();
    if (d->m_bVirtualMode) {
        d->sendCacheHint(d->m_geometry.visibleScrollingRange());
    }
    d->drawCells(painter, 0, fixedRows - 1, 0, fixedCols - 1, dirty);
    d->drawCells(painter, 0, fixedRows - 1, left, right, dirty);
    d->drawCells(painter, top, bottom, 0, fixedCols - 1, dirty);
    d->drawCells(painter, top, bottom, left, right, dirty);
    d->drawGridLines(painter, {top, left, bottom, right}, viewport()->size());
    if (d->m_mouseMode == MouseMode::SizingColumn || d->m_mouseMode == MouseMode::SizingRow) {
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(sizingLineRect(), Qt::black);
    }
    if (d->m_bVirtualMode) {
        d->sendCacheHint({});
    }
}

QRect CGridCtrl::sizingLineRect() const
{
    const QRect area = viewport()->rect();
    if (d->m_mouseMode == MouseMode::SizingColumn) {
        const int x = std::clamp(d->m_lastMousePoint.x(), 0, area.width() - 1);
        return {x - 1, 0, 2, area.height()};
    }
    const int y = std::clamp(d->m_lastMousePoint.y(), 0, area.height() - 1);
    return {0, y - 1, area.width(), 2};
}

void CGridCtrl::updateScrollBars()
{
    d->m_geometry.setViewportSize(viewport()->size());
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    {
        const QSignalBlocker blockVertical(vertical);
        const QSignalBlocker blockHorizontal(horizontal);
        vertical->setRange(0, d->m_geometry.maxVerticalOffset());
        vertical->setPageStep(d->m_geometry.pageRows());
        vertical->setValue(d->m_geometry.verticalOffset());
        horizontal->setRange(0, d->m_geometry.maxHorizontalOffset());
        horizontal->setPageStep(d->m_geometry.pageColumns());
        horizontal->setValue(d->m_geometry.horizontalOffset());
    }
    // The scroll area shows or hides a bar when told that its range changed, which the blockers kept from it:
    // a bar shown while the grid was narrower would stay after the columns fit.
    emit vertical->rangeChanged(vertical->minimum(), vertical->maximum());
    emit horizontal->rangeChanged(horizontal->minimum(), horizontal->maximum());
}

void CGridCtrl::resizeEvent(QResizeEvent*)
{
    updateScrollBars();
}

void CGridCtrl::scrollContentsBy(int, int)
{
    EndEditing();
    d->m_geometry.setOffsets(verticalScrollBar()->value(), horizontalScrollBar()->value());
    Refresh();
}

void CGridCtrl::scrollBy(int rows, int cols)
{
    verticalScrollBar()->setValue(verticalScrollBar()->value() + rows);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cols);
}

void CGridCtrl::wheelEvent(QWheelEvent* e)
{
    d->m_wheelRemainder += e->angleDelta().y();
    const int notches = d->m_wheelRemainder / 120;
    d->m_wheelRemainder -= notches * 120;
    if (notches != 0) {
        const int rowsPerNotch = d->m_wheelLines < 0 ? d->m_geometry.pageRows() : d->m_wheelLines;
        scrollBy(-notches * rowsPerNotch, 0);
    }
    e->accept();
}

bool CGridCtrl::EnsureVisible(int row, int col)
{
    if (!d->isValid(row, col)) {
        return false;
    }
    const QPoint offsets = d->m_geometry.offsetsToShow(row, col);
    horizontalScrollBar()->setValue(offsets.x());
    verticalScrollBar()->setValue(offsets.y());
    return true;
}

bool CGridCtrl::IsCellVisible(int row, int col) const
{
    const QRect rect = d->m_geometry.cellRectOnScreen(row, col);
    return !rect.isEmpty() && QRect(QPoint(0, 0), d->m_geometry.viewportSize()).contains(rect);
}

void CGridCtrl::Refresh()
{
    if (d->m_options.drawingEnabled) {
        viewport()->update();
    }
}

bool CGridCtrl::RedrawCell(int row, int col)
{
    if (!d->isValid(row, col)) {
        return false;
    }
    if (d->m_options.drawingEnabled) {
        // Cells off the screen need no painting; finding out costs no more than the rows shown.
        if (const QRect rect = d->m_geometry.cellRectOnScreen(row, col); !rect.isEmpty()) {
            viewport()->update(rect);
        }
    }
    return true;
}

const GridGeometry& CGridCtrl::Geometry() const
{
    return d->m_geometry;
}

QRect CGridCtrl::GetCellRect(int row, int col) const
{
    return d->m_geometry.cellRect(row, col);
}

GridCellId CGridCtrl::GetCellFromPt(QPoint point) const
{
    return d->m_geometry.cellAt(point);
}

} // namespace grid
