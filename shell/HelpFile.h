#pragma once
// Where the program's help file lies. The build tree keeps it beside the program; an installation
// keeps it in the shared data folder: <prefix>/bin/varnex, <prefix>/share/varnex/help/<name>.

#include <array>
#include <filesystem>
#include <optional>
#include <string>

// The places looked at, in order: beside the program, then the installation's help folder.
std::array<std::filesystem::path, 2> HelpFileCandidates(const std::filesystem::path& programFolder,
                                                         const std::string& name);
// The first candidate that is a file; nothing when none is.
std::optional<std::filesystem::path> FindHelpFile(const std::filesystem::path& programFolder, const std::string& name);
