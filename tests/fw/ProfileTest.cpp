#include "fw/core/Profile.h"

#include <gtest/gtest.h>

TEST(MemoryProfile, ReadsBackWhatWasWrittenAndFallsBackOnGarbage)
{
    fw::MemoryProfile p;
    EXPECT_EQ(p.GetProfileInt("General", "x", 7), 7);
    p.WriteProfileInt("General", "x", -12);
    EXPECT_EQ(p.GetProfileInt("General", "x", 7), -12);
    p.WriteProfileString("General", "x", "12abc");
    EXPECT_EQ(p.GetProfileInt("General", "x", 7), 7);
    EXPECT_EQ(p.GetProfileString("General", "x"), "12abc");
    EXPECT_EQ(p.GetProfileString("Layout", "x", "d"), "d");
}
