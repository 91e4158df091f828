#include "model/JobPaths.h"
#include "partprog/PartDoc.h"

#include "model/ModelClasses.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DocManager.h"
#include "fw/core/DocTemplate.h"
#include "fw/core/MessageService.h"

#include "tests/fw/TempDrives.h"
#include "tests/model/ModelTestSupport.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace {

constexpr std::uint64_t k11_25 = 0x4026800000000000;

// W 12X26 in decimal inches: D 12, TW 0.5, BF 4, TF 1, SFG 2, 26 lb/ft, a beam.
const Bytes kW12X26 = Cat({Str("W "), Str("12X26"), Dim(k12, 'D'), Dim(k0_5, 'D'), Dim(k4, 'D'), Dim(k1, 'D'),
                           Dim(k2, 'D'), Le64(k26), Str("W12 X 26"), Le32(0), Le32(1)});

const Bytes kPlaneA = Cat({Dim(k10), Dim(k0), {'+', '+'}, Dim(k0), Dim(k0), {'A'}});

// A 3 x 2 pattern from (start X, 3) at increments 4 and 1 on a plane at X 10.
Bytes PatternFieldBytes(std::uint64_t startX, std::int32_t kind, const Bytes& tool, std::uint64_t minX,
                        std::uint64_t maxX)
{
    return Cat({Dim(startX), Dim(k3), Le32(3), Le32(2), Dim(k4), Dim(k1), Le32(CPattern::hole), kPlaneA,
                Le32(std::uint32_t(kind)), tool, Le64(minX), Le64(k3), Le64(maxX), Le64(k4)});
}

const Bytes kRoundTool = Cat({Dim(k0_8125), Dim(k0), Str("RD"), Le32(0), Str("13_16RD")});
const Bytes kSquareTool = Cat({Dim(k1), Dim(k0), Str("SQ"), Le32(0), Str("1-SQ")});

// Part B12 of job J1, group G1: 2 off, 20 feet of W 12X26; round holes on the top flange at X 12,
// square holes on the web at X 40, the mark "AB" at X 10.
const Bytes kB12 = Cat({
    Str("J1"), Str("G1"), Str("B12"), Le32(2), Dim(k240, 'E'),
    Str("W "), Str("12X26"), Str("A36"), Str("F1"), Le32(0), Str("R1"), Str(""), Le32(0), Le32(0),
    {0x01, 0x00}, NewClass("CPattern"), PatternFieldBytes(k2, 0, kRoundTool, k12, k20),   // top flange
    {0x01, 0x00}, {0x01, 0x80}, PatternFieldBytes(k30, 1, kSquareTool, k40, k48),         // web
    {0x00, 0x00},                                                                         // bottom flange
    {0x00, 0x00},                                                                         // second web
    {0x01, 0x00}, NewClass("CStencilPattern"), Dim(k10), Dim(k2), Str("AB"), Le64(k10), Le64(k2), Le64(k11_25),
    Le64(k2),
});

std::unique_ptr<CPattern> Holes(double startX, const CPartTool& tool)
{
    CRefPlane plane;
    plane.Set(10, 0, '+', '+', 0, 0, 'A');
    return std::make_unique<CPattern>(startX, 3, 3, 4, 2, 1, CPattern::hole, &plane, &tool, 0);
}

struct HintRecordingView : fw::View {
    void OnUpdate(fw::View*, long hint, fw::Object*) override { hints.push_back(hint); }
    std::vector<long> hints;
};

// A part form that gives the quantity it holds, or refuses.
struct FakeForm : fw::View {
    void OnUpdate(fw::View*, long, fw::Object*) override {}
    bool HoldsEdits() const override { return true; }
    void OnChange(fw::View*, const fw::Change& change) override
    {
        const auto& docChange = dynamic_cast<const CSmartDoc::DocChange&>(change);
        changes.push_back(docChange.kind);
        if (docChange.kind == CSmartDoc::DocChange::Kind::keyFields)
            shapeFields = static_cast<CSmartDoc*>(GetDocument())->GetKeyFieldsFlag();
    }
    bool CommitPendingEdits() override
    {
        ++applied;
        if (refuse)
            return false;
        auto& doc = static_cast<CPartDoc&>(*GetDocument());
        PartRecord record = doc.GetPartRecord();
        record.quantity = quantity;
        return doc.SetPartRecord(record);
    }
    bool refuse = false;
    std::uint32_t quantity = 9;
    int applied = 0;
    bool shapeFields = true;
    std::vector<CSmartDoc::DocChange::Kind> changes;
};

