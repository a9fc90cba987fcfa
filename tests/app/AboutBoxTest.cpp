#include "app/CAboutBoxDialog.h"

#include "chrome/CHyperLink.h"

#include <QLabel>
#include <QTest>

#include <algorithm>

using app::CAboutBoxDialog;

class AboutBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void aClickAnywhereButOnALinkClosesIt()
    {
        QList<QUrl> opened;
        auto recorder = [&opened](const QUrl& url) { opened.append(url); };
        for (auto button : { Qt::LeftButton, Qt::RightButton }) {
            CAboutBoxDialog about(nullptr, recorder);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            QCOMPARE(about.findChild<QLabel*>(QStringLiteral("product"))->text(), QStringLiteral("Marlowen 2.0"));
            QCOMPARE(about.windowTitle(), QStringLiteral("Marlowen 2.0"));
            const auto labels = about.findChildren<QLabel*>();
            QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel* label) {
                return label->text().endsWith(QStringLiteral("The Marlowen developers. MIT License."));
            }));

            // Both links open their targets and keep the box open.
            auto* website = about.findChild<chrome::CHyperLink*>(QStringLiteral("website"));
            auto* support = about.findChild<chrome::CHyperLink*>(QStringLiteral("support"));
            QCOMPARE(website->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(website, Qt::LeftButton);
            QTest::mouseClick(support, Qt::LeftButton);
            QVERIFY(about.isVisible());
            QCOMPARE(opened.size(), 2);
            QCOMPARE(opened[0].toString(), website->text());
            QCOMPARE(opened[1].toString(), QStringLiteral("mailto:") + support->text());
            opened.clear();

            // The product name is a plain label: a click on it counts as a click on the box.
            QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("product")), button);
            QVERIFY(!about.isVisible());
            QCOMPARE(about.result(), int(QDialog::Accepted));
        }
    }
};

QTEST_MAIN(AboutBoxTest)
#include "AboutBoxTest.moc"
