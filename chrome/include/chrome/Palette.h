#pragma once

#include <QColor>

namespace chrome {

// The light blue the desktop program's panes and dialogs are drawn on.
inline constexpr QColor PaneBackground(227, 246, 253);

} // namespace chrome
