// The program put together as it runs: the main frame with the real navigator control, its own
// dialogs, the selection provider the program installs and the drag data the windows exchange.
// Each flow is driven as a user would (clicks, keys, drags, dialogs answered when they come up)
// and judged by the files it leaves.

#include "fw/core/Archive.h"
#include "machmult/MultDoc.h"
#include "machmult/ui/AutoMultShapeListView.h"
#include "machmult/ui/HmultSplitterFrame.h"
#include "machmult/ui/MultView.h"
#include "machmult/ui/PartListView.h"
#include "model/ShapeDoc.h"
#include "navigator/ui/BRAXNav.h"
#include "navigator/ui/TreeItem.h"
#include "partprog/PartDoc.h"
#include "partprog/ui/PartView.h"
#include "shell/NavCommand.h"
#include "shell/ui/BRAXNavBar.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/DimensionControl.h"
#include "shell/ui/ReportView.h"
#include "shell/ui/ReportWindows.h"
#include "shell/ui/SplashWnd.h"
#include "shell/ui/VarnexProgram.h"
#include "tests/fw/TempDrives.h"
#include "tests/machmult/AutoMultTestSupport.h"
#include "tests/machmult/MultTestSupport.h"
#include "tests/shell/QtFixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDrag>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <functional>

namespace {

using nav::ItemKind;

const std::string kJobs = "C:\\Kestrom\\Jobs";
const std::string kG1 = kJobs + "\\J1\\G1";
const std::string kG2 = kJobs + "\\J1\\G2";

// Answers every modal dialog the program opens while it lives, as `answer` says; keeps their titles.
class DialogAnswers {
public:
    explicit DialogAnswers(std::function<void(QDialog&)> answer) : answer_(std::move(answer))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == answering_)
                return;
            answering_ = dialog;
            titles.push_back(dialog->windowTitle().toStdString());
            answer_(*dialog);
            answering_ = nullptr;
        });
        timer_.start();
    }
    std::vector<std::string> titles;

private:
    std::function<void(QDialog&)> answer_;
    QDialog* answering_ = nullptr;
    QTimer timer_;
};

void TypeAndPress(QDialog& dialog, const char* text, Qt::Key key)
{
    auto* edit = dialog.findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, key);
}

void Click(QWidget& form, int id)
{
    auto* button = form.findChild<QAbstractButton*>(QString::number(id));
    ASSERT_NE(button, nullptr) << id;
    button->click();
}

class ProgramFlows : public test::QtFixture {
protected:
    ProgramFlows()
    {
        InstallDimensionControl();
        const multtest::Bytes shape = multtest::ShapeFile("W ", "12X26", modeltest::k12, modeltest::k4, 0);
        const multtest::Bytes machine = multtest::MachineFile("PUNCH1", 3);
        TempDrives::Put(drives.C() / "Kestrom/Shapes/W 12X26.shp", std::string(shape.begin(), shape.end()));
        TempDrives::Put(drives.C() / "Kestrom/Machines/PUNCH1.mch", std::string(machine.begin(), machine.end()));
        std::filesystem::create_directories(drives.C() / "Kestrom/Jobs/J1/G2");
    }

    void Start()
    {
        program = std::make_unique<VarnexProgram>(VarnexProgram::Standard({}, nullptr));
        program->Start({});
        if (CSplashWnd* splash = CSplashWnd::Instance())   // a key takes the splash away
            QTest::keyClick(splash, Qt::Key_Escape);
        QApplication::processEvents();
    }

    CBRAXNav& Nav() { return program->NavBar()->Control(); }
    QTreeWidget& Tree() { return Nav().Tree(); }
    QList<QMdiSubWindow*> Windows() { return program->MainFrame()->MdiArea().subWindowList(); }

