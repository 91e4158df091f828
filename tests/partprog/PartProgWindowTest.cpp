#include "partprog/ui/SplitterFrame.h"

#include "partprog/DetailSettings.h"
#include "partprog/ui/FaceView.h"
#include "partprog/ui/PartView.h"
#include "partprog/ui/PatternView.h"
#include "partprog/ui/RadioGroup.h"
#include "partprog/ui/StencilDlg.h"
#include "partprog/ui/StencilListView.h"
#include "partprog/ui/TriangDlg.h"
#include "partprog/ui/AngleDlg.h"
#include "partprog/ui/RefDialog.h"
#include "model/ui/DimDlg.h"
#include "partprog/FaceTool.h"
#include "partprog/ui/TabView.h"
#include "model/ToolDoc.h"
#include "fw/qt/ChildMenus.h"
#include "fw/core/RecordingDrawContext.h"

#include "LenboxFactory.h"
#include "PartProgSupport.h"
#include "tests/fw/QtApp.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QDropEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <cstdlib>
#include <set>

namespace {

class PartProgWindowTest : public PartProgTest {
protected:
    PartProgWindowTest() : previousChooser(CFaceView::SetToolChooser([this](QWidget*) { ++toolAsks; return std::string(); }))
    {
        CToolDoc tool;
        tool.SetToolData(0.8125, 0, "RD", 0, 0);
        EXPECT_TRUE(tool.OnSaveDocument(CToolDoc::GetToolFilePath("13_16RD")));
    }
    ~PartProgWindowTest() override { CFaceView::SetToolChooser(std::move(previousChooser)); }

    // The part saved and opened again, as File Open gives it.
    CPartDoc& OpenSavedPart(const std::string& type, const std::string& size, double length)
    {
        CPartDoc& made = NewPart(type, size, length);
        EXPECT_TRUE(made.OnFileSave());
        const std::string path = made.GetPathName();
        made.OnCloseDocument();
        auto* doc = static_cast<CPartDoc*>(parts->OpenDocumentFile(path, false));
        EXPECT_NE(doc, nullptr);
        return *doc;
    }
    static void Type(CPatternView& view, double x, double u, int countX, double incrementX)
    {
        view.Lenbox(CPatternView::IDC_X_POSITION).SetDecimalInches(x);
        view.Lenbox(CPatternView::IDC_U_POSITION).SetDecimalInches(u);
        view.CountEdit(CPatternView::IDC_COUNT_X).setText(QString::number(countX));
        view.Lenbox(CPatternView::IDC_X_INCREMENT).SetDecimalInches(incrementX);
    }
    static std::string FileBytes(const std::filesystem::path& path) { return TempDrives::Get(path); }

