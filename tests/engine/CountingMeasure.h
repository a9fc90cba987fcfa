#pragma once

#include "layout/TextMeasure.h"

#include <cstdint>
#include <string_view>

namespace enginetest {

// Passes every call on and counts the bytes each kind of call was given, so that tests can bound
// the work of a layout without timing it.
class CountingMeasure : public engine::TextMeasure
{
public:
    explicit CountingMeasure(engine::TextMeasure& measure);

    float textWidth(std::string_view text) override;
    std::size_t measureText(std::string_view text, float width, bool wordWrap) override;
    std::size_t firstCharLength(std::string_view text) override;
    engine::OverflowScan scanOverflow(std::string_view line, float width) override;

    std::uint64_t widthBytes = 0;   // given to textWidth
    std::uint64_t measureBytes = 0; // given to measureText
    std::uint64_t scannedBytes = 0; // walked by scanOverflow (up to the crossing)
    std::uint64_t calls = 0;

private:
    engine::TextMeasure& m_measure;
};

} // namespace enginetest
