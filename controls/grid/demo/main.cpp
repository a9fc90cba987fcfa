// A grid set up as the file list sets up its own: a check-box column, six
// columns with the file list's widths, a bold centred header and editable
// password columns.
#include "grid/CGridCellCheck.h"
#include "grid/CGridCtrl.h"

#include <QApplication>
#include <QStringList>

#include <array>

using namespace grid;

namespace {

constexpr quint32 CellFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

struct DemoFile
{
    const char* name;
    const char* size;
    const char* created;
};

void setUpHeader(CGridCtrl& grid)
{
    const std::array<const char*, 6> headers{"", "File Name", "File Size", "Creation Date", "Owner Password",
                                             "User Password"};
    const std::array<int, 6> widths{25, 144, 100, 154, 110, 100};
    QFont bold = grid.font();
    bold.setPixelSize(14);
    bold.setBold(true);
    for (int col = 0; col < 6; ++col) {
        grid.SetItemText(0, col, QString::fromLatin1(headers[size_t(col)]));
        grid.SetItemFormat(0, col, CellFormat | DT_CENTER);
        grid.SetItemFont(0, col, bold);
        grid.SetColumnWidth(col, widths[size_t(col)]);
    }
    grid.SetItemState(0, 0, grid.GetItemState(0, 0) | GVIS_READONLY);
    grid.SetRowHeight(0, 18);
}

void addFile(CGridCtrl& grid, const DemoFile& file)
{
    const int row = grid.GetRowCount();
    grid.SetRowCount(row + 1);
    grid.SetCellType<CGridCellCheck>(row, 0);
    static_cast<CGridCellCheck*>(grid.GetCell(row, 0))->SetCheck(true);
    const std::array<QString, 6> texts{QString(), QString::fromLatin1(file.name), QString::fromLatin1(file.size),
                                       QString::fromLatin1(file.created), QString(), QString()};
    for (int col = 0; col < 6; ++col) {
        grid.SetItemText(row, col, texts[size_t(col)]);
        grid.SetItemFormat(row, col, CellFormat | (col == 0 || col == 2 ? DT_RIGHT : DT_LEFT));
        if (col < 4) {
            grid.SetItemState(row, col, grid.GetItemState(row, col) | GVIS_READONLY);
        }
    }
    grid.SetRowHeight(row, 18);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    CGridCtrl grid;
    grid.setWindowTitle(QStringLiteral("Grid demo"));
    grid.DeleteAllItems();
    grid.SetEditable(true);
    grid.EnableDragAndDrop(false);
    grid.SetRowResize(false);
    grid.SetColumnResize(true);
    grid.SetGridBkColour(QColor(255, 255, 255));
    grid.SetColumnCount(6);
    grid.SetFixedRowCount(1);
    grid.SetGridLines(GVL_BOTH);
    grid.SetSingleRowSelection(true);
    grid.SetListMode(true);
    grid.SetHeaderSort(false);
    setUpHeader(grid);
    const std::array<DemoFile, 4> files{{{"readme.txt", "1.2 KB", "09:15:02 03/14/2024"},
                                         {"chapter one.txt", "48.7 KB", "17:40:51 11/02/2023"},
                                         {"notes.txt", "512 Bytes", "08:01:30 01/09/2025"},
                                         {"a rather long file name for the column.txt", "2.3 MB",
                                          "12:00:00 06/30/2022"}}};
    for (const DemoFile& file : files) {
        addFile(grid, file);
    }
    grid.resize(660, 300);
    grid.show();
    // "--screenshot <file>" saves the grid as an image and quits.
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--screenshot")); at >= 0 && at + 1 < args.size()) {
        grid.SetFocusCell(2, 4);
        grid.SetSelectedRange({2, 0, 2, 5});
        return grid.grab().save(args[at + 1]) ? 0 : 1;
    }
    return app.exec();
}
