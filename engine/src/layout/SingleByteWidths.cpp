#include "layout/SingleByteWidths.h"

namespace engine {

SingleByteWidths::SingleByteWidths(const Table& units, float fontSize)
    : CharWidths(fontSize)
    , m_units(units)
{
}

std::uint64_t SingleByteWidths::units(std::string_view text)
{
    std::uint64_t sum = 0;
    for (char c : text) {
        sum += m_units[static_cast<unsigned char>(c)];
    }
    return sum;
}

OverflowScan SingleByteWidths::scanOverflow(std::string_view line, float width)
{
    // Widths only grow along the line, so the first front part that is wider settles every later one.
    const std::uint64_t over = unitsOver(width);
    std::uint64_t sum = 0;
    OverflowScan scan;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (sum >= over) {
            scan.crossing = i;
            return scan;
        }
        sum += m_units[static_cast<unsigned char>(line[i])];
    }
    if (sum >= over) {
        scan.crossing = line.size();
    }
    return scan;
}

} // namespace engine
