// The copies and pastes of jobs, groups, parts and mults, and the part rename, over real folder
// trees on temporary drives C: and D:, with the user's answers scripted.

#include "shell/FileManagement.h"
#include "shell/PartRename.h"

#include "tests/machmult/MultTestSupport.h"

#include <filesystem>
#include <functional>
#include <set>

namespace {

namespace fs = std::filesystem;
using Tree = std::set<std::string>;

constexpr const char* kJobs = "C:\\Kestrom\\Jobs";

std::string Jobs(const std::string& relative) { return std::string(kJobs) + "\\" + relative; }

// Every file below the folder as a relative path with '/', and every empty folder with a final '/'.
Tree TreeOf(const fs::path& root)
{
    Tree tree;
    if (!fs::exists(root))
        return tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).generic_string();
        if (entry.is_regular_file())
            tree.insert(relative);
        else if (entry.is_directory() && fs::is_empty(entry.path()))
            tree.insert(relative + "/");
    }
    return tree;
}

class FileManagementTest : public multtest::MultFixture {
protected:
    FileManagementTest()
    {
        // J1: group G1 with parts, a mult, a text file and a sub-folder; an empty group G3; a
        // file lying in the job folder. J2: group G2 with a part of the same name as G1's.
        for (const char* file : {"J1/G1/P1.prt", "J1/G1/P2.prt", "J1/G1/M 1.mlt", "J1/G1/note.txt", "J1/G1/Sub/deep.txt",
                                 "J1/job.txt", "J2/G2/P1.prt", "J2/G2/P3.prt"})
            TempDrives::Put(JobFile(file), file);
        fs::create_directories(JobFile("J1/G3"));
    }

    fs::path D(const std::string& relative = {}) const { return drives.Root() / "D" / relative; }
    const std::vector<fw::ShownMessage>& Shown() const { return messages->Shown(); }

    FileManagement files;
};

// ---- Copies to another drive and pastes into another folder: what lands where ----

struct TreeCase {
    const char* name;
    std::function<CopyOutcome(const FileManagement&)> run;
    const char* root;   // the folder whose tree is compared, relative to the temporary root
    Tree expected;
};

