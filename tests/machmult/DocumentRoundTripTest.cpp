// Whatever loads can be saved, and the saved file loads and saves again to the same bytes: the
// golden files of every document kind, and every structured mutation of them (each double set to
// NaN, infinities and the largest magnitudes, each WORD and DWORD to its boundary values).

#include "tests/machmult/MultTestSupport.h"
#include "tests/machmult/fuzz/DocumentsFuzz.h"
#include "tests/model/MachineTestSupport.h"

#include "machmult/MachineDoc.h"
#include "model/MachineSpecData.h"
#include "model/ShapeDoc.h"
#include "model/ToolDoc.h"

#include "lenbox/LenboxModel.h"
#include "lenbox/PropertyStream.h"

#include "fw/core/Archive.h"
#include "fw/core/Number.h"

#include <cstring>
#include <limits>

using namespace multtest;
using roundtrip::Kind;

namespace {

template <class Document> Bytes Store(Document& doc)
{
    fw::Archive ar;
    doc.Serialize(ar);
    return ar.TakeBytes();
}

template <class Value> Bytes With(Bytes bytes, std::size_t offset, Value value)
{
    std::memcpy(bytes.data() + offset, &value, sizeof value);   // little-endian, as the archive
    return bytes;
}

struct Mutation {
    Bytes bytes;
    std::string what;
};

// Every typed value written at every offset it fits.
std::vector<Mutation> Mutations(const Bytes& golden)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double doubles[] = {std::numeric_limits<double>::quiet_NaN(), inf, -inf, 1e308, -1e308};
    const std::uint16_t words[] = {0, 1, 0x7FFF, 0x8000, 0xFFFE, 0xFFFF};
    const std::uint32_t dwords[] = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
    std::vector<Mutation> mutations;
    for (std::size_t offset = 0; offset < golden.size(); ++offset) {
        const std::string at = " at " + std::to_string(offset);
        if (offset + sizeof(double) <= golden.size())
            for (const double d : doubles)
                mutations.push_back({With(golden, offset, d), "double " + fw::FormatGeneral(d) + at});
        if (offset + sizeof(std::uint32_t) <= golden.size())
            for (const std::uint32_t d : dwords)
                mutations.push_back({With(golden, offset, d), "DWORD " + std::to_string(d) + at});
        if (offset + sizeof(std::uint16_t) <= golden.size())
            for (const std::uint16_t w : words)
                mutations.push_back({With(golden, offset, w), "WORD " + std::to_string(w) + at});
    }
    return mutations;
}

class DocumentRoundTripTest : public MultFixture, public testing::WithParamInterface<Kind> {
protected:
    // Part B1 of J1\G1 on W 12X26: holes from a level plane, a layout from a sloped plane with
    // elements on both sides, one from a vertical plane, and a stencil mark.
    Bytes PartFile()
    {
        CPartDoc part;
        PartRecord& h = part.Header();
        h.jobId = "J1";
        h.group = "G1";
        h.mark = "B1";
        h.quantity = 2;
        h.length = 240.0;
        h.grade = "A36";
        EXPECT_TRUE(part.BuildShape("W ", "12X26"));
        h.shapeDesctp = "W ";
        h.shapeDesc = "12X26";
        CPartShape& shape = *part.GetPartShape();
        const CPartTool tool(13.0 / 16, 0, "RD", 0);
        const auto add = [&](CPatternList& face, int operation, const CRefPlane& plane) {
            auto pattern = std::make_unique<CPattern>(2.0, 1.5, 3, 4.0, 2, 1.0, operation, &plane, &tool, 1);
            EXPECT_TRUE(part.AddPattern(pattern, face));
        };
        CRefPlane level, sloped, vertical;
        level.Set(10, 0, '+', '+', 0, 0, 'A');
        sloped.Set(20, 3, '-', '+', 1, 2, 'C');
        vertical.Set(30, 1, '+', '-', 1, 0, 'C');
        add(shape.GetWebList(), CPattern::hole, level);
        add(shape.GetTopFlangeList(), CPattern::frontLayout, sloped);
        add(shape.GetBottomFlangeList(), CPattern::backLayout, vertical);
        auto mark = std::make_unique<CStencilPattern>(10, 2, "AB", 0);
        EXPECT_TRUE(part.AddStencil(mark));
        return Store(part);
    }

