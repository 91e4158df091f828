#include "machmult/MultClasses.h"
#include "machmult/PartList.h"

#include "model/ModelClasses.h"
#include "tests/model/ModelTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::unique_ptr<CMultPart> Part(const std::string& mark, std::uint32_t quantity = 1, double length = 0,
                                int listIndex = -1)
{
    auto part = std::make_unique<CMultPart>();
    part->GetHeader().jobId = "J1";
    part->GetHeader().group = "G1";
    part->GetHeader().mark = mark;
    part->SetQuantity(quantity);
    part->GetHeader().length = length;
    part->SetListIndex(listIndex);
    return part;
}

std::vector<std::string> Marks(const CPartList& list)
{
    std::vector<std::string> marks;
    for (const CMultPart& part : list)
        marks.push_back(part.GetHeader().mark);
    return marks;
}

// Adds parts to the list by its sorted insert; the marks of those it refused, still held.
std::vector<std::string> AddAllSorted(CPartList& list, std::vector<std::unique_ptr<CMultPart>> parts)
{
    std::vector<std::string> refused;
    for (auto& part : parts) {
        const std::string mark = part->GetHeader().mark;
        const bool added = bool(list.AddSorted(part));
        EXPECT_EQ(added, part == nullptr) << mark;
        if (!added)
            refused.push_back(mark);
    }
    return refused;
}

template <class... P> std::vector<std::unique_ptr<CMultPart>> Parts(P... parts)
{
    std::vector<std::unique_ptr<CMultPart>> v;
    (v.push_back(std::move(parts)), ...);
    return v;
}

TEST(PartList, AddSortedOrdersByUnsignedListIndexAndRefusesTakenIndexes)
{
    CMultPartList list;
    const auto refused = AddAllSorted(list, Parts(Part("C", 1, 0, 3), Part("N", 1, 0, -1), Part("A", 1, 0, 0),
                                                  Part("B", 1, 0, 2), Part("C2", 1, 0, 3), Part("N2", 1, 0, -1),
                                                  Part("Z", 1, 0, 0x7FFFFFFF)));
    EXPECT_EQ(Marks(list), (std::vector<std::string>{"A", "B", "C", "Z", "N"}));
    EXPECT_EQ(refused, (std::vector<std::string>{"C2", "N2"}));
}

TEST(PartList, AutoMultListStandsLongestFirstWithNewPartsBeforeEqualOnes)
{
    CAutoMultPartList list;
    const auto refused = AddAllSorted(list, Parts(Part("10a", 1, 10, 0), Part("30a", 1, 30, 0), Part("20", 1, 20, 0),
                                                  Part("30b", 1, 30, 0), Part("10b", 1, 10, 0)));
    EXPECT_EQ(Marks(list), (std::vector<std::string>{"30b", "30a", "20", "10b", "10a"}));
    EXPECT_TRUE(refused.empty());
}

TEST(PartList, KeyIndexAndDeleteWalkTheList)
{
    CPartList list;
    AddAllSorted(list, Parts(Part("A", 1, 0, 0), Part("B", 1, 0, 1), Part("C", 1, 0, 2)));
    const auto b = list.FindByName("J1\\G1\\B");
    ASSERT_TRUE(b);
    EXPECT_EQ(list.IndexOf(b), 1);
    EXPECT_FALSE(list.FindByName("J1\\G1\\b"));
    EXPECT_FALSE(list.FindByName("J1\\G1"));
    EXPECT_EQ(list.IndexOf({}), -1);

    // The next entry, the previous one after the last, none after the only one.
    auto next = list.DeleteAt(b);
    EXPECT_EQ(list.GetAt(next)->GetHeader().mark, "C");
    auto previous = list.DeleteAt(next);
    EXPECT_EQ(list.GetAt(previous)->GetHeader().mark, "A");
    EXPECT_FALSE(list.DeleteAt(previous));
    EXPECT_TRUE(list.IsEmpty());
}

TEST(PartList, PlainListPlacesAndRemovesNothing)
{
    CPartList list;
    AddAllSorted(list, Parts(Part("A", 5, 0, 0)));
    const auto a = Part("A", 2);
    EXPECT_FALSE(list.AddPart(*a, 0));
    EXPECT_FALSE(list.RemovePartAt(*a, 0));
    EXPECT_FALSE(list.RemovePart(*a));
    EXPECT_EQ(list.GetCount(), 1u);
    EXPECT_EQ(list.GetHead()->GetQuantity(), 5u);
}

