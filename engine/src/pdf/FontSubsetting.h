#pragma once

#include <array>
#include <map>

class QPDF;

namespace engine {

// The character each code of a single-byte font stands for (0: none), by the object number of its
// font dictionary.
using SingleByteCharacters = std::array<char32_t, 256>;
using SingleByteFonts = std::map<int, SingleByteCharacters>;

// Cuts every TrueType font file the document embeds down to the glyphs its pages draw, and gives the
// font a ToUnicode map of the codes drawn:
// - a Type0 font over a CIDFontType2 with Identity-H codes, as the PDF library writes a TrueType font
//   for UTF-8, whose codes are the characters' Unicode values: a CIDToGIDMap as long as the highest
//   code drawn needs, and widths for the codes drawn only;
// - a simple TrueType font found in singleByte: its character map keeps the characters of the codes
//   drawn.
// A font drawn by no content stream, or one the subsetter cannot read, stays as it is. The content
// streams and the fonts' names, subset tag included, do not change. libqpdf's exceptions pass through.
void SubsetEmbeddedFonts(QPDF& pdf, const SingleByteFonts& singleByte);

} // namespace engine
