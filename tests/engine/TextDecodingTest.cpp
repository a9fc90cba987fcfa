#include "engine/ChoiceLists.h"
#include "engine/TextDecoding.h"

#include "text/InputDecoder.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

// UTF-16 bytes of a text, with the byte order mark, as an editor saves it.
std::string Utf16(const std::u16string& text, bool bigEndian)
{
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        char high = static_cast<char>(unit >> 8);
        char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string { high, low } : std::string { low, high };
    }
    return bytes;
}

struct DecodeCase
{
    const char* name;
    std::string input;
    const char* encoding;
    std::string expected;
};

TEST(TextDecoding, UnicodeInputIsConvertedIntoTheFontsEncoding)
{
    const DecodeCase cases[] = {
        { "Cyrillic in CP1251", "Привет, мир", "CP1251", "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0" },
        { "Cyrillic in KOI8-R", "Привет", "KOI8-R", "\xF0\xD2\xC9\xD7\xC5\xD4" },
        { "Greek in ISO8859-7", "Γειά", "ISO8859-7", "\xC3\xE5\xE9\xDC" },
        { "euro sign in WinAnsi", "€ café", "WinAnsiEncoding", "\x80 caf\xE9" },
        { "MacRoman", "é", "MacRomanEncoding", "\x8E" },
        { "ASCII keeps its bytes, a curly quote takes StandardEncoding's", "it’s 'a' `b`", "StandardEncoding",
          "it's 'a' `b`" },
        { "GB2312", "中文 ok", "GB-EUC-H", "\xD6\xD0\xCE\xC4 ok" },
        { "GBK beyond GB2312", "丂", "GBK-EUC-H", "\x81\x40" },
        { "Big5", "中文", "ETen-B5-H", "\xA4\xA4\xA4\xE5" },
        { "Shift_JIS (Microsoft)", "日本", "90ms-RKSJ-H", "\x93\xFA\x96\x7B" },
        { "Shift_JIS, proportional", "日本\\", "90msp-RKSJ-H", "\x93\xFA\x96\x7B\\" },
        { "EUC-JP", "日本", "EUC-V", "\xC6\xFC\xCB\xDC" },
        { "EUC-KR", "한국", "KSC-EUC-H", "\xC7\xD1\xB1\xB9" },
        { "UHC beyond EUC-KR", "똠", "KSCms-UHC-HW-H", "\x8C\x63" },
        { "UTF-8 stays UTF-8", "Ж中€", "UTF-8", "Ж中€" },
        { "a leading byte order mark is dropped", "\xEF\xBB\xBF"s + "abc", "CP1251", "abc" },
        { "UTF-16 LE", Utf16(u"Привет\r\nA", false), "CP1251", "\xCF\xF0\xE8\xE2\xE5\xF2\nA" },
        { "UTF-16 BE", Utf16(u"中文", true), "GB-EUC-H", "\xD6\xD0\xCE\xC4" },
        { "UTF-16 LE without a byte order mark", Utf16(u"Tab\tcafé\r\n", false).substr(2), "WinAnsiEncoding",
          "Tab\tcaf\xE9\n" },
        { "UTF-16 BE without a byte order mark", Utf16(u"ab", true).substr(2), "CP1251", "ab" },
        { "Cyrillic UTF-16 LE without a byte order mark", Utf16(u"Привет, мир!\r\n", false).substr(2), "CP1251",
          "\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!\n" },
        { "a DOS end-of-file mark ends the text without a word", "text\r\n\x1A", "CP1251", "text\n" },
        { "so it does in UTF-16", Utf16(u"text\u001A", false), "CP1251", "text" },
        { "ASCII passes unchanged", "plain\ttext", "KOI8-R", "plain\ttext" },
        { "Latin-1 passes unchanged", "caf\xE9 \xFC", "CP1251", "caf\xE9 \xFC" },
        { "GB2312 bytes pass unchanged", "\xD6\xD0\xCE\xC4", "GB-EUC-H", "\xD6\xD0\xCE\xC4" },
    };
    for (const auto& c : cases) {
        auto decoded = engine::DecodeInputBytes(c.input, c.encoding);
        EXPECT_EQ(decoded.text, c.expected) << c.name;
        EXPECT_TRUE(decoded.warnings.empty()) << c.name;
    }
}

struct UnmappableCase
{
    const char* name;
    std::string input;
    const char* encoding;
    std::string expected;
    const char* warning;
};

