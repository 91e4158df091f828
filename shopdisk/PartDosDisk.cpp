#include "shopdisk/PartDosDisk.h"
#include "shopdisk/OpenReported.h"
#include "shopdisk/ShopDiskReport.h"
#include "shopdisk/LegacyConversion.h"

#include "model/PatternList.h"
#include "model/StencilPatternList.h"
#include "partprog/PartDoc.h"
#include "shopdb/PartAccess.h"
#include "records/RecordImage.h"

#include "fw/core/DriveMap.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kWeb = 16;
constexpr int kTopFlange = 32;
constexpr int kBottomFlange = 48;

// The six pattern chains of a part record: the chain, the face and the operation.
struct PatternSlot {
    CPartAccess::PatternChain chain;
    int face;
    int operation;
};
// In the order the disk is written.
constexpr std::array<PatternSlot, 6> kWriteOrder{{
    {CPartAccess::webHoles, kWeb, CPattern::hole},
    {CPartAccess::webLayouts, kWeb, CPattern::frontLayout},
    {CPartAccess::topFlangeHoles, kTopFlange, CPattern::hole},
    {CPartAccess::topFlangeLayouts, kTopFlange, CPattern::frontLayout},
    {CPartAccess::bottomFlangeHoles, kBottomFlange, CPattern::hole},
    {CPartAccess::bottomFlangeLayouts, kBottomFlange, CPattern::frontLayout},
}};
// In the order the disk is read: the holes of the three faces, then their layouts.
constexpr std::array<PatternSlot, 6> kReadOrder{{kWriteOrder[0], kWriteOrder[2], kWriteOrder[4], kWriteOrder[1],
                                                 kWriteOrder[3], kWriteOrder[5]}};

std::int32_t& ChainOf(PartChains& chains, CPartAccess::PatternChain chain)
{
    switch (chain) {
    case CPartAccess::webHoles: return chains.webHoles;
    case CPartAccess::topFlangeHoles: return chains.topFlangeHoles;
    case CPartAccess::bottomFlangeHoles: return chains.bottomFlangeHoles;
    case CPartAccess::webLayouts: return chains.webLayouts;
    case CPartAccess::topFlangeLayouts: return chains.topFlangeLayouts;
    case CPartAccess::bottomFlangeLayouts: break;
    }
    return chains.bottomFlangeLayouts;
}

bool IsLayout(const PatternSlot& slot)
{
    return slot.operation != CPattern::hole;
}

// The record files of one part disk: the part records and their three detail files.
struct PartDiskFiles {
    std::string parts, holes, layouts, stencils;

    static PartDiskFiles Of(const std::string& partRecordFile)
    {
        const std::string folder(fw::WinPath::Folder(partRecordFile));
        const std::string name(fw::WinPath::FileName(partRecordFile));
        return {partRecordFile, folder + "\\HOLE\\" + name, folder + "\\LAYOUT\\" + name,
                folder + "\\STENCIL\\" + name};
    }
};

// Writes the patterns and stencils of a loaded part and returns where their chains start.
// False when a detail file cannot be opened (it has been reported).
bool WriteDetails(CPartAccess& access, const PartDiskFiles& files, CPartDoc& part, int channelLeg, PartChains& chains)
{
    const CPartShape& shape = *part.GetPartShape();
    for (const PatternSlot& slot : kWriteOrder) {
        CPatternAccess& patterns = access.Patterns(slot.chain);
        if (!OpenReported(patterns, IsLayout(slot) ? files.layouts : files.holes, -1))
            return false;
        CPatternList scratch;
        shape.CopyFacePatterns(scratch, slot.face, channelLeg, slot.operation);
        patterns.WritePatterns(scratch);
        ChainOf(chains, slot.chain) = patterns.Close();
        patterns.Reset();
    }
    CStencilAccess& stencils = access.Stencils();
    if (!OpenReported(stencils, files.stencils, -1))
        return false;
    CStencilPatternList scratch;
    const int face = shape.CopyStencils(scratch);
    stencils.WriteStencils(scratch);
    const std::int32_t chain = stencils.Close();
    stencils.Reset();
    (face == kTopFlange ? chains.topFlangeStencils : face == kBottomFlange ? chains.bottomFlangeStencils
                                                                           : chains.webStencils) = chain;
    return true;
}

