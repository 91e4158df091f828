// The shared copy of files: which targets count as existing, what replace changes, that a failed
// file (or one its commit cannot place) neither stops the others nor passes as copied, that
// folders are made even when empty, and that the user can stop the copy between two files.

#include "fw/core/FileCopy.h"

#include "fw/core/CommitGroup.h"
#include "fw/core/MessageService.h"

#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

namespace {

using V = std::vector<std::string>;

TEST(FileCopyTest, ReplacesOnlyWhenToldAndGoesOnAfterAFailure)
{
    TempDrives drives;
    TempDrives::Put(drives.C() / "A/one.prt", "new1");
    TempDrives::Put(drives.C() / "A/two.prt", "new2");
    TempDrives::Put(drives.C() / "B/one.prt", "old");
    const std::vector<fw::FilePair> files{{"C:\\A\\one.prt", "C:\\B\\one.prt"},
                                          {"C:\\A\\gone.prt", "C:\\B\\gone.prt"},
                                          {"C:\\A\\two.prt", "D:\\X\\Y\\two.prt"}};
    EXPECT_EQ(fw::ExistingTargets(files), V{"C:\\B\\one.prt"});

    const struct {
        bool replace;
        const char* one;   // C:\B\one.prt afterwards
        int copied;
    } cases[] = {{false, "old", 1}, {true, "new1", 2}};
    for (const auto& c : cases) {
        const fw::FileCopyResult result = fw::CopyFiles(files, {"D:\\Empty\\Inner"}, c.replace);
        EXPECT_EQ(result.copied, c.copied) << c.replace;
        EXPECT_EQ(TempDrives::Get(drives.C() / "B/one.prt"), c.one) << c.replace;
        EXPECT_EQ(TempDrives::Get(drives.Root() / "D/X/Y/two.prt"), "new2") << c.replace;
        ASSERT_EQ(result.failures.size(), 1u) << c.replace;
        EXPECT_EQ(result.failures[0].rfind("\"C:\\A\\gone.prt\" could not be copied to \"C:\\B\\gone.prt\": ", 0), 0u)
            << result.failures[0];
        EXPECT_TRUE(std::filesystem::is_directory(drives.Root() / "D/Empty/Inner")) << c.replace;
        EXPECT_FALSE(std::filesystem::exists(drives.C() / "B/gone.prt")) << c.replace;
    }
}

// Copies reach the disk together at the end; one the commit cannot place is not counted as copied
// and names its source and target.
TEST(FileCopyTest, ACopyTheCommitCannotPlaceIsNotCopied)
{
    TempDrives drives;
    TempDrives::Put(drives.C() / "A/one.prt", "new1");
    TempDrives::Put(drives.C() / "B/one.prt", "old");
    fw::CommitGroup::FailAt(fw::CommitGroup::Step::rename);
    const fw::FileCopyResult result = fw::CopyFiles({{"C:\\A\\one.prt", "C:\\B\\one.prt"}}, {}, true);
    EXPECT_EQ(result.copied, 0);
    ASSERT_EQ(result.failures.size(), 1u);
    EXPECT_EQ(result.failures[0].rfind("\"C:\\A\\one.prt\" could not be copied to \"C:\\B\\one.prt\": ", 0), 0u)
        << result.failures[0];
    EXPECT_EQ(TempDrives::Get(drives.C() / "B/one.prt"), "old");
}

TEST(FileCopyTest, ShowsItsProgressAndStopsBetweenTwoFilesWhenAsked)
{
    TempDrives drives;
    std::vector<fw::FilePair> files;
    for (const char* name : {"one", "two", "three"}) {
        TempDrives::Put(drives.C() / "A" / (std::string(name) + ".prt"), name);
        files.push_back({std::string("C:\\A\\") + name + ".prt", std::string("C:\\B\\") + name + ".prt"});
    }
    fw::ScriptedMessages messages;
    messages->StopProgressAt(2);
    const fw::FileCopyResult result = fw::CopyFiles(files, {}, false);
    EXPECT_EQ(messages->ProgressLog(),
              (V{"Copying Files (3)", "0: C:\\A\\one.prt", "1: C:\\A\\two.prt", "2: C:\\A\\three.prt"}));
    EXPECT_EQ(result.copied, 2);
    EXPECT_EQ(result.failures,
              V{"Copying was stopped at file 3 of 3: \"C:\\A\\three.prt\" and the files after it were not copied."});
    EXPECT_EQ(TempDrives::Get(drives.C() / "B/two.prt"), "two");
    EXPECT_FALSE(std::filesystem::exists(drives.C() / "B/three.prt"));
}

} // namespace
