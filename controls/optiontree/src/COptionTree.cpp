#include "optiontree/COptionTree.h"

#include "optiontree/OptionTreeConstants.h"
#include "optiontree/OptionTreeNotifyRecord.h"

#include "COptionTreeInfo.h"
#include "COptionTreeList.h"
#include "OptionTreeFonts.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>

#include <algorithm>

namespace optiontree {

COptionTree::COptionTree(QWidget* parent)
    : QWidget(parent)
    , m_list(new COptionTreeList(this))
    , m_info(new COptionTreeInfo(this))
{
    m_root.m_tree = this;
    m_root.m_expanded = true;
}

COptionTree::~COptionTree()
{
    // The owner may be going away as well: the final deletions are not reported.
    m_notifyTarget = nullptr;
    m_notifyGuard.clear();
    m_destroying = true;
    deleteChildren(&m_root);
}

bool COptionTree::Create(const QRect& rect, QWidget* parent, quint32 treeStyle, int controlId)
{
    if (m_created) {
        return false;
    }
    m_created = true;
    m_style = treeStyle;
    m_controlId = controlId;
    setParent(parent);
    setGeometry(rect);
    layoutPanes();
    show();
    UpdateScrollRange();
    return true;
}

void COptionTree::SetNotify(bool on, controls::NotifyTarget* target)
{
    m_style = on ? (m_style | optiontree::TreeStyleNotify) : (m_style & ~optiontree::TreeStyleNotify);
    m_notifyTarget = target;
    m_notifyGuard = dynamic_cast<QObject*>(target);
    m_notifyIsObject = !m_notifyGuard.isNull();
    layoutPanes();
    RepaintAll();
}

COptionTreeItem* COptionTree::InsertItem(COptionTreeItem* item, COptionTreeItem* parent)
{
    // An item already in a tree would be linked twice and form a cycle.
    if (!item || item->m_tree) {
        return nullptr;
    }
    if (!parent || parent->m_tree != this) {
        parent = &m_root;
    }
    COptionTreeItem** link = &parent->m_child;
    while (*link) {
        link = &(*link)->m_sibling;
    }
    *link = item;
    item->m_id = ++m_nextId;
    item->m_parent = parent;
    item->m_tree = this;
    Notify(optiontree::TreeNotifyItemInserted, item);
    UpdateScrollRange();
    RepaintAll();
    return item;
}

void COptionTree::DeleteItem(COptionTreeItem* item)
{
    if (!item || item->m_tree != this) {
        return;
    }
    if (item == &m_root) {
        deleteChildren(&m_root);
        return;
    }
    Notify(optiontree::TreeNotifyItemDeleted, item);
    deleteChildren(item);
    COptionTreeItem** link = &item->m_parent->m_child;
    while (*link && *link != item) {
        link = &(*link)->m_sibling;
    }
    if (*link) {
        *link = item->m_sibling;
    }
    if (m_focused == item) {
        m_focused = nullptr;
    }
    item->CleanUp();
    delete item;
    if (!m_destroying) {
        UpdateScrollRange();
        FitInfoPane();
    }
}

void COptionTree::deleteChildren(COptionTreeItem* item)
{
    while (item->m_child) {
        DeleteItem(item->m_child);
    }
}

void COptionTree::DeleteAllItems()
{
    DeleteItem(&m_root);
    m_nextId = 0;
    UpdateScrollRange();
    RepaintAll();
}

COptionTreeItem* COptionTree::FindItem(quint32 id) const
{
    std::function<COptionTreeItem*(COptionTreeItem*)> find = [&](COptionTreeItem* item) -> COptionTreeItem* {
        for (COptionTreeItem* child = item; child; child = child->m_sibling) {
            if (child->m_id == id) {
                return child;
            }
            if (COptionTreeItem* found = find(child->m_child)) {
                return found;
            }
        }
        return nullptr;
    };
    return find(m_root.m_child);
}

void COptionTree::SetFocusedItem(COptionTreeItem* item)
{
    if (item && (item->m_tree != this || item == &m_root)) {
        return;
    }
    m_focused = item;
    if (item) {
        EnsureVisible(item);
    }
    RepaintAll();
}

void COptionTree::SelectItems(COptionTreeItem* start, bool select)
{
    ForEachInSubtree(start ? start : &m_root, [this, select](COptionTreeItem* item) {
        if (item != &m_root) {
            item->Select(select);
        }
    });
    RepaintAll();
}

void COptionTree::ExpandAllItems()
{
    ForEachInSubtree(&m_root, [this](COptionTreeItem* item) {
        if (item != &m_root) {
            item->Expand(true);
        }
    });
    UpdateScrollRange();
    MoveItems();
    RepaintAll();
}

void COptionTree::UpdatedItems(COptionTreeItem* start)
{
    layoutRows();
    ForEachInSubtree(start ? start : &m_root, [this](COptionTreeItem* item) {
        if (item != &m_root) {
            item->OnRefresh();
        }
    });
    UpdateScrollRange();
    RepaintAll();
}

void COptionTree::MoveItems()
{
    layoutRows();
    ForEachInSubtree(&m_root, [this](COptionTreeItem* item) {
        if (item != &m_root) {
            item->OnMove();
        }
    });
}

void COptionTree::SetColumn(int x)
{
    const OptionTreeGeometry geometry = Geometry();
    // Before the first layout there is no width to clamp against.
    m_column = geometry.width() > 0 ? geometry.clampColumn(x) : x;
    RepaintAll();
}

int COptionTree::WidestLabelRight()
{
    layoutRows();
    int widest = 0;
    for (const COptionTreeItem* item = m_firstVisible; item; item = item->m_nextVisible) {
        const QRect text = item->m_labelTextRect;
        if (!text.isEmpty()) {
            widest = std::max(widest, text.x() + text.width());
        }
    }
    return widest;
}

COptionTreeItem* COptionTree::RowAt(int contentY)
{
    layoutRows();
    for (COptionTreeItem* item = m_firstVisible; item; item = item->m_nextVisible) {
        const int top = item->m_location.y();
        if (contentY >= top && contentY < top + item->m_rowHeight) {
            return item;
        }
    }
    return nullptr;
}

int COptionTree::HitTest(const QPoint& contentPoint)
{
    const COptionTreeItem* item = RowAt(contentPoint.y());
    if (!item) {
        return optiontree::TreeHitNowhere;
    }
    return Geometry().hitTestRow(contentPoint, item->IsRootLevel(), item->m_expandBox);
}

void COptionTree::EnsureVisible(COptionTreeItem* item)
{
    if (!item || item->m_tree != this || item == &m_root) {
        return;
    }
    if (!IsVisible(item)) {
        for (COptionTreeItem* parent = item->m_parent; parent && parent != &m_root; parent = parent->m_parent) {
            parent->Expand(true);
        }
        UpdateScrollRange();
        RepaintAll();
    }
    const int top = item->m_location.y();
    const int rowHeight = item->m_rowHeight;
    const int clientHeight = m_list->height();
    if (clientHeight <= 0) {
        return; // not laid out yet: there is nothing to scroll
    }
    if (top < m_scrollOffset) {
        SetScrollOffset(top);
    } else if (top > m_scrollOffset + clientHeight - rowHeight) {
        SetScrollOffset(top + 2 * rowHeight - clientHeight);
    }
}

bool COptionTree::IsVisible(COptionTreeItem* item)
{
    layoutRows();
    for (COptionTreeItem* row = m_firstVisible; row; row = row->m_nextVisible) {
        if (row == item) {
            return true;
        }
    }
    return false;
}

bool COptionTree::TreeStyleShowInfo() const
{
    return hasStyle(optiontree::TreeStyleShowInfo);
}
bool COptionTree::TreeStyleNotify() const
{
    return hasStyle(optiontree::TreeStyleNotify);
}
bool COptionTree::TreeStyleDefaultInfoText() const
{
    return hasStyle(optiontree::TreeStyleDefaultInfoText);
}
bool COptionTree::TreeStyleShadeMargin() const
{
    return hasStyle(optiontree::TreeStyleShadeMargin);
}
bool COptionTree::TreeStyleShadeRootItems() const
{
    return hasStyle(optiontree::TreeStyleShadeRootItems);
}

qintptr COptionTree::Notify(int code, COptionTreeItem* item)
{
    if (!hasStyle(optiontree::TreeStyleNotify) || !m_notifyTarget || (m_notifyIsObject && m_notifyGuard.isNull())) {
        return 0;
    }
    OptionTreeNotifyRecord record;
    record.sender = this;
    record.controlId = m_controlId;
    record.code = code;
    record.item = item;
    return m_notifyTarget->notify(record);
}

OptionTreeGeometry COptionTree::Geometry() const
{
    return { m_list->clientWidth(), m_list->height(), m_column };
}

COptionTreeItem* COptionTree::GetFirstVisible()
{
    layoutRows();
    return m_firstVisible;
}

void COptionTree::SetScrollOffset(int offset)
{
    const OptionTreeGeometry geometry = Geometry();
    const int clamped = std::clamp(offset, 0, geometry.maxScroll(GetTotalHeight()));
    m_list->setScrollPosition(clamped);
    if (clamped == m_scrollOffset) {
        return;
    }
    m_scrollOffset = clamped;
    // Open editors follow their rows.
    MoveItems();
    RepaintAll();
}

int COptionTree::GetTotalHeight() const
{
    int total = 0;
    for (const COptionTreeItem* item = m_root.m_child; item; item = item->m_sibling) {
        total += item->GetHeight();
    }
    return total;
}

void COptionTree::UpdateScrollRange()
{
    const int total = GetTotalHeight();
    m_list->setContentHeight(total);
    const OptionTreeGeometry geometry = Geometry();
    m_scrollOffset = std::clamp(m_scrollOffset, 0, geometry.maxScroll(total));
    m_list->setScrollPosition(m_scrollOffset);
    SetColumn(m_column);
}

void COptionTree::DropHiddenFocus()
{
    if (!m_focused || IsVisible(m_focused)) {
        return;
    }
    m_focused->Select(false);
    m_focused = nullptr;
    Notify(optiontree::TreeNotifySelectionChanged, nullptr);
    RepaintAll();
}

void COptionTree::RepaintAll()
{
    layoutRows();
    m_list->update();
    m_info->update();
}

void COptionTree::ForEachInSubtree(COptionTreeItem* item, const std::function<void(COptionTreeItem*)>& fn)
{
    fn(item);
    for (COptionTreeItem* child = item->GetChild(); child;) {
        // The callback may not unlink, but read the sibling first all the same.
        COptionTreeItem* next = child->GetSibling();
        ForEachInSubtree(child, fn);
        child = next;
    }
}

void COptionTree::resizeEvent(QResizeEvent*)
{
    if (width() == 0 || height() == 0) {
        return;
    }
    layoutPanes();
    RepaintAll();
}

void COptionTree::focusInEvent(QFocusEvent* event)
{
    // The list takes the keyboard for the whole tree.
    m_list->setFocus(event->reason());
}

void COptionTree::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::ApplicationFontChange:
        FitInfoPane();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

void COptionTree::layoutPanes()
{
    const bool showInfo = hasStyle(optiontree::TreeStyleShowInfo);
    const int infoHeight = showInfo ? OptionTreeGeometry::infoPaneHeight(m_info->neededHeight(width()), height()) : 0;
    m_list->setGeometry(OptionTreeGeometry::listRect(size(), infoHeight));
    m_info->setGeometry(OptionTreeGeometry::infoRect(size(), infoHeight));
    m_info->setVisible(showInfo);
}

void COptionTree::FitInfoPane()
{
    if (m_destroying) {
        return;
    }
    layoutPanes();
    RepaintAll();
}

void COptionTree::layoutRows()
{
    ForEachInSubtree(&m_root, [](COptionTreeItem* item) {
        item->m_nextVisible = nullptr;
        item->m_labelTextRect = {};
        item->m_attributeRect = {};
        item->m_expandBox = {};
    });
    const OptionTreeGeometry geometry = Geometry();
    m_firstVisible = nullptr;
    COptionTreeItem** link = &m_firstVisible;
    int top = 0;
    for (COptionTreeItem* item = m_root.m_child; item; item = item->m_sibling) {
        top = layoutItem(item, 1, top, geometry, link);
    }
}

int COptionTree::layoutItem(
    COptionTreeItem* item, int depth, int top, const OptionTreeGeometry& geometry, COptionTreeItem**& link)
{
    *link = item;
    link = &item->m_nextVisible;

    const bool topLevel = depth == 1;
    const int indent = OptionTreeGeometry::indentation(depth);
    const int rowHeight = item->m_rowHeight;
    const int clientTop = top - m_scrollOffset;
    item->m_location = { indent, top };
    item->m_attributeRect = geometry.attributeRect(clientTop, rowHeight);
    if (item->m_child) {
        item->m_expandBox = OptionTreeGeometry::expandBoxRect(top);
    }
    if (!item->m_label.trimmed().isEmpty()) {
        // The whole label's extent, so that auto-fit can widen the column for shortened labels.
        const QFontMetrics metrics(topLevel ? OptionTreeFonts::bold() : OptionTreeFonts::normal());
        const QRect area = geometry.labelTextArea(topLevel, indent, clientTop, rowHeight);
        const int textTop = item->m_multiLineLabel ? clientTop + OptionTreeGeometry::MultiLineLabelTop
                                                   : clientTop + (rowHeight - metrics.height()) / 2;
        item->m_labelTextRect = { area.left(), textTop, metrics.horizontalAdvance(item->m_label), metrics.height() };
    }

    int next = top + rowHeight;
    if (item->m_expanded) {
        for (COptionTreeItem* child = item->m_child; child; child = child->m_sibling) {
            next = layoutItem(child, depth + 1, next, geometry, link);
        }
    }
    return next;
}

} // namespace optiontree
