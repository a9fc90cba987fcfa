#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A chain of folders below a folder, deeper than a path can name, with one file "far.txt" at its
// bottom: a file no walk can open by its path. Removed from the bottom up when the object goes, as no
// path can name its deep end.
class DeepTree
{
public:
    static constexpr int Depth = 40; // 40 x 201 bytes: beyond PATH_MAX

    explicit DeepTree(const std::filesystem::path& below);
    ~DeepTree();
    DeepTree(const DeepTree&) = delete;
    DeepTree& operator=(const DeepTree&) = delete;

private:
    std::filesystem::path m_below;
    std::string m_level = std::string(200, 'd');
};

} // namespace testsupport
