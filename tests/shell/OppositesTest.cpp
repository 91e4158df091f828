// CVarnexApp::CreateOpposites with a scripted mark dialog over part files on a temporary drive.

#include "shell/VarnexApp.h"

#include "tests/machmult/MultTestSupport.h"
#include "tests/shell/FakeServices.h"

#include <filesystem>

namespace {

constexpr const char* kGroupFolder = "C:\\Kestrom\\Jobs\\J1\\G1\\";

class OppositesTest : public multtest::MultFixture {
protected:
    void Run(const std::string& list)
    {
        CVarnexApp app(services.App(), {});
        app.CreateOpposites(list);
    }
    bool Has(const std::string& mark) const { return std::filesystem::exists(JobFile("J1/G1/" + mark + ".prt")); }
    static double FirstPlaneX(const std::string& mark)
    {
        auto part = CPartDoc::LoadByName("J1", "G1", mark, false);
        EXPECT_TRUE(part) << mark;
        return part ? part->GetPartShape()->GetWebList().begin()->GetRefPlane().GetStartX().GetValue() : -1;
    }

    test::FakeServices services;
};

TEST_F(OppositesTest, DoAllSimilarlySwapsOrAppendsTheHandAndAsksForALongMark)
{
    PutPart("B12-R", 240.0);
    PutPart("A1", 240.0);
    PutPart("LONGMARK9", 240.0);
    services.markAnswers = {MarkAnswer{"B12-L", 'L', true}, MarkAnswer{"LONG-L", 'L', false}};
    Run(std::string(kGroupFolder) + "B12-R.prt|" + kGroupFolder + "A1.prt|" + kGroupFolder + "LONGMARK9.prt|");

    EXPECT_EQ(services.calls, (std::vector<std::string>{"AskMark(Change Mark,B12-R)", "AskMark(Mark to long,LONGMARK9)"}));
    for (const char* mark : {"B12-L", "A1-L", "LONG-L"})
        EXPECT_TRUE(Has(mark)) << mark;
    // Mirrored end for end: the holes' reference plane moves from the start to the end.
    EXPECT_EQ(FirstPlaneX("A1"), 0.0);
    EXPECT_EQ(FirstPlaneX("A1-L"), 240.0);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(OppositesTest, AnExistingMarkIsAskedAgainAndCancelSkipsThePart)
{
    PutPart("A1", 240.0);
    PutPart("A1-R", 240.0);
    PutPart("C1", 240.0);
    const std::string before = TempDrives::Get(JobFile("J1/G1/A1-R.prt"));
    services.markAnswers = {MarkAnswer{"A1-R", 'R', false}, MarkAnswer{"A1-R2", ' ', false}};
    Run(std::string(kGroupFolder) + "A1.prt|" + kGroupFolder + "C1.prt");   // the last name without its '|'

    EXPECT_EQ(services.calls, (std::vector<std::string>{"AskMark(Change Mark,A1)", "AskMark(Part Already exists,A1-R)",
                                                        "AskMark(Change Mark,C1)"}));
    EXPECT_TRUE(Has("A1-R2"));
    EXPECT_EQ(TempDrives::Get(JobFile("J1/G1/A1-R.prt")), before);
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")).size(), 4u);   // C1 cancelled: nothing more
}

TEST_F(OppositesTest, AFailedLoadStopsAndIsNamed)
{
    PutPart("A1", 240.0);
    messages->Answer(fw::IDOK);
    Run(std::string(kGroupFolder) + "GONE.prt|" + kGroupFolder + "A1.prt|");
    EXPECT_TRUE(services.calls.empty());
    ASSERT_EQ(messages->Shown().size(), 1u);
    EXPECT_NE(messages->Shown()[0].text.find("GONE.prt"), std::string::npos);
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")).size(), 1u);
}

} // namespace
