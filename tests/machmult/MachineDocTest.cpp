#include "machmult/MachineDoc.h"

#include "fw/core/AppProfile.h"
#include "fw/core/MessageService.h"
#include "tests/fw/TempDrives.h"
#include "tests/model/MachineTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace machinetest;
using modeltest::NewClass;

namespace {

Bytes Ref(std::uint16_t classIndex) { return Word(std::uint16_t(0x8000 | classIndex)); }
Bytes AsBytes(const std::string& s) { return Bytes(s.begin(), s.end()); }
std::string AsString(const Bytes& b) { return std::string(b.begin(), b.end()); }

// The record of the golden files: every field its own value (flags as raw DWORDs). The
// document takes lengths by value, so they keep its unit letters ('E' on a new machine).
MachineRecord Record(const std::string& name, int kind)
{
    MachineRecord r;
    r.name = name;
    r.kind = kind;
    r.defaultKerf = Length(2, 1);
    r.minimumStock = Length(3, 0);
    r.maximumStock = Length(4, 2);
    r.minimumDrop = Length(5, 0);
    r.multiAxis = 6;
    r.flowsRight = 0;
    r.trimCut = 7;
    r.trimLength = Length(8, 1);
    r.materialTypes = {9, 10, 0, 11, 12, 13, 14};
    return r;
}

Bytes RecordBytes(const std::string& name, std::uint32_t kind, const char* letters = "EEEEE")
{
    return Cat({Str(name), U32(kind), WholeDim(2, letters[0]), WholeDim(3, letters[1]), WholeDim(4, letters[2]),
                WholeDim(5, letters[3]), U32(6), U32(0), U32(7), WholeDim(8, letters[4]), U32(9), U32(10), U32(0),
                U32(11), U32(12), U32(13), U32(14)});
}

// Units of a file: class and object numbers count from 1 over the whole file.
void FillAngleLine(CMachineDoc& doc)
{
    doc.SetMachineData(Record("ANGLE1", machineAngleLine));
    auto& spec = dynamic_cast<CAngleLineSpecData&>(*doc.GetSpecData());
    spec.contourTorch = 1;
    spec.cutOffTorch = 1;
    spec.shears = 1;
    spec.topFlangeFrames = 1;
    spec.webFrames = 2;
    spec.lengthType = lengthPinchWheel;
    spec.stenciler = 1;
    CUnitList& units = spec.GetUnits();
    units.AddTail(AngleLength("Length", 0x50, 100));
    units.AddTail(Gag("Web - 1", 0x10, 200, 3, 0));
    units.AddTail(Gag("Web - 2", 0x10, 300, 2, 1));
    units.AddTail(Gag("Top Flange", 0x20, 400, 4, 0));
    units.AddTail(Shear("Cut", 0, 500));
    units.AddTail(Torch("Torch", 0, 600));
    units.AddTail(Stencil("Stencil", 0, 700, 1, 0));
}

Bytes AngleLineBytes()
{
    return Cat({RecordBytes("ANGLE1", 1), Word(7),
                NewClass("CAngleLengthUnit"), AngleLengthBytes("Length", 0x50, 100),   // class 1, object 2
                NewClass("CGagUnit"), GagBytes("Web - 1", 0x10, 200, 3, 0),           // class 3, object 4
                Ref(3), GagBytes("Web - 2", 0x10, 300, 2, 1),                         // object 5
                Ref(3), GagBytes("Top Flange", 0x20, 400, 4, 0),                      // object 6
                NewClass("CShearUnit"), ShearBytes("Cut", 0, 500),                    // class 7, object 8
                NewClass("CTorchUnit"), TorchBytes("Torch", 0, 600),                  // class 9, object 10
                NewClass("CStencilUnit"), StencilBytes("Stencil", 0, 700, 1, 0),      // class 11, object 12
                U32(1), U32(1), U32(1), U32(1), U32(2), U32(1), U32(1)});
}

void FillBeamLine(CMachineDoc& doc)
{
    doc.SetMachineData(Record("BEAM1", machineBeamLine));
    auto& spec = dynamic_cast<CBeamLineSpecData&>(*doc.GetSpecData());
    spec.bottomFlangeFrames = 1;
    spec.topFlangeFrames = 2;
    spec.webFrames = 1;
    spec.stenciler = 1;
    spec.saw = 1;
    spec.contourTorch = 0;
    spec.lengthType = lengthProbe;
    CUnitList& units = spec.GetUnits();
    units.AddTail(BeamLength("Length", 0x50, 100));
    units.AddTail(Gag("Web", 0x10, 200, 5, 1));
    units.AddTail(FlangeFrame("Top Flange - 1", 0x20, 300, 2, 0));
    units.AddTail(FlangeFrame("Top Flange - 2", 0x20, 400, 4, 3));
    units.AddTail(FlangeFrame("Bottom Flange", 0x30, 500, 3, 1));
    units.AddTail(Saw("Saw", 0, 600));
    units.AddTail(Stencil("Stencil", 0, 700, 0, 1));
}

Bytes BeamLineBytes()
{
    return Cat({RecordBytes("BEAM1", 2), Word(7),
                NewClass("CBeamLengthUnit"), BeamLengthBytes("Length", 0x50, 100),          // class 1, object 2
                NewClass("CGagUnit"), GagBytes("Web", 0x10, 200, 5, 1),                     // class 3, object 4
                NewClass("CFlangeFrameUnit"), FlangeFrameBytes("Top Flange - 1", 0x20, 300, 2, 0),   // 5, 6
                Ref(5), FlangeFrameBytes("Top Flange - 2", 0x20, 400, 4, 3),               // object 7
                Ref(5), FlangeFrameBytes("Bottom Flange", 0x30, 500, 3, 1),                // object 8
                NewClass("CSawUnit"), SawBytes("Saw", 0, 600),                              // class 9, object 10
                NewClass("CStencilUnit"), StencilBytes("Stencil", 0, 700, 0, 1),            // class 11, object 12
                U32(1), U32(2), U32(1), U32(1), U32(1), U32(0), U32(0)});
}

void FillDrillLine(CMachineDoc& doc)
{
    doc.SetMachineData(Record("DRILL1", machineDrillLine));
    auto& spec = dynamic_cast<CDrillSpecData&>(*doc.GetSpecData());
    spec.bottomFlangeUnits = 1;
    spec.topFlangeUnits = 1;
    spec.webUnits = 1;
    spec.web2Units = 2;
    spec.stenciler = 1;
    spec.saw = 1;
    spec.contourTorch = 1;
    spec.lengthType = lengthPinchWheel;
    CUnitList& units = spec.GetUnits();
    units.AddTail(BeamLength("Length", 0x50, 100));
    units.AddTail(Drill("Web", 0x10, 200, 3));
    units.AddTail(Drill("Top Flange", 0x20, 300, 4));
    units.AddTail(Drill("Bottom Flange", 0x30, 400, 5));
    units.AddTail(Drill("Web 2 - 1", 0x40, 500, 6));
    units.AddTail(Drill("Web 2 - 2", 0x40, 600, 7));
    units.AddTail(Saw("Saw", 0, 700));
    units.AddTail(Stencil("Stencil", 0, 800, 1, 1));
}

Bytes DrillLineBytes()
{
    return Cat({RecordBytes("DRILL1", 4), Word(8),
                NewClass("CBeamLengthUnit"), BeamLengthBytes("Length", 0x50, 100),   // class 1, object 2
                NewClass("CDrillUnit"), DrillBytes("Web", 0x10, 200, 3),             // class 3, object 4
                Ref(3), DrillBytes("Top Flange", 0x20, 300, 4),
                Ref(3), DrillBytes("Bottom Flange", 0x30, 400, 5),
                Ref(3), DrillBytes("Web 2 - 1", 0x40, 500, 6),
                Ref(3), DrillBytes("Web 2 - 2", 0x40, 600, 7),                        // object 8
                NewClass("CSawUnit"), SawBytes("Saw", 0, 700),                        // class 9, object 10
                NewClass("CStencilUnit"), StencilBytes("Stencil", 0, 800, 1, 1),      // class 11, object 12
                U32(1), U32(1), U32(1), U32(2), U32(1), U32(1), U32(1), U32(1)});
}

// A machine folder on a temporary drive, a fresh profile and scripted messages.
class MachineDocTest : public testing::Test {
protected:
    MachineDocTest() : previousProfile_(fw::SetAppProfile(std::make_unique<fw::MemoryProfile>())) {}
    ~MachineDocTest() override { fw::SetAppProfile(std::move(previousProfile_)); }

