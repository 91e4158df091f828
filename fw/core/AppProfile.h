#pragma once
// The program's profile, one per process: the user's settings in the program, an in-memory
// profile until one is installed (tests and windowless runs).

#include "fw/core/FwCoreExport.h"
#include "fw/core/Profile.h"

#include <memory>

namespace fw {

FW_CORE_EXPORT Profile& AppProfile();
// Installs a profile (null installs an empty in-memory one) and returns the one it replaces.
FW_CORE_EXPORT std::unique_ptr<Profile> SetAppProfile(std::unique_ptr<Profile> profile);

} // namespace fw
