// The codes, names and texts of the job transfer, and the calls a part run makes on the machine
// side: a part with holes on several faces, a layout, tools turned into ER, remarks, a fab code and
// stencils (the mark's and the part's own), planes turned on the flanges.

#include "machlink/JobTransfer.h"

#include "model/PartTool.h"
#include "model/Pattern.h"
#include "records/MultRecord.h"

#include "tests/machlink/MachLinkTestSupport.h"

namespace {

using namespace torv;

TEST(JobTransferCodes, UnitsProfilesToolsAndOperations)
{
    const std::vector<std::pair<int, int>> units = {{0, 1}, {1, 3}, {2, 2}, {3, 0}, {-1, 0}};
    for (const auto& [system, code] : units)
        EXPECT_EQ(UnitsCode(system), code) << system;

    struct Profile {
        int kind;
        int channelLeg;
        int code;
    };
    const Profile profiles[] = {
        {shapeBeam, 0, 1},    {shapeAngle, 0, 2}, {shapeChannel, 0, 4}, {shapeChannel, 1, 3},
        {shapeChannel, 2, 0}, {shapeFlat, 0, 5},  {shapePlate, 0, 6},   {shapeTube, 0, 7},
        {shapeT, 0, 8},       {7, 0, 0},          {shapeBeam, 1, 1},
    };
    for (const Profile& p : profiles)
        EXPECT_EQ(ProfileCode(p.kind, p.channelLeg), p.code) << p.kind << "/" << p.channelLeg;

    const std::vector<std::pair<int, int>> tools = {{CPartTool::kindRD, 1}, {CPartTool::kindSQ, 10},
                                                    {CPartTool::kindER, 4}, {CPartTool::kindCR, 3},
                                                    {CPartTool::kindHX, 7}, {CPartTool::kindHC, 13},
                                                    {CPartTool::kindVC, 13}};
    for (const auto& [kind, code] : tools)
        EXPECT_EQ(ToolKindCode(kind), code) << kind;

    const std::vector<std::pair<int, int>> operations = {{0, 2}, {1, 4}, {2, 5}, {3, 0}};
    for (const auto& [operation, code] : operations)
        EXPECT_EQ(OperationCode(operation), code) << operation;
}

TEST(JobTransferCodes, RemarksAndMultNames)
{
    struct Remarks {
        std::string a, b, sent;
    };
    const Remarks remarks[] = {
        {"", "", ""}, {"", "B only", "B only"}, {"A only", "", "A only"}, {"First", "Second", "First\r\nSecond"}};
    for (const Remarks& r : remarks)
        EXPECT_EQ(JoinRemarks(r.a, r.b), r.sent) << r.a << "|" << r.b;

    MultRecord mult;
    mult.mark = "M7";
    EXPECT_EQ(MultRunName(mult), "M7");
    mult.sequence = 3;
    EXPECT_EQ(MultRunName(mult), "M7 3");
}

class PartRunTest : public linktest::LinkFixture {
protected:
    // Part B12 of J1/G1, 240 inches on W 12X26, with remarks and a fab code: two web holes of a
    // round tool, a web layout, an HC slot on the top flange (plane type B measured from the far
    // edge), a VC slot on the bottom flange, and the stencil "AB12".
    void PutProgrammedPart() const
    {
        CPartDoc part;
        PartRecord& h = part.Header();
        h.jobId = "J1";
        h.group = "G1";
        h.mark = "B12";
        h.quantity = 4;
        h.length = 240.0;
        h.grade = "A36";
        h.fabCode = "F9";
        h.remarkA = "Shop";
        h.remarkB = "Paint";
        h.measureWebDepth = 1;
        ASSERT_TRUE(part.BuildShape("W ", "12X26"));
        h.shapeDesctp = "W ";
        h.shapeDesc = "12X26";
        CPartShape& shape = *part.GetPartShape();

        CRefPlane a;
        a.Set(0, 0, '+', '+', 0, 0, 'A');
        const CPartTool round(13.0 / 16, 0, "RD", 0);
        auto holes = std::make_unique<CPattern>(2.0, 3.0, 2, 4.0, 1, 0.0, CPattern::hole, &a, &round, 0);
        ASSERT_TRUE(part.AddPattern(holes, shape.GetWebList()));
        auto layout = std::make_unique<CPattern>(30.0, 4.0, 1, 0.0, 1, 0.0, CPattern::frontLayout, &a, nullptr, 0);
        ASSERT_TRUE(part.AddPattern(layout, shape.GetWebList()));

        CRefPlane b;
        b.Set(1.0, 0.5, '+', '-', 0, 0, 'B');
        const CPartTool hc(1.0, 0.5, "HC", 30);
        auto slot = std::make_unique<CPattern>(10.0, 1.0, 1, 0.0, 1, 0.0, CPattern::hole, &b, &hc, 0);
        ASSERT_TRUE(part.AddPattern(slot, shape.GetTopFlangeList()));
        const CPartTool vc(1.0, 0.5, "VC", 0);
        auto vslot = std::make_unique<CPattern>(50.0, 1.0, 1, 0.0, 1, 0.0, CPattern::hole, &a, &vc, 0);
        ASSERT_TRUE(part.AddPattern(vslot, shape.GetBottomFlangeList()));

        auto mark = std::make_unique<CStencilPattern>(20.0, 2.0, "AB12", 0);
        ASSERT_TRUE(part.AddStencil(mark));
        ASSERT_TRUE(part.OnSaveDocument("C:\\x.prt"));
    }
};

TEST_F(PartRunTest, APartWithHolesOnSeveralFacesAndStencils)
{
    PutProgrammedPart();
    machine.Settings().stencilsMark = 1;
    machine.Settings().markStencil = {5000, 120000, 15000};   // 0.5" characters at 12", 1.5"
    machine.Settings().stencilCharacterWidth = 6250;          // 0.625"
    machine.Settings().faceMode = 3;
    machine.Settings().faceWidth = 6.5;
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt");
    EXPECT_EQ(Shown(), std::vector<std::string>{});
    const std::vector<std::string> expected = {
        "Control.NewJob() -> Job1",
        "Job1.SetJobKind(1)",
        "Job1.SetUnits(1)",
        "Job1.SetIdentity(\"J1\", \"G1\", \"B12\")",
        "Job1.SetLength(240)",
        "Job1.NewSection() -> Section1",
        "Section1.SetSection(\"\", \"W \", \"12X26\", \"A36\", 1, 1, 2, 26, 12, 0.5, 4, 1)",
        "Job1.NewPart() -> Part1",
        "Job1.SinglePieceParts() -> 0",
        "Part1.SetIdentity(\"J1\", \"G1\", \"B12\")",
        "Part1.SetQuantity(1)",
        "Part1.SetRemarks(\"Shop\\r\\nPaint\")",
        "Part1.SetFabCode(\"F9\")",
        "Part1.SetUnits(1)",
        "Part1.SetPosition(0)",
        "Part1.SetLength(240)",
        "Part1.SetMeasureWebDepth(1)",
        "Part1.FaceGeometry() -> Faces1",
        "Faces1.Mode() -> 3",
        "Faces1.FaceWidth() -> 6.5",
        // Web: the holes with their round tool, then the layout without a tool.
        "Part1.NewPattern() -> Pattern1",
        "Pattern1.SetPattern(2, 3, 4, 0, 2, 1, 2, 1, 1)",
        "Part1.NewPlane(0, 0, 0, 0, 1, 1) -> Plane1",
        "Pattern1.AttachPlane(Plane1)",
        "Part1.NewTool(\"13_16RD\", 0.8125, 0, \"RD\", 0, 1, 1) -> Tool1",
        "Pattern1.AttachTool(Tool1)",
        "Part1.AddPattern(Pattern1)",
        "Part1.NewPattern() -> Pattern2",
        "Pattern2.SetPattern(30, 4, 0, 0, 1, 1, 4, 1, 1)",
        "Part1.NewPlane(0, 0, 0, 0, 1, 1) -> Plane2",
        "Pattern2.AttachPlane(Plane2)",
        "Part1.AddPattern(Pattern2)",
        // Top flange: the plane turned to the near edge, the HC tool sent as ER.
        "Part1.NewPattern() -> Pattern3",
        "Pattern3.SetPattern(10, 1, 0, 0, 1, 1, 2, 2, 2)",
        "Part1.NewPlane(1, 6, 0, 0, 1, 1) -> Plane3",
        "Pattern3.AttachPlane(Plane3)",
        "Part1.NewTool(\"1-X1_2ER30\", 1, 0.5, \"ER\", 30, 4, 1) -> Tool2",
        "Pattern3.AttachTool(Tool2)",
        "Part1.AddPattern(Pattern3)",
        // Bottom flange: turned too; the VC tool sent as ER at 90 degrees.
        "Part1.NewPattern() -> Pattern4",
        "Pattern4.SetPattern(50, 1, 0, 0, 1, 1, 2, 1, 3)",
        "Part1.NewPlane(0, 6.5, 0, 0, 1, -1) -> Plane4",
        "Pattern4.AttachPlane(Plane4)",
        "Part1.NewTool(\"1-X1_2ER90\", 1, 0.5, \"ER\", 90, 4, 1) -> Tool3",
        "Pattern4.AttachTool(Tool3)",
        "Part1.AddPattern(Pattern4)",
        // The mark's stencil first, then the part's own; along is X plus half the text's width.
        "Control.StencilsMark() -> 1",
        "Control.MarkStencilPlacement() -> 5000, 120000, 15000",
        "Part1.NewPattern() -> Pattern5",
        "Pattern5.SetPattern(12.75, 1.5, 0, 0, 1, 1, 7, 1, 2)",
        "Part1.NewPlane(0, 0, 0, 0, 1, 1) -> Plane5",
        "Pattern5.AttachPlane(Plane5)",
        "Pattern5.SetText(\"B12\")",
        "Part1.AddPattern(Pattern5)",
        "Control.StencilCharacterWidth() -> 6250",
        "Part1.NewPattern() -> Pattern6",
        "Pattern6.SetPattern(21.25, 2, 0, 0, 1, 1, 7, 1, 2)",
        "Part1.NewPlane(0, 0, 0, 0, 1, 1) -> Plane6",
        "Pattern6.AttachPlane(Plane6)",
        "Pattern6.SetText(\"AB12\")",
        "Part1.AddPattern(Pattern6)",
        "Job1.AddPart(Part1)",
        "Control.RunJob(Job1) -> 1",
    };
    linktest::ExpectLines(LogFrom("Control.NewJob"), expected);
}

TEST_F(PartRunTest, SinglePiecePartsAndEmptyTextsLeaveOutWhatTheyShould)
{
    PutPlainPart("C1", 60.0);
    machine.Settings().singlePieceParts = 1;
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\C1.prt");
    const std::vector<std::string> log = LogFrom("Part1.SetIdentity");
    ASSERT_GE(log.size(), 3u);
    EXPECT_EQ(log[1], "Part1.SetQuantity(1)");
    // No remarks, no fab code: the units follow at once.
    EXPECT_EQ(log[2], "Part1.SetUnits(1)");
}

} // namespace
