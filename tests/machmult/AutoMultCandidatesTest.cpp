// Gathering the parts of the AutoMult command into stock choices.

#include "tests/machmult/AutoMultTestSupport.h"

#include "fw/core/FileSystem.h"

using namespace multtest;

namespace {

class AutoMultCandidatesTest : public AutoMultFixture {
protected:
    static std::vector<std::string> Marks(CAutoMultShape& choice)
    {
        std::vector<std::string> marks;
        for (const CMultPart& part : choice.GetParts())
            marks.push_back(part.GetHeader().mark + "#" + std::to_string(part.GetListIndex()));
        return marks;
    }
    static std::vector<std::string> Keys(AutoMultJob& job)
    {
        std::vector<std::string> keys;
        for (const auto& choice : job.GetChoices())
            keys.push_back(choice->GetKey());
        return keys;
    }
};

TEST_F(AutoMultCandidatesTest, GroupsTheMultsShapeBySizeAndGradeLongestFirst)
{
    PutPlainPart("A", 240, 1);
    PutPlainPart("B", 360, 2);
    PutPlainPart("C", 120, 3);
    PutPlainPart("D", 240, 4);
    PutPlainPart("E", 100, 1, "W ", "14X30");
    PutPlainPart("F", 200, 1, "W ", "12X26", "A572");
    PutPlainPart("G", 200, 1, "L ", "4X4X0.5");
    CMultDoc doc;
    MakeTemplate(doc);
    auto job = Gather(doc);
    ASSERT_TRUE(job);

    EXPECT_EQ(Keys(*job), (std::vector<std::string>{"W12X26A36", "W12X26A572", "W14X30A36"}));
    CAutoMultShape& first = job->GetChoices()[0];
    // A later part of 240 goes before the earlier one; indexes number the parts as found.
    EXPECT_EQ(Marks(first), (std::vector<std::string>{"B#2", "D#4", "A#1", "C#3"}));
    EXPECT_TRUE(first.IsSelected());
    EXPECT_EQ(first.GetGrade(), "A36");
    EXPECT_EQ(first.GetShapeName(), "W 12X26");
    EXPECT_EQ(first.GetShapeKind(), 0);
    EXPECT_EQ(first.GetMachineName(), "SAW1");
    EXPECT_NE(first.GetMachine(), doc.GetMachine());
    EXPECT_DOUBLE_EQ(first.GetStockLength().GetValue(), 480.0);
    EXPECT_EQ(job->GetChoices()[2].GetShapeName(), "W 14X30");
    EXPECT_EQ(job->GetHeader().sequence, 5u);
    EXPECT_EQ(job->GetFolder(), "C:\\Kestrom\\Jobs\\J1\\G1");
    for (const CMultPart& part : first.GetParts()) {
        EXPECT_EQ(part.GetQuantityUsed(), 0u);
        EXPECT_EQ(part.GetToolsFit(), 1);
        EXPECT_EQ(part.GetImageIndex(), 0);
    }
}

TEST_F(AutoMultCandidatesTest, MultsSizeAndGradeFilterTheParts)
{
    PutPlainPart("A", 240, 1);
    PutPlainPart("E", 100, 1, "W ", "14X30");
    PutPlainPart("F", 200, 1, "W ", "12X26", "A572");
    struct Case {
        std::string desc, grade;
        std::vector<std::string> keys;
    };
    for (const Case& c : std::vector<Case>{{"12X26", "", {"W12X26A36", "W12X26A572"}},
                                           {"", "A572", {"W12X26A572"}},
                                           {"12X26", "A36", {"W12X26A36"}},
                                           {"14X30", "A572", {}}}) {
        CMultDoc doc;
        MakeTemplate(doc, c.desc, c.grade);
        auto job = Gather(doc);
        ASSERT_TRUE(job);
        EXPECT_EQ(Keys(*job), c.keys) << c.desc << "/" << c.grade;
    }
}

TEST_F(AutoMultCandidatesTest, KerfIsTheMultsOrTheMachinesDefault)
{
    PutPlainPart("A", 240, 1);
    for (const auto& [multKerf, expected] : std::vector<std::pair<double, double>>{{0.25, 0.25}, {0.0, 0.125}}) {
        CMultDoc doc;
        MakeTemplate(doc, "", "", multKerf);
        auto job = Gather(doc);
        ASSERT_TRUE(job);
        EXPECT_DOUBLE_EQ(job->GetChoices()[0].GetKerf().GetValue(), expected) << multKerf;
    }
}

TEST_F(AutoMultCandidatesTest, APartReachedTwiceIsTakenOnce)
{
    PutPlainPart("A", 240, 3);
    CMultDoc doc;
    MakeTemplate(doc);
    auto job = Gather(doc, std::string(kGroup) + "C:\\Kestrom\\Jobs\\J1\\G1\\A.prt|" + kGroup);
    ASSERT_TRUE(job);
    ASSERT_EQ(job->GetChoices().GetCount(), 1u);
    EXPECT_EQ(job->GetChoices()[0].GetParts().GetCount(), 1u);
}

TEST_F(AutoMultCandidatesTest, NoSourceNamesMeansNoParts)
{
    CMultDoc doc;
    MakeTemplate(doc);
    for (const std::string list : {"", "|", "||"})
        EXPECT_EQ(GatherAutoMultJob(doc, list, {}).end, AutoMultGathered::End::noParts) << list;
    // A pattern in a folder that is not there finds nothing, quietly.
    auto job = Gather(doc, "C:\\Nowhere\\*.prt|");
    ASSERT_TRUE(job);
    EXPECT_TRUE(job->GetChoices().IsEmpty());
}

TEST_F(AutoMultCandidatesTest, PartsOnAnotherDriveFollowTheDriveAnswers)
{
    for (const char* mark : {"P", "Q", "R"})
        PutPlainPart(mark, 200, 1, "W ", "12X26", "A36", 'D');
    const std::string source = "D:\\Kestrom\\Jobs\\J1\\G1\\*.prt|";
    struct Case {
        std::vector<DriveAnswer> answers;
        std::size_t asked;
        AutoMultGathered::End end;
        std::size_t parts;
    };
    const std::vector<Case> cases{
        {{DriveAnswer::noToAll}, 1, AutoMultGathered::End::ok, 0},
        {{DriveAnswer::no, DriveAnswer::yes, DriveAnswer::no}, 3, AutoMultGathered::End::ok, 1},
        {{DriveAnswer::yesToAll}, 1, AutoMultGathered::End::ok, 3},
        {{DriveAnswer::yes, DriveAnswer::cancel}, 2, AutoMultGathered::End::cancelled, 0},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(drives.C() / "Kestrom/Jobs/J1/G1");
        CMultDoc doc;
        MakeTemplate(doc);
        std::vector<std::string> asked;
        AutoMultGathering how;
        how.askDrive = [&](const std::string& path) {
            asked.push_back(path);
            return c.answers.at(asked.size() - 1);
        };
        AutoMultGathered gathered = GatherAutoMultJob(doc, source, how);
        EXPECT_EQ(asked.size(), c.asked);
        ASSERT_EQ(gathered.end, c.end);
        if (c.end != AutoMultGathered::End::ok)
            continue;
        const std::size_t parts = gathered.job->GetChoices().IsEmpty() ? 0 : gathered.job->GetChoices()[0].GetParts().GetCount();
        EXPECT_EQ(parts, c.parts);
        if (parts > 0) {
            EXPECT_EQ(gathered.job->GetChoices()[0].GetParts().GetHead()->GetPartPath().substr(0, 2), "C:");
        }
    }
}

TEST_F(AutoMultCandidatesTest, ACopyNeverReplacesAFileOnTheMultsDrive)
{
    PutPlainPart("P", 200, 7, "W ", "12X26", "A36", 'D');
    PutPlainPart("P", 300, 2);   // the mult's drive has its own P
    const std::filesystem::path own = JobFile("J1/G1/P.prt");
    const std::string before = TempDrives::Get(own);
    CMultDoc doc;
    MakeTemplate(doc);
    AutoMultGathering how;
    how.askDrive = [](const std::string&) { return DriveAnswer::yesToAll; };
    auto job = Gather(doc, "D:\\Kestrom\\Jobs\\J1\\G1\\*.prt|", how);
    ASSERT_TRUE(job);
    EXPECT_EQ(TempDrives::Get(own), before);
    ASSERT_EQ(job->GetChoices().GetCount(), 1u);
    EXPECT_EQ(job->GetChoices()[0].GetParts().GetHead()->GetQuantity(), 2u);
}

TEST_F(AutoMultCandidatesTest, AnAbortedCopyEndsTheCommand)
{
    PutPlainPart("P", 200, 1, "W ", "12X26", "A36", 'D');
    CMultDoc doc;
    MakeTemplate(doc);
    AutoMultGathering how;
    how.askDrive = [](const std::string&) { return DriveAnswer::yes; };
    how.copy = [](const std::string&, const std::string&) { return false; };
    EXPECT_EQ(GatherAutoMultJob(doc, "D:\\Kestrom\\Jobs\\J1\\G1\\*.prt|", how).end, AutoMultGathered::End::cancelled);
}

TEST(AutoMultShapeListTest, KeepsChoicesInByteOrderOfTheirKeys)
{
    CAutoMultShapeList list;
    bool inserted = false;
    list.FindOrInsert("W", "12X26", "A36", &inserted);
    EXPECT_TRUE(inserted);
    list.FindOrInsert("L", "4X4", "", &inserted);
    list.FindOrInsert("W", "12X26", "a36", &inserted);
    CAutoMultShape& again = list.FindOrInsert("W", "12X26", "A36", &inserted);
    EXPECT_FALSE(inserted);
    EXPECT_EQ(&again, list.Find("W", "12X26", "A36"));
    EXPECT_EQ(list.Find("W", "12X26", "A3"), nullptr);
    std::vector<std::string> keys;
    for (const auto& choice : list)
        keys.push_back(choice->GetKey());
    EXPECT_EQ(keys, (std::vector<std::string>{"L4X4", "W12X26A36", "W12X26a36"}));
}

} // namespace
