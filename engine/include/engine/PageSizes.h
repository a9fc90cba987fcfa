#pragma once

#include <array>
#include <string_view>

namespace engine {

struct ConversionOptions;

struct NamedPageSize
{
    std::string_view label;
    int width;  // points
    int height; // points
};

// The named page sizes, in the order of the "Page Size" choice list; "Custom Page Size" (index 37)
// has no row.
extern const std::array<NamedPageSize, 37> PageSizeTable;

// Index of "Custom Page Size" in the "Page Size" choice list.
inline constexpr int CustomPageSizeIndex = 37;

// For an index 0..36 sets width and height to that row of PageSizeTable; any other index leaves
// both as they were.
void LookupPageSize(int index, int& width, int& height);

struct PageBox
{
    int width;
    int height;
};

// The size of every page of a conversion: the named size when PageSize is 0..36, else the
// record's own PageWidth x PageHeight; width and height swapped when Orientation is Landscape.
PageBox GetPageBox(const ConversionOptions& options);

} // namespace engine
