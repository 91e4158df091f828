#include "baselib/File.h"

#include "baselib/PathUtility.h"
#include "convert/except/Log.h"
#include "convert/except/zrException.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <optional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zr {

namespace {

[[noreturn]] void ThrowFileError(int line)
{
    CLog::ThrowFileException("ZRFile", line);
}

std::optional<std::string> FullPath(const char* path)
{
    if (!path || !*path)
        return std::nullopt;
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(path, error);
    if (error)
        return std::nullopt;
    return full.lexically_normal().string();
}

std::optional<int> OpenFlagsFor(std::uint32_t flags)
{
    static constexpr int kAccess[] = {O_RDONLY, O_WRONLY, O_RDWR};
    const std::uint32_t access = flags & 0x3;
    if (access > 2)
        return std::nullopt;
    int open = kAccess[access];
    if (flags & CFile::modeNoInherit)
        open |= O_CLOEXEC;
    if (flags & CFile::modeCreate)
        open |= O_CREAT | ((flags & CFile::modeNoTruncate) ? 0 : O_TRUNC);
    return open;
}

// The advisory lock standing for a sharing mode: modes that let others in share the lock.
std::optional<int> SharingLock(std::uint32_t flags)
{
    switch (flags & 0x70) {
    case CFile::shareCompat:
    case CFile::shareExclusive:
    case CFile::shareDenyRead: return LOCK_EX;
    case CFile::shareDenyWrite:
    case CFile::shareDenyNone: return LOCK_SH;
    default: return std::nullopt;
    }
}

constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

std::uint8_t AttributesOf(const struct stat& st)
{
    std::uint8_t attribute = 0;
    if (!(st.st_mode & S_IWUSR))
        attribute |= CFileStatus::readOnly;
    if (S_ISDIR(st.st_mode))
        attribute |= CFileStatus::directory;
    return attribute;
}

void FillTimesAndSize(const struct stat& st, CFileStatus& status)
{
    status.mtime = static_cast<std::int64_t>(st.st_mtime);
    status.atime = st.st_atime != 0 ? CTime(static_cast<std::int64_t>(st.st_atime)) : status.mtime;
    status.ctime = status.mtime;
    status.size = st.st_size;
}

// A null path fails like a bad address.
const char* Checked(const char* path, int line)
{
    if (!path) {
        errno = EFAULT;
        ThrowFileError(line);
    }
    return path;
}

void ApplyAttributes(const char* path, std::uint8_t attribute, mode_t mode)
{
    const mode_t permissions = mode & 07777;
    const mode_t wanted = (attribute & CFileStatus::readOnly) ? permissions & ~kWriteBits : permissions | S_IWUSR;
    if (wanted != permissions && ::chmod(path, wanted) != 0)
        ThrowFileError(__LINE__);
}

}  // namespace

CFile::CFile(int handle) : handle_(handle) {}

CFile::CFile(const char* path, std::uint32_t flags)
{
    Open(path, flags);
}

CFile::~CFile()
{
    if (handle_ != hFileNull && closeOnDelete_)
        Abort();
}

std::int64_t CFile::GetPosition() const
{
    const off_t position = ::lseek(handle_, 0, SEEK_CUR);
    if (position < 0)
        ThrowFileError(__LINE__);
    return position;
}

CString CFile::GetFileName() const
{
    CString drive, folder, name, extension;
    UtilitySetPath(path_, drive, folder, name, extension);
    return name + extension;
}

CString CFile::GetFileTitle() const
{
    return GetFileName();
}

CString CFile::GetFilePath() const
{
    return path_;
}

void CFile::SetFilePath(const char* path)
{
    if (handle_ != hFileNull)
        Close();
    path_ = path;
}

bool CFile::Open(const char* path, std::uint32_t flags)
{
    if (handle_ != hFileNull)
        return false;
    path_.Empty();
    const std::optional<std::string> full = FullPath(path);
    const std::optional<int> openFlags = OpenFlagsFor(flags);
    const std::optional<int> lock = SharingLock(flags);
    if (!full || !openFlags || !lock)
        return false;
    // O_NONBLOCK keeps the open of a FIFO from waiting for its other end (a FIFO with no reader
    // refuses a writer); reads and writes block again as usual.
    const int handle = ::open(path, *openFlags | O_NONBLOCK, 0666);
    if (handle < 0)
        return false;
    if (::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK) != 0 ||
        ::flock(handle, *lock | LOCK_NB) != 0) {
        const int error = errno;
        ::close(handle);
        errno = error;
        return false;
    }
    handle_ = handle;
    closeOnDelete_ = true;
    path_ = full->c_str();
    return true;
}

std::unique_ptr<CFile> CFile::Duplicate() const
{
    const int handle = ::dup(handle_);
    if (handle < 0)
        ThrowFileError(__LINE__);
    try {
        auto copy = std::make_unique<CFile>(handle);
        copy->closeOnDelete_ = closeOnDelete_;
        copy->path_ = path_;
        return copy;
    } catch (const std::bad_alloc&) {
        ::close(handle);
        throw CMemoryException();
    }
}