    CTreeItem* Open(const std::string& path, ItemKind kind) { return Nav().Expand(Nav().FindItem(path, kind)); }
    // The group's item with its labels open.
    CTreeItem* Group(const std::string& group)
    {
        Open("C:\\", ItemKind::drive);
        Open(kJobs, ItemKind::jobsLabel);
        const std::string job = group.substr(0, group.rfind('\\'));
        Open(job, ItemKind::job);
        Open(job, ItemKind::groupsLabel);
        CTreeItem* item = Open(group, ItemKind::group);
        Open(group, ItemKind::partsLabel);
        Open(group, ItemKind::multsLabel);
        return item;
    }
    QPoint At(CTreeItem* item)
    {
        Tree().scrollToItem(item);
        return Tree().visualItemRect(item).center();
    }
    void ClickItem(CTreeItem* item, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(Tree().viewport(), Qt::LeftButton, modifiers, At(item));
    }

    // Part <mark> of J1/<group>, one off, 120 in of W 12X26.
    void PutPart(const std::string& group, const std::string& mark) const
    {
        CPartDoc part;
        PartRecord& h = part.Header();
        h.jobId = "J1";
        h.group = group;
        h.mark = mark;
        h.quantity = 1;
        h.length = 120;
        h.grade = "A36";
        ASSERT_TRUE(part.BuildShape("W ", "12X26"));
        h.shapeDesctp = "W ";
        h.shapeDesc = "12X26";
        ASSERT_TRUE(part.OnSaveDocument("C:\\x.prt"));
    }
    // Mult "M 1" of J1/G2 on a W 12X26 stock of 480 in for the machine.
    void PutMult(const std::string& machine = "PUNCH1") const
    {
        CMultDoc saved;
        MultRecord data = multtest::SampleMultRecord(machine);
        data.group = "G2";
        ASSERT_TRUE(saved.SetMultData(data));
        ASSERT_TRUE(saved.OnSaveDocument(saved.BuildMultPath()));
    }
    machui::CMultView* OpenMult()
    {
        program->App().DoNavAction(0x22, (kG2 + "\\M 1.mlt").c_str());
        return Windows().isEmpty() ? nullptr
                                   : dynamic_cast<machui::CMultView*>(dynamic_cast<CChildFrame*>(Windows().back())->View());
    }

    // The data a drag started in the tree carries: the press on the item is held past the drag delay.
    std::unique_ptr<QMimeData> DragFromTree(CTreeItem* item, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        std::unique_ptr<QMimeData> carried;
        const CBRAXNav::DragRunner previous = CBRAXNav::SetDragRunner([&carried](QDrag& drag) {
            carried = std::make_unique<QMimeData>();
            for (const QString& format : drag.mimeData()->formats())
                carried->setData(format, drag.mimeData()->data(format));
            return Qt::CopyAction;
        });
        QTest::mousePress(Tree().viewport(), Qt::LeftButton, modifiers, At(item));
        QTest::qWait(2 * Nav().DragSettings().delayMs + 50);
        QTest::mouseRelease(Tree().viewport(), Qt::LeftButton, modifiers, At(item));
        CBRAXNav::SetDragRunner(previous);
        return carried;
    }

    // Drops data on a widget at a point, as the end of a drag does; whether it was taken.
    static bool Drop(QWidget& target, const QPoint& at, const QMimeData& data)
    {
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        if (!enter.isAccepted())
            return false;
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        return drop.isAccepted();
    }

    TempDrives drives;
    std::unique_ptr<VarnexProgram> program;
};

// ---- Jobs and groups made from the tree ----

class ProgramNewItemFlows : public ProgramFlows {};

