// The navigator's property stream: its bytes, what loads as a default and what is refused.

#include "navigator/NavPropertyStream.h"

#include "fw/core/ArchiveException.h"

#include "tests/support/HexBytes.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint8_t> Stored(const nav::NavProperties& p)
{
    fw::Archive ar;
    nav::WriteProperties(ar, p);
    return ar.TakeBytes();
}

nav::NavProperties Loaded(std::vector<std::uint8_t> bytes, const nav::NavProperties& base = {})
{
    fw::Archive ar(std::move(bytes));
    return nav::ReadProperties(ar, base);
}

nav::NavProperties Sample()
{
    nav::NavProperties p;
    p.ShowShapes = 0;
    p.ShowParts = 0;
    p.JobLabel = "Jobs";
    p.GroupLabel = "G";
    p.PartExtension = ".prt";
    return p;
}

const char* const kSampleHex = "00 00 01 00"                       // version
                               " 01 00 00 00  00 00 00 00  01 00 00 00  01 00 00 00"   // jobs, shapes, tools, machines
                               " 00 00 00 00  01 00 00 00"         // parts, mults
                               " 04 4A 6F 62 73  01 47  00 00 00 00 00"   // labels
                               " 04 2E 70 72 74  00 00 00 00";     // extensions

TEST(NavPropertyStream, BytesAndRoundTrip)
{
    EXPECT_EQ(Stored(Sample()), Hex(kSampleHex));
    nav::NavProperties base;
    base.JobDirectory = "\\Kestrom\\Jobs";
    base.RunMenuEnabled = 0;
    base.MultLabel = "was here";
    const nav::NavProperties loaded = Loaded(Hex(kSampleHex), base);
    EXPECT_EQ(Stored(loaded), Hex(kSampleHex));
    EXPECT_EQ(loaded.ShowShapes, 0);
    EXPECT_EQ(loaded.MultLabel, "");
    // Folders and the run-menu switch are not in the stream: they stay as the host set them.
    EXPECT_EQ(loaded.JobDirectory, "\\Kestrom\\Jobs");
    EXPECT_EQ(loaded.RunMenuEnabled, 0);
}

TEST(NavPropertyStream, ValuesTheControlCannotTakeLoadAsDefaults)
{
    struct Case {
        const char* what;
        void (*set)(nav::NavProperties&);
        bool (*isDefault)(const nav::NavProperties&);
    };
    const Case cases[] = {
        {"switch 2", [](nav::NavProperties& p) { p.ShowJobs = 2; }, [](const nav::NavProperties& p) { return p.ShowJobs == 1; }},
        {"switch -1", [](nav::NavProperties& p) { p.ShowMults = -1; }, [](const nav::NavProperties& p) { return p.ShowMults == 1; }},
        {"label of 256", [](nav::NavProperties& p) { p.PartLabel.assign(256, 'x'); }, [](const nav::NavProperties& p) { return p.PartLabel.empty(); }},
        {"no dot", [](nav::NavProperties& p) { p.PartExtension = "prt"; }, [](const nav::NavProperties& p) { return p.PartExtension.empty(); }},
        {"dot alone", [](nav::NavProperties& p) { p.MultExtension = "."; }, [](const nav::NavProperties& p) { return p.MultExtension.empty(); }},
        {"wildcard", [](nav::NavProperties& p) { p.ShapeExtension = ".s*"; }, [](const nav::NavProperties& p) { return p.ShapeExtension.empty(); }},
        {"separator", [](nav::NavProperties& p) { p.ToolExtension = ".\\tl"; }, [](const nav::NavProperties& p) { return p.ToolExtension.empty(); }},
        {"parent", [](nav::NavProperties& p) { p.ToolExtension = ".."; }, [](const nav::NavProperties& p) { return p.ToolExtension.empty(); }},
        {"nine long", [](nav::NavProperties& p) { p.MachineExtension = ".abcdefghi"; }, [](const nav::NavProperties& p) { return p.MachineExtension.empty(); }},
    };
    for (const Case& c : cases) {
        nav::NavProperties stored = Sample();
        c.set(stored);
        nav::NavProperties base;
        base.ShowJobs = base.ShowMults = 0;
        base.PartLabel = base.PartExtension = base.MultExtension = "kept?";
        base.ShapeExtension = base.ToolExtension = base.MachineExtension = "kept?";
        const nav::NavProperties loaded = Loaded(Stored(stored), base);
        EXPECT_TRUE(c.isDefault(loaded)) << c.what;
        // The rest of the stream still loads.
        EXPECT_EQ(loaded.JobLabel, "Jobs") << c.what;
    }
    // The longest values the control takes load as they are.
    nav::NavProperties longest = Sample();
    longest.JobLabel.assign(nav::kMaxLabelLength, 'J');
    longest.PartExtension = ".abcdefgh";
    EXPECT_EQ(Stored(Loaded(Stored(longest))), Stored(longest));
}

TEST(NavPropertyStream, CutOrOtherVersionIsRefused)
{
    const std::vector<std::uint8_t> bytes = Hex(kSampleHex);
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_THROW(Loaded({bytes.begin(), bytes.begin() + std::ptrdiff_t(size)}), fw::ArchiveException) << size;
    std::vector<std::uint8_t> other = bytes;
    other[2] = 2;
    EXPECT_THROW(Loaded(other), fw::ArchiveException);
    // A string length running past the end is refused, not allocated.
    std::vector<std::uint8_t> huge = Hex("00 00 01 00  01 00 00 00  01 00 00 00  01 00 00 00  01 00 00 00"
                                         " 01 00 00 00  01 00 00 00  FF FF FF FF FF 7F");
    EXPECT_THROW(Loaded(huge), fw::ArchiveException);
}

} // namespace
