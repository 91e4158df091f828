#include "model/Machine.h"

#include "MachineTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace machinetest;

namespace {

// A zone tool named by the test; size picks the tool, so one name may stand for one tool.
std::unique_ptr<CZoneTool> Tool(const char* name, double size, int code, double low = 0, double high = 0)
{
    auto tool = std::make_unique<CZoneTool>();
    tool->CopyFrom(CPartTool(size, 0, "RD", 0));
    tool->SetShortName(name);
    tool->SetZoneCode(code);
    tool->GetZone().SetRange(low, high);
    return tool;
}

void Add(CToolList& list, std::unique_ptr<CZoneTool> tool) { list.AddTail(std::move(tool)); }

// "name/code" of every element in order.
std::vector<std::string> Entries(const CToolList& list)
{
    std::vector<std::string> out;
    for (const CPartTool& tool : list)
        out.push_back(tool.GetShortName() + "/" + std::to_string(tool.GetZoneCode()));
    return out;
}

std::vector<int> Codes(const CToolList& list)
{
    std::vector<int> codes;
    for (const CPartTool& tool : list)
        codes.push_back(tool.GetZoneCode());
    return codes;
}

const CZone& ZoneAt(CToolList& list, const std::string& name, int code)
{
    return dynamic_cast<CZoneTool&>(*list.GetAt(list.FindByNameAndCode(name, code))).GetZone();
}

struct FakePart : IMachinePart {
    double length = 0;
    std::uint32_t quantity = 0;
    std::uint32_t used = 0;
    std::uint32_t fit = 12345;
    int toolsFit = -1;
    bool lengthCleared = false;
    CToolList tools;

    double GetPartLength() const override { return length; }
    std::uint32_t GetQuantity() const override { return quantity; }
    std::uint32_t GetQuantityUsed() const override { return used; }
    void SetQuantityFit(std::uint32_t pieces) override { fit = pieces; }
    void ClearMultCheckLength() override { lengthCleared = true; }
    CToolList& GetToolList() override { return tools; }
    void SetToolsFit(int value) override { toolsFit = value; }
};

struct FakeMult : IMachineMult {
    double stock = 0;
    double kerf = 0;
    double remaining = -999;

    double GetStockLength() const override { return stock; }
    double GetKerf() const override { return kerf; }
    void SetRemainingLength(double inches) override { remaining = inches; }
};

// Units of every station-making class on every face, in this order.
CUnitList MixedUnits()
{
    CUnitList units;
    units.AddTail(Gag("Web", unitFaceWeb, 0, 2, 0));
    units.AddTail(FlangeFrame("Top Flange", unitFaceTopFlange, 0, 3, 0));
    units.AddTail(Gag("Top Flange", unitFaceTopFlange, 0, 1, 0));
    units.AddTail(FlangeFrame("Bottom Flange", unitFaceBottomFlange, 0, 2, 0));
    units.AddTail(Drill("Web", unitFaceWeb, 0, 2));
    units.AddTail(Drill("Top Flange", unitFaceTopFlange, 0, 1));
    units.AddTail(Drill("Bottom Flange", unitFaceBottomFlange, 0, 1));
    units.AddTail(Drill("Web 2", unitFaceWeb2, 0, 1));
    units.AddTail(Gag("Empty", unitFaceWeb, 0, 0, 0));
    units.AddTail(Saw("Saw", 0, 0));
    return units;
}

std::unique_ptr<CMachine> WithStations(int kind, const CUnitList& units)
{
    std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(kind);
    machine->BuildStations(units);
    return machine;
}

std::array<std::int16_t, 3> Stations(CMachine& machine, int group)
{
    std::array<std::int16_t, 3> c{-1, -1, -1};
    machine.CountStations(group, c[0], c[1], c[2]);
    return c;
}

} // namespace

