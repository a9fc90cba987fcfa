#include "filelist/FileListGrid.h"

#include <grid/CGridCellCheck.h>
#include <grid/CGridCtrl.h>

#include <algorithm>
#include <array>

namespace panes {

using namespace grid;

namespace {

constexpr quint32 CellFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr std::array<int, FileListColumnCount> ColumnWidths { 25, 144, 100, 154, 110, 100 };
constexpr std::array<const char*, FileListColumnCount> HeaderTexts { "",
    "File Name", "File Size", "Creation Date", "Owner Password", "User Password" };
constexpr std::array<quint32, FileListColumnCount> ColumnAlignments { DT_RIGHT, DT_LEFT, DT_RIGHT, DT_RIGHT, DT_LEFT,
    DT_LEFT };

} // namespace

void SetUpFileListGrid(CGridCtrl& grid)
{
    grid.DeleteAllItems();
    grid.SetEditable(true);
    grid.EnableDragAndDrop(false);
    grid.SetRowResize(false);
    grid.SetColumnResize(true);
    grid.SetGridBkColour(QColor(255, 255, 255));
    grid.SetColumnCount(FileListColumnCount);
    grid.SetFixedRowCount(1);
    grid.SetGridLines(GVL_BOTH);
    grid.SetSingleRowSelection(true);
    grid.SetListMode(true);
    grid.SetHeaderSort(false);
    // Ctrl+X is the list's Clear All Selected, and no password leaves the list through copy or drag.
    grid.EnableClipboardKeys(false);
    grid.SetColumnCopyable(OwnerPasswordColumn, false);
    grid.SetColumnCopyable(UserPasswordColumn, false);

    QFont bold;
    bold.setPixelSize(14);
    bold.setWeight(QFont::Bold);
    for (int col = 0; col < FileListColumnCount; ++col) {
        GridItem item;
        item.row = 0;
        item.col = col;
        item.mask = GVIF_TEXT | GVIF_FORMAT | GVIF_FONT;
        item.nFormat = CellFormat | DT_CENTER;
        item.lfFont = bold;
        item.strText = QString::fromLatin1(HeaderTexts[std::size_t(col)]);
        grid.SetItem(item);
        // Wide enough for its header in the bold font, which the narrow widths would cut ("Owner Pas...").
        grid.SetColumnWidth(col, std::max(ColumnWidths[std::size_t(col)], grid.GetCell(0, col)->GetCellExtent().width()));
    }
    grid.SetItemState(0, CheckColumn, grid.GetItemState(0, CheckColumn) | GVIS_READONLY);
    grid.SetRowHeight(0, FileListRowHeight);
    grid.Refresh();
}

void FillFileRow(CGridCtrl& grid, int row, const FileRowTexts& texts)
{
    grid.SetCellType<CGridCellCheck>(row, CheckColumn);
    static_cast<CGridCellCheck*>(grid.GetCell(row, CheckColumn))->SetCheck(true);
    const std::array<const QString*, FileListColumnCount> cellTexts { nullptr, &texts.name, &texts.size,
        &texts.created, nullptr, nullptr };
    for (int col = 0; col < FileListColumnCount; ++col) {
        GridItem item;
        item.row = row;
        item.col = col;
        item.mask = GVIF_TEXT | GVIF_FORMAT | GVIF_STATE;
        item.nFormat = CellFormat | ColumnAlignments[std::size_t(col)];
        item.nState = col <= CreationDateColumn ? quint32(GVIS_READONLY) : 0u;
        if (const QString* text = cellTexts[std::size_t(col)]) {
            item.strText = *text;
        }
        grid.SetItem(item);
    }
    grid.SetRowHeight(row, FileListRowHeight);
}

bool IsRowChecked(const CGridCtrl& grid, int row)
{
    const auto* cell = dynamic_cast<const CGridCellCheck*>(grid.GetCell(row, CheckColumn));
    return cell && cell->GetCheck();
}

void SetRowChecked(CGridCtrl& grid, int row, bool checked)
{
    if (auto* cell = dynamic_cast<CGridCellCheck*>(grid.GetCell(row, CheckColumn))) {
        cell->SetCheck(checked);
    }
}

} // namespace panes
