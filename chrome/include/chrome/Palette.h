#pragma once

#include <QColor>

namespace chrome {

// The light blue the desktop program's panes and dialogs are drawn on.
inline constexpr QColor PaneBackground(227, 246, 253);
// The dark red of what failed or cannot be done: a failed file's row, a character the PDF cannot draw.
inline constexpr QColor FailureText(192, 0, 0);
// The pale red behind a character of the preview that the PDF cannot draw.
inline constexpr QColor FailureBackground(255, 222, 222);

} // namespace chrome
