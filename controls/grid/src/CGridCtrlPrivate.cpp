#include "CGridCtrlPrivate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace grid {

CGridCtrlPrivate::CGridCtrlPrivate(CGridCtrl* grid)
    : m_grid(grid)
    , m_cellDefault(std::make_unique<CGridDefaultCell>())
    , m_cellFixedRowDef(std::make_unique<CGridDefaultCell>())
    , m_cellFixedColDef(std::make_unique<CGridDefaultCell>())
    , m_cellFixedRowColDef(std::make_unique<CGridDefaultCell>())
    , m_virtualCell(std::make_unique<CGridCell>())
    , m_cellFactory([] { return std::make_unique<CGridCell>(); })
    , m_wheelLines(QApplication::wheelScrollLines())
{
}

// ---------------------------------------------------------------- cells

bool CGridCtrlPrivate::isValid(int row, int col) const
{
    return row >= 0 && row < m_geometry.rowCount() && col >= 0 && col < m_geometry.columnCount();
}

bool CGridCtrlPrivate::isFixed(int row, int col) const
{
    return isValid(row, col) && (row < m_geometry.fixedRowCount() || col < m_geometry.fixedColumnCount());
}

CGridCellBase* CGridCtrlPrivate::storedCell(int row, int col) const
{
    if (m_bVirtualMode || !isValid(row, col)) {
        return nullptr;
    }
    return m_rows[size_t(row)][size_t(col)].get();
}

CGridCellBase* CGridCtrlPrivate::cell(int row, int col) const
{
    if (!isValid(row, col)) {
        return nullptr;
    }
    if (m_bVirtualMode) {
        fillVirtualCell(row, col);
        return m_virtualCell.get();
    }
    return storedCell(row, col);
}

void CGridCtrlPrivate::fillVirtualCell(int row, int col) const
{
    CGridCell& cell = *m_virtualCell;
    cell.Reset();
    cell.SetGrid(m_grid);
    cell.SetCoords(row, col);
    applyFixedState(row, col, cell, false);
    quint32 state = cell.GetState();
    if (m_selectedCells.contains(row, col)) {
        state |= GVIS_SELECTED;
    }
    if (m_idCurrentCell == GridCellId{row, col}) {
        state |= GVIS_FOCUSED;
    }
    cell.SetState(state);
    const CGridDefaultCell* defaults =
        defaultCell(row < m_geometry.fixedRowCount(), col < m_geometry.fixedColumnCount());
    cell.SetFormat(defaults->GetFormat());
    cell.SetFont(defaults->GetFont());

    GV_DISPINFO info;
    info.item.row = row;
    info.item.col = col;
    info.item.mask = GVIF_TEXT;
    if (m_callback) {
        m_callback(info);
    } else {
        sendDispInfo(info, notify::LVN_GETDISPINFOA);
    }
    cell.SetText(info.item.strText);
}

CGridDefaultCell* CGridCtrlPrivate::defaultCell(bool fixedRow, bool fixedCol) const
{
    if (fixedRow && fixedCol) {
        return m_cellFixedRowColDef.get();
    }
    if (fixedRow) {
        return m_cellFixedRowDef.get();
    }
    if (fixedCol) {
        return m_cellFixedColDef.get();
    }
    return m_cellDefault.get();
}

std::unique_ptr<CGridCellBase> CGridCtrlPrivate::createCell(int row, int col) const
{
    std::unique_ptr<CGridCellBase> cell = m_cellFactory();
    cell->SetGrid(m_grid);
    cell->SetCoords(row, col);
    applyFixedState(row, col, *cell, false);
    return cell;
}

quint32 CGridCtrlPrivate::withFixedState(int row, int col, quint32 state) const
{
    state &= ~quint32(GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL);
    if (row < m_geometry.fixedRowCount()) {
        state |= GVIS_FIXED | GVIS_FIXEDROW;
    }
    if (col < m_geometry.fixedColumnCount()) {
        state |= GVIS_FIXED | GVIS_FIXEDCOL;
    }
    return state;
}

