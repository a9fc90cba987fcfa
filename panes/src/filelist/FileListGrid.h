#pragma once

#include <QString>

namespace grid {
class CGridCtrl;
}

namespace panes {

// The columns of the file list.
enum FileListColumn : int {
    CheckColumn = 0,
    FileNameColumn = 1,
    FileSizeColumn = 2,
    CreationDateColumn = 3,
    OwnerPasswordColumn = 4,
    UserPasswordColumn = 5,
    FileListColumnCount = 6,
};

inline constexpr int FileListRowHeight = 18;

// Empties the grid and sets it up as the file list: editable, no drag and drop, column sizing only, white, six
// columns under a bold header row, grid lines, single-row list-mode selection, no sorting, the column widths.
// The grid's clipboard keys are off and the password columns are never copied.
void SetUpFileListGrid(grid::CGridCtrl& grid);

// The texts of the read-only columns of one entry.
struct FileRowTexts
{
    QString name;
    QString size;
    QString created;
};

// Writes a new data row: a checked check box, the texts with their column formats, empty password cells, the
// first four cells read-only, 18 pixels high. The row must exist.
void FillFileRow(grid::CGridCtrl& grid, int row, const FileRowTexts& texts);

bool IsRowChecked(const grid::CGridCtrl& grid, int row);
void SetRowChecked(grid::CGridCtrl& grid, int row, bool checked);

} // namespace panes
