// The allowable drop as the condition dialog shows, reads and keeps it.

#include "automult/AllowableDrop.h"

#include <gtest/gtest.h>

namespace {

using automult::kLeastAllowableDrop;

TEST(AllowableDrop, IsShownSixWideWithThreeDecimals)
{
    const std::pair<double, const char*> cases[] = {
        {0.0, " 0.000"}, {1.25, " 1.250"}, {0.0078125, " 0.008"}, {123.4567, "123.457"}, {-0.5, "-0.500"}};
    for (auto [value, text] : cases)
        EXPECT_EQ(automult::FormatDrop(value), text) << value;
}

TEST(AllowableDrop, TakesTheLeadingNumberAndAtLeastTheLeastDrop)
{
    const std::pair<const char*, double> cases[] = {
        {"0.25", 0.25},
        {" 0.000", kLeastAllowableDrop},
        {"", kLeastAllowableDrop},
        {"abc", kLeastAllowableDrop},
        {"-1", kLeastAllowableDrop},
        {"1.5 inch", 1.5},
        {"\t.5", 0.5},
        {"+2", 2.0},
        {"1e1", 10.0},
        {"3e", 3.0},
        {"5.", 5.0},
        {".", kLeastAllowableDrop},
        {"1e999", kLeastAllowableDrop},
        {"0000000000000000000000001", kLeastAllowableDrop},   // the 1 is past the 24 characters read
        {"000000000000000000000001", 1.0},
    };
    for (auto [text, value] : cases)
        EXPECT_EQ(automult::ParseAllowableDrop(text), value) << '"' << text << '"';
}

TEST(AllowableDrop, IsKeptInTenThousandthsTruncated)
{
    fw::MemoryProfile profile;
    const std::string section = automult::AllowableDropSection();
    EXPECT_EQ(section, "SOFTWARE\\Classes\\CLSID\\{F0816646-50CD-4F9D-B4E5-001ED2E96865}");
    EXPECT_EQ(automult::LoadAllowableDrop(profile), 0.0);

    const std::pair<double, int> cases[] = {{0.0078125, 78}, {0.25, 2500}, {0.0029, 28}, {1.0, 10000}};
    for (auto [drop, stored] : cases) {
        automult::StoreAllowableDrop(profile, drop);
        EXPECT_EQ(profile.GetProfileInt(section, "Allowable Drop", -1), stored) << drop;
        EXPECT_EQ(automult::LoadAllowableDrop(profile), stored / 10000.0);
    }
}

TEST(AllowableDrop, TooLargeIsNotStoredAndNonsenseReadsAsNone)
{
    fw::MemoryProfile profile;
    const std::string section = automult::AllowableDropSection();
    automult::StoreAllowableDrop(profile, 0.5);
    automult::StoreAllowableDrop(profile, 300000.0);
    EXPECT_EQ(profile.GetProfileInt(section, "Allowable Drop", -1), 5000);

    profile.WriteProfileInt(section, "Allowable Drop", -20);
    EXPECT_EQ(automult::LoadAllowableDrop(profile), 0.0);
    profile.WriteProfileString(section, "Allowable Drop", "x");
    EXPECT_EQ(automult::LoadAllowableDrop(profile), 0.0);
}

} // namespace
