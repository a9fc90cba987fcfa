#pragma once

#include <optional>

namespace engine {

// Chooses, for a character that the page font cannot draw, a fallback font that can: the text then
// carries the character escaped for that font (FallbackEscape.h).
class FallbackChooser
{
public:
    virtual ~FallbackChooser() = default;

    // Whether the page font's glyphs must be asked: a TrueType font may lack characters its encoding
    // holds, other fonts draw every character of theirs.
    virtual bool checksPageGlyphs() const = 0;
    // Whether the page font has a glyph for a character of its encoding.
    virtual bool pageFontHas(char32_t character) = 0;
    // The number of the fallback font that draws the character; nothing when no installed font that
    // the PDF library can use has it.
    virtual std::optional<unsigned> fontFor(char32_t character) = 0;
};

} // namespace engine
