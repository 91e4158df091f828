#pragma once
// A machine of one of six kinds: its description, its tool stations (one zone tool per station,
// built from its units) and the tools loaded on it. It answers what hand and automatic multing
// ask: the stations and loaded tools per face group and side, whether a part's tools still fit,
// how many pieces of a part still fit on the stock, and how a part's tools are re-coded to the
// sides on which the machine has stations.
//
// Face-and-side codes are 16 x face + side (faces 1 web, 2 top flange, 3 bottom flange, 4 second
// web; sides 1 far half, 2 near half, 3 both); a code's face group is 16, 32, 48 or 64.
// A machine archives nothing: users keep its name and load it again by name.

#include "model/MachineRecord.h"
#include "model/ToolList.h"
#include "model/UnitList.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>

// A part as the machine's checks see it: a part on a mult or offered for one.
class IMachinePart {
public:
    virtual ~IMachinePart() = default;
    virtual double GetPartLength() const = 0;            // inches
    virtual std::uint32_t GetQuantity() const = 0;       // on the mult, or offered
    virtual std::uint32_t GetQuantityUsed() const = 0;   // already placed on mults
    virtual void SetQuantityFit(std::uint32_t pieces) = 0;
    // The length value that the mult check sets to 0 on each part already on the mult.
    virtual void ClearMultCheckLength() = 0;
    virtual CToolList& GetToolList() = 0;
    virtual void SetToolsFit(int fit) = 0;   // 1 the part's tools fit, 0 not
};

// The mult whose stock the machine's capacity check measures.
class IMachineMult {
public:
    virtual ~IMachineMult() = default;
    virtual double GetStockLength() const = 0;   // inches
    virtual double GetKerf() const = 0;
    virtual void SetRemainingLength(double inches) = 0;
};

class CMachine : public fw::Object {
    FW_DECLARE_SERIAL(CMachine)
public:
    CMachine() : CMachine(machineUnlisted) {}

    static constexpr int faceGroups[] = {16, 32, 48, 64};

    // The machine of a kind's class (1-6); a plain machine for any other kind.
    static std::unique_ptr<CMachine> CreateOfKind(int kind);

    // Takes every field of the record, the kind included.
    void SetMachineRecord(const MachineRecord& record);
    const MachineRecord& GetMachineRecord() const { return record_; }
    int GetKind() const { return record_.kind; }

    CToolList& GetStations() { return stations_; }
    CToolList& GetLoadedTools() { return loaded_; }

    // A plain CMachine (never the kind's class) with this machine's record, kind included, and
    // copies of both tool lists.
    std::unique_ptr<CMachine> Clone() const;

    // Appends one station per tool of the gag, flange-frame or drill units the kind has.
    virtual void BuildStations(const CUnitList& units);
    // Stations, or loaded tools, of a face group by side.
    virtual void CountStations(int group, std::int16_t& nearSide, std::int16_t& farSide, std::int16_t& bothSides);
    virtual void CountLoaded(int group, std::int16_t& nearSide, std::int16_t& farSide, std::int16_t& bothSides);
    // Sets the counters to 0, then counts the list's tools of the group: code group+2 near,
    // group+1 far, group+3 both. A group outside 16..64 counts nothing.
    virtual void CountToolsByFaceCode(int group, std::int16_t& nearSide, std::int16_t& farSide,
                                      std::int16_t& bothSides, const CToolList& list);
    // The hand-mult capacity check: the mult's remaining length, and for every candidate the
    // pieces that still fit and whether its tools fit the free stations.
    virtual void CheckMultParts(std::span<IMachinePart* const> onMult, std::span<IMachinePart* const> candidates,
                                IMachineMult& mult);
    // Adds a part's tools to a list of loaded tools, merging them as the kind loads tools.
    virtual void AddPartTools(CToolList& target, const CToolList& partTools);

