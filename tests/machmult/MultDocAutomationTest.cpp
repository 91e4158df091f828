#include "MultTestSupport.h"

#include <limits>

using namespace multtest;

namespace {

class MultDocAutomationTest : public MultFixture {
protected:
    MultDocAutomationTest()
    {
        fw::ClassRegistry::Instance().Register(IMultDoc::kClassId, IMultDoc::kProgId, CMultDoc::CreateAutomationObject);
        PutPart("B1", 120);
        PutPart("B2", 60);
        PutPart("A1", 96, "L ", "4X4X0.5");
        PutPart("G1", 48, "W ", "12X26", "a36");
    }
    ~MultDocAutomationTest() override { fw::ClassRegistry::Instance().Unregister(IMultDoc::kClassId); }

    static std::unique_ptr<IMultDoc> Create()
    {
        return fw::ClassRegistry::Instance().CreateAs<IMultDoc>("varnex.multdoc");
    }
    static CMultDoc& Doc(IMultDoc& mult) { return dynamic_cast<CMultDoc&>(mult); }
    // M 1 of J1\G1: 40 feet of W 12X26, A36, on PUNCH1.
    static std::int32_t Convert(IMultDoc& mult, const std::string& shape = "W ", const std::string& size = "12X26",
                                const std::string& grade = "A36")
    {
        return mult.MultConvert("J1", "G1", "M", 1, 1, 480, 0.125, shape, size, grade, "PUNCH1", "", "", 0);
    }
};

} // namespace

TEST_F(MultDocAutomationTest, MultConvertSetsTheHeaderAndTheDrop)
{
    auto mult = fw::ClassRegistry::Instance().CreateAs<IMultDoc>(IMultDoc::kClassId);
    ASSERT_TRUE(mult);
    EXPECT_EQ(mult->MultConvert(" J1 ", "G1", "M ", 2, 3, 480, 0.125, "W ", "12X26", " A36", "PUNCH1", "R A ", "", 1),
              0);
    const CMultDoc& doc = Doc(*mult);
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 2.mlt");
    EXPECT_EQ(doc.Header().quantity, 3u);
    EXPECT_EQ(doc.Header().grade, "A36");
    EXPECT_EQ(doc.Header().remarkA, "R A");
    EXPECT_EQ(doc.Header().drop.GetValue(), 480.0);
    EXPECT_EQ(doc.Header().kerf.GetUnitLetter(), 'D');
    EXPECT_EQ(doc.GetShapeKind(), 0);
    EXPECT_EQ(doc.GetMachine()->GetKind(), 3);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* job, *mark;
        std::int16_t sequence, quantity;
        double length, kerf;
        std::int16_t system;
    };
    const Case refused[] = {
        {"J1", "", 1, 1, 480, 0, 0},       {"..", "M", 1, 1, 480, 0, 0},  {"J1", "A\\B", 1, 1, 480, 0, 0},
        {"J1", "M", -1, 1, 480, 0, 0},     {"J1", "M", 1, -1, 480, 0, 0}, {"J1", "M", 1, 1, -1, 0, 0},
        {"J1", "M", 1, 1, nan, 0, 0},      {"J1", "M", 1, 1, 480, nan, 0}, {"J1", "M", 1, 1, 480, 0, 3},
    };
    for (const Case& c : refused) {
        EXPECT_EQ(mult->MultConvert(c.job, "G1", c.mark, c.sequence, c.quantity, c.length, c.kerf, "L", "4X4X0.5", "",
                                    "PUNCH1", "", "", c.system),
                  1)
            << c.job << " " << c.mark;
        EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 2.mlt");
        EXPECT_EQ(doc.GetShapeKind(), 0);
    }
    EXPECT_TRUE(messages->Shown().empty());
}

