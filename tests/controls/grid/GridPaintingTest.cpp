// What the grid draws: grid lines, selection and focus, fixed cells and check boxes.
#include "GridFixture.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace grid;

namespace {

const QColor LineColour(192, 192, 192);

QImage grabView(const GridFixture& f)
{
    return f.view()->grab().toImage();
}

// Colours compared as plain RGB: palette colours may come in another colour model.
QRgb pixel(const QImage& image, QPoint point)
{
    return image.pixel(point);
}

QRgb rgb(const QColor& colour)
{
    return colour.rgb();
}

// First and last pixel rows of area holding dark ink (text drawn dark on a light ground); its first and last pixel
// columns when along is horizontal.
QPair<int, int> inkSpan(const QImage& image, const QRect& area, Qt::Orientation along = Qt::Vertical)
{
    const bool columns = along == Qt::Horizontal;
    const auto [first, last] = columns ? std::pair(area.left(), area.right()) : std::pair(area.top(), area.bottom());
    const auto [from, to] = columns ? std::pair(area.top(), area.bottom()) : std::pair(area.left(), area.right());
    QPair<int, int> span{-1, -1};
    for (int i = first; i <= last; ++i) {
        for (int j = from; j <= to; ++j) {
            if (qGray(columns ? image.pixel(i, j) : image.pixel(j, i)) < 128) {
                span = {span.first < 0 ? i : span.first, i};
                break;
            }
        }
    }
    return span;
}

// Height in pixel rows of the ink of text drawn without any clipping.
int freeInkHeight(const QFont& font, const QString& text)
{
    QImage image(400, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(10, 50), text);
    painter.end();
    const QPair<int, int> rows = inkSpan(image, image.rect());
    return rows.second - rows.first + 1;
}

} // namespace

