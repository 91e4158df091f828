#include "machmult/ui/AxisPopups.h"
#include "machmult/ui/MachineUnitPage.h"
#include "machmult/ui/UnitSheet.h"

#include "UiTestSupport.h"
#include "fw/core/MessageService.h"
#include "tests/model/MachineTestSupport.h"

#include <QPushButton>
#include <QTabWidget>

#include <tuple>

using namespace machinetest;
using namespace uitest;
using machui::CMachineUnitPage;
using modeltest::StoreDirect;

namespace {

std::unique_ptr<CMachineUnitPage> PageFor(CMachineUnit& unit)
{
    std::unique_ptr<CMachineUnitPage> page = machui::CreateUnitPage(unit.GetUnitType());
    page->SetTitle(unit.name);
    page->SetUnit(unit);
    return page;
}

// Units of every class, every value inside its page's limits, check boxes 0 or 1.
std::vector<std::unique_ptr<CMachineUnit>> EveryUnit()
{
    std::vector<std::unique_ptr<CMachineUnit>> units;
    units.push_back(AngleLength("Length", 0x50, 100));
    units.push_back(Stencil("Stencil", 0, 200, 1, 0));
    auto shear = Shear("Cut", 0, 300);
    std::tie(shear->channel, shear->angle, shear->flat) = std::tuple(1u, 0u, 1u);
    units.push_back(std::move(shear));
    units.push_back(Gag("Web", 0x10, 400, 3, 0));
    auto torch = Torch("Torch", 0, 500);
    std::tie(torch->angle, torch->channel, torch->flat) = std::tuple(0u, 1u, 1u);
    units.push_back(std::move(torch));
    units.push_back(BeamLength("Length", 0x50, 600));
    units.push_back(FlangeFrame("Top Flange", 0x20, 700, 4, 1));
    units.push_back(Saw("Saw", 0, 800));
    units.push_back(Drill("Web", 0x10, 900, 5));
    return units;
}

class UnitPageTest : public testing::Test {
protected:
    UnitPageTest() { test::QtApp(); }
    fw::ScriptedMessages messages_{fw::ScriptedMessageService::WhenUnscripted::AnswerDefault};
    test::LenboxFactory lenboxes_;
};

} // namespace

TEST_F(UnitPageTest, EveryPageShowsItsUnitAndWritesItBackOnlyOnOk)
{
    for (auto& unit : EveryUnit()) {
        SCOPED_TRACE(unit->GetRuntimeClass()->className);
        const Bytes before = StoreDirect(*unit);
        std::unique_ptr<CMachineUnitPage> page = PageFor(*unit);
        EXPECT_EQ(page->windowTitle().toStdString(), unit->name);
        ASSERT_TRUE(page->ReadFields());
        page->OnOK();
        EXPECT_EQ(StoreDirect(*unit), before) << "showing and reading back changes nothing";

        // An edit stays on the page until OK.
        unit->name = "changed";
        ASSERT_TRUE(page->ReadFields());
        EXPECT_EQ(unit->name, "changed");
        EXPECT_TRUE(messages_->Shown().empty());
    }
}

