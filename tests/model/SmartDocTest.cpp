#include "model/SmartDoc.h"

#include "fw/core/Archive.h"
#include "fw/core/AtomicFile.h"
#include "fw/core/DocManager.h"
#include "fw/core/MessageService.h"
#include "fw/core/Poster.h"

#include "tests/fw/TempDrives.h"

#include <gtest/gtest.h>

namespace {

class CTestDoc : public CSmartDoc {
public:
    std::string text;
    std::string pathWhileLoading;
    void Serialize(fw::Archive& ar) override
    {
        if (ar.IsStoring()) {
            ar << text;
            return;
        }
        pathWhileLoading = GetPathName();
        ar >> text;
    }
    void DeleteContents() override { text.clear(); }
    bool needs = true;   // what HasWhatSaveNeeds answers

protected:
    bool HasWhatSaveNeeds() const override { return needs; }
};

// A form: records the typed changes it is told, and commits (or refuses) its edits.
struct RecordingForm : fw::View {
    void OnUpdate(fw::View*, long, fw::Object*) override { ++updates; }
    void OnChange(fw::View*, const fw::Change& change) override
    {
        changes.push_back(dynamic_cast<const CSmartDoc::DocChange&>(change).kind);
    }
    bool CommitPendingEdits() override
    {
        ++commits;
        return commitOk;
    }
    bool HoldsEdits() const override { return holdsEdits; }
    void CloseFrame() override
    {
        if (GetDocument())
            GetDocument()->RemoveView(this);
    }
    bool holdsEdits = true;
    bool commitOk = true;
    int commits = 0;
    int updates = 0;
    std::vector<CSmartDoc::DocChange::Kind> changes;
};
using Kind = CSmartDoc::DocChange::Kind;

// A view whose frame closes when asked (or, when stubborn, stays).
struct TestView : fw::View {
    explicit TestView(bool closes = true) : closes(closes) {}
    void OnUpdate(fw::View*, long, fw::Object*) override {}
    void CloseFrame() override
    {
        ++closeRequests;
        if (closes && GetDocument())
            GetDocument()->RemoveView(this);
    }
    bool closes;
    int closeRequests = 0;
};

class SmartDocTest : public testing::Test {
protected:
    SmartDocTest()
    {
        shapes = manager.AddDocTemplate(std::make_unique<fw::DocTemplate>(
            "\nShape\nShape\nShape (*.shp)\n.shp", [] { return std::make_unique<CTestDoc>(); }));
    }
    CTestDoc* NewDoc() { return static_cast<CTestDoc*>(shapes->OpenDocumentFile("", false)); }

    TempDrives drives;
    fw::ScriptedMessages messages;
    fw::DocManager manager;
    fw::DocTemplate* shapes;
};

} // namespace

TEST_F(SmartDocTest, StateFlagsAndCommandsFollowTheLifecycle)
{
    CTestDoc constructed;
    EXPECT_EQ(constructed.GetDocumentState(), CSmartDoc::stateStored);
    EXPECT_EQ(constructed.GetKeyFieldsFlag(), 1);
    EXPECT_TRUE(constructed.IsSaveAllowed());

    CTestDoc* doc = NewDoc();
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);
    doc->DisableKeyFields();
    EXPECT_EQ(doc->GetKeyFieldsFlag(), 0);
    doc->EnableKeyFields();
    EXPECT_EQ(doc->GetKeyFieldsFlag(), 1);

    // state x command: Save, Save As and Save/New go with the save-allowed flag.
    const struct {
        int state;
        bool saveAllowed;
        bool enabled;
    } rows[] = {{CSmartDoc::stateNew, true, true}, {CSmartDoc::stateNew, false, false},
                {CSmartDoc::stateStored, true, true}, {CSmartDoc::stateStored, false, false}};
    for (const auto& row : rows) {
        doc->SetDocumentState(row.state);
        doc->SetSaveAllowed(row.saveAllowed);
        for (unsigned command : {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_SAVE_NEW})
            EXPECT_EQ(doc->IsCommandEnabled(command), row.enabled) << row.state << " " << command;
        EXPECT_EQ(doc->IsCommandEnabled(ID_FILE_CLOSE), std::nullopt);
    }
}

