#include "text/Overstrike.h"

#include "engine/Utf8.h"

#include <string_view>

namespace engine {
namespace {

std::size_t CharLength(std::string_view text, std::size_t at, bool utf8)
{
    return utf8 ? ReadUtf8Char(text, at).length : 1;
}

bool IsLineEnd(std::string_view character)
{
    return character == "\n" || character == "\r";
}

} // namespace

std::string RemoveOverstrikes(std::string text, bool utf8)
{
    if (text.find('\b') == std::string::npos) {
        return text;
    }
    std::string out;
    out.reserve(text.size());
    std::size_t lastStart = std::string::npos; // where the last character of out starts
    for (std::size_t at = 0; at < text.size();) {
        const bool overstrike = text[at] == '\b' && lastStart != std::string::npos && at + 1 < text.size();
        if (overstrike) {
            std::string_view previous = std::string_view(out).substr(lastStart);
            std::string_view next = std::string_view(text).substr(at + 1, CharLength(text, at + 1, utf8));
            if (!IsLineEnd(previous) && !IsLineEnd(next) && next != "\b") {
                if (next != "_" || previous == "_") {
                    out.replace(lastStart, std::string::npos, next);
                }
                at += 1 + next.size();
                continue;
            }
        }
        const std::size_t length = CharLength(text, at, utf8);
        lastStart = text[at] == '\b' ? std::string::npos : out.size();
        out.append(text, at, length);
        at += length;
    }
    return out;
}

} // namespace engine
