#pragma once
// The link to the machine-side application: made at start-up when that application can be
// started, closed at exit. Run commands reach it only while it is loaded.

#include <functional>
#include <memory>
#include <string>

class CVarnexApp;

// The commands of the Machine menu.
enum class MachineCommand { setup, manualScreen, toolBar, showView, globalMessage };

class MachineLink {
public:
    virtual ~MachineLink() = default;
    // Tells the machine-side application that the program is closing.
    virtual void Close() = 0;
    virtual void RunPart(const std::string& path) = 0;
    virtual void RunMult(const std::string& path) = 0;
    virtual void RunMultMultiple(const std::string& list) = 0;
    virtual void OnMachineCommand(MachineCommand command) = 0;
    // Whether the Machine menu entry is enabled now.
    virtual bool IsCommandEnabled(MachineCommand command) const = 0;
};

// Makes the link and has it start the machine-side application and hand it the program's
// callbacks; reports its own failures. The link is kept even when the machine side is not there:
// it loads when the machine side appears or a command needs it, and keeps the application's link
// state (CVarnexApp::LinkState) up to date. Null: there is no link at all.
using MachineLinkLoader = std::function<std::unique_ptr<MachineLink>(CVarnexApp&)>;

// The state the machine-side application's callbacks keep in the application object.
struct MachineLinkState {
    int busy = 0;
    int secondBusy = 0;
    int setupOpen = 0;
    int machineReady = 1;
    int loaded = 0;
};
