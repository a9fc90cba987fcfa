#pragma once

#include <array>
#include <string_view>

namespace engine {

// The entry texts of the choice lists behind the index fields of ConversionOptions, in list order.
// The font and encoding entries are the names the PDF library knows; the options pane shows these
// same lists.

inline constexpr std::string_view CustomPageSizeLabel = "Custom Page Size";

inline constexpr std::array<std::string_view, 4> PageFontChoices = {
    "Base14 Font", "Type1 Font", "TrueType Font", "CID Font",
};

inline constexpr std::array<std::string_view, 14> Base14FontChoices = {
    "Courier",     "Courier-Bold",      "Courier-Oblique",   "Courier-BoldOblique", "Helvetica",
    "Helvetica-Bold", "Helvetica-Oblique", "Helvetica-BoldOblique", "Times-Roman", "Times-Bold",
    "Times-Italic", "Times-BoldItalic",  "Symbol",            "ZapfDingbats",
};

inline constexpr std::array<std::string_view, 11> CidFontChoices = {
    "SimSun(Simplified Chinese Fonts)", "SimHei(Simplified Chinese Fonts)", "MingLiU(Traditional Chinese Fonts)",
    "MS-Mincyo(Japanese Fonts)",        "MS-Gothic(Japanese Fonts)",        "MS-PMincyo(Japanese Fonts)",
    "MS-PGothic(Japanese Fonts)",       "Batang(Korean Fonts)",             "Dotum(Korean Fonts)",
    "BatangChe(Korean Fonts)",          "DotumChe(Korean Fonts)",
};

// The last entry, "UTF-8", is this program's addition: any Unicode text through a TrueType font. It
// comes last so that every stored index keeps its meaning.
inline constexpr std::array<std::string_view, 29> SingleByteEncodingChoices = {
    "StandardEncoding", "MacRomanEncoding", "WinAnsiEncoding", "FontSpecific", "ISO8859-2",  "ISO8859-3",
    "ISO8859-4",        "ISO8859-5",        "ISO8859-6",       "ISO8859-7",    "ISO8859-8",  "ISO8859-9",
    "ISO8859-10",       "ISO8859-11",       "ISO8859-13",      "ISO8859-14",   "ISO8859-15", "ISO8859-16",
    "CP1250",           "CP1251",           "CP1252",          "CP1253",       "CP1254",     "CP1255",
    "CP1256",           "CP1257",           "CP1258",          "KOI8-R",       "UTF-8",
};

inline constexpr std::string_view Utf8EncodingName = "UTF-8";

inline constexpr std::array<std::string_view, 16> MultiByteEncodingChoices = {
    "GB-EUC-H",    "GB-EUC-V",    "GBK-EUC-H",    "GBK-EUC-V", "ETen-B5-H", "ETen-B5-V",
    "90ms-RKSJ-H", "90ms-RKSJ-V", "90msp-RKSJ-H", "EUC-H",     "EUC-V",     "KSC-EUC-H",
    "KSC-EUC-V",   "KSCms-UHC-H", "KSCms-UHC-HW-H", "KSCms-UHC-HW-V",
};

inline constexpr std::array<std::string_view, 4> OpenModeChoices = {
    "None", "Bookmarks", "Thumbnails", "Full screen",
};

inline constexpr std::array<std::string_view, 3> EncryptMethodChoices = { "RC4", "AES-128", "AES-256" };

inline constexpr std::array<std::string_view, 2> OrientationChoices = { "Portrait", "Landscape" };

// "Embedding Font", "Open Results", "Form Feed" and the four permissions.
inline constexpr std::array<std::string_view, 2> YesNoChoices = { "Yes", "No" };

// The entry at index of a list, or an empty view when the index lies outside it.
template <std::size_t N>
constexpr std::string_view ChoiceAt(const std::array<std::string_view, N>& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < N ? list[static_cast<std::size_t>(index)]
                                                             : std::string_view();
}

} // namespace engine
