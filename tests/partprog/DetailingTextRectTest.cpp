#include "DetailingTestSupport.h"

#include "partprog/DetailLineList.h"
#include "partprog/DetailingDimRect.h"
#include "partprog/DetailingManager.h"
#include "partprog/DetailingTextRect.h"

#include <gtest/gtest.h>

using namespace detailtest;

namespace {

// Plane at (10, 2) inches, pattern starting 1 inch from it both ways: the plane-to-first
// dimensions are 16 units long and their values ("1\"", 20 units wide) do not fit.
TEST(DetailingTextRect, OnlyValuesThatDoNotFitGetALabel)
{
    fw::RecordingDrawContext dc;
    CDetailLineList list;
    const auto pattern = MakePattern(kGrid, {10, 2});
    CDetailingManager().DetailPattern(*pattern, dc, kFace, list);
    std::string labelled;
    for (int k = 0; k < list.GetCount(); ++k) {
        const CDetailingObject& o = list.GetAt(k);
        if (o.IsLabel())
            labelled += std::to_string(o.GetKind()) + (o.IsAlongX() ? "X " : "U ");
        else
            EXPECT_EQ(o.Fits(), o.GetKind() == CDetailingObject::originToPlane || (o.GetKind() == 3 && o.IsAlongX()))
                << o.GetKind() << o.IsAlongX();
    }
    // "1\"" on 16 units in X and U, "1@1\"" on 16 units in U.
    EXPECT_EQ(labelled, "2X 2U 3U ");
}

TEST(DetailingTextRect, RectangleOfAnXLabel)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern(kGrid, {10, 2});
    const auto owner = Built<CDetailingDimRectRefTo1st>(*pattern, dc);   // (160,-16) ... (176,-16)
    CDetailingTextRect label;
    ASSERT_TRUE(label.InitLabel(*owner));
    EXPECT_EQ(CornersText(label.GetRect()), "(168,-32) (168,-48) (190,-48) (190,-32)");
    EXPECT_EQ(label.GetText(), "1\"");
    EXPECT_EQ(label.GetKind(), CDetailingObject::planeToFirst);
    EXPECT_TRUE(label.IsLabel());
    EXPECT_TRUE(label.IsAlongX());
    EXPECT_TRUE(label.Fits());
    EXPECT_EQ(label.GetOwner(), owner.get());
    ASSERT_EQ(label.GetMembers().size(), 1u);
    EXPECT_EQ(label.GetMembers()[0].pattern, pattern.get());
}

TEST(DetailingTextRect, RectangleOfAULabel)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern(kGrid, {10, 2});
    const auto owner = Built<CDetailingDimRectRefTo1stU>(*pattern, dc);   // (160,32) (144,32) (144,48) (160,48)
    CDetailingTextRectU label;
    ASSERT_TRUE(label.InitLabel(*owner));
    EXPECT_EQ(CornersText(label.GetRect()), "(100,48) (100,32) (122,32) (122,48)");
    EXPECT_FALSE(label.IsAlongX());
}

TEST(DetailingTextRect, NegativeXDirectionGrowsAndMovesTowardSmallerX)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern(kGrid, {30, 2, 'A', '-', '+'});
    const auto owner = Built<CDetailingDimRectRefTo1st>(*pattern, dc);
    CDetailingTextRect label;
    ASSERT_TRUE(label.InitLabel(*owner));
    EXPECT_LT(label.GetRect().GetCorner(3).GetX(), label.GetRect().GetCorner(0).GetX());
    const double before = label.GetRect().GetCorner(0).GetX();
    label.MoveOut();
    EXPECT_LT(label.GetRect().GetCorner(0).GetX(), before);
}

TEST(DetailingTextRect, MovingOutEndsALevelBeyondTheOwner)
{
    fw::RecordingDrawContext dc;
    const auto pattern = MakePattern(kGrid, {10, 2});
    const auto x = Built<CDetailingDimRectRefTo1st>(*pattern, dc);
    const auto u = Built<CDetailingDimRectRefTo1stU>(*pattern, dc);
    CDetailingTextRect xLabel;
    CDetailingTextRectU uLabel;
    ASSERT_TRUE(xLabel.InitLabel(*x) && uLabel.InitLabel(*u));
    for (int k = 0; k < 3; ++k) {   // also after the owners moved out past their labels
        x->MoveOut();
        u->MoveOut();
    }
    xLabel.MoveOut();
    uLabel.MoveOut();
    EXPECT_LT(xLabel.GetRect().MaxY(), x->GetRect().MinY() - x->GetLevel());
    EXPECT_LT(uLabel.GetRect().GetCorner(0).GetX(), u->GetRect().MinX() - u->GetLevel());
    EXPECT_FALSE(xLabel.Overlaps(*x));
    EXPECT_FALSE(uLabel.Overlaps(*u));
    EXPECT_TRUE(xLabel.IsClearOfCover());
    EXPECT_TRUE(uLabel.IsClearOfCover());
}

TEST(DetailingTextRect, EmptyValueGivesNoLabel)
{
    fw::RecordingDrawContext dc;
    // 1/1000 inch: a distance (not 0) whose imperial text is empty.
    const auto pattern = MakePattern({}, {0.001, 0});
    const auto owner = Built<CDetailingDimRectOrgToRef>(*pattern, dc);
    ASSERT_TRUE(owner);
    EXPECT_EQ(owner->GetText(), "");
    CDetailingTextRect label;
    EXPECT_FALSE(label.InitLabel(*owner));
    EXPECT_EQ(label.GetOwner(), nullptr);
}

} // namespace
