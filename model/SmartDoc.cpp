#include "model/SmartDoc.h"

#include "model/ShapeDoc.h"

#include "fw/core/Archive.h"
#include "fw/core/DocTemplate.h"
#include "fw/core/File.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/Poster.h"
#include "fw/core/StringTable.h"

#include <algorithm>
#include <vector>

FW_IMPLEMENT_DYNAMIC(CSmartDoc, fw::Document)

CSmartDoc::CSmartDoc() : self_(std::make_shared<CSmartDoc*>(this)) {}

CSmartDoc::~CSmartDoc() = default;

bool CSmartDoc::OnNewDocument()
{
    if (!fw::Document::OnNewDocument())
        return false;
    SetDocumentState(stateNew);
    return true;
}

bool CSmartDoc::OnOpenDocument(const std::string& path)
{
    const std::string previousPath = GetPathName();
    const std::string previousTitle = GetTitle();
    loadProblems_.clear();
    SetPathName(path, false);
    if (!fw::Document::OnOpenDocument(path)) {
        SetPathName(previousPath, false);
        SetTitle(previousTitle);
        return false;
    }
    loadProblems_ = ResolveReferences();
    SetPathName(path, true);
    return true;
}

bool CSmartDoc::OnSaveDocument(const std::string& path) { return SaveTo(path, SaveMode::replace) == SaveResult::saved; }

CSmartDoc::SaveResult CSmartDoc::SaveTo(const std::string& path, SaveMode mode)
{
    if (!IsSaveAllowed()) {
        const std::string lacking = keyFieldsChanged_ ? WhatSaveLacks() : std::string();
        fw::ShowMessage(lacking.empty() ? fw::StringTables::Get("VARNEX").Get(IDS_SAVE_ON_TOP_OF_OLD) : lacking,
                        fw::MB_OK | fw::MB_ICONEXCLAMATION);
        return SaveResult::failed;
    }
    try {
        fw::FileSystem::CreateFolders(path);
    } catch (const fw::FileException&) {
        ReportSaveLoadException(path, std::current_exception(), true);
        return SaveResult::failed;
    }
    const SaveResult result = StoreDocument(path, mode);
    if (result == SaveResult::saved)
        SetPathName(path, true);
    return result;
}

void CSmartDoc::SetFileName(const std::string& name)
{
    const std::string& path = GetPathName();
    const std::size_t slash = path.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string extension = GetDocTemplate() ? GetDocTemplate()->GetFilterExtension() : std::string();
    SetPathName(folder + name + extension, false);
}

CSmartDoc::ReadOutcome CSmartDoc::ReadFile(const std::string& path)
{
    loadProblems_.clear();
    std::vector<std::uint8_t> bytes;
    try {
        bytes = fw::File(path, fw::File::modeRead | fw::File::shareDenyWrite).ReadToEnd(maxFileSize);
    } catch (...) {
        return {ReadOutcome::unopened, std::current_exception()};
    }
    DeleteContents();
    SetModifiedFlag(true);
    try {
        fw::WaitCursor wait;
        fw::Archive ar(std::move(bytes));
        Serialize(ar);
    } catch (...) {
        DeleteContents();
        return {ReadOutcome::unreadable, std::current_exception()};
    }
    loadProblems_ = ResolveReferences();
    SetModifiedFlag(false);
    return {};
}

bool CSmartDoc::ReadDocumentFile(const std::string& path, bool reportUnopened, bool reportUnreadable)
{
    const ReadOutcome outcome = ReadFile(path);
    if (outcome.status == ReadOutcome::unopened && reportUnopened) {
        fw::Messages().Beep(fw::MB_ICONEXCLAMATION);
        ReportSaveLoadException(path, outcome.error, false);
    }
    if (outcome.status == ReadOutcome::unreadable && reportUnreadable)
        ReportSaveLoadException(path, outcome.error, false);
    return outcome.status == ReadOutcome::read;
}

bool CSmartDoc::SaveAndStartNew(fw::View* keep, bool clearModel)
{
    const bool wasModified = IsModified();
    SetModifiedFlag(true);
    if (!SaveDocument()) {
        SetModifiedFlag(wasModified);
        return false;
    }
    SetModifiedFlag(false);
    if (clearModel)
        ClearModel();
    if (keep)
        CloseOtherViews(keep);
    EnableKeyFields();
    SetSaveAllowed(false);
    SetDocumentState(stateNew);
    Notify(DocChange::Kind::startedNew);
    return true;
}

void CSmartDoc::SetDocumentState(int state)
{
    state_ = state;
    keyFieldsChanged_ = state != stateNew;
}

void CSmartDoc::SetSaveAllowed(bool allowed)
{
    if (allowed == saveAllowed_)
        return;
    saveAllowed_ = allowed;
    Notify(DocChange::Kind::saveAllowed);
}

void CSmartDoc::SetKeyFieldsOpen(bool open)
{
    keyFields_ = open;
    Notify(DocChange::Kind::keyFields);
}

void CSmartDoc::ApplySaveRule() { SetSaveAllowed(keyFieldsChanged_ && HasWhatSaveNeeds()); }

std::optional<ShapeRecord> CSmartDoc::LookUpShape(const std::string& desctp, const std::string& desc,
                                                  LoadProblems* problems)
{
    std::optional<ShapeRecord> record;
    if (!desctp.empty() && !desc.empty()) {
        CShapeDoc shape;
        LoadProblems found;
        if (shape.LoadShape(desctp, desc, problems ? *problems : found))
            record = shape.GetShapeData();
    }
    shapeLookup_ = record ? ShapeLookup::found : ShapeLookup::notFound;
    ApplySaveRule();
    Notify(DocChange::Kind::shape);
    return record;
}

void CSmartDoc::Rename(const std::string& name)
{
    SetFileName(name);
    SetTitle(name);
}

void CSmartDoc::KeyFieldEdited()
{
    SetModifiedFlag(true);
    keyFieldsChanged_ = true;
    ApplySaveRule();
}

bool CSmartDoc::CanCloseFrame(std::span<fw::View* const> frameViews, int windowNumber)
{
    if (windowNumber <= 0 || !IsModified())
        return fw::Document::CanCloseFrame(frameViews, windowNumber);
    for (fw::View* view : frameViews) {
        if (!view->HoldsEdits())
            continue;
        const int answer = fw::ShowMessage(kUpdateQuestion, fw::MB_YESNOCANCEL | fw::MB_ICONQUESTION);
        if (answer == fw::IDCANCEL)
            return false;
        if (answer == fw::IDYES && !view->CommitPendingEdits())
            return false;
    }
    return true;
}

void CSmartDoc::CloseOtherViews(fw::View* keep)
{
    if (keep) {
        std::vector<fw::View*> others = GetViews();
        std::erase(others, keep);
        for (fw::View* view : others)
            if (std::find(GetViews().begin(), GetViews().end(), view) != GetViews().end())
                view->CloseFrame();
        return;
    }
    if (GetViews().empty() || !poster_)
        return;
    poster_->Post([self = std::weak_ptr<CSmartDoc*>(self_)] {
        if (const auto alive = self.lock())
            (*alive)->OnFileClose();
    });
}

void CSmartDoc::OnFileClose()
{
    if (!SaveModified())
        return;
    if (fw::DocTemplate* owner = GetDocTemplate())
        owner->CloseDocument(this);   // destroys the document
    else
        OnCloseDocument();
}

std::optional<bool> CSmartDoc::IsCommandEnabled(unsigned command) const
{
    switch (command) {
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_FILE_SAVE_NEW:
        return IsSaveAllowed();
    default:
        return std::nullopt;
    }
}
