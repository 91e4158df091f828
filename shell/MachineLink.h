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
};

// Starts the machine-side application and hands it the program's callbacks; reports its own
// failures and returns nullptr when the link could not be made. The link keeps the
// application's link state (CVarnexApp::LinkState) up to date.
using MachineLinkLoader = std::function<std::unique_ptr<MachineLink>(CVarnexApp&)>;

// The state the machine-side application's callbacks keep in the application object.
struct MachineLinkState {
    int busy = 0;
    int secondBusy = 0;
    int setupOpen = 0;
    int machineReady = 1;
    int loaded = 0;
};
