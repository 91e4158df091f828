#include "model/ModelClasses.h"
#include "model/PatternList.h"
#include "model/ToolDoc.h"
#include "model/ToolFileLibrary.h"

#include "fw/core/AppProfile.h"
#include "fw/core/DocManager.h"
#include "fw/core/MessageService.h"

#include "ModelTestSupport.h"
#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

using namespace modeltest;

namespace {

class ToolDocTest : public testing::Test {
protected:
    ToolDocTest()
    {
        RegisterModelClasses();
        tools = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nTool\nTool\nTool (*.tl)\n.tl", [] { return std::make_unique<CToolDoc>(); }));
    }
    CToolDoc* NewTool() { return static_cast<CToolDoc*>(tools->OpenDocumentFile("", false)); }
    std::filesystem::path ToolFolder() const { return drives.C() / "Kestrom/Tools"; }
    void PutTool(const std::string& name, const Bytes& bytes) const
    {
        TempDrives::Put(ToolFolder() / (name + ".tl"), std::string(bytes.begin(), bytes.end()));
    }

    TempDrives drives;
    fw::ScriptedMessages messages;
    fw::DocManager manager;
    fw::DocTemplate* tools;
};

// A form that copies fixed values into its document, or refuses as invalid.
struct ToolForm : fw::View {
    bool HoldsEdits() const override { return true; }
    void OnUpdate(fw::View*, long, fw::Object*) override {}
    bool CommitPendingEdits() override
    {
        ++copies;
        if (valid)
            static_cast<CToolDoc*>(GetDocument())->SetToolData(0.5, 0, "rd", 0, 0);
        return valid;
    }
    bool valid = true;
    int copies = 0;
};

const Bytes kTool = Cat({Dim(k0_8125, 'D'), Dim(k0, 'D'), Str("RD"), Le32(45), Le32(1)});

} // namespace

TEST_F(ToolDocTest, NewToolIsImperialWithUpperCaseCode)
{
    CToolDoc* doc = NewTool();
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
    EXPECT_EQ(doc->GetRecord().measuringSystem, 0);
    doc->SetToolData(13.0 / 16, 0, "rd", 45, 2);
    double a, b;
    std::string type;
    int orientation, system;
    doc->GetToolData(a, b, type, orientation, system);
    EXPECT_EQ(a, 13.0 / 16);
    EXPECT_EQ(b, 0.0);
    EXPECT_EQ(type, "RD");
    EXPECT_EQ(orientation, 45);
    EXPECT_EQ(system, 2);
    ToolRecord record;
    doc->GetToolRecord(record);
    EXPECT_EQ(record.sizeA.GetUnitLetter(), 'M');
    EXPECT_EQ(record.sizeA.GetEditText(), "20.64 mm");
}

TEST_F(ToolDocTest, ShortNameIsThePartToolsForEverySystem)
{
    const struct {
        double a, b;
        const char* type;
        int orientation;
    } tools[] = {{13.0 / 16, 0, "RD", 0}, {13.0 / 16, 0, "rd", 45}, {0.5, 1.25, "SL", 90}, {0, 2, "SQ", 0}, {14, 0, "HX", -30}};
    CToolDoc doc;
    for (const auto& t : tools)
        for (int system : {0, 1, 2}) {
            doc.SetToolData(t.a, t.b, t.type, t.orientation, system);
            const CPartTool partTool(t.a, t.b, t.type, t.orientation, system);
            EXPECT_EQ(doc.GetShortName(), partTool.GetShortName()) << t.type << " in system " << system;
        }
    doc.SetToolData(13.0 / 16, 0, "RD", 45, 0);
    EXPECT_EQ(doc.GetShortName(), "13_16RD45");
}

TEST_F(ToolDocTest, SavesUnderItsShortNameInTheToolDirectory)
{
    CToolDoc* doc = NewTool();
    doc->SetToolData(13.0 / 16, 0, "rd", 45, 1);
    ASSERT_TRUE(doc->OnSaveDocument("C:\\elsewhere\\ignored.tl"));
    EXPECT_EQ(doc->GetPathName(), "C:\\Kestrom\\Tools\\0.8125in.RD45.tl");
    EXPECT_EQ(TempDrives::Get(ToolFolder() / "0.8125in.RD45.tl"), std::string(kTool.begin(), kTool.end()));
    EXPECT_FALSE(std::filesystem::exists(drives.C() / "elsewhere"));

    CToolDoc loaded;
    EXPECT_EQ(loaded.LoadTool("0.8125in.RD45"), 1);
    EXPECT_EQ(loaded.GetRecord().sizeA.GetValue(), 0.8125);
    EXPECT_EQ(loaded.GetRecord().type, "RD");
    EXPECT_EQ(loaded.GetRecord().orientation, 45);
    EXPECT_EQ(loaded.GetRecord().measuringSystem, 1);
    EXPECT_FALSE(loaded.IsModified());
}

