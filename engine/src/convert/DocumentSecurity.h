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

// What is left of the protection once ApplySecurity has set what the PDF library does itself.
struct AppliedSecurity
{
    // The protection asked for that the PDF does not give, as the warning to give.
    std::optional<std::string> warning;
    // The AES encryption of the complete document, which the PDF library lacks; empty for RC4 or
    // no encryption.
    HaruDocument::Finish finish;
};

// Protects the document with the owner and user passwords, after CheckSecurity passed, by the
// options' encryption method: RC4 through the PDF library, with the key length of EncryptLevel, or
// AES through the finish, which the save applies. The permissions answered "No" are withheld alike
// under each method. Without an owner password the PDF is not encrypted.
AppliedSecurity ApplySecurity(HaruDocument& document, const ConversionOptions& options,
                              const std::string& ownerPassword, const std::string& userPassword);

} // namespace engine