void CGridCtrlPrivate::applyFixedState(int row, int col, CGridCellBase& cell, bool resetColours) const
{
    const quint32 state = withFixedState(row, col, cell.GetState());
    if (state == cell.GetState()) {
        return;
    }
    cell.SetState(state);
    if (resetColours) {
        cell.SetTextClr(QColor());
        cell.SetBackClr(QColor());
    }
}

// ---------------------------------------------------------------- structure

void CGridCtrlPrivate::shiftCellIds(const std::function<GridCellId(GridCellId)>& move)
{
    m_idCurrentCell = move(m_idCurrentCell);
    m_selectionStartCell = move(m_selectionStartCell);
    m_dropHighlight = move(m_dropHighlight);
    m_hoverCell = move(m_hoverCell);
}

void CGridCtrlPrivate::dropCellsOutside(int rows, int cols)
{
    m_selectedCells.truncate(rows, cols);
    m_prevSelectedCells.truncate(rows, cols);
    shiftCellIds([=](GridCellId id) { return id.row < rows && id.col < cols ? id : GridCellId{}; });
}

void CGridCtrlPrivate::resizeRows(int rows)
{
    const int oldRows = m_geometry.rowCount();
    m_geometry.resizeRows(rows, m_cellDefault->GetHeight());
    if (!m_bVirtualMode) {
        m_rows.resize(size_t(rows));
        for (int row = oldRows; row < rows; ++row) {
            for (int col = 0; col < m_geometry.columnCount(); ++col) {
                m_rows[size_t(row)].push_back(createCell(row, col));
            }
        }
    }
    if (rows < oldRows) {
        dropCellsOutside(rows, m_geometry.columnCount());
    }
}

void CGridCtrlPrivate::resizeColumns(int cols)
{
    const int oldCols = m_geometry.columnCount();
    m_geometry.resizeColumns(cols, m_cellDefault->GetWidth());
    m_columnCopyable.resize(cols, true);
    if (!m_bVirtualMode) {
        for (int row = 0; row < m_geometry.rowCount(); ++row) {
            Row& cells = m_rows[size_t(row)];
            cells.resize(size_t(cols));
            for (int col = oldCols; col < cols; ++col) {
                cells[size_t(col)] = createCell(row, col);
            }
        }
    }
    if (cols < oldCols) {
        dropCellsOutside(m_geometry.rowCount(), cols);
    }
}

void CGridCtrlPrivate::insertRow(int row, const QString& heading)
{
    const bool intoFixed = row < m_geometry.fixedRowCount();
    m_geometry.insertRow(row, m_cellDefault->GetHeight());
    if (intoFixed) {
        m_geometry.setFixedRowCount(m_geometry.fixedRowCount() + 1);
    }
    if (!m_bVirtualMode) {
        Row cells;
        for (int col = 0; col < m_geometry.columnCount(); ++col) {
            cells.push_back(createCell(row, col));
        }
        if (!cells.empty()) {
            cells.front()->SetText(heading);
        }
        m_rows.insert(m_rows.begin() + row, std::move(cells));
    }
    m_selectedCells.insertRow(row);
    m_prevSelectedCells.insertRow(row);
    shiftCellIds([row](GridCellId id) { return id.IsValid() && id.row >= row ? GridCellId{id.row + 1, id.col} : id; });
}

void CGridCtrlPrivate::insertColumn(int col, const QString& heading, quint32 format)
{
    const bool intoFixed = col < m_geometry.fixedColumnCount();
    m_geometry.insertColumn(col, m_cellDefault->GetWidth());
    m_columnCopyable.insert(col, true);
    if (intoFixed) {
        m_geometry.setFixedColumnCount(m_geometry.fixedColumnCount() + 1);
    }
    if (!m_bVirtualMode) {
        for (int row = 0; row < m_geometry.rowCount(); ++row) {
            std::unique_ptr<CGridCellBase> cell = createCell(row, col);
            cell->SetFormat(format);
            if (row == 0) {
                cell->SetText(heading);
            }
            m_rows[size_t(row)].insert(m_rows[size_t(row)].begin() + col, std::move(cell));
        }
    }
    m_selectedCells.insertColumn(col);
    m_prevSelectedCells.insertColumn(col);
    shiftCellIds([col](GridCellId id) { return id.IsValid() && id.col >= col ? GridCellId{id.row, id.col + 1} : id; });
}

