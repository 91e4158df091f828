#include "fw/core/FileSystem.h"

#include "fw/core/AtomicFile.h"
#include "fw/core/CommitGroup.h"
#include "fw/core/DriveMap.h"
#include "fw/core/File.h"
#include "fw/core/FileException.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fw::FileSystem {

namespace fs = std::filesystem;

namespace {

fs::path Native(std::string_view winPath)
{
    return DriveMap::Instance().ToNative(winPath);
}

[[noreturn]] void Fail(std::string_view winPath, int error)
{
    throw FileException(FileException::FromErrno(error), std::string(winPath), error);
}

fs::file_status Status(std::string_view winPath)
{
    try {
        std::error_code ec;
        return fs::status(Native(winPath), ec);
    } catch (const FileException&) {
        return fs::file_status(fs::file_type::not_found);
    }
}

bool IsDriveFolder(const fs::path& native)
{
    for (char letter : DriveMap::Instance().Drives())
        if (DriveMap::Instance().Root(letter) == native)
            return true;
    return false;
}

bool IsListed(const fs::directory_entry& entry, ListWhat what)
{
    std::error_code ec;
    const bool folder = entry.is_directory(ec);
    return (what & (folder ? folders : files)) != 0;
}

} // namespace

bool Exists(std::string_view winPath)
{
    if (fs::exists(Status(winPath)))
        return true;
    const CommitGroup* group = CommitGroup::Current();
    try {
        return group && group->IsPending(Native(winPath));
    } catch (const FileException&) {
        return false;   // a path that cannot be converted names nothing
    }
}

bool IsFolder(std::string_view winPath)
{
    return fs::is_directory(Status(winPath));
}

void Remove(std::string_view winPath)
{
    const fs::path native = Native(winPath);
    if (IsDriveFolder(native))
        Fail(winPath, EACCES);
    if (::remove(native.c_str()) != 0)
        Fail(winPath, errno);
}

void Rename(std::string_view from, std::string_view to)
{
    const fs::path source = Native(from);
    fs::path target = Native(to);
    std::error_code ec;
    if (!fs::exists(fs::symlink_status(source, ec)))
        Fail(from, ENOENT);
    if (fs::exists(fs::symlink_status(target, ec))) {
        if (!fs::equivalent(source, target, ec))
            Fail(to, EEXIST);
        target = target.parent_path() / Cp1252ToUtf8(WinPath::FileName(to));
    }
    if (std::rename(source.c_str(), target.c_str()) != 0)
        Fail(from, errno);
}

void CopyFile(std::string_view from, std::string_view to, bool failIfExists)
{
    File source(from, File::modeRead | File::shareDenyWrite);
    if (failIfExists && Exists(to))
        Fail(to, EEXIST);
    AtomicFile target(to);
    char buffer[64 * 1024];
    while (const std::size_t n = source.Read(buffer, sizeof buffer))
        target.Write(buffer, n);
    target.Commit();
}

void CreateFolders(std::string_view winPath)
{
    const fs::path native = Native(WinPath::Folder(winPath));
    std::error_code ec;
    fs::create_directories(native, ec);
    if (ec)
        Fail(winPath, ec.value());
}

std::vector<std::string> List(std::string_view winPattern, ListWhat what)
{
    const std::string_view folder = WinPath::Folder(winPattern);
    const std::string_view mask = WinPath::FileName(winPattern);
    const fs::path native = Native(folder);
    std::error_code ec;
    if (!fs::is_directory(native, ec))
        throw FileException(FileException::badPath, std::string(folder), ENOENT);
    std::vector<std::string> names;
    fs::directory_iterator it(native, ec);
    for (fs::directory_iterator end; !ec && it != end; it.increment(ec)) {
        bool replaced = false;
        std::string name = Utf8ToCp1252(it->path().filename().native(), &replaced);
        if (!replaced && name.find('\\') == std::string::npos && WinPath::Match(mask, name) && IsListed(*it, what))
            names.push_back(std::move(name));
    }
    if (ec)
        Fail(folder, ec.value());
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const int c = CompareNoCase1252(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

} // namespace fw::FileSystem
