#pragma once
// The parts of a mult as the shop database's part-list records: one record per part, in list
// order, and back. Reading a record looks for its part file (job\group\mark.prt below the
// Job/Group directory of the default job drive) to take the part's header and tools.

#include "machmult/PartList.h"
#include "shopdb/DetailRecords.h"

#include <memory>
#include <vector>

class CPartlistAccess;

// Job, group, mark, length, quantity, offset and both remarks (the record cuts the texts).
PartListRecord PartListRecordOf(const CMultPart& part);
std::vector<PartListRecord> PartListRecordsOf(const CPartList& parts);

// A mult part at a list index from a record: job and group "NONE" when empty; the header and
// per-face tools of its part file when that file loads; then quantity, length, offset and
// remarks from the record.
std::unique_ptr<CMultPart> MultPartOfRecord(const PartListRecord& record, int listIndex);

// Appends the parts' records to the open chain; a part that does not fit its record
// (RecordImageError) leaves the chain unchanged.
void WritePartList(CPartlistAccess& access, const CPartList& parts);
// Adds the chain's parts, numbered 0, 1, 2 ... in chain order, to the list by its sorted insert;
// a part the list refuses is dropped. A record that cannot be read leaves the list unchanged.
void ReadPartList(CPartlistAccess& access, CPartList& parts);
// The same from records read before (MultPartOfRecord: the part files are looked for now).
void AddPartListRecords(const std::vector<PartListRecord>& records, CPartList& parts);
