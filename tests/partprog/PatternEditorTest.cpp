#include "partprog/PatternEditor.h"
#include "partprog/PatternOperations.h"

#include "partprog/PartHint.h"

#include "PartProgSupport.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace {

struct Hints : fw::View {
    void OnUpdate(fw::View*, long hint, fw::Object* object) override
    {
        const auto* h = dynamic_cast<CPartHint*>(object);
        log.push_back({hint, h ? h->value1 : -1, h ? h->value2 : -1, h ? h->text : ""});
    }
    struct Entry {
        long hint;
        int face, index;
        std::string text;
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> log;
};

using Positions = std::vector<std::pair<double, double>>;

// Every element position of every pattern of a list, rounded to 1e-6 and sorted.
Positions ElementsOf(const CPatternList& list)
{
    Positions out;
    for (const CPattern& p : const_cast<CPatternList&>(list)) {
        const char type = p.GetRefPlane().GetPatternType();
        std::vector<int> placements = type == 'B' ? std::vector{1} : type == 'C' ? std::vector{3, 4} : std::vector{0};
        for (int i = 0; i < p.GetCountX(); ++i)
            for (int j = 0; j < p.GetCountU(); ++j)
                for (int placement : placements) {
                    double x = 0, u = 0;
                    p.GetElementPosition(i, j, placement, x, u);
                    out.emplace_back(std::round(x * 1e6) / 1e6, std::round(u * 1e6) / 1e6);
                }
    }
    std::sort(out.begin(), out.end());
    return out;
}

class PatternEditorTest : public PartProgTest {
protected:
    PatternEditorTest() : doc(NewPart("W ", "12X26", 240)), editor(doc, nullptr)
    {
        doc.AddView(&hints);
        plane.Set(0, 0, '+', '+', 0, 0, 'A');
        editor.SetCurrentTool(&tool);
        editor.SetCurrentRefPlane(&plane);
        editor.SetCurrentFaceList(&Web());
    }
    ~PatternEditorTest() override { doc.RemoveView(&hints); }
    CPatternList& Web() { return doc.GetPartShape()->GetWebList(); }
    CPatternList& TopFlange() { return doc.GetPartShape()->GetTopFlangeList(); }
    void AddAt(double x, double u)
    {
        editor.Fields() = {x, u, 0, 0, 0, 0};
        ASSERT_TRUE(editor.Add());
    }