    std::filesystem::path Folder() const { return drives_.C() / "Kestrom" / "Machines"; }
    std::filesystem::path FileOf(const std::string& name) const { return Folder() / (name + ".mch"); }
    Bytes Written(const std::string& name) const { return AsBytes(TempDrives::Get(FileOf(name))); }
    void Put(const std::string& name, const Bytes& bytes) const { TempDrives::Put(FileOf(name), AsString(bytes)); }

    // A new machine document as File New makes it, with saving allowed.
    static std::unique_ptr<CMachineDoc> NewDoc()
    {
        auto doc = std::make_unique<CMachineDoc>();
        doc->OnNewDocument();
        return doc;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const fw::ShownMessage& m : messages_->Shown())
            texts.push_back(m.text);
        return texts;
    }

    TempDrives drives_;
    fw::ScriptedMessages messages_{fw::ScriptedMessageService::WhenUnscripted::AnswerDefault};

private:
    std::unique_ptr<fw::Profile> previousProfile_;
};

// A form that hands the document a record, or fails to validate.
class FakeForm : public fw::View {
public:
    explicit FakeForm(CMachineDoc& doc, MachineRecord record) : record_(std::move(record)) { doc.AddView(this); }

    bool HoldsEdits() const override { return true; }
    bool CommitPendingEdits() override
    {
        ++updates;
        if (!valid)
            return false;
        static_cast<CMachineDoc*>(GetDocument())->SetMachineData(record_);
        return true;
    }
    // What the window does with the spec data Specifics gives.
    void OnEditSpecifics()
    {
        if (CMachineSpecData* spec = static_cast<CMachineDoc*>(GetDocument())->OnEditSpecifics())
            edited.push_back(spec->GetKind());
    }
    void OnUpdate(fw::View*, long, fw::Object*) override { ++shown; }
    void CloseFrame() override { GetDocument()->RemoveView(this); }