class PartDocTest : public testing::Test {
protected:
    PartDocTest() : profile(fw::SetAppProfile(nullptr))
    {
        RegisterModelClasses();
        parts = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nPart\nPart\nPart (*.prt)\n.prt\nVarnex.Part\nVarnex Part", [] { return std::make_unique<CPartDoc>(); }));
        PutShape();
    }
    ~PartDocTest() override { fw::SetAppProfile(std::move(profile)); }

    void PutShape() const
    {
        TempDrives::Put(drives.C() / "Kestrom/Shapes/W 12X26.shp", std::string(kW12X26.begin(), kW12X26.end()));
    }
    std::filesystem::path JobFile(const std::string& relative) const { return drives.C() / "Kestrom/Jobs" / relative; }
    Bytes FileBytes(const std::string& relative) const
    {
        const std::string text = TempDrives::Get(JobFile(relative));
        return Bytes(text.begin(), text.end());
    }
    CPartDoc* NewPart() { return static_cast<CPartDoc*>(parts->OpenDocumentFile("", false)); }

    // Fills a document with part B12.
    static void MakeB12(CPartDoc& doc)
    {
        PartRecord& h = doc.Header();
        h.jobId = "J1";
        h.group = "G1";
        h.mark = "B12";
        h.quantity = 2;
        h.length = 240.0;
        h.grade = "A36";
        h.fabCode = "F1";
        h.remarkA = "R1";
        ASSERT_TRUE(doc.BuildShape("W ", "12X26"));
        h.shapeDesctp = "W ";
        h.shapeDesc = "12X26";
        CPartShape& shape = *doc.GetPartShape();
        auto round = Holes(2, CPartTool(13.0 / 16, 0, "RD", 0));
        auto square = Holes(30, CPartTool(1.0, 0, "SQ", 0));
        auto mark = std::make_unique<CStencilPattern>(10, 2, "AB", 0);
        ASSERT_TRUE(doc.AddPattern(round, shape.GetTopFlangeList()));
        ASSERT_TRUE(doc.AddPattern(square, shape.GetWebList()));
        ASSERT_TRUE(doc.AddStencil(mark));
    }
    static Bytes Store(CPartDoc& doc)
    {
        fw::Archive ar;
        doc.Serialize(ar);
        return ar.TakeBytes();
    }
    static std::vector<std::size_t> ListSizes(CPartDoc& doc)
    {
        CPartShape& s = *doc.GetPartShape();
        return {s.GetTopFlangeList().GetCount(), s.GetWebList().GetCount(), s.GetBottomFlangeList().GetCount(),
                s.GetWeb2List().GetCount(), s.GetStencilList().GetCount()};
    }

    std::unique_ptr<fw::Profile> profile;
    TempDrives drives;
    fw::ScriptedMessages messages;
    fw::DocManager manager;
    fw::DocTemplate* parts;
};

} // namespace

