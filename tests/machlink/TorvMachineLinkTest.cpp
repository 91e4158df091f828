// The machine link against the simulated machine side: what each load outcome leaves, what each
// callback does, what a run's status does, callbacks that arrive during a run, unload, and the
// calls of mult runs (one mult, several mults with drop pieces, a missing part, an empty mult).

#include "tests/machlink/MachLinkTestSupport.h"

#include "fw/core/Poster.h"

namespace {

using namespace torv;
using Lines = std::vector<std::string>;

class LinkTest : public linktest::LinkFixture {
protected:
    std::vector<int> Flags() const { return {state.loaded, state.busy, state.machineReady}; }
};

TEST_F(LinkTest, LoadOutcomes)
{
    struct Case {
        const char* name;
        bool present;
        MachineSideSettings settings;
        bool held;
        std::vector<int> flags;   // loaded, busy, machine ready
        Lines shown;
        Lines log;
    };
    const Lines ready = {"Machine.SetResponse()", "Machine.Load() -> 0", "Machine.FinalizeLoad() -> 0",
                         "Machine.GetControl() -> Control", "Control.RegisterResponse() -> 0",
                         "Control.AfterRegistration()"};
    const Case cases[] = {
        {"absent", false, {}, false, {0, 1, 1}, {}, {}},
        {"no machine interface", true, {.hasMachine = false}, false, {0, 1, 1}, {}, {}},
        {"ready", true, {}, true, {1, 0, 1}, {}, ready},
        {"load fails", true, {.loadStatus = 5}, true, {0, 1, 1}, {"Error! : Load TorvMachine Failed (status 5)"},
         {"Machine.SetResponse()", "Machine.Load() -> 5"}},
        {"finalize fails", true, {.finalizeStatus = 1}, true, {0, 1, 1}, {"Error! : FinalizeLoad TorvMachine Failed (status 1)"},
         {"Machine.SetResponse()", "Machine.Load() -> 0", "Machine.FinalizeLoad() -> 1"}},
        {"no control object", true, {.hasControl = false}, true, {1, 0, 1}, {},
         {"Machine.SetResponse()", "Machine.Load() -> 0", "Machine.FinalizeLoad() -> 0", "Machine.GetControl() -> none"}},
        {"load call fails", true, {.failMethod = "Load"}, false, {0, 1, 1},
         {"ERROR: TorvMachine did not answer: Machine.Load failed"}, {"Machine.SetResponse()", "Machine.Load() -> 0"}},
    };
    for (const Case& c : cases) {
        ClearShown();
        machine.ClearLog();
        machine.Settings() = c.settings;
        state = {};
        auto link = MakeLink(c.present);
        EXPECT_EQ(link->Load(), c.held) << c.name;
        EXPECT_EQ(Flags(), c.flags) << c.name;
        EXPECT_EQ(Shown(), c.shown) << c.name;
        EXPECT_EQ(machine.Log(), c.log) << c.name;
        EXPECT_EQ(host.calls.front(), "Status(Please Wait, Loading TorvMachine...)") << c.name;
    }
}

TEST_F(LinkTest, ALoadThatFailedIsFinishedByTheMachineReportingReady)
{
    machine.Settings().loadStatus = 1;
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    EXPECT_EQ(Flags(), (std::vector{0, 1, 1}));
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");   // not loaded: nothing
    EXPECT_EQ(machine.Log().size(), 2u);
    host.calls.clear();
    EXPECT_TRUE(machine.CallBack(3));
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
    EXPECT_EQ(host.calls, (Lines{"Top", "Status(Ready to Run)", "EnableRun"}));
}

TEST_F(LinkTest, CallbackEffects)
{
    struct Case {
        int method;
        MachineLinkState before;
        std::vector<int> flags;   // loaded, busy, machine ready
        Lines host;
    };
    const Case cases[] = {
        {3, {.busy = 1, .machineReady = 0, .loaded = 1}, {1, 0, 0}, {"Top", "Status(Ready to Run)", "EnableRun"}},
        {4, {.busy = 1, .machineReady = 0, .loaded = 1}, {1, 1, 0}, {}},
        {4, {.busy = 0, .machineReady = 1, .loaded = 0}, {0, 1, 1}, {}},
        {5, {.busy = 1, .machineReady = 0, .loaded = 1}, {1, 0, 1}, {"EnableRun"}},
        {5, {.busy = 1, .machineReady = 0, .loaded = 0}, {0, 1, 1}, {"EnableRun"}},
        {6, {.busy = 0, .machineReady = 1, .loaded = 1}, {1, 0, 1}, {"GreyRun"}},
        {7, {.busy = 1, .machineReady = 1, .loaded = 1}, {1, 1, 1}, {"EnableRun"}},
        {8, {.busy = 1, .machineReady = 0, .loaded = 1}, {1, 0, 1}, {"Top", "EnableRun"}},
    };
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    for (const Case& c : cases) {
        state = c.before;
        host.calls.clear();
        EXPECT_TRUE(machine.CallBack(c.method));
        EXPECT_EQ(Flags(), c.flags) << c.method;
        EXPECT_EQ(host.calls, c.host) << c.method;
    }
    // Ready to Run registers the callback object again.
    EXPECT_EQ(LogFrom("Response.OnMachineReady").at(1), "Machine.GetControl() -> Control");
    EXPECT_EQ(LogFrom("Response.OnMachineReady").at(2), "Control.RegisterResponse() -> 0");
}

TEST_F(LinkTest, RunStatuses)
{
    PutPlainPart("A1", 100.0);
    struct Case {
        std::int32_t status;
        MachineLinkState before;
        std::vector<int> flags;   // loaded, busy, machine ready
        Lines host;
        Lines shown;
    };
    const Case cases[] = {
        {kRunStaysReady, {.busy = 0, .machineReady = 0, .loaded = 1}, {1, 0, 1}, {"EnableRun"}, {}},
        {0, {.loaded = 1}, {1, 1, 0}, {"GreyRun"}, {}},
        {7, {.loaded = 1}, {1, 1, 0}, {"GreyRun"}, {}},
        {kNoAcPower, {.busy = 0, .machineReady = 0, .loaded = 1}, {1, 0, 0}, {}, {"Varnex: No AC Power / No Hydraulics"}},
        {kNoHydraulics, {.busy = 1, .machineReady = 1, .loaded = 1}, {1, 1, 1}, {}, {"Varnex: No AC Power / No Hydraulics"}},
    };
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    for (const Case& c : cases) {
        machine.Settings().runStatus = c.status;
        state = c.before;
        host.calls.clear();
        ClearShown();
        link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
        EXPECT_EQ(Flags(), c.flags) << c.status;
        EXPECT_EQ(host.calls, c.host) << c.status;
        EXPECT_EQ(Shown(), c.shown) << c.status;
    }
}

TEST_F(LinkTest, ARunWhoseCallbackArrivesMidRunEndsNotBusy)
{
    PutPlainPart("A1", 100.0);
    machine.Settings().runStatus = 0;
    machine.Settings().finishDuringRun = true;
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
    EXPECT_EQ(host.calls.back(), "EnableRun");
    EXPECT_EQ(machine.Log().back(), "Response.OnRunFinished()");
}

TEST_F(LinkTest, AfterUnloadALateCallbackDoesNothing)
{
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    ITorvMachineResponse& response = link->Response();
    link->Close();
    EXPECT_EQ(machine.Log().back(), "Machine.Unload()");
    EXPECT_EQ(machine.Response(), nullptr);
    state = {.busy = 1, .machineReady = 0, .loaded = 0};
    host.calls.clear();
    response.OnMachineReady();
    response.OnReturnToMain();
    EXPECT_EQ(Flags(), (std::vector{0, 1, 0}));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(LinkTest, RunCommandsDoNothingUntilLoadedOrWithoutAControlObject)
{
    PutPlainPart("A1", 100.0);
    machine.Settings().hasControl = false;
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    machine.ClearLog();
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    link->OnMachineCommand(MachineCommand::manualScreen);
    EXPECT_EQ(machine.Log(), (Lines{"Machine.GetControl() -> none", "Machine.GetControl() -> none"}));
    EXPECT_EQ(Shown(), Lines{});
}

TEST_F(LinkTest, MachineMenuCommands)
{
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    struct Case {
        MachineCommand command;
        Lines log;
    };
    const Case cases[] = {
        {MachineCommand::manualScreen, {"Machine.GetControl() -> Control", "Control.ShowManualScreen(1)"}},
        {MachineCommand::toolBar, {"Machine.ShowToolBar()"}},
        {MachineCommand::showView, {"Machine.GetControl() -> Control", "Control.ShowMachineView()"}},
        {MachineCommand::globalMessage, {"Machine.GetControl() -> Control"}},
        {MachineCommand::setup, {"Machine.MachineSetup()"}},
    };
    for (const Case& c : cases) {
        machine.ClearLog();
        host.calls.clear();
        link->OnMachineCommand(c.command);
        EXPECT_EQ(machine.Log(), c.log) << int(c.command);
    }
    EXPECT_EQ(host.calls, (Lines{"Status(Please Wait, Going to MachineSetup...)", "Bottom", "GreyRun",
                                 "Status(MachineSetup is up)"}));
    EXPECT_EQ(state.busy, 1);
    // Setup closed changes nothing; the machine reporting ready ends the setup.
    machine.CallBack(4);
    EXPECT_EQ(state.busy, 1);
    machine.CallBack(3);
    EXPECT_EQ(state.busy, 0);
}

TEST_F(LinkTest, AFailingMachineSideIsReportedAndLeavesTheLinkUsable)
{
    PutPlainPart("A1", 100.0);
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    machine.Settings().failMethod = "RunJob";
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    EXPECT_EQ(Shown(), (Lines{"ERROR: TorvMachine did not answer: Control.RunJob failed"}));
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
    machine.Settings().failMethod.clear();
    ClearShown();
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    EXPECT_EQ(Shown(), Lines{});
    EXPECT_EQ(machine.Log().back(), "Control.RunJob(Job2) -> 1");
}

TEST_F(LinkTest, MachineSideGoneUnloadsUntilItIsReadyAgain)
{
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    state.busy = 1;
    state.machineReady = 0;
    host.calls.clear();
    link->OnMachineSideGone();
    EXPECT_EQ(Flags(), (std::vector{0, 1, 1}));
    EXPECT_EQ(host.calls.front(), "GreyRun");
    machine.CallBack(3);
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
}

TEST_F(LinkTest, AMissingMainItemIsReported)
{
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    machine.ClearLog();
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\NONE.prt");
    link->RunMult("C:\\Kestrom\\Jobs\\J1\\G1\\NONE 1.mlt");
    EXPECT_EQ(Shown(), (Lines{"ERROR: The part file C:\\Kestrom\\Jobs\\J1\\G1\\NONE.prt could not be read; nothing was run.",
                              "ERROR: The mult file C:\\Kestrom\\Jobs\\J1\\G1\\NONE 1.mlt could not be read; nothing was run."}));
    EXPECT_EQ(std::count_if(machine.Log().begin(), machine.Log().end(),
                            [](const std::string& l) { return l.rfind("Control.RunJob", 0) == 0; }),
              0);
}

class MultRunTest : public LinkTest {
protected:
    void SetUp() override
    {
        PutPlainPart("A1", 100.0);
        PutPlainPart("B1", 50.0);
        link = MakeLink();
        ASSERT_TRUE(link->Load());
        machine.ClearLog();
    }
    // The identity, position, quantity and length of each part sent, the job's head and the run.
    Lines Summary() const
    {
        Lines lines;
        for (const std::string& l : machine.Log())
            for (const char* call : {"Job1.SetJobKind", "Job1.SetUnits", "Job1.SetIdentity", "Job1.SetLength",
                                     "Job1.SetKerf", "Section", "SetIdentity", "SetQuantity", "SetPosition",
                                     "SetLength", "Control.RunJob"})
                if (l.find(call) != std::string::npos && l.find("Job1.AddPart") == std::string::npos) {
                    lines.push_back(l);
                    break;
                }
        return lines;
    }
    std::unique_ptr<TorvMachineLink> link;
};

TEST_F(MultRunTest, OneMultSendsItsPartsAlongTheStock)
{
    const std::string path = PutMultOf("M", 2, {{"A1", 2}, {"B1", 1}});
    link->RunMult(path);
    EXPECT_EQ(Shown(), Lines{});
    EXPECT_EQ(Summary(), (Lines{
                             "Job1.SetJobKind(0)",
                             "Job1.SetUnits(1)",
                             "Job1.SetIdentity(\"J1\", \"G1\", \"M 2\")",
                             "Job1.SetLength(480)",
                             "Job1.SetKerf(0.125)",
                             "Job1.NewSection() -> Section1",
                             "Section1.SetSection(\"\", \"W \", \"12X26\", \"A36\", 1, 1, 2, 26, 12, 0.5, 4, 1)",
                             "Part1.SetIdentity(\"J1\", \"G1\", \"A1\")",
                             "Part1.SetQuantity(2)",
                             "Part1.SetPosition(0)",
                             "Part1.SetLength(100)",
                             "Part2.SetIdentity(\"J1\", \"G1\", \"B1\")",
                             "Part2.SetQuantity(1)",
                             "Part2.SetPosition(200)",
                             "Part2.SetLength(50)",
                             "Control.RunJob(Job1) -> 1",
                         }));
    // The machine side cuts each piece after the kerf of the pieces before it.
    ASSERT_EQ(machine.RunJobs().size(), 1u);
    EXPECT_DOUBLE_EQ(machine.RunJobs()[0].parts[1].cutStart, 200.25);
}

TEST_F(MultRunTest, AnEmptyMultRunsAnEmptyJobWithItsIdentity)
{
    const std::string path = PutMultOf("E", 0, {});
    link->RunMult(path);
    EXPECT_EQ(Summary(), (Lines{"Job1.SetJobKind(0)", "Job1.SetUnits(1)", "Job1.SetIdentity(\"J1\", \"G1\", \"E\")",
                                "Job1.SetLength(480)", "Job1.SetKerf(0.125)", "Control.RunJob(Job1) -> 1"}));
}

TEST_F(MultRunTest, AMissingPartEndsTheRunWithItsMessage)
{
    const std::string path = PutMultOf("M", 1, {{"A1", 1}, {"B1", 1}});
    std::filesystem::remove(JobFile("J1/G1/B1.prt"));
    link->RunMult(path);
    EXPECT_EQ(Shown(), (Lines{"ERROR: Can not run mult, mult part is not exist."}));
    EXPECT_EQ(LogFrom("Control.RunJob"), Lines{});
    // Several mults: only the missing part's message.
    ClearShown();
    const std::string other = PutMultOf("N", 1, {{"A1", 1}});
    link->RunMultMultiple(other + "|" + path);
    EXPECT_EQ(Shown(), (Lines{"ERROR: Can not run mult, mult part is not exist."}));
    EXPECT_EQ(LogFrom("Control.RunJob"), Lines{});
}

TEST_F(MultRunTest, SeveralMultsGoByDropWithDropPieces)
{
    // Drops 13.5 (a piece of 1.5), 13 (none) and 13 again: the 13s keep their list order.
    const std::string first = PutMultOf("P", 1, {{"A1", 1}}, 13.5);
    const std::string second = PutMultOf("Q", 1, {{"B1", 2}}, 13.0);
    const std::string third = PutMultOf("R", 1, {{"A1", 1}}, 13.0);
    link->RunMultMultiple(first + "|" + second + "|" + third + "|");
    EXPECT_EQ(Shown(), Lines{});
    EXPECT_EQ(Summary(), (Lines{
                             "Job1.SetJobKind(0)",
                             "Job1.SetUnits(1)",
                             "Job1.SetIdentity(\"J1\", \"G1\", \"Q 1\")",
                             "Job1.SetLength(480)",
                             "Job1.SetKerf(0.125)",
                             "Job1.NewSection() -> Section1",
                             "Section1.SetSection(\"\", \"W \", \"12X26\", \"A36\", 1, 1, 2, 26, 12, 0.5, 4, 1)",
                             "Part1.SetIdentity(\"J1\", \"G1\", \"B1\")",
                             "Part1.SetQuantity(2)",
                             "Part1.SetPosition(0)",
                             "Part1.SetLength(50)",
                             "Part2.SetIdentity(\"J1\", \"G1\", \"A1\")",
                             "Part2.SetQuantity(1)",
                             "Part2.SetPosition(100)",
                             "Part2.SetLength(100)",
                             "Part3.SetIdentity(\"J1\", \"G1\", \"A1\")",
                             "Part3.SetQuantity(1)",
                             "Part3.SetPosition(200)",
                             "Part3.SetLength(100)",
                             "Part4.SetIdentity(\"J1\", \"G1\", \"P - Drop\")",
                             "Part4.SetQuantity(1)",
                             "Part4.SetPosition(300)",
                             "Part4.SetLength(1.5)",
                             "Control.RunJob(Job1) -> 1",
                         }));
}

TEST_F(MultRunTest, SeveralMultsNeedAWeldStationAndOneSection)
{
    PutShape("W 12X40", multtest::ShapeFile("W ", "12X40", modeltest::k12, modeltest::k4, 0));
    PutPlainPart("C1", 80.0, "12X40");
    const std::string a = PutMultOf("P", 1, {{"A1", 1}});
    const std::string c = PutMultOf("S", 1, {{"C1", 1}}, 0, 0.125, "12X40");
    struct Case {
        const char* name;
        bool hasHandMult;
        std::int32_t weldStation;
        std::string list;
        Lines shown;
    };
    const Case cases[] = {
        {"no weld interface", false, 1, a, {"Machine does not have a weld station: Machine does not have a weld station"}},
        {"no weld station", true, 0, a, {"Machine does not have a weld station: Machine does not have a weld station"}},
        {"sections differ", true, 1, a + "|" + c, {"Varnex: Mults Shape/Section are different."}},
    };
    for (const Case& cs : cases) {
        machine.Settings().hasHandMult = cs.hasHandMult;
        machine.Settings().weldStation = cs.weldStation;
        ClearShown();
        machine.ClearLog();
        link->RunMultMultiple(cs.list);
        EXPECT_EQ(Shown(), cs.shown) << cs.name;
        EXPECT_EQ(LogFrom("Control.RunJob"), Lines{}) << cs.name;
    }
}

} // namespace
