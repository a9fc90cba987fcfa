#include "ConversionFixture.h"

#include "engine/ChoiceLists.h"

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

namespace {

const std::string DejaVuSansMono = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";
const std::string ZenHeiCollection = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc";

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), {} };
}

std::string WithoutWhiteSpace(const std::string& text)
{
    std::string kept;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\f') {
            kept += c;
        }
    }
    return kept;
}

// What pdftotext writes on its standard error for a PDF: its warnings.
std::string ReaderWarnings(const std::string& pdfPath)
{
    std::string command = "pdftotext -enc UTF-8 '" + pdfPath + "' /dev/null 2>&1";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string out;
    std::array<char, 4096> buffer {};
    for (std::size_t n; pipe && (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;) {
        out.append(buffer.data(), n);
    }
    // libharu writes no valid ToUnicode map for UTF-8 TrueType fonts yet; the finishing pass of the
    // embedded fonts replaces it.
    const std::string known = "Syntax Warning: Invalid 'begincidrange' operator in ToUnicode CMap\n";
    for (std::size_t at; (at = out.find(known)) != std::string::npos;) {
        out.erase(at, known.size());
    }
    return out;
}

// The page content streams of a PDF, decoded, all pages in order, hashed (FNV-1a).
std::uint64_t ContentDigest(const std::string& pdfPath)
{
    QPDF pdf;
    pdf.processFile(pdfPath.c_str());
    std::uint64_t hash = 14695981039346656037ull;
    for (auto& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        Pl_Buffer contents("contents");
        page.pipeContents(&contents);
        auto buffer = contents.getBufferSharedPointer();
        for (std::size_t i = 0; i < buffer->getSize(); ++i) {
            hash = (hash ^ buffer->getBuffer()[i]) * 1099511628211ull;
        }
    }
    return hash;
}

bool Exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

// The tutors of the installed vim runtime (/usr/share/vim/vim90/tutor/ and the like); empty when none.
std::string TutorFolder()
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/usr/share/vim", error)) {
        if (entry.path().filename().string().starts_with("vim") && Exists(entry.path() / "tutor")) {
            return (entry.path() / "tutor/").string();
        }
    }
    return {};
}

class FallbackFontTest : public ConversionFixture
{
protected:
    void SetUp() override
    {
        if (!Exists(DejaVuSansMono) || !Exists(ZenHeiCollection)) {
            GTEST_SKIP() << "needs DejaVu Sans Mono and WenQuanYi Zen Hei (fonts-dejavu-core, fonts-wqy-zenhei)";
        }
    }

    // Converts a file and expects pdftotext to give back every character of it, without warnings.
    void expectWhole(const std::string& path, const std::string& label)
    {
        std::string text = ReadFile(path);
        auto result = convert(text, std::filesystem::path(path).filename().string());
        ASSERT_TRUE(result.written()) << label;
        EXPECT_TRUE(result.warnings.empty()) << label << ": " << result.warnings.front();
        if (text.starts_with("\xEF\xBB\xBF")) {
            text.erase(0, 3); // the byte order mark
        }
        EXPECT_EQ(WithoutWhiteSpace(testsupport::ExtractText(result.outputPath)), WithoutWhiteSpace(text)) << label;
        EXPECT_EQ(ReaderWarnings(result.outputPath), "") << label;
    }
};

// The vim tutors in Japanese, Greek, Russian and Vietnamese with the default options (Courier in
// WinAnsiEncoding): the characters Courier lacks come from installed fonts, every one is extracted
// again. A TrueType page font that lacks Vietnamese letters (WenQuanYi) gets them the same way.
TEST_F(FallbackFontTest, VimTutorsComeBackWhole)
{
    const std::array<const char*, 4> tutors = { "tutor.ja.utf-8", "tutor.el.utf-8", "tutor.ru.utf-8",
                                                "tutor.vi.utf-8" };
    const std::string folder = TutorFolder();
    if (folder.empty() || !Exists(folder + tutors[0])) {
        GTEST_SKIP() << "needs the vim tutors (vim-runtime)";
    }
    for (const char* tutor : tutors) {
        expectWhole(folder + tutor, tutor);
    }
    m_options.PageFont = engine::TrueTypeFont;
    m_options.TrueTypeFile = ZenHeiCollection;
    const auto& encodings = engine::SingleByteEncodingChoices;
    m_options.SingeEncode = static_cast<int>(
        std::find(encodings.begin(), encodings.end(), engine::Utf8EncodingName) - encodings.begin());
    expectWhole(folder + tutors[3], "tutor.vi.utf-8 in WenQuanYi Zen Hei");
}

