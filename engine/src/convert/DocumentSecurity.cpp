#include "convert/DocumentSecurity.h"

#include <algorithm>

namespace engine {
namespace {

bool AnyPermissionWithheld(const ConversionOptions& options)
{
    return options.PermitRead != Yes || options.PermitPrint != Yes || options.PermitCopy != Yes
        || options.PermitModify != Yes;
}

// Bits of the permission word beyond libharu's own flags. Revision 3 readers consult them too, and
// the bits the format reserves must be 1; without them "Yes" would only allow low-quality printing.
constexpr HPDF_UINT ReservedBits = 0xFFFFF0C0u;
constexpr HPDF_UINT FillFormsBit = 1u << 8;
constexpr HPDF_UINT AccessibilityBit = 1u << 9;
constexpr HPDF_UINT AssembleBit = 1u << 10;
constexpr HPDF_UINT HighQualityPrintBit = 1u << 11;

// The flags of the permissions answered "Yes". Reading has no flag: the user password governs it;
// extraction for accessibility is always allowed.
HPDF_UINT GrantedPermissions(const ConversionOptions& options)
{
    HPDF_UINT flags = ReservedBits | AccessibilityBit;
    if (options.PermitPrint == Yes) {
        flags |= HPDF_ENABLE_PRINT | HighQualityPrintBit;
    }
    if (options.PermitCopy == Yes) {
        flags |= HPDF_ENABLE_COPY;
    }
    if (options.PermitModify == Yes) {
        flags |= HPDF_ENABLE_EDIT_ALL | HPDF_ENABLE_EDIT | FillFormsBit | AssembleBit;
    }
    return flags;
}

} // namespace

base::Result<> CheckSecurity(const ConversionOptions& options, const std::string& ownerPassword,
                             const std::string& userPassword)
{
    if (ownerPassword.empty() && AnyPermissionWithheld(options)) {
        return base::Failure { base::FailureKind::Options, "permissions need an owner password" };
    }
    if (!ownerPassword.empty() && ownerPassword == userPassword) {
        return base::Failure { base::FailureKind::Options, "the owner and user passwords must differ" };
    }
    return {};
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
            return "the user password was not applied: without an owner password the PDF is not encrypted";
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
