#pragma once
// Case-insensitive name lookup in a folder at a cost that does not grow with the folder: the
// process keeps, for the folders it has looked in, their names keyed by the upper-case
// Windows-1252 form, and keeps them current with the kernel's change notification (inotify), so
// that files created, removed or renamed by this or any other process on this machine are seen
// at the next lookup. Folders on file systems whose notifications do not cover other machines
// (network and FUSE file systems), and any folder when notification is not available, are listed
// at every lookup as before. Safe to use from several threads.

#include <filesystem>
#include <optional>
#include <string_view>

namespace fw {

class FolderIndex {
public:
    // The name in folder that equals name (Windows-1252) ignoring case, the least in byte order
    // when several do; names not writable in Windows-1252 never match. Nothing when none does or
    // the folder cannot be read.
    static std::optional<std::filesystem::path> FindIgnoringCase(const std::filesystem::path& folder,
                                                                 std::string_view name);

    // How many folders the process keeps at most; the least recently used goes first.
    static constexpr std::size_t kMaxFolders = 256;
};

} // namespace fw
