#include "text/Transliterator.h"

namespace engine {

std::optional<std::string> Transliterator::standIn(char32_t character)
{
    std::string standIn;
    // iconv writes "?" for a character it has no stand-in for.
    if (!m_ascii.append(standIn, character) || standIn.empty() || standIn == "?") {
        return std::nullopt;
    }
    return standIn;
}

} // namespace engine
