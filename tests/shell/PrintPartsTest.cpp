// The part printouts over prepared part data: golden lines of the header block, the page rule
// between parts and the bodies of options C to F.

#include "shell/PrintParts.h"

#include "fw/core/MessageService.h"
#include "records/ShapeRecord.h"
#include "tests/shell/ReportPrintSupport.h"

#include <gtest/gtest.h>

namespace {

using reporttest::At;
using V = std::vector<std::string>;

// A beam 10 in. deep with 4 in. flanges, 100 in. long, in decimal inches.
PartReportData Part(const std::string& mark)
{
    PartReportData p;
    p.job = "J1";
    p.group = "G1";
    p.mark = mark;
    p.quantity = 5;
    p.lengthText = "100 in.";
    p.shapeType = "W ";
    p.shapeSize = "10X12";
    p.grade = "A36";
    p.fabCode = "FC";
    p.remarkA = "RA";
    p.measuringSystem = 1;
    p.length = 100;
    p.profileKind = shapeBeam;
    p.depth = 10;
    p.flangeWidth = 4;
    return p;
}

// count X x count U elements from (x, u) at steps of 1 in.
ReportPattern Pattern(double x, double u, int countX, int countU, char type = 'A', int operation = 0)
{
    ReportPattern p;
    p.startX = x;
    p.startU = u;
    p.incrementX = 1;
    p.incrementU = 1;
    p.countX = countX;
    p.countU = countU;
    p.operation = operation;
    p.patternType = type;
    p.toolDescription = "13/16 X 0 RD0";
    for (int i = 0; i < countX; ++i)
        for (int j = 0; j < countU; ++j) {
            p.elements.push_back({x + i, u + j});
            if (type == 'C')
                p.elements.push_back({x + i, u + j + 0.5});
        }
    return p;
}

V HeaderBlock(const std::string& mark)
{
    return {At({{5, "JOBID: "}, {14, "J1"}, {30, "QNT: "}, {35, "5"}, {51, "MWD: "}, {56, "N"}}),
            At({{5, "GROUP: "}, {14, "G1"}, {27, "LENGTH: "}, {35, "100 in."}}),
            At({{5, "MARK "}, {14, mark}, {25, "FAB CODE: "}, {35, "FC"}, {47, "CHANLEG: "}, {56, "F"}}),
            At({{5, "SHAPE: "}, {14, "W 10X12"}, {49, "GRADE: "}, {56, "A36"}}),
            At({{5, "REMARKS: "}, {14, "RA"}}),
            "",
            At({{5, "WEB"}, {31, "TF NEAR"}, {58, "BF NEAR"}}),
            At({{31, "TF FAR"}, {58, "BF FAR"}}),
            " ",
            At({{27, ">>>>>>>>>>*<<<<<<<<<<"}}),
            " "};
}

class PrintPartsTest : public testing::Test {
protected:
    CPrintParts& Report()
    {
        report = std::make_unique<CPrintParts>(printers, source);
        EXPECT_TRUE(report->SetupPrinter());
        return *report;
    }
    void Print(PrintMode mode, PartPrintOptions options, const std::string& list)
    {
        CPrintParts r(printers, source);
        r.Print(mode, options, list);
    }
    V Body(const PartReportData& part, int which, int system = 1)
    {
        CPrintParts& r = Report();
        if (which == 0)
            r.PrintPatternDetail(part);
        else if (which == 1)
            r.PrintHoleInformation(part);
        else
            r.PrintOperationDetail(part, system);
        return printers.Body();
    }

