#include "DocumentSecurity.h"

#include <algorithm>

namespace engine {
namespace {

bool AnyPermissionWithheld(const ConversionOptions& options)
{
    return options.PermitRead != Yes || options.PermitPrint != Yes || options.PermitCopy != Yes
        || options.PermitModify != Yes;
}

// The flags of the permissions answered "Yes". Reading has no flag: the user password governs it.
HPDF_UINT GrantedPermissions(const ConversionOptions& options)
{
    HPDF_UINT flags = 0;
    if (options.PermitPrint == Yes) {
        flags |= HPDF_ENABLE_PRINT;
    }
    if (options.PermitCopy == Yes) {
        flags |= HPDF_ENABLE_COPY;
    }
    if (options.PermitModify == Yes) {
        flags |= HPDF_ENABLE_EDIT_ALL | HPDF_ENABLE_EDIT;
    }
    return flags;
}

} // namespace

std::optional<std::string> CheckSecurity(const ConversionOptions& options, const std::string& ownerPassword,
                                         const std::string& userPassword)
{
    if (ownerPassword.empty() && AnyPermissionWithheld(options)) {
        return "Permissions need an owner password.";
    }
    if (!ownerPassword.empty() && ownerPassword == userPassword) {
        return "The owner and user passwords must differ.";
    }
    return std::nullopt;
}

int EncryptionKeyBytes(int encryptLevelBits)
{
    if (encryptLevelBits <= 40) {
        return 0;
    }
    return std::clamp(encryptLevelBits / 8, 5, 16);
}

std::optional<std::string> ApplySecurity(HaruDocument& document, const ConversionOptions& options,
                                         const std::string& ownerPassword, const std::string& userPassword)
{
    if (ownerPassword.empty()) {
        if (!userPassword.empty()) {
            return "The user password was not applied: without an owner password the PDF is not encrypted.";
        }
        return std::nullopt;
    }
    HPDF_SetPassword(document.get(), ownerPassword.c_str(), userPassword.c_str());
    if (AnyPermissionWithheld(options)) {
        HPDF_SetPermission(document.get(), GrantedPermissions(options));
    }
    if (int keyBytes = EncryptionKeyBytes(options.EncryptLevel); keyBytes > 0) {
        HPDF_SetEncryptionMode(document.get(), HPDF_ENCRYPT_R3, static_cast<HPDF_UINT>(keyBytes));
    }
    return std::nullopt;
}

} // namespace engine
