#include "fw/core/Geometry.h"

#include <gtest/gtest.h>

using fw::Point;
using fw::Rect;

TEST(Rect, SizeAndNormalize)
{
    Rect r{10, 20, 4, 5};
    EXPECT_EQ(r.Width(), -6);
    EXPECT_TRUE(r.IsEmpty());
    r.Normalize();
    EXPECT_EQ(r, (Rect{4, 5, 10, 20}));
    EXPECT_EQ(r.Width(), 6);
    EXPECT_EQ(r.Height(), 15);
    EXPECT_FALSE(r.IsEmpty());
}

TEST(Rect, IntersectAndUnion)
{
    struct Case {
        Rect a, b, intersection, uni;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {5, 5, 20, 20}, {5, 5, 10, 10}, {0, 0, 20, 20}},
        {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, {0, 0, 10, 10}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, {}, {0, 0, 20, 10}},   // touching edges do not overlap
        {{0, 0, 10, 10}, {3, 3, 3, 8}, {}, {0, 0, 10, 10}},      // an empty one adds nothing
        {{-5, -5, -1, -1}, {1, 1, 5, 5}, {}, {-5, -5, 5, 5}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a.Intersect(c.b), c.intersection);
        EXPECT_EQ(c.b.Intersect(c.a), c.intersection);
        EXPECT_EQ(c.a.Union(c.b), c.uni);
        EXPECT_EQ(c.b.Union(c.a), c.uni);
    }
}

TEST(Rect, ContainsAndPtInRect)
{
    const Rect r{0, 0, 10, 10};
    EXPECT_TRUE(r.Contains({0, 0, 10, 10}));
    EXPECT_TRUE(r.Contains({2, 2, 3, 3}));
    EXPECT_FALSE(r.Contains({-1, 2, 3, 3}));
    EXPECT_FALSE(r.Contains({2, 2, 11, 3}));
    EXPECT_TRUE(r.PtInRect({0, 0}));
    EXPECT_TRUE(r.PtInRect({9, 9}));
    EXPECT_FALSE(r.PtInRect({10, 5}));
    EXPECT_FALSE(r.PtInRect({5, 10}));
    EXPECT_FALSE(r.PtInRect({-1, 5}));
}

TEST(Point, Arithmetic)
{
    EXPECT_EQ((Point{3, 4} + Point{1, -2}), (Point{4, 2}));
    EXPECT_EQ((Point{3, 4} - Point{1, -2}), (Point{2, 6}));
}
