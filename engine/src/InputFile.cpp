#include "InputFile.h"

#include "platform/AtomicFile.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

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
    result.text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad()) {
        result.error = "cannot read the file: " + platform::ErrnoText(errno);
        result.text.clear();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace engine
