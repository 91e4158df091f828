#include "shopdb/IndexFile.h"

#include "MemoryFiles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <random>

using namespace shopdb::test;

namespace {

int CompareBytes(const std::uint8_t* entryKey, const std::uint8_t* key, std::size_t length)
{
    const int order = std::memcmp(entryKey, key, length);
    return order > 0 ? -1 : order < 0 ? 1 : 0;
}

struct Entry {
    Bytes key;
    std::int32_t address;
    std::int32_t right = -1;
};

// A block image of blockSize bytes: used length, P0, the entries, zeros after them.
Bytes BlockImage(std::size_t blockSize, std::int32_t p0, const std::vector<Entry>& entries)
{
    Bytes body = Le32(p0);
    for (const Entry& e : entries)
        body = Cat({body, e.key, Le32(e.address), Le32(e.right)});
    Bytes block = Cat({Le16(std::uint16_t(2 + body.size())), body});
    block.resize(blockSize, 0);
    return block;
}

std::optional<std::int32_t> FindIn(CIndexFile& index, const Bytes& key)
{
    std::int32_t address = -2;
    if (!index.FindOrInsert(key, CIndexFile::modeFind, address, CompareBytes))
        return std::nullopt;
    return address;
}

// The record addresses of a whole walk.
std::vector<std::int32_t> WalkOf(CIndexFile& index)
{
    std::vector<std::int32_t> seen;
    for (std::int32_t address = index.First(); (index.GetStatus() & CPowerFile::statusEnd) == 0; address = index.Next())
        seen.push_back(address);
    return seen;
}

struct IndexFileTest : ::testing::Test {
    std::shared_ptr<Bytes> bytes = NewBytes();
    CIndexFile index;

    void OpenWith(int keysPerBlock, int keyLength, bool readOnly = false)
    {
        index.Setup(keysPerBlock, keyLength);
        index.Open(Medium(bytes, readOnly), "C:\\SHOP\\PART\\T.NDX");
    }
    Bytes Key(const std::string& text) const
    {
        Bytes key = Text(text);
        key.resize(std::size_t(index.Layout().keyLength), ' ');
        return key;
    }
    void Insert(const std::string& text, std::int32_t address)
    {
        index.FindOrInsert(Key(text), CIndexFile::modeInsert, address, CompareBytes);
    }
    std::optional<std::int32_t> Find(const std::string& text) { return FindIn(index, Key(text)); }
    std::vector<std::int32_t> Walk() { return WalkOf(index); }
};

TEST_F(IndexFileTest, NewFileHoldsTheEmptyRoot)
{
    OpenWith(6, 30);
    EXPECT_EQ(*bytes, (Bytes{0x06, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(IndexFileTest, FirstInsertWritesTheRootAsAFullBlock)
{
    OpenWith(6, 30);
    Insert("J1", 0);
    EXPECT_EQ(*bytes, BlockImage(234, -1, {{Key("J1"), 0}}));
}

TEST_F(IndexFileTest, BlockSizesFollowTheKeyLength)
{
    for (const auto& [keyLength, blockSize] : {std::pair{30, 234}, {32, 246}, {22, 186}}) {
        index.Setup(6, keyLength);
        EXPECT_EQ(index.Layout().BlockSize(), blockSize);
        EXPECT_EQ(index.Layout().BufferSize(), blockSize + keyLength + 8);
    }
}

TEST_F(IndexFileTest, SeventhKeySplitsTheRoot)
{
    OpenWith(6, 30);
    for (int i = 1; i <= 7; ++i)
        Insert("KEY" + std::to_string(i), 234 * (i - 1));
    const auto entry = [this](int i, std::int32_t right = -1) {
        return Entry{Key("KEY" + std::to_string(i)), 234 * (i - 1), right};
    };
    EXPECT_EQ(*bytes, Cat({BlockImage(234, 468, {entry(4, 234)}),                  // root
                           BlockImage(234, -1, {entry(5), entry(6), entry(7)}),    // right half
                           BlockImage(234, -1, {entry(1), entry(2), entry(3)})})); // left half
    EXPECT_TRUE(index.GetSplit());
    EXPECT_EQ(Walk(), (std::vector<std::int32_t>{0, 234, 468, 702, 936, 1170, 1404}));
}

TEST_F(IndexFileTest, EmptyIndexStatuses)
{
    OpenWith(6, 30);
    EXPECT_EQ(index.First(), 0);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEmpty);
    EXPECT_EQ(index.Next(), 0);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEmpty);
    EXPECT_EQ(index.Last(), -1);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEmpty);
    EXPECT_EQ(Find("J1"), std::nullopt);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEmpty);
    EXPECT_TRUE(Walk().empty());
}

TEST_F(IndexFileTest, NextAfterTheGreatestKeyRepeatsIt)
{
    OpenWith(2, 4);
    for (int i = 1; i <= 9; ++i)
        Insert(std::to_string(i), i * 10);
    EXPECT_EQ(index.Last(), 90);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEnd);
    EXPECT_EQ(index.Next(), 90);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEnd);
}

