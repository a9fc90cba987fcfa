#include "platform/FileInfo.h"

#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

std::optional<FileInfo> GetFileInfo(const std::string& path)
{
    struct statx info {};
    if (::statx(AT_FDCWD, path.c_str(), 0, STATX_SIZE | STATX_MTIME | STATX_BTIME | STATX_TYPE, &info) != 0) {
        return std::nullopt;
    }
    if (!S_ISREG(info.stx_mode)) {
        return std::nullopt;
    }
    FileInfo result;
    result.size = info.stx_size;
    bool hasBirth = (info.stx_mask & STATX_BTIME) != 0 && info.stx_btime.tv_sec != 0;
    result.creationTime = static_cast<std::time_t>(hasBirth ? info.stx_btime.tv_sec : info.stx_mtime.tv_sec);
    result.modificationTime = static_cast<std::time_t>(info.stx_mtime.tv_sec);
    return result;
}

} // namespace platform
