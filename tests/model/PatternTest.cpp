#include "model/ModelClasses.h"
#include "model/PatternList.h"
#include "model/StencilPatternList.h"
#include "model/ToolFileLibrary.h"
#include "model/ToolLibrary.h"

#include "fw/core/MessageService.h"
#include "fw/core/RecordingDrawContext.h"
#include "fw/core/SaneLength.h"

#include "ModelTestSupport.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <span>
#include <tuple>

using namespace modeltest;

namespace {

// The worked example: start (2, 3), increments (4, 1), 3 x 2 elements.
std::unique_ptr<CPattern> Example(const CRefPlane& plane, const CPartTool* tool = nullptr, int operation = 0)
{
    return std::make_unique<CPattern>(2, 3, 3, 4, 2, 1, operation, &plane, tool, 0);
}

// One element at the origin of a plane at (x, u).
std::unique_ptr<CPattern> Single(double x, double u, const CPartTool* tool)
{
    const CRefPlane plane = Plane(x, u, '+', '+', 0, 0, 'A');
    return std::make_unique<CPattern>(0, 0, 1, 0, 1, 0, CPattern::hole, &plane, tool, 0);
}

struct Position {
    double x, u;
};

Position At(const CPattern& pattern, int i, int j, int placement)
{
    Position p{};
    pattern.GetElementPosition(i, j, placement, p.x, p.u);
    return p;
}

void ExpectBox(const CPattern& pattern, FaceBox box)
{
    EXPECT_DOUBLE_EQ(pattern.GetBox().minX, box.minX);
    EXPECT_DOUBLE_EQ(pattern.GetBox().minU, box.minU);
    EXPECT_DOUBLE_EQ(pattern.GetBox().maxX, box.maxX);
    EXPECT_DOUBLE_EQ(pattern.GetBox().maxU, box.maxU);
}

class FakeToolLibrary : public ToolLibrary {
public:
    std::optional<ToolRecord> LoadTool(const std::string& shortName) override
    {
        asked.push_back(shortName);
        auto it = tools.find(shortName);
        return it == tools.end() ? std::nullopt : std::optional<ToolRecord>(it->second);
    }
    std::map<std::string, ToolRecord> tools;
    std::vector<std::string> asked;
};

} // namespace

TEST(Pattern, WorkedExampleAboveBelowAndCentred)
{
    const auto above = Example(Plane(10, 0, '+', '+', 0, 0, 'A'));
    const double xs[] = {12, 16, 20};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j) {
            EXPECT_DOUBLE_EQ(At(*above, i, j, 0).x, xs[i]);
            EXPECT_DOUBLE_EQ(At(*above, i, j, 0).u, 3 + j);
            EXPECT_DOUBLE_EQ(At(*above, i, j, 1).u, -(3 + j));
            EXPECT_DOUBLE_EQ(At(*above, i, j, 3).u, 1.5 + j);
            EXPECT_DOUBLE_EQ(At(*above, i, j, 4).u, -(1.5 + j));
            EXPECT_DOUBLE_EQ(At(*above, i, j, 4).x, xs[i]);
        }
    ExpectBox(*above, {12, 3, 20, 4});
    ExpectBox(*Example(Plane(10, 0, '+', '+', 0, 0, 'B')), {12, -4, 20, -3});
    ExpectBox(*Example(Plane(10, 0, '+', '+', 0, 0, 'C')), {12, -2.5, 20, 2.5});
    ExpectBox(*Example(Plane(10, 1, '-', '-', 0, 0, 'A')), {0, -3, 8, -2});
}

// Expected positions worked out geometrically: the grid lies along the slope line (the
// direction of (run, rise)) and across it (the normal whose U part is positive), in the plane's
// own frame, which the direction signs then mirror.
TEST(Pattern, SlopedPlanesTurnTheGridInEveryDirection)
{
    const double slopes[][2] = {{3, 4}, {-3, 4}, {3, -4}, {-3, -4}, {1, 1}, {0, 0}};
    const char types[] = {'A', 'B', 'C'};
    for (const char xDirection : {'+', '-'})
        for (const char uDirection : {'+', '-'})
            for (const auto& slope : slopes)
                for (const char type : types) {
                    const double rise = slope[0], run = slope[1];
                    SCOPED_TRACE(testing::Message() << xDirection << uDirection << " rise " << rise << " run " << run
                                                    << " type " << type);
                    const auto pattern = Example(Plane(10, 1, xDirection, uDirection, rise, run, type));
                    const double length = std::hypot(rise, run);
                    const double dx = length ? run / length : 1, du = length ? rise / length : 0;
                    const double side = run < 0 ? -1 : 1;
                    const double ex = length ? side * -rise / length : 0, eu = length ? side * run / length : 1;
                    const double sx = xDirection == '+' ? 1 : -1, su = uDirection == '+' ? 1 : -1;
                    for (const int placement : type == 'C' ? std::vector<int>{3, 4} : std::vector<int>{type == 'A' ? 0 : 1})
                        for (int i = 0; i < 3; ++i)
                            for (int j = 0; j < 2; ++j) {
                                const double a = 2 + 4 * i;
                                const double across = (placement >= 3 ? 1.5 : 3) + j;
                                const double b = (placement == 0 || placement == 3) ? across : -across;
                                const Position p = At(*pattern, i, j, placement);
                                EXPECT_NEAR(p.x, 10 + sx * (a * dx + b * ex), 1e-12);
                                EXPECT_NEAR(p.u, 1 + su * (a * du + b * eu), 1e-12);
                            }
                }
}

