#pragma once

#include "text/FontCharset.h"

#include <array>
#include <string_view>
#include <unordered_map>

namespace engine {

// A single-byte encoding of the PDF library, reversed: each character that one of its codes
// stands for goes to that code (the lowest such code). ASCII characters keep their own bytes, as
// they do in a file that is passed on unchanged.
class SingleByteCharset : public FontCharset
{
public:
    // Empty (ASCII only) when the library does not know the encoding.
    explicit SingleByteCharset(std::string_view encodingName);

    bool append(std::string& out, char32_t character) override;
    std::string toUnicode(std::string_view bytes) override;

private:
    std::unordered_map<char32_t, unsigned char> m_codes;
    std::array<char32_t, 256> m_characters {}; // what each code stands for; control codes for themselves
};

} // namespace engine
