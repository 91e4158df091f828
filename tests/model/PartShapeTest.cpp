#include "model/PartShape.h"

#include "model/ToolList.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <utility>

using namespace modeltest;

namespace {

constexpr double kDepth = 12.0;
constexpr double kFlangeWidth = 8.0;

std::unique_ptr<CPartShape> Shape(int kind, const std::string& desctp = "W ")
{
    std::unique_ptr<CPartShape> shape = CPartShape::CreateOfKind(kind);
    shape->SetShapeData(desctp, "12X26", kDepth, 0.25, kFlangeWidth, 0.5, 5.5, 26.0, "W 12 X 26");
    return shape;
}

// Holes across the face from minU to maxU (two rows, or one when they are equal) at X, laid out
// above a plane at the face's origin.
std::unique_ptr<CPattern> Holes(double x, double minU, double maxU, int operation = CPattern::hole,
                                const char* toolType = "RD")
{
    CRefPlane plane;
    plane.Set(0, 0, '+', '+', 0, 0, 'A');
    const CPartTool tool(0.8125, 0.0, toolType, 0);
    const int rows = maxU > minU ? 2 : 1;
    return std::make_unique<CPattern>(x, minU, 1, 0.0, rows, maxU - minU, operation, &plane, &tool, 0);
}

std::unique_ptr<CStencilPattern> Mark(double x, const std::string& text)
{
    return std::make_unique<CStencilPattern>(x, 1.0, text, 0);
}

void Insert(CPartShape& shape, int faceCode, std::unique_ptr<CPattern> pattern)
{
    ASSERT_TRUE(shape.InsertPattern(pattern, *shape.GetFaceList(faceCode)));
}

// The face-and-side codes of the shape's face tool list, in list order.
std::vector<int> ToolCodes(const CPartShape& shape)
{
    CToolList tools;
    shape.GetFaceToolList(tools);
    std::vector<int> codes;
    for (const CPartTool& tool : tools)
        codes.push_back(tool.GetZoneCode());
    return codes;
}

std::vector<double> MinXs(const CPatternList& list)
{
    std::vector<double> xs;
    for (const CPattern& p : list)
        xs.push_back(p.GetMinX());
    return xs;
}

const char* const kKindNames[] = {"beam", "channel", "angle", "flat", "plate", "T", "tube"};

} // namespace

TEST(PartShape, ProfileClassesByKind)
{
    const fw::RuntimeClass* classes[] = {
        &CBeamPartShape::classObject, &CChannelPartShape::classObject, &CAnglePartShape::classObject,
        &CFlatPartShape::classObject, &CPlatePartShape::classObject,   &CTPartShape::classObject,
        &CTubePartShape::classObject,
    };
    for (int kind = 0; kind < 7; ++kind) {
        std::unique_ptr<CPartShape> shape = CPartShape::CreateOfKind(kind);
        EXPECT_EQ(shape->GetRuntimeClass(), classes[kind]) << kKindNames[kind];
        EXPECT_EQ(shape->GetKind(), kind);
        // Dynamic creation by class name, as archives and documents do.
        EXPECT_EQ(fw::RuntimeClass::FromName(classes[kind]->className)->CreateObject()->GetRuntimeClass(),
                  classes[kind]);
    }
    EXPECT_EQ(CPartShape::CreateOfKind(9)->GetRuntimeClass(), &CPartShape::classObject);
}

