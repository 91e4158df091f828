#include "machmult/PartDragPayload.h"
#include "machmult/PartListRules.h"

#include "machmult/MultClasses.h"
#include "machmult/PartList.h"
#include "fw/core/Archive.h"
#include "model/ModelClasses.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::unique_ptr<CMultPart> PartOfLength(const std::string& mark, double length, std::uint32_t quantity, int index = -1)
{
    auto part = std::make_unique<CMultPart>();
    part->GetHeader().jobId = "J1";
    part->GetHeader().group = "G1";
    part->GetHeader().mark = mark;
    part->GetHeader().length = length;
    part->SetQuantity(quantity);
    part->SetListIndex(index);
    auto tool = std::make_unique<CZoneTool>();
    tool->CopyFrom(CPartTool(0.8125, 0, "RD", 0));
    tool->SetZoneCode(19);
    part->GetTools().AddTail(std::move(tool));
    return part;
}

std::vector<std::uint8_t> PayloadOf(const FrameIdentity& frame, const std::vector<std::unique_ptr<CMultPart>>& parts)
{
    std::vector<const CMultPart*> pointers;
    for (const auto& part : parts)
        pointers.push_back(part.get());
    return WritePartPayload(frame, pointers);
}

class PartListRulesTest : public testing::Test {
protected:
    PartListRulesTest()
    {
        RegisterModelClasses();
        RegisterMultClasses();
    }
};

TEST_F(PartListRulesTest, WhatADragOverAListOffersAndWhatItsDropDoes)
{
    const FrameIdentity window = FrameIdentity::New();
    const FrameIdentity other = FrameIdentity::New();
    std::vector<std::unique_ptr<CMultPart>> parts;
    parts.push_back(PartOfLength("A1", 10, 2, 0));

    struct Case {
        PartListKind list;
        const char* format;   // what the data holds
        bool shift, ctrl;
        bool sameWindow;
        DragEffect feedback;
        std::optional<PartDropMode> drop;   // the drop carried out
    };
    const auto mult = PartListKind::mult;
    const auto potential = PartListKind::potential;
    const auto move = DragEffect::move;
    const auto none = DragEffect::none;
    const Case cases[] = {
        // From the potential list onto the mult: only with Shift; never from another window.
        {mult, kAddToMultFormat, true, false, true, move, dropFromOtherList},
        {mult, kAddToMultFormat, false, false, true, none, dropFromOtherList},
        {mult, kAddToMultFormat, true, true, true, move, dropFromOtherList},
        {mult, kAddToMultFormat, true, false, false, move, std::nullopt},
        // Within the mult: unless Ctrl.
        {mult, kRemoveFromMultFormat, false, false, true, move, dropWithinList},
        {mult, kRemoveFromMultFormat, true, false, true, move, dropWithinList},
        {mult, kRemoveFromMultFormat, false, true, true, none, dropWithinList},
        {mult, kRemoveFromMultFormat, false, false, false, move, std::nullopt},
        // From the mult back onto the potential list.
        {potential, kRemoveFromMultFormat, true, false, true, move, dropFromOtherList},
        {potential, kRemoveFromMultFormat, false, false, true, none, dropFromOtherList},
        {potential, kRemoveFromMultFormat, true, false, false, move, std::nullopt},
        // The potential list is never reordered.
        {potential, kAddToMultFormat, false, false, true, move, std::nullopt},
        // Other data.
        {mult, "text/plain", true, false, true, none, std::nullopt},
        {potential, "text/plain", false, false, true, none, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.format) + (c.list == mult ? " on mult" : " on potential"));
        const PartListFormats formats = FormatsOf(c.list);
        const bool accepted = std::string(c.format) == formats.accepted;
        const bool own = std::string(c.format) == formats.own;
        EXPECT_EQ(DragFeedback(c.list, accepted, own, c.shift, c.ctrl), c.feedback);
        std::optional<PartDropMode> dropped = DropModeOf(c.list, accepted, own);
        if (dropped && !ReadPartPayload(PayloadOf(c.sameWindow ? window : other, parts), window))
            dropped.reset();
        EXPECT_EQ(dropped, c.drop);
    }
}

TEST_F(PartListRulesTest, PayloadBytesAndRoundTrip)
{
    const FrameIdentity window{0x01020304, 0x1112131415161718};
    std::vector<std::unique_ptr<CMultPart>> parts;
    parts.push_back(PartOfLength("A1", 10, 2, 3));
    parts.push_back(PartOfLength("B2", 20.5, 7, 0));
    const std::vector<std::uint8_t> bytes = PayloadOf(window, parts);
    const std::vector<std::uint8_t> head = {0x04, 0x03, 0x02, 0x01, 0x18, 0x17, 0x16, 0x15,
                                            0x14, 0x13, 0x12, 0x11, 0x02, 0x00, 0xFF, 0xFF};
    ASSERT_GT(bytes.size(), head.size() + 8);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));
    // The list indexes close the payload.
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.end() - 8, bytes.end()),
              (std::vector<std::uint8_t>{3, 0, 0, 0, 0, 0, 0, 0}));

    const auto read = ReadPartPayload(bytes, window);
    ASSERT_TRUE(read);
    ASSERT_EQ(read->size(), 2u);
    EXPECT_EQ((*read)[0]->GetKeyText(), "J1\\G1\\A1");
    EXPECT_EQ((*read)[0]->GetQuantity(), 2u);
    EXPECT_EQ((*read)[0]->GetListIndex(), 3);
    EXPECT_EQ((*read)[1]->GetLength().GetValue(), 20.5);
    EXPECT_EQ((*read)[1]->GetTools().GetCount(), 1u);

    // Another process with the same token, or another window of this one: refused.
    EXPECT_FALSE(ReadPartPayload(bytes, FrameIdentity{0x01020305, window.token}));
    EXPECT_FALSE(ReadPartPayload(bytes, FrameIdentity{window.processId, window.token + 1}));
}

