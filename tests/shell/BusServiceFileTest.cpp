#include "shell/BusServiceFile.h"
#include "tests/support/ScopedEnv.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const fs::path& file, const std::string& text)
{
    std::ofstream(file, std::ios::binary) << text;
}

class ServiceFileFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("varnex-service-" + std::to_string(::getpid()));
        fs::remove_all(root);
        folder = root / "dbus-1" / "services";
    }
    void TearDown() override { fs::remove_all(root); }

    fs::path root;
    fs::path folder;
};

TEST_F(ServiceFileFixture, WritesTheActivationEntryAndRemovesOnlyItsOwnFile)
{
    const BusServiceFile file(folder, "/opt/var nex/bin/varnex");
    EXPECT_EQ(file.FilePath(), folder / "com.kestrom.Varnex.service");
    ASSERT_TRUE(file.Write());
    EXPECT_EQ(ReadAll(file.FilePath()),
              "# Written by Varnex /Regserver; removed by Varnex /Unregserver.\n"
              "[D-BUS Service]\n"
              "Name=com.kestrom.Varnex\n"
              "Exec='/opt/var nex/bin/varnex' /Automation\n");
    // Writing again updates the program's own file; nothing else is left in the folder.
    ASSERT_TRUE(BusServiceFile(folder, "/usr/bin/varnex").Write());
    EXPECT_NE(ReadAll(file.FilePath()).find("Exec='/usr/bin/varnex' /Automation"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    EXPECT_TRUE(file.Remove());
    EXPECT_FALSE(fs::exists(file.FilePath()));
    EXPECT_TRUE(file.Remove()) << "nothing to remove is no failure";
}

TEST_F(ServiceFileFixture, AnotherProgramsFileIsNeitherReplacedNorRemoved)
{
    fs::create_directories(folder);
    const BusServiceFile file(folder, "/usr/bin/varnex");
    const std::string foreign = "[D-BUS Service]\nName=com.kestrom.Varnex\nExec=/usr/local/bin/other\n";
    WriteAll(file.FilePath(), foreign);
    EXPECT_FALSE(file.Write());
    EXPECT_FALSE(file.Remove());
    EXPECT_EQ(ReadAll(file.FilePath()), foreign);
}

TEST_F(ServiceFileFixture, ProgramPathsTheExecLineCannotHoldAreRefused)
{
    struct Case {
        fs::path program;
        bool written;
        const char* exec;
    };
    const Case cases[] = {
        {"/opt/it's/varnex", true, "Exec='/opt/it'\\''s/varnex' /Automation\n"},
        {"/opt/$HOME/varnex", true, "Exec='/opt/$HOME/varnex' /Automation\n"},
        {"varnex", false, ""},
        {"/opt/a\nExec=/bin/sh/varnex", false, ""},
    };
    for (const Case& c : cases) {
        const BusServiceFile file(folder, c.program);
        EXPECT_EQ(file.Write(), c.written) << c.program;
        if (c.written) {
            EXPECT_TRUE(ReadAll(file.FilePath()).ends_with(c.exec)) << c.program;
        }
        file.Remove();
    }
    EXPECT_FALSE(BusServiceFile({}, "/usr/bin/varnex").Write());
    EXPECT_FALSE(BusServiceFile({}, "/usr/bin/varnex").Remove());
}

TEST(BusServiceFile, ArgumentsStayPlainOrAreQuotedAsOneWord)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/Automation", "/Automation"},
        {"--mode=a,b:c+1.x_y", "--mode=a,b:c+1.x_y"},
        {"two words", "'two words'"},
        {"it's", "'it'\\''s'"},
        {"$HOME", "'$HOME'"},
        {"", "''"},
    };
    for (const auto& [argument, exec] : cases) {
        const BusServiceFile file("/run/services", "/usr/bin/other", {"org.example.Other", "# marker", {argument}});
        EXPECT_EQ(file.Text(), std::string("# marker\n[D-BUS Service]\nName=org.example.Other\nExec='/usr/bin/other' ") +
                                   exec + "\n");
    }
}

TEST_F(ServiceFileFixture, AFifoOfTheFilesNameIsNeitherReplacedNorRemovedAndDoesNotBlock)
{
    fs::create_directories(folder);
    const BusServiceFile file(folder, "/usr/bin/varnex");
    ASSERT_EQ(::mkfifo(file.FilePath().c_str(), 0600), 0);
    EXPECT_FALSE(file.Write());
    EXPECT_FALSE(file.Remove());
    EXPECT_TRUE(fs::is_fifo(file.FilePath()));
}

TEST(BusServiceFile, UserFolderFollowsTheDataHome)
{
    struct Case {
        const char* dataHome;
        const char* home;
        fs::path folder;
    };
    const Case cases[] = {
        {"/x/data", "/home/u", "/x/data/dbus-1/services"},
        {nullptr, "/home/u", "/home/u/.local/share/dbus-1/services"},
        {"relative", "/home/u", "/home/u/.local/share/dbus-1/services"},
        {nullptr, nullptr, {}},
        {"", "relative", {}},
    };
    for (const Case& c : cases) {
        const ScopedEnv data("XDG_DATA_HOME", c.dataHome);
        const ScopedEnv home("HOME", c.home);
        EXPECT_EQ(BusServiceFile::UserServicesFolder(), c.folder);
    }
}

} // namespace
