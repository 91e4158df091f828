#pragma once
// The program's callback object for the machine side: each callback acts on the link state and
// the main window, then applies the rule that an unloaded link is busy. Callbacks that arrive
// while a run waits for its status are held until the status has been applied, so the status
// never overwrites what the machine side said after it; once detached (at unload) callbacks do
// nothing.

#include "machlink/MachineLinkHost.h"
#include "machlink/TorvMachine.h"
#include "shell/MachineLink.h"

#include <functional>
#include <vector>

class CVarnexProxy : public torv::ITorvMachineResponse {
public:
    // readyToRun registers the callback object with the control object again and says
    // "Ready to Run"; it may throw, which is reported through report.
    CVarnexProxy(MachineLinkState& state, MachineLinkHost& host, std::function<void()> readyToRun,
                 std::function<void(const std::exception&)> report);

    // When loaded is 0, busy is set to 1.
    static void Refresh(MachineLinkState& state);

    void Detach() { attached_ = false; }
    // While a run waits for its status, callbacks are held; EndRun plays them in order.
    void BeginRun() { running_ = true; }
    void EndRun();

    std::int32_t OnMachineReady() override;
    std::int32_t OnSetupClosed() override;
    std::int32_t OnRunFinished() override;
    std::int32_t OnDisableRunEntries() override;
    std::int32_t OnEnableRunEntries() override;
    std::int32_t OnReturnToMain() override;

private:
    void Handle(void (CVarnexProxy::*effect)());
    void MachineReady();
    void SetupClosed() {}
    void RunFinished();
    void DisableRunEntries();
    void EnableRunEntries();
    void ReturnToMain();

    MachineLinkState& state_;
    MachineLinkHost& host_;
    std::function<void()> readyToRun_;
    std::function<void(const std::exception&)> report_;
    bool attached_ = true;
    bool running_ = false;
    std::vector<void (CVarnexProxy::*)()> held_;
};
