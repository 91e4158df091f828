#include "MultTestSupport.h"

#include "fw/core/FileSystem.h"

#include <atomic>
#include <functional>
#include <random>
#include <set>
#include <thread>

using namespace multtest;
using modeltest::Dim;
using modeltest::k0;
using modeltest::k0_8125;
using modeltest::k1;
using modeltest::k10;
using modeltest::k12;
using modeltest::k2;
using modeltest::k4;

namespace {

const std::string kB1Path = "C:\\Kestrom\\Jobs\\J1\\G1\\B1.prt";

Bytes ZoneTool(std::uint64_t size, const std::string& type, const std::string& name, std::uint32_t code,
               std::uint64_t zoneHigh)
{
    return Cat({Dim(size), Dim(k0), Str(type), Le32(0), Str(name), Le32(code), Dim(k0), Dim(zoneHigh)});
}

Bytes PartFields(const std::string& mark, std::uint32_t quantity, std::uint64_t length, std::uint32_t used,
                 char letter1, char letter2, std::uint64_t offset)
{
    return Cat({Str("J1"), Str("G1"), Str(mark), Le32(quantity), Dim(length), Str("W "), Str("12X26"), Str("A36"),
                Str("F1"), Le32(0), Str("R1"), Str(""), Le32(std::uint32_t(letter1)), Le32(std::uint32_t(letter2)),
                Le32(used), Dim(offset)});
}

Bytes Header()
{
    return Cat({Str("J1"), Str("G1"), Str("M"),            // job, group, mark
                Le32(3), Le32(2),                          // sequence, quantity
                Dim(k480, 'D'), Dim(k0_125, 'D'),          // stock length, kerf
                Str("W"), Str("12X26"), Str("A36"),        // shape (trimmed), size, grade
                Str("PUNCH1"), Str("RA"), Str(""),         // machine, remarks
                Dim(k10, 'D')});                           // drop; the machine adds nothing
}

// The shape's tools (class 1, object 2), then two parts: class 3 with object 4 and its tools 5
// and 6; object 7 and its tool 8.
Bytes Body(std::uint16_t partSchema)
{
    const bool fit = partSchema >= 2;
    return Cat({
        Word(1), NewClass("CZoneTool", 1), ZoneTool(k1, "SQ", "1-SQ", 18, k2),
        Word(2),
        NewClass("CMultPart", partSchema), PartFields("B1", 2, k240, 2, 'I', 'F', k0),
        Word(2), ClassRef(1), ZoneTool(k1, "SQ", "1-SQ", 33, k2),
                 ClassRef(1), ZoneTool(k0_8125, "RD", "13_16RD", 18, k4),
        Str(kB1Path), fit ? Le32(2) : Bytes{},
        ClassRef(3), PartFields("B2", 1, k120, 0, 'X', 'Y', k240),
        Word(1), ClassRef(1), ZoneTool(k0_8125, "RD", "13_16RD", 18, k12),
        Str(""), fit ? Le32(0) : Bytes{},
        Le32(1),                                            // measuring system
    });
}

const Bytes kGolden = Cat({Header(), Body(2)});
const Bytes kSchema1 = Cat({Header(), Body(1)});

std::unique_ptr<CMultPart> MarkedPart(const std::string& mark, std::uint32_t quantity, double length)
{
    auto part = std::make_unique<CMultPart>();
    PartRecord h;
    h.jobId = "J1";
    h.group = "G1";
    h.mark = mark;
    h.quantity = quantity;
    h.length = length;
    h.shapeDesctp = "W ";
    h.shapeDesc = "12X26";
    h.grade = "A36";
    h.fabCode = "F1";
    h.remarkA = "R1";
    part->SetHeader(h);
    return part;
}

class MultDocTest : public MultFixture {
protected:
    // The mult of the golden file: M 3 of J1\G1, 2 off, 40 feet, kerf 1/8, decimal inch.
    static void MakeGolden(CMultDoc& doc)
    {
        MultRecord data;
        data.job = " J1";
        data.group = "G1 ";
        data.mark = "M";
        data.sequence = 3;
        data.quantity = 2;
        data.length = 480.0;
        data.kerf = 0.125;
        data.shapeDesctp = "W ";
        data.shapeDesc = "12X26";
        data.grade = "A36";
        data.machine = "PUNCH1";
        data.remarkA = " RA ";
        data.measuringSystem = 1;
        ASSERT_TRUE(doc.SetMultData(data));
        doc.Header().drop.SetValue(10.0);
        doc.GetShape()->GetTools().AddZoneTool(CPartTool(1.0, 0, "SQ", 0), 18, 0, 2);

        auto first = MarkedPart("B1", 2, 240);
        first->SetQuantityUsed(2);
        first->SetQuantityFit(2);
        first->SetPartPath(kB1Path);
        first->GetTools().AddZoneTool(CPartTool(13.0 / 16, 0, "RD", 0), 18, 0, 4);
        first->GetTools().AddZoneTool(CPartTool(1.0, 0, "SQ", 0), 33, 0, 2);
        doc.GetParts().AddTail(std::move(first));
        auto second = MarkedPart("B2", 1, 120);
        second->SetCodeLetters('X', 'Y');
        second->GetPartOffset() = 240.0;
        second->GetTools().AddZoneTool(CPartTool(13.0 / 16, 0, "RD", 0), 18, 0, 12);
        doc.GetParts().AddTail(std::move(second));
    }
    static Bytes Store(CMultDoc& doc)
    {
        fw::Archive ar;
        doc.Serialize(ar);
        return ar.TakeBytes();
    }
    static std::vector<double> Lengths(CMultDoc& doc)
    {
        std::vector<double> lengths;
        for (const CMultPart& part : doc.GetParts())
            lengths.push_back(part.GetLength().GetValue());
        return lengths;
    }
};

} // namespace

