#pragma once

#include <functional>

namespace app {

class CMainFrame;

// Called once the main window is on the screen (start-up benchmark).
using ShownObserver = std::function<void(CMainFrame&)>;

// The desktop program from start to end, in this order: the single-instance test (a second start
// hands its files to the first and ends), the switches, the settings path, the options, the main
// window with its splash window and the files of the command line, the problems found in the
// settings file, the tip of the day; then the event loop, and the options saved at the end.
// Returns the process's exit code.
int RunApplication(int argc, char** argv, const ShownObserver& shown = {});

} // namespace app
