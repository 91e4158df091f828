#include "shell/FileManagement.h"

#include "fw/core/AppProfile.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/WinPath.h"
#include "machmult/MultDoc.h"
#include "model/JobPaths.h"
#include "shell/FileNameList.h"
#include "shell/OptionSettings.h"
#include "shell/TemplateTable.h"

#include <cctype>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Folders nested deeper than this below a copied folder are not followed (a link loop).
constexpr int kDeepestTree = 64;

std::vector<std::string> Names(const std::string& list)
{
    const CFileNameList names(list);
    std::vector<std::string> result;
    for (CFileNameList::Position pos = names.GetHeadPosition(); pos;)
        result.push_back(names.GetNext(pos));
    return result;
}

std::string Extension(TemplateId id)
{
    return DocStringPart(TemplateDocString(TemplateOf(id)), DocStringField::filterExt);
}

// "E", "E:" or "E:\..." -> "E:"; nothing when the name does not start with a letter.
std::optional<std::string> DriveOf(const std::string& name)
{
    if (name.empty() || !std::isalpha(static_cast<unsigned char>(name[0])))
        return std::nullopt;
    return std::string(1, char(std::toupper(static_cast<unsigned char>(name[0])))) + ":";
}

// The folder names of a path after its drive ("C:\Kestrom\Jobs\J1\" -> Kestrom, Jobs, J1).
std::vector<std::string_view> Components(std::string_view path)
{
    std::vector<std::string_view> parts;
    if (fw::WinPath::Drive(path))
        path.remove_prefix(2);
    while (!path.empty()) {
        const std::size_t slash = path.find('\\');
        if (slash != 0)
            parts.push_back(path.substr(0, slash));
        if (slash == std::string_view::npos)
            break;
        path.remove_prefix(slash + 1);
    }
    return parts;
}

// A path without a final '\' (a drive root keeps it: "E:\").
std::string Trimmed(std::string path)
{
    while (path.size() > 1 && path.back() == '\\' && !(path.size() == 3 && path[1] == ':'))
        path.pop_back();
    return path;
}

// The folder the folder lands in below the destination: its own folders that lie deeper than the
// destination, appended to it.
std::string Below(const std::string& destination, const std::string& folder)
{
    const std::size_t depth = Components(destination).size();
    std::string target = Trimmed(destination);
    const std::vector<std::string_view> parts = Components(folder);
    for (std::size_t i = depth; i < parts.size(); ++i)
        target = fw::WinPath::Join(target, parts[i]);
    return target;
}

class Planner {
public:
    CopyPlan plan;

    // A full path with a drive, or the reason why not.
    bool IsFull(const std::string& path)
    {
        if (fw::WinPath::Drive(path))
            return true;
        plan.Refuse("\"" + path + "\" is not a full path with a drive; it is not copied.");
        return false;
    }

    // The path on another drive.
    static std::string OnDrive(const std::string& path, const std::string& drive) { return drive + path.substr(2); }

    // False, with the reason, when a folder would be copied onto or into itself.
    bool MayCopyFolder(const std::string& from, const std::string& to)
    {
        if (CopyPlan::SamePlace(from, to)) {
            plan.Refuse("\"" + from + "\" is not copied onto itself.");
            return false;
        }
        if (CopyPlan::IsInside(to, from)) {
            plan.Refuse("\"" + from + "\" is not copied into \"" + to + "\", a folder inside itself.");
            return false;
        }
        return true;
    }

    // The names in the folder; nothing, with the reason, when it cannot be read.
    std::optional<std::vector<std::string>> List(const std::string& folder, const std::string& pattern,
                                                 fw::FileSystem::ListWhat what)
    {
        try {
            return fw::FileSystem::List(fw::WinPath::Join(folder, pattern), what);
        } catch (const fw::FileException& e) {
            plan.Refuse("\"" + folder + "\" cannot be read: " + e.what());
            return std::nullopt;
        }
    }

    // The files of the folder that match the pattern into the target folder (made even when
    // none matches); each file's own extras after it.
    void Files(const std::string& folder, const std::string& target, const std::string& pattern,
               const std::function<void(const std::string&, const std::string&)>& extras = {})
    {
        const auto names = MayCopyFolder(folder, target) ? List(folder, pattern, fw::FileSystem::files) : std::nullopt;
        if (!names)
            return;
        plan.AddFolder(target);
        for (const std::string& name : *names) {
            const std::string from = fw::WinPath::Join(folder, name), to = fw::WinPath::Join(target, name);
            plan.AddFile(from, to);
            if (extras)
                extras(from, to);
        }
    }

