#include "fw/core/File.h"

#include "fw/core/MemoryStream.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using Cause = fw::FileException::Cause;
using F = fw::File;

class FileTest : public ::testing::Test {
protected:
    TempDrives drives;
};

TEST_F(FileTest, WritesReadsSeeksAndSizes)
{
    F file("C:\\Data.bin", F::modeCreate | F::modeReadWrite | F::shareExclusive | F::typeBinary);
    EXPECT_EQ(file.GetFilePath(), "C:\\Data.bin");
    file.Write("hello world", 11);
    EXPECT_EQ(file.GetPosition(), 11u);
    EXPECT_EQ(file.GetLength(), 11u);
    EXPECT_EQ(file.Seek(-5, F::end), 6u);
    char buffer[16] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 5u);
    EXPECT_EQ(std::string(buffer, 5), "world");
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
    EXPECT_EQ(file.Seek(2, F::begin), 2u);
    EXPECT_EQ(file.Seek(2, F::current), 4u);
    file.SetLength(3);
    EXPECT_EQ(file.GetLength(), 3u);
    file.Flush();
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(TempDrives::Get(drives.C() / "Data.bin"), "hel");
}

TEST_F(FileTest, CreatesTruncatesOrKeepsAsTheFlagsSay)
{
    const fs::path native = drives.C() / "r.rec";
    struct Case { unsigned flags; const char* before; const char* after; };
    const Case cases[] = {
        {F::modeCreate | F::modeReadWrite, nullptr, ""},
        {F::modeCreate | F::modeReadWrite, "old", ""},
        {F::modeCreate | F::modeNoTruncate | F::modeReadWrite | F::shareExclusive, nullptr, ""},
        {F::modeCreate | F::modeNoTruncate | F::modeReadWrite | F::shareExclusive, "old", "old"},
        {F::modeReadWrite, "old", "old"},
        {F::modeCreate | F::modeRead, "old", "old"},
    };
    for (const Case& c : cases) {
        fs::remove(native);
        if (c.before)
            TempDrives::Put(native, c.before);
        F file("C:\\r.rec", c.flags);
        EXPECT_EQ(TempDrives::Get(native), c.after) << c.flags;
    }
}

TEST_F(FileTest, ReportsWhyAnOpenFailed)
{
    TempDrives::Put(drives.C() / "Jobs/J1/B12.prt", "x");
    ASSERT_EQ(::mkfifo((drives.C() / "fifo").c_str(), 0666), 0);
    struct Case { const char* path; unsigned flags; Cause cause; };
    const Case cases[] = {
        {"C:\\Jobs\\J1\\missing.prt", F::modeRead, Cause::fileNotFound},
        {"C:\\Jobs\\J2\\B12.prt", F::modeRead, Cause::badPath},
        {"C:\\Jobs\\J2\\B12.prt", F::modeCreate | F::modeWrite, Cause::badPath},
        {"C:\\Jobs\\J1\\B12.prt\\x", F::modeRead, Cause::badPath},
        {"C:\\Jobs\\J1", F::modeRead, Cause::invalidFile},
        {"C:\\Jobs\\J1", F::modeWrite, Cause::invalidFile},
        {"C:\\fifo", F::modeRead, Cause::invalidFile},
        {"C:\\Jobs\\J1\\B12.prt", 0x0003, Cause::invalidFile},
        {"Q:\\x.prt", F::modeRead, Cause::badPath},
        {"C:\\..\\x.prt", F::modeCreate | F::modeWrite, Cause::invalidFile},
    };
    for (const Case& c : cases) {
        F file;
        fw::FileException error;
        EXPECT_FALSE(file.Open(c.path, c.flags, &error)) << c.path;
        EXPECT_FALSE(file.IsOpen());
        EXPECT_EQ(error.cause(), c.cause) << c.path;
        EXPECT_EQ(error.fileName(), c.path);
        EXPECT_FALSE(file.Open(c.path, c.flags));   // no error object wanted
    }
    EXPECT_FALSE(fs::exists(drives.Root() / "x.prt"));
    try {
        F file("C:\\Jobs\\J1\\missing.prt", F::modeRead);
        ADD_FAILURE() << "opened a missing file";
    } catch (const fw::FileException& e) {
        EXPECT_STREQ(e.what(), "ERROR: File Not Found -- On File C:\\Jobs\\J1\\missing.prt");
        EXPECT_EQ(e.osError(), ENOENT);
    }
}

