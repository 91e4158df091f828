#include "model/RefPlane.h"

#include "fw/core/MessageService.h"
#include "fw/core/RecordingDrawContext.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace {

Bytes PlaneBytes(std::uint64_t x, std::uint64_t u, char xDirection, char uDirection, std::uint64_t rise,
                 std::uint64_t run, char type)
{
    return Cat({Dim(x), Dim(u), {std::uint8_t(xDirection), std::uint8_t(uDirection)}, Dim(rise), Dim(run),
                {std::uint8_t(type)}});
}

} // namespace

TEST(DimTPoint, RoundsHalfAwayFromZeroAndCoincidesWithinTolerance)
{
    const struct {
        double value;
        int device;
    } cases[] = {{2.5, 3}, {-2.5, -3}, {2.49, 2}, {-2.49, -2}, {0.0, 0}, {7.0, 7}, {1e12, 2147483647}};
    for (const auto& c : cases) {
        CDimTPoint p;
        p.SetX(c.value);
        p.SetY(-c.value);
        EXPECT_EQ(p.GetDeviceX(), c.device) << c.value;
        EXPECT_EQ(p.GetDeviceY(), c.value == 1e12 ? -2147483647 : -c.device) << c.value;
    }
    EXPECT_TRUE(CDimTPoint(1, 1).Coincides(CDimTPoint(1.005, 1)));
    EXPECT_FALSE(CDimTPoint(1, 1).Coincides(CDimTPoint(1.0051, 1)));
    EXPECT_DOUBLE_EQ(CDimTPoint(0, 0).Distance(CDimTPoint(3, 4)), 5.0);
    EXPECT_EQ(CDimTPoint().GetX(), 0.0);
}

TEST(RefPlane, ConstructionAndSlopeRule)
{
    const CRefPlane fresh;
    EXPECT_EQ(fresh.GetPatternType(), 'H');
    EXPECT_EQ(fresh.GetXDirection(), '+');
    EXPECT_EQ(fresh.GetUDirection(), '+');

    const struct {
        double rise, run;
        char type;
        double keptRise, keptRun;
    } cases[] = {
        {0, 5, 'A', 0, 0}, {0, 5, 'C', 0, 0}, {5, 0, 'A', 0, 0}, {5, 0, 'B', 0, 0},
        {5, 0, 'C', 5, 0}, {1, 2, 'B', 1, 2},  {-1, -2, 'A', -1, -2},
    };
    for (const auto& c : cases) {
        const CRefPlane plane = Plane(1, 2, '+', '-', c.rise, c.run, c.type);
        EXPECT_EQ(plane.GetRise().GetValue(), c.keptRise) << c.rise << c.run << c.type;
        EXPECT_EQ(plane.GetRun().GetValue(), c.keptRun) << c.rise << c.run << c.type;
    }
}

TEST(RefPlane, DialogIndexesAndTypeIndex)
{
    CRefPlane plane;
    const struct {
        int xIndex, uIndex, typeIndex;
        char x, u, type;
    } cases[] = {{1, 0, 1, '-', '+', 'B'}, {0, 1, 2, '+', '-', 'C'}, {5, -1, 0, '+', '+', 'A'}, {1, 1, 9, '-', '-', 'A'}};
    for (const auto& c : cases) {
        plane.SetFromDialog(1, 2, c.xIndex, c.uIndex, 5, 0, c.typeIndex);
        EXPECT_EQ(plane.GetXDirection(), c.x);
        EXPECT_EQ(plane.GetUDirection(), c.u);
        EXPECT_EQ(plane.GetPatternType(), c.type);
        EXPECT_EQ(plane.GetPatternTypeIndex().value(), c.typeIndex == 1 ? 1 : c.typeIndex == 2 ? 2 : 0);
        EXPECT_EQ(plane.GetRise().GetValue(), c.type == 'C' ? 5.0 : 0.0);   // the slope rule for 'C'
    }
}

TEST(RefPlane, UnplacedPlaneHasNoTypeIndexAndShowsNothing)
{
    fw::ScriptedMessages messages;
    EXPECT_FALSE(CRefPlane().GetPatternTypeIndex().has_value());
    EXPECT_TRUE(messages->Beeps().empty());
    EXPECT_TRUE(messages->Shown().empty());
}