void CGridCtrlPrivate::removeRows(const GridRowRemoval& removal)
{
    if (!m_bVirtualMode) {
        for (int row = 0; row < removal.rowCount(); ++row) {
            if (const int to = removal.newIndex(row); to >= 0 && to != row) {
                m_rows[size_t(to)] = std::move(m_rows[size_t(row)]);
            }
        }
        m_rows.resize(size_t(removal.remainingCount()));
    }
    m_geometry.removeRows(removal);
    // Cell positions below the rows move up with them; those on them go.
    m_selectedCells.removeRows(removal);
    m_prevSelectedCells.removeRows(removal);
    shiftCellIds([&removal](GridCellId id) {
        const int row = removal.newIndex(id.row);
        return row >= 0 ? GridCellId{row, id.col} : GridCellId{};
    });
}

void CGridCtrlPrivate::removeColumn(int col)
{
    if (!m_bVirtualMode) {
        for (Row& cells : m_rows) {
            cells.erase(cells.begin() + col);
        }
    }
    m_geometry.removeColumn(col);
    m_columnCopyable.removeAt(col);
    m_selectedCells.removeColumn(col);
    m_prevSelectedCells.removeColumn(col);
    shiftCellIds([col](GridCellId id) {
        if (!id.IsValid() || id.col < col) {
            return id;
        }
        return id.col == col ? GridCellId{} : GridCellId{id.row, id.col - 1};
    });
}

void CGridCtrlPrivate::clear()
{
    m_rows.clear();
    m_geometry.resizeRows(0, 0);
    m_geometry.resizeColumns(0, 0);
    m_columnCopyable.clear();
    dropCellsOutside(0, 0);
    m_sortColumn = -1;
}

void CGridCtrlPrivate::refillCells()
{
    m_rows.clear();
    m_rows.resize(size_t(m_geometry.rowCount()));
    for (int row = 0; row < m_geometry.rowCount(); ++row) {
        for (int col = 0; col < m_geometry.columnCount(); ++col) {
            m_rows[size_t(row)].push_back(createCell(row, col));
        }
    }
}

// ---------------------------------------------------------------- selection

void CGridCtrlPrivate::setSelectedBit(GridCellId id, bool selected)
{
    if (CGridCellBase* cell = storedCell(id.row, id.col)) {
        const quint32 state = cell->GetState();
        cell->SetState(selected ? state | GVIS_SELECTED : state & ~quint32(GVIS_SELECTED));
    }
}

GridSelection CGridCtrlPrivate::selectionBetween(GridCellId from, GridCellId to) const
{
    GridSelection cells;
    if (!m_options.selectionEnabled || !to.IsValid()) {
        return cells;
    }
    if (!from.IsValid() || (m_options.listMode && m_options.singleRowSelection)) {
        from = to;
    }
    const int fixedRows = m_geometry.fixedRowCount();
    const int fixedCols = m_geometry.fixedColumnCount();
    const int firstRow = std::max(std::min(from.row, to.row), fixedRows);
    const int lastRow = std::min(std::max(from.row, to.row), m_geometry.rowCount() - 1);
    if (m_options.listMode) {
        cells.addRows(firstRow, lastRow, fixedCols, m_geometry.columnCount() - 1);
        return cells;
    }
    const int firstCol = std::max(std::min(from.col, to.col), fixedCols);
    const int lastCol = std::min(std::max(from.col, to.col), m_geometry.columnCount() - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            cells.add(row, col);
        }
    }
    return cells;
}

