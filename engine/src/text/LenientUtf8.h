#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace engine {

// UTF-8 text with a few bytes that are not UTF-8, such as one Latin-1 name pasted into a UTF-8
// changelog.
struct LenientUtf8
{
    std::string text; // in UTF-8, each stray byte read as the CP1252 character it stands for
    std::size_t strayBytes = 0; // how many bytes were not UTF-8
    std::string warning; // names the count and the first stray byte with its offset
};

// Reads bytes that are UTF-8 but for a few stray bytes: the bytes hold a valid non-ASCII UTF-8
// character, and no more stray bytes than such characters. Nothing for any other bytes, valid UTF-8
// included.
std::optional<LenientUtf8> ReadLenientUtf8(std::string_view bytes);

} // namespace engine
