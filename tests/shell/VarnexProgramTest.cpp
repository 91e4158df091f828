#include "shell/ui/VarnexProgram.h"
#include "shell/ui/MainFrame.h"
#include "model/CommandIds.h"
#include "shell/ui/ChildFrame.h"
#include "shell/ui/DimensionControl.h"
#include "shell/ui/FrameAccelerators.h"
#include "shell/ui/HelpWindow.h"
#include "shell/ui/SplashWnd.h"
#include "machmult/MachineDoc.h"
#include "model/ShapeDoc.h"
#include "model/ToolDoc.h"
#include "machmult/IMultDoc.h"
#include "machmult/ui/HmultSplitterFrame.h"
#include "machmult/ui/ModalRunner.h"
#include "machmult/ui/MultView.h"
#include "machmult/ui/PartListView.h"
#include "machmult/PartDragPayload.h"
#include "partprog/IPartDoc.h"
#include "partprog/PartDoc.h"
#include "partprog/ui/FaceView.h"
#include "partprog/ui/PartView.h"
#include "partprog/ui/PatternView.h"
#include "partprog/ui/SplitterFrame.h"
#include "partprog/ui/TabView.h"
#include "partprog/FaceTool.h"
#include "fw/core/Archive.h"
#include "shell/VarnexStrings.h"
#include "tests/fw/TempDrives.h"
#include "tests/machmult/MultTestSupport.h"
#include "tests/shell/QtFixture.h"
#include "tests/shell/TestDocument.h"
#include "tests/support/TempHome.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QSplitter>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QDropEvent>
#include <QTest>
#include <QDockWidget>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>

namespace {

using Calls = std::vector<std::string>;

class ProgramTest : public test::QtFixture {
protected:
    TempDrives drives;

    // Choose Tool answers Cancel while it lives; the chooser before it comes back after.
    struct NoToolChooser {
        CFaceView::ToolChooser before = CFaceView::SetToolChooser([](QWidget*) { return std::string(); });
        ~NoToolChooser() { CFaceView::SetToolChooser(before); }
    };

    // A program whose shape template has the test document and view.
    static VarnexProgram::Options Options()
    {
        VarnexProgram::Options options;
        options.documents[TemplateId::shape] = [] { return std::make_unique<test::TextDoc>(); };
        options.frames[TemplateId::shape] = {[](fw::Document&) { return new test::TextView; }};
        return options;
    }

    static QList<QMdiSubWindow*> Windows(VarnexProgram& program) { return program.MainFrame()->MdiArea().subWindowList(); }
    // A new part (made in the group given, or by File > New) saved as B14 is titled "B14.prt".
    void ExpectNewPartTitledAfterSave(const char* group);

    // Part B12 (2 off, W 12X26) saved as "C:\Kestrom\Jobs\NONE\NONE\B12.prt".
    // Mult kMultM1 of that quantity on a W 12X26 stock and machine PUNCH1.
    static constexpr const char* kMultM1 = "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt";
    void SaveMultM1(std::uint32_t quantity) const
    {
        const multtest::Bytes shape = multtest::ShapeFile("W ", "12X26", modeltest::k12, modeltest::k4, 0);
        const multtest::Bytes machine = multtest::MachineFile("PUNCH1", 3);
        TempDrives::Put(drives.C() / "Kestrom/Shapes/W 12X26.shp", std::string(shape.begin(), shape.end()));
        TempDrives::Put(drives.C() / "Kestrom/Machines/PUNCH1.mch", std::string(machine.begin(), machine.end()));
        CMultDoc saved;
        MultRecord data = multtest::SampleMultRecord("PUNCH1");
        data.quantity = quantity;
        ASSERT_TRUE(saved.SetMultData(data));
        ASSERT_TRUE(saved.OnSaveDocument(saved.BuildMultPath()));
    }

    // Part B12 saved and opened as a pattern file: the one part programming window, or null.
    CChildFrame* OpenB12Pattern(VarnexProgram& program) const
    {
        SaveB12();
        const std::filesystem::path folder = drives.C() / "Kestrom/Jobs/NONE/NONE";
        TempDrives::Put(folder / "B12.pat", TempDrives::Get(folder / "B12.prt"));
        program.Documents().OpenFile("C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.pat");
        const QList<QMdiSubWindow*> windows = Windows(program);
        return windows.size() == 1 ? dynamic_cast<CChildFrame*>(windows[0]) : nullptr;
    }

    void SaveB12() const
    {
        CShapeDoc shape;
        shape.SetShapeData("W ", "12X26", 12, 0.5, 4, 1, 2, 26, "W12 X 26", shapeBeam, 1);
        fw::Archive ar;
        shape.Serialize(ar);
        const std::vector<std::uint8_t> bytes = ar.TakeBytes();
        TempDrives::Put(drives.C() / "Kestrom/Shapes/W 12X26.shp", std::string(bytes.begin(), bytes.end()));
        CPartDoc part;
        PartRecord record;
        record.mark = "B12";
        record.quantity = 2;
        record.shapeDesctp = "W ";
        record.shapeDesc = "12X26";
        ASSERT_TRUE(part.SetPartRecord(record));
        ASSERT_TRUE(part.OnFileSave());
    }
};

// View > <command> is offered for the active window that has the toolbar and shows or hides it.
void ExpectViewTogglesToolBar(VarnexProgram& program, QWidget& window, const char* command, const char* title)
{
    auto* bar = window.findChild<QToolBar*>(QString::fromLatin1(title));
    ASSERT_NE(bar, nullptr);
    QMenu* view = nullptr;
    for (QAction* menu : program.MainFrame()->menuBar()->actions())
        if (menu->text() == "&View")
            view = menu->menu();
    ASSERT_NE(view, nullptr);
    QAction* toggle = program.MainFrame()->Command(command);
    ASSERT_NE(toggle, nullptr);
    emit view->aboutToShow();
    ASSERT_TRUE(toggle->isEnabled());
    EXPECT_TRUE(toggle->isChecked());
    toggle->trigger();
    EXPECT_TRUE(bar->isHidden());
    emit view->aboutToShow();
    EXPECT_FALSE(toggle->isChecked());
    toggle->trigger();
    EXPECT_FALSE(bar->isHidden());
}

TEST_F(ProgramTest, StartsWithItsMainWindowMenusToolbarNavigatorAndTemplatesInOrder)
{
    VarnexProgram program(Options());
    ASSERT_TRUE(program.Start({}));
    CMainFrame* frame = program.MainFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->isMaximized());   // no placement stored yet
    EXPECT_EQ(frame->menuBar()->actions().size(), 5);
    EXPECT_FALSE(frame->ToolBar().actions().isEmpty());
    EXPECT_EQ(frame->dockWidgetArea(&frame->NavigatorBar()), Qt::LeftDockWidgetArea);

    std::vector<std::string> names;
    for (const auto& t : program.Documents().Manager().GetTemplates())
        names.push_back(t->GetDocString(fw::DocTemplate::docName) + t->GetFilterExtension());
    EXPECT_EQ(names, (std::vector<std::string>{"Part.prt", "Pattern.pat", "Pattern.pat", "Pattern.pat", "Mult.mlt",
                                               "Mult.mlt", "Mult.mlt", "Shape.shp", "Tool.tl", "Machine.mch",
                                               "Pattern.pat"}));
    EXPECT_EQ(program.Documents().Manager().FindTemplate("C:\\J\\M 1.MLT"),
              &program.Documents().Template(TemplateId::mult));
}

TEST_F(ProgramTest, EmbeddingStartsWithoutAWindow)
{
    const auto before = QApplication::topLevelWidgets().size();
    for (const char* flag : {"/Embedding", "/Automation"}) {
        VarnexProgram program(Options());
        ASSERT_TRUE(program.Start({flag}));
        EXPECT_EQ(program.MainFrame(), nullptr);
        EXPECT_FALSE(program.App().HasMainWindow());
        EXPECT_EQ(QApplication::topLevelWidgets().size(), before);
    }
}

