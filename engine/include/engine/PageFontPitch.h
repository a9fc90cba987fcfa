#pragma once

#include "engine/ConversionOptions.h"

namespace engine {

// True when the page font of the options gives every character one width (Courier, a fixed-pitch
// Type 1 or TrueType font, the CID fonts without a "P" or that end in "Che"), so that a preview can
// show the text in a monospaced font as the PDF will. Reads the font's metrics file or TrueType file:
// not for a thread that must not wait on a file.
bool PageFontIsMonospaced(const ConversionOptions& options);

} // namespace engine
