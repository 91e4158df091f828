// The conversion's fuzz body over damaged copies of a good disk: bytes changed and files cut at
// random places, each run converted into an empty job.

#include "tests/shopdisk/fuzz/ShopDiskFuzz.h"

#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

TEST(ShopDiskFuzzTest, DamagedDisksConvertWhatTheyCanAndEveryConvertedFileLoads)
{
    const TempDrives drives;
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int run = 0; run < 80; ++run) {
        std::vector<std::uint8_t> input{std::uint8_t(run % 2)};
        for (int i = 0; i < 6 * (1 + run % 3); ++i)
            input.push_back(std::uint8_t(byte(random)));
        EXPECT_EQ(ShopDiskFinding(input.data(), input.size()), "") << "run " << run;
    }
}

} // namespace