TEST_F(ProgramTest, ItemsWithoutTheirDocumentsSayTheyCannotBeOpenedYet)
{
    VarnexProgram program(Options());
    program.Start({});
    struct Case {
        int code;
        const char* path;
        const char* text;
    };
    const Case cases[] = {
        {0x11, "C:\\Kestrom\\Jobs\\J1\\G1\\NULL", "Part documents cannot be opened yet."},
        {0x12, nullptr, "Mult documents cannot be opened yet."},
        {0x14, nullptr, "Tool documents cannot be opened yet."},
        {0x15, nullptr, "Machine documents cannot be opened yet."},
        {0x21, "C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt", "Part documents cannot be opened yet."},
        {0x22, kMultM1, "Mult documents cannot be opened yet."},
        {0x51, "C:\\J\\G\\B12.prt|",
         "The part file C:\\J\\G\\B12.prt could not be read; no further opposite-hand parts are made."},
        {0x21, "C:\\J\\G\\B12.txt", "ERROR: Invalid File -- On File C:\\J\\G\\B12.txt"},
    };
    for (const Case& c : cases) {
        messages->Answer(fw::IDOK);
        program.App().DoNavAction(c.code, c.path);
        ASSERT_FALSE(messages->Shown().empty());
        EXPECT_EQ(messages->Shown().back().text, c.text) << std::hex << c.code;
    }
    EXPECT_EQ(messages->Shown().size(), std::size(cases));
    EXPECT_TRUE(Windows(program).isEmpty());
    for (const auto& t : program.Documents().Manager().GetTemplates())
        EXPECT_TRUE(t->GetDocuments().empty());
}

TEST_F(ProgramTest, ReportCodesOpenOneReportWindowAndPrintCodesPrint)
{
    VarnexProgram program(Options());
    program.Start({});
    program.App().DoNavAction(0xB0, "C:\\Kestrom\\Jobs");
    program.App().DoNavAction(0xC0, "C:\\Kestrom\\Jobs");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(program.Reports().Current());
    EXPECT_EQ(program.Reports().Current()->View().Kind(), ReportKind::parts);

    const QString pdf = QDir::temp().filePath(QStringLiteral("varnex-program-print.pdf"));
    program.Printers().SetPdfOutput(pdf);
    std::vector<int> asked;
    program.Printing().SetDialogs([&](PartPrintOptions& o) { asked.push_back(o.detailsAvailable); o.coverPage = 1; return true; },
                                  [&](MultPrintOptions&) { asked.push_back(2); return false; });
    messages->Answer(fw::IDOK);
    program.App().DoNavAction(0x41, "C:\\J\\G\\B12.prt|");
    program.App().DoNavAction(0x32, "C:\\J\\G\\M 1.mlt|");   // options cancelled: nothing printed
    EXPECT_EQ(asked, (std::vector<int>{1, 2}));
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_NE(messages->Shown()[0].text.find("C:\\J\\G\\B12.prt"), std::string::npos);
    EXPECT_TRUE(QFile::exists(pdf));
    QFile::remove(pdf);
}

TEST_F(ProgramTest, ShapeDocumentsOpenEditAndSaveInTheirOwnWindows)
{
    VarnexProgram program(Options());
    program.Start({});
    CVarnexApp& app = program.App();

    app.DoNavAction(0x13, nullptr);   // a new shape
    ASSERT_EQ(Windows(program).size(), 1);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "Shape1[*]");
    auto* view = dynamic_cast<test::TextView*>(frame->View());
    ASSERT_NE(view, nullptr);
    view->setText("W 12X26");
    emit view->textEdited("W 12X26");
    fw::Document* document = frame->Document();
    ASSERT_TRUE(document->IsModified());
    std::filesystem::create_directories(drives.C() / "Kestrom" / "Shapes");
    ASSERT_TRUE(document->DoSave("C:\\Kestrom\\Shapes\\W 12X26.shp"));
    EXPECT_EQ(TempDrives::Get(drives.C() / "Kestrom" / "Shapes" / "W 12X26.shp"), std::string("\x07W 12X26", 8));

    // Closing the saved document's window asks nothing and closes the document.
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows(program).isEmpty());
    EXPECT_TRUE(program.Documents().Template(TemplateId::shape).GetDocuments().empty());

    // Opened again from its file, once: a second open brings the same window forward.
    app.DoNavAction(0x23, "C:\\Kestrom\\Shapes\\W 12X26.shp");
    app.DoNavAction(0x83, "c:\\kestrom\\shapes\\w 12x26.shp");
    ASSERT_EQ(Windows(program).size(), 1);
    EXPECT_EQ(dynamic_cast<test::TextView*>(dynamic_cast<CChildFrame*>(Windows(program)[0])->View())->text(), "W 12X26");
    EXPECT_EQ(program.Documents().Manager().GetRecentFiles().front(), "C:\\Kestrom\\Shapes\\W 12X26.shp");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, CreateFromAShapeFileGivesAnUntitledCopy)
{
    TempDrives::Put(drives.C() / "Kestrom" / "Shapes" / "W 8X10.shp", std::string("\x06W 8X10", 7));
    VarnexProgram program(Options());
    program.Start({});
    program.App().DoNavAction(0x13, "C:\\Kestrom\\Shapes\\W 8X10.shp");
    ASSERT_EQ(Windows(program).size(), 1);
    auto* copy = static_cast<test::TextDoc*>(dynamic_cast<CChildFrame*>(Windows(program)[0])->Document());
    EXPECT_EQ(copy->GetPathName(), "");
    EXPECT_EQ(copy->GetTitle(), "W 8X10.shp");
    EXPECT_EQ(copy->text, "W 8X10");
    EXPECT_EQ(copy->GetDocumentState(), CSmartDoc::stateNew);
    EXPECT_FALSE(copy->IsSaveAllowed());   // until a key field names another file

    // Saving the copy over its original is refused.
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(copy->OnSaveDocument("C:\\Kestrom\\Shapes\\W 8X10.shp"));
    EXPECT_EQ(messages->Shown().back().text, LoadVarnexString(CSmartDoc::IDS_SAVE_ON_TOP_OF_OLD));
    EXPECT_EQ(TempDrives::Get(drives.C() / "Kestrom" / "Shapes" / "W 8X10.shp"), std::string("\x06W 8X10", 7));
}

TEST_F(ProgramTest, ClosingAModifiedDocumentsLastWindowAsksToSave)
{
    VarnexProgram program(Options());
    program.Start({});
    program.App().DoNavAction(0x13, nullptr);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    frame->Document()->SetModifiedFlag();

    messages->Answer(fw::IDCANCEL);
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(messages->Shown().back().text, "Save changes to Shape1?");
    EXPECT_EQ(program.Documents().Template(TemplateId::shape).GetDocuments().size(), 1u);

    messages->Answer(fw::IDNO);
    EXPECT_TRUE(frame->close());
    EXPECT_TRUE(program.Documents().Template(TemplateId::shape).GetDocuments().empty());
}

