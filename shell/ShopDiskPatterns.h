#pragma once
// The lists of files a legacy shop disk is written from, as the navigator dock hands them to the
// dispatcher: a job stands for every group folder in it, a group (or its parts or mults label)
// for the part or mult files in it ("C:\Jobs\J1\G1\*.prt"), a file for itself. Lists are '|'
// lists; a non-empty pattern list ends in one more '|'.

#include <functional>
#include <string>
#include <string_view>

namespace shopdisk_list {

// The navigator's item types these lists are made from.
inline constexpr int kJob = 5, kGroup = 7, kPartsLabel = 8, kPart = 9, kMultsLabel = 10, kMult = 11;

// Each folder of the list followed by "\*.*|", and one more '|' when there are any:
// "C:\J\J1|" -> "C:\J\J1\*.*||".
std::string MakeFolderPatterns(std::string_view folders);
// Every folder each entry names (the folders a wildcard entry matches, or the folder a plain
// entry is) followed by "\*" + extension + '|', and one more '|' when there are any. Entries
// that name no folder give nothing.
std::string ListFolderPatterns(std::string_view list, std::string_view extension);
// The list of a shop-disk event from its path list and item type: jobs and groups as their
// folders' patterns; any other list as it is, but for an entry that is a folder (a parts or
// mults label stands for its group), which becomes the folder's pattern.
std::string EventPatterns(std::string_view list, int itemType, std::string_view extension);
// What File > Legacy Shop Disk writes from the marks (marked(type) gives the marked paths of a
// type as a '|' list): the marked jobs, else groups, else the labels of the kind, as patterns;
// else the marked files of the kind. fileType is kPart or kMult.
std::string MarkedPatterns(const std::function<std::string(int)>& marked, int fileType, std::string_view extension);

} // namespace shopdisk_list
