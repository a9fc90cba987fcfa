#pragma once

#include <QProgressBar>

namespace chrome {

// A progress bar with a caption drawn over the bar, centred, in every style (the style's own text is off).
// Setting the caption repaints the bar only when the text changes.
class CTextProgressBar : public QProgressBar
{
    Q_OBJECT

public:
    explicit CTextProgressBar(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    // Moves to position, lowering the range's minimum when it is below; repaints only on a change.
    void setPosition(int position);

signals:
    void captionChanged(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
};

} // namespace chrome