TEST_F(FileManagementTest, EveryOperationBuildsTheExpectedTree)
{
    using F = FileManagement;
    const std::string p1 = Jobs("J1\\G1\\P1.prt"), p3 = Jobs("J2\\G2\\P3.prt");
    const std::vector<TreeCase> cases{
        // Every name of "A|B" counts and the folders of every path are made.
        {"parts of two groups to D:", [&](const F& f) { return f.CopyPartFile(p1 + "|" + p3, "D:\\"); }, "D",
         {"Kestrom/Jobs/J1/G1/P1.prt", "Kestrom/Jobs/J2/G2/P3.prt"}},
        {"a bare path to drive letter d", [&](const F& f) { return f.CopyPartFile(p1, "d"); }, "D",
         {"Kestrom/Jobs/J1/G1/P1.prt"}},
        {"a group: its files, not its sub-folders", [](const F& f) { return f.CopyGroup(Jobs("J1\\G1"), "D:"); }, "D",
         {"Kestrom/Jobs/J1/G1/P1.prt", "Kestrom/Jobs/J1/G1/P2.prt", "Kestrom/Jobs/J1/G1/M 1.mlt",
          "Kestrom/Jobs/J1/G1/note.txt"}},
        {"an empty group is still made", [](const F& f) { return f.CopyGroup(Jobs("J1\\G3"), "D:"); }, "D",
         {"Kestrom/Jobs/J1/G3/"}},
        {"the part files of a group", [](const F& f) { return f.CopyAllParts(Jobs("J1\\G1") + "|", "D:"); }, "D",
         {"Kestrom/Jobs/J1/G1/P1.prt", "Kestrom/Jobs/J1/G1/P2.prt"}},
        // A file in the job folder is no group: it gives no folder of its name.
        {"the groups of a job", [](const F& f) { return f.CopyAllGroup(Jobs("J1"), "D:"); }, "D/Kestrom/Jobs/J1",
         {"G1/P1.prt", "G1/P2.prt", "G1/M 1.mlt", "G1/note.txt", "G3/"}},
        {"the whole tree of a job", [](const F& f) { return f.CopyJob(Jobs("J1"), "D:"); }, "D/Kestrom/Jobs/J1",
         {"G1/P1.prt", "G1/P2.prt", "G1/M 1.mlt", "G1/note.txt", "G1/Sub/deep.txt", "G3/", "job.txt"}},
        {"the whole Jobs folder", [](const F& f) { return f.CopyJob(kJobs, "D:"); }, "D/Kestrom/Jobs",
         {"J1/G1/P1.prt", "J1/G1/P2.prt", "J1/G1/M 1.mlt", "J1/G1/note.txt", "J1/G1/Sub/deep.txt", "J1/G3/",
          "J1/job.txt", "J2/G2/P1.prt", "J2/G2/P3.prt"}},
        // Pastes: files land below the destination in their folders deeper than it.
        {"parts pasted into a group", [&](const F& f) { return f.CopyDiffPartFile(p1 + "|" + p3 + "|", Jobs("J3\\G9\\")); },
         "C/Kestrom/Jobs/J3", {"G9/P1.prt", "G9/P3.prt"}},
        {"parts pasted into a job", [&](const F& f) { return f.CopyDiffPartFile(p1 + "|" + p3 + "|", Jobs("J3\\")); },
         "C/Kestrom/Jobs/J3", {"G1/P1.prt", "G2/P3.prt"}},
        {"parts pasted onto a drive root", [&](const F& f) { return f.CopyDiffPartFile(p1 + "|" + p3 + "|", "D:\\"); },
         "D", {"Kestrom/Jobs/J1/G1/P1.prt", "Kestrom/Jobs/J2/G2/P3.prt"}},
        {"a destination without its final backslash", [&](const F& f) { return f.CopyDiffPartFile(p1, Jobs("J3\\G9")); },
         "C/Kestrom/Jobs/J3", {"G9/P1.prt"}},
        {"a group pasted into a job", [](const F& f) { return f.CopyDiffGroup(Jobs("J1\\G1") + "|", Jobs("J3\\")); },
         "C/Kestrom/Jobs/J3", {"G1/P1.prt", "G1/P2.prt", "G1/M 1.mlt", "G1/note.txt"}},
        {"a group pasted onto a drive root", [](const F& f) { return f.CopyDiffGroup(Jobs("J2\\G2"), "D:\\"); }, "D",
         {"Kestrom/Jobs/J2/G2/P1.prt", "Kestrom/Jobs/J2/G2/P3.prt"}},
        {"a job's groups onto a drive", [](const F& f) { return f.CopyLabelAllGroup(Jobs("J2"), "D:"); }, "D",
         {"Kestrom/Jobs/J2/G2/P1.prt", "Kestrom/Jobs/J2/G2/P3.prt"}},
        // A long destination is joined as a path, never glued to the group's name.
        {"a job's groups into another job", [](const F& f) { return f.CopyLabelAllGroup(Jobs("J2"), Jobs("J4")); },
         "C/Kestrom/Jobs/J4", {"G2/P1.prt", "G2/P3.prt"}},
    };
    for (const TreeCase& c : cases) {
        const fs::path root = drives.Root() / c.root;
        const Tree before = TreeOf(drives.C());
        const CopyOutcome outcome = c.run(files);
        EXPECT_TRUE(outcome.problems.empty()) << c.name << ": " << (outcome.problems.empty() ? "" : outcome.problems[0]);
        EXPECT_EQ(TreeOf(root), c.expected) << c.name;
        // The sources stay as they were.
        for (const std::string& file : before)
            EXPECT_TRUE(fs::exists(drives.C() / file)) << c.name << ": " << file;
        fs::remove_all(D());
        fs::create_directories(D());
        fs::remove_all(JobFile("J3"));
        fs::remove_all(JobFile("J4"));
    }
    EXPECT_TRUE(Shown().empty());
}

