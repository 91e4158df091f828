#include "fw/core/DriveMap.h"

#include "fw/core/FileException.h"
#include "fw/core/FolderIndex.h"
#include "fw/core/Profile.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"

#include <cstdlib>
#include <mutex>
#include <stdexcept>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace fw {

namespace fs = std::filesystem;

namespace {

char DriveLetter(char drive)
{
    const char letter = ToUpper1252(drive);
    return letter >= 'A' && letter <= 'Z' ? letter : '\0';
}

fs::path HomeFolder()
{
    if (const char* home = std::getenv("HOME"); home && fs::path(home).is_absolute())
        return home;
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && fs::path(user->pw_dir).is_absolute())
        return user->pw_dir;
    return fs::temp_directory_path();
}

struct Parsed {
    char drive;
    std::vector<std::string_view> names;
};

Parsed Parse(std::string_view winPath)
{
    const char drive = WinPath::Drive(winPath);
    if (!drive || (winPath.size() > 2 && winPath[2] != '\\'))
        throw FileException(FileException::badPath, std::string(winPath));
    Parsed parsed{drive, {}};
    std::string_view rest = winPath.substr(2);
    while (!rest.empty()) {
        const std::size_t sep = rest.find('\\');
        const std::string_view name = rest.substr(0, sep);
        rest.remove_prefix(sep == std::string_view::npos ? rest.size() : sep + 1);
        if (name.empty() || name == ".")
            continue;
        if (name == ".." || name.find('\0') != std::string_view::npos || name.find('/') != std::string_view::npos)
            throw FileException(FileException::invalidFile, std::string(winPath));
        parsed.names.push_back(name);
    }
    return parsed;
}

bool Exists(const fs::path& path)
{
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// The part of path below root; nothing when root is not a leading part of path.
std::optional<fs::path> RelativeTo(const fs::path& path, const fs::path& root)
{
    auto p = path.begin();
    for (auto r = root.begin(); r != root.end(); ++r, ++p)
        if (p == path.end() || *p != *r)
            return std::nullopt;
    fs::path rest;
    for (; p != path.end(); ++p)
        rest /= *p;
    return rest;
}

struct Global {
    std::mutex mutex;
    std::unique_ptr<DriveMap> map;
};

Global& TheGlobal()
{
    static Global global;
    return global;
}

} // namespace

DriveMap DriveMap::Default()
{
    DriveMap map;
    map.Map('C', HomeFolder() / "Varnex" / "C", true);
    return map;
}

DriveMap DriveMap::FromProfile(const Profile& profile)
{
    DriveMap map = Default();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const fs::path folder = Cp1252ToUtf8(profile.GetProfileString("Drives", std::string(1, letter)));
        if (folder.is_absolute())
            map.Map(letter, folder);
    }
    return map;
}

std::optional<std::string> DriveMap::Refusal(std::string_view drive, const fs::path& folder)
{
    if (drive.size() != 1 || !DriveLetter(drive[0]))
        return "The drive \"" + std::string(drive) + "\" is not a letter A-Z.";
    if (!folder.is_absolute())
        return "The folder of drive " + std::string(1, DriveLetter(drive[0])) + ": must be a full path starting with /, not \"" +
               Utf8ToCp1252(folder.native()) + "\".";
    return std::nullopt;
}

void DriveMap::Map(char drive, fs::path folder, bool createOnUse)
{
    if (const std::optional<std::string> refusal = Refusal(std::string_view(&drive, 1), folder))
        throw std::invalid_argument(*refusal);
    const char letter = DriveLetter(drive);
    folder = folder.lexically_normal();
    if (!folder.has_filename())
        folder = folder.parent_path();   // no trailing separator
    drives_[letter] = Drive{std::move(folder), createOnUse};
}

std::vector<char> DriveMap::Drives() const
{
    std::vector<char> letters;
    for (const auto& [letter, drive] : drives_)
        letters.push_back(letter);
    return letters;
}

std::optional<fs::path> DriveMap::Root(char drive) const
{
    auto it = drives_.find(DriveLetter(drive));
    return it == drives_.end() ? std::nullopt : std::optional(it->second.folder);
}

fs::path DriveMap::ToNative(std::string_view winPath) const
{
    const Parsed parsed = Parse(winPath);
    auto it = drives_.find(parsed.drive);
    if (it == drives_.end())
        throw FileException(FileException::badPath, std::string(winPath));
    fs::path path = it->second.folder;
    if (it->second.createOnUse) {
        std::error_code ec;
        fs::create_directories(path, ec);
    }
    bool exists = true;
    for (std::string_view name : parsed.names) {
        fs::path next = path / Cp1252ToUtf8(name);
        if (exists && !Exists(next)) {
            const std::optional<fs::path> found = FolderIndex::FindIgnoringCase(path, name);
            exists = found.has_value();
            if (found)
                next = path / *found;
        }
        path = std::move(next);
    }
    return path;
}

std::optional<std::string> DriveMap::ToWindows(const fs::path& native) const
{
    if (!native.is_absolute())
        return std::nullopt;
    const fs::path normal = native.lexically_normal();
    std::optional<std::string> best;
    std::size_t bestDepth = 0;
    for (const auto& [letter, drive] : drives_) {
        const std::optional<fs::path> rest = RelativeTo(normal, drive.folder);
        const std::size_t depth = std::size_t(std::distance(drive.folder.begin(), drive.folder.end()));
        if (!rest || (best && depth <= bestDepth))
            continue;
        std::string win = std::string(1, letter) + ":";
        for (const fs::path& part : *rest) {
            if (part.empty())
                continue;
            bool replaced = false;
            const std::string name = Utf8ToCp1252(part.native(), &replaced);
            if (replaced || name.find('\\') != std::string::npos)
                return std::nullopt;
            win += '\\' + name;
        }
        best = win.size() == 2 ? win + '\\' : win;
        bestDepth = depth;
    }
    return best;
}

DriveMap& DriveMap::Instance()
{
    Global& global = TheGlobal();
    std::lock_guard lock(global.mutex);
    if (!global.map)
        global.map = std::make_unique<DriveMap>(Default());
    return *global.map;
}

std::unique_ptr<DriveMap> DriveMap::SetInstance(std::unique_ptr<DriveMap> map)
{
    Global& global = TheGlobal();
    std::lock_guard lock(global.mutex);
    std::swap(global.map, map);
    return map;
}

} // namespace fw
