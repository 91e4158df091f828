#include "machmult/HandMultSession.h"

#include "machmult/FaceStations.h"
#include "machmult/MultShape.h"
#include "model/Machine.h"

#include "MultTestSupport.h"

#include <deque>
#include <filesystem>

using namespace multtest;

namespace {

using Answer = HandMultSession::CopyAnswer;

class HandMultTest : public MultFixture {
protected:
    HandMultTest() { PutMachine("PLAIN", MachineFile("PLAIN", 0)); }

    // A mult M 1 of J1\G1 on W 12X26, 480 inches, kerf 0, on a plain machine (no stations).
    void MakePlainMult(CMultDoc& doc) const
    {
        MakeMult(doc);
        MultRecord data = doc.GetMultData();
        data.machine = "PLAIN";
        ASSERT_TRUE(doc.SetMultData(data));
    }
    std::filesystem::path PartFile(const std::string& drive, const std::string& mark) const
    {
        return drives.Root() / drive / "Kestrom/Jobs/J1/G1" / (mark + ".prt");
    }
    // Moves part files written on C: to drive D:.
    void MoveToD(const std::vector<std::string>& marks) const
    {
        for (const std::string& mark : marks) {
            TempDrives::Put(PartFile("D", mark), TempDrives::Get(PartFile("C", mark)));
            std::filesystem::remove(PartFile("C", mark));
        }
    }
    static std::vector<std::string> Keys(CPartList& list)
    {
        std::vector<std::string> keys;
        for (CMultPart& part : list)
            keys.push_back(part.GetHeader().mark + "x" + std::to_string(part.GetQuantity()));
        return keys;
    }
    static std::vector<std::string> Used(CPartList& list)
    {
        std::vector<std::string> used;
        for (CMultPart& part : list)
            used.push_back(part.GetHeader().mark + ":" + std::to_string(part.GetQuantityUsed()));
        return used;
    }
    // The parts of a list as a drag carries them: copies with their list indexes.
    static std::vector<std::unique_ptr<CMultPart>> Dragged(CPartList& list, std::initializer_list<int> indexes)
    {
        std::vector<std::unique_ptr<CMultPart>> parts;
        for (int index : indexes) {
            auto part = std::make_unique<CMultPart>();
            part->CopyFrom(*list.GetAt(list.FindIndex(std::size_t(index))));
            part->SetListIndex(index);
            parts.push_back(std::move(part));
        }
        return parts;
    }
    static void Drop(HandMultSession& session, CPartList& from, std::initializer_list<int> indexes, PartDropMode mode,
                     int position, PartListKind target, const HandMultSession::QuantityQuestion& ask = {})
    {
        auto parts = Dragged(from, indexes);
        session.DropParts(parts, mode, position, target, ask);
    }
};

TEST_F(HandMultTest, TheGroupsPartsOfTheMultsShapeBecomeThePotentialList)
{
    PutPart("B2", 100);
    PutPart("A1", 50);
    PutPart("L1", 60, "L ", "4X4X0.5");
    CMultDoc doc;
    MakePlainMult(doc);
    HandMultSession session(doc);
    ASSERT_TRUE(session.FillPotentialList(CMultDoc::sourceGroup, {}));
    CPotentialPartList& potential = session.GetPotentialList();
    EXPECT_EQ(Keys(potential), (std::vector<std::string>{"A1x5", "B2x5"}));   // the angle is left out
    const CMultPart& a1 = *potential.GetAt(potential.GetHeadPosition());
    EXPECT_EQ(a1.GetListIndex(), 0);
    EXPECT_EQ(a1.GetPartPath(), "C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt");
    EXPECT_EQ(a1.GetHeader().jobId, "J1");
    EXPECT_FALSE(a1.GetTools().IsEmpty());
    EXPECT_EQ(a1.GetToolsFit(), 0);   // no station on the plain machine
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(HandMultTest, ASourceWithoutPartsSaysSo)
{
    CMultDoc doc;
    MakePlainMult(doc);
    HandMultSession session(doc);
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(session.FillPotentialList(CMultDoc::sourceSelectedParts, {}));   // nothing selected
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, HandMultSession::kNoParts);
    EXPECT_EQ(fw::MessageIcon(messages->Shown()[0].type), fw::MB_ICONHAND);
}

TEST_F(HandMultTest, PartsOnAnotherDriveAreCopiedAsTheUserAnswers)
{
    struct Case {
        std::vector<Answer> answers;
        std::size_t questions;                // how many were asked
        std::vector<std::string> potential;   // what came in
        bool completed;
    };
    const Case cases[] = {
        {{Answer::yes, Answer::no, Answer::yes}, 3, {"P1x5", "P3x5"}, true},
        {{Answer::yesToAll}, 1, {"P1x5", "P2x5", "P3x5"}, true},
        {{Answer::no, Answer::yesToAll}, 2, {"P2x5", "P3x5"}, true},
        {{Answer::noToAll}, 1, {}, true},
        {{Answer::yes, Answer::cancel}, 2, {"P1x5"}, false},
    };
    for (const char* mark : {"P1", "P2", "P3"})
        PutPart(mark, 40);
    MoveToD({"P1", "P2", "P3"});
    for (const Case& c : cases) {
        for (const char* mark : {"P1", "P2", "P3"})
            std::filesystem::remove(PartFile("C", mark));
        CMultDoc::SetSelectionProvider([](int) {
            return std::string("D:\\Kestrom\\Jobs\\J1\\G1\\P1.prt|D:\\Kestrom\\Jobs\\J1\\G1\\P2.prt|"
                               "D:\\Kestrom\\Jobs\\J1\\G1\\P3.prt|");
        });
        CMultDoc doc;
        MakePlainMult(doc);
        HandMultSession session(doc);
        std::deque<Answer> answers(c.answers.begin(), c.answers.end());
        std::vector<std::string> asked;
        const bool completed = session.FillPotentialList(CMultDoc::sourceSelectedParts, [&](const std::string& m) {
            asked.push_back(m);
            const Answer a = answers.front();
            answers.pop_front();
            return a;
        });
        CMultDoc::SetSelectionProvider(nullptr);
        EXPECT_EQ(completed, c.completed);
        EXPECT_EQ(asked.size(), c.questions);
        EXPECT_EQ(Keys(session.GetPotentialList()), c.potential);
        EXPECT_EQ(asked.front(), "WARNING: Part D:\\Kestrom\\Jobs\\J1\\G1\\P1.prt is not on the same drive as the "
                                 "mult!  Do you wish to copy it to the correct drive?");
        for (const std::string& key : c.potential) {
            const std::string mark = key.substr(0, 2);
            EXPECT_TRUE(std::filesystem::exists(PartFile("C", mark))) << mark;
        }
        for (CMultPart& part : session.GetPotentialList())
            EXPECT_EQ(part.GetPartPath().substr(0, 2), "C:");
    }
}

TEST_F(HandMultTest, ACopyNeverReplacesAFileOnTheMultsDriveUnasked)
{
    PutPart("P1", 40, "W ", "12X26", "A36");
    MoveToD({"P1"});
    PutPart("P1", 40, "W ", "12X26", "A572");   // the file on C: differs
    const std::string before = TempDrives::Get(PartFile("C", "P1"));
    CMultDoc::SetSelectionProvider([](int) { return std::string("D:\\Kestrom\\Jobs\\J1\\G1\\P1.prt|"); });
    CMultDoc doc;
    MakePlainMult(doc);
    HandMultSession session(doc);
    messages->Answer(fw::IDNO);
    EXPECT_TRUE(session.FillPotentialList(CMultDoc::sourceSelectedParts, [](const std::string&) { return Answer::yes; }));
    CMultDoc::SetSelectionProvider(nullptr);
    EXPECT_EQ(TempDrives::Get(PartFile("C", "P1")), before);   // kept; the one there is used
    ASSERT_EQ(Keys(session.GetPotentialList()), std::vector<std::string>{"P1x5"});
    EXPECT_EQ(session.GetPotentialList().GetHead()->GetHeader().grade, "A572");
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "WARNING: Part C:\\Kestrom\\Jobs\\J1\\G1\\P1.prt is on the mult's drive "
                                         "already.  Do you wish to replace it with the copy?");
}

