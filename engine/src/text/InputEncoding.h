#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The InputEncoding option: "Auto" (in any case) or a name iconv knows.
bool IsAutoInputEncoding(std::string_view name);

bool IsUtf8Name(std::string_view name);

// Which UTF-16 a name stands for: UTF-16LE, UTF-16BE, or UTF-16 whose byte order a byte order mark
// gives (big-endian without one).
enum class Utf16Name
{
    No,
    LittleEndian,
    BigEndian,
    EitherOrder
};
Utf16Name Utf16NameOf(std::string_view name);

// Whether iconv knows the encoding and it keeps the bytes of ASCII text, as the text-mode rules
// (CR LF, NUL, Ctrl+Z) and every encoding of text files but UTF-16 and UTF-32 do.
bool ReadsAsciiText(const std::string& name);

// Why the InputEncoding option cannot be used, or nothing.
std::optional<std::string> InputEncodingProblem(const std::string& name);

} // namespace engine
