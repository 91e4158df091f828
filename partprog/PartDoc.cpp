#include "partprog/PartDoc.h"

#include "model/JobPaths.h"

#include "model/ShapeDoc.h"
#include "model/ToolFileLibrary.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "fw/core/File.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/SaneLength.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <cctype>

FW_IMPLEMENT_DYNAMIC(CPartDoc, CSmartDoc)

namespace {

constexpr const char* kCurrentSettings = "Current Settings";

bool SameFile(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
           });
}

// Appends every item of one list to another, in order, without deleting any.
template <class List> void MoveAll(List& from, List& to)
{
    while (!from.IsEmpty())
        to.AddTail(from.RemoveHead());
}

} // namespace

CPartDoc::CPartDoc() = default;
CPartDoc::~CPartDoc() = default;

std::unique_ptr<CPartDoc> CPartDoc::LoadByName(const std::string& job, const std::string& group,
                                               const std::string& mark, bool quiet)
{
    if (!jobs::IsName(mark) || !jobs::IsFolderName(job) || !jobs::IsFolderName(group))
        return nullptr;
    auto part = std::make_unique<CPartDoc>();
    part->header_.jobId = job;
    part->header_.group = group;
    part->header_.mark = mark;
    const std::string path = part->GetPartFilePath();
    part->SetPathName(path, false);
    if (!(quiet ? part->TryLoadPart(path) : part->LoadPart(path)))
        return nullptr;
    return part;
}

int CPartDoc::Tell(const std::string& text, unsigned type) const
{
    return IsWindowless() ? fw::DefaultAnswer(type) : fw::ShowMessage(text, type);
}

std::string CPartDoc::JobGroupPath(const std::string& drive) const
{
    return jobs::SaveFolder(drive, header_.jobId, header_.group, GetPathName()) + "\\" + header_.mark + ".prt";
}

void CPartDoc::FillBlankJobGroup()
{
    header_.jobId = jobs::FolderName(header_.jobId);
    header_.group = jobs::FolderName(header_.group);
}

std::string CPartDoc::GetPartFilePath() const
{
    return JobGroupPath(jobs::DriveOf(GetPathName()));
}

void CPartDoc::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        ar << header_.jobId << header_.group << header_.mark << std::int32_t(header_.quantity);
        header_.length.Serialize(ar);
        ar << header_.shapeDesctp << header_.shapeDesc << header_.grade << header_.fabCode
           << std::int32_t(header_.measureWebDepth) << header_.remarkA << header_.remarkB
           << std::int32_t(header_.measuringSystem) << std::int32_t(header_.channelLeg);
        if (shape_)
            shape_->Serialize(ar);
        else
            CPartShape().Serialize(ar);
        return;
    }
    std::int32_t quantity = 0, webDepth = 0, system = 0, channelLeg = 0;
    ar >> header_.jobId >> header_.group >> header_.mark >> quantity;
    header_.quantity = std::uint32_t(quantity);
    header_.length.Serialize(ar);
    ar >> header_.shapeDesctp >> header_.shapeDesc >> header_.grade >> header_.fabCode >> webDepth >>
        header_.remarkA >> header_.remarkB >> system >> channelLeg;
    header_.measureWebDepth = webDepth;
    header_.measuringSystem = system;
    header_.channelLeg = channelLeg;

    shape_ = std::make_unique<CPartShape>();
    if (header_.channelLeg == 1)
        shape_->SetChannelLegFlag();
    shape_->Serialize(ar);
    jobs::FromPath(GetPathName(), header_.jobId, header_.group);
}

LoadProblems CPartDoc::ResolveReferences()
{
    LoadProblems problems;
    if (!shape_)
        return problems;
    shapeError_ = 0;
    if (!BuildShape(header_.shapeDesctp, header_.shapeDesc, problems)) {
        problems.push_back({LoadProblem::Kind::shapeMissing,
                            "Shape  " + header_.shapeDesctp + header_.shapeDesc + "  does not Exist", "SHAPE ERROR",
                            fw::MB_OK, false});
        shapeError_ = 1;
    }
    CToolFileLibrary tools;
    shape_->RefreshTools(tools);
    tools.TakeFailures(problems);
    return problems;
}

bool CPartDoc::BuildShape(const std::string& desctp, const std::string& desc)
{
    LoadProblems problems;
    const bool built = BuildShape(desctp, desc, problems);
    if (!IsWindowless())
        ReportLoadProblems(problems);
    return built;
}

