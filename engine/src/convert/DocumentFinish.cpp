#include "convert/DocumentFinish.h"

#include "convert/DocumentSecurity.h"
#include "pdf/EmbeddedTrueType.h"
#include "pdf/FontSubsetting.h"
#include "pdf/QpdfRewrite.h"

#include <vector>

namespace engine {

HaruDocument::Finish PrepareFinish(HaruDocument& document, const ConversionOptions& options,
    const std::string& ownerPassword, const std::string& userPassword)
{
    std::vector<QpdfStep> steps;
    if (EmbeddedTrueType fonts = FindEmbeddedTrueType(document.get()); fonts.any) {
        steps.push_back(
            { [singleByte = std::move(fonts.singleByte)](QPDF& pdf) { SubsetEmbeddedFonts(pdf, singleByte); }, {} });
    }
    if (auto encryption = ApplySecurity(document, options, ownerPassword, userPassword)) {
        steps.push_back(std::move(*encryption));
    }
    if (steps.empty()) {
        return {};
    }
    // The owner password opens what the library encrypted with RC4.
    return [steps = std::move(steps), ownerPassword](
               std::string_view pdf) { return RewriteWithQpdf(pdf, ownerPassword, steps); };
}

} // namespace engine
