#pragma once

#include "grid/GridTypes.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;
class QPixmap;
class QWidget;

namespace grid {

class CGridCtrl;
class CGridDefaultCell;

// The interface of every grid cell: its properties, how it draws, how it reacts
// to the mouse and how it is edited. Colours, format, font and margin fall back
// to the grid's matching default cell while the cell's own value is unset.
class CGridCellBase
{
public:
    // "Not set" values of the format word and of colours (an invalid QColor).
    static constexpr quint32 FormatUnset = 0xFFFFFFFFu;

    CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = delete;
    virtual ~CGridCellBase() = default;

    virtual void SetText(const QString& text) = 0;
    virtual void SetImage(int image) = 0;
    virtual void SetData(quint32 data) = 0;
    virtual void SetState(quint32 state) = 0;
    virtual void SetFormat(quint32 format) = 0;
    virtual void SetTextClr(const QColor& colour) = 0;
    virtual void SetBackClr(const QColor& colour) = 0;
    // A null font returns the cell to its default cell's font.
    virtual void SetFont(const QFont* font) = 0;
    virtual void SetMargin(int margin) = 0;
    virtual void SetGrid(CGridCtrl* grid) = 0;
    virtual void SetCoords(int row, int col) = 0;

    virtual QString GetText() const = 0;
    virtual QString GetTipText() const { return GetText(); }
    virtual int GetImage() const = 0;
    virtual quint32 GetData() const = 0;
    virtual quint32 GetState() const = 0;
    virtual quint32 GetFormat() const = 0;
    virtual QColor GetTextClr() const = 0;
    virtual QColor GetBackClr() const = 0;
    virtual const QFont* GetFont() const = 0;
    // The font the cell draws with; the grid's font when neither cell nor default has one.
    virtual QFont GetFontObject() const;
    virtual CGridCtrl* GetGrid() const = 0;
    virtual QWidget* GetEditWnd() const = 0;
    virtual int GetMargin() const = 0;
    // The grid's default cell for this cell's position (corner, fixed row, fixed column or other).
    virtual const CGridDefaultCell* GetDefaultCell() const;

    virtual bool IsDefaultFont() const = 0;
    virtual bool IsEditing() const = 0;
    virtual bool IsFocused() const { return GetState() & GVIS_FOCUSED; }
    virtual bool IsFixed() const { return GetState() & GVIS_FIXED; }
    virtual bool IsFixedCol() const { return GetState() & GVIS_FIXEDCOL; }
    virtual bool IsFixedRow() const { return GetState() & GVIS_FIXEDROW; }
    virtual bool IsSelected() const { return GetState() & GVIS_SELECTED; }
    virtual bool IsReadOnly() const { return GetState() & GVIS_READONLY; }
    virtual bool IsModified() const { return GetState() & GVIS_MODIFIED; }
    virtual bool IsDropHighlighted() const { return GetState() & GVIS_DROPHILITED; }

    // Copies every property (text, image, data, state, format, colours, font, margin, grid).
    CGridCellBase& operator=(const CGridCellBase& cell);
    // Back to the "not set" values.
    virtual void Reset() = 0;

    // Paints the cell into rect; false when there is nothing to paint with.
    virtual bool Draw(QPainter* painter, int row, int col, QRect rect, bool eraseBkgnd = true);

    // The part of the cell rectangle that holds the text: inside the margin at the left and right (and
    // after the image), the cell's whole height.
    virtual QRect GetTextRect(const QRect& cellRect) const;
    virtual QRect GetTipTextRect(const QRect& cellRect) const { return GetTextRect(cellRect); }
    // Size of the text in the cell's font plus the margins.
    virtual QSize GetTextExtent(const QString& text) const;
    // Size the cell needs to show all of its content.
    virtual QSize GetCellExtent() const;

    // Starts (or feeds) an in-place edit; nChar is the first character, a
    // navigation key or EditByMouse. False when the cell cannot be edited.
    virtual bool Edit(int row, int col, QRect rect, QPoint point, int id, int nChar);
    virtual bool ValidateEdit(const QString& text);
    virtual void EndEdit() {}
    virtual bool PrintCell(QPainter* painter, int row, int col, QRect rect);
    virtual void OnEndEdit() {}

    virtual void OnMouseEnter() {}
    virtual void OnMouseOver() {}
    virtual void OnMouseLeave() {}
    virtual void OnClick(QPoint pointInCell);
    virtual void OnClickDown(QPoint pointInCell);
    virtual void OnRClick(QPoint pointInCell);
    virtual void OnDblClick(QPoint pointInCell);
    virtual void OnSetCursor();

private:
    void drawFixedBorder(QPainter& painter, const QRect& rect, bool sunken) const;
    // Draws the sort direction mark at the right of rect; returns the width it took.
    int drawSortMark(QPainter& painter, const QRect& rect, bool ascending) const;
    const QPixmap* listImage() const;
};

} // namespace grid
