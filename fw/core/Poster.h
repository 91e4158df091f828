#pragma once
// Calls handed from any thread to the thread that owns the user interface, to run there later
// in the order they were posted.

#include "fw/core/FwCoreExport.h"
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>

namespace fw {

class FW_CORE_EXPORT Poster {
public:
    virtual ~Poster() = default;
    // Queues a call; safe from any thread. Never runs the call before returning.
    virtual void Post(std::function<void()> call) = 0;
};

// A poster whose calls wait until RunPending() is called (tests and windowless runs).
class FW_CORE_EXPORT QueuePoster : public Poster {
public:
    void Post(std::function<void()> call) override;
    // Runs the calls queued so far, in order; calls they post wait for the next run.
    // Returns how many ran.
    std::size_t RunPending();
    std::size_t Pending() const;

private:
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> calls_;
};

} // namespace fw
