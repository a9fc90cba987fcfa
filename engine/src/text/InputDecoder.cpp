#include "text/InputDecoder.h"

#include "engine/ChoiceLists.h"
#include "engine/Utf8.h"
#include "platform/TextFile.h"

#include "text/CharsetDetector.h"
#include "text/FontEncodingWriter.h"
#include "text/IconvCharset.h"
#include "text/InputEncoding.h"
#include "text/InputForm.h"
#include "text/LenientUtf8.h"
#include "text/Overstrike.h"

#include <algorithm>

namespace engine {
namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// How much of a text the charset detector reads.
constexpr std::size_t DetectorSample = std::size_t { 1 } << 20;

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
    return std::string("the text ends at the ") + (character == 0 ? "NUL" : "Ctrl+Z (0x1A)")
        + (utf16 ? " character" : " byte") + " at byte offset " + std::to_string(offset) + ": the "
        + std::to_string(leftOut) + (leftOut == 1 ? " byte" : " bytes")
        + " from there to the end of the file are left out";
}

// Bytes read with the Auto input encoding as Unicode in UTF-8, or nothing when they pass unchanged.
std::optional<std::string> AutoUnicode(std::string_view text, bool bom, bool fontUtf8,
                                       std::vector<std::string>& warnings)
{
    if (IsValidUtf8(text)) {
        return bom || fontUtf8 || HasNonAscii(text) ? std::optional(std::string(text)) : std::nullopt;
    }
    if (auto lenient = ReadLenientUtf8(text)) {
        warnings.push_back(std::move(lenient->warning));
        return std::move(lenient->text);
    }
    if (!bom) {
        if (auto charset = DetectCharset(text.substr(0, DetectorSample))) {
            return IconvCharset(charset->c_str()).toUnicode(text);
        }
    }
    return bom || fontUtf8 ? std::optional(std::string(text)) : std::nullopt;
}

// The text as Unicode in UTF-8, or nothing when its bytes pass unchanged (they are then left in
// bytes, with the text-mode rules applied). A warning tells of bytes that a UTF-8 text holds but are
// not UTF-8.
std::optional<std::string> UnicodeText(std::string& bytes, const InputForm& form, std::string_view fontEncoding,
                                       std::string_view inputEncoding, std::vector<std::string>& warnings)
{
    using platform::TextModeFromBytes;
    if (form.kind != InputForm::Bytes) {
        std::string_view units = std::string_view(bytes).substr(form.start);
        return TextModeFromBytes(Utf16ToUtf8(units, form.kind == InputForm::Utf16Be));
    }
    std::string_view text(bytes);
    const bool named = !IsAutoInputEncoding(inputEncoding);
    if (named && !IsUtf8Name(inputEncoding)) {
        return TextModeFromBytes(IconvCharset(std::string(inputEncoding).c_str()).toUnicode(text));
    }
    const bool bom = text.starts_with(Utf8Bom);
    if (bom) {
        text.remove_prefix(Utf8Bom.size());
    }
    if (named) {
        return TextModeFromBytes(std::string(text));
    }
    if (auto unicode = AutoUnicode(text, bom, fontEncoding == Utf8EncodingName, warnings)) {
        return TextModeFromBytes(std::move(*unicode));
    }
    bytes = TextModeFromBytes(std::move(bytes));
    return std::nullopt;
}

} // namespace

std::size_t PrefixEnd(std::string_view bytes, std::size_t limit, std::string_view inputEncoding)
{
    if (bytes.size() <= limit) {
        return bytes.size();
    }
    const InputForm form = DetectForm(bytes, inputEncoding);
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

DecodedText DecodeInputBytes(std::string bytes, std::string_view fontEncoding, std::string_view inputEncoding,
                             std::optional<std::uint64_t> fileSize, FallbackChooser* fallback)
{
    DecodedText result;
    const InputForm form = DetectForm(bytes, inputEncoding);
    if (form.kind == InputForm::Bytes && IsNotText(bytes)) {
        result.notText = true;
        return result;
    }
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

    auto unicode = UnicodeText(bytes, form, fontEncoding, inputEncoding, result.warnings);
    if (!unicode) {
        result.text = RemoveOverstrikes(std::move(bytes), false);
        return result;
    }
    auto encoded = WriteInFontEncoding(RemoveOverstrikes(std::move(*unicode), true), fontEncoding, fallback);
    result.text = std::move(encoded.text);
    if (encoded.warning) {
        result.warnings.push_back(std::move(*encoded.warning));
    }
    return result;
}

} // namespace engine
