#include "OptionTreeRowPainter.h"

#include "optiontree/COptionTreeItem.h"

#include "OptionTreeColors.h"
#include "OptionTreeFonts.h"

#include <QPainter>

namespace optiontree {

OptionTreeRowPainter::OptionTreeRowPainter(
    QPainter& painter, const OptionTreeGeometry& geometry, const QPalette& palette, const Options& options)
    : m_painter(painter)
    , m_geometry(geometry)
    , m_palette(palette)
    , m_options(options)
{
}

void OptionTreeRowPainter::paint(COptionTreeItem& item)
{
    const bool topLevel = item.IsRootLevel();
    const int top = item.GetLocation().y() - m_options.scrollOffset;
    const int height = item.GetItemHeight();

    paintBackground(item, topLevel, top, height);
    paintLines(topLevel, top, height);
    paintExpandBox(item, topLevel, top);
    paintLabel(item, topLevel, top, height);
    if (!topLevel) {
        const QRect attribute = m_geometry.attributeRect(top, height);
        m_painter.save();
        m_painter.setClipRect(attribute, Qt::IntersectClip);
        item.DrawAttribute(m_painter, attribute);
        m_painter.restore();
    }
}

void OptionTreeRowPainter::paintBackground(const COptionTreeItem& item, bool topLevel, int top, int height)
{
    const int margin = OptionTreeGeometry::MarginWidth;
    const QColor window = OptionTreeColors::window(m_palette);
    if (topLevel) {
        const bool shaded = m_options.shadeRootItems || m_options.disabled;
        const QColor fill = shaded
            ? OptionTreeColors::orSystem(item.GetRootBackground(), OptionTreeColors::buttonFace(m_palette))
            : window;
        m_painter.fillRect(QRect(margin, top, m_geometry.width() - margin, height), fill);
    } else {
        m_painter.fillRect(QRect(margin, top, m_geometry.divider() - margin, height),
            OptionTreeColors::orSystem(item.GetLabelBackground(), window));
        m_painter.fillRect(m_geometry.valueBackgroundRect(top, height),
            OptionTreeColors::orSystem(item.GetAttributeBackground(), window));
    }
    if (item.IsSelected()) {
        m_painter.fillRect(m_geometry.selectionRect(topLevel, top, height), OptionTreeColors::highlight(m_palette));
    }
}

void OptionTreeRowPainter::paintLines(bool topLevel, int top, int height)
{
    const int margin = OptionTreeGeometry::MarginWidth;
    const int right = m_geometry.width() - 1;
    const int bottom = top + height - 1;
    m_painter.setPen(OptionTreeColors::buttonShadow(m_palette));
    m_painter.drawLine(margin, bottom, right, bottom);
    if (topLevel) {
        m_painter.drawLine(margin, top, right, top);
    } else {
        m_painter.drawLine(m_geometry.divider(), top, m_geometry.divider(), bottom);
    }
}

void OptionTreeRowPainter::paintExpandBox(const COptionTreeItem& item, bool topLevel, int top)
{
    if (!item.GetChild()) {
        return;
    }
    const QRect box = OptionTreeGeometry::expandBoxRect(top);
    if (!topLevel) {
        m_painter.fillRect(box, OptionTreeColors::window(m_palette));
    }
    m_painter.setPen(OptionTreeColors::buttonShadow(m_palette));
    m_painter.drawRect(box.adjusted(0, 0, -1, -1));
    m_painter.setPen(OptionTreeColors::buttonText(m_palette));
    m_painter.drawLine(box.x() + 2, box.y() + 4, box.x() + 6, box.y() + 4);
    if (!item.IsExpanded()) {
        m_painter.drawLine(box.x() + 4, box.y() + 2, box.x() + 4, box.y() + 6);
    }
}

void OptionTreeRowPainter::paintLabel(const COptionTreeItem& item, bool topLevel, int top, int height)
{
    const QString label = item.GetLabelText();
    if (label.trimmed().isEmpty()) {
        return;
    }
    QColor color = OptionTreeColors::orSystem(item.GetLabelTextColor(), OptionTreeColors::buttonText(m_palette));
    if (item.IsSelected()) {
        color = OptionTreeColors::highlightText(m_palette);
    }
    if (m_options.disabled) {
        color = OptionTreeColors::greyText(m_palette);
    }
    const QFont font = topLevel ? OptionTreeFonts::bold() : OptionTreeFonts::normal();
    QRect area = m_geometry.labelTextArea(topLevel, item.GetLocation().x(), top, height);
    int flags = Qt::AlignLeft | Qt::TextSingleLine;
    if (item.IsMultiLineLabel()) {
        area.setTop(top + OptionTreeGeometry::MultiLineLabelTop);
        flags |= Qt::AlignTop;
    } else {
        flags |= Qt::AlignVCenter;
    }
    m_painter.setFont(font);
    m_painter.setPen(color);
    m_painter.drawText(area, flags, OptionTreeGeometry::shortenedLabel(label, QFontMetrics(font), area.width()));
}

} // namespace optiontree
