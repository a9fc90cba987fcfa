#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace engine {

// Writes Unicode characters as the bytes that a PDF font's encoding draws them with.
class FontCharset
{
public:
    virtual ~FontCharset() = default;

    // Appends the bytes of one character; false, appending nothing, when the encoding lacks it.
    virtual bool append(std::string& out, char32_t character) = 0;
    // The characters that bytes in the encoding stand for, in UTF-8; a byte sequence that stands for
    // none gives U+FFFD.
    virtual std::string toUnicode(std::string_view bytes) = 0;

    // The charset behind a font encoding the PDF library knows: a single-byte encoding (through the
    // library's own code-to-Unicode table), a CMap (through the byte encoding it is defined on), or
    // "UTF-8". An encoding the library does not know keeps ASCII only.
    static std::unique_ptr<FontCharset> For(std::string_view fontEncoding);
};

} // namespace engine