TEST(Pattern, SlopedExampleInNumbers)
{
    // Rise 3 over run 4: cos 0.8, sin 0.6.
    CPattern pattern(5, 0, 1, 0, 2, 1, CPattern::hole, nullptr, nullptr, 0);
    pattern.GetRefPlane().Set(10, 0, '+', '+', 3, 4, 'A');
    EXPECT_NEAR(At(pattern, 0, 0, 0).x, 14.0, 1e-12);
    EXPECT_NEAR(At(pattern, 0, 0, 0).u, 3.0, 1e-12);
    EXPECT_NEAR(At(pattern, 0, 1, 0).x, 13.4, 1e-12);
    EXPECT_NEAR(At(pattern, 0, 1, 0).u, 3.8, 1e-12);
}

TEST(Pattern, VerticalPlaneLaysTheXProgressionAlongU)
{
    // A vertical 'A' plane only comes from a file: setting one clears its slope.
    CPattern pattern(2, 3, 3, 4, 2, 1, CPattern::hole, nullptr, nullptr, 0);
    LoadDirect(pattern.GetRefPlane(), Cat({Dim(k0), Dim(k0), {'+', '+'}, Dim(k1), Dim(k0), {'A'}}));
    pattern.ComputeBox();
    EXPECT_DOUBLE_EQ(At(pattern, 0, 0, 0).x, 3);
    EXPECT_DOUBLE_EQ(At(pattern, 0, 0, 0).u, 2);
    EXPECT_DOUBLE_EQ(At(pattern, 1, 0, 0).x, 3);
    EXPECT_DOUBLE_EQ(At(pattern, 1, 0, 0).u, 6);
    EXPECT_DOUBLE_EQ(At(pattern, 0, 1, 0).x, 4);
    EXPECT_DOUBLE_EQ(At(pattern, 0, 1, 1).x, -4);
    ExpectBox(pattern, {3, 2, 4, 10});

    // Centred, with a falling slope and mirrored directions.
    const auto centred = Example(Plane(10, 1, '-', '-', -2, 0, 'C'));
    EXPECT_DOUBLE_EQ(At(*centred, 1, 1, 3).x, 10 - 2.5);
    EXPECT_DOUBLE_EQ(At(*centred, 1, 1, 3).u, 1 + 6);
    EXPECT_DOUBLE_EQ(At(*centred, 1, 1, 4).x, 10 + 2.5);
}

TEST(Pattern, BoxKeptWithoutElementsOrPlacement)
{
    CPattern pattern(2, 3, 3, 4, 2, 1, CPattern::hole, nullptr, nullptr, 0);
    ExpectBox(pattern, {0, 0, 0, 0});   // no plane given
    const auto example = Example(Plane(10, 0, '+', '+', 0, 0, 'A'));
    CPattern empty(2, 3, 0, 4, 2, 1, CPattern::hole, nullptr, nullptr, 0);
    empty.CopyFrom(*example);
    ExpectBox(empty, {12, 3, 20, 4});
    CPattern none(2, 3, 0, 4, 2, 1, CPattern::hole, &example->GetRefPlane(), nullptr, 0);
    ExpectBox(none, {0, 0, 0, 0});
    fw::RecordingDrawContext dc;
    none.Draw(dc);
    const CRefPlane unplaced;   // type 'H'
    CPattern(2, 3, 3, 4, 2, 1, CPattern::hole, &unplaced, nullptr, 0).Draw(dc);
    EXPECT_TRUE(dc.Lines().empty());
}

