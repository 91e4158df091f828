// The line printer: pages, header, line positions, the end mark and the tool summary block, on a
// recording page sink.

#include "shell/PrintManager.h"

#include "fw/core/MessageService.h"
#include "tests/shell/ReportPrintSupport.h"

#include <gtest/gtest.h>

namespace {

using reporttest::RecordingPrinters;

class PrintManagerTest : public testing::Test {
protected:
    PrintManagerTest() : printer(printers) { printer.SetTitle("T"); }
    void Start() { ASSERT_TRUE(printer.SetupPrinter()); }
    void PrintBody(int lines)
    {
        for (int i = 1; i <= lines; ++i)
            printer.PrintLine("L" + std::to_string(i));
    }

    fw::ScriptedMessages messages;
    RecordingPrinters printers;
    CPrintManager printer;
};

std::string Header(const std::string& title, int page)
{
    std::string line = " " + title;
    line.resize(70, ' ');
    return line + "Page: " + std::to_string(page);
}

TEST_F(PrintManagerTest, FirstLineStartsPageOneUnderHeaderAndBlank)
{
    Start();
    PrintBody(2);
    printer.PrintLine(CPrintManager::kEndMark);
    EXPECT_EQ(printers.Lines(), (std::vector<std::string>{"--- page ---", "1: " + Header("T", 1), "2:  ", "3: L1",
                                                          "4: L2", "5:  ", "6: *done*"}));
    EXPECT_TRUE(printers.last->ended);
    EXPECT_FALSE(printers.last->open);
    EXPECT_EQ(printers.titles, std::vector<std::string>{"T"});
}

TEST_F(PrintManagerTest, Line55IsTheLastBodyLineAndTheEndMarkFollowsOnTheSamePage)
{
    Start();
    PrintBody(53);
    printer.RequestNewPage();   // asked for after the last section: the end mark still follows
    printer.PrintLine(CPrintManager::kEndMark);
    ASSERT_EQ(printers.last->pages.size(), 1u);
    const RecordingPageSink::Page& page = printers.last->pages[0];
    EXPECT_EQ(page[54], (RecordingPageSink::Line{55, "L53"}));
    EXPECT_EQ(page[55], (RecordingPageSink::Line{56, " "}));
    EXPECT_EQ(page[56], (RecordingPageSink::Line{57, "*done*"}));
}

TEST_F(PrintManagerTest, The54thBodyLineAndANewPageRequestStartANewPage)
{
    Start();
    PrintBody(54);
    printer.PrintLine("after");
    printer.RequestNewPage();
    printer.PrintLine("third");
    const auto& pages = printers.last->pages;
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[1][0], (RecordingPageSink::Line{1, Header("T", 2)}));
    EXPECT_EQ(pages[1][2], (RecordingPageSink::Line{3, "L54"}));
    EXPECT_EQ(pages[1][3], (RecordingPageSink::Line{4, "after"}));
    EXPECT_EQ(pages[2][2], (RecordingPageSink::Line{3, "third"}));
    EXPECT_EQ(printer.PageNumber(), 3);
}

TEST_F(PrintManagerTest, ASectionStartingOverAtLineZeroNeverWritesOverTheOpenPage)
{
    Start();
    PrintBody(3);
    printer.SetLineNumber(0);
    printer.PrintLine("next section");
    const auto& pages = printers.last->pages;
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1][2], (RecordingPageSink::Line{3, "next section"}));
}

TEST_F(PrintManagerTest, AnEndMarkWithoutAPageStartsNone)
{
    Start();
    printer.PrintLine(CPrintManager::kEndMark);
    EXPECT_TRUE(printers.last->pages.empty());
    EXPECT_TRUE(printers.last->ended);
}

TEST_F(PrintManagerTest, HeaderTitleIsCutByThePageMark)
{
    const struct {
        std::string title;
        std::string expected;
    } cases[] = {
        {std::string(69, 'x'), " " + std::string(69, 'x') + "Page: 1"},
        {std::string(70, 'x'), " " + std::string(69, 'x') + "Page: 1"},
        {std::string(100, 'x'), " " + std::string(69, 'x') + "Page: 1"},
    };
    for (const auto& c : cases) {
        RecordingPrinters own;
        CPrintManager p(own);
        p.SetTitle(c.title);
        ASSERT_TRUE(p.SetupPrinter());
        p.PrintLine("x");
        EXPECT_EQ(own.last->pages[0][0].text, c.expected) << c.title.size();
    }
}

