#include "text/InputForm.h"

#include "text/InputEncoding.h"

#include <algorithm>
#include <optional>

namespace engine {
namespace {

constexpr std::string_view Utf16LeBom = "\xFF\xFE";
constexpr std::string_view Utf16BeBom = "\xFE\xFF";

bool IsTextControl(char32_t code)
{
    return (code >= 0x08 && code <= 0x0F) || code == 0x1B;
}

bool IsPrintableAscii(unsigned char byte)
{
    return byte >= 0x20 && byte < 0x7F;
}

// Whether the units of a sample read in this byte order are text characters, up to the first NUL.
bool ReadsAsUtf16Text(std::string_view sample, InputForm::Kind kind)
{
    std::size_t units = 0;
    std::size_t asciiPairs = 0;
    bool awaitsLowSurrogate = false;
    for (std::size_t at = 0; at + 1 < sample.size(); at += 2, ++units) {
        const char32_t unit = Utf16UnitAt(sample, at, kind);
        const bool lowSurrogate = unit >= 0xDC00 && unit <= 0xDFFF;
        if (unit == 0 || awaitsLowSurrogate != lowSurrogate) {
            if (unit == 0 && !awaitsLowSurrogate) {
                break;
            }
            return false;
        }
        awaitsLowSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
        const bool control = (unit < 0x20 && !IsTextControl(unit) && unit != 0x1A) || (unit >= 0x7F && unit < 0xA0);
        if (control || unit >= 0xFFFE) {
            return false;
        }
        asciiPairs += IsPrintableAscii(static_cast<unsigned char>(sample[at]))
            && IsPrintableAscii(static_cast<unsigned char>(sample[at + 1]));
    }
    return units > 0 && asciiPairs * 2 < units;
}

std::optional<InputForm::Kind> GuessUtf16(std::string_view bytes)
{
    constexpr std::size_t Sample = 4096;
    const std::string_view sample = bytes.substr(0, std::min(bytes.size(), Sample) & ~std::size_t { 1 });
    std::size_t evenNuls = 0;
    std::size_t oddNuls = 0;
    for (std::size_t at = 0; at < sample.size(); at += 2) {
        evenNuls += sample[at] == '\0';
        oddNuls += sample[at + 1] == '\0';
    }
    // Blanks, line ends and ASCII signs put NULs into the high bytes of every UTF-16 text; a text in
    // a byte encoding with a NUL has one or two.
    const std::size_t highNuls = std::max(evenNuls, oddNuls);
    const std::size_t units = sample.size() / 2;
    if (evenNuls == oddNuls || highNuls * 50 < units || (highNuls < 2 && units > 2)) {
        return std::nullopt;
    }
    const auto kind = oddNuls > evenNuls ? InputForm::Utf16Le : InputForm::Utf16Be;
    return ReadsAsUtf16Text(sample, kind) ? std::optional(kind) : std::nullopt;
}

InputForm FromByteOrderMark(std::string_view bytes)
{
    if (bytes.starts_with(Utf16LeBom)) {
        return { InputForm::Utf16Le, 2 };
    }
    if (bytes.starts_with(Utf16BeBom)) {
        return { InputForm::Utf16Be, 2 };
    }
    return {};
}

InputForm NamedUtf16(std::string_view bytes, Utf16Name name)
{
    const InputForm marked = FromByteOrderMark(bytes);
    if (name == Utf16Name::EitherOrder) {
        if (marked.kind != InputForm::Bytes) {
            return marked;
        }
        return { GuessUtf16(bytes).value_or(InputForm::Utf16Be), 0 };
    }
    const auto kind = name == Utf16Name::LittleEndian ? InputForm::Utf16Le : InputForm::Utf16Be;
    return { kind, marked.kind == kind ? marked.start : 0 };
}

} // namespace

char32_t Utf16UnitAt(std::string_view bytes, std::size_t at, InputForm::Kind kind)
{
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return kind == InputForm::Utf16Be ? (first << 8) | second : (second << 8) | first;
}

InputForm DetectForm(std::string_view bytes, std::string_view inputEncoding)
{
    if (!IsAutoInputEncoding(inputEncoding)) {
        const Utf16Name name = Utf16NameOf(inputEncoding);
        return name == Utf16Name::No ? InputForm {} : NamedUtf16(bytes, name);
    }
    if (InputForm marked = FromByteOrderMark(bytes); marked.kind != InputForm::Bytes) {
        return marked;
    }
    if (auto guessed = GuessUtf16(bytes)) {
        return { *guessed, 0 };
    }
    return {};
}

bool IsNotText(std::string_view bytes)
{
    const std::size_t nul = bytes.find('\0');
    if (nul == std::string_view::npos) {
        return false;
    }
    const std::string_view front = bytes.substr(0, nul);
    return front.empty() || std::any_of(front.begin(), front.end(), [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return (code < 0x20 && !IsTextControl(code)) || code == 0x7F;
    });
}

} // namespace engine
