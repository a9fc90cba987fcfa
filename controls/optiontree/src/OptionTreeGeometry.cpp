#include "optiontree/OptionTreeGeometry.h"

#include "optiontree/OptionTreeConstants.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace optiontree {

OptionTreeGeometry::OptionTreeGeometry(int width, int height, int divider)
    : m_width(width)
    , m_height(height)
    , m_divider(divider)
{
}

int OptionTreeGeometry::indentation(int depth)
{
    return std::max(0, depth - 2) * IndentStep;
}

QRect OptionTreeGeometry::expandBoxRect(int rowTop)
{
    return { ExpandBoxLeft, rowTop + ExpandBoxTop, ExpandBoxSize, ExpandBoxSize };
}

QRect OptionTreeGeometry::labelRect(bool topLevel, int indent, int rowTop, int rowHeight) const
{
    const int left = indent + MarginWidth;
    const int right = topLevel ? m_width : m_divider;
    return { left, rowTop, std::max(0, right - left), rowHeight };
}

QRect OptionTreeGeometry::labelTextArea(bool topLevel, int indent, int rowTop, int rowHeight) const
{
    return labelRect(topLevel, indent, rowTop, rowHeight).adjusted(LabelTextInset, 0, 0, 0);
}

QRect OptionTreeGeometry::attributeRect(int rowTop, int rowHeight) const
{
    const int left = m_divider + AttributeGap;
    return { left, rowTop, std::max(0, m_width - left), rowHeight };
}

QRect OptionTreeGeometry::valueBackgroundRect(int rowTop, int rowHeight) const
{
    return { m_divider, rowTop, std::max(0, m_width - ValueRightInset - m_divider), rowHeight };
}

QRect OptionTreeGeometry::selectionRect(bool topLevel, int rowTop, int rowHeight) const
{
    const int right = (topLevel ? m_width : m_divider) + AttributeGap;
    return { MarginWidth, rowTop, right - MarginWidth, rowHeight };
}

QRect OptionTreeGeometry::dragBandRect(int dragX) const
{
    return { dragX - DragBandWidth / 2, 0, DragBandWidth, m_height };
}

int OptionTreeGeometry::hitTestRow(const QPoint& point, bool topLevel, const QRect& expandBox) const
{
    if (!topLevel && point.x() >= m_divider - DividerSlop && point.x() <= m_divider + DividerSlop) {
        return TreeHitDivider;
    }
    if (point.x() > m_divider + DividerSlop) {
        return TreeHitAttribute;
    }
    if (expandBox.contains(point)) {
        return TreeHitExpandBox;
    }
    return TreeHitLabel;
}

int OptionTreeGeometry::clampColumn(int x) const
{
    return std::max(ColumnEdgeMin, std::min(x, m_width - ColumnEdgeMin));
}

int OptionTreeGeometry::clampDraggedColumn(int x) const
{
    if (x < DraggedColumnMin) {
        return DraggedColumnMin;
    }
    return std::min(x, m_width - ColumnRightReserve);
}

int OptionTreeGeometry::autoFitColumn(int widestLabelRight) const
{
    return std::min(widestLabelRight + LabelTextInset, m_width - ColumnRightReserve);
}

int OptionTreeGeometry::maxScroll(int totalHeight) const
{
    // The last pixel row of the content stays reachable.
    return std::max(0, totalHeight - m_height);
}

int OptionTreeGeometry::infoPaneHeight(int needed, int treeHeight)
{
    return std::clamp(needed, InfoPaneMinHeight, std::max(InfoPaneMinHeight, treeHeight / InfoPaneMaxShare));
}

QRect OptionTreeGeometry::listRect(const QSize& client, int infoHeight)
{
    return { 0, 0, client.width(), std::max(0, client.height() - infoHeight) };
}

QRect OptionTreeGeometry::infoRect(const QSize& client, int infoHeight)
{
    return { 0, client.height() - infoHeight, client.width(), infoHeight };
}

QString OptionTreeGeometry::shortenedLabel(const QString& label, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(label) <= width) {
        return label;
    }
    // The longest start that fits with "...", found by halving: a long value is measured a few times, not once per
    // character.
    const QString ellipsis = QStringLiteral("...");
    qsizetype fits = 0;
    qsizetype tooLong = label.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (metrics.horizontalAdvance(label.left(middle) + ellipsis) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return label.left(fits) + ellipsis;
}

QString OptionTreeGeometry::shortenedLines(const QString& text, const QFontMetrics& metrics, int width)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line = shortenedLabel(line, metrics, width);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace optiontree
