// Tips that show the whole of a text the combo box, its dropped list or the
// edit box had to cut off.

#include "optiontree/CTipEdit.h"
#include "optiontree/CWideEntryComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QtTest>

using namespace optiontree;

namespace {

const QString LongText = QStringLiteral("A very long entry that cannot fit into a narrow box");
const QString ShortText = QStringLiteral("Ok");

// Moves the mouse onto point; a first step elsewhere makes sure a move event
// arrives even when the cursor was left at the same place by an earlier test.
void hover(QWidget* widget, const QPoint& point)
{
    QTest::mouseMove(widget, point + QPoint(2, 1));
    QTest::mouseMove(widget, point);
}

CWideEntryComboBox* comboIn(QWidget* parent, const QStringList& entries)
{
    auto* combo = new CWideEntryComboBox(parent);
    combo->setGeometry(10, 10, 120, 24);
    combo->addItems(entries);
    combo->show();
    return combo;
}

struct Window
{
    Window()
    {
        window.resize(300, 200);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
    QWidget window;
};

} // namespace

class CutOffTipsTest : public QObject
{
    Q_OBJECT

private slots:
    void closedComboShowsItsWholeTextOnlyWhenCutOff_data();
    void closedComboShowsItsWholeTextOnlyWhenCutOff();
    void droppedListShowsTheWholeEntryUnderTheMouse();
    void editShowsItsWholeTextOnlyWhenCutOff_data();
    void editShowsItsWholeTextOnlyWhenCutOff();
    void tipHidesWhenItsWidgetIsHidden();
};

void CutOffTipsTest::closedComboShowsItsWholeTextOnlyWhenCutOff_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("shown");
    QTest::newRow("cut-off text") << LongText << true;
    QTest::newRow("text that fits") << ShortText << false;
}

void CutOffTipsTest::closedComboShowsItsWholeTextOnlyWhenCutOff()
{
    QFETCH(QString, text);
    QFETCH(bool, shown);
    Window w;
    auto* combo = comboIn(&w.window, { text });
    hover(combo, QPoint(20, 12));
    QCOMPARE(combo->tip().isShown(), shown);
    if (shown) {
        QCOMPARE(combo->tip().text(), text);
        QCOMPARE(combo->tip().window()->pos(), combo->mapToGlobal(combo->textArea().topLeft() + QPoint(1, 3)));
        // Over the drop button there is no tip.
        QTest::mouseMove(combo, QPoint(combo->width() - 3, 12));
        QVERIFY(!combo->tip().isShown());
    }
}

void CutOffTipsTest::droppedListShowsTheWholeEntryUnderTheMouse()
{
    Window w;
    auto* combo = comboIn(&w.window, { LongText, ShortText });
    combo->view()->setMinimumWidth(0);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    view->window()->setFixedWidth(combo->width());

    const QRect longEntry = view->visualRect(view->model()->index(0, 0));
    QTest::mouseMove(view->viewport(), longEntry.center());
    QVERIFY(combo->listTip().isShown());
    QCOMPARE(combo->listTip().text(), LongText);
    QCOMPARE(combo->listTip().window()->pos(), view->viewport()->mapToGlobal(longEntry.topLeft()));
    // The tip lies under the mouse; on a real screen it would otherwise take the mouse from the list, which then
    // hides it. The offscreen platform sends no such leave, so the window's promise is checked instead.
    QVERIFY(combo->listTip().window()->windowFlags().testFlag(Qt::WindowTransparentForInput));

    const QRect shortEntry = view->visualRect(view->model()->index(1, 0));
    QTest::mouseMove(view->viewport(), shortEntry.center());
    QVERIFY(!combo->listTip().isShown());
    combo->hidePopup();
}

void CutOffTipsTest::editShowsItsWholeTextOnlyWhenCutOff_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("password");
    QTest::addColumn<bool>("shown");
    QTest::newRow("cut-off text") << LongText << false << true;
    QTest::newRow("text that fits") << ShortText << false << false;
    QTest::newRow("a password is never shown") << LongText << true << false;
}

void CutOffTipsTest::editShowsItsWholeTextOnlyWhenCutOff()
{
    QFETCH(QString, text);
    QFETCH(bool, password);
    QFETCH(bool, shown);
    Window w;
    auto* edit = new CTipEdit(&w.window);
    edit->setEditMode(false, password, false);
    edit->setGeometry(10, 10, 100, 24);
    edit->setText(text);
    edit->show();
    hover(edit->editor(), QPoint(20, 12));
    QCOMPARE(edit->tip().isShown(), shown);
    if (shown) {
        QCOMPARE(edit->tip().text(), text);
        QCOMPARE(edit->tip().window()->pos(), edit->editor()->mapToGlobal(edit->textArea().topLeft() + QPoint(1, 3)));
    }
}

void CutOffTipsTest::tipHidesWhenItsWidgetIsHidden()
{
    Window w;
    auto* combo = comboIn(&w.window, { LongText });
    hover(combo, QPoint(20, 12));
    QVERIFY(combo->tip().isShown());
    combo->hide();
    QTRY_VERIFY_WITH_TIMEOUT(!combo->tip().isShown(), 1000);
}

QTEST_MAIN(CutOffTipsTest)
#include "CutOffTipsTest.moc"
