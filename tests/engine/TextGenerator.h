#pragma once

#include <cstdint>
#include <random>
#include <string>

namespace enginetest {

// What kind of bytes the generated words are made of.
enum class Alphabet {
    SingleByte, // ASCII, Latin-1 letters, control bytes the fonts give no width
    GbEuc,      // ASCII mixed with two-byte GB-EUC characters, now and then a stray lead byte
    ShiftJis,   // ASCII mixed with two-byte Shift-JIS characters and one-byte katakana
    Utf8,       // ASCII mixed with UTF-8 characters of two, three and four bytes
};

// Random texts shaped like what gets converted: words of random lengths, now and then a long word
// or a run without spaces, single and repeated blanks, tabs and other white space, empty lines,
// and line ends as CR LF, LF, lone CR and CR CR LF. working() turns them into the layout's working
// text the way a conversion does.
class TextGenerator
{
public:
    TextGenerator(std::uint32_t seed, Alphabet alphabet);

    // A file's bytes of roughly the given length.
    std::string fileBytes(std::size_t length);
    // The working text of a file's bytes: text mode, then single CRs as line separators.
    static std::string working(std::string bytes);

    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }

private:
    void appendWord(std::string& text, int length);
    void appendCharacter(std::string& text);
    void appendSeparator(std::string& text);

    std::mt19937 m_random;
    Alphabet m_alphabet;
    int m_longWords;    // per mille of words that are long
    int m_lineBreaks;   // per mille of separators that end the line
    int m_maxWord;
};

} // namespace enginetest
