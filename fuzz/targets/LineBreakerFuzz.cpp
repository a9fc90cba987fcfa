// Lays random texts out with random fonts (a width for every byte, optional two-byte characters),
// font sizes and text widths, and checks the layout's promises (see LayoutCheck.h).
#include "FakeTextMeasure.h"
#include "LayoutCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>

namespace {

// A font from a seed: widths of 0 to 1000 thousandths, a few of them 0 as in real fonts.
testsupport::FakeTextMeasure::Units WidthsFrom(std::uint32_t seed)
{
    testsupport::FakeTextMeasure::Units widths {};
    std::uint32_t state = seed | 1;
    for (auto& width : widths) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        std::uint32_t value = state % 1100;
        width = value > 1000 ? 0 : value;
    }
    return widths;
}

// The lead bytes of Shift-JIS, as an example of a two-byte encoding.
std::bitset<256> ShiftJisLeadBytes()
{
    std::bitset<256> leads;
    for (unsigned b = 0x81; b <= 0x9f; ++b) {
        leads.set(b);
    }
    for (unsigned b = 0xe0; b <= 0xfc; ++b) {
        leads.set(b);
    }
    return leads;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto fontSize = static_cast<float>(input.ConsumeIntegralInRange<int>(1, 600));
    // Whole points, as the page width less the margins always is; small widths are the telling ones.
    const auto width = static_cast<float>(input.ConsumeBool() ? input.ConsumeIntegralInRange<int>(1, 200)
                                                              : input.ConsumeIntegralInRange<int>(1, 14394));
    const auto widths = WidthsFrom(input.ConsumeIntegral<std::uint32_t>());
    const auto leads = input.ConsumeBool() ? ShiftJisLeadBytes() : std::bitset<256>();
    const std::string text = fuzzsupport::WorkingText(input.ConsumeRemainingBytesAsString());

    testsupport::FakeTextMeasure measure(widths, fontSize, leads);
    std::string broken = fuzzsupport::CheckLayout(text, measure, width);
    if (!broken.empty()) {
        std::fprintf(stderr, "layout fault: %s; font size %g, width %g\n", broken.c_str(), fontSize, width);
        std::abort();
    }
    return 0;
}
