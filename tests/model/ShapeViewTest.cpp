#include "model/ShapeDoc.h"
#include "model/ui/ShapeView.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DocManager.h"
#include "fw/core/MessageService.h"

#include "FakeLenbox.h"
#include "tests/fw/QtApp.h"
#include "tests/fw/TempDrives.h"
#include "tests/support/TabChain.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

class ShapeViewTest : public testing::Test {
protected:
    ShapeViewTest() : profile(fw::SetAppProfile(nullptr))
    {
        shapes = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nShape\nShape\nShape (*.shp)\n.shp\nVarnex.Shape\nVarnex Shape",
            [] { return std::make_unique<CShapeDoc>(); }));
        doc = static_cast<CShapeDoc*>(shapes->OpenDocumentFile("", false));
    }
    ~ShapeViewTest() override
    {
        if (view.GetDocument())
            view.GetDocument()->RemoveView(&view);
        fw::SetAppProfile(std::move(profile));
    }
    FakeLenbox& Dimension(int index) { return FakeLenboxFactory::Of(view.Dimension(index)); }
    // A shape that stands for its file, shown in the view.
    void ShowStoredShape()
    {
        doc->SetShapeData("W", "12X26", 12.22, 0.23, 6.49, 0.38, 3.5, 26, "W12 X 26", 0, 2);
        doc->SetPathName("C:\\Kestrom\\Shapes\\W 12X26.shp", false);
        doc->SetDocumentState(CSmartDoc::stateStored);
        doc->SetModifiedFlag(false);
        doc->AddView(&view);
        view.OnInitialUpdate();
    }
    void Leave(QWidget& control, Qt::FocusReason reason = Qt::TabFocusReason)
    {
        QFocusEvent leave(QEvent::FocusOut, reason);
        QApplication::sendEvent(&control, &leave);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<fw::Profile> profile;
    QApplication& app = test::QtApp();   // before the first widget
    FakeLenboxFactory factory;
    fw::ScriptedMessages messages;
    TempDrives drives;
    fw::DocManager manager;
    fw::DocTemplate* shapes;
    CShapeDoc* doc;
    CShapeView view;
};

} // namespace

TEST_F(ShapeViewTest, NewViewIsEmptyUntilItsFirstUpdate)
{
    EXPECT_EQ(view.windowTitle(), "Shape Information");
    EXPECT_EQ(view.TypeCombo().currentText(), "");
    EXPECT_EQ(view.DescEdit().text(), "");
    EXPECT_EQ(view.WeightEdit().text(), "0");
    EXPECT_EQ(view.GetKind(), -1);
    EXPECT_EQ(view.GetMeasuringSystem(), -1);
    for (int kind = 0; kind < 7; ++kind)
        EXPECT_FALSE(view.KindButton(kind).isChecked());
    const char* types[] = {"C", "FB", "HP", "L", "M", "MC", "MT", "S", "TS", "W", "WT"};
    ASSERT_EQ(view.TypeCombo().count(), 11);
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(view.TypeCombo().itemText(i), types[i]);
    const char* kindIds[] = {"1031", "1032", "1033", "1034", "1036", "1037", "1038"};
    for (int kind = 0; kind < 7; ++kind)
        EXPECT_EQ(view.KindButton(kind).objectName(), kindIds[kind]);
    EXPECT_EQ(view.KindButton(5).text(), "T-Shape");
    EXPECT_EQ(view.SystemButton(2).objectName(), "1029");
    EXPECT_EQ(view.TypeCombo().objectName(), "1035");
    EXPECT_EQ(Dimension(1).objectName(), "1095");
}

