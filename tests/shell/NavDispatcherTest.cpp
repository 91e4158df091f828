#include "shell/NavDispatcher.h"
#include "tests/shell/FakeServices.h"

#include "fw/core/MessageService.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

constexpr const char* kPart = "C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt";
constexpr const char* kMult = "C:\\Kestrom\\Jobs\\J1\\G1\\M1 1.mlt";
constexpr const char* kFolderNew = "C:\\Jobs\\J1\\G1\\NULL";
constexpr const char* kList = "C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|";

struct Case {
    int code;
    std::optional<std::string> path;
    Calls expected;   // after the report windows were closed
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << std::hex << "0x" << c.code << " " << c.path.value_or("(no path)");
}

class DispatcherTable : public testing::TestWithParam<Case> {};

TEST_P(DispatcherTable, CallsTheServicesOfTheCodesAction)
{
    const Case& c = GetParam();
    fw::ScriptedMessages messages;
    test::FakeServices services;
    NavDispatcher dispatcher(services.Nav());

    dispatcher.DoNavAction(c.code, c.path);

    Calls expected{"CloseReports"};
    expected.insert(expected.end(), c.expected.begin(), c.expected.end());
    EXPECT_EQ(services.calls, expected);
    EXPECT_TRUE(messages->Shown().empty());
}

const std::string kNoPath;

INSTANTIATE_TEST_SUITE_P(
    Codes, DispatcherTable,
    testing::Values(
        // Create: a new item in a folder, a blank untitled copy of a file, or a new untitled item.
        Case{0x11, kFolderNew, {"NewHidden(part)", "SetPathName(C:\\Jobs\\J1\\G1\\Part.prt)", "MarkNew", "ShowFrame"}},
        Case{0x12, kFolderNew, {"NewHidden(mult)", "SetPathName(C:\\Jobs\\J1\\G1\\Mult 1.mlt)", "MarkNew", "ShowFrame"}},
        Case{0x11, kPart, {std::string("OpenHidden(part,") + kPart + ")", "ClearModel", "MakeUntitledCopy", "MarkNew", "ShowFrame"}},
        Case{0x12, kMult, {std::string("OpenHidden(mult,") + kMult + ")", "ClearModel", "MakeUntitledCopy", "MarkNew", "ShowFrame"}},
        Case{0x11, std::nullopt, {"NewHidden(part)", "MarkNew", "ShowFrame"}},
        Case{0x13, std::nullopt, {"NewVisible(shape)"}},
        Case{0x13, "C:\\Kestrom\\Shapes\\NULL", {"NewVisible(shape)"}},
        Case{0x13, "C:\\Kestrom\\Shapes\\W 12X26.shp",
             {"OpenHidden(shape,C:\\Kestrom\\Shapes\\W 12X26.shp)", "MakeUntitledCopy", "MarkNew", "ShowFrame"}},
        Case{0x14, std::nullopt, {"NewVisible(tool)"}},
        Case{0x14, "C:\\Kestrom\\Tools\\NULL", {"NewVisible(tool)"}},
        Case{0x14, "C:\\Kestrom\\Tools\\RD1.tl", {"OpenFile(C:\\Kestrom\\Tools\\RD1.tl)"}},
        Case{0x15, "C:\\Kestrom\\Machines\\NULL", {"NewVisible(machine)"}},
        Case{0x15, "C:\\Kestrom\\Machines\\M1.mch",
             {"OpenHidden(machine,C:\\Kestrom\\Machines\\M1.mch)", "MakeUntitledCopy", "MarkNew", "ShowFrame"}},
        Case{0x10, kPart, {}},
        Case{0x16, kPart, {}},
        // "NULL" must follow a backslash and is compared with case.
        Case{0x11, "C:\\Jobs\\J1\\G1\\null", {"OpenHidden(part,C:\\Jobs\\J1\\G1\\null)", "ClearModel", "MakeUntitledCopy", "MarkNew", "ShowFrame"}},
        // Open, either code, any object; the template follows the extension.
        Case{0x21, kPart, {std::string("OpenFile(") + kPart + ")"}},
        Case{0x82, kMult, {std::string("OpenFile(") + kMult + ")"}},
        Case{0x20, kPart, {std::string("OpenFile(") + kPart + ")"}},
        // Print: parts and mults only.
        Case{0x31, kList, {std::string("PrintParts(standard,") + kList + ")"}},
        Case{0x42, kList, {std::string("PrintMults(custom,") + kList + ")"}},
        Case{0x32, std::nullopt, {"PrintMults(standard,)"}},
        Case{0x33, kList, {}},
        Case{0x34, kList, {}},
        Case{0x35, kList, {}},
        Case{0x40, kList, {}},
        // Opposites, any object.
        Case{0x51, kList, {std::string("CreateOpposites(") + kList + ")"}},
        // Legacy shop disk: the dialog for every object, a disk for parts and mults.
        Case{0x61, kList, {"AskShopDisk", std::string("PartDisk(A,DEFAULT,") + kList + ")"}},
        Case{0x62, kList, {"AskShopDisk", std::string("MultDisk(A,DEFAULT,") + kList + ")"}},
        Case{0x63, kList, {"AskShopDisk"}},
        // Convert ignores the path.
        Case{0x70, kPart, {"ConvertLegacyFiles"}},
        // Runs, any object.
        Case{0x91, kPart, {std::string("RunPart(") + kPart + ")"}},
        Case{0xA2, kMult, {std::string("RunMult(") + kMult + ")"}},
        Case{0xE2, kList, {std::string("RunMultMultiple(") + kList + ")"}},
        // Reports.
        Case{0xB0, "C:\\Kestrom\\Jobs\\J1", {"OpenReport(files,C:\\Kestrom\\Jobs\\J1)"}},
        Case{0xC0, "C:\\Kestrom\\Jobs\\J1\\G1", {"OpenReport(parts,C:\\Kestrom\\Jobs\\J1\\G1)"}},
        Case{0xD0, "C:\\Kestrom\\Jobs\\J1\\G1", {"OpenReport(mults,C:\\Kestrom\\Jobs\\J1\\G1)"}},
        // Only the low byte counts; unknown actions do nothing more.
        Case{0x121, kPart, {std::string("OpenFile(") + kPart + ")"}},
        Case{0x01, kPart, {}},
        Case{0xF1, kPart, {}},
        Case{-1, kPart, {}}));

