#include "records/PartRecord.h"

#include "records/RecordImage.h"

#include <array>

namespace {

enum Offset : std::size_t {
    jobId = 0, group = 10, mark = 20, quantity = 30, length = 34, shapeDesctp = 42, shapeDesc = 44, grade = 64,
    fabCode = 74, measureWebDepth = 84, remarkA = 85, remarkB = 125, zeros = 165, chains = 177,
    measuringSystem = 225, channelLeg = 226,
};
constexpr std::size_t kZeroBytes = 12;
constexpr std::size_t kChainSlots = 12;

// The chain slots in image order; nullptr for the three unused ones.
template <class Chains> auto Slots(Chains& c)
{
    return std::array<decltype(&c.webHoles), kChainSlots>{
        &c.webHoles,    &c.topFlangeHoles,    &c.bottomFlangeHoles,
        &c.webStencils, &c.topFlangeStencils, &c.bottomFlangeStencils,
        nullptr,        nullptr,              nullptr,
        &c.webLayouts,  &c.topFlangeLayouts,  &c.bottomFlangeLayouts,
    };
}

} // namespace

std::vector<std::uint8_t> PartRecordImage::Encode(const PartRecord& r, const PartChains& chains)
{
    RecordImage image(size);
    image.PutText(jobId, 10, r.jobId);
    image.PutText(group, 10, r.group);
    image.PutText(mark, 10, r.mark);
    image.PutU16(quantity, FitU16(r.quantity, "quantity", "part " + r.jobId + " " + r.group + " " + r.mark));
    image.PutU16(quantity + 2, 0);
    image.PutFeet(length, r.length);
    image.PutText(shapeDesctp, 2, r.shapeDesctp);
    image.PutText(shapeDesc, 20, r.shapeDesc);
    image.PutText(grade, 10, r.grade);
    image.PutText(fabCode, 10, r.fabCode);
    image.PutByte(measureWebDepth, r.measureWebDepth != 0 ? 'Y' : 'N');
    image.PutText(remarkA, 40, r.remarkA);
    image.PutText(remarkB, 40, r.remarkB);
    image.Fill(zeros, kZeroBytes, 0);
    std::size_t offset = Offset::chains;
    for (const std::int32_t* slot : Slots(chains)) {
        image.PutI32(offset, slot ? *slot : -1);
        offset += 4;
    }
    image.PutByte(measuringSystem, std::uint8_t(MeasuringSystemLetter(r.measuringSystem)));
    image.PutByte(channelLeg, r.channelLeg == 1 ? 'N' : 'F');
    return image.TakeBytes();
}

PartRecord PartRecordImage::Decode(std::span<const std::uint8_t> bytes, PartChains* chains)
{
    const RecordImage image(bytes, size, "part");
    PartRecord r;
    r.jobId = image.GetTrimmedText(jobId, 10);
    r.group = image.GetTrimmedText(group, 10);
    r.mark = image.GetTrimmedText(mark, 10);
    r.quantity = image.GetU16(quantity);
    r.shapeDesctp = image.GetText(shapeDesctp, 2);
    r.shapeDesc = image.GetTrimmedText(shapeDesc, 20);
    r.grade = image.GetTrimmedText(grade, 10);
    r.fabCode = image.GetTrimmedText(fabCode, 10);
    r.measureWebDepth = image.GetByte(measureWebDepth) == 'Y' ? 1 : 0;
    r.remarkA = image.GetTrimmedText(remarkA, 40);
    r.remarkB = image.GetTrimmedText(remarkB, 40);
    r.measuringSystem = MeasuringSystemOfLetter(char(image.GetByte(measuringSystem)), 0);
    r.channelLeg = image.GetByte(channelLeg) == 'N' ? 1 : 0;
    r.length.SetUnits(r.measuringSystem);
    r.length.SetValue(image.GetInches(length));
    if (chains) {
        std::size_t offset = Offset::chains;
        for (std::int32_t* slot : Slots(*chains)) {
            if (slot)
                *slot = image.GetI32(offset);
            offset += 4;
        }
    }
    return r;
}
