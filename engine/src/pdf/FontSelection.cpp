#include "pdf/FontSelection.h"

#include "engine/ChoiceLists.h"

#include "pdf/InstalledFonts.h"

#include <array>
#include <optional>
#include <string>

namespace engine {
namespace {

enum class CidEncodingRule { Selected, SimplifiedChinese, Korean };

struct CidFontRow
{
    const char* fontName; // the library's name, which differs from the list label for two fonts
    HPDF_STATUS (*useFonts)(HPDF_Doc);
    HPDF_STATUS (*useEncodings)(HPDF_Doc);
    CidEncodingRule rule;
};

const std::array<CidFontRow, 11> CidFontTable = { {
    { "SimSun", HPDF_UseCNSFonts, HPDF_UseCNSEncodings, CidEncodingRule::SimplifiedChinese },
    { "SimHei", HPDF_UseCNSFonts, HPDF_UseCNSEncodings, CidEncodingRule::SimplifiedChinese },
    { "MingLiU", HPDF_UseCNTFonts, HPDF_UseCNTEncodings, CidEncodingRule::Selected },
    { "MS-Mincho", HPDF_UseJPFonts, HPDF_UseJPEncodings, CidEncodingRule::Selected },
    { "MS-Gothic", HPDF_UseJPFonts, HPDF_UseJPEncodings, CidEncodingRule::Selected },
    { "MS-PMincho", HPDF_UseJPFonts, HPDF_UseJPEncodings, CidEncodingRule::Selected },
    { "MS-PGothic", HPDF_UseJPFonts, HPDF_UseJPEncodings, CidEncodingRule::Selected },
    { "Batang", HPDF_UseKRFonts, HPDF_UseKREncodings, CidEncodingRule::Korean },
    { "Dotum", HPDF_UseKRFonts, HPDF_UseKREncodings, CidEncodingRule::Korean },
    { "BatangChe", HPDF_UseKRFonts, HPDF_UseKREncodings, CidEncodingRule::Korean },
    { "DotumChe", HPDF_UseKRFonts, HPDF_UseKREncodings, CidEncodingRule::Korean },
} };

// Index 0 and 1 are the simplified Chinese encodings, 11 and above the Korean ones.
int CidEncodingIndex(CidEncodingRule rule, int selected)
{
    switch (rule) {
    case CidEncodingRule::SimplifiedChinese:
        return selected == 0 || selected == 1 ? selected : 0;
    case CidEncodingRule::Korean:
        return selected >= 11 ? selected : 11;
    case CidEncodingRule::Selected:
        break;
    }
    return selected;
}

std::string TrimTrailingWhiteSpace(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n')) {
        text.pop_back();
    }
    return text;
}

HPDF_Font GetFont(HaruDocument& document, const char* fontName, std::string_view encoding)
{
    if (!fontName || !*fontName || encoding.empty()) {
        return nullptr;
    }
    return HPDF_GetFont(document.get(), fontName, std::string(encoding).c_str());
}

const CidFontRow* CidFontFor(const ConversionOptions& options)
{
    if (options.CIDFont < 0 || options.CIDFont >= static_cast<int>(CidFontTable.size())) {
        return nullptr;
    }
    return &CidFontTable[static_cast<std::size_t>(options.CIDFont)];
}

HPDF_Font RequestCidFont(HaruDocument& document, const ConversionOptions& options)
{
    const CidFontRow* row = CidFontFor(options);
    if (!row) {
        return nullptr;
    }
    row->useFonts(document.get());
    row->useEncodings(document.get());
    return GetFont(document, row->fontName, PageFontEncoding(options));
}

} // namespace

std::string TrueTypeFontPath(const ConversionOptions& options)
{
    return TrimTrailingWhiteSpace(options.TrueTypeFile);
}

bool NeedsUtf8Fallback(const ConversionOptions& options)
{
    return (options.PageFont == Base14Font || options.PageFont == Type1Font)
        && ChoiceAt(SingleByteEncodingChoices, options.SingeEncode) == Utf8EncodingName;
}

std::string PageFontEncoding(const ConversionOptions& options)
{
    std::string_view encoding;
    if (options.PageFont == CidFont) {
        if (const CidFontRow* row = CidFontFor(options)) {
            encoding = ChoiceAt(MultiByteEncodingChoices, CidEncodingIndex(row->rule, options.MultiEncode));
        }
    } else if (NeedsUtf8Fallback(options)) {
        encoding = Utf8FallbackEncoding;
    } else {
        encoding = ChoiceAt(SingleByteEncodingChoices, options.SingeEncode);
    }
    return std::string(encoding);
}

std::optional<std::string> CmapSubstitutionWarning(const ConversionOptions& options)
{
    if (options.PageFont != CidFont) {
        return std::nullopt;
    }
    const CidFontRow* row = CidFontFor(options);
    const std::string_view chosen = ChoiceAt(MultiByteEncodingChoices, options.MultiEncode);
    const std::string used = PageFontEncoding(options);
    if (!row || chosen.empty() || used == chosen) {
        return std::nullopt;
    }
    return "the CID font " + std::string(row->fontName) + " cannot take the encoding " + std::string(chosen) + "; "
        + used + " is used";
}

HPDF_Font RequestPageFont(HaruDocument& document, const ConversionOptions& options)
{
    std::string encoding = PageFontEncoding(options);
    switch (options.PageFont) {
    case Base14Font:
        return GetFont(document, std::string(ChoiceAt(Base14FontChoices, options.B14Font)).c_str(), encoding);
    case Type1Font: {
        const char* name = HPDF_LoadType1FontFromFile(document.get(), options.Type1MetricsFile.c_str(),
                                                      options.Type1DataFile.c_str());
        return GetFont(document, name, encoding);
    }
    case TrueTypeFont: {
        const std::string path = TrueTypeFontPath(options);
        // "Embedding Font" answered "Yes" (0) embeds the font file. With UTF-8 the PDF shows glyph
        // numbers of this very font file, which only the embedded file draws right: always embed it.
        bool utf8 = encoding == Utf8EncodingName;
        HPDF_BOOL embed = options.EmbeddingFont == Yes || utf8 ? HPDF_TRUE : HPDF_FALSE;
        const auto face = static_cast<HPDF_UINT>(options.TrueTypeFace);
        const char* name = IsFontCollectionFile(path) ? HPDF_LoadTTFontFromFile2(document.get(), path.c_str(), face, embed)
                                             : HPDF_LoadTTFontFromFile(document.get(), path.c_str(), embed);
        if (utf8) {
            document.useUtfEncodings();
        }
        return GetFont(document, name, encoding);
    }
    case CidFont:
        return RequestCidFont(document, options);
    default:
        return nullptr;
    }
}

std::string PageFontFailure(const ConversionOptions& options, const HaruDocument& document)
{
    if (!document.failed()) {
        return "the page font's choice lies outside its list";
    }
    std::string files;
    if (options.PageFont == Type1Font) {
        files = options.Type1MetricsFile + " and " + options.Type1DataFile + ": ";
    } else if (options.PageFont == TrueTypeFont) {
        files = options.TrueTypeFile + ": ";
    }
    return files + document.errorText();
}

HPDF_Font RequestDefaultFont(HaruDocument& document)
{
    document.resetError();
    return HPDF_GetFont(document.get(), "Helvetica", nullptr);
}

} // namespace engine
