#include "shell/DriveSettings.h"
#include "shell/FolderBrowseStart.h"
#include "tests/fw/TempDrives.h"

#include "fw/core/DriveMap.h"
#include "fw/core/Profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

namespace {

namespace fs = std::filesystem;
using Values = std::map<std::pair<std::string, std::string>, std::string>;

std::string DefaultC()
{
    return fw::DriveMap::Default().Root('C')->string();
}

TEST(DriveSettings, LoadShowsTheMappedDrivesWithCAlways)
{
    fw::MemoryProfile profile;
    EXPECT_EQ(DriveSettings::Load(profile).drives, (std::vector<DriveSettings::Entry>{{"C", DefaultC()}}));
    profile.WriteProfileString("Drives", "E", "/media/stick/");
    profile.WriteProfileString("Drives", "A", "/mnt/floppy");
    profile.WriteProfileString("Drives", "F", "relative");   // not mapped, so not shown
    EXPECT_EQ(DriveSettings::Load(profile).drives,
              (std::vector<DriveSettings::Entry>{{"A", "/mnt/floppy"}, {"C", DefaultC()}, {"E", "/media/stick"}}));
}

TEST(DriveSettings, SaveWritesOnlyWhatChangesAndClearsRemovedDrives)
{
    fw::MemoryProfile profile;
    profile.WriteProfileString("Drives", "D", "/mnt/shop");
    profile.WriteProfileString("Drives", "E", "/media/old");
    DriveSettings settings;
    settings.drives = {{"c", DefaultC() + "/"}, {"d", "/mnt/shop"}, {"g", "/media//J\xFCrgen/"}};
    ASSERT_EQ(settings.Check(), std::nullopt);
    settings.Save(profile);
    EXPECT_EQ(profile.Values(), (Values{{{"Drives", "D"}, "/mnt/shop"},
                                        {{"Drives", "E"}, ""},
                                        {{"Drives", "G"}, "/media/J\xFCrgen"}}));
    EXPECT_EQ(DriveSettings::Load(profile).drives,
              (std::vector<DriveSettings::Entry>{{"C", DefaultC()}, {"D", "/mnt/shop"}, {"G", "/media/J\xFCrgen"}}));

    // C: moved away from its default is stored, and cleared again when set back.
    settings.drives = {{"C", "/srv/varnex"}};
    settings.Save(profile);
    EXPECT_EQ(profile.GetProfileString("Drives", "C"), "/srv/varnex");
    settings.drives = {{"C", DefaultC()}};
    settings.Save(profile);
    EXPECT_EQ(profile.GetProfileString("Drives", "C", "unset"), "");
}

TEST(DriveSettings, CheckRefusesWhatTheDriveMapRefusesAndRepeatedLetters)
{
    struct Case {
        std::vector<DriveSettings::Entry> drives;
        std::optional<DriveSettings::Refusal> refusal;
    };
    const Case cases[] = {
        {{{"C", "/c"}, {"E", "/media/stick"}}, std::nullopt},
        {{}, std::nullopt},
        {{{"C", "/c"}, {"5", "/media/stick"}}, DriveSettings::Refusal{1, "The drive \"5\" is not a letter A-Z."}},
        {{{"EF", "/e"}}, DriveSettings::Refusal{0, "The drive \"EF\" is not a letter A-Z."}},
        {{{"", "/e"}}, DriveSettings::Refusal{0, "The drive \"\" is not a letter A-Z."}},
        {{{"e", "media/stick"}},
         DriveSettings::Refusal{0, "The folder of drive E: must be a full path starting with /, not \"media/stick\"."}},
        {{{"E", ""}}, DriveSettings::Refusal{0, "The folder of drive E: must be a full path starting with /, not \"\"."}},
        {{{"C", "/c"}, {"E", "/e"}, {"c", "/d"}}, DriveSettings::Refusal{2, "The drive C: is listed twice."}},
    };
    for (const Case& c : cases) {
        DriveSettings settings;
        settings.drives = c.drives;
        EXPECT_EQ(settings.Check(), c.refusal) << (c.refusal ? c.refusal->text : "none");
    }
}

TEST(FolderBrowseStart, StartsAtTheShownFolderOrTheNearestOneAbove)
{
    TempDrives drives;
    fs::create_directories(drives.C() / "Kestrom/Jobs");
    TempDrives::Put(drives.C() / "Kestrom/notes.txt", "x");
    const fw::DriveMap& map = fw::DriveMap::Instance();

    struct LinuxCase {
        fs::path shown;
        std::optional<fs::path> start;
    };
    const LinuxCase linuxCases[] = {
        {drives.C() / "Kestrom/Jobs", drives.C() / "Kestrom/Jobs"},
        {drives.C() / "Kestrom/Jobs/", drives.C() / "Kestrom/Jobs"},
        {drives.C() / "Kestrom/Gone/Deeper", drives.C() / "Kestrom"},
        {drives.C() / "Kestrom/notes.txt", drives.C() / "Kestrom"},   // a file: its folder
        {"relative/folder", std::nullopt},
        {"", std::nullopt},
    };
    for (const LinuxCase& c : linuxCases)
        EXPECT_EQ(FolderBrowseStart(c.shown), c.start) << c.shown;

    struct WindowsCase {
        std::string shown;
        std::optional<fs::path> start;
    };
    const WindowsCase windowsCases[] = {
        {"C:\\Kestrom\\Jobs", drives.C() / "Kestrom/Jobs"},
        {"C:\\KESTROM\\jobs", drives.C() / "Kestrom/Jobs"},   // names ignore case
        {"C:\\Kestrom\\Machines", drives.C() / "Kestrom"},
        {"D:\\", drives.Root() / "D"},
        {"Q:\\Kestrom", std::nullopt},   // no such drive
        {"\\Kestrom\\Jobs", std::nullopt},
        {"C:\\..\\..", std::nullopt},
        {"", std::nullopt},
    };
    for (const WindowsCase& c : windowsCases)
        EXPECT_EQ(FolderBrowseStart(c.shown, map), c.start) << c.shown;
}

} // namespace
