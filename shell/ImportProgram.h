#pragma once
// File > Import: starts the outside import program whose path the profile keeps in "General",
// "Import Program"; asks for it when it is not set, and offers to choose another while it can't
// be started.

#include <functional>
#include <string>

namespace fw {
class Profile;
}

class ImportProgram {
public:
    // Starts a program without waiting for it; false with the system's reason when it can't.
    using Launcher = std::function<bool(const std::string& program, std::string& error)>;
    // The open-file dialog for executables; the chosen path, or empty on Cancel.
    using Browser = std::function<std::string()>;

    ImportProgram(fw::Profile& profile, Launcher launcher, Browser browser);

    std::string GetImportProgram() const;
    void SetImportProgram(const std::string& path);
    std::string BrowseImportProgram() const { return browser_(); }

    // The command: Cancel in the error box ends it.
    void Run();

private:
    fw::Profile& profile_;
    Launcher launcher_;
    Browser browser_;
};