std::int64_t CFile::Seek(std::int64_t offset, int from)
{
    static constexpr int kWhence[] = {SEEK_SET, SEEK_CUR, SEEK_END};
    if (from < begin || from > end)
        return -1;
    const off_t position = ::lseek(handle_, offset, kWhence[from]);
    return position < 0 ? -1 : position;
}

void CFile::SetLength(std::int64_t length)
{
    if (::ftruncate(handle_, length) != 0)
        ThrowFileError(__LINE__);
}

std::int64_t CFile::GetLength() const
{
    const std::int64_t position = GetPosition();
    const off_t length = ::lseek(handle_, 0, SEEK_END);
    if (length < 0 || ::lseek(handle_, position, SEEK_SET) != position) {
        CLog::LogError("ZRFile", __LINE__, "Get Length ERROR");
        return position;
    }
    return length;
}

std::uint32_t CFile::Read(void* buffer, std::uint32_t count)
{
    std::uint32_t total = 0;
    while (total < count) {
        const ssize_t got = ::read(handle_, static_cast<char*>(buffer) + total, count - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        total += static_cast<std::uint32_t>(got);
    }
    return total;
}

bool CFile::Write(const void* buffer, std::uint32_t count)
{
    std::uint32_t total = 0;
    while (total < count) {
        const ssize_t put = ::write(handle_, static_cast<const char*>(buffer) + total, count - total);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return false;
        total += static_cast<std::uint32_t>(put);
    }
    return true;
}

void CFile::Lock(short type, std::int64_t position, std::int64_t count)
{
    if (position < 0 || count <= 0) {
        errno = EINVAL;
        ThrowFileError(__LINE__);
    }
    struct flock range {};
    range.l_type = type;
    range.l_whence = SEEK_SET;
    range.l_start = position;
    range.l_len = count;
    if (::fcntl(handle_, F_OFD_SETLK, &range) != 0)
        ThrowFileError(__LINE__);
}

void CFile::LockRange(std::int64_t position, std::int64_t count)
{
    // A write lock needs a handle open for writing; a read-only handle takes a read lock.
    const int access = ::fcntl(handle_, F_GETFL);
    Lock(access >= 0 && (access & O_ACCMODE) != O_RDONLY ? F_WRLCK : F_RDLCK, position, count);
}

void CFile::UnlockRange(std::int64_t position, std::int64_t count)
{
    Lock(F_UNLCK, position, count);
}

void CFile::Abort()
{
    if (handle_ != hFileNull)
        ::close(handle_);
    handle_ = hFileNull;
    closeOnDelete_ = false;
    path_.Empty();
}

void CFile::Flush()
{
    if (::fsync(handle_) != 0)
        ThrowFileError(__LINE__);
}

void CFile::Close()
{
    const int handle = handle_;
    handle_ = hFileNull;
    closeOnDelete_ = false;
    path_.Empty();
    if (handle != hFileNull && ::close(handle) != 0)
        ThrowFileError(__LINE__);
}

bool CFile::GetStatus(CFileStatus& status) const
{
    status = CFileStatus{};
    status.fullName = path_;
    if (handle_ == hFileNull)
        return true;
    struct stat st {};
    if (::fstat(handle_, &st) != 0)
        return false;
    FillTimesAndSize(st, status);
    struct stat byPath {};
    if (::stat(path_, &byPath) == 0)
        status.attribute = AttributesOf(byPath);
    return true;
}

bool CFile::GetStatus(const char* path, CFileStatus& status)
{
    status = CFileStatus{};
    const std::optional<std::string> full = FullPath(path);
    struct stat st {};
    if (!full || ::stat(path, &st) != 0)
        return false;
    status.fullName = full->c_str();
    status.attribute = AttributesOf(st) & 0x7F;
    FillTimesAndSize(st, status);
    return true;
}

void CFile::SetStatus(const char* path, const CFileStatus& status)
{
    struct stat st {};
    if (::stat(Checked(path, __LINE__), &st) != 0)
        ThrowFileError(__LINE__);
    const bool wasReadOnly = AttributesOf(st) & CFileStatus::readOnly;
    if (wasReadOnly)
        ApplyAttributes(path, status.attribute, st.st_mode);
    if (status.mtime.GetTime() != 0) {
        struct timespec times[2] = {};
        times[0].tv_sec = status.atime.GetTime();
        times[0].tv_nsec = status.atime.GetTime() != 0 ? 0 : UTIME_OMIT;
        times[1].tv_sec = status.mtime.GetTime();
        if (::utimensat(AT_FDCWD, path, times, 0) != 0)
            ThrowFileError(__LINE__);
    }
    if (!wasReadOnly)
        ApplyAttributes(path, status.attribute, st.st_mode);
}

void CFile::Rename(const char* oldName, const char* newName)
{
    if (std::rename(Checked(oldName, __LINE__), Checked(newName, __LINE__)) != 0)
        ThrowFileError(__LINE__);
}

void CFile::Remove(const char* path)
{
    if (::unlink(Checked(path, __LINE__)) != 0)
        ThrowFileError(__LINE__);
}

}  // namespace zr
