#include "shell/ui/MainFrame.h"

#include "fw/core/AppProfile.h"
#include "fw/core/MessageService.h"
#include "fw/core/StringTable.h"
#include "fw/qt/ChildMenus.h"
#include "fw/qt/QtText.h"
#include "shell/CommandGuard.h"
#include "shell/ImportProgram.h"
#include "shell/NavCommand.h"
#include "shell/VarnexApp.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/AboutDlg.h"
#include "shell/ui/OptionsSheet.h"
#include "shell/ui/FileDialogs.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/SplashWnd.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

namespace {

// Shown in the status bar whenever no command is being described.
const QString kIdleMessage = QStringLiteral("Ready");

constexpr int kNavigatorWidth = 180;

const char* const kExitQuestion = "Are you sure you want to exit Varnex?";
const char* const kExitCaption = "Confirm Exiting Varnex";

fw::Rect ToRect(const QRect& r)
{
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// The prompt of a command: its status-bar text, then after '\n' its tool tip.
std::pair<QString, QString> Prompt(const char* name)
{
    const std::string* text = fw::StringTables::Get("VARNEX").Find(name);
    if (!text)
        return {};
    const std::size_t newline = text->find('\n');
    if (newline == std::string::npos)
        return {fw::ToQString(*text), {}};
    return {fw::ToQString(text->substr(0, newline)), fw::ToQString(text->substr(newline + 1))};
}

} // namespace

CMainFrame::CMainFrame(CVarnexApp& app, QWidget* parent)
    : QMainWindow(parent),
      app_(app),
      toolBar_(addToolBar(QStringLiteral("Toolbar"))),
      navigatorBar_(new QDockWidget(QStringLiteral("Navigator"), this)),
      import_(std::make_unique<ImportProgram>(fw::AppProfile(), StartDetached, BrowseForExecutable))
{
    setWindowTitle(QStringLiteral("Varnex"));
    mdiArea_.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(&mdiArea_);
    CreateMenus();
    connect(&mdiArea_, &QMdiArea::subWindowActivated, this, &CMainFrame::MergeChildMenus);
    CreateToolBar();
    CreateNavigatorBar();
    statusBar()->showMessage(kIdleMessage);
    RestorePlacement();
    RestoreDockState();
    CSplashWnd::ShowSplashScreen(this);
}

CMainFrame::~CMainFrame()
{
    // The MDI area is a member: take it out before the window deletes its central widget, and
    // hear no more of its windows while they go.
    disconnect(&mdiArea_, nullptr, this, nullptr);
    UnmergeChildMenus();
    takeCentralWidget();
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, const char* name, std::function<void()> handler)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    const auto [status, tip] = Prompt(name);
    action->setStatusTip(status);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    const std::string handlerName = std::string("CMainFrame::") + name;
    if (handler)
        connect(action, &QAction::triggered, this, [handler, handlerName] { GuardCommand(handlerName, handler); });
    else
        action->setEnabled(false);
    return action;
}

QToolBar* CMainFrame::ActiveChildToolBar(const QString& title) const
{
    const QMdiSubWindow* active = mdiArea_.activeSubWindow();
    return active && active->widget() ? active->widget()->findChild<QToolBar*>(title) : nullptr;
}

void CMainFrame::MergeChildMenus()
{
    // The current window stays current while the program is in the background.
    QMdiSubWindow* window = mdiArea_.currentSubWindow();
    if (window && window == merged_.window)
        return;
    UnmergeChildMenus();
    merged_.window = window;
    if (!window || !window->widget())
        return;
    merged_.connections.push_back(connect(window, &QObject::destroyed, this, &CMainFrame::UnmergeChildMenus));
    QAction* previous = menuBar()->actions().value(0);
    for (QMenu* menu : window->widget()->findChildren<QMenu*>(QString::fromLatin1(fw::kChildMenuName))) {
        const QList<QAction*> bar = menuBar()->actions();
        const auto own = std::find_if(bar.begin(), bar.end(), [menu](QAction* a) { return a->menu() && a->text() == menu->title(); });
        if (own == bar.end()) {
            menuBar()->insertAction(bar.value(bar.indexOf(previous) + 1), menu->menuAction());
            merged_.entries.emplace_back(menuBar(), menu->menuAction());
            previous = menu->menuAction();
            continue;
        }
        QMenu* target = (*own)->menu();
        auto& separator = merged_.separators.emplace_back(std::make_unique<QAction>());
        separator->setSeparator(true);
        target->addAction(separator.get());
        for (QAction* entry : menu->actions()) {
            target->addAction(entry);
            merged_.entries.emplace_back(target, entry);
        }
        merged_.connections.push_back(connect(target, &QMenu::aboutToShow, menu, &QMenu::aboutToShow));
        previous = *own;
    }
}

