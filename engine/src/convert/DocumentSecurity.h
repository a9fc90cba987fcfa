#pragma once

#include "base/Result.h"
#include "engine/ConversionOptions.h"

#include "pdf/HaruDocument.h"

#include <optional>
#include <string>

namespace engine {

// Fails (kind Options) when the passwords and permissions cannot be applied as given.
base::Result<> CheckSecurity(const ConversionOptions& options, const std::string& ownerPassword,
                      const std::string& userPassword);

// Sets passwords, permissions and the encryption key length on the document, after CheckSecurity
// passed. A user password without an owner password is not applied; the return value then holds the
// warning to give.
std::optional<std::string> ApplySecurity(HaruDocument& document, const ConversionOptions& options,
                                         const std::string& ownerPassword, const std::string& userPassword);

// The key length in bytes for revision 3 encryption, or 0 for the library's 40-bit revision 2.
int EncryptionKeyBytes(int encryptLevelBits);

} // namespace engine
