#include "model/MachineUnit.h"

#include "fw/core/Archive.h"
#include "model/ArchiveFields.h"

#include <algorithm>

FW_IMPLEMENT_SERIAL(CMachineUnit, fw::Object, 1)
FW_IMPLEMENT_SERIAL(CAngleLengthUnit, CMachineUnit, 1)
FW_IMPLEMENT_SERIAL(CStencilUnit, CMachineUnit, 1)
FW_IMPLEMENT_SERIAL(CShearUnit, CMachineUnit, 1)
FW_IMPLEMENT_SERIAL(CGagUnit, CMachineUnit, 1)
FW_IMPLEMENT_SERIAL(CTorchUnit, CMachineUnit, 1)
FW_IMPLEMENT_SERIAL(CBeamLengthUnit, CMachineUnit, 1)
FW_IMPLEMENT_SERIAL(CFlangeFrameUnit, CMachineUnit, 1)
FW_IMPLEMENT_SERIAL(CSawUnit, CMachineUnit, 1)
FW_IMPLEMENT_SERIAL(CDrillUnit, CMachineUnit, 1)

namespace {

// A loaded tool count that would make more stations than any unit may have is refused.
void CheckToolCount(const fw::Archive& ar, std::uint32_t count)
{
    if (ar.IsLoading() && count > maxUnitTools)
        throw fw::ArchiveException(fw::ArchiveException::badValue, "machine unit with too many tools");
}

} // namespace

// --- ExtendedBlock -----------------------------------------------------------------------------

void ExtendedBlock::Serialize(fw::Archive& ar, std::uint32_t selector)
{
    if (selector == 0) {
        for (std::size_t i = 0; i < 5; ++i)
            SerializeDouble(ar, values[i]);
        SerializeFields(ar, {&inPositionTime});
        return;
    }
    for (std::size_t i : {4, 5, 2, 3, 0, 1})
        SerializeDouble(ar, values[i]);
}

void ExtendedBlock::CopyUsed(const ExtendedBlock& from, std::uint32_t type)
{
    if (type == axisValve) {
        std::copy(from.values.begin(), from.values.begin() + 5, values.begin());
        inPositionTime = from.inPositionTime;
    } else {
        values = from.values;
    }
}

// --- CMachineUnit ------------------------------------------------------------------------------

void CMachineUnit::CopyFrom(const CMachineUnit& other)
{
    name = other.name;
    face = other.face;
}

std::vector<const ExtendedBlock*> CMachineUnit::ReadAxes() const
{
    const std::vector<ExtendedBlock*> axes = const_cast<CMachineUnit*>(this)->Axes();
    return {axes.begin(), axes.end()};
}

AxisUse CMachineUnit::GetAxisUse(std::size_t) const { return AxisUse::unused; }

void CMachineUnit::Serialize(fw::Archive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteLong(unitType_);
    } else if (ar.ReadLong() != unitType_) {
        throw fw::ArchiveException(fw::ArchiveException::badValue,
                                   std::string("unit type does not match its class ") + GetRuntimeClass()->className);
    }
    SerializeFields(ar, {&name, &face});
}

std::unique_ptr<CMachineUnit> CMachineUnit::CreateOfType(int unitType)
{
    switch (unitType) {
    case unitAngleLength: return std::make_unique<CAngleLengthUnit>();
    case unitStencil: return std::make_unique<CStencilUnit>();
    case unitShear: return std::make_unique<CShearUnit>();
    case unitGag: return std::make_unique<CGagUnit>();
    case unitTorch: return std::make_unique<CTorchUnit>();
    case unitBeamLength: return std::make_unique<CBeamLengthUnit>();
    case unitFlangeFrame: return std::make_unique<CFlangeFrameUnit>();
    case unitSaw: return std::make_unique<CSawUnit>();
    case unitDrill: return std::make_unique<CDrillUnit>();
    default: return nullptr;
    }
}

std::unique_ptr<CMachineUnit> CMachineUnit::Clone() const
{
    std::unique_ptr<fw::Object> object = GetRuntimeClass()->CreateObject();
    std::unique_ptr<CMachineUnit> copy(static_cast<CMachineUnit*>(object.release()));
    copy->CopyFrom(*this);
    return copy;
}

void CopyEditedValues(CMachineUnit& to, const CMachineUnit& from)
{
    std::vector<ExtendedBlock> kept;
    for (const ExtendedBlock* axis : to.ReadAxes())
        kept.push_back(*axis);
    to.CopyFrom(from);
    const std::vector<ExtendedBlock*> axes = to.Axes();
    const std::vector<const ExtendedBlock*> source = from.ReadAxes();
    for (std::size_t i = 0; i < axes.size() && i < kept.size() && i < source.size(); ++i) {
        *axes[i] = kept[i];
        const AxisUse use = from.GetAxisUse(i);
        if (use != AxisUse::unused)
            axes[i]->CopyUsed(*source[i], use == AxisUse::valve ? axisValve : axisServo);
    }
}

// --- Unit classes ------------------------------------------------------------------------------

void CAngleLengthUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&servo});
}

void CBeamLengthUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&servo});
}

AxisUse CStencilUnit::GetAxisUse(std::size_t axis) const
{
    if (axis == 0)
        return UseOfType(wheelType);
    return frameType == frameValve ? AxisUse::valve : AxisUse::unused;
}

void CStencilUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&cycleTime, &characters, &frameType, &wheelType, &frameOffset, &materialCharDistance,
                         &wheelCharDistance});
    wheelAxis.Serialize(ar, wheelType);
    frameAxis.Serialize(ar, frameType);
}

void CShearUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&frameOffset, &cycleTime, &flat, &angle, &channel, &kerf, &maximumLeg, &maximumThickness});
}

void CGagUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&frameOffset, &cycleTime, &numberOfTools, &positionType});
    CheckToolCount(ar, numberOfTools);
    axis.Serialize(ar, positionType);
}

void CTorchUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&frameOffset, &runendPosition, &flat, &angle, &channel, &kerf, &maximumLeg,
                         &maximumThickness, &servo});
}

void CFlangeFrameUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&frameOffset, &cycleTime, &numberOfTools, &positionType, &findMaterialTime,
                         &nearFarDistance});
    CheckToolCount(ar, numberOfTools);
    axis.Serialize(ar, positionType);
}

void CSawUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&frameOffset, &cycleTime, &kerf});
}

AxisUse CDrillUnit::GetAxisUse(std::size_t axis) const
{
    const std::uint32_t types[] = {positionType, spreadType, linearType};
    return axis < 3 ? UseOfType(types[axis]) : AxisUse::unused;
}

void CDrillUnit::Serialize(fw::Archive& ar)
{
    CMachineUnit::Serialize(ar);
    SerializeFields(ar, {&numberOfSpindles, &positionType, &spreadType, &linearType, &drillingSpeed,
                         &minimumPosition, &maximumPosition, &minimumSpread, &maximumSpread, &linearRange});
    CheckToolCount(ar, numberOfSpindles);
    positionAxis.Serialize(ar, positionType);
    if (ar.IsLoading() && positionType == 0)
        positionAxis.values[5] = 0.0;
    spreadAxis.Serialize(ar, spreadType);
    linearAxis.Serialize(ar, linearType);
}
