#include "fw/core/DocManager.h"

#include "fw/core/CommitGroup.h"
#include "fw/core/Profile.h"
#include "fw/core/Text1252.h"

#include <algorithm>

namespace fw {

DocManager::DocManager() = default;

DocManager::~DocManager() = default;

DocTemplate* DocManager::AddDocTemplate(std::unique_ptr<DocTemplate> tmpl)
{
    tmpl->manager_ = this;
    templates_.push_back(std::move(tmpl));
    return templates_.back().get();
}

DocTemplate* DocManager::FindTemplate(const std::string& path) const
{
    for (const auto& t : templates_)
        if (t->MatchesPath(path))
            return t.get();
    return nullptr;
}

Document* DocManager::FindOpenDocument(const std::string& path) const
{
    for (const auto& t : templates_)
        for (const auto& d : t->GetDocuments())
            if (!d->GetPathName().empty() && EqualsNoCase1252(d->GetPathName(), path))
                return d.get();
    return nullptr;
}

Document* DocManager::OpenDocumentFile(const std::string& path, bool makeVisible)
{
    if (Document* open = FindOpenDocument(path))
        return open;
    DocTemplate* tmpl = FindTemplate(path);
    return tmpl ? tmpl->OpenDocumentFile(path, makeVisible) : nullptr;
}

bool DocManager::SaveAllModified()
{
    // The saves reach the disk together; a document whose file could not be placed stays
    // modified, and the exit stops.
    CommitGroup group;
    bool saved = true;
    for (const auto& t : templates_)
        for (const auto& d : t->GetDocuments())
            if (saved && !d->SaveModified())
                saved = false;
    const std::vector<FileException> failures = group.CommitAndTell();
    for (const FileException& failure : failures)
        for (const auto& t : templates_)
            for (const auto& d : t->GetDocuments())
                if (EqualsNoCase1252(d->GetPathName(), failure.fileName()))
                    d->SetModifiedFlag(true);
    return saved && failures.empty();
}

void DocManager::CloseAllDocuments()
{
    for (const auto& t : templates_)
        while (!t->GetDocuments().empty())
            t->CloseDocument(t->GetDocuments().back().get());
}

bool DocManager::PromptFileName(std::string& path, bool saving, DocTemplate* tmpl) const
{
    return prompt_ && prompt_(path, saving, tmpl);
}

void DocManager::AddToRecentFileList(const std::string& path)
{
    std::erase_if(recent_, [&](const std::string& p) { return EqualsNoCase1252(p, path); });
    recent_.push_front(path);
    if (recent_.size() > recentFileCount)
        recent_.pop_back();
}

void DocManager::LoadRecentFileList(const Profile& profile)
{
    recent_.clear();
    for (std::size_t i = 1; i <= recentFileCount; ++i) {
        std::string p = profile.GetProfileString(recentSection, "File" + std::to_string(i));
        if (!p.empty())
            recent_.push_back(p);
    }
}

void DocManager::SaveRecentFileList(Profile& profile) const
{
    for (std::size_t i = 0; i < recentFileCount; ++i)
        profile.WriteProfileString(recentSection, "File" + std::to_string(i + 1), i < recent_.size() ? recent_[i] : "");
}

} // namespace fw