TEST(RefPlane, ScreenGeometryAtSixteenUnitsPerInch)
{
    const struct {
        CRefPlane plane;
        fw::Point origin, slopeEnd, crossStart, crossEnd;
    } cases[] = {
        {Plane(10, 0, '+', '+', 0, 0, 'A'), {160, 0}, {736, 0}, {160, 0}, {160, 192}},
        {Plane(10, 0, '+', '+', 0, 0, 'B'), {160, 0}, {736, 0}, {160, 0}, {160, -192}},
        {Plane(10, 0, '+', '+', 0, 0, 'C'), {160, 0}, {736, 0}, {160, -96}, {160, 96}},
        {Plane(10, 2, '-', '-', 0, 0, 'A'), {160, 32}, {-416, 32}, {160, 32}, {160, -160}},
        {Plane(10.99, 0.03, '+', '+', 0, 0, 'A'), {175, 0}, {751, 0}, {175, 0}, {175, 192}},
        // Vertical: the slope line along U (toward -U for a negative rise), the cross line along X.
        {Plane(1, 1, '+', '+', 2, 0, 'C'), {16, 16}, {16, 592}, {-80, 16}, {112, 16}},
        {Plane(1, 1, '+', '-', -2, 0, 'C'), {16, 16}, {16, 592}, {-80, 16}, {112, 16}},
        // Rise 3, run 4: 36 inches along (4, 3) and 12 inches along (3, -4), reversed for a negative run.
        {Plane(0, 0, '+', '+', 3, 4, 'A'), {0, 0}, {460, 345}, {0, 0}, {115, -153}},
        {Plane(0, 0, '+', '+', 3, -4, 'B'), {0, 0}, {-460, 345}, {0, 0}, {115, 153}},
        {Plane(0, 0, '-', '+', 3, 4, 'C'), {0, 0}, {-460, 345}, {57, 76}, {-57, -76}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.plane.GetStartX().GetValue() << c.plane.GetPatternType());
        EXPECT_EQ(c.plane.GetOrigin(), c.origin);
        EXPECT_EQ(c.plane.GetSlopeEnd(), c.slopeEnd);
        EXPECT_EQ(c.plane.GetCrossStart(), c.crossStart);
        EXPECT_EQ(c.plane.GetCrossEnd(), c.crossEnd);
        EXPECT_EQ(c.plane.GetCornerPoint().GetX(), c.origin.x);
        EXPECT_EQ(c.plane.GetCornerPoint().GetY(), c.origin.y);
    }
}

TEST(RefPlane, DrawsBothLinesInADashedRedPen)
{
    fw::RecordingDrawContext dc;
    Plane(10, 0, '+', '+', 0, 0, 'C').Draw(dc);
    EXPECT_EQ(dc.Lines(), (std::vector<std::string>{"Pen dash 0 #FF0000", "MoveTo 160 0", "LineTo 736 0",
                                                    "MoveTo 160 -96", "LineTo 160 96", "Pen solid 0 #000000"}));
}

TEST(RefPlane, MirrorFlopCopyAndCompare)
{
    CRefPlane plane = Plane(10, 2, '+', '+', 0, 0, 'A');
    plane.MirrorX(100);
    EXPECT_EQ(plane.GetStartX().GetValue(), 90.0);
    EXPECT_EQ(plane.GetXDirection(), '-');
    EXPECT_EQ(plane.GetOrigin(), (fw::Point{1440, 32}));
    plane.FlopU(6);
    EXPECT_EQ(plane.GetStartU().GetValue(), 4.0);
    EXPECT_EQ(plane.GetUDirection(), '-');

    CRefPlane vertical = Plane(10, 2, '+', '+', 1, 0, 'C');
    vertical.MirrorX(100);
    EXPECT_EQ(vertical.GetXDirection(), '+');   // a vertical plane keeps its X direction
    vertical.FlopU(6);
    EXPECT_EQ(vertical.GetXDirection(), '-');
    EXPECT_EQ(vertical.GetUDirection(), '+');

    CRefPlane copy;
    copy.CopyFrom(vertical);
    EXPECT_TRUE(copy.IsEqual(vertical));
    EXPECT_EQ(copy.GetSlopeEnd(), vertical.GetSlopeEnd());
    EXPECT_EQ(copy.GetRiseText(), "1\"");
    EXPECT_FALSE(copy.IsEqual(Plane(90, 4, '-', '+', 1, 0, 'B')));
    EXPECT_TRUE(copy.IsEqual(Plane(90, 4, '-', '+', 1, 0, 'C')));
}

TEST(RefPlane, ArchivesThirtyNineBytes)
{
    CRefPlane plane = Plane(10, 0, '+', '-', 0, 0, 'A');
    const Bytes bytes = PlaneBytes(k10, k0, '+', '-', k0, k0, 'A');
    ASSERT_EQ(bytes.size(), 39u);
    EXPECT_EQ(StoreDirect(plane), bytes);

    CRefPlane loaded;
    LoadDirect(loaded, PlaneBytes(k10, k0, '+', '-', k2, k0, 'A'));   // a vertical 'A' plane from a file
    EXPECT_EQ(loaded.GetRise().GetValue(), 2.0);
    EXPECT_EQ(loaded.GetOrigin(), (fw::Point{160, 0}));
    EXPECT_EQ(loaded.GetSlopeEnd(), (fw::Point{160, -576}));   // geometry recomputed
    ExpectTruncationsRejected(bytes, [](fw::Archive& ar) { CRefPlane().Serialize(ar); });

    const auto load = [](fw::Archive& ar) { CRefPlane().Serialize(ar); };
    EXPECT_EQ(LoadError(PlaneBytes(k10, k0, 'x', '-', k0, k0, 'A'), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(PlaneBytes(k10, k0, '+', 0, k0, k0, 'A'), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(PlaneBytes(k10, k0, '+', '-', k0, k0, 'Z'), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(PlaneBytes(kNaN, k0, '+', '-', k0, k0, 'A'), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(PlaneBytes(k10, k0, '+', '-', k0, k0, 'H'), load), fw::ArchiveException::none);
}
