#pragma once

#include <QBasicTimer>
#include <QProgressBar>

namespace chrome {

// A progress bar with a caption drawn over the bar, centred, in every style (the style's own text is off).
// Setting the caption repaints the bar only when the text changes, and captions that follow each other faster
// than anyone reads them (a run of many small files) are painted at most once every RepaintPauseMs.
class CTextProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit CTextProgressBar(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    // Moves to position, lowering the range's minimum when it is below; repaints only on a change.
    void setPosition(int position);

    static constexpr int RepaintPauseMs = 16;

signals:
    void captionChanged(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    QString m_caption;
    QBasicTimer m_repaintPause;
    bool m_repaintDue = false;
};

} // namespace chrome
