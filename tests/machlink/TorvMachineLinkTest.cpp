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
    // What the status bar says last.
    std::string LastStatus() const
    {
        for (auto call = host.calls.rbegin(); call != host.calls.rend(); ++call)
            if (call->rfind("Status(", 0) == 0)
                return call->substr(7, call->size() - 8);
        return {};
    }
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
        std::string status;       // what the status bar says at the end
    };
    const Lines ready = {"Machine.SetResponse()", "Machine.Load() -> 0", "Machine.FinalizeLoad() -> 0",
                         "Machine.GetControl() -> Control", "Control.RegisterResponse() -> 0",
                         "Control.AfterRegistration()"};
    const Case cases[] = {
        {"absent", false, {}, false, {0, 1, 1}, {}, {}, "TorvMachine is not running; the Run commands are not available."},
        {"no machine interface", true, {.hasMachine = false}, false, {0, 1, 1}, {}, {},
         "TorvMachine offers no machine interface; the Run commands are not available."},
        {"ready", true, {}, true, {1, 0, 1}, {}, ready, "Ready to Run"},
        // A failed load counts as loaded, so that Machine Setup can put it right.
        {"load fails", true, {.loadStatus = 5}, true, {1, 0, 1}, {"Error! : Load TorvMachine Failed (status 5)"},
         {"Machine.SetResponse()", "Machine.Load() -> 5"}, "Load TorvMachine Failed (status 5)"},
        {"finalize fails", true, {.finalizeStatus = 1}, true, {1, 0, 1}, {"Error! : FinalizeLoad TorvMachine Failed (status 1)"},
         {"Machine.SetResponse()", "Machine.Load() -> 0", "Machine.FinalizeLoad() -> 1"}, "FinalizeLoad TorvMachine Failed (status 1)"},
        {"no control object", true, {.hasControl = false}, true, {1, 0, 1}, {},
         {"Machine.SetResponse()", "Machine.Load() -> 0", "Machine.FinalizeLoad() -> 0", "Machine.GetControl() -> none"},
         "TorvMachine offers no control object; the Run commands do nothing."},
        {"load call fails", true, {.failMethod = "Load"}, false, {0, 1, 1},
         {"ERROR: TorvMachine did not answer: Machine.Load failed"}, {"Machine.SetResponse()", "Machine.Load() -> 0"},
         "TorvMachine did not answer; the Run commands are not available."},
    };
    for (const Case& c : cases) {
        ClearShown();
        machine.ClearLog();
        machine.Settings() = c.settings;
        state = {};
        host.calls.clear();
        auto link = MakeLink(c.present);
        EXPECT_EQ(link->Load(), c.held) << c.name;
        EXPECT_EQ(Flags(), c.flags) << c.name;
        EXPECT_EQ(Shown(), c.shown) << c.name;
        EXPECT_EQ(machine.Log(), c.log) << c.name;
        EXPECT_EQ(host.calls.front(), "Status(Please Wait, Loading TorvMachine...)") << c.name;
        EXPECT_EQ(LastStatus(), c.status) << c.name;
        EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "EnableRun"), c.held ? 1 : 0) << c.name;
    }
}

