// The behaviour switches and looks of CGridCtrl.
#include "grid/CGridCtrl.h"

#include "CGridCtrlPrivate.h"

namespace grid {

void CGridCtrl::SetEditable(bool on)
{
    if (on != d->m_options.editable) {
        d->m_options.editable = on;
        viewport()->update();
    }
}

bool CGridCtrl::IsEditable() const
{
    return d->m_options.editable;
}

void CGridCtrl::SetListMode(bool on)
{
    ResetSelectedRange();
    d->m_sortColumn = -1;
    d->m_options.listMode = on;
    Refresh();
}

bool CGridCtrl::GetListMode() const
{
    return d->m_options.listMode;
}

void CGridCtrl::SetSingleRowSelection(bool on)
{
    d->m_options.singleRowSelection = on;
}

bool CGridCtrl::GetSingleRowSelection() const
{
    return d->m_options.singleRowSelection;
}

void CGridCtrl::EnableSelection(bool on)
{
    ResetSelectedRange();
    d->m_options.selectionEnabled = on;
    Refresh();
}

bool CGridCtrl::IsSelectable() const
{
    return d->m_options.selectionEnabled;
}

void CGridCtrl::SetRedraw(bool on)
{
    d->m_options.drawingEnabled = on;
    if (on) {
        afterStructureChange();
    }
}

bool CGridCtrl::IsRedrawEnabled() const
{
    return d->m_options.drawingEnabled;
}

void CGridCtrl::SetRowResize(bool on)
{
    d->m_options.rowResize = on;
}

bool CGridCtrl::GetRowResize() const
{
    return d->m_options.rowResize;
}

void CGridCtrl::SetColumnResize(bool on)
{
    d->m_options.columnResize = on;
}

bool CGridCtrl::GetColumnResize() const
{
    return d->m_options.columnResize;
}

void CGridCtrl::EnableHiddenColumnSizing(bool on)
{
    d->m_options.hideColumnsBySizing = on;
}

void CGridCtrl::EnableHiddenRowSizing(bool on)
{
    d->m_options.hideRowsBySizing = on;
}

void CGridCtrl::SetHeaderSort(bool on)
{
    d->m_options.headerSort = on;
}

bool CGridCtrl::GetHeaderSort() const
{
    return d->m_options.headerSort;
}

void CGridCtrl::SetHandleTabKey(bool on)
{
    d->m_options.handleTabKey = on;
}

bool CGridCtrl::GetHandleTabKey() const
{
    return d->m_options.handleTabKey;
}

void CGridCtrl::SetTrackFocusCell(bool on)
{
    d->m_options.trackFocusCell = on;
    Refresh();
}

bool CGridCtrl::GetTrackFocusCell() const
{
    return d->m_options.trackFocusCell;
}

void CGridCtrl::SetFrameFocusCell(bool on)
{
    d->m_options.frameFocusCell = on;
    Refresh();
}

bool CGridCtrl::GetFrameFocusCell() const
{
    return d->m_options.frameFocusCell;
}

void CGridCtrl::EnableDragAndDrop(bool on)
{
    d->m_options.dragAndDrop = on;
    setAcceptDrops(on);
    viewport()->setAcceptDrops(on);
}

bool CGridCtrl::GetDragAndDrop() const
{
    return d->m_options.dragAndDrop;
}

void CGridCtrl::EnableClipboardKeys(bool on)
{
    d->m_options.clipboardKeys = on;
}

bool CGridCtrl::GetClipboardKeys() const
{
    return d->m_options.clipboardKeys;
}

void CGridCtrl::SetGridLines(int mode)
{
    d->m_options.gridLines = mode & GVL_BOTH;
    Refresh();
}

int CGridCtrl::GetGridLines() const
{
    return d->m_options.gridLines;
}

void CGridCtrl::SetAutoSizeStyle(int style)
{
    d->m_options.autoSizeStyle = style;
}

int CGridCtrl::GetAutoSizeStyle() const
{
    return d->m_options.autoSizeStyle;
}

void CGridCtrl::SetGridBkColour(const QColor& colour)
{
    d->m_options.gridBkColour = colour;
    Refresh();
}

QColor CGridCtrl::GetGridBkColour() const
{
    return d->m_options.gridBkColour.isValid() ? d->m_options.gridBkColour : palette().color(QPalette::Dark);
}

void CGridCtrl::SetGridLineColour(const QColor& colour)
{
    d->m_options.gridLineColour = colour;
    Refresh();
}

QColor CGridCtrl::GetGridLineColour() const
{
    return d->m_options.gridLineColour;
}

void CGridCtrl::SetImageList(const QList<QPixmap>& images)
{
    d->m_imageList = images;
    Refresh();
}

const QList<QPixmap>& CGridCtrl::GetImageList() const
{
    return d->m_imageList;
}

int CGridCtrl::GetWheelScrollLines() const
{
    return d->m_wheelLines;
}

} // namespace grid
