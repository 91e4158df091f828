// Which parts the engine treats as one kind of piece, and which tools as one tool.

#include "automult/AMPartGroup.h"

#include <gtest/gtest.h>

namespace {

struct GroupCase {
    const char* name;
    double length2;
    std::vector<std::pair<std::string, enumZone>> tools1, tools2;
    bool shareGroup;
};

const GroupCase kGroupCases[] = {
    {"SameLengthSameTool", 120.0, {{"A", eAM_ZONE_WEB_NEAR}}, {{"A", eAM_ZONE_WEB_NEAR}}, true},
    {"SameToolOtherZone", 120.0, {{"A", eAM_ZONE_WEB_NEAR}}, {{"A", eAM_ZONE_WEB_FAR}}, false},
    {"NamesDifferInCaseOnly", 120.0, {{"A", eAM_ZONE_WEB_NEAR}}, {{"a", eAM_ZONE_WEB_NEAR}}, false},
    {"LengthsDifferByATenMillionth", 120.0000001, {}, {}, false},
    {"SameToolsInOtherOrder", 120.0, {{"A", eAM_ZONE_WEB_NEAR}, {"B", eAM_ZONE_TF_NEAR}},
     {{"B", eAM_ZONE_TF_NEAR}, {"A", eAM_ZONE_WEB_NEAR}}, true},
    {"OneToolMore", 120.0, {{"A", eAM_ZONE_WEB_NEAR}}, {{"A", eAM_ZONE_WEB_NEAR}, {"B", eAM_ZONE_TF_NEAR}}, false},
    {"AToolNamedTwiceIsOneTool", 120.0, {{"A", eAM_ZONE_WEB_NEAR}}, {{"A", eAM_ZONE_WEB_NEAR}, {"A", eAM_ZONE_WEB_NEAR}},
     true},
};

void PrintTo(const GroupCase& c, std::ostream* os) { *os << c.name; }

class PartGrouping : public testing::TestWithParam<GroupCase> {};

std::unique_ptr<CAMPart> MakePart(CAMToolTable& table, double length, int quantity,
                                  const std::vector<std::pair<std::string, enumZone>>& tools)
{
    CDynamicArray<std::size_t> indexes;
    for (const auto& [name, zone] : tools)
        indexes.Add(FindOrAddTool(table, name, zone));
    return std::make_unique<CAMPart>(AMPartNames{"J", "G", "M", ""}, quantity, length, 0, indexes);
}

TEST_P(PartGrouping, JoinsAGroupOnlyWithEqualLengthAndTools)
{
    const GroupCase& c = GetParam();
    CAMToolTable table;
    CAMPartGroup group(MakePart(table, 120.0, 2, c.tools1));
    auto second = MakePart(table, c.length2, 3, c.tools2);
    EXPECT_EQ(group.Accepts(*second), c.shareGroup);
    group.AddPart(std::move(second));
    EXPECT_EQ(group.Remaining(), 5);
}

INSTANTIATE_TEST_SUITE_P(DataModel, PartGrouping, testing::ValuesIn(kGroupCases),
                         [](const testing::TestParamInfo<GroupCase>& info) { return info.param.name; });

TEST(DataModel, PiecesAreTakenFromTheFirstPartStillWanted)
{
    CAMToolTable table;
    CAMPartGroup group(MakePart(table, 50, 1, {}));
    group.AddPart(MakePart(table, 50, 2, {}));
    const CAMPart* first = group.Parts()[0].get();
    const CAMPart* second = group.Parts()[1].get();
    EXPECT_EQ(group.TakePiece(), first);
    EXPECT_EQ(group.TakePiece(), second);
    EXPECT_EQ(group.TakePiece(), second);
    EXPECT_EQ(group.TakePiece(), nullptr);
    EXPECT_EQ(group.Remaining(), 0);
}

TEST(DataModel, RemovingAPartTakesItsQuantityOut)
{
    CAMToolTable table;
    CAMPartGroup group(MakePart(table, 50, 1, {}));
    group.AddPart(MakePart(table, 50, 4, {}));
    const CAMPart* second = group.Parts()[1].get();
    EXPECT_TRUE(group.RemovePart(second));
    EXPECT_FALSE(group.RemovePart(second));
    EXPECT_EQ(group.Remaining(), 1);
    EXPECT_EQ(group.Parts().GetSize(), 1u);
}

} // namespace
