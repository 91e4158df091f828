// The navigator control offscreen: marks, double-clicks, delete, drops and folder watching.

#include "fw/core/MessageService.h"
#include "navigator/DataFormats.h"
#include "fw/core/Archive.h"
#include "fw/core/ArchiveException.h"
#include "navigator/NavCommands.h"
#include "navigator/ui/BRAXNav.h"
#include "navigator/ui/BRAXNavPP.h"
#include "navigator/ui/TreeItem.h"
#include "tests/fw/QtApp.h"
#include "tests/fw/TempDrives.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using nav::ItemKind;

class ControlTest : public testing::Test {
protected:
    ControlTest() : messages_(fw::ScriptedMessageService::WhenUnscripted::AnswerDefault)
    {
        test::QtApp();
        for (const char* name : {"J1/G1/P1.prt", "J1/G1/P2.prt", "J1/G1/M 1.mlt", "J1/G2/P9.prt", "J2/G1/Q1.prt"})
            TempDrives::Put(drives_.C() / "Kestrom/Jobs" / name, "x");
        auto& p = nav_.Properties();
        p.JobDirectory = "\\Kestrom\\Jobs";
        p.ShapePath = "C:\\Kestrom\\Shapes";
        p.ToolPath = "C:\\Kestrom\\Tools";
        p.MachinePath = "C:\\Kestrom\\Machines";
        p.PartExtension = ".prt";
        p.MultExtension = ".mlt";
        p.ShapeExtension = ".shp";
        p.ToolExtension = ".tl";
        p.MachineExtension = ".mch";
        nav_.ExpandRoot();
    }
    CTreeItem* Open(const std::string& path, ItemKind kind) { return nav_.Expand(nav_.FindItem(path, kind)); }
    CTreeItem* Parts(const std::string& group)
    {
        Open("C:\\", ItemKind::drive);
        Open("C:\\Kestrom\\Jobs", ItemKind::jobsLabel);
        const std::string job(group.substr(0, group.rfind('\\')));
        Open(job, ItemKind::job);
        Open(job, ItemKind::groupsLabel);
        Open(group, ItemKind::group);
        Open(group, ItemKind::multsLabel);
        return Open(group, ItemKind::partsLabel);
    }

    TempDrives drives_;
    TempHome home_{drives_.Root()};
    fw::ScriptedMessages messages_;
    CBRAXNav nav_;
};

const std::string kG1 = "C:\\Kestrom\\Jobs\\J1\\G1";

TEST_F(ControlTest, ClickSequencesSetMarksContextAndCaret)
{
    CTreeItem* parts = Parts(kG1);
    ASSERT_EQ(parts->childCount(), 2);
    CTreeItem* p1 = parts->Child(0);
    CTreeItem* p2 = parts->Child(1);
    CTreeItem* group = nav_.FindItem(kG1, ItemKind::group);
    const QPoint nowhere(-1, -1);

    nav_.OnLeftButtonDown(p1, Qt::NoModifier, nowhere);
    EXPECT_EQ(nav_.ContextItem(), p1);
    EXPECT_EQ(nav_.CaretItem(), p1);
    nav_.OnLeftButtonDown(p2, Qt::ControlModifier, nowhere);
    nav_.OnLeftButtonUp(p2);
    EXPECT_EQ(nav_.MarkedItems(), (std::vector<CTreeItem*>{p1, p2}));
    EXPECT_EQ(nav_.strFileNames(ItemKind::part), kG1 + "\\P1.prt|" + kG1 + "\\P2.prt||");
    // Ctrl on another kind is refused.
    nav_.OnLeftButtonDown(group, Qt::ControlModifier, nowhere);
    nav_.OnLeftButtonUp(group);
    EXPECT_FALSE(group->isSelected());
    // Ctrl on a marked one takes its mark away and clears the context.
    nav_.OnLeftButtonDown(p2, Qt::ControlModifier, nowhere);
    nav_.OnLeftButtonUp(p2);
    EXPECT_EQ(nav_.MarkedItems(), std::vector<CTreeItem*>{p1});
    EXPECT_EQ(nav_.ContextItem(), nullptr);
    // Shift marks the whole group of parts.
    nav_.OnLeftButtonDown(p2, Qt::ShiftModifier, nowhere);
    EXPECT_EQ(nav_.MarkedItems(), (std::vector<CTreeItem*>{p1, p2}));
}

