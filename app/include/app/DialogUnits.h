#pragma once

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

#include <algorithm>

namespace app {

// Turns the dialog units the dialogs are laid out in into pixels for the dialog's font: a
// horizontal unit is a quarter of the average width of the letters, a vertical unit an eighth of the
// line height, so the layout grows with the font.
class DialogUnits
{
public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : m_lettersWidth(metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")))
        , m_lineHeight(metrics.height())
    {
    }

    int x(int units) const { return (units * m_lettersWidth + 104) / 208; }
    int y(int units) const { return (units * m_lineHeight + 4) / 8; }
    QRect rect(int left, int top, int width, int height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }

private:
    int m_lettersWidth;
    int m_lineHeight;
};

// Puts a control at its rectangle, widened where its text needs more room in this font.
inline void PlaceControl(QWidget& control, const QRect& rect)
{
    control.setGeometry(rect.x(), rect.y(), std::max(rect.width(), control.sizeHint().width()), rect.height());
}

} // namespace app
