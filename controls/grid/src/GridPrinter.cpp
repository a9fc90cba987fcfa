#include "GridPrinter.h"

#include "grid/CGridCtrl.h"

#include "GridGeometry.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace grid {

QList<GridPrinter::PageRows> GridPrinter::paginate(const QList<int>& rowHeights, int firstRow, int room)
{
    QList<PageRows> pages;
    int used = 0;
    for (int row = std::max(firstRow, 0); row < rowHeights.size(); ++row) {
        const int height = rowHeights[row];
        if (pages.isEmpty() || used + height > room) {
            if (!pages.isEmpty() && used == 0) {
                // The page has only hidden rows so far; keep filling it.
                pages.last().last = row;
                used = height;
                continue;
            }
            pages.append({row, row});
            used = height;
        } else {
            pages.last().last = row;
            used += height;
        }
    }
    return pages;
}

QString GridPrinter::footerText(int page, int pageCount)
{
    return QString::asprintf("Page %d of %d", page, pageCount);
}

int GridPrinter::printRows(QPainter& painter, int firstRow, int lastRow, int top) const
{
    const GridGeometry& geometry = m_grid.Geometry();
    painter.setPen(m_grid.GetGridLineColour());
    for (int row = firstRow; row <= lastRow; ++row) {
        const int height = geometry.rowHeight(row);
        if (height == 0) {
            continue;
        }
        int left = 0;
        for (int col = 0; col < m_grid.GetColumnCount(); ++col) {
            const int width = geometry.columnWidth(col);
            if (width == 0) {
                continue;
            }
            const QRect rect(left, top, width, height);
            if (CGridCellBase* cell = m_grid.GetCell(row, col)) {
                cell->PrintCell(&painter, row, col, rect);
            }
            painter.setPen(m_grid.GetGridLineColour());
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(rect.adjusted(0, 0, -1, -1));
            left += width;
        }
        top += height;
    }
    return top;
}

bool GridPrinter::print(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const GridGeometry& geometry = m_grid.Geometry();
    const QRect page(0, 0, printer.width(), printer.height());
    const QFontMetrics footerMetrics(m_grid.font(), &printer);
    const int footerHeight = 2 * footerMetrics.height();

    // Screen pixels to printer pixels, shrunk further when the grid is wider than the page.
    double scale = double(printer.logicalDpiX()) / std::max(1, m_grid.logicalDpiX());
    if (geometry.totalWidth() * scale > page.width()) {
        scale = double(page.width()) / geometry.totalWidth();
    }
    const int room = int((page.height() - footerHeight) / scale) - geometry.fixedRowsHeight();
    QList<PageRows> pages = paginate(geometry.rowHeights(), m_grid.GetFixedRowCount(), std::max(room, 1));
    if (pages.isEmpty()) {
        pages.append({m_grid.GetFixedRowCount(), m_grid.GetFixedRowCount() - 1});
    }
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            printer.newPage();
        }
        painter.save();
        painter.scale(scale, scale);
        const int top = printRows(painter, 0, m_grid.GetFixedRowCount() - 1, 0);
        printRows(painter, pages[i].first, pages[i].last, top);
        painter.restore();
        painter.setFont(m_grid.font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(0, page.height() - footerHeight, page.width(), footerHeight), Qt::AlignCenter,
                         footerText(i + 1, int(pages.size())));
    }
    return painter.end();
}

} // namespace grid