TEST_F(HandMultTest, PartsOnTheMultCountAsUsedAndMissingOnesAreLoaded)
{
    PutPart("A1", 50);
    PutPart("B2", 60);
    CMultDoc doc;
    MakePlainMult(doc);
    HandMultSession session(doc);
    ASSERT_TRUE(session.FillPotentialList(CMultDoc::sourceGroup, {}));
    // On the mult: 2 of A1, and 1 of C3, which the group did not offer (its file is elsewhere),
    // and 1 of Z9, whose file is gone.
    PutPart("C3", 70);
    std::filesystem::create_directories(drives.C() / "Kestrom/Elsewhere");
    std::filesystem::rename(PartFile("C", "C3"), drives.C() / "Kestrom/Elsewhere/C3.prt");
    std::unique_ptr<CMultPart> c3 = session.MakeMultPart("C:\\Kestrom\\Elsewhere\\C3.prt");
    ASSERT_TRUE(c3);
    c3->SetQuantity(1);
    auto a1 = std::make_unique<CMultPart>();
    a1->CopyFrom(*session.GetPotentialList().GetHead());
    a1->SetQuantity(2);
    auto z9 = std::make_unique<CMultPart>();
    z9->GetHeader() = c3->GetHeader();
    z9->GetHeader().mark = "Z9";
    doc.GetParts().AddTail(std::move(a1));
    doc.GetParts().AddTail(std::move(c3));
    doc.GetParts().AddTail(std::move(z9));

    messages->Answer(fw::IDOK);
    session.TakeMultParts();
    EXPECT_EQ(Used(session.GetPotentialList()), (std::vector<std::string>{"A1:2", "B2:0", "C3:1"}));
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_EQ(messages->Shown()[0].text, "WARNING: Part C:\\Kestrom\\Jobs\\J1\\G1\\Z9.prt was not found!");
    EXPECT_EQ(messages->Beeps(), std::vector<unsigned>{fw::MB_ICONEXCLAMATION});
    int index = 0;
    for (CMultPart& part : doc.GetParts())
        EXPECT_EQ(part.GetListIndex(), index++);
    // 480 - 2 x 50 - 70 - Z9's 70 left; fit is limited by what is still to place.
    EXPECT_DOUBLE_EQ(doc.Header().drop.GetValue(), 480.0 - 100 - 70 - 70);
    EXPECT_EQ(session.GetPotentialList().GetHead()->GetQuantityFit(), 3u);
}

