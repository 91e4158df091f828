#include "baselib/PathUtility.h"

#include "convert/except/Log.h"

#include <cstring>
#include <optional>
#include <string>

namespace zr {

namespace {

struct PathParts {
    std::string drive, folder, name, extension;
};

PathParts SplitPath(const std::string& path)
{
    PathParts parts;
    std::size_t pos = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        pos = 2;
    }
    const std::size_t separator = path.find_last_of("\\/");
    if (separator != std::string::npos && separator >= pos) {
        parts.folder = path.substr(pos, separator + 1 - pos);
        pos = separator + 1;
    }
    const std::string file = path.substr(pos);
    const std::size_t dot = file.rfind('.');
    parts.name = file.substr(0, dot);
    parts.extension = dot == std::string::npos ? "" : file.substr(dot);
    return parts;
}

// The name and extension, or nothing (logged) for a null path.
std::optional<std::string> FileName(const char* path)
{
    if (!path) {
        CLog::LogError("Utility", __LINE__, "Path is NULL");
        return std::nullopt;
    }
    const PathParts parts = SplitPath(path);
    return parts.name + parts.extension;
}

bool CopyOut(const std::string& text, char* out, std::size_t size)
{
    if (!out || size == 0)
        return false;
    if (text.size() >= size) {
        out[0] = '\0';
        return false;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace

std::uint32_t UtilityGetFileName(const char* path, char* out, std::size_t size)
{
    const std::optional<std::string> name = FileName(path);
    return name && CopyOut(*name, out, size) ? 0 : kPathError;
}

std::uint32_t UtilityGetFileTitle(const char* path, char* out, std::size_t size)
{
    const std::optional<std::string> title = FileName(path);
    if (!title)
        return kPathError;
    return CopyOut(*title, out, size) ? 0 : static_cast<std::uint32_t>(title->size() + 1);
}

void UtilitySetPath(const char* path, CString& drive, CString& folder, CString& name,
                    CString& extension)
{
    const PathParts parts = SplitPath(path ? path : "");
    drive = parts.drive.c_str();
    folder = parts.folder.c_str();
    name = parts.name.c_str();
    extension = parts.extension.c_str();
}

}  // namespace zr
