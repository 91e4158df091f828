#pragma once
// A document window the user can't close: no system menu, and close requests from the user
// (the caption, Ctrl+F4) are ignored. The program still closes it through CloseFrame, so it never
// holds up the exit.

#include "shell/ui/ChildFrame.h"

class CNonClosableFrame : public CChildFrame {
public:
    CNonClosableFrame(QWidget* view, fw::Document* document, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};
