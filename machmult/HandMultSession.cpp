#include "machmult/HandMultSession.h"

#include "machmult/MachinePartOf.h"
#include "machmult/MultDoc.h"
#include "partprog/PartDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <cctype>

namespace {

using Position = CPartList::Position;

std::string Replace(std::string text, const std::string& marker, const std::string& value)
{
    const std::size_t at = text.find(marker);
    return at == std::string::npos ? text : text.replace(at, marker.size(), value);
}

std::string UpperTrimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    std::string result = text.substr(first, text.find_last_not_of(' ') - first + 1);
    for (char& c : result)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// The entries of the list the parts came from, in the parts' order: the entry at a part's list
// index when it holds that part, else the first of its key not taken yet; none for a part the
// list no longer holds.
std::vector<Position> SourceEntries(CPartList& list, const std::vector<std::unique_ptr<CMultPart>>& parts)
{
    std::vector<Position> entries;
    const auto taken = [&entries](Position pos) { return std::find(entries.begin(), entries.end(), pos) != entries.end(); };
    for (const auto& part : parts) {
        Position entry;
        if (part->GetListIndex() >= 0)
            if (Position at = list.FindIndex(std::size_t(part->GetListIndex()));
                at && list.GetAt(at)->GetKeyText() == part->GetKeyText() && !taken(at))
                entry = at;
        for (Position pos = list.GetHeadPosition(); !entry && pos; list.GetNext(pos))
            if (list.GetAt(pos)->GetKeyText() == part->GetKeyText() && !taken(pos))
                entry = pos;
        entries.push_back(entry);
    }
    return entries;
}

// The next place of a drop position after a part went there (the end stays the end).
int Next(int position) { return position >= 0 ? position + 1 : position; }

} // namespace

HandMultSession::HandMultSession(CMultDoc& doc) : doc_(doc) {}

HandMultSession::~HandMultSession() = default;

// --- Gathering the parts -------------------------------------------------------------------------

std::unique_ptr<CMultPart> HandMultSession::MakeMultPart(const std::string& path) const
{
    CPartDoc part;
    if (!part.LoadPart(path))
        return nullptr;
    std::unique_ptr<CMultPart> multPart = CMultPart::FromPart(part);
    // Where the file was read, whatever its header says.
    multPart->SetPartPath(path);
    multPart->SetQuantityUsed(0);
    multPart->SetListIndex(-1);
    multPart->GetPartOffset().SetValue(0.0);
    if (CMachine* machine = doc_.GetMachine())
        multPart->SetToolsFit(machine->FitToolsToStations(multPart->GetTools()) ? 1 : 0);
    return multPart;
}

bool HandMultSession::IsMultShape(const CMultPart& part) const
{
    const MultRecord& mult = doc_.Header();
    return UpperTrimmed(part.GetHeader().shapeDesctp) == UpperTrimmed(mult.shapeDesctp) &&
           UpperTrimmed(part.GetHeader().shapeDesc) == UpperTrimmed(mult.shapeDesc);
}

bool HandMultSession::AddPotential(std::unique_ptr<CMultPart>& part)
{
    part->SetListIndex(nextIndex_);
    if (!potential_.AddSorted(part))
        return false;
    ++nextIndex_;
    return true;
}

std::vector<std::string> HandMultSession::MatchingFiles(const std::string& entry)
{
    const std::string folder(fw::WinPath::Folder(entry));
    std::vector<std::string> files;
    try {
        for (const std::string& name : fw::FileSystem::List(entry, fw::FileSystem::files))
            files.push_back(fw::WinPath::Join(folder, name));
    } catch (const fw::FileException&) {
        // A folder that is not there holds no parts.
    }
    return files;
}

