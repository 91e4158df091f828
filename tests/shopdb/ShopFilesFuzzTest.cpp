// The fuzz body over well-formed files and every truncation and byte change of them.
#include "shopdb/DetailConversion.h"
#include "shopdb/IndexFile.h"
#include "shopdb/LinkFile.h"
#include "shopdb/RecordFile.h"

#include "MemoryFiles.h"
#include "tests/shopdb/fuzz/ShopFilesFuzz.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace shopdb::test;

namespace {

// A fuzz input: kind and parameters, then the file.
Bytes Input(std::uint8_t kind, std::uint8_t a, std::uint8_t b, const Bytes& file)
{
    return Cat({{kind, a, b, 0}, file});
}

Bytes RecordSeed()
{
    auto bytes = NewBytes();
    CRecordFile file;
    file.SetRecordLength(9);   // the fuzz body's record length for a = 4
    file.Open(Medium(bytes), "S.REC");
    for (int i = 0; i < 5; ++i)
        file.Append(file.NewRecord());
    return *bytes;
}

int CompareKeyBytes(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length)
{
    const int order = std::memcmp(entryKey, key, length);
    return order > 0 ? -1 : order < 0 ? 1 : 0;
}

Bytes IndexSeed()
{
    auto bytes = NewBytes();
    CIndexFile index;
    index.Setup(2, 2);   // the fuzz body's layout for a = 0, b = 1
    index.Open(Medium(bytes), "S.NDX");
    for (int i = 0; i < 30; ++i) {
        std::int32_t address = i;
        index.FindOrInsert(Bytes{std::uint8_t(i * 37), std::uint8_t(i)}, CIndexFile::modeInsert, address, CompareKeyBytes);
    }
    return *bytes;
}

Bytes LinkSeed()
{
    auto bytes = NewBytes();
    CLinkFile link;
    link.Open(Medium(bytes), "S.LNK", -1);
    for (int i = 0; i < 6; ++i)
        link.InsertAfter(i);
    return *bytes;
}

// A pattern record of 3 x 4 holes.
Bytes PatternSeed()
{
    PatternRecord record;
    record.countX = 3;
    record.countU = 4;
    record.incrementX = 3;
    record.incrementU = 3;
    record.toolType = "RD";
    record.toolSizeA = 0.8125;
    return PatternRecordImage::Encode(record);
}

void FuzzAround(const Bytes& input)
{
    FuzzShopFiles(input.data(), input.size());
    for (std::size_t length = 0; length < input.size(); ++length)
        FuzzShopFiles(input.data(), length);
    for (std::size_t at = 4; at < input.size(); ++at) {
        for (const std::uint8_t value : {0x00, 0x0C, 0xFF}) {
            Bytes changed = input;
            changed[at] = value;
            FuzzShopFiles(changed.data(), changed.size());
        }
    }
}

TEST(ShopFilesFuzz, ReadersSurviveDamagedFiles)
{
    FuzzAround(Input(0, 4, 0, RecordSeed()));
    FuzzAround(Input(1, 0, 1, IndexSeed()));
    FuzzAround(Input(2, 12, 0, LinkSeed()));   // the chain at offset 0
    FuzzAround(Input(3, 0x20, 0, PatternSeed()));
}

} // namespace