TEST_F(FileManagementTest, AFolderNamedWithADotKeepsItsWholeName)
{
    TempDrives::Put(JobFile("J1/G.1/P9.prt"), "p9");
    EXPECT_TRUE(files.CopyDiffGroup(Jobs("J1\\G.1"), Jobs("J5\\")).problems.empty());
    EXPECT_TRUE(files.CopyDiffPartFile(Jobs("J1\\G.1\\P9.prt"), Jobs("J6\\")).problems.empty());
    EXPECT_EQ(TempDrives::Get(JobFile("J5/G.1/P9.prt")), "p9");
    EXPECT_EQ(TempDrives::Get(JobFile("J6/G.1/P9.prt")), "p9");
}

// ---- Refusals: nothing is copied onto or into itself ----

TEST_F(FileManagementTest, AFolderOrFileIsNeverCopiedOntoOrIntoItself)
{
    using F = FileManagement;
    const struct {
        const char* name;
        std::function<CopyOutcome(const F&)> run;
        const char* says;
    } cases[]{
        {"a group into its own sub-folder", [](const F& f) { return f.CopyDiffGroup(Jobs("J1\\G1"), Jobs("J1\\G1\\Sub\\")); },
         "a folder inside itself"},
        {"a group into its own job", [](const F& f) { return f.CopyDiffGroup(Jobs("J1\\G1|"), Jobs("J1\\")); }, "onto itself"},
        {"a group into itself", [](const F& f) { return f.CopyDiffGroup(Jobs("J1\\G1"), Jobs("J1\\G1\\")); }, "onto itself"},
        {"a job onto its own drive", [](const F& f) { return f.CopyJob(Jobs("J1"), "C:"); }, "onto itself"},
        {"a job's groups into the job", [](const F& f) { return f.CopyLabelAllGroup(Jobs("J1"), Jobs("J1\\")); }, "onto itself"},
        {"parts onto their own drive", [](const F& f) { return f.CopyPartFile(Jobs("J1\\G1\\P1.prt"), "C:\\"); }, "onto itself"},
        {"parts into their own group", [](const F& f) { return f.CopyDiffPartFile(Jobs("J1\\G1\\P1.prt"), Jobs("J1\\G1\\")); },
         "onto itself"},
    };
    const Tree before = TreeOf(drives.C());
    for (const auto& c : cases) {
        messages->Answer(fw::IDOK);
        const CopyOutcome outcome = c.run(files);
        EXPECT_EQ(outcome.copied, 0) << c.name;
        ASSERT_EQ(outcome.problems.size(), 1u) << c.name;
        EXPECT_NE(outcome.problems[0].find(c.says), std::string::npos) << c.name << ": " << outcome.problems[0];
        ASSERT_FALSE(Shown().empty()) << c.name;
        EXPECT_EQ(Shown().back().caption, CopyPlan::kCaption) << c.name;
        EXPECT_NE(Shown().back().text.find(outcome.problems[0]), std::string::npos) << c.name;
        EXPECT_EQ(TreeOf(drives.C()), before) << c.name;
    }
    EXPECT_EQ(Shown().size(), std::size(cases));   // one message each, no question
}

// ---- Existing files: one question for the whole copy ----

TEST_F(FileManagementTest, ExistingFilesAreReplacedOnlyAfterOneQuestion)
{
    const struct {
        int answer;
        const char* p1;    // what D's P1.prt holds afterwards
        bool copiesNew;    // whether the files D did not have arrive
    } cases[]{{fw::IDYES, "J1/G1/P1.prt", true}, {fw::IDNO, "old", true}, {fw::IDCANCEL, "old", false}};
    for (const auto& c : cases) {
        fs::remove_all(D());
        TempDrives::Put(D("Kestrom/Jobs/J1/G1/P1.prt"), "old");
        TempDrives::Put(D("Kestrom/Jobs/J1/G1/P2.prt"), "old");
        const std::size_t shown = Shown().size();
        messages->Answer(c.answer);
        const CopyOutcome outcome = files.CopyGroup(Jobs("J1\\G1"), "D:");
        ASSERT_EQ(Shown().size(), shown + 1) << c.answer;
        const fw::ShownMessage& question = Shown().back();
        EXPECT_EQ(question.caption, CopyPlan::kCaption);
        EXPECT_NE(question.text.find("D:\\Kestrom\\Jobs\\J1\\G1\\P1.prt\nD:\\Kestrom\\Jobs\\J1\\G1\\P2.prt\n"),
                  std::string::npos)
            << question.text;
        EXPECT_EQ(TempDrives::Get(D("Kestrom/Jobs/J1/G1/P1.prt")), c.p1) << c.answer;
        EXPECT_EQ(fs::exists(D("Kestrom/Jobs/J1/G1/note.txt")), c.copiesNew) << c.answer;
        EXPECT_TRUE(outcome.problems.empty());
    }
}

