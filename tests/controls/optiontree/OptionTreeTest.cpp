// Behaviour of the tree itself: identifiers, ownership, divider, hit testing,
// mouse and keyboard handling, vetoes and scrolling.

#include "OptionTreeTestSupport.h"

#include <QScrollBar>
#include <QtTest>

using namespace optiontree;
using namespace optiontree::test;

namespace {

// An item that counts how often its editor would open.
class ProbeItem : public COptionTreeItem
{
public:
    void OnActivate() override { ++activations; }
    int activations = 0;
};

// Paper (category) > Size (probe) > Width, Height (probes); Paper > Margin (probe);
// Security (category) > Level (probe). Everything expanded.
struct SampleTree : TreeWindow
{
    SampleTree()
    {
        paper = insert(nullptr, QStringLiteral("Paper Options"));
        size = insert<ProbeItem>(paper, QStringLiteral("Page Size"));
        width = insert<ProbeItem>(size, QStringLiteral("Page Width"));
        height = insert<ProbeItem>(size, QStringLiteral("Page Height"));
        margin = insert<ProbeItem>(paper, QStringLiteral("Margin"));
        security = insert(nullptr, QStringLiteral("Security"));
        level = insert<ProbeItem>(security, QStringLiteral("Encrypt Level"));
        tree->ExpandAllItems();
        recorder.entries.clear();
    }

    COptionTreeItem* paper;
    ProbeItem* size;
    ProbeItem* width;
    ProbeItem* height;
    ProbeItem* margin;
    COptionTreeItem* security;
    ProbeItem* level;
};

int listWidth(const TreeWindow& t)
{
    return t.tree->Geometry().width();
}

void dragDivider(TreeWindow& t, int toX)
{
    COptionTreeItem* row = t.tree->GetRootItem()->GetChild()->GetChild();
    const QPoint start = t.rowPoint(row, t.tree->GetColumn());
    QTest::mousePress(t.list(), Qt::LeftButton, {}, start);
    QTest::mouseMove(t.list(), QPoint(toX, start.y()));
    QTest::mouseRelease(t.list(), Qt::LeftButton, {}, QPoint(toX, start.y()));
}

} // namespace

class OptionTreeTest : public QObject
{
    Q_OBJECT

private slots:
    void identifiersStartAtOneInFreshAndClearedTrees();
    void findItemFindsEveryInsertedItem();
    void deletingAnItemReportsItsSubtreeAndDropsTheFocus();
    void setColumnKeepsTheDividerInsideTheList_data();
    void setColumnKeepsTheDividerInsideTheList();
    void draggingTheDividerClampsWhereItEnds_data();
    void draggingTheDividerClampsWhereItEnds();
    void dividerDragCanBeVetoed();
    void doubleClickOnDividerFitsTheWidestLabel();
    void hitTestNamesThePartOfTheRow_data();
    void hitTestNamesThePartOfTheRow();
    void cursorMarksTheDividerAndExpandBoxes();
    void clickOnValueSelectsAndActivates_data();
    void clickOnValueSelectsAndActivates();
    void keysNeverActivateReadOnlyItems_data();
    void keysNeverActivateReadOnlyItems();
    void expandingCanBeVetoed_data();
    void expandingCanBeVetoed();
    void collapsingTheParentOfTheFocusedItemClearsTheFocus();
    void arrowKeysWalkTheVisibleRows();
    void tabWalksTheItemsAndLeavesTheTreeAtEitherEnd();
    void clickBelowTheRowsClearsTheFocus();
    void wheelScrollsOneLineOnlyWhenTheContentIsTaller();
    void focusingAHiddenItemExpandsAndScrollsToIt();
    void notificationsOffVetoNothing();
    void disabledTreeIgnoresTheMouseAndKeys();
};

