// The engine's interface: registration, settings, the condition and problem dialogs as the
// engine drives them, return codes, cancelling, and the parts a search has to leave.

#include "EngineJob.h"
#include "ScriptedUi.h"

#include "automult/AllowableDrop.h"
#include "automult/AutoMultClasses.h"
#include "fw/core/Profile.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<AMPartRow>;

struct EngineTest : testing::Test {
    ScriptedUi ui;
    fw::MemoryProfile profile;
    CAutoMultOpnB engine{ui, profile};

    int Mult(fw::HRESULT expected = fw::S_OK)
    {
        int made = -7;
        EXPECT_EQ(engine.MultCurrentShape(&made), expected);
        return made;
    }
    std::vector<std::string> Mults(int made) { return Describe(ReadMults(engine, made)); }
};

TEST(EngineClasses, AreCreatedByProgIdAndClassId)
{
    ScriptedUi ui;
    fw::MemoryProfile profile;
    automult::RegisterAutoMultClasses(ui, profile);
    auto& registry = fw::ClassRegistry::Instance();
    auto engine = registry.CreateAs<ICommonAutoMult>(automult::kProgIdAutoMultOpnB);
    ASSERT_TRUE(engine);
    EXPECT_TRUE(engine->Query<IAutoMultUnplaced>());
    EXPECT_TRUE(registry.CreateAs<ICommonAutoMult>(automult::kClsidAutoMultOpnB));
    // Each class answers to its plain and its versioned ProgID.
    for (const char* progId : {"ZRAutoMultPrograme.AutoMultOpnB.1", "ZRAutoMultPrograme.AutoMult.1",
                               "zrautomultprograme.automult", "ZRAutoMultPrograme.AutoMultOpnB"})
        EXPECT_TRUE(registry.CreateAs<ICommonAutoMult>(progId)) << progId;
    EXPECT_TRUE(registry.CreateAs<IAutoMultUnplaced>("ZRAutoMultPrograme.AutoMultOpnB.1"));
    EXPECT_FALSE(registry.IsRegistered("ZRAutoMultPrograme.AutoMult.2"));

    auto stub = registry.CreateAs<ICommonAutoMult>(automult::kProgIdAutoMult);
    ASSERT_TRUE(stub);
    const std::string tool = "T";
    const enumZone zone = eAM_ZONE_WEB_NEAR;
    EXPECT_EQ(stub->SetMultStockLength(100), fw::S_OK);
    EXPECT_EQ(stub->SetMinimumMachineDrop(1), fw::S_OK);
    EXPECT_EQ(stub->SetMachineToolZone(zone), fw::S_OK);
    EXPECT_EQ(stub->AddPartToList("J", "G", "M", "P", 1, 10, 1, 1, &tool, &zone), fw::S_OK);
    int made = -7;
    EXPECT_EQ(stub->MultCurrentShape(&made), fw::S_OK);
    EXPECT_EQ(made, -7);
    double drop = -1;
    EXPECT_EQ(stub->SetAllowableDrop(0.5), fw::S_OK);
    EXPECT_EQ(stub->GetAllowableDrop(&drop), fw::S_OK);
    EXPECT_EQ(drop, -1);
    EXPECT_EQ(stub->GetMultDrop(0, &drop), fw::E_INVALIDARG);

    automult::UnregisterAutoMultClasses();
    EXPECT_FALSE(registry.IsRegistered(automult::kProgIdAutoMultOpnB));
    EXPECT_FALSE(registry.IsRegistered(automult::kClsidAutoMult));
    EXPECT_FALSE(registry.IsRegistered("ZRAutoMultPrograme.AutoMult.1"));
}

TEST_F(EngineTest, KerfInForceWhenAPartIsAddedIsTheOneItGets)
{
    // 50 + 0 and 49 + 1 are one length: one group, both parts on one 100 mult.
    engine.SetMultStockLength(100);
    EXPECT_EQ(engine.AddPartToList("J", "G", "A", "", 1, 50, 0, 0, nullptr, nullptr), fw::S_OK);
    engine.SetKerf(1);
    EXPECT_EQ(engine.AddPartToList("J", "G", "B", "", 1, 49, 0, 0, nullptr, nullptr), fw::S_OK);
    engine.SetAllowableDrop(0);
    EXPECT_EQ(Mults(Mult()), (std::vector<std::string>{"A*1 B*1 =0"}));
}

