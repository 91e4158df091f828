#include "shell/VarnexApp.h"
#include "tests/shell/FakeServices.h"

#include "fw/core/MessageService.h"
#include "fw/core/Profile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

#include <unistd.h>

namespace {

using Calls = std::vector<std::string>;
using namespace std::chrono_literals;

// A job whose worker either runs until it is asked to stop or ends after a short while; it
// writes to its own data all the while, so freeing it under the worker shows up under ASan.
// It records stop requests and whether it was joined before it was freed, and never joins on
// its own.
class TestTask : public AutoMultTask {
public:
    enum class Mode { untilStopped, endsSoon, endedAlready };

    TestTask(Mode mode, Calls& events) : events_(events), data_(std::make_unique<std::vector<int>>(64))
    {
        const int rounds = mode == Mode::endsSoon ? 20 : mode == Mode::endedAlready ? 0 : -1;
        running_ = true;
        worker_ = std::thread([this, rounds] {
            for (int i = 0; i != rounds && !stop_.load(); ++i) {
                ++(*data_)[0];
                std::this_thread::sleep_for(1ms);
            }
            running_ = false;
        });
        if (mode == Mode::endedAlready)
            while (running_)
                std::this_thread::yield();
    }
    ~TestTask() override
    {
        events_.push_back(worker_.joinable() ? "Destroyed(unjoined)" : "Destroyed");
        if (worker_.joinable()) {
            stop_ = true;
            worker_.join();
        }
    }
    bool IsRunning() const override { return running_; }
    void RequestStop() override
    {
        events_.push_back("RequestStop");
        stop_ = true;
    }
    void Join() override
    {
        if (worker_.joinable())
            worker_.join();
    }

private:
    Calls& events_;
    std::unique_ptr<std::vector<int>> data_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> running_{false};
    std::thread worker_;
};

std::unique_ptr<AutoMultTask> Task(TestTask::Mode mode, Calls& events)
{
    return std::make_unique<TestTask>(mode, events);
}

// Answers message boxes from a script and runs what a nested message loop would deliver while
// the box is up.
class InterleavingMessages : public fw::ScriptedMessageService {
public:
    std::function<void()> whileShown;
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override
    {
        if (whileShown)
            std::exchange(whileShown, nullptr)();
        return ScriptedMessageService::MessageBox(text, caption, type);
    }
};

class FakeLink : public MachineLink {
public:
    explicit FakeLink(Calls& calls) : calls_(calls) {}
    void Close() override { calls_.push_back("Link.Close"); }
    void RunPart(const std::string& path) override { calls_.push_back("Link.RunPart(" + path + ")"); }
    void RunMult(const std::string& path) override { calls_.push_back("Link.RunMult(" + path + ")"); }
    void RunMultMultiple(const std::string& list) override { calls_.push_back("Link.RunMultMultiple(" + list + ")"); }
    void OnMachineCommand(MachineCommand command) override
    {
        calls_.push_back("Link.Command(" + std::to_string(int(command)) + ")");
    }
    // The Machine menu's entries are all enabled, except Machine Setup while anything is busy and
    // Machine Tool Bar while the machine side is out of reach.
    bool IsCommandEnabled(MachineCommand command) const override
    {
        if (command == MachineCommand::toolBar)
            return !unreachable;
        return command != MachineCommand::setup || !busy;
    }
    bool busy = false;
    bool unreachable = false;

private:
    Calls& calls_;
};

struct AppFixture : testing::Test {
    fw::ScriptedMessages messages;
    test::FakeServices services;

