#pragma once

#include "engine/ConversionJob.h"
#include "engine/ConversionObserver.h"
#include "engine/ConversionOptions.h"
#include "engine/FileResult.h"

#include <memory>
#include <stop_token>
#include <string>

namespace engine {

// The warnings a conversion can raise, besides the count of characters the font's encoding lacks.
// The first two are the texts the desktop program has always shown (9 is DefaultFontSize); every
// other message is a lower-case phrase without a full stop (base/Result.h).
// The default-font warning is followed by the reason the page font could not be had, in parentheses.
inline constexpr const char* DefaultFontWarning = "Can not find right font, use default font.";
inline constexpr const char* DefaultFontSizeWarning = "Font size can not be 0. Set default 9.";
inline constexpr const char* Utf8FallbackWarning =
    "the UTF-8 encoding needs a TrueType font; WinAnsiEncoding is used";

// The reason of a file whose conversion ran out of memory, in the PDF library or outside it.
inline constexpr const char* NotEnoughMemoryError = "not enough memory to convert this file";

// The PDF beside an input: same folder and name, the last extension replaced by ".pdf" (appended
// when there is none). The path is taken as it is: quotes are part of a file name here.
std::string OutputPathFor(const std::string& inputPath);

// Where a job's PDF goes: the job's own output path; otherwise below the options' OutputFolder at the
// job's relative path (its file name when it has none), the extension replaced as OutputPathFor
// does; otherwise beside the input.
std::string OutputPathOf(const ConversionOptions& options, const ConversionJob& job);

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

// Converts one job into the PDF at OutputPathOf(options, job), as above; the folders below an output
// folder are made as needed. Standard input is read to its end.
FileResult ConvertJob(const ConversionOptions& options, const ConversionJob& job, ConversionObserver& observer,
                      std::stop_token abandon = {});

// Many texts in one PDF, in the order they are added, each laid out as ConvertTextFile lays out one
// from a new page on. Each file has an outline entry that leads to its first page, named by its
// relative path (its file name when it has none), and page labels that count its pages from 1. The
// outline is shown when the PDF opens unless the options choose another open mode. Document
// information and protection (with the passwords given) apply to the whole document.
//
// A file that fails before its first page (its text cannot be read) is left out. A failure of the PDF
// library on the way leaves the document unusable: that file and every later one fail, and so does
// the save. The document is written only by save(), as safely as ConvertTextFile writes.
class CombinedDocument
{
public:
    CombinedDocument(const ConversionOptions& options, std::string outputPath, const std::string& ownerPassword,
                     const std::string& userPassword, ConversionObserver& observer, std::stop_token abandon = {});
    ~CombinedDocument();
    CombinedDocument(const CombinedDocument&) = delete;
    CombinedDocument& operator=(const CombinedDocument&) = delete;

    // Lays out the job's text after the files before; the result's output path is the combined PDF.
    FileResult add(const ConversionJob& job);
    // Completes the document with the files added and writes it; refused when none was added.
    base::Result<> save();

private:
    struct Parts;
    std::unique_ptr<Parts> m_parts;
};

// The result of an input that yields no PDF, for the failure given: a file refused before it is
// converted.
FileResult FailedFile(const std::string& inputPath, base::Failure failure);

} // namespace engine
