#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace platform {

struct FileInfo
{
    std::uint64_t size = 0;
    // The birth time where the file system records one, else the last modification time.
    std::time_t creationTime = 0;
    std::time_t modificationTime = 0;
};

// Size, creation and modification time of a regular file; nothing when it cannot be examined.
std::optional<FileInfo> GetFileInfo(const std::string& path);

} // namespace platform
