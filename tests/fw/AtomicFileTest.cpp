#include "fw/core/AtomicFile.h"

#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;
using Cause = fw::FileException::Cause;

class AtomicFileTest : public ::testing::Test {
protected:
    void TearDown() override { fw::AtomicFile::FailWritesAfter(std::nullopt); }

    // Saves content in pieces of three bytes, as an archive writes field by field.
    static void Save(const char* path, const std::string& content)
    {
        fw::AtomicFile out(path);
        for (std::size_t i = 0; i < content.size(); i += 3)
            out.Write(content.data() + i, std::min<std::size_t>(3, content.size() - i));
        EXPECT_EQ(out.GetLength(), content.size());
        out.Commit();
    }

    TempDrives drives;
    const fs::path jobs = drives.C() / "Jobs";
};

TEST_F(AtomicFileTest, CreatesAndReplacesLeavingNoTemporaryFile)
{
    fs::create_directories(jobs);
    Save("C:\\Jobs\\B12.prt", "first version");
    EXPECT_EQ(TempDrives::Get(jobs / "B12.prt"), "first version");
    Save("C:\\JOBS\\b12.PRT", "second");
    EXPECT_EQ(TempDrives::Get(jobs / "B12.prt"), "second");
    Save("C:\\Jobs\\empty.prt", "");
    EXPECT_EQ(TempDrives::Names(jobs), (std::vector<std::string>{"B12.prt", "empty.prt"}));
}

TEST_F(AtomicFileTest, AFailedSaveLeavesTheOldFileByteIdentical)
{
    std::string old;
    for (int b = 0; b < 256; ++b)
        old += char(b);
    const std::string replacement(5000, 'n');
    for (std::uint64_t failAfter : {0u, 1u, 2u, 3u, 4u, 4096u, 4999u}) {
        TempDrives::Put(jobs / "B12.prt", old);
        fw::AtomicFile::FailWritesAfter(failAfter);
        try {
            Save("C:\\Jobs\\B12.prt", replacement);
            ADD_FAILURE() << "save succeeded failing after " << failAfter;
        } catch (const fw::FileException& e) {
            EXPECT_EQ(e.cause(), Cause::diskFull);
            EXPECT_EQ(e.fileName(), "C:\\Jobs\\B12.prt");
        }
        EXPECT_EQ(TempDrives::Get(jobs / "B12.prt"), old) << failAfter;
        EXPECT_EQ(TempDrives::Names(jobs), std::vector<std::string>{"B12.prt"}) << failAfter;
    }
    fw::AtomicFile::FailWritesAfter(5000);
    Save("C:\\Jobs\\B12.prt", replacement);   // exactly at the limit still fits
    EXPECT_EQ(TempDrives::Get(jobs / "B12.prt"), replacement);
}

TEST_F(AtomicFileTest, RefusesToCommitAfterAFailedWrite)
{
    TempDrives::Put(jobs / "B12.prt", "old");
    fw::AtomicFile::FailWritesAfter(2);
    fw::AtomicFile out("C:\\Jobs\\B12.prt");
    EXPECT_THROW(out.Write("new", 3), fw::FileException);
    fw::AtomicFile::FailWritesAfter(std::nullopt);
    out.Write("more", 4);
    EXPECT_THROW(out.Commit(), fw::FileException);
    EXPECT_EQ(TempDrives::Get(jobs / "B12.prt"), "old");
    EXPECT_EQ(TempDrives::Names(jobs), std::vector<std::string>{"B12.prt"});
}

TEST_F(AtomicFileTest, AbandonedSaveChangesNothing)
{
    TempDrives::Put(jobs / "B12.prt", "old");
    {
        fw::AtomicFile out("C:\\Jobs\\B12.prt");
        out.Write("new", 3);
        char byte;
        EXPECT_THROW(out.Read(&byte, 1), fw::FileException);
    }
    EXPECT_EQ(TempDrives::Get(jobs / "B12.prt"), "old");
    EXPECT_EQ(TempDrives::Names(jobs), std::vector<std::string>{"B12.prt"});
}

