// What the list and the info pane draw, checked on grabbed images at points
// taken from the tree's own geometry.

#include "OptionTreeTestSupport.h"

#include "optiontree/COptionTreeEditItem.h"
#include "optiontree/COptionTreeFileItem.h"
#include "optiontree/OptionTreeConstants.h"

#include "COptionTreeInfo.h"
#include "OptionTreeColors.h"
#include "OptionTreeFonts.h"

#include <QToolTip>
#include <QtTest>

using namespace optiontree;
using namespace optiontree::test;

namespace {

const QColor CategoryBackground(227, 246, 253);
const QString FontKindInfo = QStringLiteral(
    "Base14 Fonts only display Latin1 character set. To use other character set, you must use other type of font.");

// Category > Plain option, Value (edit); second category. All expanded.
struct PaintTree : TreeWindow
{
    explicit PaintTree(quint32 style)
        : TreeWindow(style)
    {
        category = insert(nullptr, QStringLiteral("Category"));
        category->SetRootBackground(CategoryBackground);
        plain = insert(category, QStringLiteral("Plain"));
        value = insert<COptionTreeEditItem>(category, QStringLiteral("Value"));
        value->CreateEditItem();
        value->setText(QStringLiteral("MWMWMWMW"));
        insert(nullptr, QStringLiteral("Second"));
        tree->ExpandAllItems();
    }

    QImage grabList() const { return list()->grab().toImage(); }
    int rowMiddle(COptionTreeItem* item) const { return rowPoint(item, 0).y(); }

    COptionTreeItem* category;
    COptionTreeItem* plain;
    COptionTreeEditItem* value;
};

QRgb pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y).rgb();
}

// Pixels of the region that differ from the background colour.
QVector<QColor> inkIn(const QImage& image, const QRect& region, const QColor& background)
{
    QVector<QColor> ink;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QColor color = image.pixelColor(x, y);
            if (color.rgb() != background.rgb()) {
                ink.append(color);
            }
        }
    }
    return ink;
}

int darkest(const QVector<QColor>& colors)
{
    int value = 255;
    for (const QColor& color : colors) {
        value = std::min(value, color.lightness());
    }
    return value;
}

// Left- and rightmost columns holding ink in a region.
std::pair<int, int> inkSpan(const QImage& image, const QRect& region, const QColor& background)
{
    int left = -1;
    int right = -1;
    for (int x = region.left(); x <= region.right(); ++x) {
        for (int y = region.top(); y <= region.bottom(); ++y) {
            if (pixel(image, x, y) != background.rgb()) {
                left = left < 0 ? x : left;
                right = x;
                break;
            }
        }
    }
    return { left, right };
}

// Whether the text drawn in area, whose ink ends at column right, ends in "...": the last columns, half the width of
// "...", hold ink only in a thin band at the baseline.
bool endsInDots(const QImage& image, const QRect& area, int right, const QColor& background)
{
    const int dots = QFontMetrics(OptionTreeFonts::normal()).horizontalAdvance(QStringLiteral("..."));
    int inkTop = area.bottom();
    int inkBottom = area.top();
    for (int x = right - dots / 2; x <= right; ++x) {
        for (int row = area.top(); row <= area.bottom(); ++row) {
            if (pixel(image, x, row) != background.rgb()) {
                inkTop = std::min(inkTop, row);
                inkBottom = std::max(inkBottom, row);
            }
        }
    }
    return inkBottom - inkTop <= 2;
}

} // namespace

class OptionTreePaintingTest : public QObject
{
    Q_OBJECT

private slots:
    void readOnlyValuesAreGrey_data();
    void readOnlyValuesAreGrey();
    void shadingStylesFillMarginAndCategoryRows_data();
    void shadingStylesFillMarginAndCategoryRows();
    void dividerLineFollowsTheColumn();
    void longLabelIsShortenedButShownWholeInTheInfoPane();
    void longValueIsShortenedWithDots();
    void infoPaneIsEmptyWithoutFocusUnlessDefaultTextIsAsked_data();
    void infoPaneIsEmptyWithoutFocusUnlessDefaultTextIsAsked();
    void infoPaneGrowsToItsTextUpToALimit();
    void selectedRowIsHighlightedUpToTheValue();
    void draggingShowsABandAtTheMouse();
};

