#pragma once
// The kinds of navigator tree items and what each kind is: its images, its context-menu popup,
// the list format it is dragged in, what it takes when something is dropped on it, and the Open
// command a double-click sends.

#include <optional>
#include <string_view>

namespace nav {

enum class ItemKind : int {
    any = 0,   // "every kind" when collecting marked paths
    root = 1,
    drive = 2,
    folder = 3,
    jobsLabel = 4,
    job = 5,
    groupsLabel = 6,
    group = 7,
    partsLabel = 8,
    part = 9,
    multsLabel = 10,
    mult = 11,
    file = 12,
    shapesLabel = 13,
    shape = 14,
    toolsLabel = 15,
    tool = 16,
    machinesLabel = 17,
    machine = 18,
    shapesTypeLabel = 19,
};

// The codes of what is being dragged.
enum class DragKind : int {
    none = 0,
    parts = 1,
    mults = 2,
    jobs = 6,
    groups = 7,
    groupsLabels = 9,
    multsLabels = 10,
    partsLabels = 11,
};

// The context-menu popups.
enum class Popup : int {
    none = -1, parts = 0, mults = 1, shapes = 2, tools = 3, machines = 4, jobsLabel = 5, jobs = 6,
    groupsLabel = 7, groups = 8, shapesLabel = 9, toolsLabel = 10, machinesLabel = 11, partsLabel = 12,
    multsLabel = 13,
};

// Drive types, as they decide images, listing and watching.
enum class DriveType : int { unknown, removable, fixed, remote, cdrom, ramdisk };

struct KindInfo {
    ItemKind kind;
    int image;                    // normal and selected image
    Popup popup;
    int format;                   // index into fw::kPathListFormats, -1: not dragged
    DragKind dragKind;            // the drag code of that format
    unsigned takesDrops;          // bit (1 << DragKind) per taken kind
    int openCommand;              // the Open command a double-click sends, 0: none
};

const KindInfo& InfoOf(ItemKind kind);

// Files of a catalog or a group: part, mult, shape, tool, machine.
bool IsFileKind(ItemKind kind);
// Items whose folder lists children: labels of every kind but shapes, and shapes type labels.
bool ListsFolder(ItemKind kind);
// Items that Delete may remove: the five file kinds, jobs and groups.
bool IsDeletable(ItemKind kind);
// The kind of the children a folder-listing item adds for its entries.
ItemKind ChildKindOf(ItemKind label);
bool TakesDrop(ItemKind target, DragKind dragged);
// Whether a Ctrl-click may add an item of kind b to marks of kind a.
bool SameKind(ItemKind a, ItemKind b);

int DriveImage(DriveType type);
// Drives listed by the root (CD-ROM and RAM disks are not) and drives that are watched.
bool IsListedDrive(DriveType type);
bool IsWatchedDrive(DriveType type);

} // namespace nav
