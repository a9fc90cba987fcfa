#include "platform/SettingsLocation.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace platform {

namespace {

// The path without "." and ".." steps and without a trailing '/'.
std::filesystem::path Normal(const std::filesystem::path& path)
{
    auto normal = path.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

bool IsWithin(const std::filesystem::path& folder, const std::filesystem::path& root)
{
    auto normalRoot = Normal(root);
    if (normalRoot.empty() || normalRoot == normalRoot.root_path()) {
        return false;
    }
    auto normalFolder = Normal(folder);
    auto [folderStep, rootStep] = std::mismatch(normalFolder.begin(), normalFolder.end(), normalRoot.begin(),
                                                normalRoot.end());
    return rootStep == normalRoot.end();
}

} // namespace

std::string ExecutableFolder()
{
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "./";
    }
    return self.parent_path().string() + "/";
}

bool IsSystemFolder(const std::string& folder)
{
    for (const char* root : { "/usr", "/opt", MARLOWEN_INSTALL_PREFIX }) {
        if (IsWithin(folder, root)) {
            return true;
        }
    }
    return false;
}

std::string SettingsFilePath(const std::string& executableFolder)
{
    if (!IsSystemFolder(executableFolder) && ::access(executableFolder.c_str(), W_OK) == 0) {
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

std::string SettingsFileToRead(const std::string& executableFolder)
{
    std::string path = SettingsFilePath(executableFolder);
    const std::string beside = executableFolder + "Settings.ini";
    std::error_code ignored;
    if (path != beside && !std::filesystem::exists(path, ignored) && !IsSystemFolder(executableFolder)
        && std::filesystem::is_regular_file(beside, ignored)) {
        return beside;
    }
    return path;
}

} // namespace platform