TEST_F(ProgramTest, RecentFilesComeFromAndGoToTheProfile)
{
    Profile().WriteProfileString("Recent File List", "File1", "C:\\S\\A.shp");
    {
        VarnexProgram program(Options());
        program.Start({});
        EXPECT_EQ(program.Documents().Manager().GetRecentFiles().size(), 1u);
        program.Documents().Manager().AddToRecentFileList("C:\\S\\B.shp");

        // The File menu lists them, most recent first, before Exit.
        QMenu* file = program.MainFrame()->menuBar()->actions().front()->menu();
        emit file->aboutToShow();
        QStringList texts;
        for (QAction* action : file->actions())
            texts << action->text();
        const auto exit = texts.indexOf("E&xit");
        ASSERT_GE(exit, 3);
        EXPECT_EQ(texts.mid(exit - 3, 3), (QStringList{"&1 C:\\S\\B.shp", "&2 C:\\S\\A.shp", ""}));

        // Opening the menu again lists the same, with one separator above the files.
        const auto separators = [file] {
            const QList<QAction*> actions = file->actions();
            return std::count_if(actions.begin(), actions.end(),
                                 [](QAction* a) { return a->isSeparator() && a->isVisible(); });
        };
        const auto before = separators();
        emit file->aboutToShow();
        emit file->aboutToShow();
        EXPECT_EQ(separators(), before);
    }
    EXPECT_EQ(Profile().GetProfileString("Recent File List", "File1"), "C:\\S\\B.shp");
    EXPECT_EQ(Profile().GetProfileString("Recent File List", "File2"), "C:\\S\\A.shp");
}

TEST_F(ProgramTest, ShapeToolAndMachineWindowsOfThisBuild)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    CVarnexApp& app = program.App();
    struct Case {
        int code;
        unsigned toolBar;
        QStringList commands;
    };
    const Case cases[] = {
        {0x13, 246, {"&Save", "Save/&New"}},
        {0x14, 247, {"&Save", "Save/&New"}},
        {0x15, 248, {"&Save", "Save/New", "", "&Specifics"}},
    };
    for (const Case& c : cases) {
        app.DoNavAction(c.code, nullptr);
        auto* frame = dynamic_cast<CChildFrame*>(program.MainFrame()->MdiArea().activeSubWindow());
        ASSERT_NE(frame, nullptr) << c.code;
        auto* toolBar = frame->findChild<QToolBar*>(QStringLiteral("ToolBar%1").arg(c.toolBar));
        ASSERT_NE(toolBar, nullptr) << c.code;
        QStringList commands;
        for (QAction* action : toolBar->actions())
            commands << action->text();
        EXPECT_EQ(commands, c.commands);
        EXPECT_EQ(frame->Document()->GetViews().size(), 1u);
    }
    EXPECT_NE(dynamic_cast<CShapeDoc*>(dynamic_cast<CChildFrame*>(Windows(program)[0])->Document()), nullptr);
    EXPECT_NE(dynamic_cast<CToolDoc*>(dynamic_cast<CChildFrame*>(Windows(program)[1])->Document()), nullptr);
    EXPECT_NE(dynamic_cast<CMachineDoc*>(dynamic_cast<CChildFrame*>(Windows(program)[2])->Document()), nullptr);
    EXPECT_TRUE(fw::ClassRegistry::Instance().IsRegistered("Varnex.Shape"));
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, PartAndMultAutomationObjectsComeFromTheRegistry)
{
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    ASSERT_TRUE(program.Start({"/Embedding"}));
    for (const char* name : {"Varnex.PartDoc", IPartDoc::kClassId}) {
        std::unique_ptr<IPartDoc> part = fw::ClassRegistry::Instance().CreateAs<IPartDoc>(name);
        ASSERT_NE(part, nullptr) << name;
        EXPECT_EQ(part->RefPlane(1, 2, 0, 0, "+", "-", "B"), fw::S_OK);
        EXPECT_EQ(part->SavePart(), fw::E_UNEXPECTED);   // no shape yet
    }
    for (const char* name : {"CMultPart", "CZoneTool", "CPartToolVC", "CStencilPattern", "CTubeMultShape"})
        EXPECT_NE(fw::RuntimeClass::FromName(name), nullptr) << name;
    for (const char* name : {"Varnex.MultDoc", IMultDoc::kClassId}) {
        std::unique_ptr<IMultDoc> mult = fw::ClassRegistry::Instance().CreateAs<IMultDoc>(name);
        ASSERT_NE(mult, nullptr) << name;
        EXPECT_EQ(mult->CheckMachine("NOSUCH"), 1);
        EXPECT_EQ(mult->SaveMult(), 1);   // no shape, no machine
    }
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, MultsOpenInTheMultInformationWindow)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveMultM1(2);

    program.App().DoNavAction(0x22, kMultM1);
    program.App().DoNavAction(0x12, nullptr);   // File New > Mult
    ASSERT_EQ(Windows(program).size(), 2);
    const QString marks[] = {"M", "Mult"};
    for (int i = 0; i < 2; ++i) {
        auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[i]);
        ASSERT_NE(frame, nullptr);
        auto* view = dynamic_cast<machui::CMultView*>(frame->View());
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->findChild<QLineEdit*>("1002")->text(), marks[i]);
        EXPECT_EQ(view->findChild<QLineEdit*>("1002")->isEnabled(), i == 1);
        auto* toolBar = frame->findChild<QToolBar*>(QStringLiteral("ToolBar245"));
        ASSERT_NE(toolBar, nullptr);
        QStringList commands;
        for (QAction* action : toolBar->actions())
            commands << action->text();
        EXPECT_EQ(commands, (QStringList{"&Save", "Save/New", "", "&Specifics", "Choose Shape", "AutoMult"}));
    }
    EXPECT_EQ(dynamic_cast<CChildFrame*>(Windows(program)[0])->Document()->GetPathName(),
              kMultM1);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, SpecificsOpensTheHandMultWindowOnTheMult)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveMultM1(1);
    program.App().DoNavAction(0x22, kMultM1);
    ASSERT_EQ(Windows(program).size(), 1);
    auto* info = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* view = dynamic_cast<machui::CMultView*>(info->View());
    ASSERT_NE(view, nullptr);
    std::vector<std::string> dialogs;
    const machui::ModalRunner previous = machui::SetModalRunner([&](QDialog& dialog) {
        dialogs.push_back(dialog.windowTitle().toStdString());
        return int(QDialog::Rejected);
    });
    view->ToolBarActions()[3]->trigger();   // Specifics
    machui::SetModalRunner(previous);
    EXPECT_EQ(dialogs, std::vector<std::string>{"Hand Mult Setup"});
    ASSERT_EQ(Windows(program).size(), 2);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[1]);
    ASSERT_NE(frame->findChild<machui::CHmultSplitterFrame*>(), nullptr);
    EXPECT_EQ(frame->Document(), info->Document());
    EXPECT_TRUE(messages->Shown().empty());
    ExpectViewTogglesToolBar(program, *frame, "ID_VIEW_HANDMULT_TOOLS", "Hand Mult Tools");

    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Windows(program).size(), 1);
    EXPECT_NE(Profile().GetProfileString("Layout", "HMultView", ""), "");
}

TEST_F(ProgramTest, ShapeWindowKeepsItsPlaceWhenRetained)
{
    InstallDimensionControl();
    Profile().WriteProfileInt("Current Settings", "Retain Shape Information Window Position", 1);
    Profile().WriteProfileString("Layout", "ShapeView", "20,30,300,250");
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    program.App().DoNavAction(0x13, nullptr);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    EXPECT_EQ(frame->geometry(), QRect(20, 30, 300, 250));
    frame->setGeometry(40, 50, 320, 260);
    frame->CloseFrame();
    EXPECT_EQ(Profile().GetProfileString("Layout", "ShapeView"), "40,50,320,260");
}

