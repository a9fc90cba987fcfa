#include "ConversionFixture.h"

#include "engine/ChoiceLists.h"
#include "engine/PageFontPitch.h"
#include "pdf/ToUnicodeMap.h"

#include <qpdf/Pl_String.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>

namespace {

const std::string ZenHei = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";
const std::string DejaVuSansMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
const std::string DejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const std::string JapaneseTutor = "/usr/share/vim/vim90/tutor/tutor.ja.utf-8";

int EncodingIndex(std::string_view name)
{
    const auto& choices = engine::SingleByteEncodingChoices;
    return static_cast<int>(std::find(choices.begin(), choices.end(), name) - choices.begin());
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

std::string WithoutWhiteSpace(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f'; });
    return text;
}

// A page of program text in ASCII and a few Latin-1 letters: 60 lines of about 70 characters.
std::string LatinPage()
{
    const char* words[] = { "the", "quick", "brown", "fox", "jumps", "over", "lazy", "dog", "Lorem", "ipsum", "dolor",
        "sit", "amet", "0123456789", "(x)", "[y]", "{z};", "a+b=c", "café", "naïve", "Größe", "C:\\tmp", "#include", "<stdio.h>",
        "return", "0;", "*p++", "x/y", "50%", "$HOME", "@all" };
    std::string page;
    std::size_t next = 0;
    for (int line = 0; line < 60; ++line) {
        std::string text;
        while (text.size() < 70) {
            text += words[(next = (next * 7 + 3) % std::size(words))];
            text += ' ';
        }
        page += text + "\n";
    }
    return page;
}

// The content of every page as the pages' streams hold it, decoded.
std::string PageContents(const std::string& pdfPath)
{
    QPDF pdf;
    pdf.processFile(pdfPath.c_str());
    std::string content;
    Pl_String pipeline("contents", nullptr, content);
    for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        page.pipeContents(&pipeline);
    }
    return content;
}

class FontSubsetTest : public ConversionFixture
{
protected:
    void useTrueType(const std::string& font, std::string_view encoding, bool embed = true)
    {
        m_options.PageFont = engine::TrueTypeFont;
        m_options.TrueTypeFile = font;
        m_options.SingeEncode = EncodingIndex(encoding);
        m_options.EmbeddingFont = embed ? engine::Yes : engine::No;
    }

    // The one font of a converted PDF.
    testsupport::FontProbe onlyFont(const engine::FileResult& result, const std::string& password = "")
    {
        auto fonts = probe(result, password).fonts();
        EXPECT_EQ(fonts.size(), 1u);
        return fonts.empty() ? testsupport::FontProbe {} : fonts.begin()->second;
    }
};

bool Present(std::initializer_list<std::string> paths)
{
    return std::all_of(paths.begin(), paths.end(), [](const auto& path) { return std::filesystem::exists(path); });
}

struct SizeCase
{
    const char* name;
    std::string font;
    std::string_view encoding;
    std::string text;
    std::uintmax_t mostBytes;
};

} // namespace

