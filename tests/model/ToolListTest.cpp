#include "model/ModelClasses.h"
#include "model/ToolList.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using namespace modeltest;

namespace {

std::unique_ptr<CZoneTool> ZoneTool(double size, const char* code, int faceCode, double low = 0, double high = 0)
{
    auto tool = std::make_unique<CZoneTool>();
    tool->CopyFrom(CPartTool(size, 0, code, 0));
    tool->SetZoneCode(faceCode);
    tool->GetZone().SetRange(low, high);
    return tool;
}

void Insert(CToolList& list, std::unique_ptr<CZoneTool> tool)
{
    ASSERT_TRUE(list.InsertSorted(tool));
}

// "name/code" of every element, in order.
std::vector<std::string> Names(const CToolList& list)
{
    std::vector<std::string> names;
    for (const CPartTool& tool : list)
        names.push_back(tool.GetShortName() + "/" + std::to_string(tool.GetZoneCode()));
    return names;
}

} // namespace

TEST(ToolList, InsertsByShortNameThenCode)
{
    CToolList list;
    auto named = ZoneTool(1.0, "RD", 19);
    named->SetShortName("1RD");
    Insert(list, std::move(named));
    Insert(list, ZoneTool(13.0 / 16, "RD", 17));
    auto tool = ZoneTool(13.0 / 16, "RD", 19);
    const auto pos = list.InsertSorted(tool);
    ASSERT_TRUE(pos);
    EXPECT_EQ(tool, nullptr);
    EXPECT_EQ(list.GetAt(pos)->GetZoneCode(), 19);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"13_16RD/17", "13_16RD/19", "1RD/19"}));
    EXPECT_EQ(list.GetAt(list.FindByName("1RD"))->GetZoneCode(), 19);
}

TEST(ToolList, RefusesASecondToolOfTheSameNameAndCode)
{
    CToolList list;
    Insert(list, ZoneTool(13.0 / 16, "RD", 19, 1, 2));
    auto second = ZoneTool(13.0 / 16, "RD", 19, 5, 6);
    EXPECT_FALSE(list.InsertSorted(second));
    ASSERT_NE(second, nullptr);   // the caller keeps it
    EXPECT_EQ(list.GetCount(), 1u);
    EXPECT_FALSE(list.AddZoneTool(CPartTool(13.0 / 16, 0, "RD", 0), 19, 0, 0));
    EXPECT_EQ(list.GetCount(), 1u);
}

TEST(ToolList, AddZoneToolCopiesTheToolWithZoneAndCode)
{
    CToolList list;
    const auto pos = list.AddZoneTool(CPartTool(0.5, 1.0, "SL", 90, 1), 35, 4.0, 1.5);
    ASSERT_TRUE(pos);
    const auto* tool = dynamic_cast<const CZoneTool*>(list.GetAt(pos));
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->GetZoneCode(), 35);
    EXPECT_EQ(tool->GetZone().GetLow().GetValue(), 1.5);
    EXPECT_EQ(tool->GetZone().GetHigh().GetValue(), 4.0);
    EXPECT_EQ(tool->GetMeasuringSystem(), 1);
    EXPECT_EQ(tool->GetShortName(), "0.5in.X1in.SL90");
}

TEST(ToolList, FindsByNameCodeAndTool)
{
    CToolList list;
    list.AddTail(std::make_unique<CPartTool>(0.5, 0, "RD", 0));   // a plain tool: zone (0, 0), code 0
    Insert(list, ZoneTool(13.0 / 16, "RD", 17, 1, 2));
    Insert(list, ZoneTool(13.0 / 16, "RD", 19, 3, 4));

    EXPECT_EQ(list.GetAt(list.FindByName("13_16RD"))->GetZoneCode(), 17);
    EXPECT_EQ(list.GetAt(list.FindByNameAndCode("13_16RD", 19))->GetZoneCode(), 19);
    EXPECT_FALSE(list.FindByNameAndCode("13_16RD", 18));
    EXPECT_FALSE(list.FindByName("13_16rd"));

    EXPECT_EQ(list.GetAt(list.Find(*ZoneTool(13.0 / 16, "RD", 19, 8, 9)))->GetZoneCode(), 19);   // same code
    EXPECT_EQ(list.GetAt(list.Find(*ZoneTool(13.0 / 16, "RD", 33, 4, 3)))->GetZoneCode(), 19);   // equal zone
    EXPECT_FALSE(list.Find(*ZoneTool(13.0 / 16, "RD", 33, 5, 6)));
    EXPECT_FALSE(list.Find(*ZoneTool(1.0, "RD", 17, 1, 2)));
    EXPECT_EQ(list.Find(*ZoneTool(0.5, "RD", 0, 7, 8)), list.GetTailPosition());
    EXPECT_EQ(list.Find(*ZoneTool(0.5, "RD", 17, 0, 0)), list.GetTailPosition());
    EXPECT_FALSE(list.Find(*ZoneTool(0.5, "RD", 17, 0, 1)));
}