void CMainFrame::UnmergeChildMenus()
{
    for (const auto& [where, entry] : merged_.entries)
        if (where && entry)
            where->removeAction(entry);
    for (const QMetaObject::Connection& connection : merged_.connections)
        disconnect(connection);
    merged_ = {};
}

QAction* CMainFrame::Command(std::string_view name) const
{
    return findChild<QAction*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

void CMainFrame::CreateMenus()
{
    using nav::Action;
    using nav::Object;
    const auto forward = [this](Action action, Object object) {
        return [this, code = nav::Code(action, object)] { ForwardToNavigator(code); };
    };
    struct Item {
        const char* text;
        Object object;
        const char* newName;
        const char* openName;
    };
    const Item items[] = {
        {"&Part", Object::part, "ID_FILE_NEW_PART", "ID_FILE_OPEN_PART"},
        {"&Mult", Object::mult, "ID_FILE_NEW_MULT", "ID_FILE_OPEN_MULT"},
        {"&Shape", Object::shape, "ID_FILE_NEW_SHAPE", "ID_FILE_OPEN_SHAPE"},
        {"&Tool", Object::tool, "ID_FILE_NEW_TOOL", "ID_FILE_OPEN_TOOL"},
        {"Mac&hine", Object::machine, "ID_FILE_NEW_MACHINE", "ID_FILE_OPEN_MACHINE"},
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QMenu* fileNew = file->addMenu(QStringLiteral("&New"));
    QMenu* fileOpen = file->addMenu(QStringLiteral("&Open"));
    for (const Item& item : items) {
        AddCommand(fileNew, item.text, item.newName, forward(Action::create, item.object));
        AddCommand(fileOpen, item.text, item.openName, forward(Action::open, item.object));
    }
    AddCommand(file, QStringLiteral("Create &Opposites"), "ID_FILE_CREATE_OPPOSITES", forward(Action::opposites, Object::part));
    QMenu* shopDisk = file->addMenu(QStringLiteral("&Legacy Shop Disk"));
    AddCommand(shopDisk, QStringLiteral("Create &Part"), "ID_FILE_SHOPDISK_PART", forward(Action::shopDisk, Object::part));
    AddCommand(shopDisk, QStringLiteral("Create &Mult"), "ID_FILE_SHOPDISK_MULT", forward(Action::shopDisk, Object::mult));
    AddCommand(file, QStringLiteral("Con&vert Legacy Files"), "ID_FILE_CONVERT_LEGACY", [this] { app_.OnConvertLegacyFiles(); });
    file->addSeparator();
    AddCommand(file, QStringLiteral("Na&vigate"), "ID_FILE_NAVIGATE", [this] { OnNavigate(); });
    AddCommand(file, QStringLiteral("&Import"), "ID_FILE_IMPORT", [this] { OnImport(); });
    file->addSeparator();
    QAction* print = AddCommand(file, QStringLiteral("&Print..."), "ID_FILE_PRINT", [this] { if (print_) print_(); });
    print->setShortcut(QKeySequence::Print);
    AddCommand(file, QStringLiteral("Print Set&up..."), "ID_FILE_PRINT_SETUP", [this] { if (printSetup_) printSetup_(); });
    recentSeparator_ = file->addSeparator();
    AddCommand(file, QStringLiteral("E&xit"), "ID_APP_EXIT", [this] { close(); });
    connect(file, &QMenu::aboutToShow, this, [this, file] { FillRecentFiles(file); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QAction* toolBar = AddCommand(view, QStringLiteral("&Toolbar"), "ID_VIEW_TOOLBAR", [this] { toolBar_->setVisible(!toolBar_->isVisible()); });
    QAction* statusBarAction = AddCommand(view, QStringLiteral("&Status Bar"), "ID_VIEW_STATUS_BAR", [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
    QAction* navigator = AddCommand(view, QStringLiteral("&Navigator"), "ID_VIEW_NAVIGATOR", [this] { navigatorBar_->setVisible(!navigatorBar_->isVisible()); });
    view->addSeparator();
    AddCommand(view, QStringLiteral("&Options"), "ID_VIEW_OPTIONS", [this] { OnViewOptions(); });
    // The toolbars of the part programming and hand-mult windows, for the active window that has one.
    struct ChildBar {
        const char* text;
        const char* name;
        const char* title;
    };
    std::vector<std::pair<QAction*, QString>> childBars;
    for (const ChildBar& bar : {ChildBar{"&Programming Tools", "ID_VIEW_PROGRAMMING_TOOLS", "Programming Tools"},
                                ChildBar{"&HandMult Tools", "ID_VIEW_HANDMULT_TOOLS", "Hand Mult Tools"}}) {
        const QString title = QString::fromLatin1(bar.title);
        QAction* action = AddCommand(view, QString::fromLatin1(bar.text), bar.name, [this, title] {
            if (QToolBar* found = ActiveChildToolBar(title))
                found->setVisible(found->isHidden());
        });
        action->setCheckable(true);
        childBars.emplace_back(action, title);
    }
    view->insertActions(view->actions().at(3), {childBars[0].first, childBars[1].first});
    for (QAction* toggle : {toolBar, statusBarAction, navigator})
        toggle->setCheckable(true);
    connect(view, &QMenu::aboutToShow, this, [this, toolBar, statusBarAction, navigator, childBars] {
        toolBar->setChecked(toolBar_->isVisible());
        statusBarAction->setChecked(statusBar()->isVisible());
        navigator->setChecked(navigatorBar_->isVisible());
        for (const auto& [action, title] : childBars) {
            QToolBar* found = ActiveChildToolBar(title);
            action->setEnabled(found != nullptr);
            action->setChecked(found && !found->isHidden());
        }
    });

    // The machine commands are carried out by the machine link.
    QMenu* machine = menuBar()->addMenu(QStringLiteral("&Machine"));
    struct MachineEntry {
        const char* text;
        const char* name;
        MachineCommand command;
    };
    static constexpr MachineEntry machineEntries[] = {
        {"Machine &Setup", "ID_MACHINE_SETUP", MachineCommand::setup},
        {"&Manual Screen", "ID_MACHINE_MANUAL_SCREEN", MachineCommand::manualScreen},
        {"Machine &Tool Bar", "ID_MACHINE_TOOLBAR", MachineCommand::toolBar},
        {"Show &View", "ID_MACHINE_SHOW_VIEW", MachineCommand::showView},
        {"Show &Global Message", "ID_MACHINE_GLOBAL_MESSAGE", MachineCommand::globalMessage},
    };
    std::vector<std::pair<QAction*, MachineCommand>> machineActions;
    for (const MachineEntry& e : machineEntries)
        machineActions.emplace_back(AddCommand(machine, QString::fromLatin1(e.text), e.name,
                                               [this, c = e.command] { app_.OnMachineCommand(c); }),
                                    e.command);
    // Greyed as the link's state says, from the start and each time the menu opens.
    const auto greyMachineCommands = [this, machineActions] {
        for (const auto& [action, command] : machineActions)
            action->setEnabled(app_.IsMachineCommandEnabled(command));
    };
    greyMachineCommands();
    connect(machine, &QMenu::aboutToShow, this, greyMachineCommands);

    CreateWindowMenu();

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(help, QStringLiteral("&Help"), "ID_HELP", [this] { app_.OnHelp(); });
    QAction* machineHelp = AddCommand(help, QStringLiteral("&TorvMachine Help"), "ID_HELP_TORVMACHINE", [this] { app_.OnTorvMachineHelp(); });
    help->addSeparator();
    AddCommand(help, QStringLiteral("&About Varnex..."), "ID_APP_ABOUT", [this] { OnAppAbout(); });
    connect(help, &QMenu::aboutToShow, this, [this, machineHelp] { machineHelp->setEnabled(app_.CanShowTorvMachineHelp()); });
}

void CMainFrame::CreateWindowMenu()
{
    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    const std::vector<QAction*> arrange = {
        AddCommand(window, QStringLiteral("&Cascade"), "ID_WINDOW_CASCADE", [this] { mdiArea_.cascadeSubWindows(); }),
        AddCommand(window, QStringLiteral("&Tile"), "ID_WINDOW_TILE_HORZ", [this] { mdiArea_.tileSubWindows(); }),
        AddCommand(window, QStringLiteral("&Arrange Icons"), "ID_WINDOW_ARRANGE", [this] { ArrangeIcons(); }),
    };
    windowListSeparator_ = window->addSeparator();
    connect(window, &QMenu::aboutToShow, this, [this, window, arrange] {
        for (QAction* action : arrange)
            action->setEnabled(!mdiArea_.subWindowList().isEmpty());
        FillWindowList(*window);
    });
    // The window keys; the menu does not list them. Ctrl+F4 is the document windows' own Close.
    struct Key {
        const char* name;
        QKeySequence key;
        std::function<void()> run;
    };
    const Key keys[] = {
        {"ID_NEXT_WINDOW", QKeySequence(Qt::CTRL | Qt::Key_F6), [this] { mdiArea_.activateNextSubWindow(); }},
        {"ID_PREV_WINDOW", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), [this] { mdiArea_.activatePreviousSubWindow(); }},
    };
    for (const Key& key : keys) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(key.name));
        action->setShortcut(key.key);
        connect(action, &QAction::triggered, this,
                [run = key.run, handler = std::string("CMainFrame::") + key.name] { GuardCommand(handler, run); });
        addAction(action);
    }
}

void CMainFrame::FillWindowList(QMenu& window)
{
    // The old entries go once the menu's signal is over.
    for (QAction* action : windowActions_) {
        window.removeAction(action);
        action->deleteLater();
    }
    windowActions_.clear();
    const QList<QMdiSubWindow*> windows = mdiArea_.subWindowList();
    windowListSeparator_->setVisible(!windows.isEmpty());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* child = windows[i];
        QString title = child->windowTitle();
        title.replace(QStringLiteral("[*]"), child->isWindowModified() ? QStringLiteral("*") : QString());
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* action = new QAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(title) : title, &window);
        action->setCheckable(true);
        action->setChecked(child == mdiArea_.activeSubWindow());
        action->setStatusTip(QStringLiteral("Activate this window"));
        connect(action, &QAction::triggered, this, [this, child = QPointer<QMdiSubWindow>(child)] {
            if (child)
                mdiArea_.setActiveSubWindow(child);
        });
        window.addAction(action);
        windowActions_.push_back(action);
    }
}

void CMainFrame::ArrangeIcons()
{
    // The minimized windows in a row along the bottom of the area, from the left.
    const QRect area = mdiArea_.viewport()->rect();
    int x = area.left();
    for (QMdiSubWindow* child : mdiArea_.subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isMinimized())
            continue;
        const QSize size = child->size();
        child->move(x, area.bottom() + 1 - size.height());
        x += size.width();
    }
}