TEST_F(EngineTest, ShapeKeyAndSequenceChangeNothing)
{
    Load(engine, {.parts = {{"A", 60, 1}, {"B", 50, 2}}});
    EXPECT_EQ(engine.SetShapeKey("W 12X26"), fw::S_OK);
    EXPECT_EQ(engine.SetMultSequence(5), fw::S_OK);
    EXPECT_EQ(engine.SetMultOrignalPath("C:\\Kestrom\\Jobs\\J1\\M 1.mlt"), fw::S_OK);
    EXPECT_EQ(Mults(Mult()), (std::vector<std::string>{"A*1 =40", "B*2 =0"}));
}

TEST_F(EngineTest, DropIsRemainingPlusMachineDrop)
{
    Load(engine, {.stock = 100, .machineDrop = 1, .parts = {{"A", 96.5, 1}}});
    ASSERT_EQ(Mult(), 1);
    double drop = 0;
    EXPECT_EQ(engine.GetMultDrop(0, &drop), fw::S_OK);
    EXPECT_DOUBLE_EQ(drop, 3.5);
}

TEST_F(EngineTest, ASecondSearchTakesTheMachineDropOffOnlyOnce)
{
    Load(engine, {.stock = 100, .machineDrop = 10, .parts = {{"A", 90, 1}}});
    ASSERT_EQ(Mult(), 1);
    EXPECT_EQ(engine.AddPartToList("J", "G", "B", "", 1, 90, 0, 0, nullptr, nullptr), fw::S_OK);
    EXPECT_EQ(Mult(), 2);
    EXPECT_TRUE(ui.problems.empty());
    EXPECT_EQ(Mults(2), (std::vector<std::string>{"A*1 =10", "B*1 =10"}));
}

TEST_F(EngineTest, GettersRefuseIndexesOutOfRangeAndNullPointers)
{
    Load(engine, {.parts = {{"A", 60, 1}}});
    ASSERT_EQ(Mult(), 1);
    double drop = 0;
    int n = 0;
    std::string job, group, mark;
    EXPECT_EQ(engine.GetMultDrop(1, &drop), fw::E_INVALIDARG);
    EXPECT_EQ(engine.GetMultDrop(-1, &drop), fw::E_INVALIDARG);
    EXPECT_EQ(engine.GetMultDrop(0, nullptr), fw::E_POINTER);
    EXPECT_EQ(engine.GetNumberOfPartsForMult(1, &n), fw::E_INVALIDARG);
    EXPECT_EQ(engine.GetPartData(0, 1, &job, &group, &mark, &n), fw::E_INVALIDARG);
    EXPECT_EQ(fw::GetErrorInfo(), "invalid argument in CAutoMultOpnB::GetPartData");
    EXPECT_EQ(engine.GetPartData(0, 0, &job, &group, nullptr, &n), fw::E_POINTER);
    EXPECT_EQ(engine.GetPartData(0, 0, &job, &group, &mark, &n), fw::S_OK);
    EXPECT_EQ(std::tie(job, group, mark, n), std::make_tuple("J1", "G1", "A", 1));
    EXPECT_EQ(engine.MultCurrentShape(nullptr), fw::E_POINTER);
}

TEST_F(EngineTest, AddPartToListRefusesPartsThatCannotBeMulted)
{
    const std::string tool = "T";
    const enumZone zone = eAM_ZONE_WEB_NEAR;
    struct Bad {
        int quantity;
        double length;
        int tools;
        bool nullTools;
        fw::HRESULT hr;
    };
    for (Bad bad : {Bad{-1, 10, 0, false, fw::E_INVALIDARG}, Bad{1, -1, 0, false, fw::E_INVALIDARG},
                    Bad{1, 0, 0, false, fw::E_INVALIDARG}, Bad{1, std::nan(""), 0, false, fw::E_INVALIDARG},
                    Bad{1, 1e300, 0, false, fw::E_INVALIDARG}, Bad{1, 10, -1, false, fw::E_INVALIDARG},
                    Bad{1, 10, 1, true, fw::E_POINTER}}) {
        EXPECT_EQ(engine.AddPartToList("J", "G", "M", "", bad.quantity, bad.length, 0, bad.tools,
                                       bad.nullTools ? nullptr : &tool, &zone),
                  bad.hr);
    }
    EXPECT_EQ(fw::GetErrorInfo(), "null pointer in CAutoMultOpnB::AddPartToList");
    // None of them went in: nothing to mult.
    EXPECT_EQ(Mult(), 0);
}

