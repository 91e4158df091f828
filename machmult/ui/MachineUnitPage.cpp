#include "machmult/ui/MachineUnitPage.h"

#include "fw/qt/QtText.h"
#include "machmult/ui/AxisPopups.h"
#include "machmult/ui/CommandGuard.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace machui {

namespace {

// Limits of the pages' lengths (inches): offsets, kerfs and positions may be negative.
constexpr double kOffset = 1200.0;
constexpr double kSize = 1200.0;

const std::initializer_list<std::pair<int, QString>> kPositionButtons = {{1144, "Valve"}, {1145, "Servo"}};

} // namespace

CMachineUnitPage::CMachineUnitPage(std::unique_ptr<CMachineUnit> values, const QString& caption)
    : fields_(new QFormLayout), groups_(new QVBoxLayout), buttons_(new QHBoxLayout), values_(std::move(values))
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields_);
    layout->addLayout(groups_);
    layout->addLayout(buttons_);
}

CMachineUnitPage::~CMachineUnitPage() = default;

void CMachineUnitPage::SetTitle(const std::string& name)
{
    title_ = name;
    setWindowTitle(fw::ToQString(name));
}

void CMachineUnitPage::SetUnit(CMachineUnit& unit)
{
    unit_ = &unit;
    // Start from a new unit's values, so that what an axis's type does not use reads 0.
    values_->CopyFrom(*CMachineUnit::CreateOfType(values_->GetUnitType()));
    CopyEditedValues(*values_, unit);
    binder_.Load();
    OnValuesLoaded();
}

bool CMachineUnitPage::ReadFields() { return binder_.Store(); }

void CMachineUnitPage::OnOK()
{
    if (unit_)
        CopyEditedValues(*unit_, *values_);
}

QBoxLayout& CMachineUnitPage::AddGroup(const QString& title)
{
    auto* box = new QGroupBox(title);
    auto* row = new QHBoxLayout(box);
    groups_->addWidget(box);
    return *row;
}

QPushButton& CMachineUnitPage::AddButton(int id, const QString& label, std::function<void()> action)
{
    auto* button = new QPushButton(label);
    button->setObjectName(ControlName(id));
    buttons_->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
        RunGuarded("CMachineUnitPage::OnExtendedInfo", [this, &action] {
            if (ReadFields())
                action();
        });
    });
    return *button;
}

void CMachineUnitPage::EditAxis(ExtendedBlock& axis, std::uint32_t type) { machui::EditAxis(this, axis, type); }

void CMachineUnitPage::EditServo(std::array<double, 6>& values)
{
    ExtendedBlock block;
    block.values = values;
    if (machui::EditAxis(this, block, axisServo))
        values = block.values;
}

// --- The nine pages ----------------------------------------------------------------------------

CAngleLengthPage::CAngleLengthPage() : CUnitPageOf("Length Information")
{
    AddButton(1157, "Extended Info", [this] { EditServo(V().servo); });
}

CBeamLengthPage::CBeamLengthPage() : CUnitPageOf("Length Information")
{
    AddButton(1157, "Extended Info", [this] { EditServo(V().servo); });
}

CStencilPage::CStencilPage() : CUnitPageOf("Stencil Information")
{
    CStencilUnit& v = V();
    binder_.AddWhole(*fields_, 1142, "Average Tool Cycle Time", v.cycleTime, 0, 100000);
    binder_.AddLength(*fields_, 1143, "Frame Offset", v.frameOffset, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1149, "Material Character Distance", v.materialCharDistance, 0, kSize);
    binder_.AddLength(*fields_, 1150, "Wheel Character Distance", v.wheelCharDistance, 0, kSize);
    binder_.AddText(*fields_, 1151, "Characters", v.characters);
    binder_.AddRadio(*groups_, "Wheel Type", {{1144, "Valve"}, {1145, "Servo"}}, v.wheelType);
    QButtonGroup& frame = binder_.AddRadio(*groups_, "Frame Type", {{1146, "Valve"}, {1147, "None"}}, v.frameType);
    AddButton(1159, "Wheel Info", [this] { EditAxis(V().wheelAxis, V().wheelType); });
    frameInfo_ = &AddButton(1158, "Frame Info", [this] { EditAxis(V().frameAxis, axisValve); });
    connect(&frame, &QButtonGroup::idClicked, this,
            [this](int id) { frameInfo_->setEnabled(id == CStencilUnit::frameValve); });
}

void CStencilPage::OnValuesLoaded() { frameInfo_->setEnabled(V().frameType == CStencilUnit::frameValve); }

CShearPage::CShearPage() : CUnitPageOf("Shear Information")
{
    CShearUnit& v = V();
    binder_.AddWhole(*fields_, 1142, "Average Tool Cycle Time", v.cycleTime, 0, 100000);
    binder_.AddLength(*fields_, 1143, "Frame Offset", v.frameOffset, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1006, "Kerf", v.kerf, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1007, "Maximum Leg", v.maximumLeg, 0, kSize);
    binder_.AddLength(*fields_, 1008, "Maximum Thickness", v.maximumThickness, 0, kSize);
    QBoxLayout& types = AddGroup("Material Types");
    binder_.AddCheck(types, 1033, "Angle", v.angle);
    binder_.AddCheck(types, 1147, "Flat", v.flat);
    binder_.AddCheck(types, 1032, "Channel", v.channel);
}

