#include "model/ModelClasses.h"
#include "model/PartTool.h"
#include "model/ZoneTool.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

using namespace modeltest;

TEST(PartTool, TypeCodeGivesKindAndClass)
{
    const struct {
        const char* code;
        const char* stored;
        int kind;
        const char* className;
    } cases[] = {
        {"SQ", "SQ", 1, "CPartToolSQ"}, {"RT", "RT", 1, "CPartToolSQ"}, {"rt", "RT", 1, "CPartToolSQ"},
        {"ER", "ER", 2, "CPartToolER"}, {"SL", "SL", 2, "CPartToolER"}, {"VE", "VE", 2, "CPartToolER"},
        {"he", "HE", 2, "CPartToolER"}, {"CR", "CR", 3, "CPartToolCR"}, {"HX", "HX", 4, "CPartToolHX"},
        {"HC", "HC", 5, "CPartToolHC"}, {"VC", "VC", 6, "CPartToolVC"}, {"RD", "RD", 0, "CPartToolRD"},
        {"OV", "OV", 0, "CPartToolRD"}, {"", "", 0, "CPartToolRD"},     {"Sq", "SQ", 1, "CPartToolSQ"},
    };
    for (const auto& c : cases) {
        const CPartTool tool(1.0, 0.0, c.code, 0);
        EXPECT_EQ(tool.GetType(), c.stored) << c.code;
        EXPECT_EQ(tool.GetKind(), c.kind) << c.code;
        const auto copy = CPartTool::CopyOfKind(tool);
        EXPECT_STREQ(copy->GetRuntimeClass()->className, c.className) << c.code;
        EXPECT_EQ(copy->GetKind(), c.kind) << c.code;
        EXPECT_EQ(copy->GetType(), c.stored) << c.code;
    }
    EXPECT_EQ(CPartToolVC().GetKind(), 6);
    EXPECT_EQ(CPartToolVC().GetType(), "");
    EXPECT_EQ(CZoneTool().GetKind(), -1);
    EXPECT_STREQ(CPartTool::CreateOfKind(-1)->GetRuntimeClass()->className, "CPartToolRD");
    EXPECT_STREQ(CPartTool::CreateOfKind(7)->GetRuntimeClass()->className, "CPartToolRD");
}

TEST(PartTool, ShortNameAndDescription)
{
    const struct {
        double a, b;
        const char* code;
        int orientation, system;
        const char* shortName;
        const char* description;
    } cases[] = {
        {13.0 / 16, 0, "RD", 0, 0, "13_16RD", "13/16 RD"},
        {13.0 / 16, 0, "rd", 45, 0, "13_16RD45", "13/16 RD45"},
        {0, 0, "RD", 0, 0, "RD", " RD"},
        {0, 0, "RD", 45, 0, "RD45", " RD45"},
        {1.5, 0, "RD", 0, 0, "1-1_2RD", "1\"1/2 RD"},
        {0.5, 1, "SL", 0, 0, "1_2X1-SL", "1/2 X 1\" SL"},
        {0, 1, "SL", 0, 0, "1-SL", "1\" SL"},              // no 'X' without size A
        {14, 0, "SQ", -90, 0, "12-SQ-90", "1'2\" SQ-90"},   // no '-' for the foot mark
        {12, 0, "SQ", 0, 0, "1SQ", "1' SQ"},
        {0.8125, 0, "RD", 0, 1, "0.8125in.RD", "0.8125 in. RD"},
        {0.8125, 0.5, "SL", 90, 1, "0.8125in.X0.5in.SL90", "0.8125 in. X 0.5 in. SL90"},
        {0.8125, 0, "RD", 0, 2, "20.64mmRD", "20.64 mm RD"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shortName);
        const CPartTool tool(c.a, c.b, c.code, c.orientation, c.system);
        EXPECT_EQ(tool.GetShortName(), c.shortName);
        EXPECT_EQ(tool.GetDescription(), c.description);
        EXPECT_EQ(tool.GetToolRecord().GetShortName(), c.shortName);
        EXPECT_EQ(tool.GetSizeA().GetUnitLetter(), 'E');
    }
}

