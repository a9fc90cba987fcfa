#include "chrome/CIconButton.h"
#include "chrome/CTextProgressBar.h"
#include "chrome/Palette.h"

#include <resources/Icons.h>

#include <QApplication>
#include <QEnterEvent>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <memory>

namespace {

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

int brightness(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    long long sum = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            sum += (c.red() + c.green() + c.blue()) * c.alpha() / 255;
        }
    }
    return int(sum / std::max(1, image.width() * image.height()));
}

} // namespace

class ChromeWidgetsTest : public QObject
{
    Q_OBJECT

private slots:
    // The caption is drawn over the bar, filled part included, in every style; the same text repaints nothing.
    void captionOverTheBar()
    {
        for (const QString& styleName : QStyleFactory::keys()) {
            std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
            chrome::CTextProgressBar bar;
            bar.setStyle(style.get());
            bar.resize(300, 12);
            bar.setValue(50);
            bar.show();
            QVERIFY(QTest::qWaitForWindowExposed(&bar));
            const QImage plain = bar.grab().toImage();
            bar.setCaption(QStringLiteral("WWWW WWWW WWWW WWWW WWWW"));
            const QImage captioned = bar.grab().toImage();
            int changedLeft = 0;
            int changedRight = 0;
            for (int y = 0; y < plain.height(); ++y) {
                for (int x = 0; x < plain.width(); ++x) {
                    if (plain.pixel(x, y) != captioned.pixel(x, y)) {
                        (x < 150 ? changedLeft : changedRight)++;
                    }
                }
            }
            QVERIFY2(changedLeft > 20 && changedRight > 20, qPrintable(styleName));

            QTest::qWait(20); // paints still due from before
            PaintCounter counter;
            bar.installEventFilter(&counter);
            bar.setCaption(bar.caption());
            QTest::qWait(20);
            QCOMPARE(counter.paints, 0);
            bar.setCaption(QStringLiteral("Convert Finished"));
            QTRY_VERIFY(counter.paints > 0);
        }
    }

    // The icon is darkened while the pointer is away, shown as drawn while it is over the button, and the parent's
    // background shows around it.
    void iconButtonShading()
    {
        resources::LoadIcons();
        QWidget parent;
        parent.setAutoFillBackground(true);
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, chrome::PaneBackground);
        parent.setPalette(palette);
        parent.resize(64, 64);
        auto* button = new chrome::CIconButton(&parent);
        button->setSvgIcon(QString::fromLatin1(resources::StartConvertIcon));
        button->setToolTip(QStringLiteral("Start Convert (F5)"));
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QVERIFY(!button->isHovered());
        const int away = brightness(button->currentPixmap());
        QEnterEvent enter(QPointF(16, 16), QPointF(16, 16), button->mapToGlobal(QPointF(16, 16)));
        QApplication::sendEvent(button, &enter);
        QVERIFY(button->isHovered());
        const int over = brightness(button->currentPixmap());
        QVERIFY2(over > away * 5 / 4, qPrintable(QStringLiteral("%1 vs %2").arg(over).arg(away)));
        QCOMPARE(parent.grab().toImage().pixelColor(button->x() + 1, button->y() + 1), chrome::PaneBackground);
        const QColor green = button->currentPixmap().toImage().pixelColor(6, 16); // inside the disc
        QVERIFY(green.green() > green.red() + 40);
        button->setEnabled(false);
        const QColor grey = button->currentPixmap().toImage().pixelColor(6, 16);
        QVERIFY(qAbs(grey.green() - grey.red()) < 16);
    }
};

QTEST_MAIN(ChromeWidgetsTest)
#include "ChromeWidgetsTest.moc"