TEST_F(FileManagementTest, TwoFilesForOneTargetKeepTheFirstAndReportTheSecond)
{
    // Both groups hold a P1: pasted into one group, the second would overwrite the first.
    const std::string list = Jobs("J1\\G1\\P1.prt|") + Jobs("J2\\G2\\P1.prt|") + Jobs("J2\\G2\\P3.prt|");
    messages->Answer(fw::IDOK);
    const CopyOutcome outcome = files.CopyDiffPartFile(list, Jobs("J3\\G9\\"));
    EXPECT_EQ(outcome.copied, 2);
    ASSERT_EQ(outcome.problems.size(), 1u);
    EXPECT_NE(outcome.problems[0].find(Jobs("J2\\G2\\P1.prt")), std::string::npos);
    EXPECT_EQ(TempDrives::Get(JobFile("J3/G9/P1.prt")), "J1/G1/P1.prt");
    EXPECT_EQ(TempDrives::Get(JobFile("J3/G9/P3.prt")), "J2/G2/P3.prt");
}

// ---- Failures: reported at the end, everything else copied ----

TEST_F(FileManagementTest, PartialFailuresAreReportedAndTheRestIsCopied)
{
    using F = FileManagement;
    const struct {
        const char* name;
        std::function<CopyOutcome(const F&)> run;
        int copied;
        const char* names;   // what the one problem names
    } cases[]{
        {"a missing file in a list", [](const F& f) { return f.CopyPartFile(Jobs("J1\\G1\\GONE.prt|") + Jobs("J1\\G1\\P1.prt|"), "D:"); },
         1, "GONE.prt"},
        {"a missing group among groups", [](const F& f) { return f.CopyAllParts(Jobs("J1\\NOGROUP|") + Jobs("J2\\G2|"), "D:"); },
         2, "NOGROUP"},
        {"a drive without a folder", [](const F& f) { return f.CopyPartFile(Jobs("J1\\G1\\P1.prt"), "Q:"); }, 0, "Q:"},
        {"a drive name that is none", [](const F& f) { return f.CopyPartFile(Jobs("J1\\G1\\P1.prt"), "1"); }, 0, "\"1\""},
        {"a path without a drive", [](const F& f) { return f.CopyDiffPartFile("\\Kestrom\\P1.prt|" + Jobs("J1\\G1\\P2.prt"), "D:\\"); },
         1, "\\Kestrom\\P1.prt"},
    };
    for (const auto& c : cases) {
        messages->Answer(fw::IDOK);
        const std::size_t shown = Shown().size();
        const CopyOutcome outcome = c.run(files);
        EXPECT_EQ(outcome.copied, c.copied) << c.name;
        ASSERT_EQ(outcome.problems.size(), 1u) << c.name;
        EXPECT_NE(outcome.problems[0].find(c.names), std::string::npos) << c.name << ": " << outcome.problems[0];
        ASSERT_EQ(Shown().size(), shown + 1) << c.name;
        EXPECT_EQ(Shown().back().type, fw::MB_OK | fw::MB_ICONEXCLAMATION) << c.name;
        fs::remove_all(D());
        fs::create_directories(D());
    }
}

TEST_F(FileManagementTest, EmptyListsOrTargetsDoNothing)
{
    EXPECT_EQ(files.CopyPartFile("", "D:").copied, 0);
    EXPECT_EQ(files.CopyPartFile("|", "D:").copied, 0);
    EXPECT_EQ(files.CopyJob(Jobs("J1"), "").copied, 0);
    EXPECT_EQ(files.CopyDiffGroup(Jobs("J1\\G1"), "").copied, 0);
    EXPECT_TRUE(TreeOf(D()).empty());
    EXPECT_TRUE(Shown().empty());
}

