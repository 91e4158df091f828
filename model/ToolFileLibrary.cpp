#include "model/ToolFileLibrary.h"

#include "fw/core/Document.h"
#include "fw/core/MessageService.h"
#include "model/ToolDoc.h"

std::optional<ToolRecord> CToolFileLibrary::LoadTool(const std::string& shortName)
{
    if (const auto it = loaded_.find(shortName); it != loaded_.end())
        return it->second;
    CToolDoc doc;
    std::exception_ptr error;
    std::optional<ToolRecord> record;
    if (doc.TryLoadTool(shortName, &error)) {
        record.emplace();
        doc.GetToolRecord(*record);
    } else {
        failedFiles_.push_back(CToolDoc::GetToolFilePath(shortName));
        errors_.push_back(error);
    }
    loaded_.emplace(shortName, record);
    return record;
}

void CToolFileLibrary::TakeFailures(LoadProblems& problems)
{
    if (!failedFiles_.empty()) {
        std::string text;
        for (std::size_t i = 0; i < failedFiles_.size(); ++i)
            text += (i ? "\n" : "") + fw::SaveLoadErrorText(failedFiles_[i], errors_[i]);
        problems.push_back({LoadProblem::Kind::toolUnreadable, text, {}, fw::MB_OK | fw::MB_ICONEXCLAMATION, true});
    }
    failedFiles_.clear();
    errors_.clear();
}
