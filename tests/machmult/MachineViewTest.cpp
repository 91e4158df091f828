#include "machmult/ui/MachineView.h"

#include "fw/core/DocTemplate.h"
#include "machmult/MachineDoc.h"
#include "machmult/ui/CommandGuard.h"

#include "UiTestSupport.h"
#include "fw/core/AppProfile.h"
#include "fw/core/MessageService.h"
#include "tests/fw/TempDrives.h"
#include "tests/support/TabChain.h"
#include "tests/model/MachineTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QRadioButton>
#include <QTest>

using namespace uitest;
using machinetest::kSaveOnTopOfOld;
using machinetest::Length;
using machui::CMachineView;

namespace {

const int kKindButtons[] = {1116, 1110, 1031, 1036, 1113, 1114, 1115};

class MachineViewTest : public testing::Test {
protected:
    MachineViewTest() : previousProfile_(fw::SetAppProfile(std::make_unique<fw::MemoryProfile>())) { test::QtApp(); }
    ~MachineViewTest() override { fw::SetAppProfile(std::move(previousProfile_)); }

    QAction& Save(CMachineView& view) { return *view.ToolBarActions()[0]; }
    QAction& SaveNew(CMachineView& view) { return *view.ToolBarActions()[1]; }
    QAction& Specifics(CMachineView& view) { return *view.ToolBarActions()[3]; }
    QLineEdit& Name(CMachineView& view) { return Control<QLineEdit>(view, 1104); }
    std::filesystem::path Folder() const { return drives_.C() / "Kestrom" / "Machines"; }

    bool KindButtonsEnabled(CMachineView& view)
    {
        return std::all_of(std::begin(kKindButtons), std::end(kKindButtons),
                           [&](int id) { return Control<QRadioButton>(view, id).isEnabled(); });
    }
    int CheckedKind(CMachineView& view)
    {
        for (int kind = 0; kind < 7; ++kind)
            if (Control<QRadioButton>(view, kKindButtons[kind]).isChecked())
                return kind;
        return -1;
    }
    static void ProcessPosted() { QCoreApplication::processEvents(); }

private:
    std::unique_ptr<fw::Profile> previousProfile_;

protected:
    TempDrives drives_;
    fw::ScriptedMessages messages_{fw::ScriptedMessageService::WhenUnscripted::AnswerDefault};
    test::LenboxFactory lenboxes_;
    // A new machine as File New makes it, through the machine template.
    fw::DocTemplate template_{"\nMachine\nMachine\nMachine(*.mch)\n.mch\nVarnex.Machine\nVarnex Machine",
                              [] { return std::make_unique<CMachineDoc>(); }};
    CMachineDoc& doc_ = *static_cast<CMachineDoc*>(template_.OpenDocumentFile("", false));
};

} // namespace

TEST_F(MachineViewTest, ANewMachineOpensItsKeyFieldsAndRefusesToSaveUntilNamed)
{
    CMachineView view(doc_);
    EXPECT_EQ(Name(view).text(), "");
    EXPECT_TRUE(Name(view).isEnabled());
    EXPECT_TRUE(KindButtonsEnabled(view));
    EXPECT_EQ(CheckedKind(view), -1);
    EXPECT_EQ(Length(view, 1107).GetDecimalInches(), 0.0);
    EXPECT_FALSE(Control<QCheckBox>(view, 1127).isChecked());
    EXPECT_FALSE(Specifics(view).isEnabled());
    EXPECT_FALSE(Save(view).isEnabled());

    EXPECT_FALSE(doc_.OnFileSave());   // forced past the greyed command
    EXPECT_EQ(messages_->Shown().at(0).text, kSaveOnTopOfOld);
    EXPECT_FALSE(std::filesystem::exists(Folder()));
    EXPECT_TRUE(Name(view).isEnabled());

    Click(view, 1031);   // Beam Line
    EXPECT_TRUE(doc_.IsModified());
    EXPECT_TRUE(Specifics(view).isEnabled());
    Type(Name(view), "abc");
    EXPECT_TRUE(Save(view).isEnabled());
    Save(view).trigger();
    EXPECT_EQ(TempDrives::Names(Folder()), (std::vector<std::string>{"ABC.mch"}));
    EXPECT_FALSE(Name(view).isEnabled());
    EXPECT_FALSE(KindButtonsEnabled(view));
    EXPECT_EQ(Name(view).text(), "ABC");
    EXPECT_EQ(CheckedKind(view), machineBeamLine);
    EXPECT_TRUE(Save(view).isEnabled());
}

