#include "fw/core/AppProfile.h"

#include <gtest/gtest.h>

TEST(AppProfile, InstallsAndRestoresTheProcessProfile)
{
    auto installed = std::make_unique<fw::MemoryProfile>();
    fw::MemoryProfile* mine = installed.get();
    std::unique_ptr<fw::Profile> previous = fw::SetAppProfile(std::move(installed));
    EXPECT_EQ(&fw::AppProfile(), mine);
    fw::AppProfile().WriteProfileInt("General", "MaximizeApp", 0);
    EXPECT_EQ(mine->GetProfileInt("General", "MaximizeApp", 1), 0);

    fw::SetAppProfile(nullptr);
    EXPECT_NE(dynamic_cast<fw::MemoryProfile*>(&fw::AppProfile()), nullptr);
    EXPECT_EQ(fw::AppProfile().GetProfileInt("General", "MaximizeApp", 1), 1);
    fw::SetAppProfile(std::move(previous));
}