// A repaint draws the elements the clip can show, and elements closer than a pixel as the lines
// or the outline they fill (16 device pixels to the inch here).
TEST(Pattern, DrawsOnlyWhatTheClipCanShow)
{
    const CPartTool tool(0.8125, 0, "RD", 0);
    struct Case { const char* name; CRefPlane plane; fw::Rect clip; int countX; int countU; };
    const Case cases[] = {
        {"level", Plane(10, 0, '+', '+', 0, 0, 'A'), {320, -200, 480, 200}, 100, 3},
        {"sloped", Plane(10, 0, '+', '+', 3, 12, 'A'), {320, -200, 480, 200}, 100, 3},
        {"centred, mirrored", Plane(600, 12, '-', '+', 0, 0, 'C'), {100, -50, 200, 300}, 100, 3},
        {"clip outside", Plane(10, 0, '+', '+', 0, 0, 'A'), {-900, -900, -800, -800}, 100, 3},
        {"one row", Plane(10, 0, '+', '+', 0, 0, 'A'), {320, -200, 480, 200}, 100, 1},
        {"one row, sloped", Plane(10, 0, '+', '+', 3, 12, 'A'), {320, -200, 480, 200}, 100, 1},
        {"one column", Plane(10, 0, '+', '+', 0, 0, 'A'), {150, -400, 250, 400}, 1, 100},
        {"one column, sloped", Plane(10, 0, '+', '+', 3, 12, 'A'), {150, -400, 250, 400}, 1, 100},
    };
    for (const Case& c : cases) {
        const CPattern pattern(2, 3, c.countX, 1.0, c.countU, 2.0, CPattern::hole, &c.plane, &tool, 0);
        fw::RecordingDrawContext all, clipped;
        pattern.Draw(all);
        pattern.Draw(clipped, c.clip);
        const std::set<std::string> drawn(clipped.Lines().begin(), clipped.Lines().end());
        std::size_t inside = 0;
        for (const std::string& line : all.Lines()) {
            int l = 0, t = 0, r = 0, b = 0;
            if (std::sscanf(line.c_str(), "Ellipse %d %d %d %d", &l, &t, &r, &b) != 4 ||
                r < c.clip.left || l > c.clip.right || b < c.clip.top || t > c.clip.bottom)
                continue;
            ++inside;
            EXPECT_TRUE(drawn.contains(line)) << c.name << ": " << line;
        }
        EXPECT_LE(clipped.Lines().size(), 3 * inside + 60) << c.name;
        EXPECT_LT(clipped.Lines().size(), all.Lines().size()) << c.name;
    }
}

TEST(Pattern, ElementsCloserThanAPixelDrawAsLinesOrOutline)
{
    const CRefPlane plane = Plane(10, 0, '+', '+', 0, 0, 'A');
    struct Case { int countX; double incX; int countU; double incU; std::vector<std::string> lines; };
    const Case cases[] = {
        {1000, 0.01, 1000, 0.01, {"Polygon 160 0, 319 0, 319 159, 160 159"}},
        {1000, 0.01, 2, 3.0, {"MoveTo 160 0", "LineTo 319 0", "MoveTo 160 48", "LineTo 319 48"}},
        {2, 3.0, 1000, 0.01, {"MoveTo 160 0", "LineTo 160 159", "MoveTo 208 0", "LineTo 208 159"}},
    };
    for (const Case& c : cases) {
        fw::RecordingDrawContext dc;
        CPattern(0, 0, c.countX, c.incX, c.countU, c.incU, CPattern::hole, &plane, nullptr, 0).Draw(dc);
        std::vector<std::string> shapes;
        for (const std::string& line : dc.Lines())
            if (line.rfind("Brush", 0) != 0)
                shapes.push_back(line);
        EXPECT_EQ(shapes, c.lines) << c.countX << " x " << c.countU;
    }
}

TEST(Pattern, ConstructionCopiesToolAndPlaneAndSetsUnits)
{
    const CPartTool tool(0.5, 1.0, "SL", 90, 1);
    const CRefPlane plane = Plane(10, 0, '+', '+', 0, 0, 'A');
    CPattern pattern(2, 3, 3, 4, 2, 1, CPattern::frontLayout, &plane, &tool, 2);
    ASSERT_NE(pattern.GetTool(), nullptr);
    EXPECT_NE(pattern.GetTool(), &tool);
    EXPECT_STREQ(pattern.GetTool()->GetRuntimeClass()->className, "CPartToolER");
    EXPECT_EQ(pattern.GetToolKind(), CPartTool::kindER);
    EXPECT_TRUE(pattern.GetTool()->IsEqual(tool));
    EXPECT_TRUE(pattern.GetRefPlane().IsEqual(plane));
    EXPECT_EQ(pattern.GetIncrementX().GetString(), "101.6 mm");
    EXPECT_EQ(pattern.GetStartU().GetEditText(), "76.2 mm");
    pattern.SetUnits(0);
    EXPECT_EQ(pattern.GetIncrementX().GetString(), "4\"");

    pattern.SetToolFlag2();
    EXPECT_TRUE(pattern.GetTool()->GetOrientationFlag(1));
    const CPartTool round(0.5, 0, "RD", 0);
    pattern.SetTool(round);
    EXPECT_EQ(pattern.GetToolKind(), CPartTool::kindRD);
    pattern.SetToolFlag1();
    EXPECT_FALSE(pattern.GetTool()->AnyOrientationFlag());
}

