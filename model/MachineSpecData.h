#pragma once
// The spec data of a machine: the counts and options its kind's spec dialog sets, and the list
// of its units. Archived without a class tag in the ".mch" file: the unit list (count, then
// each unit class-tagged), then the kind's DWORD fields in the order declared below.

#include "model/MachineRecord.h"
#include "model/UnitList.h"

#include <cstdint>
#include <memory>
#include <vector>

// How a line measures length.
enum LengthType : std::uint32_t { lengthProbe = 0, lengthPinchWheel = 1 };

class CMachineSpecData : public fw::Object {
    FW_DECLARE_SERIAL(CMachineSpecData)
public:
    CUnitList& GetUnits() { return units_; }
    const CUnitList& GetUnits() const { return units_; }

    // The machine kind of the spec data's class.
    virtual int GetKind() const { return machineUnlisted; }

    // The kind's DWORD fields in file order.
    virtual std::vector<std::uint32_t*> KindFields() { return {}; }
    // Copies the kind's fields of spec data of the same class (nothing from another class).
    void CopyKindFields(const CMachineSpecData& other);

    // The unit list, then the kind's fields.
    void Serialize(fw::Archive& ar) override;

    // New spec data of a kind's class (kinds 1-6); none for any other kind.
    static std::unique_ptr<CMachineSpecData> CreateForKind(int kind);
    // Whether machines of a kind keep spec data in their file (angle, beam and drill lines).
    static bool KindHasSpecData(int kind);

private:
    CUnitList units_;
};

class CAngleLineSpecData : public CMachineSpecData {
    FW_DECLARE_SERIAL(CAngleLineSpecData)
public:
    std::uint32_t contourTorch = 0;
    std::uint32_t cutOffTorch = 1;
    std::uint32_t shears = 1;
    std::uint32_t topFlangeFrames = 1;
    std::uint32_t webFrames = 1;
    std::uint32_t lengthType = lengthProbe;
    std::uint32_t stenciler = 0;

    int GetKind() const override { return machineAngleLine; }
    std::vector<std::uint32_t*> KindFields() override
    {
        return {&contourTorch, &cutOffTorch, &shears, &topFlangeFrames, &webFrames, &lengthType, &stenciler};
    }
};

class CBeamLineSpecData : public CMachineSpecData {
    FW_DECLARE_SERIAL(CBeamLineSpecData)
public:
    std::uint32_t bottomFlangeFrames = 1;
    std::uint32_t topFlangeFrames = 1;
    std::uint32_t webFrames = 1;
    std::uint32_t stenciler = 0;
    std::uint32_t saw = 0;
    std::uint32_t contourTorch = 0;
    std::uint32_t lengthType = lengthProbe;

    int GetKind() const override { return machineBeamLine; }
    std::vector<std::uint32_t*> KindFields() override
    {
        return {&bottomFlangeFrames, &topFlangeFrames, &webFrames, &stenciler, &saw, &contourTorch, &lengthType};
    }
};

class CDrillSpecData : public CMachineSpecData {
    FW_DECLARE_SERIAL(CDrillSpecData)
public:
    std::uint32_t bottomFlangeUnits = 1;
    std::uint32_t topFlangeUnits = 1;
    std::uint32_t webUnits = 1;
    std::uint32_t web2Units = 0;
    std::uint32_t stenciler = 0;
    std::uint32_t saw = 0;
    std::uint32_t contourTorch = 0;
    std::uint32_t lengthType = lengthProbe;

    int GetKind() const override { return machineDrillLine; }
    std::vector<std::uint32_t*> KindFields() override
    {
        return {&bottomFlangeUnits, &topFlangeUnits, &webUnits, &web2Units, &stenciler, &saw, &contourTorch, &lengthType};
    }
};

class CPlatePunchSpecData : public CMachineSpecData {
    FW_DECLARE_SERIAL(CPlatePunchSpecData)
public:
    int GetKind() const override { return machinePlatePunch; }
};

class CSawShearSpecData : public CMachineSpecData {
    FW_DECLARE_SERIAL(CSawShearSpecData)
public:
    int GetKind() const override { return machineSawShear; }
};

class CBurningTableSpecData : public CMachineSpecData {
    FW_DECLARE_SERIAL(CBurningTableSpecData)
public:
    int GetKind() const override { return machineBurningTable; }
};
