#pragma once
// The drive map: the program names files in Windows form ("C:\Kestrom\Jobs\J1\G1\B12.prt"); each
// drive letter stands for a Linux folder, and only the file layer converts.
//
// ToNative refuses, with a FileException on the Windows path:
//   - a path without a drive ("\x", "x", "\\server\x"), a drive-relative path ("C:x") and an
//     unmapped drive: badPath, like a path whose folder does not exist (its text is
//     "Unknown Error" when it reaches the user);
//   - a ".." component, and a name holding NUL or '/': invalidFile ("Invalid File"). These are
//     refused rather than mended so that no name can reach outside its drive's folder.
// Empty and "." components are skipped, as Windows does. Names are Windows-1252 in the program and
// UTF-8 on disk.

#include "fw/core/FwCoreExport.h"
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class Profile;

class FW_CORE_EXPORT DriveMap {
public:
    // A map without drives.
    DriveMap() = default;

    // C: -> $HOME/Varnex/C, made on first use.
    static DriveMap Default();
    // The drives of profile section "Drives": entries "A".."Z" whose values are absolute Linux
    // folders, held in the profile as Windows-1252 text like every profile value (other values
    // are ignored). Without a usable "C" entry, C: is the default one.
    static DriveMap FromProfile(const Profile& profile);

    // Why Map refuses a drive, in words naming it; nothing when it takes it. A drive is one
    // letter A-Z (either case); its folder is absolute.
    static std::optional<std::string> Refusal(std::string_view drive, const std::filesystem::path& folder);

    // Maps a drive letter (either case) to an absolute folder; createOnUse makes the folder the
    // first time a path on the drive is converted. Throws std::invalid_argument with the
    // refusal's words for what Refusal refuses.
    void Map(char drive, std::filesystem::path folder, bool createOnUse = false);

    // The mapped letters, upper case, in order.
    std::vector<char> Drives() const;
    // The folder of a drive letter (either case).
    std::optional<std::filesystem::path> Root(char drive) const;

    // The Linux path of a Windows path. Each component that does not exist with the exact name is
    // looked up ignoring case (the first match in byte order wins when several names differ only
    // by case); components that do not exist keep the spelling given.
    std::filesystem::path ToNative(std::string_view winPath) const;
    // The Windows path of a Linux path under a mapped folder (the deepest mapped folder wins);
    // nothing when it lies under none or a name cannot be written in Windows-1252 or holds '\'.
    std::optional<std::string> ToWindows(const std::filesystem::path& native) const;

    // The process-wide map, Default() until one is set. Set it at start-up (or in a test) before
    // other threads use it. SetInstance returns the previous map; nullptr goes back to the default.
    static DriveMap& Instance();
    static std::unique_ptr<DriveMap> SetInstance(std::unique_ptr<DriveMap> map);

private:
    struct Drive {
        std::filesystem::path folder;
        bool createOnUse = false;
    };
    std::map<char, Drive> drives_;
};

} // namespace fw
