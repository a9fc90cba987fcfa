#pragma once

#include <QColor>

namespace app {

// The background of the main window and the About box, the same as the file list pane's.
inline const QColor PaneBackground(227, 246, 253);

} // namespace app
