#include "DeepTree.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace testsupport {

DeepTree::DeepTree(const std::filesystem::path& below)
    : m_below(below)
{
    int fd = ::open(below.c_str(), O_RDONLY | O_DIRECTORY);
    for (int depth = 0; depth < Depth; ++depth) {
        if (::mkdirat(fd, m_level.c_str(), 0700) != 0) {
            throw std::runtime_error("cannot make the deep tree");
        }
        int child = ::openat(fd, m_level.c_str(), O_RDONLY | O_DIRECTORY);
        ::close(fd);
        fd = child;
    }
    ::close(::openat(fd, "far.txt", O_WRONLY | O_CREAT, 0600));
    ::close(fd);
}

DeepTree::~DeepTree()
{
    std::vector<int> levels { ::open(m_below.c_str(), O_RDONLY | O_DIRECTORY) };
    for (int depth = 0; depth < Depth; ++depth) {
        levels.push_back(::openat(levels.back(), m_level.c_str(), O_RDONLY | O_DIRECTORY));
    }
    ::unlinkat(levels.back(), "far.txt", 0);
    for (int depth = Depth; depth > 0; --depth) {
        ::close(levels[std::size_t(depth)]);
        ::unlinkat(levels[std::size_t(depth - 1)], m_level.c_str(), AT_REMOVEDIR);
    }
    ::close(levels.front());
}

} // namespace testsupport