    test::LenboxFactory lenboxes;
    DetailSettings details;
    int toolAsks = 0;
    CFaceView::ToolChooser previousChooser;
};

TEST_F(PartProgWindowTest, NewUserProgramsAWBeamFaceByFaceAndTheFileReadsBackTheSame)
{
    CPartDoc& doc = OpenSavedPart("W ", "12X26", 240);
    auto frame = std::make_unique<CSplitterFrame>(doc, details);
    frame->SetDialogRunner([](QDialog& dialog) {
        auto* stencil = dynamic_cast<CStencilDlg*>(&dialog);
        if (!stencil)
            return int(QDialog::Rejected);
        stencil->SetX(30);
        stencil->SetU(2);
        stencil->SetText("B12");
        return int(QDialog::Accepted);
    });
    frame->resize(1100, 760);
    frame->show();
    EXPECT_EQ(toolAsks, 0);   // every face found "13_16RD"
    CTabView& tabs = frame->TabView();
    ASSERT_EQ(tabs.GetPageCount(), 3);
    EXPECT_EQ(tabs.GetCurrentPage(), 1);   // a beam opens on "Web"
    EXPECT_EQ(tabs.TabBar().tabText(1), "Web");
    CPatternView& form = frame->PatternView();
    EXPECT_EQ(form.ToolText().text().toStdString(), frame->CurrentFaceView()->GetTool()->GetDescription());
    EXPECT_FALSE(doc.IsModified());

    // Three holes on the web, at 12, 60 and 120 inches, 3 inches up.
    for (double x : {12.0, 60.0, 120.0}) {
        Type(form, x, 3, 1, 0);
        QTest::mouseClick(&form.Button(CPatternView::IDC_ADD), Qt::LeftButton);
    }
    EXPECT_EQ(doc.GetPartShape()->GetWebList().GetCount(), 3u);
    EXPECT_EQ(form.Marker(0).text(), ">>");
    EXPECT_EQ(frame->StatusPane(2).text(), "Pattern Type A");
    EXPECT_EQ(frame->StatusPane(3).text(), "Start X = 0\"");   // the plane's start, zero shown

    // Shift+Tab from the web goes to the top flange; two holes there.
    QTest::keyClick(frame->CurrentFaceView(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(tabs.GetCurrentPage(), 0);
    EXPECT_EQ(frame->CurrentFaceView()->Kind().className, std::string("CBeamTFView"));
    EXPECT_EQ(form.Editor().GetFaceList(), &doc.GetPartShape()->GetTopFlangeList());
    EXPECT_EQ(form.Marker(0).text(), "");   // nothing programmed on this face yet
    Type(form, 24, 1, 2, 6);
    QTest::mouseClick(&form.Button(CPatternView::IDC_ADD), Qt::LeftButton);
    Type(form, 200, 1, 1, 0);
    QTest::mouseClick(&form.Button(CPatternView::IDC_ADD), Qt::LeftButton);
    EXPECT_EQ(doc.GetPartShape()->GetTopFlangeList().GetCount(), 2u);

    // Tab back to the web: its last pattern is current again.
    QTest::keyClick(frame->CurrentFaceView(), Qt::Key_Tab);
    EXPECT_EQ(tabs.GetCurrentPage(), 1);
    EXPECT_EQ(form.Editor().GetCurrent()->GetStartX().GetValue(), 120);

    // A stencil mark, then the detail lines of every pattern for the picture.
    ASSERT_TRUE(frame->Execute(ID_STENCIL));
    EXPECT_EQ(doc.GetPartShape()->GetStencilList().GetCount(), 1u);
    form.LinesGroup().Button(2).click();
    form.PlanesGroup().Button(1).click();
    EXPECT_TRUE(details.AllLines());
    EXPECT_TRUE(details.CurrentPlanes());

    if (const char* shots = std::getenv("VARNEX_SHOTS")) {
        QTest::keyClick(frame->CurrentFaceView(), Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(frame->CurrentFaceView(), Qt::Key_Tab);
        frame->grab().toImage().save(QString(shots) + "/i18-partprog.png");
    }

    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(doc.OnFileSave());
    const std::string path = doc.GetPathName();
    const std::string saved = FileBytes(drives.C() / "Kestrom/Jobs/J1/G1/B12.prt");
    frame.reset();

    auto* reopened = static_cast<CPartDoc*>(parts->OpenDocumentFile(path, false));
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->GetPartShape()->GetWebList().GetCount(), 3u);
    EXPECT_EQ(reopened->GetPartShape()->GetTopFlangeList().GetCount(), 2u);
    EXPECT_EQ(reopened->GetPartShape()->GetStencilList().GetCount(), 1u);
    ASSERT_TRUE(reopened->OnSaveDocument(path));
    EXPECT_EQ(FileBytes(drives.C() / "Kestrom/Jobs/J1/G1/B12.prt"), saved);
}

TEST_F(PartProgWindowTest, CommandStatesRoutingAndTheStencilListOpensOnce)
{
    CPartDoc& doc = OpenSavedPart("W ", "12X26", 240);
    CSplitterFrame frame(doc, details);
    for (int command : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE_NEW,
                        ID_FLIP, ID_FLOP, ID_ROTATE,
                        ID_MIRROR, ID_FACE_COPY, ID_TRIANGULATE})
        EXPECT_FALSE(frame.Action(command)->isEnabled()) << command;
    EXPECT_TRUE(frame.Action(ID_TOP)->isEnabled());
    EXPECT_EQ(frame.ToolBarActions().size(), 29u);
    EXPECT_EQ(doc.GetKeyFieldsFlag(), 0);   // locked while the window is open

    // A count that is not 0 to 9999 is refused when the field is left and by Add, and nothing is added.
    QLineEdit& countX = frame.PatternView().CountEdit(CPatternView::IDC_COUNT_X);
    countX.setText("-1");
    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    EXPECT_FALSE(frame.PatternView().Add());
    emit countX.editingFinished();
    QCoreApplication::processEvents();
    ASSERT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(messages->Shown()[1].text, CPatternView::kCountMessage);
    EXPECT_TRUE(doc.GetPartShape()->GetWebList().IsEmpty());

    // Reference-plane commands go to the current face view: Bottom on the web is at the depth.
    ASSERT_TRUE(frame.Execute(ID_BOTTOM));
    EXPECT_EQ(frame.CurrentFaceView()->GetRefPlane().GetStartU().GetValue(), 12);
    EXPECT_EQ(frame.CurrentFaceView()->GetRefPlane().GetUDirection(), '-');
    // ... and the pattern commands to the form.
    Type(frame.PatternView(), 10, 0, 1, 0);
    ASSERT_TRUE(frame.PatternView().Add());
    EXPECT_TRUE(frame.Action(ID_MIRROR)->isEnabled());
    EXPECT_FALSE(frame.Action(ID_FACE_COPY)->isEnabled());   // never on a beam web
    messages->Answer(fw::IDOK);
    ASSERT_TRUE(frame.Execute(ID_DELETE_PATTERN));
    EXPECT_TRUE(doc.GetPartShape()->GetWebList().IsEmpty());
    EXPECT_EQ(frame.StatusPane(1).text(), "");
    EXPECT_TRUE(frame.StatusPane(3).isHidden());
    // Nothing current: nothing stale is drawn, and "Current" detailing of an empty face is quiet.
    frame.PatternView().LinesGroup().Button(1).click();
    frame.PatternView().PlanesGroup().Button(1).click();
    frame.CurrentFaceView()->grab();
    frame.CurrentFaceView()->grab();
    EXPECT_TRUE(messages->Beeps().empty());

    // Choose Global Tool: the chosen tool reaches every face, by copy.
    {
        CToolDoc square;
        square.SetToolData(1, 0, "SQ", 0, 0);
        ASSERT_TRUE(square.OnSaveDocument(CToolDoc::GetToolFilePath("1-SQ")));
    }
    const CFaceView::ToolChooser before = CFaceView::SetToolChooser([](QWidget*) { return std::string("1-SQ"); });
    ASSERT_TRUE(frame.Execute(ID_CHOOSE_GLOBAL_TOOL));
    CFaceView::SetToolChooser(before);
    for (int i = 0; i < frame.TabView().GetPageCount(); ++i)
        EXPECT_EQ(frame.TabView().GetPage(i)->GetTool()->GetType(), "SQ") << i;
    EXPECT_EQ(frame.PatternView().ToolText().text().toStdString(), frame.CurrentFaceView()->GetTool()->GetDescription());

    ASSERT_TRUE(frame.Execute(ID_STENCIL_LIST));
    CStencilListView* list = frame.StencilList();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(frame.Execute(ID_STENCIL_LIST));
    EXPECT_EQ(frame.StencilList(), list);
    EXPECT_EQ(frame.findChildren<CStencilListView*>().size(), 1);
    delete list;
    EXPECT_EQ(frame.StencilList(), nullptr);
    ASSERT_TRUE(frame.Execute(ID_STENCIL_LIST));
    EXPECT_NE(frame.StencilList(), nullptr);
    frame.OnClose();
    EXPECT_EQ(doc.GetKeyFieldsFlag(), 1);
}

TEST_F(PartProgWindowTest, PlatesFlipFlopAndRotateAndRefuseRightAngles)
{
    CPartDoc& doc = OpenSavedPart("PL", "1_2X12", 120);
    CSplitterFrame frame(doc, details);
    ASSERT_EQ(frame.TabView().GetPageCount(), 1);
    EXPECT_EQ(frame.TabView().GetCurrentPage(), 0);
    QTest::keyClick(frame.CurrentFaceView(), Qt::Key_Tab);   // one face: stays
    EXPECT_EQ(frame.TabView().GetCurrentPage(), 0);
    for (int command : {ID_FLIP, ID_FLOP, ID_ROTATE})
        EXPECT_TRUE(frame.Action(command)->isEnabled()) << command;
    Type(frame.PatternView(), 10, 2, 1, 0);
    ASSERT_TRUE(frame.PatternView().Add());
    doc.SetModifiedFlag(false);
    ASSERT_TRUE(frame.Execute(ID_ROTATE));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(frame.PatternView().Lenbox(CPatternView::IDC_LENGTH).GetDecimalInches(), 12);

    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    EXPECT_FALSE(frame.CurrentFaceView()->RotatePlane(-90, false));
    EXPECT_FALSE(frame.CurrentFaceView()->RotatePlane(270, true));
    ASSERT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(messages->Shown()[0].text, kNoRightAngles);
    EXPECT_TRUE(frame.CurrentFaceView()->RotatePlane(45, false));
}

// A length left in Part Information goes to the part at once; a Rotate that then changes the
// length shows there, and the next save keeps the rotated length.
TEST_F(PartProgWindowTest, ALengthLeftInThePartFormFollowsARotateAndSavesAsRotated)
{
    CPartDoc& doc = OpenSavedPart("PL", "1_2X12", 0);
    CPartView form;
    doc.AddView(&form);
    form.OnInitialUpdate();
    lenbox::CLenboxCtrl& length = test::LenboxFactory::Of(form.Length());
    length.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&length, "10'");
    form.OnFieldChanged(CPartView::IDC_LENGTH);
    ASSERT_EQ(doc.Header().length.GetValue(), 120.0);

    CSplitterFrame frame(doc, details);
    Type(frame.PatternView(), 10, 2, 1, 0);
    ASSERT_TRUE(frame.PatternView().Add());
    ASSERT_TRUE(frame.Execute(ID_ROTATE));
    EXPECT_EQ(doc.Header().length.GetValue(), 12.0);
    EXPECT_EQ(form.Length().GetDecimalInches(), 12.0);
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(doc.Header().length.GetValue(), 12.0);
    CPartDoc reread;
    ASSERT_TRUE(reread.LoadPart(doc.GetPathName()));
    EXPECT_EQ(reread.Header().length.GetValue(), 12.0);
    EXPECT_TRUE(messages->Shown().empty());
}

// The face view keeps its detailing from one repaint to the next; a Flip moves the patterns in
// place (the same list, current pattern and count) and the view draws them as a fresh one would.
TEST_F(PartProgWindowTest, AFlippedFaceDrawsItsDetailingAsAFreshView)
{
    CPartDoc& doc = OpenSavedPart("PL", "1_2X12", 120);
    CSplitterFrame frame(doc, details);
    frame.resize(1100, 760);
    frame.show();
    details.SetLines(DetailSettings::all);
    Type(frame.PatternView(), 10, 2, 3, 4);
    ASSERT_TRUE(frame.PatternView().Add());
    Type(frame.PatternView(), 70, 5, 1, 0);
    ASSERT_TRUE(frame.PatternView().Add());
    const CFaceView& face = *frame.CurrentFaceView();
    const auto draw = [&face](bool kept) {
        FaceScene scene = face.Scene();
        if (!kept)
            scene.layout = nullptr;
        fw::RecordingDrawContext dc;
        EXPECT_TRUE(scene.Map(dc, face.Viewport()));
        scene.Draw(dc, {-100000, -100000, 100000, 100000});
        return dc.Lines();
    };
    const std::vector<std::string> before = draw(false);
    EXPECT_EQ(draw(true), before);
    ASSERT_TRUE(frame.Execute(ID_FLIP));
    const std::vector<std::string> after = draw(false);
    ASSERT_NE(after, before);
    EXPECT_EQ(draw(true), after);
}

TEST_F(PartProgWindowTest, APartWithoutAProfileOpensNoFaces)
{
    auto& doc = *static_cast<CPartDoc*>(parts->OpenDocumentFile("", false));
    CSplitterFrame frame(doc, details);
    EXPECT_EQ(frame.TabView().GetPageCount(), 0);
    EXPECT_EQ(frame.CurrentFaceView(), nullptr);
    frame.TabView().SelectPage(-1);
    frame.TabView().NextPage(false);
    EXPECT_FALSE(frame.Execute(ID_TOP));
    EXPECT_FALSE(frame.Execute(ID_CHOOSE_GLOBAL_TOOL));
}

TEST_F(PartProgWindowTest, LayoutRoundTripFollowsTheRetainSetting)
{
    CPartDoc& doc = OpenSavedPart("W ", "12X26", 240);
    {
        CSplitterFrame frame(doc, details);
        frame.setGeometry(40, 50, 900, 700);
        frame.SaveLayout();
    }
    fw::Profile& profile = fw::AppProfile();
    EXPECT_EQ(profile.GetProfileString("Layout", "PatternView", ""), "40,50,900,700");
    EXPECT_EQ(profile.GetProfileInt("Layout", "MaximizePattern", -1), 0);
    for (int retain : {0, 1}) {
        profile.WriteProfileInt("Current Settings", "Retain Part Programming Window Position", retain);
        CSplitterFrame frame(doc, details);
        frame.setGeometry(0, 0, 500, 400);
        frame.RestoreLayout();
        EXPECT_EQ(frame.geometry(), retain ? QRect(40, 50, 900, 700) : QRect(0, 0, 500, 400)) << retain;
    }
    profile.WriteProfileString("Layout", "PatternView", "40,50,-900,x");
    {
        CSplitterFrame frame(doc, details);
        frame.setGeometry(0, 0, 500, 400);
        frame.RestoreLayout();
        EXPECT_EQ(frame.geometry(), QRect(0, 0, 500, 400));
    }
    // A window closed maximized opens maximized.
    profile.WriteProfileInt("Layout", "MaximizePattern", 1);
    CSplitterFrame frame(doc, details);
    frame.RestoreLayout();
    EXPECT_TRUE(frame.isMaximized());
    frame.SaveLayout();
    EXPECT_EQ(profile.GetProfileInt("Layout", "MaximizePattern", -1), 1);
}

} // namespace