TEST_F(ProgramNewItemFlows, NewJobAndNewGroupMakeTheirFoldersOnOkAndNothingOnCancel)
{
    Start();
    Open("C:\\", ItemKind::drive);
    struct Case {
        std::string label;
        ItemKind kind;
        const char* command;
        const char* typed;
        Qt::Key key;
        std::filesystem::path folder;
        bool made;
    } cases[] = {
        {kJobs, ItemKind::jobsLabel, "New Job", "J7", Qt::Key_Return, drives.C() / "Kestrom/Jobs/J7", true},
        {kJobs, ItemKind::jobsLabel, "New Job", "J8", Qt::Key_Escape, drives.C() / "Kestrom/Jobs/J8", false},
        {kJobs + "\\J7", ItemKind::groupsLabel, "New Group", "G3", Qt::Key_Return, drives.C() / "Kestrom/Jobs/J7/G3", true},
        {kJobs + "\\J7", ItemKind::groupsLabel, "New Group", "G4", Qt::Key_Escape, drives.C() / "Kestrom/Jobs/J7/G4", false},
    };
    for (const Case& c : cases) {
        Open(kJobs, ItemKind::jobsLabel);
        Open(kJobs + "\\J7", ItemKind::job);
        CTreeItem* label = Nav().FindItem(c.label, c.kind);
        ASSERT_NE(label, nullptr) << c.label;
        std::unique_ptr<QMenu> menu = Nav().MakeContextMenu(label);
        ASSERT_NE(menu, nullptr);
        QAction* command = nullptr;
        for (QAction* action : menu->actions())
            if (action->text() == c.command)
                command = action;
        ASSERT_NE(command, nullptr) << c.command;
        DialogAnswers answers([&c](QDialog& dialog) { TypeAndPress(dialog, c.typed, c.key); });
        command->trigger();
        EXPECT_EQ(answers.titles, std::vector<std::string>{"Name"}) << c.typed;
        EXPECT_EQ(std::filesystem::is_directory(c.folder), c.made) << c.typed;
    }
    Open(kJobs + "\\J7", ItemKind::groupsLabel);
    EXPECT_NE(Nav().FindItem(kJobs + "\\J7\\G3", ItemKind::group), nullptr);
    EXPECT_TRUE(messages->Shown().empty());
}

// ---- Drag and drop between the tree and the windows ----

TEST_F(ProgramFlows, AShapeDraggedFromTheTreeOntoANewPartIsSavedWithIt)
{
    Start();
    program->App().DoNavAction(0x11, nullptr);   // File New > Part
    ASSERT_EQ(Windows().size(), 1);
    auto* frame = dynamic_cast<CChildFrame*>(Windows()[0]);
    auto* view = dynamic_cast<CPartView*>(frame->View());
    ASSERT_NE(view, nullptr);

    CTreeItem* shapes = Open("C:\\Kestrom\\Shapes", ItemKind::shapesLabel);
    ASSERT_NE(shapes, nullptr);
    for (int i = 0; i < shapes->childCount(); ++i)
        Nav().Expand(shapes->Child(i));
    CTreeItem* shape = Nav().FindItem("C:\\Kestrom\\Shapes\\W 12X26.shp", ItemKind::shape);
    ASSERT_NE(shape, nullptr);
    const std::unique_ptr<QMimeData> data = DragFromTree(shape);
    ASSERT_NE(data, nullptr) << "no drag started";
    ASSERT_TRUE(Drop(*view, view->rect().center(), *data));

    QLineEdit& mark = view->Edit(CPartView::IDC_MARK);
    mark.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(mark.window()));
    program->MainFrame()->MdiArea().setActiveSubWindow(frame);
    mark.setFocus();
    mark.selectAll();
    QTest::keyClicks(&mark, "B14");
    view->OnFieldChanged(CPartView::IDC_MARK);
    QTest::keyClick(&mark, Qt::Key_S, Qt::ControlModifier);

    const std::string saved = "C:\\Kestrom\\Jobs\\NONE\\NONE\\B14.prt";
    ASSERT_TRUE(std::filesystem::exists(drives.C() / "Kestrom/Jobs/NONE/NONE/B14.prt"));
    CPartDoc part;
    ASSERT_TRUE(part.LoadPart(saved));
    EXPECT_EQ(part.Header().shapeDesctp, "W ");
    EXPECT_EQ(part.Header().shapeDesc, "12X26");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramFlows, SeveralMarkedPartsDragTogether)
{
    for (const char* mark : {"B1", "B2", "B3"})
        PutPart("G1", mark);
    Start();
    Group(kG1);
    CTreeItem* parts = Nav().FindItem(kG1, ItemKind::partsLabel);
    ASSERT_EQ(parts->childCount(), 3);
    ClickItem(parts->Child(0));
    ClickItem(parts->Child(2), Qt::ControlModifier);
    const std::unique_ptr<QMimeData> data = DragFromTree(parts->Child(0));
    ASSERT_NE(data, nullptr) << "no drag started";
    ASSERT_TRUE(Drop(*Tree().viewport(), At(Nav().FindItem(kG2, ItemKind::group)), *data));
    EXPECT_EQ(TempDrives::Names(drives.C() / "Kestrom/Jobs/J1/G2"), (std::vector<std::string>{"B1.prt", "B3.prt"}));
}

