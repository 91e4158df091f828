#include "shopdb/RecordFile.h"

#include "MemoryFiles.h"

#include <gtest/gtest.h>

using namespace shopdb::test;

namespace {

struct RecordFileTest : ::testing::Test {
    std::shared_ptr<Bytes> bytes = NewBytes();
    CRecordFile file;

    void OpenWith(std::uint16_t recordLength, Bytes content = {})
    {
        *bytes = std::move(content);
        file.SetRecordLength(recordLength);
        file.Open(Medium(bytes), "C:\\SHOP\\PART\\T.REC");
    }
    std::int32_t AppendFilled(std::uint8_t value, std::int16_t flag = 0)
    {
        auto record = file.NewRecord();
        std::fill(record->buffer.begin(), record->buffer.end(), value);
        record->flag = flag;
        return file.Append(std::move(record));
    }
    static Bytes Head(std::uint8_t flag, std::uint16_t length, std::int32_t next)
    {
        return Cat({{flag}, Le16(length), Le32(next)});
    }
    static Bytes NextHead(std::uint16_t length, std::int32_t next) { return Cat({Le16(length), Le32(next)}); }
};

TEST_F(RecordFileTest, NewRecordIsBlankAndUnstored)
{
    OpenWith(44);
    const auto record = file.NewRecord();
    EXPECT_EQ(record->buffer, Fill(44, ' '));
    EXPECT_EQ(record->address, -1);
    EXPECT_EQ(record->flag, 0);
}

TEST_F(RecordFileTest, AppendWritesOneChunkPerRecord)
{
    OpenWith(227);
    EXPECT_EQ(AppendFilled('A'), 0);
    EXPECT_EQ(AppendFilled('B', 5), 234);
    EXPECT_EQ(*bytes, Cat({Head(0, 227, -1), Fill(227, 'A'), Head(5, 227, -1), Fill(227, 'B')}));
    EXPECT_EQ(file.Read(234).buffer, Fill(227, 'B'));
    EXPECT_EQ(file.CachedCount(), 2u);
}

TEST_F(RecordFileTest, AppendRefusesARecordOfAnotherLength)
{
    OpenWith(20);
    EXPECT_THROW(file.Append(std::make_unique<CRecordInMemory>(21)), std::invalid_argument);
    EXPECT_TRUE(bytes->empty());
}

TEST_F(RecordFileTest, ReadsRecordsStoredAsChainedChunks)
{
    Bytes data(110);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = std::uint8_t(i);
    // Chunks of 40, 40 and 30 bytes at 0, 47 and 93; only 97 bytes are wanted.
    OpenWith(97, Cat({Head(0, 40, 47), Bytes(data.begin(), data.begin() + 40), NextHead(40, 93),
                      Bytes(data.begin() + 40, data.begin() + 80), NextHead(30, -1), Bytes(data.begin() + 80, data.end())}));
    EXPECT_EQ(file.Read(0).buffer, Bytes(data.begin(), data.begin() + 97));
}

TEST_F(RecordFileTest, ShortChainLeavesTheRestBlank)
{
    OpenWith(97, Cat({Head(0, 20, -1), Fill(20, 'x')}));
    EXPECT_EQ(file.Read(0).buffer, Cat({Fill(20, 'x'), Fill(77, ' ')}));
}

TEST_F(RecordFileTest, FlagByteIsSignExtended)
{
    OpenWith(4, Cat({Head(0xFF, 4, -1), Text("ABCD")}));
    EXPECT_EQ(file.Read(0).flag, -1);
}

TEST_F(RecordFileTest, ReadingTwiceGivesTheCachedRecord)
{
    OpenWith(4, Cat({Head(0, 4, -1), Text("ABCD")}));
    const CRecordInMemory& first = file.Read(0);
    bytes->back() = 'Z';
    EXPECT_EQ(&file.Read(0), &first);
    file.ClearCache();
    EXPECT_EQ(file.Read(0).buffer, Text("ABCZ"));
}

TEST_F(RecordFileTest, ReopeningForgetsTheCache)
{
    OpenWith(4, Cat({Head(0, 4, -1), Text("ABCD")}));
    file.Read(0);
    OpenWith(4, Cat({Head(0, 4, -1), Text("WXYZ")}));
    EXPECT_EQ(file.Read(0).buffer, Text("WXYZ"));
}

TEST_F(RecordFileTest, ReadOnlyFileRefusesAppend)
{
    file.SetRecordLength(4);
    file.Open(Medium(bytes, true), "C:\\SHOP\\T.REC");
    EXPECT_THROW(AppendFilled('A'), fw::FileException);
}

TEST_F(RecordFileTest, HostileChunkChainsAreInvalidFiles)
{
    const struct {
        const char* what;
        Bytes content;
        std::int32_t address;
    } cases[] = {
        {"empty file", {}, 0},
        {"negative address", Cat({Head(0, 4, -1), Text("ABCD")}), -7},
        {"address past the end", Cat({Head(0, 4, -1), Text("ABCD")}), 11},
        {"truncated head", Bytes{0, 4, 0, 0xFF}, 0},
        {"truncated data", Cat({Head(0, 4, -1), Text("AB")}), 0},
        {"next chunk outside the file", Cat({Head(0, 2, 500), Text("AB")}), 0},
        {"next chunk head cut short", Cat({Head(0, 2, 9), Text("AB"), Bytes{1, 0}}), 0},
        {"zero-length chunk pointing back to itself", Cat({Head(0, 2, 9), Text("AB"), NextHead(0, 9)}), 0},
        {"zero-length chunk pointing back to the start", Cat({Head(0, 0, 7), NextHead(0, 0)}), 0},
        {"two chunks pointing at each other", Cat({Head(0, 1, 8), Text("A"), NextHead(1, 15), Text("B"), NextHead(0, 8)}), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OpenWith(4, c.content);
        EXPECT_INVALID_FILE(file.Read(c.address));
        EXPECT_EQ(file.CachedCount(), 0u);
    }
}

} // namespace
