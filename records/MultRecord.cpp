#include "records/MultRecord.h"

#include "records/RecordImage.h"

namespace {

enum Offset : std::size_t {
    job = 0, group = 10, mark = 20, sequence = 30, quantity = 32, length = 36, kerf = 44, drop = 52,
    shapeDesctp = 60, shapeDesc = 62, grade = 82, zeros = 92, toolLists = 152, partList = 176, machine = 180,
    partFileSet = 195, remarkA = 210, remarkB = 250,
};
constexpr std::size_t kZeroBytes = 60;

} // namespace

std::vector<std::uint8_t> MultRecordImage::Encode(const MultRecord& r, const MultLinks& links)
{
    const std::string owner = "mult " + r.job + " " + r.group + " " + r.mark;
    if (links.partFileSet.size() > partFileSetWidth)
        throw RecordImageError("The file set name " + links.partFileSet + " of " + owner +
                               " is too long for the shop record (at most 15 characters).");
    RecordImage image(size);
    image.PutText(job, 10, r.job);
    image.PutText(group, 10, r.group);
    image.PutText(mark, 10, r.mark);
    image.PutU16(sequence, FitU16(r.sequence, "sequence", owner));
    image.PutU16(quantity, FitU16(r.quantity, "quantity", owner));
    image.PutU16(quantity + 2, 0);
    image.PutFeet(length, r.length);
    image.PutFeet(kerf, r.kerf);
    image.PutFeet(drop, r.drop);
    image.PutText(shapeDesctp, 2, r.shapeDesctp);
    image.PutText(shapeDesc, 20, r.shapeDesc);
    image.PutText(grade, 10, r.grade);
    image.Fill(zeros, kZeroBytes, 0);
    for (std::size_t i = 0; i < links.toolLists.size(); ++i)
        image.PutI32(toolLists + 4 * i, links.toolLists[i]);
    image.PutI32(partList, links.partList);
    image.PutText(machine, 15, r.machine);
    image.Fill(partFileSet, partFileSetWidth, 0);
    image.PutText(partFileSet, partFileSetWidth, links.partFileSet);
    image.PutText(remarkA, 40, r.remarkA);
    image.PutText(remarkB, 40, r.remarkB);
    return image.TakeBytes();
}

MultRecord MultRecordImage::Decode(std::span<const std::uint8_t> bytes, MultLinks* links)
{
    const RecordImage image(bytes, size, "mult");
    MultRecord r;
    r.job = image.GetTrimmedText(job, 10);
    r.group = image.GetTrimmedText(group, 10);
    r.mark = image.GetTrimmedText(mark, 10);
    r.sequence = image.GetU16(sequence);
    r.quantity = image.GetU16(quantity);
    r.length.SetValue(image.GetInches(length));
    r.kerf.SetValue(image.GetInches(kerf));
    r.drop.SetValue(image.GetInches(drop));
    r.shapeDesctp = image.GetText(shapeDesctp, 2);
    r.shapeDesc = image.GetTrimmedText(shapeDesc, 20);
    r.grade = image.GetTrimmedText(grade, 10);
    r.machine = image.GetTrimmedText(machine, 15);
    r.remarkA = image.GetTrimmedText(remarkA, 40);
    r.remarkB = image.GetTrimmedText(remarkB, 40);
    if (links) {
        for (std::size_t i = 0; i < links->toolLists.size(); ++i)
            links->toolLists[i] = image.GetI32(toolLists + 4 * i);
        links->partList = image.GetI32(partList);
        links->partFileSet = image.GetTrimmedText(partFileSet, partFileSetWidth);
    }
    return r;
}