    // The folder's files and every folder below it.
    void Tree(const std::string& folder, const std::string& target, int depth = 0)
    {
        if (depth > kDeepestTree) {
            plan.Refuse("\"" + folder + "\" lies too deep; it is not copied.");
            return;
        }
        if (depth == 0 && !MayCopyFolder(folder, target))
            return;
        const auto fileNames = List(folder, "*", fw::FileSystem::files);
        const auto folderNames = fileNames ? List(folder, "*", fw::FileSystem::folders) : std::nullopt;
        if (!folderNames)
            return;
        plan.AddFolder(target);
        for (const std::string& name : *fileNames)
            plan.AddFile(fw::WinPath::Join(folder, name), fw::WinPath::Join(target, name));
        for (const std::string& name : *folderNames)
            Tree(fw::WinPath::Join(folder, name), fw::WinPath::Join(target, name), depth + 1);
    }

    // The group folders of a job with their files.
    void Groups(const std::string& job, const std::string& target)
    {
        const auto groups = MayCopyFolder(job, target) ? List(job, "*", fw::FileSystem::folders) : std::nullopt;
        if (!groups)
            return;
        plan.AddFolder(target);
        for (const std::string& group : *groups)
            Files(fw::WinPath::Join(job, group), fw::WinPath::Join(target, group), "*");
    }

    // The part files of a mult's part list, each to the target that targetOf gives for its path
    // below the Job/Group directory (\<job>\<group>\<mark>.prt) and its file name.
    void MultParts(const std::string& mult,
                   const std::function<std::string(const std::string& relative, const std::string& name)>& targetOf)
    {
        CMultDoc doc;   // a private reader: open mult windows and their edits are left alone
        if (!doc.LoadMult(mult)) {
            plan.Refuse("The parts of \"" + mult + "\" are not copied: the mult file cannot be read.");
            return;
        }
        const std::string jobFolder = DirectorySettings::Load(fw::AppProfile()).jobFolder;
        const std::string drive = std::string(1, fw::WinPath::Drive(mult)) + ":";
        for (const CMultPart& part : doc.GetParts()) {
            const PartRecord& h = part.GetHeader();
            const std::string job = jobs::FolderName(h.jobId), group = jobs::FolderName(h.group);
            if (!jobs::IsName(job) || !jobs::IsName(group) || !jobs::IsName(h.mark)) {
                plan.Refuse("\"" + mult + "\" names the part \"" + h.jobId + "\\" + h.group + "\\" + h.mark +
                            "\", which cannot be a file; it is not copied.");
                continue;
            }
            const std::string name = h.mark + Extension(TemplateId::part);
            const std::string relative = jobFolder + "\\" + job + "\\" + group + "\\" + name;
            plan.AddFile(drive + relative, targetOf(relative, name));
        }
    }

    void MultPartsOnDrive(const std::string& mult, const std::string& drive)
    {
        MultParts(mult, [&](const std::string& relative, const std::string&) { return drive + relative; });
    }
    void MultPartsInto(const std::string& mult, const std::string& folder)
    {
        MultParts(mult, [&](const std::string&, const std::string& name) { return fw::WinPath::Join(folder, name); });
    }
};

// Runs an operation on every name of the list for a drive; nothing without a name or drive.
CopyOutcome ToDrive(const std::string& list, const std::string& driveName,
                    const std::function<void(Planner&, const std::string& path, const std::string& drive)>& each)
{
    Planner planner;
    const std::vector<std::string> names = Names(list);
    if (names.empty() || driveName.empty())
        return {};
    const std::optional<std::string> drive = DriveOf(driveName);
    if (!drive)
        planner.plan.Refuse("\"" + driveName + "\" names no drive; nothing is copied.");
    else
        for (const std::string& name : names)
            if (planner.IsFull(name))
                each(planner, Trimmed(name), *drive);
    return planner.plan.Carry();
}

// Runs an operation on every name of the list for a destination folder.
CopyOutcome IntoFolder(const std::string& list, const std::string& destination,
                       const std::function<void(Planner&, const std::string& path, const std::string& folder)>& each)
{
    Planner planner;
    const std::vector<std::string> names = Names(list);
    if (names.empty() || destination.empty())
        return {};
    if (planner.IsFull(destination))
        for (const std::string& name : names)
            if (planner.IsFull(name))
                each(planner, Trimmed(name), destination);
    return planner.plan.Carry();
}

} // namespace

