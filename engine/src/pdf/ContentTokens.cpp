#include "pdf/ContentTokens.h"

namespace engine {
namespace {

bool IsWhiteSpace(char c)
{
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c)
{
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' || c == '}' || c == '/'
        || c == '%';
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsOperatorStart(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '"' || c == '*';
}

} // namespace

ContentTokens::Token ContentTokens::next()
{
    skipWhiteSpaceAndComments();
    if (m_at >= m_content.size()) {
        return {};
    }
    const char c = m_content[m_at];
    switch (c) {
    case '(':
        ++m_at;
        return { Kind::String, literalString() };
    case '<':
        if (m_at + 1 < m_content.size() && m_content[m_at + 1] == '<') {
            m_at += 2;
            return { Kind::Other, "<<" };
        }
        ++m_at;
        return { Kind::String, hexString() };
    case '/':
        ++m_at;
        return { Kind::Name, name() };
    case '[':
        ++m_at;
        return { Kind::ArrayStart, {} };
    case ']':
        ++m_at;
        return { Kind::ArrayEnd, {} };
    default:
        break;
    }
    if (IsDelimiter(c)) {
        ++m_at;
        return { Kind::Other, std::string(1, c) };
    }
    std::string run = regularRun();
    if (!IsOperatorStart(run.front())) {
        return { Kind::Other, std::move(run) };
    }
    if (run == "ID") {
        skipInlineImageData();
    }
    return { Kind::Operator, std::move(run) };
}

void ContentTokens::skipWhiteSpaceAndComments()
{
    while (m_at < m_content.size()) {
        if (IsWhiteSpace(m_content[m_at])) {
            ++m_at;
        } else if (m_content[m_at] == '%') {
            while (m_at < m_content.size() && m_content[m_at] != '\n' && m_content[m_at] != '\r') {
                ++m_at;
            }
        } else {
            return;
        }
    }
}

std::string ContentTokens::literalString()
{
    std::string bytes;
    int depth = 1;
    while (m_at < m_content.size()) {
        char c = m_content[m_at++];
        if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            break;
        } else if (c == '\\' && m_at < m_content.size()) {
            c = m_content[m_at++];
            switch (c) {
            case 'n':
                c = '\n';
                break;
            case 'r':
                c = '\r';
                break;
            case 't':
                c = '\t';
                break;
            case 'b':
                c = '\b';
                break;
            case 'f':
                c = '\f';
                break;
            case '\r':
                if (m_at < m_content.size() && m_content[m_at] == '\n') {
                    ++m_at;
                }
                continue;
            case '\n':
                continue;
            default:
                if (c >= '0' && c <= '7') {
                    int value = c - '0';
                    for (int digits = 1;
                         digits < 3 && m_at < m_content.size() && m_content[m_at] >= '0' && m_content[m_at] <= '7';
                         ++digits) {
                        value = value * 8 + (m_content[m_at++] - '0');
                    }
                    c = static_cast<char>(value & 0xFF);
                }
                break;
            }
        }
        bytes += c;
    }
    return bytes;
}

std::string ContentTokens::hexString()
{
    std::string bytes;
    int high = -1;
    while (m_at < m_content.size() && m_content[m_at] != '>') {
        const int value = HexValue(m_content[m_at++]);
        if (value < 0) {
            continue;
        }
        if (high < 0) {
            high = value;
        } else {
            bytes += static_cast<char>(high * 16 + value);
            high = -1;
        }
    }
    ++m_at;
    if (high >= 0) { // an odd last digit is followed by 0
        bytes += static_cast<char>(high * 16);
    }
    return bytes;
}

std::string ContentTokens::name()
{
    std::string text = regularRun();
    std::string resolved;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '#' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            resolved += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            resolved += text[i];
        }
    }
    return resolved;
}

std::string ContentTokens::regularRun()
{
    const std::size_t start = m_at;
    while (m_at < m_content.size() && !IsWhiteSpace(m_content[m_at]) && !IsDelimiter(m_content[m_at])) {
        ++m_at;
    }
    return std::string(m_content.substr(start, m_at - start));
}

void ContentTokens::skipInlineImageData()
{
    // One white-space character follows ID; the data ends at EI standing alone.
    ++m_at;
    while (m_at + 2 <= m_content.size()) {
        if (m_content.compare(m_at, 2, "EI") == 0 && IsWhiteSpace(m_content[m_at - 1])
            && (m_at + 2 == m_content.size() || IsWhiteSpace(m_content[m_at + 2]))) {
            return;
        }
        ++m_at;
    }
    m_at = m_content.size();
}

} // namespace engine
