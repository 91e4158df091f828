// Mults through a legacy shop disk on a temporary drive: two mults sharing a part are written
// with their parts, converted back into an empty job and compared with what was written.

#include "shopdisk/MultDosDisk.h"
#include "shopdisk/PartDosDisk.h"

#include "tests/machmult/MultTestSupport.h"

#include <filesystem>

namespace {

using multtest::Bytes;

class MultDosDiskTest : public multtest::MultFixture {
protected:
    // Mult M of sequence `sequence` holding the parts, two of each.
    void PutMult(std::uint32_t sequence, const std::vector<std::string>& marks)
    {
        CMultDoc mult;
        MakeMult(mult);
        MultRecord data = mult.GetMultData();
        data.sequence = sequence;
        ASSERT_TRUE(mult.SetMultData(data));
        for (const std::string& mark : marks)
            ASSERT_EQ(mult.AddPart("J1", "G1", mark, 2), 0);
        ASSERT_TRUE(mult.SaveDocument());
    }
    // A mult file's header and parts as text: job, group, mark, sequence, quantity, lengths,
    // shape, machine, remarks; per part its key, quantity, length, offset, code letters and tools.
    std::string Fields(const Bytes& file) const
    {
        PutFile(JobFile("J1/G1/X 1.mlt"), file);
        CMultDoc mult;
        EXPECT_TRUE(mult.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\X 1.mlt"));
        const MultRecord& h = mult.Header();
        std::string text = h.job + "|" + h.group + "|" + h.mark + "|" + std::to_string(h.sequence) + "|" +
                           std::to_string(h.quantity) + "|" + h.length.GetText() + "|" + h.kerf.GetText() + "|" +
                           h.shapeDesctp + h.shapeDesc + "|" + h.grade + "|" + h.machine + "|" + h.remarkA + "|" +
                           h.remarkB + "|" + std::to_string(h.measuringSystem);
        for (const CMultPart& part : mult.GetParts())
            text += "\n" + part.GetKeyText() + " " + std::to_string(part.GetQuantity()) + " " +
                    part.GetLength().GetText() + " " + part.GetPartOffset().GetText() + " " +
                    char(part.GetCodeLetter1()) + char(part.GetCodeLetter2()) + " " +
                    std::to_string(part.GetTools().GetCount());
        std::filesystem::remove(JobFile("J1/G1/X 1.mlt"));
        return text;
    }
    Bytes File(const std::string& name) const { return FileBytes(JobFile("J1/G1/" + name)); }
    std::size_t Records(const char* file, std::size_t size) const
    {
        return std::filesystem::file_size(drives.Root() / "D" / file) / (size + 7);
    }
};

TEST_F(MultDosDiskTest, TwoMultsSharingAPartComeBackWithTheirParts)
{
    PutPart("A1", 120.0);
    PutPart("B1", 96.0);
    PutPart("C1", 60.0);
    PutMult(1, {"A1", "B1"});
    PutMult(2, {"B1", "C1"});
    const std::vector<std::string> names{"A1.prt", "B1.prt", "C1.prt", "M 1.mlt", "M 2.mlt"};
    std::vector<Bytes> before;
    for (const std::string& name : names)
        before.push_back(File(name));

    CMultDosDisk::CreateDosDisk('D', "DEFAULT  ", {"C:\\Kestrom\\Jobs\\J1\\G1\\*.mlt"});
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_EQ(Records("MULT/DEFAULT.REC", 290), 2u);
    EXPECT_EQ(Records("PART/DEFAULT.REC", 227), 3u);   // B1 once
    EXPECT_EQ(Records("MULT/PARTLIST/DEFAULT.REC", 136), 4u);
    std::filesystem::remove_all(drives.C() / "Kestrom/Jobs");

    messages->Answer(fw::IDOK);
    CMultDosDisk::ReadDosDisk("D:\\MULT\\DEFAULT.REC");
    ASSERT_EQ(messages->Shown().size(), 1u);   // the end list: every file written
    EXPECT_NE(messages->Shown()[0].text.find("Written (5):"), std::string::npos) << messages->Shown()[0].text;
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(File(names[i]), before[i]) << names[i];
    // The mults hold what the shop disk keeps: all but the quantity each part has used.
    for (std::size_t i = 3; i < names.size(); ++i) {
        const Bytes after = File(names[i]);
        ASSERT_EQ(after.size(), before[i].size()) << names[i];
        EXPECT_EQ(Fields(after), Fields(before[i])) << names[i];
    }
}

TEST_F(MultDosDiskTest, AnUnreadableMultIsNamedAndLeftOut)
{
    PutPart("A1", 120.0);
    PutMult(1, {"A1"});
    PutFile(JobFile("J1/G1/BAD 1.mlt"), Bytes{9, 9});
    messages->Answer(fw::IDOK);
    CMultDosDisk::CreateDosDisk('D', "DEFAULT", {"C:\\Kestrom\\Jobs\\J1\\G1\\*.mlt"});
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_NE(Texts()[0].find("BAD 1.mlt"), std::string::npos);
    EXPECT_EQ(Records("MULT/DEFAULT.REC", 290), 1u);
}

} // namespace

#include "model/ShapeDoc.h"
#include "shopdb/ShapeAccess.h"
#include "shopdisk/ShapeDosDisk.h"

namespace {

TEST_F(MultDosDiskTest, WritesTheMultRecordByteForByte)
{
    PutMult(1, {});
    CMultDosDisk::CreateDosDisk('D', "DEFAULT", {"C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt"});
    const std::string expected =
        std::string("\x00\x22\x01\xFF\xFF\xFF\xFF", 7) +            // chunk head: flag, 290, no next chunk
        "J1        G1        M         " +                         // job, group, mark
        std::string("\x01\x00\x01\x00\x00\x00", 6) +                 // sequence 1, quantity 1, zero
        std::string("\x00\x00\x00\x00\x00\x00\x44\x40", 8) +         // length 40.0 feet
        std::string(16, '\0') +                                    // kerf and drop 0
        "W 12X26               A36       " + std::string(60, '\0') +
        std::string(28, '\xFF') +                                  // six tool lists and the part list: none
        "PUNCH1         " + "DEFAULT" + std::string(8, '\0') +     // machine, part file set
        std::string(80, ' ');                                      // remarks
    EXPECT_EQ(TempDrives::Get(drives.Root() / "D/MULT/DEFAULT.REC"), expected);
}

TEST_F(MultDosDiskTest, AShapeFileThatCannotBeOpenedIsReportedWithItsCause)
{
    std::filesystem::create_directories(drives.Root() / "D" / "SHAPE" / "SHAPES.REC");   // a folder, not a file
    messages->Answer(fw::IDOK);
    CShapeDosDisk::ReadDosDisk("D:\\SHAPE\\SHAPES.REC");
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_NE(messages->Shown()[0].text.find("Not converted (1):\nERROR: "), std::string::npos) << messages->Shown()[0].text;
    EXPECT_TRUE(messages->Shown()[0].text.ends_with("-- On File D:\\SHAPE\\SHAPES.REC")) << messages->Shown()[0].text;
}

TEST_F(MultDosDiskTest, ShapesConvertWithTheKindOfTheirType)
{
    {
        CShapeAccess access;
        ASSERT_TRUE(access.Open("D:\\SHAPE\\SHAPES.REC"));
        for (const auto& [type, size] : {std::pair{"T ", "WT6X13"}, {"PL", "D0.5X10"}, {"P ", "D0.25X4"}}) {
            ShapeRecord r;
            r.desctp = type;
            r.desc = size;
            r.depth = 6.0;
            r.weight = 13.0;
            auto record = access.NewRecord();
            const auto image = ShapeRecordImage::Encode(r);
            std::copy(image.begin(), image.end(), record->buffer.begin());
            access.Add(std::move(record));
        }
    }
    messages->Answer(fw::IDOK);
    CShapeDosDisk::ReadDosDisk("D:\\SHAPE\\SHAPES.REC");
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_NE(messages->Shown()[0].text.find("Written (3):"), std::string::npos) << messages->Shown()[0].text;
    // Tees stay beams, as stored disks rely on; both plate types are plates.
    for (const auto& [type, size, kind] : {std::tuple{"T ", "WT6X13", 0}, {"PL", "D0.5X10", 4}, {"P ", "D0.25X4", 4}}) {
        CShapeDoc shape;
        ASSERT_TRUE(std::filesystem::exists(drives.C() / "Kestrom/Shapes" / (std::string(type) + size + ".shp")))
            << type << size;
        LoadProblems problems;
        ASSERT_EQ(shape.LoadShape(type, size, problems), 1) << type << size;
        EXPECT_EQ(shape.GetShapeData().kind, kind) << type << size;
    }
}

} // namespace