TEST_F(ToolDocTest, FileSaveCopiesTheFormsFirst)
{
    CToolDoc* doc = NewTool();
    ToolForm form;
    doc->AddView(&form);
    doc->SetModifiedFlag();
    doc->OnFileSave();
    EXPECT_GE(form.copies, 1);
    EXPECT_TRUE(std::filesystem::exists(ToolFolder() / "1_2RD.tl"));
    EXPECT_FALSE(doc->IsModified());

    // An invalid form stops the save.
    form.valid = false;
    doc->SetToolData(1, 0, "SQ", 0, 0);
    doc->OnFileSave();
    EXPECT_FALSE(doc->OnSaveDocument(""));
    EXPECT_FALSE(std::filesystem::exists(ToolFolder() / "1-SQ.tl"));
    doc->RemoveView(&form);
}

TEST_F(ToolDocTest, CommandsFollowTheModifiedFlag)
{
    CToolDoc* doc = NewTool();
    const struct {
        bool modified, saveAllowed;
    } rows[] = {{false, true}, {true, true}, {true, false}, {false, false}};
    for (const auto& row : rows) {
        doc->SetModifiedFlag(row.modified);
        doc->SetSaveAllowed(row.saveAllowed);
        EXPECT_EQ(doc->IsCommandEnabled(ID_FILE_SAVE), row.modified);
        EXPECT_EQ(doc->IsCommandEnabled(ID_FILE_SAVE_NEW), row.modified);
        EXPECT_EQ(doc->IsCommandEnabled(ID_FILE_SAVE_AS), false);
    }
}

TEST_F(ToolDocTest, UsesTheProfilesToolDirectory)
{
    auto profile = std::make_unique<fw::MemoryProfile>();
    profile->WriteProfileString("Directories", "Tool Directory", "D:\\MyTools");
    auto previous = fw::SetAppProfile(std::move(profile));
    EXPECT_EQ(CToolDoc::GetToolFilePath("13_16RD"), "D:\\MyTools\\13_16RD.tl");
    fw::AppProfile().WriteProfileString("Directories", "Tool Directory", "");
    EXPECT_EQ(CToolDoc::GetToolFilePath("13_16RD"), "13_16RD.tl");
    fw::SetAppProfile(std::move(previous));
    EXPECT_EQ(CToolDoc::GetToolFilePath("13_16RD"), "C:\\Kestrom\\Tools\\13_16RD.tl");
}

TEST_F(ToolDocTest, LoadToolReportsWhatItCannotRead)
{
    PutTool("empty", {});
    PutTool("short", Bytes(kTool.begin(), kTool.end() - 1));
    Bytes badSystem = kTool;
    badSystem.back() = 0;
    badSystem[badSystem.size() - 4] = 3;
    PutTool("badsystem", badSystem);
    PutTool("good", kTool);
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"missing", "ERROR: File Not Found -- On File C:\\Kestrom\\Tools\\missing.tl"},
        {"empty", "ERROR: Invalid File -- On File C:\\Kestrom\\Tools\\empty.tl"},
        {"short", "ERROR: Invalid File -- On File C:\\Kestrom\\Tools\\short.tl"},
        {"badsystem", "ERROR: Invalid File -- On File C:\\Kestrom\\Tools\\badsystem.tl"},
        {"..\\Jobs\\x", "ERROR: Unknown Error -- On File C:\\Kestrom\\Tools\\..\\Jobs\\x.tl"},
    };
    CToolDoc doc;
    doc.SetToolData(1, 0, "SQ", 0, 0);
    for (const auto& c : cases) {
        messages->Answer(fw::IDOK);
        EXPECT_EQ(doc.LoadTool(c.name), 0) << c.name;
        ASSERT_FALSE(messages->Shown().empty());
        EXPECT_EQ(messages->Shown().back().text, c.message);
        EXPECT_EQ(doc.GetRecord().type, "SQ");   // left as it was
        EXPECT_FALSE(doc.TryLoadTool(c.name));
    }
    EXPECT_EQ(messages->Shown().size(), std::size(cases));
    EXPECT_EQ(messages->Beeps(), std::vector<unsigned>(std::size(cases), fw::MB_ICONEXCLAMATION));
    EXPECT_TRUE(doc.TryLoadTool("good"));
    ExpectTruncationsRejected(kTool, [](fw::Archive& ar) { CToolDoc().Serialize(ar); });
}

namespace {

// A part's face with three hole patterns of a tool: two of one file, one of another.
Bytes ThreePatterns()
{
    const CRefPlane plane = [] {
        CRefPlane p;
        p.Set(10, 0, '+', '+', 0, 0, 'A');
        return p;
    }();
    const CPartTool round(13.0 / 16, 0, "RD", 0, 1), square(1.0, 0, "SQ", 0);
    CPatternList list;
    for (auto [x, tool] : {std::pair{1.0, &round}, {2.0, &round}, {3.0, &square}}) {
        auto pattern = std::make_unique<CPattern>(x, 0, 1, 0, 1, 0, CPattern::hole, &plane, tool, 0);
        list.AddSorted(pattern);
    }
    return StoreDirect(list);
}

void Load(CPatternList& list, const Bytes& bytes, ToolLibrary& library)
{
    fw::Archive ar(bytes);
    list.Serialize(ar);
    for (CPattern& pattern : list)
        pattern.RefreshTool(library);
}

} // namespace

