#pragma once

#include "engine/ConversionObserver.h"
#include "engine/ConversionOptions.h"
#include "engine/FileResult.h"

#include <stop_token>
#include <string>

namespace engine {

// The warnings a conversion can raise, besides the count of characters the font's encoding lacks.
// The first two are the texts the desktop program has always shown (9 is DefaultFontSize); every
// other message is a lower-case phrase without a full stop (base/Result.h).
inline constexpr const char* DefaultFontWarning = "Can not find right font, use default font.";
inline constexpr const char* DefaultFontSizeWarning = "Font size can not be 0. Set default 9.";
inline constexpr const char* Utf8FallbackWarning =
    "the UTF-8 encoding needs a TrueType font; WinAnsiEncoding is used";

// The reason of a file whose conversion ran out of memory, in the PDF library or outside it.
inline constexpr const char* NotEnoughMemoryError = "not enough memory to convert this file";

// The PDF beside an input: same folder and name, the last extension replaced by ".pdf" (appended
// when there is none). The path is taken as it is: quotes are part of a file name here.
std::string OutputPathFor(const std::string& inputPath);

// Converts one plain-text file into the PDF at OutputPathFor(inputPath), laid out with the options.
//
// The text is read as ReadInputText (TextDecoding.h) reads it, for the font actually used: text
// in UTF-8 or UTF-16 is converted into the font's encoding, other text passes as it is. Tabs become
// blanks up to the next stop every TabWidth columns (TabExpansion.h). The text is set flush left in
// one font at one size, broken into lines at spaces (or inside a word too wide for a line) and into
// columns and pages at the bottom margin, or at a form feed; no text is dropped. Line numbers, a
// header and a footer are drawn as the options ask. An owner password encrypts the PDF by the options'
// EncryptMethod (AES-256 unless chosen otherwise), with the user password for opening it, and the
// permissions answered "No" are withheld; withholding reading needs a user password, and its lack is
// warned of. An AES-encrypted PDF is encrypted in memory: no unencrypted copy reaches the disk.
//
// The new PDF is written under a temporary name in the output folder and renamed over any older PDF
// only once complete: when the conversion fails, an older PDF stays as it was and no temporary file
// is left. Failures (an unreadable input, options the library cannot honour, a write that fails)
// come back in the result's outcome with their kind and reason; a text too large for the memory left
// fails with NotEnoughMemoryError. Warnings go to the observer as they arise and are also listed in the result.
// No exception leaves this function.
//
// A stop requested through abandon gives the conversion up at the next page (or before the save):
// nothing is written, and the result fails with the kind Abandoned. Once the PDF library has
// begun to assemble the finished document, that step runs to its end before the request is seen.
FileResult ConvertTextFile(const ConversionOptions& options, const std::string& inputPath,
                           const std::string& ownerPassword, const std::string& userPassword,
                           ConversionObserver& observer, std::stop_token abandon = {});

// The result of an input that yields no PDF, for the failure given: a file refused before it is
// converted.
FileResult FailedFile(const std::string& inputPath, base::Failure failure);

} // namespace engine
