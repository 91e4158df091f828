#include "model/ToolDoc.h"
#include "model/ui/DimDlg.h"
#include "model/ui/ToolView.h"

#include "fw/core/DocManager.h"
#include "fw/core/MessageService.h"

#include "FakeLenbox.h"
#include "tests/fw/QtApp.h"
#include "tests/support/TabChain.h"
#include "tests/fw/TempDrives.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class UiTest : public testing::Test {
protected:
    UiTest() { test::QtApp(); }
    FakeLenboxFactory factory;
    fw::ScriptedMessages messages;
};

QPushButton* Button(QDialog& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text().remove('&') == text)
            return button;
    return nullptr;
}

} // namespace

TEST_F(UiTest, LenboxWithoutAnInstalledControlIsAnError)
{
    const CLenbox::Factory installed = CLenbox::SetControlFactory(nullptr);
    EXPECT_THROW(CLenbox::CreateControl(nullptr), std::logic_error);
    CLenbox::SetControlFactory(installed);
}

TEST_F(UiTest, DimensionDialogShowsAndReadsTheLength)
{
    CDimDlg dialog;
    dialog.SetLength(40.5);
    dialog.SetMeasuringSystem(2);
    dialog.open();
    FakeLenbox& control = FakeLenboxFactory::Of(dialog.GetLenbox());
    EXPECT_EQ(control.objectName(), "1088");
    EXPECT_EQ(control.DimensionType(), 2);
    EXPECT_EQ(control.DecimalInches(), 40.5);
    EXPECT_EQ(dialog.windowTitle(), "Dimension Input");
    control.Type(12.25);
    Button(dialog, "OK")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetLength(), 12.25);
}

TEST_F(UiTest, DimensionDialogTitleAndCancel)
{
    CDimDlg dialog;
    dialog.SetLength(3);
    dialog.SetTitle("Increment X");
    dialog.open();
    EXPECT_EQ(dialog.windowTitle(), "Increment X");
    FakeLenboxFactory::Of(dialog.GetLenbox()).Type(7);
    Button(dialog, "Cancel")->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(dialog.GetLength(), 3.0);
}

namespace {

class ToolViewTest : public UiTest {
protected:
    ToolViewTest()
    {
        tools = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nTool\nTool\nTool (*.tl)\n.tl", [] { return std::make_unique<CToolDoc>(); }));
        doc = static_cast<CToolDoc*>(tools->OpenDocumentFile("", false));
        doc->AddView(&view);
    }
    ~ToolViewTest() override
    {
        if (view.GetDocument())
            view.GetDocument()->RemoveView(&view);
    }
    FakeLenbox& SizeA() { return FakeLenboxFactory::Of(view.SizeA()); }
    FakeLenbox& SizeB() { return FakeLenboxFactory::Of(view.SizeB()); }

    TempDrives drives;
    fw::DocManager manager;
    fw::DocTemplate* tools;
    CToolDoc* doc;
    CToolView view;
};

} // namespace

TEST_F(ToolViewTest, NewViewIsEmptyUntilItsFirstUpdate)
{
    EXPECT_EQ(view.TypeCombo().currentText(), "");
    EXPECT_EQ(view.OrientationEdit().text(), "0");
    EXPECT_EQ(view.GetMeasuringSystem(), -1);
    for (int system = 0; system < 3; ++system)
        EXPECT_FALSE(view.SystemButton(system).isChecked());
    EXPECT_EQ(view.TypeCombo().count(), 12);
    EXPECT_EQ(view.TypeCombo().itemText(11), "OV");
    EXPECT_EQ(view.SystemButton(1).text(), "&Decimal Inch");
    EXPECT_EQ(view.SystemButton(2).objectName(), "1033");
}

