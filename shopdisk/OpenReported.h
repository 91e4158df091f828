#pragma once
// Opening a shop-disk file through its access class, with a failure shown to the user: the
// shop database files keep why an open failed, the disk operations say it.

#include "fw/core/FileException.h"
#include "fw/core/MessageService.h"
#include "shopdisk/LegacyConversion.h"

#include <exception>
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

// access.Open(args...), naming a failure (one with a cause) in the conversion run.
template <class Access, class... Args>
bool OpenOrRefuse(Access& access, LegacyConversion& run, Args&&... args)
{
    if (access.Open(std::forward<Args>(args)...))
        return true;
    if (access.OpenError().cause() != fw::FileException::none)
        run.Refuse(access.OpenError().what());
    return false;
}

// Closes a read access and forgets its chain when the scope ends, also on an error.
template <class Access> class ClosingAccess {
public:
    explicit ClosingAccess(Access& access) : access_(access) {}
    ~ClosingAccess()
    {
        try {
            access_.Close();
        } catch (const std::exception&) {
            // Read only: nothing to lose.
        }
        access_.Reset();
    }
    ClosingAccess(const ClosingAccess&) = delete;
    ClosingAccess& operator=(const ClosingAccess&) = delete;

private:
    Access& access_;
};