void CMainFrame::CreateToolBar()
{
    toolBar_->setObjectName(QStringLiteral("Toolbar"));
    QStyle* s = style();
    const std::pair<QStyle::StandardPixmap, const char*> buttons[] = {
        {QStyle::SP_FileIcon, "ID_FILE_NEW_PART"},
        {QStyle::SP_DirOpenIcon, "ID_FILE_OPEN_PART"},
        {QStyle::SP_FileDialogNewFolder, "ID_FILE_NEW_MULT"},
        {QStyle::SP_DialogOpenButton, "ID_FILE_OPEN_MULT"},
        {QStyle::SP_MessageBoxInformation, "ID_APP_ABOUT"},
    };
    for (const auto& [icon, name] : buttons) {
        QAction* command = Command(name);
        command->setIcon(s->standardIcon(icon));
        toolBar_->addAction(command);
    }
}

void CMainFrame::CreateNavigatorBar()
{
    navigatorBar_->setObjectName(QStringLiteral("NavigatorBar"));
    navigatorBar_->setAllowedAreas(Qt::LeftDockWidgetArea);
    navigatorBar_->setFeatures(QDockWidget::DockWidgetClosable);
    // The navigator control goes here; until it does, the bar keeps a usable width.
    auto* placeholder = new QWidget(navigatorBar_);
    placeholder->setMinimumWidth(kNavigatorWidth);
    navigatorBar_->setWidget(placeholder);
    addDockWidget(Qt::LeftDockWidgetArea, navigatorBar_);
}

