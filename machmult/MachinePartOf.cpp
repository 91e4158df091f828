#include "machmult/MachinePartOf.h"

#include "machmult/MultDoc.h"
#include "machmult/PartList.h"

double MachinePartOf::GetPartLength() const { return part_.GetLength().GetValue(); }
std::uint32_t MachinePartOf::GetQuantity() const { return part_.GetQuantity(); }
std::uint32_t MachinePartOf::GetQuantityUsed() const { return part_.GetQuantityUsed(); }
void MachinePartOf::SetQuantityFit(std::uint32_t pieces) { part_.SetQuantityFit(pieces); }
CToolList& MachinePartOf::GetToolList() { return part_.GetTools(); }
void MachinePartOf::SetToolsFit(int fit) { part_.SetToolsFit(fit); }

MachinePartsOf::MachinePartsOf(CPartList& list)
{
    parts_.reserve(list.GetCount());
    for (CMultPart& part : list)
        parts_.emplace_back(part);
    for (MachinePartOf& part : parts_)
        pointers_.push_back(&part);
}

void LoadToolsForParts(CMachine& machine, CPartList& onMult)
{
    MachinePartsOf parts(onMult);
    machine.LoadToolsForParts(parts.Pointers());
}

namespace {

class MachineMultOf : public IMachineMult {
public:
    explicit MachineMultOf(CMultDoc& mult) : header_(mult.Header()) {}
    double GetStockLength() const override { return header_.length.GetValue(); }
    double GetKerf() const override { return header_.kerf.GetValue(); }
    void SetRemainingLength(double inches) override { header_.drop.SetValue(inches); }

private:
    MultRecord& header_;
};

} // namespace

void UpdatePotentialFit(CMachine& machine, CPartList& onMult, CPartList& potential, CMultDoc& mult)
{
    MachinePartsOf placed(onMult);
    MachinePartsOf candidates(potential);
    MachineMultOf stock(mult);
    machine.CheckMultParts(placed.Pointers(), candidates.Pointers(), stock);
}
