#include "shopdb/DetailConversion.h"
#include "shopdb/LinkAccess.h"
#include "records/MultRecord.h"
#include "records/RecordImage.h"

#include "model/PatternList.h"
#include "model/StencilPatternList.h"
#include "model/ToolList.h"
#include "fw/core/MessageService.h"
#include "tests/fw/TempDrives.h"
#include "tests/shopdb/MemoryFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace shopdb::test;

constexpr const char* kHoles = "C:\\DISK\\PART\\HOLE\\T.REC";
constexpr const char* kStencils = "C:\\DISK\\PART\\STENCIL\\T.REC";
constexpr const char* kToolLists = "C:\\DISK\\MULT\\TOOLLIST\\T.REC";
constexpr const char* kPartLists = "C:\\DISK\\MULT\\PARTLIST\\T.REC";

std::unique_ptr<CPattern> Pattern(double startX, double startU, int countX, int countU, int operation,
                                  const CPartTool* tool, char planeType = 'A')
{
    CRefPlane plane;
    plane.Set(12, 3, '+', '-', 0, 0, planeType);
    return std::make_unique<CPattern>(startX, startU, countX, 6, countU, 3, operation, &plane, tool, 0);
}

struct DetailAccessTest : ::testing::Test {
    TempDrives drives;
    fw::ScriptedMessages messages;

    // Writes on a new chain of the access's file and returns the chain's address.
    template <class Access, class Write> std::int32_t WriteChain(Access& access, const char* path, Write write)
    {
        EXPECT_TRUE(access.Open(path, -1));
        write();
        const std::int32_t chain = access.Close();
        access.Reset();
        return chain;
    }
    template <class Access, class Read> void ReadChain(Access& access, const char* path, std::int32_t chain, Read read)
    {
        ASSERT_TRUE(access.Open(path, chain, CPowerFile::readFlags));
        read();
        access.Close();
        access.Reset();
    }
};

TEST(DetailConversion, PatternRecordImageFromAPattern)
{
    const CPartTool slot(0.75, 1.5, "SL", 45);
    const auto pattern = Pattern(24, 1.5, 3, 4, CPattern::hole, &slot);
    const Bytes expected = Cat({
        Hex("00 00 00 00 00 00 F0 3F"), Hex("00 00 00 00 00 00 D0 3F"),   // plane start X 1 ft, U 0.25 ft
        Text("+-"), Fill(16, 0), Text("A"),                                  // directions, rise, run, type
        Hex("00 00 00 00 00 00 00 40"), Hex("00 00 00 00 00 00 C0 3F"),   // start X 2 ft, U 0.125 ft
        Hex("03 00"), Hex("00 00 00 00 00 00 E0 3F"),                       // count X, increment X 0.5 ft
        Hex("04 00"), Hex("00 00 00 00 00 00 D0 3F"),                       // count U, increment U 0.25 ft
        Text("SL"), Hex("00 00 00 00 00 00 C0 3F"), Hex("00 00 00 00 00 00 B0 3F"),   // type, B, A
        Hex("2D 00"), Text(" "), Hex("0C 00"), Hex("00 00"), Text("H"),    // 45 degrees, 3 x 4 holes
    });
    EXPECT_EQ(PatternRecordImage::Encode(PatternRecordOf(*pattern)), expected);
}

TEST(DetailConversion, ToolSizesAreStoredAsDisplayed)
{
    constexpr double mmPerInch = 25.4;
    const struct {
        double inches;
        int system;
        double shown;
    } cases[] = {
        {0.8, 0, 51.0 / 64},                       // nearest 64th
        {0.8, 1, 51.0 / 64},                       // decimal inch tools are shown imperial
        {22.004 / mmPerInch, 2, 22 / mmPerInch},   // whole hundredths of a millimetre
        {0.0, 2, 0.0},
    };
    for (const auto& c : cases) {
        CDimension size;
        size.SetValue(c.inches);
        EXPECT_NEAR(DisplayedToolSize(size, c.system), c.shown, 1e-12) << c.inches << " " << c.system;
    }
}

