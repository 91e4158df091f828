#include "shopdb/RecordFile.h"

#include "shopdb/LittleEndian.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <unordered_set>
#include <vector>

using namespace shopdb;

std::unique_ptr<CRecordInMemory> CRecordFile::NewRecord() const
{
    return std::make_unique<CRecordInMemory>(recordLength_);
}

std::int32_t CRecordFile::Append(std::unique_ptr<CRecordInMemory> record)
{
    if (record->buffer.size() != recordLength_)
        throw std::invalid_argument("CRecordFile::Append: record of the wrong length");
    std::vector<std::uint8_t> bytes(firstHeadSize + recordLength_);
    bytes[0] = std::uint8_t(record->flag);
    PutU16(&bytes[1], recordLength_);
    PutU32(&bytes[3], noNextChunk);
    std::copy(record->buffer.begin(), record->buffer.end(), bytes.begin() + firstHeadSize);
    record->address = AppendBytes(bytes);
    return cache_.Insert(std::move(record)).address;
}

const CRecordInMemory& CRecordFile::Read(std::int32_t address)
{
    if (CRecordInMemory* cached = cache_.Find(address))
        return *cached;
    auto record = NewRecord();
    record->address = address;
    ReadChunks(*record);
    return cache_.Insert(std::move(record));
}

// Follows the chunk chain until the record is full or the chain ends. Every head must lie in the
// file, and no chunk may be visited twice nor more chunks followed than the file has room for
// heads, so a looping chain ends in an error.
void CRecordFile::ReadChunks(CRecordInMemory& record)
{
    std::array<std::uint8_t, firstHeadSize> head{};
    ReadExact(record.address, head);
    record.flag = std::int16_t(std::int8_t(head[0]));
    std::uint16_t chunkLength = GetU16(&head[1]);
    std::uint32_t next = GetU32(&head[3]);
    std::int64_t data = std::int64_t(record.address) + firstHeadSize;
    std::unordered_set<std::uint32_t> visited{std::uint32_t(record.address)};
    std::size_t filled = 0;
    for (;;) {
        const std::size_t take = std::min<std::size_t>(chunkLength, recordLength_ - filled);
        ReadExact(data, std::span(record.buffer).subspan(filled, take));
        filled += take;
        if (filled == recordLength_ || next == noNextChunk)
            return;
        if (!visited.insert(next).second || visited.size() > Length() / nextHeadSize)
            ThrowInvalidFile();
        ReadExact(next, std::span(head).first(nextHeadSize));
        data = std::int64_t(next) + nextHeadSize;
        chunkLength = GetU16(&head[0]);
        next = GetU32(&head[2]);
    }
}