TEST_F(PartDocTest, GoldenPartFileAndRoundTrip)
{
    CPartDoc doc;
    MakeB12(doc);
    EXPECT_EQ(Store(doc), kB12);

    ASSERT_TRUE(doc.OnSaveDocument("C:\\Elsewhere\\X.prt"));   // the folder given is not used
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt");
    EXPECT_EQ(FileBytes("J1/G1/B12.prt"), kB12);

    CPartDoc loaded;
    ASSERT_TRUE(loaded.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt"));
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.GetShapeKind(), shapeBeam);
    EXPECT_EQ(loaded.GetPartShape()->GetDepth(), 12.0);
    EXPECT_EQ(loaded.GetLengthText(), doc.GetLengthText());
    EXPECT_EQ(Store(loaded), kB12);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartDocTest, TruncatedFilesAreRefusedAndLeaveTheDocumentEmpty)
{
    for (std::size_t n : {std::size_t(0), std::size_t(5), std::size_t(40), kB12.size() - 1}) {
        TempDrives::Put(JobFile("J1/G1/T.prt"), std::string(kB12.begin(), kB12.begin() + std::ptrdiff_t(n)));
        CPartDoc doc;
        EXPECT_FALSE(doc.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\T.prt")) << n;
        EXPECT_EQ(doc.GetPartShape(), nullptr);
        EXPECT_EQ(doc.GetMark(), "");
    }
    EXPECT_TRUE(messages->Shown().empty());   // windowless: no boxes
}

TEST_F(PartDocTest, MissingShapeFileKeepsThePatternsAndTheFlagIsResetOnTheNextLoad)
{
    TempDrives::Put(JobFile("J1/G1/B12.prt"), std::string(kB12.begin(), kB12.end()));
    std::filesystem::remove(drives.C() / "Kestrom/Shapes/W 12X26.shp");
    CPartDoc doc;
    EXPECT_FALSE(doc.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt"));
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_EQ(doc.GetShapeError(), 1);
    EXPECT_EQ(ListSizes(doc), (std::vector<std::size_t>{1, 1, 0, 0, 1}));
    EXPECT_EQ(Store(doc), kB12);

    // With a window the user is told, of the shape and of the tool files that are missing too.
    HintRecordingView view;
    doc.AddView(&view);
    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    EXPECT_FALSE(doc.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt"));
    ASSERT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(messages->Shown()[0], (fw::ShownMessage{"Shape  W 12X26  does not Exist", "SHAPE ERROR", fw::MB_OK, fw::IDOK}));
    EXPECT_NE(messages->Shown()[1].text.find("13_16RD"), std::string::npos);
    PutShape();
    messages->Answer(fw::IDOK);
    EXPECT_TRUE(doc.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt"));
    EXPECT_EQ(doc.GetShapeError(), 0);
    doc.RemoveView(&view);
}

TEST_F(PartDocTest, MissingToolFilesKeepTheArchivedToolsSilentlyWhenWindowless)
{
    TempDrives::Put(JobFile("J1/G1/B12.prt"), std::string(kB12.begin(), kB12.end()));
    CPartDoc doc;
    ASSERT_TRUE(doc.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt"));
    EXPECT_EQ(doc.GetPartShape()->GetWebList().GetHead()->GetTool()->GetToolRecord().GetShortName(), "1-SQ");
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_TRUE(messages->Beeps().empty());
}

namespace {

// The tool files of part B12's tools: 7/8 inch round and 1 1/8 inch square, decimal inch.
void PutToolFiles(const TempDrives& drives)
{
    const Bytes round = Cat({Dim(0x3FEC000000000000, 'D'), Dim(k0, 'D'), Str("RD"), Le32(0), Le32(1)});
    const Bytes square = Cat({Dim(0x3FF2000000000000, 'D'), Dim(k0, 'D'), Str("SQ"), Le32(0), Le32(1)});
    TempDrives::Put(drives.C() / "Kestrom/Tools/13_16RD.tl", std::string(round.begin(), round.end()));
    TempDrives::Put(drives.C() / "Kestrom/Tools/1-SQ.tl", std::string(square.begin(), square.end()));
}

std::vector<LoadProblem::Kind> Kinds(const LoadProblems& problems)
{
    std::vector<LoadProblem::Kind> kinds;
    for (const LoadProblem& problem : problems)
        kinds.push_back(problem.kind);
    return kinds;
}

} // namespace

TEST_F(PartDocTest, SerializeReadsTheBytesAloneAndTheLoaderResolvesTheFiles)
{
    // Nothing but the bytes: no shape or tool file is needed, the names are kept.
    std::filesystem::remove(drives.C() / "Kestrom/Shapes/W 12X26.shp");
    CPartDoc doc;
    fw::Archive in(kB12);
    doc.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(doc.Header().shapeDesctp, "W ");
    EXPECT_EQ(doc.Header().shapeDesc, "12X26");
    EXPECT_EQ(doc.GetPartShape()->GetRuntimeClass(), &CPartShape::classObject);
    EXPECT_EQ(ListSizes(doc), (std::vector<std::size_t>{1, 1, 0, 0, 1}));
    EXPECT_EQ(Store(doc), kB12);

    // With the files there, reading still takes none of them; the loader step does.
    PutShape();
    PutToolFiles(drives);
    CPartDoc read;
    fw::Archive again(kB12);
    read.Serialize(again);
    const CPartTool& round = *read.GetPartShape()->GetTopFlangeList().GetHead()->GetTool();
    EXPECT_EQ(round.GetSizeA().GetValue(), 13.0 / 16);
    EXPECT_EQ(read.GetPartShape()->GetDepth(), 0.0);
    EXPECT_TRUE(read.ResolveReferences().empty());
    EXPECT_EQ(read.GetShapeKind(), shapeBeam);
    EXPECT_EQ(read.GetPartShape()->GetDepth(), 12.0);
    EXPECT_EQ(ListSizes(read), (std::vector<std::size_t>{1, 1, 0, 0, 1}));
    EXPECT_EQ(read.GetPartShape()->GetTopFlangeList().GetHead()->GetTool()->GetSizeA().GetValue(), 0.875);
    EXPECT_EQ(read.GetPartShape()->GetWebList().GetHead()->GetTool()->GetSizeA().GetValue(), 1.125);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartDocTest, WhatALoadCannotResolveIsReturnedAndShownOnlyWithAWindow)
{
    using Kind = LoadProblem::Kind;
    const std::string path = "C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt";
    TempDrives::Put(JobFile("J1/G1/B12.prt"), std::string(kB12.begin(), kB12.end()));
    const struct {
        bool shape, tools, loaded;
        std::vector<Kind> kinds;
    } cases[] = {
        {true, true, true, {}},
        {true, false, true, {Kind::toolUnreadable}},
        {false, true, false, {Kind::shapeMissing}},
        {false, false, false, {Kind::shapeMissing, Kind::toolUnreadable}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "shape " << c.shape << ", tools " << c.tools);
        std::filesystem::remove_all(drives.C() / "Kestrom/Shapes");
        std::filesystem::remove_all(drives.C() / "Kestrom/Tools");
        if (c.shape)
            PutShape();
        if (c.tools)
            PutToolFiles(drives);

        CPartDoc windowless;
        EXPECT_EQ(windowless.LoadPart(path), c.loaded);
        EXPECT_EQ(Kinds(windowless.GetLoadProblems()), c.kinds);
        EXPECT_EQ(ListSizes(windowless), (std::vector<std::size_t>{1, 1, 0, 0, 1}));
        EXPECT_TRUE(messages->Shown().empty());
        EXPECT_TRUE(messages->Beeps().empty());

        // With a window the same problems are shown, in the same order.
        CPartDoc shown;
        HintRecordingView view;
        shown.AddView(&view);
        fw::ScriptedMessages scoped;
        for (std::size_t i = 0; i < c.kinds.size(); ++i)
            scoped->Answer(fw::IDOK);
        EXPECT_EQ(shown.LoadPart(path), c.loaded);
        shown.RemoveView(&view);
        std::vector<std::string> texts;
        for (const fw::ShownMessage& message : scoped->Shown())
            texts.push_back(message.text);
        std::vector<std::string> expected;
        for (const LoadProblem& problem : windowless.GetLoadProblems())
            expected.push_back(problem.text);
        EXPECT_EQ(texts, expected);
        EXPECT_EQ(scoped->Beeps().size(), c.tools ? 0u : 1u);   // the tool files' message beeps
    }
}

TEST_F(PartDocTest, AFrameworkOpenKeepsWhatItCouldNotResolveForTheCallerThatShowsIt)
{
    TempDrives::Put(JobFile("J1/G1/B12.prt"), std::string(kB12.begin(), kB12.end()));
    std::filesystem::remove(drives.C() / "Kestrom/Shapes/W 12X26.shp");
    auto* doc = static_cast<CPartDoc*>(parts->OpenDocumentFile("C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt", false));
    ASSERT_NE(doc, nullptr);   // the open keeps the document
    EXPECT_TRUE(messages->Shown().empty());
    ASSERT_EQ(doc->GetLoadProblems().size(), 2u);
    EXPECT_EQ(doc->GetLoadProblems()[0], (LoadProblem{LoadProblem::Kind::shapeMissing, "Shape  W 12X26  does not Exist",
                                                      "SHAPE ERROR", fw::MB_OK, false}));
    EXPECT_EQ(doc->GetShapeError(), 1);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->TakeLoadProblems().size(), 2u);
    EXPECT_TRUE(doc->GetLoadProblems().empty());
}

TEST_F(PartDocTest, UnopenableFiles)
{
    CPartDoc doc;
    EXPECT_FALSE(doc.TryLoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\NO.prt"));
    EXPECT_FALSE(doc.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\NO.prt"));
    EXPECT_TRUE(messages->Shown().empty());
    HintRecordingView view;
    doc.AddView(&view);
    EXPECT_FALSE(doc.TryLoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\NO.prt"));
    EXPECT_TRUE(messages->Beeps().empty());
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc.LoadPart("C:\\Kestrom\\Jobs\\J1\\G1\\NO.prt"));
    EXPECT_EQ(messages->Beeps().size(), 1u);
    EXPECT_EQ(messages->Shown().size(), 1u);
    doc.RemoveView(&view);
}

TEST(PartDocPaths, JobAndGroupFromThePath)
{
    const struct {
        const char* path;
        const char* job;
        const char* group;
    } cases[] = {
        {"C:\\Kestrom\\Jobs\\J1\\G1\\A1.prt", "J1", "G1"},
        {"C:\\Kestrom\\Jobs\\J1\\G1\\A1", "J1", "G1"},
        {"G1\\A1.prt", "X", "Y"},               // no '\' before the group: both kept
        {"J1\\G1\\A1.prt", "X", "G1"},          // no '\' before the job
        {"A1.prt", "X", "Y"},
        {"", "X", "Y"},
        {"C:\\Jobs\\JOBNAME1234\\G1\\A1.prt", "JOBNAME123", "G1"},   // 11 characters: the first 10
        {"C:\\Jobs\\J1\\GROUPNAME12\\A1.prt", "J1", "GROUPNAME1"},
        {"C:\\Jobs\\J:1\\G1\\A1.prt", "X", "G1"},   // not a file name: kept
        {"C:\\Jobs\\J1\\G 1\\A1.prt", "J1", "G 1"},
    };
    for (const auto& c : cases) {
        std::string job = "X", group = "Y";
        jobs::FromPath(c.path, job, group);
        EXPECT_EQ(job, c.job) << c.path;
        EXPECT_EQ(group, c.group) << c.path;
    }
}

TEST_F(PartDocTest, OpenedPartTakesJobAndGroupFromItsFolders)
{
    TempDrives::Put(JobFile("J2/G2/A1.prt"), std::string(kB12.begin(), kB12.end()));
    auto* doc = static_cast<CPartDoc*>(parts->OpenDocumentFile("C:\\Kestrom\\Jobs\\J2\\G2\\A1.prt", false));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetJob(), "J2");
    EXPECT_EQ(doc->GetGroup(), "G2");
    EXPECT_EQ(doc->GetMark(), "B12");
}

TEST_F(PartDocTest, PartFilePath)
{
    const struct {
        const char* path;        // the document's path
        int jobDrive;            // "Default Job Drive", 0 for none
        const char* directory;   // "Job/Group Directory", null for none
        const char* job;
        const char* group;
        const char* expected;
    } cases[] = {
        {"", 0, nullptr, "J1", "G1", "C:\\Kestrom\\Jobs\\J1\\G1\\M1.prt"},
        {"", 4, nullptr, "J1", "G1", "D:\\Kestrom\\Jobs\\J1\\G1\\M1.prt"},
        {"", 0, "\\Shop", "", "", "C:\\Shop\\NONE\\NONE\\M1.prt"},
        {"D:\\Other\\X.prt", 3, nullptr, "J1", "", "D:\\Kestrom\\Jobs\\J1\\NONE\\M1.prt"},
        {"c:\\A\\B\\X.prt", 4, "\\Jobs", "J1", "G1", "C:\\Jobs\\J1\\G1\\M1.prt"},
        // A folder longer than a name, read as job or group, is where the part goes back to.
        {"C:\\Kestrom\\Jobs\\LONGJOBNAME12\\G1\\X.prt", 0, nullptr, "LONGJOBNAM", "G1",
         "C:\\Kestrom\\Jobs\\LONGJOBNAME12\\G1\\M1.prt"},
        {"C:\\Kestrom\\Jobs\\J1\\LONGGROUP123\\X.prt", 0, nullptr, "J1", "LONGGROUP1",
         "C:\\Kestrom\\Jobs\\J1\\LONGGROUP123\\M1.prt"},
        {"C:\\Kestrom\\Jobs\\LONGJOBNAME12\\G1\\X.prt", 0, nullptr, "J2", "G1", "C:\\Kestrom\\Jobs\\J2\\G1\\M1.prt"},
        {"C:\\Other\\LONGJOBNAME12\\G1\\X.prt", 0, nullptr, "LONGJOBNAM", "G1", "C:\\Kestrom\\Jobs\\LONGJOBNAM\\G1\\M1.prt"},
    };
    for (const auto& c : cases) {
        fw::SetAppProfile(nullptr);
        if (c.jobDrive)
            fw::AppProfile().WriteProfileInt("Directories", "Default Job Drive", c.jobDrive);
        if (c.directory)
            fw::AppProfile().WriteProfileString("Directories", "Job/Group Directory", c.directory);
        CPartDoc doc;
        if (*c.path)
            doc.SetPathName(c.path, false);
        doc.Header().jobId = c.job;
        doc.Header().group = c.group;
        doc.Header().mark = "M1";
        EXPECT_EQ(doc.GetPartFilePath(), c.expected) << c.path;
        // Asking for the path leaves the header as it is; only a save fills in "NONE".
        EXPECT_EQ(doc.GetJob(), c.job);
        EXPECT_EQ(doc.GetGroup(), c.group);
    }
}

TEST_F(PartDocTest, NewPart)
{
    fw::AppProfile().WriteProfileInt("Current Settings", "Default MS", 2);
    CPartDoc* doc = NewPart();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetPathName(), "C:\\Kestrom\\Jobs\\NONE\\NONE\\Part1.prt");
    EXPECT_EQ(doc->Header().quantity, 1u);
    EXPECT_EQ(doc->GetMeasuringSystem(), 2);
    EXPECT_EQ(doc->GetPartShape(), nullptr);
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
}

TEST_F(PartDocTest, SaveWithoutShapeOrWithBadNamesWritesNothing)
{
    CPartDoc doc;
    HintRecordingView view;
    doc.AddView(&view);
    doc.Header().mark = "B1";
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(messages->Shown().back().text, CPartDoc::kNoShape);
    ASSERT_TRUE(doc.BuildShape("W ", "12X26"));
    const struct {
        const char* job;
        const char* group;
        const char* mark;
    } cases[] = {
        {"J/1", "G1", "B1"}, {"J1", "..", "B1"}, {"J1", "G1", "C:B1"}, {"J1", "G1", ""},
        {"J1", "G1", "..\\B1"}, {"JOBNAME1234", "G1", "B1"}, {"J1", "G1", "MARK567890X"}, {"J1", "G\\1", "B1"},
    };
    for (const auto& c : cases) {
        doc.Header().jobId = c.job;
        doc.Header().group = c.group;
        doc.Header().mark = c.mark;
        messages->Answer(fw::IDOK);
        EXPECT_FALSE(doc.OnFileSave()) << c.job << " " << c.group << " " << c.mark;
        EXPECT_EQ(messages->Shown().back().type, fw::MB_OK | fw::MB_ICONERROR);
    }
    EXPECT_FALSE(std::filesystem::exists(drives.C() / "Kestrom/Jobs"));
    doc.RemoveView(&view);
}

TEST_F(PartDocTest, EmptyJobAndGroupSaveUnderNone)
{
    CPartDoc doc;
    MakeB12(doc);
    doc.Header().jobId.clear();
    doc.Header().group.clear();
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(doc.GetJob(), "NONE");
    EXPECT_EQ(doc.GetGroup(), "NONE");
    EXPECT_TRUE(std::filesystem::exists(JobFile("NONE/NONE/B12.prt")));
    EXPECT_EQ(doc.GetDocumentState(), CSmartDoc::stateStored);
}

TEST_F(PartDocTest, SavingOverAnotherPartsFileAsksFirst)
{
    TempDrives::Put(JobFile("J1/G1/B12.prt"), "other");
    CPartDoc doc;
    MakeB12(doc);
    EXPECT_FALSE(doc.OnFileSave());   // windowless: never replaced
    EXPECT_EQ(TempDrives::Get(JobFile("J1/G1/B12.prt")), "other");

    HintRecordingView view;
    doc.AddView(&view);
    messages->Answer(fw::IDNO);
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_EQ(messages->Shown().back().type, fw::MB_YESNO | fw::MB_ICONEXCLAMATION | fw::MB_DEFBUTTON2);
    EXPECT_EQ(TempDrives::Get(JobFile("J1/G1/B12.prt")), "other");
    messages->Answer(fw::IDYES);
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(FileBytes("J1/G1/B12.prt"), kB12);
    // Its own file is saved again without asking.
    EXPECT_TRUE(doc.OnFileSave());
    EXPECT_EQ(messages->Shown().size(), 2u);
    doc.RemoveView(&view);
}

TEST_F(PartDocTest, SaveNew)
{
    CPartDoc doc;
    MakeB12(doc);
    TempDrives::Put(JobFile("J1/G1/B12.prt"), "other");
    EXPECT_FALSE(doc.OnFileSaveNew());   // refused: every pattern stays
    EXPECT_EQ(ListSizes(doc), (std::vector<std::size_t>{1, 1, 0, 0, 1}));
    EXPECT_TRUE(doc.IsSaveAllowed());

    std::filesystem::remove(JobFile("J1/G1/B12.prt"));
    ASSERT_TRUE(doc.OnFileSaveNew());
    EXPECT_EQ(FileBytes("J1/G1/B12.prt"), kB12);
    EXPECT_EQ(ListSizes(doc), (std::vector<std::size_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(doc.GetMark(), "B12");
    EXPECT_FALSE(doc.IsSaveAllowed());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetDocumentState(), CSmartDoc::stateNew);
    EXPECT_EQ(doc.GetKeyFieldsFlag(), 1);
}

TEST_F(PartDocTest, ShapeChangeKeepsEveryList)
{
    CPartDoc doc;
    MakeB12(doc);
    PartRecord record = doc.GetPartRecord();
    record.shapeDesctp = "PL";
    record.shapeDesc = "D0.5X12";
    ASSERT_TRUE(doc.SetPartRecord(record));
    EXPECT_EQ(doc.GetShapeKind(), shapePlate);
    EXPECT_EQ(doc.Header().shapeDesctp, "PL");
    EXPECT_EQ(ListSizes(doc), (std::vector<std::size_t>{1, 1, 0, 0, 1}));
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\B12.prt");

    // A shape without a file: the old shape and designation stay.
    record.shapeDesctp = "W ";
    record.shapeDesc = "99X99";
    record.quantity = 5;
    ASSERT_TRUE(doc.SetPartRecord(record));
    EXPECT_EQ(doc.Header().shapeDesc, "D0.5X12");
    EXPECT_EQ(doc.Header().quantity, 5u);
    EXPECT_EQ(doc.GetShapeKind(), shapePlate);

    record.mark = "A/B";
    EXPECT_FALSE(doc.SetPartRecord(record));
    EXPECT_EQ(doc.GetMark(), "B12");
}

TEST_F(PartDocTest, MirrorShapeTurnsPatternsEndForEnd)
{
    CPartDoc doc;
    MakeB12(doc);
    doc.MirrorShape();
    // The web pattern spans X 40 to 48 of 240.
    EXPECT_EQ(doc.GetPartShape()->GetWebList().GetHead()->GetBox().minX, 192.0);
}

TEST_F(PartDocTest, FormsGiveTheirFieldsBeforeEverySaveAndARefusalStopsIt)
{
    CPartDoc doc;
    MakeB12(doc);
    FakeForm form;
    doc.AddView(&form);
    form.refuse = true;
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_FALSE(doc.OnFileSaveNew());
    EXPECT_FALSE(doc.OnEditSpecifics());
    EXPECT_FALSE(doc.OnSaveDocument("C:\\X.prt"));
    EXPECT_EQ(form.applied, 4);
    EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/B12.prt")));
    EXPECT_EQ(doc.GetDocumentState(), CSmartDoc::stateStored);

    form.refuse = false;
    EXPECT_TRUE(doc.OnEditSpecifics());
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(doc.Header().quantity, 9u);
    EXPECT_EQ(FileBytes("J1/G1/B12.prt")[std::size_t(3 + 3 + 4)], 9);   // the quantity after "J1", "G1", "B12"
    doc.RemoveView(&form);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(PartDocTest, KeyFieldsDecideTheShapeFieldsAndCommands)
{
    CPartDoc doc;
    FakeForm form;
    doc.AddView(&form);
    EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_CHOOSE_SHAPE), true);
    EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_SPECIFICS), false);   // no part shape
    MakeB12(doc);
    EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_SPECIFICS), true);
    doc.DisableKeyFields();
    EXPECT_FALSE(form.shapeFields);
    EXPECT_EQ(doc.GetKeyFieldsFlag(), 0);
    EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_CHOOSE_SHAPE), false);
    EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_SPECIFICS), false);
    doc.EnableKeyFields();
    EXPECT_TRUE(form.shapeFields);
    EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_CHOOSE_SHAPE), true);
    doc.SetSaveAllowed(false);
    EXPECT_EQ(doc.IsCommandEnabled(ID_FILE_SAVE), false);
    EXPECT_EQ(doc.IsCommandEnabled(0), std::nullopt);
    doc.RemoveView(&form);
}

