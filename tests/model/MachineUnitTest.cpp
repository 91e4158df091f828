#include "model/MachineUnit.h"
#include "model/UnitList.h"

#include "MachineTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace machinetest;
using modeltest::ExpectTruncationsRejected;
using modeltest::LoadError;
using modeltest::StoreDirect;

namespace {

// Loads a unit's own form into a fresh unit of the class.
std::unique_ptr<CMachineUnit> LoadUnit(int type, const Bytes& bytes)
{
    std::unique_ptr<CMachineUnit> unit = CMachineUnit::CreateOfType(type);
    fw::Archive ar(bytes);
    unit->Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    return unit;
}

struct GoldenCase {
    const char* what;
    std::function<std::unique_ptr<CMachineUnit>()> make;
    Bytes bytes;
};

std::vector<GoldenCase> GoldenCases()
{
    return {
        {"angle length", [] { return AngleLength("Length", 0x50, 100); }, AngleLengthBytes("Length", 0x50, 100)},
        {"beam length", [] { return BeamLength("Length", 0x50, 200); }, BeamLengthBytes("Length", 0x50, 200)},
        {"stencil, wheel servo", [] { return Stencil("Stencil", 0, 300, 1, 0); }, StencilBytes("Stencil", 0, 300, 1, 0)},
        {"stencil, frame none", [] { return Stencil("Stencil", 0, 350, 0, 1); }, StencilBytes("Stencil", 0, 350, 0, 1)},
        {"shear", [] { return Shear("Cut", 0x30, 400); }, ShearBytes("Cut", 0x30, 400)},
        {"gag valve", [] { return Gag("Web", 0x10, 500, 3, 0); }, GagBytes("Web", 0x10, 500, 3, 0)},
        {"gag, any other selector", [] { return Gag("Web - 2", 0x10, 550, 4, 7); }, GagBytes("Web - 2", 0x10, 550, 4, 7)},
        {"torch", [] { return Torch("Torch", 0, 600); }, TorchBytes("Torch", 0, 600)},
        {"flange frame servo", [] { return FlangeFrame("Top Flange", 0x20, 700, 3, 1); },
         FlangeFrameBytes("Top Flange", 0x20, 700, 3, 1)},
        {"saw", [] { return Saw("Saw", 0, 800); }, SawBytes("Saw", 0, 800)},
        {"drill", [] { return Drill("Web 2 - 1", 0x40, 900, 5); }, DrillBytes("Web 2 - 1", 0x40, 900, 5)},
    };
}

} // namespace

TEST(MachineUnit, TestDoublesAreTheHandComputedPatterns)
{
    EXPECT_EQ(F64(1), modeltest::Le64(0x3FF0000000000000));
    EXPECT_EQ(F64(3), modeltest::Le64(0x4008000000000000));
    EXPECT_EQ(F64(-40), modeltest::Le64(0xC044000000000000));
    EXPECT_EQ(F64(511), modeltest::Le64(0x407FF00000000000));
    EXPECT_EQ(F64(0), modeltest::Le64(0));
}

TEST(MachineUnit, GagUnitBytesByHand)
{
    CGagUnit gag;
    gag.name = "Web";
    gag.face = 0x10;
    gag.numberOfTools = 3;
    gag.positionType = 1;
    gag.cycleTime = 250;
    gag.frameOffset = Length(2.0, 1);
    gag.axis.values = {1, 2, 3, 4, 5, 6};
    gag.axis.inPositionTime = 9;
    const Bytes expected = {
        0x03, 0x00, 0x00, 0x00, 0x03, 'W', 'e', 'b', 0x10, 0x00, 0x00, 0x00,   // type 3, "Web", face 0x10
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40, 'D',                   // frame offset 2.0 in.
        0xFA, 0x00, 0x00, 0x00,                                                 // cycle time 250
        0x03, 0x00, 0x00, 0x00,                                                 // tools 3
        0x01, 0x00, 0x00, 0x00,                                                 // servo
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x14, 0x40,                         // 5
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x18, 0x40,                         // 6
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x08, 0x40,                         // 3
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x40,                         // 4
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F,                         // 1
        0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x40,                         // 2
    };
    EXPECT_EQ(StoreDirect(gag), expected);
}