TEST_F(MultDocTest, GoldenFileWithNestedToolsRoundTrips)
{
    CMultDoc doc;
    MakeGolden(doc);
    EXPECT_EQ(Store(doc), kGolden);

    ASSERT_TRUE(doc.SaveDocument());
    const std::string path = "C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt";
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(FileBytes(JobFile("J1/G1/M 3.mlt")), kGolden);

    CMultDoc loaded;
    ASSERT_TRUE(loaded.LoadMult(path));
    EXPECT_FALSE(loaded.IsModified());
    EXPECT_EQ(loaded.GetShapeKind(), 0);
    EXPECT_EQ(loaded.GetShape()->GetRuntimeClass(), &CBeamMultShape::classObject);
    EXPECT_EQ(loaded.GetShape()->GetShapeRecord().depth.GetValue(), 12.0);
    EXPECT_EQ(loaded.GetMachine()->GetKind(), 3);
    ASSERT_EQ(loaded.GetParts().GetCount(), 2u);
    EXPECT_EQ(loaded.GetParts().GetHead()->GetQuantityFit(), 2u);
    EXPECT_EQ(loaded.GetParts().GetTail()->GetCodeLetter1(), 'X');
    EXPECT_EQ(Store(loaded), kGolden);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocTest, SchemaOnePartsLoadWithQuantityFitZeroAndSaveAsSchemaTwo)
{
    PutFile(JobFile("J1/G1/M 3.mlt"), kSchema1);
    CMultDoc doc;
    ASSERT_TRUE(doc.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt"));
    ASSERT_EQ(doc.GetParts().GetCount(), 2u);
    for (const CMultPart& part : doc.GetParts())
        EXPECT_EQ(part.GetQuantityFit(), 0u);
    EXPECT_EQ(doc.GetParts().GetHead()->GetPartPath(), kB1Path);
    EXPECT_EQ(doc.GetParts().GetHead()->GetTools().GetCount(), 2u);

    doc.GetParts().GetHead()->SetQuantityFit(2);
    EXPECT_EQ(Store(doc), kGolden);
}

TEST_F(MultDocTest, MissingMachineAndShapeFilesOpenWithPlainOnes)
{
    PutFile(JobFile("J1/G1/M 3.mlt"), kGolden);
    std::filesystem::remove(drives.C() / "Kestrom/Machines/PUNCH1.mch");
    CMultDoc doc;
    ASSERT_TRUE(doc.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt"));
    EXPECT_EQ(doc.GetMachine()->GetRuntimeClass(), &CMachine::classObject);
    EXPECT_EQ(doc.GetMachine()->GetKind(), 0);
    EXPECT_EQ(doc.Header().machine, "PUNCH1");

    std::filesystem::remove(drives.C() / "Kestrom/Shapes/W 12X26.shp");
    ASSERT_TRUE(doc.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt"));
    EXPECT_EQ(doc.GetShape()->GetRuntimeClass(), &CMultShape::classObject);
    EXPECT_EQ(doc.GetShapeKind(), -1);
    EXPECT_EQ(doc.GetShape()->GetTools().GetCount(), 1u);
    EXPECT_EQ(Store(doc), kGolden);   // the file's own data survives
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocTest, SerializeReadsTheBytesAloneAndTheLoaderResolvesTheFiles)
{
    // The shape and machine files are there, yet reading takes neither: plain stand-ins hold the
    // archived tools and the names stay.
    CMultDoc doc;
    fw::Archive in(kGolden);
    doc.Serialize(in);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_EQ(doc.GetMachine()->GetRuntimeClass(), &CMachine::classObject);
    EXPECT_EQ(doc.GetShape()->GetRuntimeClass(), &CMultShape::classObject);
    EXPECT_EQ(doc.GetShapeKind(), -1);
    EXPECT_EQ(doc.Header().machine, "PUNCH1");
    EXPECT_EQ(Store(doc), kGolden);

    EXPECT_TRUE(doc.ResolveReferences().empty());
    EXPECT_EQ(doc.GetMachine()->GetKind(), 3);
    EXPECT_EQ(doc.GetShape()->GetRuntimeClass(), &CBeamMultShape::classObject);
    EXPECT_EQ(doc.GetShape()->GetTools().GetCount(), 1u);
    EXPECT_EQ(Store(doc), kGolden);
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocTest, AMissingMachineIsReturnedByTheLoadAndShownOnlyWithAWindow)
{
    const std::string path = "C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt";
    const std::string missing = "ERROR: File Not Found -- On File C:\\Kestrom\\Machines\\PUNCH1.mch";
    PutFile(JobFile("J1/G1/M 3.mlt"), kGolden);
    std::filesystem::remove(drives.C() / "Kestrom/Machines/PUNCH1.mch");

    CMultDoc windowless;
    ASSERT_TRUE(windowless.LoadMult(path));
    EXPECT_EQ(windowless.GetLoadProblems(), (LoadProblems{{LoadProblem::Kind::machineUnreadable, missing, {},
                                                            fw::MB_OK | fw::MB_ICONEXCLAMATION, true}}));
    EXPECT_TRUE(messages->Shown().empty());
    EXPECT_TRUE(messages->Beeps().empty());

    CMultDoc shown;
    FakeMultForm form(shown);
    messages->Answer(fw::IDOK);
    ASSERT_TRUE(shown.LoadMult(path));
    EXPECT_EQ(Texts(), std::vector<std::string>{missing});
    EXPECT_EQ(messages->Beeps(), std::vector<unsigned>{fw::MB_ICONEXCLAMATION});
    EXPECT_EQ(shown.GetMachine()->GetKind(), 0);
}

TEST_F(MultDocTest, BadFilesAreRefusedAndLeaveTheDocumentEmpty)
{
    const std::string path = "C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt";
    Bytes hugeCount = Cat({Header(), Word(0xFFFF), Le32(0x7FFFFFFF)});
    Bytes longName = Cat({Bytes{0xFF, 0xFF, 0xFF}, Le32(0x7FFFFFFF)});
    Bytes unknownClass = Cat({Header(), Word(0), Word(1), NewClass("CNoSuchPart", 2)});
    std::vector<Bytes> bad{hugeCount, longName, unknownClass};
    for (std::size_t n = 0; n < kGolden.size(); n += 7)
        bad.emplace_back(kGolden.begin(), kGolden.begin() + std::ptrdiff_t(n));
    for (const Bytes& bytes : bad) {
        PutFile(JobFile("J1/G1/M 3.mlt"), bytes);
        CMultDoc doc;
        MakeGolden(doc);
        EXPECT_FALSE(doc.LoadMult(path)) << bytes.size();
        EXPECT_TRUE(doc.GetParts().IsEmpty());
        EXPECT_FALSE(doc.GetShape());
        EXPECT_EQ(doc.Header().mark, "");
    }
    EXPECT_TRUE(messages->Shown().empty());   // windowless: no box

    CMultDoc shown;
    FakeMultForm form(shown);
    const std::size_t beeps = messages->Beeps().size();
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(shown.LoadMult("C:\\Kestrom\\Jobs\\J1\\G1\\Missing 1.mlt"));
    EXPECT_EQ(Texts(),
              std::vector<std::string>{"ERROR: File Not Found -- On File C:\\Kestrom\\Jobs\\J1\\G1\\Missing 1.mlt"});
    EXPECT_EQ(messages->Beeps().size(), beeps + 1);
}

TEST_F(MultDocTest, NewMultAndPaths)
{
    CMultDoc doc;
    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\NONE\\NONE\\Mult 1.mlt");
    EXPECT_EQ(doc.Header().sequence, 1u);
    EXPECT_EQ(doc.Header().quantity, 1u);
    EXPECT_EQ(doc.GetDocumentState(), CSmartDoc::stateNew);

    struct Case {
        int drive;                 // "Default Job Drive"; 0: not set
        const char* directory;     // "Job/Group Directory"; null: not set
        const char* path;          // the document's path before
        const char* job, *group, *mark;
        std::uint32_t sequence;
        const char* expected;
    };
    const Case cases[] = {
        {0, nullptr, "", "J100", "G2", "A1", 3, "C:\\Kestrom\\Jobs\\J100\\G2\\A1 3.mlt"},
        {4, nullptr, "", "J100", "G2", "A1", 3, "D:\\Kestrom\\Jobs\\J100\\G2\\A1 3.mlt"},
        {0, "\\Shop\\Work", "", "", "", "M", 1, "C:\\Shop\\Work\\NONE\\NONE\\M 1.mlt"},
        {0, nullptr, "D:\\Other\\X\\Y\\M 1.mlt", "J", "", "M", 12, "D:\\Kestrom\\Jobs\\J\\NONE\\M 12.mlt"},
        {4, nullptr, "C:\\Kestrom\\Jobs\\J\\G\\M 1.mlt", "J", "G", "M", 2, "C:\\Kestrom\\Jobs\\J\\G\\M 2.mlt"},
        // Opened from a folder longer than a name: saved back beside its file.
        {0, nullptr, "C:\\Kestrom\\Jobs\\LONGJOBNAME12\\G1\\M 1.mlt", "LONGJOBNAM", "G1", "M", 2,
         "C:\\Kestrom\\Jobs\\LONGJOBNAME12\\G1\\M 2.mlt"},
    };
    for (const Case& c : cases) {
        fw::SetAppProfile(nullptr);
        if (c.drive)
            fw::AppProfile().WriteProfileInt("Directories", "Default Job Drive", c.drive);
        if (c.directory)
            fw::AppProfile().WriteProfileString("Directories", "Job/Group Directory", c.directory);
        CMultDoc mult;
        mult.SetPathName(c.path, false);
        mult.Header().job = c.job;
        mult.Header().group = c.group;
        mult.Header().mark = c.mark;
        mult.Header().sequence = c.sequence;
        EXPECT_EQ(mult.BuildMultPath(), c.expected);
    }
}

TEST_F(MultDocTest, JobAndGroupComeFromTheFoldersAboveAMultFile)
{
    struct Case {
        const char* path;
        const char* job, *group;
    };
    const Case cases[] = {
        {"C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt", "J1", "G1"},
        {"C:\\J\\G\\M.mlt", "SJ", "SG"},                            // no blank: the stored ones stay
        {"C:\\Kestrom\\Jobs\\J 1\\G1\\M.mlt", "SJ", "SG"},          // a blank in a folder is not a name's
        {"C:\\Kestrom\\A Job\\My Group\\M 2.mlt", "A Job", "My Group"},
        {"C:\\Kestrom\\LongJobName1\\G1\\M 2.mlt", "LongJobNam", "G1"},   // longer than a name: the first 10
        {"M 2.mlt", "SJ", "SG"},
    };
    for (const Case& c : cases) {
        CMultDoc doc;
        doc.SetPathName(c.path, false);
        doc.Header().job = "SJ";
        doc.Header().group = "SG";
        const MultRecord data = doc.GetMultData();
        EXPECT_EQ(data.job, c.job) << c.path;
        EXPECT_EQ(data.group, c.group) << c.path;
    }
}

TEST_F(MultDocTest, SetMultDataTrimsLoadsAndKeepsWhatCannotBeLoaded)
{
    CMultDoc doc;
    MakeMult(doc);
    EXPECT_EQ(doc.Header().shapeDesctp, "W");
    EXPECT_EQ(doc.GetShapeKind(), 0);
    EXPECT_EQ(doc.GetMachine()->GetKind(), 3);
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt");
    doc.GetShape()->GetTools().AddZoneTool(CPartTool(1.0, 0, "SQ", 0), 18, 0, 2);
    CMultShape* shape = doc.GetShape();
    CMachine* machine = doc.GetMachine();

    MultRecord data = doc.GetMultData();
    data.shapeDesctp = "W ";
    data.shapeDesc = "99X99";
    data.machine = "NOSUCH";
    data.measuringSystem = 2;
    data.kerf = 0.125;
    ASSERT_TRUE(doc.SetMultData(data));
    EXPECT_EQ(doc.GetShape(), shape);
    EXPECT_EQ(doc.GetMachine(), machine);
    EXPECT_EQ(doc.Header().shapeDesc, "12X26");
    EXPECT_EQ(doc.Header().machine, "PUNCH1");
    EXPECT_EQ(doc.Header().kerf.GetUnitLetter(), 'M');
    EXPECT_EQ(doc.Header().drop.GetUnitLetter(), 'M');

    data.shapeDesctp = "L";
    data.shapeDesc = "4X4X0.5";
    ASSERT_TRUE(doc.SetMultData(data));
    EXPECT_EQ(doc.GetShapeKind(), 2);
    EXPECT_EQ(doc.GetShape()->GetRuntimeClass(), &CAngleMultShape::classObject);
    EXPECT_EQ(doc.GetShape()->GetTools().GetCount(), 1u);   // the loaded tools move along

    for (const char* bad : {"", "A\\B", "..", "ELEVENCHARS"}) {
        MultRecord refused = doc.GetMultData();
        refused.mark = bad;
        refused.sequence = 9;
        EXPECT_FALSE(doc.SetMultData(refused)) << bad;
        refused.mark = "M";
        refused.group = bad[0] ? bad : "G:";
        EXPECT_FALSE(doc.SetMultData(refused)) << bad;
        EXPECT_EQ(doc.Header().sequence, 1u);
    }
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(MultDocTest, SaveLandsInTheJobAndGroupFolderOfTheDriveAsked)
{
    CMultDoc doc;
    MakeMult(doc);
    ASSERT_TRUE(doc.OnSaveDocument("D:\\Anywhere\\X.mlt"));
    EXPECT_EQ(doc.GetPathName(), "D:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt");
    EXPECT_TRUE(std::filesystem::exists(drives.Root() / "D/Kestrom/Jobs/J1/G1/M 1.mlt"));

    CMultDoc shown;
    FakeMultForm form(shown);
    ASSERT_TRUE(shown.OnNewDocument());   // Mult 1.mlt in NONE\NONE until job, group and mark are entered
    MakeMult(shown);
    shown.Header().measuringSystem = 2;
    ASSERT_TRUE(shown.OnFileSave());
    EXPECT_EQ(shown.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt");
    EXPECT_EQ(shown.GetDocumentState(), CSmartDoc::stateStored);
    EXPECT_EQ(fw::AppProfile().GetProfileInt("Current Settings", "Default MS", 0), 2);
    EXPECT_EQ(form.updates, 1);
}

TEST_F(MultDocTest, SavingTakesTheNextFreeSequence)
{
    CMultDoc doc;
    MakeMult(doc);
    PutFile(JobFile("J1/G1/M 1.mlt"), {'o', 'n', 'e'});
    PutFile(JobFile("J1/G1/m 2.MLT"), {'t', 'w', 'o'});
    ASSERT_TRUE(doc.SaveDocument());
    EXPECT_EQ(doc.Header().sequence, 3u);
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt");
    ASSERT_TRUE(doc.SaveDocument());   // a saved "M 3" saves back to its file
    EXPECT_EQ(doc.Header().sequence, 3u);
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")), (std::vector<std::string>{"M 1.mlt", "M 3.mlt", "m 2.MLT"}));
    EXPECT_EQ(TempDrives::Get(JobFile("J1/G1/M 1.mlt")), "one");

    doc.SetModifiedFlag();   // closing: "Save changes?" Yes saves as File Save does
    messages->Answer(fw::IDYES);
    EXPECT_TRUE(doc.SaveModified());
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 3.mlt");
    doc.Header().sequence = 1;   // a changed key names another mult: the first free name again
    ASSERT_TRUE(doc.SaveDocument());
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 4.mlt");

    // The save folder is free but the file's own path is taken, as when another saver got there
    // first: the next sequence is taken, nothing is replaced.
    PutFile(JobFile("J1/G1/N 1.mlt"), {'n'});
    CMultDoc other;
    MakeMult(other);
    other.Header().mark = "N";
    other.SetSaveFolder("C:\\Elsewhere");
    ASSERT_TRUE(other.SaveDocument());
    EXPECT_EQ(other.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\N 2.mlt");
    EXPECT_EQ(other.Header().sequence, 2u);
    EXPECT_EQ(TempDrives::Get(JobFile("J1/G1/N 1.mlt")), "n");
    EXPECT_FALSE(std::filesystem::exists(drives.C() / "Elsewhere"));
}

// Open "M 1" beside M 2 to M 9, then every way of saving it: each writes M 1 again, and only a
// mult started anew (Save/New, the hand-mult series) takes the next free sequence.
TEST_F(MultDocTest, AnOpenedMultSavesBackToItsFile)
{
    {
        CMultDoc first;
        MakeMult(first);
        ASSERT_TRUE(first.SaveDocument());
    }
    for (int sequence = 2; sequence <= 9; ++sequence)
        PutFile(JobFile("J1/G1/M " + std::to_string(sequence) + ".mlt"), {'x'});
    const std::vector<std::string> nine = TempDrives::Names(JobFile("J1/G1"));
    const std::string path = "C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt";

    CMultDoc doc;
    FakeMultForm form(doc);
    ASSERT_TRUE(doc.OnOpenDocument(path));
    const std::vector<std::function<bool()>> saves = {
        [&] { return doc.OnFileSave(); },   // File Save in either window, Ctrl+S
        [&] { return doc.SaveDocument(); },
        [&] { return doc.SaveMult() == 0; },
        [&] {
            doc.SetModifiedFlag();
            messages->Answer(fw::IDYES);
            return doc.SaveModified();
        },
    };
    int remark = 0;
    for (const auto& save : saves) {
        doc.Header().remarkA = "save " + std::to_string(++remark);
        doc.GetParts().AddTail(MarkedPart("B" + std::to_string(remark), 1, 120));
        ASSERT_TRUE(save()) << remark;
        EXPECT_EQ(doc.GetPathName(), path) << remark;
        EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")), nine) << remark;
        CMultDoc reread;
        ASSERT_TRUE(reread.LoadMult(path));
        EXPECT_EQ(reread.Header().remarkA, "save " + std::to_string(remark));
        EXPECT_EQ(reread.GetParts().GetCount(), std::size_t(remark));
    }

    // Save/New writes M 1 once more, then starts a new mult: its save takes the first free name.
    ASSERT_TRUE(doc.OnFileSaveNew());
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")), nine);
    doc.KeyFieldEdited();
    doc.SetSaveAllowed(true);
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(doc.GetPathName(), "C:\\Kestrom\\Jobs\\J1\\G1\\M 10.mlt");
    ASSERT_TRUE(doc.OnFileSave());   // and from then on it is M 10's own
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")).size(), nine.size() + 1);
}

TEST_F(MultDocTest, TwoSaversOfOneMarkWriteTwoFiles)
{
    constexpr int kSavers = 4;
    std::vector<std::unique_ptr<CMultDoc>> docs;
    for (int i = 0; i < kSavers; ++i) {
        docs.push_back(std::make_unique<CMultDoc>());
        MakeMult(*docs.back());
        docs.back()->Header().remarkA = "saver " + std::to_string(i);
    }
    std::filesystem::create_directories(JobFile("J1/G1"));
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    std::vector<int> saved(kSavers, 0);
    for (int i = 0; i < kSavers; ++i)
        threads.emplace_back([&, i] {
            while (!go)
                std::this_thread::yield();
            saved[std::size_t(i)] = docs[std::size_t(i)]->SaveDocument();
        });
    go = true;
    for (std::thread& t : threads)
        t.join();

    std::set<std::string> paths;
    for (int i = 0; i < kSavers; ++i) {
        EXPECT_TRUE(saved[std::size_t(i)]);
        paths.insert(docs[std::size_t(i)]->GetPathName());
        CMultDoc reread;
        ASSERT_TRUE(reread.LoadMult(docs[std::size_t(i)]->GetPathName()));
        EXPECT_EQ(reread.Header().remarkA, "saver " + std::to_string(i));
        EXPECT_EQ(reread.Header().sequence, docs[std::size_t(i)]->Header().sequence);
    }
    EXPECT_EQ(paths.size(), std::size_t(kSavers));
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")),
              (std::vector<std::string>{"M 1.mlt", "M 2.mlt", "M 3.mlt", "M 4.mlt"}));
}

TEST_F(MultDocTest, ASaveWithoutShapeOrMachineWritesNothing)
{
    struct Case {
        bool shape, machine;
        std::function<bool(CMultDoc&)> command;
        const char* message;
    };
    const Case cases[] = {
        {false, true, [](CMultDoc& d) { return d.OnFileSave(); }, "Must Have Valid Shape A W 12X26"},
        {false, true, [](CMultDoc& d) { return d.OnSaveDocument("C:\\x.mlt"); }, "Must Have Valid Shape B W 12X26"},
        {false, true, [](CMultDoc& d) { return d.OnFileSaveNew(); }, "Must Have Valid Shape C W 12X26"},
        {true, false, [](CMultDoc& d) { return d.OnFileSave(); }, CMultDoc::kNoMachine},
        {true, false, [](CMultDoc& d) { return d.OnFileSaveNew(); }, CMultDoc::kNoMachine},
        {true, false, [](CMultDoc& d) { return d.SaveDocument(); }, CMultDoc::kNoMachine},
    };
    for (const Case& c : cases) {
        fw::ScriptedMessages answers;
        CMultDoc doc;
        FakeMultForm form(doc);
        MakeMult(doc);
        doc.Header().sequence = 5;
        if (!c.shape)
            doc.SetShape(nullptr, -1);
        if (!c.machine)
            doc.SetMachine(nullptr);
        doc.SetDocumentState(CSmartDoc::stateNew);
        answers->Answer(fw::IDOK);
        EXPECT_FALSE(c.command(doc)) << c.message;
        ASSERT_EQ(answers->Shown().size(), 1u);
        EXPECT_EQ(answers->Shown()[0].text, c.message);
        EXPECT_EQ(fw::MessageIcon(answers->Shown()[0].type), fw::MB_ICONERROR);
        EXPECT_EQ(doc.GetDocumentState(), CSmartDoc::stateNew);
        EXPECT_EQ(doc.Header().sequence, 5u);
        EXPECT_FALSE(std::filesystem::exists(JobFile("J1")));
    }
}

TEST_F(MultDocTest, SaveNewKeepsTheHeaderForTheNextMult)
{
    CMultDoc doc;
    FakeMultForm form(doc);
    FakeMultForm other(doc);
    MakeMult(doc);
    doc.GetParts().AddTail(MarkedPart("B1", 1, 120));
    doc.DisableKeyFields();
    ASSERT_TRUE(doc.OnFileSaveNew());
    EXPECT_TRUE(std::filesystem::exists(JobFile("J1/G1/M 1.mlt")));
    EXPECT_TRUE(doc.GetParts().IsEmpty());
    EXPECT_EQ(doc.Header().mark, "M");
    EXPECT_EQ(doc.GetViews(), std::vector<fw::View*>{&form});   // the other window closed
    EXPECT_EQ(doc.GetKeyFieldsFlag(), 1);
    EXPECT_EQ(form.keyFields, (std::vector<bool>{false, true}));
    EXPECT_FALSE(doc.IsSaveAllowed());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetDocumentState(), CSmartDoc::stateNew);
    EXPECT_EQ(form.changes.back(), CSmartDoc::DocChange::Kind::startedNew);

    form.valid = false;   // a form that does not validate stops every command
    doc.SetSaveAllowed(true);
    EXPECT_FALSE(doc.OnFileSaveNew());
    EXPECT_FALSE(doc.OnFileSave());
    EXPECT_FALSE(doc.OnEditSpecifics());
    EXPECT_EQ(TempDrives::Names(JobFile("J1/G1")), std::vector<std::string>{"M 1.mlt"});
}

TEST_F(MultDocTest, CommandsFollowTheKeyFieldsPartsShapeAndMachine)
{
    struct Case {
        bool keyFields, parts, shape, machine;
        bool autoMult, chooseShape, specifics;
    };
    const Case cases[] = {
        {true, false, true, true, true, true, true},
        {false, false, true, true, false, false, false},
        {true, true, true, true, false, true, true},
        {true, false, false, true, true, true, false},
        {true, false, true, false, false, true, false},
    };
    for (const Case& c : cases) {
        CMultDoc doc;
        MakeMult(doc);
        if (!c.keyFields)
            doc.DisableKeyFields();
        if (c.parts)
            doc.GetParts().AddTail(MarkedPart("B1", 1, 120));
        if (!c.shape)
            doc.SetShape(nullptr, -1);
        if (!c.machine)
            doc.SetMachine(nullptr);
        EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_AUTOMULT), c.autoMult);
        EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_CHOOSE_SHAPE), c.chooseShape);
        EXPECT_EQ(doc.IsCommandEnabled(ID_EDIT_SPECIFICS), c.specifics);
    }
    CMultDoc doc;
    doc.SetSaveAllowed(false);
    EXPECT_EQ(doc.IsCommandEnabled(ID_FILE_SAVE), false);
}