TEST_F(ShapeViewTest, StoredShapeIsShownWithItsKeyFieldsLocked)
{
    doc->SetSaveAllowed(false);
    ShowStoredShape();
    const double values[] = {12.22, 0.23, 6.49, 0.38, 3.5};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Dimension(i).DecimalInches(), values[i]);
        EXPECT_EQ(Dimension(i).DimensionType(), 2);
    }
    EXPECT_EQ(view.TypeCombo().currentText(), "W ");
    EXPECT_EQ(view.DescEdit().text(), "12X26");
    EXPECT_EQ(view.WeightEdit().text(), "26");
    EXPECT_EQ(view.FormalEdit().text(), "W12 X 26");
    EXPECT_TRUE(view.KindButton(0).isChecked());
    EXPECT_TRUE(view.SystemButton(2).isChecked());
    EXPECT_FALSE(view.TypeCombo().isEnabled());
    EXPECT_FALSE(view.DescEdit().isEnabled());
    for (int system = 0; system < 3; ++system)
        EXPECT_FALSE(view.SystemButton(system).isEnabled());
    EXPECT_TRUE(view.KindButton(3).isEnabled());
    EXPECT_TRUE(doc->IsSaveAllowed());
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ShapeViewTest, NewShapeCanBeSavedOnceItsTypeOrSizeChanges)
{
    doc->AddView(&view);
    view.OnInitialUpdate();
    EXPECT_EQ(view.WeightEdit().text(), "1");
    EXPECT_TRUE(view.SystemButton(1).isChecked());
    EXPECT_TRUE(view.TypeCombo().isEnabled());
    EXPECT_FALSE(doc->IsSaveAllowed());
    view.DescEdit().setText("12X26");
    EXPECT_TRUE(doc->IsSaveAllowed());
    EXPECT_TRUE(doc->IsModified());
    doc->SetSaveAllowed(false);
    view.TypeCombo().setCurrentText("W");
    EXPECT_TRUE(doc->IsSaveAllowed());
}

TEST_F(ShapeViewTest, SaveNewUnlocksTheKeyFieldsWithTheNewFileName)
{
    ShowStoredShape();
    doc->OnFileSaveNew();
    EXPECT_TRUE(std::filesystem::exists(drives.C() / "Kestrom/Shapes/W 12X26.shp"));
    EXPECT_TRUE(view.TypeCombo().isEnabled());
    EXPECT_TRUE(view.DescEdit().isEnabled());
    EXPECT_EQ(view.DescEdit().text(), "Shape");
    EXPECT_EQ(doc->GetTitle(), "Shape");
    EXPECT_TRUE(view.SystemButton(0).isEnabled());
    EXPECT_FALSE(doc->IsSaveAllowed());
}