void CMainFrame::RestorePlacement()
{
    const MainWindowPlacement placement = ReadMainWindowPlacement(fw::AppProfile());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect defaultRect(screen.left() + screen.width() / 10, screen.top() + screen.height() / 10,
                            screen.width() * 4 / 5, screen.height() * 4 / 5);
    const fw::Rect r = MainWindowRect(placement, ToRect(defaultRect), ToRect(screen));
    setGeometry(r.left, r.top, r.Width(), r.Height());
    app_.SetMainWindowShowCommand(placement.maximized ? CVarnexApp::kShowMaximized : CVarnexApp::kShowNormal);
}

void CMainFrame::RestoreDockState()
{
    const std::string state = fw::AppProfile().GetProfileString(kDockStateSection, kDockStateEntry);
    if (!state.empty())
        restoreState(QByteArray::fromBase64(QByteArray::fromStdString(state)));
}

void CMainFrame::ShowAs(int showCommand)
{
    if (showCommand == CVarnexApp::kShowMaximized)
        showMaximized();
    else
        showNormal();
}

void CMainFrame::SavePlacement()
{
    fw::Profile& profile = fw::AppProfile();
    WriteMainWindowPlacement(profile, ToRect(normalGeometry().isValid() ? normalGeometry() : geometry()), isMaximized());
    profile.WriteProfileString(kDockStateSection, kDockStateEntry, saveState().toBase64().toStdString());
}

