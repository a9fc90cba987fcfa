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

// Writes characters in the page font's encoding, as far as the page font draws them.
class PageWriting
{
public:
    PageWriting(std::string_view fontEncoding, FallbackChooser* fallback)
        : m_charset(FontCharset::For(fontEncoding))
        , m_fallback(fallback && fallback->checksPageGlyphs() ? fallback : nullptr)
    {
    }

    bool append(std::string& out, char32_t c)
    {
        const std::size_t mark = out.size();
        if (!m_charset->append(out, c)) {
            return false;
        }
        if (m_fallback && !m_fallback->pageFontHas(c)) {
            out.resize(mark);
            return false;
        }
        return true;
    }

    // Appends the stand-in whole, or nothing.
    bool appendStandIn(std::string& out, const std::string& standIn)
    {
        const std::size_t mark = out.size();
        for (char c : standIn) {
            if (!append(out, static_cast<unsigned char>(c))) {
                out.resize(mark);
                return false;
            }
        }
        return true;
    }

private:
    std::unique_ptr<FontCharset> m_charset;
    FallbackChooser* m_fallback; // when the page font's glyphs are asked
};

} // namespace

EncodedText WriteInFontEncoding(std::string_view unicode, std::string_view fontEncoding, FallbackChooser* fallback)
{
    PageWriting page(fontEncoding, fallback);
    std::optional<Transliterator> transliterator;
    Misses replaced;
    Misses lost;
    EncodedText result;
    result.text.reserve(unicode.size());
    for (std::size_t at = 0; at < unicode.size();) {
        Utf8Char c = ReadUtf8Char(unicode, at);
        at += c.length;
        if (c.valid && page.append(result.text, c.value)) {
            continue;
        }
        if (!transliterator) {
            transliterator.emplace();
        }
        auto standIn = c.valid ? transliterator->standIn(c.value) : std::nullopt;
        const bool standInFirst = !fallback || PlainStandInFirst(c.value);
        if (standIn && standInFirst && page.appendStandIn(result.text, *standIn)) {
            replaced.add(c, *standIn);
            continue;
        }
        if (auto font = fallback && c.valid ? fallback->fontFor(c.value) : std::nullopt) {
            AppendFallbackCharacter(result.text, *font, unicode.substr(at - c.length, c.length));
            continue;
        }
        if (standIn && !standInFirst && page.appendStandIn(result.text, *standIn)) {
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
