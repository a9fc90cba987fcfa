// Painting and scrolling of CGridCtrl.
#include "grid/CGridCtrl.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace grid {

void CGridCtrl::paintEvent(QPaintEvent* e)
{
    if (!m_options.drawingEnabled) {
        return;
    }
    QPainter painter(viewport());
    const QRect dirty = e->rect();
    painter.fillRect(dirty, GetGridBkColor());

    const int fixedRows = GetFixedRowCount();
    const int fixedCols = GetFixedColumnCount();
    const int top = m_geometry.topRow();
    const int left = m_geometry.leftColumn();
    const int bottom = m_geometry.lastVisibleRow();
    const int right = m_geometry.lastVisibleColumn();
    if (m_bVirtualMode) {
        sendCacheHintToParent(m_geometry.visibleScrollingRange());
    }
    drawCells(painter, 0, fixedRows - 1, 0, fixedCols - 1, dirty);
    drawCells(painter, 0, fixedRows - 1, left, right, dirty);
    drawCells(painter, top, bottom, 0, fixedCols - 1, dirty);
    drawCells(painter, top, bottom, left, right, dirty);
    drawGridLines(painter, {top, left, bottom, right});
    if (m_mouseMode == MouseMode::SizingColumn || m_mouseMode == MouseMode::SizingRow) {
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(sizingLineRect(), Qt::black);
    }
    if (m_bVirtualMode) {
        sendCacheHintToParent({});
    }
}

void CGridCtrl::drawCells(QPainter& painter, int firstRow, int lastRow, int firstCol, int lastCol, const QRect& dirty)
{
    for (int row = firstRow; row <= lastRow; ++row) {
        if (m_geometry.rowHeight(row) == 0) {
            continue;
        }
        for (int col = firstCol; col <= lastCol; ++col) {
            const QRect rect = m_geometry.cellRect(row, col);
            if (rect.isEmpty() || !rect.intersects(dirty)) {
                continue;
            }
            if (CGridCellBase* cell = GetCell(row, col)) {
                cell->Draw(&painter, row, col, rect, true);
            }
        }
    }
}

void CGridCtrl::drawGridLines(QPainter& painter, const GridCellRange& visible)
{
    if (!visible.IsValid()) {
        return;
    }
    const int top = m_geometry.fixedRowsHeight();
    const int left = m_geometry.fixedColumnsWidth();
    const QRect last = m_geometry.cellRect(visible.maxRow, visible.maxCol);
    const int bottom = std::min(last.bottom(), viewport()->height());
    const int right = std::min(last.right(), viewport()->width());
    painter.setPen(QPen(m_options.gridLineColour, 0));
    if (m_options.gridLines & GVL_VERT) {
        for (int col = visible.minCol; col <= visible.maxCol; ++col) {
            if (m_geometry.columnWidth(col) > 0) {
                const int x = m_geometry.columnLeft(col) + m_geometry.columnWidth(col) - 1;
                painter.drawLine(x, top, x, bottom);
            }
        }
    }
    if (m_options.gridLines & GVL_HORZ) {
        for (int row = visible.minRow; row <= visible.maxRow; ++row) {
            if (m_geometry.rowHeight(row) > 0) {
                const int y = m_geometry.rowTop(row) + m_geometry.rowHeight(row) - 1;
                painter.drawLine(left, y, right, y);
            }
        }
    }
}

QRect CGridCtrl::sizingLineRect() const
{
    const QRect area = viewport()->rect();
    if (m_mouseMode == MouseMode::SizingColumn) {
        const int x = std::clamp(m_lastMousePoint.x(), 0, area.width() - 1);
        return {x - 1, 0, 2, area.height()};
    }
    const int y = std::clamp(m_lastMousePoint.y(), 0, area.height() - 1);
    return {0, y - 1, area.width(), 2};
}

void CGridCtrl::updateScrollBars()
{
    m_geometry.setViewportSize(viewport()->size());
    QScrollBar* vertical = verticalScrollBar();
    QScrollBar* horizontal = horizontalScrollBar();
    {
        const QSignalBlocker blockVertical(vertical);
        const QSignalBlocker blockHorizontal(horizontal);
        vertical->setRange(0, m_geometry.maxVerticalOffset());
        vertical->setPageStep(m_geometry.pageRows());
        vertical->setValue(m_geometry.verticalOffset());
        horizontal->setRange(0, m_geometry.maxHorizontalOffset());
        horizontal->setPageStep(m_geometry.pageColumns());
        horizontal->setValue(m_geometry.horizontalOffset());
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
    m_geometry.setOffsets(verticalScrollBar()->value(), horizontalScrollBar()->value());
    Refresh();
}

void CGridCtrl::scrollBy(int rows, int cols)
{
    verticalScrollBar()->setValue(verticalScrollBar()->value() + rows);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + cols);
}

void CGridCtrl::wheelEvent(QWheelEvent* e)
{
    m_wheelRemainder += e->angleDelta().y();
    const int notches = m_wheelRemainder / 120;
    m_wheelRemainder -= notches * 120;
    if (notches != 0) {
        const int rowsPerNotch = m_wheelLines < 0 ? m_geometry.pageRows() : m_wheelLines;
        scrollBy(-notches * rowsPerNotch, 0);
    }
    e->accept();
}

bool CGridCtrl::EnsureVisible(int row, int col)
{
    if (!isValid(row, col)) {
        return false;
    }
    const QPoint offsets = m_geometry.offsetsToShow(row, col);
    horizontalScrollBar()->setValue(offsets.x());
    verticalScrollBar()->setValue(offsets.y());
    return true;
}

bool CGridCtrl::IsCellVisible(int row, int col) const
{
    const QRect rect = m_geometry.cellRectOnScreen(row, col);
    return !rect.isEmpty() && QRect(QPoint(0, 0), m_geometry.viewportSize()).contains(rect);
}

void CGridCtrl::Refresh()
{
    if (m_options.drawingEnabled) {
        viewport()->update();
    }
}

bool CGridCtrl::RedrawCell(int row, int col)
{
    if (!isValid(row, col)) {
        return false;
    }
    if (m_options.drawingEnabled) {
        // Cells off the screen need no painting; finding out costs no more than the rows shown.
        if (const QRect rect = m_geometry.cellRectOnScreen(row, col); !rect.isEmpty()) {
            viewport()->update(rect);
        }
    }
    return true;
}

} // namespace grid