TEST_F(MultDocTest, SpecificsOpensTheHandMultWindowAndLocksTheKeyFields)
{
    std::vector<CMultDoc*> opened;
    CMultDoc::SetHandMultOpener([&](CMultDoc& doc) { opened.push_back(&doc); });
    CMultDoc doc;
    FakeMultForm form(doc);
    EXPECT_FALSE(doc.OnEditSpecifics());   // no shape, no machine
    EXPECT_TRUE(opened.empty());
    EXPECT_EQ(doc.GetKeyFieldsFlag(), 1);

    MakeMult(doc);
    EXPECT_TRUE(doc.OnEditSpecifics());
    CMultDoc::SetHandMultOpener(nullptr);
    EXPECT_EQ(opened, std::vector<CMultDoc*>{&doc});
    EXPECT_EQ(doc.GetKeyFieldsFlag(), 0);
    EXPECT_EQ(form.keyFields, std::vector<bool>{false});
}

TEST_F(MultDocTest, ClosingOneOfSeveralWindowsAsksToKeepItsValues)
{
    struct Case {
        bool modified;
        int windowNumber;
        std::vector<int> answers;
        bool closes;
        int updates;
    };
    const Case cases[] = {
        {true, 1, {fw::IDYES}, true, 1},
        {true, 2, {fw::IDNO}, true, 0},
        {true, 1, {fw::IDCANCEL}, false, 0},
        {false, 1, {}, true, 0},
        {true, 0, {fw::IDNO}, true, 0},           // the last window: save changes? No
        {true, 0, {fw::IDCANCEL}, false, 0},
    };
    for (const Case& c : cases) {
        fw::ScriptedMessages answers;
        for (int a : c.answers)
            answers->Answer(a);
        CMultDoc doc;
        FakeMultForm form(doc);
        doc.SetModifiedFlag(c.modified);
        fw::View* const frame[] = {&form};
        EXPECT_EQ(doc.CanCloseFrame(frame, c.windowNumber), c.closes);
        EXPECT_EQ(form.updates, c.updates);
        EXPECT_EQ(answers->UnusedAnswers(), 0u);
        if (c.windowNumber > 0 && c.modified) {
            EXPECT_EQ(answers->Shown()[0].text, CMultDoc::kUpdateQuestion);
        }
    }
}

