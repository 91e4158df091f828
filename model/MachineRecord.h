#pragma once
// The description of one machine: its name, kind, stock and drop limits, default kerf, run
// parameters and the material types it takes. The machine document archives it field by field
// in this order at the start of the ".mch" file.

#include "records/Dimension.h"

#include <array>
#include <cstdint>
#include <string>

namespace fw {
class Archive;
}

// Machine kinds; the same numbers select the CMachine and CMachineSpecData classes.
enum MachineKind : std::int32_t {
    machineNone = -1,   // a new machine before a kind is chosen
    machineUnlisted = 0,
    machineAngleLine = 1,
    machineBeamLine = 2,
    machinePlatePunch = 3,
    machineDrillLine = 4,
    machineSawShear = 5,
    machineBurningTable = 6,
};

// Material types, in shape-kind order.
enum MaterialType { materialBeam, materialChannel, materialAngle, materialFlatBar, materialPlate, materialT, materialTube };
inline constexpr std::size_t materialTypeCount = 7;

struct MachineRecord {
    static constexpr std::size_t maxNameLength = 10;

    std::string name;
    std::int32_t kind = machineNone;
    CDimension defaultKerf;
    CDimension minimumStock;
    CDimension maximumStock;
    CDimension minimumDrop;   // the shortest remnant that may be left on the stock
    std::uint32_t multiAxis = 0;
    std::uint32_t flowsRight = 0;   // material flows to the right
    std::uint32_t trimCut = 0;
    CDimension trimLength;
    std::array<std::uint32_t, materialTypeCount> materialTypes{};   // BOOL each

    // The fields in order; a loaded kind outside -1..6 is refused.
    void Serialize(fw::Archive& ar);
};