TEST_F(EngineTest, ConditionDialogStartsFromNoStoredDropAndStoresTheLeastDrop)
{
    Load(engine, {.machineDrop = 1.25, .allowable = std::nullopt, .parts = {{"A", 60, 1}}});
    EXPECT_EQ(Mult(), 1);
    ASSERT_EQ(ui.conditions.size(), 1u);
    EXPECT_EQ(ui.conditions[0], std::make_pair(std::string(" 1.250"), std::string(" 0.000")));
    double drop = 0;
    EXPECT_EQ(engine.GetAllowableDrop(&drop), fw::S_OK);
    EXPECT_EQ(drop, 0.0078125);
    EXPECT_EQ(profile.GetProfileInt(automult::AllowableDropSection(), "Allowable Drop", -1), 78);
}

TEST_F(EngineTest, ConditionDialogShowsTheStoredDropAndKeepsWhatIsTyped)
{
    ui.typedDrop = "0.25";
    Load(engine, {.allowable = std::nullopt, .parts = {{"A", 60, 1}}});
    EXPECT_EQ(Mult(), 1);
    EXPECT_EQ(profile.GetProfileInt(automult::AllowableDropSection(), "Allowable Drop", -1), 2500);

    CAutoMultOpnB next(ui, profile);
    Load(next, {.allowable = std::nullopt, .parts = {{"A", 60, 1}}});
    int made = 0;
    EXPECT_EQ(next.MultCurrentShape(&made), fw::S_OK);
    EXPECT_EQ(ui.conditions.back().second, " 0.250");
}

TEST_F(EngineTest, CancelInTheConditionDialogStopsWithNoMultsAndNothingStored)
{
    ui.typedDrop = std::nullopt;
    Load(engine, {.allowable = std::nullopt, .parts = {{"A", 60, 1}}});
    EXPECT_EQ(Mult(fw::S_FALSE), 0);
    EXPECT_EQ(ui.begins, 0);
    EXPECT_TRUE(profile.Values().empty());
}

TEST_F(EngineTest, SuppliedDropSkipsTheConditionDialog)
{
    Load(engine, {.allowable = 0.0, .parts = {{"A", 60, 1}}});
    EXPECT_EQ(Mult(), 1);
    EXPECT_TRUE(ui.conditions.empty());
}

TEST_F(EngineTest, ProblemDialogListsTooLongPartsAndPartsWithTooManyTools)
{
    const std::vector<JobTool> threeTools = {{"T1", eAM_ZONE_WEB_NEAR}, {"T2", eAM_ZONE_WEB_NEAR}, {"T3", eAM_ZONE_WEB_NEAR}};
    Load(engine, {.stock = 100,
                  .machineDrop = 1,
                  .stations = {eAM_ZONE_TF_NEAR, eAM_ZONE_WEB_NEAR, eAM_ZONE_WEB_NEAR},
                  .parts = {{"LONG", 99.5, 1}, {"FIT", 99, 1}, {"TOOLS", 50, 2, threeTools},
                            {"BOTH", 120, 1, threeTools}, {"OK", 40, 1, {{"T1", eAM_ZONE_WEB_NEAR}}}}});
    ui.problemChoice = AMProblemChoice::CancelMulting;
    EXPECT_EQ(Mult(), -7);
    ASSERT_EQ(ui.problems.size(), 1u);
    EXPECT_EQ(ui.problems[0].first, (Rows{{"J1", "G1", "LONG"}, {"J1", "G1", "BOTH"}}));
    EXPECT_EQ(ui.problems[0].second, (Rows{{"J1", "G1", "TOOLS"}, {"J1", "G1", "BOTH"}}));
    EXPECT_EQ(ui.begins, 0);
    EXPECT_EQ(engine.GetMultDrop(0, nullptr), fw::E_POINTER);
    double drop = 0;
    EXPECT_EQ(engine.GetMultDrop(0, &drop), fw::E_INVALIDARG);
}

