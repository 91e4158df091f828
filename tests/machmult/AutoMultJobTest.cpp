// The automatic-multing job's worker with the real engine: mults made and saved, progress,
// refusals, cancel, stop and failures.

#include "tests/machmult/AutoMultTestSupport.h"

#include "automult/AutoMultOpnB.h"
#include "fw/core/CommitGroup.h"
#include "fw/core/Poster.h"

#include <thread>

using namespace multtest;

namespace {

class AutoMultJobTest : public AutoMultFixture {
protected:
    const std::string kFolder = "C:\\Kestrom\\Jobs\\J1\\G1\\";

    // Two choices: W 12X26 A36 with two pieces of 300 (two mults), W 14X30 A36 with `second`
    // pieces of 200 (two on a mult).
    std::unique_ptr<AutoMultJob> TwoChoices(std::uint32_t second = 2)
    {
        PutPlainPart("A", 300, 2);
        PutPlainPart("E", 200, second, "W ", "14X30");
        MakeTemplate(doc);
        return Gather(doc);
    }

    struct Saved {
        std::uint32_t sequence;
        std::string shape;
        double drop;
        std::vector<std::pair<std::string, std::uint32_t>> parts;
        bool operator==(const Saved&) const = default;
    };
    static Saved Reload(const std::string& path)
    {
        CMultDoc mult;
        EXPECT_TRUE(mult.LoadMult(path)) << path;
        Saved saved{mult.Header().sequence, mult.Header().shapeDesc, mult.Header().drop.GetValue(), {}};
        for (const CMultPart& part : mult.GetParts())
            saved.parts.emplace_back(part.GetKeyText(), part.GetQuantity());
        return saved;
    }
    bool Mentions(const std::vector<std::string>& texts, const std::string& fragment) const
    {
        return std::any_of(texts.begin(), texts.end(), [&](const std::string& t) { return t.find(fragment) != std::string::npos; });
    }