    std::unique_ptr<CVarnexApp> MakeApp(CVarnexApp::Options options = {})
    {
        return std::make_unique<CVarnexApp>(services.App(), std::move(options));
    }
    MachineLinkLoader LinkLoader()
    {
        return [this](CVarnexApp& app) -> std::unique_ptr<MachineLink> {
            services.Log("LoadLink");
            app.LinkState().loaded = 1;
            return std::make_unique<FakeLink>(services.calls);
        };
    }
};

TEST_F(AppFixture, StartUpOrder)
{
    struct Case {
        std::vector<std::string> arguments;
        bool frameMade;
        bool result;
        bool mainWindow;
        Calls calls;
    };
    const Case cases[] = {
        {{}, true, true, true, {"Splash(on)", "RegisterServer", "CreateMainFrame", "ShowMainFrame(3)", "LoadLink"}},
        {{"C:\\Jobs\\B12.prt"}, true, true, true, {"Splash(on)", "RegisterServer", "CreateMainFrame", "ShowMainFrame(3)", "LoadLink"}},
        {{"/Embedding"}, true, true, false, {"Splash(off)"}},
        {{"-automation"}, true, true, false, {"Splash(off)"}},
        {{"/Unregserver"}, true, true, true, {"Splash(on)", "UnregisterTypeLibrary", "CreateMainFrame", "ShowMainFrame(3)", "LoadLink"}},
        {{"/RegServer"}, true, true, false, {"Splash(on)", "RegisterServer"}},
        {{"-Register"}, true, true, false, {"Splash(on)", "RegisterServer"}},
        {{}, false, false, false, {"Splash(on)", "RegisterServer", "CreateMainFrame"}},
    };
    for (const Case& c : cases) {
        services.calls.clear();
        services.mainFrameCanBeMade = c.frameMade;
        auto app = MakeApp({.machineLinkLoader = LinkLoader()});
        EXPECT_EQ(app->InitInstance(CommandLineInfo::Parse(c.arguments)), c.result);
        EXPECT_EQ(app->HasMainWindow(), c.mainWindow);
        EXPECT_EQ(app->IsMachineLinkLoaded(), c.mainWindow);
        EXPECT_EQ(services.calls, c.calls) << (c.arguments.empty() ? "" : c.arguments[0]);
    }
}

TEST_F(AppFixture, MainWindowShowsAsTheFrameFoundItInTheProfile)
{
    auto app = MakeApp();
    // The frame's creation stores the show command before the window is shown.
    app->SetMainWindowShowCommand(CVarnexApp::kShowNormal);
    app->InitInstance(CommandLineInfo::Parse({}));
    EXPECT_EQ(services.calls.at(3), "ShowMainFrame(1)");
}

TEST_F(AppFixture, LinkStateStartsUnloadedAndReady)
{
    auto app = MakeApp();
    const MachineLinkState& s = app->LinkState();
    EXPECT_EQ((std::vector{s.busy, s.secondBusy, s.setupOpen, s.machineReady, s.loaded}), (std::vector{0, 0, 0, 1, 0}));
}

TEST_F(AppFixture, AutomationClassesLiveAsLongAsTheApplication)
{
    const std::string clsid = CVarnexApp::DocumentClasses()[1].clsid;
    {
        CVarnexApp::Options options;
        options.automationClasses = CVarnexApp::DocumentClasses();
        options.automationClasses[1].factory = [] { return std::make_unique<fw::Unknown>(); };
        auto app = MakeApp(std::move(options));
        app->InitInstance(CommandLineInfo::Parse({"/Embedding"}));
        EXPECT_TRUE(fw::ClassRegistry::Instance().IsRegistered(clsid));
        EXPECT_TRUE(fw::ClassRegistry::Instance().IsRegistered("Varnex.Shape"));
        EXPECT_FALSE(fw::ClassRegistry::Instance().IsRegistered(CVarnexApp::DocumentClasses()[0].clsid));
    }
    EXPECT_FALSE(fw::ClassRegistry::Instance().IsRegistered(clsid));
}

TEST_F(AppFixture, RunCommandsReachTheLinkOnlyWhileItIsLoaded)
{
    auto app = MakeApp({.machineLinkLoader = LinkLoader()});
    app->DoNavAction(0x91, "C:\\J\\B12.prt");   // not loaded yet: nothing
    app->LoadTorvMachine();
    EXPECT_EQ(app->LinkState().loaded, 1);
    app->DoNavAction(0x91, "C:\\J\\B12.prt");
    app->DoNavAction(0xA2, "C:\\J\\M 1.mlt");
    app->DoNavAction(0xE2, "C:\\J\\M 1.mlt|");
    app->UnloadTorvMachine();
    app->DoNavAction(0xA2, "C:\\J\\M 1.mlt");
    EXPECT_EQ(app->LinkState().loaded, 0);
    EXPECT_EQ(services.calls,
              (Calls{"CloseReports", "LoadLink", "CloseReports", "Link.RunPart(C:\\J\\B12.prt)", "CloseReports",
                     "Link.RunMult(C:\\J\\M 1.mlt)", "CloseReports", "Link.RunMultMultiple(C:\\J\\M 1.mlt|)",
                     "Link.Close", "CloseReports"}));
}

TEST_F(AppFixture, ALinkThatCannotBeMadeLeavesRunsDoingNothing)
{
    auto app = MakeApp({.machineLinkLoader = [](CVarnexApp&) { return std::unique_ptr<MachineLink>(); }});
    app->LoadTorvMachine();
    app->DoNavAction(0x91, "C:\\J\\B12.prt");
    app->UnloadTorvMachine();
    EXPECT_FALSE(app->IsMachineLinkLoaded());
    EXPECT_EQ(services.calls, (Calls{"CloseReports"}));
}

TEST_F(AppFixture, MachineMenuFollowsTheLink)
{
    using C = MachineCommand;
    const std::vector<C> commands = {C::setup, C::manualScreen, C::toolBar, C::showView, C::globalMessage};
    const auto enabled = [&commands](const CVarnexApp& app) {
        std::vector<bool> all;
        for (const C command : commands)
            all.push_back(app.IsMachineCommandEnabled(command));
        return all;
    };
    // Without a link only the entries that need nothing are enabled; with one the link decides.
    EXPECT_EQ(enabled(*MakeApp({.machineLinkLoader = LinkLoader()})), (std::vector{false, false, false, true, true}));
    auto busy = MakeApp({.machineLinkLoader = [this](CVarnexApp&) -> std::unique_ptr<MachineLink> {
        auto link = std::make_unique<FakeLink>(services.calls);
        link->busy = true;
        return link;
    }});
    busy->LoadTorvMachine();
    EXPECT_EQ(enabled(*busy), (std::vector{false, true, true, true, true}));
    // The commands reach the link only while one is held; unloading leaves nothing loaded.
    services.calls.clear();
    auto app = MakeApp({.machineLinkLoader = LinkLoader()});
    app->OnMachineCommand(C::toolBar);
    app->LoadTorvMachine();
    app->OnMachineCommand(C::toolBar);
    app->UnloadTorvMachine();
    EXPECT_EQ(services.calls, (Calls{"LoadLink", "Link.Command(2)", "Link.Close"}));
    EXPECT_EQ(app->LinkState().loaded, 0);
    EXPECT_EQ(app->LinkState().busy, 1);
}

// The report window that owns the path it passed is destroyed by the dispatcher's first step.
class ReportClosingServices : public test::FakeServices {
public:
    std::unique_ptr<std::string> reportPath;
    void CloseAll() override
    {
        reportPath.reset();
        FakeServices::CloseAll();
    }
};

TEST(VarnexApp, DispatcherKeepsItsOwnCopyOfThePath)
{
    ReportClosingServices services;
    services.reportPath = std::make_unique<std::string>("C:\\Kestrom\\Jobs\\J1\\G1 with a name beyond any small buffer");
    CVarnexApp app(services.App(), {});
    app.DoNavAction(0xB0, services.reportPath->c_str());
    EXPECT_EQ(services.calls,
              (Calls{"CloseReports", "OpenReport(files,C:\\Kestrom\\Jobs\\J1\\G1 with a name beyond any small buffer)"}));
}

class ThrowingServices : public test::FakeServices {
public:
    void OpenFile(const std::string&) override { throw std::runtime_error("disk gone"); }
};

TEST(VarnexApp, DispatcherFailuresAreShownAsUnexpectedErrors)
{
    fw::ScriptedMessages messages;
    messages->Answer(fw::IDOK);
    ThrowingServices services;
    CVarnexApp app(services.App(), {});
    app.DoNavAction(0x21, "C:\\J\\B12.prt");
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "Unexpected error CVarnexApp::DoNavAction");
    EXPECT_EQ(messages->Shown()[0].caption, "ERROR");
}

