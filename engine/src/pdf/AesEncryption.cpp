#include "pdf/AesEncryption.h"

#include <qpdf/QPDFWriter.hh>

namespace engine {

QpdfStep AesEncryptionStep(
    AesStrength strength, const std::string& ownerPassword, const std::string& userPassword, PermissionGrant grant)
{
    return { {}, [=](QPDFWriter& writer) {
                const qpdf_r3_print_e print = grant.print ? qpdf_r3p_full : qpdf_r3p_none;
                const bool accessibility = true;
                const bool encryptMetadata = true;
                if (strength == AesStrength::Aes256) {
                    writer.setR6EncryptionParameters(userPassword.c_str(), ownerPassword.c_str(), accessibility,
                        grant.copy, grant.modify, grant.modify, grant.modify, grant.modify, print, encryptMetadata);
                } else {
                    writer.setR4EncryptionParametersInsecure(userPassword.c_str(), ownerPassword.c_str(), accessibility,
                        grant.copy, grant.modify, grant.modify, grant.modify, grant.modify, print, encryptMetadata,
                        true);
                }
            } };
}

} // namespace engine