TEST(PartTool, MeasuringSystemDefaultsToImperial)
{
    const CPartTool tool(0.5, 0, "RD", 0);
    EXPECT_EQ(tool.GetMeasuringSystem(), 0);
    EXPECT_EQ(tool.GetMachineUnits(), 1);
    EXPECT_EQ(CPartToolRD().GetMeasuringSystem(), 0);
    const struct {
        int system, units;
    } cases[] = {{0, 1}, {1, 3}, {2, 2}, {3, 0}, {-1, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(CPartTool(0.5, 0, "RD", 0, c.system).GetMachineUnits(), c.units) << c.system;
}

TEST(PartTool, EqualityComparesSizesCodeAndOrientation)
{
    const CPartTool tool(0.5, 1.0, "SL", 90, 0);
    EXPECT_TRUE(tool.IsEqual(CPartTool(0.5, 1.0, "sl", 90, 2)));   // system and short name do not count
    EXPECT_FALSE(tool.IsEqual(CPartTool(0.5000001, 1.0, "SL", 90)));
    EXPECT_FALSE(tool.IsEqual(CPartTool(0.5, 1.5, "SL", 90)));
    EXPECT_FALSE(tool.IsEqual(CPartTool(0.5, 1.0, "ER", 90)));
    EXPECT_FALSE(tool.IsEqual(CPartTool(0.5, 1.0, "SL", 0)));
}

TEST(PartTool, CopyFromTakesDataButNotKindOrFlags)
{
    CPartTool source(0.5, 1.0, "SL", 90, 2);
    source.SetOrientationFlag(1);
    CPartToolHC target;
    target.CopyFrom(source);
    EXPECT_TRUE(target.IsEqual(source));
    EXPECT_EQ(target.GetMeasuringSystem(), 2);
    EXPECT_EQ(target.GetShortName(), source.GetShortName());
    EXPECT_EQ(target.GetKind(), CPartTool::kindHC);
    EXPECT_FALSE(target.AnyOrientationFlag());
}

TEST(ZoneTool, CopiesAndCompares)
{
    const CPartTool tool(13.0 / 16, 0, "RD", 0);
    CZoneTool a;
    a.CopyFrom(tool);
    a.SetZoneCode(19);
    a.GetZone().SetRange(1, 2.5);

    CZoneTool copy;
    copy.CopyFrom(a);
    EXPECT_EQ(copy.GetZoneCode(), 19);
    EXPECT_TRUE(copy.GetZone().IsEqual(CZone(1, 2.5)));
    EXPECT_EQ(copy.GetShortName(), "13_16RD");

    CZoneTool plain;
    plain.CopyFrom(static_cast<const CPartTool&>(a));   // as a plain tool: no zone, no code
    EXPECT_EQ(plain.GetZoneCode(), 0);
    EXPECT_TRUE(plain.GetZone().IsEqual(CZone()));
    EXPECT_EQ(tool.GetZoneCode(), 0);

    const auto variant = [&](int code, double low, double high, double size) {
        CZoneTool t;
        t.CopyFrom(CPartTool(size, 0, "RD", 0));
        t.SetZoneCode(code);
        t.GetZone().SetRange(low, high);
        return t;
    };
    EXPECT_TRUE(a.IsEqual(variant(19, 5, 6, 13.0 / 16)));    // same code, any zone
    EXPECT_TRUE(a.IsEqual(variant(17, 2.5, 1, 13.0 / 16)));   // other code, equal zone
    EXPECT_TRUE(a.Differs(variant(17, 1, 3, 13.0 / 16)));
    EXPECT_TRUE(a.Differs(variant(19, 1, 2.5, 0.5)));         // other tool
}

namespace {

const Bytes kSquareToolForm = Cat({Dim(k1), Dim(k0_5), Str("SQ"), Le32(90), Str("1-X1_2SQ90")});
const Bytes kZoneToolForm =
    Cat({Dim(k0_8125), Dim(k0), Str("RD"), Le32(0), Str("13_16RD"), Le32(19), Dim(k1), Dim(k2_5)});

} // namespace

TEST(PartTool, GoldenArchiveOfAKindClass)
{
    RegisterModelClasses();
    const auto tool = CPartTool::CopyOfKind(CPartTool(1.0, 0.5, "sq", 90));
    fw::Archive out;
    out.WriteObject(tool.get());
    EXPECT_EQ(out.Bytes(), Cat({NewClass("CPartToolSQ"), kSquareToolForm}));

    fw::Archive in(out.TakeBytes());
    const auto loaded = in.ReadObject<CPartTool>();
    EXPECT_TRUE(in.AtEnd());
    EXPECT_STREQ(loaded->GetRuntimeClass()->className, "CPartToolSQ");
    EXPECT_TRUE(loaded->IsEqual(*tool));
    EXPECT_EQ(loaded->GetShortName(), "1-X1_2SQ90");
    ExpectTruncationsRejected(Cat({NewClass("CPartToolSQ"), kSquareToolForm}),
                              [](fw::Archive& ar) { ar.ReadObject<CPartTool>(); });
}

TEST(ZoneTool, GoldenArchive)
{
    RegisterModelClasses();
    CZoneTool tool;
    tool.CopyFrom(CPartTool(13.0 / 16, 0, "RD", 0));
    tool.SetZoneCode(19);
    tool.GetZone().SetRange(2.5, 1);
    fw::Archive out;
    out.WriteObject(&tool);
    EXPECT_EQ(out.Bytes(), Cat({NewClass("CZoneTool"), kZoneToolForm}));

    fw::Archive in(out.TakeBytes());
    const auto loaded = in.ReadObject<CPartTool>();
    const auto* zoneTool = dynamic_cast<const CZoneTool*>(loaded.get());
    ASSERT_NE(zoneTool, nullptr);
    EXPECT_EQ(zoneTool->GetZoneCode(), 19);
    EXPECT_TRUE(zoneTool->GetZone().IsEqual(CZone(1, 2.5)));
    EXPECT_EQ(zoneTool->GetShortName(), "13_16RD");
    ExpectTruncationsRejected(kZoneToolForm, [](fw::Archive& ar) { CZoneTool().Serialize(ar); });
}

TEST(PartTool, ArchiveRejectsCorruptedInput)
{
    RegisterModelClasses();
    const auto load = [](fw::Archive& ar) { ar.ReadObject<CPartTool>(); };
    // A length that is not a number, and a string that runs past the end.
    EXPECT_EQ(LoadError(Cat({NewClass("CPartToolSQ"), Dim(kNaN), Dim(k0), Str("SQ"), Le32(0), Str("")}), load),
              fw::ArchiveException::badValue);
    EXPECT_EQ(LoadError(Cat({NewClass("CPartToolSQ"), Dim(k1), Dim(k0), {0x09, 'S', 'Q'}}), load),
              fw::ArchiveException::endOfFile);
    // A class that is not a tool, and one of another schema.
    EXPECT_EQ(LoadError(Cat({NewClass("CZone"), Dim(k1), Dim(k2)}), load), fw::ArchiveException::badClass);
    Bytes otherSchema = Cat({NewClass("CPartToolSQ"), kSquareToolForm});
    otherSchema[2] = 2;
    EXPECT_EQ(LoadError(otherSchema, load), fw::ArchiveException::badSchema);
}
