#pragma once
// A stand-in for the machine-side application: it answers every call as its settings say, logs
// each call with its arguments in order, and keeps the jobs it was asked to run. Unit tests use it
// in-process; the machine-side simulator program serves it over the session bus.

#include "machlink/TorvMachine.h"

#include <functional>
#include <string>
#include <vector>

namespace torv {

// How the simulated machine side answers.
struct MachineSideSettings {
    bool hasMachine = true;                  // the application offers ITorvMachine
    std::int32_t loadStatus = kLoadOk;       // ITorvMachine::Load
    std::int32_t finalizeStatus = kLoadOk;   // ITorvMachine::FinalizeLoad
    bool hasControl = true;                  // ITorvMachine::GetControl gives a control object
    std::int32_t runStatus = kRunStaysReady; // ITorvMachineControl::RunJob
    // A run with a status that leaves the machine busy calls OnRunFinished before it returns.
    bool finishDuringRun = false;
    bool hasHandMult = true;
    std::int32_t weldStation = 1;
    std::int32_t stencilsMark = 0;
    MarkStencil markStencil{};
    std::int32_t stencilCharacterWidth = 6250;   // ten-thousandths of an inch
    std::int32_t singlePieceParts = 0;
    std::int32_t faceMode = 0;
    double faceWidth = 0;
    // A call of this method name is logged and then fails with E_FAIL.
    std::string failMethod{};
};

// What a run received, for the simulator's window.
struct ReceivedPart {
    std::string identity;   // job, group and mark
    std::int32_t quantity = 0;
    double position = 0;     // as sent: the lengths of the pieces before it
    double cutStart = 0;     // where the machine starts it: the position and a kerf per piece before it
    double length = 0;
    int patterns = 0;
};
struct ReceivedJob {
    std::string identity;   // job, group and name
    std::int32_t kind = 0;
    double length = 0;
    double kerf = 0;
    std::vector<ReceivedPart> parts;
    std::int32_t pieces = 0;   // pieces of the parts added so far
    std::int32_t status = 0;
};

class SimulatedMachine {
public:
    explicit SimulatedMachine(MachineSideSettings settings = {}) : settings_(settings) {}
    SimulatedMachine(const SimulatedMachine&) = delete;
    SimulatedMachine& operator=(const SimulatedMachine&) = delete;

    // A new application object over this machine side.
    std::unique_ptr<ITorvMachineApplication> NewApplication();

    MachineSideSettings& Settings() { return settings_; }
    // One line per call: "Object.Method(arguments) -> result".
    const std::vector<std::string>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }
    // Called with each line as it is logged.
    void SetLogObserver(std::function<void(const std::string&)> observer) { observer_ = std::move(observer); }
    const std::vector<ReceivedJob>& RunJobs() const { return runJobs_; }

    // The callback object last registered (through the machine or the control object); none after unload.
    ITorvMachineResponse* Response() const { return response_; }

    // Calls a callback of the registered response the way the machine side does on its own; false
    // when none is registered. 3 OnMachineReady ... 8 OnReturnToMain.
    bool CallBack(int method);

    // Used by the objects of this machine side.
    void Write(std::string line);
    int NextId(const char* kind);
    void SetResponse(ITorvMachineResponse* response) { response_ = response; }
    void Received(ReceivedJob job) { runJobs_.push_back(std::move(job)); }

private:
    MachineSideSettings settings_;
    std::vector<std::string> log_;
    std::function<void(const std::string&)> observer_;
    std::vector<ReceivedJob> runJobs_;
    ITorvMachineResponse* response_ = nullptr;
    std::vector<std::pair<std::string, int>> counters_;
};

// Argument text of the log: strings quoted with \r, \n, \" and \\ escaped; numbers as the
// shortest text that reads back the same.
std::string LogText(const std::string& text);
std::string LogText(double value);
std::string LogText(std::int32_t value);

} // namespace torv
