#include "COptionTreeList.h"

#include "optiontree/COptionTree.h"
#include "optiontree/OptionTreeConstants.h"

#include "OptionTreeColors.h"
#include "OptionTreeRowPainter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <qdrawutil.h>

#include <algorithm>

namespace optiontree {

COptionTreeList::COptionTreeList(COptionTree* tree)
    : QWidget(tree)
    , m_tree(tree)
    , m_scrollBar(new QScrollBar(Qt::Vertical, this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Presses on rows take the focus explicitly. Without click focus, a press on the
    // scroll bar leaves the focus where it is, so an open editor stays open.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    m_scrollBar->setSingleStep(OptionTreeGeometry::ScrollLine);
    m_scrollBar->hide();
    // The wheel over the scroll bar scrolls as far as over the rows.
    m_scrollBar->installEventFilter(this);
    connect(m_scrollBar, &QScrollBar::valueChanged, m_tree, &COptionTree::SetScrollOffset);
}

int COptionTreeList::clientWidth() const
{
    return width() - (m_scrollBar->isVisibleTo(this) ? m_scrollBar->sizeHint().width() : 0);
}

void COptionTreeList::setContentHeight(int total)
{
    const bool needed = total > height();
    const bool changed = needed != m_scrollBar->isVisibleTo(this);
    m_scrollBar->setVisible(needed);
    placeScrollBar();
    const OptionTreeGeometry geometry = m_tree->Geometry();
    const QSignalBlocker blocker(m_scrollBar);
    m_scrollBar->setRange(0, geometry.maxScroll(total));
    m_scrollBar->setPageStep(geometry.pageSize());
    if (changed) {
        // The client width changed: open editors follow.
        m_tree->MoveItems();
    }
}

void COptionTreeList::setScrollPosition(int offset)
{
    const QSignalBlocker blocker(m_scrollBar);
    m_scrollBar->setValue(offset);
}

void COptionTreeList::placeScrollBar()
{
    const int barWidth = m_scrollBar->sizeHint().width();
    m_scrollBar->setGeometry(width() - barWidth, 0, barWidth, height());
}

QPoint COptionTreeList::toContent(const QPoint& point) const
{
    return point + QPoint(0, m_tree->GetScrollOffset());
}

bool COptionTreeList::event(QEvent* event)
{
    // Tab moves between items here; only when the list does not use it does it
    // move the keyboard focus on to the next widget.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            if (key->isAccepted()) {
                return true;
            }
            // Move the focus once, here; unaccepted, the event would reach the
            // tree and move it again.
            key->accept();
        }
    }
    return QWidget::event(event);
}

bool COptionTreeList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_scrollBar && event->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void COptionTreeList::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setClipRect(event->rect());
    m_tree->layoutRows();
    const OptionTreeGeometry geometry = m_tree->Geometry();
    const QPalette& pal = palette();
    const bool disabled = !m_tree->isEnabled();
    const QRect client(0, 0, geometry.width(), height());
    const QColor buttonFace = OptionTreeColors::buttonFace(pal);
    const QColor window = OptionTreeColors::window(pal);

    painter.fillRect(client, buttonFace);
    painter.fillRect(client.adjusted(2, 2, -2, -2), disabled ? buttonFace : window);
    const bool shadeMargin = m_tree->TreeStyleShadeMargin() || disabled;
    painter.fillRect(QRect(0, 0, OptionTreeGeometry::MarginWidth, height()), shadeMargin ? buttonFace : window);

    OptionTreeRowPainter::Options options;
    options.shadeRootItems = m_tree->TreeStyleShadeRootItems();
    options.disabled = disabled;
    options.scrollOffset = m_tree->GetScrollOffset();
    OptionTreeRowPainter rowPainter(painter, geometry, pal, options);
    for (COptionTreeItem* item = m_tree->m_firstVisible; item; item = item->GetNextVisible()) {
        const QRect row(0, item->GetLocation().y() - options.scrollOffset, geometry.width(), item->GetItemHeight());
        if (row.intersects(event->rect())) {
            rowPainter.paint(*item);
        }
    }

    painter.setPen(OptionTreeColors::buttonShadow(pal));
    painter.drawLine(OptionTreeGeometry::MarginWidth, 0, OptionTreeGeometry::MarginWidth, height() - 1);
    qDrawWinPanel(&painter, client, pal, true);

    if (m_dragging) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(geometry.dragBandRect(m_dragX), QBrush(Qt::white, Qt::Dense4Pattern));
    }
}

