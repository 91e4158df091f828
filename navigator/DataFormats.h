#pragma once
// The navigator's drag and clipboard data: in the format of the dragged item kind
// (fw/core/PathListFormats.h), the full paths, each followed by '|', then a NUL.

#include "fw/core/PathListFormats.h"
#include "navigator/NavigatorExport.h"
#include "navigator/TreeItemKind.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace nav {

// In the order the control registers them (the jobs label's slot holds the job list again).
// The formats a drop on the tree looks for, in order, with their dragged kinds.
struct DropFormat {
    fw::PathListFormat format;
    DragKind kind;
};
inline constexpr std::array<DropFormat, 7> kDropFormats{{
    {fw::PathListFormat::parts, DragKind::parts},
    {fw::PathListFormat::mults, DragKind::mults},
    {fw::PathListFormat::jobs, DragKind::jobs},
    {fw::PathListFormat::groupsLabels, DragKind::groupsLabels},
    {fw::PathListFormat::groups, DragKind::groups},
    {fw::PathListFormat::multsLabels, DragKind::multsLabels},
    {fw::PathListFormat::partsLabels, DragKind::partsLabels},
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