namespace {

TEST_F(PartProgWindowTest, TriangulateWritesTheDistanceAlongThePlaneIntoTheFocusedField)
{
    CPartDoc& doc = OpenSavedPart("W ", "12X26", 240);
    CSplitterFrame frame(doc, details);
    int preset = -2;
    frame.SetDialogRunner([&preset](QDialog& dialog) {
        auto& triang = dynamic_cast<CTriangDlg&>(dialog);
        preset = triang.GetChoice();
        triang.SetDistance(preset == CTriangDlg::absoluteX ? 12 : 3);
        return int(QDialog::Accepted);
    });
    frame.show();
    frame.activateWindow();
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame.Action(ID_TRIANGULATE)->isEnabled());   // a level plane
    frame.CurrentFaceView()->GetRefPlane().Set(0, 0, '+', '+', 3, 12, 'A');
    CPatternView& form = frame.PatternView();
    struct Case {
        int field;
        int preset;
    } cases[] = {{CPatternView::IDC_X_POSITION, CTriangDlg::absoluteX}, {CPatternView::IDC_U_INCREMENT, CTriangDlg::absoluteU}};
    for (const Case& c : cases) {
        form.Lenbox(c.field).GetControl()->setFocus();
        QCoreApplication::processEvents();
        ASSERT_EQ(form.LastFocused(), c.field);
        frame.UpdateCommands();
        ASSERT_TRUE(frame.Execute(ID_TRIANGULATE)) << c.field;
        EXPECT_EQ(preset, c.preset);
        EXPECT_NEAR(form.Lenbox(c.field).GetDecimalInches(), 12.369, 1.0 / 32) << c.field;   // shown to 1/16
    }
    form.CountEdit(CPatternView::IDC_COUNT_X).setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.LastFocused(), 0);
    EXPECT_FALSE(frame.Execute(ID_TRIANGULATE));
}

