#include "text/FallbackEscape.h"

namespace engine {
namespace {

constexpr unsigned char FontByteBase = 0x80;

std::size_t Utf8Length(unsigned char lead)
{
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

} // namespace

void AppendFallbackCharacter(std::string& out, unsigned font, std::string_view utf8)
{
    out += FallbackEscape;
    out += static_cast<char>(FontByteBase + font);
    out += utf8;
}

FallbackCharacter ReadFallbackCharacter(std::string_view text)
{
    FallbackCharacter c;
    if (text.size() < 3) {
        return c;
    }
    c.font = static_cast<unsigned char>(text[1]) - FontByteBase;
    const std::size_t length = Utf8Length(static_cast<unsigned char>(text[2]));
    if (text.size() < 2 + length) {
        return c;
    }
    c.utf8 = text.substr(2, length);
    c.length = 2 + length;
    return c;
}

} // namespace engine
