#include "grid/CGridCtrl.h"

#include "grid/CGridCell.h"
#include "grid/CGridDefaultCell.h"
#include "grid/GridPrinter.h"

#include <QApplication>
#include <QScrollBar>

#include <algorithm>

namespace grid {

CGridCtrl::CGridCtrl(int rows, int cols, int fixedRows, int fixedCols, QWidget* parent)
    : QAbstractScrollArea(parent)
    , m_cellDefault(std::make_unique<CGridDefaultCell>())
    , m_cellFixedRowDef(std::make_unique<CGridDefaultCell>())
    , m_cellFixedColDef(std::make_unique<CGridDefaultCell>())
    , m_cellFixedRowColDef(std::make_unique<CGridDefaultCell>())
    , m_virtualCell(std::make_unique<CGridCell>())
    , m_cellFactory([] { return std::make_unique<CGridCell>(); })
    , m_wheelLines(QApplication::wheelScrollLines())
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);

    const QFont cellFont = font();
    for (CGridDefaultCell* cell :
         {m_cellDefault.get(), m_cellFixedRowDef.get(), m_cellFixedColDef.get(), m_cellFixedRowColDef.get()}) {
        cell->SetGrid(this);
        cell->SetFont(&cellFont);
        const bool fixed = cell != m_cellDefault.get();
        cell->SetTextClr(palette().color(fixed ? QPalette::ButtonText : QPalette::Text));
        cell->SetBackClr(palette().color(fixed ? QPalette::Button : QPalette::Base));
    }
    m_virtualCell->SetGrid(this);

    SetRowCount(rows);
    SetColumnCount(cols);
    SetFixedRowCount(fixedRows);
    SetFixedColumnCount(fixedCols);
}

CGridCtrl::~CGridCtrl()
{
    // The grid goes with its owner's window: an edit it ends now reaches no owner, which may be gone already.
    m_notifyTarget = nullptr;
    EndEditing();
}

void CGridCtrl::SetNotifyTarget(controls::NotifyTarget* target, int controlId)
{
    m_notifyTarget = target;
    m_controlId = controlId;
}

// ---------------------------------------------------------------- cells

bool CGridCtrl::isValid(int row, int col) const
{
    return row >= 0 && row < GetRowCount() && col >= 0 && col < GetColumnCount();
}

bool CGridCtrl::IsCellFixed(int row, int col) const
{
    return isValid(row, col) && (row < GetFixedRowCount() || col < GetFixedColumnCount());
}

CGridCellBase* CGridCtrl::storedCell(int row, int col) const
{
    if (m_bVirtualMode || !isValid(row, col)) {
        return nullptr;
    }
    return m_rows[size_t(row)][size_t(col)].get();
}

CGridCellBase* CGridCtrl::GetCell(int row, int col) const
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

void CGridCtrl::fillVirtualCell(int row, int col) const
{
    CGridCell& cell = *m_virtualCell;
    cell.Reset();
    cell.SetGrid(const_cast<CGridCtrl*>(this));
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
    const CGridDefaultCell* defaults = GetDefaultCell(row < GetFixedRowCount(), col < GetFixedColumnCount());
    cell.SetFormat(defaults->GetFormat());
    cell.SetFont(defaults->GetFont());

    GV_DISPINFO info;
    info.item.row = row;
    info.item.col = col;
    info.item.mask = GVIF_TEXT;
    if (m_callback) {
        m_callback(info);
    } else {
        sendDispInfoToParent(info, notify::LVN_GETDISPINFOA);
    }
    cell.SetText(info.item.strText);
}

std::unique_ptr<CGridCellBase> CGridCtrl::createCell(int row, int col) const
{
    std::unique_ptr<CGridCellBase> cell = m_cellFactory();
    cell->SetGrid(const_cast<CGridCtrl*>(this));
    cell->SetCoords(row, col);
    applyFixedState(row, col, *cell, false);
    return cell;
}

quint32 CGridCtrl::withFixedState(int row, int col, quint32 state) const
{
    state &= ~quint32(GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL);
    if (row < GetFixedRowCount()) {
        state |= GVIS_FIXED | GVIS_FIXEDROW;
    }
    if (col < GetFixedColumnCount()) {
        state |= GVIS_FIXED | GVIS_FIXEDCOL;
    }
    return state;
}

