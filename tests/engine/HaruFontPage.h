#pragma once

#include <hpdf.h>


namespace enginetest {

// A font as the converter can load it: a standard font, a TrueType file or a CID font under a CMap.
struct FontSpec
{
    enum Kind { Standard, TrueType, Cid } kind;
    const char* name;     // standard or CID font name, or the TrueType file
    const char* encoding; // single-byte encoding or CMap
};

// A document with one page whose font and size are set, as a conversion sets them.
class HaruFontPage
{
public:
    HaruFontPage(const FontSpec& spec, float fontSize);
    ~HaruFontPage();
    HaruFontPage(const HaruFontPage&) = delete;
    HaruFontPage& operator=(const HaruFontPage&) = delete;

    HPDF_Doc doc() const { return m_doc; }
    HPDF_Page page() const { return m_page; }
    HPDF_Font font() const { return m_font; }
    // The encoder a CID font measures with; null for single-byte fonts.
    HPDF_Encoder multiByteEncoder() const { return m_encoder; }
    float fontSize() const { return m_fontSize; }

private:
    HPDF_Doc m_doc;
    HPDF_Page m_page = nullptr;
    HPDF_Font m_font = nullptr;
    HPDF_Encoder m_encoder = nullptr;
    float m_fontSize;
};

} // namespace enginetest
