// As a new user would, with the whole program on the offscreen platform and the simulator on the
// test's private bus: open a mult, Run it; the simulator has the mult and its parts, the open
// window is left as it was. Then the simulator stops in the middle of a run: the program says
// so, greys what needs the machine side and goes on working.

#include "navigator/ui/BRAXNav.h"
#include "shell/ui/DimensionControl.h"
#include "shell/ui/MainFrame.h"
#include "shell/ui/ReportWindows.h"
#include "shell/ui/VarnexProgram.h"

#include "machlink/ui/TorvBus.h"

#include "tests/machlink/MachLinkTestSupport.h"
#include "tests/support/BusWait.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QMenu>
#include <QMdiSubWindow>
#include <QProcess>
#include <QStatusBar>

#include <csignal>
#include <fstream>
#include <thread>

namespace {

using Lines = std::vector<std::string>;

using bustest::WaitFor;

bool OnBus() { return bustest::HasOwner(QDBusConnection::sessionBus(), torv::bus::kService); }

class NewUserRunTest : public linktest::LinkFixture {
protected:
    ~NewUserRunTest() override
    {
        bustest::Stop(simulator_);
        // A simulator the bus started, and its service file, go with the test.
        if (activated_ > 0)
            ::kill(pid_t(activated_), SIGKILL);
        std::filesystem::remove(ServiceFile());
    }
    void StartSimulator(const QStringList& options)
    {
        simulator_.setProgram(QStringLiteral(VARNEX_MACHSIDE));
        simulator_.setArguments(options + QStringList{QStringLiteral("--log"), QString::fromStdString(LogPath())});
        simulator_.setStandardOutputFile(QProcess::nullDevice());
        simulator_.start();
        ASSERT_TRUE(simulator_.waitForStarted(10000)) << "the simulator did not start";
        ASSERT_TRUE(bustest::WaitForName(QDBusConnection::sessionBus(), torv::bus::kService));
    }
    // Kills the simulator and waits until the bus has seen it go.
    void KillSimulator()
    {
        simulator_.kill();
        ASSERT_TRUE(simulator_.waitForFinished(10000)) << "the simulator did not end";
        ASSERT_TRUE(bustest::WaitForName(QDBusConnection::sessionBus(), torv::bus::kService, false));
    }
    // machside with the arguments to its end; its exit status.
    static int RunMachside(const QStringList& arguments)
    {
        QProcess machside;
        machside.setProgram(QStringLiteral(VARNEX_MACHSIDE));
        machside.setArguments(arguments);
        machside.setStandardOutputFile(QProcess::nullDevice());
        machside.start();
        EXPECT_TRUE(machside.waitForFinished(20000)) << "machside " << arguments.join(QLatin1Char(' ')).toStdString();
        return machside.exitCode();
    }
    static std::filesystem::path ServiceFile()
    {
        return std::filesystem::path(qEnvironmentVariable("XDG_DATA_HOME").toStdString()) / "dbus-1" / "services" /
               "com.kestrom.TorvMachine.service";
    }
    // The process that owns the machine side's name.
    static qint64 OwnerPid()
    {
        const QDBusMessage reply =
            bustest::CallBus(QDBusConnection::sessionBus(), QStringLiteral("GetConnectionUnixProcessID"), {torv::bus::kService});
        return reply.type() == QDBusMessage::ReplyMessage ? qint64(reply.arguments().value(0).toUInt()) : 0;
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
    qint64 activated_ = 0;
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

// Varnex first, the machine side later: Run and the Machine menu come alive when it appears,
// grey when it is killed, come back when it is started again; once its service file is installed,
// a Run starts it through the bus when it is not running.
TEST_F(NewUserRunTest, TheMachineSideComesAndGoesWhileVarnexRuns)
{
    InstallDimensionControl();
    PutPlainPart("A1", 100.0);
    const std::string part = "C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt";
    ASSERT_FALSE(OnBus()) << "a machine side is already on the test's bus";
    std::filesystem::remove(ServiceFile());

    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    ASSERT_TRUE(program.Start({}));
    CVarnexApp& app = program.App();
    const auto* nav = program.MainFrame()->findChild<CBRAXNav*>();
    ASSERT_TRUE(nav);
    const auto status = [&] { return program.MainFrame()->statusBar()->currentMessage().toStdString(); };
    // The report window's Run follows the navigator's (a report of the group's parts, opened anew
    // for each look, as every navigator command closes the report windows).
    program.MainFrame()->show();
    const auto reportRun = [&program] {
        program.Reports().Open(ReportKind::parts, "C:\\Kestrom\\Jobs\\J1\\G1");
        CReportFrame* frame = program.Reports().Current();
        if (!frame || !WaitFor("the report window to show", [frame] { return frame->View().ItemView().isVisible(); })) {
            ADD_FAILURE() << "no report window";
            return false;
        }
        CReportView& report = frame->View();
        const QPoint row = report.ItemView().visualRect(report.Model().index(0, 0)).center();
        const std::unique_ptr<QMenu> menu = report.ContextMenu(row);
        for (QAction* action : menu->actions())
            if (action->text() == QStringLiteral("&Run"))
                return action->isEnabled();
        ADD_FAILURE() << "the report's menu has no Run";
        return false;
    };
    const auto alive = [&] {
        return app.IsMachineCommandEnabled(MachineCommand::setup) &&
               app.IsMachineCommandEnabled(MachineCommand::manualScreen) && nav->Properties().RunMenuEnabled != 0 &&
               reportRun();
    };
    const auto grey = [&] {
        return !app.IsMachineCommandEnabled(MachineCommand::setup) &&
               !app.IsMachineCommandEnabled(MachineCommand::manualScreen) && nav->Properties().RunMenuEnabled == 0 &&
               !reportRun();
    };
    EXPECT_TRUE(grey());
    EXPECT_EQ(status(), "TorvMachine is not running; the Run commands are not available.");

    StartSimulator({});
    ASSERT_TRUE(WaitFor("the link to load once the simulator appeared", [&] { return app.LinkState().loaded == 1; }));
    EXPECT_TRUE(alive());
    EXPECT_EQ(status(), "Ready to Run");
    app.DoNavAction(0x91, part.c_str());   // Run
    EXPECT_TRUE(Holds(SimulatorLog(), "Control.RunJob(Job1) -> 1"));
    EXPECT_EQ(status(), "A1.prt went to TorvMachine; Ready to Run");

    KillSimulator();
    ASSERT_TRUE(WaitFor("the link to see the simulator gone", [&] { return app.LinkState().loaded == 0; }));
    EXPECT_TRUE(grey());
    EXPECT_EQ(status(), "TorvMachine has stopped; the Run commands are not available until it is ready again.");

    StartSimulator({});
    ASSERT_TRUE(WaitFor("the link to load the restarted simulator", [&] { return app.LinkState().loaded == 1; }));
    EXPECT_TRUE(alive());

    // Installed, then gone: Run stays and starts it again through the bus.
    const std::string activatedLog = (drives.Root() / "activated.log").string();
    ASSERT_EQ(RunMachside({QStringLiteral("--register"), QStringLiteral("--log"), QString::fromStdString(activatedLog)}), 0);
    ASSERT_TRUE(std::filesystem::exists(ServiceFile()));
    ASSERT_EQ(QDBusConnection::sessionBus()
                  .call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("ReloadConfig")),
                        QDBus::Block, 10000)
                  .type(),
              QDBusMessage::ReplyMessage);
    KillSimulator();
    ASSERT_TRUE(WaitFor("the link to see the simulator gone again", [&] { return app.LinkState().loaded == 0; }));
    EXPECT_EQ(status(), "TorvMachine has stopped; Run starts it again.");
    EXPECT_TRUE(alive());
    app.DoNavAction(0x91, part.c_str());
    activated_ = OwnerPid();
    EXPECT_GT(activated_, 0) << "the bus started no simulator";
    EXPECT_EQ(app.LinkState().loaded, 1);
    std::ifstream in(activatedLog);
    Lines log;
    for (std::string line; std::getline(in, line);)
        log.push_back(line);
    EXPECT_TRUE(Holds(log, "Control.RunJob(Job1) -> 1"));
    EXPECT_EQ(Shown(), Lines{});

    EXPECT_EQ(RunMachside({QStringLiteral("--unregister")}), 0);
    EXPECT_FALSE(std::filesystem::exists(ServiceFile()));
}

} // namespace
