#include "records/ShapeRecord.h"

#include "records/RecordImage.h"

#include <array>
#include <cmath>

namespace {

enum Offset : std::size_t { desctp = 0, desc = 2, dimensions = 22, weight = 62, formal = 66, measuringSystem = 96 };

// D, TW, BF, TF and SFG in image order.
template <class Record> auto Dimensions(Record& r)
{
    return std::array{&r.depth, &r.webThickness, &r.flangeWidth, &r.flangeThickness, &r.flangeGage};
}

} // namespace

std::vector<std::uint8_t> ShapeRecordImage::Encode(const ShapeRecord& r)
{
    RecordImage image(size);
    image.PutText(desctp, 2, r.desctp);
    image.PutText(desc, 20, r.desc);
    std::size_t offset = dimensions;
    for (const CDimension* d : Dimensions(r)) {
        image.PutFeet(offset, *d);
        offset += 8;
    }
    image.PutFloat(weight, float(r.weight));
    image.PutText(formal, 30, r.formal);
    image.PutByte(measuringSystem, std::uint8_t(MeasuringSystemLetter(r.measuringSystem)));
    return image.TakeBytes();
}

ShapeRecord ShapeRecordImage::Decode(std::span<const std::uint8_t> bytes)
{
    const RecordImage image(bytes, size, "shape");
    ShapeRecord r;
    r.desctp = image.GetText(desctp, 2);
    r.desc = image.GetTrimmedText(desc, 20);
    r.measuringSystem = MeasuringSystemOfLetter(char(image.GetByte(measuringSystem)), 1);
    std::size_t offset = dimensions;
    for (CDimension* d : Dimensions(r)) {
        d->SetUnits(r.measuringSystem);
        d->SetValue(image.GetInches(offset));
        offset += 8;
    }
    r.weight = image.GetFloat(weight);
    if (!std::isfinite(r.weight))
        throw RecordImageError("The weight of shape " + r.desctp + r.desc + " in the record is not a number.");
    r.formal = image.GetTrimmedText(formal, 30);
    r.kind = KindOfType(r.desctp);
    return r;
}

int ShapeRecordImage::KindOfType(std::string_view type)
{
    if (type == "L ")
        return shapeAngle;
    if (type == "C " || type == "MC")
        return shapeChannel;
    if (type == "FB")
        return shapeFlat;
    if (type == "P " || type == "PL")
        return shapePlate;
    return shapeBeam;
}
