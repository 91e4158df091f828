#include "fw/core/File.h"

#include "fw/core/DriveMap.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

namespace {

constexpr unsigned kAccessMask = 0x0003;
constexpr std::size_t kMaxChunk = std::size_t(1) << 30;   // per read/write call

int OpenFlagsFor(unsigned flags)
{
    int access = O_RDONLY;
    switch (flags & kAccessMask) {
    case File::modeRead: access = O_RDONLY; break;
    case File::modeWrite: access = O_WRONLY; break;
    case File::modeReadWrite: access = O_RDWR; break;
    default: return -1;
    }
    return access | ((flags & File::modeCreate) ? O_CREAT : 0);
}

// Why open(2) failed, telling a missing folder (badPath) from a missing file.
FileException::Cause OpenFailure(const std::filesystem::path& native, int error)
{
    std::error_code ec;
    if (error == ENOENT && !std::filesystem::is_directory(native.parent_path(), ec))
        return FileException::badPath;
    return FileException::FromErrno(error);
}

} // namespace

File::File(std::string_view winPath, unsigned flags)
{
    FileException error;
    if (!Open(winPath, flags, &error))
        throw error;
}

File::File(File&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_))
{
}

File& File::operator=(File&& other) noexcept
{
    if (this != &other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        path_ = std::move(other.path_);
    }
    return *this;
}

File::~File()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool File::Open(std::string_view winPath, unsigned flags, FileException* error)
{
    if (fd_ >= 0)
        ::close(std::exchange(fd_, -1));
    path_.clear();
    std::filesystem::path native;
    try {
        native = DriveMap::Instance().ToNative(winPath);
    } catch (const FileException& e) {
        if (error)
            *error = e;
        return false;
    }
    const int openFlags = OpenFlagsFor(flags);
    if (openFlags < 0) {
        if (error)
            *error = FileException(FileException::invalidFile, std::string(winPath), EINVAL);
        return false;
    }
    if (!OpenNative(native, openFlags, (flags & shareExclusive) != 0, std::string(winPath), error))
        return false;
    const bool truncate = (flags & modeCreate) && !(flags & modeNoTruncate) && (flags & kAccessMask) != modeRead;
    if (truncate && ::ftruncate(fd_, 0) != 0) {
        const int e = errno;
        ::close(std::exchange(fd_, -1));
        if (error)
            *error = FileException(FileException::FromErrno(e), path_, e);
        return false;
    }
    return true;
}

bool File::OpenNative(const std::filesystem::path& native, int openFlags, bool exclusive, std::string path,
                      FileException* error)
{
    path_ = std::move(path);
    // O_NONBLOCK keeps a FIFO from blocking the open; non-regular files are refused below.
    const int fd = ::open(native.c_str(), openFlags | O_CLOEXEC | O_NONBLOCK, 0666);
    int failure = fd < 0 ? errno : 0;
    FileException::Cause cause = fd < 0 ? OpenFailure(native, failure) : FileException::none;
    struct stat st {};
    if (fd >= 0 && (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        failure = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        cause = FileException::invalidFile;
    } else if (fd >= 0 && (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
                           ::flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) != 0)) {
        failure = errno;
        cause = FileException::FromErrno(failure);
    }
    if (cause != FileException::none) {
        if (fd >= 0)
            ::close(fd);
        if (error)
            *error = FileException(cause, path_, failure);
        return false;
    }
    fd_ = fd;
    return true;
}

void File::CheckOpen() const
{
    if (fd_ < 0)
        throw FileException(FileException::invalidFile, path_, EBADF);
}

void File::Fail(int error) const
{
    throw FileException(FileException::FromErrno(error), path_, error);
}

std::size_t File::Read(void* buffer, std::size_t count)
{
    CheckOpen();
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd_, out + done, std::min(count - done, kMaxChunk));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            Fail(errno);
        if (n == 0)
            break;
        done += std::size_t(n);
    }
    return done;
}

void File::Write(const void* buffer, std::size_t count)
{
    CheckOpen();
    const auto* in = static_cast<const char*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd_, in + done, std::min(count - done, kMaxChunk));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            Fail(n < 0 ? errno : ENOSPC);
        done += std::size_t(n);
    }
}

std::uint64_t File::Seek(std::int64_t offset, SeekPosition from)
{
    CheckOpen();
    const int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    const off_t position = ::lseek(fd_, off_t(offset), whence);
    if (position < 0) {
        const int e = errno;
        throw FileException(e == EINVAL ? FileException::badSeek : FileException::FromErrno(e), path_, e);
    }
    return std::uint64_t(position);
}

std::uint64_t File::GetPosition()
{
    return Seek(0, current);
}

std::uint64_t File::GetLength()
{
    CheckOpen();
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        Fail(errno);
    return std::uint64_t(st.st_size);
}

std::vector<std::uint8_t> File::ReadToEnd(std::uint64_t maxSize)
{
    const std::uint64_t length = GetLength();
    const std::uint64_t position = GetPosition();
    const std::uint64_t left = length > position ? length - position : 0;
    if (left > maxSize)
        throw FileException(FileException::invalidFile, path_);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(left));
    if (Read(bytes.data(), bytes.size()) != bytes.size())
        throw FileException(FileException::invalidFile, path_);
    return bytes;
}

void File::SetLength(std::uint64_t length)
{
    CheckOpen();
    if (length > std::uint64_t(std::numeric_limits<off_t>::max()))
        Fail(EFBIG);
    if (::ftruncate(fd_, off_t(length)) != 0)
        Fail(errno);
}

void File::Flush()
{
    CheckOpen();
    if (::fsync(fd_) != 0)
        Fail(errno);
}

void File::Close()
{
    if (fd_ < 0)
        return;
    if (::close(std::exchange(fd_, -1)) != 0 && errno != EINTR)
        Fail(errno);
}

} // namespace fw
