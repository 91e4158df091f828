#pragma once
// The navigator bar's content: the navigator control with the program's folders and extensions,
// its events turned into dispatcher codes, and the main window's File commands carried out on
// what is marked in the tree. Its width is kept in the profile ("General", "NavBar Size").

#include "shell/ui/NavHeaderReader.h"

#include <QObject>

#include <string>

class CBRAXNav;
class CMainFrame;
class CVarnexApp;

class CBRAXNavBar : public QObject {
public:
    CBRAXNavBar(CMainFrame& frame, CVarnexApp& app);
    ~CBRAXNavBar() override;

    CBRAXNav& Control() { return *control_; }
    // A File command of the main window (codes 0x11-0x15, 0x21-0x25, 0x51, 0x61, 0x62).
    void OnFileCommand(int code);
    // The first marked item's path for a dispatcher object, or nothing.
    std::string FirstMarked(int itemType) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnEvent(int dispid, const std::string& first, const std::string& second, int type);

    CMainFrame& frame_;
    CVarnexApp& app_;
    NavHeaderReader headers_;
    CBRAXNav* control_;   // owned by the dock
};
