#include "app/CAboutBoxDialog.h"

#include "app/DialogUnits.h"
#include "app/Pictures.h"
#include "app/SiteAddresses.h"
#include "chrome/Palette.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace app {

namespace {

QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    PlaceControl(*label, geometry);
    return label;
}

// A link after its label, moved right where the label needed more room than planned.
chrome::CHyperLink* AddLink(const QLabel& label, const QString& text, const QUrl& target, QRect geometry,
                            const chrome::UrlOpener& opener)
{
    auto* link = new chrome::CHyperLink(label.parentWidget());
    link->setText(text);
    link->setTarget(target);
    link->setOpener(opener);
    geometry.moveLeft(std::max(geometry.left(), label.geometry().right() + 6));
    PlaceControl(*link, geometry);
    return link;
}

} // namespace

CAboutBoxDialog::CAboutBoxDialog(QWidget* parent, chrome::UrlOpener opener)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    const auto product = QString::fromLatin1(ProductName);
    setWindowTitle(product);
    DialogUnits units(fontMetrics());
    setFixedSize(units.x(252), units.y(130));
    m_banner = units.rect(25, 4, 200, 64);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(units.x(4), units.y(68), units.x(244), 2);

    auto* name = AddLabel(this, product, units.rect(37, 74, 193, 10));
    name->setObjectName(QStringLiteral("product"));
    AddLabel(this, QStringLiteral("\u00a9 2026 The Marlowen developers. MIT License."),
             units.rect(38, 88, 214, 10));
    auto* website = AddLabel(this, QStringLiteral("Website:"), units.rect(37, 102, 29, 10));
    const auto home = SitePage(QStringLiteral("/"));
    AddLink(*website, home, QUrl(home), units.rect(68, 102, 120, 10), opener)->setObjectName(QStringLiteral("website"));
    auto* support = AddLabel(this, QStringLiteral("Support:"), units.rect(37, 116, 28, 10));
    const auto address = QString::fromLatin1(SupportAddress);
    AddLink(*support, address, QUrl(QStringLiteral("mailto:") + address), units.rect(68, 116, 121, 10), opener)
        ->setObjectName(QStringLiteral("support"));
    // A font wider than planned: the box grows to its texts.
    setFixedWidth(std::max(width(), childrenRect().right() + units.x(6)));
}

void CAboutBoxDialog::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), chrome::PaneBackground);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    DrawPicture(painter, QStringLiteral("banner"), m_banner);
}

void CAboutBoxDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

} // namespace app
