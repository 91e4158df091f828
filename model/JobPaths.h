#pragma once
// The one place for the job folder rules: where jobs live on a drive (profile section
// "Directories"), what a job, group or mark may be called, the "NONE" folders that hold parts and
// mults saved without a job or group, and how job and group are read back from a file's path.

#include <cstddef>
#include <string>
#include <string_view>

namespace jobs {

// Longest job, group, mark or machine name.
inline constexpr std::size_t kNameLength = 10;
// The folder standing in for a blank job or group.
inline constexpr std::string_view kNone = "NONE";

// What a mark, job or group name may be, as the program tells it.
inline constexpr const char* kNameRule =
    "Job, group and mark must be names of 1 to 10 characters without \\ / : * ? \" < > | or \"..\", "
    "ending in neither a dot nor a blank.";
// A mark, job or group name: at most 10 characters and a valid file name that ends in neither a
// dot nor a blank.
bool IsName(std::string_view name);
// A job or group: empty or blank (saved under "NONE") or a name.
bool IsFolderName(std::string_view name);
// name, or "NONE" when it is empty or blank.
std::string FolderName(std::string_view name);

// The default job drive of the profile ("Default Job Drive", 3 = C), as "C:".
std::string DefaultDrive();
// "X:" for a path on drive X, the default job drive for a path without one.
std::string DriveOf(std::string_view path);
// The folder of all jobs on a drive, "\Kestrom\Jobs" unless the profile says otherwise.
std::string Directory();
// drive + Directory() + "\job\group", with "NONE" for a blank job or group.
std::string GroupFolder(std::string_view drive, std::string_view job, std::string_view group);

// Job and group from the last two folders of path (...\job\group\file.ext); a folder longer than
// a name gives its first 10 characters, one that is not a valid file name leaves its field unchanged.
void FromPath(std::string_view path, std::string& job, std::string& group);

// The folder a part or mult of job and group saves to on drive: the folder of path (the file it
// came from) when that folder lies in the jobs of that drive and reads as job and group, so that a
// folder longer than a name is kept whole; else GroupFolder(drive, job, group).
std::string SaveFolder(std::string_view drive, std::string_view job, std::string_view group, std::string_view path);

} // namespace jobs
