#include "ScratchFile.h"

#include <filesystem>
#include <unistd.h>

namespace fuzzsupport {

std::string ScratchPath(const std::string& name)
{
    std::error_code ignored;
    const char* folder = std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : "/tmp";
    return std::string(folder) + "/marlowen-fuzz-" + std::to_string(::getpid()) + "-" + name;
}

} // namespace fuzzsupport
