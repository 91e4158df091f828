#include "fw/core/FileSystem.h"

#include "fw/core/FileException.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
namespace FileSystem = fw::FileSystem;
using Cause = fw::FileException::Cause;
using Names = std::vector<std::string>;

class FileSystemTest : public ::testing::Test {
protected:
    template <class F> static Cause CauseOf(F&& f)
    {
        try {
            f();
        } catch (const fw::FileException& e) {
            return e.cause();
        }
        return Cause::none;
    }

    TempDrives drives;
    const fs::path j1 = drives.C() / "Kestrom/Jobs/J1";
};

TEST_F(FileSystemTest, ListsMatchingNamesSortedIgnoringCase)
{
    for (const char* name : {"B12.PRT", "a1.prt", "Z.prt", "c.mlt", "README", "\xE6\x97\xA5.prt", "tr\xC3\xA4ger.prt",
                             "back\\slash.prt"})
        TempDrives::Put(j1 / name, "x");
    fs::create_directories(j1 / "Sub.prt");
    fs::create_directories(j1 / "G1");
    struct Case { const char* pattern; FileSystem::ListWhat what; Names names; };
    const Case cases[] = {
        {"C:\\Kestrom\\Jobs\\J1\\*.prt", FileSystem::files, {"a1.prt", "B12.PRT", "tr\xE4ger.prt", "Z.prt"}},
        {"c:\\kestrom\\JOBS\\j1\\*.PRT", FileSystem::folders, {"Sub.prt"}},
        {"C:\\Kestrom\\Jobs\\J1\\*", FileSystem::folders, {"G1", "Sub.prt"}},
        {"C:\\Kestrom\\Jobs\\J1\\*.*", FileSystem::filesAndFolders,
         {"a1.prt", "B12.PRT", "c.mlt", "G1", "README", "Sub.prt", "tr\xE4ger.prt", "Z.prt"}},
        {"C:\\Kestrom\\Jobs\\J1\\?.*", FileSystem::files, {"c.mlt", "Z.prt"}},
        {"C:\\Kestrom\\Jobs\\J1\\TR\xC4GER.PRT", FileSystem::files, {"tr\xE4ger.prt"}},
        {"C:\\Kestrom\\Jobs\\J1\\*.shp", FileSystem::filesAndFolders, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FileSystem::List(c.pattern, c.what), c.names) << c.pattern;
}

TEST_F(FileSystemTest, RefusesToListWhatIsNoFolder)
{
    TempDrives::Put(j1 / "B12.prt", "x");
    for (const char* pattern : {"C:\\Kestrom\\Jobs\\J2\\*.prt", "C:\\Kestrom\\Jobs\\J1\\B12.prt\\*", "Q:\\*.prt", "*.prt"})
        EXPECT_EQ(CauseOf([&] { FileSystem::List(pattern); }), Cause::badPath) << pattern;
    EXPECT_EQ(CauseOf([] { FileSystem::List("C:\\..\\*"); }), Cause::invalidFile);
}

TEST_F(FileSystemTest, MakesTheFoldersOfAPathButNotItsFileName)
{
    FileSystem::CreateFolders("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt");
    EXPECT_TRUE(fs::is_directory(j1 / "G1"));
    EXPECT_FALSE(fs::exists(j1 / "G1/B12.prt"));
    FileSystem::CreateFolders("c:\\KESTROM\\jobs\\J1\\G2\\");   // existing folders in another case
    EXPECT_EQ(TempDrives::Names(j1), (Names{"G1", "G2"}));
    FileSystem::CreateFolders("C:\\x.prt");
    TempDrives::Put(j1 / "file", "x");
    EXPECT_NE(CauseOf([] { FileSystem::CreateFolders("C:\\Kestrom\\Jobs\\J1\\file\\G\\B.prt"); }), Cause::none);
    EXPECT_EQ(CauseOf([] { FileSystem::CreateFolders("C:\\..\\G\\B.prt"); }), Cause::invalidFile);
    EXPECT_EQ(CauseOf([] { FileSystem::CreateFolders("Q:\\G\\B.prt"); }), Cause::badPath);
    EXPECT_EQ(CauseOf([] { FileSystem::CreateFolders("B.prt"); }), Cause::badPath);
    EXPECT_FALSE(fs::exists(drives.Root() / "G"));
}

TEST_F(FileSystemTest, TellsFilesFromFolders)
{
    TempDrives::Put(j1 / "B12.prt", "x");
    struct Case { std::string path; bool exists; bool folder; };
    const Case cases[] = {
        {"C:\\Kestrom\\Jobs\\J1\\b12.PRT", true, false},
        {"C:\\kestrom\\jobs", true, true},
        {"C:\\", true, true},
        {"C:\\Kestrom\\Jobs\\J1\\B13.prt", false, false},
        {"Q:\\x", false, false},
        {"C:\\..", false, false},
        {std::string("C:\\Kestrom\0", 11), false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileSystem::Exists(c.path), c.exists) << c.path;
        EXPECT_EQ(FileSystem::IsFolder(c.path), c.folder) << c.path;
    }
}

TEST_F(FileSystemTest, RemovesFilesAndEmptyFolders)
{
    TempDrives::Put(j1 / "G1/B12.prt", "x");
    EXPECT_EQ(CauseOf([] { FileSystem::Remove("C:\\Kestrom\\Jobs\\J1\\G1"); }), Cause::accessDenied);
    FileSystem::Remove("C:\\Kestrom\\Jobs\\J1\\G1\\b12.prt");
    FileSystem::Remove("C:\\Kestrom\\Jobs\\J1\\G1");
    EXPECT_EQ(TempDrives::Names(j1), Names{});
    EXPECT_EQ(CauseOf([] { FileSystem::Remove("C:\\Kestrom\\Jobs\\J1\\G1"); }), Cause::fileNotFound);
    fs::remove_all(drives.C() / "Kestrom");
    EXPECT_EQ(CauseOf([] { FileSystem::Remove("C:\\"); }), Cause::accessDenied);
    EXPECT_TRUE(fs::is_directory(drives.C()));
}

TEST_F(FileSystemTest, RenamesWithoutReplacing)
{
    TempDrives::Put(j1 / "B12.prt", "b12");
    TempDrives::Put(j1 / "B13.prt", "b13");
    EXPECT_EQ(CauseOf([] { FileSystem::Rename("C:\\Kestrom\\Jobs\\J1\\B12.prt", "C:\\Kestrom\\Jobs\\J1\\b13.prt"); }),
              Cause::accessDenied);
    EXPECT_EQ(CauseOf([] { FileSystem::Rename("C:\\Kestrom\\Jobs\\J1\\B14.prt", "C:\\Kestrom\\Jobs\\J1\\B15.prt"); }),
              Cause::fileNotFound);
    FileSystem::Rename("C:\\Kestrom\\Jobs\\J1\\B12.prt", "C:\\Kestrom\\Jobs\\J1\\b12.PRT");
    FileSystem::Rename("C:\\Kestrom\\Jobs\\J1\\B13.prt", "C:\\Kestrom\\Jobs\\J1\\B14.prt");
    EXPECT_EQ(TempDrives::Names(j1), (Names{"B14.prt", "b12.PRT"}));
    EXPECT_EQ(TempDrives::Get(j1 / "B14.prt"), "b13");
}

TEST_F(FileSystemTest, CopiesFilesReplacingOnlyWhenAsked)
{
    TempDrives::Put(j1 / "B12.prt", std::string(200000, 'p'));
    TempDrives::Put(drives.Root() / "D/Kestrom/Jobs/J1/B12.prt", "old");
    EXPECT_EQ(CauseOf([] { FileSystem::CopyFile("C:\\Kestrom\\Jobs\\J1\\B12.prt", "D:\\Kestrom\\Jobs\\J1\\B12.prt", true); }),
              Cause::accessDenied);
    EXPECT_EQ(TempDrives::Get(drives.Root() / "D/Kestrom/Jobs/J1/B12.prt"), "old");
    FileSystem::CopyFile("C:\\Kestrom\\Jobs\\J1\\B12.prt", "D:\\Kestrom\\Jobs\\J1\\b12.prt", false);
    EXPECT_EQ(TempDrives::Get(drives.Root() / "D/Kestrom/Jobs/J1/B12.prt"), std::string(200000, 'p'));
    FileSystem::CopyFile("C:\\Kestrom\\Jobs\\J1\\B12.prt", "D:\\Kestrom\\Jobs\\J1\\B13.prt", true);
    EXPECT_EQ(TempDrives::Names(drives.Root() / "D/Kestrom/Jobs/J1"), (Names{"B12.prt", "B13.prt"}));
    EXPECT_EQ(CauseOf([] { FileSystem::CopyFile("C:\\nothing.prt", "D:\\x.prt", false); }), Cause::fileNotFound);
    EXPECT_EQ(CauseOf([] { FileSystem::CopyFile("C:\\Kestrom\\Jobs\\J1\\B12.prt", "D:\\New\\x.prt", false); }),
              Cause::badPath);
}

} // namespace
