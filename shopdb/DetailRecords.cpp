#include "shopdb/DetailRecords.h"

#include "records/RecordImage.h"

#include <limits>

namespace {

// Lengths are stored as feet.
void PutInches(RecordImage& image, std::size_t offset, double inches) { image.PutDouble(offset, inches / 12.0); }

void PutI16(RecordImage& image, std::size_t offset, int value, std::string_view field, std::string_view owner)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        throw RecordImageError("The " + std::string(field) + " " + std::to_string(value) + " of " + std::string(owner) +
                               " does not fit the shop record (-32768 to 32767).");
    image.PutU16(offset, std::uint16_t(value));
}

int GetI16(const RecordImage& image, std::size_t offset) { return std::int16_t(image.GetU16(offset)); }

// A count refused when negative or too large, like any 16-bit field.
std::uint16_t FitCount(int count, std::string_view field, std::string_view owner)
{
    return FitU16(count < 0 ? std::numeric_limits<std::uint32_t>::max() : std::uint32_t(count), field, owner);
}

namespace pattern {
enum Offset : std::size_t {
    planeStartX = 0, planeStartU = 8, planeDirectionX = 16, planeDirectionU = 17, planeRise = 18, planeRun = 26,
    planeType = 34, startX = 35, startU = 43, countX = 51, incrementX = 53, countU = 61, incrementU = 63,
    toolType = 71, toolSizeB = 73, toolSizeA = 81, orientation = 89, holes = 92, reserved = 94, operation = 96
};
} // namespace pattern

namespace partList {
enum Offset : std::size_t {
    job = 0, group = 10, mark = 20, length = 38, quantity = 46, offset = 48, remarkA = 56, remarkB = 96
};
} // namespace partList

} // namespace

char PatternRecordImage::OperationLetter(int operation)
{
    switch (operation) {
    case PatternRecord::frontLayout: return 'F';
    case PatternRecord::backLayout: return 'B';
    default: return 'H';
    }
}

int PatternRecordImage::OperationOfLetter(char letter)
{
    switch (letter) {
    case 'B': return PatternRecord::backLayout;
    case 'F':
    case 'M': return PatternRecord::frontLayout;
    default: return PatternRecord::hole;
    }
}

std::vector<std::uint8_t> PatternRecordImage::Encode(const PatternRecord& r)
{
    using namespace pattern;
    const std::uint16_t countXField = FitCount(r.countX, "count X", "a pattern");
    const std::uint16_t countUField = FitCount(r.countU, "count U", "a pattern");
    RecordImage image(size);
    PutInches(image, planeStartX, r.planeStartX);
    PutInches(image, planeStartU, r.planeStartU);
    image.PutByte(planeDirectionX, std::uint8_t(r.planeDirectionX));
    image.PutByte(planeDirectionU, std::uint8_t(r.planeDirectionU));
    PutInches(image, planeRise, r.planeRise);
    PutInches(image, planeRun, r.planeRun);
    image.PutByte(planeType, std::uint8_t(r.planeType));
    PutInches(image, startX, r.startX);
    PutInches(image, startU, r.startU);
    image.PutU16(countX, countXField);
    PutInches(image, incrementX, r.incrementX);
    image.PutU16(countU, countUField);
    PutInches(image, incrementU, r.incrementU);
    image.PutText(toolType, 2, r.toolType);
    PutInches(image, toolSizeB, r.toolSizeB);
    PutInches(image, toolSizeA, r.toolSizeA);
    PutI16(image, orientation, r.orientation, "orientation", "a pattern");
    image.PutU16(holes, FitU16(std::uint32_t(countXField) * countUField, "number of holes", "a pattern"));
    image.PutU16(reserved, 0);
    image.PutByte(operation, std::uint8_t(OperationLetter(r.operation)));
    return image.TakeBytes();
}

PatternRecord PatternRecordImage::Decode(std::span<const std::uint8_t> bytes)
{
    using namespace pattern;
    const RecordImage image(bytes, size, "pattern");
    PatternRecord r;
    r.planeStartX = image.GetInches(planeStartX);
    r.planeStartU = image.GetInches(planeStartU);
    r.planeDirectionX = char(image.GetByte(planeDirectionX));
    r.planeDirectionU = char(image.GetByte(planeDirectionU));
    r.planeRise = image.GetInches(planeRise);
    r.planeRun = image.GetInches(planeRun);
    r.planeType = char(image.GetByte(planeType));
    r.startX = image.GetInches(startX);
    r.startU = image.GetInches(startU);
    r.countX = image.GetU16(countX);
    r.incrementX = image.GetInches(incrementX);
    r.countU = image.GetU16(countU);
    r.incrementU = image.GetInches(incrementU);
    r.toolType = image.GetTrimmedText(toolType, 2);
    r.toolSizeB = image.GetInches(toolSizeB);
    r.toolSizeA = image.GetInches(toolSizeA);
    r.orientation = GetI16(image, orientation);
    r.operation = OperationOfLetter(char(image.GetByte(operation)));
    return r;
}

std::vector<std::uint8_t> StencilRecordImage::Encode(const StencilRecord& r)
{
    RecordImage image(size);
    PutInches(image, 0, r.x);
    PutInches(image, 8, r.u);
    image.PutText(16, textWidth, r.text);
    return image.TakeBytes();
}

StencilRecord StencilRecordImage::Decode(std::span<const std::uint8_t> bytes)
{
    const RecordImage image(bytes, size, "stencil");
    return {image.GetInches(0), image.GetInches(8), image.GetTrimmedText(16, textWidth)};
}

std::vector<std::uint8_t> PartListRecordImage::Encode(const PartListRecord& r)
{
    using namespace partList;
    const std::uint16_t quantityField = FitU16(r.quantity, "quantity", "part " + r.mark);
    RecordImage image(size);
    image.PutText(job, 10, r.job);
    image.PutText(group, 10, r.group);
    image.PutText(mark, 10, r.mark);
    PutInches(image, length, r.length);
    image.PutU16(quantity, quantityField);
    PutInches(image, offset, r.offset);
    image.PutText(remarkA, 40, r.remarkA);
    image.PutText(remarkB, 40, r.remarkB);
    return image.TakeBytes();
}

PartListRecord PartListRecordImage::Decode(std::span<const std::uint8_t> bytes)
{
    using namespace partList;
    const RecordImage image(bytes, size, "part list");
    PartListRecord r;
    r.job = image.GetTrimmedText(job, 10);
    r.group = image.GetTrimmedText(group, 10);
    r.mark = image.GetTrimmedText(mark, 10);
    r.length = image.GetInches(length);
    r.quantity = image.GetU16(quantity);
    r.offset = image.GetInches(offset);
    r.remarkA = image.GetTrimmedText(remarkA, 40);
    r.remarkB = image.GetTrimmedText(remarkB, 40);
    return r;
}

std::vector<std::uint8_t> ToolListRecordImage::Encode(const ToolListRecord& r)
{
    RecordImage image(size);
    image.PutText(0, 2, r.type);
    PutInches(image, 2, r.sizeB);
    PutInches(image, 10, r.sizeA);
    PutI16(image, 18, r.orientation, "orientation", "a tool");
    return image.TakeBytes();
}

ToolListRecord ToolListRecordImage::Decode(std::span<const std::uint8_t> bytes)
{
    const RecordImage image(bytes, size, "tool list");
    return {image.GetTrimmedText(0, 2), image.GetInches(2), image.GetInches(10), GetI16(image, 18)};
}
