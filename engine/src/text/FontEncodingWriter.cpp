#include "text/FontEncodingWriter.h"

#include "engine/Utf8.h"

#include "text/FontCharset.h"
#include "text/Transliterator.h"

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

std::string LostPart(const Misses& lost, std::string_view encoding)
{
    const std::string first = DescribeCharacter(lost.first);
    return CountedCharacters(lost.count, encoding)
        + (lost.count == 1 ? " drawn as \"?\": " + first : " drawn as \"?\"; the first is " + first);
}

std::optional<std::string> MissWarning(const Misses& replaced, const Misses& lost, std::string_view encoding)
{
    if (replaced.count == 0 && lost.count == 0) {
        return std::nullopt;
    }
    if (replaced.count == 0) {
        return LostPart(lost, encoding);
    }
    return lost.count == 0 ? ReplacedPart(replaced, encoding)
                           : ReplacedPart(replaced, encoding) + "; " + LostPart(lost, encoding);
}

} // namespace

EncodedText WriteInFontEncoding(std::string_view unicode, std::string_view fontEncoding)
{
    auto charset = FontCharset::For(fontEncoding);
    std::optional<Transliterator> transliterator;
    Misses replaced;
    Misses lost;
    EncodedText result;
    result.text.reserve(unicode.size());
    for (std::size_t at = 0; at < unicode.size();) {
        Utf8Char c = ReadUtf8Char(unicode, at);
        at += c.length;
        if (c.valid && charset->append(result.text, c.value)) {
            continue;
        }
        const std::size_t mark = result.text.size();
        if (!transliterator) {
            transliterator.emplace();
        }
        auto standIn = c.valid ? transliterator->standIn(c.value) : std::nullopt;
        bool drawn = standIn.has_value();
        for (std::size_t i = 0; drawn && i < standIn->size(); ++i) {
            drawn = charset->append(result.text, static_cast<unsigned char>((*standIn)[i]));
        }
        if (drawn) {
            replaced.add(c, *standIn);
            continue;
        }
        result.text.resize(mark);
        result.text += '?';
        lost.add(c, {});
    }
    result.warning = MissWarning(replaced, lost, fontEncoding);
    return result;
}

} // namespace engine
