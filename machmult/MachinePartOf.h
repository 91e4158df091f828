#pragma once
// Mult parts and a mult document as the machine's capacity checks see them.

#include "model/Machine.h"

#include <vector>

class CMultDoc;
class CMultPart;
class CPartList;

class MachinePartOf : public IMachinePart {
public:
    explicit MachinePartOf(CMultPart& part) : part_(part) {}
    double GetPartLength() const override;
    std::uint32_t GetQuantity() const override;
    std::uint32_t GetQuantityUsed() const override;
    void SetQuantityFit(std::uint32_t pieces) override;
    void ClearMultCheckLength() override {}
    CToolList& GetToolList() override;
    void SetToolsFit(int fit) override;

private:
    CMultPart& part_;
};

// The parts of a list, as the machine sees them, for as long as the object lives.
class MachinePartsOf {
public:
    explicit MachinePartsOf(CPartList& list);
    std::vector<IMachinePart*>& Pointers() { return pointers_; }

private:
    std::vector<MachinePartOf> parts_;
    std::vector<IMachinePart*> pointers_;
};

// The machine's tools loaded again from the parts on the mult.
void LoadToolsForParts(CMachine& machine, CPartList& onMult);
// For every potential part: how many pieces still fit on the mult's stock and whether its tools
// fit the free stations. The mult's drop becomes the stock left over.
void UpdatePotentialFit(CMachine& machine, CPartList& onMult, CPartList& potential, CMultDoc& mult);
