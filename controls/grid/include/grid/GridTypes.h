#pragma once

#include <QtGlobal>

namespace grid {

// A cell position; (-1, -1) means "no cell".
struct GridCellId
{
    int row = -1;
    int col = -1;

    bool IsValid() const { return row >= 0 && col >= 0; }
    friend bool operator==(const GridCellId&, const GridCellId&) = default;
};

// An inclusive rectangle of cells; (-1, -1, -1, -1) means "no cells".
struct GridCellRange
{
    int minRow = -1;
    int minCol = -1;
    int maxRow = -1;
    int maxCol = -1;

    bool IsValid() const { return minRow >= 0 && minCol >= 0 && maxRow >= minRow && maxCol >= minCol; }
    bool InRange(int row, int col) const
    {
        return IsValid() && row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    int RowSpan() const { return IsValid() ? maxRow - minRow + 1 : 0; }
    int ColSpan() const { return IsValid() ? maxCol - minCol + 1 : 0; }
    friend bool operator==(const GridCellRange&, const GridCellRange&) = default;
};

// Cell state bits; every cell keeps a word of these.
enum GridItemState : quint32 {
    GVIS_FOCUSED = 0x01,
    GVIS_SELECTED = 0x02,
    GVIS_DROPHILITED = 0x04,
    GVIS_READONLY = 0x08,
    GVIS_FIXED = 0x10,
    GVIS_FIXEDROW = 0x20,
    GVIS_FIXEDCOL = 0x40,
    GVIS_MODIFIED = 0x80,
};

// Which fields of a GridItem are meant.
enum GridItemMask : quint32 {
    GVIF_TEXT = 0x01,
    GVIF_IMAGE = 0x02,
    GVIF_PARAM = 0x04,
    GVIF_STATE = 0x08,
    GVIF_BKCLR = 0x10,
    GVIF_FGCLR = 0x20,
    GVIF_FORMAT = 0x40,
    GVIF_FONT = 0x80,
    GVIF_MARGIN = 0x100,
};

// Text-drawing flags of a cell's format word. The values are those of the
// classic text-drawing call so that formats keep their meaning when stored.
enum GridTextFormat : quint32 {
    DT_LEFT = 0x0000,
    DT_CENTER = 0x0001,
    DT_RIGHT = 0x0002,
    DT_VCENTER = 0x0004,
    DT_BOTTOM = 0x0008,
    DT_WORDBREAK = 0x0010,
    DT_SINGLELINE = 0x0020,
    DT_NOPREFIX = 0x0800,
    DT_END_ELLIPSIS = 0x8000,
};

// Grid line modes.
enum GridLines : int {
    GVL_NONE = 0,
    GVL_HORZ = 1,
    GVL_VERT = 2,
    GVL_BOTH = 3,
};

// Which cells count when a divider double-click sizes a column or row.
enum GridAutoSizeStyle : int {
    GVS_HEADER = 1, // the fixed cells
    GVS_DATA = 2,   // the scrolling cells
    GVS_BOTH = 3,
};

// Notification codes; the values are those of the list-view notifications the
// grid reuses, so owners written against them keep working.
namespace notify {
constexpr int NM_CLICK = -2;
constexpr int NM_DBLCLK = -3;
constexpr int NM_RCLICK = -5;
constexpr int LVN_ITEMCHANGING = -100;
constexpr int LVN_ITEMCHANGED = -101;
constexpr int LVN_BEGINLABELEDITA = -105;
constexpr int LVN_ENDLABELEDITA = -106;
constexpr int LVN_ODCACHEHINT = -113;
constexpr int LVN_GETDISPINFOA = -150;
} // namespace notify

// First-character code that tells an editor it was started by the mouse.
constexpr int EditByMouse = 1;
// Identifier of the in-place editor window.
constexpr int InPlaceControlId = 8;

} // namespace grid