TEST(Pattern, CopyAndEquality)
{
    const CRefPlane plane = Plane(10, 0, '+', '+', 0, 0, 'A');
    const CPartTool tool(0.5, 0, "RD", 0);
    const auto a = Example(plane, &tool);
    CPattern b;
    b.CopyFrom(*a);
    EXPECT_TRUE(b.IsEqual(*a));
    EXPECT_NE(b.GetTool(), a->GetTool());
    ExpectBox(b, {12, 3, 20, 4});

    EXPECT_TRUE(Example(plane)->IsEqual(*Example(plane)));   // two absent tools
    EXPECT_TRUE(Example(plane)->Differs(*a));
    EXPECT_TRUE(a->Differs(*Example(plane)));
    EXPECT_TRUE(a->Differs(*Example(plane, &tool, CPattern::backLayout)));
    EXPECT_TRUE(a->Differs(*Example(Plane(10, 0, '+', '+', 0, 0, 'B'), &tool)));
    const CPartTool other(0.5, 0, "RD", 45);
    EXPECT_TRUE(a->Differs(*Example(plane, &other)));
    b.CopyFrom(*Example(plane));
    EXPECT_EQ(b.GetTool(), nullptr);
}

TEST(Pattern, DrawsEachElementWithTheToolInTheOperationBrush)
{
    const CRefPlane plane = Plane(0, 0, '+', '+', 0, 0, 'A');
    const CPartTool round(0.5, 0, "RD", 0);
    fw::RecordingDrawContext dc;
    CPattern(1, 1, 2, 1, 1, 0, CPattern::hole, &plane, &round, 0).Draw(dc);
    EXPECT_EQ(dc.Lines(), (std::vector<std::string>{"Brush solid #000000", "Ellipse 12 12 20 20", "Ellipse 28 12 36 20",
                                                    "Brush solid #FFFFFF"}));
    dc.Clear();
    CPattern(1, 1, 1, 1, 1, 0, CPattern::frontLayout, &plane, &round, 0).Draw(dc);
    CPattern(1, 1, 1, 1, 1, 0, CPattern::backLayout, &plane, nullptr, 0).Draw(dc);
    const CPartTool hexagon(0.5, 0, "HX", 0);
    CPattern(1, 1, 1, 1, 1, 0, CPattern::hole, &plane, &hexagon, 0).Draw(dc);
    CPattern(1, 1, 1, 1, 1, 0, CPattern::hole, &plane, nullptr, 0).Draw(dc);   // no tool: the marker
    EXPECT_EQ(dc.Lines(), (std::vector<std::string>{"Brush solid #404040", "Ellipse 13 13 19 19", "Brush solid #FFFFFF",
                                                    "Brush solid #808080", "Ellipse 13 13 19 19", "Brush solid #FFFFFF",
                                                    "Brush solid #000000", "Brush solid #FFFFFF",
                                                    "Brush solid #000000", "Ellipse 13 13 19 19", "Brush solid #FFFFFF"}));
}

TEST(PartTool, DrawsItsShape)
{
    fw::RecordingDrawContext dc;
    CPartTool::CopyOfKind(CPartTool(0.5, 0, "SQ", 0))->Draw(2, 1, 0, dc);
    EXPECT_EQ(dc.Lines(), (std::vector<std::string>{"MoveTo 28 12", "LineTo 36 20", "MoveTo 28 20", "LineTo 36 12"}));

    // An oblong 0.5 x 1.5 along X: side lines, then the half circles around each outer end.
    dc.Clear();
    CPartTool::CopyOfKind(CPartTool(0.5, 1.5, "ER", 0))->Draw(10, 5, 0, dc);
    const std::vector<std::string> oblong{"MoveTo 152 84",           "LineTo 168 84",
                                          "MoveTo 152 76",           "LineTo 168 76",
                                          "Arc 164 76 172 84 168 84 168 76", "Arc 148 76 156 84 152 76 152 84"};
    EXPECT_EQ(dc.Lines(), oblong);

    // On a mapping that turns the drawing over, the arcs run the other way round.
    dc.Clear();
    dc.SetMapMode(fw::MapMode::Anisotropic);
    dc.SetViewportExt({1, -1});
    dc.Clear();
    CPartTool::CopyOfKind(CPartTool(0.5, 1.5, "ER", 0))->Draw(10, 5, 0, dc);
    EXPECT_EQ(dc.Lines()[4], "Arc 164 76 172 84 168 76 168 84");
}

