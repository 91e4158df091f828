#pragma once
// The units of a machine: every physical unit mounted on an angle line, beam line or drill line
// (gag, flange frame, drill unit, shear, torch, saw, stencil and the length-measuring unit) with
// its settings. The units are archived class-tagged in the machine's spec data, so their class
// names, the schema 1 and the field order below are part of the ".mch" file.
//
// A unit archives its unit type (DWORD), name and face (DWORD), then its own fields in the order
// each class gives. Lengths are CDimension values (double inches and a unit letter); the length
// units and the torch keep six plain doubles.

#include "records/Dimension.h"

#include "fw/core/Object.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Unit types: the number each unit class archives first.
enum MachineUnitType : int {
    unitNone = -1,   // a bare CMachineUnit
    unitAngleLength = 0,
    unitStencil = 1,
    unitShear = 2,
    unitGag = 3,
    unitTorch = 4,
    unitBeamLength = 5,
    unitFlangeFrame = 6,
    unitSaw = 7,
    unitDrill = 8,
};

// Face codes of units: web, top flange, bottom flange, second web, length axis; 0 when not set.
inline constexpr std::uint32_t unitFaceWeb = 0x10;
inline constexpr std::uint32_t unitFaceTopFlange = 0x20;
inline constexpr std::uint32_t unitFaceBottomFlange = 0x30;
inline constexpr std::uint32_t unitFaceWeb2 = 0x40;
inline constexpr std::uint32_t unitFaceLength = 0x50;

// Most tools (or spindles) a loaded unit may have: more than any unit page accepts. Each tool is
// a tool station of the machine, so a file may not ask for billions of them.
inline constexpr std::uint32_t maxUnitTools = 1000;

// The type of a positioning axis, chosen on the unit pages.
enum AxisType : std::uint32_t { axisValve = 0, axisServo = 1 };

// The motion data of one positioning axis. A valve axis uses values 0-4 and the in-position
// time; a servo axis uses all six values. Values stay in place when the type changes.
struct ExtendedBlock {
    std::array<double, 6> values{};
    std::uint32_t inPositionTime = 0;

    // The archive form depends on the unit field that selects the block (its axis type):
    // 0: values 0-4, then the time; anything else: values 4, 5, 2, 3, 0, 1 (no time). On load
    // the part the form leaves out keeps its value.
    void Serialize(fw::Archive& ar, std::uint32_t selector);
    // Copies what an axis of that type uses (any type but valve counts as servo).
    void CopyUsed(const ExtendedBlock& from, std::uint32_t type);

    bool operator==(const ExtendedBlock&) const = default;
};

// How a unit uses one of its axes now.
enum class AxisUse { valve, servo, unused };

class CMachineUnit : public fw::Object {
    FW_DECLARE_SERIAL(CMachineUnit)
public:
    CMachineUnit() : CMachineUnit(unitNone) {}

    int GetUnitType() const { return unitType_; }

    // Copies every field of a unit of the same class; of a unit of another class only the name
    // and the face.
    virtual void CopyFrom(const CMachineUnit& other);

    // The unit's positioning axes in field order, and how each one is used now.
    virtual std::vector<ExtendedBlock*> Axes() { return {}; }
    std::vector<const ExtendedBlock*> ReadAxes() const;
    virtual AxisUse GetAxisUse(std::size_t axis) const;

    // Unit type, name, face. Loading refuses a unit type that is not the class's own.
    void Serialize(fw::Archive& ar) override;

    // A new unit of the class of a unit type (0-8); none for any other number.
    static std::unique_ptr<CMachineUnit> CreateOfType(int unitType);
    // A new unit of the same class holding a copy of this one.
    std::unique_ptr<CMachineUnit> Clone() const;

    std::string name;         // the unit's label; the spec dialogs find units by it
    std::uint32_t face = 0;   // unitFaceWeb ... unitFaceLength, 0 when not set

protected:
    explicit CMachineUnit(int unitType) : unitType_(unitType) {}

    // The use of an axis whose type field holds type.
    static AxisUse UseOfType(std::uint32_t type) { return type == axisValve ? AxisUse::valve : AxisUse::servo; }

private:
    int unitType_;
};

// The base of the unit classes: the unit type and the copy of a whole unit of the same class.
template <class Unit, int Type> class CMachineUnitOf : public CMachineUnit {
public:
    void CopyFrom(const CMachineUnit& other) override
    {
        if (const auto* same = dynamic_cast<const Unit*>(&other))
            static_cast<Unit&>(*this) = *same;
        else
            CMachineUnit::CopyFrom(other);
    }

protected:
    CMachineUnitOf() : CMachineUnit(Type) {}
};

// Length measuring unit of an angle line: one servo axis of six values.
class CAngleLengthUnit : public CMachineUnitOf<CAngleLengthUnit, unitAngleLength> {
    FW_DECLARE_SERIAL(CAngleLengthUnit)
public:
    std::array<double, 6> servo{};

    void Serialize(fw::Archive& ar) override;   // the six values
};

// Length measuring unit of beam and drill lines.
class CBeamLengthUnit : public CMachineUnitOf<CBeamLengthUnit, unitBeamLength> {
    FW_DECLARE_SERIAL(CBeamLengthUnit)
public:
    std::array<double, 6> servo{};

    void Serialize(fw::Archive& ar) override;   // the six values
};

class CStencilUnit : public CMachineUnitOf<CStencilUnit, unitStencil> {
    FW_DECLARE_SERIAL(CStencilUnit)
public:
    enum FrameType : std::uint32_t { frameValve = 0, frameNone = 1 };

