#pragma once
// The steps of an atomic save that AtomicFile and CommitGroup share.

#include <filesystem>
#include <string>

namespace fw::filesync {

// Flushes a folder's entries to the disk; throws FileException on the program's path. File
// systems that cannot sync a folder count as done.
void SyncFolder(const std::filesystem::path& folder, const std::string& path);

// Renames from to to unless to exists: 0, or the errno of the failure (EEXIST: to exists). File
// systems without the no-replace rename get a hard link and an unlink of the old name instead.
int MoveIfAbsent(const std::filesystem::path& from, const std::filesystem::path& to);
// Renames from to to, replacing to when replace is set, else as MoveIfAbsent: 0 or the errno.
int Move(const std::filesystem::path& from, const std::filesystem::path& to, bool replace);

// Starts writing a file's data to the disk without waiting for it.
void StartWriteback(int fd);

} // namespace fw::filesync
