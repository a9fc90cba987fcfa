#pragma once

#include "engine/ConversionOptions.h"

#include "HaruDocument.h"

namespace engine {

// The page font the options ask for, made known to the document; null when it cannot be had (a
// missing or broken font file, an encoding of another language, an index outside its list). The
// document's recorded error then tells why.
HPDF_Font RequestPageFont(HaruDocument& document, const ConversionOptions& options);

// Helvetica in the library's default encoding, after clearing the refusal of the requested font.
HPDF_Font RequestDefaultFont(HaruDocument& document);

} // namespace engine
