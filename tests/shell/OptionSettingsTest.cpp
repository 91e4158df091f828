#include "shell/OptionSettings.h"

#include "fw/core/Profile.h"

#include <gtest/gtest.h>

namespace {

using Values = std::map<std::pair<std::string, std::string>, std::string>;

TEST(OptionSettings, RetainFlagsWriteExactlyTheirSevenKeys)
{
    fw::MemoryProfile profile;
    WindowRetainSettings settings = WindowRetainSettings::Load(profile);
    EXPECT_EQ(settings.flags, (std::array<int, 7>{}));
    settings.flags = {1, 0, 1, 0, 1, 0, 1};
    settings.Save(profile);
    const std::string s = "Current Settings";
    EXPECT_EQ(profile.Values(), (Values{
                                    {{s, "Retain Hand Mult Window Position"}, "1"},
                                    {{s, "Retain Machine Information Window Position"}, "0"},
                                    {{s, "Retain Mult Information Window Position"}, "1"},
                                    {{s, "Retain Part Information Window Position"}, "0"},
                                    {{s, "Retain Part Programming Window Position"}, "1"},
                                    {{s, "Retain Shape Information Window Position"}, "0"},
                                    {{s, "Retain Tool Information Window Position"}, "1"},
                                }));
    EXPECT_EQ(WindowRetainSettings::Load(profile).flags, settings.flags);
}

TEST(OptionSettings, DirectoryDefaults)
{
    const fw::MemoryProfile profile;
    const DirectorySettings d = DirectorySettings::Load(profile);
    EXPECT_EQ(d, (DirectorySettings{'C', "\\Kestrom\\Jobs", "C:\\Kestrom\\Machines", "C:\\Kestrom\\Shapes", "C:\\Kestrom\\Tools"}));
}

TEST(OptionSettings, DirectoriesWriteExactlyTheirFiveKeys)
{
    fw::MemoryProfile profile;
    const DirectorySettings d{'D', "\\Work\\Jobs", "E:\\M", "E:\\S", "E:\\T"};
    d.Save(profile);
    const std::string s = "Directories";
    EXPECT_EQ(profile.Values(), (Values{
                                    {{s, "Default Job Drive"}, "4"},
                                    {{s, "Job/Group Directory"}, "\\Work\\Jobs"},
                                    {{s, "Machine Directory"}, "E:\\M"},
                                    {{s, "Shape Directory"}, "E:\\S"},
                                    {{s, "Tool Directory"}, "E:\\T"},
                                }));
    EXPECT_EQ(DirectorySettings::Load(profile), d);
}

TEST(OptionSettings, DriveNumbersOutsideTheAlphabetGiveC)
{
    for (int number : {0, -1, 27, 64}) {
        fw::MemoryProfile profile;
        profile.WriteProfileInt("Directories", "Default Job Drive", number);
        EXPECT_EQ(DirectorySettings::Load(profile).drive, 'C') << number;
    }
    fw::MemoryProfile profile;
    profile.WriteProfileInt("Directories", "Default Job Drive", 26);
    EXPECT_EQ(DirectorySettings::Load(profile).drive, 'Z');
}

TEST(OptionSettings, BrowsedJobFolderKeepsItsDrive)
{
    DirectorySettings d;
    d.SetJobFolderFromBrowse("D:\\Work\\Jobs");
    EXPECT_EQ(d.drive, 'D');
    EXPECT_EQ(d.jobFolder, "\\Work\\Jobs");
    d.SetJobFolderFromBrowse("\\Other");
    EXPECT_EQ(d.drive, 'D');
    EXPECT_EQ(d.jobFolder, "\\Other");
}

} // namespace
