#include "fw/core/ObList.h"

#include <gtest/gtest.h>

namespace {
struct Item : fw::Object {
    explicit Item(int v = 0) : value(v) {}
    int value;
};

std::vector<int> Values(const fw::ObList<Item>& list)
{
    std::vector<int> out;
    for (const Item& i : list)
        out.push_back(i.value);
    return out;
}
} // namespace

TEST(ObList, PositionsStayValidAcrossInsertsAndRemovals)
{
    fw::ObList<Item> list;
    auto p2 = list.AddTail(std::make_unique<Item>(2));
    list.AddHead(std::make_unique<Item>(0));
    auto p4 = list.AddTail(std::make_unique<Item>(4));
    list.InsertBefore(p2, std::make_unique<Item>(1));
    list.InsertAfter(p2, std::make_unique<Item>(3));
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 2, 3, 4}));

    std::unique_ptr<Item> removed = list.RemoveAt(p2);
    EXPECT_EQ(removed->value, 2);
    EXPECT_EQ(list.GetAt(p4)->value, 4);
    EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 3, 4}));

    std::vector<int> backwards;
    for (auto pos = list.GetTailPosition(); pos;)
        backwards.push_back(list.GetPrev(pos)->value);
    EXPECT_EQ(backwards, (std::vector<int>{4, 3, 1, 0}));

    EXPECT_EQ(list.GetAt(list.FindIndex(1))->value, 1);
    EXPECT_FALSE(list.FindIndex(9));
    EXPECT_EQ(list.Find(removed.get()), decltype(list)::Position());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHead(), nullptr);
}
