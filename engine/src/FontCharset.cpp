#include "FontCharset.h"

#include "engine/ChoiceLists.h"

#include "IconvCharset.h"
#include "SingleByteCharset.h"
#include "engine/Utf8.h"

#include <array>
#include <utility>

namespace engine {
namespace {

// The library's UTF-8 encoder holds a character in 16 bits, so it draws the Basic Multilingual Plane
// only; a character beyond would come out as another one.
class Utf8Charset : public FontCharset
{
public:
    bool append(std::string& out, char32_t character) override
    {
        if (character > 0xFFFF) {
            return false;
        }
        AppendUtf8(out, character);
        return true;
    }
    std::string toUnicode(std::string_view bytes) override
    {
        std::string text;
        for (std::size_t at = 0; at < bytes.size();) {
            Utf8Char c = ReadUtf8Char(bytes, at);
            AppendUtf8(text, c.valid ? c.value : ReplacementCharacter);
            at += c.length;
        }
        return text;
    }
};

// The byte encoding each family of CMaps is defined on, by the front of the CMap's name.
constexpr std::array<std::pair<std::string_view, const char*>, 8> CMapCharsets = { {
    { "GB-EUC-", "EUC-CN" },
    { "GBK-EUC-", "GBK" },
    { "ETen-B5-", "BIG5" },
    { "90ms-RKSJ-", "CP932" },
    { "90msp-RKSJ-", "CP932" },
    { "EUC-", "EUC-JP" },
    { "KSC-EUC-", "EUC-KR" },
    { "KSCms-UHC-", "CP949" },
} };

const char* CMapCharset(std::string_view cmap)
{
    for (const auto& [prefix, charset] : CMapCharsets) {
        if (cmap.starts_with(prefix)) {
            return charset;
        }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<FontCharset> FontCharset::For(std::string_view fontEncoding)
{
    if (fontEncoding == Utf8EncodingName) {
        return std::make_unique<Utf8Charset>();
    }
    if (const char* charset = CMapCharset(fontEncoding)) {
        return std::make_unique<IconvCharset>(charset);
    }
    return std::make_unique<SingleByteCharset>(fontEncoding);
}

} // namespace engine
