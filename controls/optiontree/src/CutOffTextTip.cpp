#include "optiontree/CutOffTextTip.h"

#include <QCursor>
#include <QLabel>

namespace optiontree {

namespace {
constexpr int MaximumTipWidth = 0x7FFF;
}

CutOffTextTip::CutOffTextTip(QWidget* watched)
    : m_watched(watched)
    // The tip lies over the text it completes, under the mouse; it lets the mouse through
    // so that the widget below does not see the mouse leave and hide the tip again.
    , m_label(std::make_unique<QLabel>(
          nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput))
{
    m_label->setTextFormat(Qt::PlainText);
    m_label->setMaximumWidth(MaximumTipWidth);
    m_label->setContentsMargins(0, 0, 0, 0);
    m_label->setAutoFillBackground(true);
    m_label->setAttribute(Qt::WA_ShowWithoutActivating);
    m_timer.setInterval(PollInterval);
    connect(&m_timer, &QTimer::timeout, this, &CutOffTextTip::checkCursor);
}

CutOffTextTip::~CutOffTextTip() = default;

void CutOffTextTip::showText(
    const QString& text, const QPoint& globalPos, const QFont& font, const QColor& foreground, const QColor& background)
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText, foreground);
    palette.setColor(QPalette::Window, background);
    m_label->setPalette(palette);
    m_label->setFont(font);
    m_label->setText(text);
    m_label->adjustSize();
    m_label->move(globalPos);
    m_label->show();
    m_timer.start();
}

void CutOffTextTip::hideText()
{
    m_timer.stop();
    m_label->hide();
}

bool CutOffTextTip::isShown() const
{
    return m_label->isVisible();
}

QString CutOffTextTip::text() const
{
    return m_label->text();
}

const QWidget* CutOffTextTip::window() const
{
    return m_label.get();
}

void CutOffTextTip::checkCursor()
{
    if (!m_watched->isVisible() || !m_watched->rect().contains(m_watched->mapFromGlobal(QCursor::pos()))) {
        hideText();
    }
}

} // namespace optiontree
