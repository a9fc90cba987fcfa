#include "layout/CharWidths.h"

namespace engine {

CharWidths::CharWidths(float fontSize)
    : m_fontSize(fontSize)
{
}

float CharWidths::toPoints(std::uint64_t units) const
{
    return static_cast<float>(units) * m_fontSize / 1000;
}

std::uint64_t CharWidths::unitsOver(float width)
{
    if (width == m_thresholdWidth) {
        return m_threshold;
    }
    // toPoints grows with the sum, so the threshold is found by bisection.
    std::uint64_t low = 0;
    std::uint64_t high = std::uint64_t { 1 } << 48;
    while (low < high) {
        std::uint64_t middle = low + (high - low) / 2;
        if (toPoints(middle) > width) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    m_thresholdWidth = width;
    m_threshold = low;
    return low;
}

} // namespace engine