TEST(MultPartList, AddPartPlacesACopyAndTakesTheTools)
{
    CMultPartList list;
    const struct {
        const char* mark;
        int index;
    } drops[] = {{"A", -1}, {"B", 0}, {"C", 1}, {"D", 9}, {"A", 0}};
    for (const auto& drop : drops) {
        auto part = Part(drop.mark, 2, 48);
        ASSERT_TRUE(part->GetTools().AddZoneTool(CPartTool(0.8125, 0, "RD", 0), 34, 0, 2));
        const auto position = list.AddPart(*part, drop.index);
        ASSERT_TRUE(position);
        const CMultPart& entry = *list.GetAt(position);
        EXPECT_NE(&entry, part.get());
        EXPECT_EQ(entry.GetQuantity(), 2u);
        EXPECT_EQ(entry.GetTools().GetCount(), 1u);
        EXPECT_TRUE(part->GetTools().IsEmpty()) << drop.mark;
    }
    EXPECT_EQ(Marks(list), (std::vector<std::string>{"A", "B", "C", "A", "D"}));
}

TEST(MultPartList, RemovingLowersTheQuantityOrDeletesTheEntry)
{
    const struct {
        const char* mark;
        std::uint32_t quantity;
        int index;       // -2: by key
        bool removed;
        std::vector<std::uint32_t> left;   // quantities of A, B
    } cases[] = {
        {"A", 2, 0, true, {3, 1}},   {"A", 5, 0, true, {1}},      {"A", 7, 0, true, {1}},
        {"A", 2, -2, true, {3, 1}},  {"A", 5, -2, true, {1}},     {"B", 2, 0, false, {5, 1}},
        {"A", 2, 2, false, {5, 1}},  {"A", 2, -1, false, {5, 1}}, {"a", 2, -2, false, {5, 1}},
        {"B", 1, 1, true, {5}},
    };
    for (const auto& c : cases) {
        CMultPartList list;
        AddAllSorted(list, Parts(Part("A", 5, 0, 0), Part("B", 1, 0, 1)));
        const auto part = Part(c.mark, c.quantity);
        EXPECT_EQ(c.index == -2 ? list.RemovePart(*part) : list.RemovePartAt(*part, c.index), c.removed)
            << c.mark << " " << c.quantity << " at " << c.index;
        std::vector<std::uint32_t> left;
        for (const CMultPart& entry : list)
            left.push_back(entry.GetQuantity());
        EXPECT_EQ(left, c.left) << c.mark << " " << c.quantity << " at " << c.index;
    }
}

TEST(PotentialPartList, UsedQuantityStaysBetweenZeroAndTheQuantity)
{
    const struct {
        bool placed;     // RemovePart (placed on a mult) or AddPart (given back)
        const char* mark;
        std::uint32_t quantity;
        bool found;
        std::uint32_t used;   // quantity used of A afterwards (A: 5 off, 2 used)
    } cases[] = {
        {true, "A", 2, true, 4},   {true, "A", 3, true, 5},   {true, "A", 9, true, 5},
        {false, "A", 1, true, 1},  {false, "A", 2, true, 0},  {false, "A", 9, true, 0},
        {true, "a", 1, false, 2},  {false, "a", 1, false, 2}, {true, "X", 1, false, 2},
    };
    for (const auto& c : cases) {
        for (bool automatic : {false, true}) {
            CPotentialPartList potential;
            CAutoMultPartList autoList;
            CPartList& list = automatic ? static_cast<CPartList&>(autoList) : potential;
            auto a = Part("A", 5, 10, 0);
            a->SetQuantityUsed(2);
            AddAllSorted(list, Parts(std::move(a)));
            const auto part = Part(c.mark, c.quantity);
            if (c.placed)
                EXPECT_EQ(list.RemovePart(*part), c.found) << c.mark;
            else
                EXPECT_EQ(bool(list.AddPart(*part, 7)), c.found) << c.mark;
            EXPECT_FALSE(list.RemovePartAt(*part, 0));
            EXPECT_EQ(list.GetHead()->GetQuantityUsed(), c.used)
                << (c.placed ? "placed " : "given back ") << c.quantity;
            EXPECT_EQ(list.GetHead()->GetQuantity(), 5u);
        }
    }
}

TEST(MultPartList, ArchivesItsPartsWithOneClassTag)
{
    using namespace modeltest;
    RegisterModelClasses();
    RegisterMultClasses();
    // Count, then each part: the class at its first use (index 1), after that 0x8001.
    const auto fields = [](const std::string& mark) {
        return Cat({Str("J1"), Str("G1"), Str(mark), Le32(1), Dim(k12), Str(""), Str(""), Str(""), Str(""), Le32(0),
                    Str(""), Str(""), Le32('I'), Le32('F'), Le32(0), Dim(k0), {0x00, 0x00}, Str(""), Le32(0)});
    };
    const Bytes expected = Cat({{0x02, 0x00, 0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00},
                                {'C', 'M', 'u', 'l', 't', 'P', 'a', 'r', 't'}, fields("A"), {0x01, 0x80}, fields("B")});
    CMultPartList list;
    AddAllSorted(list, Parts(Part("A", 1, 12, 0), Part("B", 1, 12, 1)));
    EXPECT_EQ(StoreDirect(list), expected);

    CMultPartList loaded;
    LoadDirect(loaded, expected);
    EXPECT_EQ(Marks(loaded), (std::vector<std::string>{"A", "B"}));
}

} // namespace
