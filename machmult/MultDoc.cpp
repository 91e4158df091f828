#include "machmult/MultDoc.h"

#include "machmult/MachineDoc.h"
#include "model/JobPaths.h"
#include "model/ShapeDoc.h"
#include "partprog/PartDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "fw/core/File.h"
#include "fw/core/FileException.h"
#include "fw/core/SaneLength.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <limits>
#include <vector>

const fw::RuntimeClass CMultDoc::classObject{
    "CMultDoc", fw::NO_SCHEMA, &CSmartDoc::classObject,
    []() -> std::unique_ptr<fw::Object> { return std::make_unique<CMultDoc>(); }};
static const fw::RuntimeClassRegistrar multDocRegistrar(&CMultDoc::classObject);

namespace {


CMultDoc::SelectionProvider& SelectionProviderSlot()
{
    static CMultDoc::SelectionProvider provider;
    return provider;
}

CMultDoc::HandMultOpener& HandMultOpenerSlot()
{
    static CMultDoc::HandMultOpener opener;
    return opener;
}

// What the navigator has selected for an item kind; nothing until the program says how to ask.
std::string NavigatorSelection(int kind)
{
    const CMultDoc::SelectionProvider& provider = SelectionProviderSlot();
    return provider ? provider(kind) : std::string();
}

} // namespace

std::string CMultDoc::Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void CMultDoc::SetSelectionProvider(SelectionProvider provider) { SelectionProviderSlot() = std::move(provider); }

void CMultDoc::SetHandMultOpener(HandMultOpener opener) { HandMultOpenerSlot() = std::move(opener); }

CMultDoc::CMultDoc()
{
    header_.sequence = 1;
    header_.quantity = 1;
}

CMultDoc::~CMultDoc() = default;

int CMultDoc::Tell(const std::string& text, unsigned type) const
{
    return IsWindowless() ? fw::DefaultAnswer(type) : fw::ShowMessage(text, type);
}

void CMultDoc::ReportSaveLoadException(const std::string& path, std::exception_ptr error, bool saving)
{
    if (!IsWindowless())
        CSmartDoc::ReportSaveLoadException(path, error, saving);
}

// --- Header and paths ---------------------------------------------------------------------------

void CMultDoc::JobGroupFromPath()
{
    const std::string_view title = fw::WinPath::Title(GetPathName());
    if (title.find(' ') != std::string_view::npos)
        jobs::FromPath(GetPathName(), header_.job, header_.group);
}

std::string CMultDoc::MultPathOnDrive(const std::string& drive) const
{
    return jobs::SaveFolder(drive, header_.job, header_.group, GetPathName()) + "\\" + header_.mark + " " +
           std::to_string(header_.sequence) + kExtension;
}

std::string CMultDoc::BuildMultPath() const
{
    return MultPathOnDrive(jobs::DriveOf(GetPathName()));
}

MultRecord CMultDoc::GetMultData()
{
    JobGroupFromPath();
    return header_;
}

MultRecord CMultDoc::GetMultRecord()
{
    MultRecord record = GetMultData();
    record.length.SetUnits(header_.measuringSystem);
    record.kerf.SetUnits(header_.measuringSystem);
    return record;
}

bool CMultDoc::SetMultData(const MultRecord& data)
{
    MultRecord trimmed = data;
    for (std::string* text : {&trimmed.job, &trimmed.group, &trimmed.mark, &trimmed.shapeDesctp, &trimmed.shapeDesc,
                              &trimmed.grade, &trimmed.remarkA, &trimmed.remarkB})
        *text = Trim(*text);
    if (!jobs::IsName(trimmed.mark) || !jobs::IsFolderName(trimmed.job) || !jobs::IsFolderName(trimmed.group) ||
        !fw::AreSaneInches({trimmed.length.GetValue(), trimmed.kerf.GetValue()}))
        return false;

    if ((trimmed.shapeDesctp != header_.shapeDesctp || trimmed.shapeDesc != header_.shapeDesc) &&
        LoadShape(trimmed.shapeDesctp, trimmed.shapeDesc)) {
        header_.shapeDesctp = trimmed.shapeDesctp;
        header_.shapeDesc = trimmed.shapeDesc;
    }
    header_.job = trimmed.job;
    header_.group = trimmed.group;
    header_.mark = trimmed.mark;
    header_.sequence = trimmed.sequence;
    header_.quantity = trimmed.quantity;
    header_.length.SetValue(trimmed.length.GetValue());
    header_.kerf.SetValue(trimmed.kerf.GetValue());
    header_.grade = trimmed.grade;
    header_.remarkA = trimmed.remarkA;
    header_.remarkB = trimmed.remarkB;
    header_.measuringSystem = trimmed.measuringSystem;
    for (CDimension* length : {&header_.length, &header_.kerf, &header_.drop}) {
        length->SetUnits(trimmed.measuringSystem);
        length->UpdateFromValue();
    }
    if (trimmed.machine != header_.machine && LoadMachine(trimmed.machine))
        header_.machine = trimmed.machine;
    SetPathName(BuildMultPath(), true);
    return true;
}

