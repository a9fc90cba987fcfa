#pragma once

#include <string>

namespace platform {

// The folder of the running executable, with a trailing '/'.
std::string ExecutableFolder();

// Where Settings.ini lives: beside the executable when that folder is writable, otherwise in the
// per-user configuration folder ($XDG_CONFIG_HOME/marlowen, or ~/.config/marlowen), which is created
// when missing. Both programs use this same rule.
std::string SettingsFilePath(const std::string& executableFolder);

} // namespace platform
