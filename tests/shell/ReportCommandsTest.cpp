// The report window's commands: which dispatcher call each makes from the rows, legacy shop disk
// patterns of groups and jobs, and renaming a part file.

#include "shell/PartRename.h"
#include "shell/ReportCommands.h"

#include "tests/machmult/MultTestSupport.h"

namespace {

using V = std::vector<std::string>;
using namespace reportcmd;

class FakeSelection : public ReportSelection {
public:
    const std::string& Folder() const override { return folder; }
    ReportKind Kind() const override { return kind; }
    std::vector<std::string> SelectedNames() const override { return selected; }
    std::string ClickedName() const override { return clicked; }

    std::string folder = "C:\\J\\G";
    ReportKind kind = ReportKind::parts;
    std::vector<std::string> selected;
    std::string clicked;
};

std::string Describe(const std::optional<NavRequest>& request)
{
    if (!request)
        return "local";
    char code[8];
    std::snprintf(code, sizeof code, "%02X", request->code);
    return std::string(code) + (request->path ? " " + *request->path : std::string(" -"));
}

TEST(ReportCommandsTest, CommandsBySelection)
{
    FakeSelection none;
    none.clicked = "";
    FakeSelection one;
    one.selected = {"A.prt"};
    one.clicked = "A.prt";
    FakeSelection two;
    two.selected = {"A.prt", "B.prt"};
    two.clicked = "B.prt";
    two.kind = ReportKind::mults;

    const struct {
        unsigned command;
        std::string none, one, two;
    } cases[] = {
        {partsOpen, "20 ", "20 C:\\J\\G\\A.prt", "20 C:\\J\\G\\B.prt"},
        {partsPrintCustom, "41 ", "41 C:\\J\\G\\A.prt|", "41 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {multsPrintCustom, "42 ", "42 C:\\J\\G\\A.prt|", "42 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {partsPrintStandard, "31 ", "31 C:\\J\\G\\A.prt|", "31 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {multsPrintStandard, "32 ", "32 C:\\J\\G\\A.prt|", "32 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {partRun, "21 -", "91 C:\\J\\G\\A.prt|", "91 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {multRun, "22 -", "A2 C:\\J\\G\\A.prt", "A2 C:\\J\\G\\B.prt"},
        {partsOpposite, "51 ", "51 C:\\J\\G\\A.prt|", "51 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {partsShopDisk, "61 ", "61 C:\\J\\G\\A.prt|", "61 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {multsShopDisk, "62 ", "62 C:\\J\\G\\A.prt|", "62 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {multsReadLegacy, "72 ", "72 C:\\J\\G\\A.prt|", "72 C:\\J\\G\\A.prt|C:\\J\\G\\B.prt|"},
        {readLegacy, "70 -", "70 -", "70 -"},
        {navigate, "B0 ", "B0 C:\\J\\G\\A.prt", "B0 C:\\J\\G\\A.prt"},
        {refreshFolder, "B0 C:\\J\\G", "B0 C:\\J\\G", "B0 C:\\J\\G"},
        {refreshReport, "C0 C:\\J\\G", "C0 C:\\J\\G", "D0 C:\\J\\G"},
        {details, "B0 C:\\J\\G", "B0 C:\\J\\G", "B0 C:\\J\\G"},
        {showParts, "C0 C:\\J\\G", "C0 C:\\J\\G", "C0 C:\\J\\G"},
        {showMults, "D0 C:\\J\\G", "D0 C:\\J\\G", "D0 C:\\J\\G"},
        {showAll, "B0 C:\\J\\G", "B0 C:\\J\\G", "B0 C:\\J\\G"},
        {partsNew, "11 ", "11 C:\\J\\G\\A.prt", "11 C:\\J\\G\\B.prt"},
        {multsNew, "12 ", "12 C:\\J\\G\\A.prt", "12 C:\\J\\G\\B.prt"},
        {machinesNew, "15 ", "15 C:\\J\\G\\A.prt", "15 C:\\J\\G\\B.prt"},
        {toolsNew, "14 ", "14 C:\\J\\G\\A.prt", "14 C:\\J\\G\\B.prt"},
        {shapesNew, "13 ", "13 C:\\J\\G\\A.prt", "13 C:\\J\\G\\B.prt"},
        {deleteFiles, "local", "local", "local"},
        {renamePart, "local", "local", "local"},
        {copyPart, "local", "local", "local"},
        {newFolder, "local", "local", "local"},
        {viewIcons, "local", "local", "local"},
        {jobsPartsDisk, "local", "local", "local"},
        {12345, "local", "local", "local"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Describe(ReportNavRequest(c.command, none)), c.none) << c.command;
        EXPECT_EQ(Describe(ReportNavRequest(c.command, one)), c.one) << c.command;
        EXPECT_EQ(Describe(ReportNavRequest(c.command, two)), c.two) << c.command;
    }
    EXPECT_EQ(ReportCommandHandler(partsOpen), "OnPartsOpen");
    EXPECT_EQ(ReportCommandHandler(multsShopDisk), "OnMultsDosdiskCreate");
    EXPECT_EQ(ReportCommandHandler(newFolder), "OnGroupslabelNewgroup");
}

class ReportFilesTest : public multtest::MultFixture {};

TEST_F(ReportFilesTest, ShopDiskPatternsOfGroupsAndJobs)
{
    std::filesystem::create_directories(JobFile("J1/G1"));
    std::filesystem::create_directories(JobFile("J1/G2"));
    std::filesystem::create_directories(JobFile("J2"));
    EXPECT_EQ(JobFilePatterns({"C:\\Kestrom\\Jobs\\J1", "C:\\Kestrom\\Jobs\\J2", "C:\\Kestrom\\Jobs\\GONE"}, ".prt"),
              "C:\\Kestrom\\Jobs\\J1\\G1\\*.prt|C:\\Kestrom\\Jobs\\J1\\G2\\*.prt|");
    EXPECT_EQ(GroupFilePatterns({"C:\\Kestrom\\Jobs\\J1\\G2"}, ".mlt"), "C:\\Kestrom\\Jobs\\J1\\G2\\*.mlt|");
    EXPECT_EQ(JobFilePatterns({"C:\\Kestrom\\Jobs\\J2"}, ".prt"), "");
}

TEST_F(ReportFilesTest, CopyCommandsCopyTheSelectedRowsToTheDrive)
{
    PutPart("A1", 240.0);
    PutPart("B2", 120.0);
    PutFile(JobFile("J1/G1/M 1.mlt"), {'x'});   // no mult: copied, its parts reported as unreadable
    const struct {
        unsigned command;
        const char* folder;
        V selected;
        V landed;   // below D:\Kestrom\Jobs
        bool problems;
    } cases[] = {
        {copyPart, "C:\\Kestrom\\Jobs\\J1\\G1", {"A1.prt"}, {"J1/G1/A1.prt"}, false},
        {copyMult, "C:\\Kestrom\\Jobs\\J1\\G1", {"M 1.mlt"}, {"J1/G1/M 1.mlt"}, true},
        {copyGroup, "C:\\Kestrom\\Jobs\\J1", {"G1"}, {"J1/G1/A1.prt", "J1/G1/B2.prt", "J1/G1/M 1.mlt"}, false},
        {copyJob, "C:\\Kestrom\\Jobs", {"J1"}, {"J1/G1/A1.prt", "J1/G1/B2.prt", "J1/G1/M 1.mlt"}, false},
    };
    const FileManagement files;
    for (const auto& c : cases) {
        std::filesystem::remove_all(drives.Root() / "D");
        FakeSelection selection;
        selection.folder = c.folder;
        selection.selected = c.selected;
        if (c.problems)
            messages->Answer(fw::IDOK);
        const std::optional<CopyOutcome> outcome = CopyReportRows(c.command, selection, files, "D");
        ASSERT_TRUE(outcome) << c.command;
        EXPECT_EQ(outcome->copied, int(c.landed.size())) << c.command;
        EXPECT_EQ(outcome->problems.empty(), !c.problems) << c.command;
        for (const std::string& file : c.landed)
            EXPECT_TRUE(std::filesystem::exists(drives.Root() / "D/Kestrom/Jobs" / file)) << c.command << " " << file;
    }
    FakeSelection nothing;
    nothing.folder = "C:\\Kestrom\\Jobs\\J1\\G1";
    EXPECT_FALSE(CopyReportRows(copyPart, nothing, files, "D"));
    nothing.selected = {"A1.prt"};
    EXPECT_FALSE(CopyReportRows(partsOpen, nothing, files, "D"));
    EXPECT_EQ(ReportDriveCopyOf(deleteFiles), nullptr);
}

class RecordingTrash : public FileTrash {
public:
    bool MoveToTrash(const std::string& path) override
    {
        trashed.push_back(path);
        if (works)
            std::filesystem::remove(fw::DriveMap::Instance().ToNative(path));
        return works;
    }
    bool works = true;
    V trashed;
};

TEST_F(ReportFilesTest, RenameCases)
{
    PutPart("A1", 240.0);
    PutPart("B2", 120.0);
    const std::string a1 = "C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt";
    const std::string before = TempDrives::Get(JobFile("J1/G1/A1.prt"));
    RecordingTrash trash;
    const struct {
        const char* name;
        PartRenameResult::Status status;
    } refused[] = {
        {"A1", PartRenameResult::unchanged},     {"  A1 ", PartRenameResult::unchanged},
        {"   ", PartRenameResult::blank},        {"B2", PartRenameResult::exists},
        {"..\\X", PartRenameResult::invalidName}, {"a/b", PartRenameResult::invalidName},
        {"ELEVENCHARS", PartRenameResult::invalidName},
    };
    for (const auto& c : refused)
        EXPECT_EQ(RenamePartFile(a1, c.name, &trash).status, c.status) << c.name;
    EXPECT_TRUE(trash.trashed.empty());
    EXPECT_EQ(TempDrives::Get(JobFile("J1/G1/A1.prt")), before);

    EXPECT_EQ(RenamePartFile("C:\\Kestrom\\Jobs\\J1\\G1\\GONE.prt", "X", &trash).status, PartRenameResult::unreadable);

    const PartRenameResult renamed = RenamePartFile(a1, " C3 ", &trash);
    EXPECT_EQ(renamed.status, PartRenameResult::renamed);
    EXPECT_EQ(renamed.newPath, "C:\\Kestrom\\Jobs\\J1\\G1\\C3.prt");
    EXPECT_EQ(trash.trashed, V{a1});
    EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/A1.prt")));
    auto part = CPartDoc::LoadByName("J1", "G1", "C3", false);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->Header().length.GetValue(), 240.0);

    trash.works = false;
    EXPECT_EQ(RenamePartFile("C:\\Kestrom\\Jobs\\J1\\G1\\B2.prt", "D4", &trash).status, PartRenameResult::oldKept);
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/B2.prt")));
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/D4.prt")));
}

TEST_F(ReportFilesTest, AFailedSaveKeepsTheOldFile)
{
    PutPart("A1", 240.0);
    // A folder where the new file would go: the save can't replace it.
    std::filesystem::create_directories(JobFile("J1/G1/sub"));
    RecordingTrash trash;
    const std::string a1 = "C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt";
    std::filesystem::permissions(JobFile("J1/G1"), std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    messages->Answer(fw::IDOK);
    const PartRenameResult result = RenamePartFile(a1, "Z9", &trash);
    std::filesystem::permissions(JobFile("J1/G1"), std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    EXPECT_EQ(result.status, PartRenameResult::saveFailed);
    EXPECT_TRUE(trash.trashed.empty());
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/A1.prt")));
}

} // namespace
