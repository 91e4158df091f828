#include "shell/ShopDiskPatterns.h"

#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/WinPath.h"

#include <vector>

namespace shopdisk_list {

namespace {

std::vector<std::string> Entries(std::string_view list)
{
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find('|', start);
        if (end == std::string_view::npos)
            end = list.size();
        if (end > start)
            entries.emplace_back(list.substr(start, end - start));
        start = end + 1;
    }
    return entries;
}

bool HasWildcard(std::string_view entry) { return entry.find_first_of("*?") != std::string_view::npos; }

// The folders an entry names.
std::vector<std::string> FoldersOf(const std::string& entry)
{
    if (!HasWildcard(entry))
        return fw::FileSystem::IsFolder(entry) ? std::vector<std::string>{entry} : std::vector<std::string>{};
    std::vector<std::string> folders;
    try {
        const std::string parent(fw::WinPath::Folder(entry));
        for (const std::string& name : fw::FileSystem::List(entry, fw::FileSystem::folders))
            if (name != "." && name != "..")
                folders.push_back(fw::WinPath::Join(parent, name));
    } catch (const fw::FileException&) {
        // A folder that cannot be listed has nothing to write.
    }
    return folders;
}

std::string Pattern(const std::string& folder, std::string_view extension)
{
    return folder + "\\*" + std::string(extension) + '|';
}

std::string Closed(std::string list) { return list.empty() ? list : list + '|'; }

} // namespace

std::string MakeFolderPatterns(std::string_view folders)
{
    std::string patterns;
    for (const std::string& folder : Entries(folders))
        patterns += folder + "\\*.*|";
    return Closed(std::move(patterns));
}

std::string ListFolderPatterns(std::string_view list, std::string_view extension)
{
    std::string patterns;
    for (const std::string& entry : Entries(list))
        for (const std::string& folder : FoldersOf(entry))
            patterns += Pattern(folder, extension);
    return Closed(std::move(patterns));
}

std::string EventPatterns(std::string_view list, int itemType, std::string_view extension)
{
    if (itemType == kJob)
        return ListFolderPatterns(MakeFolderPatterns(list), extension);
    if (itemType == kGroup)
        return ListFolderPatterns(list, extension);
    bool anyFolder = false;
    std::string result;
    for (const std::string& entry : Entries(list)) {
        const bool folder = !HasWildcard(entry) && fw::FileSystem::IsFolder(entry);
        anyFolder = anyFolder || folder;
        result += folder ? Pattern(entry, extension) : entry + '|';
    }
    return anyFolder ? result : std::string(list);
}

std::string MarkedPatterns(const std::function<std::string(int)>& marked, int fileType, std::string_view extension)
{
    std::string folders = MakeFolderPatterns(marked(kJob));
    if (folders.empty())
        folders = marked(kGroup);
    if (folders.empty())
        folders = marked(fileType == kPart ? kPartsLabel : kMultsLabel);
    if (std::string patterns = ListFolderPatterns(folders, extension); !patterns.empty())
        return patterns;
    return marked(fileType);
}

} // namespace shopdisk_list
