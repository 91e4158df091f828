#include "navigator/TreeItemKind.h"

#include <array>

namespace nav {

namespace {

constexpr unsigned Bit(DragKind kind) { return 1u << static_cast<int>(kind); }

constexpr unsigned kFiles = Bit(DragKind::parts) | Bit(DragKind::mults);

constexpr std::array<KindInfo, 20> kKinds{{
    {ItemKind::any, 0, Popup::none, -1, DragKind::none, 0, 0},
    {ItemKind::root, 0, Popup::none, -1, DragKind::none, 0, 0},
    {ItemKind::drive, 9, Popup::none, -1, DragKind::none,
     kFiles | Bit(DragKind::jobs) | Bit(DragKind::groups) | Bit(DragKind::groupsLabels), 0},
    {ItemKind::folder, 12, Popup::none, -1, DragKind::none, 0, 0},
    {ItemKind::jobsLabel, 1, Popup::jobsLabel, 5, DragKind::jobs, 0, 0},
    {ItemKind::job, 1, Popup::jobs, 5, DragKind::jobs, kFiles | Bit(DragKind::groups) | Bit(DragKind::groupsLabels), 0},
    {ItemKind::groupsLabel, 2, Popup::groupsLabel, 8, DragKind::groupsLabels, 0, 0},
    {ItemKind::group, 2, Popup::groups, 6, DragKind::groups, kFiles, 0},
    {ItemKind::partsLabel, 3, Popup::partsLabel, 10, DragKind::partsLabels, Bit(DragKind::parts), 0},
    {ItemKind::part, 3, Popup::parts, 0, DragKind::parts, 0, 32798},
    {ItemKind::multsLabel, 4, Popup::multsLabel, 9, DragKind::multsLabels, Bit(DragKind::mults), 0},
    {ItemKind::mult, 4, Popup::mults, 1, DragKind::mults, 0, 32797},
    {ItemKind::file, 12, Popup::none, -1, DragKind::none, 0, 0},
    {ItemKind::shapesLabel, 5, Popup::shapesLabel, -1, DragKind::none, 0, 0},
    {ItemKind::shape, 5, Popup::shapes, 2, DragKind::none, 0, 32796},
    {ItemKind::toolsLabel, 6, Popup::toolsLabel, -1, DragKind::none, 0, 0},
    {ItemKind::tool, 6, Popup::tools, 3, DragKind::none, 0, 32823},
    {ItemKind::machinesLabel, 7, Popup::machinesLabel, -1, DragKind::none, 0, 0},
    {ItemKind::machine, 7, Popup::machines, 4, DragKind::none, 0, 32793},
    {ItemKind::shapesTypeLabel, 5, Popup::none, -1, DragKind::none, 0, 0},
}};

} // namespace

const KindInfo& InfoOf(ItemKind kind)
{
    const auto index = static_cast<std::size_t>(kind);
    return index < kKinds.size() ? kKinds[index] : kKinds[0];
}

bool IsFileKind(ItemKind kind)
{
    return kind == ItemKind::part || kind == ItemKind::mult || kind == ItemKind::shape || kind == ItemKind::tool ||
           kind == ItemKind::machine;
}

bool ListsFolder(ItemKind kind) { return ChildKindOf(kind) != ItemKind::any; }

bool IsDeletable(ItemKind kind) { return IsFileKind(kind) || kind == ItemKind::job || kind == ItemKind::group; }

ItemKind ChildKindOf(ItemKind label)
{
    switch (label) {
    case ItemKind::jobsLabel: return ItemKind::job;
    case ItemKind::groupsLabel: return ItemKind::group;
    case ItemKind::partsLabel: return ItemKind::part;
    case ItemKind::multsLabel: return ItemKind::mult;
    case ItemKind::toolsLabel: return ItemKind::tool;
    case ItemKind::machinesLabel: return ItemKind::machine;
    case ItemKind::shapesTypeLabel: return ItemKind::shape;
    default: return ItemKind::any;
    }
}

bool TakesDrop(ItemKind target, DragKind dragged)
{
    return dragged != DragKind::none && (InfoOf(target).takesDrops & Bit(dragged)) != 0;
}

bool SameKind(ItemKind a, ItemKind b) { return a == b; }

int DriveImage(DriveType type)
{
    switch (type) {
    case DriveType::removable: return 10;
    case DriveType::remote: return 8;
    case DriveType::cdrom: return 11;
    case DriveType::ramdisk: return 14;
    default: return 9;
    }
}

bool IsListedDrive(DriveType type) { return type != DriveType::cdrom && type != DriveType::ramdisk; }

bool IsWatchedDrive(DriveType type) { return type == DriveType::fixed || type == DriveType::remote; }

} // namespace nav
