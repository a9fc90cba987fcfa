#include "text/LenientUtf8.h"

#include "engine/Utf8.h"

#include "text/IconvCharset.h"

namespace engine {

std::optional<LenientUtf8> ReadLenientUtf8(std::string_view bytes)
{
    std::size_t multiByte = 0;
    std::size_t stray = 0;
    std::size_t firstStray = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        Utf8Char c = ReadUtf8Char(bytes, at);
        if (!c.valid && stray++ == 0) {
            firstStray = at;
        }
        multiByte += c.valid && c.length > 1;
        at += c.length;
    }
    if (stray == 0 || multiByte < stray) {
        return std::nullopt;
    }
    IconvCharset cp1252("CP1252");
    LenientUtf8 result;
    result.strayBytes = stray;
    result.text.reserve(bytes.size() + stray);
    for (std::size_t at = 0; at < bytes.size();) {
        Utf8Char c = ReadUtf8Char(bytes, at);
        result.text += c.valid ? bytes.substr(at, c.length) : cp1252.toUnicode(bytes.substr(at, 1));
        at += c.length;
    }
    const auto strayByte = bytes.substr(firstStray, 1);
    const std::string first = DescribeCharacter(ReadUtf8Char(bytes, firstStray)) + " at byte offset "
        + std::to_string(firstStray) + ", read as \"" + cp1252.toUnicode(strayByte) + "\"";
    result.warning = stray == 1 ? "1 byte of this UTF-8 text is not UTF-8 and is read as CP1252: " + first
                                : std::to_string(stray)
            + " bytes of this UTF-8 text are not UTF-8 and are read as CP1252; the first is " + first;
    return result;
}

} // namespace engine