TEST(PartShape, ZonesByProfile)
{
    using Zones = std::array<std::pair<double, double>, 8>;
    const double h = kFlangeWidth / 2, bf = kFlangeWidth, d = kDepth;
    const struct {
        int kind;
        Zones zones;
    } cases[] = {
        {-1, {{{0, h}, {h, bf}, {0, h}, {h, bf}, {0, d}, {0, 0}, {0, d}, {0, 0}}}},
        {shapeBeam, {{{0, h}, {h, bf}, {0, h}, {h, bf}, {0, d}, {0, 0}, {0, 0}, {0, 0}}}},
        {shapeChannel, {{{0, bf}, {0, 0}, {0, bf}, {0, 0}, {0, d}, {0, 0}, {0, 0}, {0, 0}}}},
        {shapeAngle, {{{0, bf}, {0, 0}, {0, 0}, {0, 0}, {0, d}, {0, 0}, {0, 0}, {0, 0}}}},
        {shapeFlat, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, d}, {0, 0}, {0, 0}, {0, 0}}}},
        {shapePlate, {{{0, 0}, {0, 0}, {0, 0}, {0, 0}, {0, d}, {0, 0}, {0, 0}, {0, 0}}}},
        {shapeT, {{{0, h}, {h, bf}, {0, 0}, {0, 0}, {0, d}, {0, 0}, {0, 0}, {0, 0}}}},
        {shapeTube, {{{0, bf}, {0, 0}, {0, bf}, {0, 0}, {0, d}, {0, 0}, {0, d}, {0, 0}}}},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<CPartShape> shape = Shape(c.kind);
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(shape->GetZone(i).GetLow().GetValue(), c.zones[i].first) << c.kind << " zone " << i;
            EXPECT_EQ(shape->GetZone(i).GetHigh().GetValue(), c.zones[i].second) << c.kind << " zone " << i;
        }
    }
}

TEST(PartShape, SectionFromDataAndRecord)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeAngle, "L ");
    EXPECT_EQ(shape->GetDesctp(), "L ");
    EXPECT_EQ(shape->GetDesc(), "12X26");
    EXPECT_EQ(shape->GetDepth(), 12.0);
    EXPECT_EQ(shape->GetWebThickness(), 0.25);
    EXPECT_EQ(shape->GetFlangeWidth(), 8.0);
    EXPECT_EQ(shape->GetFlangeThickness(), 0.5);
    EXPECT_EQ(shape->GetStandardFlangeGage(), 5.5);
    EXPECT_EQ(shape->GetWeightPerFoot(), 26.0);
    EXPECT_EQ(shape->GetFormalDescription(), "W 12 X 26");

    ShapeRecord record;
    record.desctp = "L ";
    record.desc = "4X3X1/2";
    record.depth.SetValue(4.0);
    record.flangeWidth.SetValue(3.0);
    record.kind = shapeBeam;   // the class decides the kind
    shape->SetFromShapeRecord(record);
    EXPECT_EQ(shape->GetKind(), shapeAngle);
    EXPECT_EQ(shape->GetDesc(), "4X3X1/2");
    EXPECT_EQ(shape->GetZone(0).GetHigh().GetValue(), 3.0);
    EXPECT_EQ(shape->GetZone(4).GetHigh().GetValue(), 4.0);
}

TEST(PartShape, FaceAndSideCodesOfHolePatterns)
{
    const struct {
        int kind;
        int faceCode;
        double minU, maxU;
        int code;
    } cases[] = {
        // Beam, flange width 8: the near half is 0-4, the far half 4-8.
        {shapeBeam, faceTopFlange, 1, 3, 34},
        {shapeBeam, faceTopFlange, 3, 5, 35},
        {shapeBeam, faceTopFlange, 5, 7, 33},
        {shapeBeam, faceBottomFlange, 4, 4, 51},   // on the line between the halves
        {shapeBeam, faceWeb, 2, 10, 18},
        {shapeBeam, faceTopFlange, 9, 10, 0},      // off the face
        {shapeBeam, faceTopFlange, -1, 9, 0},      // beyond both edges
        // Channel: the second zone of each flange is (0, 0), so U = 0 touches both.
        {shapeChannel, faceTopFlange, 0, 3, 35},
        {shapeChannel, faceBottomFlange, 2, 6, 50},
        {shapeChannel, faceBottomFlange, 0, 0, 51},
        {shapeAngle, faceTopFlange, 1, 3, 34},
        {shapeAngle, faceWeb, 0, 10, 19},
        {shapeFlat, faceWeb, 2, 3, 18},
        {shapeT, faceTopFlange, 5, 7, 33},
        {shapeTube, faceWeb2, 2, 10, 66},
        {shapeTube, faceWeb2, 0, 2, 67},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << kKindNames[c.kind] << " face " << c.faceCode << " U " << c.minU << ".."
                                        << c.maxU);
        std::unique_ptr<CPartShape> shape = Shape(c.kind);
        Insert(*shape, c.faceCode, Holes(1.0, c.minU, c.maxU));
        CToolList tools;
        shape->GetFaceToolList(tools);
        ASSERT_EQ(tools.GetCount(), 1u);
        const auto& tool = dynamic_cast<const CZoneTool&>(*tools.GetHead());
        EXPECT_EQ(tool.GetZoneCode(), c.code);
        EXPECT_EQ(tool.GetZone().GetLow().GetValue(), c.minU);
        EXPECT_EQ(tool.GetZone().GetHigh().GetValue(), c.maxU);
        EXPECT_EQ(tool.GetShortName(), "13_16RD");
    }
}

