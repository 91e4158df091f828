#include "shell/HelpFile.h"

std::array<std::filesystem::path, 2> HelpFileCandidates(const std::filesystem::path& programFolder,
                                                         const std::string& name)
{
    return {programFolder / name,
            (programFolder / ".." / "share" / "varnex" / "help" / name).lexically_normal()};
}

std::optional<std::filesystem::path> FindHelpFile(const std::filesystem::path& programFolder, const std::string& name)
{
    for (std::filesystem::path& candidate : HelpFileCandidates(programFolder, name)) {
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return std::move(candidate);
    }
    return std::nullopt;
}