TEST_F(PartProgWindowTest, AToolDroppedOnTheFormBecomesTheFaceTool)
{
    CPartDoc& doc = OpenSavedPart("W ", "12X26", 240);
    CSplitterFrame frame(doc, details);
    CToolDoc square;
    square.SetToolData(1, 0, "SQ", 0, 0);
    ASSERT_TRUE(square.OnSaveDocument(CToolDoc::GetToolFilePath("1-SQ")));
    QMimeData data;
    data.setData(facetool::kToolListFormat, "C:\\Kestrom\\Tools\\1-SQ.tl|C:\\Kestrom\\Tools\\13_16RD.tl|");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame.PatternView(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&frame.PatternView(), &drop);
    EXPECT_EQ(frame.CurrentFaceView()->GetTool()->GetType(), "SQ");
    EXPECT_EQ(frame.PatternView().ToolText().text().toStdString(), frame.CurrentFaceView()->GetTool()->GetDescription());
}

TEST_F(PartProgWindowTest, PlaneDialogsChangeTheCurrentFacesPlane)
{
    CPartDoc& doc = OpenSavedPart("W ", "12X26", 240);
    CSplitterFrame frame(doc, details);
    frame.SetDialogRunner([](QDialog& dialog) {
        if (auto* dim = dynamic_cast<CDimDlg*>(&dialog))
            dim->SetLength(6);
        else if (auto* custom = dynamic_cast<CRefDialog*>(&dialog))
            custom->GetValues() = {20, 4, 0, 0, 1, 1, 1, 0};
        else if (auto* angle = dynamic_cast<CAngleDlg*>(&dialog))
            angle->SetAngle(90);
        return int(QDialog::Accepted);
    });
    CRefPlane& plane = frame.CurrentFaceView()->GetRefPlane();
    ASSERT_TRUE(frame.Execute(ID_ADD_X));
    EXPECT_EQ(plane.GetStartX().GetValue(), 6);
    ASSERT_TRUE(frame.Execute(ID_CUSTOMIZE));
    EXPECT_EQ(plane.GetStartX().GetValue(), 20);
    EXPECT_EQ(plane.GetStartU().GetValue(), 4);
    EXPECT_EQ(plane.GetXDirection(), '-');
    EXPECT_EQ(plane.GetUDirection(), '-');
    EXPECT_EQ(plane.GetPatternType(), 'B');
    messages->Answer(fw::IDOK);
    ASSERT_TRUE(frame.Execute(ID_ROTATE_DEGREES));   // 90: refused, nothing changes
    EXPECT_EQ(messages->Shown().back().text, kNoRightAngles);
    EXPECT_EQ(plane.GetRise().GetValue(), 0);
}

