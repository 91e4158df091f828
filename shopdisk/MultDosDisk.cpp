#include "shopdisk/MultDosDisk.h"
#include "shopdisk/OpenReported.h"
#include "shopdisk/ShopDiskReport.h"

#include "machmult/MachinePartOf.h"
#include "machmult/MultDoc.h"
#include "machmult/MultPartListRecords.h"
#include "model/JobPaths.h"
#include "shopdb/MultAccess.h"
#include "records/RecordImage.h"
#include "shopdisk/PartDosDisk.h"

#include "fw/core/AppProfile.h"
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
    ShopDiskReport report;   // told once the wait cursor is gone
    const fw::WaitCursor wait;
    const std::string folder(fw::WinPath::Folder(recordFile));
    const std::string name(fw::WinPath::FileName(recordFile));
    const std::string diskRoot(fw::WinPath::Folder(folder));
    CMultAccess access;
    if (!OpenReported(access, recordFile, CPowerFile::readFlags))
        return;
    std::set<std::string> convertedSets;
    for (std::int32_t address = access.First(); (access.GetStatus() & CPowerFile::statusEnd) == 0;
         address = access.Next()) {
        MultLinks links;
        MultRecord record;
        try {
            record = MultRecordImage::Decode(access.Read(address).buffer, &links);
        } catch (const RecordImageError& e) {
            report.Add("The mult record file " + recordFile + " holds a record that cannot be read: " + e.what());
            continue;
        }
        if (!links.partFileSet.empty() && convertedSets.insert(links.partFileSet).second)
            CPartDosDisk::ReadDosDisk(diskRoot + "\\PART\\" + links.partFileSet + ".REC");
        CMultDoc mult;
        if (!mult.SetMultRecord(record)) {
            report.Add("The mult " + record.job + " " + record.group + " " + record.mark + " of " + recordFile +
                 " is not converted: " + CMultDoc::kBadNames);
            continue;
        }
        CPartlistAccess& parts = access.PartList();
        if (!OpenReported(parts, folder + "\\PARTLIST\\" + name, links.partList, CPowerFile::readFlags))
            return;
        try {
            ReadPartList(parts, mult.GetParts());
        } catch (const RecordImageError& e) {
            report.Add("The part list of mult " + record.mark + " in " + recordFile + " cannot be read: " + e.what());
        }
        parts.Close();
        parts.Reset();
        if (CMachine* machine = mult.GetMachine()) {
            for (CMultPart& part : mult.GetParts())
                machine->FitToolsToStations(part.GetTools());
            LoadToolsForParts(*machine, mult.GetParts());
        }
        if (!mult.SaveDocument())
            report.Add("The mult " + record.job + " " + record.group + " " + record.mark + " of " + recordFile +
                 " could not be saved.");
    }
}
