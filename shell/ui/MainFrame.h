#pragma once
// The program's main window: an MDI frame with the menu bar, the toolbar and the status bar.

#include <QMainWindow>
#include <QMdiArea>

class QToolBar;

class CMainFrame : public QMainWindow {
public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea& MdiArea() { return mdiArea_; }
    QToolBar& ToolBar() { return *toolBar_; }

protected:
    bool event(QEvent* e) override;

private:
    void CreateMenus();

    QMdiArea mdiArea_;
    QToolBar* toolBar_;   // owned by the window
};
