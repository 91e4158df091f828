#pragma once
// A record file: fixed-length records addressed by byte offset, each stored as a chain of chunks.
//
// First chunk: flag byte, 16-bit chunk length, 32-bit address of the next chunk (0xFFFFFFFF for
// none), then the chunk's bytes. Further chunks: 16-bit length, 32-bit next address, bytes. This
// program appends every record as one chunk of the record length; it reads chained records too.

#include "shopdb/PowerFile.h"
#include "shopdb/RecordIMList.h"

#include <cstdint>
#include <memory>

class CRecordFile : public CPowerFile {
public:
    static constexpr std::uint32_t noNextChunk = 0xFFFFFFFF;
    static constexpr int firstHeadSize = 7;
    static constexpr int nextHeadSize = 6;

    void SetRecordLength(std::uint16_t length) { recordLength_ = length; }
    std::uint16_t GetRecordLength() const { return recordLength_; }

    // A new record of the file's record length: blanks, address -1, flag 0.
    std::unique_ptr<CRecordInMemory> NewRecord() const;
    // Stores a record of the record length at the end of the file and returns its address; the
    // record then belongs to the cache.
    std::int32_t Append(std::unique_ptr<CRecordInMemory> record);
    // The record at an address, from the cache or the file; it belongs to the cache. A record
    // whose chunks leave the file or loop is an Invalid File error; a chain that ends early leaves
    // the rest of the record blank.
    const CRecordInMemory& Read(std::int32_t address);
    void ClearCache() { cache_.Clear(); }
    std::size_t CachedCount() const { return cache_.GetCount(); }

protected:
    void OnOpened() override { cache_.Clear(); }

private:
    void ReadChunks(CRecordInMemory& record);

    std::uint16_t recordLength_ = 0;
    CRecordIMList cache_;
};