void CMainFrame::SetNavigatorHandlers(std::function<void(int)> onFileCommand, std::function<void(bool)> enableRunMenu)
{
    navigatorCommand_ = std::move(onFileCommand);
    enableRunMenu_ = std::move(enableRunMenu);
}

void CMainFrame::EnableRunMenu(bool enable)
{
    if (enableRunMenu_)
        enableRunMenu_(enable);
}

void CMainFrame::ForwardToNavigator(int code)
{
    if (navigatorCommand_)
        navigatorCommand_(code);
    else
        app_.DoNavAction(code, nullptr);
}

void CMainFrame::SetPrintCommands(std::function<void()> print, std::function<void()> printSetup)
{
    print_ = std::move(print);
    printSetup_ = std::move(printSetup);
}

void CMainFrame::SetRecentFiles(std::function<std::vector<std::string>()> list,
                                std::function<void(const std::string&)> open)
{
    recentFiles_ = std::move(list);
    openRecent_ = std::move(open);
}

void CMainFrame::FillRecentFiles(QMenu* file)
{
    for (QAction* action : recentActions_) {
        file->removeAction(action);
        action->deleteLater();
    }
    recentActions_.clear();
    if (!recentFiles_)
        return;
    const std::vector<std::string> files = recentFiles_();
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(fw::ToQString(files[i])), file);
        const auto [status, tip] = Prompt(("ID_FILE_MRU_FILE" + std::to_string(i + 1)).c_str());
        action->setStatusTip(status);
        connect(action, &QAction::triggered, this, [this, path = files[i]] {
            GuardCommand("CMainFrame::OnOpenRecentFile", [&] { openRecent_(path); });
        });
        file->insertAction(recentSeparator_, action);
        recentActions_.push_back(action);
    }
    // The separator above the list is made once, shown only while there are files to list.
    if (!recentTopSeparator_)
        recentTopSeparator_ = file->insertSeparator(recentSeparator_);
    if (!files.empty())
        file->insertAction(recentActions_.front(), recentTopSeparator_);
    recentTopSeparator_->setVisible(!files.empty());
}

void CMainFrame::ShowHelp(const std::filesystem::path& file)
{
    if (!help_) {
        help_ = new CHelpWindow(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->ShowFile(file);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void CMainFrame::OnViewOptions()
{
    COptionsSheet sheet(
        fw::AppProfile(),
        [this](const std::string& shown) { return BrowseForFolder(this, QStringLiteral("Choose a Directory"), shown); },
        [this](const QString& shown) { return BrowseForLinuxFolder(this, QStringLiteral("Choose the Drive's Folder"), shown); },
        this);
    sheet.exec();
}

void CMainFrame::OnAppAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::OnImport()
{
    import_->Run();
}

void CMainFrame::OnNavigate()
{
    navigatorBar_->show();
    navigatorBar_->widget()->setFocus();
}

bool CMainFrame::event(QEvent* e)
{
    if (e->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(e)->tip().isEmpty()) {
        statusBar()->showMessage(kIdleMessage);
        return true;
    }
    return QMainWindow::event(e);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    event->ignore();
    GuardCommand("CMainFrame::OnClose", [&] {
        if (fw::Messages().MessageBox(kExitQuestion, kExitCaption, fw::MB_YESNO | fw::MB_ICONEXCLAMATION) != fw::IDYES)
            return;
        SavePlacement();
        if (!app_.SaveAllModified())
            return;
        app_.UnloadTorvMachine();
        EnableRunMenu(false);
        event->accept();
    });
}
