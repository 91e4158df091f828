// The fuzz body over a well-formed stream and every truncation and byte change of it.

#include "navigator/NavPropertyStream.h"

#include "tests/navigator/fuzz/NavStreamFuzz.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> Seed()
{
    nav::NavProperties p;
    p.ShowShapes = 0;
    p.JobLabel = "Jobs";
    p.MultLabel = std::string(300, 'M');   // beyond the longest label: loads as the default
    p.PartExtension = ".prt";
    fw::Archive ar;
    nav::WriteProperties(ar, p);
    return ar.TakeBytes();
}

TEST(NavStreamFuzz, DamagedStreamsLoadSanelyOrAreRefusedWithNothingChanged)
{
    const std::vector<std::uint8_t> seed = Seed();
    EXPECT_EQ(navfuzz::Check(seed), "");
    for (std::size_t size = 0; size < seed.size(); ++size)
        EXPECT_EQ(navfuzz::Check({seed.begin(), seed.begin() + std::ptrdiff_t(size)}), "") << "cut to " << size;
    for (std::size_t i = 0; i < seed.size(); ++i)
        for (const std::uint8_t value : {0x00, 0x01, 0x2E, 0x7F, 0xFE, 0xFF}) {
            std::vector<std::uint8_t> damaged = seed;
            damaged[i] = value;
            EXPECT_EQ(navfuzz::Check(damaged), "") << "byte " << i << " = " << int(value);
        }
}

} // namespace
