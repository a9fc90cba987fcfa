#include "engine/PageSizes.h"

#include "engine/ConversionOptions.h"

#include <utility>

namespace engine {

const std::array<NamedPageSize, 37> PageSizeTable = { {
    { "Letter [8.5 x 11 in]", 612, 792 },
    { "Legal [8.5 x 14 in]", 612, 1008 },
    { "Executive [7.25 x 10.5 in]", 522, 756 },
    { "Ledger [355.6 x 215.9 mm]", 1008, 612 },
    { "Tabloid [11 x 17 in]", 792, 1224 },
    { "Screen [10 x 7.5 in]", 720, 540 },
    { "A3 [297 x 420 mm]", 842, 1190 },
    { "A4 [210 x 297 mm]", 595, 842 },
    { "A5 [148 x 210 mm]", 420, 595 },
    { "Statement [5.5 x 8.5 in]", 396, 612 },
    { "B4 [(JIS) 250 x 354 mm]", 709, 1001 },
    { "B5 [(JIS) 182 x 257 mm]", 516, 729 },
    { "A0 [841 x 1189 mm]", 2384, 3370 },
    { "A1 [594 x 841 mm]", 1685, 2384 },
    { "A2 [420 x 594 mm]", 1190, 1684 },
    { "B0 [1000 x 1414 mm]", 2835, 4008 },
    { "B1 [707 x 1000 mm]", 2004, 2835 },
    { "B2 [500 x 707 mm]", 1417, 2004 },
    { "B3 [354 x 500 mm]", 1003, 1417 },
    { "ANSI C [17 x 22 in]", 1224, 1584 },
    { "ANSI D [22 x 34 in]", 1584, 2448 },
    { "ANSI E [34 x 44 in]", 2448, 3168 },
    { "Folio [8.5 x 13 in]", 612, 936 },
    { "Quarto [215 x 275 mm]", 610, 780 },
    { "Envelope DL [110 x 220 mm]", 312, 624 },
    { "Envelope C5 [162 x 229 mm]", 459, 649 },
    { "Envelope C3 [324 x 458 mm]", 918, 1298 },
    { "Envelope C4 [229 x 324 mm]", 649, 919 },
    { "Envelope C6 [114 x 162 mm]", 323, 459 },
    { "Envelope B4 [250 x 353 mm]", 709, 1001 },
    { "Envelope B5 [176 x 250 mm]", 499, 709 },
    { "Envelope B6 [176 x 125 mm]", 499, 354 },
    { "Arch A [9 x 12 in]", 648, 864 },
    { "Arch B [12 x 18 in]", 864, 1296 },
    { "Arch C [18 x 24 in]", 1296, 1728 },
    { "Arch D [24 x 36 in]", 1728, 2592 },
    { "Arch E [36 x 48 in]", 2592, 3456 },
} };

void LookupPageSize(int index, int& width, int& height)
{
    if (index < 0 || index >= static_cast<int>(PageSizeTable.size())) {
        return;
    }
    width = PageSizeTable[static_cast<std::size_t>(index)].width;
    height = PageSizeTable[static_cast<std::size_t>(index)].height;
}

PageBox GetPageBox(const ConversionOptions& options)
{
    PageBox box { options.PageWidth, options.PageHeight };
    LookupPageSize(options.PageSize, box.width, box.height);
    if (options.Orientation == Landscape) {
        std::swap(box.width, box.height);
    }
    return box;
}

} // namespace engine