TEST_F(ControlTest, APressOnAMarkedItemKeepsTheMarksForADragAndItsReleaseLeavesItAlone)
{
    CTreeItem* parts = Parts(kG1);
    CTreeItem* p1 = parts->Child(0);
    CTreeItem* p2 = parts->Child(1);
    const QPoint nowhere(-1, -1);
    nav_.OnLeftButtonDown(p1, Qt::NoModifier, nowhere);
    nav_.OnLeftButtonUp(p1);
    nav_.OnLeftButtonDown(p2, Qt::ControlModifier, nowhere);
    nav_.OnLeftButtonUp(p2);

    nav_.OnLeftButtonDown(p1, Qt::NoModifier, nowhere);
    EXPECT_EQ(nav_.MarkedItems(), (std::vector<CTreeItem*>{p1, p2}));
    const std::unique_ptr<QMimeData> data = nav_.MakeDragData();
    ASSERT_NE(data, nullptr);
    const QByteArray payload = data->data(QStringLiteral("BRAXPartListCF"));
    EXPECT_EQ(nav::DecodePayload(payload.constData(), std::size_t(payload.size())),
              (std::vector<std::string>{kG1 + "\\P1.prt", kG1 + "\\P2.prt"}));
    nav_.OnLeftButtonUp(p1);
    EXPECT_EQ(nav_.MarkedItems(), std::vector<CTreeItem*>{p1});
}

TEST_F(ControlTest, EachKindOfItemHasAnIconOfItsOwn)
{
    TempDrives::Put(drives_.C() / "Kestrom/Shapes/W 12X26.shp", "x");
    TempDrives::Put(drives_.C() / "Kestrom/Tools/1-SQ.tl", "x");
    TempDrives::Put(drives_.C() / "Kestrom/Machines/PUNCH1.mch", "x");
    Parts(kG1);
    CTreeItem* shapes = Open("C:\\Kestrom\\Shapes", ItemKind::shapesLabel);
    ASSERT_NE(shapes, nullptr);
    for (int i = 0; i < shapes->childCount(); ++i)
        nav_.Expand(shapes->Child(i));
    Open("C:\\Kestrom\\Tools", ItemKind::toolsLabel);
    Open("C:\\Kestrom\\Machines", ItemKind::machinesLabel);
    const std::pair<std::string, ItemKind> items[] = {
        {"C:\\", ItemKind::drive},
        {"C:\\Kestrom\\Jobs\\J1", ItemKind::job},
        {kG1, ItemKind::group},
        {kG1 + "\\P1.prt", ItemKind::part},
        {kG1 + "\\M 1.mlt", ItemKind::mult},
        {"C:\\Kestrom\\Shapes\\W 12X26.shp", ItemKind::shape},
        {"C:\\Kestrom\\Tools\\1-SQ.tl", ItemKind::tool},
        {"C:\\Kestrom\\Machines\\PUNCH1.mch", ItemKind::machine},
    };
    std::vector<QImage> images;
    for (const auto& [path, kind] : items) {
        CTreeItem* item = nav_.FindItem(path, kind);
        ASSERT_NE(item, nullptr) << path;
        const QImage image = item->icon(0).pixmap(16, 16).toImage();
        ASSERT_FALSE(image.isNull()) << path;
        for (const QImage& other : images)
            EXPECT_NE(image, other) << path;
        images.push_back(image);
    }
    // A label shows the icon of what it lists.
    EXPECT_EQ(nav_.FindItem(kG1, ItemKind::partsLabel)->icon(0).pixmap(16, 16).toImage(), images[3]);
}

TEST_F(ControlTest, DoubleClickFiresByKind)
{
    CTreeItem* parts = Parts(kG1);
    QSignalSpy events(&nav_, &CBRAXNav::navEvent);
    QSignalSpy opened(&nav_, &CBRAXNav::OpenPart);
    struct Case {
        CTreeItem* item;
        std::vector<nav::EventId> fired;
        bool consumed;
    } cases[] = {
        {parts->Child(0), {nav::EventId::OpenPart}, true},
        {parts, {nav::EventId::ViewPartReport}, false},
        {nav_.FindItem(kG1, ItemKind::multsLabel), {nav::EventId::ViewMultReport}, false},
        {nav_.FindItem(kG1, ItemKind::group), {nav::EventId::ViewAllReport}, false},
        {nav_.FindItem("C:\\", ItemKind::drive), {}, false},
    };
    for (const Case& c : cases) {
        events.clear();
        EXPECT_EQ(nav_.OnDoubleClick(c.item), c.consumed);
        std::vector<nav::EventId> fired;
        for (const auto& args : events)
            fired.push_back(args.at(0).value<nav::NavEvent>().id);
        EXPECT_EQ(fired, c.fired) << c.item->Spec().text;
    }
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.at(0).at(0).toString().toStdString(), kG1 + "\\P1.prt");
}