void OptionTreeTest::identifiersStartAtOneInFreshAndClearedTrees()
{
    TreeWindow t;
    COptionTreeItem* first = t.insert(nullptr, QStringLiteral("a"));
    COptionTreeItem* second = t.insert(first, QStringLiteral("b"));
    QCOMPARE(first->GetCtrlID(), 1u);
    QCOMPARE(second->GetCtrlID(), 2u);
    QCOMPARE(t.recorder.items(TreeNotifyItemInserted), (QVector<COptionTreeItem*> { first, second }));

    t.tree->DeleteAllItems();
    QVERIFY(!t.tree->GetRootItem()->GetChild());
    QCOMPARE(t.recorder.count(TreeNotifyItemDeleted), 2);
    COptionTreeItem* again = t.insert(nullptr, QStringLiteral("c"));
    QCOMPARE(again->GetCtrlID(), 1u);
    QCOMPARE(t.tree->InsertItem(nullptr), nullptr);
    QCOMPARE(t.tree->InsertItem(again), nullptr);
    QCOMPARE(t.tree->InsertItem(t.tree->GetRootItem()), nullptr);
    QCOMPARE(t.tree->FindItem(2), nullptr);
}

void OptionTreeTest::findItemFindsEveryInsertedItem()
{
    SampleTree t;
    // Insert a top-level item after the nested ones, then a child of the first category.
    COptionTreeItem* late = t.insert(t.paper, QStringLiteral("late child"));
    for (COptionTreeItem* item : std::initializer_list<COptionTreeItem*> { t.paper, t.height, t.level, late }) {
        QCOMPARE(t.tree->FindItem(item->GetCtrlID()), item);
    }
    QCOMPARE(t.tree->FindItem(0), nullptr); // the root carries 0 and is never found
    QCOMPARE(t.tree->FindItem(99), nullptr);
}

void OptionTreeTest::deletingAnItemReportsItsSubtreeAndDropsTheFocus()
{
    SampleTree t;
    t.tree->SetFocusedItem(t.width);
    t.tree->DeleteItem(t.size);
    QCOMPARE(t.recorder.items(TreeNotifyItemDeleted), (QVector<COptionTreeItem*> { t.size, t.width, t.height }));
    QCOMPARE(t.tree->GetFocusedItem(), nullptr);
    QCOMPARE(t.paper->GetChild(), t.margin);
    // Identifiers keep counting after a single deletion.
    QCOMPARE(t.insert(nullptr, QStringLiteral("next"))->GetCtrlID(), 8u);
}

void OptionTreeTest::setColumnKeepsTheDividerInsideTheList_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("fromRight"); // expected distance from the right edge, or -1
    QTest::addColumn<int>("expected");
    QTest::newRow("left of the margin goes to 16") << 5 << -1 << 16;
    QTest::newRow("inside stays") << 120 << -1 << 120;
    QTest::newRow("beyond the right edge stops 16 short") << 5000 << 16 << 0;
}

void OptionTreeTest::setColumnKeepsTheDividerInsideTheList()
{
    QFETCH(int, requested);
    QFETCH(int, fromRight);
    QFETCH(int, expected);
    SampleTree t;
    t.tree->SetColumn(requested);
    QCOMPARE(t.tree->GetColumn(), fromRight < 0 ? expected : listWidth(t) - fromRight);
}

void OptionTreeTest::draggingTheDividerClampsWhereItEnds_data()
{
    QTest::addColumn<int>("toX");
    QTest::addColumn<int>("fromRight");
    QTest::addColumn<int>("expected");
    QTest::newRow("too far left ends at 41") << 10 << -1 << 41;
    QTest::newRow("inside ends where released") << 100 << -1 << 100;
    QTest::newRow("beyond the right edge ends 25 short") << 290 << 25 << 0;
}

void OptionTreeTest::draggingTheDividerClampsWhereItEnds()
{
    QFETCH(int, toX);
    QFETCH(int, fromRight);
    QFETCH(int, expected);
    SampleTree t;
    dragDivider(t, toX);
    QCOMPARE(t.tree->GetColumn(), fromRight < 0 ? expected : listWidth(t) - fromRight);
    QCOMPARE(t.recorder.count(TreeNotifyDividerDrag), 1);
    QVERIFY(!t.list()->isDraggingDivider());
}

