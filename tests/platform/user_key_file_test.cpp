#include "platform/user_key_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include <sys/stat.h>

#include "support/temp_dir.h"

namespace kvx {
namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) setenv(name, value, 1);
        else unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (old_) setenv(name_, old_->c_str(), 1);
        else unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(UserKeyFile, LivesUnderTheUserConfigurationFolder)
{
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/cfg");
        EXPECT_EQ(userKeyFilePath("Kurvex/1.x/Settings"), "/cfg/Kurvex/1.x/Settings");
    }
    ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
    ScopedEnv home("HOME", "/home/ana");
    EXPECT_EQ(userKeyFilePath("Kurvex/1.x/Settings"), "/home/ana/.config/Kurvex/1.x/Settings");
    // A relative XDG_CONFIG_HOME is invalid and ignored.
    ScopedEnv relative("XDG_CONFIG_HOME", "cfg");
    EXPECT_EQ(userKeyFilePath("Kurvex/1.x/Settings"), "/home/ana/.config/Kurvex/1.x/Settings");
}

TEST(UserKeyFile, ReadsNamedValues)
{
    test::TempDir dir;
    ScopedEnv xdg("XDG_CONFIG_HOME", dir.path().c_str());
    EXPECT_EQ(readUserKeyFile("Kurvex/1.x/Settings", "homeDir"), std::nullopt);

    test::writeFile(dir.file("Kurvex/1.x/Settings"),
                    "# where Kurvex.ini lives\r\nother=1\nhomeDir = /home/ana/My Plots \r\n");
    EXPECT_EQ(readUserKeyFile("Kurvex/1.x/Settings", "homeDir"), "/home/ana/My Plots");
    EXPECT_EQ(readUserKeyFile("Kurvex/1.x/Settings", "missing"), std::nullopt);
}

TEST(UserKeyFile, NamesAreMatchedWhateverTheirLetterCase)
{
    test::TempDir dir;
    ScopedEnv xdg("XDG_CONFIG_HOME", dir.path().c_str());
    test::writeFile(dir.file("Kurvex/1.x/Settings"), "HOMEDIR=/srv/plots\nhomeDir=/home/ana\n");
    EXPECT_EQ(readUserKeyFile("Kurvex/1.x/Settings", "homeDir"), "/srv/plots");
    EXPECT_EQ(readUserKeyFile("Kurvex/1.x/Settings", "homedir"), "/srv/plots");
    EXPECT_EQ(readUserKeyFile("Kurvex/1.x/Settings", "homeDi"), std::nullopt);
}

TEST(UserKeyFile, AKeyFileThatIsNoRegularFileHoldsNoValues)
{
    test::TempDir dir;
    ScopedEnv xdg("XDG_CONFIG_HOME", dir.path().c_str());
    std::filesystem::create_directories(dir.file("Kurvex/1.x"));
    // A FIFO would hold the start-up until someone writes to it.
    ASSERT_EQ(mkfifo(dir.file("Kurvex/1.x/Settings").c_str(), 0600), 0);
    EXPECT_EQ(readUserKeyFile("Kurvex/1.x/Settings", "homeDir"), std::nullopt);
    std::filesystem::remove(dir.file("Kurvex/1.x/Settings"));
    std::filesystem::create_directory(dir.file("Kurvex/1.x/Settings"));
    EXPECT_EQ(readUserKeyFile("Kurvex/1.x/Settings", "homeDir"), std::nullopt);
}

}  // namespace
}  // namespace kvx
