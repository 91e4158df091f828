// The mult printouts over prepared mult data: golden lines of options A, B and C.

#include "shell/PrintMults.h"

#include "fw/core/MessageService.h"
#include "tests/shell/ReportPrintSupport.h"

#include <gtest/gtest.h>

namespace {

using reporttest::At;
using V = std::vector<std::string>;

MultReportData Mult(const std::string& mark, std::vector<MultReportPart> parts)
{
    MultReportData m;
    m.job = "J1";
    m.group = "G1";
    m.mark = mark;
    m.sequence = 3;
    m.quantity = 2;
    m.lengthText = "40'";
    m.kerfText = "1/8\"";
    m.dropText = "2'1\"";
    m.shapeType = "W ";
    m.shapeSize = "12X26";
    m.grade = "A36";
    m.machine = "PUNCH1";
    m.remarkA = "FIRST";
    m.parts = std::move(parts);
    return m;
}

MultReportPart Part(const std::string& mark, std::vector<ReportTool> tools, std::string remarkB = {})
{
    return {"J1", "G1", mark, 4, "10'6\"", "RA", std::move(remarkB), std::move(tools)};
}

const ReportTool kRound{0x11, "RD13/16", "13/16\" RD"};
const ReportTool kBoth{0x23, "RD1", "1\" RD"};

class PrintMultsTest : public testing::Test {
protected:
    void Print(PrintMode mode, int a, int b, int c, const std::string& list)
    {
        MultPrintOptions options;
        options.coverPage = a;
        options.multInformation = b;
        options.attachedParts = c;
        CPrintMults report(printers, source);
        report.Print(mode, options, list);
    }