TEST_F(MultDocTest, PartSources)
{
    std::filesystem::create_directories(JobFile("J1/G1"));
    std::filesystem::create_directories(JobFile("J1/G2"));
    PutFile(JobFile("J1/notes.txt"), {});
    CMultDoc::SetSelectionProvider([](int kind) {
        return kind == CMultDoc::kSelectedParts ? std::string("C:\\A\\P1.prt|C:\\B\\P2.prt|")
                                                : std::string("D:\\X|D:\\Y\\|");
    });
    CMultDoc doc;
    doc.SetPathName("C:\\Kestrom\\Jobs\\J1\\G1\\M 1.mlt", false);
    EXPECT_EQ(doc.GetPartSourceList(0), "C:\\Kestrom\\Jobs\\J1\\G1\\*.prt|C:\\Kestrom\\Jobs\\J1\\G2\\*.prt||");
    EXPECT_EQ(doc.GetPartSourceList(1), "C:\\Kestrom\\Jobs\\J1\\G1\\*.prt||");
    EXPECT_EQ(doc.GetPartSourceList(2), "C:\\A\\P1.prt|C:\\B\\P2.prt|");
    EXPECT_EQ(doc.GetPartSourceList(3), "D:\\X\\*.prt|D:\\Y\\*.prt||");
    EXPECT_EQ(doc.GetPartSourceList(4), "");
    EXPECT_EQ(doc.GetPartSourceList(-1), "");

    CMultDoc::SetSelectionProvider(nullptr);
    EXPECT_EQ(doc.GetPartSourceList(2), "");
    EXPECT_EQ(doc.GetPartSourceList(3), "|");
    doc.SetPathName("C:\\Kestrom\\Jobs\\NOJOB\\G1\\M 1.mlt", false);
    EXPECT_EQ(doc.GetPartSourceList(0), "|");
}