TEST(PartShape, FaceToolListTakesHolesOfEveryFaceOnce)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeTube);
    Insert(*shape, faceWeb, Holes(1, 2, 10));
    Insert(*shape, faceWeb, Holes(5, 2, 10));                       // same tool and code: one entry
    Insert(*shape, faceTopFlange, Holes(1, 1, 3, CPattern::frontLayout));   // layouts need no tool
    Insert(*shape, faceBottomFlange, Holes(1, 1, 3, CPattern::hole, "SL"));
    Insert(*shape, faceWeb2, Holes(1, 2, 10));
    EXPECT_EQ(ToolCodes(*shape), (std::vector<int>{18, 66, 50}));
}

TEST(PartShape, OppositeFaces)
{
    // For each face the face a Face Copy puts the pattern on; 0 for a list of no face.
    const struct {
        int kind;
        int from;
        int to;
    } cases[] = {
        {shapeBeam, faceTopFlange, faceBottomFlange}, {shapeBeam, faceBottomFlange, faceTopFlange},
        {shapeBeam, faceWeb, faceWeb2},               {shapeBeam, faceWeb2, faceWeb},
        {shapeTube, faceWeb, faceWeb2},               {shapeChannel, faceTopFlange, faceBottomFlange},
        {shapeAngle, faceTopFlange, faceWeb},         {shapeAngle, faceWeb, faceTopFlange},
        {shapeAngle, faceBottomFlange, faceBottomFlange}, {shapeAngle, faceWeb2, faceWeb2},
        {shapeBeam, 0, 0},                            {shapeAngle, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << kKindNames[c.kind] << " from " << c.from);
        std::unique_ptr<CPartShape> shape = Shape(c.kind);
        CPatternList foreign;
        CPatternList& from = c.from ? *shape->GetFaceList(c.from) : foreign;
        CPatternList& to = c.to ? *shape->GetFaceList(c.to) : foreign;
        std::unique_ptr<CPattern> pattern = Holes(1, 1, 3);
        const CPattern* raw = pattern.get();
        CPatternList::Position pos;
        ASSERT_TRUE(shape->AddToOppositeFace(pattern, from, &pos));
        EXPECT_EQ(pattern, nullptr);
        EXPECT_EQ(to.GetAt(pos), raw);
        // A second equal pattern is refused and stays with the caller.
        std::unique_ptr<CPattern> again = Holes(1, 1, 3);
        EXPECT_FALSE(shape->AddToOppositeFace(again, from));
        EXPECT_NE(again, nullptr);
    }
}

TEST(PartShape, AngleFaceCopyGoesToTheWebAndBack)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeAngle, "L ");
    Insert(*shape, faceTopFlange, Holes(1, 1, 3));
    auto copy = std::make_unique<CPattern>();
    copy->CopyFrom(*shape->GetTopFlangeList().GetHead());
    ASSERT_TRUE(shape->AddToOppositeFace(copy, shape->GetTopFlangeList()));
    EXPECT_EQ(shape->GetWebList().GetCount(), 1u);
    auto back = std::make_unique<CPattern>();
    back->CopyFrom(*shape->GetWebList().GetHead());
    EXPECT_FALSE(shape->AddToOppositeFace(back, shape->GetWebList()));   // the top flange has it already
}