TEST_F(ProgramTest, ASavedPartOpensInThePartInformationWindow)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();

    program.App().DoNavAction(0x21, "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");
    ASSERT_EQ(Windows(program).size(), 1);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    ASSERT_NE(frame, nullptr);
    auto* view = dynamic_cast<CPartView*>(frame->View());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "Part Information");
    EXPECT_EQ(view->Edit(CPartView::IDC_MARK).text(), "B12");
    EXPECT_FALSE(view->Edit(CPartView::IDC_MARK).isEnabled());
    EXPECT_TRUE(view->IsShapeValid());
    EXPECT_EQ(view->Section(0).GetDecimalInches(), 12.0);
    auto* toolBar = frame->findChild<QToolBar*>(QStringLiteral("ToolBar243"));
    ASSERT_NE(toolBar, nullptr);
    QStringList commands;
    for (QAction* action : toolBar->actions())
        commands << action->text();
    EXPECT_EQ(commands, (QStringList{"&Save", "Save/New", "", "&Specifics", "Choose Shape"}));
    EXPECT_FALSE(frame->Document()->IsModified());
    EXPECT_TRUE(messages->Shown().empty());

    // File New > Part: a new part named "Part" in its own window.
    program.App().DoNavAction(0x11, nullptr);
    ASSERT_EQ(Windows(program).size(), 2);
    auto* part = dynamic_cast<CPartView*>(dynamic_cast<CChildFrame*>(Windows(program)[1])->View());
    ASSERT_NE(part, nullptr);
    EXPECT_EQ(part->Edit(CPartView::IDC_MARK).text(), "Part");
    EXPECT_TRUE(part->Edit(CPartView::IDC_MARK).isEnabled());
}

} // namespace

TEST_F(ProgramTest, CtrlSSavesTheModifiedPartOfItsOwnWindowOnly)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();
    const std::filesystem::path file = drives.C() / "Kestrom/Jobs/NONE/NONE/B12.prt";
    const std::string stored = TempDrives::Get(file);

    const std::filesystem::path copy = drives.C() / "Kestrom/Jobs/NONE/NONE/B13.prt";
    TempDrives::Put(copy, stored);
    program.App().DoNavAction(0x21, "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");
    program.App().DoNavAction(0x21, "C:\\Kestrom\\Jobs\\NONE\\NONE\\B13.prt");   // a second window with its Save
    ASSERT_EQ(Windows(program).size(), 2);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* other = dynamic_cast<CChildFrame*>(Windows(program)[1]);
    ASSERT_TRUE(frame && other);
    auto* view = dynamic_cast<CPartView*>(frame->View());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(frame->windowTitle(), "B12.prt[*]");

    if (CSplashWnd* splash = CSplashWnd::Instance())   // a key takes the splash away first
        QTest::keyClick(splash, Qt::Key_Escape);
    QLineEdit& quantity = view->Edit(CPartView::IDC_QUANTITY);
    quantity.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(quantity.window()));
    program.MainFrame()->MdiArea().setActiveSubWindow(frame);
    quantity.setFocus();
    quantity.selectAll();
    QTest::keyClicks(&quantity, "5");   // taken by the save, which first commits the fields
    QTest::keyClick(&quantity, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(frame->Document()->IsModified());
    EXPECT_NE(TempDrives::Get(file), stored);
    EXPECT_EQ(static_cast<CPartDoc*>(frame->Document())->Header().quantity, 5u);
    EXPECT_EQ(frame->windowTitle(), "B12.prt[*]");
    EXPECT_EQ(TempDrives::Get(copy), stored);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, AfterASaveTheWindowIsTitledWithTheDocumentsName)
{
    VarnexProgram program(Options());
    program.Start({});
    program.App().DoNavAction(0x13, nullptr);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->windowTitle(), "Shape1[*]");
    std::filesystem::create_directories(drives.C() / "Kestrom" / "Shapes");
    ASSERT_TRUE(frame->Document()->DoSave("C:\\Kestrom\\Shapes\\W 12X26.shp"));
    frame->UpdateCommands();   // as the program does while idle
    EXPECT_EQ(frame->windowTitle(), "W 12X26.shp[*]");
}

TEST_F(ProgramTest, APatternFileOpensInThePartProgrammingWindow)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    CChildFrame* frame = OpenB12Pattern(program);
    ASSERT_NE(frame, nullptr);
    auto* programming = frame->findChild<CSplitterFrame*>();
    ASSERT_NE(programming, nullptr);
    EXPECT_EQ(programming->TabView().GetPageCount(), 3);
    EXPECT_EQ(programming->TabView().GetCurrentPage(), 1);
    EXPECT_TRUE(frame->isMaximized());   // no layout stored yet
    EXPECT_TRUE(messages->Shown().empty());
    frame->CloseFrame();
    EXPECT_EQ(Profile().GetProfileInt("Layout", "MaximizePattern", -1), 1);
}

TEST_F(ProgramTest, SpecificsOpensThePartProgrammingWindowOnThePart)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    Profile().WriteProfileInt("Layout", "MaximizePattern", 0);
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();
    program.App().DoNavAction(0x21, "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");
    ASSERT_EQ(Windows(program).size(), 1);
    auto* info = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* view = dynamic_cast<CPartView*>(info->View());
    ASSERT_NE(view, nullptr);
    view->ToolBarActions()[3]->trigger();   // Specifics
    ASSERT_EQ(Windows(program).size(), 2);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[1]);
    auto* programming = frame->findChild<CSplitterFrame*>();
    ASSERT_NE(programming, nullptr);
    EXPECT_EQ(frame->Document(), info->Document());
    EXPECT_EQ(programming->TabView().GetPageCount(), 3);
    EXPECT_FALSE(frame->isMaximized());
    EXPECT_EQ(static_cast<CPartDoc*>(info->Document())->GetKeyFieldsFlag(), 0);
    EXPECT_TRUE(messages->Shown().empty());
    ExpectViewTogglesToolBar(program, *frame, "ID_VIEW_PROGRAMMING_TOOLS", "Programming Tools");

    // Closing the programming window leaves the part open in its information window.
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Windows(program).size(), 1);
    EXPECT_EQ(static_cast<CPartDoc*>(info->Document())->GetKeyFieldsFlag(), 1);
}

TEST_F(ProgramTest, ClosingThePartInformationWindowAsksAboutItsFieldsWhileTheProgrammingWindowStaysOpen)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();
    const std::filesystem::path file = drives.C() / "Kestrom/Jobs/NONE/NONE/B12.prt";
    const std::string stored = TempDrives::Get(file);
    program.App().DoNavAction(0x21, "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");
    auto* info = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* view = dynamic_cast<CPartView*>(info->View());
    ASSERT_NE(view, nullptr);
    auto* part = static_cast<CPartDoc*>(info->Document());
    view->Edit(CPartView::IDC_QUANTITY).setText("5");
    view->ToolBarActions()[3]->trigger();   // Specifics takes the form
    ASSERT_EQ(Windows(program).size(), 2);
    EXPECT_EQ(part->Header().quantity, 5u);
    EXPECT_TRUE(part->IsModified());

    // A window without fields of its own closes without a question while another shows the part.
    EXPECT_TRUE(Windows(program)[1]->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Windows(program).size(), 1);
    EXPECT_TRUE(messages->Shown().empty());

    view->ToolBarActions()[3]->trigger();
    ASSERT_EQ(Windows(program).size(), 2);
    auto* programming = dynamic_cast<CChildFrame*>(Windows(program)[1]);
    view->Edit(CPartView::IDC_QUANTITY).setText("7");   // typed, not yet in the document

    messages->Answer(fw::IDCANCEL);
    EXPECT_FALSE(info->close());   // Cancel keeps the window
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "Update the Document with these values?");
    messages->Answer(fw::IDNO);
    EXPECT_TRUE(info->close());   // No: the typed quantity goes, the document stays open
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Windows(program).size(), 1);
    EXPECT_EQ(part->Header().quantity, 5u);
    EXPECT_EQ(messages->Shown().size(), 2u);

    // The last window asks to save.
    messages->Answer(fw::IDCANCEL);
    EXPECT_FALSE(programming->close());
    EXPECT_EQ(messages->Shown().back().text, "Save changes to B12.prt?");
    messages->Answer(fw::IDNO);
    EXPECT_TRUE(programming->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows(program).empty());
    EXPECT_EQ(TempDrives::Get(file), stored);   // No keeps the file as it was
    EXPECT_EQ(messages->Shown().size(), 4u);
}

