#pragma once
// Files and folders named by Windows paths, through the process-wide DriveMap. Failures throw
// FileException carrying the Windows path (and errno); the paths DriveMap refuses are refused here
// the same way.

#include "fw/core/FwCoreExport.h"
#include <string>
#include <string_view>
#include <vector>

namespace fw::FileSystem {

// Whether a file or folder is there, or a file saved into this thread's commit group will be;
// false as well for paths that cannot be converted.
FW_CORE_EXPORT bool Exists(std::string_view winPath);
FW_CORE_EXPORT bool IsFolder(std::string_view winPath);

// Removes a file or an empty folder: fileNotFound when missing, accessDenied for a folder that
// is not empty or a drive's own folder.
FW_CORE_EXPORT void Remove(std::string_view winPath);
// Renames or moves a file or folder. An existing target is refused (accessDenied) unless it is
// the same file under another case, which is then renamed to the new spelling.
FW_CORE_EXPORT void Rename(std::string_view from, std::string_view to);
// Copies a file. With failIfExists an existing target is refused (accessDenied); otherwise it is
// replaced atomically, so a failed copy leaves it as it was.
FW_CORE_EXPORT void CopyFile(std::string_view from, std::string_view to, bool failIfExists);
// Makes every folder of the path up to its last '\' ("C:\a\b\B12.prt" makes C:\a and C:\a\b; the
// file name is never made); existing folders are no error.
FW_CORE_EXPORT void CreateFolders(std::string_view winPath);

enum ListWhat { files = 1, folders = 2, filesAndFolders = files | folders };
// The names (not paths) in a folder that match a wildcard, ignoring case: "C:\Jobs\J1\*.prt".
// Sorted ignoring case (byte order among names equal but for case). Names that cannot be written
// in Windows-1252 or hold '\' are left out. A missing folder is badPath.
FW_CORE_EXPORT std::vector<std::string> List(std::string_view winPattern, ListWhat what = filesAndFolders);

} // namespace fw::FileSystem
