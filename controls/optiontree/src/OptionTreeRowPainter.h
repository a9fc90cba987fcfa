#pragma once

#include "optiontree/OptionTreeGeometry.h"

#include <QPalette>

class QPainter;

namespace optiontree {

class COptionTreeItem;

// Draws one row of the list: backgrounds, selection, lines, expand box, label
// and, below the top level, the item's value.
class OptionTreeRowPainter
{
public:
    struct Options
    {
        bool shadeRootItems = false;
        bool disabled = false;
        int scrollOffset = 0;
    };

    OptionTreeRowPainter(
        QPainter& painter, const OptionTreeGeometry& geometry, const QPalette& palette, const Options& options);

    void paint(COptionTreeItem& item);

private:
    void paintBackground(const COptionTreeItem& item, bool topLevel, int top, int height);
    void paintLines(bool topLevel, int top, int height);
    void paintExpandBox(const COptionTreeItem& item, bool topLevel, int top);
    void paintLabel(const COptionTreeItem& item, bool topLevel, int top, int height);

    QPainter& m_painter;
    const OptionTreeGeometry& m_geometry;
    const QPalette& m_palette;
    Options m_options;
};

} // namespace optiontree