// Sequence 0 is a mult's own number like any other: saved as "M 0.mlt" and read back with it.
TEST_F(MultDocAutomationTest, ASequenceZeroMultIsBuiltAndSaved)
{
    auto mult = Create();
    ASSERT_EQ(mult->MultConvert("J1", "G1", "M", 0, 1, 480, 0.125, "W ", "12X26", "A36", "PUNCH1", "", "", 0), 0);
    ASSERT_EQ(mult->AddPart("J1", "G1", "B1", 1), 0);
    EXPECT_EQ(mult->SaveMult(), 0);
    CMultDoc reread;
    ASSERT_TRUE(reread.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 0.mlt"));
    EXPECT_EQ(reread.Header().sequence, 0u);
    EXPECT_EQ(reread.GetParts().GetCount(), 1u);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocAutomationTest, AddPartAcceptsMatchingPartsOnly)
{
    struct Case {
        const char* shape, *size, *grade;   // the mult's filter fields
        const char* mark;                   // the part: B1 W 12X26 A36, A1 L 4X4X0.5 A36, G1 W 12X26 a36
        bool added;
    };
    const Case cases[] = {
        {"W ", "12X26", "A36", "B1", true},    {"W", " 12X26 ", "A36", "B1", true},
        {"L ", "12X26", "A36", "B1", false},   {"W ", "12X27", "A36", "B1", false},
        {"W ", "12X26", "A36", "G1", false},   {"W ", "12X26", "", "G1", true},
        {"", "", "", "A1", true},              {"", "", "A36", "A1", true},
        {"", "4X4X0.5", "", "B1", false},      {"", "", "", "NOPART", false},
        {"", "", "", "..", false},
    };
    for (const Case& c : cases) {
        auto mult = Create();
        CMultDoc& doc = Doc(*mult);
        doc.Header().shapeDesctp = c.shape;
        doc.Header().shapeDesc = c.size;
        doc.Header().grade = c.grade;
        doc.Header().drop.SetValue(480);
        EXPECT_EQ(mult->AddPart("J1", "G1", c.mark, 2), c.added ? 0 : 1) << c.mark << " " << c.shape << c.size;
        EXPECT_EQ(doc.GetParts().GetCount(), c.added ? 1u : 0u) << c.mark;
        if (!c.added) {
            EXPECT_EQ(doc.Header().drop.GetValue(), 480.0) << c.mark;
        }
    }
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocAutomationTest, AddPartTakesTheQuantityAddedOffTheDrop)
{
    auto mult = Create();
    ASSERT_EQ(Convert(*mult), 0);
    const CMultDoc& doc = Doc(*mult);
    ASSERT_EQ(mult->AddPart("J1", "G1", "B1", 2), 0);   // the file says 5 off; 2 are added
    ASSERT_EQ(mult->AddPart("J1", "G1", "B2", 1), 0);
    EXPECT_EQ(doc.Header().drop.GetValue(), 480.0 - 2 * 120 - 60);   // no kerf taken off
    const CMultPart& first = *Doc(*mult).GetParts().GetHead();
    EXPECT_EQ(first.GetHeader().mark, "B1");
    EXPECT_EQ(first.GetQuantity(), 2u);
    EXPECT_EQ(first.GetQuantityUsed(), 2u);
    EXPECT_EQ(first.GetListIndex(), 0);
    EXPECT_EQ(first.GetImageIndex(), 0);
    EXPECT_EQ(first.GetToolsFit(), 1);
    EXPECT_EQ(first.GetTools().GetCount(), 1u);
    EXPECT_EQ(first.GetPartPath(), "C:\\Kestrom\\Jobs\\J1\\G1\\B1.prt");
    EXPECT_EQ(Doc(*mult).GetParts().GetTail()->GetHeader().mark, "B2");

    ASSERT_EQ(mult->AddPart("J1", "G1", "B1", 3), 0);   // more than fits: the drop shows it
    EXPECT_EQ(doc.Header().drop.GetValue(), 480.0 - 5 * 120 - 60);
    EXPECT_EQ(mult->AddPart("J1", "G1", "B1", 0), 1);
    EXPECT_EQ(Doc(*mult).GetParts().GetCount(), 3u);
}

TEST_F(MultDocAutomationTest, ShapeOfAPartAndTheChecks)
{
    auto mult = Create();
    std::string shape = "old", size = "old";
    EXPECT_EQ(mult->GetShapeDescriptionFromMultPart("J1", "G1", "A1", shape, size), 0);
    EXPECT_EQ(shape, "L ");
    EXPECT_EQ(size, "4X4X0.5");
    shape = size = "old";

    PutFile(JobFile("J1/G1/BAD.prt"), {1, 'J'});
    struct Case {
        const char* job, *group, *mark;
        std::int32_t status;
    };
    const Case parts[] = {
        {"J1", "G1", "B1", 0}, {"j1", "g1", "b1", 0}, {"J1", "G1", "NOPART", 1},
        {"J1", "G1", "BAD", 1}, {"J1", "..", "B1", 1}, {"J1", "G1", "", 1},
    };
    for (const Case& c : parts) {
        SCOPED_TRACE(std::string(c.job) + "\\" + c.group + "\\" + c.mark);
        EXPECT_EQ(mult->CheckPart(c.job, c.group, c.mark), c.status);
        // A part that cannot be loaded gives two empty texts and still its failure status.
        shape = size = "old";
        EXPECT_EQ(mult->GetShapeDescriptionFromMultPart(c.job, c.group, c.mark, shape, size), c.status);
        EXPECT_EQ(shape.empty(), c.status != 0);
        EXPECT_EQ(size.empty(), c.status != 0);
        EXPECT_NE(shape, "old");
    }

    const CMultDoc& doc = Doc(*mult);
    EXPECT_EQ(mult->CheckMachine("NOSUCH"), 1);
    EXPECT_FALSE(doc.GetMachine());
    EXPECT_EQ(mult->CheckMachine("punch1"), 0);
    ASSERT_TRUE(doc.GetMachine());
    EXPECT_EQ(doc.GetMachine()->GetKind(), 3);
    const CMachine* held = doc.GetMachine();
    EXPECT_EQ(mult->CheckMachine("..\\Jobs\\X"), 1);
    EXPECT_EQ(doc.GetMachine(), held);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocAutomationTest, GetDescriptionReadsAMultFile)
{
    auto writer = Create();
    ASSERT_EQ(Convert(*writer, "L ", "4X4X0.5", ""), 0);
    ASSERT_EQ(writer->SaveMult(), 0);

    auto reader = Create();
    std::string path = "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt", shape = "old", size = "old";
    EXPECT_EQ(reader->GetDescription(path, shape, size), 0);
    EXPECT_EQ(path, "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt");
    EXPECT_EQ(shape, "L");
    EXPECT_EQ(size, "4X4X0.5");

    std::string missing = "C:\\Kestrom\\Jobs\\J1\\G1\\M 9.mlt";
    shape = size = "old";
    EXPECT_EQ(reader->GetDescription(missing, shape, size), 0);
    EXPECT_EQ(missing, "C:\\Kestrom\\Jobs\\J1\\G1\\M 9.mlt");
    EXPECT_EQ(shape, "old");
    EXPECT_EQ(size, "old");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocAutomationTest, SaveMultTakesTheNextFreeNameForEachNewMult)
{
    auto mult = Create();
    EXPECT_EQ(mult->SaveMult(), 1);   // nothing set: no shape
    ASSERT_EQ(Convert(*mult), 0);
    EXPECT_EQ(mult->SaveMult(), 0);
    EXPECT_EQ(mult->SaveMult(), 0);   // saved back to M 1
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")),
              (std::vector<std::string>{"A1.prt", "B1.prt", "B2.prt", "G1.prt", "M 1.mlt"}));
    ASSERT_EQ(Convert(*mult), 0);   // a new mult of the same header
    ASSERT_EQ(mult->AddPart("J1", "G1", "B1", 1), 0);
    EXPECT_EQ(mult->SaveMult(), 0);
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")),
              (std::vector<std::string>{"A1.prt", "B1.prt", "B2.prt", "G1.prt", "M 1.mlt", "M 2.mlt"}));

    CMultDoc reread;
    ASSERT_TRUE(reread.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 2.mlt"));
    EXPECT_EQ(reread.Header().sequence, 2u);
    EXPECT_EQ(reread.GetParts().GetCount(), 1u);
    EXPECT_EQ(reread.Header().drop.GetValue(), 360.0);

    auto noMachine = Create();
    ASSERT_EQ(noMachine->MultConvert("J1", "G1", "X", 1, 1, 480, 0, "W", "12X26", "", "NOSUCH", "", "", 0), 0);
    EXPECT_EQ(noMachine->SaveMult(), 1);
    EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/X 1.mlt")));
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocAutomationTest, ExtremeLengthsAndQuantitiesAreRefusedAndWhatSucceedsSavesAFileThatLoads)
{
    PutPart("L1", 1e6);
    PutPart("H1", 1e308);   // a file may hold any finite length
    struct Case {
        const char* name;
        double length, kerf;
        const char* mark;
        std::uint32_t quantity;
        std::int32_t converted, added;
    };
    const Case cases[] = {
        {"stock 2e6", 2e6, 0, nullptr, 0, 1, 0},
        {"stock 1e308", 1e308, 0, nullptr, 0, 1, 0},
        {"kerf 1e300", 480, 1e300, nullptr, 0, 1, 0},
        {"the largest stock", 1e6, 1e6, "L1", 2, 0, 0},                 // drop -1e6
        {"a drop beyond the range", 1e6, 0, "L1", 3, 0, 1},            // drop -2e6
        {"the largest quantity", 480, 0, "B1", 4294967295u, 0, 1},     // drop about -5e11
        {"a part 1e308 long twice", 480, 0, "H1", 2, 0, 1},            // drop -inf
    };
    int sequence = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto mult = Create();
        ++sequence;
        ASSERT_EQ(mult->MultConvert("J1", "G1", "M", std::int16_t(sequence), 1, c.length, c.kerf, "W ", "12X26", "A36",
                                    "PUNCH1", "", "", 0),
                  c.converted);
        if (c.converted != 0)
            continue;
        const double drop = Doc(*mult).Header().drop.GetValue();
        if (c.mark) {
            EXPECT_EQ(mult->AddPart("J1", "G1", c.mark, c.quantity), c.added);
        }
        if (c.added != 0) {
            EXPECT_EQ(Doc(*mult).Header().drop.GetValue(), drop);   // nothing changed
            EXPECT_EQ(Doc(*mult).GetParts().GetCount(), 0u);
        }
        ASSERT_EQ(mult->SaveMult(), 0);
        CMultDoc reread;
        EXPECT_TRUE(reread.LoadMult(Doc(*mult).GetPathName()));
    }
    EXPECT_TRUE(messages->Shown().empty());
}