// The patterns of a record take the part's measuring system and, where the catalogue has it, the
// catalogue's tool of their kind and size.
void TakePartsUnitsAndTools(CPatternList& patterns, int measuringSystem, LegacyConversion& run, const std::string& what)
{
    for (CPattern& pattern : patterns) {
        pattern.SetUnits(measuringSystem);
        if (const CPartTool* recorded = pattern.GetTool())
            if (const CPartTool* tool = run.CatalogueTool(*recorded, what))
                pattern.SetTool(*tool);
    }
}

// Reads a part's chains into its shape; false when a detail file cannot be opened (named in the
// run). A damaged chain or record throws.
bool ReadDetails(CPartAccess& access, const PartDiskFiles& files, const PartChains& chains, CPartDoc& part,
                 LegacyConversion& run, const std::string& what)
{
    CPartShape& shape = *part.GetPartShape();
    const int channelLeg = part.Header().channelLeg;
    const int measuringSystem = part.Header().measuringSystem;
    PartChains read = chains;
    for (const PatternSlot& slot : kReadOrder) {
        CPatternAccess& patterns = access.Patterns(slot.chain);
        if (!OpenOrRefuse(patterns, run, IsLayout(slot) ? files.layouts : files.holes, ChainOf(read, slot.chain),
                          CPowerFile::readFlags))
            return false;
        CPatternList scratch;
        {
            const ClosingAccess closing(patterns);
            patterns.ReadPatterns(scratch);
        }
        TakePartsUnitsAndTools(scratch, measuringSystem, run, what);
        shape.PastePatterns(scratch, slot.face, channelLeg);
    }
    for (const std::int32_t chain : {chains.webStencils, chains.topFlangeStencils, chains.bottomFlangeStencils}) {
        CStencilAccess& stencils = access.Stencils();
        if (!OpenOrRefuse(stencils, run, files.stencils, chain, CPowerFile::readFlags))
            return false;
        CStencilPatternList scratch;
        {
            const ClosingAccess closing(stencils);
            stencils.ReadStencils(scratch);
        }
        for (CStencilPattern& stencil : scratch)
            stencil.SetUnits(measuringSystem);
        shape.PasteStencils(scratch);
    }
    return true;
}

// Converts the record at the address into the run; false when the rest of the file can't be
// converted either (a detail file that can't be opened).
bool ConvertRecord(CPartAccess& access, const PartDiskFiles& disk, std::int32_t address, LegacyConversion& run)
{
    PartChains chains;
    PartRecord record;
    try {
        record = PartRecordImage::Decode(access.Read(address).buffer, &chains);
    } catch (const std::exception& e) {
        run.Refuse("The part record at " + std::to_string(address) + " of " + disk.parts + " cannot be read: " +
                   e.what());
        return true;
    }
    const std::string what = "The part " + record.jobId + " " + record.group + " " + record.mark + " of " + disk.parts;
    auto part = std::make_unique<CPartDoc>();
    part->DeleteContents();
    if (!part->SetPartRecord(record)) {
        run.Refuse(what + " is not converted: " + CPartDoc::kInvalidName);
        return true;
    }
    if (!part->GetPartShape()) {
        const int answer = fw::Messages().MessageBox(
            record.jobId + " " + record.group + " " + record.mark + "\nMARK will not be converted",
            "Missing Shape " + record.shapeDesctp + ":" + record.shapeDesc + " In Varnex",
            fw::MB_OKCANCEL | fw::MB_ICONHAND);
        run.Refuse(what + " is not converted: the shape " + record.shapeDesctp + record.shapeDesc +
                   " is not in the shape catalogue.");
        if (answer == fw::IDCANCEL)
            run.Cancel();
        return true;
    }
    try {
        if (!ReadDetails(access, disk, chains, *part, run, what)) {
            run.Refuse(what + " is not converted, nor the part records after it.");
            return false;
        }
    } catch (const std::exception& e) {
        run.Refuse(what + " is not converted: its holes, layouts or stencil marks cannot be read: " + e.what());
        return true;
    }
    run.AddPart(std::move(part), what);
    return true;
}

} // namespace