TEST_F(PartDocTest, ShapeLookupAndKeyFieldsDecideWhetherANewPartMaySave)
{
    using Kind = CSmartDoc::DocChange::Kind;
    const struct {
        const char* type;
        const char* size;
        bool keyEdited;
        bool found;
        bool allowed;
    } cases[] = {
        {"W ", "12X26", true, true, true},
        {"W ", "12X26", false, true, false},   // still named as the part it came from
        {"W ", "99X99", true, false, false},
        {"", "12X26", true, false, false},
        {"W ", "", true, false, false},
    };
    for (const auto& c : cases) {
        CPartDoc* doc = NewPart();
        FakeForm form;
        doc->AddView(&form);
        if (c.keyEdited)
            doc->KeyFieldEdited();
        EXPECT_EQ(doc->LookUpShape(c.type, c.size).has_value(), c.found) << c.type << c.size;
        EXPECT_EQ(doc->GetShapeLookup(), c.found ? CSmartDoc::ShapeLookup::found : CSmartDoc::ShapeLookup::notFound);
        EXPECT_EQ(doc->IsSaveAllowed(), c.allowed) << c.type << c.size << c.keyEdited;
        EXPECT_EQ(doc->IsCommandEnabled(ID_FILE_SAVE_NEW), c.allowed);
        EXPECT_EQ(form.changes.back(), Kind::shape);
        EXPECT_EQ(doc->GetPartShape(), nullptr);   // a lookup builds nothing
        doc->RemoveView(&form);
        parts->CloseDocument(doc);
    }
    EXPECT_TRUE(messages->Shown().empty());   // the lookup itself tells nobody
}