TEST_F(PartListRulesTest, MalformedPayloadsAreRefusedWhole)
{
    const FrameIdentity window = FrameIdentity::New();
    std::vector<std::unique_ptr<CMultPart>> parts;
    parts.push_back(PartOfLength("A1", 10, 2, 0));
    parts.push_back(PartOfLength("B2", 20, 1, 1));
    const std::vector<std::uint8_t> bytes = PayloadOf(window, parts);
    for (std::size_t size = 0; size < bytes.size(); ++size)
        EXPECT_FALSE(ReadPartPayload(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + std::ptrdiff_t(size)), window))
            << size;
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    EXPECT_FALSE(ReadPartPayload(longer, window));
    // A huge count.
    std::vector<std::uint8_t> huge(bytes.begin(), bytes.begin() + 12);
    for (std::uint8_t b : {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F})
        huge.push_back(b);
    EXPECT_FALSE(ReadPartPayload(huge, window));
    // Every byte flipped in turn: refused or read, never a crash.
    for (std::size_t i = 12; i < bytes.size(); ++i) {
        std::vector<std::uint8_t> flipped = bytes;
        flipped[i] ^= 0xFF;
        (void)ReadPartPayload(flipped, window);
    }
    // Objects of another class than a mult part.
    fw::Archive other;
    other << window.processId << std::uint32_t(window.token) << std::uint32_t(window.token >> 32);
    other.WriteCount(1);
    CPartList list;
    other.WriteObject(&list);
    other << std::int32_t(0);
    EXPECT_FALSE(ReadPartPayload(other.TakeBytes(), window));
    EXPECT_NE(FrameIdentity::New(), FrameIdentity::New());
}

TEST_F(PartListRulesTest, ColumnTexts)
{
    auto part = PartOfLength("A1", 10.5, 4);
    part->SetQuantityUsed(3);
    part->SetQuantityFit(1);
    part->GetHeader().fabCode = "F7";
    std::vector<std::string> mult, potential;
    for (int c = 0; c < ColumnCount(PartListKind::mult); ++c)
        mult.push_back(ColumnText(PartListKind::mult, c, *part));
    for (int c = 0; c < ColumnCount(PartListKind::potential); ++c)
        potential.push_back(ColumnText(PartListKind::potential, c, *part));
    EXPECT_EQ(mult, (std::vector<std::string>{"J1\\G1\\A1", part->GetLength().GetText(), "4",
                                              part->GetPartOffset().GetText(), "F7"}));
    EXPECT_EQ(potential, (std::vector<std::string>{"J1\\G1\\A1", part->GetLength().GetText(), "4", "3", "1", "F7"}));
    EXPECT_EQ(ColumnText(PartListKind::mult, 5, *part), "");
    EXPECT_STREQ(ColumnHeadings(PartListKind::mult), "Part Mark,Part Length,Quantity,  Part Offset  ,Fabrication Code");
    EXPECT_TRUE(SortsOnHeaderClick(PartListKind::potential));
    EXPECT_FALSE(SortsOnHeaderClick(PartListKind::mult));
}

TEST_F(PartListRulesTest, SortingByLengthTakesWholeSixteenths)
{
    const auto a = PartOfLength("A", 10.01, 1);
    const auto b = PartOfLength("B", 10.05, 1);
    const auto c = PartOfLength("C", 10.0625, 1);
    const auto d = PartOfLength("d", 9.999, 1);
    const auto length = [](const CMultPart& x, const CMultPart& y) { return CompareParts(PartListKind::potential, 1, x, y); };
    EXPECT_EQ(length(*a, *b), 0);
    EXPECT_EQ(length(*b, *a), 0);
    EXPECT_LT(length(*b, *c), 0);
    EXPECT_GT(length(*a, *d), 0);
    // Marks without case.
    EXPECT_LT(CompareParts(PartListKind::potential, 0, *c, *d), 0);
    EXPECT_EQ(CompareParts(PartListKind::potential, 0, *d, *PartOfLength("D", 1, 1)), 0);

    // A stable sort by length keeps parts of the same sixteenth in their order, whatever the column.
    std::vector<const CMultPart*> order = {c.get(), a.get(), d.get(), b.get()};
    std::stable_sort(order.begin(), order.end(), [&](auto x, auto y) { return length(*x, *y) < 0; });
    std::string marks;
    for (const CMultPart* p : order)
        marks += p->GetHeader().mark;
    EXPECT_EQ(marks, "dABC");
}

} // namespace
