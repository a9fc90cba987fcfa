#include "layout/MultiByteWidths.h"

namespace engine {

MultiByteWidths::MultiByteWidths(HPDF_Font font, HPDF_Encoder encoder, float fontSize)
    : CharWidths(fontSize)
    , m_font(font)
    , m_encoder(encoder)
    , m_pairs(1 << 16)
    , m_known(1 << 16, false)
{
    for (unsigned value = 1; value < 256; ++value) {
        auto byte = static_cast<unsigned char>(value);
        const char text[2] = { static_cast<char>(byte), '\0' };
        m_lead[byte] = HPDF_Encoder_GetByteType(m_encoder, text, 0) == HPDF_BYTE_TYPE_LEAD;
        m_single[byte] = libraryUnits(byte, 0, 1);
    }
}

std::uint32_t MultiByteWidths::libraryUnits(unsigned char first, unsigned char second, HPDF_UINT length) const
{
    const HPDF_BYTE text[3] = { first, second, 0 };
    return HPDF_Font_TextWidth(m_font, text, length).width;
}

const MultiByteWidths::Pair& MultiByteWidths::pair(unsigned char lead, unsigned char next)
{
    std::size_t code = lead * 256u + next;
    if (!m_known[code]) {
        const char text[3] = { static_cast<char>(lead), static_cast<char>(next), '\0' };
        bool newCharacter = HPDF_Encoder_GetByteType(m_encoder, text, 1) == HPDF_BYTE_TYPE_LEAD;
        m_pairs[code] = newCharacter ? Pair { libraryUnits(lead, next, 1), 1 } : Pair { libraryUnits(lead, next, 2), 2 };
        m_known[code] = true;
    }
    return m_pairs[code];
}

std::uint64_t MultiByteWidths::units(std::string_view text)
{
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        if (!m_lead[byte] || i + 1 == text.size()) {
            sum += m_single[byte];
            ++i;
            continue;
        }
        const Pair& next = pair(byte, static_cast<unsigned char>(text[i + 1]));
        sum += next.units;
        i += next.length;
    }
    return sum;
}

OverflowScan MultiByteWidths::scanOverflow(std::string_view line, float width)
{
    const std::uint64_t over = unitsOver(width);
    std::uint64_t sum = 0;
    OverflowScan scan;
    std::size_t i = 0;
    while (i < line.size()) {
        if (sum >= over) {
            scan.crossing = i;
            return scan;
        }
        auto byte = static_cast<unsigned char>(line[i]);
        if (!m_lead[byte] || i + 1 == line.size()) {
            sum += m_single[byte];
            ++i;
            continue;
        }
        // A space right after a lead byte ends a front part that closes on that lead byte alone,
        // which can be wider than the pair; the sums from character to character never shrink.
        auto next = static_cast<unsigned char>(line[i + 1]);
        if (next == ' ' && scan.firstSpaceOver == OverflowScan::None && sum + m_single[byte] >= over) {
            scan.firstSpaceOver = i + 1;
        }
        const Pair& both = pair(byte, next);
        sum += both.units;
        i += both.length;
    }
    if (sum >= over) {
        scan.crossing = line.size();
    }
    return scan;
}

} // namespace engine