std::vector<std::string> CPartDosDisk::FilesOf(const std::string& entry)
{
    if (entry.find_first_of("*?") == std::string::npos)
        return {entry};
    const std::string folder(fw::WinPath::Folder(entry));
    std::vector<std::string> files;
    try {
        for (const std::string& name : fw::FileSystem::List(entry, fw::FileSystem::files))
            files.push_back(fw::WinPath::Join(folder, name));
    } catch (const fw::FileException&) {
        // A folder that is not there matches nothing.
    }
    return files;
}

std::string CPartDosDisk::RecordFilePath(char drive, const std::string& folder, const std::string& target)
{
    return std::string(1, drive) + ":\\" + folder + "\\" + target + ".REC";
}

bool CPartDosDisk::CheckTarget(char drive, const std::string& target)
{
    if (!fw::DriveMap::Instance().Root(drive)) {
        fw::ShowMessage(kInvalidDrive, fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    if (target.empty() || target.size() > kMaxTargetName || !fw::WinPath::IsFileName(target)) {
        fw::ShowMessage(target.empty() ? std::string(kInvalidFile) + ": no target name was given."
                                       : std::string(kInvalidFile) + ": the target name " + target +
                                             " must be a file name of at most 15 characters.",
                        fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void CPartDosDisk::CreateDosDisk(char drive, const std::string& target, const std::vector<std::string>& files)
{
    if (!CheckTarget(drive, target) || files.empty())
        return;
    ShopDiskReport report;   // told once the wait cursor is gone
    const fw::WaitCursor wait;
    const PartDiskFiles disk = PartDiskFiles::Of(RecordFilePath(drive, "PART", target));
    CPartAccess access;
    if (!OpenReported(access, disk.parts))
        return;
    for (const std::string& entry : files) {
        for (const std::string& file : FilesOf(entry)) {
            CPartDoc part;
            part.DeleteContents();
            if (!part.LoadPart(file) || !part.GetPartShape()) {
                report.Add("The part file " + file + " could not be read; it is not written to the shop disk.");
                continue;
            }
            const PartRecord record = part.GetPartRecord();
            PartChains chains;
            try {
                if (!WriteDetails(access, disk, part, record.channelLeg, chains))
                    break;   // the rest of this entry would fail the same way
                auto stored = access.NewRecord();
                const std::vector<std::uint8_t> image = PartRecordImage::Encode(record, chains);
                std::copy(image.begin(), image.end(), stored->buffer.begin());
                access.Add(std::move(stored));
                if (!part.GetPartShape()->GetWeb2List().IsEmpty())
                    report.Add("The part file " + file + " is written to the shop disk without the patterns of its second web: "
                         "the shop disk has no place for them.");
            } catch (const RecordImageError& e) {
                report.Add("The part file " + file + " is not written to the shop disk: " + e.what());
            }
        }
    }
}

void CPartDosDisk::ReadDosDisk(const std::string& recordFile)
{
    LegacyConversion run;
    {
        const fw::WaitCursor wait;
        ConvertRecords(recordFile, run);
    }
    run.Finish();
}

void CPartDosDisk::ConvertRecords(const std::string& recordFile, LegacyConversion& run)
{
    const PartDiskFiles disk = PartDiskFiles::Of(recordFile);
    CPartAccess access;
    if (!OpenOrRefuse(access, run, disk.parts, CPowerFile::readFlags))
        return;
    try {
        for (std::int32_t address = access.First();
             (access.GetStatus() & CPowerFile::statusEnd) == 0 && !run.IsCancelled(); address = access.Next())
            if (!ConvertRecord(access, disk, address, run))
                return;
    } catch (const std::exception& e) {
        run.Refuse("The part record file " + recordFile + " cannot be read to its end: " + e.what());
    }
}