TEST_F(LinkTest, AFailedLoadStillTakesMachineSetupAndRuns)
{
    PutPlainPart("A1", 100.0);
    machine.Settings().loadStatus = 1;
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
    EXPECT_TRUE(link->IsCommandEnabled(MachineCommand::setup));
    link->OnMachineCommand(MachineCommand::setup);
    EXPECT_EQ(machine.Log().back(), "Machine.MachineSetup()");
    machine.CallBack(8);
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    EXPECT_EQ(machine.Log().back(), "Control.RunJob(Job1) -> 1");
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
        {5, {.busy = 1, .machineReady = 0, .loaded = 1}, {1, 0, 1}, {"EnableRun", "Status(Ready to Run)"}},
        {5, {.busy = 1, .machineReady = 0, .loaded = 0}, {0, 1, 1}, {"EnableRun", "Status(Ready to Run)"}},
        {6, {.busy = 0, .machineReady = 1, .loaded = 1}, {1, 0, 1}, {"GreyRun"}},
        {7, {.busy = 1, .machineReady = 1, .loaded = 1}, {1, 1, 1}, {"EnableRun"}},
        {8, {.busy = 1, .machineReady = 0, .loaded = 1}, {1, 0, 1}, {"Top", "EnableRun", "Status(Ready to Run)"}},
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
        {kRunStaysReady, {.busy = 0, .machineReady = 0, .loaded = 1}, {1, 0, 1},
         {"EnableRun", "Status(A1.prt went to TorvMachine; Ready to Run)"}, {}},
        {0, {.loaded = 1}, {1, 1, 0},
         {"GreyRun", "Status(A1.prt went to TorvMachine; the Run commands wait until it has finished (status 0))"}, {}},
        {7, {.loaded = 1}, {1, 1, 0},
         {"GreyRun", "Status(A1.prt went to TorvMachine; the Run commands wait until it has finished (status 7))"}, {}},
        {kNoAcPower, {.busy = 0, .machineReady = 0, .loaded = 1}, {1, 0, 0},
         {"Status(A1.prt was not run: No AC Power / No Hydraulics)"}, {"Varnex: No AC Power / No Hydraulics"}},
        {kNoHydraulics, {.busy = 1, .machineReady = 1, .loaded = 1}, {1, 1, 1},
         {"Status(A1.prt was not run: No AC Power / No Hydraulics)"}, {"Varnex: No AC Power / No Hydraulics"}},
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
    EXPECT_EQ(std::vector(host.calls.end() - 2, host.calls.end()), (Lines{"EnableRun", "Status(Ready to Run)"}));
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
    EXPECT_EQ(LastStatus(), "TorvMachine offers no control object; the Run commands do nothing.");
    link->OnMachineCommand(MachineCommand::manualScreen);
    EXPECT_EQ(LastStatus(), "Manual Screen is not available: TorvMachine offers no control object.");
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
        std::string status;
    };
    const Case cases[] = {
        {MachineCommand::manualScreen, {"Machine.GetControl() -> Control", "Control.ShowManualScreen(1)"}, "Manual Screen is up"},
        {MachineCommand::toolBar, {"Machine.ShowToolBar()"}, "Machine Tool Bar is up"},
        {MachineCommand::showView, {"Machine.GetControl() -> Control", "Control.ShowMachineView()"}, "Machine View is up"},
        {MachineCommand::globalMessage, {"Machine.GetControl() -> Control"}, "TorvMachine has no global message to show."},
        {MachineCommand::setup, {"Machine.MachineSetup()"}, "MachineSetup is up"},
    };
    for (const Case& c : cases) {
        machine.ClearLog();
        host.calls.clear();
        link->OnMachineCommand(c.command);
        EXPECT_EQ(machine.Log(), c.log) << int(c.command);
        EXPECT_EQ(LastStatus(), c.status) << int(c.command);
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

TEST_F(LinkTest, MachineSideGoneUnloadsUntilItAppearsAgain)
{
    auto link = MakeLink();
    ASSERT_TRUE(link->Load());
    state.busy = 1;
    state.machineReady = 0;
    host.calls.clear();
    running = false;
    link->OnMachineSideGone();
    EXPECT_FALSE(link->IsHeld());
    EXPECT_EQ(Flags(), (std::vector{0, 1, 1}));
    EXPECT_EQ(host.calls, (Lines{"GreyRun", "Status(TorvMachine has stopped; the Run commands are not available until "
                                            "it is ready again.)"}));
    EXPECT_FALSE(link->IsCommandEnabled(MachineCommand::setup));
    // A second notice of the same departure changes nothing.
    host.calls.clear();
    link->OnMachineSideGone();
    EXPECT_TRUE(host.calls.empty());

    running = true;
    machine.ClearLog();
    link->OnMachineSideAppeared();
    EXPECT_TRUE(link->IsHeld());
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
    EXPECT_EQ(machine.Log().at(1), "Machine.Load() -> 0");
    EXPECT_EQ(LastStatus(), "Ready to Run");
    EXPECT_TRUE(link->IsCommandEnabled(MachineCommand::setup));
    // Appearing again while held loads nothing more.
    machine.ClearLog();
    link->OnMachineSideAppeared();
    EXPECT_TRUE(machine.Log().empty());
}

TEST_F(LinkTest, AMachineSideThatCanBeStartedIsStartedByACommand)
{
    PutPlainPart("A1", 100.0);
    startable = true;
    auto link = MakeLink(false);
    EXPECT_TRUE(link->IsCommandEnabled(MachineCommand::setup));
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    EXPECT_TRUE(link->IsHeld());
    EXPECT_EQ(machine.Log().back(), "Control.RunJob(Job1) -> 1");
    EXPECT_EQ(LastStatus(), "A1.prt went to TorvMachine; Ready to Run");
    EXPECT_EQ(Shown(), Lines{});
}

// Every entry of the Machine menu is enabled as the link's state says and, used while the
// machine side can't be had, says why in the status bar.
TEST_F(LinkTest, MachineMenuFollowsTheLinkAndSaysWhyNot)
{
    using C = MachineCommand;
    const std::vector<C> commands = {C::setup, C::manualScreen, C::toolBar, C::showView, C::globalMessage};
    struct Case {
        const char* name;
        bool present;
        bool startable;
        int busy;
        int machineReady;
        std::vector<bool> enabled;
    };
    const Case cases[] = {
        {"not running", false, false, 0, 1, {false, false, false, true, true}},
        {"startable", false, true, 0, 1, {true, true, true, true, true}},
        {"ready", true, false, 0, 1, {true, true, true, true, true}},
        {"busy", true, false, 1, 1, {false, true, true, true, true}},
        {"machine not ready", true, false, 0, 0, {false, true, true, true, true}},
    };
    for (const Case& c : cases) {
        state = {};
        startable = c.startable;
        auto link = MakeLink(c.present);
        if (c.present) {
            ASSERT_TRUE(link->Load());
        }
        state.busy = c.busy;
        state.machineReady = c.machineReady;
        std::vector<bool> enabled;
        for (const C command : commands)
            enabled.push_back(link->IsCommandEnabled(command));
        EXPECT_EQ(enabled, c.enabled) << c.name;
    }
    startable = false;
    auto link = MakeLink(false);
    const std::pair<C, const char*> why[] = {
        {C::setup, "Machine Setup is not available: TorvMachine is not running."},
        {C::manualScreen, "Manual Screen is not available: TorvMachine is not running."},
        {C::toolBar, "Machine Tool Bar is not available: TorvMachine is not running."},
        {C::showView, "Show View is not available: TorvMachine is not running."},
        {C::globalMessage, "Show Global Message is not available: TorvMachine is not running."},
    };
    for (const auto& [command, text] : why) {
        link->OnMachineCommand(command);
        EXPECT_EQ(LastStatus(), text);
    }
    EXPECT_EQ(Shown(), Lines{});
}

// A load that does not hold the machine side says what the Run entries offer: a Run tries again
// when the machine side can be started.
TEST_F(LinkTest, AFailedLoadSaysWhatTheRunEntriesOffer)
{
    struct Case {
        const char* name;
        MachineSideSettings settings;
        bool startable;
        std::string status;
        std::string entries;
    };
    const Case cases[] = {
        {"no machine interface", {.hasMachine = false}, false,
         "TorvMachine offers no machine interface; the Run commands are not available.", "GreyRun"},
        {"no machine interface, startable", {.hasMachine = false}, true,
         "TorvMachine offers no machine interface; Run tries again.", "EnableRun"},
        {"no answer", {.failMethod = "Load"}, false, "TorvMachine did not answer; the Run commands are not available.",
         "GreyRun"},
        {"no answer, startable", {.failMethod = "Load"}, true, "TorvMachine did not answer; Run tries again.", "EnableRun"},
    };
    for (const Case& c : cases) {
        machine.Settings() = c.settings;
        startable = c.startable;
        state = {};
        host.calls.clear();
        auto link = MakeLink();
        EXPECT_FALSE(link->Load()) << c.name;
        EXPECT_EQ(LastStatus(), c.status) << c.name;
        EXPECT_EQ(host.calls.back(), c.entries) << c.name;
        EXPECT_EQ(link->IsCommandEnabled(MachineCommand::toolBar), c.startable) << c.name;
    }
}

// Whether the machine side can be started is asked when a load fails, not each time a menu
// enables its entries.
TEST_F(LinkTest, EnablingTheMenuAsksNothingOfTheMachineSide)
{
    auto link = MakeLink(false);
    startChecks = 0;
    EXPECT_FALSE(link->Load());
    EXPECT_EQ(startChecks, 1);
    for (const MachineCommand command : {MachineCommand::setup, MachineCommand::manualScreen, MachineCommand::toolBar})
        EXPECT_FALSE(link->IsCommandEnabled(command));
    EXPECT_EQ(startChecks, 1);
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