TEST_F(ToolViewTest, ShowsTheDocumentWithoutMarkingItModified)
{
    doc->SetToolData(0.5, 1.25, "sl", 90, 2);
    doc->SetModifiedFlag(false);
    view.OnInitialUpdate();
    EXPECT_EQ(SizeA().DecimalInches(), 0.5);
    EXPECT_EQ(SizeB().DecimalInches(), 1.25);
    EXPECT_EQ(SizeA().DimensionType(), 2);
    EXPECT_EQ(SizeB().DimensionType(), 2);
    EXPECT_EQ(view.TypeCombo().currentText(), "SL");
    EXPECT_EQ(view.OrientationEdit().text(), "90");
    EXPECT_TRUE(view.SystemButton(2).isChecked());
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ToolViewTest, EditsMarkTheDocumentModified)
{
    view.OnInitialUpdate();
    const std::function<void()> edits[] = {
        [&] { view.TypeCombo().setCurrentText("ER"); },
        [&] { view.OrientationEdit().setText("45"); },
        [&] { SizeA().Type(0.75); },
        [&] { SizeB().Type(2); },
        [&] { view.SystemButton(1).click(); },
    };
    for (const auto& edit : edits) {
        doc->SetModifiedFlag(false);
        edit();
        EXPECT_TRUE(doc->IsModified());
    }
    EXPECT_EQ(SizeA().DimensionType(), 1);   // the radio sets both size controls at once
    EXPECT_EQ(SizeB().DimensionType(), 1);
    doc->SetModifiedFlag(false);
    view.SystemButton(1).click();   // the current system again
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(ToolViewTest, CopiesAValidFormIntoTheDocument)
{
    view.OnInitialUpdate();
    SizeA().Type(13.0 / 16);
    view.TypeCombo().setCurrentText("rd");
    view.OrientationEdit().setText(" -180 ");
    view.SystemButton(1).click();
    ASSERT_TRUE(view.CopyFormToDocument());
    EXPECT_EQ(doc->GetRecord().sizeA.GetValue(), 13.0 / 16);
    EXPECT_EQ(doc->GetRecord().type, "RD");
    EXPECT_EQ(doc->GetRecord().orientation, -180);
    EXPECT_EQ(doc->GetRecord().measuringSystem, 1);
    EXPECT_EQ(doc->GetShortName(), "0.8125in.RD-180");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(ToolViewTest, RefusesAnInvalidForm)
{
    view.OnInitialUpdate();
    doc->SetToolData(1, 0, "SQ", 0, 0);
    const struct {
        const char* type;
        const char* orientation;
        const char* message;
    } cases[] = {
        {"RD", "200", "Please enter an integer between -180 and 180."},
        {"RD", "-181", "Please enter an integer between -180 and 180."},
        {"RD", "4x", "Please enter an integer."},
        {"RD", "", "Please enter an integer."},
    };
    for (const auto& c : cases) {
        view.TypeCombo().setCurrentText(c.type);
        view.OrientationEdit().setText(c.orientation);
        messages->Answer(fw::IDOK);
        EXPECT_FALSE(view.CopyFormToDocument()) << c.orientation;
        EXPECT_EQ(messages->Shown().back().text, c.message);
        EXPECT_EQ(doc->GetRecord().type, "SQ");
    }
    // The type holds two characters at most.
    view.TypeCombo().setCurrentText("SQX");
    EXPECT_EQ(view.TypeCombo().currentText(), "SQ");
}

TEST_F(ToolViewTest, LeavingTheOrientationChecksIt)
{
    view.OnInitialUpdate();
    view.OrientationEdit().setText("200");
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&view.OrientationEdit(), &leave);
    EXPECT_TRUE(messages->Shown().empty());   // posted: checked once the focus has settled
    messages->Answer(fw::IDOK);
    QCoreApplication::processEvents();
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "Please enter an integer between -180 and 180.");

    // Focus moved by the program checks nothing.
    QFocusEvent moved(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&view.OrientationEdit(), &moved);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages->Shown().size(), 1u);
}

TEST_F(ToolViewTest, SaveTakesTheFormAndCloseFrameLeavesTheDocument)
{
    view.OnInitialUpdate();
    SizeA().Type(0.5);
    view.TypeCombo().setCurrentText("RD");
    doc->OnFileSave();
    EXPECT_TRUE(std::filesystem::exists(drives.C() / "Kestrom/Tools/1_2RD.tl"));
    EXPECT_FALSE(doc->IsModified());
    view.CloseFrame();
    EXPECT_TRUE(doc->GetViews().empty());
}

TEST_F(ToolViewTest, TabVisitsTheFieldsInTheOrderTheyAreLaidOut)
{
    QStringList expected;
    const int ids[] = {CToolView::IDC_SIZE_A,      CToolView::IDC_SIZE_B,   CToolView::IDC_TYPE,
                       CToolView::IDC_ORIENTATION, CToolView::IDC_IMPERIAL, CToolView::IDC_DECIMAL_INCH,
                       CToolView::IDC_METRIC};
    for (const int id : ids)
        expected << QString::number(id);
    EXPECT_EQ(TabChain(view), expected);
}
