#pragma once
// The program's main window: an MDI frame with the main menu, the toolbar, the status bar showing
// each command's prompt, and the navigator bar docked on the left. Its place on the screen is
// read from the profile section "General" before it is shown and written when it closes.
//
// Closing asks "Are you sure you want to exit Varnex?"; on Yes the placement is written, then
// the application's exit check runs (automult job, save questions); only when that goes through
// is the machine link unloaded and the window closed.

#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class CHelpWindow;
class CVarnexApp;
class ImportProgram;
class QDockWidget;
class QMdiSubWindow;
class QToolBar;

class CMainFrame : public QMainWindow {
public:
    // Where the dock state is kept in the profile.
    static constexpr const char* kDockStateSection = "MainFrame Doc State";
    static constexpr const char* kDockStateEntry = "State";

    explicit CMainFrame(CVarnexApp& app, QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea& MdiArea() { return mdiArea_; }
    QToolBar& ToolBar() { return *toolBar_; }
    QDockWidget& NavigatorBar() { return *navigatorBar_; }
    // The menu or toolbar command of a string-table name ("ID_FILE_IMPORT"), or null.
    QAction* Command(std::string_view name) const;

    // The navigator bar's handlers: the File commands that act on what is marked in the
    // navigator (command codes 0x11-0x15, 0x21-0x25, 0x51, 0x61, 0x62) and the Run entries.
    // Without a navigator the commands reach the dispatcher with no path.
    void SetNavigatorHandlers(std::function<void(int code)> onFileCommand, std::function<void(bool)> enableRunMenu);
    void EnableRunMenu(bool enable);

    // Shows the window as the application's show command says (kShowMaximized or kShowNormal).
    void ShowAs(int showCommand);
    // Writes the normal rectangle and whether the window is maximized, and the dock state.
    void SavePlacement();

    // The recent files shown in the File menu; opening one goes through open.
    void SetRecentFiles(std::function<std::vector<std::string>()> list, std::function<void(const std::string&)> open);
    // Help > Help: the help file in the program's help window (one, raised when open again).
    void ShowHelp(const std::filesystem::path& file);
    // File > Print (Ctrl+P) and File > Print Setup.
    void SetPrintCommands(std::function<void()> print, std::function<void()> printSetup);

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    // Window: Cascade, Tile, Arrange Icons and the list of the open windows; Ctrl+F6 and
    // Ctrl+Shift+F6 activate the next and previous window.
    void CreateWindowMenu();
    void FillWindowList(QMenu& window);
    void ArrangeIcons();
    void CreateToolBar();
    void CreateNavigatorBar();
    void RestorePlacement();
    void RestoreDockState();
    QAction* AddCommand(QMenu* menu, const QString& text, const char* name, std::function<void()> handler);
    // The toolbar of that object name in the active child window, or null.
    QToolBar* ActiveChildToolBar(const QString& title) const;
    // The menus of the current child window (fw/qt/ChildMenus.h) replace those of the last one.
    void MergeChildMenus();
    void UnmergeChildMenus();
    void ForwardToNavigator(int code);
    void FillRecentFiles(QMenu* file);
    void OnViewOptions();
    void OnAppAbout();
    void OnImport();
    void OnNavigate();

    CVarnexApp& app_;
    QMdiArea mdiArea_;
    QToolBar* toolBar_;             // owned by the window
    QDockWidget* navigatorBar_;     // owned by the window
    QAction* recentSeparator_ = nullptr;
    QAction* recentTopSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    QAction* windowListSeparator_ = nullptr;
    std::vector<QAction*> windowActions_;
    std::function<void(int)> navigatorCommand_;
    std::function<void(bool)> enableRunMenu_;
    std::function<std::vector<std::string>()> recentFiles_;
    std::function<void(const std::string&)> openRecent_;
    std::function<void()> print_;
    std::function<void()> printSetup_;
    std::unique_ptr<ImportProgram> import_;
    QPointer<CHelpWindow> help_;
    // What the current child window added to the menus: its entries (each with the menu bar or
    // menu it went into), the separators before them, the forwarded menu updates and the notice
    // of the window's end.
    struct MergedMenus {
        QPointer<QMdiSubWindow> window;
        std::vector<std::pair<QPointer<QWidget>, QPointer<QAction>>> entries;
        std::vector<std::unique_ptr<QAction>> separators;
        std::vector<QMetaObject::Connection> connections;
    };
    MergedMenus merged_;
};