std::optional<std::string> HandMultSession::OnMultDrive(const std::string& file, const CopyQuestion& ask,
                                                        std::optional<CopyAnswer>& always, bool& cancelled) const
{
    const char multDrive = fw::WinPath::Drive(doc_.GetPathName());
    const char fileDrive = fw::WinPath::Drive(file);
    if (!multDrive || !fileDrive || multDrive == fileDrive)
        return file;
    CopyAnswer answer = always.value_or(CopyAnswer::cancel);
    if (!always) {
        answer = ask ? ask(Replace(kOtherDrive, "%1", file)) : CopyAnswer::no;
        if (answer == CopyAnswer::yesToAll || answer == CopyAnswer::noToAll)
            always = answer;
    }
    if (answer == CopyAnswer::cancel) {
        cancelled = true;
        return std::nullopt;
    }
    if (answer == CopyAnswer::no || answer == CopyAnswer::noToAll)
        return std::nullopt;

    const std::string copy = std::string(1, multDrive) + file.substr(1);
    try {
        if (fw::FileSystem::Exists(copy)) {
            // A file there already is replaced only when the user says so; else it is the one read.
            if (fw::ShowMessage(Replace(kCopyExists, "%1", copy), fw::MB_YESNO | fw::MB_ICONQUESTION) != fw::IDYES)
                return copy;
        } else {
            fw::FileSystem::CreateFolders(copy);
        }
        fw::FileSystem::CopyFile(file, copy, false);
        return copy;
    } catch (const fw::FileException& e) {
        fw::ShowMessage(e.what(), fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return std::nullopt;
    }
}

bool HandMultSession::FillPotentialList(int source, const CopyQuestion& ask)
{
    std::string list;
    {
        fw::WaitCursor wait;
        list = doc_.GetPartSourceList(source);
    }
    std::vector<std::string> entries;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t bar = std::min(list.find('|', start), list.size());
        if (bar > start)
            entries.push_back(list.substr(start, bar - start));
        start = bar + 1;
    }
    if (entries.empty()) {
        fw::ShowMessage(kNoParts, fw::MB_OK | fw::MB_ICONHAND);
        return false;
    }
    std::optional<CopyAnswer> always;
    bool cancelled = false;
    for (const std::string& entry : entries)
        for (const std::string& found : MatchingFiles(entry)) {
            const std::optional<std::string> file = OnMultDrive(found, ask, always, cancelled);
            if (cancelled)
                return false;
            if (!file)
                continue;
            std::unique_ptr<CMultPart> part = MakeMultPart(*file);
            // A part reached twice (through two entries) is offered once.
            if (part && IsMultShape(*part) && !potential_.FindByName(part->GetKeyText()))
                AddPotential(part);
        }
    return true;
}

std::string HandMultSession::PartFileOf(const CMultPart& part) const
{
    if (!part.GetPartPath().empty() && fw::FileSystem::Exists(part.GetPartPath()))
        return part.GetPartPath();
    const char drive = fw::WinPath::Drive(doc_.GetPathName());
    const std::string directory =
        fw::AppProfile().GetProfileString("Directories", "Job/Group Directory", "\\Kestrom\\Jobs");
    const PartRecord& h = part.GetHeader();
    return (drive ? std::string(1, drive) + ":" : std::string()) + directory + "\\" + h.jobId + "\\" + h.group + "\\" +
           h.mark + CMultDoc::kPartExtension;
}

void HandMultSession::TakeMultParts()
{
    NumberMultParts();
    for (CMultPart& onMult : doc_.GetParts()) {
        if (potential_.RemovePart(onMult))
            continue;
        const std::string path = PartFileOf(onMult);
        std::unique_ptr<CMultPart> part = fw::FileSystem::Exists(path) ? MakeMultPart(path) : nullptr;
        if (!part) {
            fw::Messages().Beep(fw::MB_ICONEXCLAMATION);
            fw::ShowMessage(Replace(kPartNotFound, "%1", path), fw::MB_OK | fw::MB_ICONEXCLAMATION);
            continue;
        }
        if (IsMultShape(*part) && AddPotential(part))
            potential_.RemovePart(onMult);
    }
    LoadMachineTools();
    UpdatePotentialFit();
}

// --- Keeping the mult and the machine in step ----------------------------------------------------

void HandMultSession::NumberMultParts()
{
    int index = 0;
    for (CMultPart& part : doc_.GetParts()) {
        part.SetListIndex(index++);
        part.GetPartOffset().SetValue(0.0);
    }
}

void HandMultSession::LoadMachineTools()
{
    if (CMachine* machine = doc_.GetMachine())
        ::LoadToolsForParts(*machine, doc_.GetParts());
}

void HandMultSession::UpdatePotentialFit()
{
    if (CMachine* machine = doc_.GetMachine())
        ::UpdatePotentialFit(*machine, doc_.GetParts(), potential_, doc_);
}

// --- Drops ---------------------------------------------------------------------------------------

