#include "convert/DocumentSecurity.h"

#include "pdf/AesEncryption.h"

#include <algorithm>

namespace engine {
namespace {

bool AnyPermissionWithheld(const ConversionOptions& options)
{
    return options.PermitRead != Yes || options.PermitPrint != Yes || options.PermitCopy != Yes
        || options.PermitModify != Yes;
}

PermissionGrant Granted(const ConversionOptions& options)
{
    return { options.PermitPrint == Yes, options.PermitCopy == Yes, options.PermitModify == Yes };
}

// Bits of the permission word beyond libharu's own flags. Revision 3 readers consult them too, and
// the bits the format reserves must be 1; without them "Yes" would only allow low-quality printing.
constexpr HPDF_UINT ReservedBits = 0xFFFFF0C0u;
constexpr HPDF_UINT FillFormsBit = 1u << 8;
constexpr HPDF_UINT AccessibilityBit = 1u << 9;
constexpr HPDF_UINT AssembleBit = 1u << 10;
constexpr HPDF_UINT HighQualityPrintBit = 1u << 11;

// The permission word of the grant. Reading has no flag: the user password governs it; extraction
// for accessibility is always allowed.
HPDF_UINT PermissionFlags(PermissionGrant grant)
{
    HPDF_UINT flags = ReservedBits | AccessibilityBit;
    if (grant.print) {
        flags |= HPDF_ENABLE_PRINT | HighQualityPrintBit;
    }
    if (grant.copy) {
        flags |= HPDF_ENABLE_COPY;
    }
    if (grant.modify) {
        flags |= HPDF_ENABLE_EDIT_ALL | HPDF_ENABLE_EDIT | FillFormsBit | AssembleBit;
    }
    return flags;
}

// The key length in bytes for revision 3 encryption, or 0 for the library's 40-bit revision 2.
int EncryptionKeyBytes(int encryptLevelBits)
{
    if (encryptLevelBits <= 40) {
        return 0;
    }
    return std::clamp(encryptLevelBits / 8, 5, 16);
}

void ApplyRc4(HaruDocument& document, const ConversionOptions& options, const std::string& ownerPassword,
              const std::string& userPassword)
{
    HPDF_SetPassword(document.get(), ownerPassword.c_str(), userPassword.c_str());
    if (AnyPermissionWithheld(options)) {
        HPDF_SetPermission(document.get(), PermissionFlags(Granted(options)));
    }
    if (int keyBytes = EncryptionKeyBytes(options.EncryptLevel); keyBytes > 0) {
        HPDF_SetEncryptionMode(document.get(), HPDF_ENCRYPT_R3, static_cast<HPDF_UINT>(keyBytes));
    }
}

// Any value but RC4 and AES-128 gives the strongest method.
QpdfStep AesStep(const ConversionOptions& options, const std::string& ownerPassword, const std::string& userPassword)
{
    const AesStrength strength
        = options.EncryptMethod == Aes128Encryption ? AesStrength::Aes128 : AesStrength::Aes256;
    return AesEncryptionStep(strength, ownerPassword, userPassword, Granted(options));
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

std::optional<std::string> SecurityWarning(const ConversionOptions& options, const std::string& ownerPassword,
                                           const std::string& userPassword)
{
    if (ownerPassword.empty() && !userPassword.empty()) {
        return "the user password was not applied: without an owner password the PDF is not encrypted";
    }
    if (!ownerPassword.empty() && userPassword.empty() && options.PermitRead != Yes) {
        return "the read permission was not applied: without a user password the PDF opens for anyone";
    }
    return std::nullopt;
}

std::optional<QpdfStep> ApplySecurity(HaruDocument& document, const ConversionOptions& options,
                                      const std::string& ownerPassword, const std::string& userPassword)
{
    if (ownerPassword.empty()) {
        return std::nullopt;
    }
    if (options.EncryptMethod == Rc4Encryption) {
        ApplyRc4(document, options, ownerPassword, userPassword);
        return std::nullopt;
    }
    return AesStep(options, ownerPassword, userPassword);
}

} // namespace engine
