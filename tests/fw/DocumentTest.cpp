#include "fw/core/Archive.h"
#include "fw/core/AtomicFile.h"
#include "fw/core/CommitGroup.h"
#include "fw/core/DocManager.h"
#include "fw/core/FileSystem.h"
#include "fw/core/MessageService.h"
#include "fw/core/Profile.h"

#include "TempDrives.h"

#include <gtest/gtest.h>

namespace {

class CTestDoc : public fw::Document {
public:
    std::string text;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring())
            ar << text;
        else
            ar >> text;
    }
    void DeleteContents() override { text.clear(); }
};

struct RecordingView : fw::View {
    std::vector<long> hints;
    void OnUpdate(fw::View*, long hint, fw::Object*) override { hints.push_back(hint); }
    void CloseFrame() override
    {
        if (GetDocument())
            GetDocument()->RemoveView(this);
    }
};

std::unique_ptr<fw::DocTemplate> Template(const std::string& name, const std::string& ext)
{
    return std::make_unique<fw::DocTemplate>("\n" + name + "\n" + name + "\n" + name + " Files (*" + ext + ")\n" + ext,
                                             [] { return std::make_unique<CTestDoc>(); });
}

class DocumentTest : public ::testing::Test {
protected:
    DocumentTest()
    {
        parts = manager.AddDocTemplate(Template("Part", ".prt"));
        programs = manager.AddDocTemplate(Template("Program", ".prt"));
        shapes = manager.AddDocTemplate(Template("Shape", ".shp"));
    }

    CTestDoc* NewPart() { return static_cast<CTestDoc*>(parts->OpenDocumentFile("", false)); }

    TempDrives drives;
    fw::ScriptedMessages messages;
    fw::DocManager manager;
    fw::DocTemplate* parts;
    fw::DocTemplate* programs;
    fw::DocTemplate* shapes;
};

} // namespace

TEST_F(DocumentTest, SavesAndOpensThroughTheArchiveByExtension)
{
    CTestDoc* doc = NewPart();
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->GetTitle(), "Part1");
    doc->text = "B12";
    doc->SetModifiedFlag();
    messages->Answer(fw::IDOK);   // the folder does not exist yet: the base makes no folders
    EXPECT_FALSE(doc->DoSave("C:\\Jobs\\J1\\B12.prt"));
    EXPECT_EQ(messages->Shown().back().text, "ERROR: Unknown Error -- On File C:\\Jobs\\J1\\B12.prt");
    fw::FileSystem::CreateFolders("C:\\Jobs\\J1\\");
    ASSERT_TRUE(doc->DoSave("C:\\Jobs\\J1\\B12.prt"));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), "C:\\Jobs\\J1\\B12.prt");
    EXPECT_EQ(doc->GetTitle(), "B12.prt");
    EXPECT_EQ(TempDrives::Get(drives.C() / "Jobs/J1/B12.prt"), std::string("\x03" "B12"));
    parts->CloseDocument(doc);

    // The first template whose extension matches opens it, whatever the case of the name.
    auto* back = static_cast<CTestDoc*>(manager.OpenDocumentFile("c:\\jobs\\j1\\b12.PRT", false));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->GetDocTemplate(), parts);
    EXPECT_EQ(back->text, "B12");
    EXPECT_EQ(manager.OpenDocumentFile("C:\\JOBS\\J1\\B12.prt"), back);   // already open
    EXPECT_EQ(manager.FindTemplate("x.shp"), shapes);
    EXPECT_EQ(manager.FindTemplate("x.mlt"), nullptr);
    EXPECT_EQ(messages->Shown().size(), 1u);
}

