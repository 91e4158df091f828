#include "fw/core/FileException.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

using Cause = fw::FileException::Cause;

TEST(FileException, MapsErrnoToCauses)
{
    struct Case { int error; Cause cause; };
    const Case cases[] = {
        {0, Cause::none},
        {ENOENT, Cause::fileNotFound},
        {ENOTDIR, Cause::badPath}, {ELOOP, Cause::badPath},
        {EMFILE, Cause::tooManyOpenFiles}, {ENFILE, Cause::tooManyOpenFiles},
        {EACCES, Cause::accessDenied}, {EPERM, Cause::accessDenied}, {EROFS, Cause::accessDenied},
        {EEXIST, Cause::accessDenied}, {ENOTEMPTY, Cause::accessDenied},
        {EISDIR, Cause::invalidFile}, {EINVAL, Cause::invalidFile}, {ENAMETOOLONG, Cause::invalidFile},
        {EBADF, Cause::invalidFile},
        {EMLINK, Cause::directoryFull},
        {ESPIPE, Cause::badSeek},
        {EIO, Cause::hardIO}, {ENXIO, Cause::hardIO}, {ENODEV, Cause::hardIO},
        {EWOULDBLOCK, Cause::sharingViolation}, {EBUSY, Cause::sharingViolation}, {ETXTBSY, Cause::sharingViolation},
        {ENOLCK, Cause::lockViolation}, {EDEADLK, Cause::lockViolation},
        {ENOSPC, Cause::diskFull}, {EDQUOT, Cause::diskFull}, {EFBIG, Cause::diskFull},
        {EXDEV, Cause::genericException}, {EINTR, Cause::genericException}, {-1, Cause::genericException},
        {123456, Cause::genericException},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::FileException::FromErrno(c.error), c.cause) << "errno " << c.error;
}

TEST(FileException, ShowsOneOfNineTextsForEveryCause)
{
    struct Case { Cause cause; const char* text; };
    const Case cases[] = {
        {Cause::none, "Unknown Error"},
        {Cause::genericException, "Unknown Error"},
        {Cause::fileNotFound, "File Not Found"},
        {Cause::badPath, "Unknown Error"},
        {Cause::tooManyOpenFiles, "Too Many Open Files"},
        {Cause::accessDenied, "Access Denied"},
        {Cause::invalidFile, "Invalid File"},
        {Cause::removeCurrentDir, "Unknown Error"},
        {Cause::directoryFull, "Directory Full"},
        {Cause::badSeek, "Unknown Error"},
        {Cause::hardIO, "Hardware IO Problem"},
        {Cause::sharingViolation, "Sharing Violation"},
        {Cause::lockViolation, "Unknown Error"},
        {Cause::diskFull, "Disk Full"},
        {Cause::endOfFile, "Unknown Error"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::FileException::CauseText(c.cause), c.text) << c.cause;
}

TEST(FileException, CarriesCauseFileAndErrnoAndTheFormattedMessage)
{
    const fw::FileException e(Cause::sharingViolation, "C:\\Kestrom\\PART\\SHOP.REC", EWOULDBLOCK);
    EXPECT_EQ(e.cause(), Cause::sharingViolation);
    EXPECT_EQ(e.fileName(), "C:\\Kestrom\\PART\\SHOP.REC");
    EXPECT_EQ(e.osError(), EWOULDBLOCK);
    EXPECT_STREQ(e.what(), "ERROR: Sharing Violation -- On File C:\\Kestrom\\PART\\SHOP.REC");
    EXPECT_EQ(fw::FileException::Message(Cause::diskFull, "D:\\x %1"), "ERROR: Disk Full -- On File D:\\x %1");

    const fw::FileException none;
    EXPECT_EQ(none.cause(), Cause::none);
    EXPECT_EQ(none.osError(), 0);
}

} // namespace
