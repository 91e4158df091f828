#include "navigator/FileCopier.h"

#include "fw/core/DriveMap.h"
#include "fw/core/FileException.h"
#include "fw/core/FileSystem.h"
#include "fw/core/WinPath.h"

#include <algorithm>
#include <filesystem>
#include <string_view>

namespace nav {

namespace {

// The last n components of a path joined by '\' ("C:\J\G\P.prt", 2 -> "G\P.prt"); empty when it
// has no more than n (the drive is never one of them).
std::string LastComponents(const std::string& path, std::size_t n)
{
    std::vector<std::string_view> parts;
    for (std::string_view rest = path; !rest.empty();) {
        const std::size_t slash = rest.find('\\');
        if (rest.substr(0, slash).size() > 0)
            parts.push_back(rest.substr(0, slash));
        if (slash == std::string_view::npos)
            break;
        rest.remove_prefix(slash + 1);
    }
    if (parts.size() <= n)
        return {};
    std::string tail;
    for (std::size_t i = parts.size() - n; i < parts.size(); ++i)
        tail += (tail.empty() ? "" : "\\") + std::string(parts[i]);
    return tail;
}

bool IsFileDrag(DragKind kind) { return kind == DragKind::parts || kind == DragKind::mults; }

std::filesystem::path Normal(const std::string& winPath)
{
    return std::filesystem::weakly_canonical(fw::DriveMap::Instance().ToNative(winPath));
}

} // namespace

std::vector<CopyPair> DropCopies(ItemKind target, const std::string& targetPath, DragKind dragged,
                                 const std::vector<std::string>& sources)
{
    std::vector<CopyPair> pairs;
    for (const std::string& source : sources) {
        switch (target) {
        case ItemKind::drive:
            if (fw::WinPath::Drive(source) && source.size() > 2)
                pairs.push_back({source, std::string(1, targetPath[0]) + source.substr(1)});
            break;
        case ItemKind::job:
            if (IsFileDrag(dragged)) {
                if (std::string tail = LastComponents(source, 2); !tail.empty())
                    pairs.push_back({source, fw::WinPath::Join(targetPath, tail)});
            } else if (dragged == DragKind::groups) {
                pairs.push_back({source, fw::WinPath::Join(targetPath, fw::WinPath::FileName(source))});
            } else if (dragged == DragKind::groupsLabels) {
                pairs.push_back({source, targetPath});
            }
            break;
        case ItemKind::group:
            if (IsFileDrag(dragged))
                pairs.push_back({source, fw::WinPath::Join(targetPath, fw::WinPath::FileName(source))});
            break;
        default: break;
        }
    }
    return pairs;
}

std::string FileCopier::Refusal(const CopyPair& pair)
{
    try {
        const std::filesystem::path from = Normal(pair.from);
        const std::filesystem::path to = Normal(pair.to);
        if (from == to)
            return "\"" + pair.from + "\" cannot be copied onto itself.";
        const auto [end, rest] = std::mismatch(from.begin(), from.end(), to.begin(), to.end());
        if (end == from.end())
            return "\"" + pair.from + "\" cannot be copied into \"" + pair.to + "\", a folder inside itself.";
        return {};
    } catch (const std::exception&) {
        return "\"" + pair.from + "\" cannot be copied to \"" + pair.to + "\": the path is not valid.";
    }
}

void FileCopier::CollectFiles(const std::string& from, const std::string& to, std::vector<fw::FilePair>& files)
{
    if (!fw::FileSystem::IsFolder(from)) {
        files.push_back({from, to});
        return;
    }
    for (const std::string& name : fw::FileSystem::List(fw::WinPath::Join(from, "*")))
        CollectFiles(fw::WinPath::Join(from, name), fw::WinPath::Join(to, name), files);
}

CopyOutcome FileCopier::Copy(const std::vector<CopyPair>& pairs) const
{
    CopyOutcome outcome;
    std::vector<fw::FilePair> files;
    std::vector<std::string> folders;
    for (const CopyPair& pair : pairs) {
        if (std::string refusal = Refusal(pair); !refusal.empty()) {
            outcome.refusals.push_back(std::move(refusal));
            continue;
        }
        try {
            CollectFiles(pair.from, pair.to, files);
            if (fw::FileSystem::IsFolder(pair.from))
                folders.push_back(pair.to);   // made even when it receives no file
        } catch (const fw::FileException& e) {
            outcome.refusals.push_back("\"" + pair.from + "\" cannot be read: " + e.what());
        }
    }
    const std::vector<std::string> existing = fw::ExistingTargets(files);
    const bool replace = !existing.empty() && confirm_ && confirm_(existing);
    fw::FileCopyResult written = fw::CopyFiles(files, folders, replace);
    outcome.copied = written.copied;
    outcome.refusals.insert(outcome.refusals.end(), written.failures.begin(), written.failures.end());
    return outcome;
}

} // namespace nav
