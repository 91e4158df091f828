#pragma once
// The document manager: the templates in order of registration (the first whose extension
// matches a path opens it), the open documents, and the recent-file list.

#include "fw/core/FwCoreExport.h"
#include "fw/core/DocTemplate.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class Profile;

class FW_CORE_EXPORT DocManager {
public:
    static constexpr std::size_t recentFileCount = 4;
    static constexpr const char* recentSection = "Recent File List";

    // Asks the user for a file name (save or open) for a template; false when cancelled.
    using FileNamePrompt = std::function<bool(std::string& path, bool saving, DocTemplate* tmpl)>;

    DocManager();
    ~DocManager();

    DocTemplate* AddDocTemplate(std::unique_ptr<DocTemplate> tmpl);
    const std::vector<std::unique_ptr<DocTemplate>>& GetTemplates() const { return templates_; }
    // The first template whose extension matches the path, or null.
    DocTemplate* FindTemplate(const std::string& path) const;
    // A document already open on this path (paths compare without case), or null.
    Document* FindOpenDocument(const std::string& path) const;

    // Opens a file with its template; a document already open on that path is returned as it is.
    Document* OpenDocumentFile(const std::string& path, bool makeVisible = true);

    // Asks each modified document whether to save it; false as soon as one is cancelled.
    bool SaveAllModified();
    void CloseAllDocuments();

    void SetFileNamePrompt(FileNamePrompt prompt) { prompt_ = std::move(prompt); }
    bool PromptFileName(std::string& path, bool saving, DocTemplate* tmpl) const;

    // Most recent first, at most four, no path twice.
    void AddToRecentFileList(const std::string& path);
    const std::deque<std::string>& GetRecentFiles() const { return recent_; }
    void LoadRecentFileList(const Profile& profile);
    void SaveRecentFileList(Profile& profile) const;

private:
    std::vector<std::unique_ptr<DocTemplate>> templates_;
    std::deque<std::string> recent_;
    FileNamePrompt prompt_;
};

} // namespace fw
