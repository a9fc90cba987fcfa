#pragma once

#include "engine/ConversionOptions.h"

#include "pdf/HaruDocument.h"

#include <string>

namespace engine {

// Prepares the last steps of a laid-out document and returns the finish its save applies: the
// protection of ApplySecurity, and the subsetting of the TrueType fonts it embeds. Both are done by
// one rewrite with libqpdf, which reads the document once; a document that embeds no TrueType font
// and needs no AES encryption gets no finish and is saved as the PDF library writes it.
HaruDocument::Finish PrepareFinish(HaruDocument& document, const ConversionOptions& options,
    const std::string& ownerPassword, const std::string& userPassword);

} // namespace engine
