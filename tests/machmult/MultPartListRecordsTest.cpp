#include "machmult/MultClasses.h"
#include "machmult/MultPartListRecords.h"

#include "model/ModelClasses.h"
#include "partprog/PartDoc.h"
#include "shopdb/LinkAccess.h"
#include "records/RecordImage.h"

#include "fw/core/AppProfile.h"
#include "fw/core/Archive.h"
#include "tests/fw/TempDrives.h"
#include "tests/machmult/MultTestSupport.h"
#include "tests/model/ModelTestSupport.h"

#include <gtest/gtest.h>

using namespace modeltest;
using multtest::ToolNames;

namespace {

constexpr const char* kPartLists = "C:\\DISK\\MULT\\PARTLIST\\T.REC";
constexpr const char* kB12Path = "C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt";

// W 12X26 in decimal inches: D 12, TW 0.5, BF 4, TF 1, SFG 2, 26 lb/ft, a beam.
const Bytes kW12X26 = Cat({Str("W "), Str("12X26"), Dim(k12, 'D'), Dim(k0_5, 'D'), Dim(k4, 'D'), Dim(k1, 'D'),
                           Dim(k2, 'D'), Le64(k26), Str("W12 X 26"), Le32(0), Le32(1)});

std::unique_ptr<CMultPart> JobPart(const std::string& job, const std::string& mark, std::uint32_t quantity,
                                   double length, double offset, int listIndex = -1)
{
    auto part = std::make_unique<CMultPart>();
    PartRecord& h = part->GetHeader();
    h.jobId = job;
    h.group = job.empty() ? "" : "G1";
    h.mark = mark;
    h.quantity = quantity;
    h.length = length;
    h.remarkA = "ON MULT";
    part->GetPartOffset() = offset;
    part->SetListIndex(listIndex);
    return part;
}

class MultPartListRecordsTest : public testing::Test {
protected:
    MultPartListRecordsTest() : profile(fw::SetAppProfile(nullptr))
    {
        RegisterModelClasses();
        RegisterMultClasses();
        TempDrives::Put(drives.C() / "Kestrom/Shapes/W 12X26.shp", std::string(kW12X26.begin(), kW12X26.end()));
    }
    ~MultPartListRecordsTest() override { fw::SetAppProfile(std::move(profile)); }

    // Part B12 of J1\G1: 2 off, 20 feet of W 12X26 of grade A36, round holes on the top flange
    // and square ones on the web.
    static void MakeB12(CPartDoc& doc)
    {
        PartRecord& h = doc.Header();
        h.jobId = "J1";
        h.group = "G1";
        h.mark = "B12";
        h.quantity = 2;
        h.length = 240.0;
        h.grade = "A36";
        h.shapeDesctp = "W ";
        h.shapeDesc = "12X26";
        ASSERT_TRUE(doc.BuildShape("W ", "12X26"));
        CRefPlane plane;
        plane.Set(10, 0, '+', '+', 0, 0, 'A');
        const CPartTool round(13.0 / 16, 0, "RD", 0), square(1.0, 0, "SQ", 0);
        auto holes = std::make_unique<CPattern>(2, 1, 3, 4, 1, 0, CPattern::hole, &plane, &round, 0);
        auto squares = std::make_unique<CPattern>(30, 3, 1, 0, 2, 1, CPattern::hole, &plane, &square, 0);
        ASSERT_TRUE(doc.AddPattern(holes, doc.GetPartShape()->GetTopFlangeList()));
        ASSERT_TRUE(doc.AddPattern(squares, doc.GetPartShape()->GetWebList()));
    }
    // Writes part B12's file; the mult part a loaded B12 gives.
    std::unique_ptr<CMultPart> PutB12() const
    {
        CPartDoc doc;
        MakeB12(doc);
        fw::Archive ar;
        doc.Serialize(ar);
        TempDrives::Put(drives.C() / "Kestrom/Jobs/J1/G1/B12.prt", std::string(ar.Bytes().begin(), ar.Bytes().end()));
        doc.SetPathName(kB12Path, false);
        return CMultPart::FromPart(doc);
    }