// The font files are cut down to the glyphs drawn: the PDFs stay within their sizes, readers find
// nothing wrong, and the text comes back whole through the new ToUnicode maps.
TEST_F(FontSubsetTest, EmbeddedFontsAreSmallSubsetsThatReadBack)
{
    if (!Present({ ZenHei, DejaVuSansMono, JapaneseTutor })) {
        GTEST_SKIP() << "needs fonts-wqy-zenhei, fonts-dejavu-core and vim-runtime's Japanese tutor";
    }
    const SizeCase cases[] = {
        { "hello world, WenQuanYi, UTF-8", ZenHei, "UTF-8", "hello world\n", 30 * 1024 },
        { "the Japanese tutor, WenQuanYi, UTF-8", ZenHei, "UTF-8", ReadFile(JapaneseTutor), 150 * 1024 },
        { "a Latin page, DejaVu Sans Mono, WinAnsiEncoding", DejaVuSansMono, "WinAnsiEncoding", LatinPage(),
            40 * 1024 },
        { "a Latin page, DejaVu Sans Mono, UTF-8", DejaVuSansMono, "UTF-8", LatinPage(), 40 * 1024 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useTrueType(c.font, c.encoding);
        auto result = convert(c.text);
        ASSERT_TRUE(result.outcome) << result.outcome.failure().reason;
        const auto font = onlyFont(result);
        EXPECT_TRUE(font.embedded);
        EXPECT_GT(font.fontFileBytes, 0u);
        EXPECT_LT(font.fontFileBytes, c.mostBytes / 2);
        EXPECT_EQ(font.fontFileLength1, static_cast<long long>(font.fontFileLength));
        EXPECT_LE(std::filesystem::file_size(result.outputPath), c.mostBytes);
        EXPECT_EQ(testsupport::QpdfCheckProblems(result.outputPath), "");
        EXPECT_EQ(testsupport::ReaderComplaints(result.outputPath), "");
        EXPECT_EQ(WithoutWhiteSpace(testsupport::ExtractText(result.outputPath)), WithoutWhiteSpace(c.text));
    }
}

// A simple font's subset keeps the glyphs its character map finds, a UTF-8 font's subset those its
// CIDToGIDMap finds: two ways to the same glyphs, drawn alike. Encodings with differences name the
// codes drawn so that readers find the very glyphs kept ("mu" would be taken for the micro sign).
TEST_F(FontSubsetTest, SingleByteAndUtf8SubsetsDrawTheSameGlyphs)
{
    if (!Present({ DejaVuSansMono, DejaVuSans })) {
        GTEST_SKIP() << "needs fonts-dejavu-core";
    }
    const SizeCase cases[] = {
        { "Latin, WinAnsiEncoding", DejaVuSansMono, "WinAnsiEncoding", LatinPage(), 0 },
        { "Greek, ISO8859-7", DejaVuSans, "ISO8859-7", "Γειά σου! μ Ξεσκεπάζω την ψυχοφθόρα βδελυγμία\n", 0 },
        { "Russian, CP1251", DejaVuSans, "CP1251", "Съешь же ещё этих мягких французских булок.\n", 0 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        useTrueType(c.font, c.encoding);
        auto singleByte = convert(c.text, "single.txt");
        useTrueType(c.font, "UTF-8");
        auto utf8 = convert(c.text, "utf8.txt");
        ASSERT_TRUE(singleByte.outcome && utf8.outcome);
        const std::string drawn = testsupport::RenderFirstPage(singleByte.outputPath, 50);
        const auto dark = std::count_if(
            drawn.begin(), drawn.end(), [](char pixel) { return static_cast<unsigned char>(pixel) < 128; });
        EXPECT_GT(dark, 100) << "the page shows no text";
        EXPECT_TRUE(drawn == testsupport::RenderFirstPage(utf8.outputPath, 50));
        EXPECT_EQ(WithoutWhiteSpace(testsupport::ExtractText(singleByte.outputPath)), WithoutWhiteSpace(c.text));
    }
}

// The subsetting rewrites fonts only: the pages' content is what the library wrote, as in a PDF
// whose font is not embedded (and so not rewritten).
TEST_F(FontSubsetTest, ThePagesContentStaysAsTheLibraryWroteIt)
{
    if (!Present({ DejaVuSansMono })) {
        GTEST_SKIP() << "needs fonts-dejavu-core";
    }
    useTrueType(DejaVuSansMono, "WinAnsiEncoding", true);
    auto embedded = convert(LatinPage(), "embedded.txt");
    useTrueType(DejaVuSansMono, "WinAnsiEncoding", false);
    auto referenced = convert(LatinPage(), "referenced.txt");
    ASSERT_TRUE(embedded.outcome && referenced.outcome);
    EXPECT_TRUE(onlyFont(embedded).embedded);
    EXPECT_FALSE(onlyFont(referenced).embedded);
    EXPECT_EQ(PageContents(embedded.outputPath), PageContents(referenced.outputPath));
}

// Encryption and subsetting are one rewrite of the document: the fonts are small under every method,
// and the password still opens the text.
TEST_F(FontSubsetTest, EncryptedDocumentsAreSubsetToo)
{
    if (!Present({ ZenHei })) {
        GTEST_SKIP() << "needs fonts-wqy-zenhei";
    }
    useTrueType(ZenHei, "UTF-8");
    const std::pair<int, std::string> methods[] = { { engine::Rc4Encryption, "RC4" },
        { engine::Aes128Encryption, "AES-128" }, { engine::Aes256Encryption, "AES-256" } };
    for (const auto& [method, cipher] : methods) {
        SCOPED_TRACE(cipher);
        m_options.EncryptMethod = method;
        auto result = convert("hello world 你好\n", "secret.txt", "owner", "user");
        ASSERT_TRUE(result.outcome) << result.outcome.failure().reason;
        EXPECT_EQ(probe(result, "user").cipher(), cipher);
        EXPECT_LT(onlyFont(result, "user").fontFileBytes, 15u * 1024);
        EXPECT_EQ(testsupport::QpdfCheckProblems(result.outputPath, "user"), "");
        EXPECT_EQ(WithoutWhiteSpace(testsupport::ExtractText(result.outputPath, "user")), "helloworld你好");
    }
}

// A collection's face is the one asked for; a face the file lacks fails the file, naming it and its faces.
TEST_F(FontSubsetTest, TrueTypeFaceChoosesTheFaceOfACollection)
{
    if (!Present({ ZenHei, DejaVuSansMono })) {
        GTEST_SKIP() << "needs fonts-wqy-zenhei and fonts-dejavu-core";
    }
    useTrueType(ZenHei, "UTF-8");
    m_options.TrueTypeFace = 1;
    auto mono = convert("hello\n");
    ASSERT_TRUE(mono.outcome) << mono.outcome.failure().reason;
    EXPECT_TRUE(probe(mono).fonts().begin()->first.ends_with("+WenQuanYiZenHeiMono"));

    m_options.TrueTypeFace = 3;
    auto beyond = convert("hello\n");
    ASSERT_FALSE(beyond.outcome);
    EXPECT_EQ(beyond.outcome.failure().kind, base::FailureKind::Options);
    EXPECT_EQ(beyond.outcome.failure().reason,
        ZenHei + ": the TrueType face 3 is not in the file, which holds 3 faces (0 to 2)");

    useTrueType(DejaVuSansMono, "UTF-8");
    m_options.TrueTypeFace = 1;
    auto single = convert("hello\n");
    ASSERT_FALSE(single.outcome);
    EXPECT_NE(single.outcome.failure().reason.find("which holds 1 face (0)"), std::string::npos);
}

// A preview's font follows the page font's pitch: Courier, a TrueType face whose post table says fixed
// (the Mono face of a collection too), the CID fonts without proportional widths.
TEST(PageFontPitch, FollowsThePageFontsOwnWord)
{
    if (!Present({ ZenHei, DejaVuSansMono, DejaVuSans })) {
        GTEST_SKIP() << "needs fonts-wqy-zenhei and fonts-dejavu-core";
    }
    struct Case
    {
        const char* what;
        int pageFont;
        std::string trueTypeFile;
        int face;
        int choice; // B14Font or CIDFont
        bool monospaced;
    };
    const Case cases[] = {
        { "Courier", engine::Base14Font, {}, 0, 0, true },
        { "Helvetica", engine::Base14Font, {}, 0, 4, false },
        { "DejaVu Sans Mono", engine::TrueTypeFont, DejaVuSansMono, 0, 0, true },
        { "DejaVu Sans", engine::TrueTypeFont, DejaVuSans, 0, 0, false },
        { "WenQuanYi Zen Hei Mono, face 1", engine::TrueTypeFont, ZenHei, 1, 0, true },
        { "a face beyond the collection's", engine::TrueTypeFont, ZenHei, 7, 0, false },
        { "MS-Gothic", engine::CidFont, {}, 0, 4, true },
        { "MS-PGothic", engine::CidFont, {}, 0, 6, false },
    };
    for (const auto& c : cases) {
        engine::ConversionOptions options;
        options.PageFont = c.pageFont;
        options.TrueTypeFile = c.trueTypeFile;
        options.TrueTypeFace = c.face;
        (c.pageFont == engine::CidFont ? options.CIDFont : options.B14Font) = c.choice;
        EXPECT_EQ(engine::PageFontIsMonospaced(options), c.monospaced) << c.what;
    }
}

// The ToUnicode map read back gives every code its character: runs become bfrange entries that never
// cross a last-byte boundary, characters beyond the Basic Multilingual Plane surrogate pairs, and no
// block holds more than the 100 entries the format allows.
TEST(ToUnicodeCMap, ReadsBackAsWritten)
{
    std::map<std::uint32_t, char32_t> characters;
    for (std::uint32_t code = 0x20; code < 0x7F; ++code) {
        characters[code] = code;
    }
    for (std::uint32_t code = 0xF0; code < 0x110; ++code) { // a run across a last-byte boundary
        characters[code] = code;
    }
    for (std::uint32_t code = 0x3000; code < 0x3400; code += 3) { // many single entries
        characters[code] = code + 0x1000;
    }
    characters[0xE000] = U'\U0001F600';
    characters[0xE001] = U'\U0001F601';
    characters[0xFFFF] = U'\U0010FFFD';
    const std::string cmap = engine::ToUnicodeCMap(characters, 2);

    std::map<std::uint32_t, char32_t> read;
    auto utf16 = [](const std::string& hex) -> char32_t {
        const auto first = static_cast<char32_t>(std::stoul(hex.substr(0, 4), nullptr, 16));
        if (hex.size() == 8) {
            const auto second = static_cast<char32_t>(std::stoul(hex.substr(4), nullptr, 16));
            return 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00);
        }
        EXPECT_EQ(hex.size(), 4u);
        return first;
    };
    const std::regex single(R"(^<([0-9A-F]{4})> <([0-9A-F]+)>$)");
    const std::regex range(R"(^<([0-9A-F]{4})> <([0-9A-F]{4})> <([0-9A-F]+)>$)");
    const std::regex begin(R"(^(\d+) begin(bfchar|bfrange)$)");
    std::istringstream lines(cmap);
    int inBlock = 0;
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_match(line, match, begin)) {
            inBlock = std::stoi(match[1]);
            EXPECT_LE(inBlock, 100);
        } else if (inBlock == 0) {
            continue;
        } else if (std::regex_match(line, match, range)) {
            const auto first = std::stoul(match[1], nullptr, 16);
            const auto last = std::stoul(match[2], nullptr, 16);
            EXPECT_EQ(first >> 8, last >> 8) << line;
            for (auto code = first; code <= last; ++code) {
                read[code] = utf16(match[3]) + static_cast<char32_t>(code - first);
            }
            --inBlock;
        } else if (std::regex_match(line, match, single)) {
            read[std::stoul(match[1], nullptr, 16)] = utf16(match[2]);
            --inBlock;
        }
        EXPECT_GE(inBlock, 0);
    }
    EXPECT_EQ(read, characters);
    EXPECT_NE(cmap.find("1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange"), std::string::npos);
}
