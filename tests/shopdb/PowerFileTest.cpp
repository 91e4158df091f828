#include "shopdb/IndexFile.h"
#include "shopdb/LinkFile.h"
#include "shopdb/RecordFile.h"

#include "fw/core/MessageService.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using fw::FileException;

struct PowerFileTest : ::testing::Test {
    TempDrives drives;
    fw::ScriptedMessages messages;

    // The file keeps why its open failed and shows nothing: its caller reports it.
    std::string KeptError(const CPowerFile& file) const
    {
        EXPECT_TRUE(messages->Shown().empty());
        return file.OpenError().what();
    }
};

TEST_F(PowerFileTest, WriterMakesTheMissingFoldersThenTheFile)
{
    CRecordFile file;
    file.SetRecordLength(20);
    ASSERT_TRUE(file.Open("C:\\SHOP\\MULT\\TOOLLIST\\T.REC", CPowerFile::writeFlags));
    EXPECT_EQ(TempDrives::Names(drives.C() / "SHOP" / "MULT" / "TOOLLIST"), std::vector<std::string>{"T.REC"});
    EXPECT_EQ(file.Append(file.NewRecord()), 0);
    file.Close();
    EXPECT_EQ(fs::file_size(drives.C() / "SHOP/MULT/TOOLLIST/T.REC"), 27u);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PowerFileTest, WriterNeverTruncates)
{
    TempDrives::Put(drives.C() / "SHOP/PART/T.REC", std::string(234, 'x'));
    CRecordFile file;
    file.SetRecordLength(227);
    ASSERT_TRUE(file.Open("C:\\SHOP\\PART\\T.REC", CPowerFile::writeFlags));
    EXPECT_EQ(file.Append(file.NewRecord()), 234);
}

TEST_F(PowerFileTest, ReaderCreatesNothing)
{
    TempDrives::Put(drives.C() / "SHOP/PART/T.NDX", "");
    CIndexFile index;
    index.Setup(6, 30);
    ASSERT_TRUE(index.Open("C:\\SHOP\\PART\\T.NDX", CPowerFile::readFlags));
    EXPECT_EQ(index.First(), 0);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEmpty);
    index.Close();
    EXPECT_EQ(fs::file_size(drives.C() / "SHOP/PART/T.NDX"), 0u);

    CRecordFile file;
    FileException error;
    EXPECT_FALSE(file.Open("C:\\OTHER\\PART\\T.REC", CPowerFile::readFlags, &error));
    EXPECT_EQ(error.cause(), FileException::fileNotFound);
    EXPECT_EQ(KeptError(file), "ERROR: File Not Found -- On File C:\\OTHER\\PART\\T.REC");
    EXPECT_FALSE(fs::exists(drives.C() / "OTHER"));
}

TEST_F(PowerFileTest, PathWithoutBackslashFailsSilently)
{
    CRecordFile file;
    EXPECT_FALSE(file.Open("T.REC", CPowerFile::writeFlags));
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_EQ(file.OpenError().cause(), FileException::none);
}

TEST_F(PowerFileTest, SecondWriterMeetsASharingViolation)
{
    CLinkFile first;
    ASSERT_TRUE(first.Open("C:\\SHOP\\T.LNK", CPowerFile::writeFlags, nullptr, -1));
    CLinkFile second;
    FileException error;
    EXPECT_FALSE(second.Open("C:\\SHOP\\T.LNK", CPowerFile::writeFlags, &error, -1));
    EXPECT_EQ(error.cause(), FileException::sharingViolation);
    EXPECT_EQ(KeptError(second), "ERROR: Sharing Violation -- On File C:\\SHOP\\T.LNK");
}

// A file stands where a folder should be made: the failure is kept, with no endless retry.
TEST_F(PowerFileTest, FolderThatCannotBeMadeIsKept)
{
    TempDrives::Put(drives.C() / "SHOP", "a file");
    CRecordFile file;
    EXPECT_FALSE(file.Open("C:\\SHOP\\PART\\T.REC", CPowerFile::writeFlags));
    EXPECT_TRUE(KeptError(file).starts_with("ERROR: "));
}

TEST_F(PowerFileTest, MakeDirectoryPathMakesEveryFolderButTheFile)
{
    EXPECT_FALSE(MakeDirectoryPath("T.REC"));
    EXPECT_TRUE(MakeDirectoryPath("C:\\A\\B\\T.REC"));
    EXPECT_TRUE(fs::is_directory(drives.C() / "A" / "B"));
    EXPECT_FALSE(fs::exists(drives.C() / "A" / "B" / "T.REC"));
    EXPECT_TRUE(MakeDirectoryPath("C:\\A\\B\\T.REC"));
}

} // namespace
