// The navigator dock as a new user meets it: a first start, a job with parts and mults, open,
// rename and delete from the tree, the File commands with nothing marked, and copies of a mult
// with its parts.

#include "fw/core/Archive.h"
#include "navigator/DataFormats.h"
#include "navigator/NavCommands.h"
#include "navigator/ui/BRAXNav.h"
#include "navigator/ui/TreeItem.h"
#include "shell/NavCommand.h"
#include "shell/ui/BRAXNavBar.h"
#include "shell/ui/VarnexProgram.h"
#include "tests/fw/TempDrives.h"
#include "tests/machmult/MultTestSupport.h"
#include "tests/shell/QtFixture.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QMdiArea>
#include <QMimeData>

#include <cstdlib>
#include <set>

namespace {

using nav::ItemKind;

struct ScriptedDialogs : nav::NavDialogs {
    std::optional<std::string> partName;
    std::optional<std::string> AskPartName(const std::string&) override { return partName; }
    std::optional<std::string> AskNewName() override { return std::nullopt; }
    std::optional<std::string> drive;
    std::optional<std::string> PickDrive() override { return drive; }
};

// A part or mult file's header fields, as the documents write them, without the rest of the file.
std::string Header(bool mult, const std::string& mark, const std::string& designation, const std::string& size)
{
    fw::Archive ar;
    ar << std::string("J1") << std::string("G1") << mark;
    ar << std::int32_t(1);
    if (mult)
        ar << std::int32_t(2);
    for (int i = 0; i < (mult ? 2 : 1); ++i) {
        ar.WriteDouble(240.0);
        ar.WriteByte('E');
    }
    ar << designation << size << std::string("A36");
    if (mult) {
        ar << std::string("PUNCH1") << std::string() << std::string();   // machine, two remarks
        ar.WriteDouble(0.0);                                              // drop
        ar.WriteByte('E');
    }
    const auto bytes = ar.Bytes();
    return std::string(bytes.begin(), bytes.end());
}

class NavBarTest : public test::QtFixture {
protected:
    NavBarTest() : messages_(fw::ScriptedMessageService::WhenUnscripted::AnswerDefault)
    {
        const auto group = drives.C() / "Kestrom/Jobs/J1/G1";
        TempDrives::Put(group / "B12.prt", Header(false, "B12", "W12X26", "12X26"));
        TempDrives::Put(group / "C7.prt", Header(false, "C7", "L4X4", "4X4X1/2"));
        TempDrives::Put(group / "B12 1.mlt", Header(true, "B12", "W12X26", "12X26"));
        std::filesystem::create_directories(drives.C() / "Kestrom/Shapes");
    }
    TempDrives drives;
    TempHome home_{drives.Root()};
    fw::ScriptedMessages messages_;
};

TEST_F(NavBarTest, NewUserWalkThroughTheNavigatorDock)
{
    VarnexProgram program({});
    ASSERT_TRUE(program.Start({}));
    CBRAXNavBar* bar = program.NavBar();
    ASSERT_NE(bar, nullptr);
    CBRAXNav& nav = bar->Control();
    EXPECT_EQ(program.MainFrame()->NavigatorBar().widget(), &nav);
    ScriptedDialogs dialogs;
    nav.SetDialogs(&dialogs);

    // File > Open > Part with nothing marked says what is missing.
    bar->OnFileCommand(nav::Code(nav::Action::open, nav::Object::part));
    ASSERT_FALSE(messages_->Shown().empty());
    EXPECT_EQ(messages_->Shown().back().text, "Nothing is marked in the Navigator: mark a part in the Navigator first.");

    // Expand C:, Jobs, the job, its groups, the group and its parts.
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\", ItemKind::drive)));
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs", ItemKind::jobsLabel)));
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs\\J1", ItemKind::job)));
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs\\J1", ItemKind::groupsLabel)));
    const std::string group = "C:\\Kestrom\\Jobs\\J1\\G1";
    ASSERT_TRUE(nav.Expand(nav.FindItem(group, ItemKind::group)));
    CTreeItem* parts = nav.Expand(nav.FindItem(group, ItemKind::partsLabel));
    CTreeItem* mults = nav.Expand(nav.FindItem(group, ItemKind::multsLabel));
    ASSERT_TRUE(parts && mults);
    ASSERT_EQ(parts->childCount(), 2);
    EXPECT_EQ(parts->Child(0)->Spec().text, "B12        W12X26 12X26");
    EXPECT_EQ(parts->Child(1)->Spec().text, "C7         L4X4 4X4X1/2");
    EXPECT_EQ(mults->Child(0)->Spec().text, "B12 1      W12X26 12X26");

    // A click marks a part; File > Open > Part now takes it.
    CTreeItem* part = parts->Child(0);
    nav.OnLeftButtonDown(part, Qt::NoModifier, QPoint(-1, -1));
    EXPECT_EQ(bar->FirstMarked(static_cast<int>(ItemKind::part)), group + "\\B12.prt");

    // Rename: B12.prt holds a header alone, so the program cannot read the part to write it
    // under the new name; both say so and the old file stays.
    dialogs.partName = "  B14 ";
    nav.RunCommand(nav::cmd::kPartRename);
    EXPECT_TRUE(std::filesystem::exists(drives.C() / "Kestrom/Jobs/J1/G1/B12.prt"));
    ASSERT_GE(messages_->Shown().size(), 2u);
    EXPECT_EQ(messages_->Shown().end()[-2].text, "The part file \"" + group + "\\B12.prt\" could not be read; it keeps its name.");
    EXPECT_EQ(messages_->Shown().back().text,
              "The part was not written as \"" + group + "\\B14.prt\"; \"" + group + "\\B12.prt\" is kept.");

    // Copy Selected Part(s) onto drive D: the part arrives in the same folders there.
    dialogs.drive = "D:";
    const std::size_t shown = messages_->Shown().size();
    nav.RunCommand(nav::cmd::kPartCopy);
    EXPECT_TRUE(std::filesystem::exists(drives.Root() / "D/Kestrom/Jobs/J1/G1/B12.prt"));
    EXPECT_EQ(messages_->Shown().size(), shown);

    if (const char* shots = std::getenv("VARNEX_SHOT_DIR")) {
        program.MainFrame()->resize(1100, 700);
        program.MainFrame()->NavigatorBar().setMinimumWidth(440);
        QApplication::processEvents();
        program.MainFrame()->grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("i22-navigator.png"));
    }

