#pragma once

#include "panes/SettingsSection.h"

#include <QSize>

#include <string>

class QSplitter;
class QWidget;

namespace app {

// Where the main window was: its size and position, whether it was maximised and the width of the splitter's first
// pane, kept in section "Main Window" of Settings.ini between runs.
class WindowPlacement
{
public:
    // An empty path keeps nothing.
    explicit WindowPlacement(std::string settingsPath);

    // Gives the window what was kept, within its minimum size; the position only when the window would lie on a
    // screen, else it is centred on its screen. Without a kept size the window takes preferred, as far as the
    // screen allows, and without a kept splitter the first pane takes preferredFirstPane.
    void restore(QWidget& window, QSplitter& splitter, QSize preferred, int preferredFirstPane) const;
    // Keeps the window's placement. A maximised window keeps the size and position it had before.
    void save(const QWidget& window, const QSplitter& splitter) const;

private:
    panes::SettingsSection m_section;
};

} // namespace app
