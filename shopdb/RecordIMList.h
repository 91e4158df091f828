#pragma once
// The record cache of a record file: the records read or appended since it was last cleared,
// by ascending address. The cache owns them.

#include "shopdb/RecordInMemory.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>

class CRecordIMList {
public:
    // The cached record at an address, or nullptr.
    CRecordInMemory* Find(std::int32_t address) const;
    // Takes a record with its address set; a record cached at the same address is replaced.
    CRecordInMemory& Insert(std::unique_ptr<CRecordInMemory> record);
    void Clear() { records_.clear(); }
    std::size_t GetCount() const { return records_.size(); }

private:
    std::map<std::int32_t, std::unique_ptr<CRecordInMemory>> records_;
};
