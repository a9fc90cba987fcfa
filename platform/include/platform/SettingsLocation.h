#pragma once

#include <string>

namespace platform {

// The folder of the running executable, with a trailing '/'.
std::string ExecutableFolder();

// True for a folder of an installed program: below /usr, /opt or the prefix this build installs to.
// Settings are never written into such a folder, even by a user who could (root would otherwise
// write /usr/bin/Settings.ini).
bool IsSystemFolder(const std::string& folder);

// Where Settings.ini lives: beside the executable when that folder is writable and not a system
// folder, otherwise in the per-user configuration folder ($XDG_CONFIG_HOME/marlowen, or
// ~/.config/marlowen), which is created when missing. Both programs use this same rule.
std::string SettingsFilePath(const std::string& executableFolder);

// Where Settings.ini is read from: SettingsFilePath's file; or, while that is the per-user file and
// does not exist yet, a Settings.ini beside the executable in a folder the program cannot write (a
// copy the user was given with the program), so that its options are not ignored.
std::string SettingsFileToRead(const std::string& executableFolder);

} // namespace platform