void OptionTreePaintingTest::readOnlyValuesAreGrey_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("disabled");
    QTest::newRow("editable value is dark") << false << false;
    QTest::newRow("read-only value is grey") << true << false;
    QTest::newRow("every value of a disabled tree is grey") << false << true;
}

void OptionTreePaintingTest::readOnlyValuesAreGrey()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, disabled);
    PaintTree t(TreeStyleShowInfo);
    t.value->ReadOnly(readOnly);
    t.tree->setEnabled(!disabled);
    const QImage image = t.grabList();
    const QRect value = t.value->GetAttributeRect().adjusted(0, 1, -4, -2);
    const QVector<QColor> ink = inkIn(image, value, OptionTreeColors::window(t.list()->palette()));
    QVERIFY(ink.size() > 20);
    const int grey = OptionTreeColors::greyText(t.list()->palette()).lightness();
    if (readOnly || disabled) {
        QVERIFY2(darkest(ink) >= grey - 8, qPrintable(QString::number(darkest(ink))));
    } else {
        QVERIFY2(darkest(ink) < grey - 60, qPrintable(QString::number(darkest(ink))));
    }
}

void OptionTreePaintingTest::shadingStylesFillMarginAndCategoryRows_data()
{
    QTest::addColumn<quint32>("style");
    QTest::addColumn<bool>("shaded");
    QTest::newRow("style 0x19 shades") << quint32(0x19) << true;
    QTest::newRow("style 0x01 does not") << quint32(0x01) << false;
}

void OptionTreePaintingTest::shadingStylesFillMarginAndCategoryRows()
{
    QFETCH(quint32, style);
    QFETCH(bool, shaded);
    PaintTree t(style);
    const QImage image = t.grabList();
    const QPalette& pal = t.list()->palette();
    const QColor window = OptionTreeColors::window(pal);
    // The margin beside a childless row, away from the sunken edge.
    QCOMPARE(pixel(image, 8, t.rowMiddle(t.plain)), (shaded ? OptionTreeColors::buttonFace(pal) : window).rgb());
    // The category row, right of the divider where no text is drawn.
    QCOMPARE(pixel(image, t.tree->Geometry().width() - 20, t.rowMiddle(t.category)),
        (shaded ? CategoryBackground : window).rgb());
    // Option rows are never shaded.
    QCOMPARE(pixel(image, t.tree->GetColumn() - 3, t.rowMiddle(t.plain)), window.rgb());
}

void OptionTreePaintingTest::dividerLineFollowsTheColumn()
{
    PaintTree t(TreeStyleShowInfo);
    const QColor shadow = OptionTreeColors::buttonShadow(t.list()->palette());
    for (const int column : { 150, 90 }) {
        t.tree->SetColumn(column);
        const QImage image = t.grabList();
        const int y = t.rowMiddle(t.plain);
        QCOMPARE(pixel(image, column, y), shadow.rgb());
        QVERIFY(pixel(image, column + 2, y) != shadow.rgb());
        QVERIFY(pixel(image, column - 2, y) != shadow.rgb());
        // No divider line crosses a category row.
        QVERIFY(pixel(image, column, t.rowMiddle(t.category)) != shadow.rgb());
    }
}