TEST_F(MultDocTest, SortingOrdersByLengthAndKeepsEqualLengthsInOrder)
{
    struct Case {
        std::vector<std::pair<const char*, double>> parts;
        std::vector<const char*> sorted;
    };
    const Case cases[] = {
        {{{"A", 30}, {"B", 10}, {"C", 20}}, {"B", "C", "A"}},
        {{{"A", 10}, {"B", 10}, {"C", 5}}, {"C", "A", "B"}},
        {{{"A", 10}, {"B", 20}, {"A", 10}, {"C", 5}}, {"C", "A", "A", "B"}},
        {{}, {}},
        // A shorter copy of the same part does not move before it, nor does a case-changed mark;
        // another part in between can still carry it forward.
        {{{"A", 10}, {"A", 5}}, {"A", "A"}},
        {{{"a", 10}, {"A", 5}}, {"a", "A"}},
        {{{"A", 10}, {"B", 7}, {"A", 5}}, {"A", "B", "A"}},
    };
    for (const Case& c : cases) {
        CMultDoc doc;
        int number = 0;
        for (const auto& [mark, length] : c.parts) {
            auto part = MarkedPart(mark, 1, length);
            part->SetListIndex(number++);
            doc.GetParts().AddTail(std::move(part));
        }
        doc.SortPartsByLength();
        std::vector<int> indexes;
        for (const CMultPart& part : doc.GetParts())
            indexes.push_back(part.GetListIndex());
        ASSERT_EQ(indexes.size(), c.sorted.size());
        for (std::size_t i = 0; i < indexes.size(); ++i)
            EXPECT_EQ(c.parts[std::size_t(indexes[i])].first, std::string(c.sorted[i]));
        if (c.parts.size() == 4) {   // the same part twice keeps its own order
            EXPECT_LT(indexes[1], indexes[2]);
        }
        if (c.parts.size() == 3 && c.parts[1].second == 7) {   // A 5, B 7, A 10
            EXPECT_EQ(indexes, (std::vector<int>{2, 1, 0}));
        }
        if (c.parts.size() == 2) {
            EXPECT_EQ(indexes, (std::vector<int>{0, 1}));
        }
    }
}