void OptionTreeTest::dividerDragCanBeVetoed()
{
    SampleTree t;
    t.recorder.vetoed.insert(TreeNotifyDividerDrag);
    const int before = t.tree->GetColumn();
    dragDivider(t, 60);
    QCOMPARE(t.tree->GetColumn(), before);
}

void OptionTreeTest::doubleClickOnDividerFitsTheWidestLabel()
{
    SampleTree t;
    t.tree->SetColumn(250);
    t.tree->GetFirstVisible();
    int widest = 0;
    for (COptionTreeItem* row = t.tree->GetFirstVisible(); row; row = row->GetNextVisible()) {
        widest = std::max(widest, row->GetLabelTextRect().x() + row->GetLabelTextRect().width());
    }
    QVERIFY(widest > 40);
    QTest::mouseDClick(t.list(), Qt::LeftButton, {}, t.rowPoint(t.width, 250));
    QCOMPARE(t.tree->GetColumn(), widest + 5);

    // A label too wide for the list stops the divider 25 pixels short of the right edge.
    t.margin->SetLabelText(QString(200, QLatin1Char('W')));
    QTest::mouseDClick(t.list(), Qt::LeftButton, {}, t.rowPoint(t.width, t.tree->GetColumn()));
    QCOMPARE(t.tree->GetColumn(), listWidth(t) - 25);
}

void OptionTreeTest::hitTestNamesThePartOfTheRow_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("xFromDivider"); // x relative to the divider, or absolute when row ends in "@"
    QTest::addColumn<int>("expected");
    QTest::newRow("label of an option") << "width" << -60 << TreeHitLabel;
    QTest::newRow("divider band left edge") << "width" << -5 << TreeHitDivider;
    QTest::newRow("divider band right edge") << "width" << 5 << TreeHitDivider;
    QTest::newRow("value just past the band") << "width" << 6 << TreeHitAttribute;
    QTest::newRow("category has no divider") << "paper" << 0 << TreeHitLabel;
    QTest::newRow("category right of the divider") << "paper" << 20 << TreeHitAttribute;
    QTest::newRow("expand box of an option") << "size@" << 8 << TreeHitExpandBox;
    QTest::newRow("margin beside a childless row") << "width@" << 8 << TreeHitLabel;
    QTest::newRow("below the last row") << "none" << 0 << TreeHitNowhere;
}

void OptionTreeTest::hitTestNamesThePartOfTheRow()
{
    QFETCH(QString, row);
    QFETCH(int, xFromDivider);
    QFETCH(int, expected);
    SampleTree t;
    const bool absolute = row.endsWith(QLatin1Char('@'));
    row.remove(QLatin1Char('@'));
    const QHash<QString, COptionTreeItem*> rows { { "width", t.width }, { "paper", t.paper }, { "size", t.size } };
    const int x = absolute ? xFromDivider : t.tree->GetColumn() + xFromDivider;
    QPoint content;
    if (row == QLatin1String("none")) {
        content = QPoint(x, t.tree->GetTotalHeight() + 3);
    } else {
        COptionTreeItem* item = rows.value(row);
        content = QPoint(x, item->GetLocation().y() + 10);
    }
    QCOMPARE(t.tree->HitTest(content), expected);
}