    CPartDoc& doc;
    Hints hints;
    CRefPlane plane;
    CPartTool tool{0.8125, 0, "RD", 0};
    CPatternEditor editor;
};

TEST_F(PatternEditorTest, AddWithCountsZeroMakesOneElementAndSendsTheAddedHint)
{
    hints.log.clear();
    AddAt(12, 3);
    ASSERT_EQ(Web().GetCount(), 1u);
    EXPECT_EQ(Web().GetHead()->GetCountX(), 1);
    EXPECT_EQ(Web().GetHead()->GetCountU(), 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(hints.log, (std::vector<Hints::Entry>{{CPatternEditor::hintAdded, faceWeb, 0, ""}}));
    // The same pattern again is refused and sends nothing.
    editor.Fields() = {12, 3, 0, 0, 0, 0};
    EXPECT_FALSE(editor.Add());
    EXPECT_EQ(hints.log.size(), 1u);
}

TEST_F(PatternEditorTest, SteppingAndDeleteAtBothEnds)
{
    AddAt(10, 1);
    AddAt(20, 1);
    AddAt(30, 1);
    const auto currentX = [&] { return editor.GetCurrent() ? editor.GetCurrent()->GetStartX().GetValue() : -1.0; };
    EXPECT_EQ(currentX(), 30);
    EXPECT_FALSE(editor.CanStepDown());
    editor.StepDown();   // past the last: stays
    EXPECT_EQ(currentX(), 30);
    editor.StepUp();
    editor.StepUp();
    EXPECT_EQ(currentX(), 10);
    EXPECT_FALSE(editor.CanStepUp());
    editor.StepUp();     // past the first: stays
    EXPECT_EQ(currentX(), 10);
    EXPECT_EQ(editor.Fields().x, 10);

    ASSERT_TRUE(editor.Delete());   // the first: the next becomes current
    EXPECT_EQ(currentX(), 20);
    editor.StepDown();
    ASSERT_TRUE(editor.Delete());   // the last: the previous becomes current
    EXPECT_EQ(currentX(), 20);
    ASSERT_TRUE(editor.Delete());   // the only one: nothing current, fields cleared
    EXPECT_EQ(editor.GetCurrent(), nullptr);
    EXPECT_EQ(editor.GetMarker(), -1);
    EXPECT_EQ(editor.Fields().x, 0);
    EXPECT_EQ(editor.Fields().countX, 0);
    EXPECT_FALSE(editor.CanStepUp());
    EXPECT_FALSE(editor.CanStepDown());
    EXPECT_FALSE(editor.Delete());
}

TEST_F(PatternEditorTest, EachFaceKeepsItsOwnCurrentPattern)
{
    AddAt(10, 1);
    AddAt(20, 1);
    editor.StepUp();
    editor.SetCurrentFaceList(&TopFlange());
    AddAt(5, 1);
    AddAt(50, 1);
    editor.SetCurrentFaceList(&Web());
    EXPECT_EQ(editor.GetCurrent()->GetStartX().GetValue(), 10);
    EXPECT_EQ(editor.Fields().x, 10);
    editor.SetCurrentFaceList(&TopFlange());
    EXPECT_EQ(editor.GetCurrent()->GetStartX().GetValue(), 50);
}

TEST_F(PatternEditorTest, FaceCopyAndDeleteOfTheLastPatternLeaveNothingStale)
{
    AddAt(10, 1);
    editor.SetCurrentFaceList(&TopFlange());
    AddAt(10, 1);
    ASSERT_TRUE(editor.FaceCopy());
    EXPECT_EQ(doc.GetPartShape()->GetBottomFlangeList().GetCount(), 1u);
    ASSERT_TRUE(editor.Delete());
    EXPECT_EQ(editor.GetCurrent(), nullptr);
    EXPECT_FALSE(editor.FaceCopy());
    EXPECT_FALSE(editor.Mirror());
    EXPECT_FALSE(editor.CopyTool());
}

TEST_F(PatternEditorTest, MirrorAddsThePatternFromTheMirroredPlane)
{
    plane.Set(12, 0, '+', '+', 0, 0, 'A');
    AddAt(0, 3);
    ASSERT_TRUE(editor.Mirror());
    const CRefPlane& mirrored = editor.GetCurrent()->GetRefPlane();
    EXPECT_EQ(mirrored.GetStartX().GetValue(), 228);
    EXPECT_EQ(mirrored.GetXDirection(), '-');
    EXPECT_EQ(Web().GetCount(), 2u);
}

TEST_F(PatternEditorTest, IncrementXCountsFromThePreviousPatternsFirstElement)
{
    plane.Set(0, 0, '+', '+', 0, 0, 'A');
    AddAt(10, 2);
    editor.SetIncrementX(true);
    hints.log.clear();
    AddAt(6, 2);
    EXPECT_EQ(editor.GetCurrent()->GetRefPlane().GetStartX().GetValue(), 10);
    EXPECT_EQ(editor.GetCurrent()->GetMinX(), 16);
    ASSERT_EQ(hints.log.size(), 1u);
}

TEST_F(PatternEditorTest, CopyToolMarksTheDocumentModified)
{
    AddAt(10, 1);
    doc.SetModifiedFlag(false);
    CPartTool square(1, 0, "SQ", 0);
    editor.SetCurrentTool(&square);
    ASSERT_TRUE(editor.CopyTool());
    EXPECT_EQ(editor.GetCurrent()->GetTool()->GetType(), "SQ");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PatternEditorTest, ToolDropTakesTheFirstFileTitle)
{
    hints.log.clear();
    EXPECT_TRUE(editor.DropTool("C:\\Kestrom\\Tools\\1-SQ.tl|C:\\Kestrom\\Tools\\13_16RD.tl"));
    EXPECT_EQ(hints.log.back().hint, CPatternEditor::hintToolDropped);
    EXPECT_EQ(hints.log.back().text, "1-SQ");
    EXPECT_FALSE(editor.DropTool(""));
}

TEST(Triangulate, DistanceAlongThePlane)
{
    struct Case {
        char xDir, uDir;
        int choice;
        double distance, expected;
    } cases[] = {
        {'+', '+', 0, 12, 12.369316876852982},   // horizontal: B = 12 x 3/12
        {'+', '+', 1, 3, 12.369316876852982},    // vertical: B = 3 / (3/12), divided once
        {'-', '+', 0, 12, 12.369316876852982},   // signs do not change the length
        {'+', '-', 1, 3, 12.369316876852982},
    };
    for (const Case& c : cases) {
        CRefPlane plane;
        plane.Set(0, 0, c.xDir, c.uDir, 3, 12, 'A');
        EXPECT_NEAR(patternops::Triangulate(patternops::TriangulationRatio(plane), c.choice, c.distance), c.expected,
                    1e-9)
            << c.xDir << c.uDir << c.choice;
    }
}

class PlateOperationsTest : public PartProgTest {
protected:
    PlateOperationsTest() : doc(NewPart("PL", "1_2X12", 120)), list(doc.GetPartShape()->GetWebList())
    {
        const struct {
            double sx, su;
            char xd, ud, type;
            double rise, run;
            double px, pu;
            int cx, cu;
            double ix, iu;
        } patterns[] = {
            {10, 1, '+', '+', 'A', 0, 0, 2, 1, 3, 2, 4, 1.5},
            {30, 11, '+', '-', 'A', 0, 0, 0, 1, 2, 3, 6, 2},
            {50, 2, '-', '+', 'B', 0, 0, 1, 1, 2, 2, 3, 1},
            {70, 6, '+', '+', 'C', 0, 0, 0, 3, 3, 1, 2, 0},
            {90, 1, '+', '+', 'C', 12, 0, 1, 4, 2, 1, 2, 0},
        };
        CPartTool tool(0.5, 0, "RD", 0);
        for (const auto& p : patterns) {
            CRefPlane plane;
            plane.Set(p.sx, p.su, p.xd, p.ud, p.rise, p.run, p.type);
            auto pattern = std::make_unique<CPattern>(p.px, p.pu, p.cx, p.ix, p.cu, p.iu, CPattern::hole, &plane, &tool, 0);
            EXPECT_TRUE(doc.AddPattern(pattern, list));
        }
        auto mark = std::make_unique<CStencilPattern>(20, 3, "B12", 0);
        EXPECT_TRUE(doc.AddStencil(mark));
        doc.SetModifiedFlag(false);
    }
    std::pair<double, double> Mark() const
    {
        const CStencilPattern& m = *doc.GetPartShape()->GetStencilList().GetHead();
        return {m.GetX().GetValue(), m.GetU().GetValue()};
    }

    CPartDoc& doc;
    CPatternList& list;
};

TEST_F(PlateOperationsTest, RotateTurnsEveryElementAQuarterTurnAndFourTurnsRestoreThePart)
{
    const Positions before = ElementsOf(list);
    const double depth = doc.GetPartShape()->GetDepth();
    doc.RotateFace(list);
    Positions expected;
    for (auto [x, u] : before)
        expected.emplace_back(std::round((depth - u) * 1e6) / 1e6, x);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(ElementsOf(list), expected);
    EXPECT_EQ(Mark(), std::pair(depth - 3, 20.0));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Header().length.GetValue(), 12);
    EXPECT_EQ(doc.GetPartShape()->GetDepth(), 120);
    EXPECT_EQ(doc.Header().shapeDesc, FormatInchesFraction(0.5) + "X" + FormatInchesFraction(120));

    doc.RotateFace(list);
    doc.RotateFace(list);
    doc.RotateFace(list);
    EXPECT_EQ(ElementsOf(list), before);
    EXPECT_EQ(Mark(), std::pair(20.0, 3.0));
    EXPECT_EQ(doc.Header().length.GetValue(), 120);
    EXPECT_EQ(doc.GetPartShape()->GetDepth(), 12);
}

TEST_F(PlateOperationsTest, FlipAndFlopTwiceAreTheIdentityAndMarkTheDocumentModified)
{
    struct Case {
        const char* name;
        std::function<void(CPartDoc&, CPatternList&)> op;
        std::pair<double, double> markAfterOne;
    } cases[] = {{"flip", [](CPartDoc& d, CPatternList& l) { d.FlipFace(l); }, {100, 3}},
                 {"flop", [](CPartDoc& d, CPatternList& l) { d.FlopFace(l); }, {20, 9}}};
    for (const Case& c : cases) {
        std::vector<std::string> planes;
        for (const CPattern& p : list)
            planes.push_back(p.GetRefPlane().GetStartX().GetText() + p.GetRefPlane().GetXDirection() +
                             p.GetRefPlane().GetStartU().GetText() + p.GetRefPlane().GetUDirection());
        const Positions before = ElementsOf(list);
        doc.SetModifiedFlag(false);
        c.op(doc, list);
        EXPECT_TRUE(doc.IsModified()) << c.name;
        EXPECT_EQ(Mark(), c.markAfterOne) << c.name;
        EXPECT_NE(ElementsOf(list), before) << c.name;
        c.op(doc, list);
        std::vector<std::string> after;
        for (const CPattern& p : list)
            after.push_back(p.GetRefPlane().GetStartX().GetText() + p.GetRefPlane().GetXDirection() +
                            p.GetRefPlane().GetStartU().GetText() + p.GetRefPlane().GetUDirection());
        std::sort(planes.begin(), planes.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, planes) << c.name;
        EXPECT_EQ(ElementsOf(list), before) << c.name;
        EXPECT_EQ(Mark(), std::pair(20.0, 3.0)) << c.name;
    }
}

} // namespace
