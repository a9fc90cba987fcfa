#pragma once

#include "grid/CGridCellBase.h"
#include "grid/GridItem.h"
#include "grid/GridNotify.h"
#include "grid/GridTypes.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QPixmap>

#include <concepts>
#include <functional>
#include <memory>
#include <type_traits>

class QMimeData;
class QPrinter;

namespace grid {

class CGridCtrlPrivate;
class CGridDefaultCell;
class GridGeometry;
class GridSelection;

// A spreadsheet-like grid: rows and columns of owned cells, the first rows and
// columns optionally fixed, a focus cell and a set of selected cells, column and
// row sizing, in-place editing, sorting, clipboard, drag and drop and printing.
// It reports to its owner through controls::NotifyTarget with the list-view
// codes of grid::notify. Row and column indices count the fixed ones; every
// operation given an invalid index fails without effect.
class CGridCtrl : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Makes a new cell object of some cell class.
    using CellFactory = std::function<std::unique_ptr<CGridCellBase>()>;
    // Orders two cells of the sort column: negative, zero or positive.
    using CompareFunc = std::function<int(const CGridCellBase&, const CGridCellBase&)>;
    // Fills a display request in virtual mode instead of the owner; false leaves it unanswered.
    using DispInfoCallback = std::function<bool(GV_DISPINFO&)>;

