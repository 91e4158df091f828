#include "fw/core/DriveMap.h"

#include "fw/core/FileException.h"
#include "fw/core/FolderIndex.h"
#include "fw/core/Profile.h"
#include "tests/fw/TempDrives.h"
#include "tests/support/ScopedEnv.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using Cause = fw::FileException::Cause;

class DriveMapTest : public ::testing::Test {
protected:
    TempDrives drives;
    const fw::DriveMap& map = fw::DriveMap::Instance();
};

TEST_F(DriveMapTest, FindsExistingNamesIgnoringCaseAndKeepsNewOnesAsGiven)
{
    TempDrives::Put(drives.C() / "Kestrom/Jobs/J1/G1/b12.prt", "x");
    struct Case { const char* win; const char* native; };
    const Case cases[] = {
        {"C:\\Kestrom\\Jobs\\J1\\g1\\B12.PRT", "Kestrom/Jobs/J1/G1/b12.prt"},
        {"c:\\KESTROM\\jobs\\j1\\G1\\b12.prt", "Kestrom/Jobs/J1/G1/b12.prt"},
        {"C:\\kestrom\\JOBS\\J2\\New\\N1.prt", "Kestrom/Jobs/J2/New/N1.prt"},
        {"C:\\Kestrom\\\\.\\Jobs\\", "Kestrom/Jobs"},
        {"C:\\Tr\xE4ger", "Tr\xC3\xA4ger"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(map.ToNative(c.win), drives.C() / c.native) << c.win;
    EXPECT_EQ(map.ToNative("C:"), drives.C());
    EXPECT_EQ(map.ToNative("C:\\"), drives.C());
}

TEST_F(DriveMapTest, MatchesWindows1252NamesAgainstUtf8NamesOnDisk)
{
    TempDrives::Put(drives.C() / "tr\xC3\xA4ger" / "x.prt", "x");
    EXPECT_EQ(map.ToNative("C:\\TR\xC4GER\\X.PRT"), drives.C() / "tr\xC3\xA4ger" / "x.prt");
}

TEST_F(DriveMapTest, PicksTheFirstInByteOrderAmongNamesEqualButForCase)
{
    fs::create_directories(drives.C() / "ab");
    fs::create_directories(drives.C() / "AB");
    EXPECT_EQ(map.ToNative("C:\\Ab"), drives.C() / "AB");
    EXPECT_EQ(map.ToNative("C:\\ab"), drives.C() / "ab");
}

// Every change is made by another process (a shell), after the folder was looked in once, so
// that what the process keeps of the folder has to follow changes it did not make itself.
TEST_F(DriveMapTest, FollowsChangesOtherProcessesMakeToAFolder)
{
    const fs::path folder = drives.C() / "Jobs";
    fs::create_directories(folder);
    const auto shell = [&](const std::string& command) {
        const std::string line = "cd '" + folder.native() + "' && " + command;
        ASSERT_EQ(std::system(line.c_str()), 0) << command;
    };
    struct Case { const char* command; const char* win; const char* native; };
    const Case cases[] = {
        {"true", "C:\\Jobs\\X.PRT", "Jobs/X.PRT"},
        {"touch x.prt", "C:\\Jobs\\X.PRT", "Jobs/x.prt"},
        {"mv x.prt y.prt", "C:\\Jobs\\X.PRT", "Jobs/X.PRT"},
        {"true", "C:\\Jobs\\Y.PRT", "Jobs/y.prt"},
        {"touch Y.prt", "C:\\Jobs\\y.PRT", "Jobs/Y.prt"},
        {"rm Y.prt", "C:\\Jobs\\y.PRT", "Jobs/y.prt"},
        {"mv y.prt ../moved.prt", "C:\\Jobs\\Y.PRT", "Jobs/Y.PRT"},
        {"true", "C:\\MOVED.prt", "moved.prt"},
        {"mv ../moved.prt ./M.prt", "C:\\Jobs\\m.PRT", "Jobs/M.prt"},
        {"cd .. && rm -r Jobs && mkdir Jobs && touch Jobs/z.prt", "C:\\Jobs\\Z.PRT", "Jobs/z.prt"},
        {"true", "C:\\Jobs\\M.PRT", "Jobs/M.PRT"},
        {"cd .. && mv Jobs Old && mkdir Jobs && touch Jobs/n.prt", "C:\\Jobs\\Z.PRT", "Jobs/Z.PRT"},
        {"true", "C:\\old\\z.PRT", "Old/z.prt"},
        {"true", "C:\\Jobs\\N.PRT", "Jobs/n.prt"},
    };
    for (const Case& c : cases) {
        shell(c.command);
        EXPECT_EQ(map.ToNative(c.win), drives.C() / c.native) << c.command << ", then " << c.win;
    }
}

TEST_F(DriveMapTest, FindsNamesInMoreFoldersThanItKeeps)
{
    const int folders = int(fw::FolderIndex::kMaxFolders) + 10;
    for (int i = 0; i < folders; ++i) {
        TempDrives::Put(drives.C() / std::to_string(i) / "a.prt", "x");
        EXPECT_EQ(map.ToNative("C:\\" + std::to_string(i) + "\\A.PRT"), drives.C() / std::to_string(i) / "a.prt");
    }
    for (int i = 0; i < folders; ++i) {
        fs::rename(drives.C() / std::to_string(i) / "a.prt", drives.C() / std::to_string(i) / "b.prt");
        EXPECT_EQ(map.ToNative("C:\\" + std::to_string(i) + "\\A.PRT"), drives.C() / std::to_string(i) / "A.PRT");
        EXPECT_EQ(map.ToNative("C:\\" + std::to_string(i) + "\\B.PRT"), drives.C() / std::to_string(i) / "b.prt");
    }
}

TEST_F(DriveMapTest, RefusesPathsOutsideAndUnrepresentable)
{
    struct Case { std::string win; Cause cause; };
    const Case cases[] = {
        {"C:\\..\\x", Cause::invalidFile},
        {"C:\\a\\..\\..\\x", Cause::invalidFile},
        {"C:\\a\\..", Cause::invalidFile},
        {"C:\\a/b", Cause::invalidFile},
        {"C:\\../x", Cause::invalidFile},
        {std::string("C:\\a\0b", 6), Cause::invalidFile},
        {"Q:\\x", Cause::badPath},
        {"x", Cause::badPath},
        {"\\x", Cause::badPath},
        {"\\\\server\\share\\x", Cause::badPath},
        {"C:x", Cause::badPath},
        {"", Cause::badPath},
        {"1:\\x", Cause::badPath},
        {"/etc/passwd", Cause::badPath},
    };
    for (const Case& c : cases) {
        try {
            map.ToNative(c.win);
            ADD_FAILURE() << "accepted " << c.win;
        } catch (const fw::FileException& e) {
            EXPECT_EQ(e.cause(), c.cause) << c.win;
            EXPECT_EQ(e.fileName(), c.win);
        }
    }
}

TEST_F(DriveMapTest, ConvertsLinuxPathsBackUnderTheDeepestDrive)
{
    fw::DriveMap nested;
    nested.Map('C', drives.C());
    nested.Map('E', drives.C() / "Shared/");
    struct Case { fs::path native; std::optional<std::string> win; };
    const Case cases[] = {
        {drives.C(), "C:\\"},
        {drives.C() / "", "C:\\"},
        {drives.C() / "Kestrom/Jobs/B12.prt", "C:\\Kestrom\\Jobs\\B12.prt"},
        {drives.C() / "a/../b/./c", "C:\\b\\c"},
        {drives.C() / "Tr\xC3\xA4ger", "C:\\Tr\xE4ger"},
        {drives.C() / "Shared/x", "E:\\x"},
        {drives.C() / "Shared", "E:\\"},
        {drives.C() / "SharedNot/x", "C:\\SharedNot\\x"},
        {drives.C() / "../x", std::nullopt},
        {drives.Root(), std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"relative/x", std::nullopt},
        {drives.C() / "back\\slash", std::nullopt},
        {drives.C() / "\xE6\x97\xA5", std::nullopt},
        {drives.C() / "bad\xFF", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nested.ToWindows(c.native), c.win) << c.native;
}

TEST(DriveMap, ListsDrivesInOrderAndRefusesBadMappings)
{
    fw::DriveMap map;
    map.Map('z', "/z");
    map.Map('C', "/c");
    map.Map('d', "/d/");
    EXPECT_EQ(map.Drives(), (std::vector<char>{'C', 'D', 'Z'}));
    EXPECT_EQ(map.Root('D'), fs::path("/d"));
    EXPECT_EQ(map.Root('e'), std::nullopt);
    EXPECT_THROW(map.Map('1', "/x"), std::invalid_argument);
    EXPECT_THROW(map.Map('\xE4', "/x"), std::invalid_argument);
    EXPECT_THROW(map.Map('E', "relative"), std::invalid_argument);
}

TEST(DriveMap, RefusalsNameTheDriveAndFolder)
{
    struct Case {
        std::string drive;
        fs::path folder;
        std::optional<std::string> refusal;
    };
    const Case cases[] = {
        {"D", "/mnt/shop", std::nullopt},
        {"d", "/", std::nullopt},
        {"1", "/x", "The drive \"1\" is not a letter A-Z."},
        {"DE", "/x", "The drive \"DE\" is not a letter A-Z."},
        {"", "/x", "The drive \"\" is not a letter A-Z."},
        {"\xE4", "/x", "The drive \"\xE4\" is not a letter A-Z."},
        {"e", "shop", "The folder of drive E: must be a full path starting with /, not \"shop\"."},
        {"E", "", "The folder of drive E: must be a full path starting with /, not \"\"."},
        {"E", "J\xC3\xBCrgen", "The folder of drive E: must be a full path starting with /, not \"J\xFCrgen\"."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::DriveMap::Refusal(c.drive, c.folder), c.refusal) << c.drive << " " << c.folder;
    fw::DriveMap map;
    try {
        map.Map('E', "shop");
        ADD_FAILURE() << "a relative folder was mapped";
    } catch (const std::invalid_argument& refused) {
        EXPECT_STREQ(refused.what(), "The folder of drive E: must be a full path starting with /, not \"shop\".");
    }
}

class HomeFolder : public ::testing::Test {
protected:
    TempDrives drives;
    ScopedEnv home_{"HOME", drives.Root().c_str()};
};

TEST_F(HomeFolder, DefaultMapsCUnderHomeAndMakesItOnFirstUse)
{
    const fw::DriveMap map = fw::DriveMap::Default();
    const fs::path c = drives.Root() / "Varnex/C";
    EXPECT_EQ(map.Drives(), std::vector<char>{'C'});
    EXPECT_FALSE(fs::exists(c));
    EXPECT_EQ(map.ToNative("C:\\Kestrom\\B12.prt"), c / "Kestrom/B12.prt");
    EXPECT_TRUE(fs::is_directory(c));
}

TEST_F(HomeFolder, ReadsDrivesFromTheProfile)
{
    fw::MemoryProfile profile;
    profile.WriteProfileString("Drives", "D", "/mnt/shop");
    profile.WriteProfileString("Drives", "E", "relative/folder");
    profile.WriteProfileString("Drives", "F", "");
    fw::DriveMap map = fw::DriveMap::FromProfile(profile);
    EXPECT_EQ(map.Drives(), (std::vector<char>{'C', 'D'}));
    EXPECT_EQ(map.Root('C'), drives.Root() / "Varnex/C");
    EXPECT_EQ(map.Root('D'), fs::path("/mnt/shop"));

    profile.WriteProfileString("Drives", "C", "/home/u/Varnex/C");
    map = fw::DriveMap::FromProfile(profile);
    EXPECT_EQ(map.Root('C'), fs::path("/home/u/Varnex/C"));

    // Profile values are Windows-1252; the folder on disk is named in UTF-8.
    profile.WriteProfileString("Drives", "G", "/media/J\xFCrgen");
    EXPECT_EQ(fw::DriveMap::FromProfile(profile).Root('G'), fs::path("/media/J\xC3\xBCrgen"));
}

TEST_F(HomeFolder, InstanceIsTheDefaultUntilOneIsSet)
{
    std::unique_ptr<fw::DriveMap> testMap = fw::DriveMap::SetInstance(nullptr);
    EXPECT_EQ(fw::DriveMap::Instance().Root('C'), drives.Root() / "Varnex/C");
    auto mine = std::make_unique<fw::DriveMap>();
    mine->Map('X', "/x");
    const fw::DriveMap* set = mine.get();
    fw::DriveMap::SetInstance(std::move(mine));
    EXPECT_EQ(&fw::DriveMap::Instance(), set);
    EXPECT_EQ(fw::DriveMap::SetInstance(std::move(testMap)).get(), set);
}

} // namespace
