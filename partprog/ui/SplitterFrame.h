#pragma once
// The part programming window of a part: the "Part Programming" form above, the face views in
// their tabs below, the "Programming Tools" toolbar and a status bar whose six panes describe the
// current pattern. Commands go to the frame first, then to the current face view, then to the
// form. Its Edit, View and Tools menus join the main menu bar while the window is active. The
// size, position and split are kept in the profile's "Layout" section.

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <map>

class CFaceView;
class CPartDoc;
class CPattern;
class CPatternView;
class CStencilListView;
class CTabView;
class DetailSettings;
class QAction;
class QDialog;
class QLabel;
class QMenu;
class QSplitter;

class CSplitterFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kLayoutSection = "Layout";
    // Runs a dialog of the window (angle, reference plane, dimension, stencil, triangulation);
    // by default QDialog::exec.
    using DialogRunner = std::function<int(QDialog&)>;

    CSplitterFrame(CPartDoc& doc, DetailSettings& details, QWidget* parent = nullptr);
    ~CSplitterFrame() override;

    // Closes the part programming window holding the widget (or the widget's own window).
    static void CloseFrameOf(QWidget* child);

    CPatternView& PatternView() const { return *patternView_; }
    CTabView& TabView() const { return *tabView_; }
    CFaceView* CurrentFaceView() const;
    QAction* Action(int command) const;
    // The toolbar's commands in order (null for a separator).
    const std::vector<QAction*>& ToolBarActions() const { return toolBarActions_; }
    // Edit, View and Tools (with its Reference Plane submenu), for the main menu bar.
    const std::vector<QMenu*>& Menus() const { return menus_; }
    QLabel& StatusPane(int index) const { return *panes_.at(std::size_t(index - 1)); }
    // The open stencil list window, or null.
    CStencilListView* StencilList() const;
    void SetDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

    // The face view becomes current: the form takes its tool, face list and plane.
    void OnFaceViewCurrent(CFaceView* view);
    // Fills the six pattern panes (each as wide as its text), or empties and hides them without a
    // pattern.
    void ShowPatternStatus(const CPattern* pattern);
    // Runs a command through the routing; false when nobody handles it or it is disabled.
    bool Execute(int command);
    // Enables every command as its handler says.
    void UpdateCommands();

    // Stores and restores the split and the host window's place ("MaximizePattern",
    // "PatternTabPane", "PatternView"); the place only while "Retain Part Programming Window
    // Position" is 1 and the stored rectangle is sound. The window opens maximized unless
    // "MaximizePattern" is 0.
    void SaveLayout() const;
    void RestoreLayout();
    // The window is closing: its layout is stored and the part's key fields open again.
    void OnClose();

private:
    struct Route {
        std::function<void()> run;
        std::function<bool()> enabled;
    };
    void BuildCommands();
    void BuildMenus();
    // Gives the focus back to the pane's field last focused, else to its first field, else to
    // the pane itself.
    static void ActivatePane(QWidget& pane);
    void AddRoute(int command, const char* text, const char* tip, Route route);
    int RunDialog(QDialog& dialog);
    QWidget& Host() const;

    void ChooseGlobalTool();
    void NewStencil();
    void OpenStencilList();
    void RotateDegrees();
    void CustomPlane();
    void AddX();

    CPartDoc& doc_;
    QSplitter* splitter_;
    CPatternView* patternView_;
    CTabView* tabView_;
    std::array<QLabel*, 6> panes_{};
    QPointer<CFaceView> current_;
    QPointer<CStencilListView> stencilList_;
    std::map<int, QAction*> actions_;
    std::map<int, Route> routes_;
    std::vector<QAction*> toolBarActions_;
    std::vector<QMenu*> menus_;
    DialogRunner runDialog_;
};
