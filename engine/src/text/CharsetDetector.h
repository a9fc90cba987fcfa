#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace engine {

// The encoding of text that is neither UTF-8 nor UTF-16, as iconv names it, when a charset
// detector made for this (uchardet) is confident of it: it names one, and the text has at least
// eight non-ASCII bytes to judge by. ISO-8859-1 is read as CP1252, which it is in practice (CP1252
// keeps Latin-1's letters and adds the euro sign and curly quotes where Latin-1 has control codes).
std::optional<std::string> DetectCharset(std::string_view bytes);

} // namespace engine
