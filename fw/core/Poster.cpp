#include "fw/core/Poster.h"

namespace fw {

void QueuePoster::Post(std::function<void()> call)
{
    std::lock_guard lock(mutex_);
    calls_.push_back(std::move(call));
}

std::size_t QueuePoster::RunPending()
{
    std::deque<std::function<void()>> calls;
    {
        std::lock_guard lock(mutex_);
        calls.swap(calls_);
    }
    for (auto& call : calls)
        call();
    return calls.size();
}

std::size_t QueuePoster::Pending() const
{
    std::lock_guard lock(mutex_);
    return calls_.size();
}

} // namespace fw
