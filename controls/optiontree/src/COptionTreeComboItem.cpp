#include "optiontree/COptionTreeComboItem.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>

namespace optiontree {

COptionTreeComboItem::COptionTreeComboItem()
    : COptionTreeWindowItem(static_cast<QWidget&>(*this))
{
    // Styles that open a list that cannot be edited as a menu over the box make it as
    // tall as all its entries, up to the screen; a scrolling list keeps the drop-down height.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    // The base class built the list while the box still opened a menu, which scrolls by
    // arrows instead of a bar.
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

bool COptionTreeComboItem::CreateComboItem(quint32)
{
    return createWindow();
}

void COptionTreeComboItem::OnActivate()
{
    if (!HasWindow()) {
        return;
    }
    // The drop-down height bounds the dropped list.
    const int entryHeight
        = std::max(1, view()->sizeHintForRow(0) > 0 ? view()->sizeHintForRow(0) : fontMetrics().height());
    setMaxVisibleItems(std::max(1, m_dropDownHeight / entryHeight));
    showEditor(GetAttributeRect());
}

QString COptionTreeComboItem::displayText() const
{
    return currentText();
}

bool COptionTreeComboItem::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress && forwardTabToList(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return CWideEntryComboBox::event(event);
}

void COptionTreeComboItem::focusInEvent(QFocusEvent* event)
{
    editorFocusIn();
    CWideEntryComboBox::focusInEvent(event);
}

void COptionTreeComboItem::focusOutEvent(QFocusEvent* event)
{
    CWideEntryComboBox::focusOutEvent(event);
    editorFocusOut(event);
}

void COptionTreeComboItem::keyPressEvent(QKeyEvent* event)
{
    CWideEntryComboBox::keyPressEvent(event);
    // Keys the box leaves unused stay here rather than move the list below.
    event->accept();
}

} // namespace optiontree
