#pragma once
// A background automatic-multing job as the application object sees it: a worker that can be
// asked to stop and waited for. The application stops and joins the worker before it frees the
// job, so nothing the worker uses is freed under it.

class AutoMultTask {
public:
    virtual ~AutoMultTask() = default;
    // Whether the worker has not ended yet.
    virtual bool IsRunning() const = 0;
    // Signals the stop request; the worker ends at its next poll.
    virtual void RequestStop() = 0;
    // Waits, without a time-out, until the worker has ended. The worker must never wait on the
    // user-interface thread, which may be the one waiting here.
    virtual void Join() = 0;
};
