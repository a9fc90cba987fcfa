#pragma once

#include "base/Result.h"
#include "engine/ConversionOptions.h"

#include <cstddef>
#include <string>
#include <vector>

namespace engine {

// An input file as the converter lays it out.
struct InputText
{
    // text-mode rules applied (LF line ends), in the encoding below; with fallback fonts, a character
    // the encoding lacks is escaped for them behind a NUL
    std::string text;
    std::string encoding; // the page font's encoding that the text is in, e.g. "CP1251" or "GB-EUC-H"
    std::string unicodeText; // the characters the PDF shows for the text, in UTF-8, for display
    std::vector<std::string> warnings; // where the text was cut short; characters the encoding lacks
    bool cut = false;     // ReadInputTextPrefix only: the file goes on past the text read
};

// Reads an input file as the converter reads it with these options; a file that cannot be read fails
// with the reason, of the kind Input. When the options name no encoding (an index outside its list),
// the text is read for the default font, as the converter then uses it; a font file that cannot be
// loaded is not foreseen.
//
// Text in UTF-8 with a non-ASCII character (a leading byte order mark is dropped), and UTF-16 (with
// a byte order mark, or without one when most high bytes of its first 4 KB are NUL) is converted
// into the encoding of the page font, so that the PDF shows the characters of the file; a character
// the encoding lacks is drawn by an installed font that has it (FallbackFonts), else becomes a near
// equivalent or "?" and is counted in a warning. Other text passes unchanged: its bytes
// are taken to be in the font's encoding already, as on a system whose code page matches it. The
// text-mode rules then hold: CR LF becomes LF, and a 0x1A or NUL character ends the text, with a
// warning that gives its byte offset and how many bytes are left out.
base::Result<InputText> ReadInputText(const std::string& path, const ConversionOptions& options);

// How much of a file a preview reads: 4 MB.
inline constexpr std::size_t PreviewBytes = std::size_t { 4 } << 20;

// The front of an input file, for a preview that must not wait for a whole large file: at most
// maxBytes are read, and the text ends at the start of the character that does not fit whole. The
// bytes read are decoded as ReadInputText decodes a whole file (the same tests for UTF-16 and UTF-8,
// made on the bytes read), so the text looks as its PDF will; `cut` says that the file goes on past
// them (false when the text ended before, at a NUL or Ctrl+Z). A file that is missing, cannot be read
// or is no regular file fails at once, as ReadInputText does. Tabs are left as they are
// (ExpandTabs, TabExpansion.h, expands them as the converter does). Safe on any thread: each call has
// its own decoders.
base::Result<InputText> ReadInputTextPrefix(const std::string& path, const ConversionOptions& options,
                                            std::size_t maxBytes = PreviewBytes);

} // namespace engine
