#pragma once

#include <QFontMetrics>
#include <QRect>

namespace app {

// Turns the dialog units the dialogs are laid out in into pixels for the dialog's font: a
// horizontal unit is a quarter of the average character width, a vertical unit an eighth of the
// line height, so the layout grows with the font.
class DialogUnits
{
public:
    explicit DialogUnits(const QFontMetrics& metrics)
        : m_charWidth(metrics.averageCharWidth())
        , m_lineHeight(metrics.height())
    {
    }

    int x(int units) const { return (units * m_charWidth + 2) / 4; }
    int y(int units) const { return (units * m_lineHeight + 4) / 8; }
    QRect rect(int left, int top, int width, int height) const
    {
        return QRect(x(left), y(top), x(width), y(height));
    }

private:
    int m_charWidth;
    int m_lineHeight;
};

} // namespace app