CopyOutcome FileManagement::CopyPartFile(const std::string& list, const std::string& drive) const
{
    return ToDrive(list, drive, [](Planner& p, const std::string& path, const std::string& to) {
        p.plan.AddFile(path, Planner::OnDrive(path, to));
    });
}

CopyOutcome FileManagement::CopyMultFile(const std::string& list, const std::string& drive) const
{
    return ToDrive(list, drive, [](Planner& p, const std::string& path, const std::string& to) {
        p.plan.AddFile(path, Planner::OnDrive(path, to));
        p.MultPartsOnDrive(path, to);
    });
}

CopyOutcome FileManagement::CopyGroup(const std::string& folders, const std::string& drive) const
{
    return ToDrive(folders, drive, [](Planner& p, const std::string& folder, const std::string& to) {
        p.Files(folder, Planner::OnDrive(folder, to), "*");
    });
}

CopyOutcome FileManagement::CopyAllParts(const std::string& folders, const std::string& drive) const
{
    return ToDrive(folders, drive, [](Planner& p, const std::string& folder, const std::string& to) {
        p.Files(folder, Planner::OnDrive(folder, to), "*" + Extension(TemplateId::part));
    });
}

CopyOutcome FileManagement::CopyAllMults(const std::string& folders, const std::string& drive) const
{
    return ToDrive(folders, drive, [](Planner& p, const std::string& folder, const std::string& to) {
        p.Files(folder, Planner::OnDrive(folder, to), "*" + Extension(TemplateId::mult),
                [&](const std::string& mult, const std::string&) { p.MultPartsOnDrive(mult, to); });
    });
}

CopyOutcome FileManagement::CopyAllGroup(const std::string& jobs, const std::string& drive) const
{
    return ToDrive(jobs, drive, [](Planner& p, const std::string& job, const std::string& to) {
        p.Groups(job, Planner::OnDrive(job, to));
    });
}

CopyOutcome FileManagement::CopyJob(const std::string& jobs, const std::string& drive) const
{
    return ToDrive(jobs, drive, [](Planner& p, const std::string& job, const std::string& to) {
        p.Tree(job, Planner::OnDrive(job, to));
    });
}

CopyOutcome FileManagement::CopyDiffPartFile(const std::string& list, const std::string& destination) const
{
    return IntoFolder(list, destination, [](Planner& p, const std::string& path, const std::string& folder) {
        const std::string into = Below(folder, std::string(fw::WinPath::Folder(path)));
        p.plan.AddFile(path, fw::WinPath::Join(into, fw::WinPath::FileName(path)));
    });
}

CopyOutcome FileManagement::CopyDiffMultFile(const std::string& list, const std::string& destination) const
{
    return IntoFolder(list, destination, [](Planner& p, const std::string& path, const std::string& folder) {
        const std::string into = Below(folder, std::string(fw::WinPath::Folder(path)));
        p.plan.AddFile(path, fw::WinPath::Join(into, fw::WinPath::FileName(path)));
        p.MultPartsInto(path, into);
    });
}

CopyOutcome FileManagement::CopyDiffGroup(const std::string& groups, const std::string& destination) const
{
    return IntoFolder(groups, destination, [](Planner& p, const std::string& group, const std::string& folder) {
        p.Files(group, Below(folder, group), "*");
    });
}

CopyOutcome FileManagement::CopyLabelAllGroup(const std::string& jobs, const std::string& destination) const
{
    const bool driveOnly = destination.size() < 4 && fw::WinPath::Drive(destination);
    return IntoFolder(jobs, destination, [driveOnly](Planner& p, const std::string& job, const std::string& folder) {
        p.Groups(job, driveOnly ? Planner::OnDrive(job, *DriveOf(folder)) : Trimmed(folder));
    });
}

CopyOutcome FileManagement::CopyMultParts(const std::string& mults, const std::string& drive) const
{
    return ToDrive(mults, drive, [](Planner& p, const std::string& path, const std::string& to) {
        p.MultPartsOnDrive(path, to);
    });
}

CopyOutcome FileManagement::CopyDiffMultParts(const std::string& mults, const std::string& destination) const
{
    return IntoFolder(mults, destination, [](Planner& p, const std::string& path, const std::string& folder) {
        p.MultPartsInto(path, Below(folder, std::string(fw::WinPath::Folder(path))));
    });
}
