// Cells as tab-separated text: the text table, clipboard copy, cut and paste, and dropping cells.
#include "GridFixture.h"

#include "GridTextTable.h"

#include <QClipboard>
#include <QMimeData>
#include <QTest>

using namespace grid;

using Table = QList<QStringList>;
Q_DECLARE_METATYPE(Table)

class GridTransferTest : public QObject
{
    Q_OBJECT

private slots:
    void textTableSplitsLinesAndTabs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Table>("expected");
        QTest::newRow("CR LF lines") << "a\tb\r\nc\td\r\n" << Table{{"a", "b"}, {"c", "d"}};
        QTest::newRow("LF lines, no final end") << "a\tb\nc" << Table{{"a", "b"}, {"c"}};
        QTest::newRow("CR lines") << "a\rb\r" << Table{{"a"}, {"b"}};
        QTest::newRow("empty cells kept") << "\t\tx\r\n\r\n" << Table{{"", "", "x"}, {""}};
        QTest::newRow("nothing") << "" << Table{};
    }
    void textTableSplitsLinesAndTabs()
    {
        QFETCH(QString, text);
        QFETCH(Table, expected);
        QCOMPARE(GridTextTable::split(text), expected);
    }

    void textTableJoinsWhatItSplits()
    {
        const Table table{{"one", "", "three"}, {"", "five", ""}};
        QCOMPARE(GridTextTable::join(table), QStringLiteral("one\t\tthree\r\n\tfive\t\r\n"));
        QCOMPARE(GridTextTable::split(GridTextTable::join(table)), table);
    }

    void copyGivesTheSelectedCellsOfTheRange()
    {
        GridFixture f(6, 4);
        f.click(1, 1);
        f.click(2, 2, Qt::ShiftModifier);
        f.click(3, 3, Qt::ControlModifier);
        QCOMPARE(f.grid->CopyTextFromGrid(),
                 QStringLiteral("r1c1\tr1c2\t\r\nr2c1\tr2c2\t\r\n\t\tr3c3\r\n"));
    }

    void clipboardRoundTripCopiesCellsElsewhere()
    {
        GridFixture f(8, 4);
        f.click(1, 0);
        f.click(2, 1, Qt::ShiftModifier);
        QTest::keyClick(f.grid.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("r1c0\tr1c1\r\nr2c0\tr2c1\r\n"));
        f.click(5, 2);
        QTest::keyClick(f.grid.get(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.grid->GetItemText(5, 2), QStringLiteral("r1c0"));
        QCOMPARE(f.grid->GetItemText(5, 3), QStringLiteral("r1c1"));
        QCOMPARE(f.grid->GetItemText(6, 2), QStringLiteral("r2c0"));
        QCOMPARE(f.grid->GetItemText(6, 3), QStringLiteral("r2c1"));
        QVERIFY(f.grid->GetCell(6, 3)->IsModified());
        // Nothing spills past the neighbours.
        QCOMPARE(f.grid->GetItemText(7, 2), QStringLiteral("r7c2"));
    }

    void pastingSkipsReadOnlyCellsAndStopsAtTheEdge()
    {
        GridFixture f(4, 3);
        f.grid->SetItemState(2, 2, GVIS_READONLY);
        QVERIFY(f.grid->PasteTextToGrid({2, 1}, QStringLiteral("a\tb\tc\r\nd\te\tf\r\ng\th\r\n")));
        QCOMPARE(f.grid->GetItemText(2, 1), QStringLiteral("a"));
        QCOMPARE(f.grid->GetItemText(2, 2), QStringLiteral("r2c2"));
        QCOMPARE(f.grid->GetItemText(3, 1), QStringLiteral("d"));
        QCOMPARE(f.grid->GetItemText(3, 2), QStringLiteral("e"));
        QCOMPARE(f.grid->GetRowCount(), 4);
        // The fixed header is never written.
        QVERIFY(!f.grid->PasteTextToGrid({0, 0}, QStringLiteral("x")));
        QCOMPARE(f.grid->GetItemText(0, 0), QStringLiteral("r0c0"));
        f.grid->SetEditable(false);
        QVERIFY(!f.grid->PasteTextToGrid({1, 1}, QStringLiteral("x")));
    }

    void cutCopiesAndEmptiesTheEditableCells()
    {
        GridFixture f(4, 3);
        f.grid->SetItemState(1, 2, GVIS_READONLY);
        f.click(1, 1);
        f.click(1, 2, Qt::ShiftModifier);
        QTest::keyClick(f.grid.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("r1c1\tr1c2\r\n"));
        QCOMPARE(f.grid->GetItemText(1, 1), QString());
        QCOMPARE(f.grid->GetItemText(1, 2), QStringLiteral("r1c2"));
    }

    void clipboardKeysCanBeLeftToTheParent_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+C") << int(Qt::Key_C) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Shift+X") << int(Qt::Key_X) << int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier);
    }
    void clipboardKeysCanBeLeftToTheParent()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        GridFixture f(4, 3);
        f.grid->EnableClipboardKeys(false);
        QGuiApplication::clipboard()->setText(QStringLiteral("outside"));
        f.click(1, 1);
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QApplication::sendEvent(f.grid.get(), &press);
        QVERIFY(!press.isAccepted());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("outside"));
        QCOMPARE(f.grid->GetItemText(1, 1), QStringLiteral("r1c1"));
        // Ctrl+A is no clipboard key.
        QTest::keyClick(f.grid.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(f.grid->GetSelectedCount(), 9);
    }

    void columnsThatAreNotCopyableStayOutOfEveryTransfer()
    {
        GridFixture f(4, 3);
        f.grid->EnableDragAndDrop(true);
        QVERIFY(f.grid->SetColumnCopyable(1, false));
        QVERIFY(!f.grid->SetColumnCopyable(3, false));
        f.click(1, 0);
        f.click(1, 2, Qt::ShiftModifier);
        QTest::keyClick(f.grid.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("r1c0\t\tr1c2\r\n"));
        QCOMPARE(f.grid->GetItemText(1, 0), QString());
        QCOMPARE(f.grid->GetItemText(1, 1), QStringLiteral("r1c1"));
        QVERIFY(!f.grid->PasteTextToGrid({2, 1}, QStringLiteral("x")));
        QVERIFY(f.grid->PasteTextToGrid({2, 0}, QStringLiteral("a\tb\tc")));
        QCOMPARE(f.grid->GetItemText(2, 0), QStringLiteral("a"));
        QCOMPARE(f.grid->GetItemText(2, 1), QStringLiteral("r2c1"));
        QCOMPARE(f.grid->GetItemText(2, 2), QStringLiteral("c"));
        QMimeData data;
        data.setText(QStringLiteral("dropped"));
        QDropEvent drop(f.centre(3, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.view(), &drop);
        QVERIFY(!drop.isAccepted());
        QCOMPARE(f.grid->GetItemText(3, 1), QStringLiteral("r3c1"));
        // The setting moves with its column.
        QCOMPARE(f.grid->InsertColumn(QStringLiteral("new"), DT_LEFT, 0), 0);
        QVERIFY(f.grid->IsColumnCopyable(1));
        QVERIFY(!f.grid->IsColumnCopyable(2));
        QVERIFY(f.grid->DeleteColumn(2));
        QVERIFY(f.grid->IsColumnCopyable(2));
    }

    void droppedTextLandsOnTheCellUnderThePointer()
    {
        GridFixture f(6, 4);
        f.grid->EnableDragAndDrop(true);
        QMimeData data;
        data.setText(QStringLiteral("x\ty\r\n"));
        const QPoint at = f.centre(3, 1);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.view(), &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.view(), &move);
        QVERIFY(move.isAccepted());
        QVERIFY(f.grid->GetCell(3, 1)->IsDropHighlighted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.view(), &drop);
        QVERIFY(drop.isAccepted());
        QVERIFY(!f.grid->GetCell(3, 1)->IsDropHighlighted());
        QCOMPARE(f.grid->GetItemText(3, 1), QStringLiteral("x"));
        QCOMPARE(f.grid->GetItemText(3, 2), QStringLiteral("y"));
    }

    void dropsAreRefusedWhenSwitchedOffOrOnFixedCells()
    {
        GridFixture f(6, 4);
        QMimeData data;
        data.setText(QStringLiteral("x"));
        QDragEnterEvent enter(f.centre(3, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.view(), &enter);
        QVERIFY(!enter.isAccepted());
        f.grid->EnableDragAndDrop(true);
        QDropEvent drop(f.centre(0, 1), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.view(), &drop);
        QVERIFY(!drop.isAccepted());
        QCOMPARE(f.grid->GetItemText(0, 1), QStringLiteral("r0c1"));
    }
};

QTEST_MAIN(GridTransferTest)
#include "GridTransferTest.moc"
