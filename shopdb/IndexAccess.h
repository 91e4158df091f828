#pragma once
// A header record file with its index: records are appended to the record file and found by key
// through the index file beside it (the same path ending in "NDX"). The kinds differ in record
// length, key length and key order; a record's key is the start of the record.

#include "shopdb/IndexFile.h"
#include "shopdb/RecordFile.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

class CIndexAccess {
public:
    static constexpr int keysPerBlock = 6;

    virtual ~CIndexAccess() = default;
    CIndexAccess(const CIndexAccess&) = delete;
    CIndexAccess& operator=(const CIndexAccess&) = delete;

    // Opens the record file and its index with the same flags; when the index cannot be opened
    // the record file is closed again. True when both are open.
    bool Open(std::string_view recordPath, unsigned flags = CPowerFile::writeFlags);
    // Why the last Open failed (the record file's error, else the index's).
    const fw::FileException& OpenError() const;
    void Close();

    std::unique_ptr<CRecordInMemory> NewRecord() const { return records_.NewRecord(); }
    // Appends a record and indexes it by its key; a key already there is given the new record.
    // Returns the record's address.
    std::int32_t Add(std::unique_ptr<CRecordInMemory> record);
    // The key of a record, in the key buffer.
    std::span<const std::uint8_t> MakeKey(const CRecordInMemory& record);
    // The index operation with this kind's key order.
    bool FindOrInsert(std::span<const std::uint8_t> key, CIndexFile::Mode mode, std::int32_t& address);

    // A walk over the records in key order: First, then Next until the status has statusEnd;
    // Read gives the record at each address.
    std::int32_t First() { return index_.First(); }
    std::int32_t Next() { return index_.Next(); }
    int GetStatus() const { return index_.GetStatus(); }
    const CRecordInMemory& Read(std::int32_t address) { return records_.Read(address); }

    // Unsigned bytes, the first difference decides.
    static int CompareBytes(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length);

protected:
    CIndexAccess(std::size_t recordLength, std::size_t keyLength, CIndexFile::Compare compare);

private:
    CRecordFile records_;
    CIndexFile index_;
    std::vector<std::uint8_t> key_;
    CIndexFile::Compare compare_;
};
