#include "HaruFontPage.h"

#include <stdexcept>
#include <string>

namespace enginetest {

HaruFontPage::HaruFontPage(const FontRequest& request, float fontSize)
    : m_doc(HPDF_New(nullptr, nullptr))
{
    const char* name = request.name;
    if (request.kind == FontRequest::Type1) {
        std::string metrics = request.name;
        std::string data = metrics.substr(0, metrics.size() - 3) + "t1";
        name = HPDF_LoadType1FontFromFile(m_doc, metrics.c_str(), data.c_str());
    } else if (request.kind == FontRequest::TrueType) {
        HPDF_UseUTFEncodings(m_doc);
        name = HPDF_LoadTTFontFromFile(m_doc, request.name, HPDF_TRUE);
    } else if (request.kind == FontRequest::Cid) {
        HPDF_UseCNSFonts(m_doc);
        HPDF_UseCNSEncodings(m_doc);
        HPDF_UseJPFonts(m_doc);
        HPDF_UseJPEncodings(m_doc);
    }
    m_font = name ? HPDF_GetFont(m_doc, name, request.encoding) : nullptr;
    m_page = HPDF_AddPage(m_doc);
    if (!m_font || !m_page || HPDF_GetError(m_doc) != HPDF_OK) {
        HPDF_Free(m_doc);
        throw std::runtime_error(std::string("cannot load the font ") + request.name);
    }
    HPDF_Page_SetFontAndSize(m_page, m_font, fontSize);
}

HaruFontPage::~HaruFontPage()
{
    HPDF_Free(m_doc);
}

} // namespace enginetest