void OptionTreePaintingTest::longLabelIsShortenedButShownWholeInTheInfoPane()
{
    PaintTree t(TreeStyleShowInfo);
    const QString label = QStringLiteral("A label that is far wider than its column");
    t.plain->SetLabelText(label);
    t.tree->SetColumn(120);
    t.click(t.labelPoint(t.plain));
    t.tree->SelectItems(nullptr, false); // the label is checked in its normal colours

    const QImage list = t.grabList();
    const QColor window = OptionTreeColors::window(t.list()->palette());
    const int y = t.rowMiddle(t.plain);
    const QRect labelArea(OptionTreeGeometry::MarginWidth + 1, y - 6, t.tree->GetColumn() - 17, 12);
    const auto [left, right] = inkSpan(list, labelArea, window);
    QVERIFY(left > 0);
    // The text fills the column up to the divider ("..." included) but stays left of it.
    QVERIFY2(right > t.tree->GetColumn() - 20, qPrintable(QString::number(right)));
    QVERIFY(endsInDots(list, labelArea, right, window));
    const QRect valueArea(t.tree->GetColumn() + 2, y - 6, 60, 12);
    QVERIFY(inkIn(list, valueArea, window).isEmpty());
    const QString shown = OptionTreeGeometry::shortenedLabel(
        label, QFontMetrics(OptionTreeFonts::normal()), t.tree->GetColumn() - OptionTreeGeometry::MarginWidth - 5);
    QVERIFY(shown.endsWith(QLatin1String("...")));
    QVERIFY(shown.size() < label.size());

    const QImage info = t.tree->GetInfoWindow()->grab().toImage();
    const QColor face = OptionTreeColors::buttonFace(t.list()->palette());
    const auto [infoLeft, infoRight] = inkSpan(info, QRect(3, 4, info.width() - 7, 14), face);
    const int whole = QFontMetrics(OptionTreeFonts::bold()).horizontalAdvance(label);
    QVERIFY2(std::abs((infoRight - infoLeft + 1) - whole) <= 3,
        qPrintable(QStringLiteral("%1 vs %2").arg(infoRight - infoLeft + 1).arg(whole)));
}

// A value wider than its column, of an edit item and of a file item, ends in "..." instead of being cut at the edge.
void OptionTreePaintingTest::longValueIsShortenedWithDots()
{
    PaintTree t(TreeStyleShowInfo);
    auto* file = t.insert<COptionTreeFileItem>(t.category, QStringLiteral("File"));
    file->CreateFileItem(QStringLiteral("/a/folder/with/a/rather/long/name/and/a/file/in/it.txt"), {}, {},
                         FileOptionShowFullPath | FileOptionOpenDialog, 0);
    t.value->setText(QStringLiteral("MWMW").repeated(20));
    t.tree->ExpandAllItems();
    const QImage list = t.grabList();
    const QColor window = OptionTreeColors::window(t.list()->palette());
    for (COptionTreeItem* item : { static_cast<COptionTreeItem*>(t.value), static_cast<COptionTreeItem*>(file) }) {
        // Clear of the list's sunken edge on the right.
        const QRect value = item->GetAttributeRect().adjusted(0, 2, -OptionTreeGeometry::ValueRightInset, -2);
        const auto [left, right] = inkSpan(list, value, window);
        QVERIFY(left > 0);
        QVERIFY2(endsInDots(list, value, right, window), qPrintable(item->GetLabelText()));
    }
}

void OptionTreePaintingTest::infoPaneIsEmptyWithoutFocusUnlessDefaultTextIsAsked_data()
{
    QTest::addColumn<quint32>("style");
    QTest::addColumn<bool>("text");
    QTest::newRow("style 0x19 leaves it empty") << quint32(0x19) << false;
    QTest::newRow("default info text") << quint32(0x19 | TreeStyleDefaultInfoText) << true;
}

void OptionTreePaintingTest::infoPaneIsEmptyWithoutFocusUnlessDefaultTextIsAsked()
{
    QFETCH(quint32, style);
    QFETCH(bool, text);
    PaintTree t(style);
    const QImage info = t.tree->GetInfoWindow()->grab().toImage();
    const QColor face = OptionTreeColors::buttonFace(t.list()->palette());
    const QVector<QColor> ink = inkIn(info, info.rect().adjusted(3, 3, -3, -3), face);
    QCOMPARE(!ink.isEmpty(), text);
}