TEST(PartTool, OblongAnglesFollowKindAndFlags)
{
    const auto drawing = [](const char* code, int orientation, bool flagged) {
        auto tool = CPartTool::CopyOfKind(CPartTool(0.5, 1.5, code, orientation));
        if (flagged)
            tool->SetOrientationFlag(2);
        fw::RecordingDrawContext dc;
        tool->Draw(10, 5, 0, dc);
        return dc.Lines();
    };
    EXPECT_EQ(drawing("ER", 30, true), drawing("ER", 150, false));
    EXPECT_EQ(drawing("CR", 30, true), drawing("CR", 150, false));
    EXPECT_EQ(drawing("SL", 30, false), drawing("CR", 30, false));
    EXPECT_EQ(drawing("HC", 30, true), drawing("HC", 30, false));   // HC ignores the flags
    EXPECT_EQ(drawing("VC", 0, false), drawing("HC", 90, false));
    EXPECT_NE(drawing("ER", 30, false), drawing("ER", 150, false));
    EXPECT_TRUE(drawing("HX", 0, false).empty());
}

TEST(PatternList, SortsByBoxAndRefusesADuplicateAtItsPlace)
{
    const CPartTool tool(0.5, 0, "RD", 0);
    const auto pattern = [&](double x, double u) { return Single(x, u, &tool); };
    CPatternList list;
    for (const auto& [x, u] : {std::pair{5.0, 1.0}, {2.0, 3.0}, {5.0, 0.5}, {9.0, 0.0}, {2.0, 1.0}, {5.0, 2.0}}) {
        auto item = pattern(x, u);
        ASSERT_TRUE(list.AddSorted(item));
        EXPECT_EQ(item, nullptr);
    }
    std::vector<std::pair<double, double>> order;
    for (const CPattern& p : list)
        order.emplace_back(p.GetMinX(), p.GetMinU());
    EXPECT_EQ(order, (std::vector<std::pair<double, double>>{{2, 1}, {2, 3}, {5, 0.5}, {5, 1}, {5, 2}, {9, 0}}));

    auto duplicate = pattern(5.0, 1.0);
    EXPECT_FALSE(list.AddSorted(duplicate));
    ASSERT_NE(duplicate, nullptr);   // stays with the caller, which deletes it
    EXPECT_EQ(list.GetCount(), 6u);

    // Only the item at the insert point is compared: an equal pattern behind an item with the
    // same box is not looked for.
    CPatternList same;
    const CPartTool other(1.0, 0, "RD", 0);
    auto first = Single(1, 1, &other);
    auto second = pattern(1, 1);
    auto equalToSecond = pattern(1, 1);
    same.AddSorted(first);
    same.AddTail(std::move(second));
    EXPECT_TRUE(same.AddSorted(equalToSecond));
    EXPECT_EQ(same.GetCount(), 3u);
}

TEST(PatternList, DeleteAtMovesTheCurrentPosition)
{
    CPatternList list;
    for (double x : {1.0, 2.0, 3.0}) {
        auto item = Single(x, 0, nullptr);
        list.AddSorted(item);
    }
    auto middle = list.FindIndex(1);
    auto pos = list.DeleteAt(middle);
    EXPECT_EQ(list.GetAt(pos)->GetMinX(), 3.0);   // the next one
    EXPECT_EQ(list.GetCurrentPosition(), pos);
    pos = list.DeleteAt(pos);
    EXPECT_EQ(list.GetAt(pos)->GetMinX(), 1.0);   // the last one went: the previous
    pos = list.DeleteAt(pos);
    EXPECT_FALSE(pos);                            // the only one
    EXPECT_FALSE(list.GetCurrentPosition());
    EXPECT_TRUE(list.IsEmpty());

    auto item = std::make_unique<CPattern>();
    list.SetCurrentPosition(list.AddSorted(item));
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(list.GetCurrentPosition());
}

TEST(StencilPatternList, SortsRefusesDuplicatesAndEmptyTexts)
{
    CStencilPatternList list;
    const auto add = [&](double x, double u, const char* text) {
        auto mark = std::make_unique<CStencilPattern>(x, u, text, 0);
        return bool(list.AddSorted(mark));
    };
    EXPECT_TRUE(add(10, 2, "B12"));
    EXPECT_TRUE(add(4, 2, "JOB"));
    EXPECT_TRUE(add(10, 1, "A"));
    EXPECT_FALSE(add(10, 2, "B12"));
    EXPECT_TRUE(add(10, 2, "b12"));   // texts compare case-sensitively
    EXPECT_FALSE(add(1, 1, ""));
    std::vector<std::string> texts;
    for (const CStencilPattern& mark : list)
        texts.push_back(mark.GetText());
    EXPECT_EQ(texts, (std::vector<std::string>{"JOB", "A", "b12", "B12"}));
}

