#include "baselib/File.h"
#include "convert/except/zrException.h"
#include "tests/baselib/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

using zr::CFile;
using zr::CFileStatus;

namespace {

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

template <class F> int OsErrorOf(F f)
{
    try {
        f();
    } catch (const CzrFileException& e) {
        return e.GetOsError();
    }
    return 0;
}

TEST(CFile, OpenFlagsTable)
{
    TempFolder folder;
    const struct {
        const char* name;
        const char* existing;   // nullptr: no file there before
        std::uint32_t flags;
        bool opens;
        const char* after;      // contents afterwards; nullptr: no file
    } cases[] = {
        {"read an existing file", "abc", CFile::modeRead, true, "abc"},
        {"read a missing file", nullptr, CFile::modeRead, false, nullptr},
        {"write a missing file", nullptr, CFile::modeWrite, false, nullptr},
        {"create", nullptr, CFile::modeCreate | CFile::modeWrite, true, ""},
        {"create truncates", "abc", CFile::modeCreate | CFile::modeReadWrite, true, ""},
        {"create without truncating", "abc", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite, true, "abc"},
        {"access 3 is refused", "abc", 3u, false, "abc"},
        {"an unknown sharing mode is refused", "abc", 0x50u, false, "abc"},
        {"not inherited", "abc", CFile::modeRead | CFile::modeNoInherit, true, "abc"},
    };
    for (const auto& c : cases) {
        const std::string path = folder.Path("f.bin");
        std::filesystem::remove(path);
        if (c.existing)
            folder.Write("f.bin", c.existing);
        CFile file;
        EXPECT_EQ(file.Open(path.c_str(), c.flags), c.opens) << c.name;
        EXPECT_EQ(file.GetHandle() != CFile::hFileNull, c.opens) << c.name;
        EXPECT_STREQ(file.GetFilePath(), c.opens ? path.c_str() : "") << c.name;
        if (c.opens && (c.flags & CFile::modeNoInherit)) {
            EXPECT_TRUE(::fcntl(file.GetHandle(), F_GETFD) & FD_CLOEXEC) << c.name;
        }
        file.Abort();
        EXPECT_EQ(std::filesystem::exists(path), c.after != nullptr) << c.name;
        if (c.after) {
            EXPECT_EQ(Contents(path), c.after) << c.name;
        }
    }
    CFile file;
    EXPECT_FALSE(file.Open(nullptr, CFile::modeRead));
    EXPECT_FALSE(file.Open("", CFile::modeRead));
}

TEST(CFile, SharingTable)
{
    TempFolder folder;
    const std::string path = folder.Write("shared.bin", "x");
    const struct {
        std::uint32_t first, second;
        bool secondOpens;
    } cases[] = {
        {CFile::shareExclusive, CFile::shareDenyNone, false},
        {CFile::shareCompat, CFile::shareCompat, false},
        {CFile::shareDenyRead, CFile::shareDenyNone, false},
        {CFile::shareDenyWrite, CFile::shareDenyWrite, true},
        {CFile::shareDenyNone, CFile::shareDenyWrite, true},
        {CFile::shareDenyNone, CFile::shareExclusive, false},
    };
    for (const auto& c : cases) {
        CFile first, second;
        ASSERT_TRUE(first.Open(path.c_str(), CFile::modeRead | c.first));
        EXPECT_EQ(second.Open(path.c_str(), CFile::modeRead | c.second), c.secondOpens)
            << std::hex << c.first << " then " << c.second;
    }
    CFile again;
    EXPECT_TRUE(again.Open(path.c_str(), CFile::modeRead));   // the locks went with the handles
}

// A FIFO whose other end nobody holds: reading opens at once and reads its end, writing is
// refused; neither waits.
TEST(CFile, AFifoWithoutItsOtherEndOpensWithoutWaiting)
{
    TempFolder folder;
    const std::string path = folder.Path("pipe.prt");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    for (const std::uint32_t flags : {CFile::modeRead, CFile::modeWrite}) {
        CFile file;
        auto opened = std::async(std::launch::async, [&] { return file.Open(path.c_str(), flags); });
        if (opened.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            // Release the waiting open so the test can end.
            ::close(::open(path.c_str(), (flags == CFile::modeRead ? O_WRONLY : O_RDONLY) | O_NONBLOCK));
            FAIL() << "the open of a FIFO waited for its other end, flags " << flags;
        }
        EXPECT_EQ(opened.get(), flags == CFile::modeRead) << flags;
        if (flags == CFile::modeRead) {
            char buffer[4];
            EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
        }
    }
}

TEST(CFile, ReadWriteSeekAndLength)
{
    TempFolder folder;
    const std::string path = folder.Path("rw.bin");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeReadWrite);
    ASSERT_NE(file.GetHandle(), CFile::hFileNull);
    EXPECT_TRUE(file.Write("hello", 5));
    EXPECT_TRUE(file.Write("", 0));
    EXPECT_EQ(file.GetPosition(), 5);
    EXPECT_EQ(file.Seek(1, CFile::begin), 1);
    EXPECT_EQ(file.GetLength(), 5);
    EXPECT_EQ(file.GetPosition(), 1);   // kept across GetLength
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, 0), 0u);
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 4u);
    EXPECT_STREQ(buffer, "ello");
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(file.Seek(-2, CFile::current), 3);
    EXPECT_EQ(file.Seek(0, 7), -1);
    EXPECT_EQ(file.Seek(-10, CFile::begin), -1);
    EXPECT_EQ(file.SeekToEnd(), 5);
    file.SeekToBegin();
    EXPECT_EQ(file.GetPosition(), 0);
    file.SetLength(2);
    EXPECT_EQ(file.GetLength(), 2);
    file.Flush();
    file.Close();
    EXPECT_EQ(file.GetHandle(), CFile::hFileNull);
    EXPECT_STREQ(file.GetFilePath(), "");
    EXPECT_EQ(Contents(path), "he");
}

