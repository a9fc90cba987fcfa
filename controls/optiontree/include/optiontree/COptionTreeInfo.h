#pragma once

#include <QWidget>

namespace optiontree {

class COptionTree;

// The description pane below the list: the focused item's label in bold and its
// info text word-wrapped below.
class COptionTreeInfo : public QWidget
{
    Q_OBJECT

public:
    explicit COptionTreeInfo(COptionTree* tree);

    static QString noItemTitle() { return QStringLiteral("No Item Selected"); }
    static QString noItemText() { return QStringLiteral("Select an item to see its description."); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    COptionTree* m_tree;
};

} // namespace optiontree
