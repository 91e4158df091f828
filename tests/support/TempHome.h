#pragma once
// HOME and XDG_DATA_HOME inside a test's own folder for the life of the object, so what the code
// under test moves to the desktop's trash lands in <folder>/share/Trash: never in the user's
// trash, and never in the working folder (where the trash of a data home that is gone ends up).

#include "tests/support/ScopedEnv.h"

#include <filesystem>

class TempHome {
public:
    explicit TempHome(const std::filesystem::path& folder)
        : home_("HOME", folder.c_str()), dataHome_("XDG_DATA_HOME", (folder / "share").c_str())
    {
        std::filesystem::create_directories(folder / "share");
    }

private:
    ScopedEnv home_;
    ScopedEnv dataHome_;
};
