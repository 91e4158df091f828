// As a new user would, with the whole program on the offscreen platform and the simulator on the
// test's private bus: open a mult, Run it; the simulator has the mult and its parts, the open
// window is left as it was. Then the simulator stops in the middle of a run: the program says
// so, greys what needs the machine side and goes on working.

#include "shell/ui/DimensionControl.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/VarnexProgram.h"

#include "machlink/ui/TorvBus.h"

#include "tests/machlink/MachLinkTestSupport.h"
#include "tests/support/BusWait.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStatusBar>

#include <csignal>
#include <fstream>
#include <thread>

namespace {

using Lines = std::vector<std::string>;

using bustest::WaitFor;

class NewUserRunTest : public linktest::LinkFixture {
protected:
    ~NewUserRunTest() override
    {
        bustest::Stop(simulator_);
    }
    void StartSimulator(const QStringList& options)
    {
        simulator_.setProgram(QStringLiteral(VARNEX_MACHSIDE));
        simulator_.setArguments(options + QStringList{QStringLiteral("--log"), QString::fromStdString(LogPath())});
        simulator_.setStandardOutputFile(QProcess::nullDevice());
        simulator_.start();
        ASSERT_TRUE(simulator_.waitForStarted(10000));
        ASSERT_TRUE(bustest::WaitForName(QDBusConnection::sessionBus(), torv::bus::kService));
    }
    std::string LogPath() const { return (drives.Root() / "machside.log").string(); }
    Lines SimulatorLog() const
    {
        std::ifstream in(LogPath());
        Lines lines;
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    static bool Holds(const Lines& log, const std::string& line)
    {
        return std::find(log.begin(), log.end(), line) != log.end();
    }

    QProcess simulator_;
};

TEST_F(NewUserRunTest, OpenAMultRunItThenLoseTheMachineSideMidRun)
{
    InstallDimensionControl();
    PutPlainPart("A1", 100.0);
    PutPlainPart("B1", 50.0);
    const std::string path = PutMultOf("M", 1, {{"A1", 2}, {"B1", 1}});
    StartSimulator({QStringLiteral("--run-delay"), QStringLiteral("1500")});

    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    ASSERT_TRUE(program.Start({}));
    CVarnexApp& app = program.App();
    EXPECT_EQ(app.LinkState().loaded, 1);
    EXPECT_TRUE(app.IsMachineCommandEnabled(MachineCommand::setup));

    app.DoNavAction(0x22, path.c_str());   // open the mult
    ASSERT_EQ(program.MainFrame()->MdiArea().subWindowList().size(), 1);
    app.DoNavAction(0xA2, path.c_str());   // Run
    EXPECT_EQ(Shown(), Lines{});
    const Lines log = SimulatorLog();
    EXPECT_TRUE(Holds(log, "Job1.SetIdentity(\"J1\", \"G1\", \"M 1\")"));
    EXPECT_TRUE(Holds(log, "Part1.SetIdentity(\"J1\", \"G1\", \"A1\")"));
    EXPECT_TRUE(Holds(log, "Part2.SetIdentity(\"J1\", \"G1\", \"B1\")"));
    EXPECT_TRUE(Holds(log, "Control.RunJob(Job1) -> 1"));
    // The mult's window is still there and unchanged.
    ASSERT_EQ(program.MainFrame()->MdiArea().subWindowList().size(), 1);
    EXPECT_EQ(app.LinkState().busy, 0);

    const qint64 pid = simulator_.processId();
    std::thread stopper([pid] {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        ::kill(pid_t(pid), SIGKILL);
    });
    app.DoNavAction(0xA2, path.c_str());
    stopper.join();
    const Lines shown = Shown();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].rfind("ERROR: TorvMachine did not answer", 0), 0u) << shown[0];
    WaitFor("the link to see the machine side gone", [&] { return app.LinkState().loaded == 0; });
    EXPECT_EQ(program.MainFrame()->statusBar()->currentMessage().toStdString(),
              "TorvMachine has stopped; the Run commands are not available until it is ready again.");
    EXPECT_FALSE(app.IsMachineCommandEnabled(MachineCommand::setup));
    // Still usable: runs do nothing, and the mult opens in a new window.
    ClearShown();
    app.DoNavAction(0xA2, path.c_str());
    app.DoNavAction(0x12, nullptr);
    EXPECT_EQ(Shown(), Lines{});
    EXPECT_EQ(program.MainFrame()->MdiArea().subWindowList().size(), 2);
}

} // namespace