const char* const kAutomultQuestion =
    "Warning:  Automult in progress!  Would you like to finish the Automulting first?";

TEST_F(AppFixture, ExitCheckByJobStateAndAnswer)
{
    using Mode = TestTask::Mode;
    struct Case {
        std::optional<Mode> job;
        std::optional<int> answer;   // none: no question expected
        bool result;
        bool jobKept;
        Calls events;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, true, false, {}},
        {Mode::endedAlready, std::nullopt, true, true, {}},
        {Mode::untilStopped, fw::IDCANCEL, false, true, {}},
        {Mode::endsSoon, fw::IDYES, true, false, {"Destroyed"}},
        {Mode::untilStopped, fw::IDNO, true, false, {"RequestStop", "Destroyed"}},
    };
    for (const Case& c : cases) {
        fw::ScriptedMessages box;
        if (c.answer)
            box->Answer(*c.answer);
        services.calls.clear();
        Calls events;
        {
            auto app = MakeApp();
            if (c.job)
                app->SetAutoMultJob(Task(*c.job, events));
            EXPECT_EQ(app->SaveAllModified(), c.result);
            EXPECT_EQ(app->HasAutoMultJob(), c.jobKept);
            EXPECT_EQ(events, c.events);
            EXPECT_EQ(services.calls, c.result ? Calls{"SaveAllModified"} : Calls{});
            ASSERT_EQ(box->Shown().size(), c.answer ? 1u : 0u);
            if (c.answer) {
                EXPECT_EQ(box->Shown()[0].text, kAutomultQuestion);
                EXPECT_EQ(fw::MessageButtons(box->Shown()[0].type), (std::vector{fw::IDYES, fw::IDNO, fw::IDCANCEL}));
            }
        }
    }
}