    MachineRecord record_;
    bool valid = true;
    int updates = 0;
    int shown = 0;
    std::vector<int> edited;
};

// LoadMachine; a load that fails always says why, one that succeeds has nothing to say.
bool Load(CMachineDoc& doc, const std::string& name)
{
    LoadProblems problems;
    const bool loaded = doc.LoadMachine(name, problems);
    EXPECT_EQ(problems.size(), loaded ? 0u : 1u);
    return loaded;
}

} // namespace

TEST_F(MachineDocTest, GoldenFilesOfTheKindsWithSpecData)
{
    struct Case {
        const char* name;
        void (*fill)(CMachineDoc&);
        Bytes (*bytes)();
    } cases[] = {
        {"ANGLE1", FillAngleLine, AngleLineBytes},
        {"BEAM1", FillBeamLine, BeamLineBytes},
        {"DRILL1", FillDrillLine, DrillLineBytes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<CMachineDoc> doc = NewDoc();
        c.fill(*doc);
        ASSERT_TRUE(doc->OnFileSave());
        EXPECT_EQ(Written(c.name), c.bytes());

        // Round trip: loaded and saved again, byte for byte.
        CMachineDoc loaded;
        ASSERT_TRUE(Load(loaded, c.name));
        EXPECT_EQ(loaded.GetMachineRecord().name, c.name);
        std::filesystem::remove(FileOf(c.name));
        ASSERT_TRUE(loaded.OnFileSave());
        EXPECT_EQ(Written(c.name), c.bytes());
    }
    EXPECT_TRUE(messages_->Shown().empty());
}

TEST_F(MachineDocTest, KindsWithoutSpecDataEndAfterTheTubingFlag)
{
    // Kind 3, name "PP", everything else zero, by hand.
    const Bytes punch = {
        0x02, 'P', 'P', 0x03, 0x00, 0x00, 0x00,                                  // name, kind 3
        0, 0, 0, 0, 0, 0, 0, 0, 'E', 0, 0, 0, 0, 0, 0, 0, 0, 'E',                // kerf, minimum stock
        0, 0, 0, 0, 0, 0, 0, 0, 'E', 0, 0, 0, 0, 0, 0, 0, 0, 'E',                // maximum stock, minimum drop
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,                                      // three run flags
        0, 0, 0, 0, 0, 0, 0, 0, 'E',                                             // trim length
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   // materials
    };
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    MachineRecord record;
    record.name = "pp";
    record.kind = machinePlatePunch;
    doc->SetMachineData(record);
    EXPECT_EQ(doc->GetSpecData(), nullptr);
    ASSERT_TRUE(doc->OnFileSave());
    EXPECT_EQ(Written("PP"), punch);

    for (int kind : {machineNone, machineUnlisted, machineSawShear, machineBurningTable}) {
        std::unique_ptr<CMachineDoc> other = NewDoc();
        other->SetMachineData(Record("K", kind));
        ASSERT_TRUE(other->OnFileSave());
        EXPECT_EQ(Written("K"), RecordBytes("K", std::uint32_t(kind))) << "kind " << kind;
        CMachineDoc loaded;
        ASSERT_TRUE(Load(loaded, "K"));
        EXPECT_EQ(loaded.GetMachineRecord().kind, kind);
        EXPECT_EQ(loaded.GetSpecData(), nullptr);
    }
}

TEST_F(MachineDocTest, LengthsKeepTheirUnitLettersThroughLoadAndSave)
{
    const Bytes file = RecordBytes("UNITS", 0, "DMEDM");
    Put("UNITS", file);
    CMachineDoc doc;
    ASSERT_TRUE(Load(doc, "UNITS"));
    EXPECT_EQ(doc.GetMachineRecord().minimumStock.GetUnits(), 2);
    MachineRecord edited = doc.GetMachineRecord();
    edited.minimumStock = Length(3, 0);   // the same value typed in another form
    doc.SetMachineData(edited);
    std::filesystem::remove(FileOf("UNITS"));
    ASSERT_TRUE(doc.OnFileSave());
    EXPECT_EQ(Written("UNITS"), file);
}

TEST_F(MachineDocTest, TruncatedAndCorruptFilesAreRefusedWithAClearError)
{
    const Bytes good = BeamLineBytes();
    const std::string error = "ERROR: Invalid File -- On File C:\\Kestrom\\Machines\\BAD.mch";
    for (std::size_t n = 1; n < good.size(); n += 7) {
        Put("BAD", Bytes(good.begin(), good.begin() + std::ptrdiff_t(n)));
        CMachineDoc doc;
        EXPECT_FALSE(Load(doc, "BAD")) << n << " bytes";
        EXPECT_EQ(doc.GetSpecData(), nullptr);
    }
    Bytes wrongKind = good;
    wrongKind[6] = 9;   // kind 9, after the name's 6 bytes
    Bytes unknownClass = Cat({RecordBytes("X", 2), Word(1), NewClass("CLaserUnit"), Head(9, "L", 0)});
    Bytes typeMismatch = Cat({RecordBytes("X", 2), Word(1), NewClass("CSawUnit"), GagBytes("W", 0x10, 1, 1, 0)});
    Bytes trailing = Cat({good, {0x00}});
    Bytes kindWithoutItsSpecData = Cat({RecordBytes("X", 3), U32(0), U32(0)});
    for (const Bytes& bytes : {wrongKind, unknownClass, typeMismatch, trailing, kindWithoutItsSpecData}) {
        Put("BAD", bytes);
        CMachineDoc doc;
        LoadProblems problems;
        EXPECT_FALSE(doc.LoadMachine("BAD", problems));
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].text, error);
        EXPECT_FALSE(problems[0].beep);   // only a file that can't be opened beeps
    }
    EXPECT_TRUE(messages_->Shown().empty());
}

