#pragma once

#include <QObject>
#include <QTimer>

#include <memory>

class QColor;
class QFont;
class QLabel;
class QWidget;

namespace optiontree {

// A borderless tip window that shows the whole of a text its widget had to cut
// off. It hides itself when the cursor leaves the watched widget or the widget
// is hidden, checked every 80 ms while it is shown.
class CutOffTextTip : public QObject
{
    Q_OBJECT

public:
    static constexpr int PollInterval = 80;

    explicit CutOffTextTip(QWidget* watched);
    ~CutOffTextTip() override;

    void showText(const QString& text, const QPoint& globalPos, const QFont& font, const QColor& foreground,
        const QColor& background);
    void hideText();
    bool isShown() const;
    QString text() const;
    // The tip's window, for placement checks.
    const QWidget* window() const;

private:
    void checkCursor();

    QWidget* m_watched;
    std::unique_ptr<QLabel> m_label;
    QTimer m_timer;
};

} // namespace optiontree