TEST(StencilPattern, BoxCopyUnitsAndDrawing)
{
    CStencilPattern mark(10, 2.5, "B12", 1);
    EXPECT_EQ(mark.GetBox(), (FaceBox{10, 2.5, 11.875, 2.5}));
    EXPECT_EQ(mark.GetX().GetString(), "10 in.");
    CStencilPattern copy;
    copy.CopyFrom(mark);
    EXPECT_TRUE(copy.IsEqual(mark));
    EXPECT_EQ(copy.GetU().GetEditText(), "2.5 in.");
    copy.Set(10, 2.5, "B13");
    EXPECT_TRUE(copy.Differs(mark));
    copy.SetUnits(2);
    EXPECT_EQ(copy.GetU().GetEditText(), "63.5 mm");

    fw::RecordingDrawContext dc;
    dc.SetTextAlign(fw::AlignCenter | fw::AlignBaseline);
    dc.Clear();
    mark.Draw(dc);
    EXPECT_EQ(dc.Lines(), (std::vector<std::string>{"Font \"\" height 16 width 0 escapement 0 weight 400",
                                                    "TextOut 160 40 \"B12\"",
                                                    "Font \"\" height 0 width 0 escapement 0 weight 400"}));
}

namespace {

const Bytes kPlaneA = Cat({Dim(k10), Dim(k0), {'+', '+'}, Dim(k0), Dim(k0), {'A'}});

Bytes PatternFields(std::uint64_t startX, std::int32_t operation, std::int32_t kind, const Bytes& tool,
                    std::uint64_t minX, std::uint64_t maxX)
{
    return Cat({Dim(startX), Dim(k3), Le32(3), Le32(2), Dim(k4), Dim(k1), Le32(std::uint32_t(operation)), kPlaneA,
                Le32(std::uint32_t(kind)), tool, Le64(minX), Le64(k3), Le64(maxX), Le64(k4)});
}

const Bytes kRoundTool = Cat({Dim(k0_8125), Dim(k0), Str("RD"), Le32(0), Str("13_16RD")});
const Bytes kSquareTool = Cat({Dim(k1), Dim(k0), Str("SQ"), Le32(0), Str("1-SQ")});

// Two hole patterns: the first with its class tag, the second with a reference to the class.
const Bytes kTwoPatterns = Cat({{0x02, 0x00}, NewClass("CPattern"), PatternFields(k2, 0, 0, kRoundTool, k12, k20),
                                {0x01, 0x80}, PatternFields(k30, 0, 1, kSquareTool, k40, k48)});

void LoadList(CPatternList& list, const Bytes& bytes, ToolLibrary* library)
{
    RegisterModelClasses();
    fw::Archive ar(bytes);
    list.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    if (library)
        for (CPattern& pattern : list)
            pattern.RefreshTool(*library);
}

} // namespace

TEST(PatternList, GoldenArchiveOfTwoPatterns)
{
    const CRefPlane plane = Plane(10, 0, '+', '+', 0, 0, 'A');
    const CPartTool round(13.0 / 16, 0, "RD", 0), square(1.0, 0, "SQ", 0);
    CPatternList list;
    auto first = Example(plane, &round);
    auto second = std::make_unique<CPattern>(30, 3, 3, 4, 2, 1, CPattern::hole, &plane, &square, 0);
    list.AddSorted(second);
    list.AddSorted(first);
    EXPECT_EQ(StoreDirect(list), kTwoPatterns);

    CPatternList loaded;
    LoadList(loaded, kTwoPatterns, nullptr);
    ASSERT_EQ(loaded.GetCount(), 2u);
    EXPECT_EQ(loaded.GetCurrentPosition(), loaded.GetHeadPosition());
    EXPECT_TRUE(loaded.GetHead()->IsEqual(*list.GetHead()));
    EXPECT_TRUE(loaded.GetTail()->IsEqual(*list.GetTail()));
    EXPECT_STREQ(loaded.GetTail()->GetTool()->GetRuntimeClass()->className, "CPartToolSQ");
    ExpectBox(*loaded.GetTail(), {40, 3, 48, 4});
    EXPECT_EQ(StoreDirect(loaded), kTwoPatterns);
}

TEST(PatternList, LoadRefreshesHoleToolsFromTheToolLibrary)
{
    FakeToolLibrary library;
    ToolRecord current;
    current.sizeA.SetUnits(1);
    current.sizeA.SetValue(0.875);
    current.type = "RD";
    current.measuringSystem = 1;
    library.tools["13_16RD"] = current;

    CPatternList loaded;
    LoadList(loaded, kTwoPatterns, &library);
    EXPECT_EQ(library.asked, (std::vector<std::string>{"13_16RD", "1-SQ"}));
    const CPartTool& refreshed = *loaded.GetHead()->GetTool();
    EXPECT_EQ(refreshed.GetSizeA().GetValue(), 0.875);
    EXPECT_EQ(refreshed.GetMeasuringSystem(), 1);
    EXPECT_EQ(refreshed.GetShortName(), "13_16RD");
    EXPECT_EQ(refreshed.GetDescription(), "0.875 in. RD");
    const CPartTool& kept = *loaded.GetTail()->GetTool();   // not in the library: as archived
    EXPECT_EQ(kept.GetSizeA().GetValue(), 1.0);
    EXPECT_EQ(kept.GetType(), "SQ");
}