TEST_F(DetailAccessTest, PatternsRoundTripThroughTheirChain)
{
    const CPartTool round(0.8125, 0, "RD", 0);
    const CPartTool slot(0.75, 1.5, "SL", 45);
    std::unique_ptr<CPattern> patterns[] = {
        Pattern(24, 1.5, 3, 4, CPattern::hole, &round), Pattern(36, 1.5, 1, 1, CPattern::hole, &slot),
        Pattern(6, 3, 2, 1, CPattern::frontLayout, nullptr, 'B'), Pattern(48, 0, 1, 2, CPattern::backLayout, nullptr, 'C')};
    CPatternList written;
    for (auto& pattern : patterns)
        ASSERT_TRUE(written.AddSorted(pattern));
    CPatternAccess access;
    const std::int32_t chain = WriteChain(access, kHoles, [&] { access.WritePatterns(written); });

    CPatternList read;
    ReadChain(access, kHoles, chain, [&] { access.ReadPatterns(read); });
    ASSERT_EQ(read.GetCount(), written.GetCount());
    auto expected = written.begin();
    for (const CPattern& pattern : read) {
        EXPECT_TRUE(pattern.IsEqual(*expected)) << pattern.GetStartX().GetValue();
        EXPECT_EQ(pattern.GetStartX().GetUnits(), 0);
        ++expected;
    }
}

TEST_F(DetailAccessTest, ReadPatternsInsertsSortedAndDropsRefusedDuplicates)
{
    const CPartTool round(0.8125, 0, "RD", 0);
    const auto image = [&](double startX) {
        return PatternRecordImage::Encode(PatternRecordOf(*Pattern(startX, 1.5, 1, 1, CPattern::hole, &round)));
    };
    CPatternAccess access;
    const std::int32_t chain =
        WriteChain(access, kHoles, [&] { access.AddImages({image(48), image(24), image(24), image(36)}); });

    CPatternList read;
    auto already = Pattern(36, 1.5, 1, 1, CPattern::hole, &round);
    ASSERT_TRUE(read.AddSorted(already));
    ReadChain(access, kHoles, chain, [&] { access.ReadPatterns(read); });
    std::vector<double> starts;
    for (const CPattern& pattern : read)
        starts.push_back(pattern.GetStartX().GetValue());
    EXPECT_EQ(starts, (std::vector<double>{24, 36, 48}));
}

TEST_F(DetailAccessTest, UnreadablePatternRecordLeavesTheListUnchanged)
{
    const CPartTool round(0.8125, 0, "RD", 0);
    const Bytes good = PatternRecordImage::Encode(PatternRecordOf(*Pattern(24, 1.5, 1, 1, CPattern::hole, &round)));
    Bytes notANumber = good;
    std::fill_n(notANumber.begin() + 35, 8, 0xFF);   // start X: a NaN
    CPatternAccess access;
    const std::int32_t chain = WriteChain(access, kHoles, [&] { access.AddImages({good, notANumber}); });

    CPatternList read;
    ReadChain(access, kHoles, chain, [&] { EXPECT_THROW(access.ReadPatterns(read), RecordImageError); });
    EXPECT_EQ(read.GetCount(), 0u);
}

TEST_F(DetailAccessTest, PatternThatDoesNotFitItsRecordLeavesNoChain)
{
    const CPartTool round(0.8125, 0, "RD", 0);
    CPatternList written;
    for (int countX : {2, 300}) {
        auto pattern = Pattern(countX, 0, countX, 300, CPattern::hole, &round);   // 300 x 300 holes
        ASSERT_TRUE(written.AddSorted(pattern));
    }
    CPatternAccess access;
    ASSERT_TRUE(access.Open(kHoles, -1));
    EXPECT_THROW(access.WritePatterns(written), RecordImageError);
    EXPECT_EQ(access.Close(), -1);
}

TEST(DetailConversion, PatternRecordWithTooManyElementsIsRefused)
{
    const struct {
        int countX;
        int countU;
        bool valid;
    } cases[] = {{10000, 100, true}, {10001, 1, false}, {1, 10001, false}, {10000, 101, false}, {0, 0, true}};
    for (const auto& c : cases) {
        PatternRecord record;
        record.countX = c.countX;
        record.countU = c.countU;
        if (c.valid)
            EXPECT_EQ(PatternOfRecord(record)->GetCountX(), c.countX);
        else
            EXPECT_THROW(PatternOfRecord(record), RecordImageError) << c.countX << " x " << c.countU;
    }
}

TEST_F(DetailAccessTest, StencilsRoundTripImperialWithTextsCut)
{
    std::unique_ptr<CStencilPattern> marks[] = {std::make_unique<CStencilPattern>(24, 1.5, "B12", 2),
                                                std::make_unique<CStencilPattern>(6, 1.5, std::string(30, 'W') + "XY", 2)};
    CStencilPatternList written;
    for (auto& mark : marks)
        ASSERT_TRUE(written.AddSorted(mark));
    CStencilAccess access;
    const std::int32_t chain = WriteChain(access, kStencils, [&] { access.WriteStencils(written); });

    CStencilPatternList read;
    ReadChain(access, kStencils, chain, [&] { access.ReadStencils(read); });
    std::vector<std::string> texts;
    for (const CStencilPattern& mark : read) {
        texts.push_back(mark.GetText());
        EXPECT_EQ(mark.GetX().GetUnits(), 0);
        EXPECT_EQ(mark.GetU().GetValue(), 1.5);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{std::string(28, 'W'), "B12"}));
}

