#include "IconvCharset.h"

namespace engine {
namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

} // namespace

IconvCharset::IconvCharset(const char* charset)
    : m_converter(iconv_open(charset, "UTF-32LE"))
{
}

IconvCharset::~IconvCharset()
{
    if (m_converter != NoConverter) {
        iconv_close(m_converter);
    }
}

bool IconvCharset::append(std::string& out, char32_t character)
{
    if (m_converter == NoConverter) {
        if (character >= 0x80) {
            return false;
        }
        out += static_cast<char>(character);
        return true;
    }
    char in[4] = { static_cast<char>(character & 0xFF), static_cast<char>((character >> 8) & 0xFF),
                   static_cast<char>((character >> 16) & 0xFF), static_cast<char>(character >> 24) };
    char converted[16];
    char* inPointer = in;
    std::size_t inLeft = sizeof in;
    char* outPointer = converted;
    std::size_t outLeft = sizeof converted;
    iconv(m_converter, nullptr, nullptr, nullptr, nullptr); // start from the initial shift state
    if (iconv(m_converter, &inPointer, &inLeft, &outPointer, &outLeft) == static_cast<std::size_t>(-1)) {
        return false;
    }
    out.append(converted, sizeof converted - outLeft);
    return true;
}

} // namespace engine
