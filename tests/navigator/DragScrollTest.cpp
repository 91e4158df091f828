// Scrolling while dragging: the edge zones of a view and the wait before scrolling starts.

#include "navigator/DragScroll.h"

#include <gtest/gtest.h>

namespace {

TEST(NavDragScroll, EdgeZonesOfAHundredByFiftyView)
{
    struct Case {
        int x, y;
        nav::ScrollStep expected;
    };
    const Case cases[] = {
        {50, 25, {0, 0}},     {50, 10, {0, -1}},   {50, 11, {0, 0}},  {50, 0, {0, -1}},   {50, 38, {0, 0}},
        {50, 39, {0, 1}},     {50, 49, {0, 1}},    {10, 25, {-1, 0}}, {89, 25, {1, 0}},   {88, 25, {0, 0}},
        {0, 0, {-1, -1}},     {99, 49, {1, 1}},    {-1, 10, {0, 0}},  {50, 50, {0, 0}},   {100, 25, {0, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nav::EdgeZone(c.x, c.y, 100, 50, 11), c.expected) << c.x << "," << c.y;
    // A view narrower than two zones scrolls toward the low edge.
    EXPECT_EQ(nav::EdgeZone(5, 25, 15, 50, 11), (nav::ScrollStep{-1, 0}));
}

TEST(NavDragScroll, ScrollsOnlyAfterTheDelayAndUntilTheZoneIsLeft)
{
    struct Step {
        int y;
        long long at;
        int expectedDy;
        bool inZone;
    };
    // 50 ms delay: entering stamps, 50 ms later is not yet "more than" the delay.
    const Step steps[] = {
        {25, 0, 0, false},  {45, 100, 0, true},  {45, 130, 0, true}, {45, 150, 0, true}, {45, 151, 1, true},
        {40, 300, 1, true}, {25, 301, 0, false}, {2, 302, 0, true},  {2, 353, -1, true},
    };
    nav::DragScroller scroller;
    for (const Step& s : steps) {
        EXPECT_EQ(scroller.Over(50, s.y, 100, 50, s.at).dy, s.expectedDy) << s.at;
        EXPECT_EQ(scroller.InZone(), s.inZone) << s.at;
    }
    // Leaving the view forgets the stamp: the wait starts again.
    scroller.Leave();
    EXPECT_FALSE(scroller.Over(50, 2, 100, 50, 400).Any());
    EXPECT_FALSE(scroller.Over(50, 2, 100, 50, 450).Any());
    EXPECT_TRUE(scroller.Over(50, 2, 100, 50, 451).Any());
}

} // namespace
