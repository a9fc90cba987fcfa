// Arbitrary bytes through the text-mode reading, from memory and from a file: both must give the
// bytes up to the first 0x1A or NUL with each CR LF pair read as one LF, and agree with each other.
#include "ScratchFile.h"
#include "platform/TextFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The same rules written the plain way: cut at the end mark, then replace the pairs.
std::string Expected(const std::string& bytes)
{
    std::string text = bytes.substr(0, bytes.find_first_of(std::string("\x1a\0", 2)));
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            out += text[i];
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string expected = Expected(bytes);
    if (platform::TextModeFromBytes(bytes) != expected) {
        std::fprintf(stderr, "text fault: reading from memory differs\n");
        std::abort();
    }
    static const std::string path = fuzzsupport::ScratchPath("input.txt");
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    auto read = platform::ReadTextModeFile(path);
    if (!read || read->text != expected) {
        std::fprintf(stderr, "text fault: reading the file differs: %s\n", read ? "" : read.error().c_str());
        std::abort();
    }
    return 0;
}
