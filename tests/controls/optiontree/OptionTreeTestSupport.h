#pragma once

#include "optiontree/COptionTree.h"
#include "optiontree/OptionTreeConstants.h"
#include "optiontree/OptionTreeNotifyRecord.h"

#include "COptionTreeList.h"

#include <QApplication>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QVector>
#include <QWidget>

namespace optiontree::test {

// Records the tree's notifications and vetoes the codes it is told to.
class NotifyRecorder : public controls::NotifyTarget
{
public:
    struct Entry
    {
        int code;
        COptionTreeItem* item;
        QWidget* sender;
        int controlId;
    };

    qintptr notify(controls::NotifyHeader& header) override
    {
        const auto& record = static_cast<OptionTreeNotifyRecord&>(header);
        entries.append({ record.code, record.item, record.sender, record.controlId });
        return vetoed.contains(record.code) ? 1 : 0;
    }

    int count(int code) const
    {
        int n = 0;
        for (const Entry& entry : entries) {
            n += entry.code == code ? 1 : 0;
        }
        return n;
    }

    QVector<COptionTreeItem*> items(int code) const
    {
        QVector<COptionTreeItem*> result;
        for (const Entry& entry : entries) {
            if (entry.code == code) {
                result.append(entry.item);
            }
        }
        return result;
    }

    QVector<Entry> entries;
    QSet<int> vetoed;
};

// A shown, active window holding a tree (300 x 400 at the top left) and, beside
// it, a line edit that stands for another pane of the program.
struct TreeWindow
{
    explicit TreeWindow(quint32 style = TreeStyleShowInfo | TreeStyleShadeMargin | TreeStyleShadeRootItems)
    {
        window.resize(500, 450);
        tree->Create(QRect(0, 0, 300, 400), &window, style, 101);
        tree->SetNotify(true, &recorder);
        otherPane->setGeometry(320, 10, 150, 24);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    COptionTreeList* list() const { return tree->GetListWindow(); }

    template <typename Item = COptionTreeItem> Item* insert(COptionTreeItem* parent, const QString& label)
    {
        auto* item = new Item;
        tree->InsertItem(item, parent);
        item->SetLabelText(label);
        return item;
    }

    // Point in list coordinates at the given x in the middle of the item's row.
    QPoint rowPoint(COptionTreeItem* item, int x) const
    {
        tree->GetFirstVisible(); // brings the row layout up to date
        return { x, item->GetLocation().y() - tree->GetScrollOffset() + item->GetItemHeight() / 2 };
    }
    QPoint attributePoint(COptionTreeItem* item) const { return rowPoint(item, tree->GetColumn() + 40); }
    QPoint labelPoint(COptionTreeItem* item) const { return rowPoint(item, 40); }
    QPoint expandBoxPoint(COptionTreeItem* item) const
    {
        return { item->GetExpandBox().center().x(), item->GetExpandBox().center().y() - tree->GetScrollOffset() };
    }

    void click(const QPoint& listPoint) { QTest::mouseClick(list(), Qt::LeftButton, {}, listPoint); }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(list(), key, modifiers); }

    NotifyRecorder recorder; // outlives the window and the tree in it
    QWidget window;
    COptionTree* tree = new COptionTree;
    QLineEdit* otherPane = new QLineEdit(&window);
};

} // namespace optiontree::test