TEST(PatternList, GoldenListReloadsFromTheToolFiles)
{
    TempDrives drives;
    // The tool file of the first pattern's tool: 7/8 inch, decimal inch.
    const Bytes file = Cat({Dim(0x3FEC000000000000, 'D'), Dim(k0, 'D'), Str("RD"), Le32(0), Le32(1)});
    TempDrives::Put(drives.C() / "Kestrom/Tools/13_16RD.tl", std::string(file.begin(), file.end()));
    fw::ScriptedMessages messages;

    CToolFileLibrary library;
    CPatternList present;
    LoadList(present, kTwoPatterns, &library);
    EXPECT_EQ(present.GetHead()->GetTool()->GetSizeA().GetValue(), 0.875);
    EXPECT_EQ(present.GetHead()->GetTool()->GetMeasuringSystem(), 1);
    EXPECT_EQ(present.GetTail()->GetTool()->GetSizeA().GetValue(), 1.0);   // 1-SQ.tl is missing
    EXPECT_EQ(library.GetFailedFiles(), std::vector<std::string>{"C:\\Kestrom\\Tools\\1-SQ.tl"});

    std::filesystem::remove(drives.C() / "Kestrom/Tools/13_16RD.tl");
    CToolFileLibrary without;
    CPatternList missing;
    LoadList(missing, kTwoPatterns, &without);
    EXPECT_EQ(StoreDirect(missing), kTwoPatterns);   // both tools as archived
    EXPECT_EQ(without.GetFailedFiles().size(), 2u);
    LoadProblems problems;
    without.TakeFailures(problems);
    EXPECT_EQ(problems.size(), 1u);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST(PatternList, LayoutToolsAreNotRefreshedAndStaleBoxesAreRecomputed)
{
    FakeToolLibrary library;
    const Bytes layout = Cat({{0x01, 0x00}, NewClass("CPattern"), PatternFields(k2, 1, 0, kRoundTool, k0, k0)});
    CPatternList loaded;
    LoadList(loaded, layout, &library);
    EXPECT_TRUE(library.asked.empty());
    ExpectBox(*loaded.GetHead(), {12, 3, 20, 4});
}

TEST(Pattern, PatternWithoutToolRoundTrips)
{
    const CRefPlane plane = Plane(10, 0, '+', '+', 0, 0, 'A');
    const auto pattern = Example(plane);
    const Bytes bytes = StoreDirect(*pattern);
    EXPECT_EQ(bytes, PatternFields(k2, 0, 0, Cat({Dim(k0), Dim(k0), Str(""), Le32(0), Str("")}), k12, k20));
    CPattern loaded;
    LoadDirect(loaded, bytes);
    EXPECT_EQ(loaded.GetTool(), nullptr);
    EXPECT_TRUE(loaded.IsEqual(*pattern));
}

TEST(PatternList, RejectsTruncatedAndCorruptedArchives)
{
    RegisterModelClasses();
    ExpectTruncationsRejected(kTwoPatterns, [](fw::Archive& ar) { CPatternList().Serialize(ar); });
    const auto load = [](fw::Archive& ar) { CPattern().Serialize(ar); };
    const Bytes good = PatternFields(k2, 0, 0, kRoundTool, k12, k20);
    const auto withCounts = [&](std::int32_t countX, std::int32_t countU) {
        Bytes b = good;
        const Bytes x = Le32(std::uint32_t(countX)), u = Le32(std::uint32_t(countU));
        std::copy(x.begin(), x.end(), b.begin() + 18);
        std::copy(u.begin(), u.end(), b.begin() + 22);
        return b;
    };
    EXPECT_EQ(LoadError(withCounts(3, 2), load), fw::ArchiveException::none);
    EXPECT_EQ(LoadError(withCounts(-1, 2), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(withCounts(3, 10001), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(withCounts(5000, 5000), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(PatternFields(k2, 3, 0, kRoundTool, k12, k20), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(PatternFields(k2, 0, 0, kRoundTool, kNaN, k20), load), fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(PatternFields(k2, 0, 77, kRoundTool, k12, k20), load), fw::ArchiveException::none);   // RD
}

TEST(StencilPatternList, GoldenArchive)
{
    RegisterModelClasses();
    CStencilPatternList list;
    auto mark = std::make_unique<CStencilPattern>(10, 2, "AB", 0);
    list.AddSorted(mark);
    const Bytes bytes = Cat({{0x01, 0x00}, NewClass("CStencilPattern"), Dim(k10), Dim(k2), Str("AB"), Le64(k10),
                             Le64(k2), Le64(0x4026800000000000), Le64(k2)});   // max X 11.25
    EXPECT_EQ(StoreDirect(list), bytes);
    CStencilPatternList loaded;
    LoadDirect(loaded, bytes);
    EXPECT_TRUE(loaded.GetHead()->IsEqual(*list.GetHead()));
    EXPECT_EQ(loaded.GetHead()->GetBox(), list.GetHead()->GetBox());
    EXPECT_EQ(loaded.GetCurrentPosition(), loaded.GetHeadPosition());
    ExpectTruncationsRejected(bytes, [](fw::Archive& ar) { CStencilPatternList().Serialize(ar); });
    Bytes corrupted = bytes;
    corrupted[corrupted.size() - 1] = 0xFF;
    corrupted[corrupted.size() - 2] = 0xF8;   // max U not a number
    EXPECT_EQ(LoadError(corrupted, [](fw::Archive& ar) { CStencilPatternList().Serialize(ar); }),
              fw::ArchiveException::badValue);
}

TEST(Pattern, BoxOfTheCornerElementsHoldsEveryElement)
{
    const CRefPlane planes[] = {
        Plane(10, 1, '+', '+', 0, 0, 'A'),  Plane(10, 1, '-', '+', 0, 0, 'B'), Plane(10, 1, '+', '-', 0, 0, 'C'),
        Plane(10, 1, '+', '+', 3, 4, 'A'),  Plane(10, 1, '-', '+', -3, 4, 'B'), Plane(10, 1, '+', '-', 3, -4, 'C'),
        Plane(10, 1, '-', '-', -1, -7, 'C'), Plane(10, 1, '+', '+', 2, 0, 'C'), Plane(10, 1, '-', '-', -2, 0, 'C'),
    };
    static constexpr int above[] = {0}, below[] = {1}, centred[] = {3, 4};
    const std::span<const int> placements[] = {above, below, centred};
    for (const CRefPlane& plane : planes) {
        CPattern pattern(-2.5, 3, 7, 1.75, 5, -0.5, CPattern::hole, &plane, nullptr, 0);
        const std::span<const int> used = placements[plane.GetPatternTypeIndex().value()];
        FaceBox walked = FaceBox::At(At(pattern, 0, 0, used[0]).x, At(pattern, 0, 0, used[0]).u);
        for (int i = 0; i < pattern.GetCountX(); ++i)
            for (int j = 0; j < pattern.GetCountU(); ++j)
                for (const int placement : used)
                    walked.Add(At(pattern, i, j, placement).x, At(pattern, i, j, placement).u);
        SCOPED_TRACE(std::string(1, plane.GetPatternType()) + " rise " + std::to_string(plane.GetRise().GetValue()));
        ExpectBox(pattern, walked);
    }
}

TEST(Pattern, LoadRefusesFiniteLengthsThatPlaceAnElementBeyondADouble)
{
    // The increment X of the 3 x 2 example made 1e308: the third element lies at 2e308.
    Bytes bytes = PatternFields(k2, 0, 0, kRoundTool, k12, k20);
    const double huge = 1e308;
    std::memcpy(bytes.data() + 26, &huge, sizeof huge);
    EXPECT_EQ(LoadError(bytes, [](fw::Archive& ar) { CPattern().Serialize(ar); }), fw::ArchiveException::badValue);
}

TEST(PatternList, ListsRefuseLengthsBeyondTheirRange)
{
    const CRefPlane level = Plane(10, 0, '+', '+', 0, 0, 'A');
    const auto grid = [&](double start, int count, double increment, const CRefPlane& plane) {
        return std::make_unique<CPattern>(start, 0, count, increment, 1, 0, CPattern::hole, &plane, nullptr, 0);
    };
    struct Case {
        std::unique_ptr<CPattern> pattern;
        bool kept;
    } cases[] = {
        {grid(fw::kMaxInches - 10, 1, 0, level), true},            // the plane's X brings it to the bound
        {grid(fw::kMaxInches - 10, 1, 0, Plane(11, 0, '+', '+', 0, 0, 'A')), false},
        {grid(0, 10000, 100, level), true},
        {grid(0, 10000, 1000, level), false},                      // the last element 1e7 inches along
        {grid(0, 2, 1e300, level), false},
        {grid(0, 1, 0, Plane(10, 0, '+', '+', 2e6, 1, 'A')), false},   // a rise beyond the range
    };
    CPatternList list;
    for (Case& c : cases) {
        const FaceBox box = c.pattern->GetBox();
        EXPECT_EQ(bool(list.AddSorted(c.pattern)), c.kept) << box.maxX;
        EXPECT_EQ(c.pattern == nullptr, c.kept);
    }

    CStencilPatternList marks;
    for (const auto& [x, text, kept] : {std::tuple{fw::kMaxInches - 1.25, "AB", true}, {fw::kMaxInches - 1, "AB", false},
                                        {-2e6, "A", false}, {std::nan(""), "A", false}}) {
        auto mark = std::make_unique<CStencilPattern>(x, 1, text, 0);
        EXPECT_EQ(bool(marks.AddSorted(mark)), kept) << x;
    }
}
