#pragma once
// The drag and clipboard formats of the navigator: one per dragged item kind, each carrying the
// full paths, each followed by '|', then a NUL. As MIME types they keep the format's name.

#include "navigator/NavigatorExport.h"
#include "navigator/TreeItemKind.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace nav {

// In the order the control registers them (the jobs label's slot holds the job list again).
inline constexpr std::array<std::string_view, 11> kFormatNames{
    "BRAXPartListCF",  "BRAXMultListCF",  "BRAXShapeListCF",      "BRAXToolListCF",
    "BRAXMachineListCF", "BRAXJobListCF", "BRAXGroupListCF",      "BRAXJobListCF",
    "BRAXGroupsLabelListCF", "BRAXMultsLabelListCF", "BRAXPartsLabelListCF"};

// The MIME type of a format name: application/x-qt-windows-mime;value="<name>".
NAVIGATOR_EXPORT std::string MimeTypeOf(std::string_view formatName);

// The formats a drop on the tree looks for, in order, with their dragged kinds.
struct DropFormat {
    std::string_view name;
    DragKind kind;
};
inline constexpr std::array<DropFormat, 7> kDropFormats{{
    {"BRAXPartListCF", DragKind::parts},
    {"BRAXMultListCF", DragKind::mults},
    {"BRAXJobListCF", DragKind::jobs},
    {"BRAXGroupsLabelListCF", DragKind::groupsLabels},
    {"BRAXGroupListCF", DragKind::groups},
    {"BRAXMultsLabelListCF", DragKind::multsLabels},
    {"BRAXPartsLabelListCF", DragKind::partsLabels},
}};

// "a|b|" + NUL from the paths.
NAVIGATOR_EXPORT std::string EncodePayload(const std::vector<std::string>& paths);
// The paths of a payload of the given size: reading stops at the first NUL or at the end, never
// past it; empty entries are dropped.
std::vector<std::string> DecodePayload(const char* data, std::size_t size);
// The entries of a '|' list ("a|b|" or "a|b||"), without empty ones.
NAVIGATOR_EXPORT std::vector<std::string> SplitList(std::string_view list);
// Each path followed by '|'.
std::string JoinList(const std::vector<std::string>& paths);

} // namespace nav
