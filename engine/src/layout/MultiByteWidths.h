#pragma once

#include "layout/CharWidths.h"

#include <hpdf.h>

#include <array>
#include <vector>

namespace engine {

// Widths of a CID font under a multi-byte CMap encoding, taken from the library one character at a
// time and kept for reuse. A lead byte takes the next byte with it whatever that byte is; a front
// part that ends on a lead byte is measured as the library measures it, with a NUL after the lead.
class MultiByteWidths : public CharWidths
{
public:
    MultiByteWidths(HPDF_Font font, HPDF_Encoder encoder, float fontSize);

    std::uint64_t units(std::string_view text) override;
    OverflowScan scanOverflow(std::string_view line, float width) override;

private:
    struct Pair
    {
        std::uint32_t units;
        std::uint32_t length; // 2, or 1 when the library starts a new character with the second byte
    };
    const Pair& pair(unsigned char lead, unsigned char next);
    std::uint32_t libraryUnits(unsigned char first, unsigned char second, HPDF_UINT length) const;

    HPDF_Font m_font;
    HPDF_Encoder m_encoder;
    std::array<std::uint32_t, 256> m_single {}; // a byte on its own, or a lead byte at the end
    std::array<bool, 256> m_lead {};
    std::vector<Pair> m_pairs;  // by lead * 256 + next
    std::vector<bool> m_known;
};

} // namespace engine