TEST_F(DocumentTest, LoadErrorsAreReportedAndLeaveNoDocument)
{
    TempDrives::Put(drives.C() / "bad.prt", std::string("\x09" "short"));
    struct Case {
        const char* path;
        const char* message;
    } cases[] = {
        {"C:\\missing.prt", "ERROR: File Not Found -- On File C:\\missing.prt"},
        {"C:\\bad.prt", "ERROR: Invalid File -- On File C:\\bad.prt"},
        {"C:\\..\\x.prt", "ERROR: Invalid File -- On File C:\\..\\x.prt"},
    };
    for (const Case& c : cases) {
        messages->Answer(fw::IDOK);
        EXPECT_EQ(manager.OpenDocumentFile(c.path), nullptr) << c.path;
        ASSERT_FALSE(messages->Shown().empty());
        EXPECT_EQ(messages->Shown().back().text, c.message);
    }
    EXPECT_TRUE(parts->GetDocuments().empty());
}

TEST_F(DocumentTest, AFailedSaveLeavesThePreviousFileAndTheModifiedFlag)
{
    TempDrives::Put(drives.C() / "B1.prt", "old bytes");
    CTestDoc* doc = NewPart();
    doc->text = std::string(100, 'x');
    doc->SetModifiedFlag();
    fw::AtomicFile::FailWritesAfter(10);
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->DoSave("C:\\B1.prt"));
    fw::AtomicFile::FailWritesAfter(std::nullopt);
    EXPECT_EQ(messages->Shown().back().text, "ERROR: Disk Full -- On File C:\\B1.prt");
    EXPECT_EQ(TempDrives::Get(drives.C() / "B1.prt"), "old bytes");
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), "");
    EXPECT_EQ(TempDrives::Names(drives.C()), std::vector<std::string>{"B1.prt"});
}

TEST_F(DocumentTest, SaveModifiedFollowsTheAnswer)
{
    struct Case {
        int answer;
        bool result;
        bool saved;
    } cases[] = {{fw::IDYES, true, true}, {fw::IDNO, true, false}, {fw::IDCANCEL, false, false}};
    for (const Case& c : cases) {
        CTestDoc* doc = NewPart();
        doc->SetPathName("C:\\S.prt", false);
        doc->text = "v" + std::to_string(c.answer);
        doc->SetModifiedFlag();
        messages->Answer(c.answer);
        EXPECT_EQ(doc->SaveModified(), c.result) << c.answer;
        EXPECT_EQ(messages->Shown().back().text, "Save changes to S.prt?");
        EXPECT_EQ(TempDrives::Get(drives.C() / "S.prt") == "\x02v" + std::to_string(c.answer), c.saved);
        parts->CloseDocument(doc);
    }
    // Unmodified documents ask nothing.
    EXPECT_TRUE(NewPart()->SaveModified());
    EXPECT_EQ(messages->Shown().size(), 3u);
}

// Saving every document on exit commits them together; each one whose file the commit cannot
// place keeps its old file and stays modified, and the exit stops.
TEST_F(DocumentTest, SavingAllKeepsModifiedEveryDocumentTheCommitCannotPlace)
{
    std::vector<CTestDoc*> docs;
    for (const char* name : {"A", "B"}) {
        TempDrives::Put(drives.C() / (std::string(name) + ".prt"), "old");
        CTestDoc* doc = NewPart();
        doc->SetPathName(std::string("C:\\") + name + ".prt", false);
        doc->text = "new";
        doc->SetModifiedFlag();
        docs.push_back(doc);
    }
    fw::CommitGroup::FailAt(fw::CommitGroup::Step::sync);
    messages->Answer(fw::IDYES).Answer(fw::IDYES).Answer(fw::IDOK);
    EXPECT_FALSE(manager.SaveAllModified());
    ASSERT_EQ(messages->Shown().size(), 3u);
    EXPECT_EQ(messages->Shown()[2].text, "These files could not be saved:\n"
                                         "ERROR: Hardware IO Problem -- On File C:\\A.prt\n"
                                         "ERROR: Hardware IO Problem -- On File C:\\B.prt");
    for (CTestDoc* doc : docs)
        EXPECT_TRUE(doc->IsModified()) << doc->GetPathName();
    EXPECT_EQ(TempDrives::Get(drives.C() / "A.prt"), "old");
    EXPECT_EQ(TempDrives::Names(drives.C()), (std::vector<std::string>{"A.prt", "B.prt"}));

    messages->Answer(fw::IDYES).Answer(fw::IDYES);
    EXPECT_TRUE(manager.SaveAllModified());
    EXPECT_EQ(TempDrives::Get(drives.C() / "B.prt"), "\x03new");
}

