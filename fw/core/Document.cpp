#include "fw/core/Document.h"

#include "fw/core/Archive.h"
#include "fw/core/DocManager.h"
#include "fw/core/AtomicFile.h"
#include "fw/core/File.h"
#include "fw/core/FileException.h"
#include "fw/core/MessageService.h"

#include <algorithm>

namespace fw {

FW_IMPLEMENT_DYNAMIC(Document, Object)

View::~View()
{
    if (document_)
        document_->RemoveView(this);
}

Document::Document() = default;

Document::~Document()
{
    for (View* v : views_)
        v->document_ = nullptr;
}

void Document::SetPathName(const std::string& path, bool addToRecentList)
{
    path_ = path;
    SetTitle(path.substr(path.find_last_of('\\') + 1));
    if (addToRecentList && template_ && template_->GetDocManager())
        template_->GetDocManager()->AddToRecentFileList(path);
}

void Document::SetTitle(const std::string& title) { title_ = title; }

void Document::AddView(View* view)
{
    if (view->document_)
        view->document_->RemoveView(view);
    views_.push_back(view);
    view->document_ = this;
}

void Document::RemoveView(View* view)
{
    std::erase(views_, view);
    if (view->document_ == this)
        view->document_ = nullptr;
}

void Document::UpdateAllViews(View* sender, long hint, Object* hintObject)
{
    const std::vector<View*> snapshot = views_;
    for (View* v : snapshot)
        if (v != sender)
            v->OnUpdate(sender, hint, hintObject);
}

void Document::NotifyViews(View* sender, const Change& change)
{
    const std::vector<View*> snapshot = views_;
    for (View* v : snapshot)
        if (v != sender && std::find(views_.begin(), views_.end(), v) != views_.end())
            v->OnChange(sender, change);
}

bool Document::CommitPendingEdits()
{
    const std::vector<View*> snapshot = views_;
    for (View* v : snapshot)
        if (std::find(views_.begin(), views_.end(), v) != views_.end() && !v->CommitPendingEdits())
            return false;
    return true;
}

bool Document::OnNewDocument()
{
    DeleteContents();
    path_.clear();
    SetModifiedFlag(false);
    return true;
}

bool Document::OnOpenDocument(const std::string& path)
{
    DeleteContents();
    SetModifiedFlag(false);
    try {
        Archive ar(File(path, File::modeRead | File::shareDenyWrite).ReadToEnd(maxFileSize));
        Serialize(ar);
    } catch (...) {
        ReportSaveLoadException(path, std::current_exception(), false);
        DeleteContents();
        SetModifiedFlag(false);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool Document::OnSaveDocument(const std::string& path) { return StoreDocument(path, SaveMode::replace) == SaveResult::saved; }

Document::SaveResult Document::StoreDocument(const std::string& path, SaveMode mode)
{
    try {
        Archive ar;
        Serialize(ar);
        AtomicFile out(path);
        out.Write(ar.Bytes().data(), ar.Bytes().size());
        if (mode == SaveMode::createNew) {
            if (!out.CommitNew())
                return SaveResult::nameTaken;
        } else {
            out.Commit();
        }
    } catch (...) {
        ReportSaveLoadException(path, std::current_exception(), true);
        return SaveResult::failed;
    }
    SetModifiedFlag(false);
    return SaveResult::saved;
}

void Document::OnCloseDocument()
{
    const std::vector<View*> snapshot = views_;
    for (View* v : snapshot)
        v->CloseFrame();
    DeleteContents();
}

bool Document::SaveModified()
{
    if (!IsModified())
        return true;
    std::string name = title_.empty() ? path_ : title_;
    switch (ShowMessage("Save changes to " + name + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return false;
    case IDYES:
        return DoFileSave();
    default:
        return true;
    }
}

bool Document::CanCloseFrame(std::span<View* const>, int windowNumber)
{
    return windowNumber > 0 || SaveModified();
}

bool Document::DoSave(const std::string& path, bool replace)
{
    std::string target = path;
    if (target.empty()) {
        DocManager* manager = template_ ? template_->GetDocManager() : nullptr;
        target = title_;
        if (template_ && !template_->GetFilterExtension().empty() && !template_->MatchesPath(target))
            target += template_->GetFilterExtension();
        if (!manager || !manager->PromptFileName(target, true, template_))
            return false;
    }
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        SetPathName(target);
    return true;
}

bool Document::DoFileSave() { return DoSave(path_); }

FileException::Cause SaveLoadErrorCause(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const FileException& e) {
        return e.cause();
    } catch (const ArchiveException&) {
        return FileException::invalidFile;
    } catch (...) {
        return FileException::genericException;
    }
}

std::string SaveLoadErrorText(const std::string& path, std::exception_ptr error)
{
    return FileException::Message(SaveLoadErrorCause(error), path);
}

void Document::ReportSaveLoadException(const std::string& path, std::exception_ptr error, bool)
{
    ShowMessage(SaveLoadErrorText(path, error), MB_OK | MB_ICONEXCLAMATION);
}

} // namespace fw
