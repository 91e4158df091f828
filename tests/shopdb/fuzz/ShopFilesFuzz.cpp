#include "tests/shopdb/fuzz/ShopFilesFuzz.h"

#include "shopdb/DetailConversion.h"
#include "shopdb/IndexFile.h"
#include "shopdb/LinkFile.h"
#include "shopdb/RecordFile.h"
#include "records/RecordImage.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Runs one operation; an "Invalid File" error is an expected answer to a hostile file.
template <class Operation> void Try(Operation operation)
{
    try {
        operation();
    } catch (const fw::FileException& e) {
        if (e.cause() != fw::FileException::invalidFile)
            std::abort();
    }
}

std::unique_ptr<shopdb::FileMedium> Medium(const Bytes& bytes, bool writable)
{
    return std::make_unique<shopdb::MemoryMedium>(std::make_shared<Bytes>(bytes), !writable);
}

// Reads the records where a file of one-chunk records would have them.
void ReadRecords(const Bytes& bytes, std::uint8_t a)
{
    CRecordFile file;
    file.SetRecordLength(std::uint16_t(1 + a * 2));
    file.Open(Medium(bytes, false), "F.REC");
    for (std::size_t address = 0; address <= bytes.size(); address += CRecordFile::firstHeadSize + file.GetRecordLength())
        Try([&] { file.Read(std::int32_t(address)); });
}

int CompareBytes(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length)
{
    const int order = std::memcmp(entryKey, key, length);
    return order > 0 ? -1 : order < 0 ? 1 : 0;
}

// A key from the bytes at an offset, filled up with a byte where they run out.
Bytes KeyFrom(const Bytes& bytes, std::size_t offset, std::size_t length, std::uint8_t fill)
{
    Bytes key(length, fill);
    for (std::size_t i = 0; i < length && offset + i < bytes.size(); ++i)
        key[i] = bytes[offset + i];
    return key;
}

void WalkIndex(CIndexFile& index)
{
    for (index.First(); (index.GetStatus() & CPowerFile::statusEnd) == 0;)
        index.Next();
}

// Walks, finds and then inserts keys made from the file's own bytes.
void UseIndex(const Bytes& bytes, std::uint8_t a, std::uint8_t b)
{
    for (const bool writable : {false, true}) {
        CIndexFile index;
        index.Setup(2 + a % 7, 1 + b % 40);
        index.Open(Medium(bytes, writable), "F.NDX");
        Try([&] { WalkIndex(index); });
        Try([&] { index.Last(); });
        for (std::size_t i = 0; i < 24; ++i) {
            const Bytes key = KeyFrom(bytes, i * 3, std::size_t(index.Layout().keyLength), std::uint8_t(i * 11));
            std::int32_t address = std::int32_t(i);
            Try([&] { index.FindOrInsert(key, writable ? CIndexFile::modeInsert : CIndexFile::modeFind, address, CompareBytes); });
        }
        Try([&] { WalkIndex(index); });
    }
}

void WalkChain(CLinkFile& link)
{
    for (link.First(); (link.GetStatus() & CPowerFile::statusEnd) == 0;)
        link.Next();
}

// Walks a chain, jumps into it and links new nodes at both ends and in the middle.
void UseLinks(const Bytes& bytes, std::uint8_t a, std::uint8_t b)
{
    const std::int32_t chain = a == 0xFF ? -1 : std::int32_t((a | (b << 8)) % (bytes.size() + 13)) - 12;
    for (const bool writable : {false, true}) {
        CLinkFile link;
        bool opened = false;
        Try([&] {
            link.Open(Medium(bytes, writable), "F.LNK", chain);
            opened = true;
        });
        if (!opened)
            continue;
        Try([&] { WalkChain(link); });
        Try([&] { link.GoTo(std::int32_t(b) * 12); });
        if (writable) {
            Try([&] { link.InsertLast(1); });
            Try([&] { link.InsertFirst(2); });
            Try([&] { link.InsertAfter(3); });
            Try([&] { link.InsertBefore(4); });
            Try([&] { WalkChain(link); });
        }
    }
}

// Decodes the file's first bytes as each detail record and makes a pattern of the pattern
// record; a record refused as malformed is an expected answer.
void ReadDetails(const Bytes& bytes, std::uint8_t fill)
{
    const auto image = [&](std::size_t size) { return KeyFrom(bytes, 0, size, fill); };
    const auto tryRecord = [](auto decode) {
        try {
            decode();
        } catch (const RecordImageError&) {
        }
    };
    tryRecord([&] { PatternOfRecord(PatternRecordImage::Decode(image(PatternRecordImage::size))); });
    tryRecord([&] { StencilOfRecord(StencilRecordImage::Decode(image(StencilRecordImage::size))); });
    tryRecord([&] { PartListRecordImage::Decode(image(PartListRecordImage::size)); });
    tryRecord([&] { ToolListRecordImage::Decode(image(ToolListRecordImage::size)); });
}

} // namespace

int FuzzShopFiles(const std::uint8_t* data, std::size_t size)
{
    if (size < 4)
        return 0;
    const Bytes file(data + 4, data + size);
    switch (data[0] % 4) {
    case 0: ReadRecords(file, data[1]); break;
    case 1: UseIndex(file, data[1], data[2]); break;
    case 2: UseLinks(file, data[1], data[2]); break;
    default: ReadDetails(file, data[1]); break;
    }
    return 0;
}
