#include "model/MachineSpecData.h"

#include "MachineTestSupport.h"

#include <gtest/gtest.h>

using namespace machinetest;
using modeltest::ExpectTruncationsRejected;
using modeltest::LoadError;
using modeltest::NewClass;
using modeltest::StoreDirect;

TEST(MachineSpecData, NewSpecDataHasItsKindsDefaults)
{
    CAngleLineSpecData angle;
    EXPECT_EQ((std::array{angle.contourTorch, angle.cutOffTorch, angle.shears, angle.topFlangeFrames, angle.webFrames,
                          angle.lengthType, angle.stenciler}),
              (std::array<std::uint32_t, 7>{0, 1, 1, 1, 1, 0, 0}));
    CBeamLineSpecData beam;
    EXPECT_EQ((std::array{beam.bottomFlangeFrames, beam.topFlangeFrames, beam.webFrames, beam.stenciler, beam.saw,
                          beam.contourTorch, beam.lengthType}),
              (std::array<std::uint32_t, 7>{1, 1, 1, 0, 0, 0, 0}));
    CDrillSpecData drill;
    EXPECT_EQ((std::array{drill.bottomFlangeUnits, drill.topFlangeUnits, drill.webUnits, drill.web2Units, drill.stenciler,
                          drill.saw, drill.contourTorch, drill.lengthType}),
              (std::array<std::uint32_t, 8>{1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(angle.GetUnits().IsEmpty());
}

TEST(MachineSpecData, IsMadeByKind)
{
    struct Case {
        int kind;
        const char* className;
        bool inFile;
    } cases[] = {
        {1, "CAngleLineSpecData", true}, {2, "CBeamLineSpecData", true}, {3, "CPlatePunchSpecData", false},
        {4, "CDrillSpecData", true},     {5, "CSawShearSpecData", false}, {6, "CBurningTableSpecData", false},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CMachineSpecData> spec = CMachineSpecData::CreateForKind(c.kind);
        ASSERT_NE(spec, nullptr);
        EXPECT_STREQ(spec->GetRuntimeClass()->className, c.className);
        EXPECT_EQ(spec->GetKind(), c.kind);
        EXPECT_EQ(CMachineSpecData::KindHasSpecData(c.kind), c.inFile);
    }
    for (int kind : {-1, 0, 7})
        EXPECT_EQ(CMachineSpecData::CreateForKind(kind), nullptr);
    EXPECT_FALSE(CMachineSpecData::KindHasSpecData(0));
}

TEST(MachineSpecData, ArchivesItsClassTaggedUnitsThenItsFields)
{
    CBeamLineSpecData spec;
    spec.bottomFlangeFrames = 11;
    spec.topFlangeFrames = 12;
    spec.webFrames = 13;
    spec.stenciler = 14;
    spec.saw = 15;
    spec.contourTorch = 16;
    spec.lengthType = 17;
    spec.GetUnits().AddTail(BeamLength("Length", 0x50, 100));
    spec.GetUnits().AddTail(FlangeFrame("Top Flange - 1", 0x20, 200, 2, 0));
    spec.GetUnits().AddTail(FlangeFrame("Top Flange - 2", 0x20, 300, 4, 1));
    spec.GetUnits().AddTail(Saw("Saw", 0, 400));

    // Classes and objects share one count: class 1, object 2, class 3, objects 4 and 5, class 6.
    const Bytes expected = Cat({
        Word(4),
        NewClass("CBeamLengthUnit"), BeamLengthBytes("Length", 0x50, 100),
        NewClass("CFlangeFrameUnit"), FlangeFrameBytes("Top Flange - 1", 0x20, 200, 2, 0),
        Word(0x8003), FlangeFrameBytes("Top Flange - 2", 0x20, 300, 4, 1),
        NewClass("CSawUnit"), SawBytes("Saw", 0, 400),
        U32(11), U32(12), U32(13), U32(14), U32(15), U32(16), U32(17),
    });
    EXPECT_EQ(StoreDirect(spec), expected);

    CBeamLineSpecData loaded;
    fw::Archive ar(expected);
    loaded.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd());
    EXPECT_EQ(StoreDirect(loaded), expected);
    EXPECT_EQ(loaded.GetUnits().GetCount(), 4u);
    EXPECT_EQ(loaded.webFrames, 13u);

    ExpectTruncationsRejected(expected, [](fw::Archive& a) { CBeamLineSpecData().Serialize(a); });
}

TEST(MachineSpecData, SpecDataOfKindsWithoutFieldsIsItsUnitList)
{
    CSawShearSpecData spec;
    EXPECT_EQ(StoreDirect(spec), Word(0));
    CAngleLineSpecData angle;
    EXPECT_EQ(StoreDirect(angle), Cat({Word(0), U32(0), U32(1), U32(1), U32(1), U32(1), U32(0), U32(0)}));
}

TEST(MachineSpecData, RefusesListsThatAreNotUnits)
{
    auto load = [](fw::Archive& ar) { CDrillSpecData().Serialize(ar); };
    const Bytes fields = Cat({U32(1), U32(1), U32(1), U32(0), U32(0), U32(0), U32(0), U32(0)});
    // A class that is no unit, an unknown class, and an empty element.
    EXPECT_EQ(LoadError(Cat({Word(1), NewClass("CZone"), WholeDim(0, 'E'), WholeDim(0, 'E'), fields}), load),
              fw::ArchiveException::badClass);
    EXPECT_EQ(LoadError(Cat({Word(1), NewClass("CLaserUnit"), Head(9, "X", 0), fields}), load),
              fw::ArchiveException::badClass);
    EXPECT_EQ(LoadError(Cat({Word(1), Word(0), fields}), load), fw::ArchiveException::badValue);
    // A count larger than the data can hold.
    EXPECT_NE(LoadError(Cat({Word(0xFFFF), U32(0x10000000)}), load), fw::ArchiveException::none);
}
