#include "shopdb/LinkFile.h"
#include "shopdb/MultAccess.h"
#include "shopdb/PartAccess.h"
#include "shopdb/ShapeAccess.h"

#include "fw/core/MessageService.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::unique_ptr<CRecordInMemory> WithText(std::unique_ptr<CRecordInMemory> record, std::size_t offset, const std::string& text)
{
    std::copy(text.begin(), text.end(), record->buffer.begin() + std::ptrdiff_t(offset));
    return record;
}

std::string TextAt(const CRecordInMemory& record, std::size_t offset, std::size_t width)
{
    return std::string(record.buffer.begin() + std::ptrdiff_t(offset), record.buffer.begin() + std::ptrdiff_t(offset + width));
}

// A part record with a job, group and mark (10 bytes each) and a remark to tell it apart.
std::unique_ptr<CRecordInMemory> Part(CPartAccess& access, const std::string& mark, const std::string& remark)
{
    return WithText(WithText(WithText(access.NewRecord(), 0, "J1"), 20, mark), 85, remark);
}

// The text at offset of every record of a walk in key order.
std::vector<std::string> WalkTexts(CIndexAccess& access, std::size_t offset, std::size_t width)
{
    std::vector<std::string> texts;
    for (std::int32_t address = access.First(); (access.GetStatus() & CPowerFile::statusEnd) == 0;
         address = access.Next())
        texts.push_back(TextAt(access.Read(address), offset, width));
    return texts;
}

struct AccessTest : ::testing::Test {
    TempDrives drives;
    fw::ScriptedMessages messages;
};

TEST_F(AccessTest, SameKeyTwiceKeepsBothRecordsButIndexesTheSecond)
{
    CPartAccess parts;
    ASSERT_TRUE(parts.Open("C:\\DISK\\PART\\T.REC"));
    EXPECT_EQ(parts.Add(Part(parts, "B12", "first")), 0);
    EXPECT_EQ(parts.Add(Part(parts, "B12", "second")), 234);
    EXPECT_EQ(WalkTexts(parts, 85, 6), std::vector<std::string>{"second"});
    parts.Close();
    EXPECT_EQ(fs::file_size(drives.C() / "DISK/PART/T.REC"), 468u);
    EXPECT_EQ(fs::file_size(drives.C() / "DISK/PART/T.NDX"), 234u);
}

TEST_F(AccessTest, PartKeysCompareAsUnsignedBytes)
{
    CPartAccess parts;
    ASSERT_TRUE(parts.Open("C:\\DISK\\PART\\T.REC"));
    for (const char* mark : {"a", "\xE9", "A", "1", " 1"})
        parts.Add(Part(parts, mark, mark));
    EXPECT_EQ(WalkTexts(parts, 20, 2), (std::vector<std::string>{" 1", "1 ", "A ", "a ", "\xE9 "}));
}

TEST_F(AccessTest, ManyPartsWalkInKeyOrderAfterReopening)
{
    std::vector<std::string> marks;
    {
        CPartAccess parts;
        ASSERT_TRUE(parts.Open("C:\\DISK\\PART\\T.REC"));
        for (int i = 0; i < 200; ++i) {
            marks.push_back("M" + std::to_string(1000 + (i * 37) % 200));
            parts.Add(Part(parts, marks.back(), ""));
        }
    }
    std::sort(marks.begin(), marks.end());
    for (std::string& mark : marks)
        mark.resize(10, ' ');
    CPartAccess parts;
    ASSERT_TRUE(parts.Open("C:\\DISK\\PART\\T.REC", CPowerFile::readFlags));
    EXPECT_EQ(WalkTexts(parts, 20, 10), marks);
}

TEST_F(AccessTest, MultSequencesSortAsNumbers)
{
    CMultAccess mults;
    ASSERT_TRUE(mults.Open("C:\\DISK\\MULT\\T.REC"));
    const auto mult = [&](const std::string& mark, std::uint16_t sequence) {
        auto record = WithText(WithText(mults.NewRecord(), 0, "J1"), 20, mark);
        record->buffer[30] = std::uint8_t(sequence);
        record->buffer[31] = std::uint8_t(sequence >> 8);
        return WithText(std::move(record), 210, mark + "-" + std::to_string(sequence));
    };
    for (const auto& [mark, sequence] : {std::pair<std::string, std::uint16_t>{"M1", 10}, {"M1", 2}, {"M0", 300},
                                         {"M1", 256}, {"M1", 1}})
        mults.Add(mult(mark, sequence));
    EXPECT_EQ(WalkTexts(mults, 210, 6), (std::vector<std::string>{"M0-300", "M1-1  ", "M1-2  ", "M1-10 ", "M1-256"}));
}

