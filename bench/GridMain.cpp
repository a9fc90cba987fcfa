// marlowen-bench-grid [--rows N]
//
// The grid's cost at the file list's scale, with drawing on and the grid shown: N rows (default 100,000) of
// the file list's six columns (a check box, file name, size, date and two password cells, one of them filled)
// added one by one as the file list adds its files; selecting all rows and clearing the selection; deleting
// every other row while all rows are selected and while none is. Prints the wall-clock and processor seconds
// of each step and the ratio of the cost of the last 1,000 rows added to that of the first 1,000.
#include "grid/CGridCellCheck.h"
#include "grid/CGridCtrl.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

using namespace grid;

namespace {

constexpr int Columns = 6;
constexpr int RowHeight = 18;
constexpr int Block = 1000;
constexpr quint32 CellFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

// Wall-clock and processor seconds; the processor's are the steadier on a shared machine.
struct Cost
{
    double wall = 0;
    double cpu = 0;

    Cost& operator+=(const Cost& other)
    {
        wall += other.wall;
        cpu += other.cpu;
        return *this;
    }
};

double processSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

Cost costOf(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    const double cpuStart = processSeconds();
    work();
    return {double(timer.nsecsElapsed()) / 1e9, processSeconds() - cpuStart};
}

void report(const char* what, const Cost& cost, const QString& note = {})
{
    std::printf("%-40s %8.4f s  cpu %8.4f s  %s\n", what, cost.wall, cost.cpu, qPrintable(note));
}

std::unique_ptr<CGridCtrl> makeFileListGrid()
{
    auto grid = std::make_unique<CGridCtrl>();
    grid->SetEditable(true);
    grid->SetRowResize(false);
    grid->SetGridBkColour(QColor(255, 255, 255));
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

struct AddCost
{
    Cost total;
    Cost first;
    Cost last;
};

AddCost addRows(CGridCtrl& grid, int rows)
{
    AddCost cost;
    for (int done = 0; done < rows; done += Block) {
        const int count = std::min(Block, rows - done);
        const Cost block = costOf([&] {
            for (int i = 0; i < count; ++i) {
                addFileRow(grid, done + i);
            }
        });
        cost.total += block;
        if (done == 0) {
            cost.first = block;
        }
        cost.last = block;
    }
    return cost;
}

// Every other data row, in one call as the file list removes many rows.
void deleteEveryOtherRow(CGridCtrl& grid)
{
    QList<int> rows;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); row += 2) {
        rows.append(row);
    }
    grid.DeleteRows(rows);
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
    const AddCost add = addRows(*grid, rows);
    report("add the rows one by one", add.total, QStringLiteral("%1 rows").arg(rows));
    report("  the first 1,000", add.first);
    report("  the last 1,000", add.last,
           QStringLiteral("ratio to the first: %1 (cpu %2)")
               .arg(add.last.wall / add.first.wall, 0, 'f', 2)
               .arg(add.last.cpu / add.first.cpu, 0, 'f', 2));
    report("paint the rows shown", costOf([&] { grid->viewport()->repaint(); }));

    grid->SetSingleRowSelection(false);
    const Cost selectAll = costOf([&] { grid->SelectAllCells(); });
    report("select all", selectAll, QStringLiteral("%1 cells selected").arg(grid->GetSelectedCount()));
    report("clear the selection", costOf([&] { grid->ResetSelectedRange(); }));

    auto rowsLeft = [&grid] { return QStringLiteral("%1 rows left").arg(grid->GetRowCount() - 1); };
    grid->SelectAllCells();
    const Cost deleteSelected = costOf([&] { deleteEveryOtherRow(*grid); });
    report("delete every other row, all selected", deleteSelected, rowsLeft());

    grid = makeFileListGrid();
    addRows(*grid, rows);
    const Cost deleteUnselected = costOf([&] { deleteEveryOtherRow(*grid); });
    report("delete every other row, none selected", deleteUnselected, rowsLeft());
    return 0;
}