// ---- Mults bring the parts of their part lists ----

class MultCopyTest : public FileManagementTest {
protected:
    MultCopyTest()
    {
        fs::remove(JobFile("J1/G1/M 1.mlt"));
        PutPart("A1", 120.0);
        PutPart("B2", 60.0);
        PutPart("C9", 30.0);   // on no mult
        CMultDoc mult;
        MakeMult(mult);
        EXPECT_EQ(mult.AddPart("J1", "G1", "A1", 1), 0);
        EXPECT_EQ(mult.AddPart("J1", "G1", "B2", 2), 0);
        EXPECT_EQ(mult.SaveMult(), 0);
        EXPECT_TRUE(fs::exists(JobFile("J1/G1/M 1.mlt")));
    }
    const std::string mult = Jobs("J1\\G1\\M 1.mlt");
};

TEST_F(MultCopyTest, AMultArrivesWithThePartsOfItsPartList)
{
    using F = FileManagement;
    const struct {
        const char* name;
        std::function<CopyOutcome(const F&, const std::string&)> run;
        const char* root;
        Tree expected;
    } cases[]{
        {"to another drive", [](const F& f, const std::string& m) { return f.CopyMultFile(m + "|", "D:"); }, "D/Kestrom/Jobs/J1/G1",
         {"M 1.mlt", "A1.prt", "B2.prt"}},
        {"the mults of a group", [](const F& f, const std::string&) { return f.CopyAllMults(Jobs("J1\\G1"), "D:"); },
         "D/Kestrom/Jobs/J1/G1", {"M 1.mlt", "A1.prt", "B2.prt"}},
        {"pasted into another group", [](const F& f, const std::string& m) { return f.CopyDiffMultFile(m, Jobs("J2\\G5\\")); },
         "C/Kestrom/Jobs/J2/G5", {"M 1.mlt", "A1.prt", "B2.prt"}},
        {"pasted onto a drive root", [](const F& f, const std::string& m) { return f.CopyDiffMultFile(m, "D:\\"); },
         "D/Kestrom/Jobs/J1/G1", {"M 1.mlt", "A1.prt", "B2.prt"}},
        // Only the parts: the folders are made for them.
        {"the parts alone", [](const F& f, const std::string& m) { return f.CopyMultParts(m, "D:"); }, "D/Kestrom/Jobs/J1/G1",
         {"A1.prt", "B2.prt"}},
        {"the parts alone, pasted", [](const F& f, const std::string& m) { return f.CopyDiffMultParts(m, Jobs("J2\\")); },
         "C/Kestrom/Jobs/J2/G1", {"A1.prt", "B2.prt"}},
    };
    for (const auto& c : cases) {
        const CopyOutcome outcome = c.run(files, mult);
        EXPECT_TRUE(outcome.problems.empty()) << c.name << ": " << (outcome.problems.empty() ? "" : outcome.problems[0]);
        EXPECT_EQ(TreeOf(drives.Root() / c.root), c.expected) << c.name;
        fs::remove_all(D());
        fs::create_directories(D());
        fs::remove_all(JobFile("J2/G1"));
        fs::remove_all(JobFile("J2/G5"));
    }
    EXPECT_TRUE(Shown().empty());
}

TEST_F(MultCopyTest, APastedPartOrMultOpensWithItsNewJobAndGroup)
{
    ASSERT_TRUE(files.CopyDiffMultFile(mult, Jobs("J2\\G5\\")).problems.empty());
    const std::unique_ptr<CPartDoc> part = CPartDoc::LoadByName("J2", "G5", "A1", false);
    ASSERT_TRUE(part);
    const PartRecord header = part->GetPartRecord();
    EXPECT_EQ(header.jobId, "J2");
    EXPECT_EQ(header.group, "G5");
    EXPECT_EQ(header.mark, "A1");
    CMultDoc pasted;
    pasted.SetPathName(Jobs("J2\\G5\\M 1.mlt"), false);
    ASSERT_TRUE(pasted.LoadMult(Jobs("J2\\G5\\M 1.mlt")));
    EXPECT_EQ(pasted.GetMultData().job, "J2");
    EXPECT_EQ(pasted.GetMultData().group, "G5");
    EXPECT_EQ(pasted.GetParts().GetCount(), 2u);
}

