#include "fw/core/AtomicFile.h"

#include "fw/core/CommitGroup.h"
#include "fw/core/DriveMap.h"
#include "fw/core/FileSync.h"

#include <algorithm>
#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace fs = std::filesystem;

namespace {

constexpr std::uint64_t kNoFailure = ~std::uint64_t(0);
std::atomic<std::uint64_t> failWritesAfter{kNoFailure};
std::atomic<unsigned> temporaryCounter{0};

// ".<name>.<pid>-<n>.tmp" beside the target; the name part is cut so the whole stays short.
fs::path TemporaryName(const fs::path& target)
{
    const std::string name = target.filename().native().substr(0, 100);
    return target.parent_path() /
           ("." + name + "." + std::to_string(::getpid()) + "-" + std::to_string(++temporaryCounter) + ".tmp");
}

// A file whose mode grants no write permission, or that this process may not write, is not to be
// replaced, as on a file system that honours a read-only flag; the rename alone would replace it.
void RefuseReadOnly(const fs::path& target, const std::string& path)
{
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    if ((st.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
        throw FileException(FileException::accessDenied, path, EACCES);
}

} // namespace

AtomicFile::AtomicFile(std::string_view winPath) : path_(winPath), target_(DriveMap::Instance().ToNative(winPath))
{
    RefuseReadOnly(target_, path_);
    FileException error;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary_ = TemporaryName(target_);
        if (file_.OpenNative(temporary_, O_WRONLY | O_CREAT | O_EXCL, true, path_, &error))
            break;
        if (error.osError() != EEXIST)
            throw error;
    }
    if (!file_.IsOpen())
        throw error;
    struct stat st {};
    if (::stat(target_.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(file_.fd_, st.st_mode & 07777);
}

AtomicFile::~AtomicFile()
{
    if (!committed_)
        RemoveTemporary();
}

std::size_t AtomicFile::Read(void*, std::size_t)
{
    throw FileException(FileException::accessDenied, path_, EBADF);
}

void AtomicFile::Write(const void* buffer, std::size_t count)
{
    try {
        const std::uint64_t limit = failWritesAfter.load();
        if (limit != kNoFailure && count > limit - std::min(limit, written_)) {
            file_.Write(buffer, std::size_t(limit - std::min(limit, written_)));
            throw FileException(FileException::diskFull, path_, ENOSPC);
        }
        file_.Write(buffer, count);
        written_ += count;
    } catch (...) {
        failed_ = true;
        throw;
    }
}

void AtomicFile::Finish(bool sync)
{
    if (committed_ || failed_)
        throw FileException(FileException::genericException, path_);
    if (sync)
        file_.Flush();
    else
        filesync::StartWriteback(file_.fd_);
    file_.Close();
}

void AtomicFile::Commit()
{
    Place(true);
}

bool AtomicFile::CommitNew()
{
    return Place(false);
}

bool AtomicFile::Place(bool replace)
{
    if (CommitGroup* group = CommitGroup::Current())
        return PlaceInGroup(*group, replace);
    if (committed_)
        throw FileException(FileException::genericException, path_);
    try {
        Finish(true);
        if (replace)
            RefuseReadOnly(target_, path_);
        const int error = filesync::Move(temporary_, target_, replace);
        if (error == EEXIST && !replace) {
            failed_ = true;
            RemoveTemporary();
            return false;
        }
        if (error != 0)
            throw FileException(FileException::FromErrno(error), path_, error);
    } catch (...) {
        failed_ = true;
        RemoveTemporary();
        throw;
    }
    committed_ = true;
    filesync::SyncFolder(target_.parent_path(), path_);
    return true;
}

bool AtomicFile::PlaceInGroup(CommitGroup& group, bool replace)
{
    if (committed_)
        throw FileException(FileException::genericException, path_);
    fs::path target = target_;
    try {
        Finish(false);
        std::error_code ec;
        if (replace) {
            RefuseReadOnly(target_, path_);
            target = group.PendingTarget(target_);
        } else if (fs::exists(fs::symlink_status(target_, ec)) || group.IsPending(target_)) {
            failed_ = true;
            RemoveTemporary();
            return false;
        }
    } catch (...) {
        failed_ = true;
        RemoveTemporary();
        throw;
    }
    committed_ = true;
    group.Add({temporary_, target, path_, replace});
    return true;
}

void AtomicFile::RemoveTemporary() noexcept
{
    file_ = File();
    std::error_code ec;
    fs::remove(temporary_, ec);
}

void AtomicFile::FailWritesAfter(std::optional<std::uint64_t> bytes)
{
    failWritesAfter = bytes.value_or(kNoFailure);
}

} // namespace fw