TEST_F(IndexFileTest, SecondInsertOfAKeyReplacesItsAddress)
{
    OpenWith(6, 30);
    Insert("J1", 0);
    Insert("J2", 234);
    Insert("J1", 468);
    EXPECT_EQ(Find("J1"), 468);
    EXPECT_EQ(Walk(), (std::vector<std::int32_t>{468, 234}));
}

TEST_F(IndexFileTest, NextGoesOnFromAFoundKey)
{
    OpenWith(2, 4);
    for (int i = 10; i <= 40; ++i)
        Insert(std::to_string(i), i);
    EXPECT_EQ(Find("25"), 25);
    for (int i = 26; i <= 40; ++i)
        EXPECT_EQ(index.Next(), i);
    EXPECT_EQ(index.Next(), 40);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEnd);
}

TEST_F(IndexFileTest, ReadOnlyEmptyFileStaysUntouched)
{
    OpenWith(6, 30, true);
    EXPECT_TRUE(bytes->empty());
    EXPECT_EQ(index.First(), 0);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusEmpty);
    std::int32_t address = 0;
    EXPECT_THROW(index.FindOrInsert(Key("J1"), CIndexFile::modeInsert, address, CompareBytes), fw::FileException);
    EXPECT_TRUE(bytes->empty());
}

// Random inserts, replacements and lookups against std::map, before and after reopening.
struct IndexModelCase {
    int keysPerBlock;
    int keyLength;
    int operations;
    int distinctKeys;
};

class IndexModelTest : public IndexFileTest, public ::testing::WithParamInterface<IndexModelCase> {
protected:
    // A key per number, its bits spread over the key, high bytes included.
    Bytes KeyOf(int n) const
    {
        Bytes key(std::size_t(GetParam().keyLength));
        for (std::size_t i = 0; i < key.size(); ++i)
            key[i] = std::uint8_t(std::uint8_t((unsigned(n) * 2654435761u) >> ((i % 4) * 8)) ^ i);
        return key;
    }
    static void ExpectSame(CIndexFile& file, const std::map<Bytes, std::int32_t>& model)
    {
        std::vector<std::int32_t> inOrder;
        for (const auto& [key, address] : model) {
            EXPECT_EQ(FindIn(file, key), address);
            inOrder.push_back(address);
        }
        EXPECT_EQ(WalkOf(file), inOrder);
    }
};

TEST_P(IndexModelTest, MatchesAStdMap)
{
    const IndexModelCase c = GetParam();
    OpenWith(c.keysPerBlock, c.keyLength);
    std::mt19937 random(20240611u + unsigned(c.keysPerBlock));
    std::uniform_int_distribution<int> pick(0, c.distinctKeys - 1);
    std::map<Bytes, std::int32_t> model;
    for (int op = 0; op < c.operations; ++op) {
        const Bytes key = KeyOf(pick(random));
        if (op % 4 == 3) {   // a lookup, present or not
            const auto it = model.find(key);
            ASSERT_EQ(FindIn(index, key), it == model.end() ? std::nullopt : std::optional(it->second));
        } else {             // an insert or a replacement
            std::int32_t address = op;
            index.FindOrInsert(key, CIndexFile::modeInsert, address, CompareBytes);
            model[key] = op;
        }
    }
    ExpectSame(index, model);
    index.Close();

    CIndexFile reopened;
    reopened.Setup(c.keysPerBlock, c.keyLength);
    reopened.Open(Medium(bytes, true), "C:\\SHOP\\PART\\T.NDX");
    ExpectSame(reopened, model);
}

