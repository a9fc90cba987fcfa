#pragma once

#include "pdf/GlyphLookup.h"
#include "pdf/HaruDocument.h"
#include "pdf/InstalledFonts.h"
#include "text/FallbackChooser.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace engine {

// The fallback fonts of a document: for a character the page font cannot draw, the first installed
// font (InstalledFonts.h) that has it, monospaced when the page font is, loaded into the document
// with the first character it draws, embedded with the UTF-8 encoding. Each character is looked up
// once; fontconfig is asked only once a character needs a fallback. Characters beyond the Basic
// Multilingual Plane have none: the library's UTF-8 fonts show 16-bit character codes.
class FallbackFontSet : public FallbackChooser
{
public:
    FallbackFontSet(HaruDocument& document, HPDF_Font pageFont);

    bool checksPageGlyphs() const override { return m_pageGlyphs.has_value(); }
    bool pageFontHas(char32_t character) override;
    std::optional<unsigned> fontFor(char32_t character) override;

    // The fonts loaded so far, by their numbers.
    const std::vector<HPDF_Font>& fonts() const { return m_fonts; }

private:
    std::optional<unsigned> find(char32_t character);
    // The number of the face's font once loaded; Refused when the library does not take it.
    int load(const InstalledFonts::Face& face);

    HaruDocument& m_document;
    bool m_monospaced;
    std::optional<GlyphLookup> m_pageGlyphs; // of a TrueType page font
    const InstalledFonts* m_installed = nullptr;
    std::vector<int> m_faceFonts; // by installed face: its font's number, Unloaded or Refused
    std::vector<HPDF_Font> m_fonts;
    std::vector<GlyphLookup> m_fontGlyphs; // of m_fonts
    std::vector<std::int16_t> m_choices; // by code point: a font's number, Unknown or None
    bool m_stopped = false; // an allocation failed: no more fonts are loaded
};

} // namespace engine
