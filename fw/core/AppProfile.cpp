#include "fw/core/AppProfile.h"

#include <mutex>

namespace fw {

namespace {

std::mutex currentMutex;

std::unique_ptr<Profile>& Current()
{
    static std::unique_ptr<Profile> current = std::make_unique<MemoryProfile>();
    return current;
}

} // namespace

Profile& AppProfile()
{
    std::lock_guard lock(currentMutex);
    return *Current();
}

std::unique_ptr<Profile> SetAppProfile(std::unique_ptr<Profile> profile)
{
    if (!profile)
        profile = std::make_unique<MemoryProfile>();
    std::lock_guard lock(currentMutex);
    Current().swap(profile);
    return profile;
}

} // namespace fw
