#include "fw/core/CommitGroup.h"

#include "fw/core/AtomicFile.h"
#include "fw/core/FileSystem.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

namespace fs = std::filesystem;
using Step = fw::CommitGroup::Step;

class CommitGroupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TempDrives::Put(jobs / "A.prt", "old A");
        TempDrives::Put(jobs / "B.prt", "old B");
    }
    void TearDown() override { fw::CommitGroup::FailAt(Step::none); }

    static bool Save(const char* path, const std::string& content, bool replace = true)
    {
        fw::AtomicFile out(path);
        out.Write(content.data(), content.size());
        if (!replace)
            return out.CommitNew();
        out.Commit();
        return true;
    }
    // A.prt and B.prt replaced, C.prt new, all in one group.
    static void SaveThree()
    {
        Save("C:\\Jobs\\A.prt", "new A");
        Save("C:\\Jobs\\b.PRT", "new B");
        EXPECT_TRUE(Save("C:\\Jobs\\C.prt", "new C", false));
    }

    TempDrives drives;
    const fs::path jobs = drives.C() / "Jobs";
};

TEST_F(CommitGroupTest, PlacesEveryFileAtCommitAndNotBefore)
{
    fw::CommitGroup group;
    SaveThree();
    EXPECT_EQ(TempDrives::Get(jobs / "A.prt"), "old A");
    EXPECT_EQ(TempDrives::Get(jobs / "B.prt"), "old B");
    EXPECT_FALSE(fs::exists(jobs / "C.prt"));
    EXPECT_TRUE(group.Commit().empty());
    EXPECT_EQ(TempDrives::Names(jobs), (std::vector<std::string>{"A.prt", "B.prt", "C.prt"}));
    EXPECT_EQ(TempDrives::Get(jobs / "A.prt"), "new A");
    EXPECT_EQ(TempDrives::Get(jobs / "B.prt"), "new B");
    EXPECT_EQ(TempDrives::Get(jobs / "C.prt"), "new C");
    // Commit ends the group: a later save is placed at once.
    Save("C:\\Jobs\\A.prt", "newer A");
    EXPECT_EQ(TempDrives::Get(jobs / "A.prt"), "newer A");
    EXPECT_EQ(fw::CommitGroup::Current(), nullptr);
}

// Whatever step fails, every file is whole: its old bytes (or absent when it is new) or all of
// its new ones; no temporary file is left; and the failures name the files.
TEST_F(CommitGroupTest, AFailureAtAnyStepLeavesEveryFileWhole)
{
    struct Case { Step step; bool placed; std::vector<std::string> named; };
    const Case cases[] = {
        {Step::sync, false, {"C:\\Jobs\\A.prt", "C:\\Jobs\\b.PRT", "C:\\Jobs\\C.prt"}},
        {Step::rename, false, {"C:\\Jobs\\A.prt", "C:\\Jobs\\b.PRT", "C:\\Jobs\\C.prt"}},
        {Step::syncFolder, true, {"C:\\Jobs\\A.prt", "C:\\Jobs\\b.PRT", "C:\\Jobs\\C.prt"}},
    };
    for (const Case& c : cases) {
        SetUp();
        fs::remove(jobs / "C.prt");
        fw::CommitGroup group;
        SaveThree();
        fw::CommitGroup::FailAt(c.step);
        std::vector<std::string> named;
        for (const fw::FileException& failure : group.Commit())
            named.push_back(failure.fileName());
        EXPECT_EQ(named, c.named) << int(c.step);
        EXPECT_EQ(TempDrives::Get(jobs / "A.prt"), c.placed ? "new A" : "old A") << int(c.step);
        EXPECT_EQ(TempDrives::Get(jobs / "B.prt"), c.placed ? "new B" : "old B") << int(c.step);
        EXPECT_EQ(TempDrives::Names(jobs), (c.placed ? std::vector<std::string>{"A.prt", "B.prt", "C.prt"}
                                                      : std::vector<std::string>{"A.prt", "B.prt"}))
            << int(c.step);
    }
}

TEST_F(CommitGroupTest, ANewFileSaveCountsPendingNamesAsTaken)
{
    fw::CommitGroup group;
    EXPECT_TRUE(Save("C:\\Jobs\\M 1.mlt", "first", false));
    EXPECT_TRUE(fw::FileSystem::Exists("C:\\JOBS\\m 1.MLT"));
    EXPECT_FALSE(fw::FileSystem::Exists("C:\\Jobs\\M 2.mlt"));
    EXPECT_FALSE(fw::FileSystem::Exists("Q:\\Jobs\\M 1.mlt"));
    EXPECT_FALSE(Save("C:\\Jobs\\m 1.MLT", "second", false));
    EXPECT_FALSE(Save("C:\\Jobs\\a.prt", "on disk", false));
    Save("C:\\Jobs\\m 1.mlt", "replaced");
    EXPECT_TRUE(group.Commit().empty());
    EXPECT_EQ(TempDrives::Names(jobs), (std::vector<std::string>{"A.prt", "B.prt", "M 1.mlt"}));
    EXPECT_EQ(TempDrives::Get(jobs / "M 1.mlt"), "replaced");
    EXPECT_EQ(TempDrives::Get(jobs / "A.prt"), "old A");
}

TEST_F(CommitGroupTest, InnerGroupsJoinTheOuterAndOtherThreadsSaveAlone)
{
    fw::CommitGroup outer;
    {
        fw::CommitGroup inner;
        Save("C:\\Jobs\\A.prt", "new A");
        EXPECT_TRUE(inner.Commit().empty());
    }
    std::thread([] { Save("C:\\Jobs\\B.prt", "new B"); }).join();
    EXPECT_EQ(TempDrives::Get(jobs / "A.prt"), "old A");
    EXPECT_EQ(TempDrives::Get(jobs / "B.prt"), "new B");
    EXPECT_TRUE(outer.Commit().empty());
    EXPECT_EQ(TempDrives::Get(jobs / "A.prt"), "new A");
}

TEST_F(CommitGroupTest, AFullGroupCommitsByItself)
{
    fw::CommitGroup group;
    for (std::size_t i = 0; i < fw::CommitGroup::kMaxPending; ++i)
        Save(("C:\\Jobs\\P" + std::to_string(i) + ".prt").c_str(), "x");
    EXPECT_EQ(TempDrives::Names(jobs).size(), fw::CommitGroup::kMaxPending + 2);
    EXPECT_EQ(TempDrives::Get(jobs / "P0.prt"), "x");

    // The failures of a commit the group made by itself wait for Commit.
    fw::CommitGroup::FailAt(Step::rename);
    for (std::size_t i = 0; i < fw::CommitGroup::kMaxPending; ++i)
        Save(("C:\\Jobs\\Q" + std::to_string(i) + ".prt").c_str(), "y");
    EXPECT_FALSE(fs::exists(jobs / "Q0.prt"));
    EXPECT_EQ(group.Commit().size(), fw::CommitGroup::kMaxPending);
}

} // namespace
