#include "machlink/VarnexProxy.h"

#include <stdexcept>
#include <utility>

CVarnexProxy::CVarnexProxy(MachineLinkState& state, MachineLinkHost& host, std::function<void()> readyToRun,
                           std::function<void(const std::exception&)> report)
    : state_(state), host_(host), readyToRun_(std::move(readyToRun)), report_(std::move(report))
{
}

void CVarnexProxy::Refresh(MachineLinkState& state)
{
    if (state.loaded == 0)
        state.busy = 1;
}

void CVarnexProxy::EndRun()
{
    running_ = false;
    const std::vector<void (CVarnexProxy::*)()> held = std::exchange(held_, {});
    for (const auto effect : held)
        Handle(effect);
}

void CVarnexProxy::Handle(void (CVarnexProxy::*effect)())
{
    if (!attached_)
        return;
    if (running_) {
        held_.push_back(effect);
        return;
    }
    try {
        (this->*effect)();
    } catch (const std::exception& e) {
        report_(e);
    } catch (...) {
        report_(std::runtime_error("an unexpected error"));
    }
    Refresh(state_);
}

std::int32_t CVarnexProxy::OnMachineReady()
{
    Handle(&CVarnexProxy::MachineReady);
    return 0;
}

std::int32_t CVarnexProxy::OnSetupClosed()
{
    Handle(&CVarnexProxy::SetupClosed);
    return 0;
}

std::int32_t CVarnexProxy::OnRunFinished()
{
    Handle(&CVarnexProxy::RunFinished);
    return 0;
}

std::int32_t CVarnexProxy::OnDisableRunEntries()
{
    Handle(&CVarnexProxy::DisableRunEntries);
    return 0;
}

std::int32_t CVarnexProxy::OnEnableRunEntries()
{
    Handle(&CVarnexProxy::EnableRunEntries);
    return 0;
}

std::int32_t CVarnexProxy::OnReturnToMain()
{
    Handle(&CVarnexProxy::ReturnToMain);
    return 0;
}

void CVarnexProxy::MachineReady()
{
    host_.BringMainWindowToTop();
    state_.loaded = 1;
    // The machine is ready whether or not the registration goes through.
    try {
        readyToRun_();
    } catch (const std::exception& e) {
        report_(e);
    }
    state_.busy = 0;
    host_.EnableRunEntries(true);
}

void CVarnexProxy::RunFinished()
{
    host_.EnableRunEntries(true);
    state_.busy = 0;
    state_.machineReady = 1;
    host_.ShowStatus(MachineLinkHost::kReadyToRun);
}

void CVarnexProxy::DisableRunEntries() { host_.EnableRunEntries(false); }

void CVarnexProxy::EnableRunEntries() { host_.EnableRunEntries(true); }

void CVarnexProxy::ReturnToMain()
{
    host_.BringMainWindowToTop();
    state_.busy = 0;
    state_.machineReady = 1;
    host_.EnableRunEntries(true);
    host_.ShowStatus(MachineLinkHost::kReadyToRun);
}
