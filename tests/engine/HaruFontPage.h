#pragma once

#include <hpdf.h>


namespace enginetest {

// A font as the converter can load it: a standard font, a Type 1 font, a TrueType file or a CID font
// under a CMap.
struct FontRequest
{
    enum Kind { Standard, Type1, TrueType, Cid } kind;
    const char* name;     // standard or CID font name, the Type 1 metrics file (its data file beside it,
                          // named .t1) or the TrueType file
    const char* encoding; // single-byte encoding, "UTF-8" or CMap
};

// A document with one page whose font and size are set, as a conversion sets them.
class HaruFontPage
{
public:
    HaruFontPage(const FontRequest& request, float fontSize);
    ~HaruFontPage();
    HaruFontPage(const HaruFontPage&) = delete;
    HaruFontPage& operator=(const HaruFontPage&) = delete;

    HPDF_Doc doc() const { return m_doc; }
    HPDF_Page page() const { return m_page; }
    HPDF_Font font() const { return m_font; }

private:
    HPDF_Doc m_doc;
    HPDF_Page m_page = nullptr;
    HPDF_Font m_font = nullptr;
};

} // namespace enginetest