TEST(Machine, IsMadeByKind)
{
    const char* names[] = {"CMachine",         "CAngleLineMachine", "CBeamLineMachine",   "CPlatePunchMachine",
                           "CDrillLineMachine", "CSawShearMachine",  "CBurningTableMachine"};
    for (int kind = 0; kind <= 6; ++kind) {
        std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(kind);
        EXPECT_STREQ(machine->GetRuntimeClass()->className, names[kind]);
        EXPECT_EQ(machine->GetKind(), kind);
    }
    EXPECT_STREQ(CMachine::CreateOfKind(-1)->GetRuntimeClass()->className, "CMachine");
    EXPECT_EQ(CMachine::CreateOfKind(-1)->GetKind(), 0);
}

TEST(Machine, BuildsStationsByKind)
{
    const CUnitList units = MixedUnits();
    struct Case {
        int kind;
        std::vector<int> codes;
    } cases[] = {
        {machineAngleLine, {19, 19, 34}},
        {machineBeamLine, {19, 19, 34, 33, 34, 33, 19, 50, 49}},
        {machineDrillLine, {19, 19, 35, 51, 0}},
        {machinePlatePunch, {}},
        {machineSawShear, {}},
        {machineBurningTable, {}},
        {machineUnlisted, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Codes(WithStations(c.kind, units)->GetStations()), c.codes) << "kind " << c.kind;
}

TEST(Machine, NewUnitsGiveOneStationAndOnePair)
{
    CUnitList units;
    units.AddTail(std::make_unique<CGagUnit>());
    EXPECT_EQ(Codes(WithStations(machineAngleLine, units)->GetStations()), (std::vector<int>{34}));
    CUnitList frames;
    frames.AddTail(std::make_unique<CFlangeFrameUnit>());
    EXPECT_EQ(Codes(WithStations(machineBeamLine, frames)->GetStations()), (std::vector<int>{50, 49}));
}

TEST(Machine, CountsStationsPerGroupAndSide)
{
    const CUnitList units = MixedUnits();
    std::unique_ptr<CMachine> beam = WithStations(machineBeamLine, units);
    EXPECT_EQ(Stations(*beam, 16), (std::array<std::int16_t, 3>{0, 0, 3}));
    EXPECT_EQ(Stations(*beam, 32), (std::array<std::int16_t, 3>{2, 2, 0}));
    EXPECT_EQ(Stations(*beam, 48), (std::array<std::int16_t, 3>{1, 1, 0}));
    EXPECT_EQ(Stations(*beam, 64), (std::array<std::int16_t, 3>{0, 0, 0}));
    EXPECT_EQ(Stations(*beam, 80), (std::array<std::int16_t, 3>{0, 0, 0}));
    EXPECT_EQ(Stations(*beam, 0), (std::array<std::int16_t, 3>{0, 0, 0}));

    // A plate punch leaves the counters alone; a saw and shear line has no stations.
    std::unique_ptr<CMachine> punch = WithStations(machinePlatePunch, units);
    punch->GetStations().AddTail(Tool("A", 1, 19));
    EXPECT_EQ(Stations(*punch, 16), (std::array<std::int16_t, 3>{-1, -1, -1}));
    std::unique_ptr<CMachine> saw = WithStations(machineSawShear, units);
    saw->GetStations().AddTail(Tool("A", 1, 19));
    EXPECT_EQ(Stations(*saw, 16), (std::array<std::int16_t, 3>{0, 0, 0}));
}

TEST(Machine, ToolFitWorkedExample)
{
    // Three top-flange near stations, two of them loaded.
    std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(machineBeamLine);
    for (int i = 0; i < 3; ++i)
        machine->GetStations().AddTail(Tool("", 0, 34));
    Add(machine->GetLoadedTools(), Tool("A", 0.5, 34));
    Add(machine->GetLoadedTools(), Tool("B", 0.625, 34));

    struct Case {
        const char* what;
        std::vector<std::pair<const char*, double>> tools;   // all top-flange near
        int fit;
    } cases[] = {
        {"two new tools, one free station: 3 - 2 < 2", {{"C", 0.75}, {"D", 0.875}}, 0},
        {"one new tool", {{"C", 0.75}}, 1},
        {"both already loaded", {{"A", 0.5}, {"B", 0.625}}, 1},
        {"one loaded, one new", {{"A", 0.5}, {"C", 0.75}}, 1},
        {"no tools", {}, 1},
    };
    for (const Case& c : cases) {
        FakePart part;
        for (const auto& [name, size] : c.tools)
            Add(part.tools, Tool(name, size, 34));
        machine->CheckToolRoom(part);
        EXPECT_EQ(part.toolsFit, c.fit) << c.what;
    }

    // A tool on a face without stations does not fit; a plate punch has none anywhere.
    FakePart web;
    Add(web.tools, Tool("W", 1, 19));
    machine->CheckToolRoom(web);
    EXPECT_EQ(web.toolsFit, 0);
    std::unique_ptr<CMachine> punch = CMachine::CreateOfKind(machinePlatePunch);
    punch->CheckToolRoom(web);
    EXPECT_EQ(web.toolsFit, 0);
}

TEST(Machine, CapacityOfTheStockForEachCandidate)
{
    struct Case {
        const char* what;
        double stock, kerf, minDrop;
        std::vector<std::pair<double, std::uint32_t>> onMult;   // length, quantity
        double candidateLength;
        std::uint32_t quantity, used;
        double remaining;
        std::uint32_t fit;
    } cases[] = {
        {"room for four", 100, 1, 0, {{29, 2}}, 9, 10, 2, 40, 4},
        {"minimum drop takes room", 100, 1, 5, {{29, 2}}, 9, 10, 2, 40, 3},
        {"capped by the quantity left", 100, 1, 0, {{29, 2}}, 9, 3, 1, 40, 2},
        {"more used than ordered", 100, 1, 0, {{29, 2}}, 9, 3, 5, 40, 0},
        {"empty mult", 100, 1, 0, {}, 9, 20, 0, 100, 10},
        {"negative remainder gets the kerf back", 99, 1, 0, {{49, 2}}, 0.5, 5, 0, 0, 0},
        {"remainder still negative", 90, 1, 0, {{49, 2}}, 1, 5, 0, -9, 0},
        {"zero length with kerf", 100, 1, 0, {}, 0, 500, 0, 100, 101},
        {"zero length, no kerf: as many as are left", 100, 0, 0, {}, 0, 7, 2, 100, 5},
        {"zero length, no room", 10, 0, 20, {}, 0, 7, 2, 10, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(machineBeamLine);
        MachineRecord record = machine->GetMachineRecord();
        record.minimumDrop.SetValue(c.minDrop);
        machine->SetMachineRecord(record);

        std::vector<std::unique_ptr<FakePart>> placed;
        std::vector<IMachinePart*> onMult;
        for (const auto& [length, quantity] : c.onMult) {
            placed.push_back(std::make_unique<FakePart>());
            placed.back()->length = length;
            placed.back()->quantity = quantity;
            onMult.push_back(placed.back().get());
        }
        FakePart candidate;
        candidate.length = c.candidateLength;
        candidate.quantity = c.quantity;
        candidate.used = c.used;
        IMachinePart* candidates[] = {&candidate};
        FakeMult mult;
        mult.stock = c.stock;
        mult.kerf = c.kerf;

        machine->CheckMultParts(onMult, candidates, mult);
        EXPECT_EQ(mult.remaining, c.remaining);
        EXPECT_EQ(candidate.fit, c.fit);
        EXPECT_EQ(candidate.toolsFit, 1);
        for (const auto& part : placed)
            EXPECT_TRUE(part->lengthCleared);
    }
}

TEST(Machine, CapacityCheckIsSkippedWhereTheKindHasNone)
{
    for (int kind : {machinePlatePunch, machineSawShear, machineBurningTable}) {
        std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(kind);
        FakePart candidate;
        candidate.quantity = 3;
        IMachinePart* candidates[] = {&candidate};
        FakeMult mult;
        mult.stock = 100;
        machine->CheckMultParts({}, candidates, mult);
        EXPECT_EQ(mult.remaining, -999);
        EXPECT_EQ(candidate.fit, 12345u);
    }
}

TEST(Machine, AngleAndBeamLinesMergeWebToolsAndKeepFlangeSides)
{
    CToolList part;
    Add(part, Tool("A", 0.5, 17, 1, 2));
    Add(part, Tool("A", 0.5, 18, 5, 6));
    Add(part, Tool("A", 0.5, 66, 3, 8));
    Add(part, Tool("B", 0.625, 33, 1, 1));
    Add(part, Tool("B", 0.625, 35, 2, 2));
    Add(part, Tool("C", 0.75, 51, 4, 4));
    Add(part, Tool("C", 0.75, 49, 4, 4));
    Add(part, Tool("D", 0.875, 0, 4, 4));
    for (int kind : {machineAngleLine, machineBeamLine}) {
        std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(kind);
        CToolList loaded;
        machine->AddPartTools(loaded, part);
        EXPECT_EQ(Entries(loaded), (std::vector<std::string>{"A/19", "B/33", "B/34", "C/49", "C/50"}));
        EXPECT_EQ(ZoneAt(loaded, "A", 19).GetLow().GetValue(), 1.0);
        EXPECT_EQ(ZoneAt(loaded, "A", 19).GetHigh().GetValue(), 8.0);
        EXPECT_EQ(ZoneAt(loaded, "B", 34).GetLow().GetValue(), 2.0);
    }
}

TEST(Machine, AWebToolNeverTakesOverAFlangeEntryOfTheSameName)
{
    std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(machineBeamLine);
    FakePart first;
    Add(first.tools, Tool("A", 0.5, 34, 1, 1));
    FakePart second;
    Add(second.tools, Tool("A", 0.5, 17, 3, 3));
    IMachinePart* parts[] = {&first, &second};
    machine->LoadToolsForParts(parts);
    EXPECT_EQ(Entries(machine->GetLoadedTools()), (std::vector<std::string>{"A/19", "A/34"}));

    std::unique_ptr<CMachine> drill = CMachine::CreateOfKind(machineDrillLine);
    drill->LoadToolsForParts(parts);
    EXPECT_EQ(Entries(drill->GetLoadedTools()), (std::vector<std::string>{"A/19", "A/35"}));
}

TEST(Machine, DrillLineLoadsEveryToolOnBothSidesOfItsFace)
{
    CToolList part;
    Add(part, Tool("A", 0.5, 17));
    Add(part, Tool("A", 0.5, 18));
    Add(part, Tool("B", 0.625, 33));
    Add(part, Tool("B", 0.625, 50));
    Add(part, Tool("C", 0.75, 66));
    Add(part, Tool("D", 0.875, 7));
    std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(machineDrillLine);
    CToolList loaded;
    machine->AddPartTools(loaded, part);
    EXPECT_EQ(Entries(loaded), (std::vector<std::string>{"A/19", "B/35", "B/51", "C/67"}));
}

TEST(Machine, OtherKindsAppendToolsNotYetLoaded)
{
    CToolList part;
    Add(part, Tool("B", 0.625, 34, 1, 2));
    Add(part, Tool("A", 0.5, 17, 1, 2));
    Add(part, Tool("A", 0.5, 18, 1, 2));   // the same tool with an equal zone: already there
    Add(part, Tool("A", 0.5, 18, 3, 4));
    std::unique_ptr<CMachine> machine = CMachine::CreateOfKind(machinePlatePunch);
    CToolList loaded;
    machine->AddPartTools(loaded, part);
    EXPECT_EQ(Entries(loaded), (std::vector<std::string>{"B/34", "A/17", "A/18"}));

    // LoadToolsForParts starts from an empty list.
    FakePart only;
    Add(only.tools, Tool("Z", 1, 19));
    IMachinePart* parts[] = {&only};
    machine->GetLoadedTools().AddTail(Tool("OLD", 2, 19));
    machine->LoadToolsForParts(parts);
    EXPECT_EQ(Entries(machine->GetLoadedTools()), (std::vector<std::string>{"Z/19"}));
}

TEST(Machine, FitToolsToStationsRecodesSidesAndDropsDuplicates)
{
    // Drill line: both-sides stations only. Beam line: near and far on the flanges.
    const CUnitList units = MixedUnits();
    std::unique_ptr<CMachine> drill = WithStations(machineDrillLine, units);
    std::unique_ptr<CMachine> beam = WithStations(machineBeamLine, units);

    struct Case {
        const char* what;
        CMachine* machine;
        std::vector<std::tuple<const char*, double, int>> tools;
        std::vector<std::string> result;
        bool fits;
    } cases[] = {
        {"far and near become both; the second is a duplicate", drill.get(), {{"A", 0.5, 17}, {"A", 0.5, 18}}, {"A/19"}, true},
        {"a side already there as both", drill.get(), {{"A", 0.5, 19}, {"A", 0.5, 34}, {"B", 0.625, 33}}, {"A/19", "A/35", "B/35"}, true},
        {"both splits into far and near", beam.get(), {{"B", 0.625, 35}}, {"B/33", "B/34"}, true},
        {"a split half equal to an entry is dropped", beam.get(), {{"B", 0.625, 34}, {"B", 0.625, 35}}, {"B/33", "B/34"}, true},
        {"sides the machine has stay", beam.get(), {{"B", 0.625, 50}, {"A", 0.5, 19}}, {"B/50", "A/19"}, true},
        {"a face without stations", beam.get(), {{"C", 0.75, 65}}, {"C/65"}, false},
        {"a web side on both-sides web stations", beam.get(), {{"C", 0.75, 18}}, {"C/19"}, true},
        {"codes outside the faces are left alone", beam.get(), {{"D", 0.875, 0}, {"E", 1.0, 99}}, {"D/0", "E/99"}, true},
    };
    for (Case& c : cases) {
        CToolList list;
        for (const auto& [name, size, code] : c.tools)
            Add(list, Tool(name, size, code));
        EXPECT_EQ(c.machine->FitToolsToStations(list), c.fits) << c.what;
        EXPECT_EQ(Entries(list), c.result) << c.what;
    }
}

TEST(Machine, CloneIsAPlainMachineOfTheSameKind)
{
    const CUnitList units = MixedUnits();
    std::unique_ptr<CMachine> angle = WithStations(machineAngleLine, units);
    MachineRecord record;
    record.name = "ANGLE1";
    record.kind = machineAngleLine;
    record.defaultKerf.SetValue(0.125);
    record.minimumStock.SetValue(120);
    record.maximumStock.SetValue(480);
    record.minimumDrop.SetValue(6);
    record.trimLength.SetValue(0.5);
    record.multiAxis = 1;
    record.trimCut = 1;
    record.materialTypes = {1, 0, 1, 1, 0, 0, 1};
    angle->SetMachineRecord(record);
    Add(angle->GetLoadedTools(), Tool("A", 0.5, 19, 1, 2));

    std::unique_ptr<CMachine> clone = angle->Clone();
    EXPECT_STREQ(clone->GetRuntimeClass()->className, "CMachine");
    EXPECT_EQ(clone->GetKind(), machineAngleLine);
    const MachineRecord& copy = clone->GetMachineRecord();
    EXPECT_EQ(copy.name, "ANGLE1");
    EXPECT_EQ(copy.maximumStock.GetValue(), 480.0);
    EXPECT_EQ(copy.trimLength.GetValue(), 0.5);
    EXPECT_EQ(copy.materialTypes, record.materialTypes);
    EXPECT_EQ(copy.trimCut, 1u);
    EXPECT_EQ(Codes(clone->GetStations()), (std::vector<int>{19, 19, 34}));
    EXPECT_EQ(Entries(clone->GetLoadedTools()), (std::vector<std::string>{"A/19"}));
    EXPECT_NE(clone->GetLoadedTools().GetHead(), angle->GetLoadedTools().GetHead());

    // The copy behaves as a plain machine: no stations built, tools appended as they come.
    clone->BuildStations(units);
    EXPECT_EQ(clone->GetStations().GetCount(), 3u);
    CToolList part;
    Add(part, Tool("B", 0.625, 17));
    CToolList loaded;
    clone->AddPartTools(loaded, part);
    EXPECT_EQ(Entries(loaded), (std::vector<std::string>{"B/17"}));
}
