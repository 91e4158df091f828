#include "shopdisk/MultDosDisk.h"
#include "shopdisk/OpenReported.h"
#include "shopdisk/ShopDiskReport.h"
#include "shopdisk/LegacyConversion.h"

#include "machmult/MachinePartOf.h"
#include "machmult/MultDoc.h"
#include "machmult/MultPartListRecords.h"
#include "model/JobPaths.h"
#include "shopdb/MultAccess.h"
#include "records/RecordImage.h"
#include "shopdisk/PartDosDisk.h"

#include "fw/core/AppProfile.h"
#include "fw/core/SaneLength.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <set>

namespace {

std::string TrimRight(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// Writes a loaded mult's tool lists and part list; false when a detail file cannot be opened.
bool WriteDetails(CMultAccess& access, const std::string& toolFile, const std::string& partFile, CMultDoc& mult,
                  MultLinks& links)
{
    CMachine& machine = *mult.GetMachine();
    LoadToolsForParts(machine, mult.GetParts());
    for (std::size_t slot = 0; slot < MultLinks::toolListCodes.size(); ++slot) {
        CToollistAccess& tools = access.ToolList(slot);
        if (!OpenReported(tools, toolFile, -1))
            return false;
        tools.WriteToolList(machine.GetLoadedTools(), MultLinks::toolListCodes[slot]);
        links.toolLists[slot] = tools.Close();
        tools.Reset();
    }
    CPartlistAccess& parts = access.PartList();
    if (!OpenReported(parts, partFile, -1))
        return false;
    WritePartList(parts, mult.GetParts());
    links.partList = parts.Close();
    parts.Reset();
    return true;
}

} // namespace

void CMultDosDisk::CreateDosDisk(char drive, const std::string& targetName, const std::vector<std::string>& files)
{
    const std::string target = TrimRight(targetName);
    if (!CPartDosDisk::CheckTarget(drive, target) || files.empty())
        return;
    ShopDiskReport report;   // told once the wait cursor is gone
    const fw::WaitCursor wait;
    const std::string multFile = CPartDosDisk::RecordFilePath(drive, "MULT", target);
    const std::string toolFile = CPartDosDisk::RecordFilePath(drive, "MULT\\TOOLLIST", target);
    const std::string partFile = CPartDosDisk::RecordFilePath(drive, "MULT\\PARTLIST", target);
    CMultAccess access;
    if (!OpenReported(access, multFile))
        return;
    std::set<std::string> collected;
    std::vector<std::string> partFiles;
    for (const std::string& entry : files) {
        for (const std::string& file : CPartDosDisk::FilesOf(entry)) {
            CMultDoc mult;
            if (!mult.LoadMult(file)) {
                report.Add("The mult file " + file + " could not be read; it is not written to the shop disk.");
                continue;
            }
            if (!mult.GetMachine()) {
                report.Add("The mult file " + file + " names no machine; it is not written to the shop disk.");
                continue;
            }
            const MultRecord record = mult.GetMultRecord();
            MultLinks links;
            links.partFileSet = target;
            try {
                // A record that cannot be stored is refused before any of its chains is written.
                MultRecordImage::Encode(record, links);
                if (!WriteDetails(access, toolFile, partFile, mult, links))
                    continue;   // reported; this mult is left out
                auto stored = access.NewRecord();
                const std::vector<std::uint8_t> image = MultRecordImage::Encode(record, links);
                std::copy(image.begin(), image.end(), stored->buffer.begin());
                access.Add(std::move(stored));
            } catch (const RecordImageError& e) {
                report.Add("The mult file " + file + " is not written to the shop disk: " + e.what());
                continue;
            }
            const std::string root = std::string(1, fw::WinPath::Drive(file)) + ":" + jobs::Directory();
            for (const CMultPart& part : mult.GetParts()) {
                const PartRecord& h = part.GetHeader();
                if (collected.insert(part.GetKeyText()).second)
                    partFiles.push_back(root + "\\" + h.jobId + "\\" + h.group + "\\" + h.mark + CMultDoc::kPartExtension);
            }
        }
    }
    access.Close();
    report.Tell();
    if (!partFiles.empty())
        CPartDosDisk::CreateDosDisk(drive, target, partFiles);
}

void CMultDosDisk::ReadDosDisk(const std::string& recordFile)
{
    LegacyConversion run;
    {
        const fw::WaitCursor wait;
        ConvertRecords(recordFile, run);
    }
    run.Finish();
}

namespace {

// The files of a mult disk: the mult records, their part lists ("MULT\PARTLIST\<name>") and the
// root the "PART" folder lies in.
struct MultDiskFiles {
    std::string mults, partLists, diskRoot;

