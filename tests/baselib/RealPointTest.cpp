#include "baselib/RealPoint.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

using zr::CRealPoint;

namespace {

constexpr double kPi = std::numbers::pi;

TEST(CRealPoint, DefaultIsUndefinedWithEveryBitSet)
{
    CRealPoint p;
    EXPECT_FALSE(p.IsRealPoint());
    EXPECT_EQ(std::bit_cast<std::uint64_t>(p.GetX()), ~std::uint64_t{0});
    EXPECT_EQ(std::bit_cast<std::uint64_t>(p.GetY()), ~std::uint64_t{0});
    p.SetToZero();
    EXPECT_TRUE(p.IsRealPoint());
    p.SetY(std::nan(""));
    EXPECT_FALSE(p.IsRealPoint());
    p.SetUNDEFINED();
    EXPECT_TRUE(std::isnan(p.GetX()));
}

TEST(CRealPoint, EqualityToleranceTable)
{
    const struct {
        CRealPoint a, b;
        bool equal, equalEx;
    } cases[] = {
        {{0, 0}, {0.0009, 0}, true, true},
        {{0, 0}, {0.0006, 0.0008}, true, true},   // 0.001 apart
        {{5, 5}, {5, 5.0015}, false, true},
        {{0, 0}, {0.0019, 0}, false, true},
        {{0, 0}, {0.0025, 0}, false, false},
        {{}, {0, 0}, false, false},
        {{0, 0}, {}, false, false},
        {{}, {}, false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.a.ArePointsEqual(c.b), c.equal) << c.b.GetX() << "," << c.b.GetY();
        EXPECT_EQ(c.a.ArePointsEqualEx(c.b), c.equalEx) << c.b.GetX() << "," << c.b.GetY();
    }
}

TEST(CRealPoint, SlopeTable)
{
    const CRealPoint origin(0, 0);
    const struct {
        CRealPoint to;
        double slope;
    } cases[] = {
        {{1, 1e-11}, 0.0},
        {{1e-12, 1}, HUGE_VAL},
        {{-1e-12, 1}, -HUGE_VAL},
        {{0, -1}, -HUGE_VAL},
        {{2, 1}, 0.5},
        {{-2, 1}, -0.5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(origin.DetermineSlope(c.to), c.slope) << c.to.GetX() << "," << c.to.GetY();
    EXPECT_TRUE(std::isnan(origin.DetermineSlope(origin)));
}

// From a base point off the origin, in each direction: the absolute angle, the atan2 angle and
// the line direction.
TEST(CRealPoint, AngleQuadrantTable)
{
    const CRealPoint base(3, -2);
    const struct {
        double dx, dy;
        double absolute;
        int direction;
    } cases[] = {
        {1, 0, 2 * kPi, 1},          {1, 1, kPi / 4, 1},      {0, 1, kPi / 2, 1},
        {-1, 1, 3 * kPi / 4, 1},     {-1, 0, kPi, -1},        {-1, -1, 5 * kPi / 4, -1},
        {0, -1, 3 * kPi / 2, -1},    {1, -1, 7 * kPi / 4, -1}, {2, -1e-11, 2 * kPi, 1},
    };
    for (const auto& c : cases) {
        const CRealPoint to(base.GetX() + c.dx, base.GetY() + c.dy);
        EXPECT_NEAR(base.GetAbsoluteRadianAngle(to), c.absolute, 1e-9) << c.dx << "," << c.dy;
        EXPECT_NEAR(base.GetRadianAngle(to), std::atan2(c.dy, c.dx), 1e-12) << c.dx << "," << c.dy;
        EXPECT_EQ(base.DetermineLineDirection(to), c.direction) << c.dx << "," << c.dy;
    }
    EXPECT_TRUE(std::isnan(base.GetAbsoluteRadianAngle(base)));
    EXPECT_EQ(base.DetermineLineDirection(base), 1);
}

TEST(CRealPoint, RotationAndMirror)
{
    const CRealPoint quarter = CRealPoint(1, 0).CreateSkewedPoint(kPi / 2);
    EXPECT_EQ(quarter.GetX(), 0.0);   // cos(pi/2) is below 1e-6 and counts as 0
    EXPECT_EQ(quarter.GetY(), 1.0);
    const CRealPoint half = CRealPoint(1, 2).CreateSkewedPoint(kPi);
    EXPECT_EQ(half.GetX(), -1.0);
    EXPECT_EQ(half.GetY(), -2.0);
    CRealPoint p(3, 5);
    p.Mirror(1, CRealPoint(1, 0));
    EXPECT_EQ(p.GetX(), -1.0);
    EXPECT_EQ(p.GetY(), 5.0);
    p.Mirror(0, CRealPoint(1, 1));
    EXPECT_EQ(p.GetY(), -3.0);
}

TEST(CRealPoint, BoundingExtremes)
{
    CRealPoint maximum, minimum;
    for (const CRealPoint& p : {CRealPoint(1, 5), CRealPoint(3, 2), CRealPoint(), CRealPoint(-1, 4)}) {
        maximum.SetMax(p);
        minimum.SetMin(p);
    }
    EXPECT_EQ(maximum.GetX(), 3.0);
    EXPECT_EQ(maximum.GetY(), 5.0);
    EXPECT_EQ(minimum.GetX(), -1.0);
    EXPECT_EQ(minimum.GetY(), 2.0);
    CRealPoint a, b;
    CRealPoint(7, 8).GetMaxMinPoint(a, b);
    EXPECT_TRUE(a.ArePointsEqual(CRealPoint(7, 8)));
    EXPECT_TRUE(b.ArePointsEqual(CRealPoint(7, 8)));
}

TEST(CRealPoint, OffsetsDistanceAndIntegerPoints)
{
    CRealPoint p(1, 2);
    p.AddOffset(3, 4);
    p.SubtractOffset(CRealPoint(1, 1));
    EXPECT_EQ(p.GetX(), 3.0);
    EXPECT_EQ(p.GetY(), 5.0);
    double dx = 0, dy = 0;
    CRealPoint(0, 0).GetPointDiff(p, dx, dy);
    EXPECT_EQ(dx, 3.0);
    EXPECT_EQ(dy, 5.0);
    EXPECT_EQ(CRealPoint(0, 0).GetDistanceBetweenPoints(CRealPoint(3, 4)), 5.0);
    const CRealPoint mid = CRealPoint(0, 0).GetPointHalfWayBetween(CRealPoint(3, 4));
    EXPECT_EQ(mid.GetX(), 1.5);
    EXPECT_EQ(mid.GetY(), 2.0);
    const zr::POINT rounded = CRealPoint(1.6, -2.4).GetPoint();
    EXPECT_EQ(rounded.x, 2);
    EXPECT_EQ(rounded.y, -2);
    const zr::POINT undefined = CRealPoint().GetPoint();
    EXPECT_EQ(undefined.x, 0);
    EXPECT_EQ(CRealPoint(1e300, -1e300).GetPoint().x, INT32_MAX);
    CRealPoint fromInts;
    fromInts = zr::POINT{4, -9};
    EXPECT_EQ(fromInts.GetY(), -9.0);
    EXPECT_EQ(fromInts.GetSlope(), 0.0);
    EXPECT_EQ(fromInts.GetPercentFromStart(p), 0.0);
}

}  // namespace