TEST_F(DetailAccessTest, ReadStencilsSortsAndDropsEmptyAndDuplicateMarks)
{
    CStencilAccess access;
    const std::int32_t chain = WriteChain(access, kStencils, [&] {
        access.AddImages({StencilRecordImage::Encode({36, 0, "C"}), StencilRecordImage::Encode({12, 0, "A"}),
                          StencilRecordImage::Encode({12, 0, "A"}), StencilRecordImage::Encode({24, 0, ""})});
    });
    CStencilPatternList read;
    ReadChain(access, kStencils, chain, [&] { access.ReadStencils(read); });
    std::vector<std::string> texts;
    for (const CStencilPattern& mark : read)
        texts.push_back(mark.GetText());
    EXPECT_EQ(texts, (std::vector<std::string>{"A", "C"}));
}

TEST_F(DetailAccessTest, ToolListSlotsTakeTheirCodeAndBothHalvesOfTheirFace)
{
    CToolList tools;
    const struct {
        const char* type;
        int code;
    } placed[] = {{"AA", 17}, {"BB", 18}, {"CC", 19}, {"DD", 33}, {"EE", 35}, {"FF", 50}, {"GG", 65}};
    for (const auto& p : placed)
        ASSERT_TRUE(tools.AddZoneTool(CPartTool(0.75, 1.5, p.type, 90), p.code, 0, 1));

    const std::vector<std::vector<std::string>> expected = {{"BB", "CC"}, {"AA", "CC"}, {"EE"},
                                                            {"DD", "EE"}, {"FF"},       {}};
    CToollistAccess access;
    for (std::size_t slot = 0; slot < MultLinks::toolListCodes.size(); ++slot) {
        const int code = MultLinks::toolListCodes[slot];
        const std::int32_t chain = WriteChain(access, kToolLists, [&] { access.WriteToolList(tools, code); });
        std::vector<std::string> types;
        ReadChain(access, kToolLists, chain, [&] {
            for (const CRecordInMemory* record : access.ReadChain()) {
                const ToolListRecord tool = ToolListRecordImage::Decode(record->buffer);
                types.push_back(tool.type);
                EXPECT_EQ(tool, (ToolListRecord{tool.type, 1.5, 0.75, 90}));
            }
        });
        EXPECT_EQ(types, expected[slot]) << code;
    }
}

TEST_F(DetailAccessTest, PartListRoundTripsInChainOrderWithTextsCut)
{
    const std::vector<PartListRecord> written = {
        {"J1", "G1", "B12", 240, 3, 30, "A", "B"},
        {"JOB4567890X", "", "M", 100.5, 65535, 280, std::string(41, 'R'), ""},
        {"J1", "G1", "B12", 6, 1, 0, "", ""},
    };
    CPartlistAccess access;
    const std::int32_t chain = WriteChain(access, kPartLists, [&] { access.WritePartList(written); });

    std::vector<PartListRecord> read;
    ReadChain(access, kPartLists, chain, [&] { read = access.ReadPartList(); });
    std::vector<PartListRecord> expected = written;
    expected[1].job = "JOB4567890";
    expected[1].remarkA = std::string(40, 'R');
    EXPECT_EQ(read, expected);
}

TEST_F(DetailAccessTest, PartListWithAQuantityThatDoesNotFitLeavesNoChain)
{
    CPartlistAccess access;
    ASSERT_TRUE(access.Open(kPartLists, -1));
    const std::vector<PartListRecord> parts = {{"J1", "G1", "A", 12, 1, 0, "", ""}, {"J1", "G1", "B", 12, 65536, 0, "", ""}};
    EXPECT_THROW(access.WritePartList(parts), RecordImageError);
    EXPECT_EQ(access.Close(), -1);
}

TEST_F(DetailAccessTest, UnreadablePartListRecordGivesNoParts)
{
    Bytes notANumber = PartListRecordImage::Encode({"J1", "G1", "B", 12, 1, 0, "", ""});
    std::fill_n(notANumber.begin() + 48, 8, 0xFF);   // offset: a NaN
    CPartlistAccess access;
    const std::int32_t chain = WriteChain(access, kPartLists, [&] {
        access.AddImages({PartListRecordImage::Encode({"J1", "G1", "A", 12, 1, 0, "", ""}), notANumber});
    });
    ReadChain(access, kPartLists, chain, [&] { EXPECT_THROW(access.ReadPartList(), RecordImageError); });
}

} // namespace
