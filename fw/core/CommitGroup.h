#pragma once
// Saves of many files committed together. While a group is open on a thread, every AtomicFile
// committed on that thread leaves its temporary file written but not yet synced, and the group
// commits them all at once: every temporary file synced, then each renamed over its target, then
// each folder synced. A crash at any point leaves each target either as it was or wholly new,
// as a single save does, while the run pays for the disk's syncs about once instead of once per
// file.
//
//     fw::CommitGroup group;
//     ... save the documents ...
//     for (const fw::FileException& failure : group.Commit()) ... report failure.fileName() ...
//
// Until the group commits, the saved files keep their old contents (or do not exist yet) for
// readers: a run that reads back what it saved commits first. A new-file save
// (AtomicFile::CommitNew) counts a name pending in the group as taken. Groups opened inside an
// open one join it: the outermost commits. Commit ends the group: later saves on the thread are
// single saves again. A group commits by itself once it holds kMaxPending files (Commit tells
// those failures too), and when it is destroyed without Commit (then nothing tells the failures:
// call Commit).

#include "fw/core/FileException.h"
#include "fw/core/FwCoreExport.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace fw {

class FW_CORE_EXPORT CommitGroup {
public:
    static constexpr std::size_t kMaxPending = 512;

    CommitGroup();
    ~CommitGroup();
    CommitGroup(const CommitGroup&) = delete;
    CommitGroup& operator=(const CommitGroup&) = delete;

    // Commits every file pending in the group (in an inner group: nothing, that is the outer
    // one's). The files whose save did not complete, each named in its failure, as a single save
    // fails: a failure before the rename leaves the target as it was and removes the temporary
    // file; a failure to sync the folder after it leaves the new file in place, not sure to
    // survive a crash.
    std::vector<FileException> Commit();
    // Commit, telling the files that could not be placed in one message.
    std::vector<FileException> CommitAndTell();

    // The group open on this thread, if any.
    static CommitGroup* Current();
    // Whether a file saved into the group will take that name (ignoring case, as the drive map
    // matches names).
    bool IsPending(const std::filesystem::path& target) const;

    // Test hook: the commit step at which the next group commit fails for every file, as a
    // failing disk would (nothing after that step is done).
    enum class Step { none, sync, rename, syncFolder };
    static void FailAt(Step step);

private:
    friend class AtomicFile;
    struct Pending {
        std::filesystem::path temporary;
        std::filesystem::path target;
        std::string path;   // the target as the program names it
        bool replace;
    };
    // The target of a pending file whose target names the same file ignoring case, or target.
    std::filesystem::path PendingTarget(const std::filesystem::path& target) const;
    // Takes a written, closed temporary file; commits the group when it is full (its failures
    // wait for Commit).
    void Add(Pending pending);
    std::vector<FileException> CommitPending();
    // Stops being the thread's group.
    void Leave();

    CommitGroup* outer_;
    std::vector<Pending> pending_;
    std::unordered_map<std::string, std::size_t> targets_;   // pending_ by the target's name
    std::vector<FileException> failures_;                    // of commits the group made by itself
};

} // namespace fw