TEST(CFile, FailedSystemCallsThrowFileExceptions)
{
    TempFolder folder;
    const std::string path = folder.Write("ro.bin", "abc");
    CFile closed;
    EXPECT_EQ(OsErrorOf([&] { closed.GetPosition(); }), EBADF);
    EXPECT_EQ(OsErrorOf([&] { closed.Flush(); }), EBADF);
    EXPECT_EQ(OsErrorOf([&] { closed.Duplicate(); }), EBADF);
    EXPECT_NO_THROW(closed.Close());
    CFile reading(path.c_str(), CFile::modeRead);
    EXPECT_EQ(OsErrorOf([&] { reading.SetLength(0); }), EINVAL);
    EXPECT_EQ(OsErrorOf([&] { reading.LockRange(0, 0); }), EINVAL);
    EXPECT_FALSE(reading.Write("x", 1));
    EXPECT_EQ(OsErrorOf([&] { CFile::Remove(folder.Path("missing").c_str()); }), ENOENT);
    EXPECT_EQ(OsErrorOf([&] { CFile::Rename(folder.Path("missing").c_str(), path.c_str()); }), ENOENT);
    EXPECT_EQ(OsErrorOf([&] { CFile::Remove(nullptr); }), EFAULT);
    EXPECT_EQ(OsErrorOf([&] { CFile::SetStatus(folder.Path("missing").c_str(), CFileStatus{}); }), ENOENT);
}

TEST(CFile, RangeLocksKeepOutOtherHandles)
{
    TempFolder folder;
    const std::string path = folder.Write("lock.bin", "0123456789");
    CFile a(path.c_str(), CFile::modeReadWrite | CFile::shareDenyNone);
    CFile b(path.c_str(), CFile::modeReadWrite | CFile::shareDenyNone);
    a.LockRange(0, 4);
    EXPECT_EQ(OsErrorOf([&] { b.LockRange(2, 4); }), EAGAIN);
    EXPECT_NO_THROW(b.LockRange(4, 4));
    a.UnlockRange(0, 4);
    EXPECT_NO_THROW(b.LockRange(0, 2));
}

