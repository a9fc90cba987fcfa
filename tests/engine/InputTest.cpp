// What the converter reads: the file the path names, and only a file.
#include "ConversionFixture.h"

#include "engine/ConversionRun.h"

#include <filesystem>

namespace {

class InputTest : public ConversionFixture
{
};

// Quotes are part of a file name on this system: "q.txt" (quotes included) is another file than q.txt.
TEST_F(InputTest, QuotesArePartOfTheFileName)
{
    m_dir.write("q.txt", "plain name");
    auto result = convert("quoted name", "\"q.txt\"");
    ASSERT_TRUE(result.written()) << result.error;
    EXPECT_EQ(result.outputPath, (m_dir.path() / "\"q.pdf").string());
    EXPECT_EQ(probe(result).lines(), std::vector<std::string> { "quoted name" });
    EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "q.pdf"));

    const engine::ConversionJob quoted { (m_dir.path() / "\"q.txt\"").string(), "", "" };
    const engine::ConversionJob inQuotedFolder { (m_dir.path() / "\"sub\"" / "a.txt").string(), "", "" };
    EXPECT_EQ(engine::ResultToOpen({ quoted }), result.outputPath);
    EXPECT_EQ(engine::ResultToOpen({ inQuotedFolder, quoted }), (m_dir.path() / "\"sub\"").string() + "/");
}

} // namespace
