#pragma once

#include "engine/ConversionOptions.h"

#include "HaruDocument.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// A stored document information text as the Unicode readers should show, in UTF-8: valid UTF-8 as it
// is, any other text as Windows-1252, the code page older settings files were written in. Characters
// above U+FFFF, which the library cannot write there, become U+FFFD and are counted in `beyond`.
std::string InfoTextAsUtf8(std::string_view stored, std::size_t& beyond);

// Sets the author, creator, title, subject and keywords that are not empty, and the producer. Text
// outside ASCII is written as UTF-16 with its byte order mark, which every reader shows as typed.
// Returns a warning when a character had to be replaced.
std::optional<std::string> ApplyDocumentInfo(HaruDocument& document, const ConversionOptions& options);

} // namespace engine
