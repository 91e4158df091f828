// The machine link over the session bus against the simulator program (run by CTest under
// dbus-run-session, so the bus is private to the test): the simulator logs what the in-process
// simulation logs for the same mult run, load outcomes, a callback sent during a run, and a
// simulator that stops in the middle of a run.

#include "machlink/ui/BusTorvMachine.h"
#include "machlink/ui/TorvBus.h"

#include "tests/machlink/MachLinkTestSupport.h"
#include "tests/support/BusWait.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QProcess>

#include <csignal>
#include <fstream>
#include <thread>

namespace {

using Lines = std::vector<std::string>;
using bustest::WaitFor;

class BusLinkTest : public linktest::LinkFixture {
protected:
    ~BusLinkTest() override
    {
        if (simulator_.state() != QProcess::NotRunning) {
            simulator_.kill();
            simulator_.waitForFinished(5000);
        }
    }

    // Starts the simulator with the options and waits until it is on the bus.
    void StartSimulator(QStringList options = {})
    {
        logFile_ = drives.Root() / "machside.log";
        options << QStringLiteral("--log") << QString::fromStdString(logFile_.string());
        simulator_.setProgram(QStringLiteral(VARNEX_MACHSIDE));
        simulator_.setArguments(options);
        // Its log goes to the file; standard output is not read while a call blocks.
        simulator_.setStandardOutputFile(QProcess::nullDevice());
        simulator_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        simulator_.start();
        ASSERT_TRUE(simulator_.waitForStarted(10000));
        ASSERT_TRUE(bustest::WaitForName(QDBusConnection::sessionBus(), torv::bus::kService));
    }

    std::unique_ptr<TorvMachineLink> BusLink()
    {
        return std::make_unique<TorvMachineLink>(state, host, [](std::function<void()> onGone) {
            return torv::ConnectTorvMachine(std::move(onGone));
        });
    }

    Lines SimulatorLog() const
    {
        std::ifstream in(logFile_);
        Lines lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    std::vector<int> Flags() const { return {state.loaded, state.busy, state.machineReady}; }

    QProcess simulator_;
    std::filesystem::path logFile_;
};

TEST_F(BusLinkTest, NoSimulatorLeavesTheLinkUnloaded)
{
    auto link = BusLink();
    EXPECT_FALSE(link->Load());
    EXPECT_EQ(Flags(), (std::vector{0, 1, 1}));
    EXPECT_EQ(Shown(), Lines{});
}

TEST_F(BusLinkTest, AMultRunLogsWhatTheInProcessSimulationLogs)
{
    PutPlainPart("A1", 100.0);
    PutPlainPart("B1", 50.0);
    const std::string path = PutMultOf("M", 2, {{"A1", 2}, {"B1", 1}});
    {
        auto link = MakeLink();
        ASSERT_TRUE(link->Load());
        link->RunMult(path);
    }
    const Lines inProcess = machine.Log();
    state = {};

    StartSimulator();
    auto link = BusLink();
    ASSERT_TRUE(link->Load());
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
    link->RunMult(path);
    EXPECT_EQ(Shown(), Lines{});
    EXPECT_EQ(SimulatorLog(), inProcess);
    EXPECT_NE(std::find(inProcess.begin(), inProcess.end(), "Part2.SetIdentity(\"J1\", \"G1\", \"B1\")"), inProcess.end());
}

TEST_F(BusLinkTest, AFailedLoadIsReported)
{
    StartSimulator({QStringLiteral("--load-status"), QStringLiteral("3")});
    auto link = BusLink();
    EXPECT_TRUE(link->Load());
    EXPECT_EQ(Shown(), (Lines{"Error! : Load TorvMachine Failed (status 3)"}));
    // Loaded all the same: Machine Setup can put it right.
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
    EXPECT_TRUE(link->IsCommandEnabled(MachineCommand::setup));
}

TEST_F(BusLinkTest, ACallbackSentDuringARunTakesEffectAfterItsStatus)
{
    PutPlainPart("A1", 100.0);
    StartSimulator({QStringLiteral("--run-status"), QStringLiteral("busy"), QStringLiteral("--finish-during-run")});
    auto link = BusLink();
    ASSERT_TRUE(link->Load());
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    WaitFor("the end of the run", [&] { return state.busy == 0; });
    EXPECT_EQ(Flags(), (std::vector{1, 0, 1}));
    EXPECT_EQ(std::vector(host.calls.end() - 2, host.calls.end()), (Lines{"EnableRun", "Status(Ready to Run)"}));
}

TEST_F(BusLinkTest, ASimulatorStoppedMidRunIsReportedAndTheLinkStaysUsable)
{
    PutPlainPart("A1", 100.0);
    StartSimulator({QStringLiteral("--run-delay"), QStringLiteral("5000")});
    auto link = BusLink();
    ASSERT_TRUE(link->Load());
    const qint64 pid = simulator_.processId();
    std::thread stopper([pid] {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        ::kill(pid_t(pid), SIGKILL);
    });
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    stopper.join();
    const Lines shown = Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("ERROR: TorvMachine did not answer: RunJob", 0), 0u) << shown[0];
    EXPECT_EQ(state.busy, 0);
    // The machine side is seen to be gone: nothing is loaded, and runs do nothing.
    WaitFor("the link to see the machine side gone", [&] { return state.loaded == 0; });
    ClearShown();
    link->RunPart("C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    EXPECT_EQ(Shown(), Lines{});
    link->Close();
}

} // namespace
