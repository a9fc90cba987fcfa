#pragma once

#include <QWidget>

class QScrollBar;

namespace optiontree {

class COptionTree;
class COptionTreeItem;

// The list pane of an option tree: paints the rows, scrolls vertically and turns
// mouse and keyboard input into selection, expansion, divider moves and
// activation. The editors of the item kinds are its children.
class COptionTreeList : public QWidget
{
    Q_OBJECT

public:
    explicit COptionTreeList(COptionTree* tree);

    // Width available to rows: the widget minus the scroll bar while it is shown.
    int clientWidth() const;
    // Sets the scroll range for content of the given height; shows the scroll
    // bar only when the content is taller than the list.
    void setContentHeight(int total);
    void setScrollPosition(int offset);
    bool isDraggingDivider() const { return m_dragging; }
    QScrollBar* scrollBar() const { return m_scrollBar; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPoint toContent(const QPoint& point) const;
    void placeScrollBar();
    // Moves the focus to item (none clears it), selecting only that item.
    void focusItem(COptionTreeItem* item);
    // Toggles the expansion unless the owner vetoes; true when it toggled.
    bool toggleExpansion(COptionTreeItem* item);
    // Opens the item's editor unless it is a category, read-only or vetoed.
    void activateItem(COptionTreeItem* item);
    void autoFitDivider();
    COptionTreeItem* lastVisible() const;
    COptionTreeItem* previousVisible(COptionTreeItem* item) const;
    // The row an Up or Down key moves to; with no focus the last or first row,
    // at either end the focused row itself.
    COptionTreeItem* rowAbove(COptionTreeItem* focused) const;
    COptionTreeItem* rowBelow(COptionTreeItem* focused) const;
    // The item Tab (forward) or Shift+Tab moves to from item, skipping categories;
    // none past either end.
    COptionTreeItem* nextTabStop(COptionTreeItem* item, bool forward) const;

    COptionTree* m_tree;
    QScrollBar* m_scrollBar;
    bool m_dragging = false;
    int m_dragX = 0;
};

} // namespace optiontree