    fw::ScriptedMessages messages;
    reporttest::RecordingPrinters printers;
    reporttest::FakeSource source;
};

TEST_F(PrintMultsTest, TitlesNameTheOptionsChosen)
{
    const struct {
        PrintMode mode;
        int a, b, c;
        const char* title;
    } cases[] = {
        {PrintMode::standard, 1, 1, 1, "Mults [Standard: AB]"},
        {PrintMode::custom, 1, 1, 1, "Mults [Custom: ABC]"},
        {PrintMode::custom, 0, 1, 0, "Mults [Custom: B]"},
        {PrintMode::standard, 0, 0, 0, "Mults [Standard: ]"},
    };
    for (const auto& c : cases) {
        MultPrintOptions o;
        o.coverPage = c.a;
        o.multInformation = c.b;
        o.attachedParts = c.c;
        EXPECT_EQ(CPrintMults::Title(c.mode, o), c.title);
    }
}

TEST_F(PrintMultsTest, DirectoryListsEveryMultAndSkipsAnUnreadableOne)
{
    source.mults["a"] = Mult("M", {});
    source.mults["c"] = Mult("LONGMARK", {});
    messages->Answer(fw::IDOK);
    Print(PrintMode::standard, 1, 0, 0, "a|b|c|");
    EXPECT_EQ(printers.Body(), (V{"JOBID      GROUP       MARK    SEQ    LENGTH         SHAPE",
                                  "-----      -----       ----    ---    ------         -----",
                                  At({{0, "J1"}, {11, "G1"}, {23, "M"}, {31, "3"}, {38, "40'"}, {53, "W 12X26"}}),
                                  At({{0, "J1"}, {11, "G1"}, {23, "LONGMARK"}, {31, "3"}, {38, "40'"}, {53, "W 12X26"}}),
                                  " ", "*done*"}));
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_NE(messages->Shown()[0].text.find("Mult file....") , std::string::npos);
    EXPECT_NE(messages->Shown()[0].text.find("'b ',"), std::string::npos);
}

TEST_F(PrintMultsTest, InformationListsEachToolOncePerColumnAndCodeTwentyThreeInBothColumns)
{
    source.mults["m"] = Mult("M", {Part("P1", {kRound, kBoth}), Part("P2", {kRound, kBoth})});
    Print(PrintMode::standard, 0, 1, 1, "m|");   // C is not printed in the standard printout
    EXPECT_EQ(printers.Body(), (V{
                                   At({{5, "JOBID: "}, {14, "J1"}, {33, "LENGTH: "}, {41, "40'"}}),
                                   At({{5, "GROUP: "}, {14, "G1"}, {35, "KERF: "}, {41, "1/8\""}}),
                                   At({{5, "MARK: "}, {14, "M"}, {35, "DROP: "}, {41, "2'1\""}}),
                                   At({{5, "SEQ: "}, {14, "3"}, {34, "SHAPE: "}, {41, "W"}, {44, "12X26"}}),
                                   At({{5, "QNT: "}, {14, "2"}, {34, "GRADE: "}, {41, "A36"}}),
                                   At({{5, "MACHINE: "}, {14, "PUNCH1"}}),
                                   At({{5, "REMARKS: "}, {14, "FIRST"}}),
                                   "",
                                   At({{5, "WEB"}, {31, "TF NEAR"}, {58, "BF NEAR"}}),
                                   At({{1, "13/16\" RD"}, {27, "1\" RD"}}),
                                   At({{31, "TF FAR"}, {58, "BF FAR"}}),
                                   At({{27, "1\" RD"}}),
                                   " ",
                                   std::string(78, '-'),
                                   " ",
                                   " ",
                                   "*done*",
                               }));
    EXPECT_EQ(printers.titles, V{"Mults [Standard: B]"});
}

TEST_F(PrintMultsTest, CustomPrintoutAddsTheAttachedPartsAndAMultWithoutParts)
{
    source.mults["m"] = Mult("M", {Part("P1", {}, "SECOND")});
    source.mults["e"] = Mult("E", {});
    Print(PrintMode::custom, 0, 1, 1, "m|e|");
    const V body = printers.Body();
    const V expectedM = {
        At({{5, "WEB"}, {31, "TF NEAR"}, {58, "BF NEAR"}}),
        At({{31, "TF FAR"}, {58, "BF FAR"}}),
        " ",
        At({{27, ">>>>>>>>>>*<<<<<<<<<<"}}),
        " ",
        At({{5, "JOBID: "}, {14, "J1"}, {33, "GROUP: "}, {40, "G1"}, {51, "MARK: "}, {57, "P1"}, {68, "QTY: "}, {73, "4"}}),
        At({{5, "LENGTH: "}, {14, "10'6\""}}),
        At({{5, "REMARKS: "}, {14, "RA"}}),
        At({{14, "SECOND"}}),
        " ",
        " ",
        std::string(78, '-'),
        " ",
    };
    ASSERT_GE(body.size(), 8 + expectedM.size());
    EXPECT_EQ(V(body.begin() + 8, body.begin() + 8 + std::ptrdiff_t(expectedM.size())), expectedM);
    const V expectedE = {"***No Parts Listed***", " ", At({{27, ">>>>>>>>>>*<<<<<<<<<<"}}), " ",
                         "***No Parts Listed***", " ", std::string(78, '-'), " ", " ", "*done*"};
    ASSERT_GE(body.size(), expectedE.size());
    EXPECT_EQ(V(body.end() - std::ptrdiff_t(expectedE.size()), body.end()), expectedE);
}

TEST_F(PrintMultsTest, The52ndMultStartsTheNextPageUnderRepeatedHeadings)
{
    std::string list;
    for (int i = 1; i <= 52; ++i) {
        const std::string name = "m" + std::to_string(i);
        source.mults[name] = Mult("M" + std::to_string(i), {});
        list += name + "|";
    }
    Print(PrintMode::standard, 1, 0, 0, list);
    const auto& pages = printers.last->pages;
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].size(), 55u);
    EXPECT_EQ(pages[0].back().text.substr(23, 3), "M51");
    EXPECT_EQ(pages[1][2].text, "JOBID      GROUP       MARK    SEQ    LENGTH         SHAPE");
    EXPECT_EQ(pages[1][4].text.substr(23, 3), "M52");
    EXPECT_EQ(pages[1][0].text.substr(70), "Page: 2");
}

TEST_F(PrintMultsTest, AnEmptyListOrACancelPrintsNoPage)
{
    Print(PrintMode::standard, 1, 1, 0, "");
    EXPECT_TRUE(printers.last->pages.empty());
    EXPECT_TRUE(printers.last->ended);

    printers.cancel = true;
    source.mults["m"] = Mult("M", {});
    Print(PrintMode::standard, 1, 1, 0, "m|");
    EXPECT_TRUE(source.reads.empty());
}

} // namespace