TEST(PartShape, FaceViewsByProfile)
{
    struct Tab {
        const char* label;
        FaceViewKind kind;
        int faceCode;
        bool stencils;
    };
    using K = FaceViewKind;
    const struct {
        int kind;
        std::vector<Tab> tabs;
    } cases[] = {
        {shapeAngle, {{"Top Flange", K::angleTF, 32, false}, {"Web", K::angleWeb, 16, true}}},
        {shapeBeam,
         {{"Top Flange", K::beamTF, 32, true}, {"Web", K::beamWeb, 16, false}, {"Bottom Flange", K::beamBF, 48, false}}},
        {shapeChannel,
         {{"Top Flange", K::channelTF, 32, true},
          {"Web", K::channelWeb, 16, false},
          {"Bottom Flange", K::channelBF, 48, false}}},
        {shapeFlat, {{"Web", K::flatBarWeb, 16, true}}},
        {shapePlate, {{"Web", K::flatBarWeb, 16, true}}},
        {shapeT, {{"Top Flange", K::tTF, 32, true}, {"Web", K::tWeb, 16, false}}},
        {shapeTube,
         {{"Top Flange", K::tubeTF, 32, true},
          {"Web", K::tubeWeb, 16, false},
          {"Bottom Flange", K::tubeBF, 48, false},
          {"Web 2", K::tubeWeb2, 64, false}}},
        {-1, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<CPartShape> shape = Shape(c.kind);
        const std::vector<FaceTab> views = shape->DescribeFaceViews();
        ASSERT_EQ(views.size(), c.tabs.size());
        for (std::size_t i = 0; i < views.size(); ++i) {
            EXPECT_EQ(views[i].label, c.tabs[i].label);
            EXPECT_EQ(views[i].kind, c.tabs[i].kind);
            EXPECT_EQ(views[i].faceCode, c.tabs[i].faceCode);
            EXPECT_EQ(views[i].patterns, shape->GetFaceList(c.tabs[i].faceCode));
            EXPECT_EQ(views[i].stencils, c.tabs[i].stencils ? &shape->GetStencilList() : nullptr);
        }
    }
}

TEST(PartShape, PasteDeletesRefusedPatternsOrLeavesThemInTheSource)
{
    // The source holds A, B and a second A; the face already holds B. On a beam's top flange
    // the patterns are turned over first, so the face is given B turned over.
    const struct {
        int kind;
        int faceCode;
        int side;
        bool flopped;
        std::size_t leftInSource;
    } cases[] = {
        {shapeTube, faceTopFlange, 0, false, 0},   // refused patterns are deleted
        {shapeAngle, faceWeb, 0, false, 0},
        {shapeBeam, faceTopFlange, 0, true, 2},    // refused patterns stay in the source
        {shapeBeam, faceWeb, 0, false, 2},
        {shapeChannel, faceTopFlange, 0, true, 2},
        {shapeChannel, faceTopFlange, 1, false, 2},
        {shapeChannel, faceBottomFlange, 1, true, 2},
        {shapeChannel, faceBottomFlange, 0, false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << kKindNames[c.kind] << " face " << c.faceCode << " side " << c.side);
        std::unique_ptr<CPartShape> shape = Shape(c.kind);
        std::unique_ptr<CPattern> b = Holes(5, 1, 3);
        if (c.flopped) {
            b->GetRefPlane().FlopU(kFlangeWidth);
            b->ComputeBox();
        }
        Insert(*shape, c.faceCode, std::move(b));
        CPatternList source;
        source.AddTail(Holes(1, 1, 3));
        source.AddTail(Holes(5, 1, 3));
        source.AddTail(Holes(1, 1, 3));
        shape->PastePatterns(source, c.faceCode, c.side);
        const CPatternList& face = *shape->GetFaceList(c.faceCode);
        EXPECT_EQ(face.GetCount(), 2u);
        EXPECT_EQ(source.GetCount(), c.leftInSource);
        const CPattern& a = *face.GetHead();
        EXPECT_EQ(a.GetRefPlane().GetUDirection(), c.flopped ? '-' : '+');
        // A turned-over pattern has its box recomputed: U 1-3 becomes 5-7.
        EXPECT_EQ(a.GetBox().minU, c.flopped ? 5.0 : 1.0);
        EXPECT_EQ(a.GetBox().maxU, c.flopped ? 7.0 : 3.0);
    }
}

TEST(PartShape, PasteToAnUnknownFaceDoesNothing)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeBeam);
    CPatternList source;
    source.AddTail(Holes(1, 1, 3));
    shape->PastePatterns(source, 80, 0);
    EXPECT_EQ(source.GetCount(), 1u);
}

