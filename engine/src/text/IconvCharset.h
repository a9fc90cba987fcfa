#pragma once

#include "text/FontCharset.h"

#include <iconv.h>

namespace engine {

// A byte encoding of the C library's iconv, such as EUC-CN or CP932, one character at a time.
class IconvCharset : public FontCharset
{
public:
    // Keeps ASCII only when iconv does not know the charset.
    explicit IconvCharset(const char* charset);
    ~IconvCharset() override;
    IconvCharset(const IconvCharset&) = delete;
    IconvCharset& operator=(const IconvCharset&) = delete;

    bool append(std::string& out, char32_t character) override;
    std::string toUnicode(std::string_view bytes) override;

    // Whether iconv knows the charset as one to read.
    bool knownToIconv() const;

private:
    iconv_t m_converter; // from UTF-32
    iconv_t m_decoder;   // to UTF-8
};

} // namespace engine
