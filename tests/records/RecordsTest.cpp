#include "records/MultRecord.h"
#include "records/PartRecord.h"
#include "records/RecordImage.h"
#include "records/ShapeRecord.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Builds an expected image field by field, in order.
class Image {
public:
    // The text, blank-padded to the width.
    Image& Text(std::string_view text, std::size_t width, char pad = ' ')
    {
        EXPECT_LE(text.size(), width);
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        bytes_.insert(bytes_.end(), width - text.size(), std::uint8_t(pad));
        return *this;
    }
    // Bytes written as hex pairs separated by blanks: "0C 00 FF".
    Image& Hex(std::string_view hex)
    {
        for (std::size_t i = 0; i < hex.size(); i += 3)
            bytes_.push_back(std::uint8_t(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
        return *this;
    }
    Image& Zeros(std::size_t count)
    {
        bytes_.insert(bytes_.end(), count, 0);
        return *this;
    }
    Image& NoChain(int count)
    {
        for (int i = 0; i < count; ++i)
            Hex("FF FF FF FF");
        return *this;
    }
    const Bytes& Get() const { return bytes_; }

private:
    Bytes bytes_;
};

CDimension Inches(double inches, int system = 0)
{
    CDimension d;
    d.SetUnits(system);
    d.SetValue(inches);
    return d;
}

double DoubleAt(const Bytes& image, std::size_t offset)
{
    double v;
    std::memcpy(&v, image.data() + offset, sizeof v);
    return v;
}

PartRecord SamplePart()
{
    PartRecord r;
    r.jobId = "J1";
    r.group = "G1";
    r.mark = "MARK12345678";   // 12 characters: stored as the first 10
    r.quantity = 12;
    r.length = Inches(40.5);   // 3.375 feet
    r.shapeDesctp = "W ";
    r.shapeDesc = "12X26";
    r.grade = "A36";
    r.fabCode = "F1";
    r.measureWebDepth = 1;
    r.remarkA = "first remark";
    r.remarkB = std::string(45, 'b');   // cut at 40
    r.measuringSystem = 2;
    r.channelLeg = 1;
    return r;
}

MultRecord SampleMult()
{
    MultRecord r;
    r.job = "J1";
    r.group = "G1";
    r.mark = "M7";
    r.sequence = 2;
    r.quantity = 3;
    r.length = Inches(240.0);   // 20 feet
    r.kerf = Inches(3.0);       // 0.25 foot
    r.drop = Inches(6.0);       // 0.5 foot
    r.shapeDesctp = "L ";
    r.shapeDesc = "4X4X1/2";
    r.grade = "A572";
    r.machine = "ANGLE LINE 1";
    r.remarkA = "RA";
    r.remarkB = "RB";
    r.measuringSystem = 1;
    return r;
}

ShapeRecord SampleShape()
{
    ShapeRecord r;
    r.desctp = "W ";
    r.desc = "12X26";
    r.depth = Inches(12.0, 1);            // 1 foot
    r.webThickness = Inches(0.75, 1);     // 0.0625 foot
    r.flangeWidth = Inches(6.0, 1);       // 0.5 foot
    r.flangeThickness = Inches(1.5, 1);   // 0.125 foot
    r.flangeGage = Inches(3.0, 1);        // 0.25 foot
    r.weight = 26.0;
    r.formal = "W12 X 26";
    r.kind = shapeBeam;
    r.measuringSystem = 1;
    return r;
}

} // namespace

TEST(PartRecordImage, FieldsStandAtTheirOffsets)
{
    PartChains chains;
    chains.webHoles = 12;
    chains.topFlangeStencils = 0x1234;
    chains.bottomFlangeLayouts = 256;
    const Bytes expected = Image()
                               .Text("J1", 10)
                               .Text("G1", 10)
                               .Text("MARK123456", 10)
                               .Hex("0C 00")                     // quantity
                               .Hex("00 00")
                               .Hex("00 00 00 00 00 00 0B 40")   // 3.375 feet
                               .Text("W ", 2)
                               .Text("12X26", 20)
                               .Text("A36", 10)                  // seven blanks follow
                               .Text("F1", 10)
                               .Text("Y", 1)
                               .Text("first remark", 40)
                               .Text(std::string(40, 'b'), 40)
                               .Zeros(12)
                               .Hex("0C 00 00 00")               // web holes
                               .NoChain(2)
                               .NoChain(1)
                               .Hex("34 12 00 00")               // top flange stencils
                               .NoChain(1)
                               .NoChain(3)                       // unused slots
                               .NoChain(2)
                               .Hex("00 01 00 00")               // bottom flange layouts
                               .Text("MN", 2)
                               .Get();
    ASSERT_EQ(expected.size(), PartRecordImage::size);
    EXPECT_EQ(PartRecordImage::Encode(SamplePart(), chains), expected);
}

TEST(PartRecordImage, LettersOfFlagsAndMeasuringSystem)
{
    const struct {
        int measuringSystem, channelLeg, measureWebDepth;
        const char* letters;   // at 225, 226, 84
    } cases[] = {
        {0, 0, 0, "EFN"}, {1, 1, 1, "DNY"}, {2, 2, -1, "MFY"}, {7, -1, 5, "EFY"},
    };
    for (const auto& c : cases) {
        PartRecord r;
        r.measuringSystem = c.measuringSystem;
        r.channelLeg = c.channelLeg;
        r.measureWebDepth = c.measureWebDepth;
        const Bytes image = PartRecordImage::Encode(r);
        EXPECT_EQ(std::string({char(image[225]), char(image[226]), char(image[84])}), c.letters) << c.measuringSystem;
    }
}

TEST(PartRecordImage, EmptyPartHasBlankTextAndNoChains)
{
    const Bytes image = PartRecordImage::Encode(PartRecord());
    for (std::size_t offset : {0, 10, 20, 42, 44, 64, 74, 85, 125})
        EXPECT_EQ(image[offset], ' ') << offset;
    for (std::size_t offset = 177; offset < 225; ++offset)
        EXPECT_EQ(image[offset], 0xFF) << offset;
}

TEST(PartRecordImage, LengthIsInchesOverTwelve)
{
    // 11.999 inches shows as 12" but is stored as its exact inches / 12.
    for (int system : {0, 1, 2}) {
        PartRecord r;
        r.length = Inches(11.999, system);
        EXPECT_EQ(DoubleAt(PartRecordImage::Encode(r), 34), 11.999 / 12.0) << system;
    }
}

TEST(PartRecordImage, QuantityThatDoesNotFitIsRefused)
{
    PartRecord r = SamplePart();
    r.quantity = 65535;
    const Bytes image = PartRecordImage::Encode(r);
    EXPECT_EQ(image[30], 0xFF);
    EXPECT_EQ(image[31], 0xFF);
    r.quantity = 70000;
    try {
        PartRecordImage::Encode(r);
        FAIL() << "a quantity of 70000 was stored";
    } catch (const RecordImageError& e) {
        EXPECT_STREQ(e.what(), "The quantity 70000 of part J1 G1 MARK12345678 is too large for the shop record "
                               "(at most 65535).");
    }
}

TEST(PartRecordImage, ReadsBackWhatWasWritten)
{
    PartChains chains;
    chains.webHoles = 12;
    chains.topFlangeHoles = 24;
    chains.bottomFlangeHoles = 36;
    chains.webStencils = 48;
    chains.topFlangeStencils = 60;
    chains.bottomFlangeStencils = 72;
    chains.webLayouts = 84;
    chains.topFlangeLayouts = 96;
    chains.bottomFlangeLayouts = 108;
    PartChains read;
    const PartRecord r = PartRecordImage::Decode(PartRecordImage::Encode(SamplePart(), chains), &read);
    EXPECT_EQ(read, chains);
    EXPECT_EQ(r.jobId, "J1");
    EXPECT_EQ(r.group, "G1");
    EXPECT_EQ(r.mark, "MARK123456");
    EXPECT_EQ(r.quantity, 12u);
    EXPECT_EQ(r.length.GetValue(), 40.5);
    EXPECT_EQ(r.length.GetUnits(), 2);
    EXPECT_EQ(r.shapeDesctp, "W ");
    EXPECT_EQ(r.shapeDesc, "12X26");
    EXPECT_EQ(r.grade, "A36");
    EXPECT_EQ(r.fabCode, "F1");
    EXPECT_EQ(r.measureWebDepth, 1);
    EXPECT_EQ(r.remarkA, "first remark");
    EXPECT_EQ(r.remarkB, std::string(40, 'b'));
    EXPECT_EQ(r.measuringSystem, 2);
    EXPECT_EQ(r.channelLeg, 1);
}

TEST(PartRecordImage, ReadsLettersAsTheirValues)
{
    const struct {
        char measuringSystem, channelLeg, measureWebDepth;
        int system, leg, depth;
    } cases[] = {
        {'E', 'F', 'N', 0, 0, 0}, {'D', 'N', 'Y', 1, 1, 1}, {'M', 'x', 'y', 2, 0, 0}, {'X', 'n', ' ', 0, 0, 0},
    };
    for (const auto& c : cases) {
        Bytes image = PartRecordImage::Encode(PartRecord());
        image[225] = std::uint8_t(c.measuringSystem);
        image[226] = std::uint8_t(c.channelLeg);
        image[84] = std::uint8_t(c.measureWebDepth);
        const PartRecord r = PartRecordImage::Decode(image);
        EXPECT_EQ(r.measuringSystem, c.system) << c.measuringSystem;
        EXPECT_EQ(r.channelLeg, c.leg) << c.channelLeg;
        EXPECT_EQ(r.measureWebDepth, c.depth) << c.measureWebDepth;
    }
}

TEST(MultRecordImage, FieldsStandAtTheirOffsets)
{
    MultLinks links;
    links.toolLists = {1, 2, 3, 4, 5, -1};
    links.partList = 0x0100;
    links.partFileSet = "TARGET";
    const Bytes expected = Image()
                               .Text("J1", 10)
                               .Text("G1", 10)
                               .Text("M7", 10)
                               .Hex("02 00")                     // sequence
                               .Hex("03 00")                     // quantity
                               .Hex("00 00")
                               .Hex("00 00 00 00 00 00 34 40")   // 20 feet
                               .Hex("00 00 00 00 00 00 D0 3F")   // 0.25 foot
                               .Hex("00 00 00 00 00 00 E0 3F")   // 0.5 foot
                               .Text("L ", 2)
                               .Text("4X4X1/2", 20)
                               .Text("A572", 10)
                               .Zeros(60)
                               .Hex("01 00 00 00 02 00 00 00 03 00 00 00 04 00 00 00 05 00 00 00")
                               .NoChain(1)
                               .Hex("00 01 00 00")               // part list
                               .Text("ANGLE LINE 1", 15)
                               .Text("TARGET", 15, '\0')
                               .Text("RA", 40)
                               .Text("RB", 40)
                               .Get();
    ASSERT_EQ(expected.size(), MultRecordImage::size);
    EXPECT_EQ(MultRecordImage::Encode(SampleMult(), links), expected);
}

TEST(MultRecordImage, ToolListCodesInSlotOrder)
{
    EXPECT_EQ(MultLinks::toolListCodes, (std::array<int, 6>{18, 17, 34, 33, 50, 49}));
}

TEST(MultRecordImage, ValuesThatDoNotFitAreRefused)
{
    const struct {
        std::uint32_t sequence, quantity;
        const char* fileSet;
        const char* message;
    } cases[] = {
        {65536, 1, "", "The sequence 65536 of mult J1 G1 M7 is too large for the shop record (at most 65535)."},
        {1, 70000, "", "The quantity 70000 of mult J1 G1 M7 is too large for the shop record (at most 65535)."},
        {1, 1, "SIXTEEN_CHARS_16",
         "The file set name SIXTEEN_CHARS_16 of mult J1 G1 M7 is too long for the shop record (at most 15 "
         "characters)."},
    };
    for (const auto& c : cases) {
        MultRecord r = SampleMult();
        r.sequence = c.sequence;
        r.quantity = c.quantity;
        MultLinks links;
        links.partFileSet = c.fileSet;
        try {
            MultRecordImage::Encode(r, links);
            ADD_FAILURE() << "stored: " << c.message;
        } catch (const RecordImageError& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
    }
}

TEST(MultRecordImage, ReadsBackWhatWasWritten)
{
    MultLinks links;
    links.toolLists = {10, 20, 30, 40, 50, 60};
    links.partList = 70;
    links.partFileSet = "FIFTEEN_CHARS15";
    MultLinks read;
    const MultRecord r = MultRecordImage::Decode(MultRecordImage::Encode(SampleMult(), links), &read);
    EXPECT_EQ(read, links);
    EXPECT_EQ(r.job, "J1");
    EXPECT_EQ(r.group, "G1");
    EXPECT_EQ(r.mark, "M7");
    EXPECT_EQ(r.sequence, 2u);
    EXPECT_EQ(r.quantity, 3u);
    EXPECT_EQ(r.length.GetValue(), 240.0);
    EXPECT_EQ(r.kerf.GetValue(), 3.0);
    EXPECT_EQ(r.drop.GetValue(), 6.0);
    EXPECT_EQ(r.shapeDesctp, "L ");
    EXPECT_EQ(r.shapeDesc, "4X4X1/2");
    EXPECT_EQ(r.grade, "A572");
    EXPECT_EQ(r.machine, "ANGLE LINE 1");
    EXPECT_EQ(r.remarkA, "RA");
    EXPECT_EQ(r.remarkB, "RB");
}

TEST(MultRecordImage, FileSetNameLosesItsBlankAndNulPadding)
{
    Bytes image = MultRecordImage::Encode(SampleMult());
    std::memcpy(image.data() + 195, "SET1  \0\0\0\0\0\0\0\0\0", 15);
    MultLinks links;
    MultRecordImage::Decode(image, &links);
    EXPECT_EQ(links.partFileSet, "SET1");
}

TEST(ShapeRecordImage, FieldsStandAtTheirOffsets)
{
    const Bytes expected = Image()
                               .Text("W ", 2)
                               .Text("12X26", 20)
                               .Hex("00 00 00 00 00 00 F0 3F")   // 1 foot
                               .Hex("00 00 00 00 00 00 B0 3F")   // 0.0625 foot
                               .Hex("00 00 00 00 00 00 E0 3F")   // 0.5 foot
                               .Hex("00 00 00 00 00 00 C0 3F")   // 0.125 foot
                               .Hex("00 00 00 00 00 00 D0 3F")   // 0.25 foot
                               .Hex("00 00 D0 41")               // 26.0f
                               .Text("W12 X 26", 30)
                               .Text("D", 1)
                               .Get();
    ASSERT_EQ(expected.size(), ShapeRecordImage::size);
    EXPECT_EQ(ShapeRecordImage::Encode(SampleShape()), expected);
}

TEST(ShapeRecordImage, ReadsBackWhatWasWritten)
{
    ShapeRecord shape = SampleShape();
    shape.weight = 26.1;   // single precision in the image
    const ShapeRecord r = ShapeRecordImage::Decode(ShapeRecordImage::Encode(shape));
    EXPECT_EQ(r.desctp, "W ");
    EXPECT_EQ(r.desc, "12X26");
    EXPECT_EQ(r.depth.GetValue(), 12.0);
    EXPECT_EQ(r.webThickness.GetValue(), 0.75);
    EXPECT_EQ(r.flangeWidth.GetValue(), 6.0);
    EXPECT_EQ(r.flangeThickness.GetValue(), 1.5);
    EXPECT_EQ(r.flangeGage.GetValue(), 3.0);
    EXPECT_EQ(r.depth.GetUnits(), 1);
    EXPECT_EQ(r.weight, double(26.1f));
    EXPECT_EQ(r.formal, "W12 X 26");
    EXPECT_EQ(r.kind, shapeBeam);
    EXPECT_EQ(r.measuringSystem, 1);
}

TEST(ShapeRecordImage, MeasuringSystemAndKindFromTheImage)
{
    const struct {
        const char* type;
        char letter;
        int kind, system;
    } cases[] = {
        {"L ", 'E', shapeAngle, 0},  {"C ", 'D', shapeChannel, 1}, {"MC", 'M', shapeChannel, 2},
        {"FB", 'X', shapeFlat, 1},   {"P ", ' ', shapePlate, 1},   {"PL", 'e', shapePlate, 1},
        {"T ", 'E', shapeBeam, 0},   {"l ", 'E', shapeBeam, 0},    {" L", 'E', shapeBeam, 0},
        {"W ", 'E', shapeBeam, 0},
    };
    for (const auto& c : cases) {
        Bytes image = ShapeRecordImage::Encode(SampleShape());
        image[0] = std::uint8_t(c.type[0]);
        image[1] = std::uint8_t(c.type[1]);
        image[96] = std::uint8_t(c.letter);
        const ShapeRecord r = ShapeRecordImage::Decode(image);
        EXPECT_EQ(r.desctp, c.type);
        EXPECT_EQ(r.kind, c.kind) << c.type;
        EXPECT_EQ(r.measuringSystem, c.system) << c.letter;
        EXPECT_EQ(r.flangeGage.GetUnits(), c.system) << c.letter;
    }
}

TEST(RecordImages, MalformedImagesAreRefused)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Bytes part = PartRecordImage::Encode(PartRecord());
    std::memcpy(part.data() + 34, &nan, 8);
    Bytes mult = MultRecordImage::Encode(MultRecord());
    const double inf = std::numeric_limits<double>::infinity();
    std::memcpy(mult.data() + 52, &inf, 8);
    Bytes shape = ShapeRecordImage::Encode(SampleShape());
    const float nanf = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(shape.data() + 62, &nanf, 4);

    EXPECT_THROW(PartRecordImage::Decode(part), RecordImageError);
    EXPECT_THROW(MultRecordImage::Decode(mult), RecordImageError);
    EXPECT_THROW(ShapeRecordImage::Decode(shape), RecordImageError);
    EXPECT_THROW(PartRecordImage::Decode(Bytes(226, ' ')), RecordImageError);
    EXPECT_THROW(MultRecordImage::Decode(Bytes(291, ' ')), RecordImageError);
    EXPECT_THROW(ShapeRecordImage::Decode(Bytes()), RecordImageError);
}