TEST_F(MachineDocTest, LoadsByNameInAnyCase)
{
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    FillBeamLine(*doc);
    ASSERT_TRUE(doc->OnFileSave());

    CMachineDoc loaded;
    ASSERT_TRUE(Load(loaded, "beam1"));
    EXPECT_EQ(loaded.GetMachineRecord().kind, machineBeamLine);
    EXPECT_EQ(loaded.GetSpecData()->GetUnits().GetCount(), 7u);
    EXPECT_FALSE(loaded.IsModified());

    // The machine of the document: its kind's class, its record, its stations.
    std::unique_ptr<CMachine> machine = loaded.CreateMachine();
    EXPECT_STREQ(machine->GetRuntimeClass()->className, "CBeamLineMachine");
    EXPECT_EQ(machine->GetMachineRecord().name, "BEAM1");
    // Web gag 5; top flange frames 2 and 4 tools: 1 + 2 pairs; bottom flange 3 tools: 2 pairs.
    EXPECT_EQ(machine->GetStations().GetCount(), 5u + 2 + 4 + 4);
}

TEST_F(MachineDocTest, AMissingMachineBeepsAndNamesTheFile)
{
    std::filesystem::create_directories(Folder());
    CMachineDoc doc;
    LoadProblems problems;
    EXPECT_FALSE(doc.LoadMachine("NOPE", problems));
    EXPECT_TRUE(messages_->Beeps().empty());   // loading shows nothing; the caller reports
    EXPECT_TRUE(Texts().empty());
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].kind, LoadProblem::Kind::machineUnreadable);
    ReportLoadProblems(problems);
    EXPECT_EQ(messages_->Beeps(), (std::vector<unsigned>{fw::MB_ICONEXCLAMATION}));
    EXPECT_EQ(Texts(), (std::vector<std::string>{"ERROR: File Not Found -- On File C:\\Kestrom\\Machines\\NOPE.mch"}));
}