    // Delete a mult: asked first, then moved to the trash; the tree follows.
    nav.OnLeftButtonDown(mults->Child(0), Qt::NoModifier, QPoint(-1, -1));
    messages_->Answer(fw::IDYES);
    nav.RunCommand(nav::cmd::kMultDelete);
    EXPECT_EQ(messages_->Shown().back().caption, "Delete Files");
    EXPECT_FALSE(std::filesystem::exists(drives.C() / "Kestrom/Jobs/J1/G1/B12 1.mlt"));
    EXPECT_FALSE(std::filesystem::is_empty(drives.Root() / "share/Trash/files"));
    EXPECT_EQ(nav.FindItem(group, ItemKind::multsLabel)->childCount(), 0);
    EXPECT_EQ(nav.ContextItem(), nullptr);
}

TEST_F(NavBarTest, ReportEventsOpenTheReportWindowOnTheirFolder)
{
    VarnexProgram program({});
    ASSERT_TRUE(program.Start({}));
    CBRAXNav& nav = program.NavBar()->Control();
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\", ItemKind::drive)));
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs", ItemKind::jobsLabel)));
    const std::string job = "C:\\Kestrom\\Jobs\\J1";
    const std::string group = job + "\\G1";
    ASSERT_TRUE(nav.Expand(nav.FindItem(job, ItemKind::job)));
    ASSERT_TRUE(nav.Expand(nav.FindItem(job, ItemKind::groupsLabel)));
    ASSERT_TRUE(nav.Expand(nav.FindItem(group, ItemKind::group)));

    // Double-clicks on labels, groups and jobs; Navigate from the context menu of a job.
    struct Case {
        std::string path;
        ItemKind kind;
        bool navigate;
        ReportKind report;
    };
    const Case cases[] = {
        {group, ItemKind::partsLabel, false, ReportKind::parts},
        {group, ItemKind::multsLabel, false, ReportKind::mults},
        {group, ItemKind::group, false, ReportKind::files},
        {job, ItemKind::groupsLabel, false, ReportKind::files},
        {job, ItemKind::job, true, ReportKind::files},
        {group, ItemKind::partsLabel, true, ReportKind::files},
    };
    for (const Case& c : cases) {
        CTreeItem* item = nav.FindItem(c.path, c.kind);
        ASSERT_TRUE(item) << c.path;
        if (c.navigate) {
            nav.OnLeftButtonDown(item, Qt::NoModifier, QPoint(-1, -1));
            nav.RunCommand(nav::cmd::kNavigate);
        } else {
            nav.OnDoubleClick(item);
        }
        CReportFrame* frame = program.Reports().Current();
        ASSERT_TRUE(frame) << c.path;
        EXPECT_EQ(frame->View().Kind(), c.report) << c.path;
        EXPECT_EQ(frame->View().Folder(), c.path);
        // One report window at a time.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(program.MainFrame()->MdiArea().subWindowList().size(), 1);
    }
    // A part's double-click opens the part, not a report.
    CTreeItem* parts = nav.Expand(nav.FindItem(group, ItemKind::partsLabel));
    ASSERT_TRUE(parts && parts->childCount() > 0);
    nav.OnDoubleClick(parts->Child(0));
    EXPECT_EQ(program.Reports().Current(), nullptr);
}

