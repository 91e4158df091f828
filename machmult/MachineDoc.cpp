#include "machmult/MachineDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "fw/core/File.h"
#include "fw/core/MessageService.h"
#include "fw/core/StringTable.h"
#include "fw/core/Text1252.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

const fw::RuntimeClass CMachineDoc::classObject{
    "CMachineDoc", fw::NO_SCHEMA, &CSmartDoc::classObject,
    []() -> std::unique_ptr<fw::Object> { return std::make_unique<CMachineDoc>(); }};
static const fw::RuntimeClassRegistrar machineDocRegistrar(&CMachineDoc::classObject);

CMachineDoc::CMachineDoc() = default;
CMachineDoc::~CMachineDoc() = default;

std::string CMachineDoc::GetMachineDirectory()
{
    return fw::AppProfile().GetProfileString(kDirectoriesSection, kMachineDirectoryEntry, kDefaultMachineDirectory);
}

std::string CMachineDoc::GetMachineFilePath(const std::string& name)
{
    return GetMachineDirectory() + "\\" + fw::Upper1252(name) + kExtension;
}

std::optional<std::string> CMachineDoc::CheckMachineName(const std::string& name)
{
    const bool good = name.size() <= MachineRecord::maxNameLength && fw::WinPath::IsFileName(name);
    if (good)
        return std::nullopt;
    return fw::StringTables::Get("VARNEX").Format(IDS_MACHINE_NAME_INVALID, {name});
}

void CMachineDoc::SetMachineData(const MachineRecord& data)
{
    if (data.kind < machineNone || data.kind > machineBurningTable)
        throw std::invalid_argument("unknown machine kind " + std::to_string(data.kind));
    record_.name = data.name;
    record_.kind = data.kind;
    record_.defaultKerf.SetValue(data.defaultKerf.GetValue());
    record_.minimumStock.SetValue(data.minimumStock.GetValue());
    record_.maximumStock.SetValue(data.maximumStock.GetValue());
    record_.minimumDrop.SetValue(data.minimumDrop.GetValue());
    record_.multiAxis = data.multiAxis;
    record_.flowsRight = data.flowsRight;
    record_.trimCut = data.trimCut;
    record_.trimLength.SetValue(data.trimLength.GetValue());
    record_.materialTypes = data.materialTypes;
    if (!CMachineSpecData::KindHasSpecData(record_.kind))
        spec_.reset();
    else if (!spec_ || spec_->GetKind() != record_.kind)
        spec_ = CMachineSpecData::CreateForKind(record_.kind);
}

std::unique_ptr<CMachine> CMachineDoc::CreateMachine() const
{
    std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(record_.kind);
    machine->SetMachineRecord(record_);
    if (spec_)
        machine->BuildStations(spec_->GetUnits());
    return machine;
}

bool CMachineDoc::LoadMachine(const std::string& name, LoadProblems& problems)
{
    if (std::optional<std::string> error = CheckMachineName(name)) {
        problems.push_back({LoadProblem::Kind::machineBadName, *error, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION, true});
        return false;
    }
    const std::string folder = GetMachineDirectory();
    const std::string path = folder + (folder.empty() ? "" : "\\") + name + kExtension;
    const ReadOutcome outcome = ReadFile(path);
    if (outcome.status == ReadOutcome::read)
        return true;
    problems.push_back(FileLoadProblem(LoadProblem::Kind::machineUnreadable, path, outcome.error,
                                       outcome.status == ReadOutcome::unopened));
    return false;
}

fw::View* CMachineDoc::FirstFormView() const
{
    for (fw::View* view : GetViews())
        if (view->HoldsEdits())
            return view;
    return nullptr;
}

bool CMachineDoc::OnFileSave()
{
    if (!CommitPendingEdits() || !SaveDocument())
        return false;
    SetDocumentState(stateStored);
    UpdateAllViews(nullptr);
    return true;
}

bool CMachineDoc::OnFileSaveNew()
{
    return CommitPendingEdits() && SaveAndStartNew(FirstFormView(), false);
}

CMachineSpecData* CMachineDoc::OnEditSpecifics()
{
    if (!CommitPendingEdits() || !spec_ || spec_->GetKind() != record_.kind)
        return nullptr;
    return spec_.get();
}

std::optional<bool> CMachineDoc::IsCommandEnabled(unsigned command) const
{
    if (command == ID_EDIT_SPECIFICS)
        return GetKeyFieldsFlag() != 0;
    return CSmartDoc::IsCommandEnabled(command);
}

void CMachineDoc::DeleteContents()
{
    record_ = MachineRecord();
    spec_.reset();
}

bool CMachineDoc::OnSaveDocument(const std::string&)
{
    if (!CommitPendingEdits())
        return false;
    if (IsSaveAllowed()) {
        if (std::optional<std::string> error = CheckMachineName(record_.name)) {
            fw::ShowMessage(*error, fw::MB_OK | fw::MB_ICONEXCLAMATION);
            return false;
        }
        record_.name = fw::Upper1252(record_.name);
    }
    return CSmartDoc::OnSaveDocument(GetMachineFilePath(record_.name));
}

bool CMachineDoc::SaveDocument()
{
    const std::string& path = GetPathName();
    const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
    return DoSave(folder + fw::Upper1252(record_.name) + kExtension, false);
}

bool CMachineDoc::DoFileSave() { return OnFileSave(); }

void CMachineDoc::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        record_.Serialize(ar);
        if (CMachineSpecData::KindHasSpecData(record_.kind)) {
            if (!spec_ || spec_->GetKind() != record_.kind)
                spec_ = CMachineSpecData::CreateForKind(record_.kind);
            spec_->Serialize(ar);
        }
        return;
    }
    if (ar.AtEnd())
        return;   // an empty file: a machine with nothing set
    MachineRecord record;
    record.Serialize(ar);
    std::unique_ptr<CMachineSpecData> spec;
    if (CMachineSpecData::KindHasSpecData(record.kind)) {
        spec = CMachineSpecData::CreateForKind(record.kind);
        spec->Serialize(ar);
    }
    if (!ar.AtEnd())
        throw fw::ArchiveException(fw::ArchiveException::badValue, "data after the end of the machine");
    record_ = std::move(record);
    spec_ = std::move(spec);
}