INSTANTIATE_TEST_SUITE_P(Layouts, IndexModelTest,
                         ::testing::Values(IndexModelCase{6, 30, 6000, 2500}, IndexModelCase{6, 32, 3000, 400},
                                           IndexModelCase{2, 4, 4000, 1500}, IndexModelCase{3, 1, 600, 256}),
                         [](const ::testing::TestParamInfo<IndexModelCase>& info) {
                             return std::to_string(info.param.keysPerBlock) + "KeysOf" +
                                    std::to_string(info.param.keyLength) + "Bytes";
                         });

// Hostile files, with 6 keys of 4 bytes per block (78-byte blocks). Each block's pointers all
// lead to the block under test, so every operation reaches it.
Bytes HostileBlock(std::int32_t child, std::uint16_t used = 18)
{
    Bytes block = BlockImage(78, child, {{Text("KKKK"), 0, child}});
    block[0] = std::uint8_t(used);
    block[1] = std::uint8_t(used >> 8);
    return block;
}

Bytes Cut(Bytes bytes, std::size_t length)
{
    bytes.resize(length);
    return bytes;
}

// count blocks, each pointing to the next; the last is a leaf.
Bytes ChainOfBlocks(int count)
{
    Bytes file;
    for (int i = 0; i < count; ++i)
        file = Cat({file, HostileBlock(i + 1 < count ? 78 * (i + 1) : -1)});
    return file;
}

TEST_F(IndexFileTest, HostileFilesAreInvalidFiles)
{
    const struct {
        const char* what;
        Bytes content;
    } cases[] = {
        {"root cut short", {0x06, 0x00, 0xFF}},
        {"used length below the empty block", HostileBlock(-1, 4)},
        {"used length not a whole number of entries", HostileBlock(-1, 20)},
        {"used length past the block", HostileBlock(-1, 6 + 7 * 12)},
        {"used length past the end of the file", Cut(HostileBlock(-1, 30), 20)},
        {"child outside the file", HostileBlock(5000)},
        {"child before the start of the file", HostileBlock(-5)},
        {"child pointing to the root", HostileBlock(0)},
        {"child pointing to itself", Cat({HostileBlock(78), HostileBlock(78)})},
        {"two blocks pointing at each other", Cat({HostileBlock(78), HostileBlock(156), HostileBlock(78)})},
        {"empty block below the root", Cat({HostileBlock(78), BlockImage(78, -1, {})})},
        {"tree deeper than the path holds", ChainOfBlocks(CIndexFile::maxDepth + 2)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        *bytes = c.content;
        OpenWith(6, 4);
        std::int32_t address = 7;
        EXPECT_INVALID_FILE(index.First());
        EXPECT_INVALID_FILE(index.Last());
        EXPECT_INVALID_FILE(index.FindOrInsert(Text("AAAA"), CIndexFile::modeFind, address, CompareBytes));
        EXPECT_INVALID_FILE(index.FindOrInsert(Text("ZZZZ"), CIndexFile::modeInsert, address, CompareBytes));
    }
}

TEST_F(IndexFileTest, TreeAsDeepAsThePathHoldsIsRead)
{
    *bytes = ChainOfBlocks(CIndexFile::maxDepth + 1);
    OpenWith(6, 4);
    EXPECT_EQ(index.First(), 0);
    EXPECT_EQ(index.GetStatus(), CPowerFile::statusNormal);
}

// Blocks shared by both pointers of their parents make a walk of 2^29 entries out of a
// 30-block file; the walk ends in an error as soon as it has handed out more entries than the
// file can hold.
TEST_F(IndexFileTest, WalkOfSharedBlocksEnds)
{
    *bytes = ChainOfBlocks(30);
    OpenWith(6, 4);
    EXPECT_INVALID_FILE(WalkOf(index));
}

} // namespace
