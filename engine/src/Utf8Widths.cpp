#include "Utf8Widths.h"

#include "engine/Utf8.h"

#include <limits>

namespace engine {
namespace {

constexpr std::uint32_t Unknown = std::numeric_limits<std::uint32_t>::max();

} // namespace

Utf8Widths::Utf8Widths(HPDF_Font font, float fontSize)
    : CharWidths(fontSize)
    , m_font(font)
    , m_basicPlane(0x10000, Unknown)
{
}

std::uint32_t Utf8Widths::characterUnits(std::string_view text, std::size_t at, std::size_t& length)
{
    Utf8Char character = ReadUtf8Char(text, at);
    length = character.length;
    bool cached = character.valid && character.value < m_basicPlane.size();
    if (cached && m_basicPlane[character.value] != Unknown) {
        return m_basicPlane[character.value];
    }
    char bytes[5] = {};
    text.copy(bytes, length, at);
    std::uint32_t units
        = HPDF_Font_TextWidth(m_font, reinterpret_cast<const HPDF_BYTE*>(bytes), static_cast<HPDF_UINT>(length)).width;
    if (cached) {
        m_basicPlane[character.value] = units;
    }
    return units;
}

std::uint64_t Utf8Widths::units(std::string_view text)
{
    std::uint64_t sum = 0;
    for (std::size_t i = 0, length = 0; i < text.size(); i += length) {
        sum += characterUnits(text, i, length);
    }
    return sum;
}

OverflowScan Utf8Widths::scanOverflow(std::string_view line, float width)
{
    const std::uint64_t over = unitsOver(width);
    std::uint64_t sum = 0;
    OverflowScan scan;
    for (std::size_t i = 0, length = 0; i < line.size(); i += length) {
        if (sum >= over) {
            scan.crossing = i;
            return scan;
        }
        sum += characterUnits(line, i, length);
    }
    if (sum >= over) {
        scan.crossing = line.size();
    }
    return scan;
}

} // namespace engine