bool CPartDoc::BuildShape(const std::string& desctp, const std::string& desc, LoadProblems& problems)
{
    CShapeDoc shapeDoc;
    if (!shapeDoc.LoadShape(desctp, desc, problems))
        return false;
    const ShapeRecord& record = shapeDoc.GetShapeData();
    auto shape = CPartShape::CreateOfKind(record.kind);
    shape->SetFromShapeRecord(record);
    if (header_.channelLeg == 1)
        shape->SetChannelLegFlag();
    if (shape_) {
        MoveAll(shape_->GetTopFlangeList(), shape->GetTopFlangeList());
        MoveAll(shape_->GetBottomFlangeList(), shape->GetBottomFlangeList());
        MoveAll(shape_->GetWebList(), shape->GetWebList());
        MoveAll(shape_->GetWeb2List(), shape->GetWeb2List());
        MoveAll(shape_->GetStencilList(), shape->GetStencilList());
    }
    shapeKind_ = record.kind;
    shape_ = std::move(shape);
    return true;
}

bool CPartDoc::OnNewDocument()
{
    if (!CSmartDoc::OnNewDocument())
        return false;
    header_.quantity = 1;
    header_.measureWebDepth = 0;
    header_.channelLeg = 0;
    shape_.reset();
    header_.measuringSystem = fw::AppProfile().GetProfileInt(kCurrentSettings, "Default MS", 0);
    SetPathName(jobs::GroupFolder(jobs::DefaultDrive(), "", "") + "\\" + GetTitle() + ".prt", false);
    return true;
}

void CPartDoc::DeleteContents()
{
    shape_.reset();
    header_ = PartRecord{};
    header_.length = 0.0;
    header_.length.SetUnits(0);
    CSmartDoc::DeleteContents();
}

bool CPartDoc::CheckNames()
{
    if (jobs::IsName(header_.mark) && jobs::IsFolderName(header_.jobId) && jobs::IsFolderName(header_.group))
        return true;
    Tell(kInvalidName, fw::MB_OK | fw::MB_ICONERROR);
    return false;
}

bool CPartDoc::OnSaveDocument(const std::string& path)
{
    if (!CommitPendingEdits())
        return false;
    if (!shape_) {
        Tell(kNoShape, fw::MB_OK | fw::MB_ICONERROR);
        return false;
    }
    if (!CheckNames())
        return false;
    FillBlankJobGroup();  // a part saved without job or group goes to the NONE folders, named so in its file
    const std::string target = JobGroupPath(jobs::DriveOf(path));
    if (!SameFile(target, GetPathName()) && fw::FileSystem::Exists(target) &&
        Tell(target + " already exists.\nDo you want to replace it?", fw::MB_YESNO | fw::MB_ICONEXCLAMATION | fw::MB_DEFBUTTON2) != fw::IDYES)
        return false;
    fw::AppProfile().WriteProfileInt(kCurrentSettings, "Default MS", header_.measuringSystem);
    return CSmartDoc::OnSaveDocument(target);
}

std::string CPartDoc::WhatSaveLacks() const
{
    return HasWhatSaveNeeds() ? std::string() : CShapeDoc::NoShapeMessage(header_.shapeDesctp, header_.shapeDesc);
}

void CPartDoc::ClearModel()
{
    if (shape_)
        shape_->DeleteAllPatterns();
}

void CPartDoc::SetLength(double inches, fw::View* sender)
{
    header_.length.SetValue(inches);
    UpdateAllViews(sender);
}

std::optional<bool> CPartDoc::IsCommandEnabled(unsigned command) const
{
    switch (command) {
    case ID_EDIT_CHOOSE_SHAPE:
        return GetKeyFieldsFlag() != 0;
    case ID_EDIT_SPECIFICS:
        return shape_ && GetKeyFieldsFlag() != 0;
    default:
        return CSmartDoc::IsCommandEnabled(command);
    }
}

int CPartDoc::CreateFaceViews()
{
    return shape_ ? int(shape_->DescribeFaceViews().size()) : 0;
}

bool CPartDoc::SaveDocument()
{
    return OnSaveDocument(fw::WinPath::Join(fw::WinPath::Folder(GetPathName()), header_.mark + ".prt"));
}

bool CPartDoc::OnFileSave()
{
    if (!CommitPendingEdits())
        return false;
    if (!shape_) {
        Tell(kNoShape, fw::MB_OK | fw::MB_ICONERROR);
        return false;
    }
    if (!SaveDocument())
        return false;
    SetDocumentState(stateStored);
    UpdateAllViews(nullptr);
    return true;
}

