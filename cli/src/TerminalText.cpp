#include "TerminalText.h"

#include "engine/Utf8.h"

#include <array>
#include <cstdio>
#include <ostream>
#include <utility>

namespace cli {
namespace {

bool IsControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

void AppendEscape(std::string& out, unsigned byte)
{
    switch (byte) {
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X", byte);
        out += escape;
    }
}

// Characters a terminal draws two columns wide: the East Asian wide and full-width blocks.
bool IsWide(char32_t c)
{
    static constexpr std::array<std::pair<char32_t, char32_t>, 12> Wide = { {
        { 0x1100, 0x115F },
        { 0x2E80, 0x303E },
        { 0x3041, 0x33FF },
        { 0x3400, 0x4DBF },
        { 0x4E00, 0x9FFF },
        { 0xA000, 0xA4CF },
        { 0xAC00, 0xD7A3 },
        { 0xF900, 0xFAFF },
        { 0xFE30, 0xFE4F },
        { 0xFF00, 0xFF60 },
        { 0xFFE0, 0xFFE6 },
        { 0x1F300, 0x3FFFD },
    } };
    for (const auto& [first, last] : Wide) {
        if (c >= first && c <= last) {
            return true;
        }
    }
    return false;
}

} // namespace

std::string Printable(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        engine::Utf8Char c = engine::ReadUtf8Char(text, at);
        if (!c.valid || IsControl(c.value)) {
            for (std::size_t i = 0; i < c.length; ++i) {
                AppendEscape(out, static_cast<unsigned char>(text[at + i]));
            }
        } else {
            out.append(text.substr(at, c.length));
        }
        at += c.length;
    }
    return out;
}

std::string_view FitColumns(std::string_view text, std::size_t columns)
{
    std::size_t used = 0;
    for (std::size_t at = 0; at < text.size();) {
        engine::Utf8Char c = engine::ReadUtf8Char(text, at);
        used += IsWide(c.value) ? 2 : 1;
        if (used > columns) {
            return text.substr(0, at);
        }
        at += c.length;
    }
    return text;
}

void PrintProblem(std::ostream& err, std::string_view subject, std::string_view message)
{
    err << "marlowen-cli: " << Printable(subject) << ": " << Printable(message) << "\n";
}

} // namespace cli
