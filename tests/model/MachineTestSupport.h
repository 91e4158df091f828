#pragma once
// Units with every field set to its own value, and the bytes each one archives, laid out by
// hand field by field in archive order. Values come from a unit's base number b: whole numbers
// b+1, b+2, ... (doubles of whole numbers, exact in IEEE form), so that two fields written in
// each other's place show up as wrong bytes.

#include "model/MachineUnit.h"

#include "ModelTestSupport.h"

#include <bit>
#include <cstdint>
#include <memory>
#include <string>

namespace machinetest {

using modeltest::Bytes;
using modeltest::Cat;
using modeltest::Le32;
using modeltest::Length;
using modeltest::Str;
using modeltest::Word;

// What a machine document says when a save would replace another machine's file.
inline constexpr const char* kSaveOnTopOfOld =
    "Warning: Can't save new document on top of old!  You must change key fields.";

// The IEEE double of a whole number below 2^52, composed from its sign, exponent and mantissa
// (not through the compiler's own conversion).
inline Bytes F64(std::int64_t n)
{
    std::uint64_t bits = 0;
    if (n != 0) {
        const std::uint64_t sign = n < 0 ? 1ull << 63 : 0;
        const std::uint64_t magnitude = std::uint64_t(n < 0 ? -n : n);
        const int exponent = 63 - std::countl_zero(magnitude);   // position of the leading 1
        const std::uint64_t mantissa = (magnitude << (52 - exponent)) & ((1ull << 52) - 1);
        bits = sign | (std::uint64_t(1023 + exponent) << 52) | mantissa;
    }
    return modeltest::Le64(bits);
}

inline Bytes U32(std::uint32_t v) { return Le32(v); }
// A length of whole inches in its archive form: the double, then the unit letter.
inline Bytes WholeDim(std::int64_t inches, char unit) { return Cat({F64(inches), {std::uint8_t(unit)}}); }

// A block with values b+1..b+6 and time b+7.
inline ExtendedBlock Block(int b)
{
    ExtendedBlock block;
    for (int i = 0; i < 6; ++i)
        block.values[std::size_t(i)] = b + 1 + i;
    block.inPositionTime = std::uint32_t(b + 7);
    return block;
}

// Its archive form: selector 0 values 0-4 and the time; else values 4, 5, 2, 3, 0, 1.
inline Bytes BlockBytes(int b, std::uint32_t selector)
{
    if (selector == 0)
        return Cat({F64(b + 1), F64(b + 2), F64(b + 3), F64(b + 4), F64(b + 5), U32(std::uint32_t(b + 7))});
    return Cat({F64(b + 5), F64(b + 6), F64(b + 3), F64(b + 4), F64(b + 1), F64(b + 2)});
}

inline std::array<double, 6> Six(int b) { return {double(b + 1), double(b + 2), double(b + 3), double(b + 4), double(b + 5), double(b + 6)}; }
inline Bytes SixBytes(int b) { return Cat({F64(b + 1), F64(b + 2), F64(b + 3), F64(b + 4), F64(b + 5), F64(b + 6)}); }

// The base fields: unit type, name, face.
inline Bytes Head(int type, const std::string& name, std::uint32_t face) { return Cat({U32(std::uint32_t(type)), Str(name), U32(face)}); }

template <class Unit> std::unique_ptr<Unit> Named(const std::string& name, std::uint32_t face)
{
    auto unit = std::make_unique<Unit>();
    unit->name = name;
    unit->face = face;
    return unit;
}

// --- One builder and one byte layout per unit class -------------------------------------------

inline std::unique_ptr<CAngleLengthUnit> AngleLength(const std::string& name, std::uint32_t face, int b)
{
    auto u = Named<CAngleLengthUnit>(name, face);
    u->servo = Six(b);
    return u;
}
inline Bytes AngleLengthBytes(const std::string& name, std::uint32_t face, int b) { return Cat({Head(0, name, face), SixBytes(b)}); }

inline std::unique_ptr<CBeamLengthUnit> BeamLength(const std::string& name, std::uint32_t face, int b)
{
    auto u = Named<CBeamLengthUnit>(name, face);
    u->servo = Six(b);
    return u;
}
inline Bytes BeamLengthBytes(const std::string& name, std::uint32_t face, int b) { return Cat({Head(5, name, face), SixBytes(b)}); }

// Wheel type and frame type are the two selectors.
inline std::unique_ptr<CStencilUnit> Stencil(const std::string& name, std::uint32_t face, int b, std::uint32_t wheelType,
                                             std::uint32_t frameType)
{
    auto u = Named<CStencilUnit>(name, face);
    u->cycleTime = std::uint32_t(b + 1);
    u->characters = "STN" + std::to_string(b);
    u->frameType = frameType;
    u->wheelType = wheelType;
    u->frameOffset = Length(b + 2, 0);
    u->materialCharDistance = Length(b + 3, 1);
    u->wheelCharDistance = Length(b + 4, 2);
    u->wheelAxis = Block(b + 10);
    u->frameAxis = Block(b + 20);
    return u;
}
inline Bytes StencilBytes(const std::string& name, std::uint32_t face, int b, std::uint32_t wheelType, std::uint32_t frameType)
{
    return Cat({Head(1, name, face), U32(std::uint32_t(b + 1)), Str("STN" + std::to_string(b)), U32(frameType),
                U32(wheelType), WholeDim(b + 2, 'E'), WholeDim(b + 3, 'D'), WholeDim(b + 4, 'M'),
                BlockBytes(b + 10, wheelType), BlockBytes(b + 20, frameType)});
}

inline std::unique_ptr<CShearUnit> Shear(const std::string& name, std::uint32_t face, int b)
{
    auto u = Named<CShearUnit>(name, face);
    u->channel = std::uint32_t(b + 1);
    u->angle = std::uint32_t(b + 2);
    u->flat = std::uint32_t(b + 3);
    u->cycleTime = std::uint32_t(b + 4);
    u->frameOffset = Length(b + 5, 0);
    u->kerf = Length(b + 6, 1);
    u->maximumLeg = Length(b + 7, 2);
    u->maximumThickness = Length(b + 8, 0);
    return u;
}
// Frame offset, cycle time, flat, angle, channel, kerf, maximum leg, maximum thickness.
inline Bytes ShearBytes(const std::string& name, std::uint32_t face, int b)
{
    return Cat({Head(2, name, face), WholeDim(b + 5, 'E'), U32(std::uint32_t(b + 4)), U32(std::uint32_t(b + 3)),
                U32(std::uint32_t(b + 2)), U32(std::uint32_t(b + 1)), WholeDim(b + 6, 'D'), WholeDim(b + 7, 'M'),
                WholeDim(b + 8, 'E')});
}

inline std::unique_ptr<CGagUnit> Gag(const std::string& name, std::uint32_t face, int b, std::uint32_t tools,
                                     std::uint32_t positionType)
{
    auto u = Named<CGagUnit>(name, face);
    u->numberOfTools = tools;
    u->positionType = positionType;
    u->cycleTime = std::uint32_t(b + 1);
    u->frameOffset = Length(b + 2, 1);
    u->axis = Block(b + 10);
    return u;
}
// Frame offset, cycle time, number of tools, position type, axis.
inline Bytes GagBytes(const std::string& name, std::uint32_t face, int b, std::uint32_t tools, std::uint32_t positionType)
{
    return Cat({Head(3, name, face), WholeDim(b + 2, 'D'), U32(std::uint32_t(b + 1)), U32(tools), U32(positionType),
                BlockBytes(b + 10, positionType)});
}

inline std::unique_ptr<CTorchUnit> Torch(const std::string& name, std::uint32_t face, int b)
{
    auto u = Named<CTorchUnit>(name, face);
    u->angle = std::uint32_t(b + 1);
    u->channel = std::uint32_t(b + 2);
    u->flat = std::uint32_t(b + 3);
    u->frameOffset = Length(b + 4, 0);
    u->kerf = Length(b + 5, 1);
    u->maximumLeg = Length(b + 6, 2);
    u->maximumThickness = Length(b + 7, 0);
    u->runendPosition = Length(b + 8, 1);
    u->servo = Six(b + 10);
    return u;
}
// Frame offset, runend position, flat, angle, channel, kerf, maximum leg, maximum thickness, six.
inline Bytes TorchBytes(const std::string& name, std::uint32_t face, int b)
{
    return Cat({Head(4, name, face), WholeDim(b + 4, 'E'), WholeDim(b + 8, 'D'), U32(std::uint32_t(b + 3)),
                U32(std::uint32_t(b + 1)), U32(std::uint32_t(b + 2)), WholeDim(b + 5, 'D'), WholeDim(b + 6, 'M'),
                WholeDim(b + 7, 'E'), SixBytes(b + 10)});
}

inline std::unique_ptr<CFlangeFrameUnit> FlangeFrame(const std::string& name, std::uint32_t face, int b, std::uint32_t tools,
                                                     std::uint32_t positionType)
{
    auto u = Named<CFlangeFrameUnit>(name, face);
    u->numberOfTools = tools;
    u->positionType = positionType;
    u->cycleTime = std::uint32_t(b + 1);
    u->frameOffset = Length(b + 2, 0);
    u->nearFarDistance = Length(b + 3, 2);
    u->findMaterialTime = std::uint32_t(b + 4);
    u->axis = Block(b + 10);
    return u;
}
// Frame offset, cycle time, number of tools, position type, find-material time, near/far, axis.
inline Bytes FlangeFrameBytes(const std::string& name, std::uint32_t face, int b, std::uint32_t tools,
                              std::uint32_t positionType)
{
    return Cat({Head(6, name, face), WholeDim(b + 2, 'E'), U32(std::uint32_t(b + 1)), U32(tools), U32(positionType),
                U32(std::uint32_t(b + 4)), WholeDim(b + 3, 'M'), BlockBytes(b + 10, positionType)});
}

inline std::unique_ptr<CSawUnit> Saw(const std::string& name, std::uint32_t face, int b)
{
    auto u = Named<CSawUnit>(name, face);
    u->cycleTime = Length(b + 1, 0);
    u->frameOffset = Length(b + 2, 1);
    u->kerf = Length(b + 3, 2);
    return u;
}
// Frame offset, cycle time, kerf.
inline Bytes SawBytes(const std::string& name, std::uint32_t face, int b)
{
    return Cat({Head(7, name, face), WholeDim(b + 2, 'D'), WholeDim(b + 1, 'E'), WholeDim(b + 3, 'M')});
}

// The position type is 0 (valve form) and the other two selectors differ from it and from
// each other, so that every block's selector shows.
inline std::unique_ptr<CDrillUnit> Drill(const std::string& name, std::uint32_t face, int b, std::uint32_t spindles)
{
    auto u = Named<CDrillUnit>(name, face);
    u->numberOfSpindles = spindles;
    u->spreadType = 1;
    u->positionType = 0;
    u->linearType = 2;
    u->drillingSpeed = Length(b + 1, 0);
    u->minimumPosition = Length(b + 2, 1);
    u->maximumPosition = Length(b + 3, 2);
    u->minimumSpread = Length(b + 4, 0);
    u->maximumSpread = Length(b + 5, 1);
    u->linearRange = Length(b + 6, 2);
    u->positionAxis = Block(b + 10);
    u->spreadAxis = Block(b + 20);
    u->linearAxis = Block(b + 30);
    return u;
}
// Spindles, position type, spread type, linear type, the six lengths (the fifth one in the
// place of a second fourth), position axis (valve form), spread axis, linear axis.
inline Bytes DrillBytes(const std::string& name, std::uint32_t face, int b, std::uint32_t spindles)
{
    return Cat({Head(8, name, face), U32(spindles), U32(0), U32(1), U32(2), WholeDim(b + 1, 'E'), WholeDim(b + 2, 'D'),
                WholeDim(b + 3, 'M'), WholeDim(b + 4, 'E'), WholeDim(b + 5, 'D'), WholeDim(b + 6, 'M'),
                BlockBytes(b + 10, 0), BlockBytes(b + 20, 1), BlockBytes(b + 30, 2)});
}

} // namespace machinetest
