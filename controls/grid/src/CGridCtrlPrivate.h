#pragma once

#include "grid/CGridCell.h"
#include "grid/CGridCtrl.h"
#include "grid/CGridDefaultCell.h"

#include "GridGeometry.h"
#include "GridOptions.h"
#include "GridSelection.h"

#include <QBasicTimer>
#include <QList>
#include <QPixmap>

#include <memory>
#include <vector>

class QPainter;

namespace grid {

// What a CGridCtrl holds behind its window: the cells, their sizes and scroll position, the focus and the
// selection, the options, and the work on them that needs no window: making and placing cells, following
// insertions and removals, working out the cells a selection spans, telling the owner, and painting cells.
// Only the grid's own sources see it.
class CGridCtrlPrivate
{
public:
    enum class MouseMode {
        Nothing,
        SelectingCells,
        SelectingRows,
        SelectingColumns,
        OverColumnDivide,
        SizingColumn,
        OverRowDivide,
        SizingRow,
        PrepareEdit,
        PrepareDrag,
    };
    using Row = std::vector<std::unique_ptr<CGridCellBase>>;

    explicit CGridCtrlPrivate(CGridCtrl* grid);

    // Cells
    bool isValid(int row, int col) const;
    bool isFixed(int row, int col) const;
    // The stored cell; none in virtual mode and for invalid indices.
    CGridCellBase* storedCell(int row, int col) const;
    // The stored cell, or in virtual mode the shared cell filled for (row, col).
    CGridCellBase* cell(int row, int col) const;
    CGridDefaultCell* defaultCell(bool fixedRow, bool fixedCol) const;
    std::unique_ptr<CGridCellBase> createCell(int row, int col) const;
    // state with the fixed bits of the place (row, col).
    quint32 withFixedState(int row, int col, quint32 state) const;
    void applyFixedState(int row, int col, CGridCellBase& cell, bool resetColours) const;

    // Structure: the stored cells, the sizes, the selection and the remembered cells follow each change.
    void resizeRows(int rows);
    void resizeColumns(int cols);
    void insertRow(int row, const QString& heading);
    void insertColumn(int col, const QString& heading, quint32 format);
    void removeRows(const GridRowRemoval& removal);
    void removeColumn(int col);
    void clear();
    // Gives every position a fresh stored cell.
    void refillCells();

    // Selection
    // The cell's selected bit alone; the selected-cells set is the caller's.
    void setSelectedBit(GridCellId id, bool selected);
    // The cells a selection from one cell to another covers under the options.
    GridSelection selectionBetween(GridCellId from, GridCellId to) const;
    // Focus and selection read back from the cells' state bits, after the cells moved.
    void rebuildStateMaps();

    // Notifications to the owner; 0 without one.
    qintptr sendMessage(int row, int col, int code) const;
    qintptr sendDispInfo(GV_DISPINFO& info, int code) const;
    void sendCacheHint(const GridCellRange& range) const;

    // Painting: the cells of rows firstRow to lastRow and columns firstCol to lastCol that meet dirty, and the
    // grid lines of the visible scrolling cells, clipped to the viewport.
    void drawCells(QPainter& painter, int firstRow, int lastRow, int firstCol, int lastCol, const QRect& dirty) const;
    void drawGridLines(QPainter& painter, const GridCellRange& visible, QSize viewport) const;

    CGridCtrl* const m_grid;
    GridGeometry m_geometry;
    std::vector<Row> m_rows;
    std::unique_ptr<CGridDefaultCell> m_cellDefault;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedColDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowColDef;
    std::unique_ptr<CGridCell> m_virtualCell;
    CGridCtrl::CellFactory m_cellFactory;

    GridCellId m_idCurrentCell;
    GridCellId m_selectionStartCell;
    GridSelection m_selectedCells;
    GridSelection m_prevSelectedCells;

    GridOptions m_options;
    QList<QPixmap> m_imageList;
    QList<bool> m_columnCopyable;
    int m_sortColumn = -1;
    bool m_sortAscending = true;
    bool m_bVirtualMode = false;
    CGridCtrl::DispInfoCallback m_callback;
    int m_wheelLines = 3;
    int m_wheelRemainder = 0;

    controls::NotifyTarget* m_notifyTarget = nullptr;
    int m_controlId = 0;

    MouseMode m_mouseMode = MouseMode::Nothing;
    GridCellId m_leftClickDownCell;
    QPoint m_leftClickDownPoint;
    QPoint m_lastMousePoint;
    int m_sizingIndex = -1;
    QBasicTimer m_autoScrollTimer;
    GridCellId m_dropHighlight;
    GridCellId m_hoverCell;
    QList<GridCellId> m_dragSourceCells;
    bool m_dragMovedHere = false;

private:
    void shiftCellIds(const std::function<GridCellId(GridCellId)>& move);
    void dropCellsOutside(int rows, int cols);
    void fillVirtualCell(int row, int col) const;
};

} // namespace grid
