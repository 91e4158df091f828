#pragma once
// The context-menu commands: the menu of every popup, what each command takes (the context item
// or the marked items) and what it does. PlanCommand turns a command and the tree's marks into
// what the control carries out, so the whole table is decided without a window.

#include "navigator/NavEvents.h"
#include "navigator/TreeItemKind.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nav {

namespace cmd {
inline constexpr int kPartNew = 32768, kPartCopy = 32843, kPartOpen = 32798, kPartPrintStandard = 32774,
                     kPartPrintCustom = 32775, kPartOpposite = 32777, kPartShopDisk = 32799, kReadPartLegacy = 32800,
                     kPartDelete = 32803, kPartRename = 32836, kPartRun = 32837;
inline constexpr int kMultNew = 32778, kMultCopy = 32845, kMultOpen = 32797, kMultPrintStandard = 32781,
                     kMultPrintCustom = 32782, kMultShopDisk = 32801, kReadMultLegacy = 32802, kMultDelete = 32804,
                     kMultRun = 32838, kMultRunMultiple = 32841;
inline constexpr int kShapeNew = 32783, kShapeOpen = 32796, kShapePrint = 32786, kShapeDelete = 32805;
inline constexpr int kToolNew = 32787, kToolOpen = 32823, kToolPrint = 32789, kToolDelete = 32806;
inline constexpr int kMachineNew = 32790, kMachineOpen = 32793, kMachinePrint = 32795, kMachineDelete = 32807;
inline constexpr int kNavigate = 32814, kNewJob = 32809, kCopyAllJobs = 32848, kCopyJobs = 32840, kRefresh = 32826,
                     kJobPartDisk = 32828, kJobMultDisk = 32829, kJobDelete = 32815, kNewGroup = 32816,
                     kCopyGroups = 32853, kGroupPartDisk = 32830, kGroupMultDisk = 32831, kGroupDelete = 32817,
                     kShapesLabelNew = 32818, kToolsLabelNew = 32824, kMachinesLabelNew = 32820,
                     kPartsLabelNew = 32821, kCopyAllParts = 32851, kPartsLabelShopDisk = 32832,
                     kMultsLabelNew = 32822, kCopyAllMults = 32852, kMultsLabelShopDisk = 32834;
} // namespace cmd

struct MenuEntry {
    Popup popup;
    std::string_view submenu;   // empty: directly in the popup
    std::string_view text;
    int id;
};
// Every popup's entries in menu order.
const std::vector<MenuEntry>& MenuTable();
// The entries greyed while running is disabled.
bool IsRunCommand(int id);

// One item as the commands see it.
struct PathItem {
    ItemKind kind = ItemKind::root;
    std::string path;
    bool operator==(const PathItem&) const = default;
};

// The marks in depth-first order, the context item and the caret.
struct Selection {
    std::vector<PathItem> marks;
    std::optional<PathItem> context;
    std::optional<PathItem> caret;

    // The marked paths of a kind (every kind for ItemKind::any), each followed by '|'.
    std::string MarkedPaths(ItemKind kind) const;
    // The marked paths, or else the context item's path and '|' when it has the kind.
    std::string MarkedList(ItemKind kind) const;
    // The property strFileNames: marks, else context, else caret of the kind, with a final '|'.
    std::string StrFileNames(ItemKind kind) const;
    // The context item's path when it has the kind.
    std::optional<std::string> ContextPath(ItemKind kind) const;
};

// What a command comes to.
struct CommandPlan {
    enum What { nothing, fire, pickDriveThenFire, deletePaths, renamePart, newFolder, refresh, navigate };
    What what = nothing;
    NavEvent event{};                 // fire, pickDriveThenFire (the drive goes in second), navigate
    std::vector<std::string> paths;   // deletePaths; renamePart (the part); newFolder (the parent folder)
    bool operator==(const CommandPlan&) const = default;
};

// contextParent: the path of the context item's parent (the folder new jobs and groups go in when
// the context is a job or a group).
CommandPlan PlanCommand(int id, const Selection& selection, const std::string& contextParent = {});
// The Delete key: the marked items Delete may remove (files, jobs, groups), else the context item
// when it is one of those.
std::vector<std::string> DeletableMarks(const Selection& selection);

} // namespace nav
