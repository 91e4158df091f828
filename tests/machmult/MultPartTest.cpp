#include "machmult/MultClasses.h"
#include "machmult/MultPart.h"

#include "model/ModelClasses.h"
#include "tests/machmult/MultTestSupport.h"
#include "tests/model/ModelTestSupport.h"

#include <gtest/gtest.h>

using namespace modeltest;
using multtest::ToolNames;

namespace {

// Tool fields: size A, size B, type, orientation, short name; then the code and the zone.
Bytes ZoneToolFields(std::uint64_t sizeA, const std::string& type, const std::string& name, std::int32_t code,
                     std::uint64_t zoneHigh)
{
    return Cat({Dim(sizeA), Dim(k0), Str(type), Le32(0), Str(name), Le32(std::uint32_t(code)), Dim(k0), Dim(zoneHigh)});
}

// Part B12 of J1\G1: 2 off, 20 feet of W 12X26, at 30" on the mult, two tools; as stored in
// schema 2 (class 1, object 2, tool class 3, tools 4 and 5).
const Bytes kB12 = Cat({
    Word(0xFFFF), Word(2), Word(9), {'C', 'M', 'u', 'l', 't', 'P', 'a', 'r', 't'},
    Str("J1"), Str("G1"), Str("B12"), Le32(2), Dim(k240),
    Str("W "), Str("12X26"), Str("A36"), Str("F1"), Le32(1), Str("R1"), Str(""),
    Le32('I'), Le32('F'), Le32(1), Dim(k30),
    Word(2), NewClass("CZoneTool"), ZoneToolFields(k0_8125, "RD", "RD13", 34, k2),
    Word(0x8003), ZoneToolFields(k1, "SQ", "SQ1", 17, k12),
    Str("C:\\J1\\G1\\B12.prt"), Le32(3),
});

void AddTool(CMultPart& part, double size, const std::string& type, const std::string& name, int code, double high)
{
    CPartTool tool(size, 0, type, 0);
    tool.SetShortName(name);
    ASSERT_TRUE(part.GetTools().AddZoneTool(tool, code, 0, high));
}

std::unique_ptr<CMultPart> B12()
{
    auto part = std::make_unique<CMultPart>();
    PartRecord& h = part->GetHeader();
    h.jobId = "J1";
    h.group = "G1";
    h.mark = "B12";
    h.quantity = 2;
    h.length = 240.0;
    h.shapeDesctp = "W ";
    h.shapeDesc = "12X26";
    h.grade = "A36";
    h.fabCode = "F1";
    h.measureWebDepth = 1;
    h.remarkA = "R1";
    part->SetQuantityUsed(1);
    part->SetQuantityFit(3);
    part->GetPartOffset() = 30.0;
    AddTool(*part, 0.8125, "RD", "RD13", 34, 2);
    AddTool(*part, 1.0, "SQ", "SQ1", 17, 12);
    part->SetPartPath("C:\\J1\\G1\\B12.prt");
    return part;
}

std::unique_ptr<CMultPart> Load(const Bytes& bytes)
{
    fw::Archive ar(bytes);
    auto part = ar.ReadObject<CMultPart>();
    EXPECT_TRUE(ar.AtEnd());
    return part;
}

class MultPartTest : public testing::Test {
protected:
    MultPartTest()
    {
        RegisterModelClasses();
        RegisterMultClasses();
    }
};

TEST_F(MultPartTest, ConstructedWithItsDefaults)
{
    const CMultPart part;
    EXPECT_EQ(part.GetCodeLetter1(), 'I');
    EXPECT_EQ(part.GetCodeLetter2(), 'F');
    EXPECT_EQ(part.GetQuantityUsed(), 0u);
    EXPECT_EQ(part.GetQuantityFit(), 0u);
    EXPECT_EQ(part.GetPartOffset().GetValue(), 0.0);
    EXPECT_EQ(part.GetListIndex(), -1);
    EXPECT_EQ(part.GetImageIndex(), -1);
    EXPECT_EQ(part.GetToolsFit(), 0);
    EXPECT_TRUE(part.GetTools().IsEmpty());
}

TEST_F(MultPartTest, StoresSchemaTwoWithItsToolsTagged)
{
    const auto part = B12();
    fw::Archive ar;
    ar.WriteObject(part.get());
    EXPECT_EQ(ar.Bytes(), kB12);
}

TEST_F(MultPartTest, LoadsEveryStoredField)
{
    const auto part = Load(kB12);
    ASSERT_TRUE(part);
    const PartRecord& h = part->GetHeader();
    EXPECT_EQ(part->GetKeyText(), "J1\\G1\\B12");
    EXPECT_EQ(h.quantity, 2u);
    EXPECT_EQ(h.length.GetValue(), 240.0);
    EXPECT_EQ(h.shapeDesctp + h.shapeDesc + h.grade + h.fabCode + h.remarkA + h.remarkB, "W 12X26A36F1R1");
    EXPECT_EQ(h.measureWebDepth, 1);
    EXPECT_EQ(part->GetQuantityUsed(), 1u);
    EXPECT_EQ(part->GetQuantityFit(), 3u);
    EXPECT_EQ(part->GetPartOffset().GetValue(), 30.0);
    EXPECT_EQ(ToolNames(*part), (std::vector<std::string>{"RD13/34", "SQ1/17"}));
    EXPECT_EQ(part->GetPartPath(), "C:\\J1\\G1\\B12.prt");
    // Not stored: they keep their defaults.
    EXPECT_EQ(part->GetListIndex(), -1);
    EXPECT_EQ(part->GetToolsFit(), 0);

    fw::Archive again;
    again.WriteObject(part.get());
    EXPECT_EQ(again.Bytes(), kB12);
}

TEST_F(MultPartTest, SchemaOneObjectLoadsWithoutQuantityFit)
{
    Bytes schema1 = kB12;
    schema1[2] = 1;
    schema1.resize(schema1.size() - 4);
    const auto part = Load(schema1);
    ASSERT_TRUE(part);
    EXPECT_EQ(part->GetQuantityFit(), 0u);
    EXPECT_EQ(part->GetPartPath(), "C:\\J1\\G1\\B12.prt");

    fw::Archive again;
    again.WriteObject(part.get());
    Bytes expected = kB12;
    std::fill(expected.end() - 4, expected.end(), 0);
    EXPECT_EQ(again.Bytes(), expected);
}

TEST_F(MultPartTest, NewerSchemaAndTruncationsAreRefused)
{
    const auto load = [](fw::Archive& ar) { ar.ReadObject<CMultPart>(); };
    Bytes schema3 = kB12;
    schema3[2] = 3;
    EXPECT_EQ(LoadError(schema3, load), fw::ArchiveException::badSchema);
    ExpectTruncationsRejected(kB12, load);
}

TEST_F(MultPartTest, CopyFromCopiesEverythingAndEveryTool)
{
    const auto source = B12();
    source->SetCodeLetters('A', 'B');
    source->SetListIndex(4);
    source->SetImageIndex(5);
    source->SetToolsFit(1);
    CMultPart copy;
    AddTool(copy, 0.5, "RD", "OLD", 16, 1);
    copy.CopyFrom(*source);

    fw::Archive a, b;
    a.WriteObject(source.get());
    b.WriteObject(&copy);
    EXPECT_EQ(a.Bytes(), b.Bytes());
    EXPECT_EQ(copy.GetListIndex(), 4);
    EXPECT_EQ(copy.GetImageIndex(), 5);
    EXPECT_EQ(copy.GetToolsFit(), 1);
    EXPECT_EQ(ToolNames(copy), ToolNames(*source));
    EXPECT_NE(&*copy.GetTools().begin(), &*source->GetTools().begin());
}

TEST_F(MultPartTest, SamePartIgnoresCaseOfJobGroupAndMark)
{
    const struct {
        const char* job;
        const char* group;
        const char* mark;
        bool same;
    } cases[] = {
        {"J1", "G1", "B12", true}, {"j1", "g1", "b12", true}, {"J2", "G1", "B12", false},
        {"J1", "G2", "B12", false}, {"J1", "G1", "B1", false},
    };
    const auto part = B12();
    for (const auto& c : cases) {
        CMultPart other;
        other.GetHeader().jobId = c.job;
        other.GetHeader().group = c.group;
        other.GetHeader().mark = c.mark;
        EXPECT_EQ(part->IsSamePart(other), c.same) << c.job << "\\" << c.group << "\\" << c.mark;
        EXPECT_EQ(other.IsSamePart(*part), c.same);
    }
}

} // namespace
