#pragma once
// Where a folder browser starts: at the folder shown in its field, or the nearest folder above it
// that exists; nothing (the browser's own choice) when the field names no existing place.

#include <filesystem>
#include <optional>
#include <string_view>

namespace fw {
class DriveMap;
}

// A Linux folder as typed (the Drives page).
std::optional<std::filesystem::path> FolderBrowseStart(const std::filesystem::path& shown);
// A folder in the program's Windows form, on a drive of the map (the Directories page).
std::optional<std::filesystem::path> FolderBrowseStart(std::string_view shownWindowsPath, const fw::DriveMap& drives);