TEST_F(AtomicFileTest, ReportsMissingFoldersAndBadTargets)
{
    struct Case { const char* path; Cause cause; };
    const Case cases[] = {
        {"C:\\NoSuchFolder\\B12.prt", Cause::badPath},
        {"Q:\\B12.prt", Cause::badPath},
        {"C:\\..\\B12.prt", Cause::invalidFile},
    };
    for (const Case& c : cases) {
        try {
            fw::AtomicFile out(c.path);
            ADD_FAILURE() << "accepted " << c.path;
        } catch (const fw::FileException& e) {
            EXPECT_EQ(e.cause(), c.cause) << c.path;
        }
    }
    fs::create_directories(jobs / "Folder");
    fw::AtomicFile out("C:\\Jobs\\Folder");
    out.Write("x", 1);
    EXPECT_THROW(out.Commit(), fw::FileException);
    EXPECT_EQ(TempDrives::Names(jobs), std::vector<std::string>{"Folder"});
}

TEST_F(AtomicFileTest, KeepsThePermissionsOfTheReplacedFile)
{
    TempDrives::Put(jobs / "B12.prt", "old");
    fs::permissions(jobs / "B12.prt", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    Save("C:\\Jobs\\B12.prt", "new");
    EXPECT_EQ(fs::status(jobs / "B12.prt").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileTest, RefusesToReplaceAReadOnlyFile)
{
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    TempDrives::Put(jobs / "B12.prt", "old");
    fs::permissions(jobs / "B12.prt", readOnly);
    try {
        Save("C:\\Jobs\\B12.prt", "new");
        ADD_FAILURE() << "replaced a read-only file";
    } catch (const fw::FileException& e) {
        EXPECT_EQ(e.cause(), Cause::accessDenied);
        EXPECT_EQ(std::string(e.what()), "ERROR: Access Denied -- On File C:\\Jobs\\B12.prt");
    }
    // Made read-only while the new bytes were being written: the commit is refused too.
    fs::permissions(jobs / "B12.prt", readOnly | fs::perms::owner_write);
    {
        fw::AtomicFile out("C:\\Jobs\\B12.prt");
        out.Write("new", 3);
        fs::permissions(jobs / "B12.prt", readOnly);
        EXPECT_THROW(out.Commit(), fw::FileException);
    }
    EXPECT_EQ(TempDrives::Get(jobs / "B12.prt"), "old");
    EXPECT_EQ(fs::status(jobs / "B12.prt").permissions(), readOnly);
    EXPECT_EQ(TempDrives::Names(jobs), std::vector<std::string>{"B12.prt"});
}

TEST_F(AtomicFileTest, CommitNewNeverReplacesAFile)
{
    fs::create_directories(jobs);
    fw::AtomicFile first("C:\\Jobs\\M 1.mlt");
    first.Write("first", 5);
    EXPECT_TRUE(first.CommitNew());

    fw::AtomicFile second("C:\\Jobs\\M 1.mlt");
    second.Write("second", 6);
    EXPECT_FALSE(second.CommitNew());
    EXPECT_THROW(second.Commit(), fw::FileException);   // spent
    EXPECT_EQ(TempDrives::Get(jobs / "M 1.mlt"), "first");
    EXPECT_EQ(TempDrives::Names(jobs), std::vector<std::string>{"M 1.mlt"});
}

TEST_F(AtomicFileTest, OfSaversRacingForOneNameExactlyOneGetsIt)
{
    fs::create_directories(jobs);
    constexpr int kSavers = 8;
    std::atomic<int> winners{0};
    std::atomic<bool> go{false};
    std::vector<std::thread> savers;
    for (int i = 0; i < kSavers; ++i)
        savers.emplace_back([&, i] {
            fw::AtomicFile out("C:\\Jobs\\M 1.mlt");
            const std::string text = "saver " + std::to_string(i);
            out.Write(text.data(), text.size());
            while (!go)
                std::this_thread::yield();
            if (out.CommitNew())
                ++winners;
        });
    go = true;
    for (std::thread& t : savers)
        t.join();
    EXPECT_EQ(winners, 1);
    EXPECT_EQ(TempDrives::Get(jobs / "M 1.mlt").rfind("saver ", 0), 0u);
    EXPECT_EQ(TempDrives::Names(jobs), std::vector<std::string>{"M 1.mlt"});
}

} // namespace
