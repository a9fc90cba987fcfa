#pragma once

#include <string>

namespace platform {

// A path split into its folder (with its trailing '/', empty when the path names no folder), the
// file name without its last extension, and the last extension with its dot (empty when none).
// Only the file name part can hold the extension: "dir.x/README" has none.
struct PathParts
{
    std::string folder;
    std::string name;
    std::string extension;
};

PathParts SplitPath(const std::string& path);

} // namespace platform
