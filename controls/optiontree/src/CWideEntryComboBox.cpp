#include "optiontree/CWideEntryComboBox.h"

#include "OptionTreeColors.h"

#include <QAbstractItemView>
#include <QMouseEvent>
#include <QStyle>

namespace optiontree {

namespace {
constexpr int ClosedTextMargin = 6; // the closed box's text needs this much room besides its width
constexpr int EntryTextMargin = 3;
const QPoint TipOffset(1, 3);
} // namespace

CWideEntryComboBox::CWideEntryComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_tip(this)
    , m_listTip(view()->viewport())
{
    setMouseTracking(true);
    view()->viewport()->setMouseTracking(true);
    view()->viewport()->installEventFilter(this);
}

QRect CWideEntryComboBox::textArea() const
{
    const int buttonWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 2;
    return rect().adjusted(0, 0, -buttonWidth, 0);
}

bool CWideEntryComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view()->viewport()) {
        if (event->type() == QEvent::MouseMove) {
            showEntryTip(static_cast<QMouseEvent*>(event)->position().toPoint());
        } else if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) {
            m_listTip.hideText();
        }
    }
    return QComboBox::eventFilter(watched, event);
}

void CWideEntryComboBox::showEntryTip(const QPoint& viewportPos)
{
    const QModelIndex index = view()->indexAt(viewportPos);
    if (!index.isValid()) {
        m_listTip.hideText();
        return;
    }
    // The part of the entry the list shows: a list narrower than its entries cuts them.
    const QRect entry = view()->visualRect(index).intersected(view()->viewport()->rect());
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFont font = view()->font();
    if (QFontMetrics(font).horizontalAdvance(text) <= entry.width() - EntryTextMargin) {
        m_listTip.hideText();
        return;
    }
    const QPalette& pal = palette();
    m_listTip.showText(text, view()->viewport()->mapToGlobal(entry.topLeft()), font,
        OptionTreeColors::highlightText(pal), OptionTreeColors::highlight(pal));
}

void CWideEntryComboBox::mouseMoveEvent(QMouseEvent* event)
{
    const QRect area = textArea();
    const QString text = currentText();
    if (!area.contains(event->position().toPoint())
        || fontMetrics().horizontalAdvance(text) <= area.width() - ClosedTextMargin) {
        m_tip.hideText();
    } else {
        const QPalette& pal = palette();
        const bool focused = hasFocus();
        m_tip.showText(text, mapToGlobal(area.topLeft() + TipOffset), font(),
            focused ? OptionTreeColors::highlightText(pal) : OptionTreeColors::windowText(pal),
            focused ? OptionTreeColors::highlight(pal) : OptionTreeColors::window(pal));
    }
    QComboBox::mouseMoveEvent(event);
}

void CWideEntryComboBox::leaveEvent(QEvent* event)
{
    m_tip.hideText();
    QComboBox::leaveEvent(event);
}

} // namespace optiontree
