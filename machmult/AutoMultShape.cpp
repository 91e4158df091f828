#include "machmult/AutoMultShape.h"

#include "machmult/MachineDoc.h"
#include "model/ShapeDoc.h"

void CAutoMultShape::SetShape(std::unique_ptr<CMultShape> shape, int kind)
{
    shape_ = std::move(shape);
    shapeKind_ = shape_ ? kind : -1;
}

std::string CAutoMultShape::GetShapeName() const
{
    if (!shape_)
        return {};
    const ShapeRecord& record = shape_->GetShapeRecord();
    std::string type = record.desctp;
    type.erase(type.find_last_not_of(' ') + 1);
    return type + " " + record.desc;
}

bool CAutoMultShape::LoadShape(const std::string& desctp, const std::string& desc, LoadProblems& problems)
{
    CShapeDoc shapeDoc;
    if (!shapeDoc.LoadShape(desctp, desc, problems))
        return false;
    const ShapeRecord& record = shapeDoc.GetShapeData();
    std::unique_ptr<CMultShape> shape = CMultShape::Create(record.kind);
    shape->SetShapeRecord(record);
    SetShape(std::move(shape), record.kind);
    return true;
}

void CAutoMultShape::SetMachine(std::unique_ptr<CMachine> machine)
{
    machineName_ = machine ? machine->GetMachineRecord().name : std::string();
    machine_ = std::move(machine);
}

bool CAutoMultShape::LoadMachine(const std::string& name, LoadProblems& problems)
{
    if (CMachineDoc::CheckMachineName(name))
        return false;
    CMachineDoc machineDoc;
    if (!machineDoc.LoadMachine(name, problems))
        return false;
    machine_ = machineDoc.CreateMachine();
    machineName_ = name;
    return true;
}

bool CAutoMultShape::AddPart(std::unique_ptr<CMultPart>& part)
{
    if (parts_.FindByName(part->GetKeyText()))
        return false;
    part->SetListIndex(std::int32_t(parts_.GetCount() + 1));
    parts_.AddSorted(part);
    selected_ = true;
    return true;
}