TEST(MachineUnit, EveryClassArchivesItsFieldsInItsOrder)
{
    for (const GoldenCase& c : GoldenCases()) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CMachineUnit> unit = c.make();
        EXPECT_EQ(StoreDirect(*unit), c.bytes);
        std::unique_ptr<CMachineUnit> loaded = LoadUnit(unit->GetUnitType(), c.bytes);
        EXPECT_EQ(StoreDirect(*loaded), c.bytes);
        EXPECT_EQ(loaded->name, unit->name);
    }
}

TEST(MachineUnit, TruncatedUnitsAreRefused)
{
    for (const GoldenCase& c : GoldenCases()) {
        SCOPED_TRACE(c.what);
        const int type = c.make()->GetUnitType();
        ExpectTruncationsRejected(c.bytes, [type](fw::Archive& ar) { CMachineUnit::CreateOfType(type)->Serialize(ar); });
    }
}

TEST(MachineUnit, CorruptUnitsAreRefused)
{
    auto loadAs = [](int type) { return [type](fw::Archive& ar) { CMachineUnit::CreateOfType(type)->Serialize(ar); }; };
    struct Case {
        const char* what;
        int type;
        Bytes bytes;
    } cases[] = {
        {"gag read as a saw", unitSaw, GagBytes("Web", 0x10, 10, 1, 0)},
        {"gag with 1001 tools", unitGag, GagBytes("Web", 0x10, 10, 1001, 0)},
        {"flange frame with 0xFFFFFFFF tools", unitFlangeFrame, FlangeFrameBytes("TF", 0x20, 10, 0xFFFFFFFF, 0)},
        {"drill unit with 5000 spindles", unitDrill, DrillBytes("Web", 0x10, 10, 5000)},
        {"block value not a number", unitGag,
         Cat({Head(3, "Web", 0x10), WholeDim(1, 'E'), U32(0), U32(1), U32(0), modeltest::Le64(modeltest::kNaN), F64(1),
              F64(1), F64(1), F64(1), U32(0)})},
        {"length unit value infinite", unitBeamLength,
         Cat({Head(5, "Length", 0x50), F64(1), modeltest::Le64(0x7FF0000000000000), F64(1), F64(1), F64(1), F64(1)})},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadError(c.bytes, loadAs(c.type)), fw::ArchiveException::badValue) << c.what;
    // 1000 tools are still a unit.
    EXPECT_EQ(LoadError(GagBytes("Web", 0x10, 10, 1000, 0), loadAs(unitGag)), fw::ArchiveException::none);
}

TEST(MachineUnit, ABlockLoadKeepsWhatItsFormLeavesOut)
{
    CGagUnit gag;
    gag.axis = Block(50);   // value 5 is 56, time 57
    fw::Archive valve(GagBytes("Web", 0x10, 10, 1, 0));
    gag.Serialize(valve);
    EXPECT_EQ(gag.axis.values[5], 56.0);
    EXPECT_EQ(gag.axis.values[0], 21.0);
    EXPECT_EQ(gag.axis.inPositionTime, 27u);

    gag.axis = Block(50);
    fw::Archive servo(GagBytes("Web", 0x10, 10, 1, 1));
    gag.Serialize(servo);
    EXPECT_EQ(gag.axis.values[5], 26.0);
    EXPECT_EQ(gag.axis.inPositionTime, 57u);
}

TEST(MachineUnit, DrillUnitKeepsItsFifthLengthAndClearsAValvePositionAxisSixthValue)
{
    std::unique_ptr<CDrillUnit> drill = Drill("Web", 0x10, 100, 2);
    const Bytes bytes = StoreDirect(*drill);
    CDrillUnit loaded;
    loaded.positionAxis.values[5] = 99.0;
    fw::Archive ar(bytes);
    loaded.Serialize(ar);
    EXPECT_EQ(loaded.maximumSpread.GetValue(), 105.0);
    EXPECT_EQ(loaded.minimumSpread.GetValue(), 104.0);
    EXPECT_EQ(loaded.positionAxis.values[5], 0.0);
    EXPECT_EQ(loaded.spreadAxis.values[5], 126.0);
}