TEST(PartShape, CopyFacePatternsByOperation)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeChannel, "C ");
    Insert(*shape, faceTopFlange, Holes(1, 1, 3, CPattern::hole));
    Insert(*shape, faceTopFlange, Holes(2, 1, 3, CPattern::frontLayout));
    Insert(*shape, faceTopFlange, Holes(3, 1, 3, CPattern::backLayout));
    Insert(*shape, faceBottomFlange, Holes(4, 1, 3, CPattern::hole));
    const struct {
        int faceCode, side, operation;
        std::vector<double> xs;
        bool flopped;
    } cases[] = {
        {faceTopFlange, 1, CPattern::hole, {1}, false},
        {faceTopFlange, 1, CPattern::frontLayout, {2, 3}, false},
        {faceTopFlange, 1, CPattern::backLayout, {3}, false},
        {faceTopFlange, 0, CPattern::hole, {1}, true},
        {faceBottomFlange, 1, CPattern::hole, {4}, true},
        {faceBottomFlange, 0, CPattern::hole, {4}, false},
        {faceWeb, 0, CPattern::hole, {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "face " << c.faceCode << " side " << c.side << " op " << c.operation);
        CPatternList copies;
        shape->CopyFacePatterns(copies, c.faceCode, c.side, c.operation);
        EXPECT_EQ(MinXs(copies), c.xs);
        for (const CPattern& copy : copies)
            EXPECT_EQ(copy.GetBox().minU, c.flopped ? 5.0 : 1.0);
    }
    EXPECT_EQ(shape->GetTopFlangeList().GetCount(), 3u);   // the face keeps its patterns
}

TEST(PartShape, BeamCopiesItsTopFlangeTurnedOver)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeBeam);
    Insert(*shape, faceTopFlange, Holes(1, 1, 3));
    Insert(*shape, faceBottomFlange, Holes(1, 1, 3));
    CPatternList top, bottom;
    shape->CopyFacePatterns(top, faceTopFlange, 0, CPattern::hole);
    shape->CopyFacePatterns(bottom, faceBottomFlange, 0, CPattern::hole);
    EXPECT_EQ(top.GetHead()->GetRefPlane().GetStartU().GetValue(), kFlangeWidth);
    EXPECT_EQ(top.GetHead()->GetBox().minU, 5.0);
    EXPECT_EQ(bottom.GetHead()->GetBox().minU, 1.0);
}

TEST(PartShape, StencilsCopiedAndPasted)
{
    const int codes[] = {32, 32, 16, 16, 16, 16, 16};
    for (int kind = 0; kind < 7; ++kind) {
        std::unique_ptr<CPartShape> shape = Shape(kind);
        std::unique_ptr<CStencilPattern> mark = Mark(1, "B12");
        ASSERT_TRUE(shape->AddStencil(mark));
        CStencilPatternList copies;
        EXPECT_EQ(shape->CopyStencils(copies), codes[kind]) << kKindNames[kind];
        EXPECT_EQ(copies.GetCount(), 1u);
        EXPECT_EQ(shape->GetStencilList().GetCount(), 1u);
    }

    std::unique_ptr<CPartShape> shape = Shape(shapeBeam);
    std::unique_ptr<CStencilPattern> first = Mark(1, "B12");
    ASSERT_TRUE(shape->AddStencil(first));
    std::unique_ptr<CStencilPattern> empty = Mark(3, "");
    EXPECT_FALSE(shape->AddStencil(empty));
    EXPECT_NE(empty, nullptr);
    CStencilPatternList source;
    source.AddTail(Mark(1, "B12"));   // a duplicate: deleted
    source.AddTail(Mark(2, "J1"));
    source.AddTail(Mark(4, ""));      // no text: deleted
    shape->PasteStencils(source);
    EXPECT_TRUE(source.IsEmpty());
    EXPECT_EQ(shape->GetStencilList().GetCount(), 2u);
}

