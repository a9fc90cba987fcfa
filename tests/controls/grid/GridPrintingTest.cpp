// Printing: how rows are spread over pages, and a real print to a PDF file read back with qpdf.
#include "GridFixture.h"

#include "GridPrinter.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

using namespace grid;

using Pages = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Pages)

namespace {

int pdfPageCount(const QString& path)
{
    QPDF pdf;
    pdf.processFile(path.toLocal8Bit().constData());
    return int(QPDFPageDocumentHelper(pdf).getAllPages().size());
}

Pages asPairs(const QList<GridPrinter::PageRows>& pages)
{
    Pages pairs;
    for (const auto& page : pages) {
        pairs.append({page.first, page.last});
    }
    return pairs;
}

} // namespace

class GridPrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsAreSpreadOverPages_data()
    {
        QTest::addColumn<QList<int>>("heights");
        QTest::addColumn<int>("room");
        QTest::addColumn<Pages>("expected");
        QTest::newRow("all on one page") << QList<int>{10, 20, 20, 20} << 100 << Pages{{1, 3}};
        QTest::newRow("exactly full pages") << QList<int>{10, 50, 50, 50, 50} << 100 << Pages{{1, 2}, {3, 4}};
        QTest::newRow("a row never splits") << QList<int>{10, 60, 60, 30} << 100 << Pages{{1, 1}, {2, 3}};
        QTest::newRow("a row taller than the page") << QList<int>{10, 150, 20} << 100 << Pages{{1, 1}, {2, 2}};
        QTest::newRow("hidden rows take no room") << QList<int>{10, 100, 0, 0, 100} << 100 << Pages{{1, 3}, {4, 4}};
        QTest::newRow("no scrolling rows") << QList<int>{10} << 100 << Pages{};
    }
    void rowsAreSpreadOverPages()
    {
        QFETCH(QList<int>, heights);
        QFETCH(int, room);
        QFETCH(Pages, expected);
        QCOMPARE(asPairs(GridPrinter::paginate(heights, 1, room)), expected);
    }

    void footerNamesThePage()
    {
        QCOMPARE(GridPrinter::footerText(2, 7), QStringLiteral("Page 2 of 7"));
    }

    void printingWritesOnePdfPagePerPageOfRows_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("rowHeight");
        QTest::addColumn<int>("expectedPages");
        // An A4 page at screen resolution holds two rows of 400 pixels under the header, not three.
        QTest::newRow("a short list") << 5 << 20 << 1;
        QTest::newRow("tall rows two to a page") << 7 << 400 << 4;
        QTest::newRow("header only") << 0 << 20 << 1;
    }
    void printingWritesOnePdfPagePerPageOfRows()
    {
        QFETCH(int, rows);
        QFETCH(int, rowHeight);
        QFETCH(int, expectedPages);
        GridFixture f(rows + 1, 3);
        f.grid->SetCellType<CGridCellCheck>(qMin(1, rows), 0);
        for (int row = 1; row <= rows; ++row) {
            f.grid->SetRowHeight(row, rowHeight);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("grid.pdf"));
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QVERIFY(f.grid->Print(printer));
        QCOMPARE(pdfPageCount(path), expectedPages);
    }
};

QTEST_MAIN(GridPrintingTest)
#include "GridPrintingTest.moc"
