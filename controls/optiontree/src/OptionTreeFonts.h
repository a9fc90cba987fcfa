#pragma once

#include <QFont>

namespace optiontree {

// The normal and bold fonts every option tree and its editors use. They follow
// the platform's menu font, read on each call so that a font or theme change
// reaches all trees at their next paint.
class OptionTreeFonts
{
public:
    static QFont normal();
    static QFont bold();
    // Height of the normal font in pixels, the unit file items grow their rows by.
    static int normalHeight();
};

} // namespace optiontree
