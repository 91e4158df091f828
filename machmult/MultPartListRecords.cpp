#include "machmult/MultPartListRecords.h"

#include "model/JobPaths.h"
#include "partprog/PartDoc.h"
#include "shopdb/LinkAccess.h"

namespace {

// The part of the file job\group\mark.prt of the Job/Group directory, when it loads.
std::unique_ptr<CMultPart> LoadPart(const std::string& job, const std::string& group, const std::string& mark)
{
    const std::unique_ptr<CPartDoc> doc = CPartDoc::LoadByName(job, group, mark, true);
    return doc ? CMultPart::FromPart(*doc) : nullptr;
}

} // namespace

PartListRecord PartListRecordOf(const CMultPart& part)
{
    const PartRecord& h = part.GetHeader();
    return {h.jobId, h.group, h.mark, h.length.GetValue(), h.quantity, part.GetPartOffset().GetValue(),
            h.remarkA, h.remarkB};
}

std::vector<PartListRecord> PartListRecordsOf(const CPartList& parts)
{
    std::vector<PartListRecord> records;
    for (const CMultPart& part : parts)
        records.push_back(PartListRecordOf(part));
    return records;
}

std::unique_ptr<CMultPart> MultPartOfRecord(const PartListRecord& record, int listIndex)
{
    const std::string job = jobs::FolderName(record.job);
    const std::string group = jobs::FolderName(record.group);
    std::unique_ptr<CMultPart> part = LoadPart(job, group, record.mark);
    if (!part) {
        part = std::make_unique<CMultPart>();
        part->GetHeader().jobId = job;
        part->GetHeader().group = group;
        part->GetHeader().mark = record.mark;
    }
    PartRecord& h = part->GetHeader();
    part->SetListIndex(listIndex);
    h.quantity = record.quantity;
    h.length.SetValue(record.length);
    part->GetPartOffset().SetValue(record.offset);
    h.remarkA = record.remarkA;
    h.remarkB = record.remarkB;
    return part;
}

void WritePartList(CPartlistAccess& access, const CPartList& parts)
{
    access.WritePartList(PartListRecordsOf(parts));
}

void ReadPartList(CPartlistAccess& access, CPartList& parts) { AddPartListRecords(access.ReadPartList(), parts); }

void AddPartListRecords(const std::vector<PartListRecord>& records, CPartList& parts)
{
    std::vector<std::unique_ptr<CMultPart>> read;
    for (std::size_t i = 0; i < records.size(); ++i)
        read.push_back(MultPartOfRecord(records[i], int(i)));
    for (auto& part : read)
        parts.AddSorted(part);
}
