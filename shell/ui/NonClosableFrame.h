#pragma once
// A document window the user can't close: no system menu and no close button, and close
// requests from the user (Ctrl+F4) are ignored. The program still closes it (CloseFrame, or its
// document closing), so it never holds up the exit.

#include "shell/ui/ChildFrame.h"

class CNonClosableFrame : public CChildFrame {
public:
    explicit CNonClosableFrame(QWidget* view, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