TEST_F(SmartDocTest, OpenSetsThePathBeforeLoadingAndKeepsTheStoredState)
{
    TempDrives::Put(drives.C() / "A/W12X26.shp", std::string("\x03" "W12"));
    auto* doc = static_cast<CTestDoc*>(manager.OpenDocumentFile("C:\\A\\W12X26.shp", false));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->pathWhileLoading, "C:\\A\\W12X26.shp");
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateStored);
    EXPECT_EQ(manager.GetRecentFiles().front(), "C:\\A\\W12X26.shp");
}

TEST_F(SmartDocTest, AFailedOpenKeepsThePreviousPathAndTheRecentFiles)
{
    TempDrives::Put(drives.C() / "bad.shp", std::string("\x09" "short"));
    CTestDoc* doc = NewDoc();
    doc->SetPathName("C:\\old.shp", false);
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->OnOpenDocument("C:\\bad.shp"));
    EXPECT_EQ(doc->GetPathName(), "C:\\old.shp");
    EXPECT_EQ(doc->GetTitle(), "old.shp");
    EXPECT_TRUE(manager.GetRecentFiles().empty());
    EXPECT_EQ(messages->Shown().size(), 1u);
}

TEST_F(SmartDocTest, SaveMakesTheFoldersAndTakesThePath)
{
    CTestDoc* doc = NewDoc();
    doc->text = "W12";
    ASSERT_TRUE(doc->OnSaveDocument("C:\\A\\B\\W12X26.shp"));
    EXPECT_EQ(TempDrives::Get(drives.C() / "A/B/W12X26.shp"), std::string("\x03" "W12"));
    EXPECT_EQ(doc->GetPathName(), "C:\\A\\B\\W12X26.shp");
    EXPECT_EQ(manager.GetRecentFiles().front(), "C:\\A\\B\\W12X26.shp");
    EXPECT_TRUE(messages->Shown().empty());
}

TEST_F(SmartDocTest, ARefusedSaveShowsMessage208AndWritesNothing)
{
    TempDrives::Put(drives.C() / "A/old.shp", "old bytes");
    CTestDoc* doc = NewDoc();
    doc->SetPathName("C:\\A\\old.shp", false);
    doc->SetSaveAllowed(false);
    doc->text = "new";
    messages->Answer(fw::IDOK).Answer(fw::IDOK);
    EXPECT_FALSE(doc->SaveDocument());
    EXPECT_FALSE(doc->OnSaveDocument("C:\\B\\new.shp"));
    ASSERT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(messages->Shown()[0].text,
              "Warning: Can't save new document on top of old!  You must change key fields.");
    EXPECT_EQ(messages->Shown()[0].type, fw::MB_OK | fw::MB_ICONEXCLAMATION);
    EXPECT_EQ(TempDrives::Get(drives.C() / "A/old.shp"), "old bytes");
    EXPECT_EQ(TempDrives::Names(drives.C()), std::vector<std::string>{"A"});
    EXPECT_EQ(TempDrives::Names(drives.C() / "A"), std::vector<std::string>{"old.shp"});
    EXPECT_TRUE(manager.GetRecentFiles().empty());
}

TEST_F(SmartDocTest, AFailedSaveReportsAndKeepsThePreviousFile)
{
    TempDrives::Put(drives.C() / "A/old.shp", "old bytes");
    CTestDoc* doc = NewDoc();
    doc->SetPathName("C:\\A\\old.shp", false);
    doc->text = std::string(100, 'x');
    fw::AtomicFile::FailWritesAfter(10);
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->OnSaveDocument("C:\\A\\old.shp"));
    fw::AtomicFile::FailWritesAfter(std::nullopt);
    EXPECT_EQ(TempDrives::Get(drives.C() / "A/old.shp"), "old bytes");

    // A folder of the path that is a file.
    messages->Answer(fw::IDOK);
    EXPECT_FALSE(doc->OnSaveDocument("C:\\A\\old.shp\\x.shp"));
    EXPECT_EQ(messages->Shown().size(), 2u);
    EXPECT_EQ(TempDrives::Get(drives.C() / "A/old.shp"), "old bytes");
    EXPECT_EQ(doc->GetPathName(), "C:\\A\\old.shp");
}

TEST_F(SmartDocTest, SetFileNameKeepsTheFolderAndAddsTheExtension)
{
    CTestDoc* doc = NewDoc();
    doc->SetPathName("C:\\A\\B\\old.shp", false);
    doc->SetFileName("W12X26");
    EXPECT_EQ(doc->GetPathName(), "C:\\A\\B\\W12X26.shp");
    doc->SetPathName("old.shp", false);
    doc->SetFileName("W12X26");
    EXPECT_EQ(doc->GetPathName(), "W12X26.shp");
    EXPECT_TRUE(manager.GetRecentFiles().empty());
}

