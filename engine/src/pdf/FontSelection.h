#pragma once

#include "engine/ConversionOptions.h"

#include "pdf/HaruDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The page font the options ask for, made known to the document; null when it cannot be had (a
// missing or broken font file, an encoding of another language, an index outside its list). The
// document's recorded error then tells why.
HPDF_Font RequestPageFont(HaruDocument& document, const ConversionOptions& options);

// Why the page font of the options could not be had, after RequestPageFont returned null: the font
// files and the library's reason, or an index outside its list.
std::string PageFontFailure(const ConversionOptions& options, const HaruDocument& document);

// The warning for a CID font whose chosen encoding is of another language and so is replaced (SimSun
// takes only the simplified Chinese EUC encodings, the Korean fonts only the Korean ones).
std::optional<std::string> CmapSubstitutionWarning(const ConversionOptions& options);

// The encoding of the default font, Helvetica requested without an encoding.
inline constexpr std::string_view DefaultFontEncoding = "StandardEncoding";

// The single-byte encoding a font that is not TrueType takes in place of "UTF-8" (the library draws
// UTF-8 only with TrueType fonts): the program's default, which keeps accented letters and signs.
inline constexpr std::string_view Utf8FallbackEncoding = "WinAnsiEncoding";

// The name of the encoding the page font of the options is requested in: the chosen single-byte
// encoding, or the CMap that the CID font's rule picks; Utf8FallbackEncoding in place of "UTF-8" for
// a font that is not TrueType. Empty when an
// index lies outside its list: no font can then be had, and the default font is used.
std::string PageFontEncoding(const ConversionOptions& options);

// True when the options ask for "UTF-8" with a standard or Type 1 font, which then gets
// "StandardEncoding".
bool NeedsUtf8Fallback(const ConversionOptions& options);

// The TrueType font file of the options, without the blanks a path may end with by mistake.
std::string TrueTypeFontPath(const ConversionOptions& options);

// Helvetica in the library's default encoding, after clearing the refusal of the requested font.
HPDF_Font RequestDefaultFont(HaruDocument& document);

} // namespace engine