bool CMultDoc::SetMultRecord(const MultRecord& record)
{
    if (!fw::IsSaneInches(record.drop.GetValue()) || !SetMultData(record))
        return false;
    header_.drop.SetValue(record.drop.GetValue());
    return true;
}

// --- Shape and machine --------------------------------------------------------------------------

void CMultDoc::Report(const LoadProblems& problems) const
{
    if (!IsWindowless())
        ReportLoadProblems(problems);
}

bool CMultDoc::LoadMachine(const std::string& name)
{
    LoadProblems problems;
    const bool loaded = ResolveMachine(name, problems);
    Report(problems);
    return loaded;
}

bool CMultDoc::LoadShape(const std::string& desctp, const std::string& desc)
{
    LoadProblems problems;
    const bool loaded = ResolveShape(desctp, desc, problems);
    Report(problems);
    return loaded;
}

bool CMultDoc::ResolveMachine(const std::string& name, LoadProblems& problems)
{
    CMachineDoc machineDoc;
    if (!machineDoc.LoadMachine(name, problems))
        return false;
    machine_ = machineDoc.CreateMachine();
    return true;
}

bool CMultDoc::ResolveShape(const std::string& desctp, const std::string& desc, LoadProblems& problems)
{
    CShapeDoc shapeDoc;
    if (!shapeDoc.LoadShape(desctp, desc, problems))
        return false;
    const ShapeRecord& record = shapeDoc.GetShapeData();
    std::unique_ptr<CMultShape> shape = CMultShape::Create(record.kind);
    shape->SetShapeRecord(record);
    if (shape_)
        while (!shape_->GetTools().IsEmpty())
            shape->GetTools().AddTail(shape_->GetTools().RemoveHead());
    SetShape(std::move(shape), record.kind);
    return true;
}

void CMultDoc::SetShape(std::unique_ptr<CMultShape> shape, int kind)
{
    shape_ = std::move(shape);
    shapeKind_ = kind;
}

// --- File ---------------------------------------------------------------------------------------

void CMultDoc::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        ar << header_.job << header_.group << header_.mark << header_.sequence << header_.quantity;
        header_.length.Serialize(ar);
        header_.kerf.Serialize(ar);
        ar << header_.shapeDesctp << header_.shapeDesc << header_.grade << header_.machine << header_.remarkA
           << header_.remarkB;
        header_.drop.Serialize(ar);
        if (machine_)
            machine_->Serialize(ar);
        if (shape_)
            shape_->Serialize(ar);
        else
            CMultShape().Serialize(ar);
        parts_.Serialize(ar);
        ar << std::int32_t(header_.measuringSystem);
        return;
    }
    DeleteContents();
    ar >> header_.job >> header_.group >> header_.mark >> header_.sequence >> header_.quantity;
    header_.length.Serialize(ar);
    header_.kerf.Serialize(ar);
    ar >> header_.shapeDesctp >> header_.shapeDesc >> header_.grade >> header_.machine >> header_.remarkA >>
        header_.remarkB;
    header_.drop.Serialize(ar);

    machine_ = std::make_unique<CMachine>();
    machine_->Serialize(ar);
    SetShape(std::make_unique<CMultShape>(), -1);
    shape_->Serialize(ar);
    parts_.Serialize(ar);
    header_.measuringSystem = ar.ReadLong();
    JobGroupFromPath();
}

LoadProblems CMultDoc::ResolveReferences()
{
    LoadProblems problems;
    ResolveMachine(header_.machine, problems);
    ResolveShape(header_.shapeDesctp, header_.shapeDesc, problems);
    return problems;
}

bool CMultDoc::LoadMult(const std::string& path)
{
    if (!ReadDocumentFile(path, !IsWindowless(), true))
        return false;
    Report(GetLoadProblems());
    return true;
}