TEST_F(ProgramFlows, AReportRowDroppedOnAnotherGroupCopiesItsPart)
{
    PutPart("G1", "B1");
    Start();
    Group(kG1);
    Group(kG2);
    program->App().DoNavAction(int(nav::Action::listFiles), kG1.c_str());
    ASSERT_EQ(Windows().size(), 1);
    auto* report = dynamic_cast<CReportFrame*>(Windows()[0]);
    ASSERT_NE(report, nullptr);
    ReportModel& model = report->View().Model();
    int row = -1;
    for (int r = 0; r < model.rowCount(); ++r)
        if (model.index(r, 0).data().toString() == "B1.prt")
            row = r;
    ASSERT_GE(row, 0);
    const std::unique_ptr<QMimeData> data(model.mimeData({model.index(row, 0)}));
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(Drop(*Tree().viewport(), At(Nav().FindItem(kG2, ItemKind::group)), *data));
    EXPECT_EQ(TempDrives::Get(drives.C() / "Kestrom/Jobs/J1/G2/B1.prt"),
              TempDrives::Get(drives.C() / "Kestrom/Jobs/J1/G1/B1.prt"));
    EXPECT_TRUE(messages->Shown().empty());
}

// ---- The navigator's marks in hand multing and AutoMult ----

TEST_F(ProgramFlows, ThreeMarkedPartsAreHandMultedThroughAllSelectedParts)
{
    for (const char* mark : {"B1", "B2", "B3", "B4"})
        PutPart("G1", mark);
    PutMult();
    Start();
    Group(kG1);
    CTreeItem* parts = Nav().FindItem(kG1, ItemKind::partsLabel);
    ASSERT_EQ(parts->childCount(), 4);
    ClickItem(parts->Child(0));
    ClickItem(parts->Child(1), Qt::ControlModifier);
    ClickItem(parts->Child(3), Qt::ControlModifier);

    machui::CMultView* view = OpenMult();
    ASSERT_NE(view, nullptr);
    DialogAnswers answers([](QDialog& dialog) {
        if (dialog.windowTitle() == "Hand Mult Setup")
            Click(dialog, 1199);   // All Selected parts
        dialog.accept();
    });
    view->ToolBarActions()[3]->trigger();   // Specifics
    auto* handMult = Windows().back()->findChild<machui::CHmultSplitterFrame*>();
    ASSERT_NE(handMult, nullptr);
    machui::CPartListView& potential = handMult->PotentialView();
    ASSERT_EQ(potential.Model().rowCount(), 3);
    QModelIndexList rows;
    for (int r = 0; r < 3; ++r)
        rows.push_back(potential.Model().index(r, 0));
    const std::unique_ptr<QMimeData> moved(potential.Model().mimeData(rows));
    ASSERT_TRUE(handMult->MultView().Model().dropMimeData(moved.get(), Qt::MoveAction, -1, 0, {}));
    handMult->Action(machui::CHmultSplitterFrame::ID_FILE_SAVE)->trigger();

    // Saved back to the opened mult's own file.
    CMultDoc saved;
    ASSERT_TRUE(saved.LoadMult(kG2 + "\\M 1.mlt"));
    EXPECT_FALSE(std::filesystem::exists(drives.C() / "Kestrom/Jobs/J1/G2/M 2.mlt"));
    std::vector<std::string> marks;
    for (CMultPart& part : saved.GetParts())
        marks.push_back(part.GetHeader().mark);
    EXPECT_EQ(marks, (std::vector<std::string>{"B1", "B2", "B4"}));
}