bool CPartDoc::OnFileSaveNew()
{
    if (!CommitPendingEdits())
        return false;
    if (!shape_) {
        Tell(kNoShape, fw::MB_OK | fw::MB_ICONERROR);
        return false;
    }
    return SaveAndStartNew(LastForm(), true);
}

bool CPartDoc::OnEditSpecifics()
{
    return CommitPendingEdits() && shape_;
}

fw::View* CPartDoc::LastForm() const
{
    const std::vector<fw::View*>& views = GetViews();
    const auto last =
        std::find_if(views.rbegin(), views.rend(), [](const fw::View* v) { return v->HoldsEdits(); });
    return last == views.rend() ? nullptr : *last;
}

bool CPartDoc::AddPattern(std::unique_ptr<CPattern>& pattern, CPatternList& list, CPatternList::Position* position)
{
    if (!shape_ || !pattern)
        return false;
    pattern->SetUnits(header_.measuringSystem);
    if (!shape_->InsertPattern(pattern, list, position))
        return false;
    SetModifiedFlag();
    return true;
}

bool CPartDoc::AddPatternToOppositeFace(std::unique_ptr<CPattern>& pattern, CPatternList& list)
{
    if (!shape_ || !pattern)
        return false;
    pattern->SetUnits(header_.measuringSystem);
    if (!shape_->AddToOppositeFace(pattern, list))
        return false;
    SetModifiedFlag();
    return true;
}

bool CPartDoc::AddStencil(std::unique_ptr<CStencilPattern>& stencil)
{
    if (!shape_ || !stencil)
        return false;
    stencil->SetUnits(header_.measuringSystem);
    if (!shape_->AddStencil(stencil))
        return false;
    SetModifiedFlag();
    return true;
}

bool CPartDoc::DeletePattern(CPatternList& list, CPatternList::Position& position)
{
    if (!shape_ || !shape_->DeletePattern(list, position))
        return false;
    SetModifiedFlag();
    return true;
}

bool CPartDoc::DeleteStencil(CStencilPatternList::Position& position)
{
    if (!shape_ || !shape_->DeleteStencil(position))
        return false;
    SetModifiedFlag();
    return true;
}

void CPartDoc::MirrorShape()
{
    if (shape_)
        shape_->MirrorX(header_.length.GetValue());
}

bool CPartDoc::LoadPart(const std::string& path)
{
    return ReadPart(path, false);
}

bool CPartDoc::TryLoadPart(const std::string& path)
{
    return ReadPart(path, true);
}

bool CPartDoc::ReadPart(const std::string& path, bool quietWhenUnopened)
{
    shapeError_ = 0;
    if (!ReadDocumentFile(path, !quietWhenUnopened && !IsWindowless(), !IsWindowless()))
        return false;
    if (!IsWindowless())
        ReportLoadProblems(GetLoadProblems());
    if (shapeError_) {
        // Read, but without its section: it differs from what the file describes.
        SetModifiedFlag(true);
        return false;
    }
    return true;
}

PartRecord CPartDoc::GetPartRecord()
{
    jobs::FromPath(GetPathName(), header_.jobId, header_.group);
    if (header_.channelLeg == 1 && shape_)
        shape_->SetChannelLegFlag();
    PartRecord record = header_;
    record.length.SetUnits(header_.measuringSystem);
    return record;
}

bool CPartDoc::SetPartRecord(const PartRecord& record)
{
    if (!jobs::IsName(record.mark) || !jobs::IsFolderName(record.jobId) || !jobs::IsFolderName(record.group) ||
        !fw::IsSaneInches(record.length.GetValue()))
        return false;
    const std::string desctp = header_.shapeDesctp, desc = header_.shapeDesc;
    header_ = record;
    header_.length.SetUnits(record.measuringSystem);
    header_.shapeDesctp = desctp;
    header_.shapeDesc = desc;
    if (record.shapeDesctp != desctp || record.shapeDesc != desc) {
        if (BuildShape(record.shapeDesctp, record.shapeDesc)) {
            header_.shapeDesctp = record.shapeDesctp;
            header_.shapeDesc = record.shapeDesc;
        } else {
            Notify(DocChange::Kind::shapeKept);
        }
    }
    SetPathName(GetPartFilePath(), true);
    if (header_.channelLeg == 1 && shape_)
        shape_->SetChannelLegFlag();
    return true;
}