TEST(MachineUnit, NewUnitsHaveTheirDefaults)
{
    struct Case {
        int type;
        const char* className;
    } cases[] = {
        {unitAngleLength, "CAngleLengthUnit"}, {unitStencil, "CStencilUnit"},         {unitShear, "CShearUnit"},
        {unitGag, "CGagUnit"},                 {unitTorch, "CTorchUnit"},             {unitBeamLength, "CBeamLengthUnit"},
        {unitFlangeFrame, "CFlangeFrameUnit"}, {unitSaw, "CSawUnit"},                 {unitDrill, "CDrillUnit"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CMachineUnit> unit = CMachineUnit::CreateOfType(c.type);
        ASSERT_NE(unit, nullptr);
        EXPECT_STREQ(unit->GetRuntimeClass()->className, c.className);
        EXPECT_EQ(unit->GetUnitType(), c.type);
        EXPECT_EQ(unit->face, 0u);
        EXPECT_EQ(unit->name, "");
        for (const ExtendedBlock* axis : unit->ReadAxes())
            EXPECT_EQ(*axis, ExtendedBlock{});
    }
    EXPECT_EQ(CMachineUnit().GetUnitType(), -1);
    EXPECT_EQ(CMachineUnit::CreateOfType(-1), nullptr);
    EXPECT_EQ(CMachineUnit::CreateOfType(9), nullptr);
    EXPECT_EQ(CGagUnit().numberOfTools, 1u);
    EXPECT_EQ(CFlangeFrameUnit().numberOfTools, 2u);
    EXPECT_EQ(CDrillUnit().numberOfSpindles, 1u);
    EXPECT_EQ(CGagUnit().cycleTime, 0u);
    EXPECT_EQ(CDrillUnit().linearRange.GetValue(), 0.0);
}

TEST(MachineUnit, CopyFromTakesEveryFieldOfItsOwnClassOnly)
{
    for (const GoldenCase& c : GoldenCases()) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<CMachineUnit> source = c.make();
        std::unique_ptr<CMachineUnit> copy = source->Clone();
        EXPECT_EQ(copy->GetRuntimeClass(), source->GetRuntimeClass());
        EXPECT_EQ(StoreDirect(*copy), c.bytes);
    }
    CSawUnit saw;
    saw.kerf = Length(0.125, 1);
    std::unique_ptr<CGagUnit> gag = Gag("Web - 1", 0x10, 10, 4, 1);
    saw.CopyFrom(*gag);
    EXPECT_EQ(saw.name, "Web - 1");
    EXPECT_EQ(saw.face, 0x10u);
    EXPECT_EQ(saw.GetUnitType(), unitSaw);
    EXPECT_EQ(saw.kerf.GetValue(), 0.125);
}

TEST(MachineUnit, EditedValuesTakeOnlyWhatEachAxisUses)
{
    // A valve axis gives its first five values and its time; the sixth stays.
    std::unique_ptr<CGagUnit> source = Gag("Web", 0x10, 10, 2, axisValve);
    CGagUnit target;
    target.axis = Block(100);
    CopyEditedValues(target, *source);
    EXPECT_EQ(target.numberOfTools, 2u);
    EXPECT_EQ(target.axis.values, (std::array<double, 6>{21, 22, 23, 24, 25, 106}));
    EXPECT_EQ(target.axis.inPositionTime, 27u);

    // A servo axis gives all six values and keeps the time.
    source->positionType = axisServo;
    target.axis = Block(100);
    CopyEditedValues(target, *source);
    EXPECT_EQ(target.axis.values, (std::array<double, 6>{21, 22, 23, 24, 25, 26}));
    EXPECT_EQ(target.axis.inPositionTime, 107u);

    // The stencil frame axis is left alone while the frame type is None.
    std::unique_ptr<CStencilUnit> stencil = Stencil("Stencil", 0, 10, axisServo, CStencilUnit::frameNone);
    CStencilUnit kept;
    kept.frameAxis = Block(100);
    CopyEditedValues(kept, *stencil);
    EXPECT_EQ(kept.frameAxis, Block(100));
    EXPECT_EQ(kept.wheelAxis.values, stencil->wheelAxis.values);
    EXPECT_EQ(kept.frameType, CStencilUnit::frameNone);
    EXPECT_EQ(kept.characters, "STN10");
}

TEST(UnitList, FindByNameGivesTheFirstExactMatch)
{
    CUnitList list;
    list.AddTail(Gag("Web", 0x10, 1, 1, 0));
    list.AddTail(Saw("Web", 0, 2));
    list.AddTail(Saw("Saw", 0, 3));
    const auto pos = list.FindByName("Web");
    ASSERT_TRUE(pos);
    EXPECT_EQ(list.GetAt(pos)->GetUnitType(), unitGag);
    EXPECT_FALSE(list.FindByName("web"));
    EXPECT_FALSE(list.FindByName("Web "));
    EXPECT_EQ(list.GetAt(list.FindByName("Saw"))->name, "Saw");
}
