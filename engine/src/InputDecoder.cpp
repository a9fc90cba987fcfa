#include "InputDecoder.h"

#include "engine/ChoiceLists.h"
#include "platform/TextFile.h"

#include "FontCharset.h"
#include "engine/Utf8.h"

#include <algorithm>

namespace engine {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeBom = "\xFF\xFE";
constexpr std::string_view Utf16BeBom = "\xFE\xFF";

// How the bytes of a file hold its characters.
struct InputForm
{
    enum Kind { Bytes, Utf16Le, Utf16Be } kind = Bytes;
    std::size_t start = 0; // where the text starts: after a UTF-16 byte order mark
};

// UTF-16 without a byte order mark: in the first 4 KB, most high bytes NUL and few low bytes.
std::optional<InputForm::Kind> GuessUtf16(std::string_view bytes)
{
    constexpr std::size_t Sample = 4096;
    const std::size_t units = std::min(bytes.size(), Sample) / 2;
    std::size_t evenNuls = 0;
    std::size_t oddNuls = 0;
    for (std::size_t unit = 0; unit < units; ++unit) {
        evenNuls += bytes[2 * unit] == '\0';
        oddNuls += bytes[2 * unit + 1] == '\0';
    }
    auto most = [units](std::size_t nuls) { return nuls * 2 > units; };
    auto few = [units](std::size_t nuls) { return nuls * 10 < units; };
    if (most(oddNuls) && few(evenNuls)) {
        return InputForm::Utf16Le;
    }
    if (most(evenNuls) && few(oddNuls)) {
        return InputForm::Utf16Be;
    }
    return std::nullopt;
}

InputForm DetectForm(std::string_view bytes)
{
    if (bytes.starts_with(Utf16LeBom)) {
        return { InputForm::Utf16Le, 2 };
    }
    if (bytes.starts_with(Utf16BeBom)) {
        return { InputForm::Utf16Be, 2 };
    }
    if (auto guessed = GuessUtf16(bytes)) {
        return { *guessed, 0 };
    }
    return {};
}

char32_t Utf16UnitAt(std::string_view bytes, std::size_t at, InputForm::Kind kind)
{
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return kind == InputForm::Utf16Be ? (first << 8) | second : (second << 8) | first;
}

bool EndsText(char32_t character)
{
    return character == 0 || character == 0x1A;
}

// The byte offset of the NUL or Ctrl+Z character that ends the text, if any.
std::optional<std::size_t> TextEnd(std::string_view bytes, const InputForm& form)
{
    if (form.kind == InputForm::Bytes) {
        auto end = bytes.find_first_of(std::string_view("\0\x1A", 2));
        return end == std::string_view::npos ? std::nullopt : std::optional(end);
    }
    for (std::size_t at = form.start; at + 1 < bytes.size(); at += 2) {
        if (EndsText(Utf16UnitAt(bytes, at, form.kind))) {
            return at;
        }
    }
    return std::nullopt;
}

std::string CutWarning(char32_t character, bool utf16, std::size_t offset, std::uint64_t fileSize)
{
    const std::uint64_t leftOut = fileSize - offset;
    return std::string("The text ends at the ") + (character == 0 ? "NUL" : "Ctrl+Z (0x1A)")
        + (utf16 ? " character" : " byte") + " at byte offset " + std::to_string(offset) + ": the "
        + std::to_string(leftOut) + (leftOut == 1 ? " byte" : " bytes")
        + " from there to the end of the file are left out.";
}

// The text as Unicode in UTF-8, or nothing when its bytes pass unchanged (they are then left in
// bytes, with the text-mode rules applied).
std::optional<std::string> UnicodeText(std::string& bytes, const InputForm& form, std::string_view fontEncoding)
{
    if (form.kind != InputForm::Bytes) {
        std::string_view units = std::string_view(bytes).substr(form.start);
        return platform::TextModeFromBytes(Utf16ToUtf8(units, form.kind == InputForm::Utf16Be));
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

std::string UnmappableWarning(std::size_t count, const Utf8Char& first, std::string_view fontEncoding)
{
    std::string encoding(fontEncoding);
    if (count == 1) {
        return "1 character is not in the encoding " + encoding + " and is drawn as \"?\": " + DescribeCharacter(first) + ".";
    }
    return std::to_string(count) + " characters are not in the encoding " + encoding
        + " and are drawn as \"?\"; the first is " + DescribeCharacter(first) + ".";
}

} // namespace

std::size_t PrefixEnd(std::string_view bytes, std::size_t limit)
{
    if (bytes.size() <= limit) {
        return bytes.size();
    }
    const InputForm form = DetectForm(bytes);
    if (form.kind != InputForm::Bytes) {
        std::size_t end = limit - (limit - std::min(limit, form.start)) % 2;
        if (end >= form.start + 2) {
            char32_t last = Utf16UnitAt(bytes, end - 2, form.kind);
            end -= last >= 0xD800 && last <= 0xDBFF ? 2 : 0; // its pair does not fit
        }
        return end;
    }
    // A UTF-8 sequence that the limit splits starts at most three bytes before it.
    for (std::size_t lead = limit; lead > 0 && limit - lead < 3;) {
        --lead;
        if ((static_cast<unsigned char>(bytes[lead]) & 0xC0) != 0x80) {
            Utf8Char c = ReadUtf8Char(bytes, lead);
            return c.valid && lead + c.length > limit ? lead : limit;
        }
    }
    return limit;
}

DecodedText DecodeInputBytes(std::string bytes, std::string_view fontEncoding, std::optional<std::uint64_t> fileSize)
{
    DecodedText result;
    const InputForm form = DetectForm(bytes);
    const std::uint64_t size = std::max<std::uint64_t>(fileSize.value_or(0), bytes.size());
    if (auto end = TextEnd(bytes, form)) {
        const bool utf16 = form.kind != InputForm::Bytes;
        const char32_t character = utf16 ? Utf16UnitAt(bytes, *end, form.kind) : bytes[*end];
        const bool endOfFileMark = character == 0x1A && *end + (utf16 ? 2 : 1) == size;
        if (!endOfFileMark) {
            result.warnings.push_back(CutWarning(character, utf16, *end, size));
        }
        bytes.resize(*end);
    } else {
        result.cutShort = size > bytes.size();
    }

    auto unicode = UnicodeText(bytes, form, fontEncoding);
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
        result.warnings.push_back(UnmappableWarning(unmappable, firstUnmappable, fontEncoding));
    }
    return result;
}

} // namespace engine