CGagPage::CGagPage() : CUnitPageOf("Gag Information")
{
    CGagUnit& v = V();
    binder_.AddWhole(*fields_, 1141, "# Tools", v.numberOfTools, 1, 1000, {1, 1000});
    binder_.AddWhole(*fields_, 1142, "Average Tool Cycle Time (milliseconds)", v.cycleTime, 0, 3600000);
    binder_.AddLength(*fields_, 1143, "Frame Offset", v.frameOffset, -kOffset, kOffset);
    binder_.AddRadio(*groups_, "Position Type", kPositionButtons, v.positionType);
    AddButton(1157, "Extended Info", [this] { EditAxis(V().axis, V().positionType); });
}

CTorchPage::CTorchPage() : CUnitPageOf("Torch Information")
{
    CTorchUnit& v = V();
    binder_.AddLength(*fields_, 1143, "Frame Offset", v.frameOffset, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1006, "Kerf", v.kerf, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1007, "Maximum Leg", v.maximumLeg, 0, kSize);
    binder_.AddLength(*fields_, 1008, "Maximum Thickness", v.maximumThickness, 0, kSize);
    binder_.AddLength(*fields_, 1141, "Runend Position", v.runendPosition, -kOffset, kOffset);
    QBoxLayout& types = AddGroup("Material Types");
    binder_.AddCheck(types, 1033, "Angle", v.angle);
    binder_.AddCheck(types, 1147, "Flat", v.flat);
    binder_.AddCheck(types, 1032, "Channel", v.channel);
    AddButton(1157, "Extended Info", [this] { EditServo(V().servo); });
}

CBeamFlangePage::CBeamFlangePage() : CUnitPageOf("Flange Frame Information")
{
    CFlangeFrameUnit& v = V();
    // Each tool is a tool station: the count has the gag's range.
    binder_.AddWhole(*fields_, 1141, "# Tools", v.numberOfTools, 1, 1000, {1, 1000});
    binder_.AddWhole(*fields_, 1142, "Average Tool Cycle Time (milliseconds)", v.cycleTime, 0, 100000);
    binder_.AddLength(*fields_, 1143, "Frame Offset", v.frameOffset, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1146, "Near/Far Distance", v.nearFarDistance, 0, kSize);
    binder_.AddWhole(*fields_, 1147, "Find Material Time (milliseconds)", v.findMaterialTime, 0, 100000);
    binder_.AddRadio(*groups_, "Position Type", kPositionButtons, v.positionType);
    AddButton(1157, "Extended Info", [this] { EditAxis(V().axis, V().positionType); });
}

CSawPage::CSawPage() : CUnitPageOf("Saw Information")
{
    CSawUnit& v = V();
    binder_.AddLength(*fields_, 1144, "Average Cycle Time (Area / minute)", v.cycleTime, 0, kSize);
    binder_.AddLength(*fields_, 1143, "Frame Offset", v.frameOffset, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1006, "Kerf", v.kerf, -kOffset, kOffset);
}

CDrillUnitPage::CDrillUnitPage() : CUnitPageOf("Drill Unit Information")
{
    CDrillUnit& v = V();
    binder_.AddWhole(*fields_, 1141, "# Spindles", v.numberOfSpindles, 1, 100, {1, 100});
    binder_.AddLength(*fields_, 1166, "Drilling Speed (Area / minute)", v.drillingSpeed, 0, kSize);
    binder_.AddLength(*fields_, 1163, "Minimum Position", v.minimumPosition, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1148, "Maximum Position", v.maximumPosition, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1165, "Minimum Spread", v.minimumSpread, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1149, "Maximum Spread", v.maximumSpread, -kOffset, kOffset);
    binder_.AddLength(*fields_, 1168, "Linear Range", v.linearRange, -kOffset, kOffset);
    binder_.AddRadio(*groups_, "Position Info", kPositionButtons, v.positionType);
    binder_.AddRadio(*groups_, "Spread Info", {{1146, "Valve"}, {1147, "Servo"}}, v.spreadType);
    binder_.AddRadio(*groups_, "Linear Info", {{1151, "Valve"}, {1152, "Servo"}}, v.linearType);
    AddButton(1164, "Extended Info", [this] { EditAxis(V().positionAxis, V().positionType); });
    AddButton(1167, "Extended Info", [this] { EditAxis(V().spreadAxis, V().spreadType); });
    AddButton(1170, "Extended Info", [this] { EditAxis(V().linearAxis, V().linearType); });
}

std::unique_ptr<CMachineUnitPage> CreateUnitPage(int unitType)
{
    switch (unitType) {
    case unitAngleLength: return std::make_unique<CAngleLengthPage>();
    case unitStencil: return std::make_unique<CStencilPage>();
    case unitShear: return std::make_unique<CShearPage>();
    case unitGag: return std::make_unique<CGagPage>();
    case unitTorch: return std::make_unique<CTorchPage>();
    case unitBeamLength: return std::make_unique<CBeamLengthPage>();
    case unitFlangeFrame: return std::make_unique<CBeamFlangePage>();
    case unitSaw: return std::make_unique<CSawPage>();
    case unitDrill: return std::make_unique<CDrillUnitPage>();
    default: return nullptr;
    }
}

} // namespace machui
