#include "platform/TextFile.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
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

// Why a file of this type is not read as a text: only regular files are. A pipe, a socket or a
// device may keep a reader waiting for ever.
std::optional<std::string> NotARegularFile(mode_t mode)
{
    if (S_ISREG(mode)) {
        return std::nullopt;
    }
    if (S_ISDIR(mode)) {
        return "it is a folder, not a file";
    }
    if (S_ISFIFO(mode)) {
        return "it is a pipe (FIFO), not a file";
    }
    if (S_ISSOCK(mode)) {
        return "it is a socket, not a file";
    }
    return "it is a device, not a file";
}

// read(), tried again when a signal interrupts it.
ssize_t ReadSome(int fd, char* into, std::size_t size)
{
    ssize_t got;
    do {
        got = ::read(fd, into, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

// Reads a regular file, all of it or at most limit bytes from its front.
TextReadResult Read(const std::string& path, std::optional<std::size_t> limit)
{
    TextReadResult result;
    struct stat info {};
    // Some devices act on being opened; look at what the path names first.
    if (::stat(path.c_str(), &info) == 0) {
        if (auto reason = NotARegularFile(info.st_mode)) {
            result.error = *reason;
            return result;
        }
    }
    // Without O_NONBLOCK, opening a pipe put there since would wait for a writer, for ever.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.error = "cannot open the file: " + ErrnoText(errno);
        return result;
    }
    if (::fstat(fd, &info) != 0) {
        result.error = "cannot read the file's size: " + ErrnoText(errno);
        ::close(fd);
        return result;
    }
    if (auto reason = NotARegularFile(info.st_mode)) {
        result.error = *reason;
        ::close(fd);
        return result;
    }
    // One read of the size the file has, into a text of that size: growing the text as bytes arrive
    // would copy it over and over and leave it up to twice as large as the file.
    const auto size = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    std::string bytes(limit ? std::min(size, *limit) : size, '\0');
    std::size_t filled = 0;
    ssize_t got = 1;
    while (filled < bytes.size() && (got = ReadSome(fd, bytes.data() + filled, bytes.size() - filled)) > 0) {
        filled += static_cast<std::size_t>(got);
    }
    const bool shrank = filled < bytes.size();
    bytes.resize(filled);
    // Whatever the file gained since its size was taken.
    char buffer[1 << 16];
    while (!limit && got > 0 && (got = ReadSome(fd, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    if (got < 0) {
        result.error = "cannot read the file: " + ErrnoText(errno);
        ::close(fd);
        return result;
    }
    ::close(fd);
    result.fileSize = limit && !shrank ? std::max<std::uint64_t>(size, bytes.size()) : bytes.size();
    result.text = std::move(bytes);
    result.ok = true;
    return result;
}

} // namespace

TextReadResult ReadWholeFile(const std::string& path)
{
    return Read(path, std::nullopt);
}

TextReadResult ReadFilePrefix(const std::string& path, std::size_t maxBytes)
{
    return Read(path, maxBytes);
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
