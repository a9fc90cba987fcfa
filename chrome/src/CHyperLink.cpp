#include "chrome/CHyperLink.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace chrome {

UrlOpener DesktopUrlOpener()
{
    return [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

CHyperLink::CHyperLink(QWidget* parent)
    : QLabel(parent)
    , m_open(DesktopUrlOpener())
{
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    auto linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    auto colors = palette();
    colors.setColor(QPalette::WindowText, colors.color(QPalette::Link));
    setPalette(colors);
}

void CHyperLink::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && m_target.isValid()) {
        m_open(m_target);
    }
    m_pressed = false;
}

} // namespace chrome
