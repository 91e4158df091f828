#pragma once
// The clipboard and drag formats in which the navigator and the program's windows exchange path
// lists (8-bit text, each full path followed by '|'). Every side that drags or takes a list names
// its format from this table, so that whatever one side offers the other recognises. The MIME
// type of a format is its name.

#include <array>
#include <cstddef>

namespace fw {

enum class PathListFormat {
    parts, mults, shapes, tools, machines, jobs, groups, jobsLabels, groupsLabels, multsLabels, partsLabels,
};

// In the order of PathListFormat. A jobs label is dragged as the job list; its own format is
// known but never offered.
inline constexpr std::array<const char*, 11> kPathListFormats{
    "BRAXPartListCF",    "BRAXMultListCF",        "BRAXShapeListCF",      "BRAXToolListCF",
    "BRAXMachineListCF", "BRAXJobListCF",         "BRAXGroupListCF",      "BRAXJobsLabelListCF",
    "BRAXGroupsLabelListCF", "BRAXMultsLabelListCF", "BRAXPartsLabelListCF"};

constexpr const char* FormatName(PathListFormat format) { return kPathListFormats[static_cast<std::size_t>(format)]; }

} // namespace fw