TEST_F(ProgramFlows, AMarkedGroupIsAutoMultedThroughAllSelectedGroups)
{
    for (const char* mark : {"B1", "B2"})
        PutPart("G1", mark);
    const multtest::Bytes saw = multtest::MachineWithLimits("SAW1", 5, 0.125, 120, 600, 0, {0, 1});
    TempDrives::Put(drives.C() / "Kestrom/Machines/SAW1.mch", std::string(saw.begin(), saw.end()));
    PutMult("SAW1");
    Start();
    ClickItem(Group(kG1));

    machui::CMultView* view = OpenMult();
    ASSERT_NE(view, nullptr);
    DialogAnswers answers([](QDialog& dialog) {
        if (dialog.windowTitle() == "Automult Setup")
            Click(dialog, 1200);   // All Selected Groups
        if (dialog.windowTitle() == "Auto Mult")   // the engine's condition: any drop will do
            dialog.findChild<QLineEdit*>()->setText("480");
        dialog.accept();
    });
    view->ToolBarActions()[5]->trigger();   // AutoMult
    ASSERT_EQ(answers.titles, std::vector<std::string>{"Automult Setup"});
    answers.titles.clear();
    ASSERT_TRUE(messages->Shown().empty()) << messages->Shown()[0].text;
    auto* setup = program->MainFrame()->MdiArea().findChild<CAutoMultShapeListView*>();
    ASSERT_NE(setup, nullptr);
    ASSERT_EQ(setup->topLevelItemCount(), 1);   // the group's parts: one stock choice
    setup->topLevelItem(0)->setSelected(true);
    messages->Answer(fw::IDOK);
    setup->Command(CAutoMultShapeListView::ID_BEGIN_AUTOMULT)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages->Shown().empty(); }, 20000)) << "the end report never came";
    EXPECT_EQ(answers.titles, std::vector<std::string>{"Auto Mult"});
    EXPECT_NE(messages->Shown()[0].text.find("1 mult saved."), std::string::npos) << messages->Shown()[0].text;
    CMultDoc saved;
    ASSERT_TRUE(saved.LoadMult(kG2 + "\\M 2.mlt"));
    std::vector<std::string> marks;
    for (CMultPart& part : saved.GetParts())
        marks.push_back(part.GetHeader().mark);
    std::sort(marks.begin(), marks.end());
    EXPECT_EQ(marks, (std::vector<std::string>{"B1", "B2"}));
}

// ---- The keyboard in the tree ----

TEST_F(ProgramFlows, TypingAMarkSelectsItsPartAndEnterOpensIt)
{
    for (const char* mark : {"C1", "C5", "C10", "C57"})
        PutPart("G1", mark);
    Start();
    Group(kG1);
    ClickItem(Nav().FindItem(kG1 + "\\C1.prt", ItemKind::part));
    QTest::keyClicks(&Tree(), "C57");
    CTreeItem* c57 = Nav().FindItem(kG1 + "\\C57.prt", ItemKind::part);
    EXPECT_EQ(Nav().MarkedItems(), std::vector<CTreeItem*>{c57});

    QTest::keyClick(&Tree(), Qt::Key_Return);
    ASSERT_EQ(Windows().size(), 1);
    EXPECT_EQ(dynamic_cast<CChildFrame*>(Windows()[0])->Document()->GetPathName(), kG1 + "\\C57.prt");
}

TEST_F(ProgramFlows, ArrowsMoveTheMarkAndFileOpenOpensIt)
{
    for (const char* mark : {"C1", "C5", "C10"})
        PutPart("G1", mark);
    Start();
    Group(kG1);
    CTreeItem* c1 = Nav().FindItem(kG1 + "\\C1.prt", ItemKind::part);
    ClickItem(c1);
    auto* next = static_cast<CTreeItem*>(Tree().itemBelow(c1));
    ASSERT_NE(next, nullptr);
    QTest::keyClick(&Tree(), Qt::Key_Down);
    EXPECT_EQ(Nav().MarkedItems(), std::vector<CTreeItem*>{next});
    program->NavBar()->OnFileCommand(nav::Code(nav::Action::open, nav::Object::part));
    ASSERT_EQ(Windows().size(), 1);
    EXPECT_EQ(dynamic_cast<CChildFrame*>(Windows()[0])->Document()->GetPathName(), next->Path());
}

} // namespace
