#include "model/Machine.h"

#include <algorithm>
#include <cmath>
#include <vector>

FW_IMPLEMENT_SERIAL(CMachine, fw::Object, 1)
FW_IMPLEMENT_SERIAL(CAngleLineMachine, CMachine, 1)
FW_IMPLEMENT_SERIAL(CBeamLineMachine, CMachine, 1)
FW_IMPLEMENT_SERIAL(CPlatePunchMachine, CMachine, 1)
FW_IMPLEMENT_SERIAL(CDrillLineMachine, CMachine, 1)
FW_IMPLEMENT_SERIAL(CSawShearMachine, CMachine, 1)
FW_IMPLEMENT_SERIAL(CBurningTableMachine, CMachine, 1)

namespace {

enum Side { sideFar = 1, sideNear = 2, sideBoth = 3 };

int GroupOf(int code) { return code & ~0xF; }
int SideOf(int code) { return code & 0xF; }

// One of the twelve codes 17-19, 33-35, 49-51, 65-67.
bool IsFaceSideCode(int code)
{
    const int group = GroupOf(code);
    const int side = SideOf(code);
    return group >= 16 && group <= 64 && side >= sideFar && side <= sideBoth;
}

std::size_t GroupIndex(int group) { return std::size_t(group / 16 - 1); }

const CZone* ZoneOf(const CPartTool& tool)
{
    const auto* zoneTool = dynamic_cast<const CZoneTool*>(&tool);
    return zoneTool ? &zoneTool->GetZone() : nullptr;
}

// A zone tool copy of a list element (a plain tool gets zone (0, 0)) with another code.
std::unique_ptr<CZoneTool> CopyWithCode(const CPartTool& tool, int code)
{
    auto copy = std::make_unique<CZoneTool>();
    if (const auto* zoneTool = dynamic_cast<const CZoneTool*>(&tool))
        copy->CopyFrom(*zoneTool);
    else
        copy->CopyFrom(tool);
    copy->SetZoneCode(code);
    return copy;
}

// Inserts a copy of the tool with that code unless the list holds its name with that code.
void InsertIfMissing(CToolList& target, const CPartTool& tool, int code)
{
    if (target.FindByNameAndCode(tool.GetShortName(), code))
        return;
    std::unique_ptr<CZoneTool> copy = CopyWithCode(tool, code);
    target.InsertSorted(copy);
}

} // namespace

std::unique_ptr<CMachine> CMachine::CreateOfKind(int kind)
{
    switch (kind) {
    case machineAngleLine: return std::make_unique<CAngleLineMachine>();
    case machineBeamLine: return std::make_unique<CBeamLineMachine>();
    case machinePlatePunch: return std::make_unique<CPlatePunchMachine>();
    case machineDrillLine: return std::make_unique<CDrillLineMachine>();
    case machineSawShear: return std::make_unique<CSawShearMachine>();
    case machineBurningTable: return std::make_unique<CBurningTableMachine>();
    default: return std::make_unique<CMachine>();
    }
}

void CMachine::SetMachineRecord(const MachineRecord& record) { record_ = record; }

std::unique_ptr<CMachine> CMachine::Clone() const
{
    auto copy = std::make_unique<CMachine>();
    copy->record_ = record_;
    copy->stations_.CopyFrom(stations_);
    copy->loaded_.CopyFrom(loaded_);
    return copy;
}

void CMachine::AddStations(std::uint32_t count, int code)
{
    for (std::uint32_t i = 0; i < count; ++i) {
        auto station = std::make_unique<CZoneTool>();
        station->SetZoneCode(code);
        stations_.AddTail(std::move(station));
    }
}

void CMachine::BuildStations(const CUnitList&) {}

void CMachine::CountStations(int group, std::int16_t& nearSide, std::int16_t& farSide, std::int16_t& bothSides)
{
    CountToolsByFaceCode(group, nearSide, farSide, bothSides, stations_);
}

void CMachine::CountLoaded(int group, std::int16_t& nearSide, std::int16_t& farSide, std::int16_t& bothSides)
{
    CountToolsByFaceCode(group, nearSide, farSide, bothSides, loaded_);
}

void CMachine::CountToolsByFaceCode(int group, std::int16_t& nearSide, std::int16_t& farSide, std::int16_t& bothSides,
                                    const CToolList& list)
{
    nearSide = farSide = bothSides = 0;
    if (list.IsEmpty() || group < 16 || group > 64)
        return;
    for (const CPartTool& tool : list) {
        const int code = tool.GetZoneCode();
        if (code == group + sideNear)
            ++nearSide;
        else if (code == group + sideFar)
            ++farSide;
        else if (code == group + sideBoth)
            ++bothSides;
    }
}

