#include "model/JobPaths.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Profile.h"

#include <gtest/gtest.h>

TEST(JobPaths, FoldersNamesAndDrivesFollowTheProfile)
{
    std::unique_ptr<fw::Profile> saved = fw::SetAppProfile(nullptr);
    fw::Profile& profile = fw::AppProfile();
    EXPECT_EQ(jobs::GroupFolder("D:", "J1", "G1"), "D:\\Kestrom\\Jobs\\J1\\G1");
    EXPECT_EQ(jobs::GroupFolder("C:", "", ""), "C:\\Kestrom\\Jobs\\NONE\\NONE");
    EXPECT_EQ(jobs::DriveOf("E:\\X\\A.prt"), "E:");
    EXPECT_EQ(jobs::DriveOf("A.prt"), "C:");

    profile.WriteProfileInt("Directories", "Default Job Drive", 4);
    profile.WriteProfileString("Directories", "Job/Group Directory", "\\Shop");
    EXPECT_EQ(jobs::DriveOf("A.prt"), "D:");
    EXPECT_EQ(jobs::GroupFolder(jobs::DefaultDrive(), "J1", ""), "D:\\Shop\\J1\\NONE");
    profile.WriteProfileInt("Directories", "Default Job Drive", 27);   // no such drive: C
    EXPECT_EQ(jobs::DefaultDrive(), "C:");
    fw::SetAppProfile(std::move(saved));
}

TEST(JobPaths, NamesAreShortFileNames)
{
    EXPECT_TRUE(jobs::IsName("ABCDEFGHIJ"));
    EXPECT_FALSE(jobs::IsName("ABCDEFGHIJK"));
    EXPECT_FALSE(jobs::IsName(""));
    EXPECT_FALSE(jobs::IsName("A/B"));
    EXPECT_TRUE(jobs::IsFolderName(""));
    EXPECT_FALSE(jobs::IsFolderName("A*"));
    // A name ending in a dot or a blank would name another file ("B12." gives "B12..prt"); a
    // blank job or group is no name and stands as NONE.
    for (const char* bad : {"B12.", "B12 ", " ", "."})
        EXPECT_FALSE(jobs::IsName(bad)) << '"' << bad << '"';
    EXPECT_TRUE(jobs::IsName("B 12"));
    EXPECT_TRUE(jobs::IsFolderName("   "));
    EXPECT_FALSE(jobs::IsFolderName("J1."));
    EXPECT_EQ(jobs::FolderName("   "), "NONE");
    EXPECT_EQ(jobs::GroupFolder("C:", " ", "G1"), "C:\\Kestrom\\Jobs\\NONE\\G1");
}
