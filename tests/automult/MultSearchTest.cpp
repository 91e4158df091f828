// The mult search through the engine: one table over its rules and edge cases.

#include "EngineJob.h"
#include "ScriptedUi.h"

#include "fw/core/Profile.h"

#include <gtest/gtest.h>

namespace {

struct SearchCase {
    const char* name;
    Job job;
    std::vector<std::string> mults;
};

std::vector<std::string> MultJob(const Job& job, bool prune, ScriptedUi& ui)
{
    fw::MemoryProfile profile;
    CAutoMultOpnB engine(ui, profile);
    engine.SetSearchOptions({prune});
    Load(engine, job);
    int made = -1;
    EXPECT_EQ(engine.MultCurrentShape(&made), fw::S_OK);
    return Describe(ReadMults(engine, made));
}

const double kLeast = 0.0078125;
const double kMmPerInch = 25.4;

const SearchCase kCases[] = {
    {"PieceEqualToUsableLengthFits", {.stock = 101.5, .kerf = 0.5, .machineDrop = 1.5, .parts = {{"A", 99.5, 1}}},
     {"A*1 =1.5"}},
    {"ThreeOfAHundredFillThreeHundred", {.stock = 300, .parts = {{"A", 100, 3}}}, {"A*3 =0"}},
    {"OpeningGroupIsNeverTakenOff", {.parts = {{"A", 60, 1}, {"B", 50, 2}}}, {"A*1 =40", "B*2 =0"}},
    {"BestDropWins", {.allowable = kLeast, .parts = {{"A", 60, 1}, {"B", 35, 1}, {"C", 25, 1}, {"D", 15, 1}}},
     {"A*1 C*1 D*1 =0", "B*1 =65"}},
    {"DropWithinAllowableEndsThePass",
     {.allowable = 10, .parts = {{"A", 60, 1}, {"B", 35, 1}, {"C", 25, 1}, {"D", 15, 1}}},
     {"A*1 B*1 =5", "C*1 D*1 =60"}},
    {"DropOfExactlyTheLeastAllowableEndsThePass",
     {.allowable = kLeast, .parts = {{"A", 60, 1}, {"B", 40 - kLeast, 1}, {"C", 25, 1}, {"D", 15, 1}}},
     {"A*1 B*1 =0.0078", "C*1 D*1 =60"}},
    {"AnythingAboveTheAllowableSearchesOn",
     {.allowable = 0, .parts = {{"A", 60, 1}, {"B", 40 - kLeast, 1}, {"C", 25, 1}, {"D", 15, 1}}},
     {"A*1 C*1 D*1 =0", "B*1 =60.0078"}},
    {"AllowableAboveTheStockTakesTheFirstMult",
     {.allowable = 1000, .parts = {{"A", 60, 1}, {"B", 35, 1}, {"C", 25, 1}, {"D", 15, 1}}},
     {"A*1 B*1 =5", "C*1 D*1 =60"}},
    {"EqualDropFewerPiecesWins", {.allowable = -1, .parts = {{"A", 50, 1}, {"B", 26, 1}, {"C", 25, 2}, {"D", 12, 2}}},
     {"A*1 C*2 =0", "B*1 D*2 =50"}},
    {"EqualDropEqualPiecesEarlierStays",
     {.allowable = -1, .parts = {{"A", 50, 1}, {"B", 30, 1}, {"C", 28, 1}, {"D", 22, 1}, {"E", 20, 1}}},
     {"A*1 B*1 E*1 =0", "C*1 D*1 =50"}},
    {"OnlyTheShortestGroupFitsWhatIsLeft",
     {.parts = {{"A", 90, 1}, {"B", 80, 1}, {"C", 70, 1}, {"D", 60, 1}, {"E", 10, 1}}},
     {"A*1 E*1 =0", "B*1 =20", "C*1 =30", "D*1 =40"}},
    {"GroupWithNothingWantedGetsNoPieces", {.parts = {{"A", 60, 0}, {"B", 50, 1}}}, {"B*1 =50"}},
    {"PiecesOfAGroupComeFromItsPartsInOrder", {.parts = {{"A", 50, 1}, {"B", 50, 2}, {"C", 30, 1}}},
     {"A*1 B*1 =0", "B*1 C*1 =20"}},
    {"KerfAndMachineDropInTheDrop", {.stock = 100, .kerf = 0.125, .machineDrop = 1.5, .parts = {{"A", 48, 2}}},
     {"A*2 =3.75"}},
    {"DecimalInchExactFit", {.stock = 240, .parts = {{"A", 235.241, 1}, {"B", 4.759, 1}}}, {"A*1 B*1 =0"}},
    {"MetricExactFit", {.stock = 9000 / kMmPerInch, .parts = {{"A", 1000 / kMmPerInch, 9}}}, {"A*9 =0"}},
    {"MetricExactFitOfMixedLengths",
     {.stock = 6000 / kMmPerInch, .parts = {{"A", 2300 / kMmPerInch, 1}, {"B", 1700 / kMmPerInch, 1}, {"C", 500 / kMmPerInch, 4}}},
     {"A*1 B*1 C*4 =0"}},
    {"OneStationTakesOneToolPerMult",
     {.stations = {eAM_ZONE_WEB_NEAR},
      .parts = {{"A", 40, 1, {{"T1", eAM_ZONE_WEB_NEAR}}}, {"B", 30, 1, {{"T2", eAM_ZONE_WEB_NEAR}}}}},
     {"A*1 =60", "B*1 =70"}},
    {"TwoStationsTakeTwoTools",
     {.stations = {eAM_ZONE_WEB_NEAR, eAM_ZONE_WEB_NEAR},
      .parts = {{"A", 40, 1, {{"T1", eAM_ZONE_WEB_NEAR}}}, {"B", 30, 1, {{"T2", eAM_ZONE_WEB_NEAR}}}}},
     {"A*1 B*1 =30"}},
    {"ASharedToolTakesOneStation",
     {.stations = {eAM_ZONE_WEB_NEAR},
      .parts = {{"A", 40, 1, {{"T1", eAM_ZONE_WEB_NEAR}}}, {"B", 30, 1, {{"T1", eAM_ZONE_WEB_NEAR}}}}},
     {"A*1 B*1 =30"}},
    {"AToolNamedTwiceTakesOneStation",
     {.stations = {eAM_ZONE_TF_FAR},
      .parts = {{"A", 40, 2, {{"T1", eAM_ZONE_TF_FAR}, {"T1", eAM_ZONE_TF_FAR}}}}},
     {"A*2 =20"}},
    {"ToolsInOtherZonesDoNotCompete",
     {.stations = {eAM_ZONE_WEB_NEAR, eAM_ZONE_BF_ALL},
      .parts = {{"A", 40, 1, {{"T1", eAM_ZONE_WEB_NEAR}}}, {"B", 30, 1, {{"T1", eAM_ZONE_BF_ALL}}}}},
     {"A*1 B*1 =30"}},
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class SearchTable : public testing::TestWithParam<SearchCase> {};

TEST_P(SearchTable, MakesTheExpectedMultsWithAndWithoutPruning)
{
    ScriptedUi ui;
    EXPECT_EQ(MultJob(GetParam().job, true, ui), GetParam().mults);
    ScriptedUi plainUi;
    EXPECT_EQ(MultJob(GetParam().job, false, plainUi), GetParam().mults);
}

INSTANTIATE_TEST_SUITE_P(Search, SearchTable, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST(Search, RepeatsAPatternAndPostsProgressAfterEachMult)
{
    ScriptedUi ui;
    EXPECT_EQ(MultJob({.parts = {{"A", 50, 6}}}, true, ui), (std::vector<std::string>{"A*2 =0", "A*2 =0", "A*2 =0"}));
    EXPECT_EQ(ui.mults, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ui.percents, (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(ui.begins, 1);
    EXPECT_EQ(ui.ends, 1);
}

TEST(Search, PercentIsPlacedTimesHundredOverTotalRoundedDown)
{
    ScriptedUi ui;
    MultJob({.parts = {{"A", 60, 1}, {"B", 50, 2}}}, true, ui);
    EXPECT_EQ(ui.percents, (std::vector<int>{33, 100}));
}

TEST(Search, LongerGroupsAddedLaterStillGoFirst)
{
    ScriptedUi ui;
    EXPECT_EQ(MultJob({.parts = {{"B", 50, 2}, {"A", 60, 1}}}, true, ui), (std::vector<std::string>{"A*1 =40", "B*2 =0"}));
}

} // namespace