TEST_F(ProgramTest, ClosingTheMultFormBesideTheHandMultWindowAsksAboutItsFieldsAndTheLastAsksToSave)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveMultM1(1);
    const std::filesystem::path file = drives.C() / "Kestrom/Jobs/J1/G1/M 1.mlt";
    const std::string stored = TempDrives::Get(file);
    program.App().DoNavAction(0x22, kMultM1);
    auto* info = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* view = dynamic_cast<machui::CMultView*>(info->View());
    ASSERT_NE(view, nullptr);
    const machui::ModalRunner previous = machui::SetModalRunner([](QDialog&) { return int(QDialog::Rejected); });
    view->ToolBarActions()[3]->trigger();   // Specifics: the hand-mult window
    machui::SetModalRunner(previous);
    ASSERT_EQ(Windows(program).size(), 2);
    auto* handMult = dynamic_cast<CChildFrame*>(Windows(program)[1]);

    info->Document()->SetModifiedFlag();
    messages->Answer(fw::IDCANCEL);
    EXPECT_FALSE(info->close());
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "Update the Document with these values?");
    messages->Answer(fw::IDYES);
    EXPECT_TRUE(info->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Windows(program).size(), 1);

    messages->Answer(fw::IDNO);
    EXPECT_TRUE(handMult->close());
    EXPECT_EQ(messages->Shown().back().text, "Save changes to M 1.mlt?");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(Windows(program).empty());
    EXPECT_EQ(TempDrives::Get(file), stored);
}
namespace {

// The titles of the main menu bar.
QStringList MenuTitles(const QMainWindow& window)
{
    QStringList titles;
    for (const QAction* menu : window.menuBar()->actions())
        titles << menu->text();
    return titles;
}

QMenu* MainMenu(const QMainWindow& window, const QString& title)
{
    for (const QAction* menu : window.menuBar()->actions())
        if (menu->text() == title)
            return menu->menu();
    return nullptr;
}

QAction* Entry(const QMenu& menu, const QString& text)
{
    for (QAction* action : menu.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

} // namespace

TEST_F(ProgramTest, TheActivePartProgrammingWindowsMenusJoinTheMainMenusAndRunItsCommands)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    Profile().WriteProfileInt("Layout", "MaximizePattern", 0);
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    program.ShowMainFrame(CVarnexApp::kShowNormal);
    SaveB12();
    program.App().DoNavAction(0x21, "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");
    ASSERT_EQ(Windows(program).size(), 1);
    auto* info = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* partView = dynamic_cast<CPartView*>(info->View());
    ASSERT_NE(partView, nullptr);
    CMainFrame& main = *program.MainFrame();
    const QStringList own{"&File", "&View", "&Machine", "&Window", "&Help"};
    EXPECT_EQ(MenuTitles(main), own);
    QMenu* view = MainMenu(main, "&View");
    ASSERT_NE(view, nullptr);
    const qsizetype ownViewEntries = view->actions().size();

    QAction* specifics = partView->ToolBarActions()[3];
    specifics->trigger();
    ASSERT_EQ(Windows(program).size(), 2);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[1]);
    auto* programming = frame->findChild<CSplitterFrame*>();
    ASSERT_NE(programming, nullptr);
    EXPECT_EQ(main.MdiArea().currentSubWindow(), frame);
    EXPECT_EQ(MenuTitles(main), (QStringList{"&File", "&Edit", "&View", "&Tools", "&Machine", "&Window", "&Help"}));
    EXPECT_EQ(MainMenu(main, "&Edit"), programming->Menus()[0]);
    EXPECT_EQ(MainMenu(main, "&Tools"), programming->Menus()[2]);

    // View gains the window's entries after a separator; they act on this window.
    ASSERT_EQ(view->actions().size(), ownViewEntries + 4);
    EXPECT_TRUE(view->actions()[ownViewEntries]->isSeparator());
    QAction* material = Entry(*view, "&Material Window");
    ASSERT_EQ(material, programming->Action(ID_VIEW_MATERIAL_WINDOW));
    material->trigger();
    EXPECT_EQ(main.focusWidget(), programming->CurrentFaceView());
    Entry(*view, "&Pattern Window")->trigger();
    EXPECT_TRUE(programming->PatternView().isAncestorOf(main.focusWidget()));
    // Opening View brings the window's entries up to date too.
    programming->Action(ID_STENCIL_LIST)->setEnabled(false);
    emit view->aboutToShow();
    EXPECT_TRUE(programming->Action(ID_STENCIL_LIST)->isEnabled());

    if (const char* shots = std::getenv("VARNEX_SHOTS")) {
        main.resize(1200, 800);
        frame->showMaximized();
        main.grab().save(QString(shots) + "/partwin-merged-menus.png");
        for (const char* title : {"&Tools", "&View"}) {
            QMenu* menu = MainMenu(main, title);
            menu->popup(main.mapToGlobal(QPoint(200, 20)));
            menu->grab().save(QString(shots) + "/partwin-menu-" + QString(title).mid(1).toLower() + ".png");
            menu->hide();
        }
        frame->showNormal();
    }

    // While the programming window is open the part's Specifics is greyed: one window per part.
    EXPECT_FALSE(specifics->isEnabled());
    specifics->trigger();
    EXPECT_EQ(Windows(program).size(), 2);

    // The part information window active: the menus are the main window's own again.
    main.MdiArea().setActiveSubWindow(info);
    EXPECT_EQ(MenuTitles(main), own);
    EXPECT_EQ(view->actions().size(), ownViewEntries);
    EXPECT_EQ(Entry(*view, "&Material Window"), nullptr);
    main.MdiArea().setActiveSubWindow(frame);
    EXPECT_EQ(view->actions().size(), ownViewEntries + 4);

    // Closed, the window takes its entries along; Specifics opens a new programming window.
    frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Windows(program).size(), 1);
    main.MdiArea().setActiveSubWindow(info);
    EXPECT_EQ(MenuTitles(main), own);
    EXPECT_EQ(view->actions().size(), ownViewEntries);
    ASSERT_TRUE(specifics->isEnabled());
    specifics->trigger();
    ASSERT_EQ(Windows(program).size(), 2);
    EXPECT_NE(Windows(program)[1]->findChild<CSplitterFrame*>(), nullptr);
    EXPECT_EQ(MenuTitles(main).size(), 7);
    EXPECT_TRUE(messages->Shown().empty());
}

namespace {

// Makes window the active one of the program with the focus in field.
void FocusInWindow(VarnexProgram& program, QMdiSubWindow& window, QWidget& field)
{
    if (CSplashWnd* splash = CSplashWnd::Instance())   // a key takes the splash away first
        QTest::keyClick(splash, Qt::Key_Escape);
    field.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(field.window()));
    program.MainFrame()->MdiArea().setActiveSubWindow(&window);
    field.setFocus();
    ASSERT_TRUE(field.hasFocus());
}

} // namespace

// File > New > Part, and New Part in a group of the navigator.
TEST_F(ProgramTest, ANewPartIsTitledWithItsFileNameOnceSaved)
{
    for (const char* group : {static_cast<const char*>(nullptr), "C:\\Kestrom\\Jobs\\NONE\\NONE\\NULL"})
        ExpectNewPartTitledAfterSave(group);
}

void ProgramTest::ExpectNewPartTitledAfterSave(const char* group)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();   // and its shape
    std::filesystem::remove(drives.C() / "Kestrom/Jobs/NONE/NONE/B14.prt");
    program.App().DoNavAction(0x11, group);
    ASSERT_EQ(Windows(program).size(), 1);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    ASSERT_NE(frame, nullptr);
    auto* view = dynamic_cast<CPartView*>(frame->View());
    ASSERT_NE(view, nullptr);

    QLineEdit& mark = view->Edit(CPartView::IDC_MARK);
    FocusInWindow(program, *frame, mark);
    mark.selectAll();
    QTest::keyClicks(&mark, "B14");
    view->OnFieldChanged(CPartView::IDC_MARK);
    view->TypeCombo().setCurrentText("W ");
    view->Edit(CPartView::IDC_DESC).setText("12X26");
    ASSERT_TRUE(view->LookUpShape());
    QTest::keyClick(&mark, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(std::filesystem::exists(drives.C() / "Kestrom/Jobs/NONE/NONE/B14.prt"));
    EXPECT_FALSE(frame->Document()->IsModified());
    frame->UpdateCommands();   // as the program does while idle
    EXPECT_EQ(frame->windowTitle(), "B14.prt[*]");
    EXPECT_EQ(frame->Document()->GetPathName(), "C:\\Kestrom\\Jobs\\NONE\\NONE\\B14.prt");
    EXPECT_TRUE(messages->Shown().empty());
}

