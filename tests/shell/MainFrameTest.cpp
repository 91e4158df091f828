#include "shell/ui/MainFrame.h"
#include "fw/qt/ChildMenus.h"
#include "shell/VarnexApp.h"
#include "tests/shell/FakeServices.h"
#include "tests/shell/QtFixture.h"

#include <QDockWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>

namespace {

using Calls = std::vector<std::string>;
using Values = std::map<std::pair<std::string, std::string>, std::string>;

QAction* FindAction(const QList<QAction*>& actions, const QString& text)
{
    for (QAction* action : actions)
        if (action->text() == text)
            return action;
    return nullptr;
}

class MenuLink : public MachineLink {
public:
    explicit MenuLink(Calls& calls) : calls_(calls) {}
    void Close() override { calls_.push_back("Link.Close"); }
    void RunPart(const std::string&) override {}
    void RunMult(const std::string&) override {}
    void RunMultMultiple(const std::string&) override {}
    void OnMachineCommand(MachineCommand command) override
    {
        calls_.push_back("Link.Command(" + std::to_string(int(command)) + ")");
    }
    // The Machine menu's entries are all enabled.
    bool IsCommandEnabled(MachineCommand) const override { return true; }

private:
    Calls& calls_;
};

class MainFrameTest : public test::QtFixture {
protected:
    test::FakeServices services;
    CVarnexApp app{services.App(), {.machineLinkLoader = [this](CVarnexApp&) -> std::unique_ptr<MachineLink> {
                                         return std::make_unique<MenuLink>(services.calls);
                                     }}};