void CGridCtrlPrivate::rebuildStateMaps()
{
    m_selectedCells.clear();
    m_idCurrentCell = {};
    // Rows selected in every scrolling column are kept whole, as list mode selects them.
    const int rows = m_geometry.rowCount();
    const int cols = m_geometry.columnCount();
    const int firstCol = m_geometry.fixedColumnCount();
    std::vector<int> wholeRows;
    QList<int> selectedCols;
    for (int row = 0; row < rows && !m_bVirtualMode; ++row) {
        selectedCols.clear();
        for (int col = 0; col < cols; ++col) {
            const quint32 state = storedCell(row, col)->GetState();
            if (state & GVIS_SELECTED) {
                selectedCols.append(col);
            }
            if (state & GVIS_FOCUSED) {
                m_idCurrentCell = {row, col};
            }
        }
        const bool whole =
            !selectedCols.isEmpty() && selectedCols.front() == firstCol && selectedCols.size() == cols - firstCol;
        if (whole) {
            wholeRows.push_back(row);
            continue;
        }
        for (int col : std::as_const(selectedCols)) {
            m_selectedCells.add(row, col);
        }
    }
    m_selectedCells.addRows(wholeRows, firstCol, cols - 1);
    m_selectionStartCell = m_idCurrentCell;
}

// ---------------------------------------------------------------- notifications

qintptr CGridCtrlPrivate::sendMessage(int row, int col, int code) const
{
    if (!m_notifyTarget) {
        return 0;
    }
    NM_GRIDVIEW record;
    record.sender = m_grid;
    record.controlId = m_controlId;
    record.code = code;
    record.iRow = row;
    record.iColumn = col;
    return m_notifyTarget->notify(record);
}

qintptr CGridCtrlPrivate::sendDispInfo(GV_DISPINFO& info, int code) const
{
    if (!m_notifyTarget) {
        return 0;
    }
    info.sender = m_grid;
    info.controlId = m_controlId;
    info.code = code;
    return m_notifyTarget->notify(info);
}

void CGridCtrlPrivate::sendCacheHint(const GridCellRange& range) const
{
    if (!m_notifyTarget) {
        return;
    }
    GV_CACHEHINT hint;
    hint.sender = m_grid;
    hint.controlId = m_controlId;
    hint.code = notify::LVN_ODCACHEHINT;
    hint.range = range;
    m_notifyTarget->notify(hint);
}

// ---------------------------------------------------------------- painting

void CGridCtrlPrivate::drawCells(
    QPainter& painter, int firstRow, int lastRow, int firstCol, int lastCol, const QRect& dirty) const
{
    for (int row = firstRow; row <= lastRow; ++row) {
        if (m_geometry.rowHeight(row) == 0) {
            continue;
        }
        for (int col = firstCol; col <= lastCol; ++col) {
            const QRect rect = m_geometry.cellRect(row, col);
            if (rect.isEmpty() || !rect.intersects(dirty)) {
                continue;
            }
            if (CGridCellBase* cell = this->cell(row, col)) {
                cell->Draw(&painter, row, col, rect, true);
            }
        }
    }
}

void CGridCtrlPrivate::drawGridLines(QPainter& painter, const GridCellRange& visible, QSize viewport) const
{
    if (!visible.IsValid()) {
        return;
    }
    const int top = m_geometry.fixedRowsHeight();
    const int left = m_geometry.fixedColumnsWidth();
    const QRect last = m_geometry.cellRect(visible.maxRow, visible.maxCol);
    const int bottom = std::min(last.bottom(), viewport.height());
    const int right = std::min(last.right(), viewport.width());
    painter.setPen(QPen(m_options.gridLineColour, 0));
    if (m_options.gridLines & GVL_VERT) {
        for (int col = visible.minCol; col <= visible.maxCol; ++col) {
            if (m_geometry.columnWidth(col) > 0) {
                const int x = m_geometry.columnLeft(col) + m_geometry.columnWidth(col) - 1;
                painter.drawLine(x, top, x, bottom);
            }
        }
    }
    if (m_options.gridLines & GVL_HORZ) {
        for (int row = visible.minRow; row <= visible.maxRow; ++row) {
            if (m_geometry.rowHeight(row) > 0) {
                const int y = m_geometry.rowTop(row) + m_geometry.rowHeight(row) - 1;
                painter.drawLine(left, y, right, y);
            }
        }
    }
}

} // namespace grid