// The walk the order is defined by: at the first later part, not the same part, that is shorter,
// move it before the earlier one and start again.
std::vector<int> ReferenceOrder(const std::vector<std::pair<int, double>>& parts)
{
    std::vector<int> order(parts.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    for (bool moved = true; moved;) {
        moved = false;
        for (std::size_t i = 0; i < order.size() && !moved; ++i)
            for (std::size_t j = i + 1; j < order.size() && !moved; ++j) {
                const auto& early = parts[std::size_t(order[i])];
                const auto& later = parts[std::size_t(order[j])];
                if (early.first != later.first && later.second < early.second) {
                    const int item = order[j];
                    order.erase(order.begin() + std::ptrdiff_t(j));
                    order.insert(order.begin() + std::ptrdiff_t(i), item);
                    moved = true;
                }
            }
    }
    return order;
}

TEST_F(MultDocTest, SortingGivesTheOrderOfTheMovingWalk)
{
    std::mt19937 random(11);
    for (int round = 0; round < 200; ++round) {
        const int marks = 1 + int(random() % 6);
        std::vector<double> lengthOf(static_cast<std::size_t>(marks));
        for (double& length : lengthOf)
            length = double(1 + random() % 4) * 12;
        std::vector<std::pair<int, double>> parts(random() % 9);
        CMultDoc doc;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const int mark = int(random() % std::uint32_t(marks));
            // In odd rounds copies of one part differ in length.
            const double length = round % 2 ? double(1 + random() % 4) * 12 : lengthOf[std::size_t(mark)];
            parts[i] = {mark, length};
            auto part = MarkedPart("P" + std::to_string(mark), 1, parts[i].second);
            part->SetListIndex(int(i));
            doc.GetParts().AddTail(std::move(part));
        }
        doc.SortPartsByLength();
        std::vector<int> order;
        for (const CMultPart& part : doc.GetParts())
            order.push_back(part.GetListIndex());
        EXPECT_EQ(order, ReferenceOrder(parts)) << "round " << round;
    }
}