TEST(PartShape, DeletingPatternsAndStencils)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeBeam);
    Insert(*shape, faceWeb, Holes(1, 1, 3));
    Insert(*shape, faceWeb, Holes(2, 1, 3));
    std::unique_ptr<CStencilPattern> mark = Mark(1, "B12");
    shape->AddStencil(mark);
    CPatternList::Position pos = shape->GetWebList().GetHeadPosition();
    EXPECT_TRUE(shape->DeletePattern(shape->GetWebList(), pos));
    EXPECT_EQ(shape->GetWebList().GetAt(pos)->GetMinX(), 2.0);
    EXPECT_TRUE(shape->DeletePattern(shape->GetWebList(), pos));
    EXPECT_FALSE(pos);
    CStencilPatternList::Position markPos = shape->GetStencilList().GetHeadPosition();
    EXPECT_TRUE(shape->DeleteStencil(markPos));
    EXPECT_FALSE(markPos);

    for (int face : {16, 32, 48, 64})
        Insert(*shape, face, Holes(1, 1, 3));
    mark = Mark(1, "B12");
    shape->AddStencil(mark);
    shape->DeleteAllPatterns();
    for (int face : {16, 32, 48, 64})
        EXPECT_TRUE(shape->GetFaceList(face)->IsEmpty());
    EXPECT_TRUE(shape->GetStencilList().IsEmpty());
}

TEST(PartShape, MirrorKeepsBoxesAndOrder)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeTube);
    for (int face : {16, 32, 48, 64}) {
        Insert(*shape, face, Holes(2, 1, 3));
        Insert(*shape, face, Holes(12, 1, 3));
    }
    CPatternList& web = shape->GetWebList();
    web.SetCurrentPosition(web.GetHeadPosition());
    const CPattern* current = web.GetHead();
    shape->MirrorX(20.0);
    for (int face : {16, 32, 48, 64})
        EXPECT_EQ(MinXs(*shape->GetFaceList(face)), (std::vector<double>{8, 18})) << face;
    EXPECT_EQ(web.GetTail()->GetRefPlane().GetXDirection(), '-');
    EXPECT_EQ(web.GetAt(web.GetCurrentPosition()), current);
}

TEST(PartShape, ProfileFixUpsFlagOblongTools)
{
    const struct {
        int kind;
        const char* desctp;
        bool channelLeg;
        bool topFlags[3];
        bool bottomFlags[3];
    } cases[] = {
        {shapeAngle, "L ", false, {true, false, false}, {false, false, false}},
        {shapeChannel, "C ", true, {false, false, true}, {false, true, false}},
        {shapeChannel, "C ", false, {false, false, false}, {false, false, false}},
        {shapeChannel, "MC", true, {false, false, false}, {false, false, false}},
        {shapeBeam, "W ", true, {false, false, false}, {false, false, false}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.desctp);
        std::unique_ptr<CPartShape> shape = Shape(c.kind, c.desctp);
        if (c.channelLeg)
            shape->SetChannelLegFlag();
        Insert(*shape, faceTopFlange, Holes(1, 1, 3, CPattern::hole, "ER"));
        Insert(*shape, faceTopFlange, Holes(2, 1, 3, CPattern::hole, "RD"));
        Insert(*shape, faceBottomFlange, Holes(1, 1, 3, CPattern::hole, "CR"));
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(shape->GetTopFlangeList().GetHead()->GetTool()->GetOrientationFlag(i), c.topFlags[i]) << i;
            EXPECT_FALSE(shape->GetTopFlangeList().GetTail()->GetTool()->GetOrientationFlag(i)) << i;
            EXPECT_EQ(shape->GetBottomFlangeList().GetHead()->GetTool()->GetOrientationFlag(i), c.bottomFlags[i]) << i;
        }
    }
}

