#pragma once
// The commands of the report window's context menus. Most hand the dispatcher a code and a path
// taken from the rows: the selected rows as a '|' list, the row that was right-clicked, or the
// listed folder. The others act in the window (copy to a drive, new folder, delete, rename, view
// modes, legacy shop disks of groups and jobs).

#include "shell/FileManagement.h"
#include "shell/NavServices.h"

#include <optional>
#include <string>
#include <vector>

// What the commands read from the report window.
class ReportSelection {
public:
    virtual ~ReportSelection() = default;
    virtual const std::string& Folder() const = 0;
    virtual ReportKind Kind() const = 0;
    // Column-0 texts of the selected rows in display order.
    virtual std::vector<std::string> SelectedNames() const = 0;
    // Column-0 text of the row under the last right click; empty when none.
    virtual std::string ClickedName() const = 0;
};

namespace reportcmd {
// Command ids of the context menus.
enum : unsigned {
    partsOpen = 32928, copyPart = 32922, partsPrintCustom = 32925, partsPrintStandard = 32924,
    deleteFiles = 32945, partsShopDisk = 32929, readLegacy = 32930, renamePart = 32946, partRun = 32947,
    partsOpposite = 32927, partsNew = 32919, multsNew = 32939, copyMult = 32940, multsOpen = 32933,
    multsPrintCustom = 32944, multsPrintStandard = 32943, multsShopDisk = 32948, multsReadLegacy = 32949,
    multRun = 32950, navigate = 32964, newFolder = 32969, copyGroup = 32970, refreshFolder = 32966,
    groupsPartsDisk = 32971, groupsMultsDisk = 32972, copyJob = 32965, jobsPartsDisk = 32967,
    jobsMultsDisk = 32968, details = 32977, viewIcons = 32771, showMults = 32990, showParts = 32989,
    showAll = 32988, viewList = 32992, refreshReport = 32902, machinesNew = 32903, toolsNew = 32907,
    shapesNew = 32911, viewTiles = 32993,
};
} // namespace reportcmd

struct NavRequest {
    int code = 0;
    std::optional<std::string> path;
    bool operator==(const NavRequest&) const = default;
};

// The dispatcher call of a command; nothing for the commands that act in the window.
std::optional<NavRequest> ReportNavRequest(unsigned command, const ReportSelection& selection);
// The handler name that an unexpected error of the command names ("OnPartsOpen").
std::string ReportCommandHandler(unsigned command);
// The code that lists the folder again as the window's kind (0xB0, 0xC0, 0xD0).
int ReportRefreshCode(ReportKind kind);

// The copy to the same paths on another drive that a command makes of the selected rows: Copy Part
// File, Copy Mult File, a group's and a job's Copy All Files. Null for the other commands.
using ReportDriveCopy = CopyOutcome (FileManagement::*)(const std::string& list, const std::string& drive) const;
ReportDriveCopy ReportDriveCopyOf(unsigned command);
// Runs the command's copy on the selected rows (a '|' list) for the drive; nothing for the
// commands that copy nothing or without a selected row.
std::optional<CopyOutcome> CopyReportRows(unsigned command, const ReportSelection& selection,
                                          const FileManagement& files, const std::string& drive);

// Legacy shop disks of selected groups or jobs: for every group (of every job), the pattern of
// its part or mult files ("C:\Kestrom\Jobs\J1\G1\*.prt|"), as a '|' list.
std::string GroupFilePatterns(const std::vector<std::string>& groups, const std::string& extension);
std::string JobFilePatterns(const std::vector<std::string>& jobs, const std::string& extension);