TEST(CFile, HandlesAreClosedOnlyWhenOwned)
{
    TempFolder folder;
    const std::string path = folder.Write("h.bin", "abc");
    int owned = -1;
    {
        CFile file(path.c_str(), CFile::modeRead);
        owned = file.GetHandle();
    }
    EXPECT_EQ(::fcntl(owned, F_GETFD), -1);
    const int raw = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(raw, 0);
    {
        CFile borrowed(raw);
        EXPECT_EQ(borrowed.GetHandle(), raw);
    }
    EXPECT_NE(::fcntl(raw, F_GETFD), -1);
    ::close(raw);
}

TEST(CFile, DuplicateSharesTheFile)
{
    TempFolder folder;
    const std::string path = folder.Path("dup.bin");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    const std::unique_ptr<CFile> copy = file.Duplicate();
    EXPECT_NE(copy->GetHandle(), file.GetHandle());
    EXPECT_STREQ(copy->GetFilePath(), path.c_str());
    EXPECT_TRUE(copy->Write("ab", 2));
    EXPECT_EQ(file.GetPosition(), 2);   // one file position
    file.Close();
    EXPECT_TRUE(copy->Write("c", 1));
    copy->Close();
    EXPECT_EQ(Contents(path), "abc");
}

TEST(CFile, NamesComeFromTheFullPath)
{
    TempFolder folder;
    const std::string path = folder.Write("Part.prt", "");
    std::filesystem::create_directory(folder.Path("sub"));
    const std::filesystem::path saved = std::filesystem::current_path();
    std::filesystem::current_path(std::filesystem::path(path).parent_path());
    CFile file;
    const bool opened = file.Open("./sub/../Part.prt", CFile::modeRead);
    std::filesystem::current_path(saved);
    ASSERT_TRUE(opened);
    EXPECT_STREQ(file.GetFilePath(), path.c_str());
    EXPECT_STREQ(file.GetFileName(), "Part.prt");
    EXPECT_STREQ(file.GetFileTitle(), "Part.prt");
    file.SetFilePath("other");
    EXPECT_EQ(file.GetHandle(), CFile::hFileNull);
    EXPECT_STREQ(file.GetFilePath(), "other");
}

TEST(CFile, StatusReadAndSet)
{
    TempFolder folder;
    const std::string path = folder.Write("s.bin", "12345");
    CFileStatus status;
    status.attribute = CFileStatus::readOnly;
    status.mtime = zr::CTime(978307200);
    CFile::SetStatus(path.c_str(), status);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mtime, 978307200);
    EXPECT_EQ(st.st_mode & 0222, 0u);

    ASSERT_TRUE(CFile::GetStatus(path.c_str(), status));
    EXPECT_EQ(status.size, 5);
    EXPECT_EQ(status.attribute, CFileStatus::readOnly);
    EXPECT_EQ(status.mtime.GetTime(), 978307200);
    EXPECT_EQ(status.ctime.GetTime(), 978307200);
    EXPECT_STREQ(status.fullName, path.c_str());

    status.attribute = 0;
    status.mtime = zr::CTime(1000000000);
    status.atime = zr::CTime(1000000001);
    CFile::SetStatus(path.c_str(), status);   // a read-only file takes its attributes first
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_NE(st.st_mode & S_IWUSR, 0u);
    EXPECT_EQ(st.st_mtime, 1000000000);
    EXPECT_EQ(st.st_atime, 1000000001);

    CFile file(path.c_str(), CFile::modeRead);
    ASSERT_TRUE(file.GetStatus(status));
    EXPECT_EQ(status.size, 5);
    EXPECT_EQ(status.attribute, 0);
    EXPECT_EQ(status.mtime.GetTime(), 1000000000);
    CFile none;
    ASSERT_TRUE(none.GetStatus(status));
    EXPECT_EQ(status.size, 0);
    EXPECT_FALSE(CFile::GetStatus(folder.Path("missing").c_str(), status));
    EXPECT_FALSE(CFile::GetStatus(nullptr, status));
}

TEST(CFile, RenameAndRemove)
{
    TempFolder folder;
    const std::string from = folder.Write("a.bin", "x");
    const std::string to = folder.Path("b.bin");
    CFile::Rename(from.c_str(), to.c_str());
    EXPECT_FALSE(std::filesystem::exists(from));
    EXPECT_EQ(Contents(to), "x");
    CFile::Remove(to.c_str());
    EXPECT_FALSE(std::filesystem::exists(to));
}

}  // namespace