void CGridCtrl::applyFixedState(int row, int col, CGridCellBase& cell, bool resetColours) const
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

void CGridCtrl::updateFixedStates()
{
    if (!m_bVirtualMode) {
        for (int row = 0; row < GetRowCount(); ++row) {
            for (int col = 0; col < GetColumnCount(); ++col) {
                applyFixedState(row, col, *storedCell(row, col), true);
            }
        }
    }
    // Fixed cells hold neither the focus nor a selection.
    if (IsCellFixed(m_idCurrentCell.row, m_idCurrentCell.col)) {
        SetFocusCell(-1, -1);
    }
    for (const GridCellId& cell : m_selectedCells.cells()) {
        if (IsCellFixed(cell.row, cell.col)) {
            setCellSelected(cell.row, cell.col, false);
        }
    }
}

bool CGridCtrl::changeCell(int row, int col, const std::function<void(CGridCellBase&)>& change)
{
    CGridCellBase* cell = storedCell(row, col);
    if (!cell) {
        return false;
    }
    change(*cell);
    RedrawCell(row, col);
    return true;
}

bool CGridCtrl::SetCellType(int row, int col, const CellFactory& factory)
{
    CGridCellBase* old = storedCell(row, col);
    if (!old || !factory) {
        return false;
    }
    std::unique_ptr<CGridCellBase> cell = factory();
    if (!cell) {
        return false;
    }
    if (old->IsEditing()) {
        EndEditing();
    }
    *cell = *old;
    cell->SetCoords(row, col);
    m_rows[size_t(row)][size_t(col)] = std::move(cell);
    RedrawCell(row, col);
    return true;
}

bool CGridCtrl::SetDefaultCellType(const CellFactory& factory)
{
    if (!factory) {
        return false;
    }
    m_cellFactory = factory;
    return true;
}

const CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol) const
{
    return const_cast<CGridCtrl*>(this)->GetDefaultCell(fixedRow, fixedCol);
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(bool fixedRow, bool fixedCol)
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

// ---------------------------------------------------------------- size of the table

void CGridCtrl::afterStructureChange()
{
    updateScrollBars();
    Refresh();
}

void CGridCtrl::shiftCellIds(const std::function<GridCellId(GridCellId)>& move)
{
    m_idCurrentCell = move(m_idCurrentCell);
    m_selectionStartCell = move(m_selectionStartCell);
    m_dropHighlight = move(m_dropHighlight);
    m_hoverCell = move(m_hoverCell);
}

void CGridCtrl::dropCellsOutside(int rows, int cols)
{
    m_selectedCells.truncate(rows, cols);
    m_prevSelectedCells.truncate(rows, cols);
    shiftCellIds([=](GridCellId id) { return id.row < rows && id.col < cols ? id : GridCellId{}; });
}

bool CGridCtrl::SetRowCount(int rows)
{
    if (rows < 0) {
        return false;
    }
    if (rows == GetRowCount()) {
        return true;
    }
    EndEditing();
    const int oldRows = GetRowCount();
    m_geometry.resizeRows(rows, m_cellDefault->GetHeight());
    if (!m_bVirtualMode) {
        m_rows.resize(size_t(rows));
        for (int row = oldRows; row < rows; ++row) {
            for (int col = 0; col < GetColumnCount(); ++col) {
                m_rows[size_t(row)].push_back(createCell(row, col));
            }
        }
    }
    if (rows < oldRows) {
        dropCellsOutside(rows, GetColumnCount());
    }
    afterStructureChange();
    return true;
}

bool CGridCtrl::SetColumnCount(int cols)
{
    if (cols < 0 || cols > GridSelection::MaxColumns) {
        return false;
    }
    if (cols == GetColumnCount()) {
        return true;
    }
    EndEditing();
    const int oldCols = GetColumnCount();
    m_geometry.resizeColumns(cols, m_cellDefault->GetWidth());
    m_columnCopyable.resize(cols, true);
    if (!m_bVirtualMode) {
        for (int row = 0; row < GetRowCount(); ++row) {
            Row& cells = m_rows[size_t(row)];
            cells.resize(size_t(cols));
            for (int col = oldCols; col < cols; ++col) {
                cells[size_t(col)] = createCell(row, col);
            }
        }
    }
    if (cols < oldCols) {
        dropCellsOutside(GetRowCount(), cols);
    }
    afterStructureChange();
    return true;
}

bool CGridCtrl::SetFixedRowCount(int fixedRows)
{
    if (fixedRows < 0 || (fixedRows > GetRowCount() && !SetRowCount(fixedRows))) {
        return false;
    }
    m_geometry.setFixedRowCount(fixedRows);
    updateFixedStates();
    afterStructureChange();
    return true;
}

bool CGridCtrl::SetFixedColumnCount(int fixedCols)
{
    if (fixedCols < 0 || (fixedCols > GetColumnCount() && !SetColumnCount(fixedCols))) {
        return false;
    }
    m_geometry.setFixedColumnCount(fixedCols);
    updateFixedStates();
    afterStructureChange();
    return true;
}

int CGridCtrl::GetRowHeight(int row) const
{
    return row >= 0 && row < GetRowCount() ? m_geometry.rowHeight(row) : -1;
}

int CGridCtrl::GetColumnWidth(int col) const
{
    return col >= 0 && col < GetColumnCount() ? m_geometry.columnWidth(col) : -1;
}

bool CGridCtrl::SetRowHeight(int row, int height)
{
    if (row < 0 || row >= GetRowCount() || height < 0) {
        return false;
    }
    m_geometry.setRowHeight(row, height);
    afterStructureChange();
    return true;
}

bool CGridCtrl::SetColumnWidth(int col, int width)
{
    if (col < 0 || col >= GetColumnCount() || width < 0) {
        return false;
    }
    m_geometry.setColumnWidth(col, width);
    afterStructureChange();
    return true;
}

bool CGridCtrl::DeleteAllItems()
{
    EndEditing();
    m_rows.clear();
    m_geometry.resizeRows(0, 0);
    m_geometry.resizeColumns(0, 0);
    m_columnCopyable.clear();
    dropCellsOutside(0, 0);
    m_sortColumn = -1;
    afterStructureChange();
    return true;
}

int CGridCtrl::InsertRow(const QString& heading, int before)
{
    if (before < -1 || before > GetRowCount()) {
        return -1;
    }
    EndEditing();
    const int row = before < 0 ? GetRowCount() : before;
    const bool intoFixed = row < GetFixedRowCount();
    m_geometry.insertRow(row, m_cellDefault->GetHeight());
    if (intoFixed) {
        m_geometry.setFixedRowCount(GetFixedRowCount() + 1);
    }
    if (!m_bVirtualMode) {
        Row cells;
        for (int col = 0; col < GetColumnCount(); ++col) {
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
    afterStructureChange();
    return row;
}

int CGridCtrl::InsertColumn(const QString& heading, quint32 format, int before)
{
    if (before < -1 || before > GetColumnCount() || GetColumnCount() >= GridSelection::MaxColumns) {
        return -1;
    }
    EndEditing();
    const int col = before < 0 ? GetColumnCount() : before;
    const bool intoFixed = col < GetFixedColumnCount();
    m_geometry.insertColumn(col, m_cellDefault->GetWidth());
    m_columnCopyable.insert(col, true);
    if (intoFixed) {
        m_geometry.setFixedColumnCount(GetFixedColumnCount() + 1);
    }
    if (!m_bVirtualMode) {
        for (int row = 0; row < GetRowCount(); ++row) {
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
    afterStructureChange();
    return col;
}

bool CGridCtrl::DeleteRow(int row)
{
    return DeleteRows({row});
}

bool CGridCtrl::DeleteRows(const QList<int>& rows)
{
    if (std::any_of(rows.begin(), rows.end(), [this](int row) { return row < 0 || row >= GetRowCount(); })) {
        return false;
    }
    if (rows.isEmpty()) {
        return true;
    }
    EndEditing();
    const GridRowRemoval removal(GetRowCount(), rows);
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
    afterStructureChange();
    return true;
}

bool CGridCtrl::DeleteColumn(int col)
{
    if (col < 0 || col >= GetColumnCount()) {
        return false;
    }
    EndEditing();
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
    afterStructureChange();
    return true;
}

// ---------------------------------------------------------------- items

bool CGridCtrl::SetItem(const GridItem& item)
{
    CGridCellBase* cell = storedCell(item.row, item.col);
    if (!cell) {
        return false;
    }
    if (item.mask & GVIF_TEXT) {
        cell->SetText(item.strText);
    }
    if (item.mask & GVIF_PARAM) {
        cell->SetData(item.lParam);
    }
    if (item.mask & GVIF_IMAGE) {
        cell->SetImage(item.iImage);
    }
    if (item.mask & GVIF_STATE) {
        SetItemState(item.row, item.col, item.nState);
    }
    if (item.mask & GVIF_FORMAT) {
        cell->SetFormat(item.nFormat);
    }
    if (item.mask & GVIF_BKCLR) {
        cell->SetBackClr(item.crBkClr);
    }
    if (item.mask & GVIF_FGCLR) {
        cell->SetTextClr(item.crFgClr);
    }
    if (item.mask & GVIF_FONT) {
        cell->SetFont(&item.lfFont);
    }
    if (item.mask & GVIF_MARGIN) {
        cell->SetMargin(int(item.nMargin));
    }
    RedrawCell(item.row, item.col);
    return true;
}

bool CGridCtrl::GetItem(GridItem& item) const
{
    const CGridCellBase* cell = GetCell(item.row, item.col);
    if (!cell) {
        return false;
    }
    if (item.mask & GVIF_TEXT) {
        item.strText = cell->GetText();
    }
    if (item.mask & GVIF_PARAM) {
        item.lParam = cell->GetData();
    }
    if (item.mask & GVIF_IMAGE) {
        item.iImage = cell->GetImage();
    }
    if (item.mask & GVIF_STATE) {
        item.nState = cell->GetState();
    }
    if (item.mask & GVIF_FORMAT) {
        item.nFormat = cell->GetFormat();
    }
    if (item.mask & GVIF_BKCLR) {
        item.crBkClr = cell->GetBackClr();
    }
    if (item.mask & GVIF_FGCLR) {
        item.crFgClr = cell->GetTextClr();
    }
    if ((item.mask & GVIF_FONT) && cell->GetFont()) {
        item.lfFont = *cell->GetFont();
    }
    if (item.mask & GVIF_MARGIN) {
        item.nMargin = quint32(cell->GetMargin());
    }
    return true;
}

bool CGridCtrl::SetItemText(int row, int col, const QString& text)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetText(text); });
}

QString CGridCtrl::GetItemText(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetText, QString());
}

bool CGridCtrl::SetItemData(int row, int col, quint32 value)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetData(value); });
}

