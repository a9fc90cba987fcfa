#include "app/CSplashWindow.h"

#include "app/Pictures.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace app {

QPointer<CSplashWindow> CSplashWindow::s_current;

namespace {

constexpr int DisplayMilliseconds = 750;

bool IsPress(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace

void CSplashWindow::ShowSplashWindow(QWidget* owner)
{
    if (s_current) {
        return;
    }
    s_current = new CSplashWindow(owner);
    s_current->show();
}

CSplashWindow::CSplashWindow(QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
    , m_owner(owner)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The keyboard stays with the main window; the splash window only takes the first press.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
    setFixedSize(PictureSize(QStringLiteral("splash")));
    if (auto* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    qApp->installEventFilter(this);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWindow::hideSplashWindow);
    m_timer.start(DisplayMilliseconds);
}

CSplashWindow::~CSplashWindow()
{
    qApp->removeEventFilter(this);
}

bool CSplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType()) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // The key is the splash window's: no shortcut acts on it, and it arrives here as a press.
        event->accept();
        return true;
    }
    if (IsPress(event->type())) {
        hideSplashWindow();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CSplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawPicture(painter, QStringLiteral("splash"), rect());
}

void CSplashWindow::hideSplashWindow()
{
    qApp->removeEventFilter(this);
    m_timer.stop();
    close();
    if (m_owner) {
        m_owner->repaint();
    }
}

} // namespace app