TEST_F(MachineViewTest, SaveNewOpensTheKeyFieldsWithTheNameMachine)
{
    CMachineView view(doc_);
    view.show();
    Click(view, 1113);   // Drill Line
    Type(Name(view), "first");
    Save(view).trigger();
    ASSERT_FALSE(Name(view).isEnabled());

    SaveNew(view).trigger();
    EXPECT_TRUE(Name(view).isEnabled());
    EXPECT_TRUE(KindButtonsEnabled(view));
    EXPECT_EQ(Name(view).text(), "Machine");
    EXPECT_EQ(doc_.GetTitle(), "Machine");
    EXPECT_FALSE(Save(view).isEnabled());
    EXPECT_FALSE(SaveNew(view).isEnabled());
    EXPECT_EQ(CheckedKind(view), machineDrillLine);   // the rest of the machine stays

    Type(Name(view), "second");
    EXPECT_TRUE(Save(view).isEnabled());
    Save(view).trigger();
    EXPECT_EQ(TempDrives::Names(Folder()), (std::vector<std::string>{"FIRST.mch", "SECOND.mch"}));
    EXPECT_EQ(doc_.GetPathName(), "C:\\Kestrom\\Machines\\SECOND.mch");
}

TEST_F(MachineViewTest, AStoredMachineShowsItsValuesWithTheKeyFieldsLocked)
{
    MachineRecord record;
    record.name = "LINE7";
    record.kind = machineAngleLine;
    record.minimumStock = Length(240, 0);
    record.maximumStock = Length(480, 0);
    record.minimumDrop = Length(6, 0);
    record.defaultKerf = Length(0.125, 0);
    record.trimLength = Length(0.5, 0);
    record.flowsRight = 1;
    record.materialTypes = {0, 0, 1, 1, 0, 0, 0};
    doc_.SetMachineData(record);
    doc_.SetDocumentState(CSmartDoc::stateStored);

    CMachineView view(doc_);
    EXPECT_EQ(Name(view).text(), "LINE7");
    EXPECT_FALSE(Name(view).isEnabled());
    EXPECT_FALSE(KindButtonsEnabled(view));
    EXPECT_EQ(CheckedKind(view), machineAngleLine);
    EXPECT_EQ(Length(view, 1106).GetDecimalInches(), 240.0);
    EXPECT_EQ(Length(view, 1109).GetDecimalInches(), 0.125);
    EXPECT_TRUE(Control<QCheckBox>(view, 1119).isChecked());
    EXPECT_FALSE(Control<QCheckBox>(view, 1118).isChecked());
    EXPECT_TRUE(Control<QCheckBox>(view, 1123).isChecked());
    EXPECT_TRUE(Control<QCheckBox>(view, 1124).isChecked());
    EXPECT_FALSE(Control<QCheckBox>(view, 1037).isChecked());
    EXPECT_TRUE(Specifics(view).isEnabled());
    EXPECT_TRUE(doc_.IsSaveAllowed());
}

