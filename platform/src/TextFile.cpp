#include "platform/TextFile.h"

#include "platform/AtomicFile.h"

#include <algorithm>
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

namespace {

// read(), tried again when a signal interrupts it.
ssize_t ReadSome(int fd, char* into, std::size_t size)
{
    ssize_t got;
    do {
        got = ::read(fd, into, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

} // namespace

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
    // One read of the size the file has, into a text of that size: growing the text as bytes arrive
    // would copy it over and over and leave it up to twice as large as the file.
    std::string bytes(static_cast<std::size_t>(std::max<off_t>(info.st_size, 0)), '\0');
    std::size_t filled = 0;
    ssize_t got = 1;
    while (filled < bytes.size() && (got = ReadSome(fd, bytes.data() + filled, bytes.size() - filled)) > 0) {
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    // Whatever the file gained since, or all of a pipe, whose size is not known.
    char buffer[1 << 16];
    while (got > 0 && (got = ReadSome(fd, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    if (got < 0) {
        result.error = "cannot read the file: " + ErrnoText(errno);
        ::close(fd);
        return result;
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
