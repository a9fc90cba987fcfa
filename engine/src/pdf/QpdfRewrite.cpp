#include "pdf/QpdfRewrite.h"

#include <qpdf/Pl_String.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <new>

namespace engine {

base::Result<std::string> RewriteWithQpdf(
    std::string_view pdf, const std::string& password, const std::vector<QpdfStep>& steps)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("the PDF", pdf.data(), pdf.size(), password.empty() ? nullptr : password.c_str());
        for (const auto& step : steps) {
            if (step.change) {
                step.change(document);
            }
        }
        std::string written;
        // Encryption adds little: an initialisation vector and padding to each stream and string.
        written.reserve(pdf.size() + pdf.size() / 16 + 65536);
        Pl_String output("the rewritten PDF", nullptr, written);
        QPDFWriter writer(document);
        writer.setOutputPipeline(&output);
        // The streams are copied as the PDF library compressed them.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        for (const auto& step : steps) {
            if (step.setUpWriter) {
                step.setUpWriter(writer);
            }
        }
        writer.write();
        return written;
    } catch (const std::bad_alloc&) {
        throw; // the conversion reports its want of memory
    } catch (const std::exception& error) {
        return base::Failure { base::FailureKind::Options,
            std::string("the PDF could not be finished: ") + error.what() };
    }
}

} // namespace engine