TEST_F(PartDocTest, ARefusedSaveOfANewPartWritesNothingAndKeyFieldsFollowTheDocument)
{
    auto doc = std::make_unique<CPartDoc>();
    FakeForm form;
    doc->AddView(&form);
    MakeB12(*doc);
    doc->SetDocumentState(CSmartDoc::stateNew);
    ASSERT_TRUE(doc->LookUpShape("W ", "12X26"));   // found, but no key field edited yet
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->OnFileSave());
    EXPECT_FALSE(std::filesystem::exists(JobFile("J1/G1/B12.prt")));
    doc->KeyFieldEdited();
    ASSERT_TRUE(doc->OnFileSave());
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/B12.prt")));
    EXPECT_TRUE(doc->KeyFieldsChanged());   // a stored part stands for its own file

    doc->DisableKeyFields();   // the part programming window opened
    EXPECT_FALSE(form.shapeFields);
    ASSERT_TRUE(doc->OnFileSaveNew());
    EXPECT_TRUE(form.shapeFields);
    EXPECT_EQ(form.changes.back(), CSmartDoc::DocChange::Kind::startedNew);
    EXPECT_FALSE(doc->IsSaveAllowed());
    EXPECT_FALSE(doc->KeyFieldsChanged());
    doc->RemoveView(&form);
}

TEST_F(PartDocTest, TheLengthGoesToTheDocumentAndTheOtherViews)
{
    CPartDoc doc;
    MakeB12(doc);
    HintRecordingView editing, other;
    doc.AddView(&editing);
    doc.AddView(&other);
    doc.SetLength(120.5, &editing);
    EXPECT_EQ(doc.Header().length.GetValue(), 120.5);
    EXPECT_TRUE(editing.hints.empty());
    EXPECT_EQ(other.hints, std::vector<long>{0});
    doc.RemoveView(&editing);
    doc.RemoveView(&other);
}
