#pragma once

#include "base/Result.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QPDF;
class QPDFWriter;

namespace engine {

// One step of the rewrite of a complete document by libqpdf: a change of its objects, then a setting
// of the writer; either may be empty. Both may throw libqpdf's exceptions.
struct QpdfStep
{
    std::function<void(QPDF&)> change;
    std::function<void(QPDFWriter&)> setUpWriter;
};

// The PDF given, read once by libqpdf (with password when the PDF library encrypted it), changed and
// written again by the steps in turn, in memory. The streams no step replaced are copied as they are,
// compressed and encrypted as before unless a step encrypts anew. Fails (kind Options) when libqpdf
// cannot read or write the document; a want of memory is thrown on.
base::Result<std::string> RewriteWithQpdf(
    std::string_view pdf, const std::string& password, const std::vector<QpdfStep>& steps);

} // namespace engine
