#pragma once
// The values of the options pages: which document windows reopen where they were closed
// ("Current Settings"), and the default job drive and the program's folders ("Directories").

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace fw {
class Profile;
}

// One check box of the "Windows" page.
struct RetainOption {
    unsigned key;       // string id of its flag in "Current Settings"
    int checkBox;       // control id
    const char* text;
};

// The seven retain flags, in page order.
struct WindowRetainSettings {
    static std::span<const RetainOption> Options();

    std::array<int, 7> flags{};

    static WindowRetainSettings Load(const fw::Profile& profile);
    void Save(fw::Profile& profile) const;
};

// The "Directories" page: the drive by letter, the job folder without a drive, the other folders
// in full.
struct DirectorySettings {
    char drive = 'C';
    std::string jobFolder;
    std::string machineFolder;
    std::string shapeFolder;
    std::string toolFolder;

    // A stored drive number outside 1..26 gives drive C.
    static DirectorySettings Load(const fw::Profile& profile);
    // Writes the drive number (1 for A), then the job, shape, tool and machine folders.
    void Save(fw::Profile& profile) const;

    // Takes a browsed job folder ("D:\Work\Jobs"): the folder without its drive, and its drive.
    void SetJobFolderFromBrowse(std::string_view folder);

    bool operator==(const DirectorySettings&) const = default;
};
