#include "fw/core/FileSync.h"

#include "fw/core/FileException.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace fw::filesync {

void SyncFolder(const std::filesystem::path& folder, const std::string& path)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        throw FileException(FileException::FromErrno(error), path, error);
    }
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    if (result != 0 && error != EINVAL)   // some file systems cannot sync a folder
        throw FileException(FileException::FromErrno(error), path, error);
}

int MoveIfAbsent(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    if (::link(from.c_str(), to.c_str()) != 0)
        return errno;
    ::unlink(from.c_str());
    return 0;
}

int Move(const std::filesystem::path& from, const std::filesystem::path& to, bool replace)
{
    if (!replace)
        return MoveIfAbsent(from, to);
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

void StartWriteback(int fd)
{
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

} // namespace fw::filesync