TEST_F(MachineDocTest, AZeroLengthFileIsAMachineWithNothingSet)
{
    Put("EMPTY", {});
    CMachineDoc doc;
    FillAngleLine(doc);
    ASSERT_TRUE(Load(doc, "EMPTY"));
    EXPECT_EQ(doc.GetMachineRecord().kind, machineNone);
    EXPECT_EQ(doc.GetMachineRecord().name, "");
    EXPECT_EQ(doc.GetSpecData(), nullptr);
}

TEST_F(MachineDocTest, TheMachineDirectoryComesFromTheProfile)
{
    fw::AppProfile().WriteProfileString("Directories", "Machine Directory", "D:\\Shop\\Mach");
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    doc->SetMachineData(Record("m1", machineUnlisted));
    ASSERT_TRUE(doc->OnFileSave());
    EXPECT_TRUE(std::filesystem::exists(drives_.Root() / "D" / "Shop" / "Mach" / "M1.mch"));
    EXPECT_EQ(doc->GetPathName(), "D:\\Shop\\Mach\\M1.mch");
    CMachineDoc loaded;
    EXPECT_TRUE(Load(loaded, "M1"));
}

TEST_F(MachineDocTest, NamesThatCannotBeFileNamesAreRefused)
{
    const std::string names[] = {"", ".", "..", "..\\X", "A/B", "A\\B", "C:X", "A*", "A?", "A|B", "A\"B", "<A>",
                                 "TAB\t", "ABCDEFGHIJK"};
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        std::unique_ptr<CMachineDoc> doc = NewDoc();
        doc->SetMachineData(Record(name, machineUnlisted));
        const std::size_t before = messages_->Shown().size();
        EXPECT_FALSE(doc->OnFileSave());
        ASSERT_EQ(messages_->Shown().size(), before + 1);
        EXPECT_EQ(messages_->Shown().back().text,
                  "The machine name \"" + name +
                      "\" can't name a machine file: a machine name has 1 to 10 characters, none of them \\ / : * ? \" < > | "
                      "or a control character, is not made of dots and holds no ..");
        EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
        CMachineDoc loaded;
        EXPECT_FALSE(Load(loaded, name));
    }
    EXPECT_FALSE(std::filesystem::exists(Folder()));
    EXPECT_FALSE(CMachineDoc::CheckMachineName("ABCDEFGHIJ"));
    EXPECT_TRUE(CMachineDoc::CheckMachineName("A..B"));
    EXPECT_FALSE(CMachineDoc::CheckMachineName("A.B"));
}

