#include "text/InputEncoding.h"

#include "text/IconvCharset.h"

#include <algorithm>
#include <cctype>

namespace engine {
namespace {

// The name in capitals without its dashes and underscores: "utf_16le" is "UTF16LE".
std::string Folded(std::string_view name)
{
    std::string folded;
    for (char c : name) {
        if (c != '-' && c != '_') {
            folded += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return folded;
}

} // namespace

bool IsAutoInputEncoding(std::string_view name)
{
    const std::string folded = Folded(name);
    return folded.empty() || folded == "AUTO";
}

bool IsUtf8Name(std::string_view name)
{
    return Folded(name) == "UTF8";
}

Utf16Name Utf16NameOf(std::string_view name)
{
    const std::string folded = Folded(name);
    if (folded == "UTF16LE") {
        return Utf16Name::LittleEndian;
    }
    if (folded == "UTF16BE") {
        return Utf16Name::BigEndian;
    }
    return folded == "UTF16" ? Utf16Name::EitherOrder : Utf16Name::No;
}

bool ReadsAsciiText(const std::string& name)
{
    constexpr std::string_view Ascii = "\t\n\r !09AZaz~";
    IconvCharset charset(name.c_str());
    return charset.knownToIconv() && charset.toUnicode(Ascii) == Ascii;
}

std::optional<std::string> InputEncodingProblem(const std::string& name)
{
    if (IsAutoInputEncoding(name) || Utf16NameOf(name) != Utf16Name::No || ReadsAsciiText(name)) {
        return std::nullopt;
    }
    if (!IconvCharset(name.c_str()).knownToIconv()) {
        return "the input encoding \"" + name + "\" is not known (Auto, UTF-8, CP1252, KOI8-R, Shift_JIS, ...)";
    }
    return "the input encoding \"" + name + "\" is no encoding of text files: ASCII text changes its bytes in it";
}

} // namespace engine
