#include "machmult/ui/MachineSpecDlg.h"
#include "machmult/ui/MachineUnitPage.h"
#include "machmult/ui/UnitSheet.h"

#include "UiTestSupport.h"
#include "fw/core/MessageService.h"
#include "tests/model/MachineTestSupport.h"

#include <QCheckBox>
#include <QTabWidget>

using namespace machinetest;
using namespace uitest;
using machui::CMachineSpecDlg;
using modeltest::StoreDirect;

namespace {

// "name class face" of every unit in order.
std::vector<std::string> Describe(const CUnitList& units)
{
    std::vector<std::string> out;
    for (const CMachineUnit& unit : units)
        out.push_back(unit.name + " " + unit.GetRuntimeClass()->className + " " + std::to_string(unit.face));
    return out;
}

std::vector<std::string> Names(const CUnitList& units)
{
    std::vector<std::string> out;
    for (const CMachineUnit& unit : units)
        out.push_back(unit.name);
    return out;
}

CMachineUnit& Unit(CMachineSpecData& spec, const std::string& name)
{
    return *spec.GetUnits().GetAt(spec.GetUnits().FindByName(name));
}

// Runs the dialog's EDIT UNITS with a sheet answered by the function.
std::vector<std::string> EditUnits(CMachineSpecDlg& dialog, std::function<int(machui::CUnitSheet&)> answer)
{
    std::vector<std::string> titles;
    ModalScript script([&](QDialog& shown) {
        auto& sheet = dynamic_cast<machui::CUnitSheet&>(shown);
        for (int i = 0; i < sheet.Tabs().count(); ++i)
            titles.push_back(sheet.Tabs().tabText(i).toStdString());
        return answer(sheet);
    });
    Click(dialog, 1154);
    return titles;
}

class SpecDlgTest : public testing::Test {
protected:
    SpecDlgTest() { test::QtApp(); }
    fw::ScriptedMessages messages_{fw::ScriptedMessageService::WhenUnscripted::AnswerDefault};
    test::LenboxFactory lenboxes_;
};

} // namespace