TEST_F(UnitPageTest, FieldsGoIntoTheirUnitFields)
{
    CGagUnit gag;
    std::unique_ptr<CMachineUnitPage> page = PageFor(gag);
    SetWhole(*page, 1141, 7);
    SetWhole(*page, 1142, 3600000);
    EnterLength(*page, 1143, -2.5);
    Click(*page, 1145);
    ASSERT_TRUE(page->ReadFields());
    EXPECT_EQ(gag.numberOfTools, 1u);   // not before OK
    page->OnOK();
    EXPECT_EQ(gag.numberOfTools, 7u);
    EXPECT_EQ(gag.cycleTime, 3600000u);
    EXPECT_EQ(gag.frameOffset.GetValue(), -2.5);
    EXPECT_EQ(gag.positionType, axisServo);

    CDrillUnit drill;
    page = PageFor(drill);
    const std::pair<int, double> lengths[] = {{1166, 1}, {1163, 2}, {1148, 3}, {1165, 4}, {1149, 5}, {1168, 6}};
    for (const auto& [id, inches] : lengths)
        EnterLength(*page, id, inches);
    Click(*page, 1147);   // spread servo
    Click(*page, 1152);   // linear servo
    ASSERT_TRUE(page->ReadFields());
    page->OnOK();
    EXPECT_EQ((std::array{drill.drillingSpeed.GetValue(), drill.minimumPosition.GetValue(), drill.maximumPosition.GetValue(),
                          drill.minimumSpread.GetValue(), drill.maximumSpread.GetValue(), drill.linearRange.GetValue()}),
              (std::array<double, 6>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ((std::array{drill.positionType, drill.spreadType, drill.linearType}),
              (std::array<std::uint32_t, 3>{axisValve, axisServo, axisServo}));
}

TEST_F(UnitPageTest, SwitchingAnAxisToServoKeepsItsValues)
{
    std::unique_ptr<CGagUnit> gag = Gag("Web", 0x10, 0, 1, axisValve);   // values 11-16, time 17
    std::unique_ptr<CMachineUnitPage> page = PageFor(*gag);
    Click(*page, 1145);

    std::vector<double> shown;
    ModalScript script([&](QDialog& dialog) {
        for (int id : {1136, 1138})
            shown.push_back(Control<QLineEdit>(dialog, id).text().toDouble());
        for (int id : {1132, 1133, 1134, 1135})
            shown.push_back(Length(dialog, id).GetDecimalInches());
        EnterLength(dialog, 1135, 0.5);   // value 6
        return PressOk(dialog);
    });
    Click(*page, 1157);
    EXPECT_EQ(script.shown, (std::vector<std::string>{"machui::CServoPopupDlg"}));
    // Values 1-5 move from the valve fields to the servo fields; the sixth starts at 0.
    EXPECT_EQ(shown, (std::vector<double>{11, 12, 13, 14, 15, 0}));

    page->OnOK();
    EXPECT_EQ(gag->positionType, axisServo);
    EXPECT_EQ(gag->axis.values, (std::array<double, 6>{11, 12, 13, 14, 15, 0.5}));
    EXPECT_EQ(gag->axis.inPositionTime, 17u);   // a servo axis leaves the time alone
}

TEST_F(UnitPageTest, ExtendedInfoOpensThePopUpOfTheAxisType)
{
    struct Case {
        std::function<std::unique_ptr<CMachineUnit>()> make;
        int button;
        const char* popup;
    } cases[] = {
        {[] { return Gag("Web", 0x10, 0, 1, axisValve); }, 1157, "machui::CValvePopupDlg"},
        {[] { return Gag("Web", 0x10, 0, 1, axisServo); }, 1157, "machui::CServoPopupDlg"},
        {[] { return FlangeFrame("TF", 0x20, 0, 2, axisValve); }, 1157, "machui::CValvePopupDlg"},
        {[] { return Torch("Torch", 0, 0); }, 1157, "machui::CServoPopupDlg"},
        {[] { return AngleLength("Length", 0x50, 0); }, 1157, "machui::CServoPopupDlg"},
        {[] { return BeamLength("Length", 0x50, 0); }, 1157, "machui::CServoPopupDlg"},
        {[] { return Stencil("Stencil", 0, 0, axisServo, 0); }, 1159, "machui::CServoPopupDlg"},
        {[] { return Stencil("Stencil", 0, 0, axisServo, 0); }, 1158, "machui::CValvePopupDlg"},
        {[] { return Drill("Web", 0x10, 0, 1); }, 1164, "machui::CValvePopupDlg"},
        {[] { return Drill("Web", 0x10, 0, 1); }, 1167, "machui::CServoPopupDlg"},
        {[] { return Drill("Web", 0x10, 0, 1); }, 1170, "machui::CServoPopupDlg"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CMachineUnit> unit = c.make();
        std::unique_ptr<CMachineUnitPage> page = PageFor(*unit);
        ModalScript script([](QDialog&) { return int(QDialog::Rejected); });
        Click(*page, c.button);
        EXPECT_EQ(script.shown, (std::vector<std::string>{c.popup})) << unit->GetRuntimeClass()->className << " " << c.button;
    }
}

TEST_F(UnitPageTest, TorchServoValuesComeBackFromThePopUp)
{
    std::unique_ptr<CTorchUnit> torch = Torch("Torch", 0, 0);   // servo values 11-16
    std::unique_ptr<CMachineUnitPage> page = PageFor(*torch);
    ModalScript script([](QDialog& dialog) {
        Type(Control<QLineEdit>(dialog, 1136), "-3.25");
        return PressOk(dialog);
    });
    Click(*page, 1157);
    page->OnOK();
    EXPECT_EQ(torch->servo, (std::array<double, 6>{-3.25, 12, 13, 14, 15, 16}));
}

TEST_F(UnitPageTest, ACancelledPopUpLeavesThePageValues)
{
    std::unique_ptr<CGagUnit> gag = Gag("Web", 0x10, 0, 1, axisValve);
    const Bytes before = StoreDirect(*gag);
    std::unique_ptr<CMachineUnitPage> page = PageFor(*gag);
    ModalScript script([](QDialog& dialog) {
        EnterLength(dialog, 1134, 99);
        SetWhole(dialog, 1140, 5);
        return int(QDialog::Rejected);
    });
    Click(*page, 1157);
    page->OnOK();
    EXPECT_EQ(StoreDirect(*gag), before);
}

TEST_F(UnitPageTest, AStencilFrameAxisOfTypeNoneIsNeverTouched)
{
    std::unique_ptr<CStencilUnit> stencil = Stencil("Stencil", 0, 0, axisValve, CStencilUnit::frameNone);
    const ExtendedBlock frame = stencil->frameAxis;
    std::unique_ptr<CMachineUnitPage> page = PageFor(*stencil);
    auto& frameInfo = Control<QPushButton>(*page, 1158);
    EXPECT_FALSE(frameInfo.isEnabled());
    Click(*page, 1146);
    EXPECT_TRUE(frameInfo.isEnabled());

    // Frame values edited while Valve, then the frame type set back to None.
    ModalScript script([](QDialog& dialog) {
        EnterLength(dialog, 1134, 7);
        return PressOk(dialog);
    });
    Click(*page, 1158);
    Click(*page, 1147);
    EXPECT_FALSE(frameInfo.isEnabled());
    Click(*page, 1159);   // the wheel axis meanwhile
    page->OnOK();
    EXPECT_EQ(stencil->frameAxis, frame);
    EXPECT_EQ(stencil->frameType, CStencilUnit::frameNone);
    EXPECT_EQ(stencil->wheelAxis.values[0], 7.0);
}

TEST_F(UnitPageTest, WholeNumbersAreCheckedAgainstTheirRanges)
{
    struct Case {
        std::function<std::unique_ptr<CMachineUnit>()> make;
        int id;
        int bad;
        int good;
        const char* message;
    } cases[] = {
        {[] { return std::make_unique<CGagUnit>(); }, 1142, 3600001, 0, "Enter a whole number from 0 to 3600000."},
        {[] { return std::make_unique<CFlangeFrameUnit>(); }, 1142, 100001, 100000, "Enter a whole number from 0 to 100000."},
        {[] { return std::make_unique<CFlangeFrameUnit>(); }, 1147, 100001, 100000, "Enter a whole number from 0 to 100000."},
        {[] { return std::make_unique<CShearUnit>(); }, 1142, 100001, 5, "Enter a whole number from 0 to 100000."},
        {[] { return std::make_unique<CStencilUnit>(); }, 1142, -1, 5, "Enter a whole number from 0 to 100000."},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CMachineUnit> unit = c.make();
        std::unique_ptr<CMachineUnitPage> page = PageFor(*unit);
        auto& box = Control<QSpinBox>(*page, c.id);
        box.setValue(c.bad);
        const std::size_t before = messages_->Shown().size();
        EXPECT_FALSE(page->ReadFields()) << c.id;
        ASSERT_EQ(messages_->Shown().size(), before + 1);
        EXPECT_EQ(messages_->Shown().back().text, c.message);
        box.setValue(c.good);
        EXPECT_TRUE(page->ReadFields()) << c.id;
    }

    // Counts with up-down arrows take nothing outside them: tools 1 to 1000 on gags and flange
    // frames (each one a tool station), spindles 1 to 100.
    struct Count {
        std::function<std::unique_ptr<CMachineUnit>()> make;
        int min, max;
    } counts[] = {
        {[] { return std::make_unique<CGagUnit>(); }, 1, 1000},
        {[] { return std::make_unique<CFlangeFrameUnit>(); }, 1, 1000},
        {[] { return std::make_unique<CDrillUnit>(); }, 1, 100},
    };
    for (const Count& c : counts) {
        std::unique_ptr<CMachineUnit> unit = c.make();
        std::unique_ptr<CMachineUnitPage> page = PageFor(*unit);
        auto& box = Control<QSpinBox>(*page, 1141);
        box.setValue(c.max + 1);
        EXPECT_EQ(box.value(), c.max);
        box.setValue(c.min - 1);
        EXPECT_EQ(box.value(), c.min);
    }
}

TEST_F(UnitPageTest, LengthsOutsideTheirLimitsAreRefused)
{
    CSawUnit saw;
    std::unique_ptr<CMachineUnitPage> page = PageFor(saw);
    // The control keeps its entries within the limits; one that got past it is still refused.
    Length(*page, 1144).SetMinInches(-10);
    EnterLength(*page, 1144, -1);   // the cycle time is 0 to 1200
    EXPECT_FALSE(page->ReadFields());
    EXPECT_EQ(messages_->Shown().back().text, "Enter a length from 0 to 100'.");
    EnterLength(*page, 1144, 12.5);
    EnterLength(*page, 1006, -1199);   // a kerf may be negative
    EXPECT_TRUE(page->ReadFields());
    page->OnOK();
    EXPECT_EQ(saw.cycleTime.GetValue(), 12.5);
    EXPECT_EQ(saw.kerf.GetValue(), -1199.0);
}

TEST_F(UnitPageTest, TheSheetWritesEveryPageOnOkAndNothingOnCancel)
{
    std::unique_ptr<CGagUnit> web = Gag("Web", 0x10, 0, 2, axisValve);
    std::unique_ptr<CSawUnit> saw = Saw("Saw", 0, 0);
    for (bool ok : {false, true}) {
        machui::CUnitSheet sheet;
        sheet.AddPage(PageFor(*web));
        sheet.AddPage(PageFor(*saw));
        ASSERT_EQ(sheet.Tabs().count(), 2);
        EXPECT_EQ(sheet.Tabs().tabText(1), "Saw");
        SetWhole(*sheet.GetPages()[0], 1141, 9);
        EnterLength(*sheet.GetPages()[1], 1006, 5.0);   // 127 mm: exact in the metric form
        if (ok)
            sheet.accept();
        else
            sheet.reject();
        EXPECT_EQ(web->numberOfTools, ok ? 9u : 2u);
        EXPECT_DOUBLE_EQ(saw->kerf.GetValue(), ok ? 5.0 : 3.0);
    }

    // A page out of range keeps the sheet open on that page and writes nothing.
    machui::CUnitSheet sheet;
    sheet.AddPage(PageFor(*web));
    sheet.AddPage(PageFor(*saw));
    SetWhole(*sheet.GetPages()[0], 1141, 5);
    Length(*sheet.GetPages()[1], 1144).SetMinInches(-10);   // past the control, as above
    EnterLength(*sheet.GetPages()[1], 1144, -1);
    sheet.accept();
    EXPECT_NE(sheet.result(), QDialog::Accepted);
    EXPECT_EQ(sheet.Tabs().currentIndex(), 1);
    EXPECT_EQ(web->numberOfTools, 9u);
}

TEST_F(UnitPageTest, ValvePopUpHandsBackItsValuesOnOk)
{
    machui::CValvePopupDlg popup;
    ExtendedBlock block;
    block.values = {1, 2, 3, 4, 5, 6};
    block.inPositionTime = 7;
    popup.SetBlock(block);
    EXPECT_EQ(Control<QSpinBox>(popup, 1140).value(), 7);
    SetWhole(popup, 1140, 100001);
    popup.accept();
    EXPECT_NE(popup.result(), QDialog::Accepted);
    EXPECT_EQ(messages_->Shown().back().text, "Enter a whole number from 0 to 100000.");
    SetWhole(popup, 1140, 250);
    EnterLength(popup, 1141, -3);   // runend position may be negative
    popup.accept();
    EXPECT_EQ(popup.result(), QDialog::Accepted);
    EXPECT_EQ(popup.GetBlock().values, (std::array<double, 6>{1, 2, 3, 4, -3, 6}));
    EXPECT_EQ(popup.GetBlock().inPositionTime, 250u);
}