TEST_F(SmartDocTest, CloseOtherViewsKeepsOnlyTheGivenView)
{
    CTestDoc* doc = NewDoc();
    TestView keep, a, b, stubborn(false);
    for (fw::View* v : std::initializer_list<fw::View*>{&a, &keep, &stubborn, &b})
        doc->AddView(v);
    doc->CloseOtherViews(&keep);
    EXPECT_EQ(doc->GetViews(), (std::vector<fw::View*>{&keep, &stubborn}));
    EXPECT_EQ(keep.closeRequests, 0);
    EXPECT_EQ(stubborn.closeRequests, 1);   // asked once, however its frame answers
    doc->RemoveView(&keep);
    doc->RemoveView(&stubborn);
}

TEST_F(SmartDocTest, CloseOtherViewsWithoutAViewPostsFileClose)
{
    fw::QueuePoster poster;
    CTestDoc* doc = NewDoc();
    doc->SetPoster(&poster);
    doc->CloseOtherViews(nullptr);
    EXPECT_EQ(poster.Pending(), 0u);   // no view, no window to post to

    TestView view;
    doc->AddView(&view);
    doc->CloseOtherViews(nullptr);
    EXPECT_EQ(poster.Pending(), 1u);
    EXPECT_EQ(shapes->GetDocuments().size(), 1u);
    poster.RunPending();
    EXPECT_TRUE(shapes->GetDocuments().empty());
    EXPECT_EQ(view.closeRequests, 1);

    // A document closed before the posted command runs is not touched.
    CTestDoc* other = NewDoc();
    other->SetPoster(&poster);
    TestView otherView;
    other->AddView(&otherView);
    other->CloseOtherViews(nullptr);
    shapes->CloseDocument(other);
    EXPECT_EQ(poster.RunPending(), 1u);
}

TEST_F(SmartDocTest, FileCloseAsksToSaveAModifiedDocument)
{
    CTestDoc* doc = NewDoc();
    doc->SetModifiedFlag();
    messages->Answer(fw::IDCANCEL);
    doc->OnFileClose();
    EXPECT_EQ(shapes->GetDocuments().size(), 1u);
    messages->Answer(fw::IDNO);
    doc->OnFileClose();
    EXPECT_TRUE(shapes->GetDocuments().empty());
}

TEST_F(SmartDocTest, SaveRuleFollowsKeyFieldsAndWhatTheSaveNeeds)
{
    const struct {
        int state;
        bool keyEdited;
        bool needs;
        bool allowed;
    } cases[] = {
        {CSmartDoc::stateNew, false, true, false},     // a new document names its old file still
        {CSmartDoc::stateNew, true, true, true},
        {CSmartDoc::stateNew, true, false, false},     // no shape found, no machine chosen
        {CSmartDoc::stateStored, false, true, true},   // a stored document stands for its own file
        {CSmartDoc::stateStored, false, false, false},
    };
    for (const auto& c : cases) {
        CTestDoc doc;
        RecordingForm form;
        doc.AddView(&form);
        doc.SetDocumentState(c.state);
        doc.needs = c.needs;
        doc.ApplySaveRule();
        if (c.keyEdited) {
            doc.KeyFieldEdited();
            EXPECT_TRUE(doc.IsModified());
            EXPECT_TRUE(doc.KeyFieldsChanged());
        }
        EXPECT_EQ(doc.IsSaveAllowed(), c.allowed) << c.state << c.keyEdited << c.needs;
        EXPECT_EQ(doc.IsCommandEnabled(ID_FILE_SAVE), c.allowed);
        // The form hears of each change of the flag; nothing asks it to show everything.
        EXPECT_EQ(form.changes.empty(), c.allowed && !(c.state == CSmartDoc::stateNew));
        EXPECT_EQ(form.updates, 0);
    }
}

