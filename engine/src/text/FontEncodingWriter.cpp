#include "text/FontEncodingWriter.h"

#include "engine/Utf8.h"

#include "text/FallbackChooser.h"
#include "text/FallbackEscape.h"
#include "text/FontCharset.h"
#include "text/Transliterator.h"

#include <memory>

namespace engine {
namespace {

// Characters drawn otherwise than as themselves, and the first of them.
struct Misses
{
    std::size_t count = 0;
    Utf8Char first;
    std::string firstStandIn;

    void add(const Utf8Char& c, const std::string& standIn)
    {
        if (count++ == 0) {
            first = c;
            firstStandIn = standIn;
        }
    }
};

std::string CountedCharacters(std::size_t count, std::string_view encoding)
{
    return count == 1
        ? "1 character is not in the encoding " + std::string(encoding) + " and is"
        : std::to_string(count) + " characters are not in the encoding " + std::string(encoding) + " and are";
}

std::string ReplacedPart(const Misses& replaced, std::string_view encoding)
{
    const std::string first = DescribeCharacter(replaced.first) + " as \"" + replaced.firstStandIn + "\"";
    return CountedCharacters(replaced.count, encoding)
        + (replaced.count == 1 ? " drawn as a near equivalent: " + first
                               : " drawn as near equivalents; the first is " + first);
}

std::string LostPart(const Misses& lost, std::string_view encoding, bool fallbacks)
{
    const std::string first = DescribeCharacter(lost.first);
    if (fallbacks) {
        // Fallback fonts were asked too: the characters are lost only where none has them.
        const bool one = lost.count == 1;
        return (one ? "1 character is" : std::to_string(lost.count) + " characters are") + " not in the encoding "
            + std::string(encoding) + ", no installed font the PDF library can use has "
            + (one ? "it, and it is drawn as \"?\": " + first : "them, and they are drawn as \"?\"; the first is " + first);
    }
    return CountedCharacters(lost.count, encoding)
        + (lost.count == 1 ? " drawn as \"?\": " + first : " drawn as \"?\"; the first is " + first);
}

std::optional<std::string> MissWarning(const Misses& replaced, const Misses& lost, std::string_view encoding,
                                       bool fallbacks)
{
    if (replaced.count == 0 && lost.count == 0) {
        return std::nullopt;
    }
    if (replaced.count == 0) {
        return LostPart(lost, encoding, fallbacks);
    }
    return lost.count == 0 ? ReplacedPart(replaced, encoding)
                           : ReplacedPart(replaced, encoding) + "; " + LostPart(lost, encoding, fallbacks);
}

// Characters whose ASCII stand-in says the same to a reader, who searches a manual page for "-" and
// not for U+2010: hyphens, the minus sign and blanks. They take the stand-in before a fallback font.
bool PlainStandInFirst(char32_t c)
{
    return c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x2010 || c == 0x2011
        || c == 0x2212;
}

// Appends a character that the page font draws: one of its encoding that, when its glyphs are asked
// (glyphs not null), it has a glyph for.
bool AppendDrawn(std::string& out, FontCharset& charset, FallbackChooser* glyphs, char32_t c)
{
    return (!glyphs || glyphs->pageFontHas(c)) && charset.append(out, c);
}

// Appends the stand-in whole, or nothing.
bool AppendStandIn(std::string& out, FontCharset& charset, FallbackChooser* glyphs, const std::string& standIn)
{
    const std::size_t mark = out.size();
    for (char c : standIn) {
        if (!AppendDrawn(out, charset, glyphs, static_cast<unsigned char>(c))) {
            out.resize(mark);
            return false;
        }
    }
    return true;
}

} // namespace

EncodedText WriteInFontEncoding(std::string_view unicode, std::string_view fontEncoding, FallbackChooser* fallback)
{
    auto charset = FontCharset::For(fontEncoding);
    FallbackChooser* glyphs = fallback && fallback->checksPageGlyphs() ? fallback : nullptr;
    std::optional<Transliterator> transliterator;
    Misses replaced;
    Misses lost;
    EncodedText result;
    result.text.reserve(unicode.size());
    for (std::size_t at = 0; at < unicode.size();) {
        Utf8Char c = ReadUtf8Char(unicode, at);
        at += c.length;
        if (c.valid && AppendDrawn(result.text, *charset, glyphs, c.value)) {
            continue;
        }
        if (!transliterator) {
            transliterator.emplace();
        }
        auto standIn = c.valid ? transliterator->standIn(c.value) : std::nullopt;
        const bool standInFirst = !fallback || PlainStandInFirst(c.value);
        if (standIn && standInFirst && AppendStandIn(result.text, *charset, glyphs, *standIn)) {
            replaced.add(c, *standIn);
            continue;
        }
        if (auto font = fallback && c.valid ? fallback->fontFor(c.value) : std::nullopt) {
            AppendFallbackCharacter(result.text, *font, unicode.substr(at - c.length, c.length));
            continue;
        }
        if (standIn && !standInFirst && AppendStandIn(result.text, *charset, glyphs, *standIn)) {
            replaced.add(c, *standIn);
            continue;
        }
        result.text += '?';
        lost.add(c, {});
    }
    result.warning = MissWarning(replaced, lost, fontEncoding, fallback != nullptr);
    return result;
}

} // namespace engine
