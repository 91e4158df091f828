#pragma once
// Names the navigator makes folders and files with: new jobs and groups (1 to 10 characters) and
// renamed parts. A name must stand as one file name: no separator, drive colon, wildcard, quote,
// '<', '>', '|' or control character, and not "." or "..".

#include <cstddef>
#include <string>
#include <string_view>

namespace nav {

inline constexpr std::size_t kMaxFolderName = 10;

// Leading and trailing white space dropped, inner blanks kept.
std::string TrimName(std::string_view name);
// Empty when the name is acceptable, else the message that names the fault.
std::string CheckFolderName(std::string_view name);
std::string CheckFileName(std::string_view name);

} // namespace nav