void COptionTreeList::resizeEvent(QResizeEvent*)
{
    placeScrollBar();
    m_tree->UpdateScrollRange();
    m_tree->MoveItems();
    update();
}

void COptionTreeList::mousePressEvent(QMouseEvent* event)
{
    if (!m_tree->isEnabled()) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint content = toContent(event->position().toPoint());
    COptionTreeItem* item = m_tree->RowAt(content.y());
    const int hit = m_tree->HitTest(content);
    switch (hit) {
    case TreeHitDivider:
        if (m_tree->Notify(TreeNotifyDividerDrag, item) == 0) {
            m_dragging = true;
            m_dragX = event->position().toPoint().x();
            update();
        }
        break;
    case TreeHitExpandBox:
        toggleExpansion(item);
        break;
    case TreeHitLabel:
    case TreeHitAttribute:
        focusItem(item);
        if (hit == TreeHitAttribute && !item->IsRootLevel() && m_tree->Notify(TreeNotifyItemActivating, item) == 0
            && !item->IsReadOnly()) {
            item->Activate();
        }
        break;
    default:
        m_tree->SelectItems(nullptr, false);
        m_tree->SetFocusedItem(nullptr);
        m_tree->Notify(TreeNotifySelectionChanged, nullptr);
        break;
    }
}

void COptionTreeList::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (m_dragging) {
        m_dragX = point.x();
        update();
        return;
    }
    switch (m_tree->HitTest(toContent(point))) {
    case TreeHitDivider:
        setCursor(Qt::SplitHCursor);
        break;
    case TreeHitExpandBox:
        setCursor(Qt::PointingHandCursor);
        break;
    default:
        unsetCursor();
        break;
    }
}

void COptionTreeList::mouseReleaseEvent(QMouseEvent* event)
{
    if (!m_dragging) {
        event->ignore();
        return;
    }
    m_dragging = false;
    m_tree->SetColumn(m_tree->Geometry().clampDraggedColumn(event->position().toPoint().x()));
    m_tree->MoveItems();
    update();
}

void COptionTreeList::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (!m_tree->isEnabled() || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QPoint content = toContent(event->position().toPoint());
    COptionTreeItem* item = m_tree->RowAt(content.y());
    const int hit = m_tree->HitTest(content);
    if (hit == TreeHitDivider) {
        autoFitDivider();
        return;
    }
    if (!item || !item->GetChild()) {
        return;
    }
    const bool onLabel = hit == TreeHitLabel || (hit == TreeHitAttribute && item->IsRootLevel());
    if (onLabel) {
        focusItem(item);
    }
    if (onLabel || hit == TreeHitExpandBox) {
        toggleExpansion(item);
    }
}

void COptionTreeList::wheelEvent(QWheelEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    const int delta = event->angleDelta().y();
    if (delta == 0 || m_tree->GetTotalHeight() <= height()) {
        return;
    }
    const int step = delta > 0 ? -OptionTreeGeometry::ScrollLine : OptionTreeGeometry::ScrollLine;
    m_tree->SetScrollOffset(m_tree->GetScrollOffset() + step);
}

