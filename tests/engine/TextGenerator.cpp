#include "TextGenerator.h"

#include "platform/TextFile.h"

#include <algorithm>
#include <array>

namespace enginetest {

TextGenerator::TextGenerator(std::uint32_t seed, Alphabet alphabet)
    : m_random(seed)
    , m_alphabet(alphabet)
{
    // Each text gets its own shape: prose, log-like short lines, long paragraphs, few spaces.
    m_longWords = std::array { 0, 5, 30, 200 }[static_cast<std::size_t>(below(4))];
    m_lineBreaks = std::array { 5, 30, 150, 400 }[static_cast<std::size_t>(below(4))];
    m_maxWord = std::array { 6, 12, 25 }[static_cast<std::size_t>(below(3))];
}

std::string TextGenerator::fileBytes(std::size_t length)
{
    std::string text;
    if (below(8) == 0) {
        text.append(static_cast<std::size_t>(below(4)), ' '); // leading blanks
    }
    while (text.size() < length) {
        int wordLength = below(1000) < m_longWords ? 30 + below(600) : 1 + below(m_maxWord);
        appendWord(text, wordLength);
        appendSeparator(text);
    }
    if (below(3) == 0) {
        text += below(2) ? "\r\n" : "\n"; // a last line end, or none
    }
    return text;
}

std::string TextGenerator::working(std::string bytes)
{
    std::string text = platform::TextModeFromBytes(std::move(bytes));
    std::replace(text.begin(), text.end(), '\n', '\r');
    return text;
}

void TextGenerator::appendWord(std::string& text, int length)
{
    for (int i = 0; i < length; ++i) {
        appendCharacter(text);
    }
}

void TextGenerator::appendCharacter(std::string& text)
{
    static constexpr char Ascii[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.,;:-_()[]{}'\"!?/=+*&%$#@<>|~";
    int pick = below(100);
    if (pick < 2) {
        text += static_cast<char>(1 + below(8)); // a control byte: no width in most fonts
        return;
    }
    switch (m_alphabet) {
    case Alphabet::SingleByte:
        if (pick < 12) {
            text += static_cast<char>(0x80 + below(0x80));
            return;
        }
        break;
    case Alphabet::GbEuc:
        if (pick < 45) {
            text += static_cast<char>(0xB0 + below(0x28));
            text += static_cast<char>(0xA1 + below(0x5E));
            return;
        }
        if (pick < 47) {
            text += static_cast<char>(0xA1 + below(0x5E)); // a lead byte without its trail byte
            return;
        }
        break;
    case Alphabet::Utf8:
        if (pick < 40) {
            static constexpr const char* Characters[] = { "\xC3\xA9", "\xD0\x96", "\xE2\x82\xAC", "\xE6\xBC\xA2",
                                                          "\xF0\x9F\x98\x80", "\xCE\xA9", "\xE2\x80\x94" };
            text += Characters[below(7)];
            return;
        }
        break;
    case Alphabet::ShiftJis:
        if (pick < 40) {
            text += static_cast<char>(0x88 + below(0x17));
            text += static_cast<char>(0x40 + below(0xBC));
            return;
        }
        if (pick < 50) {
            text += static_cast<char>(0xA1 + below(0x3F)); // half-width katakana
            return;
        }
        break;
    }
    text += Ascii[below(sizeof Ascii - 1)];
}

void TextGenerator::appendSeparator(std::string& text)
{
    if (below(1000) < m_lineBreaks) {
        static constexpr const char* Ends[] = { "\r\n", "\n", "\r", "\r\r\n", "\n\n", "\r\n\r\n" };
        text += Ends[below(6)];
        return;
    }
    int pick = below(100);
    if (pick < 80) {
        text += ' ';
    } else if (pick < 90) {
        text.append(static_cast<std::size_t>(2 + below(5)), ' ');
    } else if (pick < 95) {
        text += '\t';
    } else {
        text += below(2) ? '\f' : '\v';
    }
}

} // namespace enginetest
