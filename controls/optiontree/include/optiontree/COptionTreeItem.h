#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QPainter;

namespace optiontree {

class COptionTree;

// One row of an option tree and the base of every item kind; a plain item is a
// category (top level) or a heading. The caller allocates an item and hands it to
// COptionTree::InsertItem, which gives it its identifier and owns it from then on.
// An item that is not inserted has no owner tree and ignores tree operations.
class COptionTreeItem
{
public:
    COptionTreeItem() = default;
    COptionTreeItem(const COptionTreeItem&) = delete;
    COptionTreeItem& operator=(const COptionTreeItem&) = delete;
    virtual ~COptionTreeItem() = default;

    // Draws the value inside the attribute rectangle; the painter is clipped to it.
    virtual void DrawAttribute(QPainter& painter, const QRect& attribute);
    // Opens the editor: shows and focuses the editor window, or runs a dialog.
    virtual void OnActivate();
    // Delete or Backspace on the focused item that has no editor open: empties a value that can be
    // empty and commits it. False when the item has nothing to empty.
    virtual bool OnClear();
    // The layout changed: follow the attribute rectangle, hide unless focused.
    virtual void OnMove();
    // The tree asked for a refresh (UpdatedItems): follow the attribute rectangle.
    virtual void OnRefresh();
    // Closes the editor; called by CommitChanges.
    virtual void OnCommit();
    // Releases the editor; called before the item is deleted.
    virtual void CleanUp();
    virtual void OnDeSelect();
    virtual void OnSelect();
    // Called on every item of a subtree whose expansion changed.
    virtual void OnExpand(bool expand);

    void SetLabelText(const QString& text);
    QString GetLabelText() const { return m_label; }
    void SetInfoText(const QString& text);
    QString GetInfoText() const { return m_infoText; }

    quint32 GetCtrlID() const { return m_id; }
    COptionTreeItem* GetParent() const { return m_parent; }
    COptionTreeItem* GetSibling() const { return m_sibling; }
    COptionTreeItem* GetChild() const { return m_child; }
    COptionTreeItem* GetNextVisible() const { return m_nextVisible; }
    COptionTree* GetOptionTree() const { return m_tree; }

    void ReadOnly(bool readOnly);
    bool IsReadOnly() const { return m_readOnly; }
    void Select(bool select);
    bool IsSelected() const { return m_selected; }
    // Stores the flag and tells the whole subtree; ignored when not inserted.
    void Expand(bool expand);
    bool IsExpanded() const { return m_expanded; }
    // True between Activate and CommitChanges: the editor is open.
    bool IsActivated() const { return m_activated; }
    // True for the children of the tree's invisible root.
    bool IsRootLevel() const;

    void SetItemHeight(int height) { m_rowHeight = height; }
    int GetItemHeight() const { return m_rowHeight; }
    // Own row height plus, when expanded, the heights of all children.
    int GetHeight() const;
    void SetMultiLineLabel(bool multiLine) { m_multiLineLabel = multiLine; }
    bool IsMultiLineLabel() const { return m_multiLineLabel; }

    // Colours; a colour never set means the matching system colour.
    void SetAttributeBackground(const QColor& color) { m_attributeBackground = color; }
    QColor GetAttributeBackground() const { return m_attributeBackground; }
    void SetAttributeTextColor(const QColor& color) { m_attributeText = color; }
    QColor GetAttributeTextColor() const { return m_attributeText; }
    void SetRootBackground(const QColor& color) { m_rootBackground = color; }
    QColor GetRootBackground() const { return m_rootBackground; }
    void SetLabelTextColor(const QColor& color) { m_labelText = color; }
    QColor GetLabelTextColor() const { return m_labelText; }
    void SetLabelBackground(const QColor& color) { m_labelBackground = color; }
    QColor GetLabelBackground() const { return m_labelBackground; }

    // Layout recorded by the tree: indentation and content y of the row's top,
    // the value area in list client coordinates, the expand box in content
    // coordinates (empty without children) and the bounds of the whole label text.
    QPoint GetLocation() const { return m_location; }
    QRect GetAttributeRect() const { return m_attributeRect; }
    QRect GetExpandBox() const { return m_expandBox; }
    QRect GetLabelTextRect() const { return m_labelTextRect; }

    // Opens the editor for one edit cycle.
    void Activate();
    // Empties the value (OnClear), a change committed like an edit's; false when there was nothing to empty.
    bool Clear();
    // Ends the edit cycle: the first call after Activate closes the editor,
    // reports TreeNotifyItemChanged and refreshes the subtree; later calls do nothing.
    void CommitChanges();

private:
    friend class COptionTree;

    void repaintTree() const;

    QString m_label;
    QString m_infoText;
    quint32 m_id = 0;
    COptionTree* m_tree = nullptr;
    COptionTreeItem* m_parent = nullptr;
    COptionTreeItem* m_sibling = nullptr;
    COptionTreeItem* m_child = nullptr;
    COptionTreeItem* m_nextVisible = nullptr;
    QRect m_expandBox;
    QPoint m_location;
    QRect m_attributeRect;
    QRect m_labelTextRect;
    bool m_committed = false;
    int m_rowHeight = 21;
    bool m_selected = false;
    bool m_expanded = false;
    bool m_activated = false;
    bool m_readOnly = false;
    bool m_multiLineLabel = false;
    QColor m_attributeBackground;
    QColor m_attributeText;
    QColor m_rootBackground;
    QColor m_labelText;
    QColor m_labelBackground;
};

} // namespace optiontree