TEST_F(MachineViewTest, TheFormGoesIntoTheDocumentBeforeASave)
{
    CMachineView view(doc_);
    Type(Name(view), "m2");
    Click(view, 1036);   // Plate Punch
    EnterLength(view, 1106, 120);
    EnterLength(view, 1107, 726);
    EnterLength(view, 1108, -3);
    EnterLength(view, 1109, 0.0625);
    EnterLength(view, 1111, 2.5);
    for (int id : {1118, 1120, 1121, 1037, 1127})
        Click(view, id);
    ASSERT_TRUE(view.UpdateDocument());
    const MachineRecord& r = doc_.GetMachineRecord();
    EXPECT_EQ(r.name, "m2");
    EXPECT_EQ(r.kind, machinePlatePunch);
    EXPECT_EQ((std::array{r.minimumStock.GetValue(), r.maximumStock.GetValue(), r.minimumDrop.GetValue(),
                          r.defaultKerf.GetValue(), r.trimLength.GetValue()}),
              (std::array<double, 5>{120, 726, -3, 0.0625, 2.5}));
    EXPECT_EQ((std::array{r.multiAxis, r.flowsRight, r.trimCut}), (std::array<std::uint32_t, 3>{1, 0, 1}));
    EXPECT_EQ(r.materialTypes, (std::array<std::uint32_t, 7>{1, 0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(doc_.GetSpecData(), nullptr);
}

TEST_F(MachineViewTest, ALengthOutOfItsLimitsStopsTheSaveAndChangesNothing)
{
    CMachineView view(doc_);
    Type(Name(view), "m3");
    // The control keeps its entries within the limits; one that got past it is still refused.
    Length(view, 1106).SetMinInches(-10);
    EnterLength(view, 1106, -1);
    EXPECT_FALSE(view.UpdateDocument());
    EXPECT_EQ(messages_->Shown().at(0).text, "Enter a length from 0 to 83333'3\".");
    EXPECT_EQ(doc_.GetMachineRecord().name, "");
    ASSERT_TRUE(Save(view).isEnabled());
    Save(view).trigger();
    EXPECT_FALSE(std::filesystem::exists(Folder()));
    EXPECT_TRUE(Name(view).isEnabled());

    // Leaving the field reads it again and shows the same message.
    emit Length(view, 1106).KillFocus();
    const std::size_t before = messages_->Shown().size();
    ProcessPosted();
    EXPECT_EQ(messages_->Shown().size(), before + 1);
}

TEST_F(MachineViewTest, EachLengthControlTakesItsFieldsLimits)
{
    CMachineView view(doc_);
    const struct {
        int id;
        double min, max;
    } cases[] = {{1106, 0, 999999}, {1107, 0, 999999}, {1108, -1200, 1200}, {1109, -1200, 1200}, {1111, -1200, 1200}};
    for (const auto& c : cases) {
        EXPECT_EQ(Length(view, c.id).GetMinInches(), c.min) << c.id;
        EXPECT_EQ(Length(view, c.id).GetMaxInches(), c.max) << c.id;
    }
}

TEST_F(MachineViewTest, LeavingTheNameFieldRenamesTheWindowAtOnce)
{
    CMachineView view(doc_);
    Type(Name(view), "Bender");
    emit Name(view).editingFinished();
    EXPECT_NE(doc_.GetTitle(), "Bender");   // the field-changed message is posted
    ProcessPosted();
    EXPECT_EQ(doc_.GetTitle(), "Bender");
    EXPECT_EQ(view.windowTitle(), "Bender");
    EXPECT_EQ(doc_.GetPathName(), "Bender.mch");
    EXPECT_TRUE(doc_.IsModified());
}

TEST_F(MachineViewTest, TheChosenTypeDecidesSpecificsAndModified)
{
    MachineRecord record;
    record.kind = machineBeamLine;
    doc_.SetMachineData(record);
    CMachineView view(doc_);
    EXPECT_FALSE(doc_.IsModified());
    Click(view, 1031);   // the type already chosen
    EXPECT_FALSE(doc_.IsModified());
    Click(view, 1110);
    EXPECT_TRUE(doc_.IsModified());

    // Specifics writes the form into the document first, then opens the kind's dialog.
    ModalScript script([](QDialog&) { return int(QDialog::Rejected); });
    Specifics(view).trigger();
    EXPECT_EQ(doc_.GetMachineRecord().kind, machineAngleLine);
    EXPECT_EQ(script.shown, (std::vector<std::string>{"machui::CAngleLineDlg"}));
    Click(view, 1114);   // Saw/Shear: no dialog
    Specifics(view).trigger();
    EXPECT_EQ(script.shown.size(), 1u);
}

TEST_F(MachineViewTest, TheSpecDialogEditsTheDocumentsSpecDataWithoutMarkingItModified)
{
    MachineRecord record;
    record.name = "D1";
    record.kind = machineDrillLine;
    doc_.SetMachineData(record);
    doc_.SetDocumentState(CSmartDoc::stateStored);
    CMachineView view(doc_);
    ModalScript script([](QDialog& dialog) {
        SetWhole(dialog, 1128, 1);   // one second-web unit
        return PressOk(dialog);
    });
    Specifics(view).trigger();
    ASSERT_NE(doc_.GetSpecData(), nullptr);
    EXPECT_TRUE(doc_.GetSpecData()->GetUnits().FindByName("Web 2"));
    EXPECT_FALSE(doc_.IsModified());
}

TEST_F(MachineViewTest, ClosingTheDocumentsOtherViewsClosesTheirWindows)
{
    CMachineView view(doc_);
    auto other = std::make_unique<CMachineView>(doc_);
    other->show();
    Type(Name(view), "two");   // every machine view writes its form back: both say "two"
    Type(Name(*other), "two");
    SaveNew(view).trigger();
    EXPECT_FALSE(other->isVisible());
    EXPECT_EQ(doc_.GetViews(), (std::vector<fw::View*>{&view}));
}

TEST_F(MachineViewTest, AnUnexpectedFailureOfAHandlerIsReported)
{
    machui::RunGuarded("CMachineDoc::OnFileSave", [] { throw std::runtime_error("disk on fire"); });
    ASSERT_EQ(messages_->Shown().size(), 1u);
    EXPECT_EQ(messages_->Shown()[0].text, "Unexpected error CMachineDoc::OnFileSave");
    EXPECT_EQ(messages_->Shown()[0].caption, "ERROR");
    EXPECT_EQ(messages_->Shown()[0].type, fw::MB_OK | fw::MB_ICONERROR);
}

TEST_F(MachineViewTest, AMaximumStockLengthOf120FeetIsTypedSavedAndShownAgain)
{
    CMachineView view(doc_);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    Click(view, 1031);   // Beam Line
    Type(Name(view), "long");
    lenbox::CLenboxCtrl& maximum = Length(view, 1107);
    ASSERT_EQ(maximum.GetDimensionType(), 0);
    maximum.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&maximum, "120'");
    Name(view).setFocus(Qt::TabFocusReason);
    Save(view).trigger();
    EXPECT_EQ(doc_.GetMachineRecord().maximumStock.GetValue(), 1440.0);

    CMachineDoc& loaded = *static_cast<CMachineDoc*>(template_.OpenDocumentFile("", false));
    LoadProblems problems;
    ASSERT_TRUE(loaded.LoadMachine("LONG", problems));
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(loaded.GetMachineRecord().maximumStock.GetValue(), 1440.0);
    CMachineView again(loaded);
    EXPECT_EQ(Length(again, 1107).GetDecimalInches(), 1440.0);
    EXPECT_TRUE(Length(again, 1107).GetFeetInchFracString().contains("120'"));
    EXPECT_TRUE(messages_->Shown().empty());
    view.hide();   // as closing it does: the focus leaves while the view is whole
}

TEST_F(MachineViewTest, TabVisitsTheFieldsInTheOrderTheyAreLaidOut)
{
    CMachineView view(doc_);
    const QStringList expected = QString("1104 "                                 // name
                                         "1106 1107 1108 1109 "                  // stock
                                         "1118 1119 1120 1111 "                  // run parameters
                                         "1121 1122 1123 1124 1125 1037 1127 "   // material types
                                         "1116 1110 1031 1036 1113 1114 1115")   // machine type
                                     .split(' ');
    EXPECT_EQ(TabChain(view), expected);
}
