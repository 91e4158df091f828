#include "shell/HelpFile.h"
#include "shell/VarnexStrings.h"
#include "shell/ui/ProgramIcon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <unistd.h>

namespace {

TEST(HelpFile, IsFoundBesideTheProgramOrInTheInstallationsHelpFolder)
{
    const auto root = std::filesystem::temp_directory_path() / ("varnex-helpfind-" + std::to_string(::getpid()));
    const auto program = root / "bin";
    const auto installed = root / "share" / "varnex" / "help" / "Varnex.html";
    const auto beside = program / "Varnex.html";
    struct Case {
        bool besideProgram;
        bool inInstallation;
        std::optional<std::filesystem::path> found;
    };
    const Case cases[] = {
        {false, false, std::nullopt},
        {true, false, beside},
        {false, true, installed},
        {true, true, beside},   // the build tree's copy wins over an older installation
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.besideProgram) + std::to_string(c.inInstallation));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(program);
        std::filesystem::create_directories(installed.parent_path());
        if (c.besideProgram)
            std::ofstream(beside) << "help";
        if (c.inInstallation)
            std::ofstream(installed) << "help";
        EXPECT_EQ(FindHelpFile(program, "Varnex.html"), c.found);
    }
    // A folder of the help file's name is no help file.
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(beside);
    EXPECT_EQ(FindHelpFile(program, "Varnex.html"), std::nullopt);
    std::filesystem::remove_all(root);
}

TEST(HelpFile, TheBuildTreeShipsItBesideTheProgram)
{
    const std::optional<std::filesystem::path> file = FindHelpFile(VARNEX_PROGRAM_FOLDER, LoadVarnexString(ids::IDS_HELP_FILE));
    ASSERT_TRUE(file.has_value());
    std::ifstream in(*file);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("<title>Varnex Help</title>"), std::string::npos);
}

TEST(ProgramIcon, IsBuiltIn)
{
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_FALSE(icon.pixmap(32, 32).isNull());
}

} // namespace