TEST_F(MultDocTest, ShapeFoundMachineChosenAndAKeyFieldEditedAllowSavingANewMult)
{
    using Kind = CSmartDoc::DocChange::Kind;
    const struct {
        const char* size;
        bool chooseMachine;
        bool keyEdited;
        bool allowed;
    } cases[] = {
        {"12X26", true, true, true},
        {"99X99", true, true, false},
        {"12X26", false, true, false},
        {"12X26", true, false, false},
    };
    for (const auto& c : cases) {
        CMultDoc doc;
        FakeMultForm form(doc);
        doc.SetDocumentState(CSmartDoc::stateNew);
        EXPECT_EQ(doc.LookUpShape("W ", c.size).has_value(), std::string(c.size) == "12X26");
        if (c.chooseMachine) {
            doc.ChooseMachine();
            EXPECT_EQ(form.changes.back(), Kind::machine);
            EXPECT_TRUE(doc.IsModified());
        }
        if (c.keyEdited)
            doc.KeyFieldEdited();
        EXPECT_EQ(doc.IsSaveAllowed(), c.allowed) << c.size << c.chooseMachine << c.keyEdited;
        EXPECT_EQ(doc.IsCommandEnabled(ID_FILE_SAVE), c.allowed);
    }

    // A machine named in the header counts as chosen.
    CMultDoc named;
    MakeMult(named);
    named.SetDocumentState(CSmartDoc::stateNew);
    named.LookUpShape("W ", "12X26");
    named.KeyFieldEdited();
    EXPECT_TRUE(named.IsSaveAllowed());
}
