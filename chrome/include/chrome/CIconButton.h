#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace chrome {

// A flat button that shows only its icon: the icon as drawn while the pointer is over it, a darkened copy while
// the pointer is away, a grey copy while disabled. It paints nothing else, so the parent's background shows
// around the icon, and it shows its tooltip when the pointer rests on it. Clicking does not take the keyboard
// focus from the widget that has it.
class CIconButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CIconButton(QWidget* parent = nullptr);

    // Draws the icon from an SVG file (a resource path such as ":/icons/start-convert.svg") at the button's size.
    void setSvgIcon(const QString& path);

    QSize sizeHint() const override { return { 32, 32 }; }
    // The pixmap the button shows now; for tests and for screenshots of the pane.
    const QPixmap& currentPixmap() const;
    bool isHovered() const { return m_hovered; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void renderPixmaps();

    QString m_svgPath;
    QPixmap m_normal;
    QPixmap m_darkened;
    QPixmap m_disabled;
    bool m_hovered = false;
};

} // namespace chrome
