#include "resources/Icons.h"

#include <QtCore/qglobal.h>

// Resources compiled into a static library are registered only when something refers to them; the
// registration has to be named from the global namespace.
static void registerIcons()
{
    Q_INIT_RESOURCE(icons);
}

namespace resources {

void LoadIcons()
{
    static const bool loaded = [] {
        registerIcons();
        return true;
    }();
    (void)loaded;
}

} // namespace resources
