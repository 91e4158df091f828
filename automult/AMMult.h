#pragma once
// One mult: the pieces placed on a stock length, in placing order, the length still free, the
// tools loaded for them and, once consumed, the parts it carries with their quantities.

#include "automult/AMMachineTool.h"
#include "automult/AMPartGroup.h"

class CAMMult {
public:
    CAMMult(automult::Length usable, const CAMStationList& stations, const CAMToolTable& tools);
    CAMMult(const CAMMult&) = default;
    CAMMult& operator=(const CAMMult&) = default;
    virtual ~CAMMult() = default;

    automult::Length Remaining() const { return remaining_; }
    std::size_t PieceCount() const { return placement_.GetSize(); }
    const CDynamicArray<CAMPartGroup*>& Placement() const { return placement_; }
    // Back to an empty mult of the given free length.
    void Reset(automult::Length usable);

    // Places one piece of the group: loads its tools, appends it, counts it on the group.
    void Place(CAMPartGroup& group);
    // Takes one piece of the group off together with every piece placed after the group's
    // pieces, giving their lengths and tools back.
    void TakeOffOne(CAMPartGroup& group);

    // Whether the group's tools can be loaded beside those already loaded without needing more
    // distinct tools in a zone than the machine has stations there.
    bool ToolsFit(const CAMPart& part) const;

    // The parts the mult carries, in order of first use, and how many pieces of each.
    const CDynamicArray<const CAMPart*>& Parts() const { return parts_; }
    const CDynamicArray<int>& Quantities() const { return quantities_; }
    void CountPart(const CAMPart* part);
    void ClearParts();

private:
    void AddTools(const CAMPart& part);
    void RemoveTools(const CAMPart& part);
    int LoadedInZone(enumZone zone) const;

    automult::Length remaining_;
    const CAMStationList* stations_;
    const CAMToolTable* tools_;
    CDynamicArray<CAMPartGroup*> placement_;
    CDynamicArray<const CAMPart*> parts_;
    CDynamicArray<int> quantities_;
    CDynamicArray<std::size_t> loaded_;
    CDynamicArray<int> useCounts_;
};