// A job of real parts and a mult, for the copies the navigator hands to the program.
class NavBarCopyTest : public multtest::MultFixture {
protected:
    NavBarCopyTest()
    {
        test::QtApp();
        PutPart("A1", 120.0);
        PutPart("B2", 60.0);
        CMultDoc mult;
        MakeMult(mult);
        EXPECT_EQ(mult.AddPart("J1", "G1", "A1", 1), 0);
        EXPECT_EQ(mult.AddPart("J1", "G1", "B2", 1), 0);
        EXPECT_EQ(mult.SaveMult(), 0);
        std::filesystem::create_directories(JobFile("J2/G5"));
    }
    std::set<std::string> Names(const std::filesystem::path& folder) const
    {
        const std::vector<std::string> names = TempDrives::Names(folder);
        return {names.begin(), names.end()};
    }
};

TEST_F(NavBarCopyTest, AMultDroppedOrCopiedArrivesWithItsParts)
{
    VarnexProgram program({});
    ASSERT_TRUE(program.Start({}));
    CBRAXNav& nav = program.NavBar()->Control();
    ScriptedDialogs dialogs;
    nav.SetDialogs(&dialogs);
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\", ItemKind::drive)));
    ASSERT_TRUE(nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs", ItemKind::jobsLabel)));
    for (const char* job : {"C:\\Kestrom\\Jobs\\J1", "C:\\Kestrom\\Jobs\\J2"}) {
        ASSERT_TRUE(nav.Expand(nav.FindItem(job, ItemKind::job)));
        ASSERT_TRUE(nav.Expand(nav.FindItem(job, ItemKind::groupsLabel)));
    }
    const std::string mult = "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt";

    // Dropped on another group: the navigator copies the mult, the program its parts.
    QMimeData data;
    const std::string payload = nav::EncodePayload({mult});
    data.setData(QStringLiteral("BRAXMultListCF"),
                 QByteArray(payload.data(), qsizetype(payload.size())));
    CTreeItem* g5 = nav.FindItem("C:\\Kestrom\\Jobs\\J2\\G5", ItemKind::group);
    ASSERT_TRUE(g5);
    ASSERT_TRUE(nav.OnDrop(g5, data));
    EXPECT_EQ(Names(JobFile("J2/G5")), (std::set<std::string>{"A1.prt", "B2.prt", "M 1.mlt"}));

    // Mults > Copy Selected Mult(s) onto drive D: the same, there.
    CTreeItem* group = nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs\\J1\\G1", ItemKind::group));
    ASSERT_TRUE(group);
    CTreeItem* mults = nav.Expand(nav.FindItem("C:\\Kestrom\\Jobs\\J1\\G1", ItemKind::multsLabel));
    ASSERT_TRUE(mults && mults->childCount() == 1);
    nav.OnLeftButtonDown(mults->Child(0), Qt::NoModifier, QPoint(-1, -1));
    dialogs.drive = "D:";
    nav.RunCommand(nav::cmd::kMultCopy);
    EXPECT_EQ(Names(drives.Root() / "D/Kestrom/Jobs/J1/G1"), (std::set<std::string>{"A1.prt", "B2.prt", "M 1.mlt"}));
    EXPECT_TRUE(messages->Shown().empty());
}

} // namespace