TEST_F(ShapeViewTest, EditsMarkTheDocumentModified)
{
    ShowStoredShape();
    const std::function<void()> edits[] = {
        [&] { Dimension(0).Type(14); },
        [&] { Dimension(4).Type(3); },
        [&] { view.WeightEdit().setText("30"); },
        [&] { view.FormalEdit().setText("W14"); },
        [&] { view.KindButton(1).click(); },
    };
    for (const auto& edit : edits) {
        doc->SetModifiedFlag(false);
        edit();
        EXPECT_TRUE(doc->IsModified());
    }
    doc->SetModifiedFlag(false);
    view.KindButton(1).click();   // the current kind again
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ShapeViewTest, MeasuringSystemRadioSetsTheDimensionUnitsAtOnce)
{
    doc->AddView(&view);
    view.OnInitialUpdate();
    doc->SetModifiedFlag(false);
    view.SystemButton(2).click();
    EXPECT_TRUE(doc->IsModified());
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Dimension(i).DimensionType(), 2);
    doc->SetModifiedFlag(false);
    view.SystemButton(2).click();
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ShapeViewTest, CopiesAValidFormIntoTheDocument)
{
    doc->AddView(&view);
    view.OnInitialUpdate();
    view.TypeCombo().setCurrentText("L");
    view.DescEdit().setText("4X4X0.5");
    const double values[] = {4, 0.5, 4, 0.5, 2.5};
    for (int i = 0; i < 5; ++i)
        Dimension(i).Type(values[i]);
    view.WeightEdit().setText(" 12.8 ");
    view.FormalEdit().setText(QString(30, 'F'));
    view.KindButton(shapeAngle).click();
    view.SystemButton(0).click();
    ASSERT_TRUE(view.CopyFormToDocument());
    const ShapeRecord& r = doc->GetShapeData();
    EXPECT_EQ(r.desctp, "L ");
    EXPECT_EQ(r.desc, "4X4X0.5");
    EXPECT_EQ(r.depth.GetValue(), 4.0);
    EXPECT_EQ(r.flangeGage.GetValue(), 2.5);
    EXPECT_EQ(r.flangeGage.GetUnitLetter(), 'E');
    EXPECT_EQ(r.weight, 12.8);
    EXPECT_EQ(r.formal, std::string(30, 'F'));
    EXPECT_EQ(r.kind, shapeAngle);
    EXPECT_EQ(r.measuringSystem, 0);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ShapeViewTest, RefusesAnInvalidForm)
{
    ShowStoredShape();
    const struct {
        const char* desc;
        const char* weight;
        int formalLength;
        const char* message;
    } cases[] = {
        {"123456789012345678901", "26", 0, "Enter no more than 20 characters."},
        {"12X26", "0.5", 0, "Please enter a number between 1 and 1500."},
        {"12X26", "2000", 0, "Please enter a number between 1 and 1500."},
        {"12X26", "2,5", 0, "Please enter a number."},
        {"12X26", "", 0, "Please enter a number."},
        {"12X26", "26", 31, "Enter no more than 30 characters."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        view.DescEdit().setText(c.desc);
        view.WeightEdit().setText(c.weight);
        view.FormalEdit().setText(QString(c.formalLength, 'F'));
        messages->Answer(fw::IDOK);
        EXPECT_FALSE(view.CopyFormToDocument());
        EXPECT_EQ(messages->Shown().back().text, c.message);
        EXPECT_EQ(doc->GetShapeData().weight, 26.0);
    }
    // The type holds two characters at most.
    view.TypeCombo().setCurrentText("WTX");
    EXPECT_EQ(view.TypeCombo().currentText(), "WT");
}

TEST_F(ShapeViewTest, LeavingTheSizeNamesTheDocument)
{
    doc->AddView(&view);
    view.OnInitialUpdate();
    doc->SetPathName("C:\\Kestrom\\Shapes\\Shape.shp", false);
    view.TypeCombo().setCurrentText("L");
    view.DescEdit().setText("4X4X0.5");
    Leave(view.DescEdit());
    EXPECT_EQ(doc->GetPathName(), "C:\\Kestrom\\Shapes\\L 4X4X0.5.shp");
    EXPECT_EQ(doc->GetTitle(), "L 4X4X0.5");
    EXPECT_TRUE(manager.GetRecentFiles().empty());
    view.TypeCombo().setCurrentText("MC");
    Leave(view.TypeCombo());
    EXPECT_EQ(doc->GetTitle(), "MC4X4X0.5");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ShapeViewTest, LeavingAFieldChecksIt)
{
    ShowStoredShape();
    const struct {
        QLineEdit* edit;
        QString text;
        const char* message;
    } cases[] = {
        {&view.WeightEdit(), "0.5", "Please enter a number between 1 and 1500."},
        {&view.FormalEdit(), QString(31, 'F'), "Enter no more than 30 characters."},
        {&view.DescEdit(), QString(21, 'D'), "Enter no more than 20 characters."},
    };
    for (const auto& c : cases) {
        c.edit->setText(c.text);
        messages->Answer(fw::IDOK);
        Leave(*c.edit);
        EXPECT_EQ(messages->Shown().back().text, c.message);
        const std::size_t shown = messages->Shown().size();
        Leave(*c.edit, Qt::OtherFocusReason);   // focus moved by the program checks nothing
        EXPECT_EQ(messages->Shown().size(), shown);
    }
    EXPECT_EQ(doc->GetTitle(), "W 12X26.shp");   // a refused size names nothing
}

TEST_F(ShapeViewTest, FileSaveTakesTheFormAndCloseFrameLeavesTheDocument)
{
    doc->AddView(&view);
    view.OnInitialUpdate();
    view.TypeCombo().setCurrentText("FB");
    view.DescEdit().setText("0.5X4");
    Dimension(0).Type(4);
    Dimension(1).Type(0.5);
    view.KindButton(shapeFlat).click();
    doc->OnFileSave();
    EXPECT_TRUE(std::filesystem::exists(drives.C() / "Kestrom/Shapes/FB0.5X4.shp"));
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateStored);
    EXPECT_FALSE(view.DescEdit().isEnabled());
    view.CloseFrame();
    EXPECT_TRUE(doc->GetViews().empty());
}

// Tab goes down the form as it is laid out: the designation, its dimensions, then the weight.
TEST_F(ShapeViewTest, TabVisitsTheFieldsInTheOrderTheyAreLaidOut)
{
    doc->AddView(&view);
    view.OnInitialUpdate();
    QStringList expected;
    const int ids[] = {CShapeView::IDC_DESCTP, CShapeView::IDC_DESC, CShapeView::IDC_D, CShapeView::IDC_TW,
                       CShapeView::IDC_BF, CShapeView::IDC_TF, CShapeView::IDC_SFG, CShapeView::IDC_WEIGHT,
                       CShapeView::IDC_FORMAL,
                       1031, 1032, 1033, 1034, 1036, 1037, 1038,   // the kinds
                       1027, 1028, 1029};                          // the measuring systems
    for (const int id : ids)
        expected << QString::number(id);
    EXPECT_EQ(TabChain(view), expected);
}