// Characters the encoding lacks become "?", and a NUL or Ctrl+Z still ends the text: each is told
// in one warning, the end of the text with its offset in the file and how much is left out.
TEST(TextDecoding, WhatTheTextLosesIsToldInOneWarning)
{
    const UnmappableCase cases[] = {
        { "one character", "Ж中Ж", "CP1251", "\xC6?\xC6",
          "1 character is not in the encoding CP1251 and is drawn as \"?\": U+4E2D \"中\"" },
        { "several, the first named", "a語é中", "WinAnsiEncoding", "a?\xE9?",
          "2 characters are not in the encoding WinAnsiEncoding and are drawn as \"?\"; the first is U+8A9E \"語\"" },
        { "a byte order mark makes bytes UTF-8", "\xEF\xBB\xBF\xE9"s, "WinAnsiEncoding", "?",
          "1 character is not in the encoding WinAnsiEncoding and is drawn as \"?\": the byte 0xE9 (not UTF-8)" },
        { "a traditional character in GB2312", "中語", "GB-EUC-H", "\xD6\xD0?",
          "1 character is not in the encoding GB-EUC-H and is drawn as \"?\": U+8A9E \"語\"" },
        { "a broken UTF-16 surrogate", Utf16(u"a\xD800z", false), "CP1251", "a?z",
          "1 character is not in the encoding CP1251 and is drawn as \"?\": U+FFFD \"\xEF\xBF\xBD\"" },
        { "a UTF-16 surrogate pair beyond what the library's UTF-8 draws", Utf16(u"a\U0001D11Eb", true), "UTF-8",
          "a?b", "1 character is not in the encoding UTF-8 and is drawn as \"?\": U+1D11E \"\U0001D11E\"" },
        { "bytes that are not UTF-8 with the UTF-8 encoding", "caf\xE9 \xFC", "UTF-8", "caf? ?",
          "2 characters are not in the encoding UTF-8 and are drawn as \"?\"; the first is the byte 0xE9 (not "
          "UTF-8)" },
        { "a NUL", "é\r\nx\0tail"s, "WinAnsiEncoding", "\xE9\nx",
          "the text ends at the NUL byte at byte offset 5: the 5 bytes from there to the end of the file are left "
          "out" },
        { "a Ctrl+Z before more text", "ab\x1A\n"s, "CP1251", "ab",
          "the text ends at the Ctrl+Z (0x1A) byte at byte offset 2: the 2 bytes from there to the end of the file "
          "are left out" },
        { "NULs in low and high bytes alike are no UTF-16", "a\0\0b"s, "CP1251", "a",
          "the text ends at the NUL byte at byte offset 1: the 3 bytes from there to the end of the file are left "
          "out" },
        { "a Ctrl+Z in UTF-16", Utf16(u"ab\u001Acd", false), "CP1251", "ab",
          "the text ends at the Ctrl+Z (0x1A) character at byte offset 6: the 6 bytes from there to the end of the "
          "file are left out" },
        { "a NUL character in UTF-16 without a byte order mark", Utf16(u"abcdefghij\0d"s, true).substr(2), "CP1251",
          "abcdefghij",
          "the text ends at the NUL character at byte offset 20: the 4 bytes from there to the end of the file are "
          "left out" },
    };
    for (const auto& c : cases) {
        auto decoded = engine::DecodeInputBytes(c.input, c.encoding);
        EXPECT_EQ(decoded.text, c.expected) << c.name;
        EXPECT_EQ(decoded.warnings, std::vector<std::string> { c.warning }) << c.name;
    }
}

TEST(TextDecoding, ReadInputTextUsesTheEncodingTheOptionsGiveThePageFont)
{
    testsupport::TempDir dir;
    auto path = dir.write("input.txt", "Straße 中").string();
    engine::ConversionOptions options;
    options.SingeEncode = static_cast<int>(engine::SingleByteEncodingChoices.size()) - 1; // UTF-8
    options.FallbackFonts = engine::No; // the text in the page font's encoding alone

    auto text = engine::ReadInputText(path, options); // Courier cannot take UTF-8
    ASSERT_TRUE(text) << text.error();
    EXPECT_EQ(text->encoding, "WinAnsiEncoding");
    EXPECT_EQ(text->text, "Stra\xDF" "e ?");
    ASSERT_EQ(text->warnings.size(), 1u);
    EXPECT_NE(text->warnings[0].find("U+4E2D"), std::string::npos) << text->warnings[0];

    options.SingeEncode = 99; // outside the list: the converter uses the default font
    EXPECT_EQ(engine::ReadInputText(path, options)->encoding, "StandardEncoding");

    options.SingeEncode = static_cast<int>(engine::SingleByteEncodingChoices.size()) - 1;
    options.PageFont = engine::TrueTypeFont;
    text = engine::ReadInputText(path, options);
    EXPECT_EQ(text->encoding, "UTF-8");
    EXPECT_EQ(text->text, "Straße 中");

    options.PageFont = engine::CidFont;
    options.CIDFont = 7;     // Batang: a Korean font keeps to a Korean CMap
    options.MultiEncode = 0; // GB-EUC-H
    text = engine::ReadInputText(path, options);
    EXPECT_EQ(text->encoding, "KSC-EUC-H");

    auto missing = engine::ReadInputText((dir.path() / "missing.txt").string(), options);
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.error().find("cannot open"), std::string::npos) << missing.error();
}

struct DisplayCase
{
    const char* name;
    std::string bytes;
    int pageFont;
    int encoding; // SingeEncode, or MultiEncode for a CID font (SimSun)
    std::string expected;
};

TEST(TextDecoding, TheUnicodeTextIsWhatThePdfShows)
{
    const DisplayCase cases[] = {
        { "CP1251 bytes as they are", "\xCF\xF0\xE8", engine::Base14Font, 19, "При" },
        { "StandardEncoding draws the ASCII quote curly", "it's", engine::Base14Font, 0, "it’s" },
        { "converted UTF-8, a character the encoding lacks from a fallback font", "Ж中", engine::Base14Font, 19,
          "Ж中" },
        { "converted UTF-8 with its question mark", "Ж\U0001F600", engine::Base14Font, 19, "Ж?" },
        { "GB2312 bytes as they are", "\xD6\xD0\xCE\xC4", engine::CidFont, 0, "中文" },
        { "a lead byte without its trail byte", "a\xD6", engine::CidFont, 0, "a\uFFFD" },
        { "UTF-8 through a TrueType font", "Ж中", engine::TrueTypeFont, 28, "Ж中" },
    };
    testsupport::TempDir dir;
    for (const auto& c : cases) {
        engine::ConversionOptions options;
        options.PageFont = c.pageFont;
        (c.pageFont == engine::CidFont ? options.MultiEncode : options.SingeEncode) = c.encoding;
        auto text = engine::ReadInputText(dir.write("input.txt", c.bytes).string(), options);
        EXPECT_EQ(text->unicodeText, c.expected) << c.name;
    }
}

} // namespace