    fw::ScriptedMessages messages;
    reporttest::RecordingPrinters printers;
    reporttest::FakeSource source;
    std::unique_ptr<CPrintParts> report;
};

TEST_F(PrintPartsTest, TitlesNameTheOptionsOfTheirPrintout)
{
    PartPrintOptions all;
    all.coverPage = all.partInformation = all.refPlanesAndPatterns = all.holes = 1;
    all.operationDetailsImperial = all.operationDetailsMetric = 1;
    EXPECT_EQ(CPrintParts::Title(PrintMode::standard, all), "Parts [Standard: AB]");
    EXPECT_EQ(CPrintParts::Title(PrintMode::custom, all), "Parts [Custom: ABCDEF]");
    PartPrintOptions some;
    some.holes = some.operationDetailsMetric = 1;
    EXPECT_EQ(CPrintParts::Title(PrintMode::custom, some), "Parts [Custom: DF]");
}

TEST_F(PrintPartsTest, HeaderBlockAndFlags)
{
    PartReportData p = Part("B12");
    source.parts["b"] = p;
    p.measureWebDepth = 1;
    p.channelLeg = 1;
    p.tools = {{0x12, "RD", "13/16 RD"}, {0x12, "RD", "13/16 RD"}, {0x33, "SQ", "1 SQ"}};
    source.parts["c"] = p;
    PartPrintOptions o;
    o.partInformation = 1;
    Print(PrintMode::standard, o, "b|c|");
    V expected = HeaderBlock("B12");
    V second = HeaderBlock("B12");
    second[0] = At({{5, "JOBID: "}, {14, "J1"}, {30, "QNT: "}, {35, "5"}, {51, "MWD: "}, {56, "Y"}});
    second[2] = At({{5, "MARK "}, {14, "B12"}, {25, "FAB CODE: "}, {35, "FC"}, {47, "CHANLEG: "}, {56, "N"}});
    // In a part's own summary a short name may repeat.
    second.insert(second.begin() + 7, {At({{1, "13/16 RD"}, {53, "1 SQ"}}), At({{1, "13/16 RD"}})});
    second.insert(second.begin() + 10, At({{53, "1 SQ"}}));
    expected.insert(expected.end(), second.begin(), second.end());
    expected.insert(expected.end(), {" ", "*done*"});
    EXPECT_EQ(printers.Body(), expected);
}

TEST_F(PrintPartsTest, PageRuleFourElevenLinePartsFillAPageAndTheFifthStartsTheNext)
{
    std::string list;
    for (int i = 1; i <= 6; ++i) {
        source.parts["p" + std::to_string(i)] = Part("P" + std::to_string(i));
        list += "p" + std::to_string(i) + "|";
    }
    PartPrintOptions o;
    o.partInformation = 1;
    Print(PrintMode::standard, o, list);
    const auto& pages = printers.last->pages;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].back().position, 46);   // four parts on lines 3 to 46
    EXPECT_EQ(pages[1][2].text, HeaderBlock("P5")[0]);
    EXPECT_EQ(pages[1][3].text, HeaderBlock("P5")[1]);
    EXPECT_EQ(pages[1][4].text, HeaderBlock("P5")[2]);
}

TEST_F(PrintPartsTest, AnUnreadablePartIsNamedAndTheOthersPrint)
{
    source.parts["a"] = Part("A");
    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    PartPrintOptions o;
    o.coverPage = o.partInformation = 1;
    Print(PrintMode::standard, o, "gone|a|");
    ASSERT_EQ(messages->Shown().size(), 2u);   // once per section
    EXPECT_NE(messages->Shown()[0].text.find("Part file...."), std::string::npos);
    const V body = printers.Body();
    EXPECT_EQ(body[2], At({{0, "J1"}, {11, "G1"}, {23, "A"}, {31, "5"}, {38, "100 in."}, {53, "W 10X12"}}));
    EXPECT_EQ(body[3], HeaderBlock("A")[0]);
}

TEST_F(PrintPartsTest, APartWithoutPatternsPrintsTheFaceLabelsAndTheSeparator)
{
    EXPECT_EQ(Body(Part("A"), 1), (V{At({{34, "<WEB>"}}), " ", At({{32, "<TOP FLANGE>"}}), " ",
                                     At({{31, "<BOTTOM FLANGE>"}}), " ", std::string(78, '-'), " "}));
}

TEST_F(PrintPartsTest, HoleTableWalksXOuterAndMarksBeamFlangesNearAndFar)
{
    PartReportData p = Part("A");
    p.faces[PartReportData::web] = {Pattern(1, 1, 3, 2)};
    p.faces[PartReportData::topFlange] = {Pattern(10, 2, 1, 2)};   // U 2 = BF/2: NEAR; 3: FAR
    const V body = Body(p, 1);
    const std::string heading = At({{6, "X POSITION"}, {31, "U POSITION"}, {55, "X TAIL POSITION"}});
    EXPECT_EQ(body, (V{At({{34, "<WEB>"}}), " ", heading,
                       At({{6, "1 in."}, {31, "1 in."}, {55, "99 in."}}),
                       At({{6, "1 in."}, {31, "2 in."}, {55, "99 in."}}),
                       At({{6, "2 in."}, {31, "1 in."}, {55, "98 in."}}),
                       At({{6, "2 in."}, {31, "2 in."}, {55, "98 in."}}),
                       At({{6, "3 in."}, {31, "1 in."}, {55, "97 in."}}),
                       At({{6, "3 in."}, {31, "2 in."}, {55, "97 in."}}),
                       " ", At({{32, "<TOP FLANGE>"}}), " ", heading,
                       At({{6, "10 in."}, {31, "2 in."}, {47, "NEAR"}, {55, "90 in."}}),
                       At({{6, "10 in."}, {31, "3 in."}, {47, "FAR"}, {55, "90 in."}}),
                       " ", At({{31, "<BOTTOM FLANGE>"}}), " ", std::string(78, '-'), " "}));

    p.profileKind = shapeChannel;   // a channel's flange gets no mark
    printers.keep.clear();
    const V channel = Body(p, 1);
    EXPECT_EQ(channel[13], At({{6, "10 in."}, {31, "2 in."}, {55, "90 in."}}));
}