// The entries of a menu and of its submenus, without separators.
void CollectEntries(const QMenu& menu, std::set<QAction*>& entries)
{
    for (QAction* action : menu.actions()) {
        if (action->menu())
            CollectEntries(*action->menu(), entries);
        else if (!action->isSeparator())
            entries.insert(action);
    }
}

TEST_F(PartProgWindowTest, MenusCarryTheWindowsCommandsAndThePaneCommandsMoveTheFocus)
{
    CPartDoc& doc = OpenSavedPart("W ", "12X26", 240);
    CSplitterFrame frame(doc, details);
    int stencilDialogs = 0;
    frame.SetDialogRunner([&stencilDialogs](QDialog& dialog) {
        stencilDialogs += dynamic_cast<CStencilDlg*>(&dialog) != nullptr;
        return int(QDialog::Rejected);
    });
    frame.show();

    QStringList titles;
    std::set<QAction*> entries;
    for (QMenu* menu : frame.Menus()) {
        titles << menu->title();
        EXPECT_EQ(menu->objectName(), fw::kChildMenuName);
        CollectEntries(*menu, entries);
    }
    EXPECT_EQ(titles, (QStringList{"&Edit", "&View", "&Tools"}));
    // Every toolbar command but the greyed saves has its menu entry, and so do Delete Pattern
    // and the two pane commands.
    std::set<QAction*> expected{frame.Action(ID_DELETE_PATTERN), frame.Action(ID_VIEW_MATERIAL_WINDOW),
                                frame.Action(ID_VIEW_PATTERN_WINDOW)};
    for (QAction* action : frame.ToolBarActions())
        if (action && action != frame.Action(ID_FILE_SAVE) && action != frame.Action(ID_FILE_SAVE_NEW))
            expected.insert(action);
    EXPECT_EQ(entries, expected);
    QMenu& view = *frame.Menus()[1];
    EXPECT_EQ(view.actions(), (QList<QAction*>{frame.Action(ID_VIEW_MATERIAL_WINDOW), frame.Action(ID_VIEW_PATTERN_WINDOW),
                                               frame.Action(ID_STENCIL_LIST)}));

    // An entry runs the window's command.
    frame.Action(ID_STENCIL)->trigger();
    EXPECT_EQ(stencilDialogs, 1);

    // Opening a menu brings its states up to date: a pattern added behind the form's back.
    QMenu& edit = *frame.Menus()[0];
    EXPECT_FALSE(frame.Action(ID_MIRROR)->isEnabled());
    auto pattern = std::make_unique<CPattern>(10, 0, 1, 0, 1, 0, CPattern::hole, &frame.CurrentFaceView()->GetRefPlane(),
                                              frame.CurrentFaceView()->GetTool(), 0);
    ASSERT_TRUE(doc.AddPattern(pattern, doc.GetPartShape()->GetWebList()));
    emit edit.aboutToShow();
    EXPECT_TRUE(frame.Action(ID_MIRROR)->isEnabled());

    // Pattern Window: the form's first field; Material Window: the current face; Pattern Window
    // again: back to the field focused last.
    frame.Action(ID_VIEW_PATTERN_WINDOW)->trigger();
    ASSERT_NE(frame.focusWidget(), nullptr);
    EXPECT_TRUE(frame.PatternView().isAncestorOf(frame.focusWidget()));
    QLineEdit& countX = frame.PatternView().CountEdit(CPatternView::IDC_COUNT_X);
    countX.setFocus();
    frame.Action(ID_VIEW_MATERIAL_WINDOW)->trigger();
    EXPECT_EQ(frame.focusWidget(), frame.CurrentFaceView());
    QTest::keyClick(frame.CurrentFaceView(), Qt::Key_Tab);   // the next face
    frame.Action(ID_VIEW_PATTERN_WINDOW)->trigger();
    EXPECT_EQ(frame.focusWidget(), &countX);
    frame.Action(ID_VIEW_MATERIAL_WINDOW)->trigger();
    EXPECT_EQ(frame.focusWidget(), frame.TabView().GetPage(2));
    frame.OnClose();
}

