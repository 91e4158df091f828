#pragma once
// The program's link to the machine side: loads it at the end of start-up, unloads it at exit,
// carries the Machine menu and the run commands, and keeps the application's link state with
// the callback object.
//
// Every command catches what goes wrong and reports it; a machine side that stops answering
// leaves the program usable and the link not busy.

#include "machlink/JobTransfer.h"
#include "machlink/VarnexProxy.h"
#include "shell/MachineLink.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CMultDoc;

class TorvMachineLink : public MachineLink {
public:
    // Creates and starts the machine-side application; null when either fails. onGone is to be
    // called when the machine side goes away.
    using ApplicationFactory =
        std::function<std::unique_ptr<torv::ITorvMachineApplication>(std::function<void()> onGone)>;

    // Whether the machine side, not running, could be started by the factory. Asked when the link
    // is made, when a load does not hold the machine side and when it goes; the answer is kept, so
    // that enabling a menu entry never waits for it.
    using StartCheck = std::function<bool()>;

    TorvMachineLink(MachineLinkState& state, MachineLinkHost& host, ApplicationFactory factory,
                    StartCheck canStart = {});
    ~TorvMachineLink() override;

    // Starts the machine side and hands it the callback object. False when it could not be
    // started or offers no machine interface (the status bar says so and the Run entries are
    // greyed unless it can be started later); true when the application is held. A load the
    // machine side fails is reported and counts as loaded all the same, so that Machine Setup
    // can put it right.
    bool Load();
    // The machine side appeared on its own: loaded as at start-up unless already held.
    void OnMachineSideAppeared();
    // The machine side went away: the application is let go and nothing is loaded until it
    // appears again or a command starts it.
    void OnMachineSideGone();
    // An application interface is held.
    bool IsHeld() const { return application_ != nullptr; }

    torv::ITorvMachineResponse& Response() { return proxy_; }

    // MachineLink
    void Close() override;
    void RunPart(const std::string& path) override;
    void RunMult(const std::string& path) override;
    void RunMultMultiple(const std::string& list) override;
    void OnMachineCommand(MachineCommand command) override;
    // Machine Setup: held (or startable), nothing busy and the machine ready; Manual Screen and
    // Machine Tool Bar: held or startable; Show View and Show Global Message always.
    bool IsCommandEnabled(MachineCommand command) const override;

    // The path of a mult's part: the root of the mult's drive, the job/group folder of the
    // profile, the part's job, group and mark, ".prt".
    static std::string MultPartPath(const std::string& multPath, const std::string& job, const std::string& group,
                                    const std::string& mark);

    enum class MultCheck { ok, missingPart, different };
    // Every part of every listed mult exists and all share one designation type and size. A
    // missing part or an unreadable mult has been reported when it answers missingPart.
    static MultCheck CheckMultsForRun(const std::vector<std::string>& mults);

private:
    std::unique_ptr<torv::ITorvMachine> Machine();
    // Held, or loaded now; false (the status bar says why) when the machine side can't be had.
    bool Reach();
    // The load did not hold the machine side: why (null: nothing answered the factory), whether a
    // Run could reach it, in the status bar and in the Run entries. Answers false.
    bool NotLoaded(const char* why);
    // The Run entries follow whether a run can reach the machine side.
    void ShowReach();
    void ReadyToRun();
    void RunCommand(MachineCommand command);
    // The run frame: the machine side is started when it is not held; nothing unless loaded;
    // the control object, the job, the filling (false ends without running), the run and its
    // status, which the status bar tells with what was run.
    void Run(const char* handler, const std::string& what,
             const std::function<bool(torv::ITorvMachineControl&, torv::ITorvMachineJob&)>& fill,
             bool needsWeldStation = false);
    void ApplyRunStatus(std::int32_t status, const std::string& what);
    // Sends the parts of a loaded mult from the position on; false at a part that cannot be read.
    bool SendMultParts(torv::JobTransfer& transfer, CMultDoc& mult, const std::string& path, double& position,
                       bool& sectionSent);
    void Guard(const char* handler, const std::function<void()>& command);
    void Report(const std::exception& error);

    MachineLinkState& state_;
    MachineLinkHost& host_;
    ApplicationFactory factory_;
    StartCheck canStart_;
    bool startable_;   // the last answer of canStart_
    CVarnexProxy proxy_;
    std::unique_ptr<torv::ITorvMachineApplication> application_;
    // The application of a machine side that went away, kept until the next load: it is let go
    // from inside its own notification.
    std::unique_ptr<torv::ITorvMachineApplication> gone_;
    // Why the last load did not hold the machine side.
    std::string whyNot_;
};