// Text the page font covers is drawn as before fallback fonts existed: the content streams of a Latin
// text (accented letters, quotes and a hyphen U+2010 drawn as "-") are those the converter made then.
TEST_F(FallbackFontTest, LatinPagesUnchanged)
{
    std::string text;
    for (int i = 0; i < 120; ++i) {
        text += "Ärger über Öl, café crème, “naïve” façades — Straße ‐ 12 € line " + std::to_string(i) + "\n";
    }
    m_options.Header = "{file}|Zürich|{page}";
    auto result = convert(text, "latin.txt");
    ASSERT_TRUE(result.written());
    // The digest of the pages the converter made of this text before fallback fonts existed.
    EXPECT_EQ(ContentDigest(result.outputPath), 15188237050416021553ull);
}

// Characters no installed font has in a form the library draws (beyond the Basic Multilingual Plane)
// stay "?" with a warning that says so; without fallback fonts every character the encoding lacks is
// "?" again, with the warning of that.
TEST_F(FallbackFontTest, QuestionMarksOnlyWhereNoFontHelps)
{
    auto result = convert("日本 \xF0\x9F\x98\x80 end\n");
    ASSERT_TRUE(result.written());
    EXPECT_EQ(WithoutWhiteSpace(testsupport::ExtractText(result.outputPath)), "日本?end");
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_NE(result.warnings[0].find("no installed font"), std::string::npos) << result.warnings[0];
    EXPECT_NE(result.warnings[0].find("U+1F600"), std::string::npos) << result.warnings[0];

    m_options.FallbackFonts = engine::No;
    result = convert("日本 \xF0\x9F\x98\x80 end\n");
    ASSERT_TRUE(result.written());
    EXPECT_EQ(WithoutWhiteSpace(testsupport::ExtractText(result.outputPath)), "???end");
    ASSERT_EQ(result.warnings.size(), 1u);
    EXPECT_EQ(result.warnings[0].find("no installed font"), std::string::npos) << result.warnings[0];
    EXPECT_EQ(probe(result).fonts().size(), 1u);
}

// Line breaking measures a character in the font that draws it: ideographs a font size wide each
// fill a ten-character line of Courier (0.6 of the size) with six of them. The header that holds
// them is drawn in the same fonts, its page number in the page font again.
TEST_F(FallbackFontTest, LinesBreakByTheDrawingFont)
{
    useTenCharacterLines();
    m_options.Header = "中|{page}";
    std::string ideographs;
    for (int i = 0; i < 30; ++i) {
        ideographs += "中";
    }
    auto result = convert(ideographs + "\nab\n");
    ASSERT_TRUE(result.written());
    const auto text = testsupport::ExtractText(result.outputPath);
    std::size_t lines = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = WithoutWhiteSpace(text.substr(start, end - start));
        if (line.starts_with("中1") || line == "ab") {
            continue; // the header, the ASCII line
        }
        EXPECT_LE(line.size(), 6 * std::string("中").size()) << line;
        lines += !line.empty();
    }
    EXPECT_EQ(lines, 5u) << text;
    EXPECT_EQ(WithoutWhiteSpace(text), "中1" + ideographs + "ab");
    std::map<std::string, std::string> fonts; // of the ASCII texts
    const auto pdf = probe(result);
    for (const auto& shown : pdf.pages().at(0).texts) {
        fonts[shown.bytes] = shown.font;
    }
    EXPECT_EQ(fonts.at("1"), fonts.at("ab"));
}

} // namespace
