#include "pdf/FallbackFontSet.h"

#include "engine/ChoiceLists.h"
#include "text/FallbackEscape.h"

#include <hpdf_fontdef.h>

namespace engine {
namespace {

constexpr int Unloaded = -1;
constexpr int Refused = -2;
constexpr std::int16_t Unknown = -1;
constexpr std::int16_t None = -2;

// Whether the font draws every character of its encoding in one width, as "i" and "W" tell.
bool IsMonospaced(HPDF_Font font)
{
    const auto width = [font](const char* text) {
        return HPDF_Font_TextWidth(font, reinterpret_cast<const HPDF_BYTE*>(text), 1).width;
    };
    return width("i") == width("W");
}

bool IsEmbedded(HPDF_FontDef fontdef)
{
    return static_cast<HPDF_TTFontDefAttr>(fontdef->attr)->embedding != HPDF_FALSE;
}

} // namespace

FallbackFontSet::FallbackFontSet(HaruDocument& document, HPDF_Font pageFont)
    : m_document(document)
    , m_monospaced(IsMonospaced(pageFont))
{
    if (HPDF_FontDef fontdef = GlyphLookup::TrueTypeDefinition(pageFont)) {
        m_pageGlyphs.emplace(fontdef);
    }
}

bool FallbackFontSet::pageFontHas(char32_t character)
{
    // Control characters are layout, never drawn.
    return character < 0x20 || !m_pageGlyphs || m_pageGlyphs->has(character);
}

std::optional<unsigned> FallbackFontSet::fontFor(char32_t character)
{
    if (character > 0xFFFF) {
        return std::nullopt;
    }
    if (m_choices.empty()) {
        m_choices.assign(0x10000, Unknown);
    }
    auto& choice = m_choices[character];
    if (choice == Unknown) {
        auto found = find(character);
        choice = found ? static_cast<std::int16_t>(*found) : None;
    }
    return choice >= 0 ? std::optional<unsigned>(static_cast<unsigned>(choice)) : std::nullopt;
}

std::optional<unsigned> FallbackFontSet::find(char32_t character)
{
    if (!m_installed) {
        m_installed = &InstalledFonts::For(m_monospaced);
        m_faceFonts.assign(m_installed->faces().size(), Unloaded);
    }
    const auto faces = m_installed->faces();
    for (std::size_t i = 0; i < faces.size() && !m_stopped; ++i) {
        if (m_faceFonts[i] == Refused || !InstalledFonts::Has(faces[i], character)) {
            continue;
        }
        if (m_faceFonts[i] == Unloaded) {
            m_faceFonts[i] = load(faces[i]);
        }
        // fontconfig's character set and the library's reading of the font's cmap may differ.
        const int font = m_faceFonts[i];
        if (font >= 0 && m_fontGlyphs[static_cast<std::size_t>(font)].has(character)) {
            return static_cast<unsigned>(font);
        }
    }
    return std::nullopt;
}

int FallbackFontSet::load(const InstalledFonts::Face& face)
{
    if (m_fonts.size() >= MaxFallbackFonts) {
        return Refused;
    }
    HPDF_Doc doc = m_document.get();
    const char* name = IsFontCollectionFile(face.file)
        ? HPDF_LoadTTFontFromFile2(doc, face.file.c_str(), static_cast<HPDF_UINT>(face.index), HPDF_TRUE)
        : HPDF_LoadTTFontFromFile(doc, face.file.c_str(), HPDF_TRUE);
    HPDF_Font font = nullptr;
    if (name) {
        m_document.useUtfEncodings();
        font = HPDF_GetFont(doc, name, std::string(Utf8EncodingName).c_str());
    }
    // A font the page font already loaded without embedding it cannot show glyph numbers.
    HPDF_FontDef fontdef = GlyphLookup::TrueTypeDefinition(font);
    if (!fontdef || !IsEmbedded(fontdef)) {
        if (m_document.outOfMemory()) {
            m_stopped = true; // the document has failed, and says so
        } else {
            m_document.resetError(); // a font the library refuses (CFF outlines, a broken file)
        }
        return Refused;
    }
    m_fonts.push_back(font);
    m_fontGlyphs.emplace_back(fontdef);
    return static_cast<int>(m_fonts.size() - 1);
}

} // namespace engine
