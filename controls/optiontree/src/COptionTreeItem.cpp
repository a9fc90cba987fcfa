#include "optiontree/COptionTreeItem.h"

#include "optiontree/COptionTree.h"
#include "optiontree/OptionTreeConstants.h"

namespace optiontree {

void COptionTreeItem::DrawAttribute(QPainter&, const QRect&) { }
void COptionTreeItem::OnActivate() { }
bool COptionTreeItem::OnClear() { return false; }
void COptionTreeItem::OnMove() { }
void COptionTreeItem::OnRefresh() { }
void COptionTreeItem::OnCommit() { }
void COptionTreeItem::CleanUp() { }
void COptionTreeItem::OnDeSelect() { }
void COptionTreeItem::OnSelect() { }
void COptionTreeItem::OnExpand(bool) { }

void COptionTreeItem::SetLabelText(const QString& text)
{
    m_label = text;
    repaintTree();
}

void COptionTreeItem::SetInfoText(const QString& text)
{
    m_infoText = text;
    if (m_tree) {
        m_tree->FitInfoPane();
    }
}

void COptionTreeItem::ReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    repaintTree();
}

void COptionTreeItem::Select(bool select)
{
    m_selected = select;
    if (select) {
        OnSelect();
    } else {
        OnDeSelect();
    }
}

void COptionTreeItem::Expand(bool expand)
{
    if (!m_tree) {
        return;
    }
    m_expanded = expand;
    COptionTree::ForEachInSubtree(this, [expand](COptionTreeItem* item) { item->OnExpand(expand); });
}

bool COptionTreeItem::IsRootLevel() const
{
    return m_tree && m_parent == m_tree->GetRootItem();
}

int COptionTreeItem::GetHeight() const
{
    int height = m_rowHeight;
    if (m_expanded) {
        for (const COptionTreeItem* child = m_child; child; child = child->m_sibling) {
            height += child->GetHeight();
        }
    }
    return height;
}

void COptionTreeItem::Activate()
{
    m_activated = true;
    m_committed = false;
    OnActivate();
}

bool COptionTreeItem::Clear()
{
    const bool committed = m_committed;
    m_committed = false;
    if (!OnClear()) {
        m_committed = committed; // nothing changed, so nothing to commit later either
        return false;
    }
    return true;
}

void COptionTreeItem::CommitChanges()
{
    m_activated = false;
    if (m_committed) {
        return;
    }
    m_committed = true;
    OnCommit();
    if (m_tree) {
        m_tree->Notify(TreeNotifyItemChanged, this);
        m_tree->UpdatedItems(this);
    }
}

void COptionTreeItem::repaintTree() const
{
    if (m_tree) {
        m_tree->RepaintAll();
    }
}

} // namespace optiontree
