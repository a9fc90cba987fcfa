#pragma once

#include "layout/CharWidths.h"

#include <array>

namespace engine {

// Widths of a font whose characters are single bytes: one table of units per byte value.
class SingleByteWidths : public CharWidths
{
public:
    using Table = std::array<std::uint32_t, 256>;

    SingleByteWidths(const Table& units, float fontSize);

    std::uint64_t units(std::string_view text) override;
    OverflowScan scanOverflow(std::string_view line, float width) override;

private:
    Table m_units;
};

} // namespace engine