TEST_F(AppFixture, CancelledSaveQuestionKeepsTheProgramRunning)
{
    services.saveAllResult = false;
    auto app = MakeApp();
    EXPECT_FALSE(app->SaveAllModified());
}

TEST_F(AppFixture, AJobLeftRunningIsStoppedAndJoinedBeforeItIsFreed)
{
    Calls events;
    {
        auto app = MakeApp();
        app->SetAutoMultJob(Task(TestTask::Mode::untilStopped, events));
    }
    EXPECT_EQ(events, (Calls{"RequestStop", "Destroyed"}));
}

TEST_F(AppFixture, ANewJobReplacesTheOldOnlyAfterItsWorkerEnded)
{
    Calls events;
    auto app = MakeApp();
    app->SetAutoMultJob(Task(TestTask::Mode::untilStopped, events));
    EXPECT_FALSE(app->CanStartAutoMult());
    app->SetAutoMultJob(Task(TestTask::Mode::untilStopped, events));
    EXPECT_EQ(events, (Calls{"RequestStop", "Destroyed"}));
    EXPECT_TRUE(app->HasAutoMultJob());
    app->FreeAutoMultJob();
    EXPECT_TRUE(app->CanStartAutoMult());
    EXPECT_EQ(events, (Calls{"RequestStop", "Destroyed", "RequestStop", "Destroyed"}));
}

TEST_F(AppFixture, StopCommandStopsWaitsAndFrees)
{
    Calls events;
    auto app = MakeApp();
    app->StopAutoMult();   // no job: nothing
    app->SetAutoMultJob(Task(TestTask::Mode::untilStopped, events));
    app->StopAutoMult();
    EXPECT_FALSE(app->HasAutoMultJob());
    EXPECT_EQ(events, (Calls{"RequestStop", "Destroyed"}));
}

TEST(VarnexApp, FreeOrReplaceDuringTheExitQuestionWaitsUntilItIsAnswered)
{
    auto box = std::make_unique<InterleavingMessages>();
    InterleavingMessages& messages = *box;
    auto previous = fw::SetMessageService(std::move(box));
    test::FakeServices services;
    Calls events;
    {
        CVarnexApp app(services.App(), {});
        app.SetAutoMultJob(Task(TestTask::Mode::untilStopped, events));

        // The job's status window frees it while the question is up: the job stays until the
        // user has answered; after Cancel it is freed.
        messages.Answer(fw::IDCANCEL);
        messages.whileShown = [&] {
            app.FreeAutoMultJob();
            EXPECT_TRUE(app.HasAutoMultJob());
            EXPECT_TRUE(events.empty());
        };
        EXPECT_FALSE(app.SaveAllModified());
        EXPECT_FALSE(app.HasAutoMultJob());
        EXPECT_EQ(events, (Calls{"RequestStop", "Destroyed"}));

        // A new job handed over while the question is up is registered once the old one ended.
        events.clear();
        app.SetAutoMultJob(Task(TestTask::Mode::untilStopped, events));
        messages.Answer(fw::IDNO);
        messages.whileShown = [&] { app.SetAutoMultJob(Task(TestTask::Mode::endedAlready, events)); };
        EXPECT_TRUE(app.SaveAllModified());
        EXPECT_TRUE(app.HasAutoMultJob());
        EXPECT_EQ(events, (Calls{"RequestStop", "Destroyed"}));
    }
    fw::SetMessageService(std::move(previous));
}

