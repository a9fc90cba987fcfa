#pragma once

#include <fontconfig/fontconfig.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// Whether a font file's name ends in ".ttc", in any case: a collection of fonts.
bool IsFontCollectionFile(std::string_view path);

// The installed fonts that the PDF library can embed (TrueType outlines in a .ttf or .ttc file, as
// fontconfig knows them), in the order they suit as fallbacks for a body font: monospaced faces first
// when the body font is monospaced, regular upright faces before others, each group in fontconfig's
// order of preference for a monospaced or sans-serif font.
class InstalledFonts
{
public:
    struct Face
    {
        std::string file;
        int index = 0; // in a collection
        const FcCharSet* characters = nullptr;
    };

    // The fonts of the process's fontconfig, looked up once for each kind of body font.
    static const InstalledFonts& For(bool monospaced);

    explicit InstalledFonts(bool monospaced);
    ~InstalledFonts();
    InstalledFonts(const InstalledFonts&) = delete;
    InstalledFonts& operator=(const InstalledFonts&) = delete;

    std::span<const Face> faces() const { return m_faces; }
    static bool Has(const Face& face, char32_t character);

private:
    FcFontSet* m_set = nullptr; // holds the character sets
    std::vector<Face> m_faces;
};

} // namespace engine