class GridPaintingTest : public QObject
{
    Q_OBJECT

private slots:
    void gridLineModesDrawTheirLines_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("vertical");
        QTest::addColumn<bool>("horizontal");
        QTest::newRow("none") << int(GVL_NONE) << false << false;
        QTest::newRow("horizontal only") << int(GVL_HORZ) << false << true;
        QTest::newRow("vertical only") << int(GVL_VERT) << true << false;
        QTest::newRow("both") << int(GVL_BOTH) << true << true;
    }
    void gridLineModesDrawTheirLines()
    {
        QFETCH(int, mode);
        QFETCH(bool, vertical);
        QFETCH(bool, horizontal);
        GridFixture f(6, 4);
        f.grid->SetGridLines(mode);
        const QImage image = grabView(f);
        const QRect cell = f.grid->GetCellRect(3, 1);
        const QColor background = f.grid->GetDefaultCell(false, false)->GetBackClr();
        // Points on the right and bottom edges, away from the text and from the crossing.
        const QPoint rightEdge(cell.right(), cell.top() + 2);
        const QPoint bottomEdge(cell.left() + 2, cell.bottom());
        QCOMPARE(pixel(image, rightEdge), rgb(vertical ? LineColour : background));
        QCOMPARE(pixel(image, bottomEdge), rgb(horizontal ? LineColour : background));
    }

    void areaOutsideTheCellsHasTheGridBackground()
    {
        GridFixture f(3, 2);
        f.grid->SetGridBkColour(QColor(10, 200, 30));
        const QImage image = grabView(f);
        QCOMPARE(pixel(image, QPoint(300, 200)), qRgb(10, 200, 30));
    }

    void selectedCellsUseTheHighlightColours()
    {
        GridFixture f(6, 4);
        f.grid->SetCellType<CGridCellCheck>(2, 1);
        f.click(2, 1);
        f.click(3, 2, Qt::ShiftModifier);
        const QImage image = grabView(f);
        const QColor highlight = f.grid->palette().color(QPalette::Highlight);
        // A check box in the selection is drawn on the highlight too, not as a white square in a blue row.
        const QRect box = f.checkCell(2, 1)->GetCheckPlacement(f.grid->GetCellRect(2, 1));
        QCOMPARE(pixel(image, box.topLeft() + QPoint(3, 3)), rgb(highlight));
        const QRect unfocused = f.grid->GetCellRect(2, 2);
        QCOMPARE(pixel(image, unfocused.topLeft() + QPoint(1, 1)), rgb(highlight));
        const QRect focused = f.grid->GetCellRect(3, 2);
        QCOMPARE(pixel(image, focused.topLeft() + QPoint(3, 3)), rgb(highlight));
        const QRect outside = f.grid->GetCellRect(4, 2);
        QCOMPARE(pixel(image, outside.topLeft() + QPoint(1, 1)), rgb(f.grid->GetDefaultCell(false, false)->GetBackClr()));
    }

    void focusCellIsFramedWhenTheOptionIsOn_data()
    {
        QTest::addColumn<bool>("frame");
        QTest::newRow("frame on") << true;
        QTest::newRow("frame off") << false;
    }
    void focusCellIsFramedWhenTheOptionIsOn()
    {
        QFETCH(bool, frame);
        GridFixture f(6, 4);
        f.grid->SetFrameFocusCell(frame);
        f.grid->SetFocusCell(2, 1);
        const QImage image = grabView(f);
        const QRect cell = f.grid->GetCellRect(2, 1);
        const QColor text = f.grid->GetDefaultCell(false, false)->GetTextClr();
        const QColor back = f.grid->GetDefaultCell(false, false)->GetBackClr();
        QCOMPARE(pixel(image, QPoint(cell.left(), cell.center().y())), rgb(frame ? text : back));
    }

    void fixedCellsGetARaisedEdgeAndTheFocusHeaderASunkenOne()
    {
        GridFixture f(6, 4);
        f.grid->SetFocusCell(2, 1);
        const QImage image = grabView(f);
        const QPalette& palette = f.grid->palette();
        const QRect plain = f.grid->GetCellRect(0, 2);
        const QRect tracked = f.grid->GetCellRect(0, 1);
        QCOMPARE(pixel(image, QPoint(plain.left() + 5, plain.top())), rgb(palette.color(QPalette::Light)));
        QCOMPARE(pixel(image, QPoint(plain.left() + 5, plain.bottom())), rgb(palette.color(QPalette::Shadow)));
        QCOMPARE(pixel(image, QPoint(tracked.left() + 5, tracked.top())), rgb(palette.color(QPalette::Dark)));
        QCOMPARE(pixel(image, QPoint(tracked.left() + 5, tracked.bottom())), rgb(palette.color(QPalette::Light)));
        f.grid->SetTrackFocusCell(false);
        const QImage untracked = grabView(f);
        QCOMPARE(pixel(untracked, QPoint(tracked.left() + 5, tracked.top())), rgb(palette.color(QPalette::Light)));
    }

    // A column fitted to its header by a double click on the divider shows the header whole, as a wide one does.
    void headerFittedByItsDividerIsNotShortened()
    {
        GridFixture f(3, 3);
        f.grid->SetItemText(0, 1, QStringLiteral("Owner Password"));
        f.grid->SetColumnWidth(1, 250);
        const QRect wide = f.grid->GetCellRect(0, 1).adjusted(2, 2, -2, -2);
        const QPair<int, int> whole = inkSpan(grabView(f), wide, Qt::Horizontal);
        QVERIFY(whole.first >= 0);

        f.grid->SetColumnWidth(1, 30);
        const int edge = f.grid->GetCellRect(0, 1).right() + 1;
        QTest::mouseDClick(f.view(), Qt::LeftButton, {}, QPoint(edge, 10));
        const QRect fitted = f.grid->GetCellRect(0, 1).adjusted(2, 2, -2, -2);
        const QPair<int, int> shown = inkSpan(grabView(f), fitted, Qt::Horizontal);
        QCOMPARE(shown.second - shown.first, whole.second - whole.first);
    }

    void sortColumnHeaderShowsTheDirectionMark()
    {
        GridFixture f(4, 3);
        f.grid->SetColumnWidth(1, 120);
        const QRect header = f.grid->GetCellRect(0, 1);
        // The mark sits at the right end of the header, clear of the short text.
        const QRect markArea(header.right() - 20, header.top() + 2, 18, header.height() - 4);
        auto darkPixels = [&](const QImage& image) {
            int count = 0;
            for (int y = markArea.top(); y <= markArea.bottom(); ++y) {
                for (int x = markArea.left(); x <= markArea.right(); ++x) {
                    count += pixel(image, {x, y}) == rgb(f.grid->palette().color(QPalette::Dark)) ? 1 : 0;
                }
            }
            return count;
        };
        QCOMPARE(darkPixels(grabView(f)), 0);
        QVERIFY(f.grid->SortItems(1, true));
        QVERIFY(darkPixels(grabView(f)) > 2);
        f.grid->SetListMode(true); // clears the sort column
        QCOMPARE(darkPixels(grabView(f)), 0);
    }

    void textKeepsItsWholeHeightInAnEighteenPixelRow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("bold");
        QTest::newRow("data cell") << 1 << false;
        QTest::newRow("bold header inside its edge") << 0 << true;
    }
    void textKeepsItsWholeHeightInAnEighteenPixelRow()
    {
        QFETCH(int, row);
        QFETCH(bool, bold);
        GridFixture f(3, 2);
        QFont font = f.grid->font();
        font.setPixelSize(14);
        font.setBold(bold);
        // Dots above the line and descenders below it.
        const QString text = QStringLiteral("Fiji gypsy");
        f.grid->SetColumnWidth(1, 300);
        f.grid->SetRowHeight(row, 18);
        f.grid->SetItemFont(row, 1, font);
        f.grid->SetItemText(row, 1, text);
        // Without the bottom row and right columns, where the grid line or the fixed cell's dark edge lies.
        const QRect area = f.grid->GetCellRect(row, 1).adjusted(1, 0, -2, -1);
        const QPair<int, int> ink = inkSpan(grabView(f), area);
        QCOMPARE(ink.second - ink.first + 1, freeInkHeight(font, text));
    }

    void cellImagesAreDrawnAtTheTopLeftWhenTheyFit()
    {
        GridFixture f(4, 3);
        QPixmap red(8, 8);
        red.fill(Qt::red);
        f.grid->SetImageList({red});
        f.grid->SetItemImage(2, 1, 0);
        f.grid->SetItemImage(3, 1, 5); // no such image
        const QImage image = grabView(f);
        const QRect cell = f.grid->GetCellRect(2, 1);
        const int margin = f.grid->GetCell(2, 1)->GetMargin();
        QCOMPARE(pixel(image, cell.topLeft() + QPoint(margin + 4, margin + 4)), qRgb(255, 0, 0));
        QVERIFY(f.grid->GetCell(2, 1)->GetTextRect(cell).left() >= cell.left() + margin + 8);
        const QRect other = f.grid->GetCellRect(3, 1);
        QVERIFY(pixel(image, other.topLeft() + QPoint(margin + 4, margin + 4)) != qRgb(255, 0, 0));
        f.grid->SetRowHeight(2, 6); // too low for the image
        QVERIFY(pixel(grabView(f), f.grid->GetCellRect(2, 1).topLeft() + QPoint(margin, 1)) != qRgb(255, 0, 0));
    }

    void checkBoxIsCentredInALowRow_data()
    {
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<bool>("centred");
        QTest::newRow("low row") << 12 << true;
        QTest::newRow("tall row") << 60 << false;
    }
    void checkBoxIsCentredInALowRow()
    {
        QFETCH(int, rowHeight);
        QFETCH(bool, centred);
        GridFixture f(3, 2);
        f.grid->SetCellType<CGridCellCheck>(1, 0);
        f.grid->SetRowHeight(1, rowHeight);
        CGridCellCheck* check = f.checkCell(1, 0);
        const QRect cell = f.grid->GetCellRect(1, 0);
        const QRect box = check->GetCheckPlacement(cell);
        const int margin = check->GetMargin();
        QCOMPARE(box.left(), cell.left() + margin);
        if (centred) {
            QVERIFY(box.height() + 2 * margin > cell.height());
            QVERIFY(std::abs((box.top() - cell.top()) - (cell.bottom() - box.bottom())) <= 1);
        } else {
            QCOMPARE(box.top(), cell.top() + margin);
        }
        // The box is drawn where it is placed: its frame differs from the cell background.
        check->SetCheck(true);
        const QImage image = grabView(f);
        const QColor back = f.grid->GetDefaultCell(false, false)->GetBackClr();
        int drawn = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            drawn += pixel(image, QPoint(box.center().x(), y)) != rgb(back) ? 1 : 0;
        }
        QVERIFY(drawn > 2);
        QCOMPARE(pixel(image, QPoint(box.right() + 3, cell.top() + 1)), rgb(back));
    }

    void checkCellTextStartsAfterTheBox()
    {
        GridFixture f(3, 2);
        f.grid->SetCellType<CGridCellCheck>(1, 0);
        CGridCellCheck* check = f.checkCell(1, 0);
        const QRect cell = f.grid->GetCellRect(1, 0);
        const QRect box = check->GetCheckPlacement(cell);
        QCOMPARE(check->GetTextRect(cell).left(), box.right() + 1 + 2 * check->GetMargin());
        CGridCell plain;
        plain.SetGrid(f.grid.get());
        plain.SetText(check->GetText());
        QCOMPARE(check->GetCellExtent().width(), plain.GetCellExtent().width() + box.width() + 2 * check->GetMargin());
    }

    void drawingDisabledPaintsNothing()
    {
        GridFixture f(3, 2);
        f.grid->SetGridBkColour(QColor(10, 200, 30));
        f.grid->SetRedraw(false);
        const QPoint lineOnEdge = f.grid->GetCellRect(1, 0).bottomRight() - QPoint(2, 0);
        const QImage off = grabView(f);
        QVERIFY(pixel(off, QPoint(300, 200)) != qRgb(10, 200, 30));
        QVERIFY(pixel(off, lineOnEdge) != rgb(LineColour));
        f.grid->SetRedraw(true);
        const QImage on = grabView(f);
        QCOMPARE(pixel(on, QPoint(300, 200)), qRgb(10, 200, 30));
        QCOMPARE(pixel(on, lineOnEdge), rgb(LineColour));
    }
};

QTEST_MAIN(GridPaintingTest)
#include "GridPaintingTest.moc"
