#include "pdf/DrawnCodes.h"

#include "pdf/ContentTokens.h"

#include <qpdf/Pl_String.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <string>
#include <vector>

namespace engine {
namespace {

// The codes one font has shown so far, one flag a code.
struct ShownCodes
{
    bool twoByte = false;
    std::vector<bool> shown;
};

using ShownByFont = std::map<QPDFObjGen, ShownCodes>;

// Follows one page's content: the font each q ... Q level sets with Tf, the strings the text
// operators show with it.
class PageCodes
{
public:
    PageCodes(QPDFObjectHandle fonts, ShownByFont& shown)
        : m_fonts(std::move(fonts))
        , m_shown(shown)
    {
    }

    void read(std::string_view content)
    {
        ContentTokens tokens(content);
        for (auto token = tokens.next(); token.kind != ContentTokens::Kind::End; token = tokens.next()) {
            take(std::move(token));
        }
    }

private:
    using Kind = ContentTokens::Kind;

    void take(ContentTokens::Token token)
    {
        switch (token.kind) {
        case Kind::ArrayStart:
            m_inArray = true;
            m_arrayStrings.clear();
            m_operands.push_back(Kind::ArrayStart);
            return;
        case Kind::ArrayEnd:
            m_inArray = false;
            return;
        case Kind::String:
            if (m_inArray) {
                m_arrayStrings.push_back(std::move(token.text));
                return;
            }
            m_lastString = std::move(token.text);
            break;
        case Kind::Name:
            m_lastName = std::move(token.text);
            break;
        case Kind::Operator:
            run(token.text);
            m_operands.clear();
            return;
        default:
            break;
        }
        if (!m_inArray) {
            m_operands.push_back(token.kind);
        }
    }

    void run(const std::string& op)
    {
        const std::size_t count = m_operands.size();
        if (op == "Tf" && count == 2 && m_operands[0] == Kind::Name) {
            m_states.back() = fontNamed(m_lastName);
        } else if (op == "q") {
            m_states.push_back(m_states.back());
        } else if (op == "Q" && m_states.size() > 1) {
            m_states.pop_back();
        } else if ((op == "Tj" || op == "'" || op == "\"") && count > 0 && m_operands.back() == Kind::String) {
            show(m_lastString);
        } else if (op == "TJ" && count > 0 && m_operands.back() == Kind::ArrayStart) {
            for (const auto& text : m_arrayStrings) {
                show(text);
            }
        }
    }

    ShownCodes* fontNamed(const std::string& name)
    {
        QPDFObjectHandle font = m_fonts.isDictionary() ? m_fonts.getKey("/" + name) : QPDFObjectHandle::newNull();
        if (!font.isIndirect() || !font.isDictionary()) {
            return nullptr;
        }
        auto [entry, added] = m_shown.try_emplace(font.getObjGen());
        if (added) {
            QPDFObjectHandle subtype = font.getKey("/Subtype");
            entry->second.twoByte = subtype.isName() && subtype.getName() == "/Type0";
            entry->second.shown.assign(entry->second.twoByte ? 0x10000 : 0x100, false);
        }
        return &entry->second;
    }

    void show(const std::string& bytes)
    {
        ShownCodes* font = m_states.back();
        if (!font) {
            return;
        }
        const std::size_t step = font->twoByte ? 2 : 1;
        for (std::size_t i = 0; i + step <= bytes.size(); i += step) {
            std::uint32_t code = static_cast<unsigned char>(bytes[i]);
            if (font->twoByte) {
                code = (code << 8) | static_cast<unsigned char>(bytes[i + 1]);
            }
            font->shown[code] = true;
        }
    }

    QPDFObjectHandle m_fonts;
    ShownByFont& m_shown;
    std::vector<Kind> m_operands;
    std::string m_lastName;
    std::string m_lastString;
    bool m_inArray = false;
    std::vector<std::string> m_arrayStrings;
    std::vector<ShownCodes*> m_states { nullptr };
};

} // namespace

DrawnCodes CollectDrawnCodes(QPDF& pdf)
{
    ShownByFont shown;
    std::string content;
    for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        QPDFObjectHandle resources = page.getAttribute("/Resources", false);
        QPDFObjectHandle fonts = resources.isDictionary() ? resources.getKey("/Font") : QPDFObjectHandle::newNull();
        content.clear();
        Pl_String pipeline("page content", nullptr, content);
        page.pipeContents(&pipeline);
        PageCodes(fonts, shown).read(content);
    }
    DrawnCodes drawn;
    for (const auto& [font, codes] : shown) {
        auto& set = drawn[font];
        for (std::uint32_t code = 0; code < codes.shown.size(); ++code) {
            if (codes.shown[code]) {
                set.insert(code);
            }
        }
    }
    return drawn;
}

} // namespace engine
