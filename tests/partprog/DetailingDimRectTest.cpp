#include "DetailingTestSupport.h"

#include "partprog/DetailingDimRect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

using namespace detailtest;

namespace {

// Every dimension kind, built on its own: "1X" origin to plane along X ... "3U" first to last in U.
std::string KindsBuilt(const CPattern& pattern)
{
    fw::RecordingDrawContext dc;
    std::string kinds;
    const auto note = [&](const char* name, bool built) {
        if (built)
            kinds += (kinds.empty() ? "" : " ") + std::string(name);
    };
    note("1X", Built<CDetailingDimRectOrgToRef>(pattern, dc) != nullptr);
    note("2X", Built<CDetailingDimRectRefTo1st>(pattern, dc) != nullptr);
    note("3X", Built<CDetailingDimRect1stToLast>(pattern, dc) != nullptr);
    note("1U", Built<CDetailingDimRectOrgToRefU>(pattern, dc) != nullptr);
    note("2U", Built<CDetailingDimRectRefTo1stU>(pattern, dc) != nullptr);
    note("3U", Built<CDetailingDimRect1stToLastU>(pattern, dc) != nullptr);
    return kinds;
}

TEST(DetailingDimRect, WhichKindsExist)
{
    struct Case {
        const char* name;
        PatternSpec pattern;
        PlaneSpec plane;
        const char* kinds;
    };
    const Case cases[] = {
        {"all zero", {}, {}, ""},
        {"plane along X", {}, {10, 0}, "1X"},
        {"plane in U", {}, {0, 2}, "1U"},
        {"start X", {1, 0}, {}, "2X"},
        {"start U", {0, 1}, {}, "2U"},
        {"three along X", {0, 0, 3, 2}, {}, "3X"},
        {"one along X, whatever the increment", {0, 0, 1, 5}, {}, ""},
        {"zero increment", {0, 0, 3, 0}, {}, ""},
        {"two in U", {0, 0, 1, 0, 2, 1}, {}, "3U"},
        {"everything", {1, 1, 3, 2, 2, 1}, {10, 2}, "1X 2X 3X 1U 2U 3U"},
        {"no elements", {1, 1, 0, 2, 2, 1}, {10, 2}, ""},
        {"below the plane", {1, 1, 3, 2, 2, 1}, {10, 8, 'B'}, "1X 2X 3X 1U 2U 3U"},
        // Across the face the X progression runs in U: kinds 2 and 3 swap what they measure.
        {"vertical centred, start X only", {1, 0}, {10, 2, 'C', '+', '+', 1, 0}, "1X 1U 2U"},
        {"vertical centred, start U only", {0, 1}, {10, 2, 'C', '+', '+', 1, 0}, "1X 2X 1U"},
        {"vertical centred, U count", {0, 0, 1, 0, 3, 1}, {10, 2, 'C', '+', '+', 1, 0}, "1X 3X 1U"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KindsBuilt(*MakePattern(c.pattern, c.plane)), c.kinds) << c.name;
}

TEST(DetailingDimRect, ValueTexts)
{
    fw::RecordingDrawContext dc;
    struct Case {
        const char* name;
        PatternSpec pattern;
        PlaneSpec plane;
        int system;
        std::function<std::unique_ptr<CDetailingObject>(const CPattern&)> build;
        const char* text;
    };
    const auto of = [&dc]<class Kind>(Kind*) {
        return [&dc](const CPattern& p) -> std::unique_ptr<CDetailingObject> { return Built<Kind>(p, dc); };
    };
    const auto orgToRef = of((CDetailingDimRectOrgToRef*)nullptr);
    const auto orgToRefU = of((CDetailingDimRectOrgToRefU*)nullptr);
    const auto refTo1st = of((CDetailingDimRectRefTo1st*)nullptr);
    const auto refTo1stU = of((CDetailingDimRectRefTo1stU*)nullptr);
    const auto firstToLast = of((CDetailingDimRect1stToLast*)nullptr);
    const auto firstToLastU = of((CDetailingDimRect1stToLastU*)nullptr);
    const PatternSpec grid{1.5, 0.25, 4, 3, 2, 1.5};
    const PlaneSpec vertical{10, 2, 'C', '+', '+', 1, 0};
    const Case cases[] = {
        {"plane start X", grid, {15, 2}, 0, orgToRef, "1'3\""},
        {"plane start U", grid, {15, 2}, 0, orgToRefU, "2\""},
        {"start X", grid, {15, 2}, 0, refTo1st, "1\"1/2"},
        {"start U", grid, {15, 2}, 0, refTo1stU, "1/4"},
        {"four at 3 inches", grid, {15, 2}, 0, firstToLast, "3@3\""},
        {"two at 1 1/2", grid, {15, 2}, 0, firstToLastU, "1@1\"1/2"},
        {"decimal inch", grid, {15, 2}, 1, firstToLast, "3@3 in."},
        {"centred, start U", grid, {15, 2, 'C'}, 0, refTo1stU, "1/4"},
        {"vertical centred, X shows start U", grid, vertical, 0, refTo1st, "1/4"},
        {"vertical centred, U shows start X", grid, vertical, 0, refTo1stU, "1\"1/2"},
        {"vertical centred, X shows the U count", grid, vertical, 0, firstToLast, "1@1\"1/2"},
        {"vertical centred, U shows the X count", grid, vertical, 0, firstToLastU, "3@3\""},
    };
    for (const Case& c : cases) {
        const auto pattern = MakePattern(c.pattern, c.plane, c.system);
        const auto object = c.build(*pattern);
        ASSERT_TRUE(object) << c.name;
        EXPECT_EQ(object->GetText(), c.text) << c.name;
    }
}

TEST(DetailingDimRect, LevelFollowsTheTextHeight)
{
    const auto pattern = MakePattern({}, {10, 0});
    for (const auto& [height, level] : {std::pair{8, 16}, {16, 16}, {17, 19}, {20, 22}}) {
        fw::RecordingDrawContext dc;
        UseFont(dc, height);
        EXPECT_EQ(Built<CDetailingDimRectOrgToRef>(*pattern, dc)->GetLevel(), level) << height;
    }
}

TEST(DetailingDimRect, CornersAtAngleZero)
{
    // Plane at (10, 2) inches = (160, 32); elements at x 11, 13, 15 and u 3, 4 inches:
    // E1 (176, 64), E2 (176, 48), E3 (240, 48), E4 (240, 64).
    const PatternSpec grid{1, 1, 3, 2, 2, 1};
    const PlaneSpec above{10, 2};
    // Centred: the halves' first elements at u 2.5 (E2 y 40) and 1.5 (F2 y 24).
    const PlaneSpec centred{10, 2, 'C'};
    // Across the face: X runs in U (y 48, 80, 112), U in x (168, 184 and 152, 136).
    const PlaneSpec vertical{10, 2, 'C', '+', '+', 1, 0};
    struct Case {
        const char* name;
        PlaneSpec plane;
        std::function<std::unique_ptr<CDetailingObject>(const CPattern&, fw::DrawContext&)> build;
        const char* corners;
        double length;
    };
    const auto of = []<class Kind>(Kind*) {
        return [](const CPattern& p, fw::DrawContext& dc) -> std::unique_ptr<CDetailingObject> { return Built<Kind>(p, dc); };
    };
    const Case cases[] = {
        {"origin to plane X", above, of((CDetailingDimRectOrgToRef*)nullptr), "(0,-16) (0,-32) (160,-32) (160,-16)", 160},
        {"origin to plane U", above, of((CDetailingDimRectOrgToRefU*)nullptr), "(-16,0) (-32,0) (-32,32) (-16,32)", 32},
        {"plane to first X", above, of((CDetailingDimRectRefTo1st*)nullptr), "(160,-16) (160,-32) (176,-32) (176,-16)", 16},
        {"first to last X", above, of((CDetailingDimRect1stToLast*)nullptr), "(176,-16) (176,-32) (240,-32) (240,-16)", 64},
        {"plane to first U", above, of((CDetailingDimRectRefTo1stU*)nullptr), "(160,32) (144,32) (144,48) (160,48)", 16},
        {"first to last U", above, of((CDetailingDimRect1stToLastU*)nullptr), "(160,48) (144,48) (144,64) (160,64)", 16},
        {"plane to first U, centred", centred, of((CDetailingDimRectRefTo1stU*)nullptr), "(160,24) (144,24) (144,40) (160,40)", 16},
        {"plane to first X, vertical", vertical, of((CDetailingDimRectRefTo1st*)nullptr), "(152,-16) (152,-32) (168,-32) (168,-16)", 16},
        {"first to last X, vertical", vertical, of((CDetailingDimRect1stToLast*)nullptr), "(168,-16) (168,-32) (184,-32) (184,-16)", 16},
        {"plane to first U, vertical", vertical, of((CDetailingDimRectRefTo1stU*)nullptr), "(-16,48) (-32,48) (-32,32) (-16,32)", 16},
        {"first to last U, vertical", vertical, of((CDetailingDimRect1stToLastU*)nullptr), "(-16,48) (-32,48) (-32,112) (-16,112)", 64},
    };
    fw::RecordingDrawContext dc;
    for (const Case& c : cases) {
        const auto pattern = MakePattern(grid, c.plane);
        const auto object = c.build(*pattern, dc);
        ASSERT_TRUE(object) << c.name;
        EXPECT_EQ(CornersText(object->GetRect()), c.corners) << c.name;
        EXPECT_DOUBLE_EQ(object->GetLineLength(), c.length) << c.name;
    }
}

TEST(DetailingDimRect, AngledLinesMeasureTheDistanceAndStayOutside)
{
    fw::RecordingDrawContext dc;
    for (const PlaneSpec plane : {PlaneSpec{20, 4, 'A', '+', '+', 1, 2}, PlaneSpec{20, 4, 'B', '-', '+', -3, 1},
                                  PlaneSpec{20, 4, 'C', '+', '-', 2, -5}}) {
        const auto pattern = MakePattern({2, 1, 4, 3, 3, 1.5}, plane);
        const auto refTo1st = Built<CDetailingDimRectRefTo1st>(*pattern, dc);
        const auto firstToLast = Built<CDetailingDimRect1stToLast>(*pattern, dc);
        const auto firstToLastU = Built<CDetailingDimRect1stToLastU>(*pattern, dc);
        ASSERT_TRUE(refTo1st && firstToLast && firstToLastU);
        EXPECT_NEAR(refTo1st->GetLineLength(), 32, 1.0);   // the plane's point is whole units
        EXPECT_NEAR(firstToLast->GetLineLength(), 9 * 16, 1e-9);
        EXPECT_NEAR(firstToLastU->GetLineLength(), 3 * 16, 1e-9);
        // The chain along X continues where the plane-to-first line ends.
        EXPECT_TRUE(refTo1st->GetRect().GetCorner(3).Coincides(firstToLast->GetRect().GetCorner(0)));
        // No element of the pattern lies under a dimension.
        for (const CDetailingObject* o : {(CDetailingObject*)refTo1st.get(), (CDetailingObject*)firstToLast.get(),
                                          (CDetailingObject*)firstToLastU.get()}) {
            for (int k = 0; k < 8; ++k) {
                const CDimTPoint& c = o->GetCorner(k);
                if (IsSet(c)) {
                    EXPECT_FALSE(o->GetRect().Contains(CDimRect(c, c, c, c))) << PointText(c);
                }
            }
        }
    }
}

TEST(DetailingDimRect, FitsAtTheExactBoundaries)
{
    // Texts measured with a chosen character width.
    const auto fits = [](const CPattern& p, int kind, int charWidth) {
        fw::RecordingDrawContext dc;
        UseFont(dc, 16, charWidth);
        switch (kind) {
        case 1: return Built<CDetailingDimRectOrgToRef>(p, dc)->Fits();
        case 2: return Built<CDetailingDimRectRefTo1st>(p, dc)->Fits();
        default: return Built<CDetailingDimRect1stToLastU>(p, dc)->Fits();
        }
    };
    const auto origin = MakePattern({}, {2, 0});
    EXPECT_TRUE(fits(*origin, 1, 15));    // length 32 - 2 = 30 = 2 x 15
    EXPECT_FALSE(fits(*origin, 1, 16));
    const auto first = MakePattern({2, 0}, {});
    EXPECT_TRUE(fits(*first, 2, 13));     // 32 - 6 = 26 = 2 x 13
    EXPECT_FALSE(fits(*first, 2, 14));
    const auto across = MakePattern({0, 0, 1, 0, 2, 2}, {});   // "1@2\"", four characters
    EXPECT_TRUE(fits(*across, 3, 6));     // 32 - 6 = 26 >= 24
    EXPECT_FALSE(fits(*across, 3, 7));    // 28
}

TEST(DetailingDimRect, StepsOutAtAngleZero)
{
    const PatternSpec grid{1, 1, 3, 2, 2, 1};
    const auto pattern = MakePattern(grid, {10, 2});
    fw::RecordingDrawContext dc;
    UseFont(dc, 20);   // level 22
    const auto stepOf = [](CDetailingObject& o) {
        const CDimTPoint before = o.GetRect().GetCorner(0);
        o.MoveOut();
        return PointText({o.GetRect().GetCorner(0).GetX() - before.GetX(), o.GetRect().GetCorner(0).GetY() - before.GetY()});
    };
    EXPECT_EQ(stepOf(*Built<CDetailingDimRectOrgToRef>(*pattern, dc)), "(0,-22)");
    EXPECT_EQ(stepOf(*Built<CDetailingDimRectOrgToRefU>(*pattern, dc)), "(-16,0)");
    EXPECT_EQ(stepOf(*Built<CDetailingDimRectRefTo1st>(*pattern, dc)), "(0,-22)");
    EXPECT_EQ(stepOf(*Built<CDetailingDimRectRefTo1stU>(*pattern, dc)), "(-16,0)");
    EXPECT_EQ(stepOf(*Built<CDetailingDimRect1stToLast>(*pattern, dc)), "(0,-16)");
    EXPECT_EQ(stepOf(*Built<CDetailingDimRect1stToLastU>(*pattern, dc)), "(-16,0)");
}

TEST(DetailingDimRect, StepsOutAtAnAngleAwayFromThePattern)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern({2, 1, 4, 3, 3, 1.5}, {20, 4, 'A', '+', '+', 1, 2});
    std::vector<std::unique_ptr<CDetailingObject>> objects;
    objects.push_back(Built<CDetailingDimRect1stToLast>(*pattern, dc));
    objects.push_back(Built<CDetailingDimRectRefTo1stU>(*pattern, dc));
    for (const auto& object : objects) {
        const CDimRect before = object->GetRect();
        object->MoveOut();
        const double dx = object->GetRect().GetCorner(0).GetX() - before.GetCorner(0).GetX();
        const double dy = object->GetRect().GetCorner(0).GetY() - before.GetCorner(0).GetY();
        EXPECT_NEAR(std::hypot(dx, dy), 16, 1e-9);
        // Along the rectangle's first edge, outward.
        EXPECT_NEAR(dx, before.GetCorner(1).GetX() - before.GetCorner(0).GetX(), 1e-9);
        EXPECT_NEAR(dy, before.GetCorner(1).GetY() - before.GetCorner(0).GetY(), 1e-9);
    }
}

TEST(DetailingDimRect, LineOffset)
{
    fw::RecordingDrawContext dc;
    struct Case {
        PlaneSpec plane;
        int originOffset;   // origin to plane
        int firstOffset;    // plane to first
    };
    // D = 192: away from the face is -16 - 192 = -208.
    const Case cases[] = {
        {{10, 2, 'A', '+', '+'}, 16, 16},
        {{10, 2, 'A', '+', '-'}, -208, 16},
        {{10, 2, 'B', '+', '+'}, -208, -208},
        {{10, 2, 'B', '+', '-'}, 16, 16},
        {{10, 2, 'B', '+', '+', 1, 1}, -208, 16},
        {{10, 2, 'C', '+', '-'}, -208, 16},
        {{10, 2, 'C', '+', '+'}, 16, 16},
    };
    for (const Case& c : cases) {
        const auto pattern = MakePattern({1, 1}, c.plane);
        EXPECT_EQ(Built<CDetailingDimRectOrgToRef>(*pattern, dc)->GetLineOffset(), c.originOffset);
        EXPECT_EQ(Built<CDetailingDimRectRefTo1st>(*pattern, dc)->GetLineOffset(), c.firstOffset);
    }
}

TEST(DetailingDimRect, AngleOfThePlane)
{
    fw::RecordingDrawContext dc;
    const auto angleOf = [&dc](PlaneSpec plane) {
        plane.startX = 10;
        return Built<CDetailingDimRectOrgToRef>(*MakePattern({}, plane), dc)->GetAngle();
    };
    EXPECT_DOUBLE_EQ(angleOf({0, 0, 'A', '+', '+', 1, 1}), std::atan2(1.0, 1.0));
    EXPECT_DOUBLE_EQ(angleOf({0, 0, 'A', '+', '+', -1, 2}), std::atan2(-1.0, 2.0));
    EXPECT_EQ(angleOf({0, 0, 'C', '+', '+', 1, 0}), 0.0);   // vertical
    EXPECT_EQ(angleOf({}), 0.0);
}

TEST(DetailingDimRect, UnboundedGeometryIsNotDimensioned)
{
    fw::RecordingDrawContext dc;
    const auto far = MakePattern({1e9, 0}, {10, 0});
    EXPECT_FALSE(Built<CDetailingDimRectOrgToRef>(*far, dc));
    EXPECT_FALSE(Built<CDetailingDimRectRefTo1st>(*far, dc));
}

} // namespace