TEST_F(MultCopyTest, AMultThatCannotBeReadOrAMissingPartIsReportedAndTheRestCopied)
{
    TempDrives::Put(JobFile("J1/G1/BAD 1.mlt"), "not a mult");
    fs::remove(JobFile("J1/G1/B2.prt"));
    messages->Answer(fw::IDOK);
    const CopyOutcome outcome = files.CopyMultFile(Jobs("J1\\G1\\BAD 1.mlt|") + mult, "D:");
    ASSERT_EQ(outcome.problems.size(), 2u);
    EXPECT_NE(outcome.problems[0].find("BAD 1.mlt"), std::string::npos) << outcome.problems[0];
    EXPECT_NE(outcome.problems[1].find("B2.prt"), std::string::npos) << outcome.problems[1];
    EXPECT_EQ(TreeOf(D("Kestrom/Jobs/J1/G1")), (Tree{"BAD 1.mlt", "M 1.mlt", "A1.prt"}));
    EXPECT_EQ(Shown().size(), 1u);
}

// ---- Part rename (the navigator's: the old file is left to the navigator) ----

TEST_F(MultCopyTest, RenameSavesThePartUnderTheNewMarkBesideTheOldFile)
{
    const std::string a1 = Jobs("J1\\G1\\A1.prt");
    const PartRenameResult result = RenamePartFile(a1, "A7", nullptr);
    ASSERT_EQ(result.status, PartRenameResult::renamed);
    const std::unique_ptr<CPartDoc> renamed = CPartDoc::LoadByName("J1", "G1", "A7", false);
    ASSERT_TRUE(renamed);
    EXPECT_EQ(renamed->GetPartRecord().mark, "A7");
    EXPECT_EQ(renamed->GetPartRecord().length.GetValue(), 120.0);
    EXPECT_TRUE(fs::exists(JobFile("J1/G1/A1.prt")));   // the caller removes the old file
    ShowRenameOutcome(result, a1);
    EXPECT_TRUE(Shown().empty());

    // A part whose fields name another folder is still written beside its file.
    TempDrives::Put(drives.C() / "Elsewhere/A1.prt", TempDrives::Get(JobFile("J1/G1/A1.prt")));
    EXPECT_EQ(RenamePartFile("C:\\Elsewhere\\A1.prt", "A8", nullptr).status, PartRenameResult::renamed);
    EXPECT_TRUE(fs::exists(drives.C() / "Elsewhere/A8.prt"));
}

TEST_F(MultCopyTest, RenameRefusesAndTellsWhy)
{
    TempDrives::Put(JobFile("J1/G1/JUNK.prt"), "junk");
    const struct {
        std::string path;
        std::string name;
        const char* says;
    } cases[]{
        {Jobs("J1\\G1\\GONE.prt"), "G2", "File Not Found"},
        {Jobs("J1\\G1\\JUNK.prt"), "J2", "could not be read"},
        {Jobs("J1\\G1\\A1.prt"), "B2", "exists already"},
        {Jobs("J1\\G1\\A1.prt"), "TOO-LONG-MARK", "1 to 10 characters"},
    };
    const Tree before = TreeOf(drives.C());
    for (const auto& c : cases) {
        messages->Answer(fw::IDOK);
        const PartRenameResult result = RenamePartFile(c.path, c.name, nullptr);
        EXPECT_NE(result.status, PartRenameResult::renamed) << c.path;
        ShowRenameOutcome(result, c.path);
        ASSERT_FALSE(Shown().empty());
        EXPECT_NE(Shown().back().text.find(c.says), std::string::npos) << Shown().back().text;
    }
    EXPECT_EQ(TreeOf(drives.C()), before);
}

} // namespace