    // Placement and dock-state values without the dock state's bytes.
    Values Placement() const
    {
        Values values = static_cast<const fw::MemoryProfile&>(fw::AppProfile()).Values();
        std::erase_if(values, [](const auto& v) { return v.first.first == CMainFrame::kDockStateSection; });
        return values;
    }
};

TEST_F(MainFrameTest, IsAnMdiFrameWithMenusToolbarAndStatusBar)
{
    CMainFrame frame(app);
    frame.show();

    EXPECT_EQ(frame.windowTitle(), "Varnex");
    EXPECT_EQ(frame.centralWidget(), &frame.MdiArea());
    EXPECT_EQ(frame.findChildren<QToolBar*>().size(), 1);
    EXPECT_TRUE(frame.ToolBar().isVisible());
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Ready");

    QAction* file = FindAction(frame.menuBar()->actions(), "&File");
    ASSERT_NE(file, nullptr);
    ASSERT_NE(file->menu(), nullptr);
    QAction* exit = FindAction(file->menu()->actions(), "E&xit");
    ASSERT_NE(exit, nullptr);

    messages->Answer(fw::IDYES);
    exit->trigger();
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(MainFrameTest, StatusBarReturnsToReadyAfterACommandDescription)
{
    CMainFrame frame(app);
    QStatusTipEvent describe("Opens a part");
    QCoreApplication::sendEvent(&frame, &describe);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Opens a part");
    QStatusTipEvent idle("");
    QCoreApplication::sendEvent(&frame, &idle);
    EXPECT_EQ(frame.statusBar()->currentMessage(), "Ready");
}

TEST_F(MainFrameTest, MenusCarryTheirPrompts)
{
    CMainFrame frame(app);
    QStringList menus;
    for (QAction* menu : frame.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&File", "&View", "&Machine", "&Window", "&Help"}));
    ASSERT_NE(frame.Command("ID_FILE_IMPORT"), nullptr);
    EXPECT_EQ(frame.Command("ID_FILE_IMPORT")->statusTip(), "Start the import program");
    EXPECT_EQ(frame.Command("ID_FILE_IMPORT")->toolTip(), "Import");
    int printed = 0, setUp = 0;
    frame.SetPrintCommands([&] { ++printed; }, [&] { ++setUp; });
    ASSERT_NE(frame.Command("ID_FILE_PRINT"), nullptr);
    EXPECT_EQ(frame.Command("ID_FILE_PRINT")->shortcut(), QKeySequence(QKeySequence::Print));
    frame.Command("ID_FILE_PRINT")->trigger();
    frame.Command("ID_FILE_PRINT_SETUP")->trigger();
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(setUp, 1);
    EXPECT_EQ(frame.Command("ID_FILE_PRINT_SETUP")->toolTip(), "Print Setup");
    EXPECT_FALSE(frame.Command("ID_MACHINE_SETUP")->isEnabled());
    QStringList tools;
    for (QAction* tool : frame.ToolBar().actions())
        tools << tool->objectName();
    EXPECT_EQ(tools, (QStringList{"ID_FILE_NEW_PART", "ID_FILE_OPEN_PART", "ID_FILE_NEW_MULT", "ID_FILE_OPEN_MULT", "ID_APP_ABOUT"}));
}

// A child window with an "&Edit" menu of its own and an entry for the frame's "&View" menu.
struct MenuChild {
    explicit MenuChild(const QString& name) : widget(new QWidget)
    {
        for (const char* title : {"&Edit", "&View"}) {
            auto* menu = new QMenu(QString::fromLatin1(title), widget);
            menu->setObjectName(fw::kChildMenuName);
            QObject::connect(menu->addAction(name + " " + title), &QAction::triggered, [this] { ++runs; });
        }
    }
    QWidget* widget;
    int runs = 0;
};

QStringList Texts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text();
    return texts;
}

TEST_F(MainFrameTest, TheActiveChildsMenusJoinTheMenuBarUntilAnotherIsActive)
{
    CMainFrame frame(app);
    frame.show();
    QMenu* view = FindAction(frame.menuBar()->actions(), "&View")->menu();
    const QStringList ownView = Texts(view->actions());
    MenuChild one("One"), two("Two");
    QMdiSubWindow* first = frame.MdiArea().addSubWindow(one.widget);
    QMdiSubWindow* second = frame.MdiArea().addSubWindow(two.widget);
    first->show();
    second->show();

    const struct {
        QMdiSubWindow* active;
        MenuChild& child;
        QString name;
    } cases[] = {{first, one, "One"}, {second, two, "Two"}, {first, one, "One"}};
    for (const auto& c : cases) {
        frame.MdiArea().setActiveSubWindow(c.active);
        EXPECT_EQ(Texts(frame.menuBar()->actions()), (QStringList{"&File", "&Edit", "&View", "&Machine", "&Window", "&Help"}));
        QMenu* edit = FindAction(frame.menuBar()->actions(), "&Edit")->menu();
        EXPECT_EQ(Texts(edit->actions()), QStringList{c.name + " &Edit"});
        EXPECT_EQ(Texts(view->actions()), ownView + QStringList({"", c.name + " &View"}));
        const int before = c.child.runs;
        view->actions().back()->trigger();
        EXPECT_EQ(c.child.runs, before + 1) << c.name.toStdString();
    }
    EXPECT_EQ(two.runs, 1);

    // The last window gone, only the frame's own menus are left.
    delete first;
    delete second;
    QCoreApplication::processEvents();
    EXPECT_EQ(Texts(frame.menuBar()->actions()), (QStringList{"&File", "&View", "&Machine", "&Window", "&Help"}));
    EXPECT_EQ(Texts(view->actions()), ownView);
}

TEST_F(MainFrameTest, NavigatorBarIsDockedLeft)
{
    CMainFrame frame(app);
    frame.show();
    EXPECT_EQ(frame.dockWidgetArea(&frame.NavigatorBar()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(frame.NavigatorBar().allowedAreas(), Qt::LeftDockWidgetArea);
    EXPECT_TRUE(frame.NavigatorBar().isVisible());
}

TEST_F(MainFrameTest, FileCommandsGoToTheNavigatorOrElseToTheDispatcherWithoutAPath)
{
    CMainFrame frame(app);
    frame.Command("ID_FILE_NEW_SHAPE")->trigger();
    frame.Command("ID_FILE_SHOPDISK_MULT")->trigger();
    EXPECT_EQ(services.calls, (Calls{"CloseReports", "NewVisible(shape)", "CloseReports", "AskShopDisk", "MultDisk(A,DEFAULT,)"}));

    std::vector<int> codes;
    frame.SetNavigatorHandlers([&codes](int code) { codes.push_back(code); }, nullptr);
    for (const char* name : {"ID_FILE_NEW_PART", "ID_FILE_NEW_MACHINE", "ID_FILE_OPEN_MULT", "ID_FILE_OPEN_TOOL",
                             "ID_FILE_CREATE_OPPOSITES", "ID_FILE_SHOPDISK_PART", "ID_FILE_SHOPDISK_MULT"})
        frame.Command(name)->trigger();
    EXPECT_EQ(codes, (std::vector{0x11, 0x15, 0x22, 0x24, 0x51, 0x61, 0x62}));
}

TEST_F(MainFrameTest, ExitQuestionAnsweredNoLeavesEverythingRunning)
{
    app.LoadTorvMachine();
    CMainFrame frame(app);
    frame.show();
    messages->Answer(fw::IDNO);
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(app.IsMachineLinkLoaded());
    EXPECT_TRUE(Profile().Values().empty());
    EXPECT_TRUE(services.calls.empty());
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0], (fw::ShownMessage{"Are you sure you want to exit Varnex?", "Confirm Exiting Varnex",
                                                     fw::MB_YESNO | fw::MB_ICONEXCLAMATION, fw::IDNO}));
}

TEST_F(MainFrameTest, ExitAnsweredYesWritesThePlacementThenChecksThenUnloadsTheLink)
{
    app.LoadTorvMachine();
    std::vector<bool> runMenu;
    CMainFrame frame(app);
    frame.SetNavigatorHandlers(nullptr, [&runMenu](bool enable) { runMenu.push_back(enable); });
    frame.setGeometry(40, 50, 700, 500);
    frame.showNormal();
    messages->Answer(fw::IDYES);
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(app.IsMachineLinkLoaded());
    EXPECT_EQ(services.calls, (Calls{"SaveAllModified", "Link.Close"}));
    EXPECT_EQ(runMenu, std::vector<bool>{false});
    EXPECT_EQ(Placement(), (Values{{{"General", "AppWindow"}, "40,50"},
                                   {{"General", "AppWindowSize"}, "700,500"},
                                   {{"General", "MaximizeApp"}, "0"}}));
    EXPECT_FALSE(Profile().GetProfileString(CMainFrame::kDockStateSection, CMainFrame::kDockStateEntry).empty());
}

TEST_F(MainFrameTest, ExitCancelledAtTheSaveQuestionsKeepsTheLink)
{
    app.LoadTorvMachine();
    services.saveAllResult = false;
    CMainFrame frame(app);
    frame.show();
    messages->Answer(fw::IDYES);
    EXPECT_FALSE(frame.close());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(app.IsMachineLinkLoaded());
    EXPECT_EQ(Placement().size(), 3u);   // the placement is written before the check
}

TEST_F(MainFrameTest, PlacementRoundTripNormalAndMaximized)
{
    {
        CMainFrame frame(app);
        EXPECT_EQ(app.MainWindowShowCommand(), CVarnexApp::kShowMaximized);   // nothing stored
        frame.setGeometry(30, 40, 640, 480);
        frame.ShowAs(CVarnexApp::kShowMaximized);
        messages->Answer(fw::IDYES);
        frame.close();
    }
    EXPECT_EQ(Placement(), (Values{{{"General", "AppWindow"}, "30,40"},
                                   {{"General", "AppWindowSize"}, "640,480"},
                                   {{"General", "MaximizeApp"}, "1"}}));
    {
        CMainFrame frame(app);
        EXPECT_EQ(app.MainWindowShowCommand(), CVarnexApp::kShowMaximized);
        EXPECT_EQ(frame.geometry(), QRect(30, 40, 640, 480));
        Profile().WriteProfileInt("General", "MaximizeApp", 0);
    }
    CMainFrame frame(app);
    EXPECT_EQ(app.MainWindowShowCommand(), CVarnexApp::kShowNormal);
    EXPECT_EQ(frame.geometry(), QRect(30, 40, 640, 480));
}

TEST_F(MainFrameTest, GarbagePlacementIsClampedToTheScreen)
{
    Profile().WriteProfileString("General", "AppWindow", "-90000,99999");
    Profile().WriteProfileString("General", "AppWindowSize", "99999,5");
    CMainFrame frame(app);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(frame.geometry())) << frame.geometry().x() << "," << frame.geometry().y();
    EXPECT_EQ(frame.geometry().width(), screen.width());
    EXPECT_GE(frame.geometry().height(), 120);
}

} // namespace
