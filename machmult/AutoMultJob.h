#pragma once
// An automatic-multing job: the mult it was started from (its header is the template of every
// mult made and its folder the place they are saved), the stock choices with their parts, and,
// once begun, the worker thread that runs the multing engine over the choices and saves each mult
// it returns. The job owns the worker: stopping asks the worker (and the engine's search) to end
// at its next check, and destroying the job stops and joins it, so the worker never outlives what
// it reads.

#include "automult/AutoMultUi.h"
#include "automult/ICommonAutoMult.h"
#include "fw/core/Poster.h"
#include "machmult/AutoMultShapeList.h"
#include "records/MultRecord.h"

#include <atomic>
#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

// The engine zone of a tool's or station's face-and-side code; eAM_ZONE_UNKNOWN for other codes.
enumZone ZoneOfFaceCode(int code);

// What a run did, reported once when the worker ends.
struct AutoMultSummary {
    enum class End { finished, cancelled, stopped, failed };
    struct LeftPart {
        std::string key;        // job\group\mark, or the file of a part that could not be read
        std::uint32_t quantity; // pieces not multed; 0 when unknown
        std::string reason;
    };

    End end = End::finished;
    std::vector<std::string> saved;     // the mult files, in the order made
    std::vector<std::string> problems;  // choices left out, mults that could not be saved
    std::vector<LeftPart> left;         // parts not (wholly) placed on a mult

    // The end-of-run report: how the run ended, the mults saved, then the problems and the parts
    // left, one a line; each list shortened as fw::MessageLines does.
    std::string Text() const;
    // "Parts not multed:" and the parts left, one a line; empty when none was left.
    std::string LeftText() const;
};

// Told on the worker's thread; must not wait for the user-interface thread.
class AutoMultListener {
public:
    virtual ~AutoMultListener() = default;
    virtual void OnProgress(int percent) = 0;
    virtual void OnStatus(const std::string& text) = 0;
    // Once, last.
    virtual void OnEnded(const AutoMultSummary& summary) = 0;
};

class AutoMultJob {
public:
    static constexpr const char* kUnexpectedError = "Unexpected Error while doing Auto Multing";

    // Makes the engine of one stock choice, talking to that user interface.
    using EngineFactory = std::function<std::unique_ptr<ICommonAutoMult>(IAutoMultUi&)>;
    struct Services {
        EngineFactory engine;              // none: the working engine with the program's profile
        std::shared_ptr<IAutoMultUi> ui;   // the engine's dialogs
        fw::Poster* poster = nullptr;      // the thread the dialogs run on; none: the worker's
        AutoMultListener* listener = nullptr;   // must outlive the worker
    };

    AutoMultJob(MultRecord header, std::string folder, CAutoMultShapeList choices);
    ~AutoMultJob();
    AutoMultJob(const AutoMultJob&) = delete;
    AutoMultJob& operator=(const AutoMultJob&) = delete;

    const MultRecord& GetHeader() const { return header_; }
    const std::string& GetFolder() const { return folder_; }
    // The choices may be edited until Begin; then they belong to the worker.
    CAutoMultShapeList& GetChoices() { return choices_; }
    // The parts the gathering could not take (unreadable files, missing shapes); the end report
    // names them first among the parts not multed.
    const std::vector<AutoMultSummary::LeftPart>& GetLeftOut() const { return leftOut_; }
    void SetLeftOut(std::vector<AutoMultSummary::LeftPart> parts) { leftOut_ = std::move(parts); }

    // Starts the worker. False, with nothing started, without stock choices or when already begun.
    bool Begin(Services services);
    bool HasBegun() const { return begun_; }
    // Whether the worker is still running.
    bool IsRunning() const { return running_; }
    // Safe from any thread, the worker's own included, even while Begin starts it.
    void RequestStop() { stop_.request_stop(); }
    // Waits for the worker to end.
    void Join();

private:
    MultRecord header_;
    std::string folder_;
    CAutoMultShapeList choices_;
    std::vector<AutoMultSummary::LeftPart> leftOut_;
    Services services_;
    bool begun_ = false;
    std::atomic<bool> running_ = false;
    std::stop_source stop_;   // the worker's, made before it starts so a stop never waits for its thread
    std::thread worker_;   // last: the destructor stops and joins it before the rest goes
};
