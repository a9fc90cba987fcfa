#pragma once

#include "grid/CGridCell.h"

namespace grid {

// A cell with a check box before its text. A click inside the box toggles it while the grid is editable.
class CGridCellCheck : public CGridCell
{
public:
    // Sets the flag and returns the previous one; repaints the cell once it has been drawn.
    bool SetCheck(bool checked = true);
    bool GetCheck() const { return m_bChecked; }

    bool Draw(QPainter* painter, int row, int col, QRect rect, bool eraseBkgnd = true) override;
    bool PrintCell(QPainter* painter, int row, int col, QRect rect) override;
    QRect GetTextRect(const QRect& cellRect) const override;
    QSize GetCellExtent() const override;
    void OnClick(QPoint pointInCell) override;

    // The check box square inside a cell rectangle: at the top-left corner plus
    // the margin, centred vertically when the cell is too low for box and margins.
    QRect GetCheckPlacement(const QRect& cellRect) const;

private:
    int boxSide() const;
    void drawBox(QPainter& painter, const QRect& cellRect) const;

    bool m_bChecked = false;
    QRect m_rect; // where the cell was last drawn
};

} // namespace grid
