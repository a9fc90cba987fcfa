#pragma once

#include "text/IconvCharset.h"

#include <optional>
#include <string>

namespace engine {

// The plain ASCII stand-in that the C library's iconv offers for a character ("//TRANSLIT"): "-" for
// the hyphen U+2010 and the minus sign U+2212, a blank for a no-break space, '"' for curly quotes.
class Transliterator
{
public:
    // Nothing when iconv knows no stand-in for the character.
    std::optional<std::string> standIn(char32_t character);

private:
    IconvCharset m_ascii { "ASCII//TRANSLIT" };
};

} // namespace engine
