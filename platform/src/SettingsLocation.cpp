#include "platform/SettingsLocation.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace platform {

std::string ExecutableFolder()
{
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return self.parent_path().string() + "/";
}

std::string SettingsFilePath(const std::string& executableFolder)
{
    if (::access(executableFolder.c_str(), W_OK) == 0) {
        return executableFolder + "Settings.ini";
    }
    std::string base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        base = std::string(home) + "/.config";
    } else {
        base = "/tmp";
    }
    std::string folder = base + "/marlowen";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder + "/Settings.ini";
}

} // namespace platform
