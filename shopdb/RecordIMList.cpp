#include "shopdb/RecordIMList.h"

CRecordInMemory* CRecordIMList::Find(std::int32_t address) const
{
    const auto it = records_.find(address);
    return it == records_.end() ? nullptr : it->second.get();
}

CRecordInMemory& CRecordIMList::Insert(std::unique_ptr<CRecordInMemory> record)
{
    auto& slot = records_[record->address];
    slot = std::move(record);
    return *slot;
}
