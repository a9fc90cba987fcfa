#pragma once

#include "engine/ConversionOptions.h"

#include <string>
#include <vector>

namespace engine {

// An input file as the converter lays it out.
struct InputText
{
    bool ok = false;
    std::string text;     // text-mode rules applied (LF line ends), in the encoding below
    std::string encoding; // the page font's encoding that the text is in, e.g. "CP1251" or "GB-EUC-H"
    std::string unicodeText; // the characters the PDF shows for the text, in UTF-8, for display
    std::vector<std::string> warnings; // where the text was cut short; characters the encoding lacks
    std::string error;    // why the file could not be read, when !ok
};

// Reads an input file as the converter reads it with these options. When the options name no
// encoding (an index outside its list), the text is read for the default font, as the converter
// then uses it; a font file that cannot be loaded is not foreseen.
//
// Text in UTF-8 with a non-ASCII character (a leading byte order mark is dropped), and UTF-16 (with
// a byte order mark, or without one when most high bytes of its first 4 KB are NUL) is converted
// into the encoding of the page font, so that the PDF shows the characters of the file; a character
// the encoding lacks becomes "?" and is counted in a warning. Other text passes unchanged: its bytes
// are taken to be in the font's encoding already, as on a system whose code page matches it. The
// text-mode rules then hold: CR LF becomes LF, and a 0x1A or NUL character ends the text, with a
// warning that gives its byte offset and how many bytes are left out.
InputText ReadInputText(const std::string& path, const ConversionOptions& options);

} // namespace engine
