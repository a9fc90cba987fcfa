#pragma once

#include <QList>
#include <QString>

class QPainter;
class QPrinter;

namespace grid {

class CGridCtrl;

// Prints a grid: the fixed rows at the top of every page, the scrolling rows
// spread over as many pages as they need, scaled down when the grid is wider
// than the page, and the footer "Page %d of %d" at the bottom of each page.
class GridPrinter
{
public:
    // The rows [first, last] of each page.
    struct PageRows
    {
        int first;
        int last;
    };

    explicit GridPrinter(CGridCtrl& grid) : m_grid(grid) {}

    // Splits the rows from firstRow on into pages of at most room pixels; a row
    // taller than the room gets a page of its own. No rows give no pages.
    static QList<PageRows> paginate(const QList<int>& rowHeights, int firstRow, int room);
    static QString footerText(int page, int pageCount);

    // False when the printer cannot be opened.
    bool print(QPrinter& printer) const;

private:
    int printRows(QPainter& painter, int firstRow, int lastRow, int top) const;

    CGridCtrl& m_grid;
};

} // namespace grid