TEST_F(ControlTest, DeleteAsksAndMovesToTheTrashAndClearsTheContext)
{
    CTreeItem* parts = Parts(kG1);
    nav_.OnLeftButtonDown(parts->Child(0), Qt::NoModifier, QPoint(-1, -1));
    messages_->Answer(fw::IDNO);
    nav_.RunCommand(nav::cmd::kPartDelete);
    EXPECT_TRUE(std::filesystem::exists(drives_.C() / "Kestrom/Jobs/J1/G1/P1.prt"));
    messages_->Answer(fw::IDYES);
    nav_.RunCommand(nav::cmd::kPartDelete);
    EXPECT_FALSE(std::filesystem::exists(drives_.C() / "Kestrom/Jobs/J1/G1/P1.prt"));
    EXPECT_FALSE(std::filesystem::is_empty(drives_.Root() / "share/Trash/files"));
    ASSERT_EQ(parts->childCount(), 1);
    EXPECT_EQ(nav_.ContextItem(), nullptr);   // its item went with the refresh
    EXPECT_TRUE(nav_.MarkedItems().empty());

    // The Delete key never takes a drive or a label; a deleted group stays gone.
    CTreeItem* drive = nav_.FindItem("C:\\", ItemKind::drive);
    nav_.OnLeftButtonDown(drive, Qt::NoModifier, QPoint(-1, -1));
    const std::size_t shown = messages_->Shown().size();
    nav_.OnDeleteKey();
    EXPECT_EQ(messages_->Shown().size(), shown);
    nav_.OnLeftButtonDown(nav_.FindItem(kG1, ItemKind::group), Qt::NoModifier, QPoint(-1, -1));
    messages_->Answer(fw::IDYES);
    nav_.OnDeleteKey();
    EXPECT_FALSE(std::filesystem::exists(drives_.C() / "Kestrom/Jobs/J1/G1"));
    EXPECT_EQ(nav_.FindItem(kG1, ItemKind::group), nullptr);
}

TEST_F(ControlTest, DropCopiesOnceAndFiresPerEntry)
{
    Parts(kG1);
    Parts("C:\\Kestrom\\Jobs\\J2\\G1");
    CTreeItem* j2 = nav_.FindItem("C:\\Kestrom\\Jobs\\J2", ItemKind::job);
    QMimeData data;
    const std::string payload = nav::EncodePayload({"C:\\Kestrom\\Jobs\\J1\\G2"});
    data.setData(QStringLiteral("BRAXGroupListCF"), QByteArray(payload.data(), payload.size()));
    QSignalSpy groups(&nav_, &CBRAXNav::RunCopyDiffGroup);
    ASSERT_TRUE(nav_.OnDrop(j2, data));
    // The group lands in the job itself, not in J2\J1\G2.
    EXPECT_TRUE(std::filesystem::exists(drives_.C() / "Kestrom/Jobs/J2/G2/P9.prt"));
    EXPECT_FALSE(std::filesystem::exists(drives_.C() / "Kestrom/Jobs/J2/J1"));
    ASSERT_EQ(groups.size(), 1);
    EXPECT_EQ(groups.at(0).at(1).toString().toStdString(), "C:\\Kestrom\\Jobs\\J2\\");

    // Parts dropped on their own group: nothing is copied onto itself.
    const std::string parts = nav::EncodePayload({kG1 + "\\P1.prt"});
    QMimeData own;
    own.setData(QStringLiteral("BRAXPartListCF"), QByteArray(parts.data(), parts.size()));
    QSignalSpy same(&nav_, &CBRAXNav::RunCopyPartFile);
    ASSERT_TRUE(nav_.OnDrop(nav_.FindItem(kG1, ItemKind::group), own));
    EXPECT_EQ(TempDrives::Get(drives_.C() / "Kestrom/Jobs/J1/G1/P1.prt"), "x");
    ASSERT_EQ(same.size(), 1);
    EXPECT_EQ(same.at(0).at(1).toString(), QStringLiteral("C:"));
}

