#pragma once

#include "grid/CGridCell.h"

namespace grid {

// Supplies the defaults of one class of cells (corner, fixed row, fixed column
// or scrolling) and the default width and height of new columns and rows. It
// always reads as read-only; its state and user data cannot be changed.
class CGridDefaultCell : public CGridCell
{
public:
    // Single line, vertically centred, left, no prefix processing, end ellipsis.
    static constexpr quint32 DefaultFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS;

    CGridDefaultCell();

    void SetState(quint32) override {}
    void SetData(quint32) override {}
    quint32 GetState() const override { return CGridCell::GetState() | GVIS_READONLY; }
    const CGridDefaultCell* GetDefaultCell() const override { return nullptr; }

    // Also measures the font: the margin becomes the width of a space, the
    // default width that of " XXXXXXXXXXXX " and the default height 3/2 of its height.
    void SetFont(const QFont* font) override;

    int GetWidth() const { return m_size.width(); }
    int GetHeight() const { return m_size.height(); }
    void SetWidth(int width) { m_size.setWidth(width); }
    void SetHeight(int height) { m_size.setHeight(height); }

private:
    QSize m_size;
};

} // namespace grid
