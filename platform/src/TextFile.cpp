#include "platform/TextFile.h"

#include "platform/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::string TextModeFromBytes(std::string bytes)
{
    std::size_t out = 0;
    const std::size_t size = bytes.size();
    for (std::size_t in = 0; in < size; ++in) {
        char c = bytes[in];
        if (c == '\x1a' || c == '\0') {
            break;
        }
        if (c == '\r' && in + 1 < size && bytes[in + 1] == '\n') {
            continue; // the LF that follows stands for the pair
        }
        bytes[out++] = c;
    }
    bytes.resize(out);
    return bytes;
}

TextReadResult ReadWholeFile(const std::string& path)
{
    TextReadResult result;
    struct stat info {};
    // Some devices act on being opened; look at what the path names first.
    if (::stat(path.c_str(), &info) == 0 && (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))) {
        result.error = "it is a device, not a file";
        return result;
    }
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.error = "cannot open the file: " + ErrnoText(errno);
        return result;
    }
    if (::fstat(fd, &info) != 0) {
        result.error = "cannot read the file's size: " + ErrnoText(errno);
        ::close(fd);
        return result;
    }
    if (!S_ISREG(info.st_mode) && !S_ISFIFO(info.st_mode)) {
        result.error = S_ISDIR(info.st_mode) ? "it is a folder, not a file" : "it is a device, not a file";
        ::close(fd);
        return result;
    }
    std::string bytes;
    if (info.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(info.st_size));
    }
    char buffer[1 << 16];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            result.error = "cannot read the file: " + ErrnoText(errno);
            ::close(fd);
            return result;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    result.text = std::move(bytes);
    result.ok = true;
    return result;
}

TextReadResult ReadTextModeFile(const std::string& path)
{
    TextReadResult result = ReadWholeFile(path);
    if (result.ok) {
        result.text = TextModeFromBytes(std::move(result.text));
    }
    return result;
}

} // namespace platform
