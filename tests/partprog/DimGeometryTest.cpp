#include "partprog/DimRect.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CDimRect Rect(double x0, double y0, double x1, double y1)
{
    return CDimRect({x0, y0}, {x0, y1}, {x1, y1}, {x1, y0});
}

TEST(DimTPoint, RoundsHalfAwayFromZero)
{
    struct Case {
        double value;
        int device;
    };
    for (const Case& c : {Case{2.5, 3}, {2.49, 2}, {-2.5, -3}, {-2.49, -2}, {0.0, 0}}) {
        CDimTPoint p(c.value, c.value);
        EXPECT_EQ(p.GetDeviceX(), c.device) << c.value;
        EXPECT_EQ(p.GetDeviceY(), c.device) << c.value;
    }
}

TEST(DimTPoint, CoincidesWithinTolerance)
{
    EXPECT_TRUE(CDimTPoint(1, 1).Coincides({1.005, 1}));
    EXPECT_FALSE(CDimTPoint(1, 1).Coincides({1.0051, 1}));
}

TEST(DimLine, KindsOfLine)
{
    const CDimLine sloped({0, 0}, {2, 1});
    EXPECT_DOUBLE_EQ(sloped.GetSlope(), 0.5);
    EXPECT_DOUBLE_EQ(sloped.GetIntercept(), 0.0);
    EXPECT_DOUBLE_EQ(sloped.GetAngle(), std::atan2(-1.0, -2.0));
    EXPECT_DOUBLE_EQ(sloped.GetPerpendicularSlope(), -2.0);
    EXPECT_FALSE(IsSet(sloped.GetVerticalX()));

    const CDimLine horizontal({0, 3}, {5, 3});
    EXPECT_EQ(horizontal.GetSlope(), 0.0);
    EXPECT_EQ(CDimLine({5, 3}, {0, 3}).GetAngle(), 0.0);
    EXPECT_EQ(horizontal.GetAngle(), 0.0);   // not pi, though the run is negative
    EXPECT_EQ(horizontal.GetIntercept(), 3.0);
    EXPECT_FALSE(IsSet(horizontal.GetPerpendicularSlope()));

    const CDimLine vertical({4, 0}, {4, 9});
    EXPECT_TRUE(vertical.IsVertical());
    EXPECT_EQ(vertical.GetVerticalX(), 4.0);
    EXPECT_FALSE(IsSet(vertical.GetSlope()));
    EXPECT_FALSE(IsSet(vertical.GetIntercept()));
    EXPECT_EQ(vertical.GetPerpendicularSlope(), 0.0);

    const CDimLine unset(UnsetPoint(), {1, 1});
    EXPECT_FALSE(IsSet(unset.GetSlope()));
    EXPECT_FALSE(unset.IsVertical());
    EXPECT_FALSE(unset.Contains({1, 1}));
}

TEST(DimLine, SameSlopeInterceptAndContains)
{
    const CDimLine a({0, 1}, {10, 6});
    EXPECT_TRUE(a.SameSlope(CDimLine({0, 0}, {10, 5.0004})));
    EXPECT_FALSE(a.SameSlope(CDimLine({0, 0}, {10, 5.001})));
    EXPECT_TRUE(a.SameIntercept(CDimLine({0, 1.00004}, {1, 7})));
    EXPECT_TRUE(CDimLine({1, 0}, {1, 5}).SameSlope(CDimLine({2, 0}, {2, 1})));   // both vertical
    EXPECT_TRUE(a.Contains({4, 3.005}));
    EXPECT_FALSE(a.Contains({4, 3.0051}));
    EXPECT_TRUE(CDimLine({1, 0}, {1, 5}).Contains({1.004, 100}));
    EXPECT_FALSE(CDimLine({1, 0}, {1, 5}).Contains({1.006, 100}));
}

TEST(DimLineSegment, LengthMiddleAndSameAs)
{
    const CDimLineSegment s({0, 0}, {3, 4});
    EXPECT_DOUBLE_EQ(s.GetLength(), 5.0);
    EXPECT_DOUBLE_EQ(s.GetThird().GetX(), 1.5);
    EXPECT_DOUBLE_EQ(s.GetThird().GetY(), 2.0);
    EXPECT_TRUE(s.SameAs(CDimLineSegment({3.004, 4}, {0, 0})));
    EXPECT_FALSE(s.SameAs(CDimLineSegment({0, 0}, {3, 4.01})));
    EXPECT_FALSE(IsSet(CDimLineSegment(UnsetPoint(), {1, 1}).GetThird()));
    EXPECT_FALSE(IsSet(CDimLineSegment().GetLength()));
}

