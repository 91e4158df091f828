#include "model/JobPaths.h"

#include "fw/core/AppProfile.h"
#include "fw/core/WinPath.h"

namespace jobs {

namespace {
constexpr const char* kDirectories = "Directories";
}

bool IsName(std::string_view name)
{
    return name.size() <= kNameLength && fw::WinPath::IsFileName(name);
}

bool IsFolderName(std::string_view name) { return name.empty() || IsName(name); }

std::string FolderName(std::string_view name) { return std::string(name.empty() ? kNone : name); }

std::string DefaultDrive()
{
    const int number = fw::AppProfile().GetProfileInt(kDirectories, "Default Job Drive", 3);
    const char letter = number >= 1 && number <= 26 ? char('A' + number - 1) : 'C';
    return std::string(1, letter) + ":";
}

std::string DriveOf(std::string_view path)
{
    const char drive = fw::WinPath::Drive(path);
    return drive ? std::string(1, drive) + ":" : DefaultDrive();
}

std::string Directory()
{
    return fw::AppProfile().GetProfileString(kDirectories, "Job/Group Directory", "\\Kestrom\\Jobs");
}

std::string GroupFolder(std::string_view drive, std::string_view job, std::string_view group)
{
    return std::string(drive) + Directory() + "\\" + FolderName(job) + "\\" + FolderName(group);
}

void FromPath(std::string_view path, std::string& job, std::string& group)
{
    std::string_view rest = path;
    if (const auto dot = rest.rfind('.'); dot != std::string_view::npos)
        rest = rest.substr(0, dot);
    // Cuts the last "\name" off rest; false when there is no '\'.
    const auto cutLast = [&rest](std::string* field) {
        const auto slash = rest.rfind('\\');
        if (slash == std::string_view::npos)
            return false;
        const std::string_view name = rest.substr(slash + 1);
        rest = rest.substr(0, slash);
        if (field && IsName(name))
            *field = std::string(name);
        return true;
    };
    if (cutLast(nullptr) && cutLast(&group))
        cutLast(&job);
}

} // namespace jobs
