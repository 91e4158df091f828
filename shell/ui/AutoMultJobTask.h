#pragma once
// Automatic multing in the program: the running job as the application object holds it, and the
// host that gives the automatic-multing windows the main frame's MDI area, the drive question
// and the application's job.

#include "machmult/ui/AutoMultHost.h"
#include "machmult/ui/AutoMultRun.h"
#include "shell/AutoMultTask.h"

#include <memory>

class CMainFrame;
class CVarnexApp;

class CAutoMultJobTask : public AutoMultTask {
public:
    // current: where the program keeps the run the application holds (identity only); the task
    // clears it when it goes.
    CAutoMultJobTask(std::unique_ptr<CAutoMultRun> run, const CAutoMultRun*& current);
    ~CAutoMultJobTask() override;

    bool IsRunning() const override { return run_->IsRunning(); }
    void RequestStop() override { run_->RequestStop(); }
    // Keeps the calls posted to this thread running while it waits (not the user's input), so a
    // worker that waits for an answer from the user-interface thread still gets it.
    void Join() override;

private:
    std::unique_ptr<CAutoMultRun> run_;
    const CAutoMultRun*& current_;
};

// The host over the main frame and the application; current as for CAutoMultJobTask, kept by the
// caller for the life of the program.
AutoMultHost MakeAutoMultHost(CMainFrame& frame, CVarnexApp& app, const CAutoMultRun*& current);
