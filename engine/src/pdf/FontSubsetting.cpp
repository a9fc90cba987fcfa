#include "pdf/FontSubsetting.h"

#include "pdf/DrawnCodes.h"
#include "pdf/ToUnicodeMap.h"
#include "pdf/TrueTypeSubset.h"

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>

#include <cstdio>
#include <stdexcept>
#include <zlib.h>

namespace engine {
namespace {

using Codes = std::set<std::uint32_t>;

std::string Deflate(std::string_view data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string compressed(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
            static_cast<uLong>(data.size()), Z_BEST_COMPRESSION)
        != Z_OK) {
        throw std::runtime_error("a font stream could not be compressed");
    }
    compressed.resize(size);
    return compressed;
}

void ReplaceCompressed(QPDFObjectHandle stream, std::string_view data)
{
    stream.replaceStreamData(Deflate(data), QPDFObjectHandle::newName("/FlateDecode"), QPDFObjectHandle::newNull());
}

QPDFObjectHandle NewCompressedStream(QPDF& pdf, std::string_view data)
{
    QPDFObjectHandle stream = QPDFObjectHandle::newStream(&pdf);
    ReplaceCompressed(stream, data);
    return stream;
}

bool IsName(QPDFObjectHandle object, const char* name)
{
    return object.isName() && object.getName() == name;
}

std::string StreamText(QPDFObjectHandle stream)
{
    auto buffer = stream.getStreamData(qpdf_dl_generalized);
    return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

// The font file of a font descriptor when it is an embedded TrueType file, else null.
QPDFObjectHandle FontFile(QPDFObjectHandle font)
{
    QPDFObjectHandle descriptor = font.getKey("/FontDescriptor");
    if (!descriptor.isDictionary()) {
        return QPDFObjectHandle::newNull();
    }
    QPDFObjectHandle file = descriptor.getKey("/FontFile2");
    return file.isStream() ? file : QPDFObjectHandle::newNull();
}

void ReplaceFontFile(QPDFObjectHandle file, const std::string& subset)
{
    ReplaceCompressed(file, subset);
    QPDFObjectHandle dictionary = file.getDict();
    dictionary.replaceKey("/Length1", QPDFObjectHandle::newInteger(static_cast<long long>(subset.size())));
    dictionary.removeKey("/Length2");
    dictionary.removeKey("/Length3");
}

// The glyph of each CID by the font's CIDToGIDMap: a stream of two bytes a CID, or /Identity.
class CidToGlyph
{
public:
    explicit CidToGlyph(QPDFObjectHandle map)
        : m_identity(IsName(map, "/Identity"))
        , m_map(map.isStream() ? StreamText(map) : std::string())
    {
    }

    bool usable() const { return m_identity || !m_map.empty(); }

    std::uint32_t operator()(std::uint32_t cid) const
    {
        if (m_identity) {
            return cid;
        }
        const std::size_t at = std::size_t { cid } * 2;
        if (at + 1 >= m_map.size()) {
            return 0;
        }
        return (std::uint32_t { static_cast<unsigned char>(m_map[at]) } << 8)
            | static_cast<unsigned char>(m_map[at + 1]);
    }

private:
    bool m_identity;
    std::string m_map;
};

// The widths of the CIDs drawn, from a /W array of "c [w ...]" and "first last w" entries.
std::map<std::uint32_t, QPDFObjectHandle> DrawnWidths(QPDFObjectHandle widths, const Codes& codes)
{
    std::map<std::uint32_t, QPDFObjectHandle> drawn;
    const int count = widths.isArray() ? widths.getArrayNItems() : 0;
    auto take = [&](std::uint32_t cid, QPDFObjectHandle width) {
        if (codes.contains(cid)) {
            drawn.emplace(cid, width);
        }
    };
    for (int i = 0; i + 1 < count;) {
        QPDFObjectHandle first = widths.getArrayItem(i);
        QPDFObjectHandle next = widths.getArrayItem(i + 1);
        if (!first.isInteger()) {
            break;
        }
        const auto start = static_cast<std::uint32_t>(first.getIntValue());
        if (next.isArray()) {
            for (int k = 0; k < next.getArrayNItems(); ++k) {
                take(start + static_cast<std::uint32_t>(k), next.getArrayItem(k));
            }
            i += 2;
        } else if (i + 2 < count && next.isInteger()) {
            const auto last = static_cast<std::uint32_t>(next.getIntValue());
            for (auto cid = codes.lower_bound(start); cid != codes.end() && *cid <= last; ++cid) {
                take(*cid, widths.getArrayItem(i + 2));
            }
            i += 3;
        } else {
            break;
        }
    }
    return drawn;
}

// A /W array of "c [w ...]" entries, one for each run of consecutive CIDs.
QPDFObjectHandle WidthArray(const std::map<std::uint32_t, QPDFObjectHandle>& widths)
{
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    QPDFObjectHandle run;
    std::uint32_t next = 0;
    for (const auto& [cid, width] : widths) {
        if (run.isInitialized() && cid == next) {
            run.appendItem(width);
        } else {
            array.appendItem(QPDFObjectHandle::newInteger(cid));
            run = array.appendItemAndGetNew(QPDFObjectHandle::newArray(std::vector<QPDFObjectHandle> { width }));
        }
        next = cid + 1;
    }
    return array;
}

bool IsCharacter(std::uint32_t value)
{
    return value != 0 && value < 0x110000 && (value < 0xD800 || value > 0xDFFF);
}

void SubsetCidFont(QPDF& pdf, QPDFObjectHandle font, const Codes& codes)
{
    QPDFObjectHandle descendants = font.getKey("/DescendantFonts");
    if (!IsName(font.getKey("/Encoding"), "/Identity-H") || !descendants.isArray()
        || descendants.getArrayNItems() != 1) {
        return;
    }
    QPDFObjectHandle cidFont = descendants.getArrayItem(0);
    QPDFObjectHandle file = cidFont.isDictionary() ? FontFile(cidFont) : QPDFObjectHandle::newNull();
    if (file.isNull() || !IsName(cidFont.getKey("/Subtype"), "/CIDFontType2")) {
        return;
    }
    const CidToGlyph glyphOf(cidFont.getKey("/CIDToGIDMap"));
    if (!glyphOf.usable()) {
        return;
    }
    std::set<std::uint32_t> glyphs;
    for (std::uint32_t cid : codes) {
        glyphs.insert(glyphOf(cid));
    }
    auto subset = SubsetTrueType(StreamText(file), glyphs, {});
    if (!subset) {
        return;
    }
    std::string map(std::size_t { *codes.rbegin() + 1 } * 2, '\0');
    std::map<std::uint32_t, char32_t> characters;
    for (std::uint32_t cid : codes) {
        const auto glyph = subset->newGlyph.find(glyphOf(cid));
        const std::uint32_t newGlyph = glyph == subset->newGlyph.end() ? 0 : glyph->second;
        map[std::size_t { cid } * 2] = static_cast<char>(newGlyph >> 8);
        map[std::size_t { cid } * 2 + 1] = static_cast<char>(newGlyph & 0xFF);
        if (IsCharacter(cid)) {
            characters.emplace(cid, static_cast<char32_t>(cid));
        }
    }
    ReplaceFontFile(file, subset->font);
    cidFont.replaceKey("/CIDToGIDMap", NewCompressedStream(pdf, map));
    cidFont.replaceKey("/W", WidthArray(DrawnWidths(cidFont.getKey("/W"), codes)));
    font.replaceKey("/ToUnicode", NewCompressedStream(pdf, ToUnicodeCMap(characters, 2)));
}

// A reader finds a simple font's glyph through the name /Differences gives a code, the character it takes
// that name for, and the font's character map. Names such as "mu" stand for two characters (U+00B5 and
// U+03BC), of which the subset's character map holds only the one the library meant: the codes drawn are
// named "uniXXXX" (or "uXXXXXX" beyond the Basic Multilingual Plane), which stand for one character only.
void NameDrawnCodesByCharacter(QPDFObjectHandle encoding, const std::map<std::uint32_t, char32_t>& characters)
{
    if (!encoding.isDictionary() || !encoding.getKey("/Differences").isArray()) {
        return;
    }
    QPDFObjectHandle differences = QPDFObjectHandle::newArray();
    std::uint32_t next = 0;
    for (const auto& [code, character] : characters) {
        if (differences.getArrayNItems() == 0 || code != next) {
            differences.appendItem(QPDFObjectHandle::newInteger(code));
        }
        char name[16];
        std::snprintf(name, sizeof name, character < 0x10000 ? "/uni%04X" : "/u%06X", static_cast<unsigned>(character));
        differences.appendItem(QPDFObjectHandle::newName(name));
        next = code + 1;
    }
    encoding.replaceKey("/Differences", differences);
}

void SubsetSingleByteFont(QPDF& pdf, QPDFObjectHandle font, const Codes& codes, const SingleByteCharacters& table)
{
    QPDFObjectHandle file = FontFile(font);
    if (file.isNull()) {
        return;
    }
    std::set<char32_t> drawn;
    std::map<std::uint32_t, char32_t> characters;
    for (std::uint32_t code : codes) {
        if (code < table.size() && IsCharacter(table[code])) {
            drawn.insert(table[code]);
            characters.emplace(code, table[code]);
        }
    }
    auto subset = SubsetTrueType(StreamText(file), {}, drawn);
    if (!subset) {
        return;
    }
    ReplaceFontFile(file, subset->font);
    font.replaceKey("/ToUnicode", NewCompressedStream(pdf, ToUnicodeCMap(characters, 1)));
    NameDrawnCodesByCharacter(font.getKey("/Encoding"), characters);
}

} // namespace

void SubsetEmbeddedFonts(QPDF& pdf, const SingleByteFonts& singleByte)
{
    for (const auto& [object, codes] : CollectDrawnCodes(pdf)) {
        QPDFObjectHandle font = pdf.getObject(object);
        if (codes.empty() || !font.isDictionary()) {
            continue;
        }
        QPDFObjectHandle subtype = font.getKey("/Subtype");
        if (IsName(subtype, "/Type0")) {
            SubsetCidFont(pdf, font, codes);
        } else if (IsName(subtype, "/TrueType")) {
            if (auto table = singleByte.find(object.getObj()); table != singleByte.end()) {
                SubsetSingleByteFont(pdf, font, codes, table->second);
            }
        }
    }
}

} // namespace engine