    std::uint32_t cycleTime = 0;       // average tool cycle time
    std::string characters;            // the stencil text
    std::uint32_t frameType = frameValve;
    std::uint32_t wheelType = axisValve;
    CDimension frameOffset;
    CDimension materialCharDistance;
    CDimension wheelCharDistance;
    ExtendedBlock wheelAxis;           // selected by the wheel type
    ExtendedBlock frameAxis;           // valve only; in use while the frame type is valve

    std::vector<ExtendedBlock*> Axes() override { return {&wheelAxis, &frameAxis}; }
    AxisUse GetAxisUse(std::size_t axis) const override;
    // Cycle time, characters, frame type, wheel type, the three lengths, the wheel axis (by the
    // wheel type), the frame axis (by the frame type).
    void Serialize(fw::Archive& ar) override;
};

class CShearUnit : public CMachineUnitOf<CShearUnit, unitShear> {
    FW_DECLARE_SERIAL(CShearUnit)
public:
    std::uint32_t channel = 0;   // material types it cuts (BOOL)
    std::uint32_t angle = 0;
    std::uint32_t flat = 0;
    std::uint32_t cycleTime = 0;
    CDimension frameOffset;
    CDimension kerf;
    CDimension maximumLeg;
    CDimension maximumThickness;

    // Frame offset, cycle time, flat, angle, channel, kerf, maximum leg, maximum thickness.
    void Serialize(fw::Archive& ar) override;
};

class CGagUnit : public CMachineUnitOf<CGagUnit, unitGag> {
    FW_DECLARE_SERIAL(CGagUnit)
public:
    std::uint32_t numberOfTools = 1;   // tool stations of the unit
    std::uint32_t positionType = axisValve;
    std::uint32_t cycleTime = 0;       // average tool cycle time, milliseconds
    CDimension frameOffset;
    ExtendedBlock axis;                // selected by the position type

    std::vector<ExtendedBlock*> Axes() override { return {&axis}; }
    AxisUse GetAxisUse(std::size_t) const override { return UseOfType(positionType); }
    // Frame offset, cycle time, number of tools, position type, axis.
    void Serialize(fw::Archive& ar) override;
};

class CTorchUnit : public CMachineUnitOf<CTorchUnit, unitTorch> {
    FW_DECLARE_SERIAL(CTorchUnit)
public:
    std::uint32_t angle = 0;   // material types it cuts (BOOL)
    std::uint32_t channel = 0;
    std::uint32_t flat = 0;
    CDimension frameOffset;
    CDimension kerf;
    CDimension maximumLeg;
    CDimension maximumThickness;
    CDimension runendPosition;
    std::array<double, 6> servo{};   // its one servo axis

    // Frame offset, runend position, flat, angle, channel, kerf, maximum leg, maximum thickness,
    // the six servo values.
    void Serialize(fw::Archive& ar) override;
};

class CFlangeFrameUnit : public CMachineUnitOf<CFlangeFrameUnit, unitFlangeFrame> {
    FW_DECLARE_SERIAL(CFlangeFrameUnit)
public:
    std::uint32_t numberOfTools = 2;   // tool stations, made in near/far pairs
    std::uint32_t positionType = axisValve;
    std::uint32_t cycleTime = 0;       // milliseconds
    CDimension frameOffset;
    CDimension nearFarDistance;
    std::uint32_t findMaterialTime = 0;   // milliseconds
    ExtendedBlock axis;                   // selected by the position type

    std::vector<ExtendedBlock*> Axes() override { return {&axis}; }
    AxisUse GetAxisUse(std::size_t) const override { return UseOfType(positionType); }
    // Frame offset, cycle time, number of tools, position type, find-material time, near/far
    // distance, axis.
    void Serialize(fw::Archive& ar) override;
};

class CSawUnit : public CMachineUnitOf<CSawUnit, unitSaw> {
    FW_DECLARE_SERIAL(CSawUnit)
public:
    CDimension cycleTime;   // average cycle time, area per minute
    CDimension frameOffset;
    CDimension kerf;

    // Frame offset, cycle time, kerf.
    void Serialize(fw::Archive& ar) override;
};

class CDrillUnit : public CMachineUnitOf<CDrillUnit, unitDrill> {
    FW_DECLARE_SERIAL(CDrillUnit)
public:
    std::uint32_t numberOfSpindles = 1;   // tool stations of the unit
    std::uint32_t spreadType = axisValve;
    std::uint32_t positionType = axisValve;
    std::uint32_t linearType = axisValve;
    CDimension drillingSpeed;   // area per minute
    CDimension minimumPosition;
    CDimension maximumPosition;
    CDimension minimumSpread;
    CDimension maximumSpread;
    CDimension linearRange;
    ExtendedBlock positionAxis;   // selected by the position type
    ExtendedBlock spreadAxis;     // by the spread type
    ExtendedBlock linearAxis;     // by the linear type

    std::vector<ExtendedBlock*> Axes() override { return {&positionAxis, &spreadAxis, &linearAxis}; }
    AxisUse GetAxisUse(std::size_t axis) const override;
    // Spindles, position type, spread type, linear type, the six lengths, then the position,
    // spread and linear axes. A position axis loaded in the valve form gets value 5 = 0.
    void Serialize(fw::Archive& ar) override;
};

// Copies from into to as a unit page does: every field, except that each axis takes only what
// from's current use of it needs (an unused axis is left alone). to and from are of one class.
void CopyEditedValues(CMachineUnit& to, const CMachineUnit& from);
