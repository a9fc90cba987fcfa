// marlowen-bench-grid [--rows N]
//
// The grid's cost at the file list's scale, with drawing on and the grid shown: N rows (default 100,000) of
// the file list's six columns (a check box, file name, size, date and two password cells, one of them filled)
// added one by one as the file list adds its files; selecting all rows and clearing the selection; deleting
// every other row while all rows are selected and while none is. Prints seconds and the ratio of the cost of
// the last 1,000 rows added to that of the first 1,000.
#include "grid/CGridCellCheck.h"
#include "grid/CGridCtrl.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace grid;

namespace {

constexpr int Columns = 6;
constexpr int RowHeight = 18;
constexpr int Block = 1000;
constexpr quint32 CellFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

double secondsOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e9;
}

std::unique_ptr<CGridCtrl> makeFileListGrid()
{
    auto grid = std::make_unique<CGridCtrl>();
    grid->SetEditable(true);
    grid->SetRowResize(false);
    grid->SetGridBkColor(QColor(255, 255, 255));
    grid->SetColumnCount(Columns);
    grid->SetFixedRowCount(1);
    grid->SetListMode(true);
    grid->SetSingleRowSelection(true);
    const int widths[Columns] = {25, 144, 100, 154, 110, 100};
    for (int col = 0; col < Columns; ++col) {
        grid->SetColumnWidth(col, widths[col]);
    }
    grid->SetRowHeight(0, RowHeight);
    grid->resize(660, 400);
    grid->show();
    QApplication::processEvents();
    return grid;
}

// One file row as the file list writes it: grow by a row, a checked box, the texts and formats, read-only
// cells 0 to 3, the row height.
void addFileRow(CGridCtrl& grid, int index)
{
    const int row = grid.GetRowCount();
    grid.SetRowCount(row + 1);
    grid.SetCellType<CGridCellCheck>(row, 0);
    static_cast<CGridCellCheck*>(grid.GetCell(row, 0))->SetCheck(true);
    const QString texts[Columns] = {QString(),
                                    QStringLiteral("file %1.txt").arg(index),
                                    QStringLiteral("%1 KB").arg(index % 997),
                                    QStringLiteral("12:00:00 06/30/2022"),
                                    QStringLiteral("secret"),
                                    QString()};
    for (int col = 0; col < Columns; ++col) {
        grid.SetItemText(row, col, texts[col]);
        grid.SetItemFormat(row, col, CellFormat | (col == 0 || col == 2 ? DT_RIGHT : DT_LEFT));
        if (col < 4) {
            grid.SetItemState(row, col, grid.GetItemState(row, col) | GVIS_READONLY);
        }
    }
    grid.SetRowHeight(row, RowHeight);
}

struct AddTimes
{
    double total = 0;
    double first = 0;
    double last = 0;
};

AddTimes addRows(CGridCtrl& grid, int rows)
{
    AddTimes times;
    for (int done = 0; done < rows; done += Block) {
        const int count = std::min(Block, rows - done);
        const double seconds = secondsOf([&] {
            for (int i = 0; i < count; ++i) {
                addFileRow(grid, done + i);
            }
        });
        times.total += seconds;
        if (done == 0) {
            times.first = seconds;
        }
        times.last = seconds;
    }
    return times;
}

// Every other data row, from the bottom up so that the indices of the rows still to go do not move.
void deleteEveryOtherRow(CGridCtrl& grid)
{
    for (int row = grid.GetRowCount() - 1; row >= grid.GetFixedRowCount(); row -= 2) {
        grid.DeleteRow(row);
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    int rows = 100000;
    const QStringList args = QApplication::arguments();
    if (const qsizetype at = args.indexOf(QStringLiteral("--rows")); at >= 0 && at + 1 < args.size()) {
        rows = args[at + 1].toInt();
    }
    if (rows < Block) {
        std::fprintf(stderr, "usage: marlowen-bench-grid [--rows N], N at least %d\n", Block);
        return 2;
    }

    std::unique_ptr<CGridCtrl> grid = makeFileListGrid();
    const AddTimes add = addRows(*grid, rows);
    const double paint = secondsOf([&] { grid->viewport()->repaint(); });
    std::printf("add %d rows one by one: %.3f s (first %d: %.4f s, last %d: %.4f s, ratio %.2f)\n", rows, add.total,
                Block, add.first, Block, add.last, add.last / add.first);
    std::printf("paint the shown rows: %.4f s\n", paint);

    grid->SetSingleRowSelection(false);
    const double selectAll = secondsOf([&] { grid->SelectAllCells(); });
    std::printf("select all: %.4f s (%d cells selected)\n", selectAll, grid->GetSelectedCount());
    const double clear = secondsOf([&] { grid->ResetSelectedRange(); });
    std::printf("clear the selection: %.4f s\n", clear);

    grid->SelectAllCells();
    const double deleteSelected = secondsOf([&] { deleteEveryOtherRow(*grid); });
    std::printf("delete every other row, all selected: %.3f s (%d rows left)\n", deleteSelected,
                grid->GetRowCount() - 1);

    grid = makeFileListGrid();
    addRows(*grid, rows);
    const double deleteUnselected = secondsOf([&] { deleteEveryOtherRow(*grid); });
    std::printf("delete every other row, none selected: %.3f s (%d rows left)\n", deleteUnselected,
                grid->GetRowCount() - 1);
    return 0;
}