// The frame's editing keys, each of its two keys, on the focused field of a document window.
TEST_F(ProgramTest, TheFramesEditingKeysActOnTheFocusedField)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    program.App().DoNavAction(0x15, nullptr);   // File New > Machine
    ASSERT_EQ(Windows(program).size(), 1);
    auto* frame = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    ASSERT_NE(frame, nullptr);
    auto* name = frame->findChild<QLineEdit*>(QStringLiteral("1104"));
    ASSERT_NE(name, nullptr);
    FocusInWindow(program, *frame, *name);

    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const struct {
        Key copy, cut, paste, undo;
    } schemes[] = {
        {{Qt::Key_C, Qt::ControlModifier}, {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
         {Qt::Key_Z, Qt::ControlModifier}},
        {{Qt::Key_Insert, Qt::ControlModifier},
         {Qt::Key_Delete, Qt::ShiftModifier},
         {Qt::Key_Insert, Qt::ShiftModifier},
         {Qt::Key_Backspace, Qt::AltModifier}},
    };
    const auto press = [name](const Key& k) { QTest::keyClick(name, k.key, k.modifiers); };
    for (const auto& keys : schemes) {
        name->setText("PUNCH");
        name->selectAll();
        QApplication::clipboard()->clear();
        press(keys.copy);
        EXPECT_EQ(QApplication::clipboard()->text(), "PUNCH");
        press(keys.cut);
        EXPECT_EQ(name->text(), "");
        press(keys.paste);
        press(keys.paste);
        EXPECT_EQ(name->text(), "PUNCHPUNCH");
        press(keys.undo);
        EXPECT_EQ(name->text(), "PUNCH");
    }

    // The table's own commands, as a desktop whose key scheme lacks a key reaches them.
    QAction* undo = FrameAccelerator(*frame, FrameCommand::undo);
    ASSERT_NE(undo, nullptr);
    EXPECT_TRUE(undo->isEnabled());
    name->setText("A");
    QTest::keyClicks(name, "B");
    undo->trigger();
    EXPECT_EQ(name->text(), "A");
    name->selectAll();
    FrameAccelerator(*frame, FrameCommand::cut)->trigger();
    EXPECT_EQ(name->text(), "");
    FrameAccelerator(*frame, FrameCommand::paste)->trigger();
    EXPECT_EQ(name->text(), "A");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, F6AndShiftF6MoveTheFocusBetweenThePanesOfASplitWindow)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    CChildFrame* frame = OpenB12Pattern(program);
    ASSERT_NE(frame, nullptr);
    auto* splitter = frame->findChild<QSplitter*>();
    ASSERT_NE(splitter, nullptr);
    ASSERT_EQ(splitter->count(), 2);
    QWidget* top = splitter->widget(0);
    QWidget* bottom = splitter->widget(1);
    const auto paneOfFocus = [&]() -> QWidget* {
        QWidget* focus = QApplication::focusWidget();
        for (QWidget* pane : {top, bottom})
            if (focus && (focus == pane || pane->isAncestorOf(focus)))
                return pane;
        return nullptr;
    };
    QWidget* first = top;
    while ((first->focusPolicy() & Qt::TabFocus) != Qt::TabFocus || !first->isVisible())
        first = first->nextInFocusChain();
    ASSERT_TRUE(top->isAncestorOf(first) || first == top);
    FocusInWindow(program, *frame, *first);
    ASSERT_EQ(paneOfFocus(), top);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(paneOfFocus(), bottom);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
    EXPECT_EQ(paneOfFocus(), top);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(paneOfFocus(), bottom);
    EXPECT_TRUE(messages->Shown().empty());
}

namespace {

// Part B12 open in its information window with the part programming window beside it; the
// information window's view, or null.
CPartView* OpenB12WithProgramming(VarnexProgram& program)
{
    program.App().DoNavAction(0x21, "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");
    auto* info = dynamic_cast<CChildFrame*>(program.MainFrame()->MdiArea().subWindowList().value(0));
    auto* view = info ? dynamic_cast<CPartView*>(info->View()) : nullptr;
    if (!view)
        return nullptr;
    view->ToolBarActions()[3]->trigger();   // Specifics
    return program.MainFrame()->MdiArea().subWindowList().size() == 2 ? view : nullptr;
}

CSplitterFrame* ProgrammingWindow(VarnexProgram& program)
{
    QMdiSubWindow* window = program.MainFrame()->MdiArea().subWindowList().value(1);
    return window ? window->findChild<CSplitterFrame*>() : nullptr;
}

// The Alt+letter keys of the mnemonics shown in a widget's buttons and labels.
std::set<QString> Mnemonics(const QWidget& widget)
{
    std::set<QString> keys;
    for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>())
        if (!QKeySequence::mnemonic(button->text()).isEmpty())
            keys.insert(QKeySequence::mnemonic(button->text()).toString());
    for (const QLabel* label : widget.findChildren<QLabel*>())
        if (label->buddy() && !QKeySequence::mnemonic(label->text()).isEmpty())
            keys.insert(QKeySequence::mnemonic(label->text()).toString());
    return keys;
}

} // namespace

