#include "pdf/InstalledFonts.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace engine {
namespace {

std::string LowerSuffix(std::string_view file)
{
    std::string suffix(file.substr(file.size() - std::min<std::size_t>(file.size(), 4)));
    for (auto& c : suffix) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return suffix;
}

// How well a face suits: 0 best. Monospaced bodies want monospaced faces before anything else.
int Rank(FcPattern* pattern, bool monospaced)
{
    int spacing = FC_PROPORTIONAL;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(pattern, FC_SPACING, 0, &spacing);
    FcPatternGetInteger(pattern, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(pattern, FC_SLANT, 0, &slant);
    // Dual-width faces are monospaced faces whose wide characters take two cells.
    const bool spacingFits = !monospaced || spacing >= FC_DUAL;
    const bool regular = weight >= FC_WEIGHT_BOOK && weight <= FC_WEIGHT_MEDIUM && slant == FC_SLANT_ROMAN;
    return (spacingFits ? 0 : 2) + (regular ? 0 : 1);
}

// A face the library can load: TrueType outlines, no instance of a variable font.
std::optional<InstalledFonts::Face> Usable(FcPattern* pattern)
{
    FcChar8* file = nullptr;
    FcChar8* format = nullptr;
    FcCharSet* characters = nullptr;
    int index = 0;
    FcBool variable = FcFalse;
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch
        || FcPatternGetString(pattern, FC_FONTFORMAT, 0, &format) != FcResultMatch
        || FcPatternGetCharSet(pattern, FC_CHARSET, 0, &characters) != FcResultMatch) {
        return std::nullopt;
    }
    FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
    FcPatternGetBool(pattern, FC_VARIABLE, 0, &variable);
    const std::string path(reinterpret_cast<const char*>(file));
    const bool fileKind = LowerSuffix(path) == ".ttf" || IsFontCollectionFile(path);
    if (std::string_view(reinterpret_cast<const char*>(format)) != "TrueType" || !fileKind || variable || index < 0
        || index > 0xFFFF) {
        return std::nullopt;
    }
    return InstalledFonts::Face { path, index, characters };
}

} // namespace

bool IsFontCollectionFile(std::string_view path)
{
    return LowerSuffix(path).ends_with("ttc");
}

const InstalledFonts& InstalledFonts::For(bool monospaced)
{
    static const InstalledFonts Monospaced(true);
    static const InstalledFonts Proportional(false);
    return monospaced ? Monospaced : Proportional;
}

InstalledFonts::InstalledFonts(bool monospaced)
{
    FcPattern* pattern = FcNameParse(
        reinterpret_cast<const FcChar8*>(monospaced ? "monospace:spacing=mono" : "sans-serif"));
    if (!pattern) {
        return;
    }
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    m_set = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);
    if (!m_set) {
        return;
    }
    std::vector<std::pair<int, Face>> ranked;
    for (int i = 0; i < m_set->nfont; ++i) {
        if (auto face = Usable(m_set->fonts[i])) {
            ranked.emplace_back(Rank(m_set->fonts[i], monospaced), std::move(*face));
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& [rank, face] : ranked) {
        m_faces.push_back(std::move(face));
    }
}

InstalledFonts::~InstalledFonts()
{
    if (m_set) {
        FcFontSetDestroy(m_set);
    }
}

bool InstalledFonts::Has(const Face& face, char32_t character)
{
    return FcCharSetHasChar(face.characters, static_cast<FcChar32>(character)) != FcFalse;
}

} // namespace engine
