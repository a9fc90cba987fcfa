#include "TempDir.h"

#include "platform/FolderWalk.h"
#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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
    auto listing = platform::WalkFolder(dir.path().string());
    ASSERT_EQ(listing.files.size(), 2u);
    EXPECT_EQ(listing.files[0].path, text.string());
    EXPECT_EQ(listing.files[1].path, (dir.path() / "d.txt").string());
    EXPECT_TRUE(listing.problems.empty());
}

// A pipe named as input is refused at once: opening one for reading waits for a writer, for ever.
// The alarm ends the test process should the read wait all the same.
TEST(ReadWholeFileSpecialFiles, PipesSocketsAndDevicesAreRefusedWithoutWaiting)
{
    testsupport::TempDir dir;
    auto fifo = dir.path() / "pipe.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    auto socketPath = dir.path() / "socket.txt";
    int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    socketPath.string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);

    ::alarm(10);
    const std::pair<fs::path, const char*> cases[] = {
        { fifo, "it is a pipe (FIFO), not a file" },
        { socketPath, "it is a socket, not a file" },
        { "/dev/null", "it is a device, not a file" },
        { dir.path(), "it is a folder, not a file" },
    };
    for (const auto& [path, reason] : cases) {
        auto read = platform::ReadWholeFile(path.string());
        EXPECT_FALSE(read) << path;
        EXPECT_EQ(read.error(), reason) << path;
    }
    ::alarm(0);
    ::close(listener);
}

} // namespace
