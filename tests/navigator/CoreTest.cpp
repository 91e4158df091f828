// The navigator's rules without windows: listing, texts, commands, names, formats and copies.

#include "navigator/DataFormats.h"
#include "navigator/FileCopier.h"
#include "navigator/NavCommands.h"
#include "navigator/NavNames.h"
#include "navigator/TreeListing.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

namespace {

using nav::ItemKind;

struct FakeDescriber : nav::ItemDescriber {
    int calls = 0;
    std::optional<nav::Description> Describe(ItemKind, const std::string& path) override
    {
        ++calls;
        if (path.find("BAD") != std::string::npos)
            return std::nullopt;
        return nav::Description{"W12X26", "12X26"};
    }
};

nav::NavProperties Props()
{
    nav::NavProperties p;
    p.JobDirectory = "\\Kestrom\\Jobs";
    p.ShapePath = "C:\\Kestrom\\Shapes";
    p.ToolPath = "C:\\Kestrom\\Tools";
    p.MachinePath = "C:\\Kestrom\\Machines";
    p.JobLabel = "Jobs";
    p.GroupLabel = "Groups";
    p.PartLabel = "Parts";
    p.MultLabel = "Mults";
    p.ShapeLabel = "Shapes";
    p.ToolLabel = "Tools";
    p.MachineLabel = "Machines";
    p.PartExtension = ".prt";
    p.MultExtension = ".mlt";
    p.ShapeExtension = ".shp";
    p.ToolExtension = ".tl";
    p.MachineExtension = ".mch";
    return p;
}

std::vector<std::string> Texts(const std::vector<nav::ItemSpec>& items)
{
    std::vector<std::string> texts;
    for (const auto& item : items)
        texts.push_back(item.text);
    return texts;
}

TEST(NavListing, FolderContentsGiveSortedChildTextsPerLabel)
{
    TempDrives drives;
    const auto g = drives.C() / "Kestrom/Jobs/J1/G1";
    for (const char* name : {"b2.PRT", "A1.prt", "BAD.prt", "x.mlt", "notes.txt", "LongPartName.prt"})
        TempDrives::Put(g / name, "x");
    std::filesystem::create_directories(g / "sub.prt");   // a folder is no part
    const auto props = Props();
    FakeDescriber describer;
    nav::TreeListing listing(props, {}, &describer);
    const nav::ItemSpec group{ItemKind::group, "G1", "C:\\Kestrom\\Jobs\\J1\\G1", {}, {}, {}};
    const auto parts = listing.Children(listing.PartsLabel(group));
    EXPECT_EQ(Texts(parts), (std::vector<std::string>{"A1         W12X26 12X26", "b2         W12X26 12X26", "BAD",
                                                      "LongPartNameW12X26 12X26"}));
    EXPECT_EQ(parts[0].path, "C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    EXPECT_EQ(Texts(listing.Children(listing.MultsLabel(group))), std::vector<std::string>{"x          W12X26 12X26"});
    const auto jobs = listing.Children(listing.JobsLabel(listing.Drive('C')));
    ASSERT_EQ(Texts(jobs), std::vector<std::string>{"J1"});
    EXPECT_EQ(Texts(listing.Children(listing.GroupsLabel(jobs[0]))), std::vector<std::string>{"G1"});
}

TEST(NavListing, PaddingAtTenElevenTwelve)
{
    const nav::Description d{"A", "B"};
    EXPECT_EQ(nav::DescribedText("ABCDEFGHIJ", d), "ABCDEFGHIJ A B");
    EXPECT_EQ(nav::DescribedText("ABCDEFGHIJK", d), "ABCDEFGHIJKA B");
    EXPECT_EQ(nav::DescribedText("ABCDEFGHIJKL", d), "ABCDEFGHIJKLA B");
    EXPECT_EQ(nav::DescribedText("P1", std::nullopt), "P1");
}

TEST(NavListing, ShapeTypeLabelsAndLiteralMatch)
{
    TempDrives drives;
    for (const char* name : {"W12X26.shp", "w14X30.SHP", "C3X4.shp", "W1*x.shp.bak"})
        TempDrives::Put(drives.C() / "Kestrom/Shapes" / name, "x");
    const auto props = Props();
    nav::TreeListing listing(props, {}, nullptr);
    const auto labels = listing.Children(listing.CatalogLabel(ItemKind::shapesLabel));
    EXPECT_EQ(Texts(labels), (std::vector<std::string>{"C3 SHAPES", "W1 SHAPES"}));
    EXPECT_EQ(Texts(listing.Children(labels[1])), (std::vector<std::string>{"W12X26", "w14X30"}));
    EXPECT_TRUE(nav::MatchesLiterally("W1*.shp", "w1abc.SHP"));
    EXPECT_FALSE(nav::MatchesLiterally("W1*.shp", "W.shp"));
    EXPECT_FALSE(nav::MatchesLiterally("*.prt", "a.prtx"));
    EXPECT_TRUE(nav::MatchesLiterally("*.*", "noext"));
}

TEST(NavListing, ListingNeverCreatesFolders)
{
    TempDrives drives;
    const auto props = Props();
    nav::TreeListing listing(props, {}, nullptr);
    const auto jobsLabel = listing.JobsLabel(listing.Drive('D'));
    EXPECT_TRUE(listing.Children(jobsLabel).empty());
    EXPECT_FALSE(listing.HasChildren(jobsLabel));
    EXPECT_FALSE(std::filesystem::exists(drives.Root() / "D/Kestrom"));
}

TEST(NavListing, DriveKindsListedAndWatched)
{
    struct Case {
        nav::DriveType type;
        bool listed, watched;
        int image;
    } cases[] = {{nav::DriveType::removable, true, false, 10}, {nav::DriveType::fixed, true, true, 9},
                 {nav::DriveType::cdrom, false, false, 11},   {nav::DriveType::remote, true, true, 8},
                 {nav::DriveType::ramdisk, false, false, 14}};
    for (const Case& c : cases) {
        EXPECT_EQ(nav::IsListedDrive(c.type), c.listed);
        EXPECT_EQ(nav::IsWatchedDrive(c.type), c.watched);
        EXPECT_EQ(nav::DriveImage(c.type), c.image);
    }
    TempDrives drives;
    const auto props = Props();
    nav::TreeListing listing(props, [](char d) { return d == 'D' ? nav::DriveType::cdrom : nav::DriveType::fixed; },
                             nullptr);
    const auto top = listing.Children(listing.Root());
    EXPECT_EQ(Texts(top), (std::vector<std::string>{"C:", "Shapes", "Tools", "Machines"}));
    EXPECT_EQ(top[0].watched, "C:\\Kestrom\\Jobs");
}

TEST(NavCommands, StrFileNamesMarksContextCaret)
{
    const nav::PathItem p1{ItemKind::part, "C:\\J\\G\\P1.prt"}, p2{ItemKind::part, "C:\\J\\G\\P2.prt"},
        m1{ItemKind::mult, "C:\\J\\G\\M 1.mlt"};
    nav::Selection s;
    s.marks = {p1, m1, p2};
    EXPECT_EQ(s.StrFileNames(ItemKind::part), "C:\\J\\G\\P1.prt|C:\\J\\G\\P2.prt||");
    s.marks.clear();
    s.context = p2;
    EXPECT_EQ(s.StrFileNames(ItemKind::part), "C:\\J\\G\\P2.prt||");
    s.context.reset();
    s.caret = p1;
    EXPECT_EQ(s.StrFileNames(ItemKind::part), "C:\\J\\G\\P1.prt||");
    EXPECT_EQ(s.StrFileNames(ItemKind::mult), "");
}

TEST(NavCommands, CommandTable)
{
    const nav::PathItem part{ItemKind::part, "C:\\J\\G\\P1.prt"}, mult{ItemKind::mult, "C:\\J\\G\\M 1.mlt"},
        label{ItemKind::partsLabel, "C:\\J\\G"}, job{ItemKind::job, "C:\\J"};
    using P = nav::CommandPlan;
    using E = nav::EventId;
    struct Case {
        int id;
        std::vector<nav::PathItem> marks;
        std::optional<nav::PathItem> context;
        P expected;
    } cases[] = {
        {nav::cmd::kPartOpen, {}, part, {P::fire, {E::OpenPart, part.path, {}, 0}, {}}},
        {nav::cmd::kPartOpen, {}, mult, {}},
        {nav::cmd::kPartPrintStandard, {}, part, {P::fire, {E::PrintStandardPart, part.path + "|", {}, 0}, {}}},
        {nav::cmd::kPartsLabelNew, {}, label, {P::fire, {E::CreatePart, "C:\\J\\G\\NULL", {}, 0}, {}}},
        {nav::cmd::kPartShopDisk, {label}, part, {P::fire, {E::CreatePartDosDisk, "C:\\J\\G|", {}, 9}, {}}},
        {nav::cmd::kJobMultDisk, {job}, job, {P::fire, {E::CreateMultDosDisk, "C:\\J|", {}, 5}, {}}},
        {nav::cmd::kMultShopDisk, {}, mult, {P::fire, {E::CreateMultDosDisk, mult.path + "|", {}, 11}, {}}},
        {nav::cmd::kPartCopy, {}, part, {P::pickDriveThenFire, {E::RunCopyPartFile, part.path + "|", {}, 0}, {}}},
        {nav::cmd::kMultCopy, {mult}, mult, {P::pickDriveThenFire, {E::RunCopyMultFile, mult.path + "|", {}, 0}, {}}},
        {nav::cmd::kPartCopy, {}, mult, {}},
        {nav::cmd::kMultRunMultiple, {}, mult, {P::fire, {E::RunMultMultiple, "", {}, 0}, {}}},
        {nav::cmd::kPartDelete, {part}, part, {P::deletePaths, {}, {part.path}}},
        {nav::cmd::kPartRename, {}, part, {P::renamePart, {}, {part.path}}},
        {nav::cmd::kNavigate, {}, job, {P::navigate, {E::ViewAllReport, job.path, {}, 0}, {}}},
        {nav::cmd::kNewGroup, {}, job, {P::newFolder, {}, {"C:\\Jobs"}}},
        {nav::cmd::kReadPartLegacy, {}, std::nullopt, {P::fire, {E::ReadPartDosDisk, {}, {}, 0}, {}}},
    };
    for (const Case& c : cases) {
        nav::Selection s;
        s.marks = c.marks;
        s.context = c.context;
        EXPECT_EQ(nav::PlanCommand(c.id, s, "C:\\Jobs"), c.expected) << c.id;
    }
    EXPECT_TRUE(nav::IsRunCommand(nav::cmd::kPartRun));
    EXPECT_TRUE(nav::IsRunCommand(nav::cmd::kMultRun));
    EXPECT_FALSE(nav::IsRunCommand(nav::cmd::kPartOpen));
}

TEST(NavCommands, DeleteKeyTakesOnlyFilesJobsAndGroups)
{
    nav::Selection s;
    s.marks = {{ItemKind::drive, "C:\\"}, {ItemKind::jobsLabel, "C:\\Kestrom\\Jobs"}, {ItemKind::group, "C:\\J\\G"},
               {ItemKind::shapesLabel, "C:\\Kestrom\\Shapes"}, {ItemKind::part, "C:\\J\\G\\P.prt"}};
    EXPECT_EQ(nav::DeletableMarks(s), (std::vector<std::string>{"C:\\J\\G", "C:\\J\\G\\P.prt"}));
    s.marks.clear();
    s.context = nav::PathItem{ItemKind::drive, "C:\\"};
    EXPECT_TRUE(nav::DeletableMarks(s).empty());
}

TEST(NavNames, Validation)
{
    struct Case {
        const char* name;
        bool folderOk, fileOk;
    } cases[] = {{"J1", true, true},          {"", false, false},       {"ABCDEFGHIJ", true, true},
                 {"ABCDEFGHIJK", false, true}, {"..", false, false},     {".", false, false},
                 {"a\\b", false, false},       {"..\\x", false, false},  {":", false, false},
                 {"a|b", false, false},        {"*", false, false},      {"a/b", false, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(nav::CheckFolderName(c.name).empty(), c.folderOk) << c.name;
        EXPECT_EQ(nav::CheckFileName(c.name).empty(), c.fileOk) << c.name;
    }
    EXPECT_EQ(nav::CheckFolderName("ABCDEFGHIJK"), "String must be 1 to 10 characters");
    EXPECT_EQ(nav::TrimName("  P2 x \t"), "P2 x");
    EXPECT_EQ(nav::TrimName("   "), "");
}

TEST(NavFormats, PayloadEncodeDecode)
{
    const std::vector<std::string> paths{"C:\\J\\G\\P1.prt", "C:\\J\\G\\\xC4rger.prt"};
    const std::string payload = nav::EncodePayload(paths);
    EXPECT_EQ(payload, std::string("C:\\J\\G\\P1.prt|C:\\J\\G\\\xC4rger.prt|") + '\0');
    EXPECT_EQ(nav::DecodePayload(payload.data(), payload.size()), paths);
    // Read by its size: an unterminated block stops at its end.
    const std::string cut = "C:\\A.prt|C:\\B";
    EXPECT_EQ(nav::DecodePayload(cut.data(), 8), std::vector<std::string>{"C:\\A.prt"});
    EXPECT_EQ(nav::DecodePayload(cut.data(), cut.size()), (std::vector<std::string>{"C:\\A.prt", "C:\\B"}));
    EXPECT_TRUE(nav::DecodePayload(nullptr, 5).empty());
}

TEST(NavCopies, DropCopiesPerTarget)
{
    using nav::DragKind;
    const std::vector<std::string> parts{"C:\\K\\J1\\G1\\P1.prt"};
    EXPECT_EQ(nav::DropCopies(ItemKind::drive, "D:\\", DragKind::parts, parts),
              (std::vector<nav::CopyPair>{{parts[0], "D:\\K\\J1\\G1\\P1.prt"}}));
    EXPECT_EQ(nav::DropCopies(ItemKind::job, "C:\\K\\J2", DragKind::parts, parts),
              (std::vector<nav::CopyPair>{{parts[0], "C:\\K\\J2\\G1\\P1.prt"}}));
    EXPECT_EQ(nav::DropCopies(ItemKind::job, "C:\\K\\J2", DragKind::groups, {"C:\\K\\J1\\G1"}),
              (std::vector<nav::CopyPair>{{"C:\\K\\J1\\G1", "C:\\K\\J2\\G1"}}));
    EXPECT_EQ(nav::DropCopies(ItemKind::group, "C:\\K\\J2\\G2", DragKind::mults, {"C:\\K\\J1\\G1\\M 1.mlt"}),
              (std::vector<nav::CopyPair>{{"C:\\K\\J1\\G1\\M 1.mlt", "C:\\K\\J2\\G2\\M 1.mlt"}}));
    EXPECT_TRUE(nav::DropCopies(ItemKind::job, "C:\\K\\J2", DragKind::parts, {"C:\\P.prt"}).empty());
}

TEST(NavCopies, RefusesSelfAndInsideAndAsksOnceBeforeReplacing)
{
    TempDrives drives;
    TempDrives::Put(drives.C() / "K/J1/G1/P1.prt", "new1");
    TempDrives::Put(drives.C() / "K/J1/G1/P2.prt", "new2");
    TempDrives::Put(drives.C() / "K/J2/G1/P1.prt", "old");
    int asked = 0;
    bool answer = false;
    nav::FileCopier copier([&](const std::vector<std::string>& existing) {
        ++asked;
        if (asked == 1) {
            EXPECT_EQ(existing, std::vector<std::string>{"C:\\K\\J2\\G1\\P1.prt"});
        }
        return answer;
    });
    const std::vector<nav::CopyPair> pairs{{"C:\\K\\J1\\G1", "C:\\K\\J2\\G1"}};
    auto outcome = copier.Copy(pairs);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(outcome.copied, 1);
    EXPECT_EQ(TempDrives::Get(drives.C() / "K/J2/G1/P1.prt"), "old");
    EXPECT_EQ(TempDrives::Get(drives.C() / "K/J2/G1/P2.prt"), "new2");
    answer = true;
    outcome = copier.Copy(pairs);
    EXPECT_EQ(TempDrives::Get(drives.C() / "K/J2/G1/P1.prt"), "new1");

    outcome = copier.Copy({{"C:\\K\\J1\\G1\\P1.prt", "C:\\K\\J1\\G1\\P1.prt"}, {"C:\\K\\J1", "C:\\K\\J1\\G1\\J1"}});
    EXPECT_EQ(outcome.copied, 0);
    EXPECT_EQ(outcome.refusals.size(), 2u);
    EXPECT_EQ(TempDrives::Get(drives.C() / "K/J1/G1/P1.prt"), "new1");
    EXPECT_FALSE(std::filesystem::exists(drives.C() / "K/J1/G1/J1"));
}

TEST(NavDescriptions, CachedByPathAndModificationTime)
{
    TempDrives drives;
    TempDrives::Put(drives.C() / "G/P1.prt", "x");
    FakeDescriber describer;
    nav::DescriptionCache cache(describer);
    EXPECT_TRUE(cache.Describe(ItemKind::part, "C:\\G\\P1.prt"));
    EXPECT_TRUE(cache.Describe(ItemKind::part, "C:\\G\\P1.prt"));
    EXPECT_EQ(describer.calls, 1);
    TempDrives::Put(drives.C() / "G/P1.prt", "longer");
    EXPECT_TRUE(cache.Describe(ItemKind::part, "C:\\G\\P1.prt"));
    EXPECT_EQ(describer.calls, 2);
    EXPECT_FALSE(cache.Describe(ItemKind::part, "C:\\G\\missing.prt"));
}

} // namespace
