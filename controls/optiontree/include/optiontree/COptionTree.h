#pragma once

#include "optiontree/COptionTreeItem.h"
#include "optiontree/OptionTreeGeometry.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace controls {
class NotifyTarget;
}

namespace optiontree {

class COptionTreeInfo;
class COptionTreeList;

// A property-sheet control: rows of labelled option items under category rows,
// a draggable divider between labels and values, and an optional info pane that
// describes the focused item. The tree owns every item inserted into it and
// reports to its owner through controls::NotifyTarget with OptionTreeNotifyRecord.
class COptionTree : public QWidget
{
    Q_OBJECT

public:
    explicit COptionTree(QWidget* parent = nullptr);
    ~COptionTree() override;

    // Places the tree in parent at rect with the given style bits and control
    // identifier and shows it. Fails when the tree was created already.
    bool Create(const QRect& rect, QWidget* parent, quint32 treeStyle, int controlId);
    // Turns notifications on or off and sets the target that receives them.
    void SetNotify(bool on, controls::NotifyTarget* target);

    // Appends item as the last child of parent (the root when none), gives it
    // the next identifier and takes ownership. Returns item, or none for none
    // and for an item that is in a tree already.
    COptionTreeItem* InsertItem(COptionTreeItem* item, COptionTreeItem* parent = nullptr);
    // Deletes the item with its children; on the root, deletes all its children.
    void DeleteItem(COptionTreeItem* item);
    // Empties the tree; the next inserted item gets identifier 1 again.
    void DeleteAllItems();
    // The item with the identifier, searched in pre-order, or none.
    COptionTreeItem* FindItem(quint32 id) const;

    COptionTreeItem* GetFocusedItem() const { return m_focused; }
    // Focuses the item (none clears the focus), makes it visible and repaints.
    void SetFocusedItem(COptionTreeItem* item);
    // Selects or deselects start and its descendants (all items when none).
    void SelectItems(COptionTreeItem* start, bool select);
    void ExpandAllItems();
    // Refreshes start and its descendants (all items when none) and repaints.
    void UpdatedItems(COptionTreeItem* start = nullptr);
    // Lets every item follow a layout change.
    void MoveItems();

    void SetColumn(int x);
    int GetColumn() const { return m_column; }
    // The right edge of the widest label shown, counting its whole text even where it is shortened.
    int WidestLabelRight();
    // The shown row that contains the content y, or none.
    COptionTreeItem* RowAt(int contentY);
    // Hit code (TreeHit*) of a point in content coordinates of the list.
    int HitTest(const QPoint& contentPoint);
    // Expands the ancestors of item when needed and scrolls it into view.
    void EnsureVisible(COptionTreeItem* item);
    // True when the item's row is shown (all its ancestors expanded).
    bool IsVisible(COptionTreeItem* item);

    bool TreeStyleShowInfo() const;
    bool TreeStyleNotify() const;
    bool TreeStyleDefaultInfoText() const;
    bool TreeStyleShadeMargin() const;
    bool TreeStyleShadeRootItems() const;
    COptionTreeItem* GetRootItem() { return &m_root; }
    const COptionTreeItem* GetRootItem() const { return &m_root; }
    int GetControlId() const { return m_controlId; }

    // Sends a notification; returns the target's answer, 0 when notifications are off.
    qintptr Notify(int code, COptionTreeItem* item);

    COptionTreeList* GetListWindow() const { return m_list; }
    COptionTreeInfo* GetInfoWindow() const { return m_info; }
    // Geometry of the list window at the current width, height and divider.
    OptionTreeGeometry Geometry() const;
    COptionTreeItem* GetFirstVisible();

    int GetScrollOffset() const { return m_scrollOffset; }
    // Scrolls the list to offset, clamped to the content.
    void SetScrollOffset(int offset);
    // Sum of the heights of the top-level items.
    int GetTotalHeight() const;
    // Recomputes the scroll range after the content or the list size changed.
    void UpdateScrollRange();
    // Clears the focus when the focused item's row is no longer shown and reports it.
    void DropHiddenFocus();
    // Rebuilds the row layout and repaints both panes.
    void RepaintAll();
    // Gives the info pane the height its descriptions need, after one of them changed.
    void FitInfoPane();

    // Calls fn on item and all its descendants, parents before children.
    static void ForEachInSubtree(COptionTreeItem* item, const std::function<void(COptionTreeItem*)>& fn);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    friend class COptionTreeList;

    bool hasStyle(quint32 bit) const { return (m_style & bit) != 0; }
    void layoutPanes();
    // Rebuilds the visible-row chain and records each shown row's layout.
    void layoutRows();
    int layoutItem(
        COptionTreeItem* item, int depth, int top, const OptionTreeGeometry& geometry, COptionTreeItem**& link);
    void deleteChildren(COptionTreeItem* item);

    quint32 m_style = 0;
    int m_controlId = 0;
    bool m_created = false;
    COptionTreeItem m_root;
    COptionTreeItem* m_firstVisible = nullptr;
    COptionTreeItem* m_focused = nullptr;
    int m_column = OptionTreeGeometry::DefaultColumn;
    int m_scrollOffset = 0;
    quint32 m_nextId = 0;
    controls::NotifyTarget* m_notifyTarget = nullptr;
    // Set when the target is a QObject, so that a destroyed target is not called.
    QPointer<QObject> m_notifyGuard;
    bool m_notifyIsObject = false;
    bool m_destroying = false;
    COptionTreeList* m_list = nullptr;
    COptionTreeInfo* m_info = nullptr;
};

} // namespace optiontree
