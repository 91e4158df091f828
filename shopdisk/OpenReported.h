#pragma once
// Opening a shop-disk file through its access class, with a failure shown to the user: the
// shop database files keep why an open failed, the disk operations say it.

#include "fw/core/FileException.h"
#include "fw/core/MessageService.h"

#include <utility>

// Shows "ERROR: <cause> -- On File <path>" with the stop icon; nothing for a failure without a
// cause (one that is not to be reported).
inline void ReportOpenFailure(const fw::FileException& error)
{
    if (error.cause() != fw::FileException::none)
        fw::ShowMessage(error.what(), fw::MB_OK | fw::MB_ICONHAND);
}

// access.Open(args...), reporting a failure.
template <class Access, class... Args>
bool OpenReported(Access& access, Args&&... args)
{
    if (access.Open(std::forward<Args>(args)...))
        return true;
    ReportOpenFailure(access.OpenError());
    return false;
}
