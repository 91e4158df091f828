#include "model/JobPaths.h"

#include "fw/core/AppProfile.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <cctype>

namespace jobs {

namespace {

constexpr const char* kDirectories = "Directories";

bool IsBlank(std::string_view name) { return name.find_first_not_of(' ') == std::string_view::npos; }

} // namespace

bool IsName(std::string_view name)
{
    // A file name ending in a dot or a blank is not kept as typed on every system (and a legacy
    // field drops trailing blanks), so it would name another file.
    return name.size() <= kNameLength && fw::WinPath::IsFileName(name) && name.back() != '.' && name.back() != ' ';
}

bool IsFolderName(std::string_view name) { return IsBlank(name) || IsName(name); }

std::string FolderName(std::string_view name) { return std::string(IsBlank(name) ? kNone : name); }

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
        if (field && fw::WinPath::IsFileName(name))
            *field = std::string(name.substr(0, kNameLength));
        return true;
    };
    if (cutLast(nullptr) && cutLast(&group))
        cutLast(&job);
}

std::string SaveFolder(std::string_view drive, std::string_view job, std::string_view group, std::string_view path)
{
    const auto sameText = [](std::string_view a, std::string_view b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
                   return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
               });
    };
    const std::string jobs = std::string(drive) + Directory() + "\\";
    std::string pathJob, pathGroup;
    FromPath(path, pathJob, pathGroup);
    const std::string_view folder = fw::WinPath::Folder(path);
    const bool fromThere = folder.size() > jobs.size() && sameText(folder.substr(0, jobs.size()), jobs) &&
                           pathJob == FolderName(job) && pathGroup == FolderName(group);
    return fromThere ? std::string(folder) : GroupFolder(drive, job, group);
}

} // namespace jobs
