#include "shell/ReportCommands.h"

#include "fw/core/FileSystem.h"
#include "fw/core/WinPath.h"
#include "shell/NavCommand.h"
#include "shell/ReportLister.h"

#include <algorithm>
#include <iterator>

namespace {

using nav::Action;
using nav::Object;

// Where a command takes its path from.
enum class From { none, selection, clicked, folder, firstSelected, selectionOrNone, clickedOrNone };

struct CommandEntry {
    unsigned id;
    const char* handler;
    int code;   // 0: acts in the window; -1: the window's refresh code
    From from;
};

constexpr int C(Action a, Object o) { return nav::Code(a, o); }

constexpr CommandEntry kCommands[] = {
    {reportcmd::partsOpen, "OnPartsOpen", C(Action::open, Object::none), From::clicked},
    {reportcmd::copyPart, "OnCopypart", 0, From::none},
    {reportcmd::partsPrintCustom, "OnPartsPrintFull", C(Action::printCustom, Object::part), From::selection},
    {reportcmd::partsPrintStandard, "OnPartsPrintStandard", C(Action::printStandard, Object::part), From::selection},
    {reportcmd::deleteFiles, "OnPartsDelete", 0, From::none},
    {reportcmd::partsShopDisk, "OnPartsDosdiskCreate", C(Action::shopDisk, Object::part), From::selection},
    {reportcmd::readLegacy, "OnReadLegacyFiles", C(Action::convertLegacy, Object::none), From::none},
    {reportcmd::renamePart, "OnRenamePart", 0, From::none},
    {reportcmd::partRun, "OnPartRun", C(Action::runPart, Object::part), From::selectionOrNone},
    {reportcmd::partsOpposite, "OnPartsOpposite", C(Action::opposites, Object::part), From::selection},
    {reportcmd::partsNew, "OnPartsCreate", C(Action::create, Object::part), From::clicked},
    {reportcmd::multsNew, "OnMultsCreate", C(Action::create, Object::mult), From::clicked},
    {reportcmd::copyMult, "OnCopymult", 0, From::none},
    {reportcmd::multsOpen, "OnMultsOpen", C(Action::open, Object::none), From::clicked},
    {reportcmd::multsPrintCustom, "OnMultsPrintFull", C(Action::printCustom, Object::mult), From::selection},
    {reportcmd::multsPrintStandard, "OnMultsPrintStandard", C(Action::printStandard, Object::mult), From::selection},
    {reportcmd::multsShopDisk, "OnMultsDosdiskCreate", C(Action::shopDisk, Object::mult), From::selection},
    {reportcmd::multsReadLegacy, "OnMultsDosdiskRead", C(Action::convertLegacy, Object::mult), From::selection},
    {reportcmd::multRun, "OnMultRun", C(Action::runMult, Object::mult), From::clickedOrNone},
    {reportcmd::navigate, "OnNavigate", C(Action::listFiles, Object::none), From::firstSelected},
    {reportcmd::newFolder, "OnGroupslabelNewgroup", 0, From::none},
    {reportcmd::copyGroup, "OnCopygroup", 0, From::none},
    {reportcmd::refreshFolder, "OnRefreshFolder", C(Action::listFiles, Object::none), From::folder},
    {reportcmd::groupsPartsDisk, "OnGroupsPartsDisk", 0, From::none},
    {reportcmd::groupsMultsDisk, "OnGroupsMultsDisk", 0, From::none},
    {reportcmd::copyJob, "OnCopyallfiles", 0, From::none},
    {reportcmd::jobsPartsDisk, "OnJobsPartsDisk", 0, From::none},
    {reportcmd::jobsMultsDisk, "OnJobsMultsDisk", 0, From::none},
    {reportcmd::details, "OnViewDetails", C(Action::listFiles, Object::none), From::folder},
    {reportcmd::viewIcons, "OnViewIcons", 0, From::none},
    {reportcmd::showMults, "OnShowMultFiles", C(Action::multReport, Object::none), From::folder},
    {reportcmd::showParts, "OnShowPartFiles", C(Action::partReport, Object::none), From::folder},
    {reportcmd::showAll, "OnShowAllFiles", C(Action::listFiles, Object::none), From::folder},
    {reportcmd::viewList, "OnViewList", 0, From::none},
    {reportcmd::refreshReport, "OnRefreshReport", -1, From::folder},
    {reportcmd::machinesNew, "OnMachinesNew", C(Action::create, Object::machine), From::clicked},
    {reportcmd::toolsNew, "OnToolsNew", C(Action::create, Object::tool), From::clicked},
    {reportcmd::shapesNew, "OnShapesNew", C(Action::create, Object::shape), From::clicked},
    {reportcmd::viewTiles, "OnViewTiles", 0, From::none},
};

const CommandEntry* Find(unsigned command)
{
    const auto it = std::find_if(std::begin(kCommands), std::end(kCommands), [&](const CommandEntry& e) { return e.id == command; });
    return it == std::end(kCommands) ? nullptr : it;
}

std::string ClickedPath(const ReportSelection& s)
{
    const std::string name = s.ClickedName();
    return name.empty() ? std::string() : fw::WinPath::Join(s.Folder(), name);
}

} // namespace