TEST_F(MachineDocTest, ARefusedSaveWritesNothingAndKeepsTheKeyFieldsOpen)
{
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    doc->SetMachineData(Record("abc", machineAngleLine));
    doc->SetSaveAllowed(false);
    EXPECT_FALSE(doc->OnFileSave());
    EXPECT_EQ(Texts(), (std::vector<std::string>{kSaveOnTopOfOld}));
    EXPECT_EQ(messages_->Shown()[0].type, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
    EXPECT_EQ(doc->GetMachineRecord().name, "abc");
    EXPECT_FALSE(std::filesystem::exists(Folder()));
    // Closing the window and agreeing to save is refused the same way.
    EXPECT_FALSE(doc->DoFileSave());
    EXPECT_FALSE(std::filesystem::exists(Folder()));
}

TEST_F(MachineDocTest, SaveUpperCasesTheNameAndLocksTheKeyFields)
{
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    FakeForm form(*doc, Record("abc", machineDrillLine));
    EXPECT_TRUE(doc->OnFileSave());
    EXPECT_EQ(form.updates, 2);   // before the save, and when the save reaches the file
    EXPECT_GE(form.shown, 1);
    EXPECT_EQ(TempDrives::Names(Folder()), (std::vector<std::string>{"ABC.mch"}));
    EXPECT_EQ(doc->GetMachineRecord().name, "ABC");
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateStored);
    EXPECT_EQ(doc->GetPathName(), "C:\\Kestrom\\Machines\\ABC.mch");
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(MachineDocTest, AFormThatDoesNotValidateStopsEveryCommand)
{
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    FakeForm form(*doc, Record("abc", machineAngleLine));
    form.valid = false;
    EXPECT_FALSE(doc->OnFileSave());
    EXPECT_FALSE(doc->OnFileSaveNew());
    form.OnEditSpecifics();
    EXPECT_TRUE(form.edited.empty());
    EXPECT_FALSE(std::filesystem::exists(Folder()));
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
}

TEST_F(MachineDocTest, SaveNewKeepsTheOldFileAndWaitsForANewName)
{
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    FakeForm form(*doc, Record("FIRST", machineBeamLine));
    FakeForm other(*doc, Record("FIRST", machineBeamLine));
    ASSERT_TRUE(doc->OnFileSave());
    const Bytes first = Written("FIRST");

    ASSERT_TRUE(doc->OnFileSaveNew());
    EXPECT_EQ(doc->GetViews(), (std::vector<fw::View*>{&form}));   // every other view closed
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
    EXPECT_FALSE(doc->IsSaveAllowed());
    EXPECT_EQ(doc->GetKeyFieldsFlag(), 1);
    EXPECT_FALSE(doc->IsCommandEnabled(ID_FILE_SAVE).value());
    EXPECT_FALSE(doc->OnFileSave());   // refused until a key field changes
    EXPECT_EQ(Texts(), (std::vector<std::string>{kSaveOnTopOfOld}));

    form.record_.name = "SECOND";
    form.record_.minimumStock = Length(99, 0);
    doc->SetSaveAllowed(true);
    ASSERT_TRUE(doc->OnFileSave());
    EXPECT_EQ(TempDrives::Names(Folder()), (std::vector<std::string>{"FIRST.mch", "SECOND.mch"}));
    EXPECT_EQ(Written("FIRST"), first);
}

TEST_F(MachineDocTest, SaveNewStopsWhenTheSaveIsRefused)
{
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    FakeForm form(*doc, Record("", machineUnlisted));
    EXPECT_FALSE(doc->OnFileSaveNew());
    EXPECT_EQ(doc->IsSaveAllowed(), true);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(MachineDocTest, SpecificsOpensTheDialogOfKindsWithSpecData)
{
    for (int kind = machineNone; kind <= machineBurningTable; ++kind) {
        std::unique_ptr<CMachineDoc> doc = NewDoc();
        FakeForm form(*doc, Record("M", kind));
        form.OnEditSpecifics();
        EXPECT_EQ(form.updates, 1);
        const bool hasDialog = kind == 1 || kind == 2 || kind == 4;
        EXPECT_EQ(form.edited, hasDialog ? std::vector<int>{kind} : std::vector<int>{}) << "kind " << kind;
        EXPECT_FALSE(doc->IsModified());
    }
}

TEST_F(MachineDocTest, SpecDataFollowsTheKind)
{
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    EXPECT_EQ(doc->GetMachineRecord().kind, machineNone);
    EXPECT_EQ(doc->GetSpecData(), nullptr);
    doc->SetMachineData(Record("M", machineAngleLine));
    CMachineSpecData* angle = doc->GetSpecData();
    ASSERT_NE(angle, nullptr);
    angle->GetUnits().AddTail(Saw("Saw", 0, 1));
    doc->SetMachineData(Record("M", machineAngleLine));
    EXPECT_EQ(doc->GetSpecData(), angle);   // kept while the kind stays
    doc->SetMachineData(Record("M", machineDrillLine));
    ASSERT_NE(doc->GetSpecData(), nullptr);
    EXPECT_EQ(doc->GetSpecData()->GetKind(), machineDrillLine);
    EXPECT_TRUE(doc->GetSpecData()->GetUnits().IsEmpty());
    doc->SetMachineData(Record("M", machineSawShear));
    EXPECT_EQ(doc->GetSpecData(), nullptr);
    EXPECT_THROW(doc->SetMachineData(Record("M", 7)), std::invalid_argument);
}

TEST_F(MachineDocTest, SpecificsIsAvailableWhileTheKeyFieldsFlagIsSet)
{
    std::unique_ptr<CMachineDoc> doc = NewDoc();
    EXPECT_TRUE(doc->IsCommandEnabled(ID_EDIT_SPECIFICS).value());
    doc->DisableKeyFields();
    EXPECT_FALSE(doc->IsCommandEnabled(ID_EDIT_SPECIFICS).value());
    EXPECT_TRUE(doc->IsCommandEnabled(ID_FILE_SAVE_NEW).value());
}
