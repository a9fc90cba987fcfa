#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace app {

// A borderless picture centred on the screen while the main window comes up. It closes after
// 750 ms, or at the first key or mouse button press anywhere in the program, which it swallows.
// Only one exists at a time; closing it repaints its owner.
class CSplashWindow : public QWidget
{
    Q_OBJECT

public:
    // Shows the splash window owned by owner, unless one is already shown.
    static void ShowSplashWindow(QWidget* owner);
    static CSplashWindow* current() { return s_current; }

    ~CSplashWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CSplashWindow(QWidget* owner);
    void hideSplashWindow();

    static QPointer<CSplashWindow> s_current;
    QPointer<QWidget> m_owner;
    QTimer m_timer;
};

} // namespace app