TEST_F(PrintPartsTest, CentredPatternsPrintTwoLinesPerElementOnBeamsAndChannelsOnly)
{
    const struct {
        int kind;
        std::string type;
        std::size_t elementLines;
    } cases[] = {
        {shapeBeam, "W ", 2}, {shapeBeam, "HP", 2}, {shapeChannel, "MC", 2}, {shapeAngle, "L ", 0}, {shapeAngle, "W ", 0},
    };
    for (const auto& c : cases) {
        PartReportData p = Part("A");
        p.profileKind = c.kind;
        p.shapeType = c.type;
        p.faces[PartReportData::bottomFlange] = {Pattern(5, 1, 1, 1, 'C')};
        printers.keep.clear();
        const V body = Body(p, 1);
        EXPECT_EQ(body.size(), 10 + c.elementLines) << c.type;
        if (c.elementLines) {   // centred on a flange: U from the flange's centre
            EXPECT_EQ(body[7], At({{6, "5 in."}, {31, "-1 in."}, {55, "95 in."}})) << c.type;
        }
    }
}

TEST_F(PrintPartsTest, PatternDetailLines)
{
    PartReportData p = Part("A");
    ReportPattern hole = Pattern(2, 3, 1, 1);
    hole.planeStartX = 1;
    hole.planeStartU = 0.5;
    hole.planeRise = 0;
    hole.planeRun = 12;
    hole.planeDirectionU = '-';
    hole.toolDescription = "A VERY LONG TOOL DESCRIPTION THAT RUNS ON AND ON";
    ReportPattern layout = Pattern(4, 3, 1, 1, 'B', 2);
    p.faces[PartReportData::web] = {hole, layout};
    const V body = Body(p, 0);
    EXPECT_EQ(V(body.begin() + 2, body.begin() + 9),
              (V{At({{1, "STARTX: "}, {9, "1 in."}, {22, "DIRCX: "}, {29, "+"}, {33, "XPOS: "}, {39, "2 in."}, {52, "#X: "}, {56, "1"}, {60, "XINC: "}, {66, "1 in."}}),
                 At({{1, "STARTU: "}, {9, "0.5 in."}, {22, "DIRCU: "}, {29, "-"}, {33, "UPOS: "}, {39, "3 in."}, {52, "#U: "}, {56, "1"}, {60, "UINC: "}, {66, "1 in."}}),
                 At({{1, "RISE: "}, {9, "0 in."}, {22, "RUN: "}, {29, "12 in."}, {57, "PATTYPE: "}, {66, "A"}}),
                 At({{1, "TOOL: "}, {9, "A VERY LONG TOOL DESCRIPTION THAT RUNS ON"}, {50, "OPERATION TYPE: "}, {66, "HOLE"}}),
                 " ",
                 At({{6, "X POSITION"}, {31, "U POSITION"}, {55, "X TAIL POSITION"}}),
                 At({{6, "2 in."}, {31, "3 in."}, {55, "98 in."}})}));
    EXPECT_EQ(body[13], At({{1, "TOOL: "}, {50, "OPERATION TYPE: "}, {66, "BACK LAYOUT"}}));
}

