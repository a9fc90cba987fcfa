#include "platform/AtomicFile.h"

#include "platform/PathParts.h"

#include "TemporaryFileList.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string ErrnoText(int error)
{
    return std::strerror(error);
}

namespace {

// A file the user marked read-only must not be replaced, although a rename over it would succeed:
// only the folder's permissions govern a rename.
bool IsReadOnlyFile(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    if (::geteuid() == 0) {
        return (info.st_mode & 0222) == 0; // root passes every access check
    }
    return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

// The path with the symbolic links of its last part followed, to the file they finally lead to
// (which need not exist yet). Links in the folders above are followed by the system anyway.
bool FollowLinks(std::string path, std::string& target, int& error)
{
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            target = path;
            return true;
        }
        char link[PATH_MAX];
        ssize_t length = ::readlink(path.c_str(), link, sizeof link);
        if (length < 0 || static_cast<std::size_t>(length) == sizeof link) {
            error = length < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        std::string next(link, static_cast<std::size_t>(length));
        path = !next.empty() && next.front() == '/' ? next : SplitPath(path).folder + next;
    }
    error = ELOOP;
    return false;
}

// Six random letters or digits, for a temporary name no other writer guesses.
std::string RandomSuffix()
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    static std::atomic<std::uint64_t> counter { 0 };
    unsigned char bytes[8] = {};
    if (::getrandom(bytes, sizeof bytes, 0) != static_cast<ssize_t>(sizeof bytes)) {
        std::uint64_t fallback = (static_cast<std::uint64_t>(::getpid()) << 32) + counter++;
        std::memcpy(bytes, &fallback, sizeof bytes);
    }
    std::string suffix(6, ' ');
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        suffix[i] = Letters[bytes[i] % (sizeof Letters - 1)];
    }
    return suffix;
}

} // namespace

AtomicFile::AtomicFile(std::string finalPath)
    : m_finalPath(std::move(finalPath))
{
}

AtomicFile::~AtomicFile()
{
    discard();
}

bool AtomicFile::open()
{
    int error = 0;
    if (!FollowLinks(m_finalPath, m_targetPath, error)) {
        m_error = "cannot replace " + m_finalPath + ": " + ErrnoText(error);
        return false;
    }
    if (IsReadOnlyFile(m_targetPath)) {
        m_error = "cannot replace " + m_finalPath + ": the file is read-only";
        return false;
    }
    // A new file is created with the permissions the umask leaves of rw for everyone; a file that
    // replaces another starts private and takes the old file's permissions at commit. The process's
    // umask is never changed: other threads create files meanwhile.
    struct stat old {};
    m_replacing = ::stat(m_targetPath.c_str(), &old) == 0;
    auto parts = SplitPath(m_targetPath);
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Listed before it exists: a signal may come the moment it is created.
        std::string candidate = parts.folder + "." + parts.name + parts.extension + "." + RandomSuffix();
        m_slot = RememberTemporaryFile(candidate);
        m_fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, m_replacing ? 0600 : 0666);
        if (m_fd >= 0) {
            m_tempPath = candidate;
            return true;
        }
        int reason = errno;
        ForgetTemporaryFile(m_slot);
        m_slot = -1;
        if (reason != EEXIST) {
            errno = reason;
            break;
        }
    }
    m_error = "cannot create a file in " + (parts.folder.empty() ? std::string("./") : parts.folder) + ": "
        + ErrnoText(errno);
    return false;
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
    struct stat old {};
    if (m_replacing && ::stat(m_targetPath.c_str(), &old) == 0 && ::fchmod(m_fd, old.st_mode & 07777) != 0) {
        m_error = "cannot give " + m_finalPath + " the permissions it had: " + ErrnoText(errno);
        return false;
    }
    if (::fsync(m_fd) != 0) {
        m_error = "cannot write " + m_finalPath + ": " + ErrnoText(errno);
        return false;
    }
    int closed = ::close(m_fd);
    m_fd = -1;
    if (closed != 0) {
        m_error = "cannot write " + m_finalPath + ": " + ErrnoText(errno);
        return false;
    }
    if (::rename(m_tempPath.c_str(), m_targetPath.c_str()) != 0) {
        m_error = "cannot replace " + m_finalPath + ": " + ErrnoText(errno);
        return false;
    }
    m_tempPath.clear();
    ForgetTemporaryFile(m_slot);
    m_slot = -1;
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
        m_tempPath.clear();
    }
    ForgetTemporaryFile(m_slot);
    m_slot = -1;
}

} // namespace platform
