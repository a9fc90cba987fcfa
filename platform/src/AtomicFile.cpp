#include "platform/AtomicFile.h"

#include "platform/PathParts.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string ErrnoText(int error)
{
    return std::strerror(error);
}

AtomicFile::AtomicFile(std::string finalPath)
    : m_finalPath(std::move(finalPath))
{
}

AtomicFile::~AtomicFile()
{
    if (!m_committed) {
        discard();
    }
}

bool AtomicFile::open()
{
    auto parts = SplitPath(m_finalPath);
    std::string pattern = parts.folder + "." + parts.name + parts.extension + ".XXXXXX";
    std::string buffer = pattern;
    m_fd = ::mkstemp(buffer.data());
    if (m_fd < 0) {
        m_error = "cannot create a file in " + (parts.folder.empty() ? std::string("./") : parts.folder) + ": "
            + ErrnoText(errno);
        return false;
    }
    m_tempPath = buffer;
    return true;
}

bool AtomicFile::write(std::string_view bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(m_fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            m_error = "cannot write " + m_finalPath + ": " + ErrnoText(errno);
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

bool AtomicFile::commit()
{
    if (m_fd < 0) {
        return false;
    }
    // Keep the permission bits of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    mode_t mode = 0666;
    if (::stat(m_finalPath.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    ::fchmod(m_fd, mode);
    if (::fsync(m_fd) != 0 || ::close(m_fd) != 0) {
        m_error = "cannot write " + m_finalPath + ": " + ErrnoText(errno);
        m_fd = -1;
        return false;
    }
    m_fd = -1;
    if (::rename(m_tempPath.c_str(), m_finalPath.c_str()) != 0) {
        m_error = "cannot replace " + m_finalPath + ": " + ErrnoText(errno);
        return false;
    }
    m_committed = true;
    return true;
}

void AtomicFile::discard()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_tempPath.empty()) {
        ::unlink(m_tempPath.c_str());
    }
}

} // namespace platform
