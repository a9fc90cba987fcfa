#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct TextReadResult
{
    bool ok = false;
    std::string text;  // the text as read (see ReadTextModeFile)
    std::string error; // why the file could not be read, when !ok
    std::uint64_t fileSize = 0; // larger than the text when only the front of the file was read
};

// Reads the bytes of a whole regular file, unchanged. Anything else is refused at once with the
// reason, without waiting: a folder, and a pipe, socket or device, whose reading may never end.
TextReadResult ReadWholeFile(const std::string& path);

// Reads at most maxBytes from the front of a regular file, unchanged, as ReadWholeFile reads it all;
// fileSize tells how large the file is.
TextReadResult ReadFilePrefix(const std::string& path, std::size_t maxBytes);

// Reads a whole file in text mode: every CR LF pair becomes one LF, a byte 0x1A (Ctrl+Z) ends the
// text, and so does a NUL byte; all other bytes pass unchanged. A lone CR stays a CR.
TextReadResult ReadTextModeFile(const std::string& path);

// Applies the text-mode rules to bytes already in memory.
std::string TextModeFromBytes(std::string bytes);

} // namespace platform
