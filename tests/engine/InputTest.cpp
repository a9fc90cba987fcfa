// What the converter reads: the file the path names, and only a file.
#include "ConversionFixture.h"
#include "JobFor.h"

#include "engine/ChoiceLists.h"
#include "engine/ConversionRun.h"
#include "engine/TextDecoding.h"

#include <filesystem>

namespace {

using namespace std::string_literals;

class InputTest : public ConversionFixture
{
};

// Quotes are part of a file name on this system: "q.txt" (quotes included) is another file than q.txt.
TEST_F(InputTest, QuotesArePartOfTheFileName)
{
    m_dir.write("q.txt", "plain name");
    auto result = convert("quoted name", "\"q.txt\"");
    ASSERT_TRUE(result.written()) << result.outcome.error();
    EXPECT_EQ(result.outputPath, (m_dir.path() / "\"q.pdf").string());
    EXPECT_EQ(probe(result).lines(), std::vector<std::string> { "quoted name" });
    EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "q.pdf"));

    const auto quoted = testsupport::JobFor((m_dir.path() / "\"q.txt\"").string());
    const auto inQuotedFolder = testsupport::JobFor((m_dir.path() / "\"sub\"" / "a.txt").string());
    EXPECT_EQ(engine::ResultToOpen({}, { quoted }), result.outputPath);
    EXPECT_EQ(engine::ResultToOpen({}, { inQuotedFolder, quoted }), (m_dir.path() / "\"sub\"").string() + "/");
}

// A preview reads the front of a file only, decoded as the whole file is, and never ends inside a
// character.
TEST_F(InputTest, APrefixEndsAtACharacterStartAndIsDecodedAsTheWholeFile)
{
    struct PrefixCase
    {
        const char* what;
        std::string bytes;
        std::size_t maxBytes;
        std::string shown; // unicodeText
        bool cut;
    };
    const PrefixCase cases[] = {
        { "UTF-8 cut before a character that does not fit", "ab中cd", 4, "ab", true },
        { "UTF-8 up to a character that fits", "ab中cd", 5, "ab中", true },
        { "UTF-16 with a byte order mark, cut before a surrogate pair", "\xFF\xFE" "a\0\x34\xD8\x1E\xDD" "b\0"s, 6,
          "a", true },
        { "UTF-16 without one, at an odd limit", "a\0b\0c\0d\0"s, 5, "ab", true },
        { "a file that fits", "all of it", 100, "all of it", false },
        { "a text that ends at a NUL within the prefix", "ab\0cdef"s, 5, "ab", false },
    };
    m_options.PageFont = engine::TrueTypeFont;
    m_options.TrueTypeFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    m_options.SingeEncode = static_cast<int>(engine::SingleByteEncodingChoices.size()) - 1; // UTF-8
    for (const auto& c : cases) {
        auto path = m_dir.write("preview.txt", c.bytes).string();
        auto prefix = engine::ReadInputTextPrefix(path, m_options, c.maxBytes);
        ASSERT_TRUE(prefix) << c.what << ": " << prefix.error();
        EXPECT_EQ(prefix->unicodeText, c.shown) << c.what;
        EXPECT_EQ(prefix->cut, c.cut) << c.what;
    }
    auto nul = engine::ReadInputTextPrefix(m_dir.write("nul.txt", "ab\0cdef"s).string(), m_options, 5);
    EXPECT_EQ(nul->warnings, std::vector<std::string> { "the text ends at the NUL byte at byte offset 2: the 5 bytes "
                                                        "from there to the end of the file are left out" });

    m_options = {};
    std::string large(engine::PreviewBytes - 1, 'x');
    large += "\xE9 more"; // Latin-1: read as the font's own bytes, as the whole file would be
    auto front = engine::ReadInputTextPrefix(m_dir.write("large.txt", large).string(), m_options);
    ASSERT_TRUE(front) << front.error();
    EXPECT_EQ(front->text.size(), engine::PreviewBytes);
    EXPECT_TRUE(front->text.ends_with("x\xE9"));
    EXPECT_TRUE(front->cut);

    auto gone = engine::ReadInputTextPrefix((m_dir.path() / "gone.txt").string(), m_options);
    EXPECT_FALSE(gone);
    EXPECT_EQ(gone.error(), "cannot open the file: No such file or directory");
}

} // namespace