quint32 CGridCtrl::GetItemData(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetData, 0);
}

bool CGridCtrl::SetItemImage(int row, int col, int image)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetImage(image); });
}

int CGridCtrl::GetItemImage(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetImage, -1);
}

bool CGridCtrl::SetItemState(int row, int col, quint32 state)
{
    if (!isValid(row, col)) {
        return false;
    }
    if (CGridCellBase* cell = storedCell(row, col)) {
        cell->SetState(withFixedState(row, col, state));
    }
    if (state & GVIS_SELECTED) {
        m_selectedCells.add(row, col);
    } else {
        m_selectedCells.remove(row, col);
    }
    RedrawCell(row, col);
    return true;
}

quint32 CGridCtrl::GetItemState(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetState, 0);
}

bool CGridCtrl::SetItemFormat(int row, int col, quint32 format)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetFormat(format); });
}

quint32 CGridCtrl::GetItemFormat(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetFormat, 0);
}

bool CGridCtrl::SetItemBkColour(int row, int col, const QColor& colour)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetBackClr(colour); });
}

QColor CGridCtrl::GetItemBkColour(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetBackClr, QColor());
}

bool CGridCtrl::SetItemFgColour(int row, int col, const QColor& colour)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetTextClr(colour); });
}

QColor CGridCtrl::GetItemFgColour(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetTextClr, QColor());
}

bool CGridCtrl::SetItemFont(int row, int col, const QFont& font)
{
    return changeCell(row, col, [&](CGridCellBase& cell) { cell.SetFont(&font); });
}

