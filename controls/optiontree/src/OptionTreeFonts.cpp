#include "OptionTreeFonts.h"

#include <QApplication>
#include <QFontMetrics>

namespace optiontree {

QFont OptionTreeFonts::normal()
{
    return QApplication::font("QMenu");
}

QFont OptionTreeFonts::bold()
{
    QFont font = normal();
    font.setWeight(QFont::Bold);
    return font;
}

int OptionTreeFonts::normalHeight()
{
    return QFontMetrics(normal()).height();
}

} // namespace optiontree
