#include "CountingMeasure.h"

namespace enginetest {

CountingMeasure::CountingMeasure(engine::TextMeasure& measure)
    : m_measure(measure)
{
}

float CountingMeasure::textWidth(std::string_view text)
{
    widthBytes += text.size();
    ++calls;
    return m_measure.textWidth(text);
}

std::size_t CountingMeasure::measureText(std::string_view text, float width, bool wordWrap)
{
    measureBytes += text.size();
    ++calls;
    return m_measure.measureText(text, width, wordWrap);
}

std::size_t CountingMeasure::firstCharLength(std::string_view text)
{
    ++calls;
    return m_measure.firstCharLength(text);
}

engine::OverflowScan CountingMeasure::scanOverflow(std::string_view line, float width)
{
    ++calls;
    engine::OverflowScan scan = m_measure.scanOverflow(line, width);
    scannedBytes += scan.crossing == engine::OverflowScan::None ? line.size() : scan.crossing;
    return scan;
}

} // namespace enginetest