TEST_F(EngineTest, StartLeavesOutEveryListedPartOnce)
{
    const std::vector<JobTool> twoTools = {{"T1", eAM_ZONE_WEB_NEAR}, {"T2", eAM_ZONE_WEB_NEAR}};
    Load(engine, {.stations = {eAM_ZONE_WEB_NEAR},
                  .parts = {{"BOTH", 120, 1, twoTools}, {"LONG", 110, 1}, {"SAME", 60, 1, twoTools},
                            {"TOOLS", 60, 2, twoTools}, {"OK", 40, 2}}});
    ui.problemChoice = AMProblemChoice::Start;
    const int made = Mult();
    EXPECT_EQ(Mults(made), (std::vector<std::string>{"OK*2 =20"}));
    EXPECT_TRUE(engine.GetUnplacedParts().empty());
}

TEST_F(EngineTest, MultKeepsTooLongPartsAndReportsThemUnplaced)
{
    Load(engine, {.parts = {{"LONG", 110, 2}, {"A", 60, 1}, {"B", 50, 2}}});
    ui.problemChoice = AMProblemChoice::Mult;
    const int made = Mult();
    EXPECT_EQ(Mults(made), (std::vector<std::string>{"A*1 =40", "B*2 =0"}));
    EXPECT_EQ(engine.GetUnplacedParts(), (std::vector<AMUnplacedPart>{{"J1", "G1", "LONG", 2}}));
    EXPECT_EQ(ui.ends, 1);
}

TEST_F(EngineTest, ToolInAZoneWithoutStationsIsReportedUnplaced)
{
    Load(engine, {.stations = {eAM_ZONE_WEB_NEAR},
                  .parts = {{"A", 60, 1, {{"T1", eAM_ZONE_TF_NEAR}}}, {"B", 50, 3, {{"T2", eAM_ZONE_WEB_NEAR}}}}});
    const int made = Mult();
    EXPECT_TRUE(ui.problems.empty());
    EXPECT_EQ(Mults(made), (std::vector<std::string>{"B*2 =0", "B*1 =50"}));
    EXPECT_EQ(engine.GetUnplacedParts(), (std::vector<AMUnplacedPart>{{"J1", "G1", "A", 1}}));
}

TEST_F(EngineTest, NothingPlaceableEndsAtOnce)
{
    Load(engine, {.parts = {{"A", 60, 1, {{"T1", eAM_ZONE_TF_NEAR}}}}});
    EXPECT_EQ(Mult(), 0);
    EXPECT_EQ(engine.GetUnplacedParts(), (std::vector<AMUnplacedPart>{{"J1", "G1", "A", 1}}));
}

TEST_F(EngineTest, CancelMidSearchReportsNoMults)
{
    Load(engine, {.parts = {{"A", 60, 1}, {"B", 50, 2}, {"C", 30, 2}}});
    ui.onMults = [](int made, std::stop_source& cancel) {
        if (made == 1)
            cancel.request_stop();
    };
    EXPECT_EQ(Mult(fw::S_FALSE), 0);
    EXPECT_EQ(ui.mults, (std::vector<int>{1}));
    EXPECT_EQ(ui.ends, 1);
    double drop = 0;
    EXPECT_EQ(engine.GetMultDrop(0, &drop), fw::E_INVALIDARG);
}

TEST_F(EngineTest, ALateCancelReachesNoLaterSearch)
{
    Load(engine, {.parts = {{"A", 60, 1}}});
    EXPECT_EQ(Mult(), 1);
    std::stop_source late = ui.cancel;
    late.request_stop();

    CAutoMultOpnB next(ui, profile);
    Load(next, {.parts = {{"A", 60, 1}}});
    int made = 0;
    EXPECT_EQ(next.MultCurrentShape(&made), fw::S_OK);
    EXPECT_EQ(made, 1);
}

} // namespace