TEST_F(PrintPartsTest, OperationDetailsInImperialAndMetricWhateverThePartsUnit)
{
    PartReportData p = Part("A");
    p.faces[PartReportData::web] = {Pattern(12, 3, 1, 1)};
    p.faces[PartReportData::topFlange] = {Pattern(24, 1, 1, 1)};
    p.faces[PartReportData::bottomFlange] = {Pattern(24, 5, 1, 1)};   // beyond the flange: |BF - U|
    const V imperial = Body(p, 2, 0);
    EXPECT_EQ(imperial[2], At({{1, "TOOL: "}, {9, "13/16 X 0 RD0"}, {25, "OPN TYPE: "}, {35, "HOLE"}}));
    EXPECT_EQ(imperial[3], "       XHead       XTail       U_TF        U_BF     UCenter     ");
    EXPECT_EQ(imperial[5], At({{7, "1'"}, {19, "7'4\""}, {31, "3\""}, {43, "7\""}, {55, "2\""}}));
    EXPECT_EQ(imperial[10], "       XHead       XTail       UNear       UFar        UCenter     Near/Far");
    EXPECT_EQ(imperial[12], At({{7, "2'"}, {19, "6'4\""}, {31, "1\""}, {43, "3\""}, {55, "1\""}, {67, "NEAR"}}));
    EXPECT_EQ(imperial[19], At({{7, "2'"}, {19, "6'4\""}, {31, "5\""}, {43, "1\""}, {55, "3\""}, {67, "FAR"}}));
    printers.keep.clear();
    const V metric = Body(p, 2, 2);
    EXPECT_EQ(metric[5], At({{7, "304.8 mm"}, {19, "2235.2 mm"}, {31, "76.2 mm"}, {43, "177.8 mm"}, {55, "50.8 mm"}}));
}

TEST_F(PrintPartsTest, ChannelFlangesFollowTheChannelLegAndAnglesMeasureFromTheLeg)
{
    const struct {
        int kind;
        int leg;
        int face;
        std::string expected;
    } cases[] = {
        {shapeChannel, 1, PartReportData::topFlange, At({{31, "3 in."}, {43, " - "}, {55, "1 in."}, {67, "NEAR"}})},
        {shapeChannel, 0, PartReportData::topFlange, At({{31, " - "}, {43, "3 in."}, {55, "1 in."}, {67, "FAR"}})},
        {shapeChannel, 1, PartReportData::bottomFlange, At({{31, "3 in."}, {43, " - "}, {55, "1 in."}, {67, "NEAR"}})},
        {shapeChannel, 0, PartReportData::bottomFlange, At({{31, " - "}, {43, "3 in."}, {55, "1 in."}, {67, "FAR"}})},
        {shapeAngle, 0, PartReportData::topFlange, At({{31, "3 in."}, {43, " - "}, {55, "1 in."}, {67, "NEAR"}})},
        {shapeAngle, 0, PartReportData::bottomFlange, At({{31, "1 in."}, {43, "3 in."}, {55, "1 in."}, {67, "NEAR"}})},
    };
    for (const auto& c : cases) {
        PartReportData p = Part("A");
        p.profileKind = c.kind;
        p.channelLeg = c.leg;
        p.faces[std::size_t(c.face)] = {Pattern(0, 1, 1, 1)};
        printers.keep.clear();
        const V body = Body(p, 2, 1);
        const std::size_t line = c.face == PartReportData::topFlange ? 7 : 9;
        ASSERT_GT(body.size(), line);
        EXPECT_EQ(body[line].substr(std::min<std::size_t>(31, body[line].size())), c.expected.substr(31))
            << c.kind << " " << c.leg << " " << c.face;
    }
}

TEST_F(PrintPartsTest, ATubesSecondWebIsPrinted)
{
    PartReportData p = Part("A");
    p.profileKind = shapeTube;
    p.faces[PartReportData::web2] = {Pattern(1, 1, 1, 1)};
    const V body = Body(p, 1);
    EXPECT_EQ(body[6], At({{32, "<SECOND WEB>"}}));
    EXPECT_EQ(body[9], At({{6, "1 in."}, {31, "1 in."}, {55, "99 in."}}));
}

TEST_F(PrintPartsTest, CustomHoleInformationFollowsEveryPart)
{
    PartReportData a = Part("A");
    a.faces[PartReportData::web] = {Pattern(1, 1, 1, 1)};
    PartReportData b = Part("B");
    b.faces[PartReportData::web] = {Pattern(7, 1, 1, 1)};
    source.parts["a"] = a;
    source.parts["b"] = b;
    PartPrintOptions o;
    o.holes = 1;
    Print(PrintMode::custom, o, "a|b|");
    const V body = printers.Body();
    const auto count = [&](const std::string& line) { return std::count(body.begin(), body.end(), line); };
    EXPECT_EQ(count(At({{6, "1 in."}, {31, "1 in."}, {55, "99 in."}})), 1);
    EXPECT_EQ(count(At({{6, "7 in."}, {31, "1 in."}, {55, "93 in."}})), 1);
    EXPECT_EQ(printers.titles, V{"Parts [Custom: D]"});
}

} // namespace
