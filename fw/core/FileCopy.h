#pragma once
// The copy of a set of files that the program's copy commands share: the targets that would be
// replaced are found first (so that the caller can ask once), then every folder is made and every
// file copied, each failure noted while the rest goes on. The copy shows its progress and the user
// can stop it between two files. Paths are Windows-form.

#include "fw/core/FwCoreExport.h"
#include <string>
#include <vector>

namespace fw {

struct FW_CORE_EXPORT FilePair {
    std::string from;
    std::string to;
    bool operator==(const FilePair&) const = default;
};

struct FW_CORE_EXPORT FileCopyResult {
    int copied = 0;                      // files written
    // One line per folder not made or file not copied, in order, and a last one when the user
    // stopped the copy.
    std::vector<std::string> failures;
};

// The targets of the pairs that exist already, in the pairs' order.
FW_CORE_EXPORT std::vector<std::string> ExistingTargets(const std::vector<FilePair>& files);

// Makes the folders (even when no file lands in them), then copies the files, making each
// target's folders; a target that exists is replaced only when replace is set, else left alone.
FW_CORE_EXPORT FileCopyResult CopyFiles(const std::vector<FilePair>& files, const std::vector<std::string>& folders, bool replace);

} // namespace fw