TEST_F(DocumentTest, SaveWithoutAPathAsksForANameOrFails)
{
    CTestDoc* doc = NewPart();
    EXPECT_FALSE(doc->DoFileSave());   // no prompt installed: windowless
    std::string proposed;
    manager.SetFileNamePrompt([&](std::string& path, bool saving, fw::DocTemplate* tmpl) {
        proposed = path;
        EXPECT_TRUE(saving);
        EXPECT_EQ(tmpl, parts);
        path = "C:\\Named.prt";
        return true;
    });
    EXPECT_TRUE(doc->DoFileSave());
    EXPECT_EQ(proposed, "Part1.prt");
    EXPECT_EQ(doc->GetPathName(), "C:\\Named.prt");
    EXPECT_EQ(manager.GetRecentFiles().front(), "C:\\Named.prt");
}

TEST_F(DocumentTest, ViewsObserveAndCloseWithTheDocument)
{
    CTestDoc* doc = NewPart();
    RecordingView a, b;
    doc->AddView(&a);
    doc->AddView(&b);
    EXPECT_FALSE(doc->IsWindowless());
    doc->UpdateAllViews(&a, 7);
    EXPECT_TRUE(a.hints.empty());
    EXPECT_EQ(b.hints, std::vector<long>{7});
    {
        RecordingView shortLived;
        doc->AddView(&shortLived);
    }   // a destroyed view detaches itself
    EXPECT_EQ(doc->GetViews().size(), 2u);
    parts->CloseDocument(doc);
    EXPECT_EQ(a.GetDocument(), nullptr);
    EXPECT_EQ(b.GetDocument(), nullptr);
    EXPECT_TRUE(parts->GetDocuments().empty());
}

TEST_F(DocumentTest, RecentFilesKeepFourWithoutRepeats)
{
    for (const char* p : {"C:\\a.prt", "C:\\b.prt", "C:\\c.prt", "C:\\A.PRT", "C:\\d.prt", "C:\\e.prt"})
        manager.AddToRecentFileList(p);
    EXPECT_EQ(manager.GetRecentFiles(), (std::deque<std::string>{"C:\\e.prt", "C:\\d.prt", "C:\\A.PRT", "C:\\c.prt"}));
    fw::MemoryProfile profile;
    manager.SaveRecentFileList(profile);
    EXPECT_EQ(profile.GetProfileString("Recent File List", "File1"), "C:\\e.prt");
    fw::DocManager other;
    other.LoadRecentFileList(profile);
    EXPECT_EQ(other.GetRecentFiles(), manager.GetRecentFiles());
}

TEST(DocTemplate, DocStringParts)
{
    fw::DocTemplate t("\nMult\nMult\nMult Files (*.mlt)\n.mlt\nVarnex.Mult", [] { return std::make_unique<CTestDoc>(); });
    EXPECT_EQ(t.GetDocString(fw::DocTemplate::windowTitle), "");
    EXPECT_EQ(t.GetDocString(fw::DocTemplate::docName), "Mult");
    EXPECT_EQ(t.GetDocString(fw::DocTemplate::filterName), "Mult Files (*.mlt)");
    EXPECT_EQ(t.GetFilterExtension(), ".mlt");
    EXPECT_EQ(t.GetDocString(fw::DocTemplate::regFileTypeId), "Varnex.Mult");
    EXPECT_EQ(t.GetDocString(fw::DocTemplate::regFileTypeName), "");
    EXPECT_TRUE(t.MatchesPath("C:\\X\\M 1.MLT"));
    EXPECT_FALSE(t.MatchesPath(".mlt"));
    EXPECT_FALSE(t.MatchesPath("C:\\X\\M 1.mltx"));
}