TEST(ToolList, CopyFromReplacesWithZoneToolCopies)
{
    CToolList source;
    source.AddTail(std::make_unique<CPartTool>(0.5, 0, "RD", 0));
    source.AddTail(ZoneTool(1.0, "SQ", 33, 1, 2));
    CToolList target;
    target.AddTail(ZoneTool(2.0, "RD", 17));
    target.CopyFrom(source);
    EXPECT_EQ(Names(target), (std::vector<std::string>{"1_2RD/0", "1-SQ/33"}));
    for (const CPartTool& tool : target)
        EXPECT_TRUE(tool.IsKindOf<CZoneTool>());
    EXPECT_TRUE(static_cast<const CZoneTool*>(target.GetTail())->GetZone().IsEqual(CZone(1, 2)));
    EXPECT_NE(target.GetHead(), source.GetHead());
}

TEST(ToolList, NotInCopiesWhatTheOtherListLacks)
{
    CToolList list, other, empty;
    Insert(list, ZoneTool(0.5, "RD", 17));
    Insert(list, ZoneTool(1.0, "RD", 19, 1, 2));
    Insert(list, ZoneTool(1.0, "SQ", 33));
    Insert(other, ZoneTool(0.5, "RD", 17));
    Insert(other, ZoneTool(1.0, "RD", 35, 2, 1));

    EXPECT_EQ(Names(*list.NotIn(other)), (std::vector<std::string>{"1-SQ/33"}));
    EXPECT_EQ(Names(*list.NotIn(empty)), Names(list));
    EXPECT_TRUE(empty.NotIn(list)->IsEmpty());
    empty.RemoveAll();
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(ToolList, ArchivesTaggedTools)
{
    RegisterModelClasses();
    CToolList list;
    list.AddTail(std::make_unique<CPartTool>(1.0, 0, "RD", 0));
    list.AddTail(ZoneTool(1.0, "RD", 17, 1, 2));
    list.AddTail(ZoneTool(1.0, "RD", 18, 1, 2));
    const Bytes plainForm = Cat({Dim(k1), Dim(k0), Str("RD"), Le32(0), Str("1-RD")});
    const Bytes bytes = Cat({{0x03, 0x00}, NewClass("CPartTool"), plainForm, NewClass("CZoneTool"), plainForm,
                             Le32(17), Dim(k1), Dim(k2), {0x03, 0x80}, plainForm, Le32(18), Dim(k1), Dim(k2)});
    EXPECT_EQ(StoreDirect(list), bytes);

    CToolList loaded;
    LoadDirect(loaded, bytes);
    EXPECT_EQ(Names(loaded), Names(list));
    EXPECT_FALSE(loaded.GetHead()->IsKindOf<CZoneTool>());
    ExpectTruncationsRejected(bytes, [](fw::Archive& ar) { CToolList().Serialize(ar); });

    const auto load = [](fw::Archive& ar) { CToolList().Serialize(ar); };
    EXPECT_EQ(LoadError(Cat({{0x01, 0x00}, NewClass("CZone"), Dim(k1), Dim(k2)}), load), fw::ArchiveException::badClass);
    EXPECT_EQ(LoadError(Bytes{0x01, 0x00, 0x00, 0x00}, load), fw::ArchiveException::badValue);   // a null tool
    EXPECT_EQ(LoadError(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00, 0x00}, load), fw::ArchiveException::endOfFile);
}