CMachine::GroupCounts CMachine::StationCounts()
{
    GroupCounts counts{};   // a kind that counts nothing leaves 0
    for (int group : faceGroups) {
        SideCounts& c = counts[GroupIndex(group)];
        CountStations(group, c.nearSide, c.farSide, c.bothSides);
    }
    return counts;
}

CMachine::GroupCounts CMachine::LoadedCounts()
{
    GroupCounts counts{};
    for (int group : faceGroups) {
        SideCounts& c = counts[GroupIndex(group)];
        CountLoaded(group, c.nearSide, c.farSide, c.bothSides);
    }
    return counts;
}

CMachine::GroupCounts CMachine::ListCounts(const CToolList& list)
{
    GroupCounts counts{};
    for (int group : faceGroups) {
        SideCounts& c = counts[GroupIndex(group)];
        CountToolsByFaceCode(group, c.nearSide, c.farSide, c.bothSides, list);
    }
    return counts;
}

bool CMachine::ToolsFit(CToolList& partTools, const GroupCounts& stations, const GroupCounts& loaded)
{
    const GroupCounts needed = ListCounts(*partTools.NotIn(loaded_));
    for (std::size_t g = 0; g < needed.size(); ++g) {
        const std::int16_t SideCounts::*sides[] = {&SideCounts::nearSide, &SideCounts::farSide, &SideCounts::bothSides};
        for (auto side : sides) {
            const int need = needed[g].*side;
            if (need > 0 && int(stations[g].*side) - int(loaded[g].*side) < need)
                return false;
        }
    }
    return true;
}

void CMachine::CheckToolRoom(IMachinePart& part)
{
    const GroupCounts stations = StationCounts();
    const GroupCounts loaded = LoadedCounts();
    part.SetToolsFit(ToolsFit(part.GetToolList(), stations, loaded) ? 1 : 0);
}

void CMachine::CheckMultParts(std::span<IMachinePart* const> onMult, std::span<IMachinePart* const> candidates,
                              IMachineMult& mult)
{
    const double kerf = mult.GetKerf();
    double used = 0.0;
    for (IMachinePart* part : onMult) {
        used += (part->GetPartLength() + kerf) * double(part->GetQuantity());
        part->ClearMultCheckLength();
    }
    double remaining = mult.GetStockLength() - used;
    if (remaining < 0.0)
        remaining += kerf;   // the last piece needs no cut after it
    mult.SetRemainingLength(remaining);

    const GroupCounts stations = StationCounts();
    const GroupCounts loaded = LoadedCounts();
    const double room = kerf + remaining - record_.minimumDrop.GetValue();
    for (IMachinePart* part : candidates) {
        const std::uint32_t quantity = part->GetQuantity();
        const std::uint32_t placed = part->GetQuantityUsed();
        const double toPlace = quantity > placed ? double(quantity - placed) : 0.0;
        const double piece = part->GetPartLength() + kerf;
        // Pieces of no length take no room: as many fit as are left, while there is room.
        double pieces = piece > 0.0 ? std::trunc(room / piece) : (room >= 0.0 ? toPlace : 0.0);
        pieces = std::clamp(pieces, 0.0, toPlace);
        part->SetQuantityFit(std::uint32_t(pieces));
        part->SetToolsFit(ToolsFit(part->GetToolList(), stations, loaded) ? 1 : 0);
    }
}

void CMachine::AddPartTools(CToolList& target, const CToolList& partTools)
{
    for (const CPartTool& tool : partTools) {
        std::unique_ptr<CZoneTool> copy = CopyWithCode(tool, tool.GetZoneCode());
        if (!target.Find(*copy))
            target.AddTail(std::move(copy));
    }
}

// Web and second-web tools merge into one both-sides web entry per tool whose zone covers them
// all; flange tools stay on their side, a both-sides flange tool taking both sides.
void CMachine::MergeOnFlangeSides(CToolList& target, const CToolList& partTools)
{
    for (const CPartTool& tool : partTools) {
        const int code = tool.GetZoneCode();
        if (!IsFaceSideCode(code))
            continue;
        const int group = GroupOf(code);
        if (group == 16 || group == 64) {
            const auto pos = target.FindByNameAndCode(tool.GetShortName(), 16 + sideBoth);
            if (!pos) {
                std::unique_ptr<CZoneTool> copy = CopyWithCode(tool, 16 + sideBoth);
                target.InsertSorted(copy);
                continue;
            }
            const CZone* zone = ZoneOf(tool);
            auto* entry = dynamic_cast<CZoneTool*>(target.GetAt(pos));
            if (zone && entry)
                entry->GetZone().Extend(*zone);
        } else if (SideOf(code) == sideBoth) {
            InsertIfMissing(target, tool, group + sideNear);
            InsertIfMissing(target, tool, group + sideFar);
        } else {
            InsertIfMissing(target, tool, code);
        }
    }
}

