#include "navigator/NavCommands.h"

#include "navigator/DataFormats.h"

#include <algorithm>
#include <array>

namespace nav {

namespace {

using E = EventId;
using K = ItemKind;

// How a command finds its arguments.
enum class Takes {
    context,       // the context item's path, when it has the kind
    list,          // the marked list of the kind
    newInFolder,   // the context label's folder + "\NULL"
    pickContext,   // pick a drive; the context item's path (any kind)
    pickList,      // pick a drive; the marked list of the kind
    nothing,       // the event alone
    remove,        // delete the marked list of the kind
    shopDisk,      // the marked list with the kind's number as item type
};

struct Row {
    int id;
    Takes takes;
    ItemKind kind;
    EventId event;
};

constexpr std::array kRows{
    Row{cmd::kPartNew, Takes::context, K::part, E::CreatePart},
    Row{cmd::kPartCopy, Takes::pickList, K::part, E::RunCopyPartFile},
    Row{cmd::kPartOpen, Takes::context, K::part, E::OpenPart},
    Row{cmd::kPartPrintStandard, Takes::list, K::part, E::PrintStandardPart},
    Row{cmd::kPartPrintCustom, Takes::list, K::part, E::PrintFullPart},
    Row{cmd::kPartOpposite, Takes::list, K::part, E::OppositePart},
    Row{cmd::kReadPartLegacy, Takes::nothing, K::any, E::ReadPartDosDisk},
    Row{cmd::kPartDelete, Takes::remove, K::part, E::OpenPart},
    Row{cmd::kPartRun, Takes::context, K::part, E::RunPart},
    Row{cmd::kMultNew, Takes::context, K::mult, E::CreateMult},
    Row{cmd::kMultCopy, Takes::pickList, K::mult, E::RunCopyMultFile},
    Row{cmd::kMultOpen, Takes::context, K::mult, E::OpenMult},
    Row{cmd::kMultPrintStandard, Takes::list, K::mult, E::PrintStandardMult},
    Row{cmd::kMultPrintCustom, Takes::list, K::mult, E::PrintFullMult},
    Row{cmd::kReadMultLegacy, Takes::nothing, K::any, E::ReadMultDosDisk},
    Row{cmd::kMultDelete, Takes::remove, K::mult, E::OpenMult},
    Row{cmd::kMultRun, Takes::context, K::mult, E::RunMult},
    Row{cmd::kShapeNew, Takes::context, K::shape, E::CreateShape},
    Row{cmd::kShapeOpen, Takes::context, K::shape, E::OpenShape},
    Row{cmd::kShapePrint, Takes::list, K::shape, E::PrintShape},
    Row{cmd::kShapeDelete, Takes::remove, K::shape, E::OpenShape},
    Row{cmd::kToolNew, Takes::context, K::tool, E::CreateTool},
    Row{cmd::kToolOpen, Takes::context, K::tool, E::OpenTool},
    Row{cmd::kToolPrint, Takes::list, K::tool, E::PrintTool},
    Row{cmd::kToolDelete, Takes::remove, K::tool, E::OpenTool},
    Row{cmd::kMachineNew, Takes::context, K::machine, E::CreateMachine},
    Row{cmd::kMachineOpen, Takes::context, K::machine, E::OpenMachine},
    Row{cmd::kMachinePrint, Takes::list, K::machine, E::PrintMachine},
    Row{cmd::kMachineDelete, Takes::remove, K::machine, E::OpenMachine},
    Row{cmd::kCopyAllJobs, Takes::pickContext, K::any, E::RunCopyJob},
    Row{cmd::kCopyJobs, Takes::pickContext, K::any, E::RunCopyAllGroup},
    Row{cmd::kJobPartDisk, Takes::shopDisk, K::job, E::CreatePartDosDisk},
    Row{cmd::kJobMultDisk, Takes::shopDisk, K::job, E::CreateMultDosDisk},
    Row{cmd::kJobDelete, Takes::remove, K::job, E::ViewAllReport},
    Row{cmd::kCopyGroups, Takes::pickContext, K::any, E::RunCopyGroup},
    Row{cmd::kGroupPartDisk, Takes::shopDisk, K::group, E::CreatePartDosDisk},
    Row{cmd::kGroupMultDisk, Takes::shopDisk, K::group, E::CreateMultDosDisk},
    Row{cmd::kGroupDelete, Takes::remove, K::group, E::ViewAllReport},
    Row{cmd::kShapesLabelNew, Takes::newInFolder, K::shapesLabel, E::CreateShape},
    Row{cmd::kToolsLabelNew, Takes::newInFolder, K::toolsLabel, E::CreateTool},
    Row{cmd::kMachinesLabelNew, Takes::newInFolder, K::machinesLabel, E::CreateMachine},
    Row{cmd::kPartsLabelNew, Takes::newInFolder, K::partsLabel, E::CreatePart},
    Row{cmd::kCopyAllParts, Takes::pickContext, K::any, E::RunCopyAllParts},
    Row{cmd::kMultsLabelNew, Takes::newInFolder, K::multsLabel, E::CreateMult},
    Row{cmd::kCopyAllMults, Takes::pickContext, K::any, E::RunCopyAllMults},
};

constexpr std::string_view kNewItemSuffix = "\\NULL";

// Marked items of the first kind, else of the second (labels), else the context item when it has
// either kind: what a legacy shop disk of parts or mults is written from.
std::string ShopDiskList(const Selection& selection, ItemKind file, ItemKind label)
{
    for (const ItemKind kind : {file, label})
        if (std::string list = selection.MarkedPaths(kind); !list.empty())
            return list;
    for (const ItemKind kind : {file, label})
        if (auto path = selection.ContextPath(kind))
            return *path + '|';
    return {};
}

CommandPlan Fire(EventId id, std::string first, int type = 0)
{
    return {CommandPlan::fire, NavEvent{id, std::move(first), {}, type}, {}};
}

CommandPlan PlanRow(const Row& row, const Selection& selection)
{
    switch (row.takes) {
    case Takes::context:
        if (auto path = selection.ContextPath(row.kind))
            return Fire(row.event, *path);
        return {};
    case Takes::list:
        if (std::string list = selection.MarkedList(row.kind); !list.empty())
            return Fire(row.event, list);
        return {};
    case Takes::newInFolder:
        if (auto path = selection.ContextPath(row.kind))
            return Fire(row.event, *path + std::string(kNewItemSuffix));
        return {};
    case Takes::pickContext:
        if (selection.context)
            return {CommandPlan::pickDriveThenFire, NavEvent{row.event, selection.context->path, {}, 0}, {}};
        return {};
    case Takes::pickList:
        if (std::string list = selection.MarkedList(row.kind); !list.empty())
            return {CommandPlan::pickDriveThenFire, NavEvent{row.event, list, {}, 0}, {}};
        return {};
    case Takes::nothing: return Fire(row.event, {});
    case Takes::remove:
        if (std::vector<std::string> paths = SplitList(selection.MarkedList(row.kind)); !paths.empty())
            return {CommandPlan::deletePaths, {}, std::move(paths)};
        return {};
    case Takes::shopDisk:
        if (std::string list = selection.MarkedList(row.kind); !list.empty())
            return Fire(row.event, list, static_cast<int>(row.kind));
        return {};
    }
    return {};
}

bool HasSameKind(const std::optional<PathItem>& item, ItemKind kind)
{
    return item && (kind == ItemKind::any || item->kind == kind);
}

} // namespace

const std::vector<MenuEntry>& MenuTable()
{
    using P = Popup;
    static const std::vector<MenuEntry> table{
        {P::parts, {}, "New", cmd::kPartNew},
        {P::parts, {}, "Copy Selected Part(s)", cmd::kPartCopy},
        {P::parts, {}, "Open", cmd::kPartOpen},
        {P::parts, "Print", "Standard", cmd::kPartPrintStandard},
        {P::parts, "Print", "Custom", cmd::kPartPrintCustom},
        {P::parts, {}, "Opposite", cmd::kPartOpposite},
        {P::parts, {}, "Create Legacy Shop Disk", cmd::kPartShopDisk},
        {P::parts, {}, "Read Legacy Files", cmd::kReadPartLegacy},
        {P::parts, {}, "Delete", cmd::kPartDelete},
        {P::parts, {}, "Rename", cmd::kPartRename},
        {P::parts, {}, "Run", cmd::kPartRun},
        {P::mults, {}, "New", cmd::kMultNew},
        {P::mults, {}, "Copy Selected Mult(s)", cmd::kMultCopy},
        {P::mults, {}, "Open", cmd::kMultOpen},
        {P::mults, "Print", "Standard", cmd::kMultPrintStandard},
        {P::mults, "Print", "Custom", cmd::kMultPrintCustom},
        {P::mults, {}, "Create Legacy Shop Disk", cmd::kMultShopDisk},
        {P::mults, {}, "Read Legacy Files", cmd::kReadMultLegacy},
        {P::mults, {}, "Delete", cmd::kMultDelete},
        {P::mults, {}, "Run", cmd::kMultRun},
        {P::mults, {}, "Run Mult Multiple", cmd::kMultRunMultiple},
        {P::shapes, {}, "New", cmd::kShapeNew},
        {P::shapes, {}, "Open", cmd::kShapeOpen},
        {P::shapes, {}, "Print", cmd::kShapePrint},
        {P::shapes, {}, "Delete", cmd::kShapeDelete},
        {P::shapes, {}, "Read Legacy Files", cmd::kReadPartLegacy},
        {P::tools, {}, "New", cmd::kToolNew},
        {P::tools, {}, "Open", cmd::kToolOpen},
        {P::tools, {}, "Print", cmd::kToolPrint},
        {P::tools, {}, "Delete", cmd::kToolDelete},
        {P::machines, {}, "New", cmd::kMachineNew},
        {P::machines, {}, "Open", cmd::kMachineOpen},
        {P::machines, {}, "Print", cmd::kMachinePrint},
        {P::machines, {}, "Delete", cmd::kMachineDelete},
        {P::jobsLabel, {}, "Navigate", cmd::kNavigate},
        {P::jobsLabel, {}, "New Job", cmd::kNewJob},
        {P::jobsLabel, {}, "Copy All Jobs", cmd::kCopyAllJobs},
        {P::jobsLabel, {}, "Read Legacy Files", cmd::kReadPartLegacy},
        {P::jobsLabel, {}, "Refresh", cmd::kRefresh},
        {P::jobs, {}, "Navigate", cmd::kNavigate},
        {P::jobs, {}, "New", cmd::kNewJob},
        {P::jobs, {}, "Copy Selected Job(s)", cmd::kCopyJobs},
        {P::jobs, "Legacy Shop Disk", "Create Parts", cmd::kJobPartDisk},
        {P::jobs, "Legacy Shop Disk", "Create Mults", cmd::kJobMultDisk},
        {P::jobs, {}, "Read Legacy Files", cmd::kReadPartLegacy},
        {P::jobs, {}, "Delete", cmd::kJobDelete},
        {P::jobs, {}, "Refresh", cmd::kRefresh},
        {P::groupsLabel, {}, "Navigate", cmd::kNavigate},
        {P::groupsLabel, {}, "New Group", cmd::kNewGroup},
        {P::groupsLabel, {}, "Copy All Groups", cmd::kCopyJobs},
        {P::groupsLabel, {}, "Read Legacy Files", cmd::kReadPartLegacy},
        {P::groupsLabel, {}, "Refresh", cmd::kRefresh},
        {P::groups, {}, "Navigate", cmd::kNavigate},
        {P::groups, {}, "New", cmd::kNewGroup},
        {P::groups, {}, "Copy Selected Group(s)", cmd::kCopyGroups},
        {P::groups, "Legacy Shop Disk", "Create Parts", cmd::kGroupPartDisk},
        {P::groups, "Legacy Shop Disk", "Create Mults", cmd::kGroupMultDisk},
        {P::groups, {}, "Read Legacy Files", cmd::kReadPartLegacy},
        {P::groups, {}, "Delete", cmd::kGroupDelete},
        {P::groups, {}, "Refresh", cmd::kRefresh},
        {P::shapesLabel, {}, "Navigate", cmd::kNavigate},
        {P::shapesLabel, {}, "New Shape", cmd::kShapesLabelNew},
        {P::shapesLabel, {}, "Refresh", cmd::kRefresh},
        {P::toolsLabel, {}, "Navigate", cmd::kNavigate},
        {P::toolsLabel, {}, "New Tool", cmd::kToolsLabelNew},
        {P::toolsLabel, {}, "Refresh", cmd::kRefresh},
        {P::machinesLabel, {}, "Navigate", cmd::kNavigate},
        {P::machinesLabel, {}, "New Machine", cmd::kMachinesLabelNew},
        {P::machinesLabel, {}, "Refresh", cmd::kRefresh},
        {P::partsLabel, {}, "Navigate", cmd::kNavigate},
        {P::partsLabel, {}, "New Part", cmd::kPartsLabelNew},
        {P::partsLabel, {}, "Copy All Parts", cmd::kCopyAllParts},
        {P::partsLabel, {}, "Create Legacy Shop Disk", cmd::kPartsLabelShopDisk},
        {P::partsLabel, {}, "Read Legacy Files", cmd::kReadPartLegacy},
        {P::partsLabel, {}, "Refresh", cmd::kRefresh},
        {P::multsLabel, {}, "Navigate", cmd::kNavigate},
        {P::multsLabel, {}, "New Mult", cmd::kMultsLabelNew},
        {P::multsLabel, {}, "Copy All Mults", cmd::kCopyAllMults},
        {P::multsLabel, {}, "Create Legacy Shop Disk", cmd::kMultsLabelShopDisk},
        {P::multsLabel, {}, "Read Legacy Files", cmd::kReadMultLegacy},
        {P::multsLabel, {}, "Refresh", cmd::kRefresh},
    };
    return table;
}

bool IsRunCommand(int id) { return id == cmd::kPartRun || id == cmd::kMultRun || id == cmd::kMultRunMultiple; }

std::string Selection::MarkedPaths(ItemKind kind) const
{
    std::string list;
    for (const PathItem& mark : marks)
        if (kind == ItemKind::any || mark.kind == kind)
            list += mark.path + '|';
    return list;
}

std::optional<std::string> Selection::ContextPath(ItemKind kind) const
{
    if (HasSameKind(context, kind))
        return context->path;
    return std::nullopt;
}

std::string Selection::MarkedList(ItemKind kind) const
{
    std::string list = MarkedPaths(kind);
    if (list.empty())
        if (auto path = ContextPath(kind))
            list = *path + '|';
    return list;
}

std::string Selection::StrFileNames(ItemKind kind) const
{
    std::string list = MarkedList(kind);
    if (list.empty() && HasSameKind(caret, kind))
        list = caret->path + '|';
    if (!list.empty())
        list += '|';
    return list;
}

std::vector<std::string> DeletableMarks(const Selection& selection)
{
    std::vector<std::string> paths;
    for (const PathItem& mark : selection.marks)
        if (IsDeletable(mark.kind))
            paths.push_back(mark.path);
    if (paths.empty() && selection.context && IsDeletable(selection.context->kind))
        paths.push_back(selection.context->path);
    return paths;
}

CommandPlan PlanCommand(int id, const Selection& selection, const std::string& contextParent)
{
    switch (id) {
    case cmd::kPartShopDisk:
    case cmd::kPartsLabelShopDisk:
        if (std::string list = ShopDiskList(selection, ItemKind::part, ItemKind::partsLabel); !list.empty())
            return Fire(EventId::CreatePartDosDisk, list, static_cast<int>(ItemKind::part));
        return {};
    case cmd::kMultShopDisk:
    case cmd::kMultsLabelShopDisk:
        if (std::string list = ShopDiskList(selection, ItemKind::mult, ItemKind::multsLabel); !list.empty())
            return Fire(EventId::CreateMultDosDisk, list, static_cast<int>(ItemKind::mult));
        return {};
    case cmd::kMultRunMultiple:
        if (selection.ContextPath(ItemKind::mult))
            return Fire(EventId::RunMultMultiple, selection.MarkedPaths(ItemKind::mult));
        return {};
    case cmd::kPartRename:
        if (auto path = selection.ContextPath(ItemKind::part))
            return {CommandPlan::renamePart, {}, {*path}};
        return {};
    case cmd::kNavigate:
        if (selection.context)
            return {CommandPlan::navigate, NavEvent{EventId::ViewAllReport, selection.context->path, {}, 0}, {}};
        return {};
    case cmd::kRefresh: return selection.context ? CommandPlan{CommandPlan::refresh, {}, {}} : CommandPlan{};
    case cmd::kNewJob:
    case cmd::kNewGroup: {
        if (!selection.context)
            return {};
        const ItemKind label = id == cmd::kNewJob ? ItemKind::jobsLabel : ItemKind::groupsLabel;
        const std::string& folder = selection.context->kind == label ? selection.context->path : contextParent;
        if (folder.empty())
            return {};
        return {CommandPlan::newFolder, {}, {folder}};
    }
    default: break;
    }
    const auto row = std::find_if(kRows.begin(), kRows.end(), [id](const Row& r) { return r.id == id; });
    return row == kRows.end() ? CommandPlan{} : PlanRow(*row, selection);
}

} // namespace nav
