#include "machmult/ui/MachineSpecDlg.h"

#include "machmult/ui/CommandGuard.h"
#include "machmult/ui/MachineUnitPage.h"
#include "machmult/ui/ModalRunner.h"
#include "machmult/ui/UnitSheet.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace machui {

CMachineSpecDlg::CMachineSpecDlg(std::unique_ptr<CMachineSpecData> values, const QString& caption, QWidget* parent)
    : QDialog(parent), values_(std::move(values)), counts_(new QFormLayout), options_(new QVBoxLayout)
{
    setWindowTitle(caption);
}

CMachineSpecDlg::~CMachineSpecDlg() = default;

void CMachineSpecDlg::AddCount(int id, const QString& label, std::uint32_t& value, int max)
{
    binder_.AddWhole(*counts_, id, label, value, 0, max, {0, 100});
}

void CMachineSpecDlg::AddLengthType(std::uint32_t& value)
{
    binder_.AddRadio(*options_, "Length Type", {{1123, "Probe"}, {1122, "Pinch Wheel"}}, value);
}

void CMachineSpecDlg::AddOption(int id, const QString& label, std::uint32_t& value)
{
    binder_.AddCheck(*options_, id, label, value);
}

void CMachineSpecDlg::Finish()
{
    auto* editUnits = new QPushButton("EDIT UNITS");
    editUnits->setObjectName(ControlName(1154));
    connect(editUnits, &QPushButton::clicked, this,
            [this] { RunGuarded("CMachineSpecDlg::OnEditUnits", [this] { OnEditUnits(); }); });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(editUnits, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* fields = new QHBoxLayout;
    fields->addLayout(counts_);
    fields->addLayout(options_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    binder_.Load();
}

void CMachineSpecDlg::SetSpecData(CMachineSpecData* spec)
{
    spec_ = spec;
    working_.RemoveAll();
    if (spec) {
        values_->CopyKindFields(*spec);
        for (const CMachineUnit& unit : spec->GetUnits())
            if (std::unique_ptr<CMachineUnit> copy = CMachineUnit::CreateOfType(unit.GetUnitType())) {
                copy->CopyFrom(unit);
                working_.AddTail(std::move(copy));
            }
    }
    binder_.Load();
}

void CMachineSpecDlg::AddUnits(std::vector<UnitSlot>& called, const std::string& base, std::uint32_t count, int unitType,
                               std::uint32_t face)
{
    for (std::uint32_t i = 1; i <= count; ++i)
        called.push_back({count == 1 ? base : base + " - " + std::to_string(i), unitType, face});
}

std::unique_ptr<CMachineUnit> CMachineSpecDlg::TakeOrMake(const UnitSlot& slot, CUnitList& from)
{
    for (auto pos = from.GetHeadPosition(); pos; from.GetNext(pos))
        if (CMachineUnit* unit = from.GetAt(pos); unit->name == slot.name && unit->GetUnitType() == slot.unitType)
            return from.RemoveAt(pos);
    std::unique_ptr<CMachineUnit> unit = CMachineUnit::CreateOfType(slot.unitType);
    unit->name = slot.name;
    if (slot.face != 0)
        unit->face = slot.face;
    return unit;
}

void CMachineSpecDlg::BuildUnits()
{
    CUnitList aside;
    while (!working_.IsEmpty())
        aside.AddTail(working_.RemoveHead());
    for (const UnitSlot& slot : CalledUnits())
        working_.AddTail(TakeOrMake(slot, aside));
}

void CMachineSpecDlg::OnEditUnits()
{
    if (!binder_.Store())
        return;
    CUnitSheet sheet(this);
    std::vector<std::unique_ptr<CMachineUnit>> units;   // the pages' units, in page order
    for (const UnitSlot& slot : CalledUnits()) {
        units.push_back(TakeOrMake(slot, working_));
        std::unique_ptr<CMachineUnitPage> page = CreateUnitPage(slot.unitType);
        page->SetTitle(slot.name);
        page->SetUnit(*units.back());
        sheet.AddPage(std::move(page));
    }
    RunModal(sheet);
    working_.RemoveAll();
    for (std::unique_ptr<CMachineUnit>& unit : units)
        working_.AddTail(std::move(unit));
}

void CMachineSpecDlg::accept()
{
    if (!binder_.Store())
        return;
    if (spec_) {
        spec_->CopyKindFields(*values_);
        BuildUnits();
        spec_->GetUnits().RemoveAll();
        while (!working_.IsEmpty())
            spec_->GetUnits().AddTail(working_.RemoveHead());
    }
    QDialog::accept();
}

// --- The three kinds ---------------------------------------------------------------------------

CAngleLineDlg::CAngleLineDlg(QWidget* parent)
    : CMachineSpecDlg(std::make_unique<CAngleLineSpecData>(), "Angle Line Description", parent)
{
    auto& v = ValuesAs<CAngleLineSpecData>();
    AddLengthType(v.lengthType);
    AddCount(1124, "# Web Frames", v.webFrames, 10);
    AddCount(1126, "# TF Frames", v.topFlangeFrames, 10);
    AddCount(1128, "# Shears", v.shears, 10);
    AddOption(1130, "Cut Off Torch", v.cutOffTorch);
    AddOption(1131, "Contour Torch", v.contourTorch);
    AddOption(1132, "Stenciler", v.stenciler);
    Finish();
}

std::vector<CMachineSpecDlg::UnitSlot> CAngleLineDlg::CalledUnits() const
{
    const auto& v = ValuesAs<CAngleLineSpecData>();
    std::vector<UnitSlot> called;
    AddUnits(called, "Length", 1, unitAngleLength, unitFaceLength);
    AddUnits(called, "Web", v.webFrames, unitGag, unitFaceWeb);
    AddUnits(called, "Top Flange", v.topFlangeFrames, unitGag, unitFaceTopFlange);
    AddUnits(called, "Cut", v.shears, unitShear);
    AddUnits(called, "Torch", v.cutOffTorch ? 1 : 0, unitTorch);
    AddUnits(called, "Stencil", v.stenciler ? 1 : 0, unitStencil);
    return called;
}

CBeamLineDlg::CBeamLineDlg(QWidget* parent) : CMachineSpecDlg(std::make_unique<CBeamLineSpecData>(), {}, parent)
{
    auto& v = ValuesAs<CBeamLineSpecData>();
    AddLengthType(v.lengthType);
    AddCount(1124, "# Web Frames", v.webFrames, 100);
    AddCount(1126, "# TF Frames", v.topFlangeFrames, 100);
    AddCount(1161, "# BF Frames", v.bottomFlangeFrames, 100);
    AddOption(1160, "Saw", v.saw);
    AddOption(1131, "Contour Torch", v.contourTorch);
    AddOption(1132, "Stenciler", v.stenciler);
    Finish();
}

std::vector<CMachineSpecDlg::UnitSlot> CBeamLineDlg::CalledUnits() const
{
    const auto& v = ValuesAs<CBeamLineSpecData>();
    std::vector<UnitSlot> called;
    AddUnits(called, "Length", 1, unitBeamLength, unitFaceLength);
    AddUnits(called, "Web", v.webFrames, unitGag, unitFaceWeb);
    AddUnits(called, "Top Flange", v.topFlangeFrames, unitFlangeFrame, unitFaceTopFlange);
    AddUnits(called, "Bottom Flange", v.bottomFlangeFrames, unitFlangeFrame, unitFaceBottomFlange);
    AddUnits(called, "Saw", v.saw ? 1 : 0, unitSaw);
    AddUnits(called, "Stencil", v.stenciler ? 1 : 0, unitStencil);
    return called;
}

CDrillDlg::CDrillDlg(QWidget* parent)
    : CMachineSpecDlg(std::make_unique<CDrillSpecData>(), "Drill Line Description", parent)
{
    auto& v = ValuesAs<CDrillSpecData>();
    AddLengthType(v.lengthType);
    AddCount(1124, "# Web Units", v.webUnits, 100);
    AddCount(1126, "# TF Units", v.topFlangeUnits, 100);
    AddCount(1161, "# BF Units", v.bottomFlangeUnits, 100);
    AddCount(1128, "# Web2 Units", v.web2Units, 100);
    AddOption(1160, "Saw", v.saw);
    AddOption(1131, "Contour Torch", v.contourTorch);
    AddOption(1132, "Stenciler", v.stenciler);
    Finish();
}

std::vector<CMachineSpecDlg::UnitSlot> CDrillDlg::CalledUnits() const
{
    const auto& v = ValuesAs<CDrillSpecData>();
    std::vector<UnitSlot> called;
    AddUnits(called, "Length", 1, unitBeamLength, unitFaceLength);
    AddUnits(called, "Web", v.webUnits, unitDrill, unitFaceWeb);
    AddUnits(called, "Top Flange", v.topFlangeUnits, unitDrill, unitFaceTopFlange);
    AddUnits(called, "Bottom Flange", v.bottomFlangeUnits, unitDrill, unitFaceBottomFlange);
    AddUnits(called, "Web 2", v.web2Units, unitDrill, unitFaceWeb2);
    AddUnits(called, "Saw", v.saw ? 1 : 0, unitSaw);
    AddUnits(called, "Stencil", v.stenciler ? 1 : 0, unitStencil);
    return called;
}

std::unique_ptr<CMachineSpecDlg> CreateSpecDialog(int kind, QWidget* parent)
{
    switch (kind) {
    case machineAngleLine: return std::make_unique<CAngleLineDlg>(parent);
    case machineBeamLine: return std::make_unique<CBeamLineDlg>(parent);
    case machineDrillLine: return std::make_unique<CDrillDlg>(parent);
    default: return nullptr;
    }
}

} // namespace machui
