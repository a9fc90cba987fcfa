#pragma once

#include "pdf/FontSubsetting.h"

#include <hpdf.h>

namespace engine {

// The TrueType fonts a document of the PDF library embeds, as the subsetting of the saved document
// needs to know them.
struct EmbeddedTrueType
{
    bool any = false; // the document embeds at least one TrueType font file
    SingleByteFonts singleByte; // the characters of the codes of each single-byte one
};

// Asks the library's records of the document's fonts: each font made with HPDF_GetFont, the font file
// it draws with and its encoder, and the object number its dictionary is saved under.
EmbeddedTrueType FindEmbeddedTrueType(HPDF_Doc doc);

} // namespace engine
