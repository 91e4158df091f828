#include "fw/core/CommitGroup.h"

#include "fw/core/FileSync.h"
#include "fw/core/MessageService.h"
#include "fw/core/Text1252.h"

#include <atomic>
#include <cerrno>
#include <map>
#include <optional>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace fw {

namespace fs = std::filesystem;

namespace {

thread_local CommitGroup* current = nullptr;
std::atomic<CommitGroup::Step> failAt{CommitGroup::Step::none};

// Targets that name one file, as the drive map matches names: the same folder, the same name
// ignoring case.
std::string KeyOf(const fs::path& target)
{
    return target.parent_path().native() + '/' + Upper1252(Utf8ToCp1252(target.filename().native()));
}

int SyncFile(const fs::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

} // namespace

CommitGroup::CommitGroup() : outer_(current)
{
    if (!outer_)
        current = this;
}

CommitGroup::~CommitGroup()
{
    if (outer_)
        return;
    CommitPending();
    Leave();
}

void CommitGroup::Leave()
{
    if (current == this)
        current = nullptr;
}

CommitGroup* CommitGroup::Current() { return current; }

void CommitGroup::FailAt(Step step) { failAt = step; }

std::vector<FileException> CommitGroup::Commit()
{
    if (outer_)
        return {};
    std::vector<FileException> failures = std::exchange(failures_, {});
    std::vector<FileException> last = CommitPending();
    failures.insert(failures.end(), last.begin(), last.end());
    Leave();
    return failures;
}

std::vector<FileException> CommitGroup::CommitAndTell()
{
    std::vector<FileException> failures = Commit();
    std::vector<std::string> lines;
    for (const FileException& failure : failures)
        lines.push_back(failure.what());
    if (!lines.empty())
        ShowMessage("These files could not be saved:\n" + MessageLines(lines), MB_OK | MB_ICONEXCLAMATION);
    return failures;
}

fs::path CommitGroup::PendingTarget(const fs::path& target) const
{
    const auto it = targets_.find(KeyOf(target));
    return it == targets_.end() ? target : pending_[it->second].target;
}

bool CommitGroup::IsPending(const fs::path& target) const { return targets_.contains(KeyOf(target)); }

void CommitGroup::Add(Pending pending)
{
    targets_.emplace(KeyOf(pending.target), pending_.size());
    pending_.push_back(std::move(pending));
    if (pending_.size() < kMaxPending)
        return;
    std::vector<FileException> failures = CommitPending();
    failures_.insert(failures_.end(), failures.begin(), failures.end());
}

std::vector<FileException> CommitGroup::CommitPending()
{
    std::vector<Pending> files = std::move(pending_);
    pending_.clear();
    targets_.clear();
    const Step failing = failAt.exchange(Step::none);
    std::vector<FileException> failures;
    std::vector<bool> placed(files.size(), false);
    const auto fail = [&](std::size_t i, int error) {
        failures.emplace_back(FileException::FromErrno(error), files[i].path, error);
        std::error_code ec;
        fs::remove(files[i].temporary, ec);
    };
    // Every new file reaches the disk before any takes its target's name, so that after a crash
    // each target holds either its old bytes or all of its new ones.
    std::vector<bool> synced(files.size(), false);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const int error = failing == Step::sync ? EIO : SyncFile(files[i].temporary);
        if (error != 0)
            fail(i, error);
        synced[i] = error == 0;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!synced[i])
            continue;
        int error = EIO;
        if (failing != Step::rename)
            error = filesync::Move(files[i].temporary, files[i].target, files[i].replace);
        if (error != 0)
            fail(i, error);
        placed[i] = error == 0;
    }
    // Each folder is synced once; every file placed in one that could not be synced is named, as
    // its own save would name it.
    std::map<fs::path, std::optional<FileException>> folders;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!placed[i])
            continue;
        const auto [folder, first] = folders.try_emplace(files[i].target.parent_path());
        if (first) {
            try {
                if (failing == Step::syncFolder)
                    throw FileException(FileException::hardIO, files[i].path, EIO);
                filesync::SyncFolder(folder->first, files[i].path);
            } catch (const FileException& e) {
                folder->second = e;
            }
        }
        if (const std::optional<FileException>& failure = folder->second)
            failures.emplace_back(failure->cause(), files[i].path, failure->osError());
    }
    return failures;
}

} // namespace fw
