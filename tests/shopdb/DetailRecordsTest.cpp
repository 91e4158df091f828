#include "shopdb/DetailRecords.h"

#include "records/RecordImage.h"

#include "MemoryFiles.h"

#include <gtest/gtest.h>


using namespace shopdb::test;

namespace {

// Feet as little-endian doubles, for the lengths the samples use.
const Bytes feet0_0625 = Hex("00 00 00 00 00 00 B0 3F");
const Bytes feet0_125 = Hex("00 00 00 00 00 00 C0 3F");
const Bytes feet0_25 = Hex("00 00 00 00 00 00 D0 3F");
const Bytes feet0_5 = Hex("00 00 00 00 00 00 E0 3F");
const Bytes feet1 = Hex("00 00 00 00 00 00 F0 3F");
const Bytes feet1_5 = Hex("00 00 00 00 00 00 F8 3F");
const Bytes feet2 = Hex("00 00 00 00 00 00 00 40");
const Bytes feet3 = Hex("00 00 00 00 00 00 08 40");
const Bytes feet5 = Hex("00 00 00 00 00 00 14 40");
const Bytes feet10 = Hex("00 00 00 00 00 00 24 40");

Bytes Padded(const std::string& text, std::size_t width)
{
    Bytes bytes = Text(text);
    bytes.resize(width, ' ');
    return bytes;
}

PatternRecord SamplePattern()
{
    PatternRecord p;
    p.planeStartX = 6;
    p.planeStartU = 3;
    p.planeDirectionX = '+';
    p.planeDirectionU = '-';
    p.planeRise = 12;
    p.planeRun = 24;
    p.planeType = 'B';
    p.startX = 18;
    p.startU = 1.5;
    p.countX = 3;
    p.incrementX = 36;
    p.countU = 4;
    p.incrementU = 0.75;
    p.toolType = "DR";
    p.toolSizeB = 0.75;
    p.toolSizeA = 1.5;
    p.orientation = 90;
    p.operation = PatternRecord::frontLayout;
    return p;
}

TEST(PatternRecordImage, FieldsStandAtTheirOffsets)
{
    const Bytes expected = Cat({feet0_5, feet0_25, Text("+-"), feet1, feet2, Text("B"), feet1_5, feet0_125,
                                Hex("03 00"), feet3, Hex("04 00"), feet0_0625, Text("DR"), feet0_0625, feet0_125,
                                Hex("5A 00"), Text(" "), Hex("0C 00"), Hex("00 00"), Text("F")});
    ASSERT_EQ(expected.size(), PatternRecordImage::size);
    EXPECT_EQ(PatternRecordImage::Encode(SamplePattern()), expected);
    EXPECT_EQ(PatternRecordImage::Decode(expected), SamplePattern());
}

TEST(PatternRecordImage, OperationLetters)
{
    for (const auto& [operation, letter] : {std::pair{0, 'H'}, {1, 'F'}, {2, 'B'}, {7, 'H'}})
        EXPECT_EQ(PatternRecordImage::OperationLetter(operation), letter) << operation;
    for (const auto& [letter, operation] : {std::pair{'H', 0}, {'F', 1}, {'M', 1}, {'B', 2}, {'X', 0}, {' ', 0}})
        EXPECT_EQ(PatternRecordImage::OperationOfLetter(letter), operation) << letter;
}

TEST(PatternRecordImage, ShortToolTypeIsPaddedAndTrimmed)
{
    PatternRecord p = SamplePattern();
    p.toolType = "P";
    p.orientation = -90;
    const Bytes image = PatternRecordImage::Encode(p);
    EXPECT_EQ(Bytes(image.begin() + 71, image.begin() + 73), Text("P "));
    EXPECT_EQ(Bytes(image.begin() + 89, image.begin() + 91), Hex("A6 FF"));
    EXPECT_EQ(PatternRecordImage::Decode(image), p);
}

TEST(PatternRecordImage, CountsThatDoNotFitAreRefused)
{
    const struct {
        int countX, countU, orientation;
    } cases[] = {{70000, 1, 0}, {-1, 1, 0}, {1, 65536, 0}, {300, 300, 0}, {1, 1, 40000}};
    for (const auto& c : cases) {
        PatternRecord p = SamplePattern();
        p.countX = c.countX;
        p.countU = c.countU;
        p.orientation = c.orientation;
        EXPECT_THROW(PatternRecordImage::Encode(p), RecordImageError) << c.countX << " x " << c.countU;
    }
}

TEST(StencilRecordImage, TextIsCutToTwentyEightCharacters)
{
    const StencilRecord stencil{24, 6, "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"};
    const Bytes expected = Cat({feet2, feet0_5, Text("ABCDEFGHIJKLMNOPQRSTUVWXYZ12")});
    ASSERT_EQ(expected.size(), StencilRecordImage::size);
    EXPECT_EQ(StencilRecordImage::Encode(stencil), expected);
    EXPECT_EQ(StencilRecordImage::Decode(expected), (StencilRecord{24, 6, "ABCDEFGHIJKLMNOPQRSTUVWXYZ12"}));
    EXPECT_EQ(StencilRecordImage::Decode(StencilRecordImage::Encode({0, 0, "B12"})).text, "B12");
}

TEST(PartListRecordImage, FieldsStandAtTheirOffsets)
{
    const PartListRecord part{"J1", "G1", "ABCDEFGHIJKL", 120, 3, 60, "remark a", "remark b"};
    const Bytes expected = Cat({Padded("J1", 10), Padded("G1", 10), Text("ABCDEFGHIJ"), Padded("", 8), feet10,
                                Hex("03 00"), feet5, Padded("remark a", 40), Padded("remark b", 40)});
    ASSERT_EQ(expected.size(), PartListRecordImage::size);
    EXPECT_EQ(PartListRecordImage::Encode(part), expected);
    PartListRecord cut = part;
    cut.mark = "ABCDEFGHIJ";
    EXPECT_EQ(PartListRecordImage::Decode(expected), cut);
}

TEST(PartListRecordImage, QuantityThatDoesNotFitIsRefused)
{
    EXPECT_THROW(PartListRecordImage::Encode({"J1", "G1", "B1", 12, 70000, 0, "", ""}), RecordImageError);
}

TEST(ToolListRecordImage, FieldsStandAtTheirOffsets)
{
    const ToolListRecord tool{"P", 0.75, 1.5, 270};
    const Bytes expected = Cat({Text("P "), feet0_0625, feet0_125, Hex("0E 01")});
    ASSERT_EQ(expected.size(), ToolListRecordImage::size);
    EXPECT_EQ(ToolListRecordImage::Encode(tool), expected);
    EXPECT_EQ(ToolListRecordImage::Decode(expected), tool);
}

TEST(DetailRecordImages, MalformedImagesAreRefused)
{
    const Bytes nan = [] {
        Bytes bytes = ToolListRecordImage::Encode({"P", 1, 1, 0});
        const Bytes quietNan = Hex("00 00 00 00 00 00 F8 7F");
        std::copy(quietNan.begin(), quietNan.end(), bytes.begin() + 2);
        return bytes;
    }();
    EXPECT_THROW(ToolListRecordImage::Decode(nan), RecordImageError);
    EXPECT_THROW(ToolListRecordImage::Decode(Bytes(19, ' ')), RecordImageError);
    EXPECT_THROW(StencilRecordImage::Decode(Bytes(45, ' ')), RecordImageError);
    EXPECT_THROW(PartListRecordImage::Decode(Bytes(135, ' ')), RecordImageError);
    EXPECT_THROW(PatternRecordImage::Decode(Bytes(96, ' ')), RecordImageError);
}

} // namespace
