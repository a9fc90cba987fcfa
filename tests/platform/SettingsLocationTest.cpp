#include "TempDir.h"

#include "platform/SettingsLocation.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

TEST(SettingsLocation, InstalledProgramsKeepSettingsPerUser)
{
    for (const char* folder : { "/usr/bin/", "/usr", "/opt/marlowen/bin/", "/usr/local/bin/", "/usr/lib/../bin/",
                                MARLOWEN_INSTALL_PREFIX "/bin/" }) {
        EXPECT_TRUE(platform::IsSystemFolder(folder)) << folder;
    }
    for (const char* folder : { "/usr2/bin/", "/home/user/marlowen/", "/optional/", "/", "/usr/../home/u/" }) {
        EXPECT_FALSE(platform::IsSystemFolder(folder)) << folder;
    }

    testsupport::TempDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    auto perUser = (config.path() / "marlowen" / "Settings.ini").string();
    // The tests run as root, who could write /usr/bin: the folder decides, not the permission.
    EXPECT_EQ(platform::SettingsFilePath("/usr/bin/"), perUser);
    EXPECT_TRUE(std::filesystem::is_directory(config.path() / "marlowen"));
    testsupport::TempDir portable;
    auto folder = portable.path().string() + "/";
    EXPECT_EQ(platform::SettingsFilePath(folder), folder + "Settings.ini");
    ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