    explicit CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0, QWidget* parent = nullptr);
    ~CGridCtrl() override;

    // The owner that receives the notifications, and the identifier they carry. A grid destroyed with its
    // owner's window notifies nobody; an owner destroyed while its grid lives on sets a null target first.
    void SetNotifyTarget(controls::NotifyTarget* target, int controlId);
    int GetDlgCtrlID() const;

    // --- Size of the table ---
    int GetRowCount() const;
    int GetColumnCount() const;
    int GetFixedRowCount() const;
    int GetFixedColumnCount() const;
    bool SetRowCount(int rows);
    // At most 65536 columns.
    bool SetColumnCount(int cols);
    bool SetFixedRowCount(int fixedRows);
    bool SetFixedColumnCount(int fixedCols);
    int GetRowHeight(int row) const;
    int GetColumnWidth(int col) const;
    bool SetRowHeight(int row, int height);
    bool SetColumnWidth(int col, int width);
    // Removes all rows and columns, the focus, the selection and the sort state.
    bool DeleteAllItems();
    // Insert before the given index, or at the end for -1; return the new index or -1.
    int InsertRow(const QString& heading, int before = -1);
    int InsertColumn(const QString& heading, quint32 format = DT_CENTER | DT_VCENTER | DT_SINGLELINE, int before = -1);
    bool DeleteRow(int row);
    // Deletes the given rows (any order, repeats allowed) in one pass over the table, where DeleteRow for
    // each would pass over it once per row: for callers that remove many rows. Focus and selection stay on
    // their cells. Fails without effect when one of the rows is invalid.
    bool DeleteRows(const QList<int>& rows);
    bool DeleteColumn(int col);

    // --- Cells ---
    // The cell object, or null; in virtual mode a shared cell refilled on every call.
    CGridCellBase* GetCell(int row, int col) const;
    // Replaces a cell with a new one of another class, keeping its properties.
    bool SetCellType(int row, int col, const CellFactory& factory);
    template <std::derived_from<CGridCellBase> Cell>
    bool SetCellType(int row, int col)
    {
        return SetCellType(row, col, [] { return std::make_unique<Cell>(); });
    }
    // The class of cells created from now on (CGridCell until changed).
    bool SetDefaultCellType(const CellFactory& factory);
    const CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol) const;
    CGridDefaultCell* GetDefaultCell(bool fixedRow, bool fixedCol);

    bool SetItem(const GridItem& item);
    bool GetItem(GridItem& item) const;
    bool SetItemText(int row, int col, const QString& text);
    QString GetItemText(int row, int col) const;
    bool SetItemData(int row, int col, quint32 value);
    quint32 GetItemData(int row, int col) const;
    bool SetItemImage(int row, int col, int image);
    int GetItemImage(int row, int col) const;
    // Keeps the selected-cells set in step with the selected bit. The fixed bits follow the fixed rows and
    // columns, whatever the state given.
    bool SetItemState(int row, int col, quint32 state);
    quint32 GetItemState(int row, int col) const;
    bool SetItemFormat(int row, int col, quint32 format);
    quint32 GetItemFormat(int row, int col) const;
    bool SetItemBkColour(int row, int col, const QColor& colour = QColor());
    QColor GetItemBkColour(int row, int col) const;
    bool SetItemFgColour(int row, int col, const QColor& colour = QColor());
    QColor GetItemFgColour(int row, int col) const;
    bool SetItemFont(int row, int col, const QFont& font);
    const QFont* GetItemFont(int row, int col) const;
    bool IsCellEditable(int row, int col) const;
    bool IsCellFixed(int row, int col) const;

    // --- Options ---
    // A grid that is not editable opens no editor and toggles no check box; its check boxes are drawn disabled.
    void SetEditable(bool on);
    bool IsEditable() const;
    // Clears the selection and the sort column.
    void SetListMode(bool on);
    bool GetListMode() const;
    void SetSingleRowSelection(bool on);
    bool GetSingleRowSelection() const;
    void EnableSelection(bool on);
    bool IsSelectable() const;
    // Drawing off: nothing is painted or invalidated until it is turned on again.
    void SetRedraw(bool on);
    bool IsRedrawEnabled() const;
    void SetRowResize(bool on);
    bool GetRowResize() const;
    void SetColumnResize(bool on);
    bool GetColumnResize() const;
    // Whether sizing by mouse may bring a column (row) down to 0, hiding it.
    void EnableHiddenColumnSizing(bool on);
    void EnableHiddenRowSizing(bool on);
    void SetHeaderSort(bool on);
    bool GetHeaderSort() const;
    void SetHandleTabKey(bool on);
    bool GetHandleTabKey() const;
    void SetTrackFocusCell(bool on);
    bool GetTrackFocusCell() const;
    void SetFrameFocusCell(bool on);
    bool GetFrameFocusCell() const;
    void EnableDragAndDrop(bool on);
    bool GetDragAndDrop() const;
    // Ctrl+C and Ctrl+Insert (copy), Ctrl+X (cut) and Ctrl+V (paste), with Shift or without; on by default.
    // Off, the grid leaves these keys to its parent (the file list gives Ctrl+X a command of its own); the
    // OnEdit operations stay.
    void EnableClipboardKeys(bool on);
    bool GetClipboardKeys() const;
    void SetGridLines(int mode);
    int GetGridLines() const;
    void SetAutoSizeStyle(int style);
    int GetAutoSizeStyle() const;
    // Colour of the area outside the cells; an invalid colour means the palette's button shadow.
    void SetGridBkColour(const QColor& colour);
    QColor GetGridBkColour() const;
    void SetGridLineColour(const QColor& colour);
    QColor GetGridLineColour() const;
    void SetImageList(const QList<QPixmap>& images);
    const QList<QPixmap>& GetImageList() const;
    // Rows scrolled per wheel notch; -1 scrolls a page.
    int GetWheelScrollLines() const;

    // --- Focus and selection ---
    GridCellId GetFocusCell() const;
    // Moves the keyboard focus cell; fixed or invalid cells clear it.
    void SetFocusCell(int row, int col);
    GridCellRange GetSelectedCellRange() const;
    bool IsCellSelected(int row, int col) const;
    int GetSelectedCount() const;
    // Selects exactly the scrolling cells of range (whole rows in list mode).
    void SetSelectedRange(const GridCellRange& range);
    void SelectAllCells();
    void ResetSelectedRange();
    bool EnsureVisible(int row, int col);
    bool IsCellVisible(int row, int col) const;
    void Refresh();
    bool RedrawCell(int row, int col);

    // --- Geometry ---
    // Sizes and scroll position, for the grid's own parts and its tests (the class lies with the sources).
    const GridGeometry& Geometry() const;
    QRect GetCellRect(int row, int col) const;
    GridCellId GetCellFromPt(QPoint point) const;

    // --- Editing ---
    // Starts an in-place edit of an editable cell; nChar as for CGridCellBase::Edit.
    bool EditCell(int row, int col, int nChar);
    // Ends an open edit as losing the focus would; an editor that held the focus gives it to the grid. Every
    // change of the table (rows, sorting, scrolling) ends an edit this way.
    void EndEditing();
    // Called by the in-place editor when it ends; item.lParam carries the ending key.
    void OnEndInPlaceEdit(GV_DISPINFO& info);

    // --- Sorting and sizing ---
    // Stable sort of the scrolling rows by one column; null compare orders by text.
    bool SortItems(int col, bool ascending, const CompareFunc& compare = {});
    bool SortTextItems(int col, bool ascending) { return SortItems(col, ascending); }
    int GetSortColumn() const;
    bool GetSortAscending() const;
    bool AutoSizeColumn(int col, int style = 0);
    bool AutoSizeRow(int row, int style = 0);
    void AutoSizeColumns();
    void AutoSizeRows();
    void AutoSize();

    // --- Clipboard and drag and drop ---
    // A column that is not copyable (for secrets such as passwords) is left out of copy, cut and drag, its
    // cells as empty fields, and paste and drop do not write it. Columns are copyable until set otherwise;
    // the setting moves with its column.
    bool SetColumnCopyable(int col, bool copyable);
    bool IsColumnCopyable(int col) const;
    // The selected cells' texts as tab-separated lines (cells of the bounding range that are not selected, and
    // those of columns that are not copyable, are empty).
    QString CopyTextFromGrid() const;
    // Writes tab-separated text from a cell on, skipping read-only and fixed cells and columns that are not
    // copyable; false when nothing could be written.
    bool PasteTextToGrid(GridCellId topLeft, const QString& text);
    void OnEditCopy();
    void OnEditCut();
    void OnEditPaste();
    // Ctrl+A: selects every scrolling cell; with single-row selection in list mode, the focus row alone.
    void OnEditSelectAll();

    // --- Virtual mode ---
    // Cells are not stored; each is asked from the callback or the owner when needed.
    void SetVirtualMode(bool on);
    bool GetVirtualMode() const;
    void SetCallbackFunc(const DispInfoCallback& callback);

    // --- Printing ---
    // Prints every row, the fixed rows repeated on each page, with a "Page %d of %d" footer.
    bool Print(QPrinter& printer);

