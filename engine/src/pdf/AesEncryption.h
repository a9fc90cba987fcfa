#pragma once

#include "pdf/QpdfRewrite.h"

#include <string>

namespace engine {

// What a reader who opened a PDF with the user password may do besides reading it.
struct PermissionGrant
{
    bool print = true; // at full quality
    bool copy = true; // text and graphics
    bool modify = true; // contents, annotations, forms and the assembly of pages
};

enum class AesStrength
{
    Aes128,
    Aes256
};

// The step of a rewrite by libqpdf that encrypts the document with AES: revision 6 with a 256-bit key,
// or revision 4 with a 128-bit key, for streams and strings alike. The streams keep their
// compression; the document information is encrypted like every other string, so either password
// reads it. Extraction for accessibility is always allowed.
QpdfStep AesEncryptionStep(
    AesStrength strength, const std::string& ownerPassword, const std::string& userPassword, PermissionGrant grant);

} // namespace engine
