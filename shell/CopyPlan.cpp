#include "shell/CopyPlan.h"

#include "fw/core/DriveMap.h"
#include "fw/core/MessageService.h"
#include "fw/core/Text1252.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace {

// The existing files named in the replace question; the rest are counted.

std::optional<std::filesystem::path> Normal(const std::string& winPath)
{
    try {
        return std::filesystem::weakly_canonical(fw::DriveMap::Instance().ToNative(winPath));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// Yes: replace, No: keep them, Cancel: copy nothing.
int AskReplace(const std::vector<std::string>& existing)
{
    const std::string text = "These files exist already:\n" + fw::MessageLines(existing) +
                             "\n\nReplace them? No keeps them and copies the other files; Cancel copies nothing.";
    return fw::Messages().MessageBox(text, CopyPlan::kCaption,
                                     fw::MB_YESNOCANCEL | fw::MB_ICONQUESTION | fw::MB_DEFBUTTON2);
}

} // namespace

bool CopyPlan::SamePlace(const std::string& a, const std::string& b)
{
    const auto x = Normal(a), y = Normal(b);
    return x && y && *x == *y;
}

bool CopyPlan::IsInside(const std::string& path, const std::string& folder)
{
    const auto inner = Normal(path), outer = Normal(folder);
    if (!inner || !outer || *inner == *outer)
        return false;
    const auto [end, rest] = std::mismatch(outer->begin(), outer->end(), inner->begin(), inner->end());
    return end == outer->end();
}

void CopyPlan::AddFile(const std::string& from, const std::string& to)
{
    if (SamePlace(from, to)) {
        Refuse("\"" + from + "\" is not copied onto itself.");
        return;
    }
    const auto same = std::find_if(files_.begin(), files_.end(),
                                   [&](const fw::FilePair& f) { return fw::EqualsNoCase1252(f.to, to); });
    if (same == files_.end())
        files_.push_back({from, to});
    else if (!fw::EqualsNoCase1252(same->from, from))
        Refuse("\"" + from + "\" is not copied: \"" + same->from + "\" is copied to the same file \"" + to + "\".");
}

void CopyPlan::AddFolder(const std::string& folder)
{
    const auto same = [&](const std::string& f) { return fw::EqualsNoCase1252(f, folder); };
    if (std::none_of(folders_.begin(), folders_.end(), same))
        folders_.push_back(folder);
}

void CopyPlan::Refuse(std::string problem) { problems_.push_back(std::move(problem)); }

CopyOutcome CopyPlan::Carry() const
{
    CopyOutcome outcome;
    outcome.problems = problems_;
    const std::vector<std::string> existing = fw::ExistingTargets(files_);
    const int answer = existing.empty() ? fw::IDYES : AskReplace(existing);
    if (answer == fw::IDCANCEL)
        return outcome;
    fw::FileCopyResult written = fw::CopyFiles(files_, folders_, answer == fw::IDYES);
    outcome.copied = written.copied;
    outcome.problems.insert(outcome.problems.end(), written.failures.begin(), written.failures.end());
    if (!outcome.problems.empty())
        fw::Messages().MessageBox("Not everything was copied:\n" + fw::MessageLines(outcome.problems),
                                  kCaption, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    return outcome;
}