void CMultDoc::DeleteContents()
{
    machine_.reset();
    SetShape(nullptr, -1);
    parts_.RemoveAll();
    header_ = MultRecord{};
    header_.sequence = 1;
    header_.quantity = 1;
    ForgetOwnFile();
    CSmartDoc::DeleteContents();
}

void CMultDoc::ClearModel() { parts_.RemoveAll(); }

// --- Saving -------------------------------------------------------------------------------------

bool CMultDoc::OnNewDocument()
{
    if (!CSmartDoc::OnNewDocument())
        return false;
    header_.sequence = 1;
    header_.quantity = 1;
    SetPathName(jobs::GroupFolder(jobs::DefaultDrive(), "", "") + "\\" + kDocumentName + " 1" +
                    kExtension,
                false);
    return true;
}

bool CMultDoc::CheckStock(const char* shapeMessage) const
{
    if (!shape_) {
        Tell(shapeMessage + header_.shapeDesctp + " " + header_.shapeDesc, fw::MB_OK | fw::MB_ICONERROR);
        return false;
    }
    if (!machine_) {
        Tell(kNoMachine, fw::MB_OK | fw::MB_ICONERROR);
        return false;
    }
    return true;
}

bool CMultDoc::CheckNames() const
{
    if (jobs::IsName(header_.mark) && jobs::IsFolderName(header_.job) && jobs::IsFolderName(header_.group))
        return true;
    Tell(kBadNames, fw::MB_OK | fw::MB_ICONERROR);
    return false;
}

bool CMultDoc::OnSaveDocument(const std::string& path)
{
    return CommitPendingEdits() && SaveUnder(path, SaveMode::replace) == SaveResult::saved;
}

CMultDoc::SaveResult CMultDoc::SaveUnder(const std::string& path, SaveMode mode)
{
    return SaveChecked(MultPathOnDrive(jobs::DriveOf(path)), mode);
}

CMultDoc::SaveResult CMultDoc::SaveChecked(const std::string& target, SaveMode mode)
{
    if (!CheckStock("Must Have Valid Shape B ") || !CheckNames())
        return SaveResult::failed;
    if (!IsWindowless())
        fw::AppProfile().WriteProfileInt("Current Settings", "Default MS", header_.measuringSystem);
    const SaveResult result = SaveTo(target, mode);
    if (result == SaveResult::saved) {
        ownFile_ = target;
        ownKey_ = KeyText();
    }
    return result;
}

std::string CMultDoc::KeyText() const
{
    return header_.job + '\\' + header_.group + '\\' + header_.mark + ' ' + std::to_string(header_.sequence);
}

std::string CMultDoc::OwnFile() const
{
    return GetDocumentState() == stateStored && ownKey_ == KeyText() ? ownFile_ : std::string();
}

void CMultDoc::ForgetOwnFile()
{
    ownFile_.clear();
    ownKey_.clear();
}

bool CMultDoc::OnOpenDocument(const std::string& path)
{
    if (!CSmartDoc::OnOpenDocument(path))
        return false;
    ownFile_ = path;
    ownKey_ = KeyText();
    return true;
}

bool CMultDoc::SaveDocument() { return CommitPendingEdits() && SaveUnderFreeName(); }

bool CMultDoc::SaveUnderFreeName()
{
    if (const std::string own = OwnFile(); !own.empty())
        return SaveChecked(own, SaveMode::replace) == SaveResult::saved;
    const std::string folder = saveFolder_.empty() ? std::string(fw::WinPath::Folder(GetPathName())) : saveFolder_;
    const std::uint32_t firstSequence = header_.sequence;
    for (;;) {
        const std::string candidate =
            fw::WinPath::Join(folder, header_.mark + " " + std::to_string(header_.sequence) + kExtension);
        if (!fw::FileSystem::Exists(candidate)) {
            const SaveResult result = SaveUnder(candidate, SaveMode::createNew);
            if (result == SaveResult::saved)
                return true;
            if (result == SaveResult::failed)
                break;
        }
        if (header_.sequence == std::numeric_limits<std::uint32_t>::max())
            break;
        ++header_.sequence;
    }
    header_.sequence = firstSequence;
    return false;
}

bool CMultDoc::OnFileSave()
{
    if (!CommitPendingEdits() || !CheckStock("Must Have Valid Shape A ") || !SaveUnderFreeName())
        return false;
    SetDocumentState(stateStored);
    UpdateAllViews(nullptr);
    return true;
}

