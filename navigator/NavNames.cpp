#include "navigator/NavNames.h"

#include "fw/core/WinPath.h"

namespace nav {

namespace {

constexpr std::string_view kWhite = " \t\r\n\v\f";

} // namespace

std::string TrimName(std::string_view name)
{
    const std::size_t first = name.find_first_not_of(kWhite);
    if (first == std::string_view::npos)
        return {};
    return std::string(name.substr(first, name.find_last_not_of(kWhite) - first + 1));
}

std::string CheckFileName(std::string_view name)
{
    if (name.empty())
        return "The name is empty.";
    if (const std::string bad = fw::WinPath::BadNameCharacters(name); !bad.empty())
        return "The name \"" + std::string(name) + "\" may not hold the characters " + bad + ".";
    if (!fw::WinPath::IsFileName(name))
        return "\"" + std::string(name) + "\" cannot be used as a name.";
    return {};
}

std::string CheckFolderName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxFolderName)
        return "String must be 1 to 10 characters";
    return CheckFileName(name);
}

} // namespace nav
