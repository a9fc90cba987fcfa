#pragma once

#include <string>
#include <string_view>

namespace engine {

// The tokens of a PDF content stream, read without building objects: a text of a few thousand pages
// has millions of them.
class ContentTokens
{
public:
    enum class Kind
    {
        End, // no more tokens
        String, // a literal or hexadecimal string; text holds its bytes
        Name, // text holds the name without its slash, #xx escapes resolved
        ArrayStart, // [
        ArrayEnd, // ]
        Operator, // text holds the operator
        Other, // a number, a dictionary bracket or a stray delimiter
    };

    struct Token
    {
        Kind kind = Kind::End;
        std::string text;
    };

    explicit ContentTokens(std::string_view content)
        : m_content(content)
    {
    }

    // The next token; the binary data of an inline image (after ID, up to EI) is passed over.
    Token next();

private:
    void skipWhiteSpaceAndComments();
    std::string literalString();
    std::string hexString();
    std::string name();
    std::string regularRun();
    void skipInlineImageData();

    std::string_view m_content;
    std::size_t m_at = 0;
};

} // namespace engine