TEST(NavDispatcher, OpenWithoutPathSaysFileNotFound)
{
    fw::ScriptedMessages messages;
    messages->Answer(fw::IDOK);
    test::FakeServices services;
    NavDispatcher dispatcher(services.Nav());

    dispatcher.DoNavAction(0x21, std::nullopt);

    EXPECT_EQ(services.calls, (Calls{"CloseReports"}));
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "File Not Found: no file is marked to open.");
    EXPECT_EQ(messages->Shown()[0].type, fw::MB_OK | fw::MB_ICONHAND);
}

TEST(NavDispatcher, CreateStopsWhenTheDocumentCannotBeMade)
{
    fw::ScriptedMessages messages;
    test::FakeServices services;
    services.documentsCanBeMade = false;
    NavDispatcher dispatcher(services.Nav());

    dispatcher.DoNavAction(0x11, std::string(kFolderNew));
    dispatcher.DoNavAction(0x15, std::string("C:\\M\\M1.mch"));

    EXPECT_EQ(services.calls, (Calls{"CloseReports", "NewHidden(part)", "CloseReports", "OpenHidden(machine,C:\\M\\M1.mch)"}));
}

TEST(NavDispatcher, CancelledShopDiskWritesNothing)
{
    fw::ScriptedMessages messages;
    test::FakeServices services;
    services.shopDiskTarget.reset();
    NavDispatcher dispatcher(services.Nav());

    dispatcher.DoNavAction(0x61, std::string(kList));

    EXPECT_EQ(services.calls, (Calls{"CloseReports", "AskShopDisk"}));
}

TEST(NavDispatcher, ASecondReportClosesTheFirst)
{
    test::FakeServices services;
    NavDispatcher dispatcher(services.Nav());

    dispatcher.DoNavAction(0xB0, std::string("C:\\J1"));
    dispatcher.DoNavAction(0xB0, std::string("C:\\J2"));

    EXPECT_EQ(services.calls,
              (Calls{"CloseReports", "OpenReport(files,C:\\J1)", "CloseReports", "OpenReport(files,C:\\J2)"}));
}

} // namespace