TEST_F(FileTest, ExclusiveOpensConflict)
{
    TempDrives::Put(drives.C() / "shop.rec", "data");
    const unsigned exclusive = F::modeCreate | F::modeNoTruncate | F::modeReadWrite | F::shareExclusive;
    struct Case { unsigned first; unsigned second; bool secondOpens; };
    const Case cases[] = {
        {exclusive, exclusive, false},
        {exclusive, F::modeRead | F::shareDenyNone, false},
        {exclusive, F::modeRead, false},
        {F::modeRead | F::shareDenyNone, exclusive, false},
        {F::modeRead | F::shareDenyWrite, exclusive, false},
        {F::modeRead | F::shareDenyNone, F::modeReadWrite | F::shareDenyNone, true},
        {F::modeRead | F::shareDenyWrite, F::modeRead | F::shareDenyWrite, true},
    };
    for (const Case& c : cases) {
        F first("C:\\SHOP.rec", c.first);
        F second;
        fw::FileException error;
        EXPECT_EQ(second.Open("C:\\shop.REC", c.second, &error), c.secondOpens) << c.first << " then " << c.second;
        if (!c.secondOpens) {
            EXPECT_EQ(error.cause(), Cause::sharingViolation);
            EXPECT_EQ(error.osError(), EWOULDBLOCK);
            first.Close();
            EXPECT_TRUE(second.Open("C:\\shop.REC", c.second));
        }
    }
    EXPECT_EQ(TempDrives::Get(drives.C() / "shop.rec"), "data");
}

TEST_F(FileTest, RefusesBadSeeksAndUseAfterClose)
{
    F file("C:\\s.bin", F::modeCreate | F::modeReadWrite);
    try {
        file.Seek(-1, F::begin);
        ADD_FAILURE() << "seeked before the start";
    } catch (const fw::FileException& e) {
        EXPECT_EQ(e.cause(), Cause::badSeek);
    }
    EXPECT_EQ(file.GetPosition(), 0u);
    file.Close();
    file.Close();   // closing twice is harmless
    char byte = 0;
    EXPECT_THROW(file.Read(&byte, 1), fw::FileException);
    EXPECT_THROW(file.Write(&byte, 1), fw::FileException);
    EXPECT_THROW(file.GetLength(), fw::FileException);
    EXPECT_THROW(F().Flush(), fw::FileException);
}

TEST_F(FileTest, MovesOwnershipOfTheOpenFile)
{
    F a("C:\\m.bin", F::modeCreate | F::modeWrite | F::shareExclusive);
    F b(std::move(a));
    EXPECT_FALSE(a.IsOpen());
    b.Write("ab", 2);
    F c;
    c = std::move(b);
    c.Write("c", 1);
    c.Close();
    EXPECT_EQ(TempDrives::Get(drives.C() / "m.bin"), "abc");
    EXPECT_TRUE(F().Open("C:\\m.bin", F::modeRead | F::shareExclusive));   // no lock left behind
}

TEST(MemoryStream, ReadsWritesAndPositions)
{
    fw::MemoryStream s;
    s.Write("abcdef", 6);
    EXPECT_EQ(s.GetPosition(), 6u);
    s.SetPosition(2);
    s.Write("XYZWV", 5);
    EXPECT_EQ(s.GetLength(), 7u);
    EXPECT_EQ(std::string(s.Bytes().begin(), s.Bytes().end()), "abXYZWV");
    s.SetPosition(5);
    char buffer[8] = {};
    EXPECT_EQ(s.Read(buffer, sizeof buffer), 2u);
    EXPECT_EQ(std::string(buffer, 2), "WV");
    EXPECT_EQ(s.Read(buffer, sizeof buffer), 0u);
    s.Write(nullptr, 0);
    EXPECT_THROW(s.SetPosition(8), std::out_of_range);

    fw::MemoryStream r({1, 2, 3});
    fw::ByteStream& stream = r;
    EXPECT_EQ(stream.GetLength(), 3u);
    EXPECT_EQ(stream.Read(buffer, 2), 2u);
    EXPECT_EQ(buffer[1], 2);
    EXPECT_EQ(stream.GetPosition(), 2u);
}

} // namespace