TEST_F(ControlTest, DiskChangesShowUpAndBurstsAreCoalesced)
{
    Parts(kG1);
    CTreeItem* groups = nav_.FindItem("C:\\Kestrom\\Jobs\\J1", ItemKind::groupsLabel);
    ASSERT_EQ(groups->childCount(), 2);
    std::filesystem::create_directories(drives_.C() / "Kestrom/Jobs/J1/G3");
    ASSERT_TRUE(QTest::qWaitFor([groups] { return groups->childCount() == 3; }, 5000)) << groups->childCount();
    std::filesystem::remove_all(drives_.C() / "Kestrom/Jobs/J1/G3");
    ASSERT_TRUE(QTest::qWaitFor([groups] { return groups->childCount() == 2; }, 5000)) << groups->childCount();

    const int before = nav_.RefreshCount();
    for (int i = 0; i < 50; ++i)
        TempDrives::Put(drives_.C() / "Kestrom/Jobs/J1/G1" / ("N" + std::to_string(i) + ".prt"), "x");
    CTreeItem* parts = nav_.FindItem(kG1, ItemKind::partsLabel);
    ASSERT_TRUE(QTest::qWaitFor([parts] { return parts->childCount() == 52; }, 5000)) << parts->childCount();
    EXPECT_LE(nav_.RefreshCount() - before, 5);

    // Collapsing the root leaves nothing watched.
    nav_.RootItem()->setExpanded(false);
    EXPECT_TRUE(nav_.WatchedFolders().isEmpty());
}

TEST_F(ControlTest, ACollapsedLabelsExpandIndicatorFollowsItsFolder)
{
    Parts(kG1);
    const std::string g2 = "C:\\Kestrom\\Jobs\\J1\\G2";
    Open(g2, ItemKind::group);
    CTreeItem* mults = nav_.FindItem(g2, ItemKind::multsLabel);
    ASSERT_NE(mults, nullptr);
    ASSERT_FALSE(mults->isExpanded());
    EXPECT_EQ(mults->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicator);
    TempDrives::Put(drives_.C() / "Kestrom/Jobs/J1/G2/M 2.mlt", "x");
    const auto indicatorBecomes = [mults](QTreeWidgetItem::ChildIndicatorPolicy policy) {
        return QTest::qWaitFor([&] { return mults->childIndicatorPolicy() == policy; }, 5000);
    };
    EXPECT_TRUE(indicatorBecomes(QTreeWidgetItem::ShowIndicator));
    std::filesystem::remove(drives_.C() / "Kestrom/Jobs/J1/G2/M 2.mlt");
    EXPECT_TRUE(indicatorBecomes(QTreeWidgetItem::DontShowIndicator));
}