void COptionTreeList::keyPressEvent(QKeyEvent* event)
{
    if (!m_tree->isEnabled()) {
        event->ignore();
        return;
    }
    COptionTreeItem* focused = m_tree->GetFocusedItem();
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        // Past the last item (before the first) Tab leaves the tree for the next
        // (previous) widget, as it does from a category.
        COptionTreeItem* next = nullptr;
        if (focused && !focused->IsRootLevel() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            next = nextTabStop(focused, event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier));
        }
        if (!next) {
            event->ignore();
            return;
        }
        focusItem(next);
        activateItem(next);
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateItem(focused);
        break;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        if (!focused || !focused->Clear()) {
            event->ignore();
        }
        break;
    case Qt::Key_Home:
        focusItem(m_tree->GetFirstVisible());
        break;
    case Qt::Key_End:
        focusItem(lastVisible());
        break;
    case Qt::Key_Up:
        focusItem(rowAbove(focused));
        break;
    case Qt::Key_Down:
        focusItem(rowBelow(focused));
        break;
    case Qt::Key_Left:
        if (focused && focused->GetChild() && focused->IsExpanded() && toggleExpansion(focused)) {
            break;
        }
        focusItem(rowAbove(focused));
        break;
    case Qt::Key_Right:
        if (focused && focused->GetChild() && !focused->IsExpanded() && toggleExpansion(focused)) {
            break;
        }
        focusItem(rowBelow(focused));
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void COptionTreeList::focusItem(COptionTreeItem* item)
{
    const bool changed = item != m_tree->GetFocusedItem();
    m_tree->SelectItems(nullptr, false);
    if (item) {
        item->Select(true);
    }
    m_tree->SetFocusedItem(item);
    if (changed) {
        m_tree->Notify(TreeNotifySelectionChanged, item);
    }
}

bool COptionTreeList::toggleExpansion(COptionTreeItem* item)
{
    if (!item || m_tree->Notify(TreeNotifyItemExpanding, item) != 0) {
        return false;
    }
    item->Expand(!item->IsExpanded());
    m_tree->UpdateScrollRange();
    m_tree->MoveItems();
    m_tree->DropHiddenFocus();
    m_tree->RepaintAll();
    return true;
}

void COptionTreeList::activateItem(COptionTreeItem* item)
{
    if (!item || item->IsRootLevel() || item->IsReadOnly()) {
        return;
    }
    // The owner can refuse activation by keys as well as by mouse.
    if (m_tree->Notify(TreeNotifyItemActivating, item) == 0) {
        item->Activate();
    }
}

void COptionTreeList::autoFitDivider()
{
    m_tree->SetColumn(m_tree->Geometry().autoFitColumn(m_tree->WidestLabelRight()));
    m_tree->MoveItems();
    update();
}

COptionTreeItem* COptionTreeList::lastVisible() const
{
    COptionTreeItem* last = m_tree->GetFirstVisible();
    while (last && last->GetNextVisible()) {
        last = last->GetNextVisible();
    }
    return last;
}

COptionTreeItem* COptionTreeList::previousVisible(COptionTreeItem* item) const
{
    COptionTreeItem* row = m_tree->GetFirstVisible();
    if (row == item) {
        return item;
    }
    while (row && row->GetNextVisible() != item) {
        row = row->GetNextVisible();
    }
    return row ? row : item;
}

COptionTreeItem* COptionTreeList::rowAbove(COptionTreeItem* focused) const
{
    return focused ? previousVisible(focused) : lastVisible();
}

COptionTreeItem* COptionTreeList::rowBelow(COptionTreeItem* focused) const
{
    if (!focused) {
        return m_tree->GetFirstVisible();
    }
    return focused->GetNextVisible() ? focused->GetNextVisible() : focused;
}

COptionTreeItem* COptionTreeList::nextTabStop(COptionTreeItem* item, bool forward) const
{
    // Categories take no part in Tab navigation; past either end there is no next item.
    for (COptionTreeItem* row = item;;) {
        COptionTreeItem* next = forward ? row->GetNextVisible() : previousVisible(row);
        if (!next || next == row) {
            return nullptr;
        }
        if (!next->IsRootLevel()) {
            return next;
        }
        row = next;
    }
}

} // namespace optiontree