// Every tool takes both sides of its face.
void CMachine::MergeOnBothSides(CToolList& target, const CToolList& partTools)
{
    for (const CPartTool& tool : partTools)
        if (const int code = tool.GetZoneCode(); IsFaceSideCode(code))
            InsertIfMissing(target, tool, GroupOf(code) + sideBoth);
}

bool CMachine::FitToolsToStations(CToolList& tools)
{
    const GroupCounts stations = StationCounts();
    const auto stationsFor = [&stations](int code) -> int {
        const SideCounts& s = stations[GroupIndex(GroupOf(code))];
        return SideOf(code) == sideNear ? s.nearSide : SideOf(code) == sideFar ? s.farSide : s.bothSides;
    };
    // Take out the tools to re-code, in list order, then put them back in sorted position; a
    // re-coded tool equal to an entry already there is dropped.
    std::vector<std::unique_ptr<CZoneTool>> recoded;
    for (auto pos = tools.GetHeadPosition(); pos;) {
        const auto here = pos;
        const CPartTool& tool = *tools.GetNext(pos);
        const int code = tool.GetZoneCode();
        if (!IsFaceSideCode(code) || stationsFor(code) > 0)
            continue;
        const int group = GroupOf(code);
        if (SideOf(code) != sideBoth && stationsFor(group + sideBoth) > 0) {
            recoded.push_back(CopyWithCode(tool, group + sideBoth));
            tools.RemoveAt(here);
        } else if (SideOf(code) == sideBoth && stationsFor(group + sideNear) > 0 && stationsFor(group + sideFar) > 0) {
            recoded.push_back(CopyWithCode(tool, group + sideFar));
            recoded.push_back(CopyWithCode(tool, group + sideNear));
            tools.RemoveAt(here);
        }
    }
    for (std::unique_ptr<CZoneTool>& tool : recoded)
        tools.InsertSorted(tool);

    for (const CPartTool& tool : tools)
        if (IsFaceSideCode(tool.GetZoneCode()) && stationsFor(tool.GetZoneCode()) <= 0)
            return false;
    return true;
}

void CMachine::LoadToolsForParts(std::span<IMachinePart* const> parts)
{
    loaded_.RemoveAll();
    for (IMachinePart* part : parts)
        AddPartTools(loaded_, part->GetToolList());
}

// --- Kinds -------------------------------------------------------------------------------------

void CAngleLineMachine::BuildStations(const CUnitList& units)
{
    for (const CMachineUnit& unit : units)
        if (const auto* gag = dynamic_cast<const CGagUnit*>(&unit))
            AddStations(gag->numberOfTools, gag->face == unitFaceWeb ? 19 : 34);
}

void CAngleLineMachine::AddPartTools(CToolList& target, const CToolList& partTools)
{
    MergeOnFlangeSides(target, partTools);
}

void CBeamLineMachine::BuildStations(const CUnitList& units)
{
    for (const CMachineUnit& unit : units) {
        if (const auto* gag = dynamic_cast<const CGagUnit*>(&unit)) {
            AddStations(gag->numberOfTools, 19);
        } else if (const auto* frame = dynamic_cast<const CFlangeFrameUnit*>(&unit)) {
            const bool top = frame->face == unitFaceTopFlange;
            for (std::uint32_t added = 0; added < frame->numberOfTools; added += 2) {
                AddStations(1, top ? 34 : 50);
                AddStations(1, top ? 33 : 49);
            }
        }
    }
}

void CBeamLineMachine::AddPartTools(CToolList& target, const CToolList& partTools)
{
    MergeOnFlangeSides(target, partTools);
}

void CDrillLineMachine::BuildStations(const CUnitList& units)
{
    for (const CMachineUnit& unit : units) {
        if (const auto* drill = dynamic_cast<const CDrillUnit*>(&unit)) {
            const int code = drill->face == unitFaceWeb           ? 19
                             : drill->face == unitFaceTopFlange    ? 35
                             : drill->face == unitFaceBottomFlange ? 51
                                                                   : 0;
            AddStations(drill->numberOfSpindles, code);
        }
    }
}

void CDrillLineMachine::AddPartTools(CToolList& target, const CToolList& partTools)
{
    MergeOnBothSides(target, partTools);
}

void CSawShearMachine::CountStations(int, std::int16_t& nearSide, std::int16_t& farSide, std::int16_t& bothSides)
{
    nearSide = farSide = bothSides = 0;
}