TEST_F(AccessTest, ShapeKeyIsTypeAndDescription)
{
    CShapeAccess shapes;
    ASSERT_TRUE(shapes.Open("C:\\DISK\\SHAPE\\T.REC"));
    shapes.Add(WithText(WithText(shapes.NewRecord(), 0, "W 10X22"), 66, "old"));
    shapes.Add(WithText(WithText(shapes.NewRecord(), 0, "W 10X22"), 66, "new"));
    shapes.Add(WithText(WithText(shapes.NewRecord(), 0, "L 4X4X1/2"), 66, "angle"));
    EXPECT_EQ(WalkTexts(shapes, 66, 5), (std::vector<std::string>{"angle", "new  "}));
}

TEST_F(AccessTest, IndexThatCannotBeOpenedClosesTheRecordFile)
{
    fs::create_directories(drives.C() / "DISK/PART/T.NDX");
    CPartAccess parts;
    EXPECT_FALSE(parts.Open("C:\\DISK\\PART\\T.REC"));
    EXPECT_EQ(std::string(parts.OpenError().what()), "ERROR: Invalid File -- On File C:\\DISK\\PART\\T.NDX");
    EXPECT_TRUE(messages->Shown().empty());
    CRecordFile again;
    EXPECT_TRUE(again.Open("C:\\DISK\\PART\\T.REC", CPowerFile::writeFlags));
}

TEST_F(AccessTest, LinkAccessChainsRecordsAndHandsBackTheChain)
{
    CStencilAccess stencils;
    const auto add = [&](const std::string& text, CLinkAccess::AddMode mode) {
        stencils.Add(WithText(stencils.NewRecord(), 16, text), mode);
    };
    const auto texts = [&](std::int32_t chain) {
        std::vector<std::string> found;
        EXPECT_TRUE(stencils.Open("C:\\DISK\\PART\\STENCIL\\T.REC", chain, CPowerFile::readFlags));
        for (const CRecordInMemory* record : stencils.ReadChain())
            found.push_back(TextAt(*record, 16, 1));
        stencils.Close();
        stencils.Reset();
        return found;
    };

    ASSERT_TRUE(stencils.Open("C:\\DISK\\PART\\STENCIL\\T.REC", -1));
    EXPECT_EQ(stencils.Close(), -1);
    stencils.Reset();

    ASSERT_TRUE(stencils.Open("C:\\DISK\\PART\\STENCIL\\T.REC", -1));
    add("b", CLinkAccess::addAfter);
    add("d", CLinkAccess::addLast);
    add("c", CLinkAccess::addBefore);
    add("a", CLinkAccess::addFirst);
    const std::int32_t first = stencils.Close();
    stencils.Reset();

    ASSERT_TRUE(stencils.Open("C:\\DISK\\PART\\STENCIL\\T.REC", -1));
    add("x", CLinkAccess::addAfter);
    add("y", CLinkAccess::addAfter);
    const std::int32_t second = stencils.Close();
    stencils.Reset();

    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 5 * 12);   // after the first chain's header and four nodes
    EXPECT_EQ(texts(first), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(texts(second), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(fs::file_size(drives.C() / "DISK/PART/STENCIL/T.REC"), 6u * (7 + 44));
}

TEST_F(AccessTest, ChainAddressPastTheLinkFileEndFailsTheOpenWithTheRecordFileClosed)
{
    CStencilAccess stencils;
    ASSERT_TRUE(stencils.Open("C:\\DISK\\PART\\STENCIL\\T.REC", -1));
    stencils.Add(WithText(stencils.NewRecord(), 16, "a"), CLinkAccess::addLast);
    const std::int32_t chain = stencils.Close();
    stencils.Reset();

    for (const std::int32_t address : {chain + 12 * 2, chain + 13, 0x7fffffff}) {
        EXPECT_FALSE(stencils.Open("C:\\DISK\\PART\\STENCIL\\T.REC", address, CPowerFile::readFlags)) << address;
        EXPECT_EQ(std::string(stencils.OpenError().what()),
                  "ERROR: Invalid File -- On File C:\\DISK\\PART\\STENCIL\\T.LNK");
        // Both files are closed again: a writer may open them exclusively.
        CRecordFile records;
        EXPECT_TRUE(records.Open("C:\\DISK\\PART\\STENCIL\\T.REC", CPowerFile::writeFlags));
        CLinkFile links;
        EXPECT_TRUE(links.Open("C:\\DISK\\PART\\STENCIL\\T.LNK", CPowerFile::writeFlags, nullptr, chain));
    }
}

TEST(ToollistAccess, ListTakesItsOwnCodeAndBothHalvesOfItsFace)
{
    const struct {
        int toolCode;
        std::vector<int> lists;
    } cases[] = {
        {17, {17}}, {18, {18}}, {19, {18, 17}}, {33, {33}}, {35, {34, 33}}, {51, {50, 49}}, {65, {}}, {66, {}}, {67, {}},
    };
    for (const auto& c : cases) {
        std::vector<int> lists;
        for (int code : MultLinks::toolListCodes)
            if (CToollistAccess::Takes(code, c.toolCode))
                lists.push_back(code);
        EXPECT_EQ(lists, c.lists) << c.toolCode;
    }
}

} // namespace