TEST_F(ToolDocTest, PatternsFindTheFilesTheToolDocumentSaves)
{
    CToolDoc* doc = NewTool();
    doc->SetToolData(13.0 / 16, 0, "RD", 0, 1);
    ASSERT_TRUE(doc->OnSaveDocument(""));
    doc->SetToolData(13.0 / 16, 0.25, "RD", 0, 1);   // the file now says otherwise
    ASSERT_TRUE(doc->OnSaveDocument(""));
    std::filesystem::rename(ToolFolder() / "0.8125in.X0.25in.RD.tl", ToolFolder() / "0.8125in.RD.tl");
    PutTool("1-SQ", Cat({Dim(k2), Dim(k0), Str("SQ"), Le32(0), Le32(0)}));

    CToolFileLibrary library;
    CPatternList list;
    Load(list, ThreePatterns(), library);
    for (const CPattern& pattern : list)
        EXPECT_EQ(pattern.GetTool()->GetSizeB().GetValue(), pattern.GetTool()->GetType() == "RD" ? 0.25 : 0.0);
    EXPECT_EQ(list.GetTail()->GetTool()->GetSizeA().GetValue(), 2.0);
    EXPECT_TRUE(library.GetFailedFiles().empty());
    LoadProblems problems;
    library.TakeFailures(problems);
    EXPECT_TRUE(problems.empty());
}

TEST_F(ToolDocTest, MissingOrCorruptToolFilesKeepTheArchivedToolsAndReportOnce)
{
    PutTool("1-SQ", Bytes{0x01, 0x02});   // corrupt
    const Bytes bytes = ThreePatterns();
    {
        CToolFileLibrary library;
        CPatternList list;
        Load(list, bytes, library);
        EXPECT_EQ(list.GetHead()->GetTool()->GetSizeA().GetValue(), 13.0 / 16);
        EXPECT_EQ(list.GetTail()->GetTool()->GetSizeA().GetValue(), 1.0);
        EXPECT_EQ(library.GetFailedFiles(), (std::vector<std::string>{"C:\\Kestrom\\Tools\\0.8125in.RD.tl",
                                                                      "C:\\Kestrom\\Tools\\1-SQ.tl"}));
        LoadProblems problems;
        library.TakeFailures(problems);
        EXPECT_TRUE(messages->Shown().empty());   // collecting shows nothing
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].kind, LoadProblem::Kind::toolUnreadable);
        messages->Answer(fw::IDOK);
        ReportLoadProblems(problems);
        ASSERT_EQ(messages->Shown().size(), 1u);
        EXPECT_EQ(messages->Shown()[0].text, "ERROR: File Not Found -- On File C:\\Kestrom\\Tools\\0.8125in.RD.tl\n"
                                             "ERROR: Invalid File -- On File C:\\Kestrom\\Tools\\1-SQ.tl");
        EXPECT_EQ(messages->Beeps().size(), 1u);
        library.TakeFailures(problems);   // the failures were taken once
        EXPECT_EQ(problems.size(), 1u);
        EXPECT_TRUE(library.GetFailedFiles().empty());
    }
}

TEST_F(ToolDocTest, PartToolTakesTheToolDocumentAndItsFileName)
{
    PutTool("13_16RD", kTool);   // a file whose name is not the short name of its data
    auto* doc = static_cast<CToolDoc*>(manager.OpenDocumentFile("C:\\Kestrom\\Tools\\13_16RD.tl", false));
    ASSERT_NE(doc, nullptr);
    CPartToolRD tool;
    tool.SetFromToolDoc(*doc);
    EXPECT_EQ(tool.GetShortName(), "13_16RD");
    EXPECT_EQ(tool.GetSizeA().GetValue(), 0.8125);
    EXPECT_EQ(tool.GetSizeA().GetUnitLetter(), 'D');
    EXPECT_EQ(tool.GetOrientation(), 45);
    EXPECT_EQ(tool.GetMeasuringSystem(), 1);
    EXPECT_EQ(tool.GetKind(), CPartTool::kindRD);

    CToolDoc unsaved;
    unsaved.SetToolData(1, 0, "SQ", 0, 0);
    tool.SetFromToolDoc(unsaved);
    EXPECT_EQ(tool.GetShortName(), "1-SQ");
    EXPECT_STREQ(fw::RuntimeClass::FromName("CToolDoc")->CreateObject()->GetRuntimeClass()->className, "CToolDoc");
}
