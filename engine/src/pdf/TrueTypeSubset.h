#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace engine {

// A TrueType font cut down to the glyphs a document draws, with the new number of each glyph kept.
struct TrueTypeSubset
{
    std::string font; // the font file of the subset
    std::map<std::uint32_t, std::uint32_t> newGlyph; // old glyph number to new, for the glyphs asked for
};

// The font file given reduced by HarfBuzz's subsetter to the glyphs asked for, the glyphs of the
// characters asked for (kept in its character map) and glyph 0, with what those glyphs are made of.
// Only what a PDF reader draws with is kept: no layout, bitmap or vertical tables. Nothing when the
// subsetter cannot read or cut the font.
std::optional<TrueTypeSubset> SubsetTrueType(
    std::string_view font, const std::set<std::uint32_t>& glyphs, const std::set<char32_t>& characters);

} // namespace engine
