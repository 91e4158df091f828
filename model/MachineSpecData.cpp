#include "model/MachineSpecData.h"

#include "fw/core/Archive.h"
#include "model/ArchiveFields.h"

FW_IMPLEMENT_SERIAL(CMachineSpecData, fw::Object, 1)
FW_IMPLEMENT_SERIAL(CAngleLineSpecData, CMachineSpecData, 1)
FW_IMPLEMENT_SERIAL(CBeamLineSpecData, CMachineSpecData, 1)
FW_IMPLEMENT_SERIAL(CDrillSpecData, CMachineSpecData, 1)
FW_IMPLEMENT_SERIAL(CPlatePunchSpecData, CMachineSpecData, 1)
FW_IMPLEMENT_SERIAL(CSawShearSpecData, CMachineSpecData, 1)
FW_IMPLEMENT_SERIAL(CBurningTableSpecData, CMachineSpecData, 1)

void CMachineSpecData::CopyKindFields(const CMachineSpecData& other)
{
    if (other.GetRuntimeClass() != GetRuntimeClass())
        return;
    const std::vector<std::uint32_t*> from = const_cast<CMachineSpecData&>(other).KindFields();
    const std::vector<std::uint32_t*> to = KindFields();
    for (std::size_t i = 0; i < to.size(); ++i)
        *to[i] = *from[i];
}

void CMachineSpecData::Serialize(fw::Archive& ar)
{
    units_.Serialize(ar);
    for (std::uint32_t* field : KindFields())
        SerializeFields(ar, {field});
}

std::unique_ptr<CMachineSpecData> CMachineSpecData::CreateForKind(int kind)
{
    switch (kind) {
    case machineAngleLine: return std::make_unique<CAngleLineSpecData>();
    case machineBeamLine: return std::make_unique<CBeamLineSpecData>();
    case machinePlatePunch: return std::make_unique<CPlatePunchSpecData>();
    case machineDrillLine: return std::make_unique<CDrillSpecData>();
    case machineSawShear: return std::make_unique<CSawShearSpecData>();
    case machineBurningTable: return std::make_unique<CBurningTableSpecData>();
    default: return nullptr;
    }
}

bool CMachineSpecData::KindHasSpecData(int kind)
{
    return kind == machineAngleLine || kind == machineBeamLine || kind == machineDrillLine;
}