TEST_F(ControlTest, DraggingNearAnEdgeScrollsAfterTheDelayAndStopsAway)
{
    for (int i = 0; i < 40; ++i)
        TempDrives::Put(drives_.C() / "Kestrom/Jobs/J1/G1" / ("S" + std::to_string(10 + i) + ".prt"), "x");
    nav_.resize(300, 160);
    nav_.show();
    Parts(kG1);
    QScrollBar* bar = nav_.Tree().verticalScrollBar();
    ASSERT_GT(bar->maximum(), 5);
    bar->setValue(0);
    QWidget* viewport = nav_.Tree().viewport();
    QMimeData data;
    const std::string payload = nav::EncodePayload({kG1 + "\\P1.prt"});
    data.setData(QStringLiteral("BRAXPartListCF"), QByteArray(payload.data(), payload.size()));
    const auto dragTo = [&](QPoint pos) {
        QDragMoveEvent move(pos, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    };
    const int inset = nav_.DragSettings().scrollInset;
    // Moves and the leave reach the widget that took the drag's entry.
    QDragEnterEvent enter({viewport->width() / 2, viewport->height() / 2}, Qt::CopyAction | Qt::MoveAction, &data,
                          Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    ASSERT_TRUE(enter.isAccepted());

    // Entering the bottom zone scrolls nothing at once; held there, the tree scrolls down line
    // by line without further moves.
    dragTo({viewport->width() / 2, viewport->height() - inset / 2});
    EXPECT_EQ(bar->value(), 0);
    EXPECT_TRUE(QTest::qWaitFor([bar] { return bar->value() >= 3; }, 5000)) << bar->value();

    // Back in the middle it stops.
    dragTo({viewport->width() / 2, viewport->height() / 2});
    const int middle = bar->value();
    QTest::qWait(4 * nav_.DragSettings().scrollDelayMs);
    EXPECT_EQ(bar->value(), middle);

    // The top zone scrolls up; leaving the tree stops it.
    dragTo({viewport->width() / 2, inset / 2});
    EXPECT_TRUE(QTest::qWaitFor([bar, middle] { return bar->value() < middle; }, 5000)) << bar->value();
    QDragLeaveEvent leave;
    QApplication::sendEvent(viewport, &leave);
    const int left = bar->value();
    QTest::qWait(4 * nav_.DragSettings().scrollDelayMs);
    EXPECT_EQ(bar->value(), left);
}

TEST_F(ControlTest, PropertyPageShowsTheLastControlAndAppliesToAll)
{
    CBRAXNav other;
    nav_.Properties().JobLabel = "Jobs";
    nav_.Properties().ShowTools = 0;
    other.Properties().JobLabel = "Work";
    other.Properties().MultLabel = "Mults";
    other.Properties().ShowParts = 0;

    CBRAXNavPropertyFrame frame({&nav_, &other});
    CBRAXNavPP& page = frame.Page();
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("BRAXNav Properties"));
    EXPECT_EQ(page.Edit(CBRAXNavPP::kJobLabel)->text(), QStringLiteral("Work"));
    EXPECT_EQ(page.Edit(CBRAXNavPP::kMultLabel)->text(), QStringLiteral("Mults"));
    EXPECT_FALSE(page.Check(CBRAXNavPP::kShowParts)->isChecked());
    EXPECT_TRUE(page.Check(CBRAXNavPP::kShowTools)->isChecked());
    EXPECT_EQ(page.Check(CBRAXNavPP::kShowJobs)->text(), QStringLiteral("Display Jobs"));
    EXPECT_FALSE(page.IsDirty());
    EXPECT_FALSE(frame.ApplyButton().isEnabled());

    if (const char* shots = std::getenv("VARNEX_SHOT_DIR")) {
        frame.show();
        QApplication::processEvents();
        frame.grab().save(QDir(QString::fromLocal8Bit(shots)).filePath("nav-property-page.png"));
    }

    // A click or a typed text makes the page dirty; Apply writes the same to both controls.
    page.Check(CBRAXNavPP::kShowShapes)->click();
    EXPECT_TRUE(page.IsDirty());
    EXPECT_TRUE(frame.ApplyButton().isEnabled());
    page.Edit(CBRAXNavPP::kPartLabel)->clear();
    QTest::keyClicks(page.Edit(CBRAXNavPP::kPartLabel), "Pieces");
    EXPECT_EQ(nav_.Properties().PartLabel, "");
    frame.ApplyButton().click();
    EXPECT_FALSE(page.IsDirty());
    EXPECT_FALSE(frame.ApplyButton().isEnabled());
    for (CBRAXNav* control : {&nav_, &other}) {
        const nav::NavProperties& p = control->Properties();
        EXPECT_EQ(p.ShowShapes, 0);
        EXPECT_EQ(p.ShowParts, 0);
        EXPECT_EQ(p.ShowTools, 1);
        EXPECT_EQ(p.PartLabel, "Pieces");
        EXPECT_EQ(p.JobLabel, "Work");
        // Folders and extensions are not the page's.
        EXPECT_EQ(p.PartExtension, control == &nav_ ? ".prt" : "");
    }

    // Cancel changes nothing; OK applies what is pending.
    page.Edit(CBRAXNavPP::kToolLabel)->setText("T");
    QTest::keyClicks(page.Edit(CBRAXNavPP::kToolLabel), "x");
    frame.reject();
    EXPECT_EQ(other.Properties().ToolLabel, "");
    CBRAXNavPropertyFrame again({&other});
    QTest::keyClicks(again.Page().Edit(CBRAXNavPP::kToolLabel), "Tools");
    again.accept();
    EXPECT_EQ(other.Properties().ToolLabel, "Tools");
    EXPECT_EQ(nav_.Properties().ToolLabel, "");
}

TEST_F(ControlTest, PropertyStreamLoadsOrChangesNothing)
{
    nav::NavProperties stored = nav_.Properties();
    stored.ShowJobs = 0;
    stored.JobLabel = "Work";
    fw::Archive out;
    CBRAXNav source;
    source.Properties() = stored;
    source.SaveProperties(out);
    const std::vector<std::uint8_t> bytes = out.TakeBytes();

    // Cut short: refused, and the control keeps what it had.
    fw::Archive cut(std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
    EXPECT_THROW(nav_.LoadProperties(cut), fw::ArchiveException);
    EXPECT_EQ(nav_.Properties().ShowJobs, 1);

    // Loaded: the root, made again, lists no drives; the folders stay as the host set them.
    fw::Archive in{std::vector<std::uint8_t>(bytes)};
    nav_.LoadProperties(in);
    EXPECT_EQ(nav_.Properties().JobLabel, "Work");
    EXPECT_EQ(nav_.Properties().JobDirectory, "\\Kestrom\\Jobs");
    nav_.RootItem()->setExpanded(false);
    nav_.ExpandRoot();
    EXPECT_EQ(nav_.FindItem("C:\\", ItemKind::drive), nullptr);
    EXPECT_NE(nav_.FindItem("C:\\Kestrom\\Shapes", ItemKind::shapesLabel), nullptr);
}

} // namespace
