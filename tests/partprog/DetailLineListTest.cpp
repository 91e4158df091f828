#include "DetailingTestSupport.h"

#include "partprog/DetailLineList.h"
#include "partprog/DetailingDimRect.h"
#include "partprog/DetailingTextRect.h"

#include <gtest/gtest.h>

#include <vector>

using namespace detailtest;

namespace {

std::string Describe(const CDetailingObject& o)
{
    char text[64];
    std::snprintf(text, sizeof text, "%g/%d%s", o.GetLineLength(), int(o.GetKind()), o.IsAlongX() ? "X" : "U");
    return text;
}

std::string Order(const CDetailLineList& list)
{
    std::string text;
    for (int k = 0; k < list.GetCount(); ++k)
        text += (k ? " " : "") + Describe(list.GetAt(k));
    return text;
}

template <class... Kinds> void AddAll(CDetailLineList& list, const CPattern& pattern, fw::DrawContext& dc)
{
    (list.Add(Built<Kinds>(pattern, dc)), ...);
}

TEST(DetailLineList, OrderByLengthKindAxisAndInsertion)
{
    fw::RecordingDrawContext dc;
    const auto first = MakePattern(kGrid, {10, 2});
    const auto second = MakePattern(kGrid, {20, 3});
    CDetailLineList list;
    AddAll<CDetailingDimRectOrgToRef, CDetailingDimRectRefTo1st, CDetailingDimRect1stToLast, CDetailingDimRectOrgToRefU,
           CDetailingDimRectRefTo1stU, CDetailingDimRect1stToLastU>(list, *first, dc);
    EXPECT_EQ(Order(list), "16/2X 16/2U 16/3U 32/1U 64/3X 160/1X");
    ASSERT_TRUE(list.Add(Built<CDetailingDimRectRefTo1st>(*second, dc)));
    EXPECT_EQ(Order(list), "16/2X 16/2X 16/2U 16/3U 32/1U 64/3X 160/1X");
    EXPECT_EQ(list.GetAt(0).GetPattern(), first.get());
    EXPECT_EQ(list.GetAt(1).GetPattern(), second.get());
}

TEST(DetailLineList, MergesTheSameRectangleWithTheSameText)
{
    fw::RecordingDrawContext dc;
    const auto a = MakePattern(kGrid, {10, 2});
    const auto b = MakePattern(kGrid, {10, 5});                // same chain along X, further across
    const auto c = MakePattern({1, 1, 2, 4, 2, 1}, {10, 2});   // same line, "1@4\"" for "2@2\""
    CDetailLineList list;
    CDetailingObject* held = list.Add(Built<CDetailingDimRect1stToLast>(*a, dc));
    ASSERT_TRUE(held);
    EXPECT_EQ(list.Add(Built<CDetailingDimRect1stToLast>(*b, dc)), nullptr);
    EXPECT_TRUE(list.Add(Built<CDetailingDimRect1stToLast>(*c, dc)));
    EXPECT_EQ(list.GetCount(), 2);
    ASSERT_EQ(held->GetMembers().size(), 2u);
    EXPECT_EQ(held->GetMembers()[1].pattern, b.get());
}

TEST(DetailLineList, MembersStopAtOneHundredAndTheCoverBoxHoldsThemAll)
{
    fw::RecordingDrawContext dc;
    // Centred patterns along one chain, each plane further across: 8 corners each.
    std::vector<std::unique_ptr<CPattern>> patterns;
    CDetailLineList list;
    for (int k = 0; k < 150; ++k) {
        patterns.push_back(MakePattern(kGrid, {10, 2 + 0.5 * k, 'C'}));
        list.Add(Built<CDetailingDimRect1stToLast>(*patterns.back(), dc));
    }
    ASSERT_EQ(list.GetCount(), 1);
    const CDetailingObject& held = list.GetAt(0);
    ASSERT_EQ(held.GetMembers().size(), 100u);
    double greatestY = -1e300;
    for (const auto& m : held.GetMembers())
        for (const CDimTPoint& c : m.corners)
            greatestY = std::max(greatestY, c.GetY());
    EXPECT_EQ(held.GetWorkPoint(7).GetY(), greatestY);
    EXPECT_EQ(greatestY, held.GetMembers()[99].corners[0].GetY());
}

TEST(DetailLineList, PassOneLeavesClearDimensionsAndMovesOthersClear)
{
    fw::RecordingDrawContext dc;
    const auto above = MakePattern(kGrid, {10, 2});
    const auto below = MakePattern({0, 1, 3, 2, 2, 1}, {10, 0, 'B'});   // elements from x 160, at y -16 and -32
    CDetailLineList list;
    CDetailingObject* clear = list.Add(Built<CDetailingDimRect1stToLast>(*above, dc));
    CDetailingObject* under = list.Add(Built<CDetailingDimRectOrgToRef>(*below, dc));
    const CDimRect clearBefore = clear->GetRect();
    ASSERT_FALSE(under->IsClearOfCover());
    list.MoveClearOfPatterns();
    EXPECT_TRUE(clear->GetRect().SameAs(clearBefore));
    EXPECT_TRUE(under->IsClearOfCover());
    EXPECT_EQ(CornersText(under->GetRect()), "(0,-48) (0,-64) (160,-64) (160,-48)");   // below -32 - 15
}

TEST(DetailLineList, PassOneStopsAtItsBound)
{
    fw::RecordingDrawContext dc;
    // Below its plane, the pattern reaches 6000 inches down the face: clearing it would take
    // 6000 steps of one level, more than any one move may take.
    const auto deep = MakePattern({0, 1, 3, 2, 2, 6000}, {10, 0, 'B'});
    CDetailLineList list;
    CDetailingObject* object = list.Add(Built<CDetailingDimRectOrgToRef>(*deep, dc));
    list.MoveClearOfPatterns();
    EXPECT_FALSE(object->IsClearOfCover());
    EXPECT_EQ(object->GetRect().MaxY(), -16.0 - 16.0 * CDetailingObject::kMaxSteps);
}

TEST(DetailLineList, EqualLengthsMoveTheLowerKind)
{
    fw::RecordingDrawContext dc;
    // Origin to a plane at 4 inches, and three elements from it back toward the origin at
    // 2 inches: both lines run from 0 to 64 on the same level.
    const auto pattern = MakePattern({0, 0, 3, 2}, {4, 0, 'A', '-', '+'});
    CDetailLineList list;
    CDetailingObject* origin = list.Add(Built<CDetailingDimRectOrgToRef>(*pattern, dc));
    CDetailingObject* chain = list.Add(Built<CDetailingDimRect1stToLast>(*pattern, dc));
    ASSERT_TRUE(origin->Overlaps(*chain));
    const CDimRect chainBefore = chain->GetRect();
    list.MoveClearOfPatterns();
    list.ResolveOverlaps();
    EXPECT_TRUE(chain->GetRect().SameAs(chainBefore));
    EXPECT_EQ(CornersText(origin->GetRect()), "(0,-32) (0,-48) (64,-48) (64,-32)");
}

TEST(DetailLineList, TheMoverEndsClearOfItsOwnPatterns)
{
    fw::RecordingDrawContext dc;
    // Both origin-to-plane U lines lie at x -16 to -32, right of their patterns (x -56); the
    // longer one must move left past its pattern, not stop beside it.
    const auto longer = MakePattern({1.5, 1}, {-5, 4, 'B'});
    const auto shorter = MakePattern({1.5, 1}, {-5, 2, 'B'});
    CDetailLineList list;
    CDetailingObject* mover = list.Add(Built<CDetailingDimRectOrgToRefU>(*longer, dc));
    CDetailingObject* other = list.Add(Built<CDetailingDimRectOrgToRefU>(*shorter, dc));
    list.MoveClearOfPatterns();
    ASSERT_TRUE(mover->IsClearOfCover());
    ASSERT_TRUE(mover->Overlaps(*other));
    list.ResolveOverlaps();
    EXPECT_FALSE(mover->Overlaps(*other));
    EXPECT_TRUE(mover->IsClearOfCover());
    EXPECT_EQ(CornersText(mover->GetRect()), "(-80,0) (-96,0) (-96,64) (-80,64)");   // left of -56 - 15
    EXPECT_EQ(CornersText(other->GetRect()), "(-16,0) (-32,0) (-32,32) (-16,32)");
}

TEST(DetailLineList, MoverRules)
{
    fw::RecordingDrawContext dc;
    const auto plain = MakePattern(kGrid, {10, 2});
    const auto steep = MakePattern(kGrid, {10, 2, 'A', '+', '+', 1, 1});     // 45 degrees
    const auto gentle = MakePattern(kGrid, {10, 2, 'A', '+', '+', 1, 2});    // 26.6 degrees
    const auto dimension = Built<CDetailingDimRectRefTo1st>(*plain, dc);   // 16 long
    CDetailingTextRect label;
    ASSERT_TRUE(label.InitLabel(*dimension));
    const auto longer = Built<CDetailingDimRect1stToLast>(*plain, dc);     // 64 long
    const auto atFour = MakePattern({}, {4, 0});
    const auto origin = Built<CDetailingDimRectOrgToRef>(*atFour, dc);   // 64 long, kind 1
    const auto steepChain = Built<CDetailingDimRect1stToLast>(*steep, dc);
    const auto gentleChain = Built<CDetailingDimRect1stToLast>(*gentle, dc);
    const auto elsewhere = MakePattern(kGrid, {20, 2});
    const auto plainChain = Built<CDetailingDimRect1stToLast>(*elsewhere, dc);
    struct Case {
        const char* name;
        CDetailingObject* a;
        CDetailingObject* b;
        CDetailingObject* mover;
    };
    const Case cases[] = {
        {"label, first", &label, longer.get(), &label},
        {"label, second", longer.get(), &label, &label},
        {"longer line", dimension.get(), longer.get(), longer.get()},
        {"equal lengths: lower kind", longer.get(), origin.get(), origin.get()},
        {"equal kinds: the angled one", plainChain.get(), gentleChain.get(), gentleChain.get()},
        {"equal kinds: the angled one, first", gentleChain.get(), plainChain.get(), gentleChain.get()},
        {"both angled: the greater angle", gentleChain.get(), steepChain.get(), steepChain.get()},
        {"equal angles: a", longer.get(), plainChain.get(), longer.get()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(&CDetailLineList::ChooseMover(*c.a, *c.b), c.mover) << c.name;
}

TEST(DetailLineList, LabelAndDimensionOverlapping)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern(kGrid, {10, 2});
    const auto other = MakePattern({0, 0, 2, 4}, {10, 0});   // a chain 16 below the first pattern's label
    CDetailLineList list;
    CDetailingObject* owner = list.Add(Built<CDetailingDimRectRefTo1st>(*pattern, dc));
    auto label = std::make_unique<CDetailingTextRect>();
    ASSERT_TRUE(label->InitLabel(*owner));
    CDetailingObject* labelHeld = list.Add(std::move(label));
    auto dimension = Built<CDetailingDimRect1stToLast>(*other, dc);   // (160,-16) to (224,-16)
    dimension->MoveOut();                                            // onto the label: y -32 to -48
    CDetailingObject* chain = list.Add(std::move(dimension));
    const CDimRect chainBefore = chain->GetRect();
    ASSERT_TRUE(labelHeld->Overlaps(*chain));
    list.ResolveOverlaps();
    EXPECT_TRUE(chain->GetRect().SameAs(chainBefore));
    EXPECT_FALSE(labelHeld->Overlaps(*chain));
}

} // namespace
