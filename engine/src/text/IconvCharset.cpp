#include "text/IconvCharset.h"

#include "engine/Utf8.h"

#include <cerrno>

namespace engine {
namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

} // namespace

IconvCharset::IconvCharset(const char* charset)
    : m_converter(iconv_open(charset, "UTF-32LE"))
    , m_decoder(iconv_open("UTF-8", charset))
{
}

IconvCharset::~IconvCharset()
{
    for (iconv_t converter : { m_converter, m_decoder }) {
        if (converter != NoConverter) {
            iconv_close(converter);
        }
    }
}

bool IconvCharset::knownToIconv() const
{
    return m_decoder != NoConverter;
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

std::string IconvCharset::toUnicode(std::string_view bytes)
{
    std::string text;
    if (m_decoder == NoConverter) {
        for (char byte : bytes) {
            auto code = static_cast<unsigned char>(byte);
            AppendUtf8(text, code < 0x80 ? code : ReplacementCharacter);
        }
        return text;
    }
    iconv(m_decoder, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char chunk[256];
    while (inLeft > 0) {
        char* out = chunk;
        std::size_t outLeft = sizeof chunk;
        std::size_t done = iconv(m_decoder, &in, &inLeft, &out, &outLeft);
        text.append(chunk, sizeof chunk - outLeft);
        if (done == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // A byte sequence that stands for no character, or one cut off at the end.
            AppendUtf8(text, ReplacementCharacter);
            ++in;
            --inLeft;
        }
    }
    return text;
}

} // namespace engine