TEST_F(PrintManagerTest, ComposedLinesKeepTheirColumnsAndEndAt79)
{
    printer.ClearLine();
    printer.Put(5, "AB");
    printer.Put(10, "CDE");
    printer.Put(11, "x");   // a later field overwrites, its NUL cuts the earlier one
    printer.FinishLine();
    EXPECT_EQ(printer.LineText(), "     AB   Cx");
    printer.ClearLine();
    printer.Put(70, std::string(20, 'z'));   // runs past the buffer: cut at 79
    printer.Put(200, "ignored");
    printer.FinishLine();
    EXPECT_EQ(printer.LineText(), std::string(70, ' ') + std::string(9, 'z'));
}

TEST_F(PrintManagerTest, CancelledOrMissingPrinterPrintsNothingAndAMissingOneIsReported)
{
    printers.cancel = true;
    EXPECT_FALSE(printer.SetupPrinter());
    EXPECT_TRUE(printer.Cancelled());
    EXPECT_TRUE(messages->Shown().empty());

    printers.cancel = false;
    printers.error = "no printer is installed.";
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(printer.SetupPrinter());
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "The report cannot be printed: no printer is installed.");
    printer.PrintLine("nowhere");   // no job: nothing happens
}

TEST_F(PrintManagerTest, ToolColumnsFollowTheFaceAndSideCodes)
{
    CPrintManager::ToolColumns columns;
    const std::pair<int, std::string> tools[] = {{0x11, "W1"}, {0x13, "W3"}, {0x22, "TN"}, {0x21, "TF"},
                                                 {0x23, "TB"}, {0x32, "BN"}, {0x31, "BF"}, {0x33, "BB"},
                                                 {0x41, "X"},  {0x12, "W1"}};
    for (const auto& [code, name] : tools)
        CPrintManager::AddTool(columns, {code, name, name + "-d"}, true);
    const auto names = [&](CPrintManager::ToolColumn c) {
        std::vector<std::string> n;
        for (const ReportTool& t : columns[c])
            n.push_back(t.shortName);
        return n;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names(CPrintManager::web), (V{"W1", "W3"}));   // the same short name once
    EXPECT_EQ(names(CPrintManager::tfNear), (V{"TN", "TB"}));
    EXPECT_EQ(names(CPrintManager::tfFar), (V{"TF", "TB"}));
    EXPECT_EQ(names(CPrintManager::bfNear), (V{"BN", "BB"}));
    EXPECT_EQ(names(CPrintManager::bfFar), (V{"BF", "BB"}));

    CPrintManager::AddTool(columns, {0x12, "W1", "again"}, false);
    EXPECT_EQ(names(CPrintManager::web), (V{"W1", "W3", "W1"}));
}

TEST_F(PrintManagerTest, ToolSummaryBlockPrintsRowsUntilEveryColumnIsEmpty)
{
    Start();
    CPrintManager::ToolColumns columns;
    for (const auto& [code, name] : std::vector<std::pair<int, std::string>>{{0x11, "A"}, {0x11, "B"}, {0x22, "C"}, {0x31, "D"}})
        CPrintManager::AddTool(columns, {code, name, "tool " + name}, true);
    printer.PrintToolSummary(columns);
    using reporttest::At;
    EXPECT_EQ(printers.Body(), (std::vector<std::string>{
                                   At({{5, "WEB"}, {31, "TF NEAR"}, {58, "BF NEAR"}}),
                                   At({{1, "tool A"}, {27, "tool C"}}),
                                   " tool B",
                                   At({{31, "TF FAR"}, {58, "BF FAR"}}),
                                   At({{53, "tool D"}}),
                               }));
    for (const auto& column : columns)
        EXPECT_TRUE(column.empty());
}

TEST_F(PrintManagerTest, UnreadableFileMessageNamesThePath)
{
    messages->Answer(fw::IDOK);
    CPrintManager::ReportUnreadableFile("Mult", "C:\\J\\G\\M 1.mlt");
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text,
              "There is a problem with your Mult file....\n  It either does not exist at the location specified: \n "
              "'C:\\J\\G\\M 1.mlt ',\n Or, it is being accessed by another program....Please check your input and try again");
}

} // namespace