TEST(PartShape, LoadingAnAnglePartFlagsItsTopFlangeTools)
{
    std::unique_ptr<CPartShape> stored = Shape(shapeBeam, "W ");
    Insert(*stored, faceTopFlange, Holes(1, 1, 3, CPattern::hole, "ER"));
    const Bytes bytes = StoreDirect(*stored);
    std::unique_ptr<CPartShape> loaded = Shape(shapeAngle, "L ");
    LoadDirect(*loaded, bytes);
    EXPECT_TRUE(loaded->GetTopFlangeList().GetHead()->GetTool()->GetOrientationFlag(0));
}

TEST(PartShape, ArchiveHoldsTheFaceListsThenTheMarks)
{
    std::unique_ptr<CPartShape> empty = Shape(shapeBeam);
    EXPECT_EQ(StoreDirect(*empty), Bytes(10, 0));

    // Top flange, web, bottom flange, second web, marks: the first pattern names its class, the
    // second refers to it (class 1; objects 2 and 3; the mark's class 4).
    std::unique_ptr<CPartShape> shape = Shape(shapeTube);
    Insert(*shape, faceTopFlange, Holes(1, 1, 3));
    Insert(*shape, faceWeb2, Holes(2, 2, 10));
    std::unique_ptr<CStencilPattern> mark = Mark(1, "B12");
    shape->AddStencil(mark);
    const Bytes expected = Cat({
        {0x01, 0x00}, NewClass("CPattern"), StoreDirect(*shape->GetTopFlangeList().GetHead()),
        {0x00, 0x00},
        {0x00, 0x00},
        {0x01, 0x00}, {0x01, 0x80}, StoreDirect(*shape->GetWeb2List().GetHead()),
        {0x01, 0x00}, NewClass("CStencilPattern"), StoreDirect(*shape->GetStencilList().GetHead()),
    });
    EXPECT_EQ(StoreDirect(*shape), expected);
}

TEST(PartShape, ArchiveRoundTripWithPatternsOnEveryFace)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeTube);
    for (int face : {16, 32, 48, 64}) {
        Insert(*shape, face, Holes(face / 16.0, 1, 3));
        Insert(*shape, face, Holes(20, 2, 6, CPattern::frontLayout, "SL"));
    }
    for (const char* text : {"B12", "J1"}) {
        std::unique_ptr<CStencilPattern> mark = Mark(text[0], text);
        shape->AddStencil(mark);
    }
    const Bytes bytes = StoreDirect(*shape);

    std::unique_ptr<CPartShape> loaded = Shape(shapeTube);
    Insert(*loaded, faceWeb, Holes(7, 1, 1));   // replaced by the loaded lists
    LoadDirect(*loaded, bytes);
    for (int face : {16, 32, 48, 64}) {
        SCOPED_TRACE(face);
        const CPatternList& original = *shape->GetFaceList(face);
        const CPatternList& copy = *loaded->GetFaceList(face);
        ASSERT_EQ(copy.GetCount(), 2u);
        auto a = original.begin(), b = copy.begin();
        for (; a != original.end(); ++a, ++b) {
            EXPECT_TRUE(a->IsEqual(*b));
            EXPECT_EQ(a->GetBox(), b->GetBox());
        }
    }
    ASSERT_EQ(loaded->GetStencilList().GetCount(), 2u);
    EXPECT_EQ(loaded->GetStencilList().GetHead()->GetText(), "B12");
    EXPECT_EQ(StoreDirect(*loaded), bytes);
}

TEST(PartShape, TruncatedArchivesAreRefused)
{
    std::unique_ptr<CPartShape> shape = Shape(shapeTube);
    Insert(*shape, faceWeb2, Holes(2, 2, 10));
    std::unique_ptr<CStencilPattern> mark = Mark(1, "B12");
    shape->AddStencil(mark);
    ExpectTruncationsRejected(StoreDirect(*shape), [](fw::Archive& ar) { CTubePartShape().Serialize(ar); });
}