void HandMultSession::DropParts(std::vector<std::unique_ptr<CMultPart>>& parts, PartDropMode mode, int position,
                                PartListKind target, const QuantityQuestion& ask)
{
    doc_.SetModifiedFlag(true);
    if (mode == dropWithinList) {
        if (target == PartListKind::mult)
            Reorder(parts, position);
    } else {
        MoveBetweenLists(parts, position, target, ask);
    }
    UpdatePotentialFit();
    NumberMultParts();
    doc_.UpdateAllViews(nullptr);
}

void HandMultSession::Reorder(std::vector<std::unique_ptr<CMultPart>>& parts, int position)
{
    CMultPartList& list = doc_.GetParts();
    for (Position entry : SourceEntries(list, parts)) {
        if (!entry)
            continue;
        if (position >= 0 && list.IndexOf(entry) < position)
            --position;
        std::unique_ptr<CMultPart> moved = list.RemoveAt(entry);
        const Position before = position >= 0 ? list.FindIndex(std::size_t(position)) : Position();
        if (before)
            list.InsertBefore(before, std::move(moved));
        else
            list.AddTail(std::move(moved));
        position = Next(position);
    }
}

void HandMultSession::MoveBetweenLists(std::vector<std::unique_ptr<CMultPart>>& parts, int position,
                                       PartListKind target, const QuantityQuestion& ask)
{
    CMultPartList& onMult = doc_.GetParts();
    const bool toPotential = target == PartListKind::potential;
    const std::vector<Position> sources = toPotential ? SourceEntries(onMult, parts) : std::vector<Position>();
    bool tookOff = false;
    for (std::size_t i = 0; i < parts.size(); ++i, position = Next(position)) {
        CMultPart& part = *parts[i];
        std::uint32_t available = 0;
        if (toPotential) {
            available = sources[i] ? onMult.GetAt(sources[i])->GetQuantity() : 0;
        } else if (const Position entry = potential_.FindByName(part.GetKeyText())) {
            const CMultPart& offered = *potential_.GetAt(entry);
            available = offered.GetQuantity() - std::min(offered.GetQuantityUsed(), offered.GetQuantity());
        }
        if (available == 0)
            continue;
        if (part.GetQuantity() > 1) {
            const std::uint32_t proposal =
                toPotential || part.GetQuantityFit() == 0 ? part.GetQuantity() : part.GetQuantityFit();
            part.SetQuantity(AskQuantity(part, std::min(proposal, available), available, ask));
        }
        if (part.GetQuantity() == 0 || part.GetQuantity() > available)
            continue;
        if (toPotential) {
            potential_.AddPart(part, position);
            onMult.RemovePartAt(part, onMult.IndexOf(sources[i]));
            tookOff = true;
        } else {
            if (CMachine* machine = doc_.GetMachine())
                machine->AddPartTools(machine->GetLoadedTools(), part.GetTools());
            onMult.AddPart(part, position);
            potential_.RemovePart(part);
        }
    }
    if (tookOff)
        LoadMachineTools();
}

std::uint32_t HandMultSession::AskQuantity(const CMultPart& part, std::uint32_t proposal, std::uint32_t available,
                                           const QuantityQuestion& ask) const
{
    if (!ask)
        return proposal;
    for (;;) {
        const std::optional<std::uint32_t> answer = ask(part.GetKeyText(), proposal);
        if (!answer)
            return 0;
        if (*answer <= available)
            return *answer;
        fw::ShowMessage(Replace(Replace(kTooMany, "%1", std::to_string(available)), "%2", part.GetKeyText()),
                        fw::MB_OK | fw::MB_ICONEXCLAMATION);
        // Asked again with what was typed, for the user to correct.
        proposal = *answer;
    }
}

// --- Series --------------------------------------------------------------------------------------

bool HandMultSession::SaveNew()
{
    doc_.SetModifiedFlag(true);
    if (!doc_.SaveDocument())
        return false;
    doc_.SetModifiedFlag(false);
    MultRecord& header = doc_.Header();
    ++header.sequence;
    const std::string name = header.mark + " " + std::to_string(header.sequence) + CMultDoc::kExtension;
    doc_.SetPathName(fw::WinPath::Join(fw::WinPath::Folder(doc_.GetPathName()), name), false);
    doc_.GetParts().RemoveAll();
    LoadMachineTools();
    UpdatePotentialFit();
    doc_.UpdateAllViews(nullptr);
    return true;
}