bool CMultDoc::DoFileSave() { return OnFileSave(); }

bool CMultDoc::OnFileSaveNew()
{
    return CommitPendingEdits() && CheckStock("Must Have Valid Shape C ") &&
           SaveAndStartNew(FirstFormView(), true);
}

// --- Views and commands -------------------------------------------------------------------------

fw::View* CMultDoc::FirstFormView() const
{
    for (fw::View* view : GetViews())
        if (view->HoldsEdits())
            return view;
    return nullptr;
}

void CMultDoc::ChooseMachine()
{
    SetModifiedFlag(true);
    machineChosen_ = true;
    ApplySaveRule();
    Notify(DocChange::Kind::machine);
}

void CMultDoc::SetLength(double inches, fw::View* sender)
{
    header_.length.SetValue(inches);
    UpdateAllViews(sender);
}

bool CMultDoc::HasWhatSaveNeeds() const
{
    return GetShapeLookup() == ShapeLookup::found && (machineChosen_ || !header_.machine.empty());
}

std::string CMultDoc::WhatSaveLacks() const
{
    if (GetShapeLookup() != ShapeLookup::found)
        return CShapeDoc::NoShapeMessage(header_.shapeDesctp, header_.shapeDesc);
    return HasWhatSaveNeeds() ? std::string() : std::string(kNoMachine);
}

bool CMultDoc::OnEditSpecifics()
{
    if (!CommitPendingEdits() || !machine_ || !shape_)
        return false;
    if (const HandMultOpener& open = HandMultOpenerSlot())
        open(*this);
    DisableKeyFields();
    return true;
}

std::optional<bool> CMultDoc::IsCommandEnabled(unsigned command) const
{
    const bool keyFields = GetKeyFieldsFlag() != 0;
    switch (command) {
    case ID_EDIT_AUTOMULT:
        return keyFields && parts_.IsEmpty() && machine_;
    case ID_EDIT_CHOOSE_SHAPE:
        return keyFields;
    case ID_EDIT_SPECIFICS:
        return keyFields && machine_ && shape_;
    default:
        return CSmartDoc::IsCommandEnabled(command);
    }
}

// --- Part sources and order ---------------------------------------------------------------------

std::string CMultDoc::GetPartSourceList(int source) const
{
    const std::string pattern = std::string("*") + kPartExtension;
    switch (source) {
    case sourceJob: {
        const std::string job(fw::WinPath::Folder(fw::WinPath::Folder(GetPathName())));
        std::string list;
        try {
            for (const std::string& group : fw::FileSystem::List(fw::WinPath::Join(job, "*"), fw::FileSystem::folders))
                list += fw::WinPath::Join(fw::WinPath::Join(job, group), pattern) + "|";
        } catch (const fw::FileException&) {
        }
        return list + "|";
    }
    case sourceGroup: {
        const std::string& path = GetPathName();
        return path.substr(0, path.find_last_of('\\') + 1) + pattern + "||";
    }
    case sourceSelectedParts:
        return NavigatorSelection(kSelectedParts);
    case sourceSelectedGroups: {
        const std::string selection = NavigatorSelection(kSelectedGroups);
        std::string list;
        for (std::size_t start = 0; start < selection.size();) {
            const std::size_t bar = std::min(selection.find('|', start), selection.size());
            if (bar > start)
                list += fw::WinPath::Join(selection.substr(start, bar - start), pattern) + "|";
            start = bar + 1;
        }
        return list + "|";
    }
    default:
        return {};
    }
}

// The walk: at the first later part that is not the same part (IsSamePart) and is shorter, move
// that part before the earlier one and walk again. Everything before the earlier part keeps its
// order and has no such later part, so the walk resumes where the move was made. Each move
// puts a shorter length at that place, so the walk ends; equal lengths keep their order.
void CMultDoc::SortPartsByLength()
{
    std::vector<std::unique_ptr<CMultPart>> parts;
    parts.reserve(parts_.GetCount());
    while (!parts_.IsEmpty())
        parts.push_back(parts_.RemoveHead());
    for (auto early = parts.begin(); early != parts.end();) {
        const auto later = std::find_if(early + 1, parts.end(), [&](const auto& part) {
            return !part->IsSamePart(**early) && part->GetLength().GetValue() < (*early)->GetLength().GetValue();
        });
        if (later == parts.end())
            ++early;
        else
            std::rotate(early, later, later + 1);
    }
    for (auto& part : parts)
        parts_.AddTail(std::move(part));
}