TEST_F(HandMultTest, MovingPartsAsksHowManyAndNeverMovesMoreThanThereAre)
{
    struct Case {
        const char* what;
        std::vector<std::optional<std::uint32_t>> answers;
        std::vector<std::uint32_t> proposals;
        std::vector<std::string> onMult;
        std::vector<std::string> used;
        std::size_t refusals;   // "Only n of part ..." messages
    };
    // A1 (quantity 5) has 2 used already; 3 are left.
    const Case cases[] = {
        {"the fit proposed, accepted", {2}, {2}, {"A1x2"}, {"A1:4"}, 0},
        {"cancel moves nothing", {std::nullopt}, {2}, {}, {"A1:2"}, 0},
        {"0 moves nothing", {0}, {2}, {}, {"A1:2"}, 0},
        {"too many is refused, then corrected", {4, 3}, {2, 4}, {"A1x3"}, {"A1:5"}, 1},
    };
    PutPart("A1", 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages->Answer(fw::IDOK);
        CMultDoc doc;
        MakePlainMult(doc);
        doc.GetParts().RemoveAll();
        HandMultSession session(doc);
        ASSERT_TRUE(session.FillPotentialList(CMultDoc::sourceGroup, {}));
        CMultPart& a1 = *session.GetPotentialList().GetHead();
        a1.SetQuantityUsed(2);
        a1.SetQuantityFit(2);
        std::deque<std::optional<std::uint32_t>> answers(c.answers.begin(), c.answers.end());
        std::vector<std::uint32_t> proposals;
        std::vector<std::string> labels;
        Drop(session, session.GetPotentialList(), {0}, dropFromOtherList, -1, PartListKind::mult,
             [&](const std::string& label, std::uint32_t proposal) {
                 labels.push_back(label);
                 proposals.push_back(proposal);
                 const auto a = answers.front();
                 answers.pop_front();
                 return a;
             });
        EXPECT_EQ(proposals, c.proposals);
        EXPECT_EQ(labels.front(), "J1\\G1\\A1");
        EXPECT_EQ(Keys(doc.GetParts()), c.onMult);
        EXPECT_EQ(Used(session.GetPotentialList()), c.used);
        std::size_t refusals = 0;
        for (const fw::ShownMessage& m : messages->Shown())
            refusals += m.text == "Only 3 of part J1\\G1\\A1 can be moved.";
        EXPECT_EQ(refusals, c.refusals);
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST_F(HandMultTest, PartsGoBackFromTheMultToThePotentialList)
{
    for (const char* mark : {"A1", "B2"})
        PutPart(mark, 30);
    CMultDoc doc;
    MakePlainMult(doc);
    HandMultSession session(doc);
    ASSERT_TRUE(session.FillPotentialList(CMultDoc::sourceGroup, {}));
    const auto all = [](const std::string&, std::uint32_t proposal) { return std::optional<std::uint32_t>(proposal); };
    // All of A1 and B2 onto the mult.
    Drop(session, session.GetPotentialList(), {0, 1}, dropFromOtherList, -1, PartListKind::mult, all);
    EXPECT_EQ(Keys(doc.GetParts()), (std::vector<std::string>{"A1x5", "B2x5"}));
    EXPECT_EQ(Used(session.GetPotentialList()), (std::vector<std::string>{"A1:5", "B2:5"}));

    // 2 of B2 back: the dropped part's own entry (index 1) gives them, not the first selected one.
    Drop(session, doc.GetParts(), {1}, dropFromOtherList, -1, PartListKind::potential,
         [](const std::string&, std::uint32_t) { return std::optional<std::uint32_t>(2); });
    EXPECT_EQ(Keys(doc.GetParts()), (std::vector<std::string>{"A1x5", "B2x3"}));
    EXPECT_EQ(Used(session.GetPotentialList()), (std::vector<std::string>{"A1:5", "B2:3"}));
    // All of A1 back: its entry leaves the mult.
    Drop(session, doc.GetParts(), {0}, dropFromOtherList, 0, PartListKind::potential, all);
    EXPECT_EQ(Keys(doc.GetParts()), std::vector<std::string>{"B2x3"});
    EXPECT_EQ(Used(session.GetPotentialList()), (std::vector<std::string>{"A1:0", "B2:3"}));
    EXPECT_EQ(doc.GetParts().GetHead()->GetListIndex(), 0);
}

TEST_F(HandMultTest, ReorderingTheMult)
{
    struct Case {
        std::initializer_list<int> moved;
        int position;
        const char* order;
    };
    const Case cases[] = {
        {{1}, 3, "ACBD"}, {{2}, 0, "CABD"}, {{0}, -1, "BCDA"}, {{0, 1}, 3, "CABD"},
        {{1}, 1, "ABCD"}, {{1}, 2, "ABCD"}, {{3, 0}, 1, "DABC"}, {{2}, 9, "ABDC"},
    };
    for (const char* mark : {"A", "B", "C", "D"})
        PutPart(mark, 20);
    for (const Case& c : cases) {
        CMultDoc doc;
        MakePlainMult(doc);
        HandMultSession session(doc);
        ASSERT_TRUE(session.FillPotentialList(CMultDoc::sourceGroup, {}));
        const auto one = [](const std::string&, std::uint32_t) { return std::optional<std::uint32_t>(1); };
        Drop(session, session.GetPotentialList(), {0, 1, 2, 3}, dropFromOtherList, -1, PartListKind::mult, one);
        Drop(session, doc.GetParts(), c.moved, dropWithinList, c.position, PartListKind::mult);
        // A reorder dropped on the potential list moves nothing.
        Drop(session, doc.GetParts(), c.moved, dropWithinList, 0, PartListKind::potential);
        std::string order;
        for (CMultPart& part : doc.GetParts())
            order += part.GetHeader().mark;
        EXPECT_EQ(order, c.order) << c.position;
        EXPECT_EQ(Used(session.GetPotentialList()), (std::vector<std::string>{"A:1", "B:1", "C:1", "D:1"}));
    }
}

TEST_F(HandMultTest, SaveNewStartsTheNextMultOfTheSeries)
{
    PutPart("A1", 30);
    CMultDoc doc;
    MakePlainMult(doc);
    MultRecord data = doc.GetMultData();
    data.mark = "Mult";
    ASSERT_TRUE(doc.SetMultData(data));
    HandMultSession session(doc);
    ASSERT_TRUE(session.FillPotentialList(CMultDoc::sourceGroup, {}));
    Drop(session, session.GetPotentialList(), {0}, dropFromOtherList, -1, PartListKind::mult,
         [](const std::string&, std::uint32_t) { return std::optional<std::uint32_t>(2); });

    ASSERT_TRUE(session.SaveNew());
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/Mult 1.mlt")));
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\Mult 2.mlt");
    EXPECT_EQ(doc.Header().sequence, 2u);
    EXPECT_TRUE(doc.GetParts().IsEmpty());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(Used(session.GetPotentialList()), std::vector<std::string>{"A1:2"});
    EXPECT_EQ(session.GetPotentialList().GetHead()->GetQuantityFit(), 3u);

    // A save that fails keeps every part on the mult, and the name.
    Drop(session, session.GetPotentialList(), {0}, dropFromOtherList, -1, PartListKind::mult,
         [](const std::string&, std::uint32_t) { return std::optional<std::uint32_t>(3); });
    doc.SetMachine(nullptr);
    EXPECT_FALSE(session.SaveNew());
    EXPECT_EQ(Keys(doc.GetParts()), std::vector<std::string>{"A1x3"});
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\Mult 2.mlt");
    EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/Mult 2.mlt")));
}

// A new user's run: five parts of one group, three of them moved onto new mults, two mults saved.
TEST_F(HandMultTest, ASeriesOfTwoMultsFromOneGroup)
{
    const std::pair<const char*, double> parts[] = {{"B1", 100}, {"B2", 96}, {"B3", 60}, {"B4", 48}, {"B5", 30}};
    for (const auto& [mark, length] : parts)
        PutPart(mark, length);
    CMultDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    MakePlainMult(doc);
    HandMultSession session(doc);
    ASSERT_TRUE(session.FillPotentialList(CMultDoc::sourceGroup, {}));
    session.TakeMultParts();
    ASSERT_EQ(session.GetPotentialList().GetCount(), 5u);

    std::deque<std::uint32_t> answers = {2, 1, 3, 2};
    const auto ask = [&](const std::string&, std::uint32_t) {
        const std::uint32_t a = answers.front();
        answers.pop_front();
        return std::optional<std::uint32_t>(a);
    };
    Drop(session, session.GetPotentialList(), {0, 1, 2}, dropFromOtherList, -1, PartListKind::mult, ask);
    ASSERT_TRUE(session.SaveNew());
    Drop(session, session.GetPotentialList(), {0}, dropFromOtherList, -1, PartListKind::mult, ask);
    ASSERT_TRUE(session.SaveNew());

    CMultDoc first;
    ASSERT_TRUE(first.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt"));
    EXPECT_EQ(Keys(first.GetParts()), (std::vector<std::string>{"B1x2", "B2x1", "B3x3"}));
    CMultDoc second;
    ASSERT_TRUE(second.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 2.mlt"));
    EXPECT_EQ(Keys(second.GetParts()), std::vector<std::string>{"B1x2"});
    EXPECT_EQ(second.Header().sequence, 2u);
    EXPECT_EQ(Used(session.GetPotentialList()), (std::vector<std::string>{"B1:4", "B2:1", "B3:3", "B4:0", "B5:0"}));
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt");
}

// --- Stations per face ---------------------------------------------------------------------------

std::unique_ptr<CZoneTool> ZoneTool(const char* name, int code)
{
    auto tool = std::make_unique<CZoneTool>();
    tool->CopyFrom(CPartTool(0.8125, 0, "RD", 0));
    tool->SetShortName(name);
    tool->SetZoneCode(code);
    return tool;
}

TEST(FaceStations, OneRowPerFaceOfTheStockShape)
{
    const std::pair<int, std::vector<std::string>> kinds[] = {
        {0, {"Web", "Top Flange", "Bottom Flange"}},
        {6, {"Web", "Top Flange", "Bottom Flange", "Web 2"}},
        {3, {"Web"}},
        {4, {"Web"}},
        {-1, {}},
    };
    CMachine machine;
    for (const auto& [kind, names] : kinds) {
        const std::unique_ptr<CMultShape> shape = CMultShape::Create(kind);
        std::vector<std::string> shown;
        for (const FaceStations& row : FaceStations::RowsOf(shape.get(), &machine))
            shown.push_back(row.name);
        EXPECT_EQ(shown, names) << kind;
    }
    EXPECT_TRUE(FaceStations::RowsOf(nullptr, &machine).empty());
}

TEST(FaceStations, AUsedCountIsOverExactlyWhenItExceedsTheStationsOfItsSide)
{
    CMachine machine;
    for (int i = 0; i < 3; ++i)
        machine.GetStations().AddTail(ZoneTool("S", 18));   // 3 near stations on the web
    machine.GetStations().AddTail(ZoneTool("S", 17));       // 1 far
    for (const char* name : {"A", "B", "C", "D"})
        machine.GetLoadedTools().AddTail(ZoneTool(name, 18));   // 4 loaded near
    machine.GetLoadedTools().AddTail(ZoneTool("E", 17));
    const std::unique_ptr<CMultShape> beam = CMultShape::Create(0);
    std::vector<FaceStations> rows = FaceStations::RowsOf(beam.get(), &machine);
    FaceStations::CountUsed(rows, &machine);
    ASSERT_EQ(rows.size(), 3u);
    const FaceStations& web = rows[0];
    EXPECT_EQ(web.available, (std::array<std::int16_t, 3>{3, 1, 0}));
    EXPECT_EQ(web.used, (std::array<std::int16_t, 3>{4, 1, 0}));
    EXPECT_TRUE(web.IsOver(FaceStations::nearSide));
    EXPECT_FALSE(web.IsOver(FaceStations::farSide));
    EXPECT_FALSE(web.IsOver(FaceStations::allSides));
    for (std::size_t r = 1; r < rows.size(); ++r)
        for (auto side : {FaceStations::nearSide, FaceStations::farSide, FaceStations::allSides})
            EXPECT_FALSE(rows[r].IsOver(side));
}

} // namespace
