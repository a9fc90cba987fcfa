#include "chrome/CTextProgressBar.h"

#include <QPainter>
#include <QTimerEvent>

#include <algorithm>

namespace chrome {

CTextProgressBar::CTextProgressBar(QWidget* parent)
    : QProgressBar(parent)
{
    setTextVisible(false);
    setRange(0, 100);
    setValue(0);
}

void CTextProgressBar::setCaption(const QString& caption)
{
    if (caption == m_caption) {
        return;
    }
    m_caption = caption;
    if (m_repaintPause.isActive()) {
        m_repaintDue = true;
    } else {
        update();
        m_repaintPause.start(RepaintPauseMs, this);
    }
    emit captionChanged(m_caption);
}

void CTextProgressBar::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_repaintPause.timerId()) {
        QProgressBar::timerEvent(event);
        return;
    }
    m_repaintPause.stop();
    if (m_repaintDue) {
        m_repaintDue = false;
        update();
        m_repaintPause.start(RepaintPauseMs, this);
    }
}

void CTextProgressBar::setPosition(int position)
{
    if (position < minimum()) {
        setMinimum(position);
    }
    if (position != value()) {
        setValue(position);
    }
}

void CTextProgressBar::paintEvent(QPaintEvent* event)
{
    QProgressBar::paintEvent(event);
    QPainter painter(this);
    QFont captionFont = font();
    // The caption fits the bar's height, however low the bar is.
    captionFont.setPixelSize(std::max(6, std::min(QFontInfo(font()).pixelSize(), height() - 1)));
    painter.setFont(captionFont);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
}

} // namespace chrome