TEST_F(SpecDlgTest, BuildsTheUnitsTheCountsCallForWithTheirNames)
{
    struct Case {
        int kind;
        std::function<void(QDialog&)> set;
        std::vector<std::string> units;
    } cases[] = {
        {machineAngleLine,
         [](QDialog& d) {
             SetWhole(d, 1124, 2);
             SetWhole(d, 1126, 1);
             SetWhole(d, 1128, 3);
             Click(d, 1132);   // stenciler on; the cut-off torch is on by default
         },
         {"Length CAngleLengthUnit 80", "Web - 1 CGagUnit 16", "Web - 2 CGagUnit 16", "Top Flange CGagUnit 32",
          "Cut - 1 CShearUnit 0", "Cut - 2 CShearUnit 0", "Cut - 3 CShearUnit 0", "Torch CTorchUnit 0",
          "Stencil CStencilUnit 0"}},
        {machineBeamLine,
         [](QDialog& d) {
             SetWhole(d, 1126, 2);
             SetWhole(d, 1161, 0);
             Click(d, 1160);   // saw
         },
         {"Length CBeamLengthUnit 80", "Web CGagUnit 16", "Top Flange - 1 CFlangeFrameUnit 32",
          "Top Flange - 2 CFlangeFrameUnit 32", "Saw CSawUnit 0"}},
        {machineDrillLine,
         [](QDialog& d) {
             SetWhole(d, 1128, 2);
             Click(d, 1160);
             Click(d, 1132);
         },
         {"Length CBeamLengthUnit 80", "Web CDrillUnit 16", "Top Flange CDrillUnit 32", "Bottom Flange CDrillUnit 48",
          "Web 2 - 1 CDrillUnit 64", "Web 2 - 2 CDrillUnit 64", "Saw CSawUnit 0", "Stencil CStencilUnit 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        std::unique_ptr<CMachineSpecData> spec = CMachineSpecData::CreateForKind(c.kind);
        std::unique_ptr<CMachineSpecDlg> dialog = machui::CreateSpecDialog(c.kind);
        dialog->SetSpecData(spec.get());
        c.set(*dialog);
        dialog->accept();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(Describe(spec->GetUnits()), c.units);
    }
}

TEST_F(SpecDlgTest, TheKindsFieldsReachTheSpecDataOnlyAtOk)
{
    CAngleLineSpecData spec;
    spec.shears = 4;
    spec.lengthType = lengthPinchWheel;
    machui::CAngleLineDlg dialog;
    dialog.SetSpecData(&spec);
    EXPECT_EQ(Control<QSpinBox>(dialog, 1128).value(), 4);
    EXPECT_TRUE(Control<QAbstractButton>(dialog, 1122).isChecked());
    EXPECT_TRUE(Control<QCheckBox>(dialog, 1130).isChecked());
    Click(dialog, 1123);   // probe
    Click(dialog, 1131);   // contour torch
    SetWhole(dialog, 1124, 3);
    EXPECT_EQ(spec.lengthType, lengthPinchWheel);
    dialog.accept();
    EXPECT_EQ(spec.lengthType, lengthProbe);
    EXPECT_EQ(spec.contourTorch, 1u);
    EXPECT_EQ(spec.webFrames, 3u);
    EXPECT_EQ(spec.shears, 4u);
    // The contour torch makes no unit.
    EXPECT_EQ(Names(spec.GetUnits()), (std::vector<std::string>{"Length", "Web - 1", "Web - 2", "Web - 3", "Top Flange",
                                                                "Cut - 1", "Cut - 2", "Cut - 3", "Cut - 4", "Torch"}));
}

TEST_F(SpecDlgTest, CountsAreCheckedAgainstTheirKindsRange)
{
    machui::CAngleLineDlg angle;
    CAngleLineSpecData angleSpec;
    angle.SetSpecData(&angleSpec);
    SetWhole(angle, 1128, 11);
    angle.accept();
    EXPECT_NE(angle.result(), QDialog::Accepted);
    EXPECT_EQ(messages_->Shown().back().text, "Enter a whole number from 0 to 10.");
    EXPECT_EQ(angleSpec.shears, 1u);
    EXPECT_TRUE(angleSpec.GetUnits().IsEmpty());
    // EDIT UNITS does not open either.
    EXPECT_TRUE(EditUnits(angle, [](machui::CUnitSheet&) { return 0; }).empty());

    for (int kind : {machineBeamLine, machineDrillLine}) {
        std::unique_ptr<CMachineSpecData> spec = CMachineSpecData::CreateForKind(kind);
        std::unique_ptr<CMachineSpecDlg> dialog = machui::CreateSpecDialog(kind);
        dialog->SetSpecData(spec.get());
        SetWhole(*dialog, 1124, 100);
        dialog->accept();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(spec->GetUnits().FindByName("Web - 100") ? 1 : 0, 1);
        // The up-down control stops at 100.
        SetWhole(*dialog, 1124, 101);
        EXPECT_EQ(Control<QSpinBox>(*dialog, 1124).value(), 100);
    }
}

TEST_F(SpecDlgTest, UnitsKeepTheirSettingsWhileTheyAreCalledFor)
{
    CBeamLineSpecData spec;
    spec.webFrames = 2;
    spec.GetUnits().AddTail(BeamLength("Length", 0x50, 100));
    spec.GetUnits().AddTail(Gag("Web - 1", 0x10, 200, 3, 0));
    spec.GetUnits().AddTail(Gag("Web - 2", 0x10, 300, 4, 1));
    const Bytes web1 = StoreDirect(Unit(spec, "Web - 1"));
    const Bytes web2 = StoreDirect(Unit(spec, "Web - 2"));

    // Raising 2 to 3 keeps both and adds a new third.
    {
        CBeamLineSpecData raised;
        raised.webFrames = 2;
        for (const CMachineUnit& unit : spec.GetUnits())
            raised.GetUnits().AddTail(unit.Clone());
        machui::CBeamLineDlg dialog;
        dialog.SetSpecData(&raised);
        SetWhole(dialog, 1124, 3);
        dialog.accept();
        EXPECT_EQ(StoreDirect(Unit(raised, "Web - 1")), web1);
        EXPECT_EQ(StoreDirect(Unit(raised, "Web - 2")), web2);
        const auto& third = dynamic_cast<const CGagUnit&>(Unit(raised, "Web - 3"));
        EXPECT_EQ(third.numberOfTools, 1u);
        EXPECT_EQ(third.face, unitFaceWeb);
        EXPECT_EQ(Unit(raised, "Length").GetRuntimeClass(), &CBeamLengthUnit::classObject);
        EXPECT_EQ(dynamic_cast<const CBeamLengthUnit&>(Unit(raised, "Length")).servo[0], 101.0);
    }
    // Lowering 2 to 1 drops both and makes a new unit named Web; 0 drops every unit of the face.
    for (int count : {1, 0}) {
        machui::CBeamLineDlg dialog;
        CBeamLineSpecData lowered;
        for (const CMachineUnit& unit : spec.GetUnits())
            lowered.GetUnits().AddTail(unit.Clone());
        dialog.SetSpecData(&lowered);
        SetWhole(dialog, 1124, count);
        dialog.accept();
        EXPECT_FALSE(lowered.GetUnits().FindByName("Web - 1"));
        EXPECT_FALSE(lowered.GetUnits().FindByName("Web - 2"));
        EXPECT_EQ(bool(lowered.GetUnits().FindByName("Web")), count == 1);
        if (count == 1) {
            EXPECT_EQ(dynamic_cast<const CGagUnit&>(Unit(lowered, "Web")).numberOfTools, 1u);
        }
    }
}

TEST_F(SpecDlgTest, AUnitIsReusedOnlyWhenItsClassMatchesToo)
{
    // A saw named like a web frame (a file written elsewhere) does not become the web frame.
    CBeamLineSpecData spec;
    spec.webFrames = 1;
    spec.saw = 1;
    spec.GetUnits().AddTail(Saw("Web", 0, 10));
    spec.GetUnits().AddTail(Gag("Saw", 0x10, 20, 5, 0));
    auto bare = std::make_unique<CMachineUnit>();   // a unit of no known type is left out
    bare->name = "Top Flange";
    spec.GetUnits().AddTail(std::move(bare));
    machui::CBeamLineDlg dialog;
    dialog.SetSpecData(&spec);
    EXPECT_EQ(Names(dialog.GetWorkingUnits()), (std::vector<std::string>{"Web", "Saw"}));

    const std::vector<std::string> pages = EditUnits(dialog, [](machui::CUnitSheet& sheet) {
        EXPECT_EQ(sheet.GetPages()[1]->GetUnit()->GetRuntimeClass(), &CGagUnit::classObject);
        EXPECT_EQ(sheet.GetPages()[4]->GetUnit()->GetRuntimeClass(), &CSawUnit::classObject);
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(pages, (std::vector<std::string>{"Length", "Web", "Top Flange", "Bottom Flange", "Saw"}));
    dialog.accept();
    EXPECT_EQ(Describe(spec.GetUnits()),
              (std::vector<std::string>{"Length CBeamLengthUnit 80", "Web CGagUnit 16", "Top Flange CFlangeFrameUnit 32",
                                        "Bottom Flange CFlangeFrameUnit 48", "Saw CSawUnit 0"}));
    EXPECT_EQ(dynamic_cast<const CSawUnit&>(Unit(spec, "Saw")).kerf.GetValue(), 0.0);
}

TEST_F(SpecDlgTest, EditUnitsShowsAPagePerUnitAndOkKeepsTheEdits)
{
    CDrillSpecData spec;
    spec.webUnits = 1;
    spec.web2Units = 2;
    spec.GetUnits().AddTail(Drill("Web", 0x10, 100, 3));
    machui::CDrillDlg dialog;
    dialog.SetSpecData(&spec);
    const std::vector<std::string> pages = EditUnits(dialog, [](machui::CUnitSheet& sheet) {
        SetWhole(*sheet.GetPages()[1], 1141, 9);    // Web
        SetWhole(*sheet.GetPages()[4], 1141, 2);    // Web 2 - 1
        return PressOk(sheet);
    });
    EXPECT_EQ(pages, (std::vector<std::string>{"Length", "Web", "Top Flange", "Bottom Flange", "Web 2 - 1", "Web 2 - 2"}));
    EXPECT_EQ(Names(dialog.GetWorkingUnits()),
              (std::vector<std::string>{"Length", "Web", "Top Flange", "Bottom Flange", "Web 2 - 1", "Web 2 - 2"}));
    EXPECT_EQ(dynamic_cast<const CDrillUnit&>(Unit(spec, "Web")).numberOfSpindles, 3u);   // not before OK
    dialog.accept();
    EXPECT_EQ(dynamic_cast<const CDrillUnit&>(Unit(spec, "Web")).numberOfSpindles, 9u);
    EXPECT_EQ(dynamic_cast<const CDrillUnit&>(Unit(spec, "Web 2 - 1")).numberOfSpindles, 2u);
    EXPECT_EQ(dynamic_cast<const CDrillUnit&>(Unit(spec, "Web 2 - 1")).face, unitFaceWeb2);
    EXPECT_EQ(dynamic_cast<const CDrillUnit&>(Unit(spec, "Web")).drillingSpeed.GetValue(), 101.0);
}

TEST_F(SpecDlgTest, CancelLeavesTheMachinesUnitsExactlyAsTheyWere)
{
    CAngleLineSpecData spec;
    spec.webFrames = 2;
    spec.GetUnits().AddTail(AngleLength("Length", 0x50, 100));
    spec.GetUnits().AddTail(Gag("Web - 1", 0x10, 200, 3, 0));
    spec.GetUnits().AddTail(Gag("Web - 2", 0x10, 300, 4, 1));
    const Bytes before = StoreDirect(spec);

    machui::CAngleLineDlg dialog;
    dialog.SetSpecData(&spec);
    SetWhole(dialog, 1124, 1);
    // A cancelled sheet still leaves only the called-for units in the working list.
    EditUnits(dialog, [](machui::CUnitSheet& sheet) {
        SetWhole(*sheet.GetPages()[1], 1141, 50);
        sheet.reject();
        return sheet.result();
    });
    EXPECT_EQ(Names(dialog.GetWorkingUnits()), (std::vector<std::string>{"Length", "Web", "Top Flange", "Cut", "Torch"}));
    for (const CMachineUnit& unit : dialog.GetWorkingUnits()) {
        if (unit.name == "Web") {
            EXPECT_EQ(dynamic_cast<const CGagUnit&>(unit).numberOfTools, 1u);
        }
    }
    dialog.reject();
    EXPECT_EQ(StoreDirect(spec), before);

    // OK without EDIT UNITS keeps every unit still called for, as it was.
    machui::CAngleLineDlg again;
    again.SetSpecData(&spec);
    again.accept();
    EXPECT_EQ(Names(spec.GetUnits()),
              (std::vector<std::string>{"Length", "Web - 1", "Web - 2", "Top Flange", "Cut", "Torch"}));
    const Bytes length = StoreDirect(*AngleLength("Length", 0x50, 100));
    EXPECT_EQ(StoreDirect(Unit(spec, "Length")), length);
}

TEST_F(SpecDlgTest, WithoutSpecDataOkOnlyCloses)
{
    machui::CBeamLineDlg dialog;
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(machui::CreateSpecDialog(machinePlatePunch), nullptr);
    EXPECT_EQ(machui::CreateSpecDialog(machineNone), nullptr);
    EXPECT_EQ(machui::CAngleLineDlg().windowTitle(), "Angle Line Description");
    EXPECT_EQ(machui::CDrillDlg().windowTitle(), "Drill Line Description");
}