TEST(DimLineSegment, Intersects)
{
    const CDimLineSegment s({0, 0}, {10, 10});
    EXPECT_TRUE(s.Intersects(CDimLineSegment({0, 10}, {10, 0})));
    EXPECT_FALSE(s.Intersects(CDimLineSegment({1, 0}, {11, 10})));   // parallel
    const CDimLineSegment h({0, 0}, {10, 0});
    EXPECT_TRUE(h.Intersects(CDimLineSegment({10.004, -5}, {10.004, 5})));   // at an end, within tolerance
    EXPECT_FALSE(h.Intersects(CDimLineSegment({10.006, -5}, {10.006, 5})));
    EXPECT_TRUE(CDimLineSegment({5, -5}, {5, 5}).Intersects(CDimLineSegment({0, 0}, {10, 0})));
}

TEST(DimRect, EdgesSameAsContainsTranslate)
{
    CDimRect r = Rect(0, 0, 10, 4);
    EXPECT_DOUBLE_EQ(r.GetEdge(3).GetLength(), 10.0);   // corner 4 to corner 1
    EXPECT_TRUE(r.SameAs(CDimRect({10, 4}, {10, 0}, {0, 0}, {0, 4})));
    EXPECT_TRUE(r.Contains(Rect(0, 0, 5, 4)));
    EXPECT_FALSE(r.Contains(Rect(0, 0, 10.01, 4)));
    r.Translate(1, -2);
    EXPECT_TRUE(r.SameAs(Rect(1, -2, 11, 2)));
    EXPECT_DOUBLE_EQ(r.GetEdge(0).GetStart().GetY(), -2.0);
    EXPECT_EQ(r.MinX(), 1.0);
    EXPECT_EQ(r.MaxY(), 2.0);
}

TEST(DimRect, Classify)
{
    const CDimRect a = Rect(0, 0, 10, 10);
    const CDimRect diamond({10, 5}, {15, 0}, {20, 5}, {15, 10});
    struct Case {
        const char* name;
        CDimRect other;
        CDimRect::Relation relation;
    };
    const Case cases[] = {
        {"apart", Rect(20, 0, 30, 10), CDimRect::disjoint},
        {"same, other corner order", CDimRect({10, 10}, {10, 0}, {0, 0}, {0, 10}), CDimRect::same},
        {"inside", Rect(2, 2, 8, 8), CDimRect::contains},
        {"inside on one side", Rect(0, 2, 8, 8), CDimRect::contains},
        {"shares a side", Rect(10, 0, 20, 10), CDimRect::touch},
        {"shares part of a side", Rect(10, 5, 20, 15), CDimRect::touch},
        {"shares a side within tolerance", Rect(10.004, 0, 20, 10), CDimRect::touch},
        {"gap beyond tolerance", Rect(10.006, 0, 20, 10), CDimRect::disjoint},
        {"corner to corner", Rect(10, 10, 20, 20), CDimRect::meet},
        {"corner on a side", diamond, CDimRect::meet},
        {"crossing", Rect(5, 5, 15, 15), CDimRect::cross},
        {"collinear side, overlapping", Rect(5, 0, 15, 10), CDimRect::cross},
        {"surrounds", Rect(-5, -5, 15, 15), CDimRect::cross},
        {"turned apart", CDimRect({11, 12}, {12, 11}, {22, 21}, {21, 22}), CDimRect::disjoint},
        {"unset", CDimRect(), CDimRect::disjoint},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(a.Classify(c.other), c.relation) << c.name;
        const bool overlaps = c.relation == CDimRect::same || c.relation == CDimRect::cross || c.relation == CDimRect::contains;
        EXPECT_EQ(a.Overlaps(c.other), overlaps) << c.name;
    }
    EXPECT_EQ(Rect(2, 2, 8, 8).Classify(a), CDimRect::cross);   // inside, seen from the inner one
}

} // namespace
