#include "ScratchFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <unistd.h>

namespace fuzzsupport {
namespace {

std::set<std::string>& ScratchPaths()
{
    static std::set<std::string> paths;
    return paths;
}

void RemoveScratchFiles()
{
    for (const auto& path : ScratchPaths()) {
        std::remove(path.c_str());
    }
}

} // namespace

std::string ScratchPath(const std::string& name)
{
    std::error_code ignored;
    const char* folder = std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : "/tmp";
    std::string path = std::string(folder) + "/marlowen-fuzz-" + std::to_string(::getpid()) + "-" + name;
    if (ScratchPaths().empty()) {
        std::atexit(RemoveScratchFiles);
    }
    ScratchPaths().insert(path);
    return path;
}

} // namespace fuzzsupport
