#include "optiontree/COptionTreeWindowItem.h"

#include "optiontree/COptionTree.h"
#include "optiontree/OptionTreeGeometry.h"

#include "COptionTreeList.h"
#include "OptionTreeColors.h"
#include "OptionTreeFonts.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

namespace optiontree {

COptionTreeWindowItem::COptionTreeWindowItem(QWidget& window)
    : m_window(window)
{
}

bool COptionTreeWindowItem::createWindow()
{
    COptionTree* tree = GetOptionTree();
    if (!tree || m_windowCreated) {
        return false;
    }
    m_windowCreated = true;
    m_window.setParent(tree->GetListWindow());
    m_window.setFont(OptionTreeFonts::normal());
    m_window.setGeometry(GetAttributeRect());
    m_window.hide();
    return true;
}

void COptionTreeWindowItem::showEditor(const QRect& geometry)
{
    m_window.setGeometry(geometry);
    m_window.show();
    m_window.raise();
    m_window.setFocus(Qt::OtherFocusReason);
}

void COptionTreeWindowItem::DrawAttribute(QPainter& painter, const QRect& attribute)
{
    const COptionTree* tree = GetOptionTree();
    if (!tree || !m_windowCreated || m_window.hasFocus()) {
        return;
    }
    if (m_window.isHidden()) {
        // So that the editor opens in the right place later.
        m_window.setGeometry(attribute);
    }
    const QPalette& pal = tree->palette();
    const bool grey = IsReadOnly() || !tree->isEnabled();
    painter.setFont(OptionTreeFonts::normal());
    painter.setPen(grey ? OptionTreeColors::greyText(pal)
                        : OptionTreeColors::orSystem(GetAttributeTextColor(), OptionTreeColors::buttonText(pal)));
    const int flags
        = drawTopLeft() ? (Qt::AlignLeft | Qt::AlignTop) : (Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine);
    // Shortened to end clear of the list's edge.
    const int width = attribute.width() - OptionTreeGeometry::ValueRightInset;
    painter.drawText(attribute, flags, OptionTreeGeometry::shortenedLines(displayText(), painter.fontMetrics(), width));
}

void COptionTreeWindowItem::OnMove()
{
    if (!m_windowCreated) {
        return;
    }
    m_window.setGeometry(GetAttributeRect());
    if (!m_window.hasFocus()) {
        m_window.hide();
    }
}

void COptionTreeWindowItem::OnRefresh()
{
    if (m_windowCreated) {
        m_window.setGeometry(GetAttributeRect());
    }
}

void COptionTreeWindowItem::OnCommit()
{
    m_hasFocus = false;
    hideWindow();
}

void COptionTreeWindowItem::CleanUp()
{
    if (!m_windowCreated) {
        return;
    }
    m_windowCreated = false;
    m_hasFocus = false;
    if (m_window.hasFocus()) {
        m_window.clearFocus();
    }
    m_window.hide();
}

void COptionTreeWindowItem::OnDeSelect()
{
    // An edit left open while the focus was outside the tree is still uncommitted:
    // losing the selection commits it rather than dropping it with the hidden editor.
    if (m_windowCreated && IsActivated()) {
        CommitChanges();
        return;
    }
    hideWindow();
}

void COptionTreeWindowItem::hideWindow()
{
    if (!m_windowCreated) {
        return;
    }
    // Hand the keyboard to the list rather than let the focus wander off.
    if (m_window.hasFocus() && GetOptionTree()) {
        GetOptionTree()->GetListWindow()->setFocus(Qt::OtherFocusReason);
    }
    m_window.hide();
}

void COptionTreeWindowItem::editorFocusIn()
{
    if (m_windowCreated) {
        m_hasFocus = true;
    }
}

void COptionTreeWindowItem::editorFocusOut(QFocusEvent* event)
{
    if (!m_windowCreated || !m_hasFocus || event->reason() == Qt::PopupFocusReason) {
        return;
    }
    // Only a move inside the tree commits; a move to another window or another
    // part of the program keeps the editor open.
    const COptionTree* tree = GetOptionTree();
    QWidget* now = QApplication::focusWidget();
    if (!tree || !now || !tree->isAncestorOf(now)) {
        return;
    }
    m_hasFocus = false;
    CommitChanges();
}

bool COptionTreeWindowItem::forwardTabToList(QKeyEvent* event)
{
    if ((event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab) || !GetOptionTree()
        || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false;
    }
    QWidget* list = GetOptionTree()->GetListWindow();
    list->setFocus(Qt::TabFocusReason);
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
    QApplication::sendEvent(list, &copy);
    return true;
}

} // namespace optiontree