TEST_F(ProgramTest, AddInTheProgrammingWindowKeepsWhatIsTypedInPartInformation)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();
    CPartView* view = OpenB12WithProgramming(program);
    ASSERT_NE(view, nullptr);
    CSplitterFrame* programming = ProgrammingWindow(program);
    ASSERT_NE(programming, nullptr);
    auto* part = static_cast<CPartDoc*>(programming->PatternView().GetDocument());

    // Typed in Part Information and not yet applied, then a pattern added beside it.
    const std::pair<int, QString> typed[] = {
        {CPartView::IDC_QUANTITY, "7"}, {CPartView::IDC_GRADE, "A572"}, {CPartView::IDC_FABCODE, "F9"},
        {CPartView::IDC_REMARKA, "PRIME"}};
    for (const auto& [id, text] : typed)
        view->Edit(id).setText(text);
    view->WebDepthBox().click();
    programming->PatternView().Lenbox(CPatternView::IDC_X_POSITION).SetDecimalInches(6);
    programming->PatternView().Button(CPatternView::IDC_ADD).click();
    ASSERT_EQ(programming->CurrentFaceView()->GetPatternList()->GetCount(), 1);
    for (const auto& [id, text] : typed)
        EXPECT_EQ(view->Edit(id).text(), text) << id;
    EXPECT_TRUE(view->WebDepthBox().isChecked());

    // Saved, the part has both.
    view->ToolBarActions()[0]->trigger();
    EXPECT_EQ(part->Header().quantity, 7u);
    EXPECT_EQ(part->Header().grade, "A572");
    EXPECT_EQ(part->Header().remarkA, "PRIME");
    EXPECT_EQ(part->Header().measureWebDepth, 1);
    EXPECT_FALSE(part->IsModified());
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, ChangingTheToolKeepsThePatternTypedInTheForm)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();
    // Each change takes a tool of its own, so each shows that it changed the tool.
    for (const std::string type : {"SQ", "HX", "CR"}) {
        CToolDoc tool;
        tool.SetToolData(1, 0, type, 0, 0);
        ASSERT_TRUE(tool.OnSaveDocument(CToolDoc::GetToolFilePath("1-" + type)));
    }
    ASSERT_NE(OpenB12WithProgramming(program), nullptr);
    CSplitterFrame* programming = ProgrammingWindow(program);
    ASSERT_NE(programming, nullptr);
    CPatternView& form = programming->PatternView();

    // A drop reaches the widget that took the drag's entry.
    const auto dropTool = [&form] {
        QMimeData data;
        data.setData(facetool::kToolListFormat, "C:\\Kestrom\\Tools\\1-SQ.tl|");
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&form, &drop);
    };
    struct Change {
        const char* name;
        const char* type;
        std::function<void()> run;
    };
    const Change changes[] = {
        {"tool drop", "SQ", dropTool},
        {"Choose Tool", "HX", [&] { ASSERT_TRUE(programming->Execute(ID_CHOOSE_TOOL)); }},
        {"Choose Global Tool", "CR", [&] { ASSERT_TRUE(programming->Execute(ID_CHOOSE_GLOBAL_TOOL)); }},
    };
    std::string chosen;
    const CFaceView::ToolChooser none = CFaceView::SetToolChooser([&chosen](QWidget*) { return chosen; });
    double x = 50;
    for (const auto& [name, type, change] : changes) {
        chosen = std::string("1-") + type;
        form.Lenbox(CPatternView::IDC_X_POSITION).SetDecimalInches(x);
        form.Lenbox(CPatternView::IDC_U_POSITION).SetDecimalInches(3);
        form.CountEdit(CPatternView::IDC_COUNT_X).setText("4");
        form.Lenbox(CPatternView::IDC_X_INCREMENT).SetDecimalInches(6);
        form.CountEdit(CPatternView::IDC_COUNT_U).setText("2");
        form.Lenbox(CPatternView::IDC_U_INCREMENT).SetDecimalInches(2.5);
        change();
        EXPECT_EQ(programming->CurrentFaceView()->GetTool()->GetType(), type) << name;
        EXPECT_EQ(form.Lenbox(CPatternView::IDC_X_POSITION).GetDecimalInches(), x) << name;
        EXPECT_EQ(form.Lenbox(CPatternView::IDC_U_POSITION).GetDecimalInches(), 3.0) << name;
        EXPECT_EQ(form.CountEdit(CPatternView::IDC_COUNT_X).text(), "4") << name;
        EXPECT_EQ(form.Lenbox(CPatternView::IDC_X_INCREMENT).GetDecimalInches(), 6.0) << name;
        EXPECT_EQ(form.CountEdit(CPatternView::IDC_COUNT_U).text(), "2") << name;
        EXPECT_EQ(form.Lenbox(CPatternView::IDC_U_INCREMENT).GetDecimalInches(), 2.5) << name;
        // Add takes what was typed, with the new tool.
        ASSERT_TRUE(form.Add()) << name;
        const CPattern* added = form.Editor().GetCurrent();
        ASSERT_NE(added, nullptr);
        EXPECT_EQ(added->GetStartX().GetValue(), x) << name;
        EXPECT_EQ(added->GetCountX(), 4) << name;
        EXPECT_EQ(added->GetCountU(), 2) << name;
        x += 50;
    }
    CFaceView::SetToolChooser(none);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, APartAsLongAsTheDocumentTakesOpensSavesAndIsProgrammed)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();   // the shape; the part is made anew
    std::filesystem::remove(drives.C() / "Kestrom/Jobs/NONE/NONE/B12.prt");
    {
        std::unique_ptr<IPartDoc> made = fw::ClassRegistry::Instance().CreateAs<IPartDoc>("Varnex.PartDoc");
        ASSERT_NE(made, nullptr);
        ASSERT_EQ(made->SetPartData("", "", "B12", 1, 1500, "W ", "12X26", "A36", "", 0, "", "", 0, 0), fw::S_OK);
        ASSERT_EQ(made->SavePart(), fw::S_OK);
    }
    const std::filesystem::path file = drives.C() / "Kestrom/Jobs/NONE/NONE/B12.prt";
    const std::string stored = TempDrives::Get(file);
    CPartView* view = OpenB12WithProgramming(program);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_EQ(view->Length().GetDecimalInches(), 1500.0);
    CSplitterFrame* programming = ProgrammingWindow(program);
    ASSERT_NE(programming, nullptr);

    // Positions beyond 99'-11" are typed as they are.
    QWidget* x = programming->PatternView().Lenbox(CPatternView::IDC_X_POSITION).GetControl();
    FocusInWindow(program, *Windows(program)[1], *x);
    x->clearFocus();
    x->setFocus(Qt::TabFocusReason);   // entered by Tab: its text selected
    QTest::keyClicks(x, "110'");
    EXPECT_EQ(programming->PatternView().Lenbox(CPatternView::IDC_X_POSITION).GetDecimalInches(), 1320.0);
    ASSERT_TRUE(programming->PatternView().Add());
    EXPECT_EQ(programming->PatternView().Editor().GetCurrent()->GetStartX().GetValue(), 1320.0);

    view->Edit(CPartView::IDC_QUANTITY).setText("3");
    view->ToolBarActions()[0]->trigger();   // Save
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_NE(TempDrives::Get(file), stored);
    CPartDoc reread;
    ASSERT_TRUE(reread.ReadDocumentFile("C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt", true, true));
    EXPECT_EQ(reread.Header().length.GetValue(), 1500.0);
    EXPECT_EQ(reread.Header().quantity, 3u);
}

TEST_F(ProgramTest, SavingAPartWhoseShapeIsNotInTheCatalogNamesTheShape)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveB12();
    std::filesystem::remove(drives.C() / "Kestrom/Shapes/W 12X26.shp");
    {
        // Opening tells that the shape is missing; those boxes are answered OK.
        const fw::ScriptedMessages opening(fw::ScriptedMessageService::WhenUnscripted::AnswerDefault);
        program.App().DoNavAction(0x21, "C:\\Kestrom\\Jobs\\NONE\\NONE\\B12.prt");
        ASSERT_FALSE(opening->Shown().empty());
    }
    ASSERT_EQ(Windows(program).size(), 1);
    auto* info = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* view = dynamic_cast<CPartView*>(info->View());
    ASSERT_NE(view, nullptr);
    const std::size_t opened = messages->Shown().size();
    ASSERT_EQ(opened, 0u);
    view->Edit(CPartView::IDC_QUANTITY).setText("5");

    // The last window asks to save; the save is refused for the shape.
    messages->Answer(fw::IDYES).Answer(fw::IDOK);
    EXPECT_FALSE(info->close());
    ASSERT_EQ(messages->Shown().size(), opened + 2);
    EXPECT_EQ(messages->Shown()[opened].text, "Save changes to B12.prt?");
    EXPECT_EQ(messages->Shown()[opened + 1].text,
              "Invalid Shape: there is no shape W 12X26 (C:\\Kestrom\\Shapes\\W 12X26.shp).");
    EXPECT_EQ(view->Edit(CPartView::IDC_QUANTITY).text(), "5");   // nothing typed is lost
}

