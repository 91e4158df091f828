#include "model/Zone.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace {

// A zone whose bounds are stored as given, in either order.
CZone Stored(double low, double high)
{
    CZone z;
    z.GetLow().SetValue(low);
    z.GetHigh().SetValue(high);
    return z;
}

} // namespace

TEST(Zone, SetRangeOrdersTheBounds)
{
    const CZone z(5, 2);
    EXPECT_EQ(z.GetLow().GetValue(), 2.0);
    EXPECT_EQ(z.GetHigh().GetValue(), 5.0);
    EXPECT_EQ(CZone().GetLow().GetValue(), 0.0);
    EXPECT_EQ(CZone().GetHigh().GetValue(), 0.0);
}

TEST(Zone, ContainsItsClosedRangeInEitherOrder)
{
    const struct {
        CZone zone;
        double x;
        bool inside;
    } cases[] = {
        {CZone(2, 5), 2.0, true},  {CZone(2, 5), 5.0, true},   {CZone(2, 5), 3.5, true},
        {CZone(2, 5), 1.99, false}, {CZone(2, 5), 5.01, false}, {Stored(5, 2), 2.0, true},
        {Stored(5, 2), 4.0, true}, {Stored(5, 2), 6.0, false}, {CZone(), 0.0, true},
        {CZone(), 0.001, false},   {CZone(), -0.001, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.zone.Contains(c.x), c.inside) << c.x;
}

TEST(Zone, ComparesOrderedBoundsExactly)
{
    EXPECT_TRUE(CZone(2, 5).IsEqual(Stored(5, 2)));
    EXPECT_TRUE(Stored(5, 2).IsEqual(CZone(2, 5)));
    EXPECT_FALSE(CZone(2, 5).IsEqual(CZone(2, 5.0000001)));
    EXPECT_FALSE(CZone(2, 5).IsEqual(CZone(1, 5)));
    // Comparing leaves both zones as they were.
    const CZone reversed = Stored(5, 2);
    EXPECT_TRUE(CZone(2, 5).IsEqual(reversed));
    EXPECT_EQ(reversed.GetLow().GetValue(), 5.0);
}

TEST(Zone, NormalizeSwapsValuesWithTheirUnits)
{
    CZone z = Stored(5, 2);
    z.GetLow().SetUnits(2);
    z.Normalize();
    EXPECT_EQ(z.GetLow().GetValue(), 2.0);
    EXPECT_EQ(z.GetLow().GetUnitLetter(), 'E');
    EXPECT_EQ(z.GetHigh().GetValue(), 5.0);
    EXPECT_EQ(z.GetHigh().GetUnitLetter(), 'M');
}

TEST(Zone, AssignAndExtendTakeTheOtherRangeInOrder)
{
    CZone z;
    z.Assign(Stored(6, 1));
    EXPECT_EQ(z.GetLow().GetValue(), 1.0);
    EXPECT_EQ(z.GetHigh().GetValue(), 6.0);

    const struct {
        CZone zone, other;
        double low, high;
    } cases[] = {
        {CZone(1, 3), CZone(2, 6), 1, 6},  {CZone(1, 3), CZone(4, 6), 1, 6},   // the gap is covered
        {CZone(1, 3), Stored(6, 4), 1, 6}, {CZone(1, 3), CZone(-1, 0), -1, 3},
        {Stored(3, 1), CZone(2, 2), 1, 3}, {CZone(1, 3), CZone(0, 9), 0, 9},
    };
    for (auto c : cases) {
        c.zone.Extend(c.other);
        EXPECT_EQ(c.zone.GetLow().GetValue(), c.low);
        EXPECT_EQ(c.zone.GetHigh().GetValue(), c.high);
    }
}

TEST(Zone, ArchivesLowThenHigh)
{
    CZone z(5, 2);
    z.GetHigh().SetUnits(1);
    const Bytes bytes = Cat({Dim(k2, 'E'), Dim(k5, 'D')});
    EXPECT_EQ(StoreDirect(z), bytes);
    CZone loaded;
    LoadDirect(loaded, bytes);
    EXPECT_TRUE(loaded.IsEqual(z));
    EXPECT_EQ(loaded.GetHigh().GetUnits(), 1);
    ExpectTruncationsRejected(bytes, [](fw::Archive& ar) { CZone().Serialize(ar); });
}
