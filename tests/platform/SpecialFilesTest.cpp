#include "TempDir.h"

#include "platform/FolderWalk.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

// A pipe in a walked folder would hold the whole run until something writes to it; a device such
// as /dev/zero would never end.
TEST(FolderWalkSpecialFiles, PipesAndDevicesAreLeftOut)
{
    testsupport::TempDir dir;
    auto text = dir.write("a.txt", "text");
    ASSERT_EQ(::mkfifo((dir.path() / "b.txt").c_str(), 0644), 0);
    fs::create_symlink("/dev/zero", dir.path() / "c.txt");
    fs::create_symlink(dir.path() / "gone", dir.path() / "d.txt"); // fails later, with its reason
    EXPECT_EQ(platform::ListTextFiles(dir.path().string()),
              (std::vector<std::string> { text.string(), (dir.path() / "d.txt").string() }));
}

} // namespace
