#include "InputFile.h"

#include "platform/AtomicFile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>

namespace engine {

platform::TextReadResult ReadFileBytes(const std::string& path)
{
    platform::TextReadResult result;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        result.error = "it is a folder, not a file";
        return result;
    }
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        result.error = "cannot open the file: " + platform::ErrnoText(errno);
        return result;
    }
    // One read of the size the file has, into a text of that size: growing the text as bytes
    // arrive copied it over and over and left it up to twice as large as the file.
    const auto size = std::filesystem::is_regular_file(path, error) ? std::filesystem::file_size(path, error) : 0;
    if (!error && size > 0) {
        result.text.resize(static_cast<std::size_t>(size));
        in.read(result.text.data(), static_cast<std::streamsize>(size));
        result.text.resize(static_cast<std::size_t>(in.gcount()));
    }
    // Whatever the file gained since, or all of a file whose size cannot be told (a pipe).
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        result.text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        result.error = "cannot read the file: " + platform::ErrnoText(errno);
        result.text.clear();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace engine