TEST_F(ProgramTest, TheWindowMenuArrangesListsAndActivatesTheWindows)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    Profile().WriteProfileInt("Layout", "MaximizePattern", 0);
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    CMainFrame& main = *program.MainFrame();
    EXPECT_EQ(MenuTitles(main), (QStringList{"&File", "&View", "&Machine", "&Window", "&Help"}));
    QMenu* window = MainMenu(main, "&Window");
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    EXPECT_FALSE(Entry(*window, "&Cascade")->isEnabled());   // no window to arrange

    SaveB12();
    CPartView* view = OpenB12WithProgramming(program);
    ASSERT_NE(view, nullptr);
    const QList<QMdiSubWindow*> windows = Windows(program);
    for (QMdiSubWindow* child : windows)
        static_cast<CChildFrame*>(child)->UpdateCommands();   // as the program does while idle
    // Two windows of one part are numbered; the modified one is marked.
    EXPECT_EQ(windows[0]->windowTitle(), "B12.prt:1[*]");
    EXPECT_EQ(windows[1]->windowTitle(), "B12.prt:2[*]");
    view->Edit(CPartView::IDC_QUANTITY).setText("5");
    for (QMdiSubWindow* child : windows)
        static_cast<CChildFrame*>(child)->UpdateCommands();
    EXPECT_TRUE(windows[0]->isWindowModified());

    emit window->aboutToShow();
    for (const char* command : {"&Cascade", "&Tile", "&Arrange Icons"})
        EXPECT_TRUE(Entry(*window, command)->isEnabled()) << command;
    QAction* first = Entry(*window, "&1 B12.prt:1*");
    QAction* second = Entry(*window, "&2 B12.prt:2*");
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(second->isChecked());
    first->trigger();
    EXPECT_EQ(main.MdiArea().activeSubWindow(), windows[0]);
    Entry(*window, "&Tile")->trigger();
    EXPECT_FALSE(windows[0]->geometry().intersects(windows[1]->geometry()));
    Entry(*window, "&Cascade")->trigger();
    EXPECT_NE(windows[0]->pos(), windows[1]->pos());

    emit window->aboutToShow();   // listed again: the list is replaced, not lengthened
    EXPECT_EQ(window->actions().size(), 3 + 1 + 2);   // the arrange commands, the separator, the windows
    EXPECT_NE(Entry(*window, "&2 B12.prt:2*"), nullptr);
}

TEST_F(ProgramTest, WindowKeysAndAltFReachTheirWindowsAndMenus)
{
    InstallDimensionControl();
    const NoToolChooser noChooser;
    Profile().WriteProfileInt("Layout", "MaximizePattern", 0);
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    CMainFrame& main = *program.MainFrame();
    SaveB12();
    ASSERT_NE(OpenB12WithProgramming(program), nullptr);
    const QList<QMdiSubWindow*> windows = Windows(program);
    CSplitterFrame* programming = ProgrammingWindow(program);
    ASSERT_NE(programming, nullptr);

    // No button of a document window takes the letter of a main menu.
    std::set<QString> menuKeys;
    for (const QAction* menu : main.menuBar()->actions())
        menuKeys.insert(QKeySequence::mnemonic(menu->text()).toString());
    for (const QMenu* menu : programming->Menus())   // Edit and Tools while the window is active
        menuKeys.insert(QKeySequence::mnemonic(menu->title()).toString());
    program.App().DoNavAction(0x12, nullptr);   // a mult, a shape, a tool and a machine besides
    program.App().DoNavAction(0x13, nullptr);
    program.App().DoNavAction(0x14, nullptr);
    program.App().DoNavAction(0x15, nullptr);
    for (QMdiSubWindow* child : Windows(program))
        for (const QString& key : Mnemonics(*child))
            EXPECT_FALSE(menuKeys.contains(key)) << key.toStdString() << " in " << child->windowTitle().toStdString();
    for (QMdiSubWindow* child : Windows(program).mid(2))
        EXPECT_TRUE(child->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(Windows(program).size(), 2);

    // Alt+F opens File with the focus in the pattern form.
    QWidget* x = programming->PatternView().Lenbox(CPatternView::IDC_X_POSITION).GetControl();
    FocusInWindow(program, *windows[1], *x);
    QMenu* file = MainMenu(main, "&File");
    QTest::keyClick(x, Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(file->isVisible());
    file->hide();

    // Ctrl+F6 and Ctrl+Shift+F6 go round the windows; Ctrl+F4 closes the active one.
    FocusInWindow(program, *windows[1], *x);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ControlModifier);
    EXPECT_EQ(main.MdiArea().activeSubWindow(), windows[0]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(main.MdiArea().activeSubWindow(), windows[1]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F4, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Windows(program).size(), 1);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ProgramTest, TheHandMultWindowIsTitledApartFromTheMultWindow)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveMultM1(1);
    program.App().DoNavAction(0x22, kMultM1);
    auto* info = dynamic_cast<CChildFrame*>(Windows(program)[0]);
    auto* view = dynamic_cast<machui::CMultView*>(info->View());
    ASSERT_NE(view, nullptr);
    const machui::ModalRunner previous = machui::SetModalRunner([](QDialog&) { return int(QDialog::Rejected); });
    view->ToolBarActions()[3]->trigger();   // Specifics
    machui::SetModalRunner(previous);
    ASSERT_EQ(Windows(program).size(), 2);
    for (QMdiSubWindow* child : Windows(program))
        static_cast<CChildFrame*>(child)->UpdateCommands();
    EXPECT_EQ(Windows(program)[0]->windowTitle(), "M 1.mlt:1[*]");
    EXPECT_EQ(Windows(program)[1]->windowTitle(), "M 1.mlt:2[*]");
}

TEST_F(ProgramTest, HelpShowsTheHelpFileInAWindowOfTheProgram)
{
    // A program of an absolute path writes its bus service file on start: into the test's folder.
    const TempHome home(drives.Root());
    const std::filesystem::path folder = drives.C().parent_path() / "bin";
    std::filesystem::create_directories(folder);
    TempDrives::Put(folder / "Varnex.html", "<html><body><h2 id=\"handmult\">Hand multing</h2><p>Hold Shift.</p></body></html>");
    VarnexProgram program(VarnexProgram::Standard(folder, nullptr));
    program.Start({});
    program.MainFrame()->Command("ID_HELP")->trigger();
    auto* help = program.MainFrame()->findChild<CHelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->windowTitle(), "Varnex Help");
    EXPECT_TRUE(help->toPlainText().contains("Hold Shift."));
    program.MainFrame()->Command("ID_HELP")->trigger();   // again: the same window
    EXPECT_EQ(program.MainFrame()->findChildren<CHelpWindow*>().size(), 1);
    EXPECT_TRUE(messages->Shown().empty());
    if (const char* shots = std::getenv("VARNEX_SHOTS"))
        help->grab().save(QString(shots) + "/help-window.png");
}

TEST_F(ProgramTest, HandMultingSaysInTheStatusBarHowToDragFromTheOtherList)
{
    InstallDimensionControl();
    VarnexProgram program(VarnexProgram::Standard({}, nullptr));
    program.Start({});
    SaveMultM1(1);
    program.App().DoNavAction(0x22, kMultM1);
    auto* view = dynamic_cast<machui::CMultView*>(dynamic_cast<CChildFrame*>(Windows(program)[0])->View());
    ASSERT_NE(view, nullptr);
    const machui::ModalRunner previous = machui::SetModalRunner([](QDialog&) { return int(QDialog::Rejected); });
    view->ToolBarActions()[3]->trigger();   // Specifics
    machui::SetModalRunner(previous);
    ASSERT_EQ(Windows(program).size(), 2);
    auto* hmult = Windows(program)[1]->findChild<machui::CHmultSplitterFrame*>();
    ASSERT_NE(hmult, nullptr);

    QMimeData parts;
    parts.setData(kAddToMultFormat, QByteArray());
    QStatusBar& status = *program.MainFrame()->statusBar();
    for (const auto& [keys, shown] : {std::pair{Qt::NoModifier, QString(machui::CPartListView::kShiftDragTip)},
                                      {Qt::ShiftModifier, QString("Ready")}}) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, &parts, Qt::LeftButton, keys);
        QCoreApplication::sendEvent(hmult->MultView().viewport(), &enter);
        EXPECT_EQ(enter.isAccepted(), keys == Qt::ShiftModifier);
        EXPECT_EQ(status.currentMessage(), shown);
        // The drag leaves again: the application forgets the list as its drop target before the
        // list goes with the window (a later test's drop would reach the deleted list).
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(hmult->MultView().viewport(), &leave);
    }
}
