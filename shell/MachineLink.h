#pragma once
// The link to the machine-side application: made at start-up when that application can be
// started, closed at exit. Run commands reach it only while it is loaded.

#include <functional>
#include <memory>
#include <string>

class CVarnexApp;

class MachineLink {
public:
    virtual ~MachineLink() = default;
    // Tells the machine-side application that the program is closing.
    virtual void Close() = 0;
    virtual void RunPart(const std::string& path) = 0;
    virtual void RunMult(const std::string& path) = 0;
    virtual void RunMultMultiple(const std::string& list) = 0;
};

// Starts the machine-side application and hands it the program's callbacks; reports its own
// failures and returns nullptr when the link could not be made.
using MachineLinkLoader = std::function<std::unique_ptr<MachineLink>(CVarnexApp&)>;

// The state the machine-side application's callbacks keep in the application object.
struct MachineLinkState {
    int busy = 0;
    int secondBusy = 0;
    int setupOpen = 0;
    int machineReady = 1;
    int loaded = 0;
};