    std::int32_t Write(const CPartList& parts)
    {
        EXPECT_TRUE(access.Open(kPartLists, -1));
        WritePartList(access, parts);
        const std::int32_t chain = access.Close();
        access.Reset();
        return chain;
    }
    void Read(std::int32_t chain, CPartList& parts)
    {
        ASSERT_TRUE(access.Open(kPartLists, chain, CPowerFile::readFlags));
        ReadPartList(access, parts);
        access.Close();
        access.Reset();
    }

    TempDrives drives;
    std::unique_ptr<fw::Profile> profile;
    CPartlistAccess access;
};

TEST_F(MultPartListRecordsTest, FromPartTakesHeaderFaceToolsAndPath)
{
    CPartDoc doc;
    MakeB12(doc);
    doc.SetPathName("C:\\Kestrom\\Jobs\\J7\\G7\\B12.prt", false);
    const auto part = CMultPart::FromPart(doc);
    EXPECT_EQ(part->GetKeyText(), "J7\\G7\\B12");
    EXPECT_EQ(part->GetHeader().grade, "A36");
    EXPECT_EQ(part->GetQuantity(), 2u);
    EXPECT_EQ(part->GetPartPath(), "C:\\Kestrom\\Jobs\\J7\\G7\\B12.prt");
    CToolList expected;
    doc.GetPartShape()->GetFaceToolList(expected);
    ASSERT_EQ(part->GetTools().GetCount(), 2u);
    auto tool = part->GetTools().begin();
    for (const CPartTool& e : expected) {
        EXPECT_EQ(tool->GetShortName(), e.GetShortName());
        EXPECT_EQ(tool->GetZoneCode(), e.GetZoneCode());
        ++tool;
    }
}

TEST_F(MultPartListRecordsTest, RecordsHoldTheListsFieldsWithTextsCut)
{
    CMultPartList parts;
    auto part = JobPart("JOB1234567X", "MARK123456Y", 3, 54, 6);
    part->GetHeader().remarkB = std::string(40, 'R') + "Z";
    parts.AddSorted(part);
    const auto records = PartListRecordsOf(parts);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0],
              (PartListRecord{"JOB1234567X", "G1", "MARK123456Y", 54, 3, 6, "ON MULT", std::string(40, 'R') + "Z"}));

    const auto image = PartListRecordImage::Encode(records[0]);
    const PartListRecord stored = PartListRecordImage::Decode(image);
    EXPECT_EQ(stored.job, "JOB1234567");
    EXPECT_EQ(stored.mark, "MARK123456");
    EXPECT_EQ(stored.remarkB, std::string(40, 'R'));
    EXPECT_EQ(image[38 + 7], 0x40);   // length 4.5 feet: 0x4012000000000000
    EXPECT_EQ(image[38 + 6], 0x12);
}

TEST_F(MultPartListRecordsTest, RoundTripTakesPartFilesWhereTheyLoad)
{
    const auto loaded = PutB12();
    CMultPartList written;
    auto b12 = JobPart("J1", "B12", 3, 240, 30, 0);
    auto noFile = JobPart("", "X9", 1, 100.5, 280, 1);
    auto missing = JobPart("J1", "B13", 4, 60, 400, 2);
    ASSERT_TRUE(written.AddSorted(b12));
    ASSERT_TRUE(written.AddSorted(noFile));
    ASSERT_TRUE(written.AddSorted(missing));
    const std::int32_t chain = Write(written);
    ASSERT_NE(chain, -1);

    CMultPartList read;
    Read(chain, read);
    ASSERT_EQ(read.GetCount(), 3u);
    auto position = read.GetHeadPosition();
    const CMultPart& first = *read.GetNext(position);
    const CMultPart& second = *read.GetNext(position);
    const CMultPart& third = *read.GetNext(position);

    EXPECT_EQ(first.GetKeyText(), "J1\\G1\\B12");
    EXPECT_EQ(first.GetListIndex(), 0);
    EXPECT_EQ(first.GetHeader().grade, "A36");              // from the part file
    EXPECT_EQ(first.GetHeader().shapeDesc, "12X26");
    EXPECT_EQ(ToolNames(first), ToolNames(*loaded));
    EXPECT_EQ(first.GetPartPath(), kB12Path);
    EXPECT_EQ(first.GetQuantity(), 3u);                     // from the record
    EXPECT_EQ(first.GetLength().GetValue(), 240.0);
    EXPECT_EQ(first.GetPartOffset().GetValue(), 30.0);
    EXPECT_EQ(first.GetHeader().remarkA, "ON MULT");

    EXPECT_EQ(second.GetKeyText(), "NONE\\NONE\\X9");
    EXPECT_EQ(second.GetListIndex(), 1);
    EXPECT_EQ(second.GetLength().GetValue(), 100.5);
    EXPECT_EQ(second.GetPartOffset().GetValue(), 280.0);
    EXPECT_TRUE(second.GetTools().IsEmpty());
    EXPECT_EQ(second.GetHeader().grade, "");

    EXPECT_EQ(third.GetKeyText(), "J1\\G1\\B13");
    EXPECT_EQ(third.GetListIndex(), 2);
    EXPECT_EQ(third.GetQuantity(), 4u);
    EXPECT_TRUE(third.GetTools().IsEmpty());
    EXPECT_EQ(third.GetPartPath(), "");
}

