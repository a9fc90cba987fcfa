#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QString>

namespace optiontree {

// Pixel layout of the option tree's list window, shared by painting, hit testing,
// mouse handling and tests. Row tops are in the coordinates the caller passes in
// (content or client); the horizontal values depend only on width and divider.
class OptionTreeGeometry
{
public:
    static constexpr int MarginWidth = 16; // left margin that holds the expand boxes
    static constexpr int IndentStep = 16; // indentation of each level below the second
    static constexpr int ExpandBoxLeft = 4;
    static constexpr int ExpandBoxTop = 5;
    static constexpr int ExpandBoxSize = 9;
    static constexpr int LabelTextInset = 5; // text starts this far right of the label rectangle
    static constexpr int MultiLineLabelTop = 5; // top of a top-aligned label
    static constexpr int DividerSlop = 5; // half width of the divider's hit band
    static constexpr int AttributeGap = 5; // value area starts this far right of the divider
    static constexpr int ValueRightInset = 2;
    static constexpr int DefaultRowHeight = 21;
    static constexpr int ScrollLine = 21;
    static constexpr int InfoPaneMinHeight = 50;
    static constexpr int InfoPaneMaxShare = 3; // the info pane takes at most this part of the tree's height
    static constexpr int DefaultColumn = 150;
    static constexpr int ColumnEdgeMin = 16; // SetColumn keeps the divider this far from both edges
    static constexpr int DraggedColumnMin = 41;
    static constexpr int ColumnRightReserve = 25; // dragging and auto-fit stop this far from the right edge
    static constexpr int DragBandWidth = 4;

    OptionTreeGeometry(int width, int height, int divider);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int divider() const { return m_divider; }

    // Indentation of an item at depth (top-level items have depth 1).
    static int indentation(int depth);
    static QRect expandBoxRect(int rowTop);
    QRect labelRect(bool topLevel, int indent, int rowTop, int rowHeight) const;
    // Area the label text may use: the label rectangle minus the text inset.
    QRect labelTextArea(bool topLevel, int indent, int rowTop, int rowHeight) const;
    QRect attributeRect(int rowTop, int rowHeight) const;
    QRect valueBackgroundRect(int rowTop, int rowHeight) const;
    QRect selectionRect(bool topLevel, int rowTop, int rowHeight) const;
    QRect dragBandRect(int dragX) const;

    // Hit code for a point already known to lie in a row; expandBox is empty when
    // the item has no children.
    int hitTestRow(const QPoint& point, bool topLevel, const QRect& expandBox) const;

    int clampColumn(int x) const; // SetColumn's bounds
    int clampDraggedColumn(int x) const; // where a divider drag may end
    int autoFitColumn(int widestLabelRight) const;

    // Largest scroll offset for content of the given total height.
    int maxScroll(int totalHeight) const;
    int pageSize() const { return m_height + 1; }

    // Height of the info pane that needs the given height in a tree of the given
    // height: at least the minimum, at most a share of the tree.
    static int infoPaneHeight(int needed, int treeHeight);
    // Placement of the two panes in a tree of the given client size; the info pane
    // is infoHeight high at the bottom (0 when it is not shown).
    static QRect listRect(const QSize& client, int infoHeight);
    static QRect infoRect(const QSize& client, int infoHeight);

    // The label as drawn in the given width: whole when it fits, otherwise cut
    // character by character from the end until the rest plus "..." fits.
    static QString shortenedLabel(const QString& label, const QFontMetrics& metrics, int width);
    // A value as drawn in the given width: each of its lines shortened as a label is.
    static QString shortenedLines(const QString& text, const QFontMetrics& metrics, int width);

private:
    int m_width;
    int m_height;
    int m_divider;
};

} // namespace optiontree
