#include "machmult/MultClasses.h"
#include "machmult/MultShape.h"

#include "model/ModelClasses.h"
#include "tests/model/ModelTestSupport.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace {

// D 12, BF 4.
ShapeRecord Section()
{
    ShapeRecord record;
    record.desctp = "W ";
    record.desc = "12X26";
    record.depth = 12.0;
    record.flangeWidth = 4.0;
    return record;
}

using Ranges = std::vector<std::pair<double, double>>;

Ranges ZonesOf(const CMultShape& shape)
{
    Ranges ranges;
    for (int i = 0; i < CMultShape::zoneCount; ++i) {
        const CZone& zone = shape.GetZone(CMultShape::ZoneIndex(i));
        ranges.emplace_back(zone.GetLow().GetValue(), zone.GetHigh().GetValue());
    }
    return ranges;
}

std::vector<std::uint32_t> FaceCodes(const CMultShape& shape)
{
    std::vector<std::uint32_t> codes;
    for (const CSurface* s = shape.GetFirstSurface(); s; s = shape.GetNextSurface(s))
        codes.push_back(s->GetFaceCode());
    return codes;
}

struct ShapeProfile {
    int kind;
    const fw::RuntimeClass* cls;
    std::vector<std::uint32_t> faces;
    // Top flange near, far; bottom flange near, far; web, second; second web, second.
    Ranges zones;
};

const std::pair<double, double> o{0, 0}, n{0, 2}, f{2, 4}, b{0, 4}, d{0, 12};

const ShapeProfile kProfiles[] = {
    {0, &CBeamMultShape::classObject, {16, 32, 48}, {n, f, n, f, d, o, o, o}},
    {1, &CChannelMultShape::classObject, {16, 32, 48}, {b, o, b, o, d, o, o, o}},
    {2, &CAngleMultShape::classObject, {16, 32}, {b, o, o, o, d, o, o, o}},
    {3, &CFlatMultShape::classObject, {16}, {o, o, o, o, d, o, o, o}},
    {4, &CPlateMultShape::classObject, {16}, {o, o, o, o, d, o, o, o}},
    {5, &CTMultShape::classObject, {16, 32}, {n, f, o, o, d, o, o, o}},
    {6, &CTubeMultShape::classObject, {16, 32, 48, 64}, {b, o, b, o, d, o, d, o}},
    {-1, &CMultShape::classObject, {}, {n, f, n, f, d, o, d, o}},
    {7, &CMultShape::classObject, {}, {n, f, n, f, d, o, d, o}},
};

class MultShapeTest : public testing::Test {
protected:
    MultShapeTest()
    {
        RegisterModelClasses();
        RegisterMultClasses();
    }
};

TEST_F(MultShapeTest, EachKindMakesItsProfileWithItsSurfacesAndZones)
{
    for (const ShapeProfile& p : kProfiles) {
        const auto shape = CMultShape::Create(p.kind);
        EXPECT_EQ(shape->GetRuntimeClass(), p.cls) << p.kind;
        EXPECT_EQ(FaceCodes(*shape), p.faces) << p.kind;
        shape->SetShapeRecord(Section());
        EXPECT_EQ(ZonesOf(*shape), p.zones) << p.kind;
        EXPECT_EQ(shape->GetShapeRecord().desc, "12X26");
    }
}

TEST_F(MultShapeTest, NextSurfaceOfASurfaceNotItsOwnIsNone)
{
    const auto tube = CMultShape::Create(shapeTube);
    const auto beam = CMultShape::Create(shapeBeam);
    EXPECT_EQ(tube->GetNextSurface(beam->GetFirstSurface()), nullptr);
    EXPECT_EQ(tube->GetNextSurface(nullptr), nullptr);
}

TEST_F(MultShapeTest, CloneIsAPlainShapeWithCopiesOfRecordToolsAndZones)
{
    const auto angle = CMultShape::Create(shapeAngle);
    angle->SetShapeRecord(Section());
    ASSERT_TRUE(angle->GetTools().AddZoneTool(CPartTool(0.8125, 0, "RD", 0), 34, 0, 4));

    const auto clone = angle->Clone();
    EXPECT_EQ(clone->GetRuntimeClass(), &CMultShape::classObject);
    EXPECT_EQ(clone->GetFirstSurface(), nullptr);
    EXPECT_EQ(ZonesOf(*clone), ZonesOf(*angle));
    EXPECT_EQ(clone->GetShapeRecord().flangeWidth.GetValue(), 4.0);
    ASSERT_EQ(clone->GetTools().GetCount(), 1u);
    EXPECT_NE(clone->GetTools().GetHead(), angle->GetTools().GetHead());
    EXPECT_EQ(clone->GetTools().GetHead()->GetZoneCode(), 34);
}

TEST_F(MultShapeTest, ArchivesOnlyItsToolList)
{
    const Bytes tools = Cat({
        {0x01, 0x00}, NewClass("CZoneTool"), Dim(k0_8125), Dim(k0), Str("RD"), Le32(0), Str("RD13"), Le32(34),
        Dim(k0), Dim(k4),
    });
    const auto beam = CMultShape::Create(shapeBeam);
    beam->SetShapeRecord(Section());
    CPartTool round(0.8125, 0, "RD", 0);
    round.SetShortName("RD13");
    ASSERT_TRUE(beam->GetTools().AddZoneTool(round, 34, 0, 4));
    EXPECT_EQ(StoreDirect(*beam), tools);

    CMultShape loaded;
    ASSERT_TRUE(loaded.GetTools().AddZoneTool(CPartTool(1, 0, "SQ", 0), 17, 0, 1));
    LoadDirect(loaded, tools);
    ASSERT_EQ(loaded.GetTools().GetCount(), 1u);
    EXPECT_EQ(loaded.GetTools().GetHead()->GetShortName(), "RD13");
    ExpectTruncationsRejected(tools, [](fw::Archive& ar) { CMultShape().Serialize(ar); });
}

} // namespace