TEST_F(PartProgWindowTest, APlaneOfAMetricPartShowsAndTakesMillimetres)
{
    CPartDoc& doc = NewPart("W ", "12X26", 240);
    doc.Header().measuringSystem = 2;
    CSplitterFrame frame(doc, details);
    CRefPlane& plane = frame.CurrentFaceView()->GetRefPlane();
    EXPECT_EQ(plane.GetStartX().GetUnits(), 2);

    int shownSystem = -1;
    frame.SetDialogRunner([&shownSystem](QDialog& dialog) {
        auto* custom = dynamic_cast<CRefDialog*>(&dialog);
        if (!custom)
            return int(QDialog::Rejected);
        custom->open();
        lenbox::CLenboxCtrl& startX = test::LenboxFactory::Of(custom->GetLenbox(CRefDialog::startX));
        shownSystem = startX.GetDimensionType();
        EXPECT_TRUE(startX.SetMetricString("508"));
        custom->accept();
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(frame.Execute(ID_CUSTOMIZE));
    EXPECT_EQ(shownSystem, 2);
    EXPECT_NEAR(plane.GetStartX().GetValue(), 20, 1e-9);
    EXPECT_EQ(plane.GetStartX().GetText(), "508 mm");

    // A pattern takes the plane with its unit; the status bar shows it so.
    Type(frame.PatternView(), 30, 2, 1, 0);
    ASSERT_TRUE(frame.PatternView().Add());
    const CPattern* added = frame.CurrentFaceView()->GetCurrentPattern();
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetRefPlane().GetStartX().GetUnits(), 2);
    EXPECT_EQ(frame.StatusPane(3).text(), "Start X = 508 mm");

    // The part going back to feet and inches takes the face's plane along at the next update.
    doc.Header().measuringSystem = 0;
    doc.UpdateAllViews(nullptr);
    EXPECT_EQ(plane.GetStartX().GetUnits(), 0);
    EXPECT_NEAR(plane.GetStartX().GetValue(), 20, 1e-9);
    frame.OnClose();
}

} // namespace