int ReportRefreshCode(ReportKind kind)
{
    switch (kind) {
    case ReportKind::parts: return nav::Code(Action::partReport, Object::none);
    case ReportKind::mults: return nav::Code(Action::multReport, Object::none);
    default: return nav::Code(Action::listFiles, Object::none);
    }
}

std::optional<NavRequest> ReportNavRequest(unsigned command, const ReportSelection& s)
{
    const CommandEntry* entry = Find(command);
    if (!entry || entry->code == 0)
        return std::nullopt;
    const int code = entry->code < 0 ? ReportRefreshCode(s.Kind()) : entry->code;
    const std::vector<std::string> names = s.SelectedNames();
    switch (entry->from) {
    case From::none: return NavRequest{code, std::nullopt};
    case From::selection: return NavRequest{code, SelectedPathList(s.Folder(), names)};
    case From::clicked: return NavRequest{code, ClickedPath(s)};
    case From::folder: return NavRequest{code, s.Folder()};
    case From::firstSelected:
        return NavRequest{code, names.empty() ? ClickedPath(s) : fw::WinPath::Join(s.Folder(), names.front())};
    case From::selectionOrNone:
        if (names.empty())
            return NavRequest{C(Action::open, Object::part), std::nullopt};
        return NavRequest{code, SelectedPathList(s.Folder(), names)};
    case From::clickedOrNone:
        if (s.ClickedName().empty())
            return NavRequest{C(Action::open, Object::mult), std::nullopt};
        return NavRequest{code, ClickedPath(s)};
    }
    return std::nullopt;
}

std::string ReportCommandHandler(unsigned command)
{
    const CommandEntry* entry = Find(command);
    return entry ? entry->handler : "OnCommand";
}

ReportDriveCopy ReportDriveCopyOf(unsigned command)
{
    switch (command) {
    case reportcmd::copyPart: return &FileManagement::CopyPartFile;
    case reportcmd::copyMult: return &FileManagement::CopyMultFile;
    case reportcmd::copyGroup: return &FileManagement::CopyGroup;
    case reportcmd::copyJob: return &FileManagement::CopyJob;
    default: return nullptr;
    }
}

std::optional<CopyOutcome> CopyReportRows(unsigned command, const ReportSelection& s, const FileManagement& files,
                                          const std::string& drive)
{
    const ReportDriveCopy copy = ReportDriveCopyOf(command);
    const std::vector<std::string> names = s.SelectedNames();
    if (!copy || names.empty())
        return std::nullopt;
    return (files.*copy)(SelectedPathList(s.Folder(), names), drive);
}

std::string GroupFilePatterns(const std::vector<std::string>& groups, const std::string& extension)
{
    std::string list;
    for (const std::string& group : groups)
        if (fw::FileSystem::IsFolder(group))
            list += fw::WinPath::Join(group, "*" + extension) + "|";
    return list;
}

std::string JobFilePatterns(const std::vector<std::string>& jobs, const std::string& extension)
{
    std::vector<std::string> groups;
    for (const std::string& job : jobs) {
        if (!fw::FileSystem::IsFolder(job))
            continue;
        for (const std::string& name : fw::FileSystem::List(fw::WinPath::Join(job, "*.*"), fw::FileSystem::folders))
            groups.push_back(fw::WinPath::Join(job, name));
    }
    return GroupFilePatterns(groups, extension);
}