    static MultDiskFiles Of(const std::string& multRecordFile)
    {
        const std::string folder(fw::WinPath::Folder(multRecordFile));
        return {multRecordFile, folder + "\\PARTLIST\\" + std::string(fw::WinPath::FileName(multRecordFile)),
                std::string(fw::WinPath::Folder(folder))};
    }
};

// Converts the mult at the address into the run, first the part record file set it names (once
// per run); false when the rest of the file can't be converted either.
bool ConvertRecord(CMultAccess& access, const MultDiskFiles& disk, std::int32_t address,
                   std::set<std::string>& convertedSets, LegacyConversion& run)
{
    MultLinks links;
    MultRecord record;
    try {
        record = MultRecordImage::Decode(access.Read(address).buffer, &links);
    } catch (const std::exception& e) {
        run.Refuse("The mult record at " + std::to_string(address) + " of " + disk.mults + " cannot be read: " +
                   e.what());
        return true;
    }
    if (!links.partFileSet.empty() && convertedSets.insert(links.partFileSet).second) {
        if (fw::WinPath::IsFileName(links.partFileSet))
            CPartDosDisk::ConvertRecords(disk.diskRoot + "\\PART\\" + links.partFileSet + ".REC", run);
        else
            run.Refuse("The mult records of " + disk.mults + " name the part file set \"" + links.partFileSet +
                       "\", which is not a file name.");
    }
    const std::string what = "The mult " + record.job + " " + record.group + " " + record.mark + " " +
                             std::to_string(record.sequence) + " of " + disk.mults;
    auto mult = std::make_unique<CMultDoc>();
    if (!mult->SetMultRecord(record)) {
        run.Refuse(what + " is not converted: " + CMultDoc::kBadNames + " Lengths are at most " +
                   std::to_string(int(fw::kMaxInches)) + " inches.");
        return true;
    }
    if (!mult->GetShape() || !mult->GetMachine()) {
        run.Refuse(what + " is not converted: " +
                   (!mult->GetShape() ? "the shape " + record.shapeDesctp + record.shapeDesc + " is not in the shape catalogue."
                                      : "the machine " + record.machine + " is not in the machine directory."));
        return true;
    }
    CPartlistAccess& parts = access.PartList();
    if (!OpenOrRefuse(parts, run, disk.partLists, links.partList, CPowerFile::readFlags)) {
        run.Refuse(what + " is not converted, nor the mult records after it.");
        return false;
    }
    std::vector<PartListRecord> partList;
    try {
        const ClosingAccess closing(parts);
        partList = parts.ReadPartList();
    } catch (const std::exception& e) {
        run.Refuse(what + " is not converted: its part list cannot be read: " + e.what());
        return true;
    }
    // The parts take their headers and tools from the part files, converted in this run or kept.
    const auto complete = [partList = std::move(partList)](CMultDoc& doc) {
        AddPartListRecords(partList, doc.GetParts());
        if (CMachine* machine = doc.GetMachine()) {
            for (CMultPart& part : doc.GetParts())
                machine->FitToolsToStations(part.GetTools());
            LoadToolsForParts(*machine, doc.GetParts());
        }
    };
    run.AddMult(std::move(mult), complete, what);
    return true;
}

} // namespace

void CMultDosDisk::ConvertRecords(const std::string& recordFile, LegacyConversion& run)
{
    const MultDiskFiles disk = MultDiskFiles::Of(recordFile);
    CMultAccess access;
    if (!OpenOrRefuse(access, run, recordFile, CPowerFile::readFlags))
        return;
    std::set<std::string> convertedSets;
    try {
        for (std::int32_t address = access.First();
             (access.GetStatus() & CPowerFile::statusEnd) == 0 && !run.IsCancelled(); address = access.Next())
            if (!ConvertRecord(access, disk, address, convertedSets, run))
                return;
    } catch (const std::exception& e) {
        run.Refuse("The mult record file " + recordFile + " cannot be read to its end: " + e.what());
    }
}
