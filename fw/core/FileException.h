#pragma once
// The file error of the platform layer: a cause the program's messages are chosen by, the file
// (Windows form, as the program names it) and the operating system's errno when there was one.

#include "fw/core/FwCoreExport.h"
#include <stdexcept>
#include <string>
#include <string_view>

namespace fw {

class FW_CORE_EXPORT FileException : public std::runtime_error {
public:
    enum Cause {
        none, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied, invalidFile,
        removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation, lockViolation, diskFull,
        endOfFile
    };

    // what() is Message(cause, fileName). The default is cause none, for out-parameters.
    FileException() : FileException(none, {}) {}
    FileException(Cause cause, std::string fileName, int osError = 0);

    Cause cause() const { return cause_; }
    const std::string& fileName() const { return fileName_; }
    int osError() const { return osError_; }

    // The cause of an errno value:
    //   ENOENT -> fileNotFound; ENOTDIR, ELOOP -> badPath (a folder of the path is missing or is
    //   not a folder); EMFILE, ENFILE -> tooManyOpenFiles; EACCES, EPERM, EROFS, EEXIST,
    //   ENOTEMPTY -> accessDenied; EISDIR, EINVAL, ENAMETOOLONG, EBADF -> invalidFile;
    //   EMLINK -> directoryFull; ESPIPE -> badSeek; EIO, ENXIO, ENODEV -> hardIO;
    //   EWOULDBLOCK (a refused flock), EBUSY, ETXTBSY -> sharingViolation; ENOLCK, EDEADLK ->
    //   lockViolation; ENOSPC, EDQUOT, EFBIG -> diskFull; 0 -> none; anything else ->
    //   genericException.
    static Cause FromErrno(int error);

    // The text shown for a cause: "File Not Found", "Too Many Open Files", "Access Denied",
    // "Invalid File", "Directory Full", "Hardware IO Problem", "Sharing Violation", "Disk Full" for
    // the causes so named, "Unknown Error" for every other cause (badPath among them: a bad path
    // is normally mended by making the folders and trying again, so it reaches the user only when
    // that fails too, as an unknown error).
    static std::string_view CauseText(Cause cause);

    // "ERROR: %1 -- On File %2" with the cause text and the file name.
    static std::string Message(Cause cause, std::string_view fileName);

private:
    Cause cause_;
    std::string fileName_;
    int osError_;
};

} // namespace fw
