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

    TorvMachineLink(MachineLinkState& state, MachineLinkHost& host, ApplicationFactory factory);
    ~TorvMachineLink() override;

    // Starts the machine side and hands it the callback object. False when it could not be
    // started or offers no machine interface (the link is then useless); true when the
    // application is held, even when its load failed (reported; loaded stays 0 until the
    // machine side reports ready).
    bool Load();
    // The machine side went away: nothing is loaded until it reports ready again.
    void OnMachineSideGone();

    torv::ITorvMachineResponse& Response() { return proxy_; }

    // MachineLink
    void Close() override;
    void RunPart(const std::string& path) override;
    void RunMult(const std::string& path) override;
    void RunMultMultiple(const std::string& list) override;
    void OnMachineCommand(MachineCommand command) override;

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
    void ReadyToRun();
    // The run frame: nothing unless loaded; the control object, the job, the filling (false ends
    // without running), the run and its status.
    void Run(const char* handler, const std::function<bool(torv::ITorvMachineControl&, torv::ITorvMachineJob&)>& fill,
             bool needsWeldStation = false);
    void ApplyRunStatus(std::int32_t status);
    // Sends the parts of a loaded mult from the position on; false at a part that cannot be read.
    bool SendMultParts(torv::JobTransfer& transfer, CMultDoc& mult, const std::string& path, double& position,
                       bool& sectionSent);
    void Guard(const char* handler, const std::function<void()>& command);
    void Report(const std::exception& error);

    MachineLinkState& state_;
    MachineLinkHost& host_;
    ApplicationFactory factory_;
    CVarnexProxy proxy_;
    std::unique_ptr<torv::ITorvMachineApplication> application_;
};
