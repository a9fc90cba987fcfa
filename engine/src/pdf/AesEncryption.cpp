#include "pdf/AesEncryption.h"

#include <qpdf/Pl_String.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <new>

namespace engine {

base::Result<std::string> EncryptWithAes(std::string_view pdf, AesStrength strength, const std::string& ownerPassword,
                                         const std::string& userPassword, PermissionGrant grant)
{
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("the PDF", pdf.data(), pdf.size());
        std::string encrypted;
        // Encryption adds little: an initialisation vector and padding to each stream and string.
        encrypted.reserve(pdf.size() + pdf.size() / 16 + 65536);
        Pl_String output("the encrypted PDF", nullptr, encrypted);
        QPDFWriter writer(document);
        writer.setOutputPipeline(&output);
        // The streams are copied as the PDF library compressed them, only encrypted.
        writer.setDecodeLevel(qpdf_dl_none);
        writer.setCompressStreams(false);
        const qpdf_r3_print_e print = grant.print ? qpdf_r3p_full : qpdf_r3p_none;
        const bool accessibility = true;
        const bool encryptMetadata = true;
        if (strength == AesStrength::Aes256) {
            writer.setR6EncryptionParameters(userPassword.c_str(), ownerPassword.c_str(), accessibility, grant.copy,
                                             grant.modify, grant.modify, grant.modify, grant.modify, print,
                                             encryptMetadata);
        } else {
            writer.setR4EncryptionParametersInsecure(userPassword.c_str(), ownerPassword.c_str(), accessibility,
                                                     grant.copy, grant.modify, grant.modify, grant.modify,
                                                     grant.modify, print, encryptMetadata, true);
        }
        writer.write();
        return encrypted;
    } catch (const std::bad_alloc&) {
        throw; // the conversion reports its want of memory
    } catch (const std::exception& error) {
        return base::Failure { base::FailureKind::Options,
                               std::string("the PDF could not be encrypted: ") + error.what() };
    }
}

} // namespace engine