    // Mult M of J1\G1 on W 12X26 and PUNCH1 holding 2 of part B1.
    Bytes MultFile()
    {
        PutPart("B1", 120);
        CMultDoc mult;
        MakeMult(mult);
        EXPECT_EQ(mult.AddPart("J1", "G1", "B1", 2), 0);
        return Store(mult);
    }

    static Bytes ShapeFileOfDoc()
    {
        CShapeDoc shape;
        shape.SetShapeData("W ", "12X26", 12, 0.5, 4, 1, 2, 26, "W12 X 26", shapeBeam, 1);
        return Store(shape);
    }

    static Bytes ToolFile()
    {
        CToolDoc tool;
        tool.SetToolData(13.0 / 16, 0.25, "OB", 45, 1);
        return Store(tool);
    }

    // A drill line with units of every kind that keeps lengths and axes.
    static Bytes MachineFile()
    {
        using namespace machinetest;
        CMachineDoc doc;
        MachineRecord r;
        r.name = "DRILL1";
        r.kind = machineDrillLine;
        r.defaultKerf = Length(0.125, 1);
        r.minimumStock = Length(120, 0);
        r.maximumStock = Length(720, 2);
        r.minimumDrop = Length(6, 0);
        r.trimLength = Length(0.5, 1);
        doc.SetMachineData(r);
        CUnitList& units = doc.GetSpecData()->GetUnits();
        units.AddTail(BeamLength("Length", unitFaceLength, 100));
        units.AddTail(Drill("Web", unitFaceWeb, 200, 3));
        units.AddTail(FlangeFrame("Top Flange", unitFaceTopFlange, 300, 2, 1));
        units.AddTail(Gag("Web", unitFaceWeb, 400, 2, 0));
        units.AddTail(Shear("Cut", 0, 500));
        units.AddTail(Torch("Torch", 0, 600));
        units.AddTail(Saw("Saw", 0, 700));
        units.AddTail(Stencil("Stencil", 0, 800, 1, 0));
        return Store(doc);
    }

    static Bytes LenboxStream()
    {
        lenbox::LenboxModel model;
        model.SetMinInches(-12);
        model.SetMaxInches(480);
        model.SetInitialValue(40.5);
        fw::Archive ar;
        lenbox::WriteProperties(ar, model.GetProperties());
        return ar.TakeBytes();
    }

    Bytes Golden(Kind kind)
    {
        switch (kind) {
        case Kind::part: return PartFile();
        case Kind::mult: return MultFile();
        case Kind::shape: return ShapeFileOfDoc();
        case Kind::tool: return ToolFile();
        case Kind::machine: return MachineFile();
        case Kind::lenboxStream: return LenboxStream();
        }
        return {};
    }
};

} // namespace

TEST_P(DocumentRoundTripTest, GoldenFileLoadsAndSavesToItsOwnBytes)
{
    const Bytes golden = Golden(GetParam());
    EXPECT_EQ(roundtrip::LoadAndSave(GetParam(), golden), golden);
}

TEST_P(DocumentRoundTripTest, EveryMutationThatLoadsSavesAFileThatLoadsToTheSameBytes)
{
    int loaded = 0, faults = 0;
    for (const Mutation& mutation : Mutations(Golden(GetParam()))) {
        const roundtrip::Outcome outcome = roundtrip::RoundTrip(GetParam(), mutation.bytes);
        loaded += outcome.loaded;
        if (!outcome.fault.empty() && ++faults <= 5)
            ADD_FAILURE() << outcome.fault << ": " << mutation.what;
    }
    EXPECT_EQ(faults, 0);
    EXPECT_GT(loaded, 0);   // the mutations reach past the first field
    EXPECT_TRUE(messages->Shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, DocumentRoundTripTest, testing::ValuesIn(roundtrip::kKinds),
                         [](const testing::TestParamInfo<Kind>& info) {
                             std::string name = roundtrip::KindName(info.param);
                             std::erase(name, ' ');
                             return name;
                         });
