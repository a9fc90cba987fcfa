#include "InputDecoder.h"

#include "engine/ChoiceLists.h"
#include "platform/TextFile.h"

#include "FontCharset.h"
#include "Utf8.h"

#include <cstdio>
#include <optional>

namespace engine {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeBom = "\xFF\xFE";
constexpr std::string_view Utf16BeBom = "\xFE\xFF";

// The text as Unicode in UTF-8, or nothing when its bytes pass unchanged (they are then left in
// bytes, with the text-mode rules applied).
std::optional<std::string> UnicodeText(std::string& bytes, std::string_view fontEncoding)
{
    std::string_view raw(bytes);
    if (raw.starts_with(Utf16LeBom) || raw.starts_with(Utf16BeBom)) {
        return platform::TextModeFromBytes(Utf16ToUtf8(raw.substr(2), raw.starts_with(Utf16BeBom)));
    }
    bytes = platform::TextModeFromBytes(std::move(bytes));
    std::string_view text(bytes);
    bool bom = text.starts_with(Utf8Bom);
    if (bom) {
        text.remove_prefix(Utf8Bom.size());
    }
    if ((IsValidUtf8(text) && (bom || HasNonAscii(text))) || fontEncoding == Utf8EncodingName) {
        return std::string(text);
    }
    return std::nullopt;
}

std::string Describe(const Utf8Char& c)
{
    char code[16];
    if (!c.valid) {
        std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(c.value));
        return "the byte " + std::string(code) + " (not UTF-8)";
    }
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c.value));
    std::string text = code;
    if (c.value >= 0xA0) {
        text += " \"";
        AppendUtf8(text, c.value);
        text += '"';
    }
    return text;
}

std::string UnmappableWarning(std::size_t count, const Utf8Char& first, std::string_view fontEncoding)
{
    std::string encoding(fontEncoding);
    if (count == 1) {
        return "1 character is not in the encoding " + encoding + " and is drawn as \"?\": " + Describe(first) + ".";
    }
    return std::to_string(count) + " characters are not in the encoding " + encoding
        + " and are drawn as \"?\"; the first is " + Describe(first) + ".";
}

} // namespace

DecodedText DecodeInputBytes(std::string bytes, std::string_view fontEncoding)
{
    DecodedText result;
    auto unicode = UnicodeText(bytes, fontEncoding);
    if (!unicode) {
        result.text = std::move(bytes);
        return result;
    }
    auto charset = FontCharset::For(fontEncoding);
    std::size_t unmappable = 0;
    Utf8Char firstUnmappable;
    result.text.reserve(unicode->size());
    for (std::size_t at = 0; at < unicode->size();) {
        Utf8Char c = ReadUtf8Char(*unicode, at);
        at += c.length;
        if (!c.valid || !charset->append(result.text, c.value)) {
            if (unmappable++ == 0) {
                firstUnmappable = c;
            }
            result.text += '?';
        }
    }
    if (unmappable > 0) {
        result.warning = UnmappableWarning(unmappable, firstUnmappable, fontEncoding);
    }
    return result;
}

} // namespace engine
