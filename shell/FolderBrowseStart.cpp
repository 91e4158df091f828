#include "shell/FolderBrowseStart.h"

#include "fw/core/DriveMap.h"
#include "fw/core/FileException.h"

std::optional<std::filesystem::path> FolderBrowseStart(const std::filesystem::path& shown)
{
    if (!shown.is_absolute())
        return std::nullopt;
    std::filesystem::path folder = shown.lexically_normal();
    if (!folder.has_filename())
        folder = folder.parent_path();   // no trailing separator
    for (;; folder = folder.parent_path()) {
        std::error_code error;
        if (std::filesystem::is_directory(folder, error))
            return folder;
        if (folder == folder.parent_path())
            return std::nullopt;
    }
}

std::optional<std::filesystem::path> FolderBrowseStart(std::string_view shownWindowsPath, const fw::DriveMap& drives)
{
    try {
        return FolderBrowseStart(drives.ToNative(shownWindowsPath));
    } catch (const fw::FileException&) {
        return std::nullopt;   // no drive, an unmapped drive or a refused name
    }
}
