#pragma once
// The one copier of the navigator: what a drop copies where, and the copy itself. A copy onto its
// own source or into a folder inside it is refused; existing files are replaced only after one
// question for the whole copy; nothing is ever moved.

#include "fw/core/FileCopy.h"
#include "navigator/TreeItemKind.h"

#include <functional>
#include <string>
#include <vector>

namespace nav {

struct CopyPair {
    std::string from;   // a file or a folder
    std::string to;     // the file or folder it becomes (a folder's contents merge into it)
    bool operator==(const CopyPair&) const = default;
};

// The copies a drop of these paths (of the dragged kind) on a target item makes. A drive takes
// each path to the same path on itself; a job takes files as group\file, groups as themselves,
// and a groups label's groups; a group takes files. Nothing for other targets.
std::vector<CopyPair> DropCopies(ItemKind target, const std::string& targetPath, DragKind dragged,
                                 const std::vector<std::string>& sources);

struct CopyOutcome {
    int copied = 0;                        // files written
    std::vector<std::string> refusals;     // one message per refused pair or failed file
};

class FileCopier {
public:
    // Asked once with every file the copy would replace; true replaces them, false keeps them.
    using ConfirmReplace = std::function<bool(const std::vector<std::string>& existing)>;
    explicit FileCopier(ConfirmReplace confirm) : confirm_(std::move(confirm)) {}

    CopyOutcome Copy(const std::vector<CopyPair>& pairs) const;

    // Why a pair may not be copied (empty when it may): the same file or folder, or a destination
    // inside the source folder.
    static std::string Refusal(const CopyPair& pair);

private:
    // The files a pair writes, as (source file, destination file).
    static void CollectFiles(const std::string& from, const std::string& to, std::vector<fw::FilePair>& files);
    ConfirmReplace confirm_;
};

} // namespace nav