signals:
    // Queued after a left click on a valid cell: the control identifier and notification code 0.
    void commandNotified(int controlId, int notifyCode);

protected:
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // Model
    // Applies change to a stored cell and repaints it; fails in virtual mode and for invalid cells.
    bool changeCell(int row, int col, const std::function<void(CGridCellBase&)>& change);
    // A property of the cell at (row, col), or fallback when there is no such cell.
    template <typename Value>
    Value readCell(int row, int col, Value (CGridCellBase::*get)() const, std::type_identity_t<Value> fallback) const
    {
        const CGridCellBase* cell = GetCell(row, col);
        return cell ? (cell->*get)() : fallback;
    }
    void updateFixedStates();
    void afterStructureChange();

    // Focus and selection
    void setCellSelected(int row, int col, bool selected);
    void replaceSelection(GridSelection wanted);
    void selectFromAnchor(GridCellId to, bool keepPrevious);
    void toggleSelection(GridCellId cell);
    void moveFocus(GridCellId to, bool extend);

    // Painting and scrolling
    void updateScrollBars();
    void scrollBy(int rows, int cols);
    QRect sizingLineRect() const;

    // Mouse
    void pressCell(GridCellId cell, QPoint pos, Qt::KeyboardModifiers modifiers);
    void selectPressedCell(GridCellId cell, Qt::KeyboardModifiers modifiers);
    void pressFixedCell(GridCellId cell);
    void finishSizing(QPoint pos);
    void finishClick(QPoint pos);
    void dragSelectTo(QPoint pos);
    void autoScrollTowards(QPoint pos);
    void updateCursor(QPoint pos);
    // Tells cells when the mouse enters, moves over and leaves them.
    void trackHover(GridCellId id);
    int columnDividerAt(QPoint pos) const;
    int rowDividerAt(QPoint pos) const;

    // Keyboard
    bool moveFocusByKey(int key, Qt::KeyboardModifiers modifiers);
    GridCellId nextCell(int key, Qt::KeyboardModifiers modifiers) const;
    int nextVisibleRow(int from, int step) const;
    int nextVisibleColumn(int from, int step) const;
    bool handleClipboardKey(const QKeyEvent& e);
    static int editCharForKey(const QKeyEvent& e);

    // Clipboard and drag and drop
    // Editable and copyable: a cell that paste, drop and cut may write.
    bool canReceiveText(int row, int col) const;
    void clearCellTexts(const QList<GridCellId>& cells);
    QMimeData* selectionMimeData() const;
    void startDrag();
    void setDropHighlight(GridCellId cell);
    bool canAcceptDrop(const QMimeData* mime) const;

    const std::unique_ptr<CGridCtrlPrivate> d;
};

} // namespace grid