void OptionTreeTest::cursorMarksTheDividerAndExpandBoxes()
{
    SampleTree t;
    // Plain moves without a button, sent directly: QTest's own button state may
    // still hold the press of an earlier double-click.
    const auto hover = [&t](const QPoint& point) {
        QMouseEvent move(QEvent::MouseMove, point, t.list()->mapToGlobal(point), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(t.list(), &move);
        return t.list()->cursor().shape();
    };
    QCOMPARE(hover(t.rowPoint(t.width, t.tree->GetColumn() + 2)), Qt::SplitHCursor);
    QCOMPARE(hover(t.expandBoxPoint(t.size)), Qt::PointingHandCursor);
    QCOMPARE(hover(t.labelPoint(t.width)), Qt::ArrowCursor);
}

void OptionTreeTest::clickOnValueSelectsAndActivates_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("veto");
    QTest::addColumn<int>("activations");
    QTest::newRow("editable item opens") << false << false << 1;
    QTest::newRow("read-only item stays closed") << true << false << 0;
    QTest::newRow("owner vetoes activation") << false << true << 0;
}

void OptionTreeTest::clickOnValueSelectsAndActivates()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, veto);
    QFETCH(int, activations);
    SampleTree t;
    t.margin->ReadOnly(readOnly);
    if (veto) {
        t.recorder.vetoed.insert(TreeNotifyItemActivating);
    }
    t.click(t.attributePoint(t.margin));
    QCOMPARE(t.tree->GetFocusedItem(), t.margin);
    QVERIFY(t.margin->IsSelected());
    QCOMPARE(t.recorder.items(TreeNotifySelectionChanged), QVector<COptionTreeItem*> { t.margin });
    QCOMPARE(t.margin->activations, activations);
    QCOMPARE(t.margin->IsActivated(), activations == 1);

    // A click on the label selects without opening.
    t.click(t.labelPoint(t.width));
    QCOMPARE(t.tree->GetFocusedItem(), t.width);
    QVERIFY(!t.margin->IsSelected());
    QCOMPARE(t.width->activations, 0);
}

void OptionTreeTest::keysNeverActivateReadOnlyItems_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("Tab") << int(Qt::Key_Tab);
}

void OptionTreeTest::keysNeverActivateReadOnlyItems()
{
    QFETCH(int, key);
    SampleTree t;
    t.width->ReadOnly(true);
    t.height->ReadOnly(true);
    t.click(t.labelPoint(t.width));
    t.key(Qt::Key(key));
    QCOMPARE(t.width->activations + t.height->activations, 0);

    // The same key opens an editable item.
    t.height->ReadOnly(false);
    t.click(t.labelPoint(key == Qt::Key_Tab ? t.width : t.height));
    t.key(Qt::Key(key));
    QCOMPARE(t.height->activations, 1);
}

void OptionTreeTest::expandingCanBeVetoed_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<bool>("startExpanded");
    QTest::newRow("click on the expand box") << "box" << true;
    QTest::newRow("double-click on the label") << "label" << false;
    QTest::newRow("Right key") << "right" << false;
    QTest::newRow("Left key") << "left" << true;
}

void OptionTreeTest::expandingCanBeVetoed()
{
    QFETCH(QString, gesture);
    QFETCH(bool, startExpanded);
    for (const bool veto : { true, false }) {
        SampleTree t;
        t.size->Expand(startExpanded);
        t.tree->SetFocusedItem(t.size);
        if (veto) {
            t.recorder.vetoed.insert(TreeNotifyItemExpanding);
        }
        if (gesture == QLatin1String("box")) {
            t.click(t.expandBoxPoint(t.size));
        } else if (gesture == QLatin1String("label")) {
            QTest::mouseDClick(t.list(), Qt::LeftButton, {}, t.labelPoint(t.size));
        } else {
            t.key(gesture == QLatin1String("right") ? Qt::Key_Right : Qt::Key_Left);
        }
        QCOMPARE(t.recorder.count(TreeNotifyItemExpanding), 1);
        QCOMPARE(t.size->IsExpanded(), veto ? startExpanded : !startExpanded);
        QCOMPARE(t.tree->IsVisible(t.width), t.size->IsExpanded());
    }
}

