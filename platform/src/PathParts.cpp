#include "platform/PathParts.h"

namespace platform {

PathParts SplitPath(const std::string& path)
{
    PathParts parts;
    auto slash = path.find_last_of('/');
    std::string fileName = path;
    if (slash != std::string::npos) {
        parts.folder = path.substr(0, slash + 1);
        fileName = path.substr(slash + 1);
    }
    auto dot = fileName.find_last_of('.');
    if (dot == std::string::npos) {
        parts.name = fileName;
    } else {
        parts.name = fileName.substr(0, dot);
        parts.extension = fileName.substr(dot);
    }
    return parts;
}

} // namespace platform