TEST_F(MultPartListRecordsTest, NamesThatCannotBeFileNamesAreNotLookedUp)
{
    PutB12();
    for (const char* job : {"..", "J1\\G1", "J1/G1"}) {
        const auto part = MultPartOfRecord({job, "G1", "B12", 12, 1, 0, "", ""}, 0);
        EXPECT_EQ(part->GetHeader().jobId, job);
        EXPECT_EQ(part->GetHeader().grade, "");
        EXPECT_TRUE(part->GetTools().IsEmpty());
    }
    EXPECT_EQ(MultPartOfRecord({"j1", "g1", "B12", 12, 1, 0, "", ""}, 0)->GetHeader().grade, "A36");
}

TEST_F(MultPartListRecordsTest, PartsTheListRefusesAreDropped)
{
    CMultPartList written;
    for (int i = 0; i < 3; ++i) {
        auto part = JobPart("J1", "M" + std::to_string(i), 1, 12, 0, i);
        ASSERT_TRUE(written.AddSorted(part));
    }
    const std::int32_t chain = Write(written);

    CMultPartList read;
    auto already = JobPart("J1", "OLD", 1, 12, 0, 1);
    ASSERT_TRUE(read.AddSorted(already));
    Read(chain, read);
    std::vector<std::string> marks;
    for (const CMultPart& part : read)
        marks.push_back(part.GetHeader().mark);
    EXPECT_EQ(marks, (std::vector<std::string>{"M0", "OLD", "M2"}));
}

TEST_F(MultPartListRecordsTest, QuantityThatDoesNotFitLeavesNoChain)
{
    CMultPartList written;
    auto fits = JobPart("J1", "A", 65535, 12, 0, 0);
    auto tooMany = JobPart("J1", "B", 65536, 12, 0, 1);
    ASSERT_TRUE(written.AddSorted(fits));
    ASSERT_TRUE(written.AddSorted(tooMany));
    ASSERT_TRUE(access.Open(kPartLists, -1));
    EXPECT_THROW(WritePartList(access, written), RecordImageError);
    EXPECT_EQ(access.Close(), -1);
}

TEST_F(MultPartListRecordsTest, UnreadableRecordLeavesTheListUnchanged)
{
    Bytes notANumber = PartListRecordImage::Encode({"J1", "G1", "B", 12, 1, 0, "", ""});
    std::fill_n(notANumber.begin() + 38, 8, 0xFF);
    ASSERT_TRUE(access.Open(kPartLists, -1));
    access.AddImages({PartListRecordImage::Encode({"J1", "G1", "A", 12, 1, 0, "", ""}), notANumber});
    const std::int32_t chain = access.Close();
    access.Reset();

    CMultPartList read;
    ASSERT_TRUE(access.Open(kPartLists, chain, CPowerFile::readFlags));
    EXPECT_THROW(ReadPartList(access, read), RecordImageError);
    access.Close();
    EXPECT_TRUE(read.IsEmpty());
}

} // namespace
