#include "pdf/DrawnCodes.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <string>
#include <vector>

namespace engine {
namespace {

// A font in use while a content stream is read.
struct FontInUse
{
    std::set<std::uint32_t>* codes = nullptr; // null when the font is no font dictionary of the document
    bool twoByte = false;
};

// Follows one page's content streams: the font each q ... Q level sets with Tf, the strings the
// text operators show with it.
class PageCodes : public QPDFObjectHandle::ParserCallbacks
{
public:
    PageCodes(QPDFObjectHandle fonts, DrawnCodes& drawn)
        : m_fonts(std::move(fonts))
        , m_drawn(drawn)
    {
    }

    void handleObject(QPDFObjectHandle object) override
    {
        if (!object.isOperator()) {
            m_operands.push_back(std::move(object));
            return;
        }
        const std::string op = object.getOperatorValue();
        if (op == "Tf" && m_operands.size() == 2 && m_operands[0].isName()) {
            m_states.back() = fontNamed(m_operands[0].getName());
        } else if (op == "q") {
            m_states.push_back(m_states.back());
        } else if (op == "Q" && m_states.size() > 1) {
            m_states.pop_back();
        } else if ((op == "Tj" || op == "'" || op == "\"") && !m_operands.empty()) {
            show(m_operands.back());
        } else if (op == "TJ" && !m_operands.empty() && m_operands.back().isArray()) {
            for (auto& item : m_operands.back().aitems()) {
                show(item);
            }
        }
        m_operands.clear();
    }

    void handleEOF() override { }

private:
    FontInUse fontNamed(const std::string& name)
    {
        QPDFObjectHandle font = m_fonts.isDictionary() ? m_fonts.getKey(name) : QPDFObjectHandle::newNull();
        if (!font.isIndirect() || !font.isDictionary()) {
            return {};
        }
        QPDFObjectHandle subtype = font.getKey("/Subtype");
        return { &m_drawn[font.getObjGen()], subtype.isName() && subtype.getName() == "/Type0" };
    }

    void show(QPDFObjectHandle text)
    {
        const FontInUse& font = m_states.back();
        if (!font.codes || !text.isString()) {
            return;
        }
        const std::string bytes = text.getStringValue();
        const std::size_t step = font.twoByte ? 2 : 1;
        for (std::size_t i = 0; i + step <= bytes.size(); i += step) {
            std::uint32_t code = static_cast<unsigned char>(bytes[i]);
            if (font.twoByte) {
                code = (code << 8) | static_cast<unsigned char>(bytes[i + 1]);
            }
            font.codes->insert(code);
        }
    }

    QPDFObjectHandle m_fonts;
    DrawnCodes& m_drawn;
    std::vector<QPDFObjectHandle> m_operands;
    std::vector<FontInUse> m_states { FontInUse {} };
};

} // namespace

DrawnCodes CollectDrawnCodes(QPDF& pdf)
{
    DrawnCodes drawn;
    for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        QPDFObjectHandle resources = page.getAttribute("/Resources", false);
        QPDFObjectHandle fonts = resources.isDictionary() ? resources.getKey("/Font") : QPDFObjectHandle::newNull();
        PageCodes codes(fonts, drawn);
        page.parseContents(&codes);
    }
    return drawn;
}

} // namespace engine