void OptionTreeTest::collapsingTheParentOfTheFocusedItemClearsTheFocus()
{
    SampleTree t;
    t.click(t.labelPoint(t.height));
    t.recorder.entries.clear();
    t.click(t.expandBoxPoint(t.size));
    QVERIFY(!t.size->IsExpanded());
    QCOMPARE(t.tree->GetFocusedItem(), nullptr);
    QVERIFY(!t.height->IsSelected());
    QCOMPARE(t.recorder.items(TreeNotifySelectionChanged), QVector<COptionTreeItem*> { nullptr });

    // Collapsing a branch that does not hold the focus leaves the focus alone.
    t.click(t.labelPoint(t.level));
    t.click(t.expandBoxPoint(t.paper));
    QCOMPARE(t.tree->GetFocusedItem(), t.level);
}

void OptionTreeTest::arrowKeysWalkTheVisibleRows()
{
    SampleTree t;
    t.list()->setFocus();
    t.key(Qt::Key_Down);
    QCOMPARE(t.tree->GetFocusedItem(), t.paper);
    t.key(Qt::Key_Down);
    t.key(Qt::Key_Down);
    QCOMPARE(t.tree->GetFocusedItem(), t.width);
    t.key(Qt::Key_End);
    QCOMPARE(t.tree->GetFocusedItem(), t.level);
    t.key(Qt::Key_Down);
    QCOMPARE(t.tree->GetFocusedItem(), t.level);
    t.key(Qt::Key_Home);
    QCOMPARE(t.tree->GetFocusedItem(), t.paper);
    t.key(Qt::Key_Up);
    QCOMPARE(t.tree->GetFocusedItem(), t.paper);
    // Every move reports the new focus once; the moves that stayed report nothing.
    QCOMPARE(t.recorder.count(TreeNotifySelectionChanged), 5);

    // Without a focus, Up starts from the last row.
    t.tree->SetFocusedItem(nullptr);
    t.key(Qt::Key_Up);
    QCOMPARE(t.tree->GetFocusedItem(), t.level);
    // Left on a childless row moves up, Right moves down.
    t.key(Qt::Key_Left);
    QCOMPARE(t.tree->GetFocusedItem(), t.security);
    t.key(Qt::Key_Right); // expanded category: no change of expansion, moves down
    QCOMPARE(t.tree->GetFocusedItem(), t.level);
}

void OptionTreeTest::tabWalksTheItemsAndLeavesTheTreeAtEitherEnd()
{
    SampleTree t;
    t.click(t.labelPoint(t.margin));
    t.key(Qt::Key_Tab);
    QCOMPARE(t.tree->GetFocusedItem(), t.level);
    QCOMPARE(t.level->activations, 1);
    // Past the last item the keyboard goes on to the next widget; the last item is not opened again.
    t.key(Qt::Key_Tab);
    QVERIFY(t.otherPane->hasFocus());
    QCOMPARE(t.tree->GetFocusedItem(), t.level);
    QCOMPARE(t.level->activations, 1);

    t.click(t.labelPoint(t.width));
    t.key(Qt::Key_Backtab);
    QCOMPARE(t.tree->GetFocusedItem(), t.size);
    QCOMPARE(t.size->activations, 1);
    // Before the first item, Shift+Tab goes back to the previous widget (here, round to the other pane).
    t.key(Qt::Key_Backtab);
    QVERIFY(t.otherPane->hasFocus());
    QCOMPARE(t.size->activations, 1);

    // On a category, Tab leaves the tree at once.
    t.click(t.labelPoint(t.security));
    t.key(Qt::Key_Tab);
    QCOMPARE(t.tree->GetFocusedItem(), t.security);
    QVERIFY(t.otherPane->hasFocus());
}

void OptionTreeTest::clickBelowTheRowsClearsTheFocus()
{
    SampleTree t;
    t.click(t.labelPoint(t.width));
    t.click(QPoint(60, t.tree->GetTotalHeight() + 10));
    QCOMPARE(t.tree->GetFocusedItem(), nullptr);
    QVERIFY(!t.width->IsSelected());
    QCOMPARE(t.recorder.items(TreeNotifySelectionChanged), (QVector<COptionTreeItem*> { t.width, nullptr }));
}

