#pragma once

#include <qpdf/QPDFObjGen.hh>

#include <cstdint>
#include <map>
#include <set>

class QPDF;

namespace engine {

// The codes each font shows on the pages of a document, by the object of its font dictionary: read
// from the text operators of the pages' content streams, two bytes a code for a Type0 font and one
// byte for any other.
using DrawnCodes = std::map<QPDFObjGen, std::set<std::uint32_t>>;

DrawnCodes CollectDrawnCodes(QPDF& pdf);

} // namespace engine
