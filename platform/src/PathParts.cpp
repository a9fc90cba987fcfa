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

std::string StripEnclosingQuotes(const std::string& path)
{
    std::string result = path;
    if (!result.empty() && result.front() == '"') {
        result.erase(0, 1);
    }
    if (!result.empty() && result.back() == '"') {
        result.pop_back();
    }
    return result;
}

} // namespace platform
