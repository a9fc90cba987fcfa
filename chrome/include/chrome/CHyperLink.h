#pragma once

#include <QLabel>
#include <QUrl>

#include <functional>

namespace chrome {

// Opens an address (a web page, a mailto: address) with the desktop's program for it.
using UrlOpener = std::function<void(const QUrl&)>;
UrlOpener DesktopUrlOpener();

// A label that shows its text as a link, shows the hand cursor while the pointer is over it and
// opens its target when clicked. It takes the clicks on it, so a window that closes on a click
// elsewhere stays open for them.
class CHyperLink : public QLabel
{
    Q_OBJECT

public:
    explicit CHyperLink(QWidget* parent = nullptr);

    void setTarget(const QUrl& target) { m_target = target; }
    const QUrl& target() const { return m_target; }
    void setOpener(UrlOpener opener) { m_open = std::move(opener); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QUrl m_target;
    UrlOpener m_open;
    bool m_pressed = false;
};

} // namespace chrome
