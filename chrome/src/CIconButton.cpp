#include "chrome/CIconButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace chrome {
namespace {

// Each colour channel at 3/4 of its value; transparency kept.
QPixmap darkened(const QPixmap& source)
{
    QImage image = source.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(qRed(p) * 3 / 4, qGreen(p) * 3 / 4, qBlue(p) * 3 / 4, qAlpha(p));
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setDevicePixelRatio(source.devicePixelRatio());
    return result;
}

} // namespace

CIconButton::CIconButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    resize(sizeHint());
}

void CIconButton::setSvgIcon(const QString& path)
{
    m_svgPath = path;
    renderPixmaps();
    update();
}

const QPixmap& CIconButton::currentPixmap() const
{
    if (!isEnabled()) {
        return m_disabled;
    }
    return m_hovered ? m_normal : m_darkened;
}

void CIconButton::renderPixmaps()
{
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size() * ratio);
    pixmap.fill(Qt::transparent);
    {
        QSvgRenderer renderer(m_svgPath);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    }
    pixmap.setDevicePixelRatio(ratio);
    m_normal = pixmap;
    m_darkened = darkened(pixmap);
    QStyleOption option;
    option.initFrom(this);
    m_disabled = style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
}

void CIconButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPoint shift = isDown() ? QPoint(1, 1) : QPoint(0, 0);
    painter.drawPixmap(shift, currentPixmap());
}

void CIconButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CIconButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CIconButton::resizeEvent(QResizeEvent* event)
{
    QAbstractButton::resizeEvent(event);
    if (!m_svgPath.isEmpty()) {
        renderPixmaps();
    }
}

void CIconButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        update();
    }
}

} // namespace chrome
