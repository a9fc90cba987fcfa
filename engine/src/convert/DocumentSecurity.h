#pragma once

#include "base/Result.h"
#include "engine/ConversionOptions.h"

#include "pdf/HaruDocument.h"
#include "pdf/QpdfRewrite.h"

#include <optional>
#include <string>

namespace engine {

// Fails (kind Options) when the passwords and permissions cannot be applied as given.
base::Result<> CheckSecurity(const ConversionOptions& options, const std::string& ownerPassword,
                      const std::string& userPassword);

// The protection asked for that the PDF will not give, as the warning to give before the work:
// a user password without an owner password, or reading withheld without a user password.
std::optional<std::string> SecurityWarning(const ConversionOptions& options, const std::string& ownerPassword,
                                           const std::string& userPassword);

// Protects the document with the owner and user passwords, after CheckSecurity passed, by the
// options' encryption method: RC4 through the PDF library, with the key length of EncryptLevel, or
// AES, which the library lacks, through the step returned, which a rewrite by libqpdf applies to the
// complete document. The permissions answered "No" are withheld alike under each method. Without an
// owner password the PDF is not encrypted, and there is no step, as there is none for RC4.
std::optional<QpdfStep> ApplySecurity(HaruDocument& document, const ConversionOptions& options,
                                      const std::string& ownerPassword, const std::string& userPassword);

} // namespace engine