    CMultDoc doc;
};

TEST_F(AutoMultJobTest, SavesEveryMultUnderTheNextSequences)
{
    auto job = TwoChoices();
    Run(*job);
    const AutoMultSummary& s = listener.summary;
    EXPECT_EQ(s.end, AutoMultSummary::End::finished) << s.Text();
    ASSERT_EQ(s.saved, (std::vector<std::string>{kFolder + "M 5.mlt", kFolder + "M 6.mlt", kFolder + "M 7.mlt"}));
    EXPECT_EQ(listener.progress, (std::vector<int>{2, 50, 100}));
    EXPECT_EQ(ui->conditions.size(), 1u);   // the later choice takes the drop entered first
    // Kerf 0.125 (the machine's): 480 - 300.125 and 480 - 2 x 200.125 left over.
    EXPECT_EQ(Reload(s.saved[0]), (Saved{5, "12X26", 179.875, {{"J1\\G1\\A", 1}}}));
    EXPECT_EQ(Reload(s.saved[1]), (Saved{6, "12X26", 179.875, {{"J1\\G1\\A", 1}}}));
    EXPECT_EQ(Reload(s.saved[2]), (Saved{7, "14X30", 79.75, {{"J1\\G1\\E", 2}}}));
    EXPECT_TRUE(s.left.empty());
    EXPECT_TRUE(Mentions(listener.statuses, "Made " + kFolder + "M 7.mlt"));
}

TEST_F(AutoMultJobTest, ATakenNameRaisesTheSequence)
{
    auto job = TwoChoices();
    PutFile(JobFile("J1/G1/M 6.mlt"), Bytes{1, 2, 3});
    Run(*job);
    EXPECT_EQ(listener.summary.saved,
              (std::vector<std::string>{kFolder + "M 5.mlt", kFolder + "M 7.mlt", kFolder + "M 8.mlt"}));
    EXPECT_EQ(FileBytes(JobFile("J1/G1/M 6.mlt")), (Bytes{1, 2, 3}));
}

TEST_F(AutoMultJobTest, ThreeChoicesStepByAThird)
{
    PutPlainPart("A", 300, 1);
    PutPlainPart("E", 200, 1, "W ", "14X30");
    PutPlainPart("F", 200, 1, "W ", "12X26", "A572");
    MakeTemplate(doc);
    auto job = Gather(doc);
    Run(*job);
    EXPECT_EQ(listener.progress, (std::vector<int>{2, 33, 66, 99}));
    EXPECT_EQ(listener.summary.saved.size(), 3u);
}

TEST_F(AutoMultJobTest, ChoicesTheMachineCannotTakeMakeNoMults)
{
    struct Case {
        const char* name;
        double stock;
        const char* machine;   // the machine file SAW1 holds
        std::string reason;
    };
    const std::vector<Case> cases{
        {"over maximum", 700, nullptr, "above the maximum stock"},
        {"under minimum", 100, nullptr, "below the minimum stock"},
        {"material", 480, "beams not taken", "does not take this material type"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(JobFile("J1/G1"));
        if (c.machine)
            PutMachine("SAW1", MachineWithLimits("SAW1", 5, 0.125, 120, 600, 0, {2}));
        PutPlainPart("A", 90, 2);
        CMultDoc mult;
        MakeTemplate(mult, "", "", 0.0, c.stock);
        auto job = Gather(mult);
        ui = std::make_shared<ScriptedUi>();
        listener.ends = 0;
        Run(*job);
        const AutoMultSummary& s = listener.summary;
        EXPECT_TRUE(s.saved.empty());
        EXPECT_TRUE(Mentions(s.problems, c.reason)) << s.Text();
        ASSERT_EQ(s.left.size(), 1u);
        EXPECT_EQ(s.left[0].key, "J1\\G1\\A");
        EXPECT_EQ(s.left[0].quantity, 2u);
        EXPECT_EQ(ui->conditions.size(), 1u);   // the first choice still asks for the drop
    }
}

TEST_F(AutoMultJobTest, AnUnselectedChoiceHandsNoPartsToTheEngine)
{
    auto job = TwoChoices();
    job->GetChoices()[0].SetSelected(false);
    Run(*job);
    EXPECT_EQ(listener.summary.saved, (std::vector<std::string>{kFolder + "M 5.mlt"}));
    EXPECT_EQ(Reload(listener.summary.saved[0]).shape, "14X30");
    EXPECT_EQ(ui->conditions.size(), 1u);
}

TEST_F(AutoMultJobTest, PartsTakenOutOfTheRunAreNotMulted)
{
    auto job = TwoChoices();
    CMultPart& a = *job->GetChoices()[0].GetParts().GetHead();
    a.SetQuantityUsed(a.GetQuantity());   // the Delete key of the part list
    Run(*job);
    EXPECT_EQ(listener.summary.saved.size(), 1u);
}

// Every part file of the group is accounted for: one that can't be read and one whose shape file
// is gone are named in the end report with their reason; the others are multed.
TEST_F(AutoMultJobTest, PartsTheGatheringCannotTakeAreNamedInTheReport)
{
    PutPlainPart("A", 300, 2);
    PutShape("W 10X12", ShapeFile("W ", "10X12", modeltest::k12, modeltest::k4, 0));
    PutPlainPart("S", 100, 3, "W ", "10X12");
    std::filesystem::remove(drives.C() / "Kestrom/Shapes/W 10X12.shp");
    PutFile(JobFile("J1/G1/BAD.prt"), Bytes{'n', 'o', 't', ' ', 'a', ' ', 'p', 'a', 'r', 't'});
    MakeTemplate(doc);
    auto job = Gather(doc);
    ASSERT_TRUE(job);
    ASSERT_EQ(job->GetChoices().GetCount(), 1u);
    Run(*job);
    const AutoMultSummary& s = listener.summary;
    EXPECT_EQ(s.saved.size(), 2u) << s.Text();
    const std::string text = s.Text();
    EXPECT_NE(text.find("  C:\\Kestrom\\Jobs\\J1\\G1\\BAD.prt - its file could not be read (Invalid File)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("  J1\\G1\\S: 3 - its shape file W 10X12 is missing"), std::string::npos) << text;
    EXPECT_TRUE(messages->Shown().empty());
}

// A choice moved to another machine makes mults that name that machine, and reopen with it.
TEST_F(AutoMultJobTest, MultsNameTheMachineOfTheirStockChoice)
{
    PutMachine("SAW2", MachineWithLimits("SAW2", 5, 0.25, 120, 600, 0, {0}));
    auto job = TwoChoices();
    LoadProblems problems;
    ASSERT_TRUE(job->GetChoices()[0].LoadMachine("SAW2", problems));
    Run(*job);
    const AutoMultSummary& s = listener.summary;
    ASSERT_EQ(s.saved.size(), 3u) << s.Text();
    const std::pair<std::string, const char*> expected[] = {
        {s.saved[0], "SAW2"}, {s.saved[1], "SAW2"}, {s.saved[2], "SAW1"}};
    for (const auto& [path, machine] : expected) {
        CMultDoc mult;
        ASSERT_TRUE(mult.LoadMult(path)) << path;
        EXPECT_EQ(mult.Header().machine, machine) << path;
        ASSERT_TRUE(mult.GetMachine()) << path;
        EXPECT_EQ(mult.GetMachine()->GetMachineRecord().name, machine) << path;
    }
}

TEST_F(AutoMultJobTest, PartsWhoseToolsDoNotFitGoToTheEngineWithoutPieces)
{
    PutPart("H", 200);   // holes on the web; SAW1 has no stations
    PutPlainPart("A", 300, 1);
    MakeTemplate(doc);
    auto job = Gather(doc);
    Run(*job);
    const AutoMultSummary& s = listener.summary;
    ASSERT_EQ(s.saved.size(), 1u);
    EXPECT_EQ(Reload(s.saved[0]).parts, (std::vector<std::pair<std::string, std::uint32_t>>{{"J1\\G1\\A", 1}}));
    ASSERT_EQ(s.left.size(), 1u);
    EXPECT_EQ(s.left[0].key, "J1\\G1\\H");
    EXPECT_EQ(s.left[0].quantity, 5u);
    EXPECT_NE(s.Text().find("J1\\G1\\H: 5 - its tools do not fit"), std::string::npos) << s.Text();
}

TEST_F(AutoMultJobTest, PartsLongerThanTheStockAreListedAsUnplaced)
{
    PutPlainPart("A", 300, 1);
    PutPlainPart("L", 500, 2);
    MakeTemplate(doc);
    auto job = Gather(doc);
    ui->problemChoice = AMProblemChoice::Mult;   // keep the long part
    Run(*job);
    const AutoMultSummary& s = listener.summary;
    EXPECT_EQ(s.saved.size(), 1u);
    ASSERT_EQ(s.left.size(), 1u);
    EXPECT_EQ(s.left[0].key, "J1\\G1\\L");
    EXPECT_EQ(s.left[0].quantity, 2u);
    EXPECT_NE(s.Text().find("Parts not multed:"), std::string::npos);
}

TEST_F(AutoMultJobTest, CancelInTheConditionDialogEndsTheJob)
{
    auto job = TwoChoices();
    ui->typedDrop = std::nullopt;
    Run(*job);
    EXPECT_EQ(listener.summary.end, AutoMultSummary::End::cancelled);
    EXPECT_TRUE(listener.summary.saved.empty());
    EXPECT_EQ(listener.progress, (std::vector<int>{2}));
}

TEST_F(AutoMultJobTest, CancelInALaterSearchKeepsTheEarlierMults)
{
    PutPlainPart("A", 300, 2);
    for (const auto& [mark, length] : std::vector<std::pair<std::string, double>>{{"E", 200}, {"F", 210}, {"G", 220}, {"H", 230}})
        PutPlainPart(mark, length, 1, "W ", "14X30");
    MakeTemplate(doc);
    auto job = Gather(doc);
    ui->onMults = [this](int, std::stop_source& cancel) {
        if (ui->begins == 2)
            cancel.request_stop();
    };
    Run(*job);
    EXPECT_EQ(listener.summary.end, AutoMultSummary::End::cancelled);
    EXPECT_EQ(listener.summary.saved, (std::vector<std::string>{kFolder + "M 5.mlt", kFolder + "M 6.mlt"}));
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/M 6.mlt")));
    EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/M 7.mlt")));
}

TEST_F(AutoMultJobTest, StopReachesTheEnginesSearch)
{
    auto job = TwoChoices(6);
    ui->onMults = [&job](int, std::stop_source&) { job->RequestStop(); };
    Run(*job);
    EXPECT_EQ(listener.summary.end, AutoMultSummary::End::stopped);
    EXPECT_TRUE(listener.summary.saved.empty());
    EXPECT_EQ(ui->begins, 1);
}

TEST_F(AutoMultJobTest, StopWhileAQuestionWaitsForTheUserReturnsAtOnce)
{
    auto job = TwoChoices();
    fw::QueuePoster poster;   // the user-interface thread that never gets to answer
    ASSERT_TRUE(job->Begin({{}, ui, &poster, &listener}));
    for (int i = 0; i < 5000 && poster.Pending() == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_EQ(poster.Pending(), 1u);
    EXPECT_TRUE(job->IsRunning());

    const auto start = std::chrono::steady_clock::now();
    job->RequestStop();
    job->Join();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(job->IsRunning());
    EXPECT_EQ(listener.summary.end, AutoMultSummary::End::stopped);
    EXPECT_TRUE(listener.summary.saved.empty());
    // The question, run late, no longer shows anything.
    poster.RunPending();
    EXPECT_TRUE(ui->conditions.empty());
}

TEST_F(AutoMultJobTest, QuestionsRunOnThePostersThread)
{
    auto job = TwoChoices();
    fw::QueuePoster poster;
    ASSERT_TRUE(job->Begin({{}, ui, &poster, &listener}));
    while (!listener.Wait(std::chrono::seconds(0)))
        if (poster.RunPending() == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    EXPECT_EQ(listener.summary.saved.size(), 3u);
    EXPECT_EQ(ui->conditions.size(), 1u);
}

TEST_F(AutoMultJobTest, AFailingEngineEndsTheJobAndKeepsEarlierMults)
{
    auto job = TwoChoices();
    int made = 0;
    Run(*job, [&made](IAutoMultUi& engineUi) -> std::unique_ptr<ICommonAutoMult> {
        if (made++ > 0)
            return nullptr;
        return std::make_unique<CAutoMultOpnB>(engineUi, fw::AppProfile());
    });
    EXPECT_EQ(listener.summary.end, AutoMultSummary::End::failed);
    EXPECT_TRUE(Mentions(listener.summary.problems, AutoMultJob::kUnexpectedError));
    EXPECT_EQ(listener.summary.saved.size(), 2u);
}

TEST_F(AutoMultJobTest, AChoiceWithoutMachineOrShapeIsRefused)
{
    auto job = TwoChoices();
    job->GetChoices()[0].SetMachine(nullptr);
    job->GetChoices()[1].SetShape(nullptr, 0);
    Run(*job);
    const AutoMultSummary& s = listener.summary;
    EXPECT_EQ(s.end, AutoMultSummary::End::finished);
    EXPECT_TRUE(s.saved.empty());
    EXPECT_TRUE(Mentions(s.problems, "no machine is loaded"));
    EXPECT_TRUE(Mentions(s.problems, "the shape file was not found"));
    EXPECT_EQ(s.left.size(), 2u);
    EXPECT_EQ(listener.progress, (std::vector<int>{2, 50, 100}));
}

TEST_F(AutoMultJobTest, AMultThatCannotBeSavedIsReported)
{
    auto gathered = TwoChoices();
    MultRecord header = gathered->GetHeader();
    header.mark = "BAD*";
    AutoMultJob job(header, gathered->GetFolder(), std::move(gathered->GetChoices()));
    Run(job);
    EXPECT_TRUE(listener.summary.saved.empty());
    EXPECT_TRUE(Mentions(listener.summary.problems, "Mult BAD* 5 could not be saved in C:\\Kestrom\\Jobs\\J1\\G1."))
        << listener.summary.Text();
}

// The mults reach the disk together at the end: when the disk refuses them there, none is reported
// saved, each is named among the problems, and no file takes its name.
TEST_F(AutoMultJobTest, MultsTheDiskRefusesAtTheEndAreNotReportedSaved)
{
    auto job = TwoChoices();
    fw::CommitGroup::FailAt(fw::CommitGroup::Step::rename);
    Run(*job);
    const AutoMultSummary& s = listener.summary;
    EXPECT_EQ(s.end, AutoMultSummary::End::finished);
    EXPECT_TRUE(s.saved.empty()) << s.Text();
    EXPECT_EQ(s.problems.size(), 3u) << s.Text();
    for (const std::string name : {"M 5.mlt", "M 6.mlt", "M 7.mlt"}) {
        EXPECT_TRUE(Mentions(s.problems, kFolder + name)) << s.Text();
        EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/" + name))) << name;
    }
}

TEST_F(AutoMultJobTest, BeginNeedsChoicesAndStartsOnce)
{
    AutoMultJob empty(MultRecord{}, "C:\\", CAutoMultShapeList{});
    EXPECT_FALSE(empty.Begin({{}, ui, nullptr, &listener}));
    EXPECT_FALSE(empty.HasBegun());
    auto job = TwoChoices();
    Run(*job);
    EXPECT_FALSE(job->Begin({{}, ui, nullptr, &listener}));
    EXPECT_EQ(listener.ends, 1);
}

TEST(AutoMultZoneTest, FaceAndSideCodesGiveTheEnginesZones)
{
    const std::vector<std::pair<int, enumZone>> table{
        {17, eAM_ZONE_WEB_FAR},     {18, eAM_ZONE_WEB_NEAR},     {19, eAM_ZONE_WEB_ALL},
        {33, eAM_ZONE_TF_FAR},      {34, eAM_ZONE_TF_NEAR},      {35, eAM_ZONE_TF_ALL},
        {49, eAM_ZONE_BF_FAR},      {50, eAM_ZONE_BF_NEAR},      {51, eAM_ZONE_BF_ALL},
        {65, eAM_ZONE_WEB2_FAR},    {66, eAM_ZONE_WEB2_NEAR},    {67, eAM_ZONE_WEB2_ALL},
        {0, eAM_ZONE_UNKNOWN},      {16, eAM_ZONE_UNKNOWN},      {20, eAM_ZONE_UNKNOWN},
        {81, eAM_ZONE_UNKNOWN},     {-17, eAM_ZONE_UNKNOWN},     {1, eAM_ZONE_UNKNOWN},
    };
    for (const auto& [code, zone] : table)
        EXPECT_EQ(ZoneOfFaceCode(code), zone) << code;
}

} // namespace
