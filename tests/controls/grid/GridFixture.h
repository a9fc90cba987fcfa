#pragma once

#include "RecordingTarget.h"

#include "grid/CGridCellCheck.h"
#include "grid/CGridCtrl.h"
#include "grid/CGridDefaultCell.h"

#include <QTest>

#include <memory>

// A shown grid of rows x cols with one fixed row, 30x20 cells, each data cell
// holding "r<row>c<col>", reporting to a RecordingTarget.
struct GridFixture
{
    explicit GridFixture(int rows = 6, int cols = 4, int fixedRows = 1, int fixedCols = 0)
        : grid(std::make_unique<grid::CGridCtrl>(rows, cols, fixedRows, fixedCols))
    {
        grid->SetNotifyTarget(&target, 1021);
        for (int col = 0; col < cols; ++col) {
            grid->SetColumnWidth(col, 60);
        }
        for (int row = 0; row < rows; ++row) {
            grid->SetRowHeight(row, 20);
            for (int col = 0; col < cols; ++col) {
                grid->SetItemText(row, col, QStringLiteral("r%1c%2").arg(row).arg(col));
            }
        }
        grid->resize(400, 300);
        grid->show();
        grid->activateWindow();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
    }

    // Sets the grid up as the file list does: list mode, single-row selection,
    // a check column, read-only columns 0 to 3 and editable password columns.
    void makeFileList()
    {
        grid->SetListMode(true);
        grid->SetSingleRowSelection(true);
        grid->SetRowResize(false);
        for (int row = 1; row < grid->GetRowCount(); ++row) {
            grid->SetCellType<grid::CGridCellCheck>(row, 0);
            for (int col = 0; col < 4 && col < grid->GetColumnCount(); ++col) {
                grid->SetItemState(row, col, grid->GetItemState(row, col) | grid::GVIS_READONLY);
            }
        }
    }

    QPoint centre(int row, int col) const { return grid->GetCellRect(row, col).center(); }
    QWidget* view() const { return grid->viewport(); }
    void click(int row, int col, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::mouseClick(view(), Qt::LeftButton, modifiers, centre(row, col));
    }
    grid::CGridCellCheck* checkCell(int row, int col) const
    {
        return dynamic_cast<grid::CGridCellCheck*>(grid->GetCell(row, col));
    }

    RecordingTarget target;
    std::unique_ptr<grid::CGridCtrl> grid;
};