void OptionTreeTest::wheelScrollsOneLineOnlyWhenTheContentIsTaller()
{
    SampleTree t;
    const auto wheelOver = [](QWidget* widget, int delta) {
        const QPointF point(widget->width() / 2, widget->height() / 2);
        QWheelEvent event(
            point, widget->mapToGlobal(point), {}, QPoint(0, delta), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    };
    const auto wheel = [&](int delta) { wheelOver(t.list(), delta); };
    wheel(-120);
    QCOMPARE(t.tree->GetScrollOffset(), 0);
    QVERIFY(!t.list()->scrollBar()->isVisible());

    for (int i = 0; i < 20; ++i) {
        t.insert(t.security, QStringLiteral("extra %1").arg(i));
    }
    QVERIFY(t.list()->scrollBar()->isVisible());
    wheel(-120);
    wheel(-120);
    QCOMPARE(t.tree->GetScrollOffset(), 42);
    wheel(120);
    QCOMPARE(t.tree->GetScrollOffset(), 21);
    // Scrolling moves the rows: the row now at the top is the second one.
    QCOMPARE(t.tree->HitTest(QPoint(40, t.tree->GetScrollOffset() + 2)), TreeHitLabel);
    QCOMPARE(t.tree->RowAt(t.tree->GetScrollOffset() + 2), t.size);

    // Over the scroll bar the wheel goes as far as over the rows.
    wheelOver(t.list()->scrollBar(), -120);
    QCOMPARE(t.tree->GetScrollOffset(), 42);

    for (int i = 0; i < 50; ++i) {
        wheel(-120);
    }
    QCOMPARE(t.tree->GetScrollOffset(), t.tree->GetTotalHeight() - t.list()->height());
}

void OptionTreeTest::focusingAHiddenItemExpandsAndScrollsToIt()
{
    SampleTree t;
    for (int i = 0; i < 20; ++i) {
        t.insert(t.paper, QStringLiteral("filler %1").arg(i));
    }
    t.size->Expand(false);
    t.security->Expand(false);
    QVERIFY(!t.tree->IsVisible(t.width));

    t.tree->SetFocusedItem(t.width);
    QVERIFY(t.size->IsExpanded());
    QVERIFY(t.tree->IsVisible(t.width));

    t.tree->SetFocusedItem(t.level);
    QVERIFY(t.security->IsExpanded());
    const int top = t.level->GetLocation().y() - t.tree->GetScrollOffset();
    QVERIFY(top >= 0);
    QVERIFY(top + t.level->GetItemHeight() <= t.list()->height());
    t.tree->SetFocusedItem(t.paper);
    QCOMPARE(t.tree->GetScrollOffset(), 0);
}

void OptionTreeTest::notificationsOffVetoNothing()
{
    SampleTree t;
    t.tree->SetNotify(false, &t.recorder);
    t.recorder.vetoed = { TreeNotifyItemExpanding, TreeNotifyItemActivating };
    t.click(t.expandBoxPoint(t.size));
    QVERIFY(!t.size->IsExpanded());
    t.click(t.attributePoint(t.margin));
    QCOMPARE(t.margin->activations, 1);
    QVERIFY(t.recorder.entries.isEmpty());
    QVERIFY(!t.tree->TreeStyleNotify());
}

void OptionTreeTest::disabledTreeIgnoresTheMouseAndKeys()
{
    SampleTree t;
    t.tree->setEnabled(false);
    t.click(t.attributePoint(t.margin));
    t.click(t.expandBoxPoint(t.size));
    QCOMPARE(t.tree->GetFocusedItem(), nullptr);
    QCOMPARE(t.margin->activations, 0);
    QVERIFY(t.size->IsExpanded());
    QVERIFY(t.recorder.entries.isEmpty());
}

QTEST_MAIN(OptionTreeTest)
#include "OptionTreeTest.moc"
