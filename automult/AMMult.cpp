#include "automult/AMMult.h"

CAMMult::CAMMult(automult::Length usable, const CAMStationList& stations, const CAMToolTable& tools)
    : remaining_(usable), stations_(&stations), tools_(&tools)
{
}

void CAMMult::Reset(automult::Length usable)
{
    remaining_ = usable;
    placement_.RemoveAll();
    ClearParts();
    loaded_.RemoveAll();
    useCounts_.RemoveAll();
}

void CAMMult::Place(CAMPartGroup& group)
{
    AddTools(group.FirstPart());
    group.PlacedAt(placement_.GetSize());
    placement_.Add(&group);
    remaining_ -= group.GetLength();
}

void CAMMult::TakeOffOne(CAMPartGroup& group)
{
    group.TakenOff();
    const std::size_t keep = group.FirstPosition() + std::size_t(group.OnMult());
    while (placement_.GetSize() > keep) {
        CAMPartGroup* popped = placement_.RemoveLast();
        if (popped != &group)
            popped->TakenOff();
        RemoveTools(popped->FirstPart());
        remaining_ += popped->GetLength();
    }
}

bool CAMMult::ToolsFit(const CAMPart& part) const
{
    CDynamicArray<enumZone> added;
    for (std::size_t tool : part.Tools()) {
        if (loaded_.Find(tool) >= 0)
            continue;
        const enumZone zone = (*tools_)[tool]->Zone();
        const int capacity = StationCount(*stations_, zone);
        const int used = LoadedInZone(zone);
        if (used >= capacity)
            return false;
        added.Add(zone);
        int wanted = used;
        for (enumZone z : added)
            wanted += z == zone;
        if (capacity < wanted)
            return false;
    }
    return true;
}

void CAMMult::AddTools(const CAMPart& part)
{
    for (std::size_t tool : part.Tools()) {
        const std::ptrdiff_t at = loaded_.Find(tool);
        if (at >= 0) {
            ++useCounts_[std::size_t(at)];
        } else {
            loaded_.Add(tool);
            useCounts_.Add(1);
        }
    }
}

void CAMMult::RemoveTools(const CAMPart& part)
{
    for (std::size_t tool : part.Tools()) {
        const std::size_t at = std::size_t(loaded_.Find(tool));
        if (useCounts_[at] == 1) {
            loaded_.RemoveAt(at);
            useCounts_.RemoveAt(at);
        } else {
            --useCounts_[at];
        }
    }
}

int CAMMult::LoadedInZone(enumZone zone) const
{
    int n = 0;
    for (std::size_t tool : loaded_)
        n += (*tools_)[tool]->Zone() == zone;
    return n;
}

void CAMMult::CountPart(const CAMPart* part)
{
    const std::ptrdiff_t at = parts_.Find(part);
    if (at >= 0) {
        ++quantities_[std::size_t(at)];
    } else {
        parts_.Add(part);
        quantities_.Add(1);
    }
}

void CAMMult::ClearParts()
{
    parts_.RemoveAll();
    quantities_.RemoveAll();
}
