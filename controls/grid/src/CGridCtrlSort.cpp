// Sorting and automatic sizing of CGridCtrl.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"

#include <algorithm>
#include <numeric>

namespace grid {

bool CGridCtrl::SortItems(int col, bool ascending, const CompareFunc& compare)
{
    if (d->m_bVirtualMode || col < 0 || col >= GetColumnCount()) {
        return false;
    }
    EndEditing();
    const int first = GetFixedRowCount();
    std::vector<int> order(size_t(GetRowCount() - first));
    std::iota(order.begin(), order.end(), first);
    const CompareFunc byText = [](const CGridCellBase& a, const CGridCellBase& b) {
        return QString::compare(a.GetText(), b.GetText());
    };
    const CompareFunc& ordering = compare ? compare : byText;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int result = ordering(*d->m_rows[size_t(a)][size_t(col)], *d->m_rows[size_t(b)][size_t(col)]);
        return ascending ? result < 0 : result > 0;
    });

    std::vector<CGridCtrlPrivate::Row> sorted;
    QList<int> heights = d->m_geometry.rowHeights();
    const QList<int> oldHeights = heights;
    for (size_t i = 0; i < order.size(); ++i) {
        sorted.push_back(std::move(d->m_rows[size_t(order[i])]));
        heights[first + int(i)] = oldHeights[order[i]];
    }
    std::move(sorted.begin(), sorted.end(), d->m_rows.begin() + first);
    d->m_geometry.setRowHeights(heights);

    d->m_sortColumn = col;
    d->m_sortAscending = ascending;
    // Focus and selection travel with their cells.
    d->rebuildStateMaps();
    afterStructureChange();
    return true;
}

bool CGridCtrl::AutoSizeColumn(int col, int style)
{
    if (col < 0 || col >= GetColumnCount()) {
        return false;
    }
    style = style ? style : d->m_options.autoSizeStyle;
    const int firstRow = (style & GVS_HEADER) ? 0 : GetFixedRowCount();
    const int lastRow = (style & GVS_DATA) ? GetRowCount() - 1 : GetFixedRowCount() - 1;
    int width = 0;
    for (int row = firstRow; row <= lastRow; ++row) {
        width = std::max(width, GetCell(row, col)->GetCellExtent().width());
    }
    return width > 0 && SetColumnWidth(col, width);
}

bool CGridCtrl::AutoSizeRow(int row, int style)
{
    if (row < 0 || row >= GetRowCount()) {
        return false;
    }
    style = style ? style : d->m_options.autoSizeStyle;
    const int firstCol = (style & GVS_HEADER) ? 0 : GetFixedColumnCount();
    const int lastCol = (style & GVS_DATA) ? GetColumnCount() - 1 : GetFixedColumnCount() - 1;
    int height = 0;
    for (int col = firstCol; col <= lastCol; ++col) {
        height = std::max(height, GetCell(row, col)->GetCellExtent().height());
    }
    return height > 0 && SetRowHeight(row, height);
}

void CGridCtrl::AutoSizeColumns()
{
    for (int col = 0; col < GetColumnCount(); ++col) {
        AutoSizeColumn(col);
    }
}

void CGridCtrl::AutoSizeRows()
{
    for (int row = 0; row < GetRowCount(); ++row) {
        AutoSizeRow(row);
    }
}

void CGridCtrl::AutoSize()
{
    AutoSizeColumns();
    AutoSizeRows();
}

int CGridCtrl::GetSortColumn() const
{
    return d->m_sortColumn;
}

bool CGridCtrl::GetSortAscending() const
{
    return d->m_sortAscending;
}

} // namespace grid