    // Sets the part's tools-fit flag: 0 when on some face group and side the part's tools not
    // yet loaded outnumber the free stations, else 1.
    void CheckToolRoom(IMachinePart& part);
    // Re-codes a list of zone tools to the sides on which the machine has stations. True when
    // every tool with a face-and-side code then has a station of its code on the machine.
    bool FitToolsToStations(CToolList& tools);
    // Empties the loaded tools, then adds the tools of every part in order.
    void LoadToolsForParts(std::span<IMachinePart* const> parts);

protected:
    explicit CMachine(int kind) { record_.kind = kind; }

    // Appends stations with that code.
    void AddStations(std::uint32_t count, int code);
    // AddPartTools of the angle and beam lines, and of the drill line.
    static void MergeOnFlangeSides(CToolList& target, const CToolList& partTools);
    static void MergeOnBothSides(CToolList& target, const CToolList& partTools);

private:
    struct SideCounts {
        std::int16_t nearSide = 0, farSide = 0, bothSides = 0;
    };
    using GroupCounts = std::array<SideCounts, 4>;   // by face group 16, 32, 48, 64

    GroupCounts StationCounts();
    GroupCounts LoadedCounts();
    GroupCounts ListCounts(const CToolList& list);
    // Whether the part's tools that are not loaded yet fit the free stations.
    bool ToolsFit(CToolList& partTools, const GroupCounts& stations, const GroupCounts& loaded);

    MachineRecord record_;
    CToolList stations_;
    CToolList loaded_;
};

class CAngleLineMachine : public CMachine {
    FW_DECLARE_SERIAL(CAngleLineMachine)
public:
    CAngleLineMachine() : CMachine(machineAngleLine) {}
    // A station per gag tool: code 19 on the web, 34 elsewhere.
    void BuildStations(const CUnitList& units) override;
    void AddPartTools(CToolList& target, const CToolList& partTools) override;
};

class CBeamLineMachine : public CMachine {
    FW_DECLARE_SERIAL(CBeamLineMachine)
public:
    CBeamLineMachine() : CMachine(machineBeamLine) {}
    // Code 19 per gag tool; near/far pairs per flange-frame tools (34, 33 on the top flange,
    // 50, 49 elsewhere), half as many pairs as tools, rounded up.
    void BuildStations(const CUnitList& units) override;
    void AddPartTools(CToolList& target, const CToolList& partTools) override;
};

class CPlatePunchMachine : public CMachine {
    FW_DECLARE_SERIAL(CPlatePunchMachine)
public:
    CPlatePunchMachine() : CMachine(machinePlatePunch) {}
    // Leaves the counters as they are.
    void CountStations(int, std::int16_t&, std::int16_t&, std::int16_t&) override {}
    void CheckMultParts(std::span<IMachinePart* const>, std::span<IMachinePart* const>, IMachineMult&) override {}
};

class CDrillLineMachine : public CMachine {
    FW_DECLARE_SERIAL(CDrillLineMachine)
public:
    CDrillLineMachine() : CMachine(machineDrillLine) {}
    // A station per drill spindle: 19 on the web, 35 top flange, 51 bottom flange, 0 elsewhere.
    void BuildStations(const CUnitList& units) override;
    void AddPartTools(CToolList& target, const CToolList& partTools) override;
};

class CSawShearMachine : public CMachine {
    FW_DECLARE_SERIAL(CSawShearMachine)
public:
    CSawShearMachine() : CMachine(machineSawShear) {}
    // No stations on any face.
    void CountStations(int group, std::int16_t& nearSide, std::int16_t& farSide, std::int16_t& bothSides) override;
    void CheckMultParts(std::span<IMachinePart* const>, std::span<IMachinePart* const>, IMachineMult&) override {}
};

class CBurningTableMachine : public CMachine {
    FW_DECLARE_SERIAL(CBurningTableMachine)
public:
    CBurningTableMachine() : CMachine(machineBurningTable) {}
    void CheckMultParts(std::span<IMachinePart* const>, std::span<IMachinePart* const>, IMachineMult&) override {}
};