TEST_F(AppFixture, HelpOpensTheShippedHelpFileOrSaysWhereItLooked)
{
    const auto root = std::filesystem::temp_directory_path() / ("varnex-help-" + std::to_string(::getpid()));
    const auto folder = root / "bin";
    std::filesystem::create_directories(folder);
    auto app = MakeApp({.programFolder = folder});

    messages->Answer(fw::IDOK);
    app->OnHelp();
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "The help file Varnex.html is missing: it is neither " +
                                             (folder / "Varnex.html").string() + " nor " +
                                             (root / "share/varnex/help/Varnex.html").string() + ".");
    EXPECT_TRUE(services.calls.empty());

    std::ofstream(folder / "Varnex.html") << "help";
    app->OnHelp();
    EXPECT_EQ(services.calls, (Calls{"OpenHelpFile(" + (folder / "Varnex.html").string() + ")"}));
    std::filesystem::remove_all(root);
}

TEST_F(AppFixture, MachineHelpNeedsTheLinkAndTheInstallPath)
{
    fw::MemoryProfile machine;
    auto app = MakeApp({.machineProfile = &machine, .machineLinkLoader = LinkLoader()});
    EXPECT_FALSE(app->CanShowTorvMachineHelp());
    machine.WriteProfileString("TorvMachine Application", "InstallPath", "/opt/torv");
    EXPECT_FALSE(app->CanShowTorvMachineHelp());
    app->LoadTorvMachine();
    EXPECT_TRUE(app->CanShowTorvMachineHelp());
    // A link that refuses Machine Tool Bar leaves it disabled.
    auto unreachable = MakeApp({.machineProfile = &machine,
                                .machineLinkLoader = [this](CVarnexApp&) -> std::unique_ptr<MachineLink> {
                                    auto link = std::make_unique<FakeLink>(services.calls);
                                    link->unreachable = true;
                                    return link;
                                }});
    unreachable->LoadTorvMachine();
    EXPECT_FALSE(unreachable->CanShowTorvMachineHelp());
    app->OnTorvMachineHelp();
    EXPECT_EQ(services.calls.back(), "OpenHelpFile(/opt/torv/TorvMachineHelp.chm)");

    machine.WriteProfileString("TorvMachine Application", "InstallPath", std::string(300, 'x'));
    EXPECT_EQ(app->GetTorvMachineInstallPath(), std::string(260, 'x'));
}

TEST_F(AppFixture, ConvertLegacyFilesReadsByFolderNameAndNamesWhatItSkipped)
{
    services.legacyFiles = {"C:\\Legacy\\PART\\PART.REC", "C:\\Legacy\\MULT\\MULT.REC", "D:\\SHAPE\\SHAPE.rec",
                            "C:\\Legacy\\part\\PART.REC", "C:\\PART.REC"};
    messages->Answer(fw::IDOK);
    auto app = MakeApp();
    app->DoNavAction(0x70, nullptr);
    EXPECT_EQ(services.calls, (Calls{"CloseReports", "ChooseLegacyFiles", "ReadParts(C:\\Legacy\\PART\\PART.REC)",
                                     "ReadMults(C:\\Legacy\\MULT\\MULT.REC)", "ReadShapes(D:\\SHAPE\\SHAPE.rec)"}));
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text,
              "These files were not converted, as only record files in folders named PART, MULT or SHAPE can be "
              "read:\nC:\\Legacy\\part\\PART.REC\nC:\\PART.REC");
}

TEST(CommandLineInfo, Flags)
{
    const CommandLineInfo plain = CommandLineInfo::Parse({"B12.prt", "/x"});
    EXPECT_FALSE(plain.Windowless());
    EXPECT_TRUE(plain.showSplash);
    EXPECT_FALSE(plain.unregister);
    EXPECT_FALSE(plain.regserver);
    EXPECT_TRUE(CommandLineInfo::Parse({"/regserver"}).regserver);
    EXPECT_FALSE(CommandLineInfo::Parse({"/Regserver"}).Windowless());
    EXPECT_TRUE(CommandLineInfo::Parse({"/EMBEDDING"}).embedding);
    EXPECT_TRUE(CommandLineInfo::Parse({"-Automation"}).Windowless());
    EXPECT_FALSE(CommandLineInfo::Parse({"/Automation"}).showSplash);
    EXPECT_TRUE(CommandLineInfo::Parse({"/unregserver"}).unregister);
    EXPECT_TRUE(CommandLineInfo::Parse({"/Unregister"}).unregister);
    EXPECT_FALSE(CommandLineInfo::Parse({"Embedding"}).embedding);
}

} // namespace