TEST_F(SmartDocTest, KeyFieldsAndSaveNewAreToldAsTypedChanges)
{
    CTestDoc* doc = NewDoc();
    RecordingForm form;
    RecordingForm other;
    doc->AddView(&form);
    doc->AddView(&other);
    doc->text = "W12";
    doc->SetPathName("C:\\A\\W12.shp", false);
    doc->DisableKeyFields();
    EXPECT_EQ(form.changes, std::vector<Kind>{Kind::keyFields});
    EXPECT_FALSE(doc->GetKeyFieldsFlag());
    form.changes.clear();

    doc->KeyFieldEdited();
    ASSERT_TRUE(doc->SaveAndStartNew(&form, true));
    EXPECT_EQ(doc->GetViews(), std::vector<fw::View*>{&form});   // the other window closed
    EXPECT_EQ(form.changes, (std::vector<Kind>{Kind::keyFields, Kind::saveAllowed, Kind::startedNew}));
    EXPECT_TRUE(doc->GetKeyFieldsFlag());
    EXPECT_FALSE(doc->IsSaveAllowed());
    EXPECT_FALSE(doc->KeyFieldsChanged());
    EXPECT_EQ(doc->GetDocumentState(), CSmartDoc::stateNew);

    // A view that knows none of these changes shows everything again only for Save/New.
    struct PlainView : fw::View {
        void OnUpdate(fw::View*, long, fw::Object*) override { ++updates; }
        int updates = 0;
    } plain;
    doc->AddView(&plain);
    doc->DisableKeyFields();
    doc->KeyFieldEdited();
    EXPECT_EQ(plain.updates, 0);
    doc->NotifyViews(nullptr, CSmartDoc::DocChange(Kind::startedNew));
    EXPECT_EQ(plain.updates, 1);
    doc->RemoveView(&plain);
    doc->RemoveView(&form);
}

TEST_F(SmartDocTest, CommittingEditsStopsAtTheFirstRefusal)
{
    CTestDoc doc;
    RecordingForm first, refusing, last;
    refusing.commitOk = false;
    for (RecordingForm* form : {&first, &refusing, &last})
        doc.AddView(form);
    EXPECT_FALSE(doc.CommitPendingEdits());
    EXPECT_EQ(first.commits + refusing.commits + last.commits, 2);
    refusing.commitOk = true;
    EXPECT_TRUE(doc.CommitPendingEdits());
    EXPECT_EQ(last.commits, 1);
}

TEST_F(SmartDocTest, ClosingAWindowAsksAboutTheEditsItHolds)
{
    const struct {
        bool modified;
        int windowNumber;   // 0: the document's last window
        bool holdsEdits;
        bool commitOk;
        std::vector<int> answers;
        std::string question;
        bool closes;
        int commits;
    } cases[] = {
        {true, 1, true, true, {fw::IDYES}, CSmartDoc::kUpdateQuestion, true, 1},
        {true, 1, true, true, {fw::IDNO}, CSmartDoc::kUpdateQuestion, true, 0},
        {true, 1, true, true, {fw::IDCANCEL}, CSmartDoc::kUpdateQuestion, false, 0},
        {true, 1, true, false, {fw::IDYES}, CSmartDoc::kUpdateQuestion, false, 1},   // refused: nothing typed is lost
        {true, 1, false, true, {}, "", true, 0},   // a window without fields of its own
        {false, 1, true, true, {}, "", true, 0},
        {true, 0, true, true, {fw::IDNO}, "Save changes to W12.shp?", true, 0},
        {true, 0, true, true, {fw::IDCANCEL}, "Save changes to W12.shp?", false, 0},
        {false, 0, true, true, {}, "", true, 0},
    };
    for (const auto& c : cases) {
        fw::ScriptedMessages answers;
        for (int a : c.answers)
            answers->Answer(a);
        CTestDoc doc;
        doc.SetPathName("C:\\A\\W12.shp", false);
        RecordingForm form;
        form.holdsEdits = c.holdsEdits;
        form.commitOk = c.commitOk;
        doc.AddView(&form);
        doc.SetModifiedFlag(c.modified);
        fw::View* const frame[] = {&form};
        EXPECT_EQ(doc.CanCloseFrame(frame, c.windowNumber), c.closes) << c.question << c.commitOk;
        EXPECT_EQ(form.commits, c.commits) << c.question;
        ASSERT_EQ(answers->Shown().size(), c.question.empty() ? 0u : 1u) << c.question;
        if (!c.question.empty()) {
            EXPECT_EQ(answers->Shown()[0].text, c.question);
        }
        EXPECT_TRUE(std::filesystem::exists(drives.C() / "A") == false);   // No and Cancel write nothing
        doc.RemoveView(&form);
    }
}