void OptionTreePaintingTest::infoPaneGrowsToItsTextUpToALimit()
{
    PaintTree t(TreeStyleShowInfo);
    t.tree->resize(220, 400);
    t.plain->SetInfoText(FontKindInfo);
    t.click(t.labelPoint(t.plain));
    COptionTreeInfo* info = t.tree->GetInfoWindow();
    const QFontMetrics normal(OptionTreeFonts::normal());
    const int titleBottom = 4 + QFontMetrics(OptionTreeFonts::bold()).height();
    const int textWidth = info->width() - 8;
    const int textHeight
        = normal.boundingRect(QRect(0, 0, textWidth, 1000), Qt::AlignLeft | Qt::TextWordWrap, FontKindInfo).height();
    QVERIFY(titleBottom + textHeight + 4 > 50);
    QVERIFY2(info->height() >= titleBottom + textHeight + 4, qPrintable(QString::number(info->height())));
    QCOMPARE(info->geometry().bottom(), t.tree->height() - 1);
    QCOMPARE(t.list()->height(), t.tree->height() - info->height());
    // The last line of the text is drawn.
    const QImage image = info->grab().toImage();
    const QRect lastLine(4, titleBottom + textHeight - normal.height(), textWidth, normal.height());
    QVERIFY(!inkIn(image, lastLine, OptionTreeColors::buttonFace(info->palette())).isEmpty());

    const auto tipOver = [info] {
        QHelpEvent help(QEvent::ToolTip, QPoint(20, 20), info->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(info, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipOver(), QString());
    // A text beyond the limit leaves most of the tree to the list; the pane cuts it and shows it whole in a tip.
    const QString endless = QString(FontKindInfo + QLatin1Char(' ')).repeated(12) + QStringLiteral("The end.");
    t.plain->SetInfoText(endless);
    QVERIFY(info->height() < t.tree->height() / 2);
    QCOMPARE(t.list()->height(), t.tree->height() - info->height());
    QVERIFY(tipOver().contains(QStringLiteral("The end.")));
}

void OptionTreePaintingTest::selectedRowIsHighlightedUpToTheValue()
{
    PaintTree t(TreeStyleShowInfo);
    t.click(t.labelPoint(t.plain));
    const QImage image = t.grabList();
    const QColor highlight = OptionTreeColors::highlight(t.list()->palette());
    const int y = t.plain->GetLocation().y() + 2;
    QCOMPARE(pixel(image, OptionTreeGeometry::MarginWidth + 2, y), highlight.rgb());
    QCOMPARE(pixel(image, t.tree->GetColumn() + 3, y), highlight.rgb());
    QVERIFY(pixel(image, t.tree->GetColumn() + 8, y) != highlight.rgb());
}

void OptionTreePaintingTest::draggingShowsABandAtTheMouse()
{
    PaintTree t(TreeStyleShowInfo);
    const QPoint start = t.rowPoint(t.plain, t.tree->GetColumn());
    const QImage before = t.grabList();
    QTest::mousePress(t.list(), Qt::LeftButton, {}, start);
    QTest::mouseMove(t.list(), QPoint(100, start.y()));
    QVERIFY(t.list()->isDraggingDivider());
    const QImage during = t.grabList();
    int changed = 0;
    for (int x = 98; x < 102; ++x) {
        for (int y = 30; y < 60; ++y) {
            changed += pixel(before, x, y) != pixel(during, x, y) ? 1 : 0;
        }
    }
    QVERIFY(changed >= 30); // about half the band's pixels are inverted
    QTest::mouseRelease(t.list(), Qt::LeftButton, {}, QPoint(100, start.y()));
    QCOMPARE(t.tree->GetColumn(), 100);
}

QTEST_MAIN(OptionTreePaintingTest)
#include "OptionTreePaintingTest.moc"