const QFont* CGridCtrl::GetItemFont(int row, int col) const
{
    return readCell(row, col, &CGridCellBase::GetFont, nullptr);
}

bool CGridCtrl::IsCellEditable(int row, int col) const
{
    if (!m_options.editable || !isValid(row, col) || IsCellFixed(row, col)) {
        return false;
    }
    const CGridCellBase* cell = GetCell(row, col);
    return cell && !cell->IsReadOnly();
}

// ---------------------------------------------------------------- options

void CGridCtrl::SetEditable(bool on)
{
    if (on != m_options.editable) {
        m_options.editable = on;
        viewport()->update();
    }
}

void CGridCtrl::SetListMode(bool on)
{
    ResetSelectedRange();
    m_sortColumn = -1;
    m_options.listMode = on;
    Refresh();
}

void CGridCtrl::EnableSelection(bool on)
{
    ResetSelectedRange();
    m_options.selectionEnabled = on;
    Refresh();
}

void CGridCtrl::SetRedraw(bool on)
{
    m_options.drawingEnabled = on;
    if (on) {
        afterStructureChange();
    }
}

void CGridCtrl::SetTrackFocusCell(bool on)
{
    m_options.trackFocusCell = on;
    Refresh();
}

void CGridCtrl::SetFrameFocusCell(bool on)
{
    m_options.frameFocusCell = on;
    Refresh();
}

void CGridCtrl::EnableDragAndDrop(bool on)
{
    m_options.dragAndDrop = on;
    setAcceptDrops(on);
    viewport()->setAcceptDrops(on);
}

void CGridCtrl::SetGridLines(int mode)
{
    m_options.gridLines = mode & GVL_BOTH;
    Refresh();
}

void CGridCtrl::SetGridBkColor(const QColor& colour)
{
    m_options.gridBkColour = colour;
    Refresh();
}

QColor CGridCtrl::GetGridBkColor() const
{
    return m_options.gridBkColour.isValid() ? m_options.gridBkColour : palette().color(QPalette::Dark);
}

void CGridCtrl::SetGridLineColor(const QColor& colour)
{
    m_options.gridLineColour = colour;
    Refresh();
}

void CGridCtrl::SetImageList(const QList<QPixmap>& images)
{
    m_imageList = images;
    Refresh();
}

// ---------------------------------------------------------------- virtual mode and notifications

void CGridCtrl::SetVirtualMode(bool on)
{
    if (on == m_bVirtualMode) {
        return;
    }
    EndEditing();
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    m_bVirtualMode = on;
    m_sortColumn = -1;
    m_rows.clear();
    if (!on) {
        // Back to stored cells: every position gets a fresh cell.
        m_rows.resize(size_t(GetRowCount()));
        for (int row = 0; row < GetRowCount(); ++row) {
            for (int col = 0; col < GetColumnCount(); ++col) {
                m_rows[size_t(row)].push_back(createCell(row, col));
            }
        }
    }
    Refresh();
}

qintptr CGridCtrl::sendMessageToParent(int row, int col, int code) const
{
    if (!m_notifyTarget) {
        return 0;
    }
    NM_GRIDVIEW record;
    record.sender = const_cast<CGridCtrl*>(this);
    record.controlId = m_controlId;
    record.code = code;
    record.iRow = row;
    record.iColumn = col;
    return m_notifyTarget->notify(record);
}

qintptr CGridCtrl::sendDispInfoToParent(GV_DISPINFO& info, int code) const
{
    if (!m_notifyTarget) {
        return 0;
    }
    info.sender = const_cast<CGridCtrl*>(this);
    info.controlId = m_controlId;
    info.code = code;
    return m_notifyTarget->notify(info);
}

void CGridCtrl::sendCacheHintToParent(const GridCellRange& range) const
{
    if (!m_notifyTarget) {
        return;
    }
    GV_CACHEHINT hint;
    hint.sender = const_cast<CGridCtrl*>(this);
    hint.controlId = m_controlId;
    hint.code = notify::LVN_ODCACHEHINT;
    hint.range = range;
    m_notifyTarget->notify(hint);
}

bool CGridCtrl::Print(QPrinter& printer)
{
    EndEditing();
    return GridPrinter(*this).print(printer);
}

} // namespace grid
