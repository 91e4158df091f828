#include "fw/core/FileException.h"

#include "fw/core/StringTable.h"

#include <cerrno>
#include <utility>

namespace fw {

namespace {

struct ErrnoCause {
    int error;
    FileException::Cause cause;
};

// EWOULDBLOCK equals EAGAIN on Linux; listing both keeps the table right wherever they differ.
const ErrnoCause kErrnoCauses[] = {
    {0, FileException::none},
    {ENOENT, FileException::fileNotFound},
    {ENOTDIR, FileException::badPath}, {ELOOP, FileException::badPath},
    {EMFILE, FileException::tooManyOpenFiles}, {ENFILE, FileException::tooManyOpenFiles},
    {EACCES, FileException::accessDenied}, {EPERM, FileException::accessDenied},
    {EROFS, FileException::accessDenied}, {EEXIST, FileException::accessDenied},
    {ENOTEMPTY, FileException::accessDenied},
    {EISDIR, FileException::invalidFile}, {EINVAL, FileException::invalidFile},
    {ENAMETOOLONG, FileException::invalidFile}, {EBADF, FileException::invalidFile},
    {EMLINK, FileException::directoryFull},
    {ESPIPE, FileException::badSeek},
    {EIO, FileException::hardIO}, {ENXIO, FileException::hardIO}, {ENODEV, FileException::hardIO},
    {EWOULDBLOCK, FileException::sharingViolation}, {EAGAIN, FileException::sharingViolation},
    {EBUSY, FileException::sharingViolation}, {ETXTBSY, FileException::sharingViolation},
    {ENOLCK, FileException::lockViolation}, {EDEADLK, FileException::lockViolation},
    {ENOSPC, FileException::diskFull}, {EDQUOT, FileException::diskFull}, {EFBIG, FileException::diskFull},
};

} // namespace

FileException::FileException(Cause cause, std::string fileName, int osError)
    : std::runtime_error(Message(cause, fileName)), cause_(cause), fileName_(std::move(fileName)), osError_(osError)
{
}

FileException::Cause FileException::FromErrno(int error)
{
    for (const ErrnoCause& entry : kErrnoCauses)
        if (entry.error == error)
            return entry.cause;
    return genericException;
}

std::string_view FileException::CauseText(Cause cause)
{
    switch (cause) {
    case fileNotFound: return "File Not Found";
    case tooManyOpenFiles: return "Too Many Open Files";
    case accessDenied: return "Access Denied";
    case invalidFile: return "Invalid File";
    case directoryFull: return "Directory Full";
    case hardIO: return "Hardware IO Problem";
    case sharingViolation: return "Sharing Violation";
    case diskFull: return "Disk Full";
    default: return "Unknown Error";
    }
}

std::string FileException::Message(Cause cause, std::string_view fileName)
{
    return FormatString("ERROR: %1 -- On File %2", {CauseText(cause), fileName});
}

} // namespace fw
