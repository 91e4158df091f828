#include "shopdb/LinkFile.h"

#include "shopdb/LittleEndian.h"

#include "MemoryFiles.h"

#include <gtest/gtest.h>

#include <iterator>
#include <list>
#include <random>

using namespace shopdb::test;

namespace {

Bytes Item(std::int32_t a, std::int32_t b, std::int32_t c) { return Cat({Le32(a), Le32(b), Le32(c)}); }

// Follows the previous words from the header's last node back to the first.
std::vector<std::int32_t> WalkBackwards(const Bytes& file, std::int32_t chain)
{
    std::vector<std::int32_t> records;
    for (std::int32_t node = shopdb::GetI32(&file[std::size_t(chain) + 8]); node != -1;
         node = shopdb::GetI32(&file[std::size_t(node) + 4]))
        records.insert(records.begin(), shopdb::GetI32(&file[std::size_t(node) + 8]));
    return records;
}

struct LinkFileTest : ::testing::Test {
    std::shared_ptr<Bytes> bytes = NewBytes();
    CLinkFile link;

    void OpenChain(std::int32_t chain, bool readOnly = false)
    {
        link.Open(Medium(bytes, readOnly), "C:\\SHOP\\PART\\HOLE\\T.LNK", chain);
    }
    // The record addresses of a whole walk.
    std::vector<std::int32_t> Walk()
    {
        std::vector<std::int32_t> seen;
        for (std::int32_t record = link.First(); (link.GetStatus() & CPowerFile::statusEnd) == 0; record = link.Next())
            seen.push_back(record);
        return seen;
    }
};

TEST_F(LinkFileTest, FirstInsertWritesHeaderThenNode)
{
    OpenChain(-1);
    link.InsertAfter(468);
    EXPECT_EQ(*bytes, Cat({Item(-1, 12, 12), Item(-1, -1, 468)}));
    EXPECT_EQ(link.Close(), 0);
}

TEST_F(LinkFileTest, InsertsAfterEachOtherKeepTheirOrder)
{
    OpenChain(-1);
    for (std::int32_t record : {100, 200, 300})
        link.InsertAfter(record);
    EXPECT_EQ(*bytes, Cat({Item(-1, 12, 36), Item(24, -1, 100), Item(36, 12, 200), Item(-1, 24, 300)}));
    EXPECT_EQ(Walk(), (std::vector<std::int32_t>{100, 200, 300}));
}

TEST_F(LinkFileTest, InsertBeforeAndAtBothEnds)
{
    OpenChain(-1);
    link.InsertLast(2);
    link.InsertFirst(1);
    link.InsertLast(4);
    link.InsertBefore(3);
    EXPECT_EQ(Walk(), (std::vector<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(Bytes(bytes->begin(), bytes->begin() + 12), Item(-1, 24, 36));
    EXPECT_EQ(WalkBackwards(*bytes, 0), (std::vector<std::int32_t>{1, 2, 3, 4}));
}

TEST_F(LinkFileTest, EmptyChainAndEndStatuses)
{
    OpenChain(-1);
    EXPECT_EQ(link.First(), -1);
    EXPECT_EQ(link.GetStatus(), CPowerFile::statusEmpty);
    EXPECT_EQ(link.Close(), -1);
    EXPECT_TRUE(bytes->empty());

    OpenChain(-1);
    link.InsertAfter(10);
    link.InsertAfter(20);
    EXPECT_EQ(link.Next(), 20);
    EXPECT_EQ(link.GetStatus(), CPowerFile::statusEnd);
}

TEST_F(LinkFileTest, GoToFindsOnlyNodesOfTheChain)
{
    OpenChain(-1);
    link.InsertAfter(10);
    link.InsertAfter(20);
    const std::int32_t second = link.Current()->address;
    link.InsertAfter(30);
    const std::int32_t chain = link.Close();
    OpenChain(chain, true);
    ASSERT_NE(link.GoTo(second), nullptr);
    EXPECT_EQ(link.GoTo(second)->record, 20);
    EXPECT_EQ(link.Next(), 30);
    EXPECT_EQ(link.GoTo(-1), nullptr);
    EXPECT_EQ(link.GoTo(chain), nullptr);
}

// Random inserts, walks and jumps on several chains that share one file, against std::list.
TEST_F(LinkFileTest, InterleavedChainsMatchStdLists)
{
    struct Model {
        std::list<std::pair<std::int32_t, std::int32_t>> nodes;   // record, node address
        std::int32_t chain = -1;
    };
    std::vector<Model> models(4);
    std::mt19937 random(7u);
    std::int32_t nextRecord = 0;
    for (int session = 0; session < 300; ++session) {
        Model& model = models[random() % models.size()];
        OpenChain(model.chain);
        auto cursor = model.nodes.end();   // no current node
        const auto toFirst = [&] { cursor = model.nodes.begin(); };
        for (int op = 0; op < 12; ++op) {
            const std::int32_t record = nextRecord++;
            switch (random() % 6) {
            case 0:
                link.InsertAfter(record);
                if (cursor == model.nodes.end())
                    toFirst();
                cursor = model.nodes.emplace(cursor == model.nodes.end() ? cursor : std::next(cursor), record, 0);
                break;
            case 1:
                link.InsertBefore(record);
                if (cursor == model.nodes.end())
                    toFirst();
                cursor = model.nodes.emplace(cursor, record, 0);
                break;
            case 2:
                link.InsertFirst(record);
                cursor = model.nodes.emplace(model.nodes.begin(), record, 0);
                break;
            case 3:
                link.InsertLast(record);
                cursor = model.nodes.emplace(model.nodes.end(), record, 0);
                break;
            case 4:
                if (cursor == model.nodes.end())
                    toFirst();
                else if (std::next(cursor) != model.nodes.end())
                    ++cursor;
                EXPECT_EQ(link.Next(), cursor == model.nodes.end() ? -1 : cursor->first);
                continue;
            default:
                if (model.nodes.empty())
                    continue;
                cursor = std::next(model.nodes.begin(), std::ptrdiff_t(random() % model.nodes.size()));
                ASSERT_NE(link.GoTo(cursor->second), nullptr);
                EXPECT_EQ(link.Current()->record, cursor->first);
                continue;
            }
            cursor->second = link.Current()->address;
        }
        model.chain = link.Close();
    }
    for (Model& model : models) {
        std::vector<std::int32_t> expected;
        for (const auto& node : model.nodes)
            expected.push_back(node.first);
        OpenChain(model.chain, true);
        EXPECT_EQ(Walk(), expected);
        EXPECT_EQ(WalkBackwards(*bytes, model.chain), expected);
    }
}

TEST_F(LinkFileTest, HostileChainsAreInvalidFiles)
{
    const struct {
        const char* what;
        Bytes content;
        std::int32_t chain;
        bool failsOnOpen;
    } cases[] = {
        {"header outside the file", Item(-1, -1, -1), 24, true},
        {"header before the start of the file", Item(-1, -1, -1), -12, true},
        {"header cut short", Bytes{0xFF, 0xFF, 0xFF, 0xFF, 12, 0}, 0, true},
        {"first node outside the file", Item(-1, 120, 120), 0, false},
        {"node cut short", Cat({Item(-1, 12, 12), Le32(-1)}), 0, false},
        {"next node outside the file", Cat({Item(-1, 12, 12), Item(900, -1, 5)}), 0, false},
        {"node pointing to itself", Cat({Item(-1, 12, 12), Item(12, -1, 5)}), 0, false},
        {"cyclic chain", Cat({Item(-1, 12, 36), Item(24, -1, 5), Item(36, 12, 6), Item(12, 24, 7)}), 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        *bytes = c.content;
        if (c.failsOnOpen) {
            EXPECT_INVALID_FILE(OpenChain(c.chain));
            continue;
        }
        OpenChain(c.chain);
        EXPECT_INVALID_FILE(Walk());
        EXPECT_INVALID_FILE(link.GoTo(4000));
        EXPECT_INVALID_FILE(link.InsertLast(99));
    }
}

} // namespace
