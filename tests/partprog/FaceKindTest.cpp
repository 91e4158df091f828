#include "partprog/FaceKind.h"
#include "partprog/DetailSettings.h"
#include "partprog/DetailingLayout.h"
#include "partprog/FaceScene.h"
#include "partprog/FaceTool.h"
#include "partprog/PatternOperations.h"
#include "partprog/PatternStatus.h"

#include "fw/core/RecordingDrawContext.h"
#include "model/PartShape.h"
#include "model/RefPlane.h"
#include "model/ToolDoc.h"

#include "PartProgSupport.h"

#include <cmath>
#include <map>

namespace {

// D 12, F 1, T 0.5, W 4, L 100 in logical units.
const FaceDims kDims{192, 16, 8, 64, 1600};
const fw::Rect kAll{-10000, -10000, 10000, 10000};

std::vector<std::string> Outline(FaceViewKind kind, fw::Rect clip = kAll)
{
    fw::RecordingDrawContext dc;
    DrawFaceOutline(dc, FaceKindOf(kind), kDims, clip);
    return dc.Lines();
}

TEST(FaceKinds, FifteenRowsEachNamedOnceAndFoundByKind)
{
    EXPECT_EQ(FaceKinds().size(), 15u);
    std::map<std::string, int> names;
    for (const FaceKindInfo& k : FaceKinds()) {
        ++names[k.className];
        EXPECT_EQ(&FaceKindOf(k.kind), &k);
    }
    EXPECT_EQ(names.size(), 15u);
}

TEST(FaceKinds, OutlinesAndHiddenLinesOfEveryProfile)
{
    const std::string dash = "Pen dash 0 #000000";
    const auto frame = [](int h) { return "Polyline 0 0, 1600 0, 1600 " + std::to_string(h) + ", 0 " + std::to_string(h) + ", 0 0"; };
    const auto line = [](int y) { return std::vector<std::string>{"MoveTo 0 " + std::to_string(y), "LineTo 1600 " + std::to_string(y)}; };
    const auto join = [](std::initializer_list<std::vector<std::string>> parts) {
        std::vector<std::string> out;
        for (const auto& p : parts)
            out.insert(out.end(), p.begin(), p.end());
        return out;
    };
    const std::vector<std::string> restore = {"Pen solid 0 #000000"};
    struct Case {
        FaceViewKind kind;
        std::vector<std::string> expected;
    } cases[] = {
        {FaceViewKind::beamTF, join({{frame(64), dash}, line(28), line(36), restore})},
        {FaceViewKind::beamBF, join({{frame(64), dash}, line(28), line(36), restore})},
        {FaceViewKind::tTF, join({{frame(64), dash}, line(28), line(36), restore})},
        {FaceViewKind::beamWeb, join({{frame(192)}, line(16), line(176)})},
        {FaceViewKind::angleTF, join({{frame(64), dash}, line(8), restore})},
        {FaceViewKind::channelTF, join({{frame(64), dash}, line(8), restore})},
        {FaceViewKind::channelBF, join({{frame(64), dash}, line(8), restore})},
        {FaceViewKind::angleWeb, join({{frame(192)}, line(16)})},
        {FaceViewKind::tWeb, join({{frame(192)}, line(16)})},
        {FaceViewKind::channelWeb, join({{frame(192), dash}, line(16), line(176), restore})},
        {FaceViewKind::tubeWeb, join({{frame(192), dash}, line(16), line(176), restore})},
        {FaceViewKind::tubeWeb2, join({{frame(192), dash}, line(16), line(176), restore})},
        {FaceViewKind::tubeTF, join({{frame(64), dash}, line(8), line(56), restore})},
        {FaceViewKind::tubeBF, join({{frame(64), dash}, line(8), line(56), restore})},
        {FaceViewKind::flatBarWeb, {frame(192)}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Outline(c.kind), c.expected) << FaceKindOf(c.kind).className;
}

TEST(FaceKinds, OutlineFollowsTheClipBox)
{
    // Partly inside: only the edges it meets; outside: nothing, and lines outside it are left out.
    EXPECT_EQ(Outline(FaceViewKind::flatBarWeb, {-5, -5, 100, 100}),
              (std::vector<std::string>{"MoveTo 0 0", "LineTo 1600 0", "MoveTo 0 192", "LineTo 0 0"}));
    EXPECT_EQ(Outline(FaceViewKind::beamWeb, {2000, 0, 3000, 100}), std::vector<std::string>{});
    EXPECT_EQ(Outline(FaceViewKind::beamWeb, {-5, -5, 1700, 100}),
              (std::vector<std::string>{"MoveTo 0 0", "LineTo 1600 0", "MoveTo 1600 0", "LineTo 1600 192",
                                        "MoveTo 0 192", "LineTo 0 0", "MoveTo 0 16", "LineTo 1600 16"}));
}

TEST(FaceKinds, FlippedViews)
{
    EXPECT_TRUE(IsFlipped(FaceKindOf(FaceViewKind::beamTF), 0));
    EXPECT_TRUE(IsFlipped(FaceKindOf(FaceViewKind::tubeWeb2), 0));
    EXPECT_FALSE(IsFlipped(FaceKindOf(FaceViewKind::beamWeb), 1));
    EXPECT_TRUE(IsFlipped(FaceKindOf(FaceViewKind::channelTF), 0));
    EXPECT_FALSE(IsFlipped(FaceKindOf(FaceViewKind::channelTF), 1));
    EXPECT_FALSE(IsFlipped(FaceKindOf(FaceViewKind::channelBF), 0));
    EXPECT_TRUE(IsFlipped(FaceKindOf(FaceViewKind::channelBF), 1));
}

TEST(RefPlaneCommands, CommandByVariant)
{
    struct Case {
        FaceViewKind kind;
        int command;
        double startU, rise, run;
        char type;
        double expectU;
        char expectUDir, expectType;
        double expectRise;
        bool scrolls;
    } cases[] = {
        {FaceViewKind::beamWeb, planeBottom, 0, 0, 0, 'A', 12, '-', 'A', 0, true},
        {FaceViewKind::beamTF, planeBottom, 5, 0, 0, 'C', 0, '+', 'A', 0, false},
        {FaceViewKind::beamTF, planeTop, 0, 0, 0, 'A', 12, '-', 'A', 0, false},
        {FaceViewKind::beamBF, planeTop, 3, 0, 0, 'A', 0, '+', 'A', 0, false},
        {FaceViewKind::beamWeb, planeTop, 3, 12, 0, 'C', 0, '+', 'A', 0, true},   // vertical becomes horizontal
        {FaceViewKind::beamWeb, planeCenter, 0, 0, 0, 'A', 6, '+', 'C', 0, true},
        {FaceViewKind::beamWeb, planeCenteredDown, 0, 0, 0, 'A', 0, '+', 'C', 12, true},
        {FaceViewKind::beamWeb, planeCenteredUp, 0, 0, 0, 'A', 0, '+', 'C', -12, true},
        {FaceViewKind::beamWeb, planeCycleType, 0, 0, 0, 'C', 0, '+', 'A', 0, true},
        {FaceViewKind::beamWeb, planeCycleType, 0, 0, 0, 'A', 0, '+', 'B', 0, true},
    };
    for (const Case& c : cases) {
        CRefPlane plane;
        plane.Set(4, c.startU, '+', '+', c.rise, c.run, c.type);
        const bool scrolls = ApplyRefPlaneCommand(FaceKindOf(c.kind), plane, c.command, 12, 240);
        const std::string where = std::string(FaceKindOf(c.kind).className) + " command " + std::to_string(c.command);
        EXPECT_EQ(plane.GetStartU().GetValue(), c.expectU) << where;
        EXPECT_EQ(plane.GetUDirection(), c.expectUDir) << where;
        EXPECT_EQ(plane.GetPatternType(), c.expectType) << where;
        EXPECT_EQ(plane.GetRise().GetValue(), c.expectRise) << where;
        EXPECT_EQ(scrolls, c.scrolls) << where;
    }
    CRefPlane plane;
    plane.Set(4, 0, '+', '+', 0, 0, 'A');
    ApplyRefPlaneCommand(FaceKindOf(FaceViewKind::beamWeb), plane, planeEnd, 12, 240);
    EXPECT_EQ(plane.GetStartX().GetValue(), 240);
    EXPECT_EQ(plane.GetXDirection(), '-');
    ApplyRefPlaneCommand(FaceKindOf(FaceViewKind::beamWeb), plane, planeStart, 12, 240);
    EXPECT_EQ(plane.GetStartX().GetValue(), 0);
    EXPECT_EQ(plane.GetXDirection(), '+');
}

TEST(RotateDegrees, RightAnglesAreRefusedOthersGiveTheSlope)
{
    for (int refused : {0, 90, -90, 180, -180, 270, -270})
        EXPECT_FALSE(SlopeForDegrees(refused, false, 1, '+')) << refused;
    const auto web = SlopeForDegrees(45, false, 1, '+');
    const auto flange = SlopeForDegrees(45, false, -1, '+');
    ASSERT_TRUE(web && flange);
    EXPECT_NEAR(web->first, std::sin(0.785398163), 1e-9);
    EXPECT_NEAR(web->second, std::cos(0.785398163), 1e-9);
    EXPECT_NEAR(flange->first, -web->first, 1e-12);   // the flipped top flange slopes the other way
    EXPECT_NEAR(SlopeForDegrees(45, true, 1, '+')->first, -web->first, 1e-12);
    EXPECT_NEAR(SlopeForDegrees(45, false, 1, '-')->first, -web->first, 1e-12);
    EXPECT_TRUE(SlopeForDegrees(-359, false, 1, '+'));
}

TEST(FaceScroll, ZeroRangeOrPageMeansNoScrolling)
{
    const ScrollBarState none{0, 0, 0, 0};
    EXPECT_EQ(facescroll::UnitPixels(400, 1000, none), 0.0);
    EXPECT_EQ(facescroll::PositionForX(500, 400, 1000, none), 0);
    EXPECT_EQ(facescroll::VerticalUnitPixels(200, 0), 0.0);
    EXPECT_EQ(facescroll::VerticalUnitPixels(5, 10), 1.0);
    const ScrollBarState bar{0, 100, 10, 0};
    EXPECT_EQ(facescroll::UnitPixels(400, 1600, bar), 20.0);
    EXPECT_EQ(facescroll::PositionForX(1000, 400, 1600, bar), 50);
    EXPECT_EQ(facescroll::PositionForX(100000, 400, 1600, bar), 100);
    EXPECT_EQ(facescroll::ResetPage(bar, 400, 0, 1600), 100);
    EXPECT_GE(facescroll::ResetPage(bar, 400, 800, 1600), 1);
}

FaceViewport Client(int w, int h)
{
    FaceViewport v;
    v.client = {w, h};
    return v;
}

TEST(FaceScene, DepthZeroStillMapsAndAnEmptyClientMapsNothing)
{
    FaceScene scene;
    scene.kind = &FaceKindOf(FaceViewKind::flatBarWeb);
    scene.dims = {0, 0, 0, 0, 160};
    fw::RecordingDrawContext dc;
    EXPECT_FALSE(scene.Map(dc, Client(0, 100)));
    ASSERT_TRUE(scene.Map(dc, Client(400, 300)));
    EXPECT_EQ(dc.GetWindowExt(), (fw::Size{32, 32}));
    const fw::Point a = dc.LPtoDP({0, 0}), b = dc.LPtoDP({16, 0});
    EXPECT_GT(b.x - a.x, 0);
}

TEST(FaceScene, FlippedViewsPutUZeroAtTheFaceTopEdge)
{
    FaceScene scene;
    scene.kind = &FaceKindOf(FaceViewKind::beamTF);
    scene.dims = kDims;
    fw::RecordingDrawContext dc;
    ASSERT_TRUE(scene.Map(dc, Client(400, 400)));
    EXPECT_GT(dc.LPtoDP({0, 0}).y, dc.LPtoDP({0, 64}).y);
    scene.kind = &FaceKindOf(FaceViewKind::beamWeb);
    ASSERT_TRUE(scene.Map(dc, Client(400, 400)));
    EXPECT_LT(dc.LPtoDP({0, 0}).y, dc.LPtoDP({0, 64}).y);
}

// A repaint with the kept detailing draws what a repaint that details afresh draws, after
// scrolling, after the document changed (the view invalidates) and at another scale.
TEST(FaceScene, KeptDetailingDrawsAsAFreshOne)
{
    CBeamPartShape shape;
    shape.SetShapeData("W ", "12X26", 12, 0.23, 6.49, 0.38, 3.5, 26, "W12 X 26");
    const CPartTool tool(0.8125, 0, "RD", 0);
    CRefPlane plane;
    const auto add = [&](double x, int count) {
        plane.Set(x, 0, '+', '+', 0, 0, 'A');
        auto pattern = std::make_unique<CPattern>(1.5, 2, count, 3.0, 2, 2.5, CPattern::hole, &plane, &tool, 0);
        ASSERT_TRUE(shape.InsertPattern(pattern, shape.GetWebList()));
    };
    for (int k = 0; k < 6; ++k)
        add(40.0 * k + 7, 1 + k % 3);
    DetailSettings details;
    details.SetLines(DetailSettings::all);
    FaceScene scene;
    scene.kind = &FaceKindOf(FaceViewKind::beamWeb);
    scene.dims = FaceDims::Of(shape, 480);
    scene.patterns = &shape.GetWebList();
    scene.details = &details;
    const auto repaint = [&](DetailingLayout* layout, FaceViewport viewport) {
        scene.layout = layout;
        fw::RecordingDrawContext dc;
        EXPECT_TRUE(scene.Map(dc, viewport));
        scene.Draw(dc, kAll);
        return dc.Lines();
    };
    DetailingLayout layout;
    FaceViewport viewport = Client(1100, 420);
    viewport.horizontal = {0, 100, 20, 10};
    const std::vector<std::string> fresh = repaint(nullptr, viewport);
    EXPECT_EQ(repaint(&layout, viewport), fresh);
    EXPECT_EQ(repaint(&layout, viewport), fresh);
    viewport.horizontal.pos = 40;
    EXPECT_EQ(repaint(&layout, viewport), repaint(nullptr, viewport));
    add(300, 4);
    layout.Invalidate();
    EXPECT_EQ(repaint(&layout, viewport), repaint(nullptr, viewport));
    viewport.client = {700, 300};
    EXPECT_EQ(repaint(&layout, viewport), repaint(nullptr, viewport));

    // A pattern flipped in place keeps the list, the current pattern and the count: invalidated,
    // the kept layout draws the new places.
    const std::vector<std::string> before = repaint(nullptr, viewport);
    CPattern& flipped = *shape.GetWebList().GetHead();
    patternops::FlipPlane(flipped.GetRefPlane(), 480);
    flipped.ComputeBox();
    const std::vector<std::string> after = repaint(nullptr, viewport);
    ASSERT_NE(after, before);
    layout.Invalidate();
    EXPECT_EQ(repaint(&layout, viewport), after);
}

TEST(PatternStatus, TextsForAHoleALayoutAndNone)
{
    CRefPlane plane;
    plane.Set(12, 3, '+', '+', 0, 0, 'A');
    CPartTool tool(0.8125, 0, "RD", 0);
    CPattern hole(0, 0, 1, 0, 1, 0, CPattern::hole, &plane, &tool, 1);
    plane.Set(12, 3, '+', '+', 0, 0, 'B');
    CPattern layout(0, 0, 1, 0, 1, 0, CPattern::frontLayout, &plane, &tool, 1);
    const auto h = PatternStatusTexts(&hole);
    EXPECT_EQ(h[0], tool.GetDescription());
    EXPECT_EQ(h[1], "Pattern Type A");
    CDimension twelve, three;
    twelve.SetUnits(1);
    twelve = 12.0;
    three.SetUnits(1);
    three = 3.0;
    EXPECT_EQ(h[2], "Start X = " + twelve.GetText());
    EXPECT_EQ(h[3], "Start U = " + three.GetText());
    EXPECT_EQ(h[4], "Rise = 0 in.");   // zero shown, not left out
    EXPECT_EQ(h[5], "Run = 0 in.");
    EXPECT_NE(twelve.GetText(), "");
    const auto l = PatternStatusTexts(&layout);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "Pattern Type B");
    EXPECT_EQ(PatternStatusTexts(nullptr), (std::array<std::string, 6>{}));

    // A zero reads as a zero of the pattern's measuring system.
    plane.Set(0, 0, '+', '+', 0, 0, 'A');
    for (const auto& [system, text] : {std::pair{0, "0\""}, {1, "0 in."}, {2, "0 mm"}}) {
        const CPattern atZero(0, 0, 1, 0, 1, 0, CPattern::hole, &plane, &tool, system);
        EXPECT_EQ(PatternStatusTexts(&atZero)[2], std::string("Start X = ") + text) << system;
    }
}

TEST(WindowRect, StoredRectangleIsCheckedBeforeUse)
{
    EXPECT_EQ(ParseWindowRect("10,20,300,400"), (fw::Rect{10, 20, 310, 420}));
    EXPECT_EQ(ParseWindowRect("-5,0,1,1"), (fw::Rect{-5, 0, -4, 1}));
    for (const char* bad : {"", "1,2,3", "1,2,3,4,5", "a,b,c,d", "1,2,0,4", "1,2,3,-4", "1,2,99999,4",
                            "1, 2,3,4", "99999999999,1,1,1", "1,2,3,4x"})
        EXPECT_FALSE(ParseWindowRect(bad)) << bad;
    EXPECT_EQ(FormatWindowRect({10, 20, 310, 420}), "10,20,300,400");
    EXPECT_EQ(ParseWindowRect(FormatWindowRect({-3, 7, 500, 90})), (fw::Rect{-3, 7, 500, 90}));
}

class FaceToolTest : public PartProgTest {
protected:
    static void PutTool(const std::string& name, double a, const std::string& type)
    {
        CToolDoc tool;
        tool.SetToolData(a, 0, type, 0, 0);
        ASSERT_TRUE(tool.OnSaveDocument(CToolDoc::GetToolFilePath(name)));
    }
};

TEST_F(FaceToolTest, FallbackChainProfileNameThenChoiceThenTheRoundDefault)
{
    int asked = 0;
    // No tool files: the chooser is asked; cancelled gives the round 0.8125 tool.
    auto tool = facetool::Initial("Web Tool", [&] { ++asked; return std::unique_ptr<CPartTool>(); });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(tool->GetType(), "RD");
    EXPECT_EQ(tool->GetSizeA().GetValue(), 0.8125);
    // A chosen tool is taken.
    tool = facetool::Initial("Web Tool", [] { return std::make_unique<CPartTool>(1, 0, "SQ", 0); });
    EXPECT_EQ(tool->GetType(), "SQ");
    // The tool file named in the profile (default "13_16RD") comes first; the chooser is not asked.
    PutTool("13_16RD", 0.8125, "RD");
    PutTool("1-SQ", 1, "SQ");
    tool = facetool::Initial("Web Tool", [&] { ++asked; return std::unique_ptr<CPartTool>(); });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(tool->GetShortName(), "13_16RD");
    facetool::Store("Web Tool", *facetool::FromFile("1-SQ"));
    tool = facetool::Initial("Web Tool", {});
    EXPECT_EQ(tool->GetType(), "SQ");
    EXPECT_EQ(tool->GetShortName(), "1-SQ");
    EXPECT_FALSE(facetool::FromFile("missing"));
    // The short name is written and read under the face's value.
    facetool::Store("TF Tool", *facetool::Default());
    EXPECT_EQ(fw::AppProfile().GetProfileString(facetool::kSection, "TF Tool", ""), facetool::Default()->GetShortName());
}

} // namespace
